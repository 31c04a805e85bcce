#include "afxdlgtmpl.h"
#include <new>

CDlgTemplateBuffer::CDlgTemplateBuffer() : m_pTemplate(nullptr), m_nSize(0) {}

CDlgTemplateBuffer::~CDlgTemplateBuffer() { Free(); }

void CDlgTemplateBuffer::Free()
{
    // Allocated and freed here, in the framework's module, whoever owns us.
    delete[] reinterpret_cast<WORD*>(m_pTemplate);
    m_pTemplate = nullptr;
    m_nSize = 0;
}

// Number of UTF-16 units of an ANSI string, terminator included.
static int WideLength(LPCSTR psz)
{
    if (!psz || !*psz)
        return 1;
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    return n > 0 ? n : 1;
}

static WORD* PutWide(WORD* p, LPCSTR psz, int nUnits)
{
    if (nUnits <= 1 || !::MultiByteToWideChar(CP_ACP, 0, psz, -1, (LPWSTR)p, nUnits))
        *p = 0;
    return p + nUnits;
}

BOOL CDlgTemplateBuffer::Build(DWORD dwStyle, DWORD dwExStyle, LPCSTR lpszClassName,
                               LPCSTR lpszTitle, short x, short y, short cx, short cy)
{
    Free();
    // Header, then three variable arrays: menu (none), class, title.
    const int nClass = WideLength(lpszClassName);
    const int nTitle = WideLength(lpszTitle);
    const UINT nWords = (UINT)(sizeof(DLGTEMPLATE) / sizeof(WORD)) + 1 + nClass + nTitle;
    // Whole DWORDs: the dialog manager reads templates DWORD-aligned.
    const UINT nAlloc = (nWords + 1) & ~1u;
    WORD* pWords = new (std::nothrow) WORD[nAlloc];
    if (!pWords)
        return FALSE;
    ZeroMemory(pWords, nAlloc * sizeof(WORD));

    DLGTEMPLATE* pTemplate = reinterpret_cast<DLGTEMPLATE*>(pWords);
    pTemplate->style = dwStyle & ~DS_SETFONT;   // no font block follows
    pTemplate->dwExtendedStyle = dwExStyle;
    pTemplate->cdit = 0;
    pTemplate->x = x;
    pTemplate->y = y;
    pTemplate->cx = cx;
    pTemplate->cy = cy;
    WORD* p = pWords + sizeof(DLGTEMPLATE) / sizeof(WORD);
    *p++ = 0;                                   // no menu
    p = PutWide(p, lpszClassName, nClass);
    PutWide(p, lpszTitle, nTitle);

    m_pTemplate = pTemplate;
    m_nSize = nAlloc * sizeof(WORD);
    return TRUE;
}

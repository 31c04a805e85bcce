#include "WGStyleCenter.h"

// Registers a copy of the system dialog class under a library name. Local
// classes are looked up by the creating module's instance, so the copy is
// registered for the application's instance, which the framework uses to
// create every window.
static void RegisterFromDialogClass(WNDCLASSA& wc, const char* pszName)
{
    ::GetClassInfoA(nullptr, "#32770", &wc);
    wc.lpszClassName = pszName;
    wc.hInstance = AfxGetInstanceHandle();
    ::RegisterClassA(&wc);
}

CWGStyleCenter::CWGStyleCenter() : m_nModalCapacity(0), m_ppModal(nullptr), m_nModalCount(0)
{
    ZeroMemory(&m_wcDialog, sizeof(WNDCLASSA));
    ZeroMemory(&m_wcTip, sizeof(WNDCLASSA));
    ZeroMemory(&m_wcFDialog, sizeof(WNDCLASSA));
    ZeroMemory(&m_wcMenu, sizeof(WNDCLASSA));
    RegisterFromDialogClass(m_wcDialog, "Vantrel WG Dialog 1.0");
    RegisterFromDialogClass(m_wcTip, "Vantrel WG Tip 1.0");
    RegisterFromDialogClass(m_wcFDialog, "Vantrel WG Frame Dialog 1.0");
    RegisterFromDialogClass(m_wcMenu, "Vantrel WG Menu 1.0");
    ZeroMemory(&m_wcToolBar, sizeof(WNDCLASSA));
    ZeroMemory(&m_wcPanel, sizeof(WNDCLASSA));
    ZeroMemory(&m_wcFrameWnd, sizeof(WNDCLASSA));
    ZeroMemory(&m_wcMenuBar, sizeof(WNDCLASSA));
    // "新宋体" in GBK.
    m_fontDefault.CreateFont(12, 0, 0, 0, 1, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_STRING_PRECIS,
                             CLIP_CHARACTER_PRECIS, PROOF_QUALITY, FF_DECORATIVE | DEFAULT_PITCH,
                             "\xD0\xC2\xCB\xCE\xCC\xE5");
}

CWGStyleCenter::~CWGStyleCenter()
{
    delete[] m_ppModal;
    m_fontDefault.DeleteObject();
}

void CWGStyleCenter::AddAnDomodalDialog(CDialog* pDlg)
{
    if (m_nModalCount >= m_nModalCapacity)
    {
        long nNew = m_nModalCapacity + 255;
        CDialog** pp = new CDialog*[nNew];
        for (long i = 0; i < nNew; ++i)
            pp[i] = i < m_nModalCount ? m_ppModal[i] : nullptr;
        delete[] m_ppModal;
        m_ppModal = pp;
        m_nModalCapacity = nNew;
    }
    m_ppModal[m_nModalCount++] = pDlg;
}

int CWGStyleCenter::DeleteAnDomodalDialog(CDialog* pDlg)
{
    for (long i = m_nModalCount - 1; i >= 0; --i)
    {
        if (m_ppModal[i] != pDlg)
            continue;
        --m_nModalCount;
        for (long j = i; j < m_nModalCount; ++j)
            m_ppModal[j] = m_ppModal[j + 1];
        m_ppModal[m_nModalCount] = nullptr;
        return 1;
    }
    return 0;
}

int CWGStyleCenter::CloseDialogAfterTheDialog(CDialog* pDlg)
{
    // The dialogs stay registered: each removes itself when its loop ends.
    if (!pDlg)
    {
        for (long i = 0; i < m_nModalCount; ++i)
            if (m_ppModal[i])
                m_ppModal[i]->EndDialog(IDCANCEL);
        return 1;
    }
    long nFound = m_nModalCount;
    for (long i = 0; i < m_nModalCount; ++i)
        if (m_ppModal[i] == pDlg) { nFound = i; break; }
    if (nFound == m_nModalCount)
        return 0;
    for (long i = m_nModalCount - 1; i > nFound; --i)
        if (m_ppModal[i])
            m_ppModal[i]->EndDialog(IDCANCEL);
    return 1;
}

CDialog* CWGStyleCenter::GetModalDialog(long nIndex) const
{
    return (nIndex >= 0 && nIndex < m_nModalCount) ? m_ppModal[nIndex] : nullptr;
}

DLGTEMPLATE* WGInitDialogTemplate(CDialog* pDialog, CDlgTemplateBuffer& buf, DWORD dwStyle,
                                  LPCSTR lpszClass, CWnd* pParent)
{
    DLGTEMPLATE* pTemplate = buf.Build(dwStyle, 0, lpszClass) ? buf.GetTemplate() : nullptr;
    if (!pDialog->InitModalIndirect(pTemplate, pParent))
    {
        ::OutputDebugStringA("Error: Create WG Dialog Template!");
        return nullptr;
    }
    return pTemplate;
}

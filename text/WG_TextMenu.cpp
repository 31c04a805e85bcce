#include "WG_TextMenu.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include <string.h>

// ---- the edit menu ---------------------------------------------------------------------

// GBK: 撤销 (undo, padded to widen the menu), 剪切 (cut), 复制 (copy),
// 粘贴 (paste), 删除 (delete), 全选 (select all).
const char* const CWG_TextMenu::s_pszCaptions[ROWS] = {
    "\xB3\xB7\xCF\xFA        ", "----", "\xBC\xF4\xC7\xD0", "\xB8\xB4\xD6\xC6",
    "\xD5\xB3\xCC\xF9", "\xC9\xBE\xB3\xFD", "----", "\xC8\xAB\xD1\xA1",
};

BEGIN_MESSAGE_MAP(CWG_TextMenu, CVRK_MENUWND)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

long CWG_TextMenu::CommandOfRow(long nRow)
{
    if (nRow >= ROW_CUT && nRow <= ROW_SEPARATOR_BOTTOM)
        return nRow - 1;
    if (nRow == ROW_SELECT_ALL)
        return 5;
    return nRow == ROW_UNDO || nRow == ROW_SEPARATOR_TOP ? nRow : -1;
}

int CWG_TextMenu::CreateFor(CWnd* pParent, CVRK_WG* pOwner)
{
    m_pOwnerWG = pOwner;
    CString astr[ROWS];
    for (int i = 0; i < ROWS; ++i)
        astr[i] = s_pszCaptions[i];
    return Create(pParent, KIND_FREE, astr, ROWS, 0);
}

void CWG_TextMenu::PopupFor(CVRK_WGPANEL* pPanel, CPoint point, BOOL bSelection, BOOL bHasText)
{
    if (!pPanel || !pPanel->m_hWnd || !m_hWnd)
        return;
    pPanel->ClientToScreen(&point);
    for (long nRow : { ROW_UNDO, ROW_CUT, ROW_COPY, ROW_DELETE })
        EnableButton(nRow, bSelection);
    EnableButton(ROW_SELECT_ALL, bHasText);
    Popup(&point);
}

void CWG_TextMenu::OnLButtonDown(UINT nFlags, CPoint point)
{
    const BOOL bOnRow = m_rcClient.PtInRect(point) && m_nHotItem >= 0 && m_nHotItem < m_nItemCount &&
                        m_Items[m_nHotItem].m_bEnable;
    if (!bOnRow)
    {
        // Closes the menu before it reports: nothing is left to close here.
        CVRK_MENUWND::OnLButtonDown(nFlags, point);
        return;
    }
    const long nMenu = m_nMenuID, nCommand = CommandOfRow(m_nHotItem);
    CVRK_WG* pOwner = m_pOwnerWG;
    Shirk();
    if (pOwner)
        pOwner->OnMenuCommand(nMenu, nCommand);
}

namespace {

// A movable global block holding nBytes copied from p; null on failure.
HGLOBAL CopyToGlobal(const void* p, size_t nBytes)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nBytes);
    void* pDst = h ? ::GlobalLock(h) : nullptr;
    if (!pDst)
    {
        if (h)
            ::GlobalFree(h);
        return nullptr;
    }
    memcpy(pDst, p, nBytes);
    ::GlobalUnlock(h);
    return h;
}

void SetData(UINT nFormat, HGLOBAL h)
{
    // The clipboard owns a block it accepted; a refused one is ours to free.
    if (h && !::SetClipboardData(nFormat, h))
        ::GlobalFree(h);
}

} // namespace

BOOL CWGTextClipboard::Put(HWND hOwner, LPCSTR psz, int nLength)
{
    if (!hOwner || !::OpenClipboard(hOwner))
        return FALSE;
    ::EmptyClipboard();
    CString str(psz, nLength < 0 ? 0 : nLength);   // stops at a zero byte
    const int n = str.GetLength();
    SetData(CF_TEXT, CopyToGlobal((LPCSTR)str, n + 1));
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, str, -1, nullptr, 0);
    if (nWide > 0)
    {
        WCHAR* pWide = new WCHAR[nWide];
        ::MultiByteToWideChar(CP_ACP, 0, str, -1, pWide, nWide);
        SetData(CF_UNICODETEXT, CopyToGlobal(pWide, nWide * sizeof(WCHAR)));
        delete[] pWide;
    }
    ::CloseClipboard();
    return TRUE;
}

// Reads the locked block of nFormat into str; the block is trusted only up
// to its size, so text without a terminator is not read past its end.
static void ReadBlock(UINT nFormat, CString& str)
{
    HANDLE h = ::GetClipboardData(nFormat);
    const void* p = h ? ::GlobalLock(h) : nullptr;
    if (!p)
        return;
    const SIZE_T nSize = ::GlobalSize(h);
    if (nFormat == CF_UNICODETEXT)
    {
        const LPCWSTR pw = (LPCWSTR)p;
        int nChars = 0;
        while ((SIZE_T)(nChars + 1) * sizeof(WCHAR) <= nSize && pw[nChars])
            ++nChars;
        const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pw, nChars, nullptr, 0, nullptr, nullptr);
        if (nBytes > 0)
        {
            char* pDst = str.GetBuffer(nBytes);
            ::WideCharToMultiByte(CP_ACP, 0, pw, nChars, pDst, nBytes, nullptr, nullptr);
            str.ReleaseBuffer(nBytes);   // and stops at any zero byte
        }
    }
    else
    {
        const char* pc = (const char*)p;
        int n = 0;
        while ((SIZE_T)n < nSize && pc[n])
            ++n;
        str = CString(pc, n);
    }
    ::GlobalUnlock(h);
}

CString CWGTextClipboard::Get(HWND hOwner)
{
    CString str;
    UINT nFormat = 0;
    if (::IsClipboardFormatAvailable(CF_UNICODETEXT))
        nFormat = CF_UNICODETEXT;
    else if (::IsClipboardFormatAvailable(CF_TEXT))
        nFormat = CF_TEXT;
    if (!nFormat || !hOwner || !::OpenClipboard(hOwner))
        return str;
    ReadBlock(nFormat, str);
    ::CloseClipboard();
    return str;
}

BOOL CWGTextClipboard::GetAnsi(HWND hOwner, CString& str)
{
    str.Empty();
    if (!::IsClipboardFormatAvailable(CF_TEXT) && !::IsClipboardFormatAvailable(CF_OEMTEXT))
        return FALSE;
    if (!hOwner || !::OpenClipboard(hOwner))
        return FALSE;
    ReadBlock(CF_TEXT, str);
    ::CloseClipboard();
    return TRUE;
}

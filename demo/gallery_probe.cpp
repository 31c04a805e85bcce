#include "gallery_probe.h"
#include "png.h"
#include <stdio.h>
#include <string>
#include <vector>

namespace {

struct Element
{
    std::string strName;
    const CVRK_WG* pElement;
};

std::string g_strDir;
const CString* g_pSummary = nullptr;
std::vector<Element> g_elements;

// The window's pixels read back through its own window DC: what Win32
// holds for it, whatever the X server shows. Alpha marks the window region
// (the rounded corners lie outside it).
BOOL SaveWindowBmp(HWND hWnd, const RECT& rc, const std::string& strPath)
{
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    HDC hWndDC = ::GetWindowDC(hWnd);
    std::vector<DWORD> px = CopyPixels(hWndDC, 0, 0, w, h);
    ::ReleaseDC(hWnd, hWndDC);
    if (px.empty())
        return FALSE;
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    const BOOL bShaped = ::GetWindowRgn(hWnd, hRgn) != ERROR;
    // A layered window (a shadow) shows an image the system blends, which
    // its window DC does not hold: its pixels are marked unknown (alpha 1).
    const BOOL bLayered = (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            DWORD& c = px[(size_t)y * w + x];
            c = (c & 0xffffff) | (bLayered ? 0x01000000 : !bShaped || ::PtInRegion(hRgn, x, y) ? 0xff000000 : 0);
        }
    ::DeleteObject(hRgn);

    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biWidth = w;
    bih.biHeight = -h;   // top-down
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    BITMAPFILEHEADER bf = {};
    bf.bfType = 0x4d42;
    bf.bfOffBits = sizeof(bf) + sizeof(bih);
    bf.bfSize = bf.bfOffBits + (DWORD)px.size() * 4;
    FILE* f = fopen(strPath.c_str(), "wb");
    BOOL bOk = f && fwrite(&bf, sizeof(bf), 1, f) == 1 && fwrite(&bih, sizeof(bih), 1, f) == 1 &&
               fwrite(px.data(), 4, px.size(), f) == px.size();
    if (f)
        fclose(f);
    return bOk;
}

CString ClipboardText()
{
    CString str;
    if (!::OpenClipboard(nullptr))
        return str;
    if (HANDLE h = ::GetClipboardData(CF_TEXT))
        if (const char* p = (const char*)::GlobalLock(h))
        {
            str = p;
            ::GlobalUnlock(h);
        }
    ::CloseClipboard();
    return str;
}

void WriteState()
{
    FILE* f = fopen((g_strDir + "\\state.txt").c_str(), "w");
    if (!f)
        return;
    const DWORD dwPid = ::GetCurrentProcessId();
    int n = 0;
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        DWORD dwOwner = 0;
        ::GetWindowThreadProcessId(h, &dwOwner);
        RECT rc;
        if (dwOwner != dwPid || !::IsWindowVisible(h) || !::GetWindowRect(h, &rc) ||
            rc.right <= rc.left || rc.bottom <= rc.top)
            continue;
        char szTitle[256] = "";
        ::GetWindowTextA(h, szTitle, sizeof(szTitle));
        SaveWindowBmp(h, rc, g_strDir + "\\window" + std::to_string(n) + ".bmp");
        fprintf(f, "window %d %ld %ld %ld %ld %s\n", n++, rc.left, rc.top, rc.right, rc.bottom, szTitle);
    }
    for (const Element& e : g_elements)
    {
        // Only what a person can see: a hidden page's elements, or those of
        // a hidden bar or dialog, are left out.
        const CVRK_WG* p = e.pElement;
        if (!p->m_bVisible || !p->m_pParent || !::IsWindowVisible(p->m_pParent->m_hWnd))
            continue;
        POINT pt = { p->m_rect.left, p->m_rect.top };
        ::ClientToScreen(p->m_pParent->m_hWnd, &pt);
        fprintf(f, "element %s %ld %ld %ld %ld\n", e.strName.c_str(), pt.x, pt.y,
                pt.x + p->m_rect.Width() + 1, pt.y + p->m_rect.Height() + 1);
    }
    fprintf(f, "summary %s\n", g_pSummary ? (const char*)*g_pSummary : "");
    fprintf(f, "clipboard %s\n", (const char*)ClipboardText());
    fclose(f);
}

void CALLBACK OnProbeTimer(HWND, UINT, UINT_PTR, DWORD)
{
    const std::string strRequest = g_strDir + "\\request";
    if (::GetFileAttributesA(strRequest.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    WriteState();
    ::DeleteFileA(strRequest.c_str());
}

} // namespace

void GalleryProbe::Start(const char* pszDir, const CString* pSummary)
{
    g_strDir = pszDir;
    g_pSummary = pSummary;
    ::SetTimer(nullptr, 0, 50, OnProbeTimer);
}

void GalleryProbe::AddElement(const char* pszName, const CVRK_WG* pElement)
{
    g_elements.push_back({ pszName, pElement });
}

void GalleryProbe::Forget(const CVRK_WGPANEL* pPanel)
{
    for (size_t i = g_elements.size(); i-- > 0;)
        if (g_elements[i].pElement->m_pParent == pPanel)
            g_elements.erase(g_elements.begin() + i);
}

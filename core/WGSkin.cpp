#include "WGSkin.h"
#include <map>
#include <memory>

BOOL WGLoadSkin(CBitmap& bmp, UINT nID)
{
    if (bmp.m_hObject)
        return TRUE;
    // Resources are searched from the application's state, whichever module
    // is calling.
    AFX_MANAGE_STATE(AfxGetAppModuleState());
    // Loaded as a DIB section rather than a device bitmap (same pixels):
    // skins are selected into a memory DC at every paint, and selecting a
    // DIB section costs a fraction of selecting a device bitmap.
    LPCSTR lpszName = MAKEINTRESOURCEA(nID);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
    return bmp.Attach(::LoadImageA(hInst, lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HBITMAP WGSharedSkin(UINT nID)
{
    // Every element paint asks, from worker threads too (the progress bar's
    // timer): readers share the lock, only the first use of a skin writes.
    static SRWLOCK s_lock = SRWLOCK_INIT;
    static std::map<UINT, std::unique_ptr<CBitmap>> s_skins;
    AcquireSRWLockShared(&s_lock);
    auto it = s_skins.find(nID);
    HBITMAP hSkin = it != s_skins.end() ? (HBITMAP)it->second->m_hObject : nullptr;
    const bool bKnown = it != s_skins.end();
    ReleaseSRWLockShared(&s_lock);
    if (bKnown)
        return hSkin;
    AcquireSRWLockExclusive(&s_lock);
    std::unique_ptr<CBitmap>& pSkin = s_skins[nID];
    if (!pSkin)
    {
        pSkin.reset(new CBitmap);
        WGLoadSkin(*pSkin, nID);
    }
    hSkin = (HBITMAP)pSkin->m_hObject;
    ReleaseSRWLockExclusive(&s_lock);
    return hSkin;
}

void WGDrawThreePiece(CDC* pDC, const CRect& rcDest, CDC* pSkinDC, int xSrc, int ySrc,
                      int nLeft, int nMid, int nRight, int nSrcH)
{
    const int x = rcDest.left, y = rcDest.top, w = rcDest.Width(), h = rcDest.Height();
    if (w <= 0 || h <= 0)
        return;
    pDC->StretchBlt(x, y, nLeft, h, pSkinDC, xSrc, ySrc, nLeft, nSrcH, SRCCOPY);
    if (w - nLeft - nRight > 0)
        pDC->StretchBlt(x + nLeft, y, w - nLeft - nRight, h, pSkinDC, xSrc + nLeft, ySrc, nMid,
                        nSrcH, SRCCOPY);
    pDC->StretchBlt(x + w - nRight, y, nRight, h, pSkinDC, xSrc + nLeft + nMid, ySrc, nRight,
                    nSrcH, SRCCOPY);
}

BOOL WGCreateBackBuffer(CBitmap& bmp, long nWidth, long nHeight)
{
    bmp.DeleteObject();
    if (nWidth <= 0 || nHeight <= 0)
        return FALSE;
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = nWidth;
    bi.bmiHeader.biHeight = -nHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    return bmp.Attach(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0));
}

// The 1 x 1 monochrome bitmap every new memory DC holds: a stock object,
// shared and never deleted.
static HGDIOBJ StockBitmap()
{
    static HGDIOBJ s_hStock = nullptr;
    if (!s_hStock)
    {
        HDC hDC = ::CreateCompatibleDC(nullptr);
        s_hStock = ::GetCurrentObject(hDC, OBJ_BITMAP);
        ::DeleteDC(hDC);
    }
    return s_hStock;
}

void WGKeepSelected(CDC* pDC, CBitmap& bmp)
{
    if (pDC && pDC->m_hDC && bmp.m_hObject)
        ::SelectObject(pDC->m_hDC, bmp.m_hObject);
}

void WGUnselectBitmap(CDC* pDC)
{
    if (pDC && pDC->m_hDC)
        ::SelectObject(pDC->m_hDC, StockBitmap());
}

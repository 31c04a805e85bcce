#include "WGSkin.h"

BOOL WGLoadSkin(CBitmap& bmp, UINT nID)
{
    if (bmp.m_hObject)
        return TRUE;
    // Resources are searched from the application's state, whichever module
    // is calling.
    AFX_MANAGE_STATE(AfxGetAppModuleState());
    return bmp.LoadBitmap(nID);
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

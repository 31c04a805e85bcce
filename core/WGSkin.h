// Drawing helpers shared by the elements and windows: back buffers and the
// library's skin bitmaps.
#pragma once
#include "wgdef.h"

// Loads skin bitmap nID from the first module of the application's resource
// chain that has it. FALSE (and the bitmap stays empty) when none has it.
WG_API BOOL WGLoadSkin(CBitmap& bmp, UINT nID);

// Skin bitmap nID shared by every element and window that draws from it:
// loaded once per process at its first use (as WGLoadSkin loads it) and
// kept until the library unloads. Null when no module has it. A private
// copy per element cost about 16 KB of each element's memory.
WG_API HBITMAP WGSharedSkin(UINT nID);

// The skin an element or window draws from: its own bitmap when the
// application gave it one, else the shared skin nID.
inline HBITMAP WGSkinOf(const CBitmap& bmpOwn, UINT nID)
{
    return bmpOwn.m_hObject ? (HBITMAP)bmpOwn.m_hObject : WGSharedSkin(nID);
}

// Draws a horizontally stretched three-piece skin into rcDest: the left edge
// (nLeft pixels wide), the middle column(s) (nMid wide) stretched over the
// rest and the right edge (nRight wide), each nSrcH rows from (xSrc, ySrc)
// of pSkinDC, stretched to the height of rcDest.
WG_API void WGDrawThreePiece(CDC* pDC, const CRect& rcDest, CDC* pSkinDC, int xSrc, int ySrc,
                             int nLeft, int nMid, int nRight, int nSrcH);

// (Re)makes bmp as a back buffer of nWidth x nHeight: a 32-bit top-down DIB
// section, which holds any screen colour exactly. Selecting a DIB section
// into a memory DC is an order of magnitude cheaper than selecting a
// device bitmap (under Wine 8: about 4 us against 60 us), and elements
// select their back buffers several times per paint. FALSE (bmp empty) for
// a size without area.
WG_API BOOL WGCreateBackBuffer(CBitmap& bmp, long nWidth, long nHeight);

// Back buffers stay selected in their memory DC between paints (each
// selection costs about 7 us under Wine, and a repaint selected an element's
// buffer six times). Before a kept buffer is deleted or replaced, the DC
// gets its first bitmap back: a bitmap still selected cannot be deleted.
WG_API void WGKeepSelected(CDC* pDC, CBitmap& bmp);
WG_API void WGUnselectBitmap(CDC* pDC);

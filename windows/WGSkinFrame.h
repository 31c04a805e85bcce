#pragma once
#include "wgdef.h"

// CWGSkinFrame: the skinned window frame that the dialog and the frame window
// share, drawn from skin 3002: a 29-pixel title bar (logo, shadowed title text,
// title buttons in their normal, hover and restore looks), 4-pixel borders with
// their bottom corners and rounded top corners; and the hit testing of those
// parts. A window constructs one on the stack for each paint or hit test
// (window, skin DC, skin, band row); it sends nothing. The window composes its
// own title (text position, right end, logo) from these pieces.
//
// Skin 3002 holds two bands of 29 rows, the active look at row 0 and the
// inactive one at row 29; all skin coordinates here are the active band's.
class WG_API CWGSkinFrame
{
public:
    enum { SKIN_ID = 3002, TITLE_HEIGHT = 29, BORDER = 4, ROW_ACTIVE = 0, ROW_INACTIVE = 29 };

    // Title buttons in screen coordinates, both ends included; an empty
    // rectangle is a button the window does not have.
    struct Buttons
    {
        CRect rcMin, rcMax, rcClose;
    };

    // One paint or hit test of pWnd: selects hSkin into pSkinDC (made here if
    // it has no DC yet) for the object's lifetime, because a shared skin can
    // be selected into only one DC at a time. nSkinRow picks the band.
    CWGSkinFrame(CWnd* pWnd, CDC* pSkinDC, HBITMAP hSkin, long nSkinRow);
    ~CWGSkinFrame();
    BOOL IsReady() const { return m_selSkin.GetOld() != nullptr; }

    // The title bar is composed off-screen and copied at once, so it never
    // shows half drawn. BeginTitle draws the bar (its right end, nRightEnd
    // wide, left to the window) and the window text after pszPrefix at
    // (xText, 8); the window adds its own pieces into TitleDC(); PresentTitle
    // draws the borders and copies the title onto the window.
    BOOL BeginTitle(int nRightEnd, int xText, LPCSTR pszPrefix);
    CDC* TitleDC() { return &m_dcTitle; }
    void PresentTitle();

    // Title bar into pDC (window width x 29): the left end and the middle
    // stretched up to the right end, nRightEnd pixels wide, which the
    // window draws itself.
    void DrawTitleBar(CDC* pDC, int nRightEnd);
    // The skin piece (xSrc, ySrc, w, h) at (x, y) of pDC.
    void DrawPiece(CDC* pDC, int x, int y, int xSrc, int ySrc, int w, int h);
    // The title buttons, the one nHover names (HTMINBUTTON, HTMAXBUTTON,
    // HTCLOSE; 0 for none) in its hover look. A minimized window shows the
    // restore look on minimize, a maximized one on maximize. pDC's origin is
    // the window's top-left corner.
    void DrawTitleButtons(CDC* pDC, const Buttons& buttons, UINT nHover);
    // Left, right and bottom borders and the bottom corners on the window DC.
    void DrawBorders(CDC* pDC);
    // The title text in the library's default font, white at (x, y) over
    // its black shadow one pixel down and right.
    static void DrawTitleText(CDC* pDC, int x, int y, const CString& strText);

    // Rounds the window's top corners: a 15 x 15 rounded rectangle over the
    // title bar joined to the rest of the window.
    static void ApplyRegion(CWnd* pWnd);

    // Hit code of pt (screen coordinates) on the logo (HTSYSMENU) or a title
    // button, tested in that order; HTNOWHERE elsewhere.
    static UINT HitTitleParts(CPoint pt, const CRect& rcIcon, const Buttons& buttons);
    // Hit code of pt on the frame of rcWindow outside the title parts and
    // the client area: the sizing borders of a sizable window, within 4
    // pixels of its edges (the top corners within the title bar), else
    // HTCAPTION.
    static UINT HitBorders(CPoint pt, const CRect& rcWindow, BOOL bSizable);
    // pt in rc, both ends included; never in an empty rectangle.
    static BOOL InRect(const CRect& rc, CPoint pt);

private:
    static HDC SkinDC(CDC* pSkinDC);
    void DrawButton(CDC* pDC, const CRect& rc, BOOL bHover, int xNormal, int xHover);
    CRect ToWindow(const CRect& rcScreen) const;

    CWnd* m_pWnd;                       // the constructor's pWnd
    CDC* m_pSkinDC;                     // the constructor's pSkinDC
    CRect m_rcWindow;                   // initially (0, 0, 0, 0)
    long m_nRow;                        // the constructor's nSkinRow
    CDCSelect m_selSkin;
    CDC m_dcTitle;
    CBitmap m_bmpTitle;
    HGDIOBJ m_hOldTitle;                // initially null

    CWGSkinFrame(const CWGSkinFrame&) = delete;
    CWGSkinFrame& operator=(const CWGSkinFrame&) = delete;
};

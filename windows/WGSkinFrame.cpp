#include "WGSkinFrame.h"
#include "VRK_WG.h"
#include "WGStyleCenter.h"

// Title buttons in skin 3002: each one's normal look (30 x 15) and hover
// look (29 x 15) at row 7; the restore looks of a minimized window's
// minimize button (magenta-keyed) and a maximized window's maximize button,
// normal at row 0 and hover at row 14.
enum
{
    BUTTON_Y = 7, BUTTON_W = 30, BUTTON_HOVER_W = 29, BUTTON_H = 15,
    MIN_X = 7, MIN_HOVER_X = 99, MIN_RESTORE_X = 225,
    MAX_X = 35, MAX_HOVER_X = 127, MAX_RESTORE_X = 255,
    CLOSE_X = 63, CLOSE_HOVER_X = 155, RESTORE_HOVER_Y = 14,
    // Borders: a 4 x 1 column for the sides, a 1 x 4 row for the bottom,
    // 4 x 4 bottom corners.
    SIDE_X = 184, BOTTOM_X = 188, BOTTOM_Y = 1, CORNER_LEFT_X = 184, CORNER_RIGHT_X = 188,
    // The title bar's left end is 6 wide; its middle is the next column.
    TITLE_LEFT_W = 6,
    CORNER_ROUND = 15, ROUND_BOTTOM = 36,
};

CWGSkinFrame::CWGSkinFrame(CWnd* pWnd, CDC* pSkinDC, HBITMAP hSkin, long nSkinRow)
    : m_pWnd(pWnd), m_pSkinDC(pSkinDC), m_rcWindow(0, 0, 0, 0), m_nRow(nSkinRow),
      m_selSkin(SkinDC(pSkinDC), hSkin), m_hOldTitle(nullptr)
{
    pWnd->GetWindowRect(&m_rcWindow);
}

CWGSkinFrame::~CWGSkinFrame()
{
    // The title bitmap is deleted after this body: not while selected.
    if (m_hOldTitle)
        ::SelectObject(m_dcTitle.m_hDC, m_hOldTitle);
}

BOOL CWGSkinFrame::BeginTitle(int nRightEnd, int xText, LPCSTR pszPrefix)
{
    if (m_hOldTitle)
        return FALSE;   // one title per paint
    CWindowDC dc(m_pWnd);
    if (!m_dcTitle.CreateCompatibleDC(&dc) ||
        !m_bmpTitle.CreateCompatibleBitmap(&dc, m_rcWindow.Width(), TITLE_HEIGHT))
        return FALSE;
    m_hOldTitle = ::SelectObject(m_dcTitle.m_hDC, m_bmpTitle.m_hObject);
    DrawTitleBar(&m_dcTitle, nRightEnd);
    CString strText;
    m_pWnd->GetWindowText(strText);
    DrawTitleText(&m_dcTitle, xText, 8, CString(pszPrefix) + strText);
    return TRUE;
}

void CWGSkinFrame::PresentTitle()
{
    if (!m_hOldTitle)
        return;
    CWindowDC dc(m_pWnd);
    DrawBorders(&dc);
    dc.BitBlt(0, 0, m_rcWindow.Width(), TITLE_HEIGHT, &m_dcTitle, 0, 0, SRCCOPY);
}

HDC CWGSkinFrame::SkinDC(CDC* pSkinDC)
{
    if (!pSkinDC->m_hDC)
        pSkinDC->CreateCompatibleDC(nullptr);
    return pSkinDC->m_hDC;
}

void CWGSkinFrame::DrawPiece(CDC* pDC, int x, int y, int xSrc, int ySrc, int w, int h)
{
    pDC->BitBlt(x, y, w, h, m_pSkinDC, xSrc, m_nRow + ySrc, SRCCOPY);
}

void CWGSkinFrame::DrawTitleBar(CDC* pDC, int nRightEnd)
{
    DrawPiece(pDC, 0, 0, 0, 0, TITLE_LEFT_W, TITLE_HEIGHT);
    pDC->StretchBlt(TITLE_LEFT_W, 0, m_rcWindow.Width() - nRightEnd, TITLE_HEIGHT, m_pSkinDC,
                    TITLE_LEFT_W, m_nRow, 1, TITLE_HEIGHT, SRCCOPY);
}

void CWGSkinFrame::DrawTitleText(CDC* pDC, int x, int y, const CString& strText)
{
    CDCSelect selFont(pDC, CVRK_WG::GetStyleCenter().GetDefaultFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(0x000000);
    pDC->TextOut(x + 1, y + 1, strText);
    pDC->SetTextColor(0xFFFFFF);
    pDC->TextOut(x, y, strText);
}

void CWGSkinFrame::DrawTitleButtons(CDC* pDC, const Buttons& buttons, UINT nHover)
{
    if (!buttons.rcMin.IsRectEmpty())
    {
        const CRect rc = ToWindow(buttons.rcMin);
        if (m_pWnd->IsIconic())
            pDC->TransparentBlt(rc.left, rc.top, rc.Width(), rc.Height(), m_pSkinDC, MIN_RESTORE_X,
                                m_nRow + (nHover == HTMINBUTTON ? RESTORE_HOVER_Y : 0), rc.Width(),
                                rc.Height(), WG_CR_MAGENTA);
        else
            DrawButton(pDC, rc, nHover == HTMINBUTTON, MIN_X, MIN_HOVER_X);
    }
    if (!buttons.rcMax.IsRectEmpty())
    {
        const CRect rc = ToWindow(buttons.rcMax);
        if (!m_pWnd->IsZoomed())
            DrawButton(pDC, rc, nHover == HTMAXBUTTON, MAX_X, MAX_HOVER_X);
        else if (nHover == HTMAXBUTTON)
            DrawPiece(pDC, rc.left, rc.top, MAX_RESTORE_X, RESTORE_HOVER_Y, BUTTON_HOVER_W, BUTTON_H);
        else
            DrawPiece(pDC, rc.left, rc.top, MAX_RESTORE_X, 0, rc.Width(), rc.Height());
    }
    if (!buttons.rcClose.IsRectEmpty())
        DrawButton(pDC, ToWindow(buttons.rcClose), nHover == HTCLOSE, CLOSE_X, CLOSE_HOVER_X);
}

// A title button's normal (30 x 15) or hover (29 x 15) look at rc's corner.
void CWGSkinFrame::DrawButton(CDC* pDC, const CRect& rc, BOOL bHover, int xNormal, int xHover)
{
    DrawPiece(pDC, rc.left, rc.top, bHover ? xHover : xNormal, BUTTON_Y,
              bHover ? BUTTON_HOVER_W : BUTTON_W, BUTTON_H);
}

CRect CWGSkinFrame::ToWindow(const CRect& rcScreen) const
{
    CRect rc = rcScreen;
    rc.OffsetRect(-m_rcWindow.left, -m_rcWindow.top);
    return rc;
}

void CWGSkinFrame::DrawBorders(CDC* pDC)
{
    const int W = m_rcWindow.Width(), H = m_rcWindow.Height(), row = m_nRow;
    const int nSide = H - TITLE_HEIGHT - BORDER;
    if (nSide > 0)
    {
        pDC->StretchBlt(0, TITLE_HEIGHT, BORDER, nSide, m_pSkinDC, SIDE_X, row, BORDER, 1, SRCCOPY);
        pDC->StretchBlt(W - BORDER, TITLE_HEIGHT, BORDER, nSide, m_pSkinDC, SIDE_X, row, BORDER, 1,
                        SRCCOPY);
    }
    if (W > 2 * BORDER)
        pDC->StretchBlt(BORDER, H - BORDER, W - 2 * BORDER, BORDER, m_pSkinDC, BOTTOM_X,
                        row + BOTTOM_Y, 1, BORDER, SRCCOPY);
    DrawPiece(pDC, 0, H - BORDER, CORNER_LEFT_X, BOTTOM_Y, BORDER, BORDER);
    DrawPiece(pDC, W - BORDER, H - BORDER, CORNER_RIGHT_X, BOTTOM_Y, BORDER, BORDER);
}

void CWGSkinFrame::ApplyRegion(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    const int W = rc.Width(), H = rc.Height();
    CRgn rgnTop, rgnBody;
    if (!rgnTop.CreateRoundRectRgn(0, 0, W + 1, ROUND_BOTTOM, CORNER_ROUND, CORNER_ROUND) ||
        !rgnBody.CreateRectRgn(0, TITLE_HEIGHT, W, H))
        return;
    rgnTop.CombineRgn(&rgnTop, &rgnBody, RGN_OR);
    // The window owns its region from here on.
    HRGN hRgn = (HRGN)rgnTop.Detach();
    if (!pWnd->SetWindowRgn(hRgn, TRUE))
        ::DeleteObject(hRgn);
}

BOOL CWGSkinFrame::InRect(const CRect& rc, CPoint pt)
{
    return !rc.IsRectEmpty() && pt.x >= rc.left && pt.x <= rc.right && pt.y >= rc.top &&
           pt.y <= rc.bottom;
}

UINT CWGSkinFrame::HitTitleParts(CPoint pt, const CRect& rcIcon, const Buttons& buttons)
{
    if (InRect(rcIcon, pt))
        return HTSYSMENU;
    if (InRect(buttons.rcMin, pt))
        return HTMINBUTTON;
    if (InRect(buttons.rcMax, pt))
        return HTMAXBUTTON;
    if (InRect(buttons.rcClose, pt))
        return HTCLOSE;
    return HTNOWHERE;
}

UINT CWGSkinFrame::HitBorders(CPoint pt, const CRect& rcWindow, BOOL bSizable)
{
    if (!bSizable)
        return HTCAPTION;
    const int L = rcWindow.left, T = rcWindow.top, R = rcWindow.right, B = rcWindow.bottom;
    const int x = pt.x, y = pt.y;
    if (y >= T && y <= T + TITLE_HEIGHT + 1 && y <= T + BORDER)
        return x <= L + BORDER ? HTTOPLEFT : (x >= R - BORDER ? HTTOPRIGHT : HTTOP);
    if (y >= T && y <= T + TITLE_HEIGHT + 1 && x <= L + BORDER)
        return HTLEFT;
    if (y >= B - BORDER && y <= B)
        return x <= L + BORDER ? HTBOTTOMLEFT : (x >= R - BORDER ? HTBOTTOMRIGHT : HTBOTTOM);
    if (x <= L + BORDER)
        return HTLEFT;
    if (x >= R - BORDER)
        return HTRIGHT;
    return HTCAPTION;
}

// Painting: colours and borders of the element base, the panel's back
// buffer, the transparent background copy, partial refreshes and GDI
// resources that must not leak.
#include "wgtest.h"

using namespace wgtest;

namespace {

const COLORREF PANEL = 0xd8e9ec, FILL = 0xFCFCFC, BORDER = 0xBEBEBE, BORDER_OFF = 0xDCDCDC;

class Painting : public PanelTest {};

TEST_F(Painting, FullRepaintLaysPanelBackgroundThenElementsWithBorders)
{
    AddProbe(0, 20, 30, 40, 10);
    m_panel.DrawMe();
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 0, 0));
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 19, 30));     // just left of the element
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 60, 39));     // just right of it
    EXPECT_EQ(BORDER, PanelPixel(m_panel, 20, 30));    // corners are border
    EXPECT_EQ(BORDER, PanelPixel(m_panel, 59, 39));
    EXPECT_EQ(BORDER, PanelPixel(m_panel, 40, 39));    // bottom line
    EXPECT_EQ(FILL, PanelPixel(m_panel, 21, 31));      // inside
    EXPECT_EQ(FILL, PanelPixel(m_panel, 58, 38));
}

TEST_F(Painting, EachBorderFlagControlsOneLineAndDisabledUsesLighterGrey)
{
    struct Case { BOOL CVRK_WG::*flag; int x, y; } cases[] = {
        { &CVRK_WG::m_bBorderTop, 10, 0 },
        { &CVRK_WG::m_bBorderBottom, 10, 9 },
        { &CVRK_WG::m_bBorderLeft, 0, 5 },
        { &CVRK_WG::m_bBorderRight, 29, 5 },
    };
    Probe& p = AddProbe(0, 5, 5, 30, 10);
    for (const Case& c : cases)
    {
        p.m_bBorderTop = p.m_bBorderBottom = p.m_bBorderLeft = p.m_bBorderRight = TRUE;
        p.m_bEnable = TRUE;
        m_panel.RefreshWG(0);   // no DC yet: nothing to do
        m_panel.DrawMe();
        EXPECT_EQ(BORDER, ElementPixel(p, c.x, c.y));
        p.m_bEnable = FALSE;
        m_panel.DrawMe();
        EXPECT_EQ(BORDER_OFF, ElementPixel(p, c.x, c.y));
        p.m_bEnable = TRUE;
        p.*c.flag = FALSE;
        m_panel.DrawMe();
        EXPECT_EQ(FILL, ElementPixel(p, c.x, c.y)) << "line at " << c.x << "," << c.y;
    }
    p.m_bBorder = TRUE;
    p.m_bBorderTop = p.m_bBorderBottom = p.m_bBorderLeft = p.m_bBorderRight = TRUE;
    p.m_bBorder = FALSE;            // the master switch wins
    m_panel.DrawMe();
    EXPECT_EQ(FILL, ElementPixel(p, 0, 0));
    EXPECT_EQ(FILL, ElementPixel(p, 29, 9));
}

TEST_F(Painting, DisabledElementDrawsGreyTextColour)
{
    Probe& p = AddProbe(0, 5, 5, 30, 10);
    p.m_crText = 0x123456;
    m_panel.DrawMe();
    EXPECT_EQ(0x123456u, p.m_pBGDC->GetTextColor());
    p.m_bEnable = FALSE;
    m_panel.DrawMe();
    EXPECT_EQ(0xA3A3A3u, p.m_pBGDC->GetTextColor());
}

TEST_F(Painting, NoFillAndNoTransparencyLeavesTheBackBufferAlone)
{
    Probe& p = AddProbe(0, 5, 5, 30, 10);
    m_panel.DrawMe();
    CDC* pDC = p.GetBGDC();
    pDC->FillSolidRect(0, 0, 30, 10, 0x00FF00);
    p.ReleaseBGDC();
    p.m_bFillBG = FALSE;
    p.m_bBorder = FALSE;
    m_panel.DrawMe();
    EXPECT_EQ(0x00FF00u, ElementPixel(p, 15, 5));
    EXPECT_EQ(0x00FF00u, PanelPixel(m_panel, 20, 10));
}

TEST_F(Painting, TransparentElementCopiesWhatWasPaintedBeforeItOnlyOnFullRepaint)
{
    Probe& below = AddProbe(0, 10, 10, 20, 20);
    below.m_crBG = 0x0000FF;
    below.m_bBorder = FALSE;
    Probe& glass = m_p[1];
    glass.m_bTransparent = TRUE;     // before the first paint, as controls do
    glass.m_bFillBG = FALSE;
    glass.m_bBorder = FALSE;
    AddProbe(1, 20, 20, 20, 20);     // half over `below`, half over the panel
    m_panel.DrawMe();
    EXPECT_EQ(0x0000FFu, ElementPixel(glass, 2, 2));
    EXPECT_EQ(PANEL, ElementPixel(glass, 15, 15));

    below.m_crBG = 0xFF0000;
    m_panel.RefreshWG(0);
    m_panel.RefreshWG(1);            // alone: keeps the copy of the last full repaint
    EXPECT_EQ(0x0000FFu, ElementPixel(glass, 2, 2));
    EXPECT_EQ(0x0000FFu, PanelPixel(m_panel, 22, 22));
    m_panel.DrawMe();
    EXPECT_EQ(0xFF0000u, ElementPixel(glass, 2, 2));
}

TEST_F(Painting, RefreshCopiesOnlyTheElementRectangleToTheScreen)
{
    Probe& p = AddProbe(0, 10, 10, 20, 20);
    p.m_bBorder = FALSE;
    m_panel.DrawMe();
    {
        // Scribble over the screen, then refresh the element only.
        CClientDC dc(&m_panel);
        dc.FillSolidRect(0, 0, 100, 100, 0x00FF00);
    }
    p.m_crBG = 0x0000FF;
    m_panel.RefreshWG(0);
    CClientDC dc(&m_panel);
    EXPECT_EQ(0x0000FFu, dc.GetPixel(10, 10));
    EXPECT_EQ(0x0000FFu, dc.GetPixel(29, 29));
    EXPECT_EQ(0x00FF00u, dc.GetPixel(30, 30));
    EXPECT_EQ(0x00FF00u, dc.GetPixel(9, 15));
}

TEST_F(Painting, PaintMessageCopiesUnlessTheSizeChanged)
{
    Probe& p = AddProbe(0, 10, 10, 20, 20);
    m_panel.DrawMe();
    int nBefore = p.m_nPaints;
    m_panel.Invalidate();
    m_panel.UpdateWindow();
    EXPECT_EQ(nBefore, p.m_nPaints);
    m_panel.MoveWindow(0, 0, 300, 200);   // WM_SIZE: new back buffer, full repaint
    EXPECT_EQ(nBefore + 1, p.m_nPaints);
    EXPECT_EQ(CRect(0, 0, 300, 200), m_panel.m_rcLastClient);
    BITMAP bm = {};
    m_panel.m_bmpBG.GetBitmap(&bm);
    EXPECT_EQ(300, bm.bmWidth);
    EXPECT_EQ(200, bm.bmHeight);
}

TEST_F(Painting, HiddenElementIsNotDrawnAndRefreshLeavesItsOldPixels)
{
    Probe& p = AddProbe(0, 10, 10, 20, 20);
    p.m_crBG = 0x0000FF;
    m_panel.DrawMe();
    p.m_bVisible = FALSE;
    int nBefore = p.m_nPaints;
    m_panel.RefreshWG(0);
    EXPECT_EQ(nBefore, p.m_nPaints);
    EXPECT_EQ(0x0000FFu, PanelPixel(m_panel, 15, 15));
    m_panel.DrawMe();
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 15, 15));
}

TEST_F(Painting, BadIndicesAndEmptyElementsPaintNothingAndBreakNothing)
{
    Probe& p = AddProbe(0, 10, 10, 20, 20);
    Probe& zero = AddProbe(1, 50, 50, 0, 0);
    Probe& negative = AddProbe(2, 60, 60, -5, -7);
    m_panel.DrawMe();
    int nPaints = p.m_nPaints;
    m_panel.RefreshWG(-1);
    m_panel.RefreshWG(3);
    m_panel.RefreshWG(1000);
    EXPECT_EQ(nPaints, p.m_nPaints);
    EXPECT_EQ(nullptr, zero.m_bmpBG.m_hObject);
    EXPECT_EQ(nullptr, negative.m_bmpBG.m_hObject);
    // Given a size later, the element gets its bitmap and shows.
    zero.NewWH(4, 4);
    m_panel.RefreshWG(1);
    EXPECT_NE(nullptr, zero.m_bmpBG.m_hObject);
    EXPECT_EQ(0xBEBEBEu, PanelPixel(m_panel, 50, 50));
    zero.NewWH(0, 4);
    m_panel.DrawMe();
    EXPECT_EQ(nullptr, zero.m_bmpBG.m_hObject);
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 50, 50));
    Send(WM_LBUTTONDOWN, 0, XY(58, 58));   // inside neither
    EXPECT_EQ(-1, m_panel.m_nNowWG);
    EXPECT_EQ(CRect(60, 60, 54, 52), negative.m_rect);
}

TEST_F(Painting, AnnotationMarkIsDrawnOverElementsAndWidensTheRefresh)
{
    AddProbe(0, 10, 10, 20, 20);
    m_panel.m_rcMark.SetRect(50, 50, 90, 80);
    m_panel.m_ptMarkFrom = CPoint(30, 30);
    m_panel.m_ptMarkTo = CPoint(150, 120);
    m_panel.DrawMe();
    EXPECT_EQ(0x0000FAu, PanelPixel(m_panel, 70, 50));   // top edge of the mark
    EXPECT_EQ(0x0000FAu, PanelPixel(m_panel, 50, 65));   // left edge

    CRect rc(10, 10, 30, 30);
    m_panel.RefreshAfterWG(&rc);
    // Left/top come from the mark only if smaller; right/bottom from the
    // mark, else from the line's end.
    EXPECT_EQ(CRect(10, 10, 90, 80), rc);
    CRect rcWide(60, 60, 70, 70);
    m_panel.RefreshAfterWG(&rcWide);
    EXPECT_EQ(CRect(50, 50, 90, 80), rcWide);

    m_panel.m_rcMark.SetRectEmpty();
    m_panel.DrawMe();
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 70, 50));
}

TEST_F(Painting, RepeatedRepaintsAndElementLifetimesLeaveNoGdiObjects)
{
    for (int i = 0; i < 6; ++i)
        AddProbe(i, 10 + 40 * i, 10, 30, 20);
    m_p[2].m_bTransparent = TRUE;
    m_p[2].m_bFillBG = FALSE;
    m_p[2].m_bRecreateBitmap = TRUE;
    m_panel.DrawMe();
    const LONG nGdi = AfxGetLiveGdiObjectCount(), nDC = AfxGetLiveDCCount();
    for (int i = 0; i < 1000; ++i)
    {
        m_panel.DrawMe();
        m_panel.RefreshWG(i % 6);
        m_p[i % 6].NewWH(30 + i % 3, 20);   // bitmaps re-made at the next paint
    }
    m_panel.DrawMe();
    EXPECT_EQ(nGdi, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(nDC, AfxGetLiveDCCount());

    // Elements made, painted and destroyed give everything back.
    for (int round = 0; round < 50; ++round)
    {
        RecordingPanel panel;
        ASSERT_TRUE(panel.Create(&m_host));
        {
            CVRK_WG a, b;
            a.Create(&panel, 0, 0, 10, 10);
            b.m_bTransparent = TRUE;
            b.m_bFillBG = FALSE;
            b.Create(&panel, 5, 5, 10, 10);
            panel.DrawMe();
            panel.DestroyWindow();
        }
    }
    AfxDeleteTempMaps();
    EXPECT_EQ(nGdi, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(nDC, AfxGetLiveDCCount());
}

} // namespace

// Painting: the element base's looks, the panel's back buffer, the
// transparent background copy and partial refreshes.
#include "golden.h"

using namespace wgtest;

namespace {

const COLORREF PANEL = 0xd8e9ec;

class Painting : public PanelTest {};

// Fill and borders: all four, each one off, disabled, the master switch off.
TEST_F(Painting, BorderFlagsAndDisabledLook)
{
    for (int i = 0; i < 7; ++i)
        AddProbe(i, 4 + 24 * i, 4, 20, 10);
    m_p[1].m_bBorderTop = m_p[2].m_bBorderBottom = m_p[3].m_bBorderLeft = m_p[4].m_bBorderRight = FALSE;
    m_p[5].m_bEnable = FALSE;
    m_p[6].m_bBorder = FALSE;
    m_panel.DrawMe();
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(0, 0, 172, 18)), "element_borders"));
}

TEST_F(Painting, NoFillAndNoTransparencyLeavesTheBackBufferAlone)
{
    Probe& p = AddProbe(0, 5, 5, 30, 10);
    m_panel.DrawMe();
    p.GetBGDC()->FillSolidRect(0, 0, 30, 10, 0x00FF00);
    p.ReleaseBGDC();
    p.m_bFillBG = FALSE;
    p.m_bBorder = FALSE;
    m_panel.DrawMe();
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
    EXPECT_EQ(0x0000FFu, PanelPixel(m_panel, 22, 22));
    m_panel.DrawMe();
    EXPECT_EQ(0xFF0000u, ElementPixel(glass, 2, 2));
}

// A refresh copies only the element's rectangle to the screen; WM_PAINT
// copies the back buffer unless the size changed.
TEST_F(Painting, RefreshAndPaintMessageCopyWhatIsNeeded)
{
    Probe& p = AddProbe(0, 10, 10, 20, 20);
    p.m_bBorder = FALSE;
    m_panel.DrawMe();
    CClientDC dc(&m_panel);
    dc.FillSolidRect(0, 0, 100, 100, 0x00FF00);   // scribble over the screen
    p.m_crBG = 0x0000FF;
    m_panel.RefreshWG(0);
    EXPECT_EQ(0x0000FFu, dc.GetPixel(10, 10));
    EXPECT_EQ(0x0000FFu, dc.GetPixel(29, 29));
    EXPECT_EQ(0x00FF00u, dc.GetPixel(30, 30));
    EXPECT_EQ(0x00FF00u, dc.GetPixel(9, 15));
    const int nBefore = p.m_nPaints;
    m_panel.Invalidate();
    m_panel.UpdateWindow();
    EXPECT_EQ(nBefore, p.m_nPaints);
    m_panel.MoveWindow(0, 0, 300, 200);   // WM_SIZE: new back buffer, full repaint
    EXPECT_EQ(nBefore + 1, p.m_nPaints);
    BITMAP bm = {};
    m_panel.m_bmpBG.GetBitmap(&bm);
    EXPECT_EQ(CSize(300, 200), CSize(bm.bmWidth, bm.bmHeight));
    // A hidden element is not drawn; its refresh leaves its old pixels.
    p.m_bVisible = FALSE;
    m_panel.RefreshWG(0);
    EXPECT_EQ(nBefore + 1, p.m_nPaints);
    EXPECT_EQ(0x0000FFu, PanelPixel(m_panel, 15, 15));
    m_panel.DrawMe();
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 15, 15));
}

TEST_F(Painting, BadIndicesAndEmptyElementsPaintNothingAndBreakNothing)
{
    Probe& p = AddProbe(0, 10, 10, 20, 20);
    Probe& zero = AddProbe(1, 50, 50, 0, 0);
    Probe& negative = AddProbe(2, 60, 60, -5, -7);
    m_panel.RefreshWG(0);            // no back buffer yet: nothing to do
    m_panel.DrawMe();
    const int nPaints = p.m_nPaints;
    for (long i : { -1L, 3L, 1000L })
        m_panel.RefreshWG(i);
    EXPECT_EQ(nPaints, p.m_nPaints);
    EXPECT_EQ(nullptr, zero.m_bmpBG.m_hObject);
    EXPECT_EQ(nullptr, negative.m_bmpBG.m_hObject);
    // Given a size later, the element gets its bitmap and shows; losing it
    // again frees it.
    zero.NewWH(4, 4);
    m_panel.RefreshWG(1);
    EXPECT_EQ(0xBEBEBEu, PanelPixel(m_panel, 50, 50));
    zero.NewWH(0, 4);
    m_panel.DrawMe();
    EXPECT_EQ(nullptr, zero.m_bmpBG.m_hObject);
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 50, 50));
    Send(WM_LBUTTONDOWN, 0, XY(58, 58));   // inside neither
    EXPECT_EQ(-1, m_panel.m_nNowWG);
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
    // Left and top come from the mark only if smaller; right and bottom
    // from the mark, else from the line's end.
    CRect rc(10, 10, 30, 30), rcWide(60, 60, 70, 70);
    m_panel.RefreshAfterWG(&rc);
    m_panel.RefreshAfterWG(&rcWide);
    EXPECT_EQ(CRect(10, 10, 90, 80), rc);
    EXPECT_EQ(CRect(50, 50, 90, 80), rcWide);
    m_panel.m_rcMark.SetRectEmpty();
    m_panel.DrawMe();
    EXPECT_EQ(PANEL, PanelPixel(m_panel, 70, 50));
}

} // namespace

// The push button: skin pieces, caption colours, hover by taking the mouse,
// and command 5 on every press.
#include "wgtest.h"

using namespace wgtest;

namespace {

class Button : public PanelTest
{
protected:
    CWG_Button m_btn[4];
    SkinReader Skin;

    void SetUp() override
    {
        PanelTest::SetUp();
        ASSERT_TRUE(Skin.Load(3003));
    }
    void Move(int x, int y) { Send(WM_MOUSEMOVE, 0, XY(x, y)); }
};

TEST_F(Button, UnscaledSkinPiecesAtNineteenRows)
{
    CWG_Button& b = m_btn[0];
    ASSERT_EQ(1, b.Create(&m_panel, "OK", 10, 10, 60, 19, FALSE));
    EXPECT_FALSE(b.m_bBorder);
    EXPECT_FALSE(b.m_bFillBG);
    m_panel.DrawMe();
    for (int y = 0; y < 19; ++y)
    {
        ASSERT_EQ(Skin(0, y), ElementPixel(b, 0, y)) << y;
        ASSERT_EQ(Skin(1, y), ElementPixel(b, 1, y)) << y;
        ASSERT_EQ(Skin(2, y), ElementPixel(b, 2, y)) << y;    // stretched middle
        ASSERT_EQ(Skin(2, y), ElementPixel(b, 6, y)) << y;    // clear of the caption
        ASSERT_EQ(Skin(3, y), ElementPixel(b, 58, y)) << y;
        ASSERT_EQ(Skin(4, y), ElementPixel(b, 59, y)) << y;
    }
    // The skin's corner pixel is the panel colour.
    EXPECT_EQ(0xd8e9ecu, ElementPixel(b, 0, 0));
}

TEST_F(Button, TallButtonStretchesEachRowAndMarkSitsLowerLeft)
{
    CWG_Button& b = m_btn[0];
    ASSERT_EQ(1, b.Create(&m_panel, "", 10, 10, 60, 38, TRUE));
    m_panel.DrawMe();
    for (int y = 0; y < 38; ++y)
    {
        ASSERT_EQ(Skin(0, y / 2), ElementPixel(b, 0, y)) << y;
        ASSERT_EQ(Skin(4, y / 2), ElementPixel(b, 59, y)) << y;
        ASSERT_EQ(Skin(2, y / 2), ElementPixel(b, 30, y)) << y;
    }
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(Skin(x, 19 + y), ElementPixel(b, 1 + x, 38 - 10 + y)) << x << "," << y;
}

TEST_F(Button, HoverTakesTheMouseShowsHoverSkinAndLeavingGivesItBack)
{
    CWG_Button& b = m_btn[0];
    b.Create(&m_panel, "Go", 10, 10, 60, 19, TRUE);
    m_panel.DrawMe();
    EXPECT_EQ(0x000000u, b.m_pBGDC->GetTextColor());
    Move(20, 15);
    EXPECT_TRUE(b.m_bHover);
    EXPECT_EQ(0, m_panel.m_nMouseWG);
    EXPECT_EQ(m_panel.m_hWnd, ::GetCapture());
    EXPECT_EQ(0x793F17u, b.m_pBGDC->GetTextColor());
    EXPECT_EQ(Skin(5, 9), ElementPixel(b, 0, 9));       // hover frame
    EXPECT_EQ(Skin(9, 9), ElementPixel(b, 59, 9));
    EXPECT_EQ(Skin(0, 28 + 4), ElementPixel(b, 1, 19 - 10 + 4));   // hover mark
    EXPECT_EQ(ElementPixel(b, 1, 9), PanelPixel(m_panel, 11, 19));  // refreshed into the panel

    Move(200, 200);                  // the owner sees the pointer leave
    EXPECT_FALSE(b.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(Skin(0, 9), ElementPixel(b, 0, 9));
    EXPECT_EQ(0x000000u, b.m_pBGDC->GetTextColor());
}

TEST_F(Button, EveryPressReportsFiveAtOnceAndDropsTheHover)
{
    CWG_Button& b = m_btn[0];
    CWG_Button& other = m_btn[1];
    b.Create(&m_panel, "A", 10, 10, 60, 19, FALSE);
    other.Create(&m_panel, "B", 10, 40, 60, 19, FALSE);
    m_panel.DrawMe();
    Move(20, 15);
    Send(WM_LBUTTONDOWN, 0, XY(20, 15));
    EXPECT_EQ("cmd 0 5", m_log.Joined());
    EXPECT_FALSE(b.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    Send(WM_LBUTTONUP, 0, XY(20, 15));        // nothing on button-up
    Send(WM_RBUTTONDOWN, 0, XY(20, 45));      // right button presses too
    Send(WM_LBUTTONDBLCLK, 0, XY(20, 45));    // a double-click is a second press
    EXPECT_EQ("cmd 0 5 | cmd 1 5 | cmd 1 5", m_log.Joined());
    Move(20, 15);                             // hover comes back on the next move
    EXPECT_TRUE(b.m_bHover);
}

TEST_F(Button, DisabledButtonIsGreyAndNeverPressedOrHovered)
{
    CWG_Button& b = m_btn[0];
    b.Create(&m_panel, "Off", 10, 10, 60, 19, FALSE);
    b.m_bEnable = FALSE;
    m_panel.DrawMe();
    EXPECT_EQ(0xA3A3A3u, b.m_pBGDC->GetTextColor());
    Move(20, 15);
    Send(WM_LBUTTONDOWN, 0, XY(20, 15));
    EXPECT_FALSE(b.m_bHover);
    EXPECT_EQ("", m_log.Joined());
    // Hover wins over disabled if it was set before.
    b.m_bHover = TRUE;
    m_panel.RefreshWG(0);
    EXPECT_EQ(0x793F17u, b.m_pBGDC->GetTextColor());
}

TEST_F(Button, CaptionIsCentredAndClippedToTheButton)
{
    CWG_Button& narrow = m_btn[0];
    narrow.Create(&m_panel, "A caption far wider than its button", 50, 10, 40, 19, FALSE);
    CWG_Button& plain = m_btn[1];
    plain.Create(&m_panel, "", 50, 40, 40, 19, FALSE);
    m_panel.DrawMe();
    EXPECT_EQ(0xd8e9ecu, PanelPixel(m_panel, 49, 15));   // nothing spills out
    EXPECT_EQ(0xd8e9ecu, PanelPixel(m_panel, 90, 15));
    int nDiffer = 0;                                     // text drawn over the middle
    for (int x = 2; x < 38; ++x)
        for (int y = 2; y < 17; ++y)
            nDiffer += ElementPixel(narrow, x, y) != ElementPixel(plain, x, y);
    EXPECT_GT(nDiffer, 20);

    // SetCaption repaints at once.
    plain.SetCaption("Hi");
    int nNow = 0;
    for (int x = 2; x < 38; ++x)
        for (int y = 2; y < 17; ++y)
            nNow += PanelPixel(m_panel, 50 + x, 40 + y) != Skin(2, y);
    EXPECT_GT(nNow, 3);
}

TEST_F(Button, RoundCornersShowThePanelBeneath)
{
    CVRK_WG under;   // a coloured element under the corners
    under.m_crBG = 0x00FF00;
    under.m_bBorder = FALSE;
    under.Create(&m_panel, 0, 0, 100, 60);
    CWG_Button& b = m_btn[0];
    b.m_bRoundCorner = TRUE;
    b.Create(&m_panel, "R", 10, 10, 60, 19, FALSE);
    m_panel.DrawMe();
    const int pts[][2] = { { 0, 0 }, { 0, 1 }, { 1, 0 }, { 58, 0 }, { 59, 0 }, { 59, 1 },
                           { 58, 18 }, { 59, 18 }, { 59, 17 }, { 0, 17 }, { 0, 18 }, { 1, 18 } };
    for (const auto& p : pts)
        EXPECT_EQ(0x00FF00u, ElementPixel(b, p[0], p[1])) << p[0] << "," << p[1];
    EXPECT_EQ(Skin(2, 0), ElementPixel(b, 2, 0));   // the rest is skin
    m_panel.DestroyWindow();
}

TEST_F(Button, HoverRepaintsDoNotLeakGdiObjects)
{
    CWG_Button& b = m_btn[0];
    b.Create(&m_panel, "Leak?", 10, 10, 60, 19, TRUE);
    m_panel.DrawMe();
    Move(20, 15);
    Move(200, 200);
    const LONG nGdi = AfxGetLiveGdiObjectCount(), nDC = AfxGetLiveDCCount();
    for (int i = 0; i < 500; ++i)
    {
        Move(20, 15);
        Move(200, 200);
    }
    EXPECT_EQ(nGdi, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(nDC, AfxGetLiveDCCount());
}

} // namespace

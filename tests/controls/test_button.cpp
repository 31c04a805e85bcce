// The push button: its looks, hover by taking the mouse, and command 5 on
// every press.
#include "golden.h"

using namespace wgtest;

namespace {

class Button : public PanelTest
{
protected:
    PaintLogged<CWG_Button> m_btn[6];
    void SetUp() override
    {
        PanelTest::SetUp();
        for (auto& b : m_btn)
            b.m_pLog = &m_log;
    }
    void Move(int x, int y) { Send(WM_MOUSEMOVE, 0, XY(x, y)); }
};

// Normal; twice as tall with the mark; hovered with the mark; disabled; a
// caption wider than its button; round corners over a green element.
TEST_F(Button, Looks)
{
    CVRK_WG green;
    green.m_crBG = 0x00FF00;
    green.m_bBorder = FALSE;
    green.Create(&m_panel, 2, 25, 44, 23);
    m_btn[0].Create(&m_panel, "OK", 4, 4, 40, 19, FALSE);
    m_btn[1].Create(&m_panel, "", 48, 4, 40, 38, TRUE);
    m_btn[2].Create(&m_panel, "Go", 92, 4, 40, 19, TRUE);
    m_btn[3].Create(&m_panel, "Off", 136, 4, 40, 19, FALSE);
    m_btn[3].m_bEnable = FALSE;
    m_btn[4].Create(&m_panel, "A caption far wider than its button", 180, 4, 30, 19, FALSE);
    m_btn[5].m_bRoundCorner = TRUE;
    m_btn[5].Create(&m_panel, "R", 4, 27, 40, 19, FALSE);
    m_panel.DrawMe();
    Move(100, 10);
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(0, 0, 214, 50)), "buttons"));
    m_panel.DestroyWindow();   // before `green` goes
}

TEST_F(Button, HoverTakesTheMouseAndLeavingGivesItBack)
{
    m_btn[0].Create(&m_panel, "Go", 10, 10, 60, 19, TRUE);
    m_panel.DrawMe();
    m_log.Clear();
    Move(20, 15);
    Move(22, 15);
    EXPECT_TRUE(m_btn[0].m_bHover);
    EXPECT_EQ(0, m_panel.m_nMouseWG);
    EXPECT_EQ(m_panel.m_hWnd, ::GetCapture());
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_HAND), ::GetCursor());
    Move(200, 200);                  // the owner sees the pointer leave
    EXPECT_FALSE(m_btn[0].m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), ::GetCursor());
    EXPECT_EQ("paint 0 | paint 0", m_log.Joined());
}

TEST_F(Button, EveryPressRepaintsThenReportsFiveAtOnce)
{
    m_btn[0].Create(&m_panel, "A", 10, 10, 60, 19, FALSE);
    m_btn[1].Create(&m_panel, "B", 10, 40, 60, 19, FALSE);
    m_panel.DrawMe();
    Move(20, 15);
    m_log.Clear();
    Send(WM_LBUTTONDOWN, 0, XY(20, 15));
    EXPECT_FALSE(m_btn[0].m_bHover);           // the hover is gone at once
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    Send(WM_LBUTTONUP, 0, XY(20, 15));        // nothing on button-up
    Send(WM_RBUTTONDOWN, 0, XY(20, 45));      // the right button presses too
    Send(WM_LBUTTONDBLCLK, 0, XY(20, 45));    // a double-click is a second press
    EXPECT_EQ("paint 0 | cmd 0 5 | paint 1 | cmd 1 5 | paint 1 | cmd 1 5", m_log.Joined());
    m_log.Clear();
    Move(20, 15);                             // hover comes back on the next move
    m_btn[1].SetCaption("C");                 // a new caption shows at once
    EXPECT_EQ("paint 0 | paint 1", m_log.Joined());
}

TEST_F(Button, DisabledButtonIsNeverPressedOrHovered)
{
    m_btn[0].Create(&m_panel, "Off", 10, 10, 60, 19, FALSE);
    m_btn[0].m_bEnable = FALSE;
    m_panel.DrawMe();
    m_log.Clear();
    Move(20, 15);
    Send(WM_LBUTTONDOWN, 0, XY(20, 15));
    EXPECT_FALSE(m_btn[0].m_bHover);
    EXPECT_EQ("", m_log.Joined());
}

} // namespace

// Routing of mouse, keyboard, timer and focus events from the panel window
// to its elements, observed through probes that log every call.
#include "wgtest.h"

using namespace wgtest;

namespace {

class Routing : public PanelTest
{
protected:
    void Click(UINT msg, int x, int y) { Send(msg, 0, XY(x, y)); }
    void Wheel(short z) { EXPECT_EQ(1, Send(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)z), XY(0, 0))); }
};

TEST_F(Routing, OverlapGoesToLaterElementAndClickMakesItCurrent)
{
    AddProbe(0, 10, 10, 50, 20);
    AddProbe(1, 40, 15, 50, 20);     // overlaps element 0 at x 40..59
    Click(WM_LBUTTONDOWN, 45, 20);
    EXPECT_EQ("1:get | 1:down0 45,20", m_log.Joined());
    EXPECT_EQ(1, m_panel.m_nNowWG);
    EXPECT_TRUE(m_p[1].m_bFocus);

    m_log.Clear();
    Click(WM_LBUTTONDOWN, 12, 12);   // only element 0
    Click(WM_RBUTTONDOWN, 12, 12);   // current element hit again: no focus change
    EXPECT_EQ("1:lose | 0:get | 0:down0 12,12 | 0:down2 12,12", m_log.Joined());
    EXPECT_FALSE(m_p[1].m_bFocus);
}

TEST_F(Routing, HiddenAndDisabledElementsAreNotHit)
{
    AddProbe(0, 10, 10, 100, 100);
    AddProbe(1, 20, 20, 30, 30);
    AddProbe(2, 200, 10, 30, 30);
    m_p[1].m_bVisible = FALSE;
    m_p[2].m_bEnable = FALSE;
    Click(WM_LBUTTONDOWN, 25, 25);   // element 1 hidden: element 0 beneath gets it
    Click(WM_LBUTTONDOWN, 210, 20);  // disabled with nothing beneath: empty area
    EXPECT_EQ("0:get | 0:down0 25,25 | 0:lose", m_log.Joined());
    EXPECT_EQ(-1, m_panel.m_nNowWG);
    EXPECT_FALSE(m_p[0].m_bFocus);

    m_log.Clear();
    Click(WM_LBUTTONUP, 210, 20);    // button-up on empty area does nothing
    Click(WM_LBUTTONDBLCLK, 300, 250);
    EXPECT_EQ("", m_log.Joined());
}

TEST_F(Routing, UpAndDoubleClickPreferCurrentThenTopmostWithoutChangingCurrent)
{
    AddProbe(0, 10, 10, 50, 50);
    AddProbe(1, 30, 30, 50, 50);
    Click(WM_LBUTTONDOWN, 15, 15);   // element 0 current
    m_log.Clear();
    Click(WM_LBUTTONUP, 35, 35);     // in both: the current element wins
    Click(WM_RBUTTONDBLCLK, 70, 70); // only element 1
    Click(WM_RBUTTONUP, 70, 70);
    Click(WM_LBUTTONDBLCLK, 35, 35);
    EXPECT_EQ("0:up0 35,35 | 1:dbl2 70,70 | 1:up2 70,70 | 0:dbl0 35,35", m_log.Joined());
    EXPECT_EQ(0, m_panel.m_nNowWG);
}

TEST_F(Routing, MouseOwnerReceivesEverythingEverywhere)
{
    AddProbe(0, 10, 10, 20, 20);
    AddProbe(1, 100, 100, 20, 20);
    m_panel.GiveMeMouse(0);
    EXPECT_EQ(m_panel.m_hWnd, ::GetCapture());
    m_p[0].m_bVisible = FALSE;       // no visibility test for the owner
    Click(WM_MOUSEMOVE, 105, 105);
    Click(WM_LBUTTONDOWN, -40, 500); // outside the panel, on no element
    Click(WM_LBUTTONUP, 105, 105);
    Click(WM_RBUTTONDBLCLK, 105, 105);
    EXPECT_EQ("0:move 105,105 | 0:down0 -40,500 | 0:up0 105,105 | 0:dbl2 105,105", m_log.Joined());
    EXPECT_EQ(0, m_panel.m_nNowWG);  // current by index only: no focus call
    EXPECT_FALSE(m_p[0].m_bFocus);

    m_p[0].m_bVisible = TRUE;
    m_log.Clear();
    Wheel(-120);
    m_panel.ByeMouse();
    EXPECT_EQ(nullptr, ::GetCapture());
    Click(WM_MOUSEMOVE, 105, 105);
    Click(WM_MOUSEMOVE, 300, 5);     // nothing hit: only the cursor changes
    EXPECT_EQ("0:wheel -120 | 1:move 105,105", m_log.Joined());
}

TEST_F(Routing, WheelGoesToVisibleCurrentEvenWhenDisabled)
{
    AddProbe(0, 10, 10, 20, 20);
    Wheel(120);                      // no current: nobody
    m_panel.SetNowWGQuiet(0);
    m_p[0].m_bEnable = FALSE;
    Wheel(240);
    m_p[0].m_bVisible = FALSE;
    Wheel(120);
    EXPECT_EQ("0:wheel 240", m_log.Joined());
}

TEST_F(Routing, TabSelectsFirstSilentlyThenMovesAndWrapsOverHiddenAndDisabled)
{
    for (int i = 0; i < 3; ++i)
        AddProbe(i, 10 + 30 * i, 10, 20, 20);
    m_p[1].m_bVisible = FALSE;
    m_p[2].m_bEnable = FALSE;
    Send(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ(0, m_panel.m_nNowWG);
    EXPECT_FALSE(m_p[0].m_bFocus);

    for (int i = 0; i < 3; ++i)
        Send(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ("0:lose | 1:get | 1:lose | 2:get | 2:lose | 0:get", m_log.Joined());
    EXPECT_TRUE(m_p[0].m_bFocus);
    EXPECT_FALSE(m_p[2].m_bFocus);
}

TEST_F(Routing, KeysReachOnlyAVisibleEnabledCurrentElement)
{
    Send(WM_KEYDOWN, 'A');           // no elements at all: nothing to do
    Send(WM_CHAR, 'a');
    Send(WM_KEYUP, 'A');
    AddProbe(0, 10, 10, 20, 20);
    Send(WM_KEYDOWN, 'A');           // no current element
    m_panel.SetNowWGQuiet(0);
    Send(WM_KEYDOWN, 'B');
    Send(WM_CHAR, 0xB0);             // a GBK lead byte arrives unchanged
    Send(WM_KEYUP, 'B');
    m_p[0].m_bEnable = FALSE;
    Send(WM_KEYDOWN, 'C');
    Send(WM_CHAR, 'c');
    m_p[0].m_bEnable = TRUE;
    m_p[0].m_bVisible = FALSE;
    Send(WM_KEYUP, 'D');
    EXPECT_EQ("0:key 66 | 0:char 176 | 0:keyup 66", m_log.Joined());
}

// Through the pump: Tab hands its character to the new current element;
// Enter and Escape without a dialog reach the current element.
TEST_F(Routing, PumpedKeysAndTheirCharacters)
{
    AddProbe(0, 10, 10, 20, 20);
    AddProbe(1, 40, 10, 20, 20);
    m_panel.SetNowWGQuiet(0);
    m_panel.PostMessage(WM_KEYDOWN, VK_TAB, 0x000F0001);
    Pump();
    m_panel.PostMessage(WM_KEYDOWN, VK_RETURN, 0x001C0001);
    Pump();
    m_panel.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Pump();
    EXPECT_EQ("0:lose | 1:get | 1:char 9 | 1:key 13 | 1:char 13 | 1:key 27 | 1:char 27", m_log.Joined());
}

TEST_F(Routing, TimersGoToTheElementWithThatIndexOnly)
{
    for (int i = 0; i < 5; ++i)
        AddProbe(i, 10 + 30 * i, 10, 20, 20);
    m_p[3].m_bVisible = FALSE;       // no visibility test for timers
    m_p[3].m_bEnable = FALSE;
    for (WPARAM id : { (WPARAM)3, (WPARAM)7, (WPARAM)5, (WPARAM)-1, (WPARAM)0 })
        Send(WM_TIMER, id);
    EXPECT_EQ("3:timer | 0:timer", m_log.Joined());
}

TEST_F(Routing, SetNowWGNotifiesLoserOwnerThenWinner)
{
    for (int i = 0; i < 4; ++i)
        AddProbe(i, 10 + 30 * i, 10, 20, 20);
    m_panel.SetNowWGQuiet(1);
    m_panel.GiveMeMouse(2);
    EXPECT_EQ("", m_log.Joined());   // the quiet variant calls nobody

    m_panel.SetNowWG(3);
    EXPECT_EQ("1:lose | 2:lose | 3:get", m_log.Joined());
    EXPECT_EQ(-1, m_panel.m_nMouseWG);   // another index releases the mouse
    EXPECT_FALSE(m_p[1].m_bFocus);

    m_log.Clear();
    m_panel.SetNowWG(3);             // same index: lose, then get again
    m_panel.GiveMeMouse(3);
    m_panel.SetNowWG(-1);            // owner is current: told once
    EXPECT_EQ("3:lose | 3:get | 3:lose", m_log.Joined());
    EXPECT_EQ(-1, m_panel.m_nNowWG);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_FALSE(m_p[3].m_bFocus);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(Routing, OutOfRangeIndicesChangeNothing)
{
    AddProbe(0, 10, 10, 20, 20);
    m_panel.SetNowWG(0);
    m_log.Clear();
    m_panel.SetNowWG(1);
    m_panel.SetNowWG(-2);
    m_panel.SetNowWGQuiet(5);
    m_panel.GiveMeMouse(1);
    m_panel.GiveMeMouse(-1);
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ(0, m_panel.m_nNowWG);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_TRUE(m_p[0].m_bFocus);
}

TEST_F(Routing, LosingTheWindowFocusTakesItFromEveryElement)
{
    AddProbe(0, 10, 10, 20, 20);
    AddProbe(1, 40, 10, 20, 20);
    m_panel.SetNowWG(0);
    m_panel.GiveMeMouse(1);
    EXPECT_EQ(m_panel.m_hWnd, ::GetFocus());
    m_log.Clear();
    Send(WM_KILLFOCUS, 0);
    EXPECT_EQ("0:lose | 1:lose", m_log.Joined());
    EXPECT_EQ(-1, m_panel.m_nNowWG);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
}

TEST_F(Routing, RegistrationStopsAtTwoHundredAndIgnoresNull)
{
    std::vector<CVRK_WG> extra(201);
    m_panel.AddWG(nullptr);
    EXPECT_EQ(0, m_panel.m_nWGCount);
    for (int i = 0; i < 201; ++i)
        EXPECT_EQ(1, extra[i].Create(&m_panel, i, 0, 1, 1));
    EXPECT_EQ(200, m_panel.m_nWGCount);
    EXPECT_EQ(199, extra[199].m_nIndex);
    EXPECT_EQ(-1, extra[200].m_nIndex);
    extra[200].MoveAndNewWH(0, 250, 30, 30);   // the refused element is never hit
    Send(WM_LBUTTONDOWN, 0, XY(5, 255));
    EXPECT_EQ(-1, m_panel.m_nNowWG);
    m_panel.DestroyWindow();         // before the elements go away
}

} // namespace

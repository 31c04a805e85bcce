// Lifetime and re-entrancy of the panel: elements and panels dying in either
// order, on every kind of host, and element hooks that change the panel's
// state while it is calling them. Calls into dead objects are caught by
// DeadTrap, never by waiting for a crash.
#include "wgtest.h"
#include "deadtrap.h"
#include <functional>

using namespace wgtest;

namespace {

// A panel that keeps its elements as members, as applications do.
struct MemberPanel : RecordingPanel
{
    DeadTrap<CWG_Button> m_button;
    DeadTrap<Probe> m_probe;

    void Populate()
    {
        m_button->Create(this, "OK", 10, 10, 80, 24, 0);
        m_probe->Create(this, 10, 50, 80, 24);
    }
    // The button is current and holds the mouse, the panel has the focus:
    // its window's destruction has everything to tell them.
    void Engage()
    {
        SetFocus();
        SetNowWG(m_button->m_nIndex);
        SendMessage(WM_MOUSEMOVE, 0, XY(20, 20));
    }
};

// A skinned dialog whose panel and elements are its own members.
struct MemberDialog : CVRK_DIALOG
{
    RecordingPanel m_panel;
    DeadTrap<CWG_Button> m_button;
    DeadTrap<Probe> m_probe;
    MemberDialog() { m_pPanel = &m_panel; }
    virtual BOOL OnInitDialog()
    {
        BOOL b = CVRK_DIALOG::OnInitDialog();
        m_button->Create(&m_panel, "OK", 10, 10, 80, 24, 0);
        m_probe->Create(&m_panel, 10, 50, 80, 24);
        m_panel.SetFocus();
        m_panel.SetNowWG(m_button->m_nIndex);
        return b;
    }
};

class Lifetime : public SharedHostTest
{
protected:
    void SetUp() override
    {
        SharedHostTest::SetUp();
        DeadCalls() = 0;
    }
};

TEST_F(Lifetime, APanelDyingAfterItsMemberElementsNeverCallsThem)
{
    MemberPanel* pPanel = new MemberPanel;
    ASSERT_TRUE(pPanel->Create(&m_top));
    pPanel->Populate();
    pPanel->DrawMe();
    pPanel->Engage();
    ASSERT_EQ(m_top.m_hWnd, ::GetParent(::GetFocus()));
    delete pPanel;
    EXPECT_EQ(0, DeadCalls());
    Pump();
    EXPECT_EQ(0, DeadCalls());

    // The same order with elements kept outside the panel object, whose
    // storage can be read afterwards: nothing is written into them either.
    DeadTrap<CWG_Button> button;
    DeadTrap<Probe> probe;
    {
        RecordingPanel panel;
        ASSERT_TRUE(panel.Create(&m_top));
        button->Create(&panel, "OK", 10, 10, 80, 24, 0);
        probe->Create(&panel, 10, 50, 80, 24);
        panel.SetFocus();
        panel.SetNowWG(1);
        panel.GiveMeMouse(0);
        button.Kill();
        probe.Kill();
    }
    EXPECT_EQ(0, DeadCalls());
    EXPECT_EQ(0u, button.WrittenBytes());
    EXPECT_EQ(0u, probe.WrittenBytes());
}

TEST_F(Lifetime, AModelessDialogDyingWithItsPanelAndElementsCallsNoneOfThem)
{
    MemberDialog* pDlg = new MemberDialog;
    ASSERT_TRUE(pDlg->Create(&m_top));
    Pump();
    pDlg->m_panel.SendMessage(WM_MOUSEMOVE, 0, XY(20, 20));
    ASSERT_TRUE(pDlg->m_button->m_bFocus);
    delete pDlg;
    Pump();
    EXPECT_EQ(0, DeadCalls());
}

TEST_F(Lifetime, APanelDeletedInsideAModalLoopLeavesItsDialogWorking)
{
    struct ModalDialog : CVRK_DIALOG
    {
        MemberPanel* m_pOwnPanel = new MemberPanel;
        ModalDialog() { m_pPanel = m_pOwnPanel; }
        virtual BOOL OnInitDialog()
        {
            BOOL b = CVRK_DIALOG::OnInitDialog();
            m_pOwnPanel->Populate();
            PostMessage(WM_APP + 1);
            return b;
        }
        virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp)
        {
            if (msg == WM_APP + 1)
            {
                m_pOwnPanel->Engage();
                delete m_pOwnPanel;   // the dialog must forget it
                m_pOwnPanel = nullptr;
                SendMessage(WM_SIZE, 0, MAKELPARAM(300, 200));
                OnOK();
                return 0;
            }
            return CVRK_DIALOG::WindowProc(msg, wp, lp);
        }
    } dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_pPanel);
    EXPECT_EQ(0, DeadCalls());
}

TEST_F(Lifetime, ElementsOutlivingTheirPanelAreDetachedFromIt)
{
    Probe probe;
    CWG_Button button;
    {
        RecordingPanel panel;
        ASSERT_TRUE(panel.Create(&m_top));
        probe.Create(&panel, 0, 0, 20, 20);
        button.Create(&panel, "x", 30, 0, 40, 20, 0);
        panel.DrawMe();
    }
    // They may still be set up and destroyed: none of it reaches the dead panel.
    EXPECT_EQ(nullptr, probe.GetParent());
    EXPECT_EQ(nullptr, button.GetParent());
    button.SetCaption("y");
}

TEST_F(Lifetime, AnElementDyingFirstLeavesAnEmptySlotThatNothingRoutesTo)
{
    Log log;
    RecordingPanel panel;
    ASSERT_TRUE(panel.Create(&m_top));
    panel.m_pLog = &log;
    Probe keeper;
    keeper.m_pLog = &log;
    keeper.Create(&panel, 0, 0, 50, 50);
    {
        DeadTrap<Probe> gone;
        gone->Create(&panel, 0, 0, 100, 100);   // on top of the keeper
        panel.SetNowWG(gone->m_nIndex);
        panel.GiveMeMouse(gone->m_nIndex);
        gone.Kill();
        EXPECT_EQ(-1, panel.m_nNowWG);
        EXPECT_EQ(-1, panel.m_nMouseWG);
        EXPECT_NE(panel.m_hWnd, ::GetCapture());
        log.Clear();
        panel.DrawMe();
        for (UINT msg : { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_TIMER, WM_KEYDOWN })
            panel.SendMessage(msg, msg == WM_TIMER ? 1 : (msg == WM_KEYDOWN ? VK_TAB : 0), XY(10, 10));
        panel.SendMessage(WM_KEYDOWN, VK_TAB, 0);
        panel.RefreshWG(1);
        EXPECT_EQ(0, DeadCalls());
        EXPECT_EQ(0u, gone.WrittenBytes());
    }
    // The keeper beneath now takes the clicks; Tab moves off it onto the
    // empty slot, which takes nothing.
    EXPECT_EQ("0:move 10,10 | 0:get | 0:down0 10,10 | 0:up0 10,10 | 0:lose", log.Joined());
}

// ---- hooks that change the panel while it calls them ----------------------------------

// A probe whose focus hooks run an action the test chooses.
struct Meddler : Probe
{
    std::function<void()> m_fnOnLose, m_fnOnGet;
    virtual void OnLoseFocus() { Probe::OnLoseFocus(); if (m_fnOnLose) m_fnOnLose(); }
    virtual void OnGetFocus() { Probe::OnGetFocus(); if (m_fnOnGet) m_fnOnGet(); }
};

class Reentrancy : public SharedHostTest
{
protected:
    Log m_log;
    Meddler m_wg[3];
    RecordingPanel m_panel;
    void SetUp() override
    {
        SharedHostTest::SetUp();
        ASSERT_TRUE(m_panel.Create(&m_top));
        m_panel.m_pLog = &m_log;
        for (int i = 0; i < 3; ++i)
        {
            m_wg[i].m_pLog = &m_log;
            m_wg[i].Create(&m_panel, 10 + 60 * i, 10, 50, 30);
        }
        m_panel.SetFocus();
        m_panel.SetNowWG(0);
        m_log.Clear();
    }
    void TearDown() override
    {
        m_panel.DestroyWindow();
        SharedHostTest::TearDown();
    }
    // Exactly the current element, and no other, carries the focus flag.
    void ExpectCurrent(long nIndex)
    {
        EXPECT_EQ(nIndex, m_panel.m_nNowWG);
        for (long i = 0; i < 3; ++i)
            EXPECT_EQ(i == nIndex, !!m_wg[i].m_bFocus) << "element " << i;
    }
};

TEST_F(Reentrancy, AFocusMoveMadeByAFocusHookIsNeverOverwritten)
{
    // Each way the panel takes the focus from element 0, whose hook hands
    // it to element 2 instead: that choice stands, and the element the panel
    // was about to focus is not told anything. (The hook's own SetNowWG tells
    // element 0 a second time, as SetNowWG always tells the current element.)
    struct Case { const char* name; std::function<void(RecordingPanel&)> fn; } cases[] = {
        { "click", [](RecordingPanel& p) { p.SendMessage(WM_LBUTTONDOWN, 0, XY(75, 20)); } },
        { "tab", [](RecordingPanel& p) { p.SendMessage(WM_KEYDOWN, VK_TAB, 0); } },
        { "SetNowWG", [](RecordingPanel& p) { p.SetNowWG(1); } },
        { "focus loss", [](RecordingPanel& p) { p.SendMessage(WM_KILLFOCUS, 0, 0); } },
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_panel.SetNowWG(0);
        m_wg[0].m_fnOnLose = [this] { m_wg[0].m_fnOnLose = nullptr; m_panel.SetNowWG(2); };
        m_log.Clear();
        c.fn(m_panel);
        ExpectCurrent(2);
        EXPECT_EQ("0:lose | 0:lose | 2:get", m_log.Joined());
    }
}

TEST_F(Reentrancy, AClickedElementThatGivesAwayTheFocusOrItsWindowGetsNoPress)
{
    m_wg[1].m_fnOnGet = [this] { m_panel.SetNowWG(-1); };
    m_panel.SendMessage(WM_LBUTTONDOWN, 0, XY(75, 20));
    ExpectCurrent(-1);
    EXPECT_EQ("0:lose | 1:get | 1:lose", m_log.Joined());

    m_log.Clear();
    m_wg[1].m_fnOnGet = [this] { m_panel.DestroyWindow(); };
    m_panel.SendMessage(WM_LBUTTONDOWN, 0, XY(75, 20));
    EXPECT_EQ(nullptr, m_panel.m_hWnd);
    EXPECT_EQ(std::string::npos, m_log.Joined().find("down"));
}

TEST_F(Reentrancy, InputMethodNotificationsReachTheCurrentElementOnceSentOrPosted)
{
    HIMC hIMC = nullptr;
    m_wg[0].m_fnOnGet = nullptr;
    m_panel.SendMessage(WM_IME_NOTIFY, IMN_OPENCANDIDATE, 0);
    EXPECT_EQ("0:ime", m_log.Joined());
    hIMC = m_panel.m_hIMC;
    EXPECT_NE(nullptr, hIMC);
    m_panel.SendMessage(WM_IME_NOTIFY, IMN_CLOSECANDIDATE, 0);
    EXPECT_EQ(nullptr, m_panel.m_hIMC);

    m_log.Clear();
    m_panel.PostMessage(WM_IME_NOTIFY, IMN_OPENCANDIDATE, 0);
    Pump();
    EXPECT_EQ("0:ime", m_log.Joined());
    m_panel.PostMessage(WM_IME_NOTIFY, IMN_CLOSECANDIDATE, 0);
    Pump();
    EXPECT_EQ(nullptr, m_panel.m_hIMC);
}

TEST_F(Reentrancy, AnotherWindowTakingTheCaptureReleasesTheMouseOwner)
{
    m_panel.GiveMeMouse(0);
    ASSERT_EQ(0, m_panel.m_nMouseWG);
    HostWindow other;
    ASSERT_TRUE(other.CreateEx(0, AFX_WND_CLASS, "other", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5,
                               m_top.m_hWnd, nullptr));
    ::SetCapture(other.m_hWnd);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    ::ReleaseCapture();
    // The pointer over element 1 reaches it, not the former owner.
    m_log.Clear();
    m_panel.SendMessage(WM_MOUSEMOVE, 0, XY(75, 20));
    EXPECT_EQ("1:move 75,20", m_log.Joined());
    other.DestroyWindow();
}

} // namespace

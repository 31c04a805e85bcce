// The menu bar in a frame: caption ranges and the bar's height, dropping,
// switching and closing menus with the mouse and keys, its picture, and
// captions it cannot hold.
#include "golden.h"

using namespace wgtest;

namespace {

// A menu-bar menu that logs its openings and closings.
class BarMenu : public CVRK_MENUWND
{
public:
    Log* m_pLog = nullptr;
    const char* m_pszName = "";
    virtual void Popup(long x, long y)
    {
        if (!m_bShown && m_pLog)
            m_pLog->Add(Fmt("%s popup %ld,%ld", m_pszName, x, y));
        CVRK_MENUWND::Popup(x, y);
    }
    virtual void Shirk()
    {
        if (m_bShown && m_pLog)
            m_pLog->Add(Fmt("%s shirk", m_pszName));
        CVRK_MENUWND::Shirk();
    }
};

class MenuBarTest : public ::testing::Test
{
protected:
    Log m_log;
    CVRK_FRAMEWND* m_pFrame = nullptr;
    CMenuBar m_bar;
    BarMenu m_file, m_edit;
    CRect m_rcBar;

    void SetUp() override
    {
        ::SetCursorPos(1270, 1015);
        m_pFrame = static_cast<CVRK_FRAMEWND*>(RUNTIME_CLASS(CVRK_FRAMEWND)->CreateObject());
        ASSERT_TRUE(m_pFrame->Create(nullptr, "menu bar"));
        m_pFrame->SetWindowPos(nullptr, 50, 50, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_EQ(1, m_bar.Create(m_pFrame, CBRS_TOP));
        CString rows[] = { "One", "Two" };
        int i = 0;
        for (BarMenu* p : { &m_file, &m_edit })
        {
            p->m_pLog = &m_log;
            p->m_pszName = i++ ? "edit" : "file";
            ASSERT_EQ(1, p->Create(&m_bar, CVRK_MENUWND::KIND_MENUBAR, rows, 2, 0));
        }
        m_bar.AppendMenuCpt("File", &m_file);
        m_bar.AppendMenuCpt("\xB1\xE0\xBC\xAD(&E)", &m_edit);   // 8 bytes: GBK "edit" and "(&E)"
        m_bar.EnableDocking(CBRS_ALIGN_TOP);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&m_bar);
        m_pFrame->ShowWindow(SW_SHOWNA);
        Pump();
        m_bar.GetWindowRect(&m_rcBar);
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        Pump();
        AfxDeleteTempMaps();
    }
    CMenuBarWGP& Panel() { return *m_bar.m_pMenuPanel; }
    void Mouse(UINT nMsg, int x, int y) { Panel().SendMessage(nMsg, nMsg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, XY(x, y)); }
    std::string State()
    {
        return Fmt("mode %d hot %ld capture %d", Panel().m_bMenuMode, Panel().m_nHotItem,
                   ::GetCapture() == Panel().m_hWnd);
    }
};

} // namespace

TEST_F(MenuBarTest, CaptionsTakeSevenPixelsABytePastTenAndTheBarIs25High)
{
    EXPECT_EQ(10, Panel().m_Items[0].m_nLeft);
    EXPECT_EQ(38, Panel().m_Items[0].m_nRight);
    EXPECT_EQ(48, Panel().m_Items[1].m_nLeft);
    EXPECT_EQ(104, Panel().m_Items[1].m_nRight);
    EXPECT_EQ(CRect(10, 0, 104, 25), Panel().m_rcStrip);
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    m_pFrame->ClientToScreen(&rcClient);
    EXPECT_EQ(CRect(rcClient.left, rcClient.top, rcClient.right, rcClient.top + 25), m_rcBar);
    m_bar.m_sizeDefault = CSize(0, 60);   // whatever the parent asks
    m_pFrame->RecalcLayout();
    m_bar.GetWindowRect(&m_rcBar);
    EXPECT_EQ(25, m_rcBar.Height());
    CRect rcPanel;
    Panel().GetWindowRect(&rcPanel);
    EXPECT_EQ(m_rcBar, rcPanel);
}

TEST_F(MenuBarTest, AClickDropsAMenuMovesSwitchMenusAndAClickOrKeyEndsIt)
{
    const int L = m_rcBar.left, T = m_rcBar.top;
    // Hover only lights a caption.
    Mouse(WM_MOUSEMOVE, 20, 10);
    EXPECT_EQ("mode 0 hot 0 capture 0", State());
    EXPECT_EQ("", m_log.Joined());

    Mouse(WM_LBUTTONDOWN, 20, 10);
    EXPECT_EQ(Fmt("file popup %d,%d", L + 20, T + 20), m_log.Joined());
    EXPECT_EQ("mode 1 hot 0 capture 1", State());
    m_log.Clear();
    Mouse(WM_MOUSEMOVE, 60, 10);   // onto the second caption, no click
    EXPECT_EQ(Fmt("file shirk | edit popup %d,%d", L + 58, T + 20), m_log.Joined());
    EXPECT_EQ("mode 1 hot 1 capture 1", State());
    m_log.Clear();
    Mouse(WM_LBUTTONDOWN, 20, 10);   // a click on the captions closes the menu
    EXPECT_EQ("edit shirk", m_log.Joined());
    EXPECT_EQ("mode 0 hot 1 capture 0", State());

    // A key while a menu is down closes it and clears the highlight.
    m_log.Clear();
    Mouse(WM_LBUTTONDOWN, 60, 10);
    Panel().SendMessage(WM_KEYDOWN, 'X', 1);
    EXPECT_EQ(Fmt("edit popup %d,%d | edit shirk", L + 58, T + 20), m_log.Joined());
    EXPECT_EQ("mode 0 hot -1 capture 0", State());

    // The menu closing its own chain (a click on a row) ends menu mode too.
    m_log.Clear();
    Mouse(WM_LBUTTONDOWN, 20, 10);
    m_file.On_Click(CPoint(20, 10));
    EXPECT_EQ(Fmt("file popup %d,%d", L + 20, T + 20), m_log.Joined());
    EXPECT_FALSE(m_file.m_bShown);
    EXPECT_EQ("mode 0 hot 0 capture 0", State());

    // Losing the focus in menu mode closes the menu.
    Mouse(WM_LBUTTONDOWN, 20, 10);
    Panel().SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(m_file.m_bShown);
    EXPECT_EQ("mode 0 hot 0 capture 0", State());
}

TEST_F(MenuBarTest, LooksWithTheHotCaption)
{
    Mouse(WM_MOUSEMOVE, 60, 10);
    EXPECT_TRUE(MatchesGolden(PanelImage(Panel(), CRect(0, 0, 140, 25)), "menubar"));
}

TEST(MenuBar, CaptionsItCannotHoldChangeNothing)
{
    CVRK_FRAMEWND* pFrame = static_cast<CVRK_FRAMEWND*>(RUNTIME_CLASS(CVRK_FRAMEWND)->CreateObject());
    ASSERT_TRUE(pFrame->Create(nullptr, "bad bar"));
    CMenuBar bar;
    bar.AppendMenuCpt("before the window", nullptr);   // ignored: no window yet
    ASSERT_EQ(1, bar.Create(pFrame, CBRS_TOP));
    CMenuBarWGP& panel = *bar.m_pMenuPanel;
    EXPECT_EQ(0, panel.m_nItemCount);
    // No captions: clicks and keys do nothing.
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(20, 10));
    panel.SendMessage(WM_KEYDOWN, 'X', 1);
    EXPECT_EQ(0, panel.m_bMenuMode);
    // A caption without a menu, then 50 captions: 20 are kept.
    bar.AppendMenuCpt("None", nullptr);
    for (int i = 0; i < 50; ++i)
        bar.AppendMenuCpt("Caption", nullptr);
    EXPECT_EQ(20, panel.m_nItemCount);
    panel.SendMessage(WM_MOUSEMOVE, 0, XY(20, 10));
    panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(20, 10));
    EXPECT_EQ(0, panel.m_bMenuMode);
    EXPECT_NE(::GetCapture(), panel.m_hWnd);
    panel.DrawMe();
    // The frame goes first; the bar object outlives it.
    pFrame->DestroyWindow();
    EXPECT_FALSE(::IsWindow(bar.m_hWnd));
}

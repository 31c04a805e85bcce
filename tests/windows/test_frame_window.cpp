// The frame window: its class, place and client area, the custom frame's
// look, hit testing, the mouse in the frame, full-screen mode; and the two
// lighter panel hosts, the frameless dialog and the dialog bar.
#include "dlgtest.h"

using namespace wgdlg;

namespace {

// Logs the mouse messages reaching the default handling and stops them
// there (the system's move and size loops wait for a real mouse).
class CTestFrame : public CVRK_FRAMEWND
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    static int s_nLive;
    static Log* s_pLog;
    int m_nAllowFull = 1;
    CTestFrame() { ++s_nLive; }
    ~CTestFrame() { --s_nLive; }
    virtual int CanChangeFullMode(int bFull)
    {
        if (s_pLog)
            s_pLog->Add(Fmt("can %d", bFull));
        return m_nAllowFull;
    }
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCMOUSEMOVE)
        {
            if (s_pLog)
                s_pLog->Add(Fmt("default %04x %d", message, (int)wParam));
            return 0;
        }
        return CVRK_FRAMEWND::DefWindowProc(message, wParam, lParam);
    }
};
int CTestFrame::s_nLive = 0;
Log* CTestFrame::s_pLog = nullptr;
IMPLEMENT_DYNCREATE(CTestFrame, CVRK_FRAMEWND)

class FrameWindowTest : public ::testing::Test
{
protected:
    Log m_log;
    CTestFrame* m_pFrame = nullptr;
    void SetUp() override
    {
        ParkCursor();
        CTestFrame::s_pLog = &m_log;
        m_pFrame = static_cast<CTestFrame*>(RUNTIME_CLASS(CTestFrame)->CreateObject());
        ASSERT_TRUE(m_pFrame->Create(nullptr, "WG frame"));
        m_pFrame->ShowWindow(SW_SHOWNA);
        wgtest::Pump();
        m_log.Clear();
    }
    void TearDown() override
    {
        if (CTestFrame::s_nLive)
            m_pFrame->DestroyWindow();
        wgtest::Pump();
        EXPECT_EQ(0, CTestFrame::s_nLive);
        CTestFrame::s_pLog = nullptr;
        AfxDeleteTempMaps();
    }
    UINT Hit(int x, int y) { return (UINT)m_pFrame->SendMessage(WM_NCHITTEST, 0, wgtest::XY(x, y)); }
    void Nc(UINT nMsg, UINT nHit, CPoint pt) { m_pFrame->SendMessage(nMsg, nHit, wgtest::XY(pt.x, pt.y)); }
};

} // namespace

TEST_F(FrameWindowTest, CoversTheWorkAreaInItsOwnClassWithTheSkinnedFrame)
{
    CObject* pObject = RUNTIME_CLASS(CVRK_FRAMEWND)->CreateObject();
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    delete pObject;

    char szClass[64] = "";
    ::GetClassNameA(m_pFrame->m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("Vantrel WG Frame Window 1.0", szClass);
    const CRect wa = WorkArea();
    EXPECT_EQ(CRect(0, 0, wa.Width(), wa.Height()), WindowRect(*m_pFrame));
    EXPECT_EQ(0u, m_pFrame->GetStyle() & WS_CAPTION);
    CRect rc;
    m_pFrame->GetClientRect(&rc);
    EXPECT_EQ(CSize(wa.Width() - 8, wa.Height() - 33), rc.Size());
    EXPECT_NE(nullptr, (HICON)m_pFrame->SendMessage(WM_GETICON, ICON_BIG, 0));

    // The active look, then the inactive one, on a small frame: title,
    // icon, buttons, borders and the rounded top corners.
    m_pFrame->SetWindowPos(nullptr, 40, 40, 160, 60, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->SendMessage(WM_NCPAINT, 1, 0);
    wgtest::Image active = FrameImage(*m_pFrame, CRect(0, 0, 160, 60));
    EXPECT_EQ(TRUE, m_pFrame->SendMessage(WM_NCACTIVATE, FALSE, 0));
    m_pFrame->SendMessage(WM_NCPAINT, 1, 0);
    EXPECT_TRUE(wgtest::MatchesGolden(Stack(active, FrameImage(*m_pFrame, CRect(0, 0, 160, 60))), "frame_window"));
}

TEST_F(FrameWindowTest, HitTestingHasButtonsBordersAndNoClientArea)
{
    m_pFrame->SetWindowPos(nullptr, 100, 100, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    const int L = 100, T = 100, R = 600, B = 400;
    const struct { int x, y; UINT nHit; } cases[] = {
        { R - 92, T + 7, HTMINBUTTON }, { R - 64, T + 21, HTMINBUTTON }, { R - 63, T + 7, HTMAXBUTTON },
        { R - 34, T + 7, HTCLOSE },     { R - 7, T + 21, HTCLOSE },       { R - 6, T + 10, HTCAPTION },
        { R - 50, T + 22, HTCAPTION },  { L + 1, T + 20, HTTOPLEFT },     { R - 1, T + 28, HTTOPRIGHT },
        { L + 50, T + 3, HTTOP },       { L + 1, B - 1, HTBOTTOMLEFT },   { R - 2, B - 2, HTBOTTOMRIGHT },
        { L + 50, B - 3, HTBOTTOM },    { L + 3, T + 60, HTLEFT },        { R - 3, T + 60, HTRIGHT },
        { L + 6, T + 6, HTSYSMENU },    { L + 5, T + 10, HTCAPTION },     { L + 200, T + 150, HTCAPTION },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nHit, Hit(c.x, c.y)) << c.x - L << "," << c.y - T;
}

TEST_F(FrameWindowTest, TitleButtonsActOnReleaseAndAMaximizedFrameCannotBeDragged)
{
    m_pFrame->SetWindowPos(nullptr, 100, 100, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect rcNormal(100, 100, 600, 400);
    const CPoint ptMin(600 - 92, 107), ptMax(600 - 60, 110), ptClose(600 - 20, 110), ptTitle(300, 110);

    // Button presses never reach the default handling; the title does.
    Nc(WM_NCLBUTTONDOWN, HTMINBUTTON, ptMin);
    Nc(WM_NCLBUTTONDOWN, HTCAPTION, ptTitle);
    Nc(WM_NCLBUTTONDOWN, HTBOTTOM, CPoint(300, 398));
    Nc(WM_NCRBUTTONDOWN, HTCAPTION, ptTitle);
    Nc(WM_NCRBUTTONDOWN, HTSYSMENU, CPoint(110, 110));
    Nc(WM_NCMOUSEMOVE, HTCAPTION, ptTitle);
    EXPECT_EQ("default 00a1 2 | default 00a1 15 | default 00a4 3", m_log.Joined());

    // Released on the first pixel column of the strip: minimized.
    Nc(WM_NCLBUTTONUP, HTMINBUTTON, ptMin);
    EXPECT_TRUE(m_pFrame->IsIconic());
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(rcNormal, WindowRect(*m_pFrame));

    // Maximized to the work area plus its borders; its title no longer drags.
    Nc(WM_NCLBUTTONUP, HTMAXBUTTON, ptMax);
    const CRect wa = WorkArea();
    EXPECT_TRUE(m_pFrame->IsZoomed());
    EXPECT_EQ(CRect(-4, -4, wa.Width() + 4, wa.Height() + 4), WindowRect(*m_pFrame));
    m_log.Clear();
    Nc(WM_NCLBUTTONDOWN, HTCAPTION, CPoint(300, 10));
    EXPECT_EQ("", m_log.Joined());
    // A double click anywhere in the frame, a border included, toggles it.
    Nc(WM_NCLBUTTONDBLCLK, HTLEFT, CPoint(0, 300));
    EXPECT_FALSE(m_pFrame->IsZoomed());
    EXPECT_EQ(rcNormal, WindowRect(*m_pFrame));
    Nc(WM_NCLBUTTONDBLCLK, HTBOTTOM, CPoint(300, 398));
    EXPECT_TRUE(m_pFrame->IsZoomed());
    Nc(WM_NCLBUTTONUP, HTMAXBUTTON, CPoint(wa.Width() + 4 - 60, 10));
    EXPECT_EQ(rcNormal, WindowRect(*m_pFrame));

    // Close: the frame is gone with its window.
    Nc(WM_NCLBUTTONUP, HTCLOSE, ptClose);
    EXPECT_EQ(0, CTestFrame::s_nLive);
}

TEST_F(FrameWindowTest, FullScreenPutsTheFrameOffScreenOnTopAndComesBackExactly)
{
    m_pFrame->SetWindowPos(nullptr, 100, 100, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    const CRect rcNormal(100, 100, 600, 400);
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);

    m_pFrame->FullScreen(TRUE);
    EXPECT_EQ(CRect(-4, -29, cx + 4, cy + 4), WindowRect(*m_pFrame));
    EXPECT_TRUE(m_pFrame->GetExStyle() & WS_EX_TOPMOST);
    m_pFrame->FullScreen(TRUE);   // already on: not even asked
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(m_pFrame->m_bFullScreen);
    EXPECT_EQ(rcNormal, WindowRect(*m_pFrame));
    EXPECT_FALSE(m_pFrame->GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ("can 1 | can 0", m_log.Joined());

    m_pFrame->m_nAllowFull = 0;
    m_pFrame->FullScreen(TRUE);
    EXPECT_FALSE(m_pFrame->m_bFullScreen);
    EXPECT_EQ(rcNormal, WindowRect(*m_pFrame));

    // Each round trip maps and unmaps the window (about 40 ms under Wine),
    // so make test runs 25 of them and make storm 1,000
    // (WG_FULLSCREEN_ROUNDS); the placement comes back exactly or not.
    m_pFrame->m_nAllowFull = 1;
    const char* pszRounds = getenv("WG_FULLSCREEN_ROUNDS");
    const int nRounds = pszRounds ? atoi(pszRounds) : 25;
    for (int i = 0; i < nRounds; ++i)
    {
        m_pFrame->FullScreen(TRUE);
        m_pFrame->FullScreen(FALSE);
    }
    m_pFrame->ShowWindow(SW_SHOWNA);
    EXPECT_EQ(rcNormal, WindowRect(*m_pFrame));
}

// ---- the frameless dialog and the dialog bar ----------------------------------

TEST(FramelessDialog, CentresOnItsParentHostsItsPanelAndNeedsOne)
{
    Log log;
    TestPanel panel;
    panel.m_pLog = &log;
    wgtest::HostWindow parent;
    ASSERT_TRUE(parent.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "parent", WS_POPUP | WS_VISIBLE, 100, 80, 600, 400,
                                nullptr, nullptr));
    {
        CVRK_DIALOGAU dlg(&parent);
        dlg.m_rcWindow.SetRect(0, 0, 300, 200);
        dlg.m_pPanel = &panel;
        ASSERT_EQ(1, dlg.Create(&parent));
        EXPECT_EQ(CRect(250, 180, 550, 380), WindowRect(dlg));
        EXPECT_EQ(CRect(250, 180, 550, 380), WindowRect(panel));
        EXPECT_EQ(0u, dlg.GetStyle() & (WS_CAPTION | WS_THICKFRAME));
        dlg.SendMessage(WM_COMMAND, IDCANCEL);   // Escape: the panel agrees
        EXPECT_EQ("preclose 1", log.Joined());
    }
    parent.ShowWindow(SW_HIDE);
    {
        // Without a visible parent: the work area; without a panel: refused.
        CVRK_DIALOGAU dlg(&parent);
        EXPECT_EQ(0, dlg.Create(&parent));
        EXPECT_EQ(-1, dlg.DoModal());
        dlg.m_rcWindow.SetRect(0, 0, 300, 200);
        dlg.m_pPanel = &panel;
        ASSERT_EQ(1, dlg.Create(&parent));
        const CRect wa = WorkArea();
        const int x = wa.left + (wa.Width() - 300) / 2, y = wa.top + (wa.Height() - 200) / 2;
        EXPECT_EQ(CRect(x, y, x + 300, y + 200), WindowRect(dlg));
    }
    parent.DestroyWindow();
}

TEST(DialogBar, APanelCoversTheBarWhereverTheFrameLaysItOut)
{
    Log log;
    TestPanel panel;
    panel.m_pLog = &log;
    CVRK_FRAMEWND* pFrame = static_cast<CVRK_FRAMEWND*>(RUNTIME_CLASS(CVRK_FRAMEWND)->CreateObject());
    ASSERT_TRUE(pFrame->Create(nullptr, "bars"));
    pFrame->SetWindowPos(nullptr, 0, 0, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    CVRK_WGDIALOGBAR bar;
    bar.m_pPanel = &panel;
    ASSERT_EQ(1, bar.Create(pFrame, CBRS_TOP));
    EXPECT_EQ(CSize(0, 0), bar.m_sizeDefault);
    char szClass[64] = "";
    ::GetClassNameA(bar.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("Vantrel WG ToolBar 1.0", szClass);
    bar.m_sizeDefault = CSize(0, 40);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    pFrame->ClientToScreen(&rcClient);
    const CRect rcBar(rcClient.left, rcClient.bottom - 40, rcClient.right, rcClient.bottom);
    EXPECT_EQ(rcBar, WindowRect(bar));
    EXPECT_EQ(rcBar, WindowRect(panel));
    EXPECT_EQ(rcBar, bar.m_rcWindow);

    // The bar losing the focus takes it from the panel's current element.
    wgtest::Probe probe;
    probe.m_pLog = &log;
    probe.m_nWidth = probe.m_nHeight = 10;
    panel.AddWG(&probe);
    panel.SetNowWG(0);
    log.Clear();
    bar.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ("0:lose", log.Joined());

    // The frame dies first; the bar outlives it.
    pFrame->DestroyWindow();
    EXPECT_EQ(nullptr, bar.m_pDockSite);
    EXPECT_FALSE(::IsWindow(bar.m_hWnd));
}

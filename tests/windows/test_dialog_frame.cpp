// The skinned dialog as a window: creation and placement, the custom
// frame's looks, hit testing and mouse handling, and the system frame.
#include "dlgtest.h"
#include <memory>

using namespace wgdlg;

namespace {

const DWORD ALL_BOXES = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;

class DialogTest : public ::testing::Test
{
protected:
    Log m_log;
    TestPanel m_panel;
    std::unique_ptr<TestDialog> m_pDlg;
    wgtest::HostWindow m_parent;

    void SetUp() override
    {
        ParkCursor();
        m_panel.m_pLog = &m_log;
    }
    void TearDown() override
    {
        if (m_pDlg)
            m_pDlg->DestroyWindow();
        m_pDlg.reset();
        if (m_parent.m_hWnd)
            m_parent.DestroyWindow();
        wgtest::Pump();
        AfxDeleteTempMaps();
        WGSetVersionCode(-1);   // after a system-frame test
    }
    TestDialog& Open(const CRect& rc, DWORD dwAddStyle = 0, bool bPanel = true, CWnd* pParent = nullptr)
    {
        if (m_pDlg)
            m_pDlg->DestroyWindow();
        m_pDlg.reset(new TestDialog(pParent));
        m_pDlg->m_pLog = &m_log;
        m_pDlg->m_pTemplate->style |= dwAddStyle;
        m_pDlg->m_rcWindow = rc;
        if (bPanel)
            m_pDlg->m_pPanel = &m_panel;
        EXPECT_EQ(1, m_pDlg->Create(pParent));
        wgtest::Pump();
        m_log.Clear();   // the activation at opening
        return *m_pDlg;
    }
    // A parent of our own, gone after the test: a window left over the
    // other tests' dialogs would hide their frames.
    CWnd* Parent(DWORD dwStyle)
    {
        EXPECT_TRUE(m_parent.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "parent", WS_POPUP | dwStyle, 30, 40, 400, 300,
                                      nullptr, nullptr));
        return &m_parent;
    }
    UINT Hit(int x, int y) { return (UINT)m_pDlg->SendMessage(WM_NCHITTEST, 0, wgtest::XY(x, y)); }
    // Erases a client-sized bitmap filled with 0x123456; returns the
    // colours at the given points.
    std::string Erase(std::initializer_list<CPoint> pts)
    {
        CRect rc;
        m_pDlg->GetClientRect(&rc);
        CClientDC dcScreen(nullptr);
        CDC dc;
        dc.CreateCompatibleDC(&dcScreen);
        CBitmap bmp;
        bmp.CreateCompatibleBitmap(&dcScreen, rc.Width(), rc.Height());
        CBitmap* pOld = dc.SelectObject(&bmp);
        dc.FillSolidRect(rc, 0x123456);
        EXPECT_EQ(1, m_pDlg->SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC, 0));
        std::string s;
        for (CPoint pt : pts)
            s += Fmt("%06lx ", (unsigned long)dc.GetPixel(pt.x, pt.y));
        dc.SelectObject(pOld);
        return s;
    }
};

// ---- creation and placement ------------------------------------------------------

TEST_F(DialogTest, ExplicitPlacementWithThePanelInsideTheFrame)
{
    TestDialog& d = Open(CRect(50, 60, 350, 260));
    char szClass[64] = "";
    ::GetClassNameA(d.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("Vantrel WG Dialog 1.0", szClass);
    EXPECT_EQ(&d, CWnd::FromHandlePermanent(d.m_hWnd));
    EXPECT_EQ((DWORD)(WS_POPUP | WS_VISIBLE), d.GetStyle() & (WS_POPUP | WS_VISIBLE | WS_CAPTION));
    EXPECT_EQ(::LoadIconA(WGGetLibraryInstance(), MAKEINTRESOURCEA(3017)), (HICON)d.SendMessage(WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(CRect(50, 60, 350, 260), WindowRect(d));
    CRect rcClient;
    d.GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 0, 292, 167), rcClient);
    EXPECT_EQ(d.m_hWnd, ::GetParent(m_panel.m_hWnd));
    EXPECT_EQ(static_cast<CVRK_DIALOG*>(&d), m_panel.m_pDialog);
    EXPECT_EQ(CRect(54, 89, 346, 256), WindowRect(m_panel));
}

// A zero left or top centres on a visible parent, else on the work area;
// -1 takes the work area.
TEST_F(DialogTest, ZeroLeftOrTopCentresAndMinusOneTakesTheWorkArea)
{
    const CRect wa = WorkArea();
    int x = wa.left + (wa.Width() - 300) / 2, y = wa.top + (wa.Height() - 200) / 2;
    EXPECT_EQ(CRect(x, y, x + 300, y + 200), WindowRect(Open(CRect(0, 0, 300, 200), 0, true, Parent(0))));
    EXPECT_EQ(wa, WindowRect(Open(CRect(0, 0, -1, -1))));
    m_parent.ShowWindow(SW_SHOWNA);
    const CRect rcParent = WindowRect(m_parent);
    x = rcParent.left + (rcParent.Width() - 200) / 2, y = rcParent.top + (rcParent.Height() - 100) / 2;
    EXPECT_EQ(CRect(x, y, x + 200, y + 100), WindowRect(Open(CRect(0, 0, 200, 100), 0, true, &m_parent)));
    EXPECT_EQ(m_parent.m_hWnd, ::GetParent(m_pDlg->m_hWnd));
    EXPECT_EQ(CRect(x, 70, x + 200, 170), WindowRect(Open(CRect(0, 70, 200, 170), 0, true, &m_parent)));
}

TEST_F(DialogTest, EraseFillsOnlyWhatThePanelDoesNotCover)
{
    Open(CRect(50, 60, 350, 260), 0, false);
    EXPECT_TRUE(m_pDlg->m_bSkinLoaded);   // no panel to wait for: the frame painted at once
    EXPECT_EQ("123456 123456 ", Erase({ CPoint(10, 10), CPoint(291, 166) }));
    Open(CRect(50, 60, 350, 260));
    m_panel.MoveWindow(0, 0, 100, 50);
    // Under the panel; right of it; below it.
    EXPECT_EQ("123456 123456 d8e9ec d8e9ec d8e9ec d8e9ec ",
              Erase({ CPoint(0, 0), CPoint(99, 49), CPoint(100, 0), CPoint(291, 166), CPoint(0, 50), CPoint(99, 166) }));
}

// ---- frame looks ----------------------------------------------------------------------

// The whole window active (above) and inactive (below), with a title;
// magenta is outside the window's region (the rounded top corners).
TEST_F(DialogTest, FrameLooks)
{
    TestDialog& d = Open(CRect(100, 100, 320, 150), ALL_BOXES);
    d.SetWindowTitle("Skinned WG");   // redraws the frame at once
    CString str;
    d.GetWindowText(str);
    EXPECT_STREQ("Skinned WG", str);
    const wgtest::Image active = FrameImage(d, CRect(0, 0, 220, 50));
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, FALSE, 0));
    EXPECT_TRUE(wgtest::MatchesGolden(Stack(active, FrameImage(d, CRect(0, 0, 220, 50))), "dialog_frame"));
}

// The title buttons (x W-92..W-6, y 7..21) normal, with the pointer over
// minimize, maximize and close, over close while inactive, and maximized
// (the restore look) normal and with the pointer over it.
TEST_F(DialogTest, TitleButtonLooks)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    const CRect rc(208, 7, 294, 22);
    wgtest::Image img = FrameImage(d, rc);
    for (int x : { 320, 350, 380 })
    {
        Hit(x, 110);
        img = Stack(img, FrameImage(d, rc));
    }
    d.SendMessage(WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ((UINT)HTCLOSE, Hit(380, 110));
    img = Stack(img, FrameImage(d, rc));
    Hit(250, 110);   // anywhere else restores the normal looks
    d.SendMessage(WM_NCACTIVATE, TRUE, 0);
    d.SendMessage(WM_NCLBUTTONUP, HTMAXBUTTON, 0);
    wgtest::Pump();
    const CRect wa = WorkArea(), rcMax(wa.Width() + 8 - 92, 7, wa.Width() + 8 - 6, 22);
    img = Stack(img, FrameImage(d, rcMax));
    EXPECT_EQ((UINT)HTMAXBUTTON, Hit(wa.right + 4 - 50, wa.top - 4 + 10));
    EXPECT_TRUE(wgtest::MatchesGolden(Stack(img, FrameImage(d, rcMax)), "dialog_buttons"));
}

TEST_F(DialogTest, ActivationSwitchesTheBandUnlessKeptActive)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, FALSE, 0));
    EXPECT_EQ(29, d.m_nSkinRow);
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, TRUE, 0));
    EXPECT_EQ(0, d.m_nSkinRow);
    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(29, d.m_nSkinRow);
    d.m_bLogActivation = true;
    d.SendMessage(WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(0, d.m_nSkinRow);
    // The dialog manager keeps the focus; the frame never takes the
    // system's non-client activation.
    EXPECT_EQ("default activate 2 | panel activate 0 0", m_log.Joined());

    // Activation shows the window through its placement.
    d.ShowWindow(SW_HIDE);
    d.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));

    d.m_bKeepActive = TRUE;
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, FALSE, 0));
    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(0, d.m_nSkinRow);
}

TEST_F(DialogTest, FrameWaitsForThePanelsFirstPaint)
{
    m_panel.m_bHoldPaint = true;
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    const CRect rcTitle(0, 0, 300, 29);
    d.SendMessage(WM_NCPAINT, 1, 0);
    const auto before = FrameImage(d, rcTitle).bits;
    EXPECT_FALSE(d.m_bSkinLoaded);
    EXPECT_EQ((UINT)HTCLOSE, Hit(380, 110));   // nor does hit testing draw a hover look
    EXPECT_EQ(before, FrameImage(d, rcTitle).bits);
    m_panel.m_bHoldPaint = false;
    m_panel.DrawMe();
    EXPECT_TRUE(d.m_bNcPaintAllowed);
    EXPECT_NE(before, FrameImage(d, rcTitle).bits);
}

// ---- hit testing ---------------------------------------------------------------------------

struct HitCase { int x, y; UINT code; };

TEST_F(DialogTest, HitTestCodesAtEveryEdgeOfAResizableDialog)
{
    Open(CRect(100, 100, 400, 300), ALL_BOXES);
    // L 100, T 100, R 400, B 300; every comparison includes both ends.
    const HitCase cases[] = {
        { 107, 105, HTSYSMENU }, { 140, 121, HTSYSMENU }, { 106, 105, HTCAPTION }, { 141, 121, HTCAPTION },
        { 308, 107, HTMINBUTTON }, { 338, 122, HTMINBUTTON }, { 307, 107, HTCAPTION },
        { 339, 107, HTMAXBUTTON }, { 366, 122, HTMAXBUTTON },   // the minimize button wins at 336..338
        { 367, 107, HTCLOSE }, { 394, 122, HTCLOSE }, { 364, 106, HTCAPTION }, { 394, 123, HTCAPTION },
        { 395, 107, HTCAPTION },
        { 104, 130, HTCLIENT }, { 396, 296, HTCLIENT }, { 250, 130, HTCLIENT },
        { 100, 100, HTTOPLEFT }, { 104, 104, HTTOPLEFT }, { 105, 104, HTTOP }, { 250, 100, HTTOP },
        { 395, 104, HTTOP }, { 396, 104, HTTOPRIGHT }, { 400, 100, HTTOPRIGHT },
        { 104, 105, HTLEFT }, { 104, 129, HTLEFT }, { 105, 129, HTCAPTION }, { 250, 129, HTCAPTION },
        { 396, 105, HTRIGHT }, { 396, 129, HTRIGHT }, { 395, 129, HTCAPTION },
        { 100, 200, HTLEFT }, { 103, 200, HTLEFT }, { 104, 200, HTCLIENT },
        { 397, 200, HTRIGHT }, { 400, 200, HTRIGHT }, { 396, 200, HTCLIENT },
        { 250, 296, HTCLIENT }, { 250, 297, HTBOTTOM }, { 250, 300, HTBOTTOM },
        { 103, 296, HTBOTTOMLEFT }, { 104, 300, HTBOTTOMLEFT }, { 105, 297, HTBOTTOM },
        { 397, 296, HTBOTTOMRIGHT }, { 396, 297, HTBOTTOMRIGHT }, { 395, 297, HTBOTTOM },
        { 103, 131, HTLEFT }, { 103, 295, HTLEFT }, { 397, 131, HTRIGHT },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, Hit(c.x, c.y)) << c.x << "," << c.y;
}

TEST_F(DialogTest, HitTestFollowsTheStyleAndThePosition)
{
    struct Style { DWORD dw; std::vector<HitCase> cases; };
    const Style styles[] = {
        // Without a thick frame every border is caption.
        { WS_SYSMENU, { { 100, 100, HTCAPTION }, { 250, 300, HTCAPTION }, { 400, 200, HTCAPTION },
                        { 120, 110, HTSYSMENU }, { 320, 110, HTCAPTION }, { 350, 110, HTCAPTION },
                        { 364, 107, HTCLOSE }, { 200, 200, HTCLIENT } } },
        // The minimize box alone sits next to close; no system menu, no logo area.
        { WS_MINIMIZEBOX, { { 336, 107, HTMINBUTTON }, { 363, 122, HTMINBUTTON }, { 367, 107, HTCLOSE },
                            { 335, 107, HTCAPTION }, { 120, 110, HTCAPTION } } },
    };
    for (const Style& s : styles)
    {
        Open(CRect(100, 100, 400, 300), s.dw);
        for (const auto& c : s.cases)
            EXPECT_EQ(c.code, Hit(c.x, c.y)) << s.dw << " at " << c.x << "," << c.y;
    }
    m_pDlg->SetWindowPos(nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ((UINT)HTCLOSE, Hit(467, 157));
    EXPECT_EQ((UINT)HTCAPTION, Hit(367, 107 + 50));
    Open(CRect(0, 0, 0, 0));   // an empty window hits nothing
    EXPECT_EQ((UINT)HTNOWHERE, Hit(0, 0));
}

// ---- mouse in the frame ------------------------------------------------------------------------

// A button-down reaches the default handling only for moving, sizing and
// the system menu; a move and the cursor only over the borders.
TEST_F(DialogTest, MouseReachesTheDefaultOnlyForMovingSizingAndTheSystemMenu)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    for (UINT code : { HTCLIENT, HTCAPTION, HTSYSMENU, HTMINBUTTON, HTMAXBUTTON, HTCLOSE, HTLEFT, HTRIGHT, HTTOP,
                       HTTOPLEFT, HTTOPRIGHT, HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT })
        d.SendMessage(WM_NCLBUTTONDOWN, code, wgtest::XY(200, 110));
    EXPECT_EQ("default 00a1 2 | default 00a1 3 | default 00a1 10 | default 00a1 11 | default 00a1 12 | "
              "default 00a1 13 | default 00a1 14 | default 00a1 15 | default 00a1 16 | default 00a1 17",
              m_log.Joined());
    EXPECT_TRUE(d.IsWindowVisible());
    m_log.Clear();
    for (UINT code : { HTCAPTION, HTCLOSE, HTLEFT, HTBOTTOMRIGHT, HTCLIENT })
        d.SendMessage(WM_NCMOUSEMOVE, code, wgtest::XY(200, 110));
    EXPECT_EQ("default 00a0 10 | default 00a0 17", m_log.Joined());
    m_log.Clear();
    auto setCursor = [&](UINT code) { return d.SendMessage(WM_SETCURSOR, (WPARAM)d.m_hWnd, MAKELPARAM(code, WM_MOUSEMOVE)); };
    ::SetCursor(nullptr);
    EXPECT_EQ(1, setCursor(HTCAPTION));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), ::GetCursor());
    ::SetCursor(nullptr);
    EXPECT_EQ(1, setCursor(HTCLOSE));
    EXPECT_EQ(1, setCursor(HTCLIENT));
    EXPECT_EQ(nullptr, ::GetCursor());
    setCursor(HTTOP);
    setCursor(HTBOTTOMLEFT);
    EXPECT_EQ("default setcursor 12 | default setcursor 16", m_log.Joined());
}

// The title buttons toggle on release; a double-click on the title
// maximizes only a resizable dialog, to the work area plus its borders.
TEST_F(DialogTest, MinimizeAndMaximizeToggleOnReleaseAndDoubleClick)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    const CRect wa = WorkArea();
    d.SendMessage(WM_NCLBUTTONUP, HTMAXBUTTON, wgtest::XY(350, 110));
    EXPECT_TRUE(d.IsZoomed());
    EXPECT_EQ(CRect(wa.left - 4, wa.top - 4, wa.right + 4, wa.bottom + 4), WindowRect(d));
    EXPECT_EQ(CRect(wa.left, wa.top + 25, wa.right, wa.bottom), WindowRect(m_panel));   // the panel follows
    d.SendMessage(WM_NCLBUTTONUP, HTMAXBUTTON, 0);
    EXPECT_FALSE(d.IsZoomed());
    d.SendMessage(WM_NCLBUTTONUP, HTMINBUTTON, 0);
    EXPECT_TRUE(d.IsIconic());
    d.SendMessage(WM_NCLBUTTONUP, HTMINBUTTON, 0);
    EXPECT_FALSE(d.IsIconic());
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));
    // Other codes do nothing, and nothing reaches the default handling.
    d.SendMessage(WM_NCLBUTTONUP, HTCAPTION, 0);
    d.SendMessage(WM_NCLBUTTONUP, HTSYSMENU, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    EXPECT_EQ(std::string::npos, m_log.Joined().find("default 00a")) << m_log.Joined();

    d.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, wgtest::XY(200, 110));
    EXPECT_EQ(CRect(wa.left - 4, wa.top - 4, wa.right + 4, wa.bottom + 4), WindowRect(d));
    d.SendMessage(WM_NCLBUTTONDBLCLK, HTLEFT, 0);
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));
    MINMAXINFO mmi = {};
    d.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(CPoint(wa.Width() + 8, wa.Height() + 8), CPoint(mmi.ptMaxSize));
    EXPECT_EQ(CPoint(-4, -4), CPoint(mmi.ptMaxPosition));
    Open(CRect(100, 100, 400, 300), WS_SYSMENU | WS_MAXIMIZEBOX).SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(m_pDlg->IsZoomed());
}

TEST_F(DialogTest, CloseButtonAsksThePanelsPreClose)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    for (int n : { 0, 2, 1 })
    {
        m_panel.m_nPreClose = n;
        d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
        EXPECT_EQ(n != 1, !!d.IsWindowVisible()) << n;   // a modeless dialog ends by hiding
    }
    EXPECT_EQ(IDCANCEL, d.m_nModalResult);
    EXPECT_EQ("preclose 0 | preclose 2 | preclose 1", m_log.Joined());
}

// ---- the system frame -------------------------------------------------------------------------

TEST_F(DialogTest, SystemFrameKeepsTheClientSizeAndLeavesTheFrameToTheSystem)
{
    for (long code : { 0L, 1L, 2L, 3L, 4L, 5L })
    {
        WGSetVersionCode(code);
        EXPECT_EQ(code > 3, !!TestDialog().m_bSystemFrame) << code;
    }
    WGSetVersionCode(WG_OS_WIN7);
    TestDialog& d = Open(CRect(50, 60, 350, 260), WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ((DWORD)(WS_CAPTION | WS_SYSMENU | WS_POPUP), d.GetStyle() & (WS_CAPTION | WS_SYSMENU | WS_POPUP));
    CRect rcClient;
    d.GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 0, 292, 167), rcClient);
    CRgn rgn;   // no custom region, and the title-button releases are the system's
    ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(ERROR, ::GetWindowRgn(d.m_hWnd, rgn));
    d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
    d.SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    EXPECT_EQ("default 00a2 20 | default 00a1 20", m_log.Joined());
    // The system draws the activation looks, unless the active look is kept.
    m_log.Clear();
    d.m_bLogActivation = true;
    d.SendMessage(WM_NCACTIVATE, FALSE, 0);
    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    d.SendMessage(WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ("default ncactivate 0 | default activate 0 | default ncactivate 1", m_log.Joined());
    m_log.Clear();
    d.m_bKeepActive = TRUE;
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, FALSE, 0));
    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ("", m_log.Joined());
    d.ShowWindow(SW_HIDE);
    d.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    // The placement shows the window again, which activates it for real.
    EXPECT_EQ("default activate 1 | default ncactivate 1 | default activate 1", m_log.Joined());
    EXPECT_TRUE(d.IsWindowVisible());
}

} // namespace

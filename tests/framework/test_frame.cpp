// Frames and control bars: a frame made by dynamic creation from one
// resource id, commands routed through the pane, the frame and the
// application, bars laid out along the sides in the order they were docked,
// and bars and frames dying in either order.
#include "wgtest.h"
#include "frame_ids.h"

using namespace wgtest;

namespace {

const UINT ID_VIEW_ONLY = 41001, ID_BOTH = 41002, ID_FRAME_ONLY = 41003, ID_APP_ONLY = 41004, ID_NOBODY = 41005;
const UINT ID_EDIT_FIELD = 41010;
Log g_log;

class CTestView : public CWnd
{
    DECLARE_DYNCREATE(CTestView)
    virtual void PostNcDestroy() { delete this; }   // as views do
    afx_msg void OnViewOnly() { g_log.Add("view only"); }
    afx_msg void OnBoth() { g_log.Add("view both"); }
    afx_msg void OnFieldChange() { g_log.Add("view field change"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestView, CWnd)
BEGIN_MESSAGE_MAP(CTestView, CWnd)
    ON_COMMAND(ID_VIEW_ONLY, OnViewOnly)
    ON_COMMAND(ID_BOTH, OnBoth)
    ON_CONTROL(EN_CHANGE, ID_EDIT_FIELD, OnFieldChange)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CTestFrame)
public:
    static int s_nLive;
    CTestFrame() { ++s_nLive; }
    ~CTestFrame() { --s_nLive; }
    afx_msg void OnBoth() { g_log.Add("frame both"); }
    afx_msg void OnFrameOnly() { g_log.Add("frame only"); }
    afx_msg void OnRefresh() { g_log.Add("frame refresh"); }
    DECLARE_MESSAGE_MAP()
};
int CTestFrame::s_nLive = 0;
IMPLEMENT_DYNCREATE(CTestFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_BOTH, OnBoth)
    ON_COMMAND(ID_FRAME_ONLY, OnFrameOnly)
    ON_COMMAND(ID_TEST_REFRESH, OnRefresh)
END_MESSAGE_MAP()

class CTestApp : public CWinApp
{
    afx_msg void OnAppOnly() { g_log.Add("app only"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_APP_ONLY, OnAppOnly)
    ON_COMMAND(ID_FRAME_ONLY, OnAppOnly)   // never reached: the frame comes first
END_MESSAGE_MAP()

// A bar of a fixed thickness along whatever side it is docked to.
class CStripBar : public CControlBar
{
public:
    int m_nThickness;
    explicit CStripBar(int nThickness) : m_nThickness(nThickness) {}
    BOOL Make(CWnd* pParent, UINT nID)
    {
        return CreateEx(0, AFX_WND_CLASS, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz)
    {
        return bHorz ? CSize(bStretch ? 32767 : 50, m_nThickness) : CSize(m_nThickness, bStretch ? 32767 : 50);
    }
};

CRect ChildRect(CWnd* pParent, HWND hChild)
{
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    pParent->ScreenToClient(&rc);
    return rc;
}

CTestFrame* NewFrameWithView()
{
    CCreateContext ctx;
    ctx.m_pNewViewClass = RUNTIME_CLASS(CTestView);
    CTestFrame* pFrame = static_cast<CTestFrame*>(RUNTIME_CLASS(CTestFrame)->CreateObject());
    EXPECT_TRUE(pFrame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW, CRect(20, 20, 420, 320), nullptr, nullptr,
                               0, &ctx));
    return pFrame;
}

} // namespace

TEST(Frame, LoadFrameTakesMenuTitleIconAndAcceleratorsFromOneIdAndFailedFramesAreGone)
{
    CTestFrame* pFrame = static_cast<CTestFrame*>(RUNTIME_CLASS(CTestFrame)->CreateObject());
    ASSERT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TESTFRAME));
    HWND hWnd = pFrame->m_hWnd;
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_STREQ("Test Frame", strTitle);
    ASSERT_NE(nullptr, ::GetMenu(hWnd));
    EXPECT_EQ((UINT)ID_TEST_REFRESH, ::GetMenuItemID(::GetSubMenu(::GetMenu(hWnd), 0), 0));
    EXPECT_NE(0u, (ULONG_PTR)::GetClassLongPtrA(hWnd, GCLP_HICON));

    // F5 is an accelerator of the frame: translated on the way to any child.
    g_log.Clear();
    MSG msg = {};
    msg.hwnd = hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_F5;
    msg.lParam = 1;
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    msg.wParam = 'A';
    EXPECT_FALSE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ("frame refresh", g_log.Joined());

    pFrame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(0, CTestFrame::s_nLive) << "a frame deletes itself with its window";

    // No menu of that id, or a class that does not exist: FALSE, and the
    // frame is gone as after any failed creation.
    EXPECT_FALSE((new CTestFrame)->LoadFrame(IDR_TESTFRAME + 50));
    EXPECT_FALSE((new CTestFrame)->Create("no such class", "x"));
    EXPECT_EQ(0, CTestFrame::s_nLive);
}

TEST(Frame, CommandsGoToThePaneThenTheFrameThenTheApplication)
{
    CTestApp app;
    CTestFrame* pFrame = NewFrameWithView();
    CWnd* pView = pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(CWnd::FromHandlePermanent(pView->m_hWnd)->IsKindOf(RUNTIME_CLASS(CTestView)));
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(rcClient, ChildRect(pFrame, pView->m_hWnd)) << "the pane fills a frame without bars";

    g_log.Clear();
    for (UINT nID : { ID_VIEW_ONLY, ID_BOTH, ID_FRAME_ONLY, ID_APP_ONLY, ID_NOBODY })
        pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    EXPECT_EQ("view only | view both | frame only | app only", g_log.Joined());

    // A control's notification reaches only entries of its code.
    g_log.Clear();
    pView->SendMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_FIELD, EN_CHANGE), (LPARAM)pView->m_hWnd);
    pView->SendMessage(WM_COMMAND, MAKEWPARAM(ID_VIEW_ONLY, EN_KILLFOCUS), (LPARAM)pView->m_hWnd);
    EXPECT_EQ("view field change", g_log.Joined());

    // ID_APP_EXIT closes the main window through the application.
    app.m_pMainWnd = pFrame;
    HWND hWnd = pFrame->m_hWnd;
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Frame, BarsTakeTheirSidesInDockOrderAndThePaneGetsTheRest)
{
    CTestFrame* pFrame = NewFrameWithView();
    pFrame->EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM | CBRS_ALIGN_LEFT);
    CStripBar outer(30), inner(20), bottom(25), left(40), right(15);
    CDialogBar dlgBar;
    UINT nID = AFX_IDW_CONTROLBAR_FIRST + 10;
    for (CStripBar* p : { &inner, &outer, &bottom, &left, &right })   // made in another order than docked
        ASSERT_TRUE(p->Make(pFrame, nID++));
    ASSERT_TRUE(dlgBar.Create(pFrame, IDD_TESTBAR, CBRS_TOP, AFX_IDW_DIALOGBAR));
    EXPECT_EQ(6, pFrame->GetControlBarCount()) << "bars made in a frame belong to it";
    EXPECT_EQ(&dlgBar, pFrame->GetControlBar(AFX_IDW_DIALOGBAR));
    EXPECT_NE(0, dlgBar.m_sizeDefault.cy) << "the template's size";

    outer.EnableDocking(CBRS_ALIGN_ANY);
    inner.EnableDocking(CBRS_ALIGN_TOP);
    bottom.EnableDocking(CBRS_ALIGN_BOTTOM | CBRS_ALIGN_TOP);
    left.EnableDocking(CBRS_ALIGN_LEFT);
    right.EnableDocking(CBRS_ALIGN_RIGHT);   // the frame does not allow the right side
    dlgBar.EnableDocking(CBRS_ALIGN_TOP);
    pFrame->DockControlBar(&outer);
    pFrame->DockControlBar(&inner);
    pFrame->DockControlBar(&bottom, AFX_IDW_DOCKBAR_BOTTOM);
    pFrame->DockControlBar(&left);
    pFrame->DockControlBar(&right);
    pFrame->DockControlBar(&dlgBar);
    pFrame->ShowControlBar(&right, FALSE, FALSE);

    const int h = dlgBar.m_sizeDefault.cy;
    CRect rc;
    pFrame->GetClientRect(&rc);
    const int W = rc.Width(), H = rc.Height();
    EXPECT_EQ(CRect(0, 0, W, 30), ChildRect(pFrame, outer.m_hWnd));
    EXPECT_EQ(CRect(0, 30, W, 50), ChildRect(pFrame, inner.m_hWnd));
    EXPECT_EQ(CRect(0, H - 25, W, H), ChildRect(pFrame, bottom.m_hWnd));
    EXPECT_EQ(CRect(0, 50, 40, H - 25), ChildRect(pFrame, left.m_hWnd));
    EXPECT_EQ(CRect(40, 50, W, 50 + h), ChildRect(pFrame, dlgBar.m_hWnd));
    EXPECT_EQ(CRect(40, 50 + h, W, H - 25), ChildRect(pFrame, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)->m_hWnd));

    // Hidden bars give their strip back; a resize lays everything out again.
    pFrame->ShowControlBar(&inner, FALSE, FALSE);
    pFrame->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    pFrame->GetClientRect(&rc);
    EXPECT_EQ(CRect(0, 30, 40, rc.Height() - 25), ChildRect(pFrame, left.m_hWnd));
    EXPECT_EQ(CRect(40, 30 + h, rc.Width(), rc.Height() - 25),
              ChildRect(pFrame, pFrame->GetDlgItem(AFX_IDW_PANE_FIRST)->m_hWnd));

    // A bar that dies first leaves the frame; the others outlive the frame.
    outer.DestroyWindow();
    EXPECT_EQ(5, pFrame->GetControlBarCount());
    pFrame->DestroyWindow();
    for (CControlBar* p : std::initializer_list<CControlBar*>{ &inner, &bottom, &left, &right, &dlgBar })
        EXPECT_EQ(nullptr, p->m_pDockSite);
    EXPECT_EQ(0, CTestFrame::s_nLive);
}

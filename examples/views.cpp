// A frame, a view and a dialog bar, the MFC 4.2 way: the frame comes from
// one resource id (menu, accelerators, title) through LoadFrame, its view
// is made by dynamic creation from a CCreateContext, and a dialog bar with
// a button is docked along the top. Commands reach the view first (F5 and
// View > Refresh), the bar's button reaches the frame, and File > Exit the
// application. "/close" presses F5 and the button by messages and exits;
// the exit code is 0 only if both arrived once.
#include <afxwin.h>
#include "views.h"

class CCounterView : public CWnd
{
    DECLARE_DYNCREATE(CCounterView)
public:
    CCounterView() : m_nRefreshes(0) {}
    int m_nRefreshes;

protected:
    afx_msg void OnPaint();
    afx_msg void OnRefresh();
    virtual void PostNcDestroy() { delete this; }
    DECLARE_MESSAGE_MAP()
};

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame() : m_nCounts(0) {}
    CDialogBar m_wndTools;
    int m_nCounts;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnCount();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class CViewsApp : public CWinApp
{
public:
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    int m_nResult;
};

CViewsApp theApp;

IMPLEMENT_DYNCREATE(CCounterView, CWnd)
BEGIN_MESSAGE_MAP(CCounterView, CWnd)
    ON_WM_PAINT()
    ON_COMMAND(ID_VIEW_REFRESH, OnRefresh)
END_MESSAGE_MAP()

void CCounterView::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CMainFrame* pFrame = (CMainFrame*)AfxGetMainWnd();
    CString strText;
    strText.Format(_T("Refreshed %d times, counted %d times."), m_nRefreshes, pFrame ? pFrame->m_nCounts : 0);
    dc.DrawText(strText, -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void CCounterView::OnRefresh()
{
    ++m_nRefreshes;
    Invalidate();
}

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_BN_CLICKED(IDC_COUNT, OnCount)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndTools.Create(this, IDD_TOOLS, CBRS_TOP, AFX_IDW_DIALOGBAR))
        return -1;
    m_wndTools.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndTools);
    return 0;
}

void CMainFrame::OnCount()
{
    ++m_nCounts;
    GetDlgItem(AFX_IDW_PANE_FIRST)->Invalidate();
}

void CMainFrame::OnDestroy()
{
    CCounterView* pView = (CCounterView*)GetDlgItem(AFX_IDW_PANE_FIRST);
    theApp.m_nResult = (m_nCounts == 1 && pView && pView->m_nRefreshes == 1) ? 0 : 3;
    CFrameWnd::OnDestroy();
}

BOOL CViewsApp::InitInstance()
{
    m_nResult = 2;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CCounterView);
    CMainFrame* pFrame = (CMainFrame*)RUNTIME_CLASS(CMainFrame)->CreateObject();
    if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, NULL, &context))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    if (_tcsstr(m_lpCmdLine, _T("/close")) != NULL)
    {
        CWnd* pView = pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
        pView->PostMessage(WM_KEYDOWN, VK_F5, 1);
        pFrame->m_wndTools.GetDlgItem(IDC_COUNT)->PostMessage(BM_CLICK);
        pFrame->PostMessage(WM_COMMAND, ID_APP_EXIT);
    }
    return TRUE;
}

int CViewsApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nResult;
}

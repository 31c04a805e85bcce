// Hello, frame: the textbook MFC 4.2 main window. A CFrameWnd-derived
// window created with Create and a menu from the resources, painted with
// CPaintDC and DrawText, a menu command handled through ON_COMMAND, File >
// Exit handled by the application, and the program ending when its main
// window closes. "/close" chooses View > Greet and File > Exit by messages;
// the exit code is 0 only if the greeting was handled and painted.
#include <afxwin.h>
#include "frame.h"

class CMainFrame : public CFrameWnd
{
public:
    CMainFrame();
    int m_nGreetings;
    BOOL m_bPainted;

protected:
    afx_msg void OnPaint();
    afx_msg void OnGreet();
    DECLARE_MESSAGE_MAP()
};

class CFrameApp : public CWinApp
{
public:
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    int m_nResult;
};

CFrameApp theApp;

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_PAINT()
    ON_COMMAND(ID_VIEW_GREET, OnGreet)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_nGreetings(0), m_bPainted(FALSE)
{
    Create(NULL, _T("Hello, frame"), WS_OVERLAPPEDWINDOW, rectDefault, NULL, MAKEINTRESOURCE(IDR_MAINFRAME));
}

void CMainFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    TCHAR szText[64];
    wsprintf(szText, _T("Greeted %d times. Try View > Greet."), m_nGreetings);
    dc.DrawText(szText, -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    if (m_nGreetings > 0)
        m_bPainted = TRUE;
    theApp.m_nResult = (m_nGreetings == 1 && m_bPainted) ? 0 : 3;
}

void CMainFrame::OnGreet()
{
    ++m_nGreetings;
    Invalidate();
    UpdateWindow();
}

BOOL CFrameApp::InitInstance()
{
    m_nResult = 2;
    m_pMainWnd = new CMainFrame;
    if (m_pMainWnd->m_hWnd == NULL)
        return FALSE;
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    if (_tcsstr(m_lpCmdLine, _T("/close")) != NULL)
    {
        m_pMainWnd->PostMessage(WM_COMMAND, ID_VIEW_GREET);
        m_pMainWnd->PostMessage(WM_COMMAND, ID_APP_EXIT);
    }
    return TRUE;
}

int CFrameApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nResult;
}

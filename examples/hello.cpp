// Hello, MFC: a plain MFC 4.2 program written the textbook way, built
// unchanged against the framework layer. A window class registered with
// AfxRegisterWndClass, a CWnd main window made with CreateEx, a paint
// handler and a message box on a click. "/close" makes it close itself at
// once (for the tests); closing the main window ends the program.
#include <afxwin.h>

class CMainWindow : public CWnd
{
public:
    CMainWindow();

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    virtual void PostNcDestroy();
    DECLARE_MESSAGE_MAP()
};

class CHelloApp : public CWinApp
{
public:
    virtual BOOL InitInstance();
};

CHelloApp theApp;

BEGIN_MESSAGE_MAP(CMainWindow, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CMainWindow::CMainWindow()
{
    LPCTSTR lpszClassName = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW,
        AfxGetApp()->LoadStandardCursor(IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1),
        AfxGetApp()->LoadStandardIcon(IDI_APPLICATION));
    CreateEx(0, lpszClassName, _T("Hello, MFC"), WS_OVERLAPPEDWINDOW,
             CW_USEDEFAULT, CW_USEDEFAULT, 320, 200, NULL, NULL);
}

void CMainWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.DrawText(_T("Hello, MFC. Click me."), -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void CMainWindow::OnLButtonDown(UINT nFlags, CPoint point)
{
    TCHAR szText[64];
    wsprintf(szText, _T("You clicked at %d, %d."), point.x, point.y);
    AfxMessageBox(szText, MB_OK | MB_ICONINFORMATION);
}

void CMainWindow::PostNcDestroy()
{
    delete this;
}

BOOL CHelloApp::InitInstance()
{
    m_pMainWnd = new CMainWindow;
    if (m_pMainWnd->m_hWnd == NULL)
        return FALSE;
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    if (_tcsstr(m_lpCmdLine, _T("/close")) != NULL)
        m_pMainWnd->PostMessage(WM_CLOSE);
    return TRUE;
}

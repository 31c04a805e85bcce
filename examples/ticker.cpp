// A clock with keyboard control, in plain MFC 4.2 style: a timer ticks a
// counter once a second, Space pauses and resumes it, Escape closes the
// window. "/close" feeds it a tick, a key press and Escape as a user would,
// so the program runs through its handlers and ends by itself.
#include <afxwin.h>

#define ID_TICK 1

class CTickerWindow : public CWnd
{
public:
    CTickerWindow();

protected:
    int m_nTicks;
    BOOL m_bPaused;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    virtual void PostNcDestroy();
    DECLARE_MESSAGE_MAP()
};

class CTickerApp : public CWinApp
{
public:
    virtual BOOL InitInstance();
};

CTickerApp theApp;

BEGIN_MESSAGE_MAP(CTickerWindow, CWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_KEYDOWN()
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CTickerWindow::CTickerWindow() : m_nTicks(0), m_bPaused(FALSE)
{
    CreateEx(0, AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                    (HBRUSH)::GetStockObject(WHITE_BRUSH)),
             _T("Ticker"), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 240, 120, NULL, NULL);
}

int CTickerWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!SetTimer(ID_TICK, 1000, NULL))
    {
        AfxMessageBox(_T("No timer is free."));
        return -1;
    }
    return 0;
}

void CTickerWindow::OnTimer(UINT nIDEvent)
{
    if (nIDEvent == ID_TICK && !m_bPaused)
    {
        m_nTicks++;
        Invalidate();
    }
}

void CTickerWindow::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE)
    {
        m_bPaused = !m_bPaused;
        Invalidate();
    }
    else if (nChar == VK_ESCAPE)
        DestroyWindow();
    else
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CTickerWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CString strText;
    strText.Format(_T("%d s%s"), m_nTicks, m_bPaused ? _T(" (paused)") : _T(""));
    dc.DrawText(strText, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void CTickerWindow::OnDestroy()
{
    KillTimer(ID_TICK);
    CWnd::OnDestroy();
}

void CTickerWindow::PostNcDestroy()
{
    delete this;
}

BOOL CTickerApp::InitInstance()
{
    m_pMainWnd = new CTickerWindow;
    if (m_pMainWnd->m_hWnd == NULL)
        return FALSE;
    m_pMainWnd->ShowWindow(m_nCmdShow);
    m_pMainWnd->UpdateWindow();
    if (_tcsstr(m_lpCmdLine, _T("/close")) != NULL)
    {
        m_pMainWnd->PostMessage(WM_TIMER, ID_TICK);
        m_pMainWnd->PostMessage(WM_KEYDOWN, VK_SPACE);
        m_pMainWnd->PostMessage(WM_KEYDOWN, VK_ESCAPE);
    }
    return TRUE;
}

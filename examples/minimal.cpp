// The smallest WG application: a window, a panel covering it and one button
// whose press the panel hears in OnWGCommand.
#include "wg.h"

class CMyPanel : public CVRK_WGPANEL
{
public:
    CWG_Button m_btnHello;

    virtual void OnWGCommand(long nIndex, long nCode)
    {
        if (nIndex == m_btnHello.m_nIndex && nCode == 5)   // 5: pressed
            ::MessageBoxA(m_hWnd, "Hello from WG", "WG", MB_OK);
    }
};

class CMainWnd : public CWnd
{
public:
    CMyPanel m_panel;

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1 || !m_panel.Create(this))
            return -1;
        m_panel.m_btnHello.Create(&m_panel, "Hello", 20, 20, 100, 19, FALSE);
        m_panel.DrawMe();
        return 0;
    }
    void OnDestroy()
    {
        CWnd::OnDestroy();
        ::PostQuitMessage(0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

class CMinimalApp : public CWinApp
{
public:
    CMainWnd m_wnd;

    virtual BOOL InitInstance()
    {
        if (!m_wnd.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "Minimal WG",
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 150, nullptr, nullptr))
            return FALSE;
        m_pMainWnd = &m_wnd;
        return TRUE;
    }
};

CMinimalApp theApp;

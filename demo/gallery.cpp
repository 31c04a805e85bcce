// The gallery: one window that shows every element of the library with live
// behaviour. `wg_gallery --screenshot FILE.png` renders it, saves a picture
// and exits, so a machine without a screen can show it too.
#include "wg.h"
#include "png.h"
#include <string.h>

namespace {

class CGalleryPanel : public CVRK_WGPANEL
{
public:
    CWG_Button m_btnNormal, m_btnMark, m_btnTall, m_btnDisabled, m_btnWide, m_btnRound;

    BOOL Build(CWnd* pParent)
    {
        if (!Create(pParent))
            return FALSE;
        m_btnNormal.Create(this, "Normal", 20, 40, 90, 19, FALSE);
        m_btnMark.Create(this, "With mark", 120, 40, 90, 19, TRUE);
        m_btnTall.Create(this, "Tall (38 px)", 220, 30, 110, 38, FALSE);
        m_btnDisabled.Create(this, "Disabled", 340, 40, 90, 19, FALSE);
        m_btnDisabled.m_bEnable = FALSE;
        m_btnWide.Create(this, "A caption far wider than its button", 20, 90, 90, 19, FALSE);
        m_btnRound.Create(this, "Round corners", 120, 90, 110, 19, FALSE);
        m_btnRound.m_bRoundCorner = TRUE;
        DrawMe();   // the panel painted its empty self when it was created
        return TRUE;
    }

    virtual void OnWGCommand(long nIndex, long nCode)
    {
        static const char* const names[] = { "Normal", "With mark", "Tall", "Disabled", "Wide", "Round corners" };
        if (nIndex < 0 || nIndex >= (long)(sizeof(names) / sizeof(names[0])))
            return;
        CString strTitle;
        strTitle.Format("WG Gallery - pressed: %s (code %ld)", names[nIndex], nCode);
        CWnd* pTop = CWnd::FromHandle(::GetAncestor(m_hWnd, GA_ROOT));
        pTop->SetWindowText(strTitle);
    }
};

class CGalleryWnd : public CWnd
{
public:
    CGalleryPanel m_panel;

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1 || !m_panel.Build(this))
            return -1;
        return 0;
    }
    void OnSize(UINT nType, int cx, int cy)
    {
        CWnd::OnSize(nType, cx, cy);
        if (m_panel.m_hWnd)
            m_panel.MoveWindow(0, 0, cx, cy);
    }
    void OnDestroy()
    {
        CWnd::OnDestroy();
        ::PostQuitMessage(0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGalleryWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

class CGalleryApp : public CWinApp
{
public:
    CGalleryWnd m_wnd;
    CString m_strScreenshot;

    virtual BOOL InitInstance()
    {
        const char* p = strstr(m_lpCmdLine ? m_lpCmdLine : "", "--screenshot");
        if (p)
        {
            p += strlen("--screenshot");
            while (*p == ' ' || *p == '"')
                ++p;
            m_strScreenshot = p;
            m_strScreenshot.TrimRight(" \"");
        }
        if (!m_wnd.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "WG Gallery",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 480, 200, nullptr, nullptr))
            return FALSE;
        m_pMainWnd = &m_wnd;
        m_wnd.ShowWindow(SW_SHOW);
        m_wnd.UpdateWindow();
        if (!m_strScreenshot.IsEmpty())
        {
            // Let every pending paint happen, then take the picture.
            MSG msg;
            for (int i = 0; i < 20; ++i)
            {
                while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                    AfxPumpMessage(&msg);
                ::Sleep(25);
            }
            BOOL bSaved = SaveWindowPng(m_wnd.m_hWnd, m_strScreenshot);
            m_wnd.DestroyWindow();
            m_msgCur.wParam = bSaved ? 0 : 1;
            return FALSE;
        }
        return TRUE;
    }
    virtual int ExitInstance() { return (int)m_msgCur.wParam; }
};

CGalleryApp theApp;

} // namespace

// Support for the skinned-dialog tests: a dialog that records what reaches
// the default handling and runs a script inside its own modal loop, a panel
// with adjustable answers, and pictures of the frame.
#pragma once
#include "golden.h"
#include "WGLibrary.h"
#include <functional>

namespace wgdlg {

using wgtest::Log;
using wgtest::Fmt;

// A panel whose OnOK, OnCancel and PreClose answers are chosen by the test,
// and that can hold back its paints (a panel that has not painted yet).
class TestPanel : public wgtest::RecordingPanel
{
public:
    int m_nPreClose = 1;
    bool m_bHoldPaint = false;
    virtual int PreClose()
    {
        if (m_pLog)
            m_pLog->Add(Fmt("preclose %d", m_nPreClose));
        if (m_nPreClose == 1)
            CVRK_WGPANEL::PreClose();
        return m_nPreClose;
    }
    virtual void DrawMe()
    {
        if (!m_bHoldPaint)
            CVRK_WGPANEL::DrawMe();
    }
    virtual void DrawMeByOthers()
    {
        if (!m_bHoldPaint)
            CVRK_WGPANEL::DrawMeByOthers();
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_ACTIVATE && m_pLog)
            m_pLog->Add(Fmt("panel activate %d %d", (int)wParam, (int)lParam));
        return CVRK_WGPANEL::WindowProc(message, wParam, lParam);
    }
};

// A dialog that logs the mouse and activation messages reaching its default
// handling (and stops the mouse ones there: the system's move, size and
// title-button loops wait for a real mouse) and runs m_fnInLoop once its
// modal loop is running.
class TestDialog : public CVRK_DIALOG
{
public:
    enum { WM_RUN_SCRIPT = WM_APP + 7 };
    Log* m_pLog = nullptr;
    std::string m_strName;   // logs "hide <name>" when the window is hidden
    bool m_bLogActivation = false;
    std::function<void(TestDialog&)> m_fnInLoop;

    explicit TestDialog(CWnd* pParent = nullptr) : CVRK_DIALOG(pParent) {}

    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        const bool bMouse = message == WM_NCLBUTTONDOWN || message == WM_NCMOUSEMOVE || message == WM_NCLBUTTONUP ||
                            message == WM_NCLBUTTONDBLCLK;
        if (m_pLog && bMouse)
            m_pLog->Add(Fmt("default %04x %d", message, (int)wParam));
        else if (m_pLog && message == WM_SETCURSOR)
            m_pLog->Add(Fmt("default setcursor %d", (int)LOWORD(lParam)));
        else if (m_pLog && m_bLogActivation && (message == WM_NCACTIVATE || message == WM_ACTIVATE))
            m_pLog->Add(Fmt("default %sactivate %d", message == WM_NCACTIVATE ? "nc" : "", (int)LOWORD(wParam)));
        if (bMouse || message == WM_SETCURSOR)
            return 0;
        return CVRK_DIALOG::DefWindowProc(message, wParam, lParam);
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_WINDOWPOSCHANGING && m_pLog && !m_strName.empty() &&
            (((WINDOWPOS*)lParam)->flags & SWP_HIDEWINDOW) && IsWindowVisible())
            m_pLog->Add("hide " + m_strName);
        if (message == WM_RUN_SCRIPT)
        {
            if (m_fnInLoop)
                m_fnInLoop(*this);
            return 0;
        }
        return CVRK_DIALOG::WindowProc(message, wParam, lParam);
    }
    virtual BOOL OnInitDialog()
    {
        BOOL b = CVRK_DIALOG::OnInitDialog();
        // Reaches the script only through the modal loop's pump.
        PostMessage(WM_RUN_SCRIPT);
        return b;
    }
};

// Parks the real pointer in a corner so the system's own hit tests never
// touch the dialogs under test.
inline void ParkCursor() { ::SetCursorPos(1270, 1015); }

inline CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

inline CRect WindowRect(CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(&rc);
    return rc;
}

// The window's own pixels (frame included) within rc, in window
// coordinates; what lies outside the window's region is magenta, so that a
// picture shows the shape and never what happens to be behind it.
inline wgtest::Image FrameImage(CWnd& wnd, const CRect& rc)
{
    HDC hdc = ::GetWindowDC(wnd.m_hWnd);
    wgtest::Image img = wgtest::Capture(hdc, rc);
    ::ReleaseDC(wnd.m_hWnd, hdc);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(wnd.m_hWnd, rgn) != ERROR)
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x)
                if (!rgn.PtInRegion(rc.left + x, rc.top + y))
                    img.Set(x, y, 0xFF00FF);
    return img;
}

// b below a (both as wide): several states in one picture.
inline wgtest::Image Stack(wgtest::Image a, const wgtest::Image& b)
{
    a.bits.insert(a.bits.end(), b.bits.begin(), b.bits.end());
    a.h += b.h;
    return a;
}

} // namespace wgdlg

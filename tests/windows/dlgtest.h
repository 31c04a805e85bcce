// Support for the skinned-dialog tests: a dialog that records what reaches
// the default handling and runs a script inside its own modal loop, a panel
// with adjustable answers, and readers for window and skin pixels.
#pragma once
#include "wgtest.h"
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

    // Protected members the tests look at.
    using CVRK_DIALOG::RecalcTitleButtonPos;

    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message)
        {
        case WM_NCLBUTTONDOWN:
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
            if (m_pLog)
                m_pLog->Add(Fmt("default %04x %d", message, (int)wParam));
            return 0;
        case WM_SETCURSOR:
            if (m_pLog)
                m_pLog->Add(Fmt("default setcursor %d", (int)LOWORD(lParam)));
            return 0;
        case WM_NCACTIVATE:
            if (m_pLog && m_bLogActivation)
                m_pLog->Add(Fmt("default ncactivate %d", (int)wParam));
            return CVRK_DIALOG::DefWindowProc(message, wParam, lParam);
        case WM_ACTIVATE:
            if (m_pLog && m_bLogActivation)
                m_pLog->Add(Fmt("default activate %d", (int)LOWORD(wParam)));
            return CVRK_DIALOG::DefWindowProc(message, wParam, lParam);
        default:
            return CVRK_DIALOG::DefWindowProc(message, wParam, lParam);
        }
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

// Pixel of a window at window coordinates, frame included.
inline COLORREF WindowPixel(CWnd& wnd, int x, int y)
{
    HDC hdc = ::GetWindowDC(wnd.m_hWnd);
    COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(wnd.m_hWnd, hdc);
    return c;
}

// Skin bitmap 3002, read through its own memory DC.
class Skin
{
public:
    Skin()
    {
        WGLoadSkin(m_bmp, 3002);
        m_dc.CreateCompatibleDC(nullptr);
        m_pOld = m_dc.SelectObject(&m_bmp);
    }
    ~Skin()
    {
        if (m_pOld)
            m_dc.SelectObject(m_pOld);
    }
    COLORREF At(int x, int y) { return m_dc.GetPixel(x, y); }
    BOOL Loaded() const { return m_bmp.m_hObject != nullptr; }
    CDC* DC() { return &m_dc; }

private:
    CBitmap m_bmp;
    CDC m_dc;
    CBitmap* m_pOld = nullptr;
};

// Compares a w x h block of the window at (x, y) with the skin at (sx, sy);
// returns a description of the first difference, or "" when they match.
inline std::string CompareBlock(CWnd& wnd, int x, int y, Skin& skin, int sx, int sy, int w, int h)
{
    HDC hdc = ::GetWindowDC(wnd.m_hWnd);
    std::string s;
    for (int j = 0; j < h && s.empty(); ++j)
        for (int i = 0; i < w && s.empty(); ++i)
        {
            COLORREF a = ::GetPixel(hdc, x + i, y + j), e = skin.At(sx + i, sy + j);
            if (a != e)
                s = Fmt("window (%d,%d)=%06lx, skin (%d,%d)=%06lx", x + i, y + j, (unsigned long)a,
                        sx + i, sy + j, (unsigned long)e);
        }
    ::ReleaseDC(wnd.m_hWnd, hdc);
    return s;
}

} // namespace wgdlg

// Test support: a real top-level window hosting a recording panel, probe
// elements that log every event they receive, and pixel readers for the
// back buffers.
#pragma once
#include "wg.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace wgtest {

// One log shared by a panel and its probes, so the order of calls across
// elements and the application hooks is visible.
struct Log
{
    std::vector<std::string> lines;
    void Add(const std::string& s) { lines.push_back(s); }
    void Clear() { lines.clear(); }
    std::string Joined() const
    {
        std::string s;
        for (const auto& l : lines)
            s += (s.empty() ? "" : " | ") + l;
        return s;
    }
};

inline std::string Fmt(const char* fmt, ...)
{
    char buf[256];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof(buf), fmt, ap);
    va_end(ap);
    return buf;
}

class RecordingPanel : public CVRK_WGPANEL
{
public:
    Log* m_pLog = nullptr;
    int m_nOKResult = 0;
    int m_nCancelResult = 0;
    virtual void OnWGCommand(long nIndex, long nCode) { if (m_pLog) m_pLog->Add(Fmt("cmd %ld %ld", nIndex, nCode)); }
    virtual void OnMenuCommand(long nMenu, long nCommand) { if (m_pLog) m_pLog->Add(Fmt("menu %ld %ld", nMenu, nCommand)); }
    virtual void OnTipCommand(long nTip, long nCode)
    {
        if (m_pLog) m_pLog->Add(Fmt("tip %ld %ld", nTip, nCode));
        CVRK_WGPANEL::OnTipCommand(nTip, nCode);
    }
    virtual int OnOK() { if (m_pLog) m_pLog->Add("panel ok"); return m_nOKResult; }
    virtual int OnCancel() { if (m_pLog) m_pLog->Add("panel cancel"); return m_nCancelResult; }
};

// An element that logs every event as "<index>:<event>".
class Probe : public CVRK_WG
{
public:
    Log* m_pLog = nullptr;
    int m_nPaints = 0;   // CreateMyBGDC calls

    void Say(const std::string& s) { if (m_pLog) m_pLog->Add(Fmt("%ld:", m_nIndex) + s); }
    virtual void CreateMyBGDC(CDC* pDC) { ++m_nPaints; CVRK_WG::CreateMyBGDC(pDC); }
    virtual void OnButtonDown(CPoint p, long b) { Say(Fmt("down%ld %ld,%ld", b, p.x, p.y)); }
    virtual void OnButtonUp(CPoint p, long b) { Say(Fmt("up%ld %ld,%ld", b, p.x, p.y)); }
    virtual void OnButtonDClick(CPoint p, long b) { Say(Fmt("dbl%ld %ld,%ld", b, p.x, p.y)); }
    virtual void OnMouseMove(CPoint p) { Say(Fmt("move %ld,%ld", p.x, p.y)); }
    virtual void OnMouseWheel(short z) { Say(Fmt("wheel %d", z)); }
    virtual void OnChar(UINT c) { Say(Fmt("char %u", c)); }
    virtual void OnKeyDown(UINT c) { Say(Fmt("key %u", c)); }
    virtual void OnKeyUp(UINT c) { Say(Fmt("keyup %u", c)); }
    virtual void OnTimer() { Say("timer"); }
    virtual void OnGetFocus() { Say("get"); }
    virtual void OnLoseFocus() { Say("lose"); }
    virtual void OnOpenIME() { Say("ime"); }
};

// An element of class T that logs each repaint as "paint <index>", so the
// repaints and the reports to the panel appear in one sequence.
template <class T>
class PaintLogged : public T
{
public:
    Log* m_pLog = nullptr;
    virtual void CreateMyBGDC(CDC* pDC)
    {
        if (m_pLog) m_pLog->Add(Fmt("paint %ld", this->m_nIndex));
        T::CreateMyBGDC(pDC);
    }
};

// A visible top-level window with a panel filling it.
class HostWindow : public CWnd
{
public:
    BOOL Open(int w = 400, int h = 300)
    {
        return CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "wg test host", WS_POPUP | WS_VISIBLE,
                        10, 10, w, h, nullptr, nullptr);
    }
};

// One visible top-level window per test program: creating and destroying a
// mapped top-level window costs Wine about two seconds without a window
// manager, so every test hosts its panel on this one.
inline HostWindow& SharedHost()
{
    static HostWindow* s_pHost = nullptr;
    if (!s_pHost)
    {
        s_pHost = new HostWindow;
        s_pHost->Open();
    }
    return *s_pHost;
}

// Handles every queued message the way the application's pump does.
inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        AfxPumpMessage(&msg);
}

inline LPARAM XY(int x, int y) { return MAKELPARAM((WORD)(short)x, (WORD)(short)y); }

// Pixel of a bitmap that is normally not selected anywhere (the back buffers).
inline COLORREF PixelOf(CDC* pDC, CBitmap& bmp, int x, int y)
{
    CBitmap* pOld = pDC->SelectObject(&bmp);
    COLORREF c = pDC->GetPixel(x, y);
    if (pOld)
        pDC->SelectObject(pOld);
    return c;
}

inline COLORREF PanelPixel(CVRK_WGPANEL& panel, int x, int y)
{
    return PixelOf(panel.m_pBGDC, panel.m_bmpBG, x, y);
}

inline COLORREF ElementPixel(CVRK_WG& wg, int x, int y)
{
    return PixelOf(wg.m_pBGDC, wg.m_bmpBG, x, y);
}

// Sends a user's mouse actions to a panel window, from a script of tokens
// separated by spaces: "m" move, "d" left down, "u" left up, "D" left
// double-click, "r" right down, "R" right up, each followed by the client
// point, e.g. "m20,15 d20,15 u20,15".
inline void PlayMouse(CWnd& panel, const char* script)
{
    static const struct { char c; UINT msg; } kinds[] = {
        { 'm', WM_MOUSEMOVE }, { 'd', WM_LBUTTONDOWN }, { 'u', WM_LBUTTONUP },
        { 'D', WM_LBUTTONDBLCLK }, { 'r', WM_RBUTTONDOWN }, { 'R', WM_RBUTTONUP },
    };
    for (const char* p = script; *p;)
    {
        int x = 0, y = 0, n = 0;
        UINT msg = 0;
        for (const auto& k : kinds)
            if (k.c == *p)
                msg = k.msg;
        if (!msg || sscanf(p + 1, "%d,%d%n", &x, &y, &n) != 2)
        {
            ADD_FAILURE() << "bad mouse script at: " << p;
            return;
        }
        panel.SendMessage(msg, 0, XY(x, y));
        p += 1 + n;
        while (*p == ' ')
            ++p;
    }
}

// The lParam of a key message as the keyboard makes it: repeat count 1,
// the scan code, and for a release the previous-state and transition bits.
inline LPARAM KeyData(UINT vk, bool bUp)
{
    LPARAM lp = 1 | ((LPARAM)(::MapVirtualKeyA(vk, 0) & 0xFF) << 16);
    return bUp ? (lp | (LPARAM)0xC0000000u) : lp;
}

// Fixture for tests that make their own panels on the shared host window.
class SharedHostTest : public ::testing::Test
{
protected:
    HostWindow& m_top = SharedHost();
    void SetUp() override { ::SetActiveWindow(m_top.m_hWnd); }
    void TearDown() override
    {
        ::ReleaseCapture();
        Pump();
        AfxDeleteTempMaps();
    }
};

// Fixture: a host window, a recording panel on it and a log.
class PanelTest : public ::testing::Test
{
protected:
    // Elements must outlive the panel's window (its destruction still
    // routes a focus loss), so they live in the fixture.
    Log m_log;
    Probe m_p[8];
    HostWindow& m_host = SharedHost();
    RecordingPanel m_panel;

    void SetUp() override
    {
        ASSERT_TRUE(m_host.m_hWnd != nullptr);
        ::SetActiveWindow(m_host.m_hWnd);
        ASSERT_TRUE(m_panel.Create(&m_host));
        m_panel.m_pLog = &m_log;
        Pump();
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        m_panel.DestroyWindow();
        Pump();
        AfxDeleteTempMaps();
    }
    Probe& AddProbe(int i, int x, int y, int w, int h)
    {
        Probe& p = m_p[i];
        p.m_pLog = &m_log;
        p.Create(&m_panel, x, y, w, h);
        return p;
    }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return m_panel.SendMessage(msg, wp, lp); }
};

} // namespace wgtest

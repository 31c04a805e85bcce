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
    // The lines (only those starting with pszOnly), joined with " | ".
    std::string Joined(const char* pszOnly = "") const
    {
        std::string s;
        for (const auto& l : lines)
            if (l.compare(0, strlen(pszOnly), pszOnly) == 0)
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

// A top-level window that hosts panels.
class HostWindow : public CWnd {};

// One visible top-level window per test program: creating and destroying a
// mapped top-level window costs Wine about two seconds without a window
// manager, so every test hosts its panel on this one.
inline HostWindow& SharedHost()
{
    static HostWindow* s_pHost = nullptr;
    if (!s_pHost)
    {
        s_pHost = new HostWindow;
        s_pHost->CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "wg test host", WS_POPUP | WS_VISIBLE, 10, 10, 400, 300,
                          nullptr, nullptr);
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

// The lParam of a key message as the keyboard makes it: repeat count 1,
// the scan code, and for a release the previous-state and transition bits.
inline LPARAM KeyData(UINT vk, bool bUp)
{
    LPARAM lp = 1 | ((LPARAM)(::MapVirtualKeyA(vk, 0) & 0xFF) << 16);
    return bUp ? (lp | (LPARAM)0xC0000000u) : lp;
}

// Plays a script on a panel: tokens separated by spaces, each a letter and
// its numbers. The user: "m x,y" move; "d", "u", "c" x,y left down, up,
// double-click, and "D", "U", "C" the same with the right button; "k vk"
// and "K vk" key down and up; "a ch" character; "w z" wheel; "t id" timer;
// "p vk" a key down posted and pumped; "F0" WM_KILLFOCUS. The application:
// "N i" SetNowWG, "Q i" SetNowWGQuiet, "G i" GiveMeMouse, "B0" ByeMouse;
// "h i" and "x i" toggle element i's visibility and enabling; "L i" calls
// element i's OnLoseFocus.
inline void Play(CVRK_WGPANEL& panel, const char* script)
{
    static const char letters[] = "mducDUCkKawtF";
    static const UINT msgs[] = { WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                                 WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_MOUSEWHEEL,
                                 WM_TIMER, WM_KILLFOCUS };
    for (const char* p = script; *p;)
    {
        char* end = nullptr;
        long a = strtol(p + 1, &end, 10), b = 0;
        if (*end == ',')
            b = strtol(end + 1, &end, 10);
        CVRK_WG* pWG = a >= 0 && a < panel.m_nWGCount ? panel.m_pWG[a] : nullptr;
        const char* pLetter = strchr(letters, *p);
        const UINT msg = pLetter ? msgs[pLetter - letters] : 0;
        if (end == p + 1 || (!msg && !strchr("NQGBhxLp", *p)) || (!pWG && strchr("hxL", *p)))
        {
            ADD_FAILURE() << "bad script at: " << p;
            return;
        }
        switch (*p)
        {
        case 'N': panel.SetNowWG(a); break;
        case 'Q': panel.SetNowWGQuiet(a); break;
        case 'G': panel.GiveMeMouse(a); break;
        case 'B': panel.ByeMouse(); break;
        case 'h': pWG->m_bVisible = !pWG->m_bVisible; break;
        case 'x': pWG->m_bEnable = !pWG->m_bEnable; break;
        case 'L': pWG->OnLoseFocus(); break;
        case 'p': panel.PostMessage(WM_KEYDOWN, a, KeyData(a, false)); Pump(); break;
        default:
            if (msg == WM_MOUSEWHEEL)
                panel.SendMessage(msg, MAKEWPARAM(0, (WORD)(short)a), 0);
            else if (msg >= WM_MOUSEFIRST)
                panel.SendMessage(msg, 0, XY(a, b));
            else if (msg == WM_KEYDOWN || msg == WM_KEYUP)
                panel.SendMessage(msg, (WPARAM)a, KeyData((UINT)a, msg == WM_KEYUP));
            else
                panel.SendMessage(msg, (WPARAM)a, 0);
        }
        for (p = end; *p == ' ';)
            ++p;
    }
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
class PanelTest : public SharedHostTest
{
protected:
    // Elements must outlive the panel's window (its destruction still
    // routes a focus loss), so they live in the fixture.
    Log m_log;
    Probe m_p[8];
    HostWindow& m_host = m_top;
    RecordingPanel m_panel;

    void SetUp() override
    {
        SharedHostTest::SetUp();
        ASSERT_TRUE(m_panel.Create(&m_host));
        m_panel.m_pLog = &m_log;
        Pump();
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        m_panel.DestroyWindow();
        SharedHostTest::TearDown();
    }
    Probe& AddProbe(int i, int x, int y, int w, int h)
    {
        m_p[i].m_pLog = &m_log;
        m_p[i].Create(&m_panel, x, y, w, h);
        return m_p[i];
    }
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return m_panel.SendMessage(msg, wp, lp); }
};

} // namespace wgtest

// Test support for GoogleTest on top of the installed test kit: a real
// top-level window hosting a recording panel, probe elements that log every
// event they receive, and the fixtures.
#pragma once
#include "WGTestKit.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

namespace wgtest {

// The installed test kit is the base; these names stay the tests' own.
using wgtestkit::Fmt;
using wgtestkit::Log;
using wgtestkit::RecordingPanel;

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

using wgtestkit::ElementPixel;
using wgtestkit::KeyData;
using wgtestkit::PanelPixel;
using wgtestkit::PixelOf;
using wgtestkit::Pump;
using wgtestkit::XY;

// The kit's script player; a token it cannot read fails the test.
inline void Play(CVRK_WGPANEL& panel, const char* script)
{
    const std::string bad = wgtestkit::PlayScript(panel, script);
    if (!bad.empty())
        ADD_FAILURE() << "bad script at: " << bad;
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

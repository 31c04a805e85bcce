// Routing of mouse, keyboard, timer and focus events from the panel window
// to its elements, observed through probes that log every call.
#include "wgtest.h"
#include <memory>

using namespace wgtest;

namespace {

// A panel with probes, made anew for every case; the probes outlive the
// panel's window, as an application's member elements do.
struct Rig
{
    Log log;
    Probe p[5];
    RecordingPanel panel;
};

class Routing : public SharedHostTest
{
protected:
    std::unique_ptr<Rig> m_r;
    void Open()
    {
        m_r.reset(new Rig);
        ASSERT_TRUE(m_r->panel.Create(&m_top));
        m_r->panel.m_pLog = &m_r->log;
    }
    // Probes from "x,y,w,h" entries separated by spaces; a trailing "h"
    // makes one hidden, an "x" disabled.
    void Layout(const char* layout)
    {
        int i = 0, x, y, w, h, n;
        for (const char* p = layout; sscanf(p, "%d,%d,%d,%d%n", &x, &y, &w, &h, &n) == 4; ++i)
        {
            Probe& probe = m_r->p[i];
            probe.m_pLog = &m_r->log;
            probe.Create(&m_r->panel, x, y, w, h);
            for (p += n; *p && *p != ' '; ++p)
                (*p == 'h' ? probe.m_bVisible : probe.m_bEnable) = FALSE;
            while (*p == ' ')
                ++p;
        }
    }
    std::string State()
    {
        const CVRK_WGPANEL& panel = m_r->panel;
        long nFocus = -1;
        for (int i = 0; i < panel.m_nWGCount; ++i)
            nFocus = m_r->p[i].m_bFocus ? i : nFocus;
        return Fmt("now %ld owner %ld focus %ld capture %d keys %d", panel.m_nNowWG, panel.m_nMouseWG, nFocus,
                   ::GetCapture() == panel.m_hWnd, ::GetFocus() == panel.m_hWnd);
    }
};

struct Case { const char* layout; const char* script; const char* log; const char* state; };

const Case g_cases[] = {
    // A press goes to the topmost (later) element and makes it current; the
    // current element pressed again is not told twice.
    { "10,10,50,20 40,15,50,20", "d45,20 d12,12 D12,12",
      "1:get | 1:down0 45,20 | 1:lose | 0:get | 0:down0 12,12 | 0:down2 12,12", "now 0 owner -1 focus 0 capture 0 keys 0" },
    // Hidden and disabled elements are not hit: the hidden one's press goes
    // beneath, the disabled one's to the empty area; ups and double-clicks
    // there do nothing.
    { "10,10,100,100 20,20,30,30h 200,10,30,30x", "d25,25 d210,20 u210,20 c300,250",
      "0:get | 0:down0 25,25 | 0:lose", "now -1 owner -1 focus -1 capture 0 keys 0" },
    // Up and double-click prefer the current element, else the topmost, and
    // never change the current one.
    { "10,10,50,50 30,30,50,50", "d15,15 u35,35 C70,70 U70,70 c35,35",
      "0:get | 0:down0 15,15 | 0:up0 35,35 | 1:dbl2 70,70 | 1:up2 70,70 | 0:dbl0 35,35",
      "now 0 owner -1 focus 0 capture 0 keys 0" },
    // The mouse owner gets everything everywhere, hidden or not; a press
    // makes it current by index only.
    { "10,10,20,20 100,100,20,20", "G0 h0 m105,105 d-40,500 u105,105 C105,105 h0 w-120 B0 m105,105 m300,5",
      "0:move 105,105 | 0:down0 -40,500 | 0:up0 105,105 | 0:dbl2 105,105 | 0:wheel -120 | 1:move 105,105",
      "now 0 owner -1 focus -1 capture 0 keys 1" },
    // The wheel goes to a visible current element, even a disabled one.
    { "10,10,20,20", "w120 Q0 x0 w240 h0 w120", "0:wheel 240", "now 0 owner -1 focus 0 capture 0 keys 0" },
    // The first Tab selects the first element silently; then Tab moves on
    // and wraps, over hidden and disabled elements too.
    { "10,10,20,20 40,10,20,20h 70,10,20,20x", "k9", "", "now 0 owner -1 focus -1 capture 0 keys 0" },
    { "10,10,20,20 40,10,20,20h 70,10,20,20x", "k9 k9 k9 k9", "0:lose | 1:get | 1:lose | 2:get | 2:lose | 0:get",
      "now 0 owner -1 focus 0 capture 0 keys 0" },
    // Keys and characters reach only a visible, enabled current element; a
    // GBK lead byte arrives unchanged.
    { "", "k65 a97 K65 t0 w120 d5,5 k9", "", "now -1 owner -1 focus -1 capture 0 keys 0" },
    { "10,10,20,20", "k65 Q0 k66 a176 K66 x0 k67 a99 x0 h0 K68", "0:key 66 | 0:char 176 | 0:keyup 66",
      "now 0 owner -1 focus 0 capture 0 keys 0" },
    // Through the pump, Tab hands its character to the new current element;
    // Enter and Escape without a dialog reach the current element.
    { "10,10,20,20 40,10,20,20", "Q0 p9 p13 p27",
      "0:lose | 1:get | 1:char 9 | 1:key 13 | 1:char 13 | 1:key 27 | 1:char 27",
      "now 1 owner -1 focus 1 capture 0 keys 0" },
    // A timer goes to the element with its index, hidden and disabled or not.
    { "10,10,20,20 40,10,20,20 70,10,20,20 100,10,20,20hx 130,10,20,20", "t3 t7 t5 t-1 t0", "3:timer | 0:timer",
      "now -1 owner -1 focus -1 capture 0 keys 0" },
    // SetNowWG tells the loser, then the mouse owner, then the winner; the
    // quiet variant calls nobody; another index releases the mouse.
    { "10,10,20,20 40,10,20,20 70,10,20,20 100,10,20,20", "Q1 G2 N3", "1:lose | 2:lose | 3:get",
      "now 3 owner -1 focus 3 capture 0 keys 1" },
    // The same index: lose, then get again; an owner that is current is told once.
    { "10,10,20,20 40,10,20,20 70,10,20,20 100,10,20,20", "N3 N3 G3 N-1", "3:get | 3:lose | 3:get | 3:lose",
      "now -1 owner -1 focus -1 capture 0 keys 1" },
    // Indices out of range change nothing.
    { "10,10,20,20", "N0 N1 N-2 Q5 G1 G-1", "0:get", "now 0 owner -1 focus 0 capture 0 keys 0" },
    // Losing the window focus takes it from the current element and the owner.
    { "10,10,20,20 40,10,20,20", "N0 G1 F0", "0:get | 0:lose | 1:lose", "now -1 owner -1 focus -1 capture 0 keys 1" },
};

TEST_F(Routing, Table)
{
    for (const Case& c : g_cases)
    {
        SCOPED_TRACE(Fmt("layout \"%s\", script \"%s\"", c.layout, c.script));
        Open();
        Layout(c.layout);
        Play(m_r->panel, c.script);
        EXPECT_EQ(c.log, m_r->log.Joined());
        EXPECT_EQ(c.state, State());
        m_r.reset();
    }
}

TEST_F(Routing, RegistrationStopsAtTwoHundredAndIgnoresNull)
{
    Open();
    CVRK_WGPANEL& panel = m_r->panel;
    std::vector<CVRK_WG> extra(201);
    panel.AddWG(nullptr);
    EXPECT_EQ(0, panel.m_nWGCount);
    for (int i = 0; i < 201; ++i)
        EXPECT_EQ(1, extra[i].Create(&panel, i, 0, 1, 1));
    EXPECT_EQ(200, panel.m_nWGCount);
    EXPECT_EQ(199, extra[199].m_nIndex);
    EXPECT_EQ(-1, extra[200].m_nIndex);
    extra[200].MoveAndNewWH(0, 250, 30, 30);   // the refused element is never hit
    panel.SendMessage(WM_LBUTTONDOWN, 0, XY(5, 255));
    EXPECT_EQ(-1, panel.m_nNowWG);
    EXPECT_EQ(1, panel.SendMessage(WM_MOUSEWHEEL));   // the wheel is always the panel's
    panel.DestroyWindow();                            // before the elements go away
}

} // namespace

// The push button's looks, and the pointer and press rules of every
// clickable control as one table over the kinds: hover takes the mouse and
// shows the hand, leaving gives both back, and each press repaints, then
// reports.
#include "golden.h"
#include <memory>

using namespace wgtest;

namespace {

class Button : public PanelTest {};

// Normal; twice as tall with the mark; hovered with the mark; disabled; a
// caption wider than its button; round corners over a green element.
TEST_F(Button, Looks)
{
    CVRK_WG green;
    PaintLogged<CWG_Button> btn[6];
    green.m_crBG = 0x00FF00;
    green.m_bBorder = FALSE;
    green.Create(&m_panel, 2, 25, 44, 23);
    btn[0].Create(&m_panel, "OK", 4, 4, 40, 19, FALSE);
    btn[1].Create(&m_panel, "", 48, 4, 40, 38, TRUE);
    btn[2].Create(&m_panel, "Go", 92, 4, 40, 19, TRUE);
    btn[3].Create(&m_panel, "Off", 136, 4, 40, 19, FALSE);
    btn[3].m_bEnable = FALSE;
    btn[4].Create(&m_panel, "A caption far wider than its button", 180, 4, 30, 19, FALSE);
    btn[5].m_bRoundCorner = TRUE;
    btn[5].Create(&m_panel, "R", 4, 27, 40, 19, FALSE);
    m_panel.DrawMe();
    Play(m_panel, "m100,10");
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(0, 0, 214, 50)), "buttons"));
    btn[1].m_pLog = &m_log;
    m_log.Clear();
    btn[1].SetCaption("C");   // a new caption shows at once
    EXPECT_EQ("paint 2", m_log.Joined());
    m_panel.DestroyWindow();   // before the elements go
}

// ---- the clickable kinds ------------------------------------------------------------

template <class T>
T* Logged(Log* pLog, T* p = new PaintLogged<T>)
{
    static_cast<PaintLogged<T>*>(p)->m_pLog = pLog;
    return p;
}

// An element of the kind at (10, y).
CVRK_WG* Make(const std::string& kind, CVRK_WGPANEL* p, Log* l, long y)
{
    CWG_Button* b = kind == "button" || kind == "disabled button" ? Logged<CWG_Button>(l) : nullptr;
    CWG_Check* c = kind == "check" ? Logged<CWG_Check>(l) : nullptr;
    CWG_CptButton* cb = kind == "caption button" ? Logged<CWG_CptButton>(l) : nullptr;
    CWG_LabelButton* lb = kind.compare(0, 12, "label button") ? nullptr : Logged<CWG_LabelButton>(l);
    if (b && b->Create(p, "Go", 10, y, 60, 19, FALSE))
        b->m_bEnable = kind == "button";
    if (c)
        c->Create(p, "Check", 10, y, 80, 0);
    if (cb)
        cb->Create(p, "Colours", 10, y);
    if (lb && lb->Create(p, "Click", 10, y, 80, 20))
        lb->m_bPressMode = kind == "label button on release";
    return b ? (CVRK_WG*)b : c ? (CVRK_WG*)c : cb ? (CVRK_WG*)cb : (CVRK_WG*)lb;
}

std::string State(CVRK_WG* e)
{
    if (auto* b = dynamic_cast<CWG_Button*>(e))
        return Fmt("hover %d", b->m_bHover);
    if (auto* c = dynamic_cast<CWG_Check*>(e))
        return Fmt("hover %d value %d", c->m_bHover, c->m_nValue);
    if (auto* b = dynamic_cast<CWG_CptButton*>(e))
        return Fmt("hover %d", b->m_bHover);
    return Fmt("state %d", static_cast<CWG_LabelButton*>(e)->m_nState);
}

struct Case { const char* kind; const char* script; const char* log; const char* state; };

const Case g_cases[] = {
    { "button", "m20,15 m22,15", "paint 0", "hover 1, hover 0, owner 0 hand" },
    { "button", "m20,15 m200,200", "paint 0 | paint 0", "hover 0, hover 0, owner -1 arrow" },
    // Every press repaints, the hover gone at once, then reports 5; nothing
    // on button-up; the right button and a double-click press too.
    { "button", "m20,15 d20,15 u20,15 D20,45 c20,45",
      "paint 0 | paint 0 | cmd 0 5 | paint 1 | cmd 1 5 | paint 1 | cmd 1 5",
      "hover 0, hover 0, owner -1 arrow" },
    { "button", "m20,15 d20,15 m20,15", "paint 0 | paint 0 | cmd 0 5 | paint 0",
      "hover 1, hover 0, owner 0 hand" },
    { "disabled button", "m20,15 d20,15", "", "hover 0, hover 0, owner -1 arrow" },
    // The check's hover has no look of its own.
    { "check", "m50,15 m52,16", "", "hover 1 value 0, hover 0 value 0, owner 0 hand" },
    { "check", "m50,15 m50,45", "", "hover 0 value 0, hover 0 value 0, owner -1 arrow" },
    // Losing the focus gives the mouse back, but only the holder's (here the
    // application gave it to the other element meanwhile).
    { "check", "m50,15 G1 L0", "", "hover 0 value 0, hover 0 value 0, owner 1 hand" },
    { "check", "m50,15 m50,45 m50,45 N-1", "", "hover 0 value 0, hover 0 value 0, owner -1 arrow" },
    // Either button toggles and reports 9; a double-click toggles once more.
    { "check", "d12,15 u12,15", "paint 0 | cmd 0 9", "hover 0 value 1, hover 0 value 0, owner -1 none" },
    { "check", "d12,15 u12,15 D12,15 U12,15 d12,15 c12,15",
      "paint 0 | cmd 0 9 | paint 0 | cmd 0 9 | paint 0 | cmd 0 9 | paint 0 | cmd 0 9",
      "hover 0 value 0, hover 0 value 0, owner -1 none" },
    { "caption button", "m12,12 m13,13", "paint 0", "hover 1, hover 0, owner 0 hand" },
    { "caption button", "m12,12 m300,200", "paint 0 | paint 0", "hover 0, hover 0, owner -1 arrow" },
    { "caption button", "m12,12 d12,12 u12,12 c12,12 D12,12",
      "paint 0 | paint 0 | cmd 0 5 | paint 0 | cmd 0 5 | paint 0 | cmd 0 5",
      "hover 0, hover 0, owner -1 arrow" },
    // Without press mode the label button fires on button-down, the hover
    // gone at once.
    { "label button", "m20,15", "paint 0", "state 1, state 0, owner 0 hand" },
    { "label button", "m20,15 d20,15 u20,15", "paint 0 | paint 0 | cmd 0 5", "state 0, state 0, owner -1 arrow" },
    { "label button", "d20,15 u20,15 c20,15 u20,15", "paint 0 | cmd 0 5 | paint 0 | cmd 0 5",
      "state 0, state 0, owner -1 arrow" },
    // Losing the focus returns to normal and gives the mouse back.
    { "label button", "m20,15 N-1", "paint 0 | paint 0", "state 0, state 0, owner -1 arrow" },
    { "label button", "d20,15 N-1", "paint 0 | cmd 0 5", "state 0, state 0, owner -1 arrow" },
    { "label button", "m20,15 G1 L0", "paint 0 | paint 0", "state 0, state 0, owner 1 hand" },
    // Press mode: the pressed look on down, one click on the release inside.
    { "label button on release", "m20,15 d20,15", "paint 0 | paint 0", "state 2, state 0, owner 0 hand" },
    { "label button on release", "m20,15 d20,15 u20,15 u20,15", "paint 0 | paint 0 | paint 0 | cmd 0 5",
      "state 0, state 0, owner -1 arrow" },
    { "label button on release", "m20,15 d20,15 u200,150", "paint 0 | paint 0",
      "state 2, state 0, owner 0 hand" },
    { "label button on release", "m20,15 d20,15 u200,150 m200,150", "paint 0 | paint 0 | paint 0",
      "state 0, state 0, owner -1 arrow" },
    { "label button on release", "m20,15 d20,15 m200,150 u200,150", "paint 0 | paint 0 | paint 0",
      "state 0, state 0, owner -1 arrow" },
    // A move while pressed returns to the hover look: the release then does nothing.
    { "label button on release", "m20,15 d20,15 m22,15 u22,15", "paint 0 | paint 0 | paint 0",
      "state 1, state 0, owner 0 hand" },
    { "label button on release", "m20,15 d20,15 N-1", "paint 0 | paint 0 | paint 0",
      "state 0, state 0, owner -1 arrow" },
};

class Clickable : public SharedHostTest {};

TEST_F(Clickable, HoverAndPressTable)
{
    for (const Case& c : g_cases)
    {
        SCOPED_TRACE(Fmt("%s: %s", c.kind, c.script));
        Log log;
        std::unique_ptr<CVRK_WG> e0, e1;   // outlive the panel's window
        RecordingPanel panel;
        ASSERT_TRUE(panel.Create(&m_top));
        panel.m_pLog = &log;
        e0.reset(Make(c.kind, &panel, &log, 10));
        e1.reset(Make(c.kind, &panel, &log, 40));
        ASSERT_TRUE(e0 && e1);
        panel.DrawMe();
        log.Clear();
        ::SetCursor(nullptr);
        Play(panel, c.script);
        const HCURSOR h = ::GetCursor();
        const char* cursor = h == CWGHover::StandardCursor(IDC_HAND) ? "hand"
                             : h == CWGHover::StandardCursor(IDC_ARROW) ? "arrow" : h ? "other" : "none";
        EXPECT_EQ(c.log, log.Joined());
        EXPECT_EQ(c.state, State(e0.get()) + ", " + State(e1.get()) + Fmt(", owner %ld %s", panel.m_nMouseWG, cursor));
        panel.DestroyWindow();
    }
}

} // namespace

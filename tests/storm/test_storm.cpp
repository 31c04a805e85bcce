// Event storm: a seeded random stream of everything a user and the system can
// send to a panel holding every element kind, checking the panel's rules
// after every single event. Each host is stormed twice: once plainly, once
// with meddlers, elements and a panel whose hooks change the panel while it
// calls them (move the focus, take the mouse, hide, disable, resize,
// repaint, pump messages). The seed is printed first; WG_STORM_SEED=<seed>
// replays a run, WG_STORM_EVENTS=<n> sets its length (20,000 by default).
// At the end the elements die before their panel's window, and none of them
// may be called or written afterwards.
#include "wgtest.h"
#include "wgkinds.h"
#include "deadtrap.h"
#include <algorithm>
#include <functional>
#include <deque>
#include <map>
#include <random>
#include <stdio.h>
#include <stdlib.h>

using namespace wgtest;
using namespace wgkinds;

namespace {

class StormPanel : public CVRK_WGPANEL
{
public:
    long m_nCommands = 0;
    long m_nOK = 0;
    long m_nCancel = 0;
    long m_nKillFocus = 0;   // WM_KILLFOCUS received, the storm's own or the system's
    std::function<void()> m_fnMeddle;   // run from the hooks, when set
    virtual void OnWGCommand(long nIndex, long nCode)
    {
        ++m_nCommands;
        if (m_fnMeddle)
            m_fnMeddle();
    }
    virtual int OnOK() { ++m_nOK; return 0; }
    virtual int OnCancel() { ++m_nCancel; return 0; }

protected:
    void OnKillFocus(CWnd* pNewWnd)
    {
        ++m_nKillFocus;
        CVRK_WGPANEL::OnKillFocus(pNewWnd);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(StormPanel, CVRK_WGPANEL)
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

// An element whose hooks meddle with its panel.
class Meddler : public CVRK_WG
{
public:
    std::function<void()>* m_pfnMeddle = nullptr;
    void Meddle() { if (m_pfnMeddle && *m_pfnMeddle) (*m_pfnMeddle)(); }
    virtual void OnButtonDown(CPoint, long) { Meddle(); }
    virtual void OnKeyDown(UINT) { Meddle(); }
    virtual void OnTimer() { Meddle(); }
    virtual void OnGetFocus() { Meddle(); }
    virtual void OnLoseFocus() { Meddle(); }
    virtual void OnMouseMove(CPoint) { Meddle(); }
};

const ElementKind g_meddlerKind = {
    "meddler", 60, 20,
    [](CVRK_WGPANEL* p, long x, long y, long w, long h) -> CVRK_WG* {
        Meddler* m = new Meddler;
        m->Create(p, x, y, w, h);
        return m;
    },
    nullptr, 0, nullptr, nullptr };

unsigned long long StormSeed()
{
    const char* s = getenv("WG_STORM_SEED");
    if (s && *s)
        return strtoull(s, nullptr, 0);
    LARGE_INTEGER q;
    ::QueryPerformanceCounter(&q);
    return (unsigned long long)(q.QuadPart ^ ((LONGLONG)::GetCurrentProcessId() << 20)) & 0xFFFFFFFFull;
}

long StormEvents()
{
    const char* s = getenv("WG_STORM_EVENTS");
    long n = (s && *s) ? strtol(s, nullptr, 0) : 0;
    return n > 0 ? n : 20000;
}


const UINT g_keys[] = { VK_TAB, VK_TAB, VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_UP,
                        VK_DOWN, VK_SHIFT, VK_CONTROL, VK_DELETE, VK_BACK, VK_HOME, VK_END,
                        VK_SPACE, VK_F1, 'A', 'C', 'V', 'X', 'Z', '0', '9' };

// What the panel's routing must have made of the current element after one
// event, worked out from the state before it.
struct Expect
{
    bool bActive = false;
    long nNow = -1;
    long nFocus = -1;        // element with m_bFocus afterwards, -1: none
    bool bMouseNone = false; // no mouse owner afterwards
    bool bMouseSame = false; // mouse owner unchanged
    bool bMouseSameOrNone = false;
};

class Storm
{
public:
    // Destruction order matters: the host destroys the panel's window
    // before the elements go, and the panel object outlives both.
    StormPanel m_panel;
    ElementSet m_set;
    std::unique_ptr<Host> m_host;
    std::mt19937_64 m_rng;
    int m_cx = 400, m_cy = 300;
    std::deque<std::string> m_recent;   // the last events, for a failure report
    long m_nNowChanges = 0;
    long m_nOwnerChanges = 0;
    int m_nLastKind = 0;                     // kind of the last event
    bool m_bFocusTakenFromPanel = false;     // event 16 took the focus from the panel

    long m_nMeddles = 0;                     // meddling actions run so far
    int m_nMeddleDepth = 0;

    // Popups of the panel: never activated, never taking the capture here
    // (the panel's own capture rules are checked), hidden and shown at random.
    CWG_Tip m_tip;
    CWG_LayerWindow m_layer;

    // Menus: the panel's own with a submenu, and two free-standing ones
    // owned by an element picked at random. Their exclusion rectangles
    // cover the screen: a closing click is never replayed into the queue
    // the storm pumps.
    CVRK_MENUWND m_menuPanel, m_menuSub, m_menuFree[2];
    CVRK_MENUWND* m_pHotMenu = nullptr;   // the application's hot-menu variable
    long m_nMenusOpen = 0;                // menu events that left a menu open
    long m_nDropDownEvents = 0;           // events 27 that reached an open drop-down
    long m_nEditorsShown = 0;             // events after which an editor was shown

    explicit Storm(unsigned long long seed) : m_rng(seed) { CVRK_MENUWND::ppCommonHotMenu = &m_pHotMenu; }
    ~Storm() { CVRK_MENUWND::ppCommonHotMenu = nullptr; }

    void Menus(long n)
    {
        CVRK_MENUWND* all[] = { &m_menuPanel, &m_menuFree[0], &m_menuFree[1] };
        if (!m_menuPanel.m_hWnd)
        {
            CString rows[] = { ">more", "one", "----", "\xB6\xFE two" }, sub[] = { "a", "b" }, free[] = { "x", "----", ">y" };
            m_menuPanel.Create(&m_panel, 3, rows, 4, 0);
            m_menuSub.Create(&m_menuPanel, 2, sub, 2, 0);
            for (CVRK_MENUWND& m : m_menuFree)
                m.Create(&m_panel, 0, free, 3, 0);
            for (CVRK_MENUWND* m : all)
                m->m_rcExclude = CRect(-10000, -10000, 10000, 10000);
        }
        for (int k = U(1, 4); k-- > 0;)
            MenuAction(n, all);
        m_nMenusOpen += m_pHotMenu != nullptr;
    }

    void MenuAction(long n, CVRK_MENUWND* const (&all)[3])
    {
        CVRK_MENUWND* pMenu = all[U(0, 2)];
        for (CVRK_MENUWND* m : all)
            if (m->m_bShown && U(0, 3))
                pMenu = m;   // mostly the open one
        const int a = U(0, 7);
        // Mostly on a row (the panel menu's first opens its submenu).
        const long x = U(0, 3) ? U(0, 70) : U(-50, 300);
        const long y = U(0, 3) ? U(0, pMenu->m_nItemCount - 1) * pMenu->m_nItemHeight + U(5, 20) : U(-20, 100);
        Note(Fmt("%ld menu %d on %d at %ld,%ld", n, a, (int)(std::find(all, all + 3, pMenu) - all), x, y));
        switch (a)
        {
        case 0: case 1:
            pMenu->m_pOwnerWG = Count() && U(0, 1) ? m_panel.m_pWG[U(0, Count() - 1)] : nullptr;
            pMenu->Popup(U(-50, 1300), U(-50, 1050));
            break;
        case 2:
            if (!pMenu->m_bShown)
                pMenu->Popup(U(-50, 1300), U(-50, 1050));
            pMenu->SendMessage(WM_MOUSEMOVE, 0, XY(x, y));
            break;
        case 3: pMenu->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(x, y)); break;
        case 4: pMenu->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, XY(x, y)); break;
        case 5: PostAndPump(WM_KEYDOWN, 'M', KeyData('M', false)); PostAndPump(WM_KEYUP, 'M', KeyData('M', true)); break;
        case 6: ::SetCapture(m_host->TopWindow()->m_hWnd); ::ReleaseCapture(); break;
        case 7: pMenu->Shirk(); break;
        }
    }

    // What must hold of the menus after any event.
    std::string CheckMenus() const
    {
        if (!m_menuPanel.m_hWnd)
            return "";
        const CVRK_MENUWND* all[] = { &m_menuPanel, &m_menuFree[0], &m_menuFree[1], &m_menuSub };
        const HWND hCapture = ::GetCapture();
        int nShown = 0;
        for (const CVRK_MENUWND* m : all)
        {
            if (!m->m_bShown != !::IsWindowVisible(m->m_hWnd))
                return Fmt("a menu says shown %d, its window disagrees", m->m_bShown);
            if (m->m_bShown && m != &m_menuSub && (++nShown, hCapture != m->m_hWnd))
                return "a menu is open without the capture";
            if (!m->m_bShown && hCapture == m->m_hWnd)
                return "a closed menu holds the capture";
        }
        if (nShown > 1)
            return Fmt("%d menus open at once", nShown);
        if (m_menuSub.m_bShown && !m_menuPanel.m_bShown)
            return "a submenu is open under a closed menu";
        if ((m_panel.m_pPopMenu != nullptr) != (m_menuPanel.m_bShown != 0) ||
            (m_panel.m_pPopMenu && m_panel.m_pPopMenu != &m_menuPanel))
            return "the panel's open menu disagrees with its menu";
        if (m_pHotMenu && !m_pHotMenu->m_bShown)
            return "the hot-menu variable holds a closed menu";
        return "";
    }

    void Popups(long n)
    {
        if (!m_tip.m_hWnd)
        {
            m_tip.create(&m_panel, -1, 500);
            m_tip.setShowAndHideByOtherControl(1);
            m_panel.AddTip(&m_tip);
            m_layer.Create(&m_panel, 120, 60);
        }
        const int a = U(0, 5);
        const long x = U(-50, 1300), y = U(-50, 1050);
        Note(Fmt("%ld popup %d at %ld,%ld", n, a, x, y));
        switch (a)
        {
        case 0: m_tip.show(x, y, U(0, 1) ? "tip" : "\xCC\xE1\xCA\xBE\rtwo", -1, (kWG_Tip_ShowPositionStyle)U(0, 2)); break;
        case 1: m_tip.SendMessage(WM_TIMER, U(0, 1) ? CWG_Tip::TIMER_FADE_IN : CWG_Tip::TIMER_HIDE); break;
        case 2: m_tip.hide(); break;
        case 3: m_layer.Show(x, y, FALSE); break;
        case 4: m_layer.SendMessage(WM_TIMER, U(0, 1) ? CWG_LayerWindow::TIMER_FADE_IN : CWG_LayerWindow::TIMER_FADE_OUT); break;
        case 5: m_layer.Hide(); break;
        }
    }

    // The element whose visibility the application toggles for element i:
    // an editor's is its list's editing state, so its list's is toggled.
    CVRK_WG* VisibilityTarget(long& i)
    {
        CVRK_WG* p = m_panel.m_pWG[i];
        if (CWG_EditListEditor* pEditor = dynamic_cast<CWG_EditListEditor*>(p))
            if (pEditor->m_pOwnerList)
                p = pEditor->m_pOwnerList, i = p->m_nIndex;
        return p;
    }

    // One thing a hook may do to its panel while the panel is calling it.
    void MeddleOnce()
    {
        if (m_nMeddleDepth > 1 || U(0, 2) != 0)
            return;
        ++m_nMeddleDepth;
        ++m_nMeddles;
        const long k = U(-1, Count() - 1);
        CVRK_WG* p = k >= 0 ? m_panel.m_pWG[k] : nullptr;
        switch (U(0, 9))
        {
        case 0: m_panel.SetNowWG(k); break;
        case 1: m_panel.SetNowWGQuiet(k); break;
        case 2: if (k >= 0) m_panel.GiveMeMouse(k); else m_panel.ByeMouse(); break;
        case 3: { long j = k; if (CVRK_WG* q = j >= 0 ? VisibilityTarget(j) : nullptr) { q->m_bVisible = !q->m_bVisible; m_panel.RefreshWG(j); } break; }
        case 4: if (p) { p->m_bEnable = !p->m_bEnable; m_panel.RefreshWG(k); } break;
        case 5: m_host->Resize(U(50, 500), U(50, 400)); break;
        case 6: m_panel.DrawMe(); break;
        case 7: Pump(); break;
        case 8: ::SetFocus(m_host->TopWindow()->m_hWnd); break;
        case 9: m_panel.SetFocus(); break;
        }
        --m_nMeddleDepth;
    }

    void StartMeddling()
    {
        m_panel.m_fnMeddle = [this] { MeddleOnce(); };
        for (int i = 0; i < 6; ++i)
            static_cast<Meddler*>(m_set.Add(g_meddlerKind, &m_panel, U(0, m_cx - 60), U(0, m_cy - 20)))
                ->m_pfnMeddle = &m_panel.m_fnMeddle;
        m_panel.DrawMe();
    }

    int U(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    long Count() const { return m_panel.m_nWGCount; }
    HWND Wnd() const { return m_panel.m_hWnd; }

    bool Open(const HostKind& hk, CWnd* pTop)
    {
        m_host = hk.open(pTop, &m_panel, m_cx, m_cy);
        if (!m_host)
            return false;
        // Every kind three times: its own size, stretched, and tiny; at
        // random places, so some overlap and some stick out of the panel.
        for (const ElementKind& k : ElementKinds())
        {
            m_set.Add(k, &m_panel, U(0, m_cx - 20), U(0, m_cy - 10));
            m_set.Add(k, &m_panel, U(-10, m_cx - 20), U(-5, m_cy - 10), k.w * 3 / 2, k.h * 2);
            m_set.Add(k, &m_panel, U(0, m_cx - 5), U(0, m_cy - 5), U(1, 4), U(1, 4));
        }
        m_panel.DrawMe();
        Pump();
        return true;
    }

    CPoint RandPoint()
    {
        int r = U(0, 99);
        if (r < 60 && Count() > 0)
        {
            const CRect& rc = m_panel.m_pWG[U(0, Count() - 1)]->m_rect;
            return CPoint(U(rc.left - 2, rc.right + 2), U(rc.top - 2, rc.bottom + 2));
        }
        if (r < 85)
            return CPoint(U(0, m_cx - 1), U(0, m_cy - 1));
        // Outside the panel (or now and then just inside its edge).
        return CPoint(U(-300, m_cx + 300), U(-300, m_cy + 300));
    }

    LRESULT Send(UINT msg, WPARAM wp, LPARAM lp) { return ::SendMessageA(Wnd(), msg, wp, lp); }

    // Through the application's pump, so the panel's PreTranslateMessage runs
    // (and TranslateMessage makes the characters of key downs).
    void PostAndPump(UINT msg, WPARAM wp, LPARAM lp)
    {
        ::PostMessageA(Wnd(), msg, wp, lp);
        Pump();
    }

    void Note(const std::string& s)
    {
        m_recent.push_back(s);
        if (m_recent.size() > 24)
            m_recent.pop_front();
    }

    long TopmostHit(CPoint pt) const
    {
        for (long i = Count() - 1; i >= 0; --i)
            if (m_panel.m_pWG[i]->PtInMe(pt))
                return i;
        return -1;
    }

    Expect AfterButtonDown(CPoint pt)
    {
        Expect e;
        e.bActive = true;
        long nOwner = m_panel.m_nMouseWG, nNow = m_panel.m_nNowWG;
        e.nNow = nNow;
        e.nFocus = FocusedNow();
        if (nOwner >= 0)
        {
            // The owner gets the press; with nobody current it becomes
            // current by index only.
            if (nNow < 0)
                e.nNow = nOwner;
            return e;
        }
        if (Count() == 0 || (nNow >= 0 && m_panel.m_pWG[nNow]->PtInMe(pt)))
            return e;
        e.nNow = e.nFocus = TopmostHit(pt);
        return e;
    }

    Expect AfterTab()
    {
        Expect e;
        e.bActive = true;
        e.nNow = m_panel.m_nNowWG;
        e.nFocus = FocusedNow();
        if (Count() == 0)
            return e;
        if (e.nNow < 0)
        {
            e.nNow = 0;   // the first Tab: index only
            return e;
        }
        e.nNow = e.nFocus = (e.nNow + 1) % Count();
        return e;
    }

    Expect AfterFocusLoss()
    {
        Expect e;
        e.bActive = true;
        e.nNow = e.nFocus = -1;
        e.bMouseNone = true;
        return e;
    }

    // Only a button-down, Tab, a focus loss or the application change the
    // current element; every other event leaves it (the mouse owner may
    // change: hover takes and gives back the mouse).
    Expect NowSame()
    {
        Expect e;
        e.bActive = true;
        e.nNow = m_panel.m_nNowWG;
        e.nFocus = FocusedNow();
        return e;
    }

    Expect Unchanged()
    {
        Expect e;
        e.bActive = true;
        e.nNow = m_panel.m_nNowWG;
        e.nFocus = FocusedNow();
        e.bMouseSame = true;
        return e;
    }

    long FocusedNow() const
    {
        for (long i = 0; i < Count(); ++i)
            if (m_panel.m_pWG[i]->m_bFocus)
                return i;
        return -1;
    }

    // One random event; returns what the routing must have done.
    Expect Event(long n)
    {
        // Relative weights: the events that repaint the whole panel are
        // rare, so the short storm stays quick.
        static const int weights[] = {
            88, // 0 mouse move
            24, // 1 left down
            20, // 2 left up
            8,  // 3 left double-click
            12, // 4 right down
            12, // 5 right up
            4,  // 6 right double-click
            12, // 7 wheel
            24, // 8 key down (sent)
            12, // 9 key up (sent)
            20, // 10 key down and up through the pump
            16, // 11 character (sent)
            8,  // 12 character through the pump
            8,  // 13 timer, valid id
            8,  // 14 timer, invalid id
            3,  // 15 WM_KILLFOCUS
            2,  // 16 real focus loss (focus to the top window)
            1,  // 17 panel resize
            8,  // 18 show / hide an element
            8,  // 19 enable / disable an element
            1,  // 20 move / resize an element
            3,  // 21 application sets the current element
            1,  // 22 repaint (DrawMe or WM_PAINT)
            2,  // 23 mouse activation
            2,  // 24 a tip or a layered window opens, fades or closes
            4,  // 25 a menu opens, is moved over, clicked, keyed, loses the capture or closes
            6,  // 26 an input-method character, or random GBK text pasted
            4,  // 27 a click or a wheel turn in an open combo drop-down
        };
        int total = 0;
        for (int w : weights)
            total += w;
        int r = U(0, total - 1), kind = 0;
        while (r >= weights[kind])
            r -= weights[kind++];
        m_nLastKind = kind;

        Expect e;
        switch (kind)
        {
        case 0: {
            CPoint p = RandPoint();
            Note(Fmt("%ld move %ld,%ld", n, p.x, p.y));
            e = NowSame();
            Send(WM_MOUSEMOVE, 0, XY(p.x, p.y));
            break;
        }
        case 1: case 4: {
            CPoint p = RandPoint();
            bool bLeft = kind == 1;
            Note(Fmt("%ld %cdown %ld,%ld", n, bLeft ? 'L' : 'R', p.x, p.y));
            e = AfterButtonDown(p);
            Send(bLeft ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, bLeft ? MK_LBUTTON : MK_RBUTTON, XY(p.x, p.y));
            break;
        }
        case 2: case 3: case 5: case 6: {
            static const UINT msgs[] = { 0, 0, WM_LBUTTONUP, WM_LBUTTONDBLCLK, 0, WM_RBUTTONUP, WM_RBUTTONDBLCLK };
            CPoint p = RandPoint();
            Note(Fmt("%ld msg %#x %ld,%ld", n, msgs[kind], p.x, p.y));
            // Up and double-click never change the current element.
            e = NowSame();
            Send(msgs[kind], 0, XY(p.x, p.y));
            break;
        }
        case 7: {
            CPoint p = RandPoint();
            ::ClientToScreen(Wnd(), &p);
            short z = (short)(U(1, 3) * 120 * (U(0, 1) ? 1 : -1));
            Note(Fmt("%ld wheel %d", n, z));
            e = NowSame();
            Send(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)z), XY(p.x, p.y));
            break;
        }
        case 8: case 9: {
            UINT vk = g_keys[U(0, (int)(sizeof(g_keys) / sizeof(g_keys[0])) - 1)];
            bool bUp = kind == 9;
            Note(Fmt("%ld key%s %u", n, bUp ? "up" : "down", vk));
            e = (vk == VK_TAB && !bUp) ? AfterTab() : NowSame();
            Send(bUp ? WM_KEYUP : WM_KEYDOWN, vk, KeyData(vk, bUp));
            break;
        }
        case 10: {
            UINT vk = g_keys[U(0, (int)(sizeof(g_keys) / sizeof(g_keys[0])) - 1)];
            Note(Fmt("%ld pumped key %u", n, vk));
            e = vk == VK_TAB ? AfterTab() : NowSame();
            // In a skinned dialog Escape asks the panel's PreClose, which
            // takes the focus from every element (and the dialog may end).
            if (vk == VK_ESCAPE && m_panel.m_pDialog)
                e = AfterFocusLoss();
            PostAndPump(WM_KEYDOWN, vk, KeyData(vk, false));
            PostAndPump(WM_KEYUP, vk, KeyData(vk, true));
            break;
        }
        case 11: case 12: {
            int r2 = U(0, 9);
            UINT ch = r2 < 4 ? (UINT)U(0x80, 0xFF) : r2 < 8 ? (UINT)U(0x20, 0x7E) : (UINT)U(1, 0x1F);
            Note(Fmt("%ld %s char %#x", n, kind == 12 ? "pumped" : "sent", ch));
            e = NowSame();
            if (kind == 12)
                PostAndPump(WM_CHAR, ch, 1);
            else
                Send(WM_CHAR, ch, 1);
            break;
        }
        case 13: {
            if (Count() == 0)
                break;
            long id = U(0, Count() - 1);
            Note(Fmt("%ld timer %ld", n, id));
            e = NowSame();
            Send(WM_TIMER, (WPARAM)id, 0);
            break;
        }
        case 14: {
            static const WPARAM odd[] = { (WPARAM)-1, 200, 201, 4414, 1414, (WPARAM)0x7FFFFFFF };
            WPARAM id = U(0, 1) ? (WPARAM)(Count() + U(0, 5)) : odd[U(0, 5)];
            Note(Fmt("%ld timer %llu (invalid)", n, (unsigned long long)id));
            e = Unchanged();
            Send(WM_TIMER, id, 0);
            break;
        }
        case 15:
            Note(Fmt("%ld WM_KILLFOCUS", n));
            e = AfterFocusLoss();
            Send(WM_KILLFOCUS, 0, 0);
            break;
        case 16: {
            bool bHad = ::GetFocus() == Wnd();
            m_bFocusTakenFromPanel = bHad;
            Note(Fmt("%ld focus to the top window (panel had it: %d)", n, (int)bHad));
            e = bHad ? AfterFocusLoss() : Unchanged();
            ::SetFocus(m_host->TopWindow()->m_hWnd);
            Pump();
            break;
        }
        case 17: {
            m_cx = U(1, 520);
            m_cy = U(1, 420);
            Note(Fmt("%ld resize %d x %d", n, m_cx, m_cy));
            e = Unchanged();
            m_host->Resize(m_cx, m_cy);
            Pump();
            break;
        }
        case 18: case 19: {
            if (Count() == 0)
                break;
            long i = U(0, Count() - 1);
            CVRK_WG* p = m_panel.m_pWG[i];
            if (kind == 18)
                p = VisibilityTarget(i);
            BOOL& flag = kind == 18 ? p->m_bVisible : p->m_bEnable;
            flag = !flag;
            Note(Fmt("%ld %s %ld = %d", n, kind == 18 ? "visible" : "enable", i, flag));
            e = Unchanged();
            if (U(0, 15) == 0)
                m_panel.DrawMe();
            else
                m_panel.RefreshWG(i);
            break;
        }
        case 20: {
            if (Count() == 0)
                break;
            long i = U(0, Count() - 1);
            CVRK_WG* p = m_panel.m_pWG[i];
            long x = U(-20, m_cx), y = U(-10, m_cy), w = U(1, 160), h = U(1, 60);
            int how = U(0, 3);
            Note(Fmt("%ld geometry %ld how %d %ld,%ld %ldx%ld", n, i, how, x, y, w, h));
            if (how == 0)
                p->Move(x, y);
            else if (how == 1)
                p->Move(x, y, x + w - 1, y + h - 1);
            else if (how == 2)
                p->NewWH(w, h);
            else
                p->MoveAndNewWH(x, y, w, h);
            e = Unchanged();
            if (U(0, 3) == 0)
                m_panel.DrawMe();
            else
                m_panel.RefreshWG(i);
            break;
        }
        case 21: {
            long k = U(-1, Count() - 1);
            bool bQuiet = U(0, 1) == 0;
            Note(Fmt("%ld SetNowWG%s(%ld)", n, bQuiet ? "Quiet" : "", k));
            e.bActive = true;
            e.nNow = e.nFocus = k;
            e.bMouseNone = m_panel.m_nMouseWG != k;
            // The panel keeps an owner that becomes current; SetNowWG also
            // tells it that it lost the focus first, and an element may
            // answer that by giving the mouse back.
            e.bMouseSame = !e.bMouseNone && bQuiet;
            e.bMouseSameOrNone = !e.bMouseNone && !bQuiet;
            if (bQuiet)
                m_panel.SetNowWGQuiet(k);
            else
                m_panel.SetNowWG(k);
            break;
        }
        case 22:
            Note(Fmt("%ld repaint", n));
            e = Unchanged();
            if (U(0, 1))
                m_panel.DrawMe();
            else
            {
                ::InvalidateRect(Wnd(), nullptr, FALSE);
                ::UpdateWindow(Wnd());
            }
            break;
        case 23:
            Note(Fmt("%ld mouse activate", n));
            e = Unchanged();
            Send(WM_MOUSEACTIVATE, (WPARAM)m_host->TopWindow()->m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
            break;
        case 24:
            e = Unchanged();
            Popups(n);
            break;
        case 25:
            // A menu taking the capture lets the mouse owner go.
            e = NowSame();
            e.bMouseSameOrNone = true;
            Menus(n);
            break;
        case 27: {
            // The drop-down holds the capture: the user's mouse goes to it.
            e = NowSame();
            e.bMouseSameOrNone = true;
            auto openList = [&]() -> CWG_ComboList* {
                for (long i = 0; i < Count(); ++i)
                    if (CWG_Combo* c = dynamic_cast<CWG_Combo*>(m_panel.m_pWG[i]))
                        if (c->isMenuListInDisplay() && c->m_pComboList)
                            return c->m_pComboList;
                return nullptr;
            };
            CWG_ComboList* pList = openList();
            if (!pList)
            {
                // None open: a click on the arrow of a combo (an editor's too).
                std::vector<CWG_Combo*> combos;
                for (long i = 0; i < Count(); ++i)
                    if (CWG_Combo* c = dynamic_cast<CWG_Combo*>(m_panel.m_pWG[i]))
                        if (c->m_bVisible && c->m_bEnable && c->m_nWidth > CWG_Combo::ARROW_W)
                            combos.push_back(c);
                if (combos.empty())
                    break;
                const CRect& rc = combos[U(0, (int)combos.size() - 1)]->m_rect;
                const CPoint p(rc.right - 3, (rc.top + rc.bottom) / 2);
                Note(Fmt("%ld arrow down %ld,%ld", n, p.x, p.y));
                e = AfterButtonDown(p);
                Send(WM_LBUTTONDOWN, MK_LBUTTON, XY(p.x, p.y));
                if (!(pList = openList()))
                    break;
            }
            ++m_nDropDownEvents;
            const long x = U(0, pList->m_rcClient.Width() - 1), y = U(0, pList->m_rcClient.Height() - 1);
            const int how = U(0, 3);
            Note(Fmt("%ld drop-down %s %ld,%ld", n, how == 0 ? "wheel" : how == 1 ? "drag" : "click", x, y));
            if (how == 0)
                pList->SendMessage(WM_MOUSEWHEEL, (WPARAM)(LONG_PTR)(U(0, 1) ? -120 : 120), 0);
            else
            {
                pList->SendMessage(WM_MOUSEMOVE, 0, XY(x, y));
                pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(x, y));
                if (how == 1 && ::IsWindow(pList->m_hWnd))
                    pList->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, XY(x, U(-50, 250)));
                if (::IsWindow(pList->m_hWnd))
                    pList->SendMessage(WM_LBUTTONUP, 0, XY(x, y));
            }
            break;
        }
        case 26: {
            e = NowSame();
            if (U(0, 1))
            {
                const UINT ch = (UINT)U(0xB0, 0xF7) << 8 | (UINT)U(0xA1, 0xFE);
                Note(Fmt("%ld ime char %#x", n, ch));
                Send(WM_IME_CHAR, ch, 1);
                Pump();   // the default handling posts it as two characters
                break;
            }
            // Any bytes, lone lead bytes, CR and LF included.
            std::string text;
            for (int i = U(0, 12); i > 0; --i)
                text += (char)(U(0, 3) ? U(0x80, 0xFF) : U(1, 0x7F));
            Note(Fmt("%ld paste %d bytes", n, (int)text.size()));
            if (::OpenClipboard(Wnd()))
            {
                ::EmptyClipboard();
                HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
                memcpy(::GlobalLock(h), text.c_str(), text.size() + 1);
                ::GlobalUnlock(h);
                ::SetClipboardData(CF_TEXT, h);
                ::CloseClipboard();
            }
            Send(WM_CHAR, 0x16, 1);
            break;
        }
        }
        return e;
    }

    // The rules that hold after every event; empty when they do.
    std::string Check(const Expect& e, long nPreOwner)
    {
        if (!::IsWindow(Wnd()))
            return "the panel window is gone";
        const long n = Count();
        // An edit list registers its editor right after itself.
        std::map<const CVRK_WG*, size_t> itemOf;
        size_t nEditors = 0;
        for (size_t j = 0; j < m_set.items.size(); ++j)
        {
            itemOf[m_set.items[j].get()] = j;
            nEditors += dynamic_cast<const CWG_EditList*>(m_set.items[j].get()) != nullptr;
        }
        if (n != (long)(m_set.items.size() + nEditors))
            return Fmt("element count %ld, %d were created", n, (int)(m_set.items.size() + nEditors));
        const long nNow = m_panel.m_nNowWG, nMouse = m_panel.m_nMouseWG;
        if (nNow < -1 || nNow >= n)
            return Fmt("current element %ld out of -1..%ld", nNow, n - 1);
        if (nMouse < -1 || nMouse >= n)
            return Fmt("mouse owner %ld out of -1..%ld", nMouse, n - 1);
        HWND hCapture = ::GetCapture();
        if (nMouse >= 0 && hCapture != Wnd())
            return Fmt("element %ld owns the mouse but the panel has no capture", nMouse);
        if (nMouse < 0 && hCapture == Wnd())
            return "the panel holds the capture with no mouse owner";
        long nFocused = 0;
        bool bLastKnown = m_panel.m_pLastWG == nullptr;
        for (long i = 0; i < n; ++i)
        {
            const CVRK_WG* p = m_panel.m_pWG[i];
            const auto it = itemOf.find(p);
            const CWG_EditListEditor* pEditor = dynamic_cast<const CWG_EditListEditor*>(p);
            const bool bEditorOfItem = pEditor && pEditor->m_pOwnerList && itemOf.count(pEditor->m_pOwnerList) &&
                                       pEditor->m_pOwnerList->m_nIndex == i - 1;
            if ((it == itemOf.end() && !bEditorOfItem) || p->m_nIndex != i || p->m_pParent != &m_panel)
                return Fmt("element %ld registration changed", i);
            if (p->m_rect.right != p->m_rect.left + p->m_nWidth - 1 ||
                p->m_rect.bottom != p->m_rect.top + p->m_nHeight - 1)
                return Fmt("element %ld rectangle (%ld,%ld,%ld,%ld) disagrees with %ld x %ld", i,
                           p->m_rect.left, p->m_rect.top, p->m_rect.right, p->m_rect.bottom,
                           p->m_nWidth, p->m_nHeight);
            if (p->m_bFocus)
            {
                ++nFocused;
                if (i != nNow)
                    return Fmt("element %ld has m_bFocus but the current element is %ld", i, nNow);
            }
            if (p->m_bCopyParentBG)
                return Fmt("element %ld kept m_bCopyParentBG after painting", i);
            if (m_panel.m_pLastWG == p)
                bLastKnown = true;
            const ElementKind* pKind = it != itemOf.end() ? m_set.kinds[it->second] : nullptr;
            if (pKind && pKind->check)
            {
                std::string s = pKind->check(p);
                if (!s.empty())
                    return Fmt("element %ld (%s): ", i, pKind->name) + s;
            }
        }
        if (nFocused > 1)
            return Fmt("%ld elements have m_bFocus", nFocused);
        if (m_tip.m_hWnd && !m_tip.visible() != !::IsWindowVisible(m_tip.m_hWnd))
            return Fmt("the tip says visible %d, its window disagrees", m_tip.visible());
        if (m_layer.m_hWnd && !m_layer.GetInDir() != !::IsWindowVisible(m_layer.m_hWnd))
            return Fmt("the layered window says shown %d, its window disagrees", m_layer.GetInDir());
        if (!bLastKnown)
            return "m_pLastWG points to no element of the panel";
        const std::string strMenus = CheckMenus();
        if (!strMenus.empty())
            return strMenus;
        if (e.bActive)
        {
            if (nNow != e.nNow)
                return Fmt("current element %ld, routing rules give %ld", nNow, e.nNow);
            long nF = FocusedNow();
            if (nF != e.nFocus)
                return Fmt("m_bFocus on %ld, routing rules give %ld", nF, e.nFocus);
            if (e.bMouseNone && nMouse != -1)
                return Fmt("mouse owner %ld, expected none", nMouse);
            if (e.bMouseSameOrNone && nMouse != nPreOwner && nMouse != -1)
                return Fmt("mouse owner %ld, expected %ld or none", nMouse, nPreOwner);
            if (e.bMouseSame && nMouse != nPreOwner)
                return Fmt("mouse owner %ld, expected it unchanged (%ld)", nMouse, nPreOwner);
        }
        return "";
    }

    // A focused text field whose caret is in view, with no selection:
    // keys and characters keep the caret in view (dragging and typing over a
    // selection may scroll it out, as the field's scrolling rules say).
    CWG_Text* TextInView()
    {
        CWG_Text* t = m_panel.m_nNowWG >= 0 ? dynamic_cast<CWG_Text*>(m_panel.m_pWG[m_panel.m_nNowWG]) : nullptr;
        if (!t || !t->m_bFocus || !t->m_bVisible || !t->m_bEnable || t->m_bSelected || t->m_bDragging ||
            t->m_nCaretX < 0 || t->m_nCaretX > t->m_nWidth)
            return nullptr;
        return t;
    }
    std::string CaretStillInView(CWG_Text* pBefore)
    {
        const int k = m_nLastKind;
        if (!pBefore || !(k == 8 || (k >= 10 && k <= 12) || k == 26))
            return "";
        CWG_Text* t = m_panel.m_nNowWG >= 0 ? dynamic_cast<CWG_Text*>(m_panel.m_pWG[m_panel.m_nNowWG]) : nullptr;
        if (t != pBefore || !t->m_bFocus || !t->m_bVisible || !t->m_bEnable || t->m_bDragging)
            return "";
        if (t->m_nCaretX < 0 || t->m_nCaretX > t->m_nWidth)
            return Fmt("text %ld: the caret went out of view, to x %ld of %ld", t->m_nIndex, t->m_nCaretX, t->m_nWidth);
        return "";
    }

    // A text area current, focused and usable: after a key or a character
    // it shows the row that holds its caret.
    CWG_TextArea* CurrentArea()
    {
        CWG_TextArea* a = m_panel.m_nNowWG >= 0 ? dynamic_cast<CWG_TextArea*>(m_panel.m_pWG[m_panel.m_nNowWG]) : nullptr;
        return a && a->m_bFocus && a->m_bVisible && a->m_bEnable ? a : nullptr;
    }
    std::string AreaCaretRowShown(CWG_TextArea* pBefore)
    {
        const int k = m_nLastKind;
        if (!pBefore || pBefore != CurrentArea() || !(k == 8 || (k >= 10 && k <= 12) || k == 26))
            return "";
        const CWG_TextArea* a = pBefore;
        if (a->m_nShowRows >= 1 && !a->m_bDragging && !a->m_bThumbDragging &&
            (a->m_nCaretRow < a->m_nFirstRow || a->m_nCaretRow >= a->m_nFirstRow + a->m_nShowRows))
            return Fmt("text area %ld: caret row %ld outside the shown rows %ld..%ld", a->m_nIndex, a->m_nCaretRow,
                       a->m_nFirstRow, a->m_nFirstRow + a->m_nShowRows - 1);
        return "";
    }

    std::string Recent() const
    {
        std::string s;
        for (const auto& l : m_recent)
            s += "  " + l + "\n";
        return s;
    }
};

class StormTest : public SharedHostTest
{
};

TEST_F(StormTest, EveryKindOnEveryHostKeepsThePanelRules)
{
    const unsigned long long seed = StormSeed();
    const long nEvents = StormEvents();
    printf("storm seed: %llu (replay with WG_STORM_SEED=%llu), %ld events per host\n", seed, seed, nEvents);
    fflush(stdout);
    RecordProperty("seed", Fmt("%llu", seed));
    RecordProperty("events", (int)nEvents);

    LARGE_INTEGER f, t0, t1;
    ::QueryPerformanceFrequency(&f);
    long nTotal = 0;
    double seconds = 0;
    const auto& hosts = HostKinds();
    for (size_t pass = 0; pass < 2 * hosts.size(); ++pass)
    {
        const size_t h = pass / 2;
        const bool bMeddle = pass % 2 == 1;
        DeadCalls() = 0;
        Graveyard graves;
        Storm storm(seed + pass);
        ASSERT_TRUE(storm.Open(hosts[h], &m_top)) << hosts[h].name;
        if (bMeddle)
            storm.StartMeddling();
        ASSERT_GT(storm.Count(), 0);
        std::string err = storm.Check(Expect(), storm.m_panel.m_nMouseWG);
        ASSERT_EQ("", err) << "before the storm on " << hosts[h].name;

        long nSystemFocusLosses = 0;
        ::QueryPerformanceCounter(&t0);
        for (long i = 0; i < nEvents; ++i)
        {
            long nPreNow = storm.m_panel.m_nNowWG, nPreOwner = storm.m_panel.m_nMouseWG;
            const long nPreKill = storm.m_panel.m_nKillFocus;
            const long nPreMeddles = storm.m_nMeddles;
            // Keys through the pump close the panel's open menu instead.
            const bool bPanelMenu = storm.m_panel.m_pPopMenu != nullptr;
            CWG_Text* pInView = storm.TextInView();
            CWG_TextArea* pAreaBefore = storm.CurrentArea();
            Expect e = storm.Event(i);
            if (bPanelMenu)
                e.bActive = false;
            // An edit list gives its editor the focus itself when a click or
            // key opens it.
            const long nNowAfter = storm.m_panel.m_nNowWG;
            if (e.bActive && nNowAfter != e.nNow && nNowAfter >= 0 &&
                dynamic_cast<CWG_EditListEditor*>(storm.m_panel.m_pWG[nNowAfter]))
                e.bActive = false;
            // A meddling hook changed the panel on purpose: the routing
            // expectation of this event no longer applies, the rules do.
            if (storm.m_nMeddles != nPreMeddles)
                e.bActive = false;
            // The X server's focus changes reach Wine's queue whenever it
            // pleases (a top-level window's activation can land in any pump
            // of the storm): such a focus loss is one more system event,
            // so the routing expectation of this event no longer applies;
            // the panel's rules are still checked.
            // (15 and 16 are the storm's own focus losses; 16 only when the
            // panel had the focus: a popup menu shown just before can make
            // the system hand the panel the focus and take it back).
            const int k = storm.m_nLastKind;
            if (storm.m_panel.m_nKillFocus != nPreKill && k != 15 && !(k == 16 && storm.m_bFocusTakenFromPanel))
            {
                ++nSystemFocusLosses;
                e.bActive = false;
                storm.Note(Fmt("%ld (the system took the focus)", i));
            }
            err = storm.Check(e, nPreOwner);
            if (err.empty() && e.bActive)
                err = storm.CaretStillInView(pInView);
            if (err.empty() && e.bActive)
                err = storm.AreaCaretRowShown(pAreaBefore);
            if (!err.empty())
            {
                FAIL() << "seed " << seed << ", host \"" << hosts[h].name << "\", event " << i << ": "
                       << err << "\nlast events:\n" << storm.Recent();
                return;
            }
            storm.m_nNowChanges += storm.m_panel.m_nNowWG != nPreNow;
            for (auto& up : storm.m_set.items)
                if (CWG_EditList* l = dynamic_cast<CWG_EditList*>(up.get()))
                    storm.m_nEditorsShown += l->m_Editor.m_bVisible;
            storm.m_nOwnerChanges += storm.m_panel.m_nMouseWG != nPreOwner;
            if ((i & 255) == 255)
                AfxDeleteTempMaps();   // where an idle pump would
        }
        ::QueryPerformanceCounter(&t1);
        seconds += (double)(t1.QuadPart - t0.QuadPart) / (double)f.QuadPart;
        nTotal += nEvents;

        // The storm reached the elements: focus moved, the mouse was taken
        // and given back, and buttons reported presses.
        EXPECT_GT(storm.m_nNowChanges, 0) << hosts[h].name;
        EXPECT_GT(storm.m_nOwnerChanges, 0) << hosts[h].name;
        EXPECT_GT(storm.m_panel.m_nCommands, 0) << hosts[h].name;
        EXPECT_GT(storm.m_nMenusOpen, 0) << hosts[h].name;
        EXPECT_GT(storm.m_nDropDownEvents, 0) << hosts[h].name;
        EXPECT_GT(storm.m_nEditorsShown, 0) << hosts[h].name;
        if (bMeddle)
        {
            EXPECT_GT(storm.m_nMeddles, 0) << hosts[h].name;
        }
        printf("storm on %s%s: %ld current-element changes, %ld mouse-owner changes, %ld commands, "
               "%ld meddling hooks, %ld focus losses from the system, %ld drop-down events, %ld events ending with an editor shown\n",
               hosts[h].name, bMeddle ? " with meddlers" : "", storm.m_nNowChanges, storm.m_nOwnerChanges,
               storm.m_panel.m_nCommands, storm.m_nMeddles, nSystemFocusLosses, storm.m_nDropDownEvents, storm.m_nEditorsShown);
        // The elements die first, current and with the panel focused, as a
        // derived panel's members do; the panel's window goes after them.
        storm.m_panel.m_fnMeddle = nullptr;
        storm.m_panel.SetFocus();
        if (storm.Count() > 0)
            storm.m_panel.SetNowWG(storm.Count() - 1);
        for (auto& up : storm.m_set.items)
            graves.Bury(up.release());
        storm.m_set.Clear();
        storm.m_host.reset();
        EXPECT_EQ(0, DeadCalls()) << hosts[h].name;
        EXPECT_EQ(0u, graves.Disturbed()) << hosts[h].name;
    }
    double eps = seconds > 0 ? nTotal / seconds : 0;
    printf("storm: %ld events in %.2f s, %.0f events per second\n", nTotal, seconds, eps);
    fflush(stdout);
    RecordProperty("events_per_second", (int)eps);
}

} // namespace

// The popup menu: geometry, open and close sequences with their reports,
// the capture, the panel's open menu and the application's hot-menu
// variable, cascades three deep, the flip at the screen's edges, the
// replayed click, the modal run, the picture, and bad input.
#include "golden.h"
#include "deadtrap.h"
#include <functional>

using namespace wgtest;

namespace {

CVRK_MENUWND* g_pHot = nullptr;   // the application's hot-menu variable

// A menu that logs its openings, closings and submenu clicks.
class Menu : public CVRK_MENUWND
{
public:
    Log* m_pLog = nullptr;
    const char* m_pszName = "m";
    void Say(const std::string& s) { if (m_pLog) m_pLog->Add(Fmt("%s ", m_pszName) + s); }
    virtual void Popup(long x, long y) { Say("popup"); CVRK_MENUWND::Popup(x, y); }
    virtual void Shirk() { if (m_bShown) Say("shirk"); CVRK_MENUWND::Shirk(); }
    virtual void On_Click(CPoint pt) { Say(Fmt("click %ld", m_nHotItem)); CVRK_MENUWND::On_Click(pt); }
    // Mouse messages as the top menu (which holds the capture) gets them,
    // from a screen point.
    void Send(UINT msg, CPoint ptScreen) { SendMessage(msg, msg == WM_MOUSEMOVE ? 0 : MK_LBUTTON, XY(ptScreen.x - m_rcWindow.left, ptScreen.y - m_rcWindow.top)); }
    CPoint Row(long r) const { return CPoint(m_rcWindow.left + 20, m_rcWindow.top + r * m_nItemHeight + 10); }
};

class Owner : public Probe
{
public:
    std::function<void()> m_fnOnMenu;
    virtual void OnMenuCommand(long nMenu, long nRow)
    {
        Say(Fmt("menu %ld %ld", nMenu, nRow));
        if (m_fnOnMenu)
            m_fnOnMenu();
    }
};

std::vector<CString> Captions(std::initializer_list<const char*> list) { return std::vector<CString>(list.begin(), list.end()); }

CSize SkinSize(UINT nID)
{
    BITMAP bm = {};
    ::GetObjectA(WGSharedSkin(nID), sizeof(bm), &bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

class MenuTest : public PanelTest
{
protected:
    Menu m_menu, m_sub[3];
    Owner m_owner;
    int m_cx = ::GetSystemMetrics(SM_CXSCREEN), m_cy = ::GetSystemMetrics(SM_CYSCREEN);

    void SetUp() override
    {
        PanelTest::SetUp();
        CVRK_MENUWND::ppCommonHotMenu = &g_pHot;
        m_owner.m_pLog = &m_log;
        for (Menu* p : { &m_menu, &m_sub[0], &m_sub[1], &m_sub[2] })
            p->m_pLog = &m_log;
        m_sub[0].m_pszName = "a", m_sub[1].m_pszName = "b", m_sub[2].m_pszName = "c";
    }
    void TearDown() override
    {
        CVRK_MENUWND::ppCommonHotMenu = nullptr;
        PanelTest::TearDown();
    }
    int Make(Menu& m, CWnd* pParent, long nKind, std::vector<CString> rows, UINT nBitmap = 0)
    {
        return m.Create(pParent, nKind, rows.data(), (long)rows.size(), nBitmap);
    }
    // What a user sees of the menu and what the library left behind.
    std::string State(CVRK_MENUWND& m)
    {
        HWND hCap = ::GetCapture();
        return Fmt("shown %d visible %d capture %s pop %s hot %s", m.m_bShown, ::IsWindowVisible(m.m_hWnd) ? 1 : 0,
                   hCap == m.m_hWnd ? "menu" : hCap ? "other" : "none",
                   m_panel.m_pPopMenu == &m ? "menu" : m_panel.m_pPopMenu ? "other" : "null",
                   g_pHot == &m ? "menu" : g_pHot ? "other" : "null");
    }
    CPoint PanelToScreen(int x, int y)
    {
        CPoint pt(x, y);
        m_panel.ClientToScreen(&pt);
        return pt;
    }
};

TEST_F(MenuTest, SizeRowsAndIconCellsFollowTheCaptionsAndTheStrip)
{
    // 3 rows, the longest caption 9 bytes (GBK "打开" is 4 of them).
    ASSERT_EQ(1, Make(m_menu, &m_host, 0, Captions({ "\xB4\xF2\xBF\xAA file", "----", ">more" })));
    EXPECT_EQ(CRect(0, 0, 45 + 5 * 9, 3 * 18 + 4), m_menu.m_rcClient);
    EXPECT_EQ(0, m_menu.m_Items[2].m_nSubmenu);
    m_menu.Popup(100, 100);
    const long h = 18;
    for (long r = 0; r < 3; ++r)
        for (long y : { r * h + 5, std::min(r * h + h + 4, 3 * h + 3) })
        {
            m_menu.SendMessage(WM_MOUSEMOVE, 0, XY(10, y));
            EXPECT_EQ(r, m_menu.m_nHotItem) << "y " << y;
        }
    m_menu.SendMessage(WM_MOUSEMOVE, 0, XY(10, 0));
    EXPECT_EQ(0, m_menu.m_nHotItem) << "the top margin hits row 0";
    m_menu.Shirk();

    // Icon strip 3009 for three captions: cells of half its width by a
    // third of its height, rows 4 taller than the cells when over 16.
    const CSize strip = SkinSize(3009);
    Menu icons;
    ASSERT_EQ(1, Make(icons, &m_host, 0, Captions({ "one", "----", "two", "three" }), 3009));
    const long w = strip.cx / 2, ih = strip.cy / 3, ih4 = ih + 4;
    ASSERT_GT(ih, 16);
    EXPECT_EQ(CRect(0, 0, 45 + 5 * 5 + w, 4 * ih4 + 4), icons.m_rcClient);
    icons.Popup(100, 100);
    icons.SendMessage(WM_MOUSEMOVE, 0, XY(10, 2 * ih4 + 5));   // row 2 ("two", the second icon) is hot
    CDC dcSkin;
    dcSkin.CreateCompatibleDC(nullptr);
    CDCSelect sel(dcSkin.m_hDC, WGSharedSkin(3009));
    for (long r : { 0, 2, 3 })
        for (CPoint d : { CPoint(0, 0), CPoint(w - 1, ih - 1), CPoint(w / 2, ih / 2) })
        {
            const long cell = r == 0 ? 0 : r - 1, xSrc = r == 2 ? w : 0;
            EXPECT_EQ(dcSkin.GetPixel(xSrc + d.x, cell * ih + d.y), icons.m_pBGDC->GetPixel(5 + d.x, r * ih4 + 3 + d.y))
                << "row " << r << " at " << d.x << "," << d.y;
        }
    EXPECT_EQ(WG_CR_ELEMENT_BG, icons.m_pBGDC->GetPixel(5, ih4 + 3)) << "a separator has no icon";
    icons.Shirk();
}

TEST_F(MenuTest, APanelMenuReportsTheRowOrMinusOneAndLeavesNothingBehind)
{
    Menu first;   // so the tested menu gets id 1
    ASSERT_EQ(1, Make(first, &m_panel, 3, Captions({ "x" })));
    ASSERT_EQ(1, Make(m_menu, &m_panel, 3, Captions({ "open", "save", "----", "quit" })));
    EXPECT_EQ(1, m_menu.m_nMenuID);
    m_menu.m_pOwnerWG = &m_owner;
    AddProbe(0, 0, 0, 100, 100);
    m_menu.m_rcExclude = CRect(-200, -200, -100, -100);
    std::string seq;
    auto note = [&](const char* what) { seq += std::string(what) + ": " + State(m_menu) + " [" + m_log.Joined() + "]\n"; m_log.Clear(); };

    m_menu.Popup(300, 100);
    note("popup");
    m_menu.SendMessage(WM_MOUSEMOVE, 0, XY(20, 18 + 10));
    m_menu.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(20, 18 + 10));
    note("click row 1");
    m_menu.EnableButton(3, 0);
    m_menu.Popup(300, 100);
    m_menu.SendMessage(WM_MOUSEMOVE, 0, XY(20, 3 * 18 + 10));
    EXPECT_EQ(-1, m_menu.m_nHotItem) << "a disabled row is never hot";
    m_menu.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(20, 3 * 18 + 10));
    note("click disabled row");
    m_menu.Popup(300, 100);
    m_menu.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(-150, -150));
    Pump();
    note("click in the exclusion");
    m_panel.SetNowWGQuiet(0);
    m_log.Clear();
    m_menu.Popup(300, 100);
    m_panel.PostMessage(WM_KEYDOWN, 'A', KeyData('A', false));
    Pump();
    note("key");
    m_menu.Popup(300, 100);
    m_menu.SendMessage(WM_KEYDOWN, VK_DOWN, KeyData(VK_DOWN, false));
    note("key to the menu");
    m_menu.Popup(300, 100);
    m_panel.SetCapture();
    note("capture taken");
    ::ReleaseCapture();
    first.Popup(10, 10);
    m_menu.Popup(300, 100);
    EXPECT_FALSE(first.m_bShown) << "a second panel menu closes the first";
    m_menu.Shirk();
    note("two menus");
    EXPECT_EQ("popup: shown 1 visible 1 capture menu pop menu hot menu [m popup]\n"
              "click row 1: shown 0 visible 0 capture none pop null hot null [m shirk | -1:menu 1 1 | menu 1 1]\n"
              "click disabled row: shown 0 visible 0 capture none pop null hot null [m popup | m shirk | -1:menu 1 -1 | menu 1 -1]\n"
              "click in the exclusion: shown 0 visible 0 capture none pop null hot null [m popup | m shirk | -1:menu 1 -1 | menu 1 -1]\n"
              "key: shown 0 visible 0 capture none pop null hot null [m popup | m shirk]\n"
              "key to the menu: shown 0 visible 0 capture none pop null hot null [m popup | m shirk]\n"
              "capture taken: shown 0 visible 0 capture other pop null hot null [m popup | m shirk]\n"
              "two menus: shown 0 visible 0 capture none pop null hot null [m popup | m shirk]\n",
              seq);

    // A click outside is given again to the window beneath the pointer.
    const CPoint pt = PanelToScreen(30, 40);
    ::SetCursorPos(pt.x, pt.y);
    m_menu.Popup(300, 100);
    m_log.Clear();
    m_menu.Send(WM_LBUTTONDOWN, pt);
    Pump();
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Pump();
    EXPECT_EQ(0u, m_log.Joined().find("m shirk | -1:menu 1 -1 | menu 1 -1 | ")) << m_log.Joined();
    EXPECT_NE(std::string::npos, m_log.Joined().find("0:down0 30,40")) << "replayed to the panel beneath";

    // The owner's handler re-opens the menu: it stays open, nothing replayed;
    // one that deletes the menu finds the reports and the panel whole.
    m_owner.m_fnOnMenu = [&] { m_menu.Popup(300, 100); };
    m_menu.Popup(300, 100);
    m_log.Clear();
    m_menu.Send(WM_LBUTTONDOWN, pt);
    Pump();
    EXPECT_EQ("m shirk | -1:menu 1 -1 | m popup | menu 1 -1", m_log.Joined());
    EXPECT_EQ("shown 1 visible 1 capture menu pop menu hot menu", State(m_menu));
    m_owner.m_fnOnMenu = nullptr;
    m_menu.Shirk();

    DeadTrap<CVRK_MENUWND> dying;
    ASSERT_EQ(1, dying->Create(&m_panel, 3, nullptr, 0, 0));
    dying->m_pOwnerWG = &m_owner;
    m_owner.m_fnOnMenu = [&] { dying.Kill(); };
    dying->Popup(300, 100);
    m_log.Clear();
    DeadCalls() = 0;
    dying->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(2, 2));
    EXPECT_EQ("-1:menu 2 -1 | menu 2 -1", m_log.Joined());
    EXPECT_EQ(0, DeadCalls());
    EXPECT_EQ(0u, dying.WrittenBytes());
    EXPECT_EQ(nullptr, m_panel.m_pPopMenu);
    EXPECT_EQ(nullptr, g_pHot);
    m_owner.m_fnOnMenu = nullptr;
}

TEST_F(MenuTest, CascadesOpenOneSubmenuAtATimeThreeDeepAndAClickClosesTheChain)
{
    ASSERT_EQ(1, Make(m_menu, &m_host, 0, Captions({ ">first", ">second", "plain" })));
    ASSERT_EQ(1, Make(m_sub[0], &m_menu, 2, Captions({ "a0", "a1" })));
    ASSERT_EQ(1, Make(m_sub[1], &m_menu, 2, Captions({ "b0", ">b1" })));
    ASSERT_EQ(1, Make(m_sub[2], &m_sub[1], 2, Captions({ "c0", "c1", "c2" })));
    m_menu.m_pOwnerWG = &m_owner;
    m_menu.Popup(100, 100);
    m_menu.Send(WM_MOUSEMOVE, m_menu.Row(0));
    EXPECT_EQ(CPoint(m_menu.m_rcWindow.right - 5, 100), m_sub[0].m_rcWindow.TopLeft());
    m_menu.Send(WM_MOUSEMOVE, m_menu.Row(1));
    EXPECT_EQ(CPoint(m_menu.m_rcWindow.right - 5, 118), m_sub[1].m_rcWindow.TopLeft());
    m_menu.Send(WM_MOUSEMOVE, m_sub[1].Row(1));
    EXPECT_EQ(-1, m_menu.m_nHotItem) << "the pointer is over the submenu";
    m_menu.Send(WM_MOUSEMOVE, m_sub[2].Row(2));
    EXPECT_EQ(2, m_sub[2].m_nHotItem);
    EXPECT_EQ(&m_sub[2], g_pHot);
    m_menu.Send(WM_LBUTTONDOWN, m_sub[2].Row(2));
    EXPECT_EQ("m popup | a popup | a shirk | b popup | c popup | b click -1 | c click 2", m_log.Joined())
        << "submenus report nothing themselves";
    for (Menu* p : { &m_menu, &m_sub[0], &m_sub[1], &m_sub[2] })
        EXPECT_FALSE(::IsWindowVisible(p->m_hWnd)) << p->m_pszName;
    EXPECT_EQ("shown 0 visible 0 capture none pop null hot null", State(m_menu));

    // A second hover of the same row leaves its submenu alone; a click
    // outside everything closes the chain from the top and reports -1.
    m_menu.Popup(100, 100);
    m_menu.Send(WM_MOUSEMOVE, m_menu.Row(1));
    m_menu.Send(WM_MOUSEMOVE, m_menu.Row(1) + CPoint(3, 0));
    m_log.Clear();
    m_menu.m_rcExclude = CRect(-1000, -1000, 2000, 2000);
    m_menu.Send(WM_LBUTTONDOWN, CPoint(5, 5));
    EXPECT_EQ("m shirk | b shirk | -1:menu -1 -1", m_log.Joined());
    EXPECT_FALSE(m_sub[1].m_bShown);
}

TEST_F(MenuTest, MenusFlipAtTheScreensEdges)
{
    ASSERT_EQ(1, Make(m_menu, &m_host, 0, Captions({ ">sub", "b", "c" })));
    ASSERT_EQ(1, Make(m_sub[0], &m_menu, 2, Captions({ "x", "y", "z", "w" })));
    const long W = m_menu.m_rcClient.Width(), H = m_menu.m_rcClient.Height(), SW = m_sub[0].m_rcClient.Width();
    m_menu.Popup(m_cx - 10, m_cy - 10);
    EXPECT_EQ(1, m_menu.m_bFlipped);
    EXPECT_EQ(CRect(m_cx - 10 - W, m_cy - 10 - H, m_cx - 10, m_cy - 10), m_menu.m_rcWindow);
    m_menu.Send(WM_MOUSEMOVE, m_menu.Row(0));
    EXPECT_EQ(0, m_sub[0].m_bFlipped) << "it opens on the left because its parent did";
    EXPECT_EQ(CPoint(m_menu.m_rcWindow.left + 5 - SW, m_menu.m_rcWindow.top - m_sub[0].m_rcClient.Height() + 18),
              m_sub[0].m_rcWindow.TopLeft())
        << "left of the parent, its bottom row beside the row that opened it";
    m_menu.Shirk();

    // Unflipped parent whose submenu would pass the edge: the submenu flips.
    m_menu.Popup(m_cx - W - SW + 10, 100);
    EXPECT_EQ(0, m_menu.m_bFlipped);
    m_menu.Send(WM_MOUSEMOVE, m_menu.Row(0));
    EXPECT_EQ(1, m_sub[0].m_bFlipped);
    EXPECT_EQ(m_menu.m_rcWindow.left + 5 - SW, m_sub[0].m_rcWindow.left);
    m_menu.Shirk();
}

// A menu run modally that ends as soon as it starts.
class QuickModal : public CVRK_MENUWND
{
public:
    virtual BOOL OnInitDialog() { EndDialog(4); return TRUE; }
};

std::vector<std::string> g_events;
void CALLBACK RecordEvent(UINT nMsg, UINT wParam, LPARAM lParam) { g_events.push_back(Fmt("%u %u %p", nMsg, wParam, (void*)lParam)); }

TEST_F(MenuTest, TheModalRunEndsWithEvent1002)
{
    QuickModal modal;
    CVRK_WG::GetEventCenter().SetEventProc(RecordEvent);
    EXPECT_EQ(4, modal.DoModal());
    CVRK_WG::GetEventCenter().SetEventProc(nullptr);
    EXPECT_EQ(std::vector<std::string>{ Fmt("1002 0 %p", (void*)&modal) }, g_events);
}

TEST_F(MenuTest, AMenuWithADisabledRowASeparatorAnIconAndASubmenu)
{
    // GBK: "打开", "保存为", "更多".
    ASSERT_EQ(1, Make(m_menu, &m_host, 0,
                      Captions({ "\xB4\xF2\xBF\xAA open", "\xB1\xA3\xB4\xE6\xCE\xAA...", "----", ">\xB8\xFC\xB6\xE0 more" }), 3006));
    ASSERT_EQ(1, Make(m_sub[0], &m_menu, 2, Captions({ "x" })));
    m_menu.EnableButton(1, 0);
    m_menu.Popup(100, 100);
    m_menu.SendMessage(WM_MOUSEMOVE, 0, XY(20, 3 * m_menu.m_nItemHeight + 8));
    EXPECT_TRUE(MatchesGolden(Capture(m_menu.m_pBGDC->m_hDC, m_menu.m_rcClient), "menu"));
    m_menu.Shirk();
}

TEST_F(MenuTest, BadInputIsBoundedAndDocumentedNotFatal)
{
    // No rows: a 45 x 4 strip; a click on it reports -1.
    ASSERT_EQ(1, m_menu.Create(&m_host, 0, nullptr, 5, 0));
    EXPECT_EQ(CRect(0, 0, 45, 4), m_menu.m_rcClient);
    m_menu.m_pOwnerWG = &m_owner;
    m_menu.Popup(50, 50);
    m_menu.SendMessage(WM_MOUSEMOVE, 0, XY(2, 2));
    m_menu.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(2, 2));
    EXPECT_EQ("m popup | m shirk | -1:menu -1 -1", m_log.Joined());

    // 1,000 captions: 100 rows, taller than the screen, moved up off its top.
    std::vector<CString> many(1000, CString("row"));
    many[999] = ">never";
    Menu tall;
    ASSERT_EQ(1, tall.Create(&m_host, 0, many.data(), 1000, 0));
    EXPECT_EQ(100, tall.m_nItemCount);
    EXPECT_EQ(100 * 18 + 4, tall.m_rcClient.Height());
    tall.Popup(10, 10);
    EXPECT_EQ(10 - (100 * 18 + 4), tall.m_rcWindow.top);
    // Rows out of range: single rows ignored, ranges clipped.
    tall.EnableButton(-1, 0);
    tall.EnableButton(100, 0);
    tall.EnableButton(1000000, 0);
    tall.EnableButton(-5, 2, 0);
    tall.EnableButton(98, 500, 0);
    long nDisabled = 0;
    for (long i = 0; i < 100; ++i)
        nDisabled += !tall.m_Items[i].m_bEnable;
    EXPECT_EQ(5, nDisabled);
    EXPECT_TRUE(!tall.m_Items[0].m_bEnable && !tall.m_Items[2].m_bEnable && !tall.m_Items[99].m_bEnable);
    tall.Shirk();

    // A strip too small for its rows (3005 is 9 x 6; 10 rows): empty cells.
    Menu tiny;
    std::vector<CString> ten(10, CString("icon row"));
    ASSERT_EQ(1, tiny.Create(&m_host, 0, ten.data(), 10, 3005));
    EXPECT_EQ(0, tiny.m_nIconHeight);
    EXPECT_EQ(18, tiny.m_nItemHeight);
    tiny.Popup(50, 50);
    EXPECT_EQ(WG_CR_ELEMENT_BG, tiny.m_pBGDC->GetPixel(6, 4));
    tiny.Shirk();
    Menu seps;   // only separators: no division by zero
    std::vector<CString> dashes(2, CString("----"));
    ASSERT_EQ(1, seps.Create(&m_host, 0, dashes.data(), 2, 3006));
    seps.Popup(50, 50);
    seps.Shirk();

    // A menu never becomes its own ancestor, and every walk ends.
    Menu& a = m_sub[0];
    Menu& b = m_sub[1];
    ASSERT_EQ(1, Make(a, &m_host, 0, Captions({ ">to b", "x" })));
    ASSERT_EQ(1, Make(b, &a, 2, Captions({ ">to a", "y" })));
    a.AddChildMenu(&a);
    b.AddChildMenu(&a);
    EXPECT_EQ(1, a.m_nChildCount);
    EXPECT_EQ(0, b.m_nChildCount);
    Menu self;
    self.m_pLog = &m_log;
    ASSERT_EQ(1, Make(self, &self, 2, Captions({ ">me" })));
    EXPECT_EQ(nullptr, self.m_pParentMenu);
    EXPECT_EQ(0, self.m_nChildCount);
    a.Popup(100, 100);
    a.Send(WM_MOUSEMOVE, a.Row(0));
    a.Send(WM_MOUSEMOVE, b.Row(0));
    EXPECT_EQ(1, a.PtInRect(b.Row(0)));
    a.Send(WM_LBUTTONDOWN, b.Row(1));
    EXPECT_FALSE(a.m_bShown || b.m_bShown);
    self.Popup(10, 10);
    self.SendMessage(WM_MOUSEMOVE, 0, XY(10, 10));
    self.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(10, 10));
    EXPECT_FALSE(self.m_bShown);

    // The eleventh menu of a panel is not registered and reports id -1.
    Menu ten_[10];
    for (Menu& m : ten_)
        ASSERT_EQ(1, Make(m, &m_panel, 3, Captions({ "r" })));
    Menu eleventh;
    ASSERT_EQ(1, Make(eleventh, &m_panel, 3, Captions({ "r" })));
    EXPECT_EQ(10, m_panel.m_nMenuCount);
    EXPECT_EQ(-1, eleventh.m_nMenuID);
    eleventh.Popup(50, 50);
    EXPECT_EQ(&eleventh, m_panel.m_pPopMenu);
    m_log.Clear();
    eleventh.SendMessage(WM_MOUSEMOVE, 0, XY(10, 10));
    eleventh.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(10, 10));
    EXPECT_EQ("menu -1 0", m_log.Joined());
}

} // namespace

// Event storm on a frame with a menu bar: captions hovered and clicked,
// menus dropped and switched, rows clicked, keys pressed while a menu is
// down, the focus and the capture taken away, the frame resized, made
// full-screen and maximized. After every event: at most one of the bar's
// menus is shown, a shown menu means menu mode, menu mode means the bar
// holds the mouse, and the highlight names a caption or none. Seeded like
// the element storm (WG_STORM_SEED, WG_STORM_EVENTS / 10 events).
#include "wgtest.h"
#include <random>
#include <stdlib.h>

using namespace wgtest;

namespace {

TEST(MenuBarStorm, MenusDropSwitchAndCloseWithoutLosingTheBarsRules)
{
    const char* pszSeed = getenv("WG_STORM_SEED");
    const char* pszEvents = getenv("WG_STORM_EVENTS");
    const unsigned long long seed = pszSeed ? strtoull(pszSeed, nullptr, 10) : (unsigned long long)::GetTickCount();
    const long nEvents = (pszEvents ? atol(pszEvents) : 20000) / 10;
    printf("menu bar storm seed: %llu, %ld events\n", seed, nEvents);
    std::mt19937_64 rng(seed);
    auto U = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    CVRK_FRAMEWND* pFrame = static_cast<CVRK_FRAMEWND*>(RUNTIME_CLASS(CVRK_FRAMEWND)->CreateObject());
    ASSERT_TRUE(pFrame->Create(nullptr, "storm"));
    pFrame->SetWindowPos(nullptr, 40, 40, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CMenuBar bar;
    ASSERT_EQ(1, bar.Create(pFrame, CBRS_TOP));
    CVRK_MENUWND menus[3], sub;
    CString rows[] = { "Open", ">More", "----", "Close" }, subRows[] = { "A", "B" };
    const char* captions[] = { "File", "\xB1\xE0\xBC\xAD", "View" };
    for (int i = 0; i < 3; ++i)
    {
        ASSERT_EQ(1, menus[i].Create(&bar, CVRK_MENUWND::KIND_MENUBAR, rows, 4, 0));
        bar.AppendMenuCpt(captions[i], &menus[i]);
    }
    ASSERT_EQ(1, sub.Create(&menus[0], CVRK_MENUWND::KIND_SUBMENU, subRows, 2, 0));
    bar.AppendMenuCpt("None", nullptr);   // a caption without a menu
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    bar.EnableDocking(CBRS_ALIGN_TOP);
    pFrame->DockControlBar(&bar);
    CMenuBarWGP& panel = *bar.m_pMenuPanel;
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));

    std::string strLast;
    long nDrops = 0, nSwitches = 0;
    for (long n = 0; n < nEvents; ++n)
    {
        const CPoint pStrip(U(0, 140), U(0, 24)), pAny(U(-50, 500), U(-50, 300));
        const int kind = U(0, 11);
        const long nHotBefore = panel.m_nHotItem;
        switch (kind)
        {
        case 0: case 1: panel.SendMessage(WM_MOUSEMOVE, 0, XY(pStrip.x, pStrip.y)); break;
        case 2: panel.SendMessage(WM_MOUSEMOVE, 0, XY(pAny.x, pAny.y)); break;
        case 3: case 4: panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(pStrip.x, pStrip.y)); break;
        case 5: panel.SendMessage(U(0, 1) ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, 0, XY(pAny.x, pAny.y)); break;
        case 6: panel.SendMessage(WM_KEYDOWN, U(0, 1) ? VK_ESCAPE : 'A', 1); break;
        case 7: {   // a row of the shown menu clicked (or its submenu's)
            for (CVRK_MENUWND* m : { &sub, &menus[0], &menus[1], &menus[2] })
                if (m->m_bShown)
                {
                    m->On_MouseMove(CPoint(20, U(0, 3) * 18 + 8));
                    if (m->m_bShown)
                        m->On_Click(CPoint(20, U(0, 3) * 18 + 8));
                    break;
                }
            break;
        }
        case 8: panel.SendMessage(WM_KILLFOCUS, 0, 0); break;
        case 9: other.SetCapture(); ::ReleaseCapture(); break;   // another window takes the mouse
        case 10: pFrame->SetWindowPos(nullptr, 0, 0, U(200, 600), U(100, 400), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); break;
        case 11:
            if (U(0, 9) == 0)
            {
                pFrame->FullScreen(!pFrame->m_bFullScreen);
                pFrame->SendMessage(WM_SYSCOMMAND, U(0, 1) ? SC_MAXIMIZE : SC_RESTORE, 0);
            }
            break;
        }
        Pump();
        int nShown = 0;
        for (CVRK_MENUWND& m : menus)
            nShown += m.m_bShown;
        std::string err;
        if (nShown > 1)
            err = "two of the bar's menus are shown";
        else if (nShown && !panel.m_bMenuMode)
            err = "a menu is shown outside menu mode";
        else if (panel.m_bMenuMode && ::GetCapture() != panel.m_hWnd)
            err = "menu mode without the mouse";
        else if (panel.m_nHotItem < -1 || panel.m_nHotItem >= panel.m_nItemCount)
            err = Fmt("highlight %ld names no caption", panel.m_nHotItem);
        else if (sub.m_bShown && !menus[0].m_bShown)
            err = "a submenu is shown without its menu";
        ASSERT_EQ("", err) << "seed " << seed << ", event " << n << " (kind " << kind << ", after " << strLast << ")";
        nDrops += kind >= 3 && kind <= 4 && nShown;
        nSwitches += nShown && panel.m_nHotItem != nHotBefore && nHotBefore >= 0;
        strLast = Fmt("kind %d", kind);
        if ((n & 255) == 255)
            AfxDeleteTempMaps();
    }
    printf("menu bar storm: %ld drops, %ld switches\n", nDrops, nSwitches);
    EXPECT_GT(nDrops, 0);
    EXPECT_GT(nSwitches, 0);
    other.DestroyWindow();
    pFrame->DestroyWindow();
    Pump();
}

} // namespace

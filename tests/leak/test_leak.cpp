// Leak check: every element kind on every host kind is created, painted,
// driven (hover, clicks, keys, characters, timers, resizes, focus loss) and
// destroyed a thousand times, the elements dying before their panel's
// window in every other life. Every GDI handle and DC a life made must be
// gone afterwards (GetObjectType answers 0), the framework's live counts
// must come back to exactly where they started, and no dead element may be
// called or written; private bytes may wander a little (heap growth, Wine's
// caches) and are reported.
#include "wgtest.h"
#include "wgkinds.h"
#include "deadtrap.h"
#include "scriptedbox.h"
#include <psapi.h>
#include <stdio.h>
#include <algorithm>

using namespace wgtest;
using namespace wgkinds;

namespace {

// A thousand lives of every element kind, eight to a host, so every host
// kind also lives 125 times per element kind.
const int kLives = 1000;
const int kElements = 8;

long long PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof(pmc);
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc)))
        return -1;
    // Wine leaves PrivateUsage at 0 and reports the process's private
    // memory (Linux RssAnon + VmSwap) as PagefileUsage, which Windows
    // keeps equal to it anyway.
    return (long long)(pmc.PrivateUsage ? pmc.PrivateUsage : pmc.PagefileUsage);
}


// Every GDI object and DC a panel, its elements and its host hold now.
void CollectHandles(CVRK_WGPANEL& panel, ElementSet& set, Host& host, std::vector<HANDLE>& out)
{
    auto add = [&](HANDLE h) { if (h) out.push_back(h); };
    add(panel.m_bmpBG.m_hObject);
    add(panel.m_pBGDC->m_hDC);
    for (auto& up : set.items)
    {
        add(up->m_bmpBG.m_hObject);
        add(up->m_bmpParentBG.m_hObject);
        add(up->m_pBGDC->m_hDC);
        add(up->m_pParentBGDC->m_hDC);
        if (CWG_LabelButton* b = dynamic_cast<CWG_LabelButton*>(up.get()))
            add(b->m_fontUnderline.m_hObject);
    }
    if (DialogHost* d = dynamic_cast<DialogHost*>(&host))
    {
        add(d->m_pDialog->m_pSkinDC->m_hDC);
        add(d->m_pDialog->m_bmpSkin.m_hObject);
    }
}

class Leak : public SharedHostTest
{
protected:
    // Runs kLives lives of one window kind after a short warm-up (shared
    // skins load once): every handle a life reports is gone afterwards and
    // the live counts come back.
    template <class Life>
    void CheckLives(Life life)
    {
        std::vector<HANDLE> handles;
        for (int i = 0; i < 4; ++i)
            life(i, handles);
        Pump();
        AfxDeleteTempMaps();
        const LONG gdi0 = AfxGetLiveGdiObjectCount(), dc0 = AfxGetLiveDCCount();
        for (int i = 0; i < kLives; ++i)
        {
            life(i, handles);
            ASSERT_FALSE(HasFatalFailure()) << "life " << i;
            for (HANDLE h : handles)
                ASSERT_EQ(0u, ::GetObjectType((HGDIOBJ)h)) << "life " << i << ": handle " << h << " outlived its owner";
            if (i % 50 == 0)
                Pump();
            AfxDeleteTempMaps();
            ASSERT_EQ(gdi0, AfxGetLiveGdiObjectCount()) << "life " << i;
            ASSERT_EQ(dc0, AfxGetLiveDCCount()) << "life " << i;
        }
    }

    // One life of a host with kElements elements of one kind: created,
    // painted, driven, destroyed. Every element is hovered and clicked in
    // every life; the rest of the driving rotates through four scripts,
    // because under Wine every repaint costs a good fraction of a
    // millisecond and a thousand lives of every kind must stay quick.
    static void Cycle(const HostKind& hk, const ElementKind& k, CWnd* pTop, int nScript)
    {
        std::vector<HANDLE> handles;
        Graveyard graves;
        DeadCalls() = 0;
        {   // the panel object dies last, then the graves are checked
            CVRK_WGPANEL panel;
            ElementSet set;
            std::unique_ptr<Host> host = hk.open(pTop, &panel, 400, 300);
            ASSERT_TRUE(host != nullptr) << hk.name;
            for (int i = 0; i < kElements; ++i)
            {
                // Alternately the kind's own size and a doubled one.
                long w = i % 2 ? k.w * 2 : k.w, h = i % 2 ? k.h * 2 : k.h;
                set.Add(k, &panel, 4 + (i % 2) * 190, 4 + (i / 2) * 70, w, h);
            }
            panel.DrawMe();

            HWND hWnd = panel.m_hWnd;
            auto send = [&](UINT msg, WPARAM wp, LPARAM lp) { ::SendMessageA(hWnd, msg, wp, lp); };
            auto center = [](CVRK_WG* e) {
                return CPoint(e->m_rect.left + e->m_nWidth / 4 + 1, e->m_rect.top + e->m_nHeight / 2);
            };
            // Hover in and out, and a click, on every element.
            for (auto& up : set.items)
            {
                CPoint in = center(up.get());
                send(WM_MOUSEMOVE, 0, XY(in.x, in.y));
                send(WM_MOUSEMOVE, 0, XY(in.x + 1, in.y));
                send(WM_MOUSEMOVE, 0, XY(396, 296));
                send(WM_MOUSEMOVE, 0, XY(in.x, in.y));
                send(WM_LBUTTONDOWN, MK_LBUTTON, XY(in.x, in.y));
                send(WM_LBUTTONUP, 0, XY(in.x, in.y));
            }

            // Lists: the thumb dragged down its track, a tier edge dragged,
            // a Ctrl-click that adds a row.
            for (auto& up : set.items)
                if (CWG_List* l = dynamic_cast<CWG_List*>(up.get()))
                {
                    const long x = l->m_rect.right - 7, y = l->m_rect.top + l->m_nThumbTop + 2;
                    send(WM_LBUTTONDOWN, MK_LBUTTON, XY(x, y));
                    send(WM_MOUSEMOVE, MK_LBUTTON, XY(x, y + 30));
                    send(WM_LBUTTONUP, 0, XY(x, y + 30));
                    const long xEdge = l->m_rect.left + (l->m_TierX.GetSize() > 0 ? l->m_TierX[0] : 0);
                    const long yRow = l->m_rect.top + l->m_nCaptionHeight + 3;
                    send(WM_LBUTTONDOWN, MK_LBUTTON, XY(xEdge, yRow));
                    send(WM_MOUSEMOVE, MK_LBUTTON, XY(xEdge + 12, yRow));
                    send(WM_LBUTTONUP, 0, XY(xEdge + 12, yRow));
                    send(WM_KEYDOWN, VK_CONTROL, KeyData(VK_CONTROL, false));
                    send(WM_LBUTTONDOWN, MK_LBUTTON, XY(xEdge + 30, yRow + 20));
                    send(WM_KEYUP, VK_CONTROL, KeyData(VK_CONTROL, true));
                }

            // Combos: the drop-down opened by its arrow, a row chosen in it.
            for (auto& up : set.items)
                if (CWG_Combo* c = dynamic_cast<CWG_Combo*>(up.get()))
                {
                    send(WM_LBUTTONDOWN, MK_LBUTTON, XY(c->m_rect.right - 3, c->m_rect.top + 5));
                    if (c->isMenuListInDisplay())
                        for (UINT msg : { (UINT)WM_MOUSEMOVE, (UINT)WM_LBUTTONDOWN })
                            c->m_pMenuList->SendMessage(msg, 0, XY(20, 28));
                }

            switch (nScript % 4)
            {
            case 0:
                // The other buttons, double-clicks, the wheel and timers.
                for (auto& up : set.items)
                {
                    CPoint in = center(up.get());
                    send(WM_LBUTTONDBLCLK, MK_LBUTTON, XY(in.x, in.y));
                    send(WM_LBUTTONUP, 0, XY(in.x, in.y));
                    send(WM_RBUTTONDOWN, MK_RBUTTON, XY(in.x, in.y));
                    send(WM_RBUTTONUP, 0, XY(in.x, in.y));
                    send(WM_RBUTTONDBLCLK, MK_RBUTTON, XY(in.x, in.y));
                    POINT ps = in;
                    ::ClientToScreen(hWnd, &ps);
                    send(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)120), XY(ps.x, ps.y));
                    send(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120), XY(ps.x, ps.y));
                    send(WM_TIMER, up->m_nIndex, 0);
                }
                send(WM_TIMER, kElements + 3, 0);
                break;
            case 1: {
                // Keys and characters on every element in turn (Tab walks them),
                // the first round through the application's pump.
                static const UINT keys[] = { VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT, VK_DELETE, 'A' };
                for (UINT vk : { (UINT)VK_TAB, (UINT)VK_RETURN, (UINT)'A' })
                {
                    ::PostMessageA(hWnd, WM_KEYDOWN, vk, KeyData(vk, false));
                    ::PostMessageA(hWnd, WM_KEYUP, vk, KeyData(vk, true));
                }
                ::PostMessageA(hWnd, WM_CHAR, 0xB0, 1);
                Pump();
                for (int i = 0; i < kElements; ++i)
                {
                    send(WM_KEYDOWN, VK_TAB, KeyData(VK_TAB, false));
                    for (UINT vk : keys)
                    {
                        send(WM_KEYDOWN, vk, KeyData(vk, false));
                        send(WM_KEYUP, vk, KeyData(vk, true));
                    }
                    send(WM_CHAR, 'x', 1);
                    send(WM_CHAR, 0xA1, 1);
                    // Select all, copy and paste: the clipboard's blocks
                    // and the text fields' remembered widths.
                    for (UINT ch : { 0x01u, 0x03u, 0x16u })
                        send(WM_CHAR, ch, 1);
                }
                break;
            }
            case 2:
                // Disabled and hidden looks, and new sizes (new bitmaps).
                for (auto& up : set.items)
                {
                    up->m_bEnable = FALSE;
                    panel.RefreshWG(up->m_nIndex);
                    up->NewWH(k.w + 10, k.h + 4);
                }
                set.items[0]->m_bVisible = FALSE;
                panel.DrawMe();
                for (auto& up : set.items)
                {
                    up->m_bEnable = TRUE;
                    up->m_bVisible = TRUE;
                }
                panel.DrawMe();
                break;
            case 3:
                // A resized panel (new back buffer), WM_PAINT, focus and its loss.
                host->Resize(410, 310);
                ::InvalidateRect(hWnd, nullptr, FALSE);
                ::UpdateWindow(hWnd);
                panel.SetNowWG(kElements - 1);
                send(WM_KILLFOCUS, 0, 0);
                Pump();
                break;
            }

            CollectHandles(panel, set, *host, handles);
            // Elements die before their panel's window (current and holding
            // the focus, as members of a derived panel do) in every other
            // round of the scripts, after it in the others.
            if ((nScript / 4) % 2)
                host.reset();
            else
            {
                panel.SetFocus();
                panel.SetNowWG(0);
            }
            for (auto& up : set.items)
                graves.Bury(up.release());
            set.Clear();
            host.reset();
        }
        EXPECT_EQ(0u, graves.Disturbed()) << k.name << " on " << hk.name << ": dead elements touched";
        EXPECT_EQ(0, DeadCalls()) << k.name << " on " << hk.name << ": dead elements called";
        for (HANDLE h : handles)
            ASSERT_EQ(0u, ::GetObjectType((HGDIOBJ)h)) << k.name << " on " << hk.name << ": handle " << h << " outlived its owner";
    }
};

TEST_F(Leak, EveryKindCreatedPaintedDrivenAndDestroyedAThousandTimes)
{
    long long drift = 0;
    for (const HostKind& hk : HostKinds())
        for (const ElementKind& k : ElementKinds())
        {
            // Warm up: whatever the library or Wine makes once (window
            // classes, the skin cache of the system, heap arenas) is made now.
            for (int i = 0; i < 8; ++i)
            {
                Cycle(hk, k, &m_top, i);
                AfxDeleteTempMaps();
            }
            ASSERT_FALSE(HasFatalFailure());
            const LONG gdi0 = AfxGetLiveGdiObjectCount();
            const LONG dc0 = AfxGetLiveDCCount();
            const long long mem0 = PrivateBytes();
            ASSERT_GT(mem0, 0);
            const DWORD t0 = ::GetTickCount();

            for (int i = 0; i < kLives / kElements; ++i)
            {
                Cycle(hk, k, &m_top, i);
                if (HasFatalFailure())
                    return;
                AfxDeleteTempMaps();   // where an idle pump would
                if (AfxGetLiveGdiObjectCount() != gdi0 || AfxGetLiveDCCount() != dc0)
                {
                    ADD_FAILURE() << k.name << " on " << hk.name << ", host life " << i << ": live GDI objects "
                                  << gdi0 << " -> " << AfxGetLiveGdiObjectCount() << ", live DCs " << dc0
                                  << " -> " << AfxGetLiveDCCount();
                    return;
                }
            }
            const long long d = PrivateBytes() - mem0;
            drift += d;
            printf("leak: %-24s on %-14s %d lives (%d hosts), GDI objects %ld -> %ld, DCs %ld -> %ld, "
                   "private bytes %+lld (%lu ms)\n",
                   k.name, hk.name, kLives, kLives / kElements, (long)gdi0, (long)AfxGetLiveGdiObjectCount(),
                   (long)dc0, (long)AfxGetLiveDCCount(), d, ::GetTickCount() - t0);
            fflush(stdout);
            EXPECT_EQ(gdi0, AfxGetLiveGdiObjectCount()) << k.name << " on " << hk.name;
            EXPECT_EQ(dc0, AfxGetLiveDCCount()) << k.name << " on " << hk.name;
            // Generous: a leak of one back buffer per life would already be
            // several megabytes.
            EXPECT_LT(d, 2ll * 1024 * 1024) << k.name << " on " << hk.name;
        }
    RecordProperty("private_bytes_drift", (int)drift);
    printf("leak: total private-bytes drift %+lld bytes\n", drift);
}

// A thousand message boxes, each painted, its tick box clicked, a button
// lit and pressed inside its own modal loop: every DC and bitmap a box made
// is gone once it is destroyed, and the live counts come back.
TEST_F(Leak, AThousandMessageBoxesReleaseEveryHandle)
{
    auto life = [](int i, std::vector<HANDLE>& handles) {
        ScriptedBox box;
        box.m_fnInLoop = [&handles](ScriptedBox& b) {
            b.Click(62, 45);   // the tick box
            handles.clear();
            for (HANDLE h : { (HANDLE)b.m_pBGDC->m_hDC, (HANDLE)b.m_pButtonDC->m_hDC, (HANDLE)b.m_pIconDC->m_hDC,
                              (HANDLE)(b.m_pCheckDC ? b.m_pCheckDC->m_hDC : nullptr), (HANDLE)b.m_bmpBG.m_hObject,
                              (HANDLE)b.m_pSkinDC->m_hDC })
                if (h)
                    handles.push_back(h);
            b.Move(10, 100);
            const CPoint pt = b.Button(b.m_nType == 0 ? 0 : 1);   // "确定", or "否" of three
            b.Click(pt.x, pt.y);
        };
        const int nResult = box.DoModal(i % 3 ? "Save the changes?" : "", "WG", i % 2, i % 4 ? "Again" : "", 0);
        EXPECT_EQ((i % 2 ? 1 : 0) + (i % 4 ? 3 : 0), nResult) << "life " << i;
        EXPECT_GE(handles.size(), 5u) << "life " << i;
    };
    CheckLives(life);
}

// The counters the check relies on do see what an element holds: a painted
// element owns two memory DCs and its back buffer until it is destroyed.
TEST_F(Leak, CountersSeeWhatAnElementHolds)
{
    CVRK_WGPANEL panel;
    ElementSet set;
    std::unique_ptr<Host> host = HostKinds()[0].open(&m_top, &panel, 200, 100);
    ASSERT_TRUE(host != nullptr);
    panel.DrawMe();
    const LONG gdi0 = AfxGetLiveGdiObjectCount(), dc0 = AfxGetLiveDCCount();
    const ElementKind* pBase = nullptr;
    for (const ElementKind& k : ElementKinds())
        if (std::string(k.name) == "element")
            pBase = &k;
    ASSERT_TRUE(pBase != nullptr);
    set.Add(*pBase, &panel, 10, 10);
    panel.DrawMe();
    AfxDeleteTempMaps();
    EXPECT_EQ(dc0 + 2, AfxGetLiveDCCount());
    EXPECT_EQ(gdi0 + 1, AfxGetLiveGdiObjectCount());   // the back buffer
    host.reset();
    set.Clear();
    AfxDeleteTempMaps();
    EXPECT_EQ(dc0, AfxGetLiveDCCount());
    EXPECT_EQ(gdi0, AfxGetLiveGdiObjectCount());
}

TEST_F(Leak, PrivateBytesSeeAnAllocation)
{
    const SIZE_T size = 16 * 1024 * 1024;
    const long long before = PrivateBytes();
    char* p = (char*)::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(p != nullptr);
    for (SIZE_T i = 0; i < size; i += 4096)
        p[i] = 1;
    const long long after = PrivateBytes();
    ::VirtualFree(p, 0, MEM_RELEASE);
    printf("leak: 16 MB touched moved private bytes by %+lld\n", after - before);
    EXPECT_GT(after - before, 12ll * 1024 * 1024);
}

// A thousand lives of each of the popup windows: a layered window composed,
// faded, dragged and hidden; a shadow around an owner that in every fourth
// life dies first; a tip of a panel shown, faded in and out and clicked,
// or a bare tip with a long text. Every handle a life made is gone.
class LeakLayer : public CWG_LayerWindow
{
public:
    virtual void CreateLayerDC(CDC* pDC, CDC*, long nWidth, long nHeight)
    {
        SetAreaAlpha(200, 0, 0, nWidth, nHeight);
        TextOut32(2, 2, "layer");
    }
};

TEST_F(Leak, AThousandLivesOfEachPopupReleaseEveryHandle)
{
    std::string strLong(3000, 'w');
    strLong += "\rsecond line";
    auto layerLife = [&](int i, std::vector<HANDLE>& h) {
        LeakLayer w;
        ASSERT_EQ(1, w.Create(&m_top, 60 + i % 7, 40));
        w.Show(100 + i % 50, 100, FALSE);
        for (UINT id : { 4414u, 4414u, 4425u })
            w.SendMessage(WM_TIMER, id);
        w.ShowByCenterPos(300, 300, FALSE);
        w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(5, 5));
        w.SendMessage(WM_LBUTTONUP, 0, XY(5, 5));
        w.Hide();
        h = { w.m_bmpLayer.m_hObject, w.m_dcLayer.m_hDC, w.m_dcSkin.m_hDC };
    };
    auto shadowLife = [&](int i, std::vector<HANDLE>& h) {
        CWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "owner", WS_POPUP | WS_VISIBLE, 200, 200, 100, 80,
                                   m_top.m_hWnd, nullptr));
        CWG_Com_WindowShadow sh;
        ASSERT_EQ(1, sh.Create(&owner, 100, 80));
        sh.Show();
        owner.SetWindowPos(nullptr, 210 + i % 9, 200, 120, 90, SWP_NOZORDER | SWP_NOACTIVATE);
        h = { sh.m_bmpSkin.m_hObject, sh.m_bmpLayer.m_hObject, sh.m_dcLayer.m_hDC, sh.m_dcSkin.m_hDC };
        if (i % 4 == 0)
            owner.DestroyWindow();
    };
    auto tipLife = [&](int i, std::vector<HANDLE>& h) {
        CVRK_WGPANEL panel;
        CWG_Tip tip;
        if (i % 2)
        {
            ASSERT_TRUE(panel.Create(&m_top));
            ASSERT_EQ(1, tip.create(&panel, 1, 100));
            panel.AddTip(&tip);
        }
        else
        {
            ASSERT_EQ(1, tip.create(&m_top));
        }
        tip.show(50 + i % 100, 60, i % 2 ? "tip\rtwo" : strLong.c_str(), -1, kWG_Tip_Center);
        for (UINT id : { 1414u, 1414u, 1424u })
            tip.SendMessage(WM_TIMER, id);
        tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(3, 3));
        ::ReleaseCapture();
        h = { tip.m_bmpSkin.m_hObject, tip.m_bmpDIB.m_hObject };
        tip.DestroyWindow();
    };
    CheckLives(layerLife);
    CheckLives(shadowLife);
    CheckLives(tipLife);
}

// A frame with a menu bar of two menus and a dialog bar, the menus dropped
// and switched across the bar, and a frameless dialog over the frame: a
// thousand lives of each of their classes.
TEST_F(Leak, AThousandLivesOfEachFrameClassReleaseEveryHandle)
{
    auto life = [&](int i, std::vector<HANDLE>& h) {
        CVRK_FRAMEWND* pFrame = static_cast<CVRK_FRAMEWND*>(RUNTIME_CLASS(CVRK_FRAMEWND)->CreateObject());
        ASSERT_TRUE(pFrame->Create(nullptr, "leak"));
        pFrame->SetWindowPos(nullptr, 20 + i % 9, 20, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        CMenuBar bar;
        CVRK_WGDIALOGBAR tools;
        CVRK_WGPANEL toolPanel, dlgPanel;
        CVRK_MENUWND menus[2];
        CString rows[] = { "One", "Two", "----", "Three" };
        ASSERT_EQ(1, bar.Create(pFrame, CBRS_TOP));
        tools.m_pPanel = &toolPanel;
        ASSERT_EQ(1, tools.Create(pFrame, CBRS_BOTTOM));
        tools.m_sizeDefault = CSize(0, 30);
        for (CVRK_MENUWND& m : menus)
        {
            ASSERT_EQ(1, m.Create(&bar, CVRK_MENUWND::KIND_MENUBAR, rows, 4, 0));
            bar.AppendMenuCpt("Menu", &m);
        }
        pFrame->RecalcLayout();
        pFrame->SendMessage(WM_NCPAINT, 1, 0);
        pFrame->SendMessage(WM_NCHITTEST, 0, XY(300, 27));   // hover drawn on a title button
        CMenuBarWGP& panel = *bar.m_pMenuPanel;
        panel.DrawMe();
        toolPanel.DrawMe();
        // Menus dropped and switched in every tenth life: each shown menu
        // and shadow is mapped by the X server (the menus' own leak check
        // pops a thousand).
        if (i % 10 == 0)
        {
            panel.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(20, 10));
            panel.SendMessage(WM_MOUSEMOVE, 0, XY(60, 10));
            panel.SendMessage(i % 20 ? WM_KEYDOWN : WM_LBUTTONDOWN, i % 20 ? 'X' : MK_LBUTTON, XY(20, 10));
        }
        else
            panel.SendMessage(WM_MOUSEMOVE, 0, XY(20 + i % 60, 10));
        {
            CVRK_DIALOGAU dlg(pFrame);
            dlg.m_rcWindow.SetRect(0, 0, 120, 80);
            dlg.m_pPanel = &dlgPanel;
            ASSERT_EQ(1, dlg.Create(pFrame));
            dlgPanel.DrawMe();
            h = { pFrame->m_pSkinDC->m_hDC, panel.m_pBGDC->m_hDC, panel.m_bmpBG.m_hObject, panel.m_pSkinDC->m_hDC,
                  toolPanel.m_pBGDC->m_hDC, toolPanel.m_bmpBG.m_hObject, dlgPanel.m_pBGDC->m_hDC,
                  dlgPanel.m_bmpBG.m_hObject, menus[0].m_pBGDC->m_hDC, menus[1].m_bmpBG.m_hObject };
            h.erase(std::remove(h.begin(), h.end(), (HANDLE)nullptr), h.end());
        }
        // The frame dies first in every other life, its bars first in the rest.
        if (i % 2)
            pFrame->DestroyWindow();
        else
        {
            bar.DestroyWindow();
            tools.DestroyWindow();
            pFrame->DestroyWindow();
        }
    };
    CheckLives(life);
}

// A thousand popups of a three-level menu with icons, in four lives of 250
// (the menu a panel's in odd lives, free-standing in even ones): each level
// opened by the pointer, then a row of the deepest chosen (the chain
// closes) or a key pressed. Popping up again holds no more handles than the
// first popup did, and every handle is gone once the menus die.
TEST_F(Leak, AThousandPopupsOfAThreeLevelMenuReleaseEveryHandle)
{
    auto life = [&](int nLife, int nPopups, std::vector<HANDLE>& h) {
        CVRK_WGPANEL panel;
        CVRK_MENUWND top, sub, deep;
        CString rows[] = { ">sub", "----", "plain", "\xB4\xF2\xBF\xAA" }, subRows[] = { "a", ">deep" }, deepRows[] = { "x", "y" };
        if (nLife % 2)
        {
            ASSERT_TRUE(panel.Create(&m_top));
        }
        ASSERT_EQ(1, top.Create(nLife % 2 ? (CWnd*)&panel : &m_top, nLife % 2 ? 3 : 0, rows, 4, 3009));
        ASSERT_EQ(1, sub.Create(&top, 2, subRows, 2, 3006));
        ASSERT_EQ(1, deep.Create(&sub, 2, deepRows, 2, 0));
        auto send = [&](CVRK_MENUWND& m, long nRow, UINT msg) {
            const CPoint pt(m.m_rcWindow.left + 10, m.m_rcWindow.top + nRow * m.m_nItemHeight + 8);
            top.SendMessage(msg, 0, XY(pt.x - top.m_rcWindow.left, pt.y - top.m_rcWindow.top));
        };
        LONG gdi1 = 0, dc1 = 0;
        for (int i = 0; i < nPopups; ++i)
        {
            top.Popup(100 + i % 50, 100);
            send(top, 0, WM_MOUSEMOVE);
            send(sub, 1, WM_MOUSEMOVE);
            send(deep, 1, WM_MOUSEMOVE);
            ASSERT_TRUE(deep.m_bShown) << "popup " << i;
            if (i % 3)
                send(deep, 1, WM_LBUTTONDOWN);
            else
                top.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
            ASSERT_FALSE(top.m_bShown || sub.m_bShown || deep.m_bShown) << "popup " << i;
            AfxDeleteTempMaps();
            if (i == 0)
                gdi1 = AfxGetLiveGdiObjectCount(), dc1 = AfxGetLiveDCCount();
            ASSERT_EQ(gdi1, AfxGetLiveGdiObjectCount()) << "popup " << i;
            ASSERT_EQ(dc1, AfxGetLiveDCCount()) << "popup " << i;
        }
        h.clear();
        for (CVRK_MENUWND* m : { &top, &sub, &deep })
            for (HANDLE x : { (HANDLE)m->m_bmpBG.m_hObject, (HANDLE)m->m_bmpIcon.m_hObject, (HANDLE)m->m_pBGDC->m_hDC,
                              (HANDLE)m->m_pIconDC->m_hDC, (HANDLE)m->m_pArrowDC->m_hDC, (HANDLE)m->m_Shadow.m_bmpLayer.m_hObject })
                if (x)
                    h.push_back(x);
    };
    std::vector<HANDLE> handles;
    life(1, 1, handles);   // shared skins load once
    Pump();
    AfxDeleteTempMaps();
    const LONG gdi0 = AfxGetLiveGdiObjectCount(), dc0 = AfxGetLiveDCCount();
    for (int nLife = 0; nLife < 4; ++nLife)
    {
        life(nLife, 250, handles);
        ASSERT_FALSE(HasFatalFailure()) << "life " << nLife;
        EXPECT_GE(handles.size(), 15u);
        for (HANDLE h : handles)
            ASSERT_EQ(0u, ::GetObjectType((HGDIOBJ)h)) << "life " << nLife << ": handle " << h << " outlived its menu";
        Pump();
        AfxDeleteTempMaps();
        ASSERT_EQ(gdi0, AfxGetLiveGdiObjectCount()) << "life " << nLife;
        ASSERT_EQ(dc0, AfxGetLiveDCCount()) << "life " << nLife;
    }
}

} // namespace

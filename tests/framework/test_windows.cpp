// The window layer: attachment before the first message, message-map
// dispatch with MFC's handler signatures, Default, the pre-translation walk,
// the dialog's modal loop, GDI ownership counting and the module chain.
#include "wgtest.h"
#include <functional>
#include <thread>

using namespace wgtest;

namespace {

class CLogWnd : public CWnd
{
public:
    Log m_log;
    BOOL m_bTakeKeys = FALSE;

    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN)
            m_log.Add(Fmt("pre %p", (void*)this));
        return m_bTakeKeys && pMsg->message == WM_KEYDOWN;
    }

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_log.Add(Fmt("create %s", lpcs->lpszName ? lpcs->lpszName : ""));
        return CWnd::OnCreate(lpcs);
    }
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_log.Add(Fmt("wheel %u %d %ld,%ld", nFlags, zDelta, pt.x, pt.y));
        return TRUE;
    }
    void OnSize(UINT nType, int cx, int cy) { m_log.Add(Fmt("size %u %d %d", nType, cx, cy)); }
    void OnKeyDown(UINT nChar, UINT nRep, UINT nFlags) { m_log.Add(Fmt("key %u %u %u", nChar, nRep, nFlags)); }
    void OnLButtonDown(UINT nFlags, CPoint pt) { m_log.Add(Fmt("down %u %ld,%ld", nFlags, pt.x, pt.y)); }
    void OnTimer(UINT_PTR nID) { m_log.Add(Fmt("timer %u", (unsigned)nID)); }
    LRESULT OnUser(WPARAM wp, LPARAM lp) { m_log.Add(Fmt("user %d %d", (int)wp, (int)lp)); return 42; }
    UINT OnNcHitTest(CPoint pt) { CWnd::OnNcHitTest(pt); return HTCAPTION; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLogWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_MOUSEWHEEL()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
    ON_WM_NCHITTEST()
    ON_MESSAGE(WM_USER + 7, OnUser)
END_MESSAGE_MAP()

TEST(Window, AttachedBeforeTheFirstMessageAndDetachedAfterTheLast)
{
    CLogWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "first", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 40), &SharedHost(), 3));
    EXPECT_EQ("create first", wnd.m_log.lines.front());
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    char szClass[32] = "";
    ::GetClassNameA(wnd.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("AfxWnd42", szClass);
    EXPECT_EQ(3, wnd.GetDlgCtrlID());
    HWND h = wnd.m_hWnd;
    EXPECT_FALSE(wnd.CreateEx(0, nullptr, "second", WS_CHILD, CRect(0, 0, 5, 5), &SharedHost(), 4));
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
}

TEST(Window, HandlersReceiveCrackedParameters)
{
    CLogWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 50, 40), &SharedHost(), 0));
    wnd.m_log.Clear();
    wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, (WORD)(short)-240), XY(-5, 700));
    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    wnd.SendMessage(WM_KEYDOWN, VK_LEFT, 0x014B0003);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(-3, 9));
    wnd.SendMessage(WM_TIMER, 77);
    EXPECT_EQ(42, wnd.SendMessage(WM_USER + 7, 5, -6));
    EXPECT_EQ(HTCAPTION, wnd.SendMessage(WM_NCHITTEST, 0, XY(1, 1)));
    EXPECT_EQ("wheel 4 -240 -5,700 | size 2 640 480 | key 37 3 331 | down 1 -3,9 | timer 77 | user 5 -6",
              wnd.m_log.Joined());
    wnd.DestroyWindow();
}

// A window of a foreign class keeps its own procedure behind the map.
TEST(Window, SubclassedWindowsHandToTheirOriginalProcedure)
{
    CLogWnd edit;
    HWND h = ::CreateWindowExA(0, "EDIT", "abc", WS_CHILD, 0, 0, 80, 20, SharedHost().m_hWnd,
                               nullptr, nullptr, nullptr);
    ASSERT_TRUE(edit.SubclassWindow(h));
    EXPECT_FALSE(CWnd().SubclassWindow(h));   // one object per window
    char buf[16] = "";
    ::GetWindowTextA(h, buf, sizeof(buf));    // unhandled: reaches the edit control
    EXPECT_STREQ("abc", buf);
    EXPECT_EQ(h, edit.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    CWnd* pTemp = CWnd::FromHandle(h);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(h));    // one temporary object per handle
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(h));
    ::DestroyWindow(h);
    AfxDeleteTempMaps();
}

TEST(Window, PreTranslationWalksFromTheTargetUpThroughItsParents)
{
    CLogWnd parent, child;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 50, 40), &SharedHost(), 0));
    ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 10, 10), &parent, 0));
    parent.m_log.Clear();
    child.m_log.Clear();
    MSG msg = { child.m_hWnd, WM_KEYDOWN, 'A', 0, 0, { 0, 0 } };
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
    EXPECT_EQ(1u, child.m_log.lines.size());
    EXPECT_EQ(1u, parent.m_log.lines.size());
    child.m_bTakeKeys = TRUE;                 // the child takes it: the parent never sees it
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
    EXPECT_EQ(1u, parent.m_log.lines.size());
    // A pumped key is dispatched when nobody takes it.
    child.m_bTakeKeys = FALSE;
    child.PostMessage(WM_KEYDOWN, 'B', 1);
    Pump();
    EXPECT_EQ("key 66 1 0", child.m_log.lines.back());
    child.DestroyWindow();
    parent.DestroyWindow();
}

// A minimal in-memory template: no controls, the system dialog class.
struct Template
{
    DLGTEMPLATE dt;
    WORD menu, cls, title;
};

class CModalProbe : public CDialog
{
public:
    Log m_log;
    int m_nEndWith = IDOK;
    BOOL m_bEndWhenIdle = FALSE;   // else ends on a message posted at start
    virtual BOOL OnInitDialog()
    {
        m_log.Add("init");
        if (!m_bEndWhenIdle)
            PostMessage(WM_USER + 1);
        return TRUE;
    }
    LRESULT OnKickIdle(WPARAM, LPARAM lIdleCount)
    {
        if (m_bEndWhenIdle)
        {
            m_log.Add(Fmt("idle %d", (int)lIdleCount));
            EndDialog(m_nEndWith);
        }
        return 0;
    }
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_USER + 1)
        {
            m_log.Add("pre-translated");
            EndDialog(m_nEndWith);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalProbe, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST(Dialog, ModalLoopOffersMessagesToPreTranslateAndReturnsTheEndCode)
{
    Template t = { { WS_POPUP | DS_MODALFRAME, 0, 0, 0, 0, 100, 50 }, 0, 0, 0 };
    CModalProbe dlg;
    EXPECT_FALSE(dlg.InitModalIndirect(nullptr));
    ASSERT_TRUE(dlg.InitModalIndirect(&t.dt, &SharedHost()));
    dlg.m_nEndWith = 1234;
    EXPECT_EQ(1234, dlg.DoModal());
    EXPECT_EQ("init | pre-translated", dlg.m_log.Joined());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(SharedHost().IsWindowEnabled());   // the owner is enabled again

    CDialog none;
    EXPECT_EQ(-1, none.DoModal());                // no template: fails at once
    none.EndDialog(IDCANCEL);                     // before any window: only records
    EXPECT_EQ(IDCANCEL, none.m_nModalResult);
}

// Temporary objects are freed only at the application's idle time: one held
// across DoModal survives the dialog's idle loop.
TEST(Dialog, TemporaryObjectsOutliveTheModalLoopsIdleTime)
{
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, SharedHost().m_hWnd,
                                      nullptr, nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hForeign);
    Template t = { { WS_POPUP, 0, 0, 0, 0, 0, 0 }, 0, 0, 0 };
    CModalProbe dlg;
    dlg.m_bEndWhenIdle = TRUE;
    ASSERT_TRUE(dlg.InitModalIndirect(&t.dt, &SharedHost()));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("init | idle 0", dlg.m_log.Joined());
    EXPECT_EQ(hForeign, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign));
    ::DestroyWindow(hForeign);
    AfxDeleteTempMaps();
}

TEST(Dialog, ModelessDialogFromTemplateIsAttachedAndOkEndsIt)
{
    Template t = { { WS_POPUP, 0, 0, 0, 0, 80, 40 }, 0, 0, 0 };
    CModalProbe dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&t.dt, &SharedHost()));
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    char szClass[16] = "";
    ::GetClassNameA(dlg.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("#32770", szClass);
    EXPECT_EQ("init", dlg.m_log.lines.front());
    MSG mouse = { dlg.m_hWnd, WM_MOUSEMOVE, 0, 0, 0, { 0, 0 } };
    EXPECT_TRUE(dlg.PreTranslateMessage(&mouse)) << "mouse input goes to the dialog manager too";
    MSG other = { dlg.m_hWnd, WM_USER + 9, 0, 0, 0, { 0, 0 } };
    EXPECT_FALSE(dlg.PreTranslateMessage(&other));
    dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(IDOK, dlg.m_nModalResult);
    dlg.DestroyWindow();
}

// Whether fn left a GDI handle behind: the system hands out the most
// recently freed handle slot first, so a probe made after fn takes the slot
// of the probe freed before it exactly when fn kept nothing.
template <class F>
bool LeavesGdiHandle(F fn)
{
    HGDIOBJ hBefore = ::CreateSolidBrush(0);
    ::DeleteObject(hBefore);
    fn();
    HGDIOBJ hAfter = ::CreateSolidBrush(0);
    ::DeleteObject(hAfter);
    return LOWORD((UINT_PTR)hBefore) != LOWORD((UINT_PTR)hAfter);
}

TEST(Gdi, CreateOnAnOwnerIsRefusedBeforeAnythingIsMade)
{
    HGDIOBJ hLeak = nullptr;
    ASSERT_TRUE(LeavesGdiHandle([&] { hLeak = ::CreatePen(PS_SOLID, 1, 0); }));   // the probe sees a leak
    ::DeleteObject(hLeak);
    LOGFONTA lf = {};
    lf.lfHeight = 12;
    const RECT rc = { 0, 0, 4, 4 };
    CPen pen(PS_SOLID, 1, 0);
    CBrush brush(0x00FF00);
    CFont font;
    CBitmap bmp;
    CRgn rgn;
    ASSERT_TRUE(font.CreateFontIndirect(&lf) && bmp.CreateBitmap(2, 2, 1, 32, nullptr) && rgn.CreateRectRgn(0, 0, 1, 1));
    const LONG n = AfxGetLiveGdiObjectCount();
    const struct { const char* name; std::function<BOOL()> create; } cases[] = {
        { "CreatePen", [&] { return pen.CreatePen(PS_DASH, 1, 0); } },
        { "CreateSolidBrush", [&] { return brush.CreateSolidBrush(0); } },
        { "CreateFontIndirect", [&] { return font.CreateFontIndirect(&lf); } },
        { "CreateFont", [&] { return font.CreateFont(9, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"); } },
        { "CreateBitmap", [&] { return bmp.CreateBitmap(3, 3, 1, 32, nullptr); } },
        { "CreateCompatibleBitmap", [&] { return bmp.CreateCompatibleBitmap(nullptr, 3, 3); } },
        { "CreateRectRgn", [&] { return rgn.CreateRectRgn(0, 0, 2, 2); } },
        { "CreateRectRgnIndirect", [&] { return rgn.CreateRectRgnIndirect(&rc); } },
        { "CreateRoundRectRgn", [&] { return rgn.CreateRoundRectRgn(0, 0, 9, 9, 2, 2); } },
        { "CreateEllipticRgn", [&] { return rgn.CreateEllipticRgn(0, 0, 9, 9); } },
        { "CreateStockObject", [&] { return pen.CreateStockObject(BLACK_PEN); } },
    };
    for (const auto& c : cases)
    {
        BOOL bResult = TRUE;
        EXPECT_FALSE(LeavesGdiHandle([&] { bResult = c.create(); })) << c.name;
        EXPECT_FALSE(bResult) << c.name;
    }
    EXPECT_EQ(n, AfxGetLiveGdiObjectCount());
}

TEST(Gdi, TheCountFollowsTheRealHandles)
{
    const LONG n0 = AfxGetLiveGdiObjectCount(), d0 = AfxGetLiveDCCount();
    HGDIOBJ hPen, hBmp;
    HDC hDC;
    {
        CPen pen(PS_SOLID, 1, 0);
        CBitmap bmp;
        CDC dc;
        ASSERT_TRUE(bmp.CreateCompatibleBitmap(nullptr, 4, 4) && dc.CreateCompatibleDC(nullptr));
        hPen = pen.m_hObject, hBmp = bmp.m_hObject, hDC = dc.m_hDC;
        EXPECT_EQ(n0 + 2, AfxGetLiveGdiObjectCount());
        EXPECT_EQ(d0 + 1, AfxGetLiveDCCount());
        HGDIOBJ hOld = ::SelectObject(dc, hBmp);
        bmp.DeleteObject();   // the DC still holds it: the handle lives on
        EXPECT_EQ(nullptr, bmp.m_hObject);
        EXPECT_NE(0u, ::GetObjectType(hBmp));
        EXPECT_EQ(n0 + 2, AfxGetLiveGdiObjectCount());
        ::SelectObject(dc, hOld);   // released: now the system frees it
        EXPECT_EQ(0u, ::GetObjectType(hBmp));
        EXPECT_EQ(n0 + 1, AfxGetLiveGdiObjectCount());
        ::DeleteObject(pen.Detach());   // no longer ours
        EXPECT_EQ(n0, AfxGetLiveGdiObjectCount());
        EXPECT_FALSE(pen.DeleteObject());
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen));
    EXPECT_EQ(0u, ::GetObjectType(hDC));
    EXPECT_EQ(d0, AfxGetLiveDCCount());
}

TEST(Gdi, FromHandleAnswersTheOwnerOnEveryThread)
{
    const LONG d0 = AfxGetLiveDCCount();
    HDC hOwned = ::CreateCompatibleDC(nullptr);
    {
        CDC dc;
        ASSERT_TRUE(dc.Attach(hOwned));
        EXPECT_EQ(&dc, CDC::FromHandle(hOwned));
        EXPECT_EQ(d0 + 1, AfxGetLiveDCCount());
    }
    EXPECT_EQ(0u, ::GetObjectType(hOwned));   // an attached DC dies with its object
    EXPECT_EQ(d0, AfxGetLiveDCCount());

    CBrush brush(0x123456);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(nullptr));
    CClientDC client(&SharedHost());
    EXPECT_EQ(&client, CDC::FromHandle(client.m_hDC));
    HGDIOBJ hStock = ::GetStockObject(WHITE_BRUSH);
    CGdiObject* pTemp = CGdiObject::FromHandle(hStock);
    std::thread([&] {
        EXPECT_EQ(&brush, CBrush::FromHandle(brush));
        EXPECT_EQ(&memDC, CDC::FromHandle(memDC));
        EXPECT_NE(pTemp, CGdiObject::FromHandle(hStock));   // temporaries are per thread
        AfxDeleteTempMaps();
    }).join();
    EXPECT_EQ(&brush, CGdiObject::FromHandle(brush));
    EXPECT_EQ(pTemp, CGdiObject::FromHandle(hStock));   // untouched by the worker's cleanup
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));
    HDC hMem = memDC.Detach();   // no longer the object's
    EXPECT_NE(&memDC, CDC::FromHandle(hMem));
    ::DeleteDC(hMem);
    AfxDeleteTempMaps();
}

TEST(Module, ExtensionModulesJoinTheHeadOfTheResourceChainAndLeaveOnTermination)
{
    AFX_EXTENSION_MODULE bad = { FALSE, nullptr, nullptr };
    EXPECT_FALSE(AfxInitExtensionModule(bad, nullptr));
    // wg.dll joins at load: its bitmaps are found, the program has none.
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(3002), RT_BITMAP));
    HINSTANCE hWg = ::LoadLibraryA("wg.dll");
    ASSERT_NE(nullptr, hWg);
    EXPECT_EQ(hWg, AfxFindResourceHandle(MAKEINTRESOURCEA(3002), RT_BITMAP));
    // A module joining later is searched first: both have a version record.
    LPCSTR lpszVersion = MAKEINTRESOURCEA(VS_VERSION_INFO);
    EXPECT_EQ(hWg, AfxFindResourceHandle(lpszVersion, RT_VERSION));
    HMODULE hUser = ::GetModuleHandleA("user32.dll");
    AFX_EXTENSION_MODULE other = { FALSE, nullptr, nullptr };
    ASSERT_TRUE(AfxInitExtensionModule(other, hUser));
    new CDynLinkLibrary(other);
    EXPECT_EQ(hUser, AfxFindResourceHandle(lpszVersion, RT_VERSION));
    EXPECT_EQ(hWg, AfxFindResourceHandle(MAKEINTRESOURCEA(3002), RT_BITMAP));
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(9999), RT_BITMAP));
    AfxTermExtensionModule(other);
    EXPECT_FALSE(other.bInitialized);
    EXPECT_EQ(hWg, AfxFindResourceHandle(lpszVersion, RT_VERSION));
    // Unloading the library takes it out of the chain again.
    ::FreeLibrary(hWg);
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(3002), RT_BITMAP));
    // A scoped state switch restores the previous state.
    AFX_MODULE_STATE* pBefore = AfxGetModuleState();
    {
        AFX_MANAGE_STATE(AfxGetAppModuleState());
        EXPECT_EQ(AfxGetAppModuleState(), AfxGetModuleState());
    }
    EXPECT_EQ(pBefore, AfxGetModuleState());
}

class CBoxApp : public CWinApp
{
public:
    Log m_log;
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt)
    {
        m_log.Add(Fmt("box '%s' %u %u", lpszPrompt, nType, nIDPrompt));
        return IDOK;
    }
};

TEST(App, OnlyTheMainWindowsEndQuits)
{
    CBoxApp app;
    CWnd main, standIn;
    for (CWnd* p : { &main, &standIn })
        ASSERT_TRUE(p->CreateEx(0, AFX_WND_CLASS, "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
    app.m_pMainWnd = &main;
    app.m_pActiveWnd = &standIn;   // as while a modal dialog runs
    EXPECT_EQ(&standIn, AfxGetMainWnd());
    standIn.DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pActiveWnd);
    EXPECT_EQ(&main, AfxGetMainWnd());
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    main.DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0, (int)msg.wParam);
}

TEST(App, MessageBoxesAndWindowClassesOfTextbookPrograms)
{
    CBoxApp app;
    AfxMessageBox("hi");
    AfxMessageBox("sure?", MB_YESNO, 7);
    AfxMessageBox(54321);   // no such string: empty, with its id as the help context
    EXPECT_EQ("box 'hi' 0 0 | box 'sure?' 4 7 | box '' 0 54321", app.m_log.Joined());

    HCURSOR hCursor = app.LoadStandardCursor(IDC_CROSS);
    HBRUSH hBrush = (HBRUSH)::GetStockObject(GRAY_BRUSH);
    CString strA = AfxRegisterWndClass(CS_HREDRAW, hCursor, hBrush);
    EXPECT_EQ(strA, AfxRegisterWndClass(CS_HREDRAW, hCursor, hBrush));   // registered once
    EXPECT_EQ(0, strA.Find("Afx:"));
    CString strB = AfxRegisterWndClass(CS_HREDRAW);
    EXPECT_NE(strA, strB);
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), strA, &wc));
    EXPECT_EQ((UINT)CS_HREDRAW, wc.style);
    EXPECT_EQ(hCursor, wc.hCursor);
    EXPECT_EQ(hBrush, wc.hbrBackground);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, strB, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    wnd.DestroyWindow();
}

} // namespace

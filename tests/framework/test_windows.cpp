// The window layer: attachment before the first message, message-map
// dispatch with MFC's handler signatures, Default, the pre-translation walk,
// the dialog's modal loop, GDI ownership counting and the module chain.
#include "wgtest.h"

using namespace wgtest;

namespace {

class CLogWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    BOOL m_bTakeKeys = FALSE;

    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN)
            m_log.push_back(Fmt("pre %p", (void*)this));
        return m_bTakeKeys && pMsg->message == WM_KEYDOWN;
    }

protected:
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_log.push_back(Fmt("create %s", lpcs->lpszName ? lpcs->lpszName : ""));
        return CWnd::OnCreate(lpcs);
    }
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        m_log.push_back(Fmt("wheel %u %d %ld,%ld", nFlags, zDelta, pt.x, pt.y));
        return TRUE;
    }
    void OnSize(UINT nType, int cx, int cy) { m_log.push_back(Fmt("size %u %d %d", nType, cx, cy)); }
    void OnKeyDown(UINT nChar, UINT nRep, UINT nFlags) { m_log.push_back(Fmt("key %u %u %u", nChar, nRep, nFlags)); }
    void OnLButtonDown(UINT nFlags, CPoint pt) { m_log.push_back(Fmt("down %u %ld,%ld", nFlags, pt.x, pt.y)); }
    void OnTimer(UINT_PTR nID) { m_log.push_back(Fmt("timer %u", (unsigned)nID)); }
    LRESULT OnUser(WPARAM wp, LPARAM lp) { m_log.push_back(Fmt("user %d %d", (int)wp, (int)lp)); return 42; }
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

std::string Join(const std::vector<std::string>& v)
{
    std::string s;
    for (const auto& l : v)
        s += (s.empty() ? "" : " | ") + l;
    return s;
}

TEST(Window, AttachedBeforeTheFirstMessageAndDetachedAfterTheLast)
{
    CLogWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "first", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 40), &SharedHost(), 3));
    EXPECT_EQ("create first", wnd.m_log.front());
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
    wnd.m_log.clear();
    wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, (WORD)(short)-240), XY(-5, 700));
    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    wnd.SendMessage(WM_KEYDOWN, VK_LEFT, 0x014B0003);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(-3, 9));
    wnd.SendMessage(WM_TIMER, 77);
    EXPECT_EQ(42, wnd.SendMessage(WM_USER + 7, 5, -6));
    EXPECT_EQ(HTCAPTION, wnd.SendMessage(WM_NCHITTEST, 0, XY(1, 1)));
    EXPECT_EQ("wheel 4 -240 -5,700 | size 2 640 480 | key 37 3 331 | down 1 -3,9 | timer 77 | user 5 -6",
              Join(wnd.m_log));
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
    parent.m_log.clear();
    child.m_log.clear();
    MSG msg = { child.m_hWnd, WM_KEYDOWN, 'A', 0, 0, { 0, 0 } };
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
    EXPECT_EQ(1u, child.m_log.size());
    EXPECT_EQ(1u, parent.m_log.size());
    child.m_bTakeKeys = TRUE;                 // the child takes it: the parent never sees it
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
    EXPECT_EQ(1u, parent.m_log.size());
    // A pumped key is dispatched when nobody takes it.
    child.m_bTakeKeys = FALSE;
    child.PostMessage(WM_KEYDOWN, 'B', 1);
    Pump();
    EXPECT_EQ("key 66 1 0", child.m_log.back());
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
    std::vector<std::string> m_log;
    int m_nEndWith = IDOK;
    virtual BOOL OnInitDialog()
    {
        m_log.push_back("init");
        PostMessage(WM_USER + 1);
        return TRUE;
    }
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_USER + 1)
        {
            m_log.push_back("pre-translated");
            EndDialog(m_nEndWith);
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
};

TEST(Dialog, ModalLoopOffersMessagesToPreTranslateAndReturnsTheEndCode)
{
    Template t = {};
    t.dt.style = WS_POPUP | DS_MODALFRAME;
    t.dt.cx = 100;
    t.dt.cy = 50;
    CModalProbe dlg;
    EXPECT_FALSE(dlg.InitModalIndirect(nullptr));
    ASSERT_TRUE(dlg.InitModalIndirect(&t.dt, &SharedHost()));
    dlg.m_nEndWith = 1234;
    EXPECT_EQ(1234, dlg.DoModal());
    EXPECT_EQ("init | pre-translated", Join(dlg.m_log));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(SharedHost().IsWindowEnabled());   // the owner is enabled again

    CDialog none;
    EXPECT_EQ(-1, none.DoModal());                // no template: fails at once
    none.EndDialog(IDCANCEL);                     // before any window: only records
    EXPECT_EQ(IDCANCEL, none.m_nModalResult);
}

TEST(Dialog, ModelessDialogFromTemplateIsAttachedAndOkEndsIt)
{
    Template t = {};
    t.dt.style = WS_POPUP;
    t.dt.cx = 80;
    t.dt.cy = 40;
    CModalProbe dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&t.dt, &SharedHost()));
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    char szClass[16] = "";
    ::GetClassNameA(dlg.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("#32770", szClass);
    EXPECT_EQ("init", dlg.m_log.front());
    dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(IDOK, dlg.m_nModalResult);
    dlg.DestroyWindow();
}

TEST(Gdi, OwnedObjectsAreCountedAndNeverSilentlyReplaced)
{
    const LONG n0 = AfxGetLiveGdiObjectCount(), d0 = AfxGetLiveDCCount();
    {
        CPen pen(PS_SOLID, 1, 0);
        CBrush brush(0x00FF00);
        CBitmap bmp;
        EXPECT_TRUE(bmp.CreateCompatibleBitmap(nullptr, 4, 4));
        EXPECT_FALSE(bmp.CreateCompatibleBitmap(nullptr, 8, 8));   // already owns one
        EXPECT_EQ(CSize(4, 4), bmp.GetSize());
        EXPECT_EQ(n0 + 3, AfxGetLiveGdiObjectCount());
        CDC dc;
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
        EXPECT_EQ(d0 + 1, AfxGetLiveDCCount());
        CBitmap* pOld = dc.SelectObject(&bmp);
        ASSERT_NE(nullptr, pOld);
        EXPECT_EQ(pOld, CGdiObject::FromHandle(pOld->m_hObject));   // temporary, reused
        dc.FillSolidRect(0, 0, 4, 4, 0x123456);
        EXPECT_EQ(0x123456u, dc.GetPixel(3, 3));
        dc.SelectObject(pOld);
        HGDIOBJ h = brush.Detach();
        EXPECT_EQ(n0 + 2, AfxGetLiveGdiObjectCount());
        EXPECT_FALSE(brush.DeleteObject());
        ::DeleteObject(h);
    }
    AfxDeleteTempMaps();
    EXPECT_EQ(n0, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(d0, AfxGetLiveDCCount());
    CDC* pNull = nullptr;
    EXPECT_EQ(nullptr, CDC::SafeHdc(pNull));
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));
}

TEST(Module, ExtensionModulesJoinTheResourceChainInOrderAndLeaveOnTermination)
{
    AFX_EXTENSION_MODULE bad = { FALSE, nullptr, nullptr };
    EXPECT_FALSE(AfxInitExtensionModule(bad, nullptr));
    // wg.dll joins at load: its bitmaps are found, the program has none.
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(3002), RT_BITMAP));
    HINSTANCE hWg = ::LoadLibraryA("wg.dll");
    ASSERT_NE(nullptr, hWg);
    EXPECT_EQ(hWg, AfxFindResourceHandle(MAKEINTRESOURCEA(3002), RT_BITMAP));
    // A second module (the framework DLL, which has no bitmaps) joins after it.
    AFX_EXTENSION_MODULE other = { FALSE, nullptr, nullptr };
    ASSERT_TRUE(AfxInitExtensionModule(other, ::GetModuleHandleA("wgafx.dll")));
    new CDynLinkLibrary(other);
    EXPECT_EQ(hWg, AfxFindResourceHandle(MAKEINTRESOURCEA(3002), RT_BITMAP));
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(9999), RT_BITMAP));
    AfxTermExtensionModule(other);
    EXPECT_FALSE(other.bInitialized);
    int n = 0;
    for (CDynLinkLibrary* p = AfxGetAppModuleState()->m_pFirstDLL; p; p = p->m_pNextDLL)
        n += p->m_hModule == ::GetModuleHandleA("wgafx.dll");
    EXPECT_EQ(0, n);
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

TEST(RuntimeClass, DynamicCreationAndKindTests)
{
    CObject* p = RUNTIME_CLASS(CWnd)->CreateObject();
    ASSERT_NE(nullptr, p);
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(p->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_STREQ("CWnd", p->GetRuntimeClass()->m_lpszClassName);
    delete p;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CDialog)->CreateObject());   // not dynamically creatable
}

} // namespace

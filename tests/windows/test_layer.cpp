// The layered window and the drop shadow: placement, fades that push the
// image without composing it, dragging, clicks outside passed on, the
// shadow's picture, z-order and following of its owner.
#include "dlgtest.h"
#include <memory>

using namespace wgtest;

namespace {

// A layered window composing a known picture and counting compositions.
class CountingLayer : public CWG_LayerWindow
{
public:
    int m_nComposed = 0;
    virtual void CreateLayerDC(CDC* pDC, CDC*, long nWidth, long nHeight)
    {
        ++m_nComposed;
        // Opaque red, then premultiplied half-transparent blue, in the left
        // quarters; the right half clear.
        SetAreaAlpha(0, 0, 0, nWidth, nHeight);
        pDC->FillSolidRect(0, 0, nWidth / 4, nHeight, RGB(255, 0, 0));
        pDC->FillSolidRect(nWidth / 4, 0, nWidth / 4, nHeight, RGB(0, 0, 128));
        SetAreaAlpha(255, 0, 0, nWidth / 4, nHeight);
        SetAreaAlpha(128, nWidth / 4, 0, nWidth / 4, nHeight);
    }
    using CWG_LayerWindow::TextOut32;
    BYTE Alpha() const { return m_blend.SourceConstantAlpha; }
};

CRect RectOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// A window that logs the mouse buttons reaching it.
class ClickTarget : public CWnd
{
public:
    Log m_log;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)
            m_log.Add(Fmt("%s %d,%d", message == WM_LBUTTONDOWN ? "left" : "right", (short)LOWORD(lParam),
                          (short)HIWORD(lParam)));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class LayerTest : public SharedHostTest
{
protected:
    ClickTarget m_target;
    void TearDown() override
    {
        if (m_target.m_hWnd)
            m_target.DestroyWindow();
        SharedHostTest::TearDown();
    }
    // A plain window at rc under the pointer, to catch replayed clicks.
    void OpenTarget(const CRect& rc)
    {
        ASSERT_TRUE(m_target.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "target", WS_POPUP | WS_VISIBLE, rc.left, rc.top,
                                      rc.Width(), rc.Height(), nullptr, nullptr));
        Pump();
    }
    // Replayed presses are real input, queued at once: handle them, then
    // let go.
    void PumpInput(const char* up)
    {
        Pump();
        ::mouse_event(!strcmp(up, "left") ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
        Pump();
    }
};

TEST_F(LayerTest, FadesPushTheImageWithoutComposingIt)
{
    CountingLayer w;
    ASSERT_EQ(1, w.Create(&m_top, 200, 100));
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    w.Show(cx - 50, cy - 20, FALSE);
    // Kept on screen at the right and bottom, not at the left and top.
    EXPECT_EQ(CRect(cx - 200, cy - 100, cx, cy), RectOf(w.m_hWnd));
    EXPECT_EQ(CRect(cx - 200, cy - 100, cx, cy), w.GetWindowRect());
    EXPECT_TRUE(::IsWindowVisible(w.m_hWnd));
    EXPECT_EQ(WS_EX_LAYERED | WS_EX_TOOLWINDOW, ::GetWindowLongA(w.m_hWnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOOLWINDOW));
    EXPECT_EQ(32, w.Alpha());
    int nTicks = 0;
    while (w.Alpha() < 255 && nTicks < 20)
        w.SendMessage(WM_TIMER, CWG_LayerWindow::TIMER_FADE_IN), ++nTicks;
    EXPECT_EQ(14, nTicks);
    EXPECT_FALSE(::KillTimer(w.m_hWnd, CWG_LayerWindow::TIMER_FADE_IN)) << "the fade-in timer stops at 255";

    w.HideByCartoon();
    std::string seq;
    for (int i = 0; i < 20 && w.GetInDir(); ++i)
    {
        w.SendMessage(WM_TIMER, CWG_LayerWindow::TIMER_FADE_OUT);
        seq += Fmt("%d ", w.Alpha());
    }
    EXPECT_EQ("239 223 207 191 175 159 143 127 111 95 79 63 47 31 15 ", seq);
    EXPECT_FALSE(::IsWindowVisible(w.m_hWnd));
    EXPECT_FALSE(::KillTimer(w.m_hWnd, CWG_LayerWindow::TIMER_FADE_OUT));
    // Moving pushes the same image too; centring on a point composes again.
    w.Show(-30, -40, FALSE);
    EXPECT_EQ(CRect(-30, -40, 170, 60), RectOf(w.m_hWnd)) << "no clamp at the left and top";
    w.ShowByNewCenterPos(300, 300);
    EXPECT_EQ(CRect(200, 250, 400, 350), RectOf(w.m_hWnd));
    EXPECT_EQ(1, w.m_nComposed);
    w.ShowByCenterPos(301, 301, FALSE);
    EXPECT_EQ(CRect(201, 251, 401, 351), RectOf(w.m_hWnd));
    EXPECT_EQ(2, w.m_nComposed);
}

TEST_F(LayerTest, TheComposedImageIsPremultipliedAndTextTurnsOpaque)
{
    CountingLayer w;
    ASSERT_EQ(1, w.Create(&m_top, 64, 20));
    w.Show(100, 100, FALSE);
    // Bottom-up rows: top-left pixel of the window is the last row.
    auto px = [&](int x, int y) { return ((DWORD*)w.m_pBits)[(19 - y) * 64 + x]; };
    EXPECT_EQ(0xFFFF0000u, px(0, 0));
    EXPECT_EQ(0xFFFF0000u, px(15, 19));
    EXPECT_EQ(0x80000080u, px(16, 0));
    EXPECT_EQ(0x80000080u, px(31, 19));
    EXPECT_EQ(0u, px(32, 0));
    // Text on the clear half: its box becomes opaque, nothing beyond it.
    {
        CDCSelect sel(&w.m_dcLayer, &w.m_bmpLayer), selFont(&w.m_dcLayer, w.m_pFont);
        w.m_dcLayer.SetTextColor(RGB(255, 255, 255));
        w.TextOut32(34, 2, "ab");
    }
    const CSize size = [&] { CDCSelect s(&w.m_dcLayer, w.m_pFont); return w.m_dcLayer.GetTextExtent("ab", 2); }();
    int nInk = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 32; x < 64; ++x)
        {
            const bool bInBox = x >= 34 && x < 34 + size.cx && y >= 2 && y < 2 + size.cy;
            EXPECT_EQ(bInBox ? 0xFFu : 0u, px(x, y) >> 24) << x << "," << y;
            nInk += (px(x, y) & 0xFFFFFF) != 0;
        }
    EXPECT_GT(nInk, 2) << "the text was drawn";
}

TEST_F(LayerTest, DragsByAnyPointAndHidesOnOutsideClicksPassingThemOn)
{
    OpenTarget(CRect(500, 500, 700, 700));
    CountingLayer w;
    ASSERT_EQ(1, w.Create(&m_top, 100, 80));
    w.m_bFadeIn = FALSE;
    w.Show(520, 520, TRUE);
    EXPECT_EQ(w.m_hWnd, ::GetCapture());
    // Drag: pressed at (550,550), pointer moves by (+30,+10).
    ::SetCursorPos(550, 550);
    w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(30, 30));
    ::SetCursorPos(580, 560);
    w.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, XY(60, 40));
    EXPECT_EQ(CRect(550, 530, 650, 610), RectOf(w.m_hWnd));
    ::SetCursorPos(590, 570);
    w.SendMessage(WM_LBUTTONUP, 0, XY(70, 50));
    EXPECT_EQ(CRect(560, 540, 660, 620), RectOf(w.m_hWnd));
    EXPECT_FALSE(w.m_bDragging);
    EXPECT_EQ(1, w.m_nComposed);
    // A right click inside does nothing; outside it hides the window and
    // the click reaches the window beneath.
    w.SendMessage(WM_RBUTTONDOWN, 0, XY(5, 5));
    EXPECT_TRUE(w.GetInDir());
    ::SetCursorPos(510, 690);
    w.SendMessage(WM_RBUTTONDOWN, 0, XY(510 - 560, 690 - 540));
    EXPECT_FALSE(w.GetInDir());
    EXPECT_FALSE(::IsWindowVisible(w.m_hWnd));
    PumpInput("right");
    EXPECT_EQ("right 10,190", m_target.m_log.Joined());
    m_target.m_log.Clear();
    // Left click outside, with the window holding the capture.
    w.Show(520, 520, TRUE);
    ::SetCursorPos(690, 510);
    w.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(690 - 520, 510 - 520));
    EXPECT_FALSE(w.GetInDir());
    EXPECT_NE(w.m_hWnd, ::GetCapture());
    PumpInput("left");
    EXPECT_EQ("left 190,10", m_target.m_log.Joined());
    // Capture taken by another window hides it too.
    w.Show(520, 520, TRUE);
    m_target.SetCapture();
    EXPECT_FALSE(w.GetInDir());
    ::ReleaseCapture();
}

TEST_F(LayerTest, RefusesWhatItCannotShow)
{
    CountingLayer zero;
    EXPECT_EQ(0, zero.Create(&m_top, 0, 50));
    EXPECT_EQ(0, zero.Create(&m_top, 50, -1));
    EXPECT_EQ(nullptr, zero.m_hWnd);
    zero.Show(10, 10, TRUE);   // no window: nothing
    zero.HideByCartoon();
    EXPECT_FALSE(zero.GetInDir());
    // Skins: a missing one or a 24-bit one is refused and leaves no bitmap.
    struct Skinned : CWG_LayerWindow
    {
        int Load(UINT nID) { return Load32BitmapInDLL(nID); }
    } w;
    EXPECT_EQ(0, w.Load(9999));
    EXPECT_EQ(0, w.Load(3003));
    EXPECT_EQ(nullptr, w.m_bmpSkin.m_hObject);
    EXPECT_EQ(1, w.Load(3018));
    BITMAP bm = {};
    w.m_bmpSkin.GetObject(sizeof(bm), &bm);
    EXPECT_EQ("17 28 32", Fmt("%ld %ld %d", bm.bmWidth, bm.bmHeight, bm.bmBitsPixel));
}

// ---- the shadow

class ShadowTest : public LayerTest
{
protected:
    wgdlg::TestPanel m_panel;
    std::unique_ptr<wgdlg::TestDialog> m_pDlg;
    void TearDown() override
    {
        if (m_pDlg)
            m_pDlg->DestroyWindow();
        m_pDlg.reset();
        LayerTest::TearDown();
    }
    CVRK_DIALOG& OpenDialog(const CRect& rc)
    {
        m_pDlg.reset(new wgdlg::TestDialog(&m_top));
        m_pDlg->m_rcWindow = rc;
        m_pDlg->m_pPanel = &m_panel;
        EXPECT_EQ(1, m_pDlg->Create(&m_top));
        Pump();
        return *m_pDlg;
    }
    static DWORD Px(CWG_LayerWindow& w, int x, int y) { return ((DWORD*)w.m_pBits)[(w.m_nHeight - 1 - y) * w.m_nWidth + x]; }
    // Each window after hOwner in the z-order, until hShadow: true when the
    // shadow comes right after its owner (tool windows of Wine's own may
    // sit nowhere between).
    static bool RightBehind(HWND hShadow, HWND hOwner) { return ::GetWindow(hOwner, GW_HWNDNEXT) == hShadow; }
};

TEST_F(ShadowTest, NinePatchAroundTheOwnerBehindItWithAClearInterior)
{
    CVRK_DIALOG& dlg = OpenDialog(CRect(100, 100, 400, 300));
    ASSERT_EQ(CRect(100, 100, 400, 300), RectOf(dlg.m_hWnd));
    CWG_Com_WindowShadow sh;
    ASSERT_EQ(1, sh.Create(&dlg, 300, 200));
    sh.Show();
    EXPECT_EQ(CRect(97, 97, 405, 305), RectOf(sh.m_hWnd));
    EXPECT_TRUE(RightBehind(sh.m_hWnd, dlg.m_hWnd));
    ASSERT_EQ(308, sh.m_nWidth);
    ASSERT_EQ(208, sh.m_nHeight);
    // Alpha by the skin's profile: 52 three pixels in at the top and left,
    // 130 five pixels in at the bottom and right, 0 at the outer edge and
    // everywhere over the owner.
    auto alpha = [&](int x, int y) { return Px(sh, x, y) >> 24; };
    const int W = 308, H = 208;
    for (int i = 0; i < 200; i += 13)
    {
        const int x = 8 + i * (W - 16) / 200, y = 8 + i * (H - 16) / 200;
        EXPECT_EQ("0 52 0 130 0", Fmt("%u %u %u %u %u", alpha(x, 0), alpha(x, 2), alpha(x, 3), alpha(x, H - 5), alpha(x, H - 1)));
        EXPECT_EQ("0 52 0 130 0", Fmt("%u %u %u %u %u", alpha(0, y), alpha(2, y), alpha(3, y), alpha(W - 5, y), alpha(W - 1, y)));
    }
    for (int y = 3; y < 203; y += 7)
        for (int x = 3; x < 303; x += 5)
            ASSERT_EQ(0u, Px(sh, x, y)) << x << "," << y;
    for (int x = 0; x < W; x += 11)
        EXPECT_EQ(0u, Px(sh, x, H - 4) & 0x00FFFFFF) << "premultiplied black";
}

TEST_F(ShadowTest, FollowsMovesSizesMinimiseShowAndHideOfItsOwner)
{
    CVRK_DIALOG& dlg = OpenDialog(CRect(100, 100, 400, 300));
    CWG_Com_WindowShadow sh;
    ASSERT_EQ(1, sh.Create(&dlg, 300, 200));
    sh.Show();
    dlg.SetWindowPos(nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CRect(147, 117, 455, 325), RectOf(sh.m_hWnd));
    dlg.SetWindowPos(nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CRect(147, 117, 355, 275), RectOf(sh.m_hWnd));
    EXPECT_EQ(0u, Px(sh, 100, 50)) << "recomposed for the new size";
    EXPECT_EQ(130u, Px(sh, 100, 158 - 5) >> 24);
    EXPECT_TRUE(RightBehind(sh.m_hWnd, dlg.m_hWnd));
    dlg.ShowWindow(SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(sh.m_hWnd)) << "a shadow stays when its owner hides";
    dlg.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(::IsWindowVisible(sh.m_hWnd));
    dlg.ShowWindow(SW_MINIMIZE);
    EXPECT_FALSE(::IsWindowVisible(sh.m_hWnd));
    dlg.ShowWindow(SW_RESTORE);
    EXPECT_TRUE(::IsWindowVisible(sh.m_hWnd));
    EXPECT_EQ(CRect(147, 117, 355, 275), RectOf(sh.m_hWnd));
    // The owner goes first: the shadow lets go and nothing is called later.
    m_pDlg->DestroyWindow();
    m_pDlg.reset();
    EXPECT_EQ(nullptr, sh.m_hWnd) << "an owned window goes with its owner";
    EXPECT_EQ(nullptr, sh.m_pOwner);
    sh.Show();
}

TEST_F(ShadowTest, FastMovesLeaveNoResidueBehind)
{
    // A backdrop that repaints whatever is uncovered (the host does not).
    const CRect rcArea(10, 10, 410, 310);
    HWND hBack = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_WHITERECT, rcArea.left, rcArea.top,
                                   rcArea.Width(), rcArea.Height(), nullptr, nullptr, nullptr, nullptr);
    auto grab = [&] {
        ::RedrawWindow(hBack, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump();
        HDC hdc = ::GetDC(nullptr);
        Image img = Capture(hdc, rcArea);
        ::ReleaseDC(nullptr, hdc);
        return img;
    };
    const Image before = grab();
    CVRK_DIALOG& dlg = OpenDialog(CRect(20, 20, 170, 120));
    CWG_Com_WindowShadow sh;
    ASSERT_EQ(1, sh.Create(&dlg, 150, 100));
    sh.Show();
    for (int i = 1; i <= 40; ++i)
        dlg.SetWindowPos(nullptr, 20 + i * 37 % 220, 20 + i * 53 % 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const Image after = grab();
    const CRect rcShadow = RectOf(sh.m_hWnd);
    ASSERT_EQ(RectOf(dlg.m_hWnd).TopLeft() - CSize(3, 3), rcShadow.TopLeft());
    long nResidue = 0, nDrawn = 0;
    for (int y = 0; y < rcArea.Height(); ++y)
        for (int x = 0; x < rcArea.Width(); ++x)
        {
            const bool bChanged = before.At(x, y) != after.At(x, y);
            if (rcShadow.PtInRect(CPoint(x + rcArea.left, y + rcArea.top)))
                nDrawn += bChanged;
            else
                nResidue += bChanged;
        }
    EXPECT_EQ(0, nResidue);
    EXPECT_GT(nDrawn, 150 * 100) << "owner and shadow are on the screen";
    ::DestroyWindow(hBack);
}

// What any platform shows: opaque pixels as they are, clear ones let the
// screen beneath through (docs/wine.md has what Wine shows in between).
// Hit testing finds the opaque part, and the owner through its shadow.
TEST_F(ShadowTest, TheScreenShowsOpaquePixelsAndClearOnesLetThrough)
{
    CVRK_DIALOG& dlg = OpenDialog(CRect(100, 100, 400, 300));
    CWG_Com_WindowShadow sh;
    ASSERT_EQ(1, sh.Create(&dlg, 300, 200));
    sh.Show();
    auto screen = [] {
        Pump();
        HDC hdc = ::GetDC(nullptr);
        Image img = Capture(hdc, CRect(0, 0, 60, 40));
        ::ReleaseDC(nullptr, hdc);
        return img;
    };
    const Image before = screen();
    CountingLayer w;
    ASSERT_EQ(1, w.Create(&m_top, 40, 20));
    w.m_bFadeIn = FALSE;
    w.Show(20, 20, FALSE);
    const Image after = screen();
    EXPECT_EQ(RGB(255, 0, 0), after.At(22, 25));
    EXPECT_EQ(before.At(45, 25), after.At(45, 25));
    EXPECT_EQ(before.At(59, 39), after.At(59, 39));
    EXPECT_EQ(w.m_hWnd, ::WindowFromPoint(CPoint(22, 25)));
    // A fade step sends only the blend, and it shows.
    w.HideByCartoon();
    w.SendMessage(WM_TIMER, CWG_LayerWindow::TIMER_FADE_OUT);
    EXPECT_NE(RGB(255, 0, 0), screen().At(22, 25));
    EXPECT_EQ(dlg.m_hWnd, ::GetAncestor(::WindowFromPoint(CPoint(150, 150)), GA_ROOT));
}

} // namespace

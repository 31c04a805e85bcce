// The skinned dialog as a window: creation and placement, the custom frame's
// geometry, pixels, hit testing and mouse handling, and the system frame.
#include "dlgtest.h"
#include <memory>

using namespace wgdlg;

namespace {

const DWORD ALL_BOXES = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;

class DialogTest : public ::testing::Test
{
protected:
    Log m_log;
    wgtest::Probe m_probe;
    TestPanel m_panel;
    std::unique_ptr<TestDialog> m_pDlg;

    void SetUp() override
    {
        ParkCursor();
        m_panel.m_pLog = &m_log;
    }
    void TearDown() override
    {
        if (m_pDlg)
            m_pDlg->DestroyWindow();
        m_pDlg.reset();
        wgtest::Pump();
        AfxDeleteTempMaps();
    }
    TestDialog& Open(const CRect& rc, DWORD dwAddStyle = 0, bool bPanel = true, CWnd* pParent = nullptr)
    {
        m_pDlg.reset(new TestDialog(pParent));
        m_pDlg->m_pLog = &m_log;
        m_pDlg->m_pTemplate->style |= dwAddStyle;
        m_pDlg->m_rcWindow = rc;
        if (bPanel)
            m_pDlg->m_pPanel = &m_panel;
        EXPECT_EQ(1, m_pDlg->Create(pParent));
        wgtest::Pump();
        m_log.Clear();   // the activation at opening
        return *m_pDlg;
    }
    UINT Hit(int x, int y)
    {
        return (UINT)m_pDlg->SendMessage(WM_NCHITTEST, 0, wgtest::XY(x, y));
    }
};

// ---- creation and placement ------------------------------------------------------

TEST_F(DialogTest, TemplateIsAPopupOfTheLibraryDialogClass)
{
    TestDialog dlg;
    ASSERT_NE(nullptr, dlg.m_pTemplate);
    EXPECT_EQ(0x90000000u, dlg.m_pTemplate->style);
    EXPECT_EQ(0u, dlg.m_pTemplate->dwExtendedStyle);
    EXPECT_EQ(0, dlg.m_pTemplate->cdit);
    EXPECT_EQ(dlg.m_pTemplate, dlg.m_lpDialogTemplate);   // ready for a modal run
    EXPECT_FALSE(dlg.m_bSystemFrame);
    EXPECT_EQ(0, dlg.m_nSkinRow);
    EXPECT_EQ(nullptr, dlg.m_pPanel);

    TestDialog& d = Open(CRect(50, 60, 350, 260));
    char szClass[64] = "";
    ::GetClassNameA(d.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("Vantrel WG Dialog 1.0", szClass);
    EXPECT_EQ(&d, CWnd::FromHandlePermanent(d.m_hWnd));
    EXPECT_EQ((DWORD)(WS_POPUP | WS_VISIBLE), d.GetStyle() & (WS_POPUP | WS_VISIBLE | WS_CAPTION));
    HICON hBig = (HICON)d.SendMessage(WM_GETICON, ICON_BIG, 0);
    EXPECT_NE(nullptr, hBig);
    EXPECT_EQ(::LoadIconA(WGGetLibraryInstance(), MAKEINTRESOURCEA(3017)), hBig);
}

TEST_F(DialogTest, ExplicitPositionIsKeptAndTheClientAreaIsInsideTheFrame)
{
    TestDialog& d = Open(CRect(50, 60, 350, 260));
    EXPECT_EQ(CRect(50, 60, 350, 260), WindowRect(d));
    EXPECT_EQ(CRect(50, 60, 350, 260), d.m_rcWindow);
    CRect rcClient;
    d.GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 0, 292, 167), rcClient);
    CPoint pt(0, 0);
    d.ClientToScreen(&pt);
    EXPECT_EQ(CPoint(54, 89), pt);
    // The panel covers the client area and knows its dialog.
    ASSERT_NE(nullptr, m_panel.m_hWnd);
    EXPECT_EQ(d.m_hWnd, ::GetParent(m_panel.m_hWnd));
    EXPECT_EQ(static_cast<CVRK_DIALOG*>(&d), m_panel.m_pDialog);
    CRect rcPanel;
    m_panel.GetWindowRect(&rcPanel);
    EXPECT_EQ(CRect(54, 89, 346, 256), rcPanel);
}

TEST_F(DialogTest, NcCalcSizeInsetsBothRectanglesOnlyForValidRectRequests)
{
    TestDialog& d = Open(CRect(50, 60, 350, 260));
    NCCALCSIZE_PARAMS ncp = {};
    WINDOWPOS wp = {};
    ncp.lppos = &wp;
    ncp.rgrc[0] = CRect(100, 200, 400, 500);
    ncp.rgrc[1] = CRect(1, 2, 3, 4);
    ncp.rgrc[2] = CRect(5, 6, 7, 8);
    d.SendMessage(WM_NCCALCSIZE, TRUE, (LPARAM)&ncp);
    EXPECT_EQ(CRect(104, 229, 396, 496), CRect(ncp.rgrc[0]));
    EXPECT_EQ(CRect(104, 229, 396, 496), CRect(ncp.rgrc[1]));
    EXPECT_EQ(CRect(5, 6, 7, 8), CRect(ncp.rgrc[2]));
}

// A visible parent of its own, gone after the test: a window left over the
// other tests' dialogs would hide their frames from the pixel readers.
class ParentedDialogTest : public DialogTest
{
protected:
    wgtest::HostWindow m_host;
    void SetUp() override
    {
        DialogTest::SetUp();
        ASSERT_TRUE(m_host.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "parent", WS_POPUP | WS_VISIBLE,
                                    30, 40, 400, 300, nullptr, nullptr));
    }
    void TearDown() override
    {
        DialogTest::TearDown();
        m_host.DestroyWindow();
    }
};

TEST_F(ParentedDialogTest, ZeroLeftAndTopCentreOnAVisibleParent)
{
    wgtest::HostWindow& host = m_host;
    CRect rcHost = WindowRect(host);
    TestDialog& d = Open(CRect(0, 0, 200, 100), 0, true, &host);
    const int x = rcHost.left + (rcHost.Width() - 200) / 2;
    const int y = rcHost.top + (rcHost.Height() - 100) / 2;
    EXPECT_EQ(CRect(x, y, x + 200, y + 100), WindowRect(d));
    EXPECT_EQ(host.m_hWnd, ::GetParent(d.m_hWnd));
}

TEST_F(ParentedDialogTest, OnlyTheZeroCoordinateIsCentred)
{
    wgtest::HostWindow& host = m_host;
    CRect rcHost = WindowRect(host);
    TestDialog& d = Open(CRect(0, 70, 200, 170), 0, true, &host);
    const int x = rcHost.left + (rcHost.Width() - 200) / 2;
    EXPECT_EQ(CRect(x, 70, x + 200, 170), WindowRect(d));
}

TEST_F(DialogTest, HiddenParentCentresOnTheWorkArea)
{
    wgtest::HostWindow hidden;
    ASSERT_TRUE(hidden.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "hidden", WS_POPUP, 0, 0, 50, 50,
                                nullptr, nullptr));
    const CRect wa = WorkArea();
    TestDialog& d = Open(CRect(0, 0, 300, 200), 0, true, &hidden);
    const int x = wa.left + (wa.Width() - 300) / 2, y = wa.top + (wa.Height() - 200) / 2;
    EXPECT_EQ(CRect(x, y, x + 300, y + 200), WindowRect(d));
    m_pDlg->DestroyWindow();
    hidden.DestroyWindow();
}

TEST_F(DialogTest, MinusOneRightAndBottomTakeTheWorkArea)
{
    TestDialog& d = Open(CRect(0, 0, -1, -1));
    EXPECT_EQ(WorkArea(), WindowRect(d));
}

TEST_F(DialogTest, RegionRoundsOnlyTheTopCorners)
{
    TestDialog& d = Open(CRect(50, 60, 350, 260));
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(COMPLEXREGION, ::GetWindowRgn(d.m_hWnd, rgn));
    // Rounded top corners, square bottom corners, 300 x 200 in all.
    EXPECT_FALSE(rgn.PtInRegion(0, 0));
    EXPECT_FALSE(rgn.PtInRegion(299, 0));
    EXPECT_FALSE(rgn.PtInRegion(1, 1));
    EXPECT_TRUE(rgn.PtInRegion(7, 0));
    EXPECT_TRUE(rgn.PtInRegion(150, 0));
    EXPECT_TRUE(rgn.PtInRegion(0, 8));
    EXPECT_TRUE(rgn.PtInRegion(299, 8));
    EXPECT_TRUE(rgn.PtInRegion(0, 29));
    EXPECT_TRUE(rgn.PtInRegion(0, 199));
    EXPECT_TRUE(rgn.PtInRegion(299, 199));
    EXPECT_FALSE(rgn.PtInRegion(300, 100));
    EXPECT_FALSE(rgn.PtInRegion(100, 200));
}

TEST_F(DialogTest, WithoutAPanelTheDialogStillOpensAndErasesNothing)
{
    TestDialog& d = Open(CRect(50, 60, 350, 260), 0, false);
    EXPECT_EQ(nullptr, m_panel.m_hWnd);
    // The frame is free to paint at once.
    Skin skin;
    EXPECT_EQ("", CompareBlock(d, 0, 8, skin, 0, 8, 6, 21));
    CClientDC dcScreen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&dcScreen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dcScreen, 300, 200));
    CBitmap* pOld = dc.SelectObject(&bmp);
    dc.FillSolidRect(0, 0, 300, 200, 0x123456);
    EXPECT_EQ(1, d.SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC, 0));
    EXPECT_EQ(0x123456u, dc.GetPixel(10, 10));
    EXPECT_EQ(0x123456u, dc.GetPixel(291, 166));
    dc.SelectObject(pOld);
}

TEST_F(DialogTest, EraseFillsOnlyWhatThePanelDoesNotCover)
{
    TestDialog& d = Open(CRect(50, 60, 350, 260));
    m_panel.MoveWindow(0, 0, 100, 50);
    CClientDC dcScreen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&dcScreen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dcScreen, 292, 167));
    CBitmap* pOld = dc.SelectObject(&bmp);
    dc.FillSolidRect(0, 0, 292, 167, 0x123456);
    EXPECT_EQ(1, d.SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC, 0));
    EXPECT_EQ(0x123456u, dc.GetPixel(0, 0));
    EXPECT_EQ(0x123456u, dc.GetPixel(99, 49));
    EXPECT_EQ((COLORREF)WG_CR_PANEL, dc.GetPixel(100, 0));     // right of the panel
    EXPECT_EQ((COLORREF)WG_CR_PANEL, dc.GetPixel(291, 166));
    EXPECT_EQ((COLORREF)WG_CR_PANEL, dc.GetPixel(0, 50));      // below it
    EXPECT_EQ((COLORREF)WG_CR_PANEL, dc.GetPixel(99, 166));
    dc.SelectObject(pOld);
}

// ---- frame pixels -----------------------------------------------------------------------

TEST_F(DialogTest, FramePaintsFromTheActiveBand)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    Skin skin;
    ASSERT_TRUE(skin.Loaded());
    ASSERT_TRUE(d.m_bNcPaintAllowed);
    ASSERT_TRUE(d.m_bSkinLoaded);
    const int W = 300, H = 200;
    EXPECT_EQ("", CompareBlock(d, 0, 8, skin, 0, 8, 6, 21));             // left end below the corner
    EXPECT_EQ("", CompareBlock(d, 4, 1, skin, 4, 1, 2, 7));
    for (int x : { 6, 120, 200 })                                        // stretched middle
        for (int y : { 0, 1, 4, 7, 26, 28 })
            EXPECT_EQ(skin.At(6, y), WindowPixel(d, x, y)) << x << "," << y;
    EXPECT_EQ("", CompareBlock(d, W - 36, 8, skin, 63, 8, 36, 21));      // right end with close
    EXPECT_EQ("", CompareBlock(d, W - 36, 0, skin, 63, 0, 28, 8));
    EXPECT_EQ("", CompareBlock(d, W - 64, 7, skin, 35, 7, 28, 15));      // maximize
    EXPECT_EQ("", CompareBlock(d, W - 92, 7, skin, 7, 7, 28, 15));       // minimize
    EXPECT_EQ("", CompareBlock(d, 7, 5, skin, 193, 5, 33, 16));          // logo
    for (int y : { 29, 100, H - 5 })
    {
        EXPECT_EQ("", CompareBlock(d, 0, y, skin, 184, 0, 4, 1)) << y;      // left border
        EXPECT_EQ("", CompareBlock(d, W - 4, y, skin, 184, 0, 4, 1)) << y;  // right border
    }
    for (int x : { 4, 150, W - 5 })
        for (int j = 0; j < 4; ++j)
            EXPECT_EQ(skin.At(188, 1 + j), WindowPixel(d, x, H - 4 + j)) << x;
    EXPECT_EQ("", CompareBlock(d, 0, H - 4, skin, 184, 1, 4, 4));          // corners
    EXPECT_EQ("", CompareBlock(d, W - 4, H - 4, skin, 188, 1, 4, 4));
}

TEST_F(DialogTest, TitleIsShadowedTextInTheDefaultFont)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300));
    d.SetWindowTitle("Skinned WG");
    CString str;
    d.GetWindowText(str);
    EXPECT_STREQ("Skinned WG", str);

    // What the title bar must hold from x 6 to 200: the middle band with
    // " - Skinned WG" in black at (41, 9) and white at (40, 8).
    Skin skin;
    CClientDC dcScreen(nullptr);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&dcScreen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dcScreen, 300, 29));
    CBitmap* pOld = dc.SelectObject(&bmp);
    dc.StretchBlt(0, 0, 300, 29, skin.DC(), 6, 0, 1, 29, SRCCOPY);
    CFont* pOldFont = dc.SelectObject(CVRK_WG::GetStyleCenter().GetDefaultFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(0x000000);
    dc.TextOut(41, 9, " - Skinned WG", 13);
    dc.SetTextColor(0xFFFFFF);
    dc.TextOut(40, 8, " - Skinned WG", 13);
    int nInk = 0, nDiffer = 0;
    for (int y = 0; y < 29; ++y)
        for (int x = 41; x < 200; ++x)
        {
            COLORREF e = dc.GetPixel(x, y);
            nInk += e != skin.At(6, y);
            nDiffer += WindowPixel(d, x, y) != e;
        }
    dc.SelectObject(pOldFont);
    dc.SelectObject(pOld);
    EXPECT_GT(nInk, 60);    // the text is there at all
    EXPECT_EQ(0, nDiffer);
}

TEST_F(DialogTest, DeactivationSwitchesToTheInactiveBandUnlessKeptActive)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    Skin skin;
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, FALSE, 0));
    EXPECT_EQ(29, d.m_nSkinRow);
    EXPECT_EQ("", CompareBlock(d, 0, 8, skin, 0, 37, 6, 21));
    EXPECT_EQ(skin.At(6, 29 + 3), WindowPixel(d, 150, 3));
    EXPECT_EQ("", CompareBlock(d, 264, 8, skin, 63, 37, 36, 21));
    EXPECT_EQ("", CompareBlock(d, 0, 100, skin, 184, 29, 4, 1));
    EXPECT_EQ("", CompareBlock(d, 0, 196, skin, 184, 30, 4, 4));

    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, TRUE, 0));
    EXPECT_EQ(0, d.m_nSkinRow);
    EXPECT_EQ(skin.At(6, 3), WindowPixel(d, 150, 3));

    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(29, d.m_nSkinRow);
    EXPECT_EQ(skin.At(6, 32), WindowPixel(d, 150, 3));

    m_log.Clear();
    d.m_bLogActivation = true;
    d.SendMessage(WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_EQ(0, d.m_nSkinRow);
    EXPECT_EQ(skin.At(6, 3), WindowPixel(d, 150, 3));
    // The dialog manager keeps the focus; the frame never takes the
    // system's non-client activation.
    EXPECT_EQ("default activate 2 | panel activate 0 0", m_log.Joined());

    // Activation shows the window through its placement.
    d.ShowWindow(SW_HIDE);
    ASSERT_FALSE(d.IsWindowVisible());
    d.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));

    d.m_bKeepActive = TRUE;
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, FALSE, 0));
    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(0, d.m_nSkinRow);
    EXPECT_EQ(skin.At(6, 3), WindowPixel(d, 150, 3));
}

TEST_F(DialogTest, FrameWaitsForThePanelsFirstPaint)
{
    m_panel.m_bHoldPaint = true;
    TestDialog& d = Open(CRect(100, 100, 400, 300));
    Skin skin;
    EXPECT_FALSE(d.m_bNcPaintAllowed);
    d.SendMessage(WM_NCPAINT, 1, 0);
    EXPECT_FALSE(d.m_bSkinLoaded);
    EXPECT_NE("", CompareBlock(d, 0, 8, skin, 0, 8, 6, 21));
    // Nor does hit testing draw any hover look yet.
    EXPECT_EQ((UINT)HTCLOSE, Hit(400 - 20, 110));
    EXPECT_NE("", CompareBlock(d, 264, 7, skin, 155, 7, 29, 15));

    m_panel.m_bHoldPaint = false;
    m_panel.DrawMe();
    EXPECT_TRUE(d.m_bNcPaintAllowed);
    EXPECT_EQ("", CompareBlock(d, 0, 8, skin, 0, 8, 6, 21));
    EXPECT_EQ("", CompareBlock(d, 264, 8, skin, 63, 8, 36, 21));
}

// ---- hit testing ---------------------------------------------------------------------------

TEST_F(DialogTest, TitleButtonAndIconRectanglesFollowTheStyle)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    EXPECT_EQ(CRect(364, 107, 394, 122), d.m_rcCloseButton);
    EXPECT_EQ(CRect(336, 107, 366, 122), d.m_rcMaxButton);
    EXPECT_EQ(CRect(308, 107, 338, 122), d.m_rcMinButton);
    EXPECT_EQ(CRect(107, 105, 140, 121), d.m_rcIcon);
    EXPECT_EQ(CRect(104, 130, 396, 296), d.m_rcClientArea);

    d.ModifyStyle(WS_MAXIMIZEBOX | WS_SYSMENU, 0);
    d.RecalcTitleButtonPos();
    EXPECT_EQ(CRect(336, 107, 366, 122), d.m_rcMinButton);
    EXPECT_TRUE(d.m_rcMaxButton.IsRectEmpty());
    EXPECT_TRUE(d.m_rcIcon.IsRectEmpty());

    d.ModifyStyle(WS_MINIMIZEBOX, WS_SYSMENU);
    d.RecalcTitleButtonPos();
    EXPECT_TRUE(d.m_rcMinButton.IsRectEmpty());
    EXPECT_TRUE(d.m_rcMaxButton.IsRectEmpty());
    EXPECT_EQ(CRect(364, 107, 394, 122), d.m_rcCloseButton);

    // Moving the window moves them.
    d.SetWindowPos(nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CRect(464, 157, 494, 172), d.m_rcCloseButton);
    EXPECT_EQ(CRect(200, 150, 500, 350), d.m_rcWindow);
}

TEST_F(DialogTest, HitTestCodesAtEveryEdgeOfAResizableDialog)
{
    Open(CRect(100, 100, 400, 300), ALL_BOXES);
    // L 100, T 100, R 400, B 300; every comparison includes both ends.
    struct { int x, y; UINT code; } cases[] = {
        { 107, 105, HTSYSMENU }, { 140, 121, HTSYSMENU }, { 106, 105, HTCAPTION }, { 141, 121, HTCAPTION },
        { 308, 107, HTMINBUTTON }, { 338, 122, HTMINBUTTON }, { 307, 107, HTCAPTION },
        { 339, 107, HTMAXBUTTON }, { 366, 122, HTMAXBUTTON },   // the minimize button wins at 336..338
        { 367, 107, HTCLOSE }, { 394, 122, HTCLOSE }, { 364, 106, HTCAPTION }, { 394, 123, HTCAPTION },
        { 395, 107, HTCAPTION },
        { 104, 130, HTCLIENT }, { 396, 296, HTCLIENT }, { 250, 130, HTCLIENT },
        { 100, 100, HTTOPLEFT }, { 104, 104, HTTOPLEFT }, { 105, 104, HTTOP }, { 250, 100, HTTOP },
        { 395, 104, HTTOP }, { 396, 104, HTTOPRIGHT }, { 400, 100, HTTOPRIGHT },
        { 104, 105, HTLEFT }, { 104, 129, HTLEFT }, { 105, 129, HTCAPTION }, { 250, 129, HTCAPTION },
        { 396, 105, HTRIGHT }, { 396, 129, HTRIGHT }, { 395, 129, HTCAPTION },
        { 100, 200, HTLEFT }, { 103, 200, HTLEFT }, { 104, 200, HTCLIENT },
        { 397, 200, HTRIGHT }, { 400, 200, HTRIGHT }, { 396, 200, HTCLIENT },
        { 250, 296, HTCLIENT }, { 250, 297, HTBOTTOM }, { 250, 300, HTBOTTOM },
        { 103, 296, HTBOTTOMLEFT }, { 104, 300, HTBOTTOMLEFT }, { 105, 297, HTBOTTOM },
        { 397, 296, HTBOTTOMRIGHT }, { 396, 297, HTBOTTOMRIGHT }, { 395, 297, HTBOTTOM },
        { 103, 131, HTLEFT }, { 103, 295, HTLEFT }, { 397, 131, HTRIGHT },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, Hit(c.x, c.y)) << c.x << "," << c.y;
}

TEST_F(DialogTest, WithoutAThickFrameEveryBorderIsCaption)
{
    Open(CRect(100, 100, 400, 300), WS_SYSMENU);
    struct { int x, y; UINT code; } cases[] = {
        { 100, 100, HTCAPTION }, { 250, 300, HTCAPTION }, { 100, 200, HTCAPTION }, { 400, 200, HTCAPTION },
        { 120, 110, HTSYSMENU }, { 320, 110, HTCAPTION }, { 350, 110, HTCAPTION }, { 364, 107, HTCLOSE },
        { 200, 200, HTCLIENT },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, Hit(c.x, c.y)) << c.x << "," << c.y;
}

TEST_F(DialogTest, MinimizeBoxAloneSitsNextToClose)
{
    Open(CRect(100, 100, 400, 300), WS_MINIMIZEBOX);
    EXPECT_EQ((UINT)HTMINBUTTON, Hit(336, 107));
    EXPECT_EQ((UINT)HTMINBUTTON, Hit(363, 122));
    EXPECT_EQ((UINT)HTCLOSE, Hit(367, 107));
    EXPECT_EQ((UINT)HTCAPTION, Hit(335, 107));
    EXPECT_EQ((UINT)HTCAPTION, Hit(120, 110));   // no system menu, no logo area
}

TEST_F(DialogTest, AnEmptyWindowHitsNothing)
{
    Open(CRect(0, 0, 0, 0));
    ASSERT_TRUE(WindowRect(*m_pDlg).IsRectEmpty());
    EXPECT_EQ((UINT)HTNOWHERE, Hit(0, 0));
    EXPECT_EQ((UINT)HTNOWHERE, Hit(500, 500));
}

TEST_F(DialogTest, HitTestingDrawsTheHoverLookOfOneButtonAtATime)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    Skin skin;
    const int xMin = 208, xMax = 236, xClose = 264;
    EXPECT_EQ((UINT)HTCLOSE, Hit(380, 110));
    EXPECT_EQ("", CompareBlock(d, xClose, 7, skin, 155, 7, 29, 15));
    EXPECT_EQ("", CompareBlock(d, xMax, 7, skin, 35, 7, 28, 15));
    EXPECT_EQ((UINT)HTMAXBUTTON, Hit(350, 110));
    EXPECT_EQ("", CompareBlock(d, xMax, 7, skin, 127, 7, 28, 15));
    EXPECT_EQ("", CompareBlock(d, xClose, 7, skin, 63, 7, 30, 15));
    EXPECT_EQ((UINT)HTMINBUTTON, Hit(320, 110));
    EXPECT_EQ("", CompareBlock(d, xMin, 7, skin, 99, 7, 28, 15));
    EXPECT_EQ("", CompareBlock(d, xMax, 7, skin, 35, 7, 28, 15));
    // Anywhere else restores the normal looks.
    EXPECT_EQ((UINT)HTCAPTION, Hit(250, 110));
    EXPECT_EQ("", CompareBlock(d, xMin, 7, skin, 7, 7, 28, 15));
    EXPECT_EQ("", CompareBlock(d, xClose, 7, skin, 63, 7, 30, 15));
    // The hover look follows the inactive band too.
    d.SendMessage(WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ((UINT)HTCLOSE, Hit(380, 110));
    EXPECT_EQ("", CompareBlock(d, xClose, 7, skin, 155, 36, 29, 15));
}

// ---- mouse in the frame ------------------------------------------------------------------------

TEST_F(DialogTest, ButtonDownReachesTheDefaultOnlyForMovingSizingAndTheSystemMenu)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    for (UINT code : { HTCLIENT, HTCAPTION, HTSYSMENU, HTMINBUTTON, HTMAXBUTTON, HTCLOSE, HTLEFT,
                       HTRIGHT, HTTOP, HTTOPLEFT, HTTOPRIGHT, HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT })
        d.SendMessage(WM_NCLBUTTONDOWN, code, wgtest::XY(200, 110));
    EXPECT_EQ("default 00a1 2 | default 00a1 3 | default 00a1 10 | default 00a1 11 | default 00a1 12 | "
              "default 00a1 13 | default 00a1 14 | default 00a1 15 | default 00a1 16 | default 00a1 17",
              m_log.Joined());
    EXPECT_TRUE(d.IsWindowVisible());
}

TEST_F(DialogTest, MouseMoveAndCursorReachTheDefaultOnlyOverTheBorders)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    for (UINT code : { HTCAPTION, HTCLOSE, HTLEFT, HTBOTTOMRIGHT, HTCLIENT })
        d.SendMessage(WM_NCMOUSEMOVE, code, wgtest::XY(200, 110));
    EXPECT_EQ("default 00a0 10 | default 00a0 17", m_log.Joined());

    m_log.Clear();
    ::SetCursor(nullptr);
    EXPECT_EQ(1, d.SendMessage(WM_SETCURSOR, (WPARAM)d.m_hWnd, MAKELPARAM(HTCAPTION, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), ::GetCursor());
    ::SetCursor(nullptr);
    EXPECT_EQ(1, d.SendMessage(WM_SETCURSOR, (WPARAM)d.m_hWnd, MAKELPARAM(HTCLOSE, WM_MOUSEMOVE)));
    EXPECT_EQ(1, d.SendMessage(WM_SETCURSOR, (WPARAM)d.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(nullptr, ::GetCursor());
    EXPECT_EQ("", m_log.Joined());
    d.SendMessage(WM_SETCURSOR, (WPARAM)d.m_hWnd, MAKELPARAM(HTTOP, WM_MOUSEMOVE));
    d.SendMessage(WM_SETCURSOR, (WPARAM)d.m_hWnd, MAKELPARAM(HTBOTTOMLEFT, WM_MOUSEMOVE));
    EXPECT_EQ("default setcursor 12 | default setcursor 16", m_log.Joined());
}

TEST_F(DialogTest, MinimizeAndMaximizeButtonsToggleOnRelease)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    const CRect wa = WorkArea();
    d.SendMessage(WM_NCLBUTTONUP, HTMAXBUTTON, wgtest::XY(350, 110));
    EXPECT_TRUE(d.IsZoomed());
    EXPECT_EQ(CRect(wa.left - 4, wa.top - 4, wa.right + 4, wa.bottom + 4), WindowRect(d));
    // The maximized window shows the restore look.
    wgtest::Pump();
    Skin skin;
    const int xMax = wa.Width() + 8 - 64;
    EXPECT_EQ("", CompareBlock(d, xMax, 7, skin, 255, 0, 28, 15));
    EXPECT_EQ((UINT)HTMAXBUTTON, Hit(wa.right + 4 - 50, wa.top - 4 + 10));
    EXPECT_EQ("", CompareBlock(d, xMax, 7, skin, 255, 14, 28, 15));

    d.SendMessage(WM_NCLBUTTONUP, HTMAXBUTTON, 0);
    EXPECT_FALSE(d.IsZoomed());
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));

    d.SendMessage(WM_NCLBUTTONUP, HTMINBUTTON, 0);
    EXPECT_TRUE(d.IsIconic());
    d.SendMessage(WM_NCLBUTTONUP, HTMINBUTTON, 0);
    EXPECT_FALSE(d.IsIconic());
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));
    // Other codes do nothing, and nothing reaches the default handling.
    d.SendMessage(WM_NCLBUTTONUP, HTCAPTION, 0);
    d.SendMessage(WM_NCLBUTTONUP, HTSYSMENU, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    EXPECT_EQ(std::string::npos, m_log.Joined().find("default 00a")) << m_log.Joined();
}

TEST_F(DialogTest, CloseButtonAsksThePanelsPreClose)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    m_panel.m_nPreClose = 0;
    d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    m_panel.m_nPreClose = 2;
    d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    m_panel.m_nPreClose = 1;
    d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
    EXPECT_FALSE(d.IsWindowVisible());   // a modeless dialog ends by hiding
    EXPECT_EQ(IDCANCEL, d.m_nModalResult);
    EXPECT_EQ("preclose 0 | preclose 2 | preclose 1", m_log.Joined());
}

TEST_F(DialogTest, DoubleClickMaximizesAResizableDialogToTheWorkAreaPlusItsBorders)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), ALL_BOXES);
    const CRect wa = WorkArea();
    d.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, wgtest::XY(200, 110));
    EXPECT_TRUE(d.IsZoomed());
    EXPECT_EQ(CRect(wa.left - 4, wa.top - 4, wa.right + 4, wa.bottom + 4), WindowRect(d));
    // The panel follows the client area.
    CRect rcPanel;
    m_panel.GetWindowRect(&rcPanel);
    EXPECT_EQ(CRect(wa.left, wa.top + 25, wa.right, wa.bottom), rcPanel);
    d.SendMessage(WM_NCLBUTTONDBLCLK, HTLEFT, 0);
    EXPECT_FALSE(d.IsZoomed());
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));

    MINMAXINFO mmi = {};
    d.SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
    EXPECT_EQ(CPoint(wa.Width() + 8, wa.Height() + 8), CPoint(mmi.ptMaxSize));
    EXPECT_EQ(CPoint(-4, -4), CPoint(mmi.ptMaxPosition));
}

TEST_F(DialogTest, DoubleClickLeavesAFixedSizeDialogAlone)
{
    TestDialog& d = Open(CRect(100, 100, 400, 300), WS_SYSMENU | WS_MAXIMIZEBOX);
    d.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_FALSE(d.IsZoomed());
    EXPECT_EQ(CRect(100, 100, 400, 300), WindowRect(d));
}

// ---- the system frame -------------------------------------------------------------------------

class SystemFrameTest : public DialogTest
{
protected:
    void TearDown() override
    {
        DialogTest::TearDown();
        WGSetVersionCode(-1);
    }
};

TEST_F(SystemFrameTest, VersionCodesAboveThreeSelectTheSystemFrame)
{
    for (long code : { 0L, 1L, 2L, 3L })
    {
        WGSetVersionCode(code);
        EXPECT_FALSE(TestDialog().m_bSystemFrame) << code;
    }
    for (long code : { 4L, 5L })
    {
        WGSetVersionCode(code);
        EXPECT_TRUE(TestDialog().m_bSystemFrame) << code;
    }
}

TEST_F(SystemFrameTest, KeepsTheClientSizeOfTheCustomFrame)
{
    WGSetVersionCode(WG_OS_WIN7);
    TestDialog& d = Open(CRect(50, 60, 350, 260), WS_SYSMENU | WS_MINIMIZEBOX);
    ASSERT_TRUE(d.m_bSystemFrame);
    EXPECT_EQ((DWORD)(WS_CAPTION | WS_SYSMENU | WS_POPUP), d.GetStyle() & (WS_CAPTION | WS_SYSMENU | WS_POPUP));
    CRect rcClient;
    d.GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 0, 292, 167), rcClient);
    CRect rc = WindowRect(d);
    EXPECT_EQ(300 + 2 * ::GetSystemMetrics(SM_CXFIXEDFRAME) - 8, rc.Width());
    EXPECT_EQ(200 + ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFIXEDFRAME) - 33, rc.Height());
    // No custom region, and the title-button releases are the system's.
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(ERROR, ::GetWindowRgn(d.m_hWnd, rgn));
    d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
    d.SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, 0);
    EXPECT_TRUE(d.IsWindowVisible());
    EXPECT_EQ("default 00a2 20 | default 00a1 20", m_log.Joined());
    // The system draws the activation looks, unless the active look is kept.
    m_log.Clear();
    d.m_bLogActivation = true;
    d.SendMessage(WM_NCACTIVATE, FALSE, 0);
    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    d.SendMessage(WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ("default ncactivate 0 | default activate 0 | default ncactivate 1", m_log.Joined());
    m_log.Clear();
    d.m_bKeepActive = TRUE;
    EXPECT_EQ(1, d.SendMessage(WM_NCACTIVATE, FALSE, 0));
    d.SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ("", m_log.Joined());
    d.ShowWindow(SW_HIDE);
    d.SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    // The placement shows the window again, which activates it for real.
    EXPECT_EQ("default activate 1 | default ncactivate 1 | default activate 1", m_log.Joined());
    EXPECT_TRUE(d.IsWindowVisible());
}

} // namespace

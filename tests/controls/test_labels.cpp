// Labels: the skinned bar and its copy square with the real clipboard, the
// hyperlink-like label button in its looks and click modes, and the caption
// button sized to its caption.
#include "wgtest.h"

using namespace wgtest;

namespace {

const COLORREF PANEL_BG = 0xd8e9ec;


// The clipboard's CF_TEXT bytes; "<none>" when it holds no text.
std::string ClipboardText(HWND hWnd)
{
    if (!::OpenClipboard(hWnd))
        return "<cannot open>";
    std::string s = "<none>";
    if (HANDLE h = ::GetClipboardData(CF_TEXT))
        if (const char* p = (const char*)::GlobalLock(h))
        {
            s = p;
            ::GlobalUnlock(h);
        }
    ::CloseClipboard();
    return s;
}

void SetClipboardText(HWND hWnd, const char* text)
{
    ASSERT_TRUE(::OpenClipboard(hWnd));
    ::EmptyClipboard();
    const size_t n = strlen(text) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(h), text, n);
    ::GlobalUnlock(h);
    ::SetClipboardData(CF_TEXT, h);
    ::CloseClipboard();
}

HCURSOR Cursor(LPCSTR idc) { return ::LoadCursorA(nullptr, idc); }

CSize Extent(CFont* pFont, const char* text)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* pOld = dc.SelectObject(pFont);
    const CSize sz = dc.GetTextExtent(text, (int)strlen(text));
    dc.SelectObject(pOld);
    return sz;
}

class Labels : public PanelTest
{
protected:
    PaintLogged<CWG_Label> m_lbl[2];
    PaintLogged<CWG_LabelButton> m_link[3];
    PaintLogged<CWG_CptButton> m_cpt[3];
    SkinReader Skin;

    void SetUp() override
    {
        PanelTest::SetUp();
        ASSERT_TRUE(Skin.Load(3007));
        for (auto& e : m_lbl) e.m_pLog = &m_log;
        for (auto& e : m_link) e.m_pLog = &m_log;
        for (auto& e : m_cpt) e.m_pLog = &m_log;
    }

    // Skin column of bar column x of a label w wide: ends copied, the
    // middle from column 5.
    int BarSkinX(int x, int w) { return x < 5 ? x : (x >= w - 5 ? x - (w - 5) + 6 : 5); }
    // The copy square (C at skin row 0, N at row 10) at (w - 14, 2), also in
    // the panel's back buffer; or, with ySkin -1, the bar there.
    void ExpectSquare(CVRK_WG& e, int ySkin, const char* what)
    {
        const int w = e.m_nWidth;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
            {
                const COLORREF want = ySkin < 0 ? Skin(BarSkinX(w - 14 + x, w), 2 + y)
                                                : Skin(11 + x, ySkin + y);
                ASSERT_EQ(want, ElementPixel(e, w - 14 + x, 2 + y)) << what << " " << x << "," << y;
                ASSERT_EQ(want, PanelPixel(m_panel, e.m_rect.left + w - 14 + x, e.m_rect.top + 2 + y))
                    << what << " in the panel " << x << "," << y;
            }
    }
};

// ---- label ------------------------------------------------------------------

TEST_F(Labels, SkinHoldsAGreenCAndARedNSquare)
{
    const COLORREF c = Skin(12, 8), n = Skin(12, 18);   // inside each square, off the letter
    EXPECT_TRUE(GetGValue(c) > GetRValue(c) + 50 && GetGValue(c) > GetBValue(c) + 50);
    EXPECT_TRUE(GetRValue(n) > GetGValue(n) + 50 && GetRValue(n) > GetBValue(n) + 50);
    int nLetterC = 0, nLetterN = 0;                       // a light letter on each
    for (int y = 1; y < 9; ++y)
        for (int x = 12; x < 20; ++x)
        {
            nLetterC += GetRValue(Skin(x, y)) > 200 && GetBValue(Skin(x, y)) > 200;
            nLetterN += GetGValue(Skin(x, 10 + y)) > 200 && GetBValue(Skin(x, 10 + y)) > 200;
        }
    EXPECT_GT(nLetterC, 8);
    EXPECT_GT(nLetterN, 8);
}

TEST_F(Labels, BarIsTheThreePieceSkinAndCaptionSitsAtTextXY)
{
    PaintLogged<CWG_Label>& l = m_lbl[0];
    PaintLogged<CWG_Label>& blank = m_lbl[1];
    ASSERT_EQ(1, l.Create(&m_panel, 20, 30, 100));
    blank.Create(&m_panel, 20, 60, 100);
    EXPECT_EQ(CRect(20, 30, 119, 51), l.m_rect);
    EXPECT_FALSE(l.m_bBorder || l.m_bFillBG);
    m_panel.DrawMe();
    ASSERT_NE(Skin(0, 10), Skin(5, 10));      // the skin's ends and middle differ
    ASSERT_NE(Skin(5, 0), Skin(5, 10));
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(Skin(BarSkinX(x, 100), y), ElementPixel(blank, x, y)) << x << "," << y;

    struct Case { const char* caption; int x, y; COLORREF cr; BOOL bEnable; };
    const Case cases[] = {
        { "Caption \xD6\xD0\xCE\xC4", 10, 6, 0x000000, TRUE },   // GBK text at (10, 6)
        { "Moved", 30, 2, 0x0000C0, TRUE },
        { "Disabled", 10, 6, 0xA3A3A3, FALSE },
    };
    for (const Case& k : cases)
    {
        m_log.Clear();
        l.m_nTextX = k.x;
        l.m_nTextY = k.y;
        l.m_crText = k.cr;
        l.m_bEnable = k.bEnable;
        l.SetCaption(k.caption);
        EXPECT_EQ("paint 0", m_log.Joined());
        EXPECT_EQ(0, CountDiffering(l, TextOverCopy(blank, l.m_pFont, k.cr, k.caption, k.x, k.y)))
            << k.caption;
    }
}

TEST_F(Labels, CopySquareShowsWhileThePointerIsStrictlyInside)
{
    PaintLogged<CWG_Label>& l = m_lbl[0];
    PaintLogged<CWG_Label>& empty = m_lbl[1];
    l.Create(&m_panel, 20, 30, 100);
    l.m_strCaption = "Copy me";
    empty.Create(&m_panel, 20, 70, 100);
    m_panel.DrawMe();
    m_log.Clear();
    PlayMouse(m_panel, "m70,40");
    EXPECT_EQ(1, l.m_bHover);
    EXPECT_EQ(0, m_panel.m_nMouseWG);
    ExpectSquare(l, 0, "C square");           // x 86..95, y 2..11
    EXPECT_EQ(Skin(5, 5), ElementPixel(l, 85, 5));
    EXPECT_EQ(Skin(5, 5), ElementPixel(l, 96, 5));
    EXPECT_EQ("", m_log.Joined());            // shown without repainting the bar
    PlayMouse(m_panel, "m20,40");             // the bar's own left column is not inside
    EXPECT_EQ(0, l.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ("paint 0", m_log.Joined());
    ExpectSquare(l, -1, "gone");
    PlayMouse(m_panel, "m70,80");
    ExpectSquare(empty, 10, "N square for an empty caption");

    // A repaint while hovered keeps the square, for the caption it now has.
    empty.SetCaption("filled");
    ExpectSquare(empty, 0, "C after SetCaption");
    m_panel.DrawMe();
    ExpectSquare(empty, 0, "C after a full repaint");
    // A label disabled while it holds the mouse lets it go at the next move.
    empty.m_bEnable = FALSE;
    PlayMouse(m_panel, "m70,80");
    EXPECT_EQ(0, empty.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    ExpectSquare(empty, -1, "disabled");
}

TEST_F(Labels, HotZoneOfTheCopySquareHasStrictBounds)
{
    PaintLogged<CWG_Label>& l = m_lbl[0];
    l.Create(&m_panel, 20, 30, 100);
    l.m_strCaption = "x";
    m_panel.DrawMe();
    struct Case { int x, y, bHover, bOver; };   // element coordinates
    const Case cases[] = {
        { 87, 3, 1, 1 }, { 95, 11, 1, 1 }, { 87, 11, 1, 1 }, { 95, 3, 1, 1 }, { 90, 7, 1, 1 },
        { 86, 7, 1, 0 }, { 96, 7, 1, 0 },  { 90, 2, 1, 0 },  { 90, 12, 1, 0 }, { 1, 1, 1, 0 },
        { 0, 7, 0, 0 },  { 99, 7, 0, 0 },  { 50, 0, 0, 0 },  { 50, 21, 0, 0 },
    };
    for (const Case& k : cases)
    {
        PlayMouse(m_panel, "m60,40");          // from the middle, hovering
        PlayMouse(m_panel, Fmt("m%d,%d", 20 + k.x, 30 + k.y).c_str());
        EXPECT_EQ(k.bHover, l.m_bHover) << k.x << "," << k.y;
        EXPECT_EQ(k.bOver, l.m_bOverCopy) << k.x << "," << k.y;
        if (k.bHover)
        {
            EXPECT_EQ(Cursor(k.bOver ? IDC_HAND : IDC_ARROW), ::GetCursor()) << k.x << "," << k.y;
        }
    }
}

TEST_F(Labels, ClickOnTheSquareCopiesTheCaptionBytesAndNothingElseCopies)
{
    struct Case { const char* caption; const char* click; const char* clipboard; };
    const Case cases[] = {
        { "Plain text", "m110,37 d110,37", "Plain text" },
        { "\xD6\xD0\xCE\xC4 GBK", "m110,37 d110,37", "\xD6\xD0\xCE\xC4 GBK" },
        { "tail \xD6\xD0\xB9", "m110,37 d110,37", "tail \xD6\xD0\xB9" },  // broken tail kept as is
        { "right button", "m110,37 r110,37", "right button" },
        { "", "m110,37 d110,37", "sentinel" },                 // the N square copies nothing
        { "off the square", "m60,40 d60,40", "sentinel" },
        { "square left", "m110,37 m60,40 d60,40", "sentinel" },
    };
    PaintLogged<CWG_Label>& l = m_lbl[0];
    l.Create(&m_panel, 20, 30, 100);
    m_panel.DrawMe();
    for (const Case& k : cases)
    {
        SetClipboardText(m_panel.m_hWnd, "sentinel");
        l.m_strCaption = k.caption;
        PlayMouse(m_panel, k.click);
        EXPECT_EQ(k.clipboard, ClipboardText(m_panel.m_hWnd)) << k.caption;
        PlayMouse(m_panel, "u110,37 R110,37 m300,200");
    }
    EXPECT_EQ(std::string::npos, m_log.Joined().find("cmd"));   // labels report nothing
}

// ---- label button ----------------------------------------------------------------

TEST_F(Labels, LabelButtonLooksHaveTheirColourAndFont)
{
    PaintLogged<CWG_LabelButton>& b = m_link[0];
    PaintLogged<CWG_LabelButton>& blank = m_link[1];
    EXPECT_TRUE(b.m_bTransparent && !b.m_bBorder && !b.m_bFillBG);
    EXPECT_EQ(nullptr, b.m_fontUnderline.m_hObject);
    CVRK_WG under;                             // a coloured element under both
    under.m_crBG = 0x00C000;
    under.m_bBorder = FALSE;
    under.Create(&m_panel, 0, 0, 200, 80);
    ASSERT_EQ(1, b.Create(&m_panel, "Hyperlink", 10, 10, 100, 20));
    blank.Create(&m_panel, "", 10, 40, 100, 20);
    LOGFONTA lfBase, lfLine;
    ASSERT_TRUE(b.m_pFont->GetLogFont(&lfBase) && b.m_fontUnderline.GetLogFont(&lfLine));
    EXPECT_EQ(0, lfBase.lfUnderline);
    EXPECT_EQ(1, lfLine.lfUnderline);
    EXPECT_EQ(lfBase.lfHeight, lfLine.lfHeight);
    EXPECT_STREQ(lfBase.lfFaceName, lfLine.lfFaceName);
    m_panel.DrawMe();
    for (int y = 0; y < 20; ++y)               // transparent: the element beneath shows
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(0x00C000u, ElementPixel(blank, x, y)) << x << "," << y;

    struct Look { int bEnable, nState; COLORREF cr; bool bLine; const char* what; };
    const Look looks[] = {
        { 1, 0, 0x000000, true, "normal" },      { 1, 1, 0x606060, true, "hover" },
        { 1, 2, 0x404040, false, "pressed" },    { 0, 0, 0xA3A3A3, false, "disabled" },
        { 0, 1, 0xA3A3A3, false, "disabled hover" },
    };
    for (const Look& k : looks)
    {
        b.m_bEnable = k.bEnable;
        b.m_nState = k.nState;
        m_panel.RefreshWG(b.m_nIndex);
        CFont* pFont = k.bLine ? &b.m_fontUnderline : b.m_pFont;
        EXPECT_EQ(0, CountDiffering(b, TextOverCopy(blank, pFont, k.cr, "Hyperlink", 0, 2))) << k.what;
    }
    // The looks are the application's to change.
    b.m_bEnable = TRUE;
    b.m_nState = 2;
    b.m_bPressedUnderline = 1;
    b.m_crPressed = 0x0000FF;
    m_panel.RefreshWG(b.m_nIndex);
    EXPECT_EQ(0, CountDiffering(b, TextOverCopy(blank, &b.m_fontUnderline, 0x0000FF, "Hyperlink", 0, 2)));
    EXPECT_GT(CountDiffering(b, TextOverCopy(blank, b.m_pFont, 0x0000FF, "Hyperlink", 0, 2)), 10);
}

TEST_F(Labels, LabelButtonClicksInBothModes)
{
    struct Script { int bPressMode; const char* mouse; const char* log; int nState; long nOwner; };
    const Script scripts[] = {
        // Without press mode: fires on button-down, the hover gone at once.
        { 0, "m20,15", "paint 0", 1, 0 },
        { 0, "m20,15 d20,15 u20,15", "paint 0 | paint 0 | cmd 0 5", 0, -1 },
        { 0, "d20,15 u20,15 D20,15 u20,15", "paint 0 | cmd 0 5 | paint 0 | cmd 0 5", 0, -1 },
        // Press mode: the pressed look on down, one click on the release inside.
        { 1, "m20,15 d20,15", "paint 0 | paint 0", 2, 0 },
        { 1, "m20,15 d20,15 u20,15 u20,15", "paint 0 | paint 0 | paint 0 | cmd 0 5", 0, -1 },
        { 1, "m20,15 d20,15 u200,150", "paint 0 | paint 0", 2, 0 },
        { 1, "m20,15 d20,15 u200,150 m200,150", "paint 0 | paint 0 | paint 0", 0, -1 },
        { 1, "m20,15 d20,15 m200,150 u200,150", "paint 0 | paint 0 | paint 0", 0, -1 },
        // A move while pressed returns to the hover look: the release then does nothing.
        { 1, "m20,15 d20,15 m22,15 u22,15", "paint 0 | paint 0 | paint 0", 1, 0 },
    };
    for (const Script& s : scripts)
    {
        PaintLogged<CWG_LabelButton> b;
        b.m_pLog = &m_log;
        RecordingPanel panel;
        ASSERT_TRUE(panel.Create(&m_host));
        panel.m_pLog = &m_log;
        b.Create(&panel, "Click", 10, 10, 80, 20);
        b.m_bPressMode = s.bPressMode;
        panel.DrawMe();
        m_log.Clear();
        PlayMouse(panel, s.mouse);
        EXPECT_EQ(s.log, m_log.Joined()) << s.mouse;
        EXPECT_EQ(s.nState, b.m_nState) << s.mouse;
        EXPECT_EQ(s.nOwner, panel.m_nMouseWG) << s.mouse;
        if (s.nState != 2)
        {
            EXPECT_EQ(Cursor(s.nState ? IDC_HAND : IDC_ARROW), ::GetCursor()) << s.mouse;
        }
        // Losing the focus returns to normal and gives the mouse back.
        m_log.Clear();
        panel.SetNowWG(-1);
        EXPECT_EQ(s.nState ? "paint 0" : "", m_log.Joined()) << s.mouse;
        EXPECT_EQ(0, b.m_nState);
        EXPECT_EQ(-1, panel.m_nMouseWG);
        panel.DestroyWindow();
    }
}

// ---- caption button ---------------------------------------------------------------

TEST_F(Labels, CaptionButtonIsAsLargeAsItsCaptionFromTheNextDraw)
{
    PaintLogged<CWG_CptButton>& b = m_cpt[0];
    EXPECT_TRUE(!b.m_bBorder && b.m_crText == 0x000000 && b.m_crBG == PANEL_BG);
    ASSERT_EQ(1, b.Create(&m_panel, "Short \xD6\xD0", 30, 40));
    m_panel.DrawMe();
    const CSize szShort = Extent(b.m_pFont, "Short \xD6\xD0");
    const CSize szLong = Extent(b.m_pFont, "A much longer caption");
    ASSERT_GT(szShort.cx, 20);
    EXPECT_EQ(CRect(30, 40, 30 + szShort.cx - 1, 40 + szShort.cy - 1), b.m_rect);
    m_log.Clear();
    b.SetCptStrQuiet("A much longer caption");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ(szShort.cx, b.m_nWidth);        // not before the draw
    EXPECT_EQ(PANEL_BG, PanelPixel(m_panel, 30 + szShort.cx + 5, 45));
    m_panel.RefreshWG(0);
    EXPECT_EQ(CRect(30, 40, 30 + szLong.cx - 1, 40 + szLong.cy - 1), b.m_rect);
    EXPECT_EQ(szLong.cx, b.m_nWidth);
    EXPECT_EQ(szLong.cy, b.m_nHeight);
    // Drawn at its new size: caption in the text colour over the fill.
    PaintLogged<CWG_CptButton>& blank = m_cpt[1];
    blank.Create(&m_panel, "A much longer caption", 30, 80);
    blank.m_crText = PANEL_BG;
    m_panel.DrawMe();
    EXPECT_EQ(0, CountDiffering(b, TextOverCopy(blank, b.m_pFont, 0x000000, "A much longer caption", 0, 0)));

    // An empty caption has no area, so it is not hit, until it gets one.
    PaintLogged<CWG_CptButton>& empty = m_cpt[2];
    ASSERT_EQ(1, empty.Create(&m_panel, "", 200, 40));
    EXPECT_EQ(0, empty.m_nWidth);
    m_log.Clear();
    PlayMouse(m_panel, "d200,40");
    EXPECT_EQ("", m_log.Joined());
    empty.SetCptStrQuiet("Back");
    EXPECT_EQ(Extent(b.m_pFont, "Back").cx, empty.m_nWidth);
    PlayMouse(m_panel, "d201,41");
    EXPECT_EQ("paint 2 | cmd 2 5", m_log.Joined());
}

TEST_F(Labels, CaptionButtonColoursHoverAndPress)
{
    PaintLogged<CWG_CptButton>& b = m_cpt[0];
    PaintLogged<CWG_CptButton>& blank = m_cpt[1];   // same size, caption in the fill colour
    b.Create(&m_panel, "Colours", 30, 40);
    blank.Create(&m_panel, "Colours", 30, 80);
    blank.m_crText = PANEL_BG;
    m_panel.DrawMe();
    struct Look { int bEnable, bHover; COLORREF cr; const char* what; };
    const Look looks[] = {
        { 1, 0, 0x000000, "normal" }, { 1, 1, 0x787878, "hover" },
        { 0, 0, 0xA3A3A3, "disabled" }, { 0, 1, 0xA3A3A3, "disabled hover" },
    };
    for (const Look& k : looks)
    {
        b.m_bEnable = k.bEnable;
        b.m_bHover = k.bHover;
        m_panel.RefreshWG(0);
        EXPECT_EQ(0, CountDiffering(b, TextOverCopy(blank, b.m_pFont, k.cr, "Colours", 0, 0))) << k.what;
    }
    b.m_bEnable = TRUE;
    b.m_bHover = FALSE;
    m_log.Clear();
    PlayMouse(m_panel, "m32,42 m33,43");
    EXPECT_EQ(1, b.m_bHover);
    EXPECT_EQ(0, m_panel.m_nMouseWG);
    EXPECT_EQ(Cursor(IDC_HAND), ::GetCursor());
    PlayMouse(m_panel, "m300,200");
    EXPECT_EQ(0, b.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ(Cursor(IDC_ARROW), ::GetCursor());
    // Every press reports at once; a double-click is a second press.
    PlayMouse(m_panel, "m32,42 d32,42 u32,42 D32,42 r32,42");
    EXPECT_EQ(0, b.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ("paint 0 | paint 0 | paint 0 | paint 0 | cmd 0 5 | paint 0 | cmd 0 5 | paint 0 | cmd 0 5",
              m_log.Joined());
}

// Paints every label look on one panel; with WG_DUMP_DIR set the picture is
// saved there for a person to look at.
TEST_F(Labels, AllLooksOnOnePanel)
{
    m_lbl[0].Create(&m_panel, 10, 10, 180);
    m_lbl[0].m_strCaption = "Label \xB1\xEA\xC7\xA9";   // GBK: label
    m_lbl[1].Create(&m_panel, 10, 40, 180);
    const char* looks[] = { "Normal link", "Hover link", "Pressed link" };
    for (int i = 0; i < 3; ++i)
    {
        m_link[i].Create(&m_panel, looks[i], 210, 10 + 24 * i, 120, 20);
        m_link[i].m_nState = i;
    }
    m_cpt[0].Create(&m_panel, "[Caption]", 10, 80);
    m_cpt[1].Create(&m_panel, "[Hovered]", 90, 80);
    m_cpt[1].m_bHover = 1;
    m_cpt[2].Create(&m_panel, "[Disabled]", 170, 80);
    m_cpt[2].m_bEnable = FALSE;
    m_panel.DrawMe();
    PlayMouse(m_panel, "m60,20");             // the C square on the first label
    DumpPanel(m_panel, "labels");
    ExpectSquare(m_lbl[0], 0, "C");
}

} // namespace

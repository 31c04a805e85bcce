// Labels: the skinned bar and its copy square with the real clipboard, the
// label button's looks, and the caption button sized to its caption (their
// clicks and hover are in the clickable table of test_button.cpp).
#include "golden.h"

using namespace wgtest;

namespace {

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

class Labels : public PanelTest
{
protected:
    PaintLogged<CWG_Label> m_lbl[3];
    PaintLogged<CWG_LabelButton> m_link[5];
    PaintLogged<CWG_CptButton> m_cpt[3];

    void SetUp() override
    {
        PanelTest::SetUp();
        for (auto& e : m_lbl) e.m_pLog = &m_log;
        for (auto& e : m_link) e.m_pLog = &m_log;
        for (auto& e : m_cpt) e.m_pLog = &m_log;
    }
    // Where the copy square sits, in the element's back buffer.
    std::vector<BYTE> Square(CVRK_WG& e)
    {
        return Capture(e.m_pBGDC, e.m_bmpBG, CRect(e.m_nWidth - 14, 2, e.m_nWidth - 4, 12)).bits;
    }
};

// Labels: a GBK caption; hovered (the C square); empty and hovered (the N
// square). Label buttons: normal, hover, pressed, disabled, and pressed
// with the application's colour and underline. Caption buttons: normal,
// hovered, disabled and hovered.
TEST_F(Labels, Looks)
{
    const char* captions[] = { "\xB1\xEA\xC7\xA9 Wg", "Copy", "" };
    for (int i = 0; i < 3; ++i)
    {
        m_lbl[i].Create(&m_panel, 2, 2 + 24 * i, 70);
        m_lbl[i].m_strCaption = captions[i];
        m_lbl[i].m_bHover = i > 0;
    }
    for (int i = 0; i < 5; ++i)
    {
        m_link[i].Create(&m_panel, "Link", 80, 2 + 16 * i, 50, 15);
        m_link[i].m_nState = i < 3 ? i : 2;
    }
    m_link[3].m_bEnable = FALSE;
    m_link[4].m_crPressed = 0x0000FF;
    m_link[4].m_bPressedUnderline = 1;
    for (int i = 0; i < 3; ++i)
    {
        m_cpt[i].Create(&m_panel, "Caption", 140, 2 + 16 * i);
        m_cpt[i].m_bHover = i > 0;
    }
    m_cpt[2].m_bEnable = FALSE;
    m_panel.DrawMe();
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(0, 0, 190, 84)), "labels"));
}

TEST_F(Labels, CopySquareShowsAtOnceWhileThePointerIsInside)
{
    PaintLogged<CWG_Label>& l = m_lbl[0];
    PaintLogged<CWG_Label>& empty = m_lbl[1];
    l.Create(&m_panel, 20, 30, 100);
    l.m_strCaption = "Copy me";
    empty.Create(&m_panel, 20, 70, 100);
    m_panel.DrawMe();
    const auto bar = Square(l);
    m_log.Clear();
    Play(m_panel, "m70,40");
    EXPECT_EQ(1, l.m_bHover);
    EXPECT_EQ(0, m_panel.m_nMouseWG);
    EXPECT_EQ("", m_log.Joined());            // shown without repainting the bar...
    const auto shown = Square(l);
    EXPECT_NE(bar, shown);
    CClientDC dc(&m_panel);                   // ...and straight on the screen
    EXPECT_EQ(ElementPixel(l, 90, 7), dc.GetPixel(20 + 90, 30 + 7));
    m_panel.DrawMe();                         // a repaint while hovered keeps it
    EXPECT_EQ(shown, Square(l));

    m_log.Clear();
    Play(m_panel, "m20,40");             // the bar's own left column is not inside
    EXPECT_EQ(0, l.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ("paint 0", m_log.Joined());
    EXPECT_EQ(bar, Square(l));

    // The empty caption's square (N) is the one a repaint draws, and the
    // caption it has at the time decides.
    Play(m_panel, "m70,80");
    const auto n = Square(empty);
    EXPECT_NE(shown, n);
    m_panel.DrawMe();
    EXPECT_EQ(n, Square(empty));
    empty.SetCaption("filled");
    EXPECT_EQ(shown, Square(empty));
    // A label disabled while it holds the mouse lets it go at the next move.
    empty.m_bEnable = FALSE;
    Play(m_panel, "m70,80");
    EXPECT_EQ(0, empty.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
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
        Play(m_panel, "m60,40");          // from the middle, hovering
        Play(m_panel, Fmt("m%d,%d", 20 + k.x, 30 + k.y).c_str());
        EXPECT_EQ(k.bHover, l.m_bHover) << k.x << "," << k.y;
        EXPECT_EQ(k.bOver, l.m_bOverCopy) << k.x << "," << k.y;
        if (k.bHover) {
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
        { "right button", "m110,37 D110,37", "right button" },
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
        Play(m_panel, k.click);
        EXPECT_EQ(k.clipboard, ClipboardText(m_panel.m_hWnd)) << k.caption;
        Play(m_panel, "u110,37 U110,37 m300,200");
    }
    EXPECT_EQ(std::string::npos, m_log.Joined().find("cmd"));   // labels report nothing
}

// ---- caption button ---------------------------------------------------------------

CSize Extent(CFont* pFont, const char* text)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* pOld = dc.SelectObject(pFont);
    const CSize sz = dc.GetTextExtent(text, (int)strlen(text));
    dc.SelectObject(pOld);
    return sz;
}

TEST_F(Labels, CaptionButtonIsAsLargeAsItsCaptionFromTheNextDraw)
{
    PaintLogged<CWG_CptButton>& b = m_cpt[0];
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
    m_panel.RefreshWG(0);
    EXPECT_EQ(CRect(30, 40, 30 + szLong.cx - 1, 40 + szLong.cy - 1), b.m_rect);
    EXPECT_EQ(szLong, CSize(b.m_nWidth, b.m_nHeight));

    // An empty caption has no area, so it is not hit, until it gets one.
    PaintLogged<CWG_CptButton>& empty = m_cpt[1];
    ASSERT_EQ(1, empty.Create(&m_panel, "", 200, 40));
    m_log.Clear();
    Play(m_panel, "d200,40");
    EXPECT_EQ("", m_log.Joined());
    empty.SetCptStrQuiet("Back");
    EXPECT_EQ(Extent(b.m_pFont, "Back").cx, empty.m_nWidth);
    Play(m_panel, "d201,41");
    EXPECT_EQ("paint 1 | cmd 1 5", m_log.Joined());
}

} // namespace

// The multi-line text area: wrapping, caret moves across rows and the view
// that follows them, Shift selection, the scroll bar and the wheel,
// read-only, the hint, the shared edit menu and clipboard, and bad input
// (the 500-byte row-start limit, long words, lone lead bytes, pasted line
// ends, a 1 MB paste).
#include "golden.h"

using namespace wgtest;

namespace {

#define ZH "\xD6\xD0"   // GBK 中

std::string Bytes(const CString& s) { return std::string((LPCSTR)s, s.GetLength()); }

void PutClipText(HWND h, const std::string& s)
{
    ASSERT_TRUE(::OpenClipboard(h));
    ::EmptyClipboard();
    HGLOBAL g = ::GlobalAlloc(GMEM_MOVEABLE, s.size() + 1);
    memcpy(::GlobalLock(g), s.c_str(), s.size() + 1);
    ::GlobalUnlock(g);
    ::SetClipboardData(CF_TEXT, g);
    ::CloseClipboard();
}

class TextArea : public SharedHostTest
{
protected:
    Log m_log;
    PaintLogged<CWG_TextArea> m_a;
    RecordingPanel m_panel;

    void SetUp() override
    {
        SharedHostTest::SetUp();
        ASSERT_TRUE(m_panel.Create(&m_top));
        m_panel.MoveWindow(0, 0, 380, 280);
        m_a.m_pLog = m_panel.m_pLog = &m_log;
        ASSERT_EQ(1, m_a.Create(&m_panel, 10, 10, 200, 100));   // 6 rows of 16
        m_panel.SetFocus();
        m_panel.DrawMe();
        Pump();
    }
    void TearDown() override
    {
        m_panel.DestroyWindow();
        SharedHostTest::TearDown();
    }
    // The area current and focused, holding text with the caret at nCaret.
    void Put(const std::string& text, long nCaret)
    {
        m_panel.SetNowWG(m_a.m_nIndex);
        m_a.SetTextStr(CString(text.c_str(), (int)text.size()));
        m_a.m_nCaret = nCaret;
        m_a.m_bShiftCtrl = FALSE;
        m_panel.RefreshWG(m_a.m_nIndex);
        m_log.Clear();
    }
    long Width(const char* s)
    {
        CClientDC dc(nullptr);
        CDCSelect sel(&dc, m_a.m_pFont);
        SIZE sz;
        ::GetTextExtentPoint32A(dc.m_hDC, s, (int)strlen(s), &sz);
        return sz.cx;
    }
    // "r0:s-e r1:s-e ..." of the laid-out rows.
    std::string Rows()
    {
        std::string s;
        for (long r = 0; r < m_a.m_nRowCount && r < 500; ++r)
            s += Fmt("%s%ld-%ld", s.empty() ? "" : " ", m_a.LaidRowStart(r), m_a.LaidRowEnd(r));
        return s;
    }
    std::string Lines(int n)   // "L00\rL01\r..." : n rows of 4 bytes
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += Fmt("L%02d", i) + (i + 1 < n ? "\r" : "");
        return s;
    }
};

// A two-byte character that does not fit moves whole to the next row; a
// caret at the wrap point is drawn at the next row's start; Enter inserts
// 0x0D and puts the caret on an empty row of its own.
TEST_F(TextArea, WrapsWholeCharactersAndBreaksAtEnter)
{
    const long A = 200 - 4, wA = Width("a");
    const long m = (A - 2) / wA;   // letters that fill row 0
    ASSERT_GT(m * wA + Width(ZH) + 2, A);
    Put(std::string(m, 'a') + ZH + "b", m);
    EXPECT_EQ(Fmt("0-%ld %ld-%ld", m, m, m + 3), Rows());
    EXPECT_EQ(1, m_a.m_nCaretRow);
    EXPECT_EQ(2, m_a.m_nCaretX);
    Play(m_panel, "k39");   // over the whole character
    EXPECT_EQ(m + 2, m_a.m_nCaret);
    Put("x", 1);
    Play(m_panel, "a13");
    EXPECT_EQ("x\r", Bytes(m_a.m_strText));
    EXPECT_EQ(2, m_a.m_nCaret);
    EXPECT_EQ(1, m_a.m_nCaretRow);
    EXPECT_EQ(2, m_a.m_nRowCount);
    EXPECT_EQ(16 + 3, m_a.m_nCaretY);
    EXPECT_EQ("paint 0 | cmd 0 7", m_log.Joined());
}

// Up and Down move one row and scroll the view one row at its edges; Right
// at the end of the last shown row and Left at the start of the first
// scroll too. The caret's row stays shown after every key.
TEST_F(TextArea, CaretMovesAcrossRowsAndScrolls)
{
    Put(Lines(10), 1);   // "L00\r..." : row r starts at 4r
    std::string path;
    for (int i = 0; i < 7; ++i)
    {
        Play(m_panel, "k40");
        path += Fmt("%ld/%ld ", m_a.m_nCaretRow, m_a.m_nFirstRow);
    }
    EXPECT_EQ("1/0 2/0 3/0 4/0 5/0 6/1 7/2 ", path);
    EXPECT_EQ(7 * 4 + 1, m_a.m_nCaret);
    Play(m_panel, "k38 k38 k38 k38 k38 k38");
    EXPECT_EQ(1, m_a.m_nCaretRow);
    EXPECT_EQ(1, m_a.m_nFirstRow);
    Play(m_panel, "k37 k37");   // to 4, the start of row 1, then over the break
    EXPECT_EQ(3, m_a.m_nCaret);
    EXPECT_EQ(0, m_a.m_nFirstRow);
    Put(Lines(10), 23);   // row 5's end, the last row shown
    Play(m_panel, "k39");
    EXPECT_EQ(24, m_a.m_nCaret);
    EXPECT_EQ(6, m_a.m_nCaretRow);
    EXPECT_EQ(1, m_a.m_nFirstRow);
}

// Shift alone starts an empty selection at the caret; Shift+Down selects
// to the point one row below; a plain click ends it; Shift-click extends.
TEST_F(TextArea, ShiftSelects)
{
    Put(Lines(10), 1);
    Play(m_panel, "k16");
    EXPECT_TRUE(m_a.m_bSelected);
    EXPECT_EQ(1, m_a.m_nSelAnchor);
    EXPECT_EQ(1, m_a.m_nSelEnd);
    Play(m_panel, "k40 K16");
    EXPECT_EQ(5, m_a.m_nSelEnd);
    EXPECT_EQ(1, m_a.m_nSelMin);
    EXPECT_EQ(5, m_a.m_nSelMax);
    EXPECT_EQ(WG_CR_SELECTION, ElementPixel(m_a, 2 + Width("L") + 1, 3));
    Play(m_panel, "d11,15 u11,15");
    EXPECT_FALSE(m_a.m_bSelected);
    EXPECT_EQ(0, m_a.m_nCaret);
    Play(m_panel, "k16 d11,47 u11,47 K16");   // row 2, before its first byte
    EXPECT_TRUE(m_a.m_bSelected);
    EXPECT_EQ(8, m_a.m_nSelMax);
    Play(m_panel, "c30,30");
    EXPECT_EQ(0, m_a.m_nSelMin);
    EXPECT_EQ(39, m_a.m_nSelMax);
}

// The bar shows once the rows exceed the shown rows, with a thumb of at
// least 15 pixels; the wheel scrolls one row a notch and stops at the last
// page; without the bar it does nothing. The track and thumb follow.
TEST_F(TextArea, ScrollBarAndWheel)
{
    Put(Lines(6), 0);
    EXPECT_FALSE(m_a.m_bScrollBar);
    Play(m_panel, "w-120");
    EXPECT_EQ(0, m_a.m_nFirstRow);
    EXPECT_EQ(m_a.m_crBG, ElementPixel(m_a, 200 - 8, 7));
    Put(Lines(7), 0);
    EXPECT_TRUE(m_a.m_bScrollBar);
    EXPECT_EQ((100 - 30) * 6 / 7, m_a.m_nThumbHeight);
    EXPECT_NE(m_a.m_crBG, ElementPixel(m_a, 200 - 8, 7));   // the up arrow
    Put(Lines(100), 0);
    EXPECT_EQ(15, m_a.m_nThumbHeight);
    Play(m_panel, "w-120 w-120");
    EXPECT_EQ(2, m_a.m_nFirstRow);
    EXPECT_EQ(16, m_a.m_nThumbTop);   // 85 * 2 / 200, kept inside the track
    for (int i = 0; i < 200; ++i)
        Play(m_panel, "w-120");
    EXPECT_EQ(94, m_a.m_nFirstRow);
    EXPECT_EQ(100 - 15 - 15, m_a.m_nThumbTop);
    Play(m_panel, "w120");
    EXPECT_EQ(93, m_a.m_nFirstRow);
    // The down arrow scrolls, the thumb drags.
    Put(Lines(100), 0);
    Play(m_panel, "d205,105 u205,105");
    EXPECT_EQ(1, m_a.m_nFirstRow);
    const long yThumb = 10 + m_a.m_nThumbTop + 5;
    Play(m_panel, Fmt("d205,%ld m205,%ld u205,%ld", yThumb, yThumb + 35, yThumb + 35).c_str());
    EXPECT_EQ((m_a.m_nThumbTop - 15) * 100 / 85, m_a.m_nFirstRow);
    EXPECT_GT(m_a.m_nFirstRow, 30);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
}

// Read-only: typing, Backspace, Delete, cut and paste change nothing and
// report nothing; arrows, selection and copy work. An empty area shows its
// hint in grey.
TEST_F(TextArea, ReadOnlyAndHint)
{
    m_a.m_strHint = "Hint";
    Put("", 0);
    bool bGrey = false;
    for (int x = 2; x < 30; ++x)
        for (int y = 4; y < 18; ++y)
            bGrey = bGrey || ElementPixel(m_a, x, y) == 0x9D9D9D;
    EXPECT_TRUE(bGrey);
    PutClipText(m_panel.m_hWnd, "pasted");
    m_a.m_bReadOnly = TRUE;
    Put("abc" ZH, 3);
    Play(m_panel, "a120 a8 k46 a22 a24");
    m_a.OnMenuCommand(-1, CWG_Text::EDIT_PASTE);
    EXPECT_EQ("abc" ZH, Bytes(m_a.m_strText));
    EXPECT_EQ("", m_log.Joined("cmd"));
    Play(m_panel, "k16 k39 K16");
    EXPECT_EQ(5, m_a.m_nCaret);
    m_a.OnMenuCommand(-1, CWG_Text::EDIT_COPY);
    char sz[8] = "";
    ASSERT_TRUE(::OpenClipboard(m_panel.m_hWnd));
    strncpy(sz, (const char*)::GlobalLock(::GetClipboardData(CF_TEXT)), 7);
    ::CloseClipboard();
    EXPECT_STREQ(ZH, sz);
}

// The single-line field's edit menu and clipboard: rows enabled by the
// state, Ctrl+X / Ctrl+V through the same commands, pasted CR LF and bare LF
// becoming one 0x0D.
TEST_F(TextArea, EditMenuAndClipboard)
{
    Put("one two", 0);
    Play(m_panel, "D20,20");
    ASSERT_TRUE(m_a.m_Menu.m_bShown);
    EXPECT_FALSE(m_a.m_Menu.m_Items[CWG_TextMenu::ROW_COPY].m_bEnable);
    EXPECT_TRUE(m_a.m_Menu.m_Items[CWG_TextMenu::ROW_PASTE].m_bEnable);
    EXPECT_TRUE(m_a.m_Menu.m_Items[CWG_TextMenu::ROW_SELECT_ALL].m_bEnable);
    m_a.m_Menu.Shirk();
    Play(m_panel, "c20,20");   // everything
    Play(m_panel, "U20,20 D20,20");
    EXPECT_TRUE(m_a.m_Menu.m_Items[CWG_TextMenu::ROW_CUT].m_bEnable);
    m_a.m_Menu.Shirk();
    m_log.Clear();
    Play(m_panel, "a24");
    EXPECT_EQ("", Bytes(m_a.m_strText));
    EXPECT_EQ("cmd 0 7 | cmd 0 7", m_log.Joined("cmd"));
    PutClipText(m_panel.m_hWnd, "a\r\nb\nc\r\rd");
    Play(m_panel, "a22");
    EXPECT_EQ("a\rb\rc\r\rd", Bytes(m_a.m_strText));
    EXPECT_EQ(8, m_a.m_nCaret);
    EXPECT_EQ(5, m_a.m_nRowCount);
}

// Bad input: past byte 500 rows are not laid out and the caret stops at
// the last row's end (the text stays whole); a word wider than a row is
// cut; a lone lead byte at the end stands alone; a 1 MB paste goes in.
TEST_F(TextArea, BadInput)
{
    m_a.NewWH(12, 100);   // one letter a row
    Put(std::string(600, 'a'), 600);
    m_panel.RefreshWG(m_a.m_nIndex);
    EXPECT_EQ(500, m_a.m_nRowCount);
    EXPECT_EQ(500, m_a.m_nCaret);
    EXPECT_EQ(600, m_a.m_strText.GetLength());
    Play(m_panel, "k39 a98");   // goes into the hidden tail; the caret stays
    EXPECT_EQ(500, m_a.m_nCaret);
    EXPECT_EQ('b', m_a.m_strText[500]);
    EXPECT_EQ(499, m_a.m_nCaretRow);
    EXPECT_EQ(499 - 6 + 1, m_a.m_nFirstRow);
    Play(m_panel, "a8 a8");   // Backspace brings the tail back into reach
    EXPECT_EQ(498, m_a.m_nCaret);
    EXPECT_EQ('b', m_a.m_strText[498]);
    m_a.SetTextStr(CString('c', 700));   // not laid out yet: the key lays it out first
    Play(m_panel, "k37");
    EXPECT_EQ(499, m_a.m_nCaret);
    m_a.NewWH(200, 100);
    const std::string word(80, 'w');
    Put(word, 0);
    ASSERT_GT(m_a.m_nRowCount, 1);
    for (long r = 0; r + 1 < m_a.m_nRowCount; ++r)   // each row as full as it can be
    {
        const long n = m_a.LaidRowEnd(r) - m_a.LaidRowStart(r);
        EXPECT_LE(Width(word.substr(0, n).c_str()) + 2, 196);
        EXPECT_GT(Width(word.substr(0, n + 1).c_str()) + 2, 196);
    }
    EXPECT_EQ(80, m_a.LaidRowEnd(m_a.m_nRowCount - 1));
    Put("ab\xD6", 3);
    for (const char* keys : { "k37", "k37", "k39", "k39", "k39" })
    {
        Play(m_panel, keys);
        EXPECT_EQ(0, m_a.IfInCN(m_a.m_nCaret)) << keys;
    }
    std::string big(1 << 20, 'x');
    for (size_t i = 0; i < big.size(); i += 100)
        big[i] = '\n';
    PutClipText(m_panel.m_hWnd, big);
    Put("", 0);
    Play(m_panel, "a22");
    EXPECT_EQ(1 << 20, m_a.m_strText.GetLength());
    EXPECT_EQ(m_a.LaidRowEnd(m_a.RowsLaidOut() - 1), m_a.m_nCaret);
    EXPECT_LT(m_a.m_nCaret, 600);
}

// Blink by timer, focus border; a focused area with Chinese and Latin
// text, a selection and the scroll bar.
TEST_F(TextArea, BlinkAndLooks)
{
    Put("Wg " ZH ZH " area\r" + Lines(8), 5);
    const BOOL bShown = m_a.m_bCaretShow;
    Play(m_panel, "t0");
    EXPECT_NE(bShown, m_a.m_bCaretShow);
    EXPECT_EQ(WG_CR_TEXT_FOCUS, m_a.m_crBorder);
    m_a.m_bCaretShow = TRUE;
    m_a.m_nSelAnchor = 3, m_a.m_nSelEnd = 5, m_a.m_bSelected = TRUE;
    m_panel.RefreshWG(m_a.m_nIndex);
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(8, 8, 212, 112)), "text_area"));
}

} // namespace

// The single-line text field and the password field: double-byte editing
// in tables (caret moves, Backspace and Delete, Shift selection, the click
// hit test), the widths it remembers against GDI's own measurement,
// scrolling, blinking, the input method, the real clipboard and bad input.
#include "golden.h"
#include "deadtrap.h"
#include <functional>

using namespace wgtest;

namespace {

// GBK: 中 D6D0, 文 CEC4, 啊 B0A1.
#define ZH "\xD6\xD0"
#define WEN "\xCE\xC4"

// Logs every report with the reporting field's m_nLastKey while it reports.
class TextPanel : public CVRK_WGPANEL
{
public:
    Log* m_pLog = nullptr;
    std::function<void(long, long)> m_fnOnCommand;
    virtual void OnWGCommand(long nIndex, long nCode)
    {
        CWG_Text* t = nIndex >= 0 && nIndex < m_nWGCount ? dynamic_cast<CWG_Text*>(m_pWG[nIndex]) : nullptr;
        if (m_pLog)
            m_pLog->Add(Fmt("cmd %ld %ld", nIndex, nCode) + (t && t->m_nLastKey >= 0 ? Fmt(" key %ld", t->m_nLastKey) : ""));
        if (m_fnOnCommand)
            m_fnOnCommand(nIndex, nCode);
    }
};

std::string Bytes(const CString& s) { return std::string((LPCSTR)s, s.GetLength()); }

// The clipboard's contents in one format: bytes for CF_TEXT, UTF-16 code
// units for CF_UNICODETEXT; "<none>" when absent.
std::string ClipText(HWND h)
{
    std::string s = "<none>";
    if (::OpenClipboard(h))
    {
        if (HANDLE d = ::GetClipboardData(CF_TEXT))
            s = (const char*)::GlobalLock(d), ::GlobalUnlock(d);
        ::CloseClipboard();
    }
    return s;
}

std::wstring ClipWide(HWND h)
{
    std::wstring s = L"<none>";
    if (::OpenClipboard(h))
    {
        if (HANDLE d = ::GetClipboardData(CF_UNICODETEXT))
            s = (const wchar_t*)::GlobalLock(d), ::GlobalUnlock(d);
        ::CloseClipboard();
    }
    return s;
}

// Puts raw blocks on the clipboard: CF_TEXT bytes (nText of them, zeros
// included) and/or a wide string; null leaves a format out.
void SetClip(HWND h, const char* pText, size_t nText, const wchar_t* pWide = nullptr)
{
    ASSERT_TRUE(::OpenClipboard(h));
    ::EmptyClipboard();
    auto put = [](UINT fmt, const void* p, size_t n) {
        HGLOBAL g = ::GlobalAlloc(GMEM_MOVEABLE, n);
        memcpy(::GlobalLock(g), p, n);
        ::GlobalUnlock(g);
        ::SetClipboardData(fmt, g);
    };
    if (pText)
        put(CF_TEXT, pText, nText);
    if (pWide)
        put(CF_UNICODETEXT, pWide, (wcslen(pWide) + 1) * sizeof(wchar_t));
    ::CloseClipboard();
}

class Text : public SharedHostTest
{
protected:
    Log m_log;
    PaintLogged<CWG_Text> m_t;
    PaintLogged<CWG_PassWord> m_pw;
    TextPanel m_panel;

    void SetUp() override
    {
        SharedHostTest::SetUp();
        ASSERT_TRUE(m_panel.Create(&m_top));
        m_t.m_pLog = m_pw.m_pLog = m_panel.m_pLog = &m_log;
        m_t.Create(&m_panel, 10, 10, 200, 21);
        m_pw.Create(&m_panel, 10, 40, 200, 21);
        m_panel.SetFocus();
        m_panel.DrawMe();
        Pump();
    }
    void TearDown() override
    {
        m_panel.DestroyWindow();
        SharedHostTest::TearDown();
    }
    // The field current (quietly), holding text with the caret at nCaret.
    void Put(CWG_Text& t, const char* text, long nCaret)
    {
        m_panel.SetNowWGQuiet(t.m_nIndex);
        t.SetTextStrQuiet(text);
        t.m_nCaret = nCaret;
        t.m_bShiftCtrl = FALSE;
        m_panel.RefreshWG(t.m_nIndex);
        m_log.Clear();
    }
    HWND Wnd() { return m_panel.m_hWnd; }
};

// Caret moves and deletions, each from a fresh text. "a" ZH "b" is the
// four-byte text of a letter, a Chinese character and a letter.
TEST_F(Text, DoubleByteCaretMovesAndDeletions)
{
    struct Case { const char* text; long caret; const char* script; const char* want; long wantCaret; };
    const Case cases[] = {
        { "a" ZH "b", 4, "k37", "a" ZH "b", 3 },      // Left over a letter
        { "a" ZH "b", 3, "k37", "a" ZH "b", 1 },      // ... over both bytes of 中
        { "a" ZH "b", 1, "k37 k37", "a" ZH "b", 0 },  // stops at 0
        { "a" ZH "b", 1, "k39", "a" ZH "b", 3 },      // Right over 中
        { "a" ZH "b", 3, "k39 k39", "a" ZH "b", 4 },  // stops at the end
        { "a" ZH "b", 1, "k46", "ab", 1 },            // Delete takes both bytes
        { "a" ZH "b", 3, "a8", "ab", 1 },             // so does Backspace
        { "a" ZH "b", 4, "k46", "a" ZH, 3 },          // Delete at the end deletes backwards
        { "a" ZH, 3, "k46", "a", 1 },                 // ... a whole character
        { "", 0, "k46 a8", "", 0 },
        { ZH WEN, 4, "k37 k37", ZH WEN, 0 },          // a high trail byte is no lead
        { ZH "\xD0", 3, "k37 k37", ZH "\xD0", 0 },    // a lone lead at the end is one character
        { "a\xD6", 2, "a8", "a", 1 },                 // ... removed alone
        { "a\xD6", 1, "k39", "a\xD6", 2 },
        { "a\xD6", 1, "k46", "a", 1 },
        { "\x80" "Ax", 3, "k37 k37", "\x80" "Ax", 0 },// 0x80 leads a pair here, valid GBK or not
        { "\x80" "Ax", 2, "a8", "x", 0 },
        { "ab", 1, "a214", "a\xD6" "b", 2 },          // a lead typed waits for its trail...
        { "ab", 1, "a214 a208", "a" ZH "b", 3 },      // ... which completes the character
        { "ab", 1, "a214 a8", "ab", 1 },              // Backspace takes the lead alone
        { "ab", 1, "a214 k37", "a\xD6" "b", 1 },      // Left goes to its start
    };
    for (const Case& c : cases)
    {
        Put(m_t, c.text, c.caret);
        Play(m_panel, c.script);
        EXPECT_EQ(c.want, Bytes(m_t.m_strText)) << c.text << " at " << c.caret << ": " << c.script;
        EXPECT_EQ(c.wantCaret, m_t.m_nCaret) << c.text << " at " << c.caret << ": " << c.script;
        EXPECT_EQ(m_t.m_strText.GetLength(), m_t.m_nLength) << c.script;
    }
    // A pending trail is told; the trail ends it.
    Put(m_t, "ab", 1);
    Play(m_panel, "a214");
    EXPECT_TRUE(m_t.TrailPending());
    Play(m_panel, "a208");
    EXPECT_FALSE(m_t.TrailPending());
}

TEST_F(Text, IfCharCNWalksFromTheStart)
{
    struct Case { const char* text; const char* want; };   // IfCharCN(0..len + 1)
    const Case cases[] = { { ZH, "0110" }, { "ab", "0000" }, { "a" ZH "b", "001100" }, { ZH WEN, "011110" },
                           { "a\xD6", "0011" } };
    for (const Case& c : cases)
    {
        m_t.SetTextStrQuiet(c.text);
        std::string got;
        for (long n = 0; n <= m_t.m_nLength + 1; ++n)
            got += m_t.IfCharCN(n) ? '1' : '0';
        EXPECT_EQ(c.want, got) << c.text;
    }
}

// Shift with the arrows selects; the selection then goes with one key.
TEST_F(Text, ShiftSelectionOnCharacterBoundaries)
{
    struct Case { const char* text; long caret; const char* script; long selMin, selMax; const char* then; const char* want; long wantCaret; };
    const Case cases[] = {
        { "a" ZH "b", 4, "k16 k37 k37 K16", 1, 4, "a8", "a", 1 },
        { "a" ZH "b", 0, "k16 k39 k39 K16", 0, 3, "a120", "xb", 1 },     // typed over
        { "a" ZH "b", 4, "k17 k37 K17 k16 k37 K16", 1, 4, "k46", "a", 1 }, // Ctrl counts too
        { ZH WEN, 0, "k16 k39 K16", 0, 2, "k37", ZH WEN, 0 },            // a plain arrow ends it
    };
    for (const Case& c : cases)
    {
        Put(m_t, c.text, c.caret);
        Play(m_panel, c.script);
        EXPECT_TRUE(m_t.m_bSelected) << c.script;
        EXPECT_EQ(c.selMin, m_t.m_nSelMin) << c.script;
        EXPECT_EQ(c.selMax, m_t.m_nSelMax) << c.script;
        Play(m_panel, c.then);
        EXPECT_EQ(c.want, Bytes(m_t.m_strText)) << c.script << " then " << c.then;
        EXPECT_EQ(c.wantCaret, m_t.m_nCaret) << c.script << " then " << c.then;
        EXPECT_FALSE(m_t.m_bSelected);
    }
    // Shift+Left at 0 makes an empty selection: Backspace and Delete then do
    // nothing at all, not even a repaint.
    Put(m_t, "ab", 0);
    Play(m_panel, "k16 k37");
    EXPECT_TRUE(m_t.m_bSelected);
    m_log.Clear();
    Play(m_panel, "a8 k46");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ("ab", Bytes(m_t.m_strText));
    // An anchor a click left at 2 of "ab" falls inside 中 once it is typed
    // at 1: a Shift-click extends from the character's start.
    Put(m_t, "ab", 2);
    m_t.m_bJustFocused = FALSE;
    Play(m_panel, "d200,15 u200,15 k37 a214 a208");
    EXPECT_EQ(2, m_t.m_nSelAnchor);
    Play(m_panel, "k16 d200,15 u200,15 K16");
    EXPECT_TRUE(m_t.m_bSelected);
    EXPECT_EQ(1, m_t.m_nSelMin);
    EXPECT_EQ(4, m_t.m_nSelMax);
}

// Every click across a text of two Chinese characters puts the caret on a
// character boundary, further right the further right the click; a click
// at the start of a trail byte's half puts it before the character.
TEST_F(Text, ClickNeverLandsInsideACharacter)
{
    Put(m_t, ZH ZH "a", 0);
    m_t.m_bJustFocused = FALSE;
    const long x0 = m_t.m_rect.left + 3;
    long nLast = 0;
    for (long x = m_t.m_rect.left; x < x0 + m_t.TextWidth(5) + 4; ++x)
    {
        Play(m_panel, Fmt("d%ld,15 u%ld,15", x, x).c_str());
        EXPECT_TRUE(m_t.m_nCaret == 0 || m_t.m_nCaret == 2 || m_t.m_nCaret == 4 || m_t.m_nCaret == 5) << x;
        EXPECT_GE(m_t.m_nCaret, nLast) << x;
        nLast = m_t.m_nCaret;
    }
    EXPECT_EQ(5, nLast);
    Play(m_panel, Fmt("d%ld,15 u%ld,15", x0 + m_t.TextWidth(1), x0 + m_t.TextWidth(1)).c_str());
    EXPECT_EQ(0, m_t.m_nCaret);
    Play(m_panel, Fmt("d%ld,15 u%ld,15", x0 + m_t.TextWidth(3), x0 + m_t.TextWidth(3)).c_str());
    EXPECT_EQ(2, m_t.m_nCaret);
}

// The remembered widths equal GDI's measurement of every prefix, also
// after edits that change a character's pairing (a lone lead gaining a
// trail), across invalid bytes and after the text is changed behind the
// field's back.
TEST_F(Text, RememberedWidthsMatchGdiForEveryPrefix)
{
    auto check = [&](const char* what) {
        CClientDC dc(nullptr);
        CDCSelect sel(&dc, m_t.m_pFont);
        const CString s = m_t.m_strText;
        for (int n = 0; n <= s.GetLength(); ++n)
        {
            SIZE sz = {};
            ::GetTextExtentPoint32A(dc.m_hDC, s, n, &sz);
            ASSERT_EQ(sz.cx, m_t.TextWidth(n)) << what << ", prefix " << n << " of " << Bytes(s);
        }
    };
    Put(m_t, "a" ZH "\x80" "A\xB0\xA1 \xFF\xFF" WEN "\xD6", 4);
    check("mixed");
    Play(m_panel, "a208");
    check("typed in the middle");
    m_t.m_nCaret = m_t.m_nLength;
    Play(m_panel, "a208 a8 a8 a214");
    check("typed and removed at the end");
    m_t.GetTextStrAddress()->Insert(0, "x" WEN);
    check("changed behind its back");
    m_t.m_pFont = CFont::FromHandle((HFONT)::GetStockObject(SYSTEM_FONT));
    check("another font");
}

// Typing past the right edge keeps the caret 2 pixels inside it; Left
// back past the left edge scrolls it in again; a long text set by the
// application shows its start with the caret off to the right; a drag past
// either edge scrolls by the pointer's distance outside.
TEST_F(Text, HorizontalScrollingFollowsTheCaret)
{
    m_t.NewWH(60, 21);
    Put(m_t, "", 0);
    for (int i = 0; i < 20; ++i)
    {
        Play(m_panel, i % 3 ? "a119" : "a214 a208");
        const long cx = m_t.TextWidth(m_t.m_nCaret);
        EXPECT_EQ(cx > 57 ? 58 : 3 + cx, m_t.m_nCaretX) << i;
    }
    EXPECT_LT(m_t.m_nScrollX, 0);
    while (m_t.m_nCaret > 0)
    {
        Play(m_panel, "k37");
        EXPECT_GE(m_t.m_nCaretX, 3) << m_t.m_nCaret;
        EXPECT_LE(m_t.m_nCaretX, 58) << m_t.m_nCaret;
    }
    EXPECT_EQ(0, m_t.m_nScrollX);

    m_t.SetTextStr(CString('w', 40));
    EXPECT_EQ(0, m_t.m_nScrollX);
    EXPECT_EQ(40, m_t.m_nCaret);
    EXPECT_GT(m_t.m_nCaretX, 60);

    // Press inside, drag 7 pixels past the right edge, then 4 past the left.
    m_t.m_bJustFocused = FALSE;
    Play(m_panel, "d30,15 m40,15 m76,15");
    EXPECT_EQ(-7, m_t.m_nScrollX);
    EXPECT_TRUE(m_t.m_bSelected);
    Play(m_panel, "m6,15 u6,15");
    EXPECT_EQ(-3, m_t.m_nScrollX);
    EXPECT_EQ(0, m_t.m_nSelMin);
    EXPECT_FALSE(m_t.m_bDragging);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
}

// The caret blinks on the field's own timer, driven here by WM_TIMER; the
// timer runs only while the field has the focus.
TEST_F(Text, CaretBlinksOnItsTimerWhileFocused)
{
    Put(m_t, "ab", 1);
    m_panel.SetNowWG(m_t.m_nIndex);
    m_t.m_bSelected = FALSE;
    m_panel.RefreshWG(m_t.m_nIndex);
    const int x = m_t.m_nCaretX;
    EXPECT_EQ(0x000000u, ElementPixel(m_t, x, 9));
    Play(m_panel, Fmt("t%ld", m_t.m_nIndex).c_str());
    EXPECT_EQ(WG_CR_ELEMENT_BG, ElementPixel(m_t, x, 2));
    Play(m_panel, Fmt("t%ld", m_t.m_nIndex).c_str());
    EXPECT_EQ(0x000000u, ElementPixel(m_t, x, 2));
    EXPECT_EQ(0x000000u, ElementPixel(m_t, x, 16));
    EXPECT_EQ(WG_CR_ELEMENT_BG, ElementPixel(m_t, x, 17));
    EXPECT_EQ(WG_CR_TEXT_FOCUS, ElementPixel(m_t, 0, 5));   // the focus border
    m_panel.SetNowWG(-1);
    EXPECT_EQ(WG_CR_BORDER, ElementPixel(m_t, 0, 5));
    EXPECT_FALSE(::KillTimer(Wnd(), m_t.m_nIndex));          // no timer left running
}

// What the application hears, in order with the repaints: focus by a click
// (the click selects all), typing, Enter / Up / Down with m_nLastKey set
// only while they report, keys that report nothing, SetTextStr, focus loss.
TEST_F(Text, ReportsAndRepaintsInOrder)
{
    Put(m_t, "ab", 2);
    m_panel.SetNowWGQuiet(-1);
    struct Step { const char* script; const char* want; };
    const Step steps[] = {
        { "d300,200 d20,15 u20,15", "paint 0 | cmd 0 10" },   // the click selects all
        { "d20,15 u20,15", "paint 0" },                      // the next places the caret
        { "a120", "cmd 0 7 | paint 0" },
        { "a13 k38 k40", "cmd 0 7 key 13 | cmd 0 7 key 38 | cmd 0 7 key 40" },
        { "k46 k37 k36 k35", "paint 0 | paint 0" },
        { "a9 a27", "cmd 0 7 | paint 0 | cmd 0 7 | paint 0" },   // control characters report
        { "a8", "cmd 0 7 | paint 0" },
        { "F0", "paint 0 | cmd 0 11" },
    };
    for (const Step& s : steps)
    {
        m_log.Clear();
        Play(m_panel, s.script);
        EXPECT_EQ(s.want, m_log.Joined()) << s.script;
    }
    EXPECT_EQ(-1, m_t.m_nLastKey);
    m_log.Clear();
    m_t.SetTextStr(WEN);
    EXPECT_EQ("paint 0 | cmd 0 7", m_log.Joined());

    // Read-only: Enter still reports; nothing else edits or reports.
    Put(m_t, "ab", 2);
    m_t.m_bReadOnly = TRUE;
    Play(m_panel, "a13 a120 a8 k37 k46 a22 a24 k38");
    EXPECT_EQ("cmd 0 7 key 13", m_log.Joined());
    EXPECT_EQ("ab", Bytes(m_t.m_strText));
    EXPECT_EQ(2, m_t.m_nCaret);
}

// A handler that destroys the field while it reports: the field touches
// nothing of itself afterwards.
TEST_F(Text, FieldDestroyedByItsOwnReportTouchesNothing)
{
    for (const char* script : { "a120", "a13", "k38", "a8" })
    {
        DeadTrap<CWG_Text> trap;
        trap->Create(&m_panel, 10, 70, 100, 21);
        trap->SetTextStrQuiet("abc");
        m_panel.SetNowWGQuiet(trap->m_nIndex);
        DeadCalls() = 0;
        m_panel.m_fnOnCommand = [&](long, long) { trap.Kill(); };
        Play(m_panel, script);
        m_panel.m_fnOnCommand = nullptr;
        EXPECT_TRUE(trap.IsDead()) << script;
        EXPECT_EQ(0u, trap.WrittenBytes()) << script;
        EXPECT_EQ(0, DeadCalls()) << script;
    }
}

TEST_F(Text, NumberOnlyFiltersTypingNotPasting)
{
    struct Case { CWG_Text* t; BOOL bInteger; const char* typed; const char* want; };
    const Case cases[] = {
        { &m_t, TRUE, "1-.a 9", "1-9" },
        { &m_t, FALSE, "1-.a 9", "1-.9" },
        { &m_pw, TRUE, "1-.a 9", "19" },     // the password refuses '-'
        { &m_pw, FALSE, "1-.a 9", "1.9" },
    };
    for (const Case& c : cases)
    {
        Put(*c.t, "", 0);
        c.t->m_bNumberOnly = TRUE;
        c.t->m_bIntegerOnly = c.bInteger;
        for (const char* p = c.typed; *p; ++p)
            Play(m_panel, Fmt("a%d", *p).c_str());
        CWG_PassWord* pw = dynamic_cast<CWG_PassWord*>(c.t);
        EXPECT_EQ(c.want, Bytes(pw ? pw->m_strPassWord : c.t->m_strText)) << c.typed;
        EXPECT_EQ((int)strlen(c.want), (int)std::count(m_log.lines.begin(), m_log.lines.end(),
                                                        Fmt("cmd %ld 7", c.t->m_nIndex)));
    }
    SetClip(Wnd(), "x-y.z", 6);
    Put(m_t, "", 0);
    Play(m_panel, "a22");
    EXPECT_EQ("x-y.z", Bytes(m_t.m_strText));
}

// Characters come one byte at a time, as WM_CHAR lead and trail through the
// application's pump, or as one WM_IME_CHAR; the composition window goes to
// the caret when the input method opens its candidates.
TEST_F(Text, InputMethodCharactersAndCompositionWindow)
{
    Put(m_t, "ab", 1);
    ::PostMessageA(Wnd(), WM_CHAR, 0xD6, 1);
    ::PostMessageA(Wnd(), WM_CHAR, 0xD0, 1);
    Pump();
    ::SendMessageA(Wnd(), WM_IME_CHAR, 0xCEC4, 1);
    Pump();
    EXPECT_EQ("a" ZH WEN "b", Bytes(m_t.m_strText));
    EXPECT_EQ(5, m_t.m_nCaret);

    ::SendMessageA(Wnd(), WM_IME_NOTIFY, IMN_OPENCANDIDATE, 1);
    HIMC hIMC = ::ImmGetContext(Wnd());
    ASSERT_TRUE(hIMC != nullptr);
    COMPOSITIONFORM cf = {};
    ASSERT_TRUE(::ImmGetCompositionWindow(hIMC, &cf));
    EXPECT_EQ((DWORD)CFS_RECT, cf.dwStyle);
    EXPECT_EQ(m_t.m_rect.left + 3 + m_t.TextWidth(5), cf.ptCurrentPos.x);
    EXPECT_EQ(m_t.m_rect.top, cf.ptCurrentPos.y);
    ::ImmReleaseContext(Wnd(), hIMC);
    ::SendMessageA(Wnd(), WM_IME_NOTIFY, IMN_CLOSECANDIDATE, 1);
}

// Copy places both formats; paste reads the Unicode one first, else the
// 8-bit one; the password copies asterisks and pastes 8-bit text only.
TEST_F(Text, ClipboardBothWays)
{
    Put(m_t, "a" ZH "b", 1);
    Play(m_panel, "k16 k39 K16 a3");
    EXPECT_EQ(ZH, ClipText(Wnd()));
    EXPECT_EQ(L"\x4E2D", ClipWide(Wnd()));
    EXPECT_FALSE(m_t.m_bSelected);                    // copying ends the selection

    Put(m_t, "a" ZH "b", 1);                          // cut over a selection made left to right
    Play(m_panel, "k16 k39 K16 a24");
    EXPECT_EQ("ab", Bytes(m_t.m_strText));
    EXPECT_EQ("paint 0 | cmd 0 7 | paint 0 | paint 0", m_log.Joined());   // select, cut, repaint
    Play(m_panel, "a3 a24");                          // nothing selected: nothing changes
    EXPECT_EQ(ZH, ClipText(Wnd()));

    SetClip(Wnd(), "x", 2, L"\x6587z");               // 文z as UTF-16, "x" as 8-bit
    Put(m_t, "a" ZH "b", 4);
    Play(m_panel, "k16 k37 k37 K16 a22");
    EXPECT_EQ("a" WEN "z", Bytes(m_t.m_strText));
    EXPECT_EQ(4, m_t.m_nCaret);

    SetClip(Wnd(), "p" ZH, 4);
    Put(m_t, "", 0);
    Play(m_panel, "a22");
    EXPECT_EQ("p" ZH, Bytes(m_t.m_strText));

    // The password: asterisks out, 8-bit text in.
    m_pw.SetTextStrQuiet("s" ZH);
    Put(m_pw, "***", 3);
    m_pw.m_strPassWord = "s" ZH;
    Play(m_panel, "a1 a3");
    EXPECT_EQ("***", ClipText(Wnd()));
    EXPECT_EQ(L"***", ClipWide(Wnd()));
    SetClip(Wnd(), "pw", 3, L"\x6587");
    Put(m_pw, "", 0);
    m_pw.m_strPassWord.Empty();
    Play(m_panel, "a22");
    EXPECT_EQ("pw", Bytes(m_pw.GetPassWord()));
    EXPECT_EQ("**", Bytes(m_pw.m_strText));
    EXPECT_EQ("paint 1 | cmd 1 7", m_log.Joined());
}

// The right-click edit menu: rows enabled for the state of the text, each
// row's click delivering its command (a separator delivers the command
// below or above it), a click off the rows delivering none, and a key
// closing the menu before the key acts.
TEST_F(Text, EditMenuRowsAndCommands)
{
    CWG_TextMenu& menu = m_t.m_Menu;
    auto enabled = [&] {
        std::string s;
        for (long i = 0; i < menu.m_nItemCount; ++i)
            s += menu.m_Items[i].m_bEnable ? '1' : '0';
        return s;
    };
    // Click on row nRow of the shown menu, as the pointer would.
    auto clickRow = [&](long nRow) {
        const LPARAM lp = XY(20, 5 + nRow * menu.m_nItemHeight + 4);
        menu.SendMessage(WM_MOUSEMOVE, 0, lp);
        menu.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lp);
    };
    Put(m_t, "", 0);
    Play(m_panel, "D30,15");
    EXPECT_TRUE(menu.m_bShown);
    EXPECT_EQ("01001010", enabled());      // empty: paste and the separators only
    POINT pt = { 30, 15 };
    ::ClientToScreen(Wnd(), &pt);
    EXPECT_EQ(CPoint(pt), menu.m_rcWindow.TopLeft());
    clickRow(CWG_TextMenu::ROW_SELECT_ALL);   // disabled: no command, closed
    EXPECT_FALSE(menu.m_bShown);
    EXPECT_FALSE(m_t.m_bSelected);

    struct Case { const char* text; const char* select; long nRow; const char* enabled; const char* want; const char* clip; bool bSelected; };
    const Case cases[] = {
        { "a" ZH "b", "k16 k39 K16", CWG_TextMenu::ROW_COPY, "11111111", "a" ZH "b", ZH, false },
        { "a" ZH "b", "k16 k39 K16", CWG_TextMenu::ROW_SEPARATOR_TOP, "11111111", "ab", ZH, false },   // cut
        { "a" ZH "b", "k16 k39 K16", CWG_TextMenu::ROW_DELETE, "11111111", "ab", "-", false },
        { "a" ZH "b", "k16 k39 K16", CWG_TextMenu::ROW_UNDO, "11111111", "a" ZH "b", "-", false },
        { "a" ZH "b", "", CWG_TextMenu::ROW_SEPARATOR_BOTTOM, "01001011", "a" ZH "b", "-", true },   // select all
        { "a" ZH "b", "", CWG_TextMenu::ROW_PASTE, "01001011", "a-" ZH "b", "-", false },
    };
    for (const Case& c : cases)
    {
        SetClip(Wnd(), "-", 2);
        Put(m_t, c.text, 1);
        Play(m_panel, c.select);
        Play(m_panel, "D30,15");
        EXPECT_EQ(c.enabled, enabled()) << c.nRow;
        clickRow(c.nRow);
        EXPECT_FALSE(menu.m_bShown) << c.nRow;
        EXPECT_EQ(c.want, Bytes(m_t.m_strText)) << c.nRow;
        EXPECT_EQ(c.clip, ClipText(Wnd())) << c.nRow;
        EXPECT_EQ(c.bSelected, !!m_t.m_bSelected) << c.nRow;
    }
    // A key closes the menu and still moves the caret.
    Put(m_t, "ab", 2);
    Play(m_panel, "D30,15 k37");
    EXPECT_FALSE(menu.m_bShown);
    EXPECT_EQ(1, m_t.m_nCaret);
    // In a read-only field paste stays enabled and does nothing.
    m_t.m_bReadOnly = TRUE;
    Play(m_panel, "D30,15");
    EXPECT_EQ('1', enabled()[CWG_TextMenu::ROW_PASTE]);
    clickRow(CWG_TextMenu::ROW_PASTE);
    EXPECT_EQ("ab", Bytes(m_t.m_strText));
}

// Bad input: nothing crashes, the caret stays on a boundary inside the
// text, and the bytes the field keeps are kept.
TEST_F(Text, BadInputIsHandled)
{
    // No text, or a clipboard held open by another window: paste nothing.
    ::OpenClipboard(Wnd()), ::EmptyClipboard(), ::CloseClipboard();
    Put(m_t, "ab", 1);
    Play(m_panel, "a22");
    ASSERT_TRUE(::OpenClipboard(m_top.m_hWnd));
    ::EmptyClipboard();
    ::CloseClipboard();
    SetClip(Wnd(), "zz", 3);
    ASSERT_TRUE(::OpenClipboard(m_top.m_hWnd));
    Play(m_panel, "a22");
    m_pw.SetTextStrQuiet("");
    Put(m_pw, "", 0);
    Play(m_panel, "a22");
    Put(m_t, "ab", 1);
    Play(m_panel, "a1 a3");                            // copy cannot open it either
    ::CloseClipboard();
    EXPECT_EQ("zz", ClipText(Wnd()));
    EXPECT_EQ("ab", Bytes(m_t.m_strText));
    EXPECT_EQ("", Bytes(m_pw.GetPassWord()));
    EXPECT_EQ("paint 0 | paint 0", m_log.Joined());

    // An embedded zero ends the text; CR, LF and tabs are kept as bytes; a
    // lone lead at the end of a password's paste (its 8-bit text is taken
    // as it is) takes the next byte as its trail, and the caret goes after
    // both.
    struct Case { CWG_Text* t; const char* clip; size_t n; const char* want; long caret; };
    const Case cases[] = {
        { &m_t, "ab\0cd", 6, "ab|", 2 }, { &m_t, "1\r\n2\t", 6, "1\r\n2\t|", 5 },
        { &m_pw, "ab\0cd", 6, "ab|", 2 }, { &m_pw, "x\xD6", 3, "x\xD6|", 3 },
    };
    for (const Case& c : cases)
    {
        SetClip(Wnd(), c.clip, c.n);
        m_pw.SetTextStrQuiet("|");
        Put(*c.t, c.t == &m_pw ? "*" : "|", 0);
        Play(m_panel, "a22");
        EXPECT_EQ(c.want, Bytes(c.t == &m_pw ? m_pw.m_strPassWord : c.t->m_strText)) << c.clip;
        EXPECT_EQ(c.caret, c.t->m_nCaret) << c.clip;
    }

    // A megabyte pasted into a short field: kept whole, the caret at the
    // end and inside the view.
    std::string big;
    while (big.size() < (1u << 20))
        big += "x" ZH;
    SetClip(Wnd(), big.c_str(), big.size() + 1);
    Put(m_t, "", 0);
    Play(m_panel, "a22 a8 a120");
    ASSERT_EQ(big.size() - 1, (size_t)m_t.m_nLength);   // 中 went, x came
    EXPECT_EQ(m_t.m_nLength, m_t.m_nCaret);
    EXPECT_EQ(198, m_t.m_nCaretX);

    // A null or empty text is an empty one.
    m_t.SetTextStr(CString((const char*)nullptr));
    EXPECT_EQ(0, m_t.m_nLength);
    m_pw.SetTextStr("");
    EXPECT_EQ(0, m_pw.m_nLength);
    // A text shortened behind the field's back: the next key clamps to it.
    Put(m_t, "abcdef", 6);
    m_t.m_bSelected = TRUE, m_t.m_nSelAnchor = 1, m_t.m_nSelEnd = 6;
    *m_t.GetTextStrAddress() = "ab";
    Play(m_panel, "k37");
    EXPECT_EQ(1, m_t.m_nCaret);
    // ... and a byte typed over a selection drawn before that is dropped
    // with the selection.
    Put(m_t, "abcdef", 6);
    m_t.m_bSelected = TRUE, m_t.m_nSelAnchor = 1, m_t.m_nSelEnd = 6;
    m_panel.RefreshWG(m_t.m_nIndex);
    *m_t.GetTextStrAddress() = "ab";
    m_log.Clear();
    Play(m_panel, "a120");
    EXPECT_EQ("ab", Bytes(m_t.m_strText));
    EXPECT_FALSE(m_t.m_bSelected);
    EXPECT_EQ("", m_log.Joined());
}

// The password: one asterisk per byte, edits at the same positions in both
// strings.
TEST_F(Text, PasswordKeepsBothStringsInStep)
{
    m_pw.SetTextStrQuiet(ZH);
    EXPECT_EQ("**", Bytes(m_pw.m_strText));
    EXPECT_EQ(ZH, Bytes(m_pw.GetPassWord()));
    struct Case { const char* pw; long caret; const char* script; const char* want; const char* log; };
    const Case cases[] = {
        { "", 0, "a97 a98 k37 a99", "acb", "cmd 1 7 | paint 1 | cmd 1 7 | paint 1 | paint 1 | cmd 1 7 | paint 1" },
        { "a" ZH, 3, "a8", "a", "cmd 1 7 | paint 1" },
        { "abc", 1, "k46", "ac", "paint 1" },
        { "x", 1, "a8", "", "paint 1" },                 // the last byte goes unreported
        { "ab", 0, "a8 a9", "ab", "cmd 1 7 | paint 1 | cmd 1 7 | paint 1" },   // nothing goes, yet it reports
        { "ab", 0, "k16 k39 K16 a122", "zb", "paint 1 | cmd 1 7 | paint 1" },
    };
    for (const Case& c : cases)
    {
        m_pw.SetTextStrQuiet(c.pw);
        Put(m_pw, CString('*', (int)strlen(c.pw)), c.caret);
        Play(m_panel, c.script);
        EXPECT_EQ(c.want, Bytes(m_pw.GetPassWord())) << c.script;
        EXPECT_EQ(CString('*', (int)strlen(c.want)), m_pw.m_strText) << c.script;
        EXPECT_EQ(c.log, m_log.Joined()) << c.script;
    }
}

// A field narrower than a letter and its margin keeps the caret inside
// when Left scrolls.
TEST_F(Text, NarrowFieldKeepsTheCaretInside)
{
    m_t.NewWH(4, 21);
    Put(m_t, "abcdef", 5);
    Play(m_panel, "k39 k37");
    EXPECT_EQ(5, m_t.m_nCaret);
    EXPECT_GE(m_t.m_nCaretX, 0);
    EXPECT_LE(m_t.m_nCaretX, 4);
}

// A field with Chinese and Latin text, a selection over one Chinese
// character and the caret after it, focused.
TEST_F(Text, Looks)
{
    m_t.SetTextStrQuiet("Wg " ZH WEN " text");
    m_panel.SetNowWG(m_t.m_nIndex);
    m_t.m_nSelAnchor = 3, m_t.m_nSelEnd = 5, m_t.m_bSelected = TRUE;
    m_t.m_nCaret = 5;
    m_panel.RefreshWG(m_t.m_nIndex);
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(8, 8, 130, 33)), "text_field"));
}

} // namespace

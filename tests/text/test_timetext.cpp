// The time text: part-by-part editing in both formats and all three show
// modes (click selects a part, digits fill it from the right, a completed
// part is clamped and the selection moves on), the reports, the double-click
// to now, and values that do not fit.
#include "wgtest.h"

using namespace wgtest;

namespace {

#define NIAN "\xC4\xEA"   // GBK 年
#define YUE "\xD4\xC2"    // 月
#define RI "\xC8\xD5"     // 日

SYSTEMTIME Time(int y, int mo, int d, int h, int mi)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)y, st.wMonth = (WORD)mo, st.wDay = (WORD)d, st.wHour = (WORD)h, st.wMinute = (WORD)mi;
    return st;
}

class TimeText : public SharedHostTest
{
protected:
    Log m_log;
    CWG_TimeText m_long, m_short;
    RecordingPanel m_panel;

    void SetUp() override
    {
        SharedHostTest::SetUp();
        ASSERT_TRUE(m_panel.Create(&m_top));
        m_panel.MoveWindow(0, 0, 380, 200);
        m_panel.m_pLog = &m_log;
        ASSERT_EQ(1, m_long.Create(&m_panel, 10, 10, 160, 21, 0));
        ASSERT_EQ(1, m_short.Create(&m_panel, 10, 40, 160, 21, 1));
        SYSTEMTIME st = Time(2026, 3, 9, 8, 5);
        m_long.SetTimeQuiet(&st);
        m_short.SetTimeQuiet(&st);
        m_panel.DrawMe();
        Pump();
        m_log.Clear();
    }
    void TearDown() override
    {
        m_panel.DestroyWindow();
        SharedHostTest::TearDown();
    }
    long W(CWG_TimeText& t, long n)
    {
        CClientDC dc(nullptr);
        CDCSelect sel(&dc, t.m_pFont);
        SIZE sz;
        ::GetTextExtentPoint32A(dc.m_hDC, t.m_strTime, (int)n, &sz);
        return sz.cx;
    }
    // A click on the middle of bytes [a, b) of t's text.
    void Click(CWG_TimeText& t, long a, long b)
    {
        const long x = t.m_rect.left + t.m_nTextLeft + (W(t, a) + W(t, b)) / 2;
        Play(m_panel, Fmt("d%ld,%ld u%ld,%ld", x, t.m_rect.top + 5, x, t.m_rect.top + 5).c_str());
    }
    void Type(const char* digits)
    {
        for (const char* p = digits; *p; ++p)
            m_panel.SendMessage(WM_CHAR, (BYTE)*p, 0);
    }
};

// Both formats: a click selects a part; digits shift in from the right; a
// completed part is clamped and the selection moves on; 7 is reported
// after every digit while the time is valid.
TEST_F(TimeText, PartsFillFromTheRightAndClamp)
{
    EXPECT_EQ("2026" NIAN "03" YUE "09" RI " 08:05", std::string(m_long.m_strTime));
    EXPECT_EQ("26" NIAN "03" YUE "09" RI " 08:05", std::string(m_short.m_strTime));
    struct Case { CWG_TimeText* t; long part; const char* digits; const char* want; long next; int reports; };
    const Case cases[] = {
        { &m_long, 1, "1", "2026" NIAN "01" YUE "09" RI " 08:05", 1, 1 },
        { &m_long, 1, "15", "2026" NIAN "12" YUE "09" RI " 08:05", 2, 2 },
        { &m_long, 2, "00", "2026" NIAN "03" YUE "01" RI " 08:05", 3, 2 },
        { &m_long, 3, "25", "2026" NIAN "03" YUE "09" RI " 23:05", 4, 2 },
        { &m_long, 4, "77", "2026" NIAN "03" YUE "09" RI " 08:59", 0, 2 },
        { &m_long, 0, "1999", "1999" NIAN "03" YUE "09" RI " 08:05", 1, 4 },
        { &m_long, 0, "0000", "0000" NIAN "03" YUE "09" RI " 08:05", 1, 0 },   // year 0: invalid
        { &m_short, 0, "14", "14" NIAN "03" YUE "09" RI " 08:05", 1, 2 },
        { &m_short, 2, "4`", "26" NIAN "03" YUE "31" RI " 08:05", 3, 2 },    // ` types 0; 40 clamps to 31
    };
    for (const Case& c : cases)
    {
        SYSTEMTIME st = Time(2026, 3, 9, 8, 5);
        c.t->SetTimeQuiet(&st);
        c.t->m_nLastPart = -1;
        const long a = c.t->PartFirst(c.part), b = c.part == 0 ? c.t->m_nYearOffset + 2 : a + 2;
        Click(*c.t, a, b);
        EXPECT_EQ(c.part, c.t->m_nNowPart);
        m_log.Clear();
        Type(c.digits);
        EXPECT_EQ(c.want, std::string(c.t->m_strTime)) << c.digits;
        EXPECT_EQ(c.next, c.t->m_nNowPart) << c.digits;
        EXPECT_EQ((size_t)c.reports, m_log.lines.size()) << c.digits << ": " << m_log.Joined();
    }
    // A click between parts selects none, and digits then do nothing.
    const long x = m_long.m_rect.left + m_long.m_nTextLeft + W(m_long, 13) - 1;
    Play(m_panel, Fmt("d%ld,15", x).c_str());
    EXPECT_EQ(-1, m_long.m_nNowPart);
    const CString before = m_long.m_strTime;
    Type("12");
    EXPECT_EQ(before, m_long.m_strTime);
}

// Space, Enter and Tab cycle the parts (also read-only, where digits are
// ignored); date-only wraps day to year, time-only minute to hour, and the
// time-only hit test measures from the hour.
TEST_F(TimeText, NavigationAndModes)
{
    Click(m_long, 0, 4);
    m_long.m_bReadOnly = TRUE;
    std::string seq;
    for (UINT ch : { ' ', '\r', '\t', ' ', ' ' })
    {
        m_panel.SendMessage(WM_CHAR, ch, 0);
        seq += Fmt("%ld", m_long.m_nNowPart);
    }
    EXPECT_EQ("12340", seq);
    const CString before = m_long.m_strTime;
    Type("5");
    EXPECT_EQ(before, m_long.m_strTime);
    m_long.m_bReadOnly = FALSE;

    m_long.m_nShowMode = CWG_TimeText::MODE_DATE;
    Click(m_long, 10, 12);
    Type("12");
    EXPECT_EQ(0, m_long.m_nNowPart);
    m_short.m_nShowMode = CWG_TimeText::MODE_TIME;
    m_panel.RefreshWG(m_short.m_nIndex);
    CClientDC dc(nullptr);
    CDCSelect sel(&dc, m_short.m_pFont);
    SIZE sz;
    ::GetTextExtentPoint32A(dc.m_hDC, "08:0", 4, &sz);   // hour, colon and a digit
    const long xMinute = m_short.m_rect.left + m_short.m_nTextLeft + sz.cx;
    Play(m_panel, Fmt("d%ld,45", xMinute).c_str());
    EXPECT_EQ(4, m_short.m_nNowPart);
    Type("33");
    EXPECT_EQ(3, m_short.m_nNowPart);
    EXPECT_EQ(33, m_short.GetTime().wMinute);
}

// Values read back clamped; values that do not fit their digits are
// clamped on the way in so the text keeps its format; a double-click sets
// the local time and reports 6.
TEST_F(TimeText, ValuesInAndOut)
{
    m_short.m_strTime = "14" NIAN "13" YUE "32" RI " 25:61";
    SYSTEMTIME st = m_short.GetTime();
    EXPECT_EQ("2014 12 31 23:59 0",
              Fmt("%u %u %u %u:%u %u", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond));
    struct Case { SYSTEMTIME in; const char* lng; const char* shrt; int month, day; };
    const Case cases[] = {
        { Time(2024, 2, 30, 0, 0), "2024" NIAN "02" YUE "30" RI " 00:00", "24" NIAN "02" YUE "30" RI " 00:00", 2, 30 },
        { Time(2024, 13, 1, 0, 0), "2024" NIAN "13" YUE "01" RI " 00:00", "24" NIAN "13" YUE "01" RI " 00:00", 12, 1 },
        { Time(0, 1, 1, 0, 0), "0000" NIAN "01" YUE "01" RI " 00:00", "00" NIAN "01" YUE "01" RI " 00:00", 1, 1 },
        { Time(65535, 1, 1, 300, 0), "9999" NIAN "01" YUE "01" RI " 99:00", "99" NIAN "01" YUE "01" RI " 99:00", 1, 1 },
    };
    for (const Case& c : cases)
    {
        SYSTEMTIME in = c.in;
        m_long.SetTime(&in);
        m_short.SetTime(&in);
        EXPECT_EQ(c.lng, std::string(m_long.m_strTime));
        EXPECT_EQ(c.shrt, std::string(m_short.m_strTime));
        EXPECT_EQ(c.month, m_long.GetTime().wMonth);
        EXPECT_EQ(c.day, m_long.GetTime().wDay);
    }
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_log.Clear();
    Play(m_panel, "c20,15");
    EXPECT_EQ(now.wYear, m_long.GetTime().wYear);
    EXPECT_EQ(Fmt("cmd %ld 6", m_long.m_nIndex), m_log.Joined());
}

} // namespace

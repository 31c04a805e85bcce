// List: the cells a paint asks for, the choice by clicks with its exact
// sequence of questions, repaints and reports, scrolling and thumb dragging
// up to 2^31-1 rows, tier edges, and an application that changes its rows
// while the list is asking about them.
#include "golden.h"
#include <set>

using namespace wgtest;

namespace {

const long kMaxRows = 2147483647;

class TestList : public CWG_List
{
public:
    Log* m_pLog = nullptr;
    long m_nRows = 100;
    long m_nRowsTo = -1;            // the first GetData of a paint sets the rows to this
    std::set<long> m_refused;       // PreChooseRow answers 0
    std::vector<std::string> m_cells;   // asked by the last paint, "row,tier"
    CString m_strLong;              // text of cell 0,1 when set
    long m_nSpe = -1, m_nSpeEx = -1;

    virtual void CreateMyBGDC(CDC* pDC)
    {
        m_cells.clear();
        if (m_pLog) m_pLog->Add("paint");
        CWG_List::CreateMyBGDC(pDC);
    }
    virtual void LoadData() { m_nRowCount = m_nRows; }
    virtual CString GetData(long r, long t)
    {
        m_cells.push_back(Fmt("%ld,%ld", r, t));
        if (m_nRowsTo >= 0)
        {
            m_nRowCount = m_nRows = m_nRowsTo;
            m_nRowsTo = -1;
        }
        if (r == 0 && t == 1 && !m_strLong.IsEmpty())
            return m_strLong;
        return CString(Fmt("r%ld", r).c_str());
    }
    virtual int PreChooseRow(long r)
    {
        if (m_pLog) m_pLog->Add(Fmt("pre %ld", r));
        return !m_refused.count(r);
    }
    virtual int IfSpeRow(long r) { return r == m_nSpe || r == m_nSpeEx; }
    virtual int IfSpeRowEx(long r) { return r == m_nSpeEx; }

    std::string Chosen() const
    {
        std::string s;
        for (long i = 0; i < m_ChoosedRows.GetSize(); ++i)
            s += Fmt(i ? ",%ld" : "%ld", m_ChoosedRows[i]);
        return s;
    }
    std::string Cells() const
    {
        std::string s;
        for (const auto& c : m_cells)
            s += (s.empty() ? "" : " ") + c;
        return s;
    }
};

TestList* g_pList = nullptr;
int VetoOdd(long r) { return r % 2 == 0; }
int VetoAll(long) { return 0; }
int VetoEmptying(long) { g_pList->m_nRowCount = g_pList->m_nRows = 0; return 1; }

// A list at (10, 10), 200 x 130: caption 20, five whole rows of 20 and a
// row 10 high below them; row k is at panel y 30 + 20k. Scroll track 80
// long from element y 35; the bar is panel x 195..209.
class List : public PanelTest
{
protected:
    TestList m_list;
    CString m_caps[4] = { "Name", "Size", "Kind", "Note" };

    void Make(long nTiers, long nRows)
    {
        m_list.m_pLog = &m_log;
        m_list.m_nRows = nRows;
        g_pList = &m_list;
        ASSERT_EQ(1, m_list.Create(&m_panel, 10, 10, 200, 130, m_caps, nTiers, 20));
        m_panel.DrawMe();
        m_log.Clear();
    }
    void Refresh() { m_panel.RefreshWG(m_list.m_nIndex); }
    std::string Rows() const { return Fmt("%ld %ld", m_list.m_nFirstRow, m_list.m_nRowCount); }
    // The thumb lies within its track (element y 35 .. 115).
    bool ThumbInTrack() const { return m_list.m_nThumbTop >= 35 && m_list.m_nThumbTop + m_list.m_nThumbHeight <= 115; }
};

TEST_F(List, APaintAsksForExactlyTheVisibleCells)
{
    Make(3, 100);
    Refresh();
    EXPECT_EQ(18u, m_list.m_cells.size());   // six rows, the last partly shown, three tiers
    EXPECT_EQ("0,0", m_list.m_cells.front());
    EXPECT_EQ("5,2", m_list.m_cells.back());
    m_list.NewWH(200, 120);                  // no partial row: nothing of a sixth shows
    Refresh();
    EXPECT_EQ(15u, m_list.m_cells.size());
    m_list.SetFirstRow(98, 0);
    EXPECT_EQ("98,0 98,1 98,2 99,0 99,1 99,2", m_list.Cells());
    m_list.m_nRows = kMaxRows;
    m_list.SetFirstRow(kMaxRows - 1, 0);
    EXPECT_EQ("2147483646,0 2147483646,1 2147483646,2", m_list.Cells());
}

// Steps: a mouse and key script, the log it makes, the choice afterwards.
// Row k is clicked at y 40 + 20k; k17/k16 hold Ctrl/Shift.
TEST_F(List, ClicksChooseAskAndReportInOrder)
{
    Make(3, 100);
    struct Step { const char* what; const char* log; const char* chosen; };
    const Step steps[] = {
        { "d20,60 u20,60", "pre 1 | paint | cmd 0 5", "1" },
        { "d20,60", "paint | cmd 0 5", "" },                    // the only chosen row: cleared
        { "k17 d20,40 K17", "pre 0 | paint | cmd 0 5", "0" },   // Ctrl with nothing chosen: a plain click
        { "k17 d20,100 d20,80 K17", "pre 3 | paint | cmd 0 5 | pre 2 | paint | cmd 0 5", "0,3,2" },
        { "k17 d20,100 K17", "pre 3 | paint | cmd 0 5", "0,2" },     // a chosen row leaves
        { "k16 d20,120 K16", "pre 0 | pre 1 | pre 2 | pre 3 | pre 4 | paint | cmd 0 5", "0,1,2,3,4" },
        { "c20,100", "pre 3 | paint | cmd 0 8", "3" },
        { "c20,100", "pre 3 | cmd 0 8", "3" },                  // already the choice: no repaint
        { "R2 d20,80", "pre 2 | paint | cmd 0 5", "" },         // refused: cleared, still reported
        { "R2 c20,80", "pre 2", "" },                           // refused double-click, nothing chosen
        { "V1 d20,40 k16 d20,120 K16", "pre 0 | paint | cmd 0 5 | pre 0 | pre 2 | pre 4 | paint | cmd 0 5",
          "0,2,4" },                                            // the veto is asked first
        { "V2 d20,60", "paint | cmd 0 5", "" },
        { "V2 d20,60 c20,60", "paint | cmd 0 5", "" },
        { "N3 d20,40 k16 d20,120 K16", "pre 0 | paint | cmd 0 5 | pre 0 | pre 1 | pre 2 | paint | cmd 0 5",
          "0,1,2" },                                            // Shift past the data: to the last row
        { "N3 d20,120", "paint | cmd 0 5", "" },                // below the data: cleared
    };
    for (const Step& s : steps)
    {
        m_list.m_refused.clear();
        m_list.m_pfnCanChooseRow = nullptr;
        const char* p = s.what;
        for (; *p && strchr("RVN", *p); p += 3)
        {
            const int v = p[1] - '0';
            if (*p == 'R') m_list.m_refused.insert(v);
            if (*p == 'V') m_list.m_pfnCanChooseRow = v == 1 ? VetoOdd : VetoAll;
            if (*p == 'N') { m_list.m_nRows = v; Refresh(); }
        }
        m_log.Clear();
        Play(m_panel, p);
        EXPECT_EQ(s.log, m_log.Joined()) << s.what;
        EXPECT_EQ(s.chosen, m_list.Chosen()) << s.what;
        m_list.m_nRows = 100;
    }
}

TEST_F(List, ScrollsByRowsWheelButtonsAndTrack)
{
    Make(3, 10);
    Play(m_panel, "d20,40 w-120 w-120");      // the list is current: the wheel reaches it
    EXPECT_EQ(2, m_list.m_nFirstRow);
    for (int i = 0; i < 12; ++i)
        Play(m_panel, "w-120");
    EXPECT_EQ(9, m_list.m_nFirstRow);         // the last row at the top, no further
    EXPECT_NEAR(115, m_list.m_nThumbTop + m_list.m_nThumbHeight, 2);   // at the track's end
    m_list.SetFirstRow(12, 0);
    EXPECT_EQ(9, m_list.m_nFirstRow);         // drawn as the last row
    m_log.Clear();
    Play(m_panel, "w120 d200,35 d200,135");   // wheel up, up button, down button
    EXPECT_EQ(8, m_list.m_nFirstRow);
    EXPECT_EQ("", m_log.Joined("cmd"));       // scrolling reports nothing
    Play(m_panel, "d200,85");                 // track above the thumb: R 14 x 40 / T 80
    EXPECT_EQ(7, m_list.m_nFirstRow);
    EXPECT_TRUE(ThumbInTrack());

    m_list.SetChoosedRow(9);
    m_log.Clear();
    m_list.ChooseNext();                      // wraps to row 0 and scrolls to it
    EXPECT_EQ("pre 0 | paint | cmd 0 5", m_log.Joined());
    EXPECT_EQ("0 0", m_list.Chosen() + " " + Fmt("%ld", m_list.m_nFirstRow));
    m_list.ChoosePrev();                      // wraps to row 9, brought into view
    EXPECT_EQ("9 5", m_list.Chosen() + " " + Fmt("%ld", m_list.m_nFirstRow));
    m_list.SetFirstRow(0, 0);
    m_list.SetChoosedRow(4);
    m_list.ChooseNext();                      // row 5, the partly shown one: no scroll
    EXPECT_EQ("5 0", m_list.Chosen() + " " + Fmt("%ld", m_list.m_nFirstRow));

    m_list.m_nRows = 0;
    Refresh();
    m_log.Clear();
    m_list.SetFirstRow(3, 0);
    m_list.ChooseNext();
    m_list.ChoosePrev();
    Play(m_panel, "w-120");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ("0 0", Rows());
}

TEST_F(List, ThumbDragsOverTwoToThe31MinusOneRows)
{
    Make(3, kMaxRows);
    Refresh();
    EXPECT_EQ(12, m_list.m_nThumbHeight);     // the least height: rows dwarf the track
    Play(m_panel, "d200,50");                 // on the thumb (35..47), grabbed 5 below its top
    EXPECT_EQ(1, m_list.m_bThumbDragging);
    EXPECT_EQ(m_list.m_nIndex, m_panel.m_nMouseWG);
    Play(m_panel, "m200,90");                 // thumb top to track top + 40, half of 80
    EXPECT_EQ(1073741825, m_list.m_nFirstRow);   // (2^31 + 4) x 40 / 80, in 64 bits
    EXPECT_TRUE(ThumbInTrack());
    Play(m_panel, "m200,400");                // far below: the last page, the thumb at the end
    EXPECT_EQ(kMaxRows - 1, m_list.m_nFirstRow);
    EXPECT_EQ(115, m_list.m_nThumbTop + m_list.m_nThumbHeight);
    EXPECT_EQ("2147483646,0 2147483646,1 2147483646,2", m_list.Cells());
    Play(m_panel, "m200,-300");
    EXPECT_EQ(0, m_list.m_nFirstRow);
    EXPECT_TRUE(ThumbInTrack());
    Play(m_panel, "m200,300 u200,300 w-120");
    EXPECT_EQ(0, m_list.m_bThumbDragging);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ(kMaxRows - 1, m_list.m_nFirstRow);   // the wheel goes no further
}

TEST_F(List, TierEdgesDragWithinLimitsAndCaptionDoubleClicksFitThem)
{
    Make(4, 100);   // edges 0, 1 and 2 can be dragged; 3 is the last
    long e[4];
    HDC hDC = ::CreateCompatibleDC(nullptr);
    ::SelectObject(hDC, CVRK_WG::GetStyleCenter().GetDefaultFont()->m_hObject);
    for (long t = 0, x = 0; t < 4; ++t)
    {
        SIZE sz;
        ::GetTextExtentPoint32A(hDC, m_caps[t], m_caps[t].GetLength(), &sz);
        e[t] = x += sz.cx + 8;
    }
    ::DeleteDC(hDC);
    ASSERT_EQ(4, m_list.m_TierX.GetSize());
    EXPECT_EQ(Fmt("%ld %ld %ld %ld", e[0], e[1], e[2], e[3]),
              Fmt("%ld %ld %ld %ld", m_list.m_TierX[0], m_list.m_TierX[1], m_list.m_TierX[2], m_list.m_TierX[3]));
    auto edges = [&] { return Fmt("%ld %ld %ld %ld", m_list.m_TierX[0], m_list.m_TierX[1], m_list.m_TierX[2], m_list.m_TierX[3]); };

    Play(m_panel, Fmt("d%ld,70", 10 + e[1] + 2).c_str());
    EXPECT_EQ(1, m_list.m_nSizingTier);
    EXPECT_EQ("", m_log.Joined("cmd"));
    Play(m_panel, Fmt("m%ld,70", 10 + e[1] + 30).c_str());
    EXPECT_EQ(Fmt("%ld %ld %ld %ld", e[0], e[1] + 30, e[2] + 30, e[3]), edges());   // the last stays
    Play(m_panel, Fmt("m%ld,70", 10 + e[0] + 11).c_str());
    Play(m_panel, Fmt("m%ld,70", 10 + e[0] + 10).c_str());   // tier 1 would be 10 wide: ignored
    EXPECT_EQ(Fmt("%ld %ld %ld %ld", e[0], e[0] + 11, e[2] + 11 - e[1] + e[0], e[3]), edges());
    Play(m_panel, Fmt("u%ld,70", 10 + e[0] + 10).c_str());
    EXPECT_EQ(-1, m_list.m_nSizingTier);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);

    m_list.m_TierX[0] += 25;
    Play(m_panel, "c20,15");                  // left double-click on the caption: fitted again
    EXPECT_EQ(Fmt("%ld %ld %ld %ld", e[0], e[1], e[2], e[3]), edges());
    Play(m_panel, Fmt("C%ld,15", 10 + e[0] + 3).c_str());    // right, on tier 1: widened out
    EXPECT_EQ(Fmt("%ld 205 205 %ld", e[0], e[3]), edges());
    Refresh();
    EXPECT_EQ(12u, m_list.m_cells.size());    // tiers out of sight are not asked
    EXPECT_EQ("0,0 0,1 1,0 1,1", m_list.Cells().substr(0, 15));
}

TEST_F(List, RowsChangedInsideDataCallsAndBadInputNeverBreakIt)
{
    Make(3, 100);
    m_list.SetFirstRow(50, 0);
    m_list.m_ChoosedRows.Add(52);
    m_list.m_ChoosedRows.Add(60);
    m_list.m_nRowsTo = 3;                     // shrinks during the first cell
    Refresh();
    EXPECT_EQ("50,0", m_list.Cells());        // the row went away: its other cells are not asked
    EXPECT_EQ("0 3", Rows());
    EXPECT_EQ("", m_list.Chosen());
    m_list.m_nRowsTo = kMaxRows;              // grows to the most
    Refresh();
    EXPECT_EQ(18u, m_list.m_cells.size());
    Play(m_panel, "d20,40 w-120");
    EXPECT_EQ("1 2147483647", Rows());

    m_list.m_pfnCanChooseRow = VetoEmptying;  // the veto empties the list mid Shift-click
    Play(m_panel, "k16 d20,120 K16");
    EXPECT_EQ("", m_list.Chosen());
    EXPECT_EQ("0 0", Rows());
    m_list.m_pfnCanChooseRow = nullptr;

    m_list.m_nRows = -5;                      // a negative count is no rows
    m_log.Clear();
    Play(m_panel, "d20,40 w-120");
    EXPECT_EQ("0 0", Rows());
    EXPECT_EQ("paint | cmd 0 5", m_log.Joined());

    m_list.m_nRows = kMaxRows;                // a Shift range over the limit is refused
    Refresh();
    Play(m_panel, "d20,40");
    m_list.SetFirstRow(CWG_List::MAX_SHIFT_RANGE + 5, 0);
    m_log.Clear();
    Play(m_panel, "k16 d20,40 K16");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ("0", m_list.Chosen());

    m_list.m_nRows = 10;
    m_list.m_nFirstRow = 0;
    m_list.ClearChoosedRow();
    m_list.m_strLong = CString('w', 10000);   // spills over tier 1; tier 2 covers it
    Refresh();
    const long x2 = m_list.m_TierX[1];
    int nInk = 0;
    for (long x = x2 + 20; x < x2 + 60; ++x)
        for (long y = 22; y < 38; ++y)
            nInk += ElementPixel(m_list, x, y) != 0xFCFCFC;
    EXPECT_EQ(0, nInk);
    m_list.m_TierX[0] = 0;                    // tier 0 has no width, tier 1 reaches past the element
    m_list.m_TierX[1] = 500;
    Refresh();
    EXPECT_EQ("0,1 1,1 2,1 3,1 4,1 5,1", m_list.Cells());

    m_list.NewWH(200, 45);                    // no room for a track
    Refresh();
    Play(m_panel, "d200,40 m200,300 u200,300 w-120");
    EXPECT_EQ(35, m_list.m_nThumbTop);

    TestList bad;
    EXPECT_EQ(0, bad.Create(&m_panel, 0, 0, 50, 50, m_caps, 0, 20));
    EXPECT_EQ(0, bad.Create(&m_panel, 0, 0, 50, 50, nullptr, 2, 20));
    EXPECT_EQ(0, bad.Create(&m_panel, 0, 0, 50, 50, m_caps, 2, 0));
    EXPECT_EQ(-1, bad.m_nIndex);
}

// Caption, grid, scroll bar; rows 1 special, 2 special in both ways (the Ex
// colours win), 3 marked and chosen (the mark wins), 4 and 5 chosen (5 is
// the partly shown row: no frame).
TEST_F(List, Looks)
{
    Make(3, 40);
    m_list.m_nSpe = 1;
    m_list.m_nSpeEx = 2;
    m_list.m_nMarkRow = 3;
    for (long r : { 3, 4, 5 })
        m_list.m_ChoosedRows.Add(r);
    m_panel.DrawMe();
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(10, 10, 210, 140)), "list"));
}

} // namespace

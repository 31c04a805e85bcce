// Edit lists: the editor's life over a cell (placed, filled, focused, each
// key handed back at once, moved by Enter and the arrows, ended by the focus
// leaving, the rows going or the list scrolling), the cells that never
// open, and the add row and delete icons asking the application.
#include "wgtest.h"
#include <set>

using namespace wgtest;

namespace {

// The list's own reports only: the editor's text codes are the text's.
class EditPanel : public RecordingPanel
{
public:
    long m_nEditor = -1;
    virtual void OnWGCommand(long nIndex, long nCode)
    {
        if (nIndex != m_nEditor)
            RecordingPanel::OnWGCommand(nIndex, nCode);
    }
};

template <class Base>
class Recorded : public Base
{
public:
    Log* m_pLog = nullptr;
    std::vector<std::string> m_rows;   // the application's records
    std::set<long> m_locked;           // CanEditItem refuses these
    int m_nPaints = 0;
    using Base::SetNowEditField;

    void Say(const std::string& s) { if (m_pLog) m_pLog->Add(s); }
    virtual void CreateMyBGDC(CDC* pDC) { ++m_nPaints; Base::CreateMyBGDC(pDC); }
    virtual void LoadData() { this->m_nRowCount = (long)m_rows.size(); }
    virtual CString GetData(long r, long t) { return r < (long)m_rows.size() ? Fmt("%s/%ld", m_rows[r].c_str(), t).c_str() : ""; }
    virtual int CanEditItem(long r) { return !m_locked.count(r); }
    virtual CString GetEditBuffer(long r) { Say(Fmt("get %ld", r)); return r < (long)m_rows.size() ? m_rows[r].c_str() : ""; }
    virtual void SetEditBuffer(long r, CString s) { Say(Fmt("set %ld %s", r, (const char*)s)); }
    virtual void OnWillEidtBuffer(long r, long t) { Say(Fmt("will %ld %ld", r, t)); }
    std::string Chosen() const
    {
        std::string s;
        for (long i = 0; i < this->m_ChoosedRows.GetSize(); ++i)
            s += Fmt(i ? ",%ld" : "%ld", this->m_ChoosedRows[i]);
        return s;
    }
};
typedef Recorded<CWG_EditList> TestEditList;

// What the add and delete requests do to the records.
enum AddMode { APPEND, REFUSE, NOTHING };
class TestAddDelete : public Recorded<CWG_EditListWith_Add_Delete>
{
public:
    AddMode m_add = APPEND;
    bool m_bDelete = true;
    virtual void OnAddData(long& n)
    {
        Say(Fmt("add %ld", n));
        if (m_add == APPEND)
            m_rows.push_back(Fmt("%d", 100 + (int)m_rows.size()));
        else if (m_add == REFUSE)
            --n;
    }
    virtual void OnDeleteData(long r, long& n)
    {
        Say(Fmt("del %ld %ld", r, n));
        if (m_bDelete && r < (long)m_rows.size())
            m_rows.erase(m_rows.begin() + r);
    }
};

// Lists at (10, 10), 200 x 130: caption 20 and five rows of 20; row k is
// clicked at panel y 40 + 20k.
class EditList : public SharedHostTest
{
protected:
    Log m_log;
    Probe m_other;
    TestEditList m_list;
    TestAddDelete m_ad;
    EditPanel m_panel;
    CString m_caps[3] = { "Name", "Size", "Kind" };

    void SetUp() override
    {
        SharedHostTest::SetUp();
        ASSERT_TRUE(m_panel.Create(&m_top));
        m_panel.m_pLog = &m_log;
        m_other.Create(&m_panel, 250, 10, 40, 40);
    }
    void TearDown() override
    {
        m_panel.DestroyWindow();
        SharedHostTest::TearDown();
    }
    template <class L>
    void Records(L& l, int n)
    {
        l.m_pLog = &m_log;
        for (int i = 0; i < n; ++i)
            l.m_rows.push_back(Fmt("%d", 10 + i));
    }
    void MakeList(long* pTiers, long nTiers, int nRows = 20)
    {
        Records(m_list, nRows);
        ASSERT_EQ(1, m_list.Create(&m_panel, 10, 10, 200, 130, m_caps, 3, pTiers, nTiers));
        m_panel.m_nEditor = m_list.m_Editor.m_nIndex;
        m_panel.DrawMe();
        m_log.Clear();
    }
    void MakeAddDelete(int nRows)
    {
        Records(m_ad, nRows);
        long tiers[1] = { 0 };
        ASSERT_EQ(1, m_ad.Create(&m_panel, 10, 10, 200, 130, 2, m_caps, 1, tiers, 1));
        m_ad.m_strAddText = "Add a row";
        m_panel.m_nEditor = m_ad.m_Editor.m_nIndex;
        m_panel.DrawMe();
        m_log.Clear();
    }
    // Panel x in the middle of tier t.
    long TierMid(CWG_List& l, long t) { return 10 + ((t ? l.m_TierX[t - 1] : 0) + l.m_TierX[t]) / 2; }
    void Click(long x, long y) { Play(m_panel, Fmt("d%ld,%ld u%ld,%ld", x, y, x, y).c_str()); }
    CWG_EditListEditor& Editor() { return m_list.m_Editor; }
};

TEST_F(EditList, AClickOpensTheEditorOverTheCellAndEveryKeyIsHandedBack)
{
    long tiers[1] = { 1 };
    MakeList(tiers, 1);
    Click(TierMid(m_list, 0), 60);   // tier 0: chosen, not edited
    EXPECT_EQ("cmd 1 5", m_log.Joined());
    EXPECT_EQ("1", m_list.Chosen());
    EXPECT_FALSE(Editor().m_bVisible);

    m_log.Clear();
    Click(TierMid(m_list, 1), 80);
    EXPECT_EQ("get 2 | will 2 1 | cmd 1 5", m_log.Joined());
    ASSERT_TRUE(Editor().m_bVisible);
    EXPECT_EQ(CRect(10 + m_list.m_TierX[0] + 1, 71, 10 + m_list.m_TierX[1], 89), Editor().m_rect);
    EXPECT_EQ("12", std::string(Editor().m_strText));
    EXPECT_TRUE(Editor().m_bSelected);
    EXPECT_EQ(Editor().m_nIndex, m_panel.m_nNowWG);
    EXPECT_EQ(0xFF6600u, Editor().m_crText);

    // "1", "2", then a letter the number field refuses: each key at once.
    m_log.Clear();
    Play(m_panel, "a49 a50 a120");
    EXPECT_EQ("set 2 1 | cmd 1 12 | set 2 12 | cmd 1 12 | set 2 12 | cmd 1 12", m_log.Joined());

    // Enter hands the text over, then the choice moves on and the editing
    // ends there: the editor is filled for the new row and stays current,
    // hidden.
    m_log.Clear();
    Play(m_panel, "a13");
    EXPECT_EQ("set 2 12 | cmd 1 12 | get 3 | will 3 1", m_log.Joined());
    EXPECT_EQ("3", m_list.Chosen());
    EXPECT_FALSE(Editor().m_bVisible);
    EXPECT_EQ(Editor().m_nIndex, m_panel.m_nNowWG);
    EXPECT_EQ("13", std::string(Editor().m_strText));

    // From the list, Down opens the editor on the next row; Down in the
    // editor hands its text over, moves on (scrolling) and ends there.
    m_log.Clear();
    Play(m_panel, "N1 k40");
    EXPECT_EQ("get 4 | will 4 1", m_log.Joined());
    EXPECT_TRUE(Editor().m_bVisible);
    m_log.Clear();
    Play(m_panel, "k40");
    EXPECT_EQ("set 4 14 | cmd 1 12 | get 5 | will 5 1", m_log.Joined());
    EXPECT_EQ(1, m_list.m_nFirstRow);
    Play(m_panel, "N1 k38");
    EXPECT_EQ("4", m_list.Chosen());
    EXPECT_EQ(10 + 3 * 20 + 21, Editor().m_rect.top);
    m_list.SetChoosedRowQuiet(0);
    m_list.m_nFirstRow = 0;
    Play(m_panel, "N1 k38");   // wraps to the last row
    EXPECT_EQ("19", m_list.Chosen());
    EXPECT_EQ(15, m_list.m_nFirstRow);
    Click(TierMid(m_list, 0), 40);   // a click in tier 0: the keys no longer edit
    m_log.Clear();
    Play(m_panel, "k40");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_FALSE(Editor().m_bVisible);
}

TEST_F(EditList, EditingEndsWhenTheFocusLeavesTheRowGoesOrTheListScrolls)
{
    long tiers[1] = { 1 };
    MakeList(tiers, 1);
    const long x = TierMid(m_list, 1);
    Click(x, 80);
    ASSERT_TRUE(Editor().m_bVisible);
    const int nPaints = m_list.m_nPaints;
    Click(270, 20);   // another element
    EXPECT_FALSE(Editor().m_bVisible);
    EXPECT_GT(m_list.m_nPaints, nPaints);

    // Keys hand the text over for the row the editor was opened on, also
    // when the application cleared the choice meanwhile; when the rows drop
    // under it, the editor is gone at the next paint.
    Click(x, 80);
    m_list.ClearChoosedRow();
    m_log.Clear();
    Play(m_panel, "a53");
    EXPECT_EQ("set 2 5 | cmd 1 12", m_log.Joined());
    m_list.m_rows.resize(2);
    m_panel.RefreshWG(m_list.m_nIndex);
    EXPECT_FALSE(Editor().m_bVisible);
    m_list.m_rows.clear();
    m_panel.RefreshWG(m_list.m_nIndex);
    Click(x, 40);
    Play(m_panel, "k40 a13");   // no rows: nothing to choose or edit
    EXPECT_EQ("", m_list.Chosen());
    EXPECT_FALSE(Editor().m_bVisible);

    m_list.m_rows.assign(20, "x");
    m_panel.RefreshWG(m_list.m_nIndex);
    Click(x, 80);
    ASSERT_TRUE(Editor().m_bVisible);
    m_list.SetFirstRow(1, 0);   // the row moves from under the editor
    EXPECT_FALSE(Editor().m_bVisible);
}

TEST_F(EditList, CellsOutsideTheEditableTiersOrRowsNeverOpen)
{
    long tiers[2] = { 7, 1 };   // a tier that does not exist, and tier 1
    m_list.m_locked.insert(2);
    EXPECT_EQ(0, m_list.SetNowEditField(0, 1));   // not painted: no tier edges yet
    MakeList(tiers, 2);
    Click(TierMid(m_list, 1), 80);   // a refused row: chosen, not edited
    EXPECT_EQ("cmd 1 5", m_log.Joined());
    EXPECT_EQ("2", m_list.Chosen());
    EXPECT_FALSE(Editor().m_bVisible);
    for (CPoint p : { CPoint(0, 9), CPoint(0, -1), CPoint(-1, 1), CPoint(5, 1), CPoint(2, 3) })
        EXPECT_EQ(0, m_list.SetNowEditField(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(1, m_list.SetNowEditField(1, 1));

    TestEditList none;   // no editable tiers at all
    Records(none, 5);
    ASSERT_EQ(1, none.Create(&m_panel, 10, 150, 200, 100, m_caps, 3, nullptr, 0));
    m_panel.DrawMe();
    for (long t = 0; t < 3; ++t)
        Click(TierMid(none, t), 180);
    EXPECT_FALSE(none.m_Editor.m_bVisible);
}

TEST_F(EditList, TheAddRowAsksThenScrollsToTheNewRecordAndEditsIt)
{
    MakeAddDelete(3);
    EXPECT_EQ(4, m_ad.m_nRowCount);
    EXPECT_EQ(180, m_ad.m_TierX[1]);   // the delete tier, 20 wide
    Play(m_panel, "m60,100");
    EXPECT_EQ(CWGHover::StandardCursor(IDC_HAND), ::GetCursor());
    Play(m_panel, "m60,60");
    EXPECT_EQ(CWGHover::StandardCursor(IDC_ARROW), ::GetCursor());

    Click(60, 100);
    EXPECT_EQ("add 4 | get 3 | will 3 0 | cmd 1 5", m_log.Joined());
    EXPECT_EQ("3", m_ad.Chosen());
    EXPECT_EQ(5, m_ad.m_nRowCount);
    EXPECT_TRUE(m_ad.m_Editor.m_bVisible);

    // The add row at the bottom of the five shown: the list scrolls by one.
    m_log.Clear();
    Click(60, 120);
    EXPECT_EQ("add 5 | get 4 | will 4 0 | cmd 1 5", m_log.Joined());
    EXPECT_EQ(1, m_ad.m_nFirstRow);
    EXPECT_EQ("4", m_ad.Chosen());
    EXPECT_EQ(165, m_ad.m_TierX[1]);   // left of the scroll bar now
    EXPECT_EQ(10 + 3 * 20 + 21, m_ad.m_Editor.m_rect.top);

    // A refusal changes nothing; adding nothing asks once.
    for (AddMode mode : { REFUSE, NOTHING })
    {
        m_ad.m_add = mode;
        m_log.Clear();
        Click(60, 120);
        EXPECT_EQ("add 6", m_log.Joined()) << mode;
        EXPECT_EQ(6, m_ad.m_nRowCount);
    }
    m_ad.SetCanAdd(0);
    m_ad.SetCanAdd(0);
    EXPECT_EQ(0, m_ad.m_nFooterRows);
    m_panel.DrawMe();
    EXPECT_EQ(5, m_ad.m_nRowCount);
}

TEST_F(EditList, TheDeleteIconAsksAndNothingTypedIsLost)
{
    MakeAddDelete(3);
    const long x = TierMid(m_ad, 0);
    Click(x, 40);   // row 0, edited
    Play(m_panel, "a57");
    m_log.Clear();
    Click(200, 60);   // the cross of row 1
    EXPECT_EQ("del 1 4", m_log.Joined());
    EXPECT_EQ("0", m_ad.Chosen());
    EXPECT_FALSE(m_ad.m_Editor.m_bVisible);   // the focus left it

    Click(x, 40);
    m_log.Clear();
    Play(m_panel, "a56");
    Click(200, 40);   // deletes the row being edited, the typed text seen first
    EXPECT_EQ("set 0 8 | cmd 1 12 | del 0 3", m_log.Joined());
    EXPECT_EQ(2, m_ad.m_nRowCount);
    Click(200, 40);   // the last record
    EXPECT_EQ(1, m_ad.m_nRowCount);
    EXPECT_EQ("", m_ad.Chosen());
    m_ad.m_bDelete = false;
    m_ad.m_rows.push_back("1");
    m_panel.DrawMe();
    m_log.Clear();
    Click(200, 40);   // refused: asked, and nothing else
    EXPECT_EQ("del 0 2", m_log.Joined());
    EXPECT_EQ(2, m_ad.m_nRowCount);
}

} // namespace

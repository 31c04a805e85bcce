// Check box and radio: the looks, toggling and code 9, and the radio group
// rules with their exact sequence of repaints and reports.
#include "golden.h"

using namespace wgtest;

namespace {

class Choice : public PanelTest
{
protected:
    PaintLogged<CWG_Check> m_chk[8];
    PaintLogged<CWG_Radio> m_rad[4];

    void SetUp() override
    {
        PanelTest::SetUp();
        for (auto& c : m_chk) c.m_pLog = &m_log;
        for (auto& r : m_rad) r.m_pLog = &m_log;
    }
    std::string Values(int n = 3)
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += (char)('0' + m_rad[i].m_nValue);
        return s;
    }
};

// Rows: normal, VIP. Columns: unchecked, checked, disabled, disabled checked.
TEST_F(Choice, Looks)
{
    for (int i = 0; i < 8; ++i)
    {
        ASSERT_EQ(1, m_chk[i].Create(&m_panel, "Wg\xD6\xD0", 2 + (i % 4) * 60, 2 + (i / 4) * 20, 56, i / 4));
        m_chk[i].m_bEnable = (i % 4) < 2;
        m_chk[i].SetValueQuiet(i % 2);
    }
    EXPECT_EQ(CRect(62, 2, 117, 19), m_chk[1].m_rect);   // always 18 high
    m_panel.DrawMe();
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(0, 0, 242, 42)), "checks"));
}

TEST_F(Choice, ClickTogglesRepaintsThenReportsNine)
{
    AddProbe(0, 200, 200, 10, 10);            // the check is element 1
    CWG_Check& c = m_chk[0];
    c.Create(&m_panel, "Toggle", 10, 10, 100, 0);
    m_panel.DrawMe();
    m_log.Clear();
    PlayMouse(m_panel, "d12,15 u12,15");
    EXPECT_EQ(1, c.m_nValue);
    // Either button toggles; a double-click toggles once more.
    PlayMouse(m_panel, "r12,15 R12,15 d12,15 D12,15");
    EXPECT_EQ(0, c.m_nValue);
    EXPECT_EQ("paint 1 | cmd 1 9 | paint 1 | cmd 1 9 | paint 1 | cmd 1 9 | paint 1 | cmd 1 9", m_log.Joined());
}

TEST_F(Choice, SetValueReportsEvenUnchangedAndQuietDoesNeither)
{
    CWG_Check& c = m_chk[0];
    c.Create(&m_panel, "", 10, 10, 60, 0);
    m_panel.DrawMe();
    m_log.Clear();
    c.SetValueQuiet(1);
    EXPECT_EQ("", m_log.Joined());
    c.SetValue(1);
    c.SetValue(0);
    c.SetValue(7);                            // any nonzero value checks
    EXPECT_EQ(1, c.GetValue());
    EXPECT_EQ("paint 0 | cmd 0 9 | paint 0 | cmd 0 9 | paint 0 | cmd 0 9", m_log.Joined());
    c.m_bEnable = FALSE;                      // a disabled check reads 0 but keeps its value
    EXPECT_EQ(0, c.GetValue());
    EXPECT_EQ(1, c.m_nValue);
}

TEST_F(Choice, HoverHoldsTheMouseWithoutRepainting)
{
    CWG_Check& c = m_chk[0];
    CWG_Check& other = m_chk[1];
    c.Create(&m_panel, "Hover", 10, 10, 80, 0);
    other.Create(&m_panel, "Other", 10, 40, 80, 0);
    m_panel.DrawMe();
    m_log.Clear();
    PlayMouse(m_panel, "m50,15 m52,16");
    EXPECT_EQ(1, c.m_bHover);
    EXPECT_EQ(0, m_panel.m_nMouseWG);
    EXPECT_EQ(m_panel.m_hWnd, ::GetCapture());
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_HAND), ::GetCursor());
    PlayMouse(m_panel, "m50,45");             // the owner sees the pointer leave
    EXPECT_EQ(0, c.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), ::GetCursor());
    EXPECT_EQ("", m_log.Joined());            // hover has no look of its own

    // Losing the focus gives the mouse back, but only the holder's.
    PlayMouse(m_panel, "m50,45");
    ASSERT_EQ(1, m_panel.m_nMouseWG);
    c.OnLoseFocus();
    EXPECT_EQ(1, m_panel.m_nMouseWG);
    m_panel.SetNowWG(-1);
    EXPECT_EQ(0, other.m_bHover);
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
}

// ---- radios ----------------------------------------------------------------

class RadioGroup : public Choice
{
protected:
    // A probe first, so radio ids (1, 2, 3) are not their places in the group.
    void SetUp() override
    {
        Choice::SetUp();
        AddProbe(0, 300, 200, 10, 10);
        ASSERT_EQ(1, m_rad[0].Create(&m_panel, "One", 10, 10, 80));
        ASSERT_EQ(1, m_rad[1].Create(&m_panel, m_rad[0].GetGroup(), "Two", 10, 30, 80));
        ASSERT_EQ(1, m_rad[2].Create(&m_panel, m_rad[0].GetGroup(), "Three", 10, 50, 80));
        m_panel.DrawMe();
        m_log.Clear();
    }
    std::string Group() { return Values() + Fmt(" group %ld", *m_rad[0].GetGroup()); }
};

TEST_F(RadioGroup, ClicksCheckOneRadioAndUncheckThePreviousOne)
{
    EXPECT_EQ("100 group 1", Group());        // the first starts checked, joiners not
    PlayMouse(m_panel, "d15,15 u15,15 D15,15");
    EXPECT_EQ("", m_log.Joined());            // the checked radio stays checked, silently
    PlayMouse(m_panel, "d15,55 u15,55");
    EXPECT_EQ("paint 1 | paint 3 | cmd 3 9", m_log.Joined());
    EXPECT_EQ("001 group 3", Group());
}

TEST_F(RadioGroup, SetValueRules)
{
    struct Step { int nRadio, nValue; bool bQuiet; const char* log; const char* group; };
    const Step steps[] = {
        { 0, 1, false, "paint 1 | cmd 1 9", "100 group 1" },   // checked again: reported again
        { 0, 0, false, "", "100 group 1" },                    // unchecking is refused
        { 1, 5, false, "", "100 group 1" },                    // only 1 checks a radio
        { 1, 1, false, "paint 1 | paint 2 | cmd 2 9", "010 group 2" },
        { 2, 1, true, "", "001 group 3" },                     // quietly moves the choice
        { 2, 0, true, "", "001 group 3" },
    };
    for (const Step& s : steps)
    {
        m_log.Clear();
        if (s.bQuiet)
            m_rad[s.nRadio].SetValueQuiet(s.nValue);
        else
            m_rad[s.nRadio].SetValue(s.nValue);
        EXPECT_EQ(s.log, m_log.Joined()) << s.nRadio << " <- " << s.nValue;
        EXPECT_EQ(s.group, Group()) << s.nRadio << " <- " << s.nValue;
    }
}

TEST_F(RadioGroup, AllowUncheckLetsTheCheckedRadioGo)
{
    m_rad[0].m_bAllowUncheck = 1;
    PlayMouse(m_panel, "d15,15 u15,15");
    EXPECT_EQ("paint 1 | cmd 1 9", m_log.Joined());
    EXPECT_EQ("000 group 1", Group());        // the group still names it
    m_log.Clear();
    m_rad[1].SetValue(1);
    EXPECT_EQ("paint 1 | paint 2 | cmd 2 9", m_log.Joined());
    m_rad[0].SetValueQuiet(4);                // any value but 1 unchecks
    EXPECT_EQ("010 group 2", Group());
}

TEST_F(Choice, NullForeignOrMissingGroupNeverCrashes)
{
    AddProbe(0, 300, 200, 10, 10);
    long nForeign = 0;                        // names the probe, which is no radio
    long nBeyond = 150;                       // names no element at all
    ASSERT_EQ(1, m_rad[0].Create(&m_panel, nullptr, "Alone", 10, 10, 80));
    ASSERT_EQ(1, m_rad[1].Create(&m_panel, &nForeign, "Lost", 10, 30, 80));
    ASSERT_EQ(1, m_rad[2].Create(&m_panel, &nBeyond, "Far", 10, 50, 80));
    EXPECT_EQ(-1, *m_rad[0].GetGroup());     // a null group: an empty group of its own
    m_panel.DrawMe();
    m_log.Clear();
    PlayMouse(m_panel, "d15,15 u15,15 d15,35 u15,35 d15,55 u15,55");
    EXPECT_EQ("paint 1 | cmd 1 9 | paint 2 | cmd 2 9 | paint 3 | cmd 3 9", m_log.Joined());
    EXPECT_EQ("1 2 3", Fmt("%ld %ld %ld", *m_rad[0].GetGroup(), nForeign, nBeyond));
    EXPECT_EQ("111", Values());

    // Never created: no group and no panel, only the value.
    m_log.Clear();
    m_rad[3].SetValue(1);
    m_rad[3].SetValueQuiet(0);
    EXPECT_EQ(1, m_rad[3].m_nValue);
    EXPECT_EQ(nullptr, m_rad[3].GetGroup());
    m_chk[0].SetValue(1);
    EXPECT_EQ(1, m_chk[0].GetValue());
    EXPECT_EQ("", m_log.Joined());
}

} // namespace

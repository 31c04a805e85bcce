// Check box and radio: the looks, SetValue and code 9, and the radio group
// rules with their exact sequence of repaints and reports (clicks and hover
// of the check are in the clickable table of test_button.cpp).
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

// Steps: a mouse script, "=i v" SetValue, "~i v" SetValueQuiet, "!i" allow unchecking.
TEST_F(RadioGroup, ClicksAndSetValueRules)
{
    struct Step { const char* what; const char* log; const char* group; };
    const Step steps[] = {
        { "", "", "100 group 1" },                                  // the first starts checked, joiners not
        { "d15,15 u15,15 c15,15", "", "100 group 1" },              // the checked radio stays checked, silently
        { "d15,55 u15,55", "paint 1 | paint 3 | cmd 3 9", "001 group 3" },
        { "~0 1", "", "100 group 1" },                              // quietly moves the choice
        { "=0 1", "paint 1 | cmd 1 9", "100 group 1" },             // checked again: reported again
        { "=0 0", "", "100 group 1" },                              // unchecking is refused
        { "=1 5", "", "100 group 1" },                              // only 1 checks a radio
        { "=1 1", "paint 1 | paint 2 | cmd 2 9", "010 group 2" },
        { "~2 1", "", "001 group 3" },
        { "~2 0", "", "001 group 3" },
        { "~0 1", "", "100 group 1" },
        { "!0", "", "100 group 1" },
        { "d15,15 u15,15", "paint 1 | cmd 1 9", "000 group 1" },    // lets go; the group still names it
        { "=1 1", "paint 1 | paint 2 | cmd 2 9", "010 group 2" },
        { "~0 4", "", "010 group 2" },                              // any value but 1 unchecks
    };
    for (const Step& s : steps)
    {
        m_log.Clear();
        const char* pSpace = strchr(s.what, ' ');
        const int i = *s.what ? atoi(s.what + 1) : 0, v = pSpace ? atoi(pSpace) : 0;
        if (s.what[0] == '=')
            m_rad[i].SetValue(v);
        else if (s.what[0] == '~')
            m_rad[i].SetValueQuiet(v);
        else if (s.what[0] == '!')
            m_rad[i].m_bAllowUncheck = 1;
        else
            Play(m_panel, s.what);
        EXPECT_EQ(s.log, m_log.Joined()) << s.what;
        EXPECT_EQ(s.group, Group()) << s.what;
    }
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
    Play(m_panel, "d15,15 u15,15 d15,35 u15,35 d15,55 u15,55");
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

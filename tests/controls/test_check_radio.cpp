// Check box and radio: the skin band of each look read back as pixels,
// toggling and code 9, and the radio group rules with their exact sequence
// of repaints and reports.
#include "wgtest.h"

using namespace wgtest;

namespace {

const COLORREF PANEL_BG = 0xd8e9ec;

class Choice : public PanelTest
{
protected:
    PaintLogged<CWG_Check> m_chk[8];
    PaintLogged<CWG_Radio> m_rad[4];
    SkinReader Skin;

    void SetUp() override
    {
        PanelTest::SetUp();
        ASSERT_TRUE(Skin.Load(3004));
        for (auto& c : m_chk) c.m_pLog = &m_log;
        for (auto& r : m_rad) r.m_pLog = &m_log;
    }

    // The box as the element must show it: the 12 x 12 empty box of the band
    // at (0, 3), or its 16 x 17 ticked cell at (0, 0) keyed on magenta.
    void ExpectBox(CVRK_WG& e, int yBand, bool bChecked, const char* what)
    {
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 16; ++x)
            {
                COLORREF want = PANEL_BG;
                if (bChecked && Skin(12 + x, yBand + y) != 0xFF00FF)
                    want = Skin(12 + x, yBand + y);
                else if (!bChecked && x < 12 && y >= 3 && y < 15)
                    want = Skin(x, yBand + y);
                ASSERT_EQ(want, ElementPixel(e, x, y)) << what << " at " << x << "," << y;
            }
    }
};

TEST_F(Choice, SkinCutsAreWhereTheLooksTakeThem)
{
    for (int yBand = 0; yBand < 68; yBand += 17)
    {
        // The empty box's face starts 3 rows into the band, over magenta.
        EXPECT_EQ(0xFF00FFu, Skin(0, yBand + 2)) << yBand;
        EXPECT_NE(0xFF00FFu, Skin(0, yBand + 3)) << yBand;
        EXPECT_NE(0xFF00FFu, Skin(11, yBand + 14)) << yBand;
        // The tick rises above the box within its 16 x 17 cell.
        int nTickAbove = 0;
        for (int x = 12; x < 28; ++x)
            nTickAbove += Skin(x, yBand) != 0xFF00FF;
        EXPECT_GT(nTickAbove, 0) << yBand;
    }
    // The VIP bands carry a yellow mark in the box's lower-left corner.
    for (int yBand : { 34, 51 })
    {
        const COLORREF c = Skin(2, yBand + 3 + 9);
        EXPECT_TRUE(GetRValue(c) > GetBValue(c) + 60 && GetGValue(c) > GetBValue(c) + 30) << yBand;
        EXPECT_NE(Skin(2, yBand - 34 + 3 + 9), c) << yBand;
    }
}

TEST_F(Choice, EachLookIsCopiedFromItsBand)
{
    // The four bands differ, so a wrong offset shows in the pixels.
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
        {
            int nBox = 0, nTick = 0;
            for (int y = 0; y < 17; ++y)
                for (int x = 0; x < 16; ++x)
                {
                    nBox += x < 12 && Skin(x, a * 17 + y) != Skin(x, b * 17 + y);
                    nTick += Skin(12 + x, a * 17 + y) != Skin(12 + x, b * 17 + y);
                }
            ASSERT_TRUE(nBox > 0 && nTick > 0) << a << " vs " << b;
        }
    struct Look { int bVip, bEnable, nValue, yBand; const char* what; };
    const Look looks[] = {
        { 0, 1, 0, 0, "normal" },          { 0, 1, 1, 0, "normal checked" },
        { 0, 0, 0, 17, "disabled" },       { 0, 0, 1, 17, "disabled checked" },
        { 1, 1, 0, 34, "vip" },            { 1, 1, 1, 34, "vip checked" },
        { 1, 0, 0, 51, "vip disabled" },   { 1, 0, 1, 51, "vip disabled checked" },
    };
    for (int i = 0; i < 8; ++i)
    {
        ASSERT_EQ(1, m_chk[i].Create(&m_panel, "", 10 + (i % 4) * 90, 10 + (i / 4) * 30, 80,
                                     looks[i].bVip));
        m_chk[i].m_bEnable = looks[i].bEnable;
        m_chk[i].SetValueQuiet(looks[i].nValue);
    }
    EXPECT_EQ(CRect(100, 10, 179, 27), m_chk[1].m_rect);   // always 18 high
    EXPECT_EQ(1, m_chk[0].m_bSkinPending);
    m_panel.DrawMe();
    EXPECT_EQ(0, m_chk[0].m_bSkinPending);
    for (int i = 0; i < 8; ++i)
    {
        ExpectBox(m_chk[i], looks[i].yBand, looks[i].nValue, looks[i].what);
        EXPECT_EQ(PANEL_BG, ElementPixel(m_chk[i], 40, 9)) << looks[i].what;   // no border
    }
    DumpPanel(m_panel, "check_looks");
}

TEST_F(Choice, CaptionStartsAtEighteenThreeInTheTextColour)
{
    struct Case { int bEnable, nValue; COLORREF crText; };
    const Case cases[] = { { 1, 0, 0x000000 }, { 1, 1, 0x000000 }, { 0, 1, 0xA3A3A3 } };
    const char* caption = "Wg\xD6\xD0";   // ends with a GBK ideograph
    for (int i = 0; i < 3; ++i)
        for (int b = 0; b < 2; ++b)
        {
            m_chk[2 * i + b].Create(&m_panel, b ? "" : caption, 10 + 150 * b, 10 + 40 * i, 100, 0);
            m_chk[2 * i + b].m_bEnable = cases[i].bEnable;
            m_chk[2 * i + b].SetValueQuiet(cases[i].nValue);
        }
    m_panel.DrawMe();
    for (int i = 0; i < 3; ++i)
    {
        CWG_Check& with = m_chk[2 * i];
        const auto ref = TextOverCopy(m_chk[2 * i + 1], with.m_pFont, cases[i].crText, caption, 18, 3);
        EXPECT_EQ(0, CountDiffering(with, ref)) << i;
        EXPECT_GT(CountDiffering(m_chk[2 * i + 1], ref), 10) << i;   // the caption shows
    }
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
    ExpectBox(c, 0, true, "after a click");
    EXPECT_EQ(ElementPixel(c, 8, 8), PanelPixel(m_panel, 18, 18));   // shown in the panel
    // Either button toggles; a double-click toggles once more.
    PlayMouse(m_panel, "r12,15 R12,15 d12,15 D12,15");
    EXPECT_EQ(0, c.m_nValue);
    EXPECT_EQ("paint 1 | cmd 1 9 | paint 1 | cmd 1 9 | paint 1 | cmd 1 9 | paint 1 | cmd 1 9",
              m_log.Joined());
}

TEST_F(Choice, SetValueReportsEvenUnchangedAndQuietDoesNeither)
{
    CWG_Check& c = m_chk[0];
    c.Create(&m_panel, "", 10, 10, 60, 0);
    m_panel.DrawMe();
    m_log.Clear();
    c.SetValueQuiet(1);
    EXPECT_EQ(1, c.m_nValue);
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ(PANEL_BG, PanelPixel(m_panel, 10 + 14, 10 + 1));   // the tick is not shown yet
    c.SetValue(1);
    c.SetValue(0);
    c.SetValue(7);                          // any nonzero value checks
    EXPECT_EQ(1, c.m_nValue);
    c.SetValueQuiet(-3);
    EXPECT_EQ(1, c.m_nValue);
    EXPECT_EQ("paint 0 | cmd 0 9 | paint 0 | cmd 0 9 | paint 0 | cmd 0 9", m_log.Joined());
}

TEST_F(Choice, GetValueIsMaskedByEnable)
{
    struct Case { int nValue, bEnable, nGet; };
    const Case cases[] = { { 0, 1, 0 }, { 1, 1, 1 }, { 1, 0, 0 }, { 0, 0, 0 } };
    CWG_Check& c = m_chk[0];
    c.Create(&m_panel, "", 10, 10, 60, 0);
    for (const Case& k : cases)
    {
        c.SetValueQuiet(k.nValue);
        c.m_bEnable = k.bEnable;
        EXPECT_EQ(k.nGet, c.GetValue()) << k.nValue << "," << k.bEnable;
        EXPECT_EQ(k.nValue, c.m_nValue);   // the value itself is kept
    }
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
    std::string Values()
    {
        return Fmt("%d%d%d group %ld", m_rad[0].m_nValue, m_rad[1].m_nValue, m_rad[2].m_nValue,
                   *m_rad[0].GetGroup());
    }
};

TEST_F(RadioGroup, FirstRadioStartsCheckedAndJoinersUnchecked)
{
    EXPECT_EQ("100 group 1", Values());
    EXPECT_EQ(&m_rad[0].m_nOwnGroup, m_rad[0].GetGroup());
    EXPECT_EQ(m_rad[0].GetGroup(), m_rad[2].m_pGroup);
    ExpectBox(m_rad[0], 0, true, "first");
    ExpectBox(m_rad[1], 0, false, "joiner");
}

TEST_F(RadioGroup, ClickUnchecksThePreviousRadioAndReportsOnce)
{
    PlayMouse(m_panel, "d15,55 u15,55");
    EXPECT_EQ("paint 1 | paint 3 | cmd 3 9", m_log.Joined());
    EXPECT_EQ("001 group 3", Values());
    ExpectBox(m_rad[0], 0, false, "previous");
    ExpectBox(m_rad[2], 0, true, "clicked");
    EXPECT_EQ(ElementPixel(m_rad[0], 8, 8), PanelPixel(m_panel, 18, 18));   // both shown
    EXPECT_EQ(ElementPixel(m_rad[2], 8, 8), PanelPixel(m_panel, 18, 58));
    EXPECT_NE(PanelPixel(m_panel, 18, 18), PanelPixel(m_panel, 18, 58));
}

TEST_F(RadioGroup, ClickOnTheCheckedRadioChangesNothing)
{
    PlayMouse(m_panel, "d15,15 u15,15 D15,15");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ("100 group 1", Values());
}

TEST_F(RadioGroup, SetValueQuietMovesTheChoiceSilently)
{
    const COLORREF before = PanelPixel(m_panel, 18, 18);
    m_rad[1].SetValueQuiet(1);
    EXPECT_EQ("010 group 2", Values());
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ(before, PanelPixel(m_panel, 18, 18));
    m_rad[1].SetValueQuiet(0);                // unchecking is refused
    EXPECT_EQ("010 group 2", Values());
    m_panel.DrawMe();                         // the next paint shows the choice
    ExpectBox(m_rad[0], 0, false, "quietly unchecked");
    ExpectBox(m_rad[1], 0, true, "quietly checked");
}

TEST_F(RadioGroup, SetValueRules)
{
    struct Step { int nRadio, nValue; const char* log; const char* values; };
    const Step steps[] = {
        { 0, 1, "paint 1 | cmd 1 9", "100 group 1" },          // checked again: reported again
        { 0, 0, "", "100 group 1" },                           // unchecking is refused
        { 1, 5, "", "100 group 1" },                           // only 1 checks a radio
        { 1, 1, "paint 1 | paint 2 | cmd 2 9", "010 group 2" },
    };
    for (const Step& s : steps)
    {
        m_log.Clear();
        m_rad[s.nRadio].SetValue(s.nValue);
        EXPECT_EQ(s.log, m_log.Joined()) << s.nRadio << " <- " << s.nValue;
        EXPECT_EQ(s.values, Values()) << s.nRadio << " <- " << s.nValue;
    }
}

TEST_F(RadioGroup, AllowUncheckLetsTheCheckedRadioGo)
{
    m_rad[0].m_bAllowUncheck = 1;
    PlayMouse(m_panel, "d15,15 u15,15");
    EXPECT_EQ("paint 1 | cmd 1 9", m_log.Joined());
    EXPECT_EQ("000 group 1", Values());       // the group still names it
    m_log.Clear();
    m_rad[1].SetValue(1);
    EXPECT_EQ("paint 1 | paint 2 | cmd 2 9", m_log.Joined());
    EXPECT_EQ("010 group 2", Values());
    m_rad[0].SetValueQuiet(4);                // any value but 1 unchecks
    EXPECT_EQ(0, m_rad[0].m_nValue);
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
    EXPECT_EQ("111", Fmt("%d%d%d", m_rad[0].m_nValue, m_rad[1].m_nValue, m_rad[2].m_nValue));

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

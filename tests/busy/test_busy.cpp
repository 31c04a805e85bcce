// The image buttons' frames, codes and tip; the progress bar's fill, shine
// and animation toward its target; the gear's frames; the zoom slider's
// percentage by drag, walk and wheel; the curve sign and the card. Timers
// are driven by sending WM_TIMER.
#include "golden.h"

using namespace wgtest;

namespace {

class Busy : public PanelTest
{
protected:
    void Tick(CVRK_WG& wg, int n)
    {
        for (int i = 0; i < n; ++i)
            Send(WM_TIMER, (WPARAM)wg.m_nIndex);
    }
};

COLORREF SkinPixel(UINT nID, int x, int y)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CDCSelect sel(dc.m_hDC, WGSharedSkin(nID));
    return dc.GetPixel(x, y);
}

// Which frame of its strip an active button shows ("none" for its
// background only): its pixels against every frame, plain and mirrored.
std::string FrameShown(CWG_ActImgButton& b)
{
    BITMAP bm;
    ::GetObjectA(b.m_bmpStrip.m_hObject, sizeof(bm), &bm);
    const int fw = b.m_nFrameWidth, fh = b.m_nFrameHeight;
    for (int mirror = 0; mirror < 2; ++mirror)
        for (int k = 0; (k + 1) * fh <= bm.bmHeight; ++k)
        {
            bool same = true;
            for (int y = 0; y < fh && same; ++y)
                for (int x = 0; x < fw && same; ++x)
                    same = ElementPixel(b, x, y) == b.m_dcStrip.GetPixel(mirror ? fw - 1 - x : x, k * fh + y);
            if (same)
                return Fmt(mirror ? "mirrored %d" : "%d", k);
        }
    return "none";
}

// ---- image buttons ----------------------------------------------------------------------

TEST_F(Busy, ImageButtonReportsDownAlwaysAndUpOnlyWhenAsked)
{
    CWG_ImageButton a, b, bad;
    ASSERT_TRUE(a.Create(&m_panel, 3007, 10, 10));
    EXPECT_EQ(CSize(21, 22), CSize(a.m_nWidth, a.m_nHeight)) << "sized as its bitmap";
    Play(m_panel, "m15,15");
    EXPECT_EQ(a.m_nIndex, m_panel.m_nMouseWG) << "hover holds the mouse";
    Play(m_panel, "d15,15 u15,15 c15,15 u15,15 m100,100");
    EXPECT_EQ("cmd 0 0 | cmd 0 0", m_log.Joined());
    EXPECT_EQ(-1, m_panel.m_nMouseWG);

    b.m_bNotifyUp = 1;
    b.Create(&m_panel, 3007, 50, 10);
    m_log.Clear();
    Play(m_panel, "d55,15");
    EXPECT_EQ(b.m_nIndex, m_panel.m_nMouseWG) << "held until the button comes up";
    Play(m_panel, "u200,200");
    EXPECT_EQ("cmd 1 0 | cmd 1 1", m_log.Joined());
    EXPECT_EQ(-1, m_panel.m_nMouseWG);
    EXPECT_EQ(0, bad.Create(&m_panel, 9999, 0, 0)) << "a missing picture";
    EXPECT_EQ(-1, bad.m_nIndex);
}

TEST_F(Busy, ImageButtonShowsItsRectangleOfTheApplicationsBitmap)
{
    CBitmap bmp;
    WGCreateBackBuffer(bmp, 40, 24);
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CDCSelect sel(&dc, &bmp);
        dc.FillSolidRect(0, 0, 20, 24, 0x0000FF);
        dc.FillSolidRect(20, 0, 20, 24, 0x00FF00);
    }
    CWG_ImageButton b, outside;
    ASSERT_TRUE(b.Create(&m_panel, 5, 5, &bmp, 20, 0, 20, 24));
    EXPECT_EQ(0, outside.Create(&m_panel, 5, 5, &bmp, 30, 0, 20, 24)) << "a rectangle beyond the bitmap";
    m_panel.DrawMe();
    EXPECT_EQ(0x00FF00u, ElementPixel(b, 0, 0));
    EXPECT_EQ(0x00FF00u, ElementPixel(b, 19, 23));
}

// Strip: the check box skin, four 28 x 17 frames.
struct ActCase { long frames; int check; int mirror; const char* script; const char* log; const char* frame; };

TEST_F(Busy, ActiveButtonFramesAndCodes)
{
    const ActCase cases[] = {
        { 3, 0, 0, "m15,15", "", "1" },
        { 3, 0, 0, "m15,15 d15,15", "cmd 0 5", "2" },
        { 3, 0, 0, "m15,15 d15,15 u15,15", "cmd 0 5", "1" },
        { 3, 0, 0, "m15,15 d15,15 u15,15 L0", "cmd 0 5", "0" },
        { 2, 0, 0, "m15,15 d15,15", "cmd 0 5", "1" },
        { 4, 0, 0, "m15,15 d15,15", "", "2" },          // pressed, but nothing sent
        { 1, 0, 0, "m15,15 d15,15 u15,15", "", "0" },
        { 3, 0, 1, "m15,15", "", "mirrored 1" },
        { 3, 1, 0, "m15,15 d15,15 m200,200 L0", "cmd 0 5", "2" },   // checked survives leaving
        { 3, 1, 0, "m15,15 d15,15 d15,15", "cmd 0 5", "1" },        // unchecked, hover look, no report
        { 2, 1, 0, "m15,15 d15,15", "", "1" },          // no checked look: cannot check
    };
    for (const ActCase& c : cases)
    {
        CWG_ActImgButton b;
        RecordingPanel panel;
        Log log;
        panel.m_pLog = &log;
        ASSERT_TRUE(panel.Create(&m_host));
        ASSERT_TRUE(b.Create(&panel, 3004, c.frames, 10, 10, 28, 17, 28, 17, c.check, c.mirror));
        panel.DrawMe();
        Play(panel, c.script);
        EXPECT_EQ(c.log, log.Joined()) << c.frames << " frames, check " << c.check << ": " << c.script;
        EXPECT_EQ(c.frame, FrameShown(b)) << c.frames << " frames, check " << c.check << ": " << c.script;
        panel.DestroyWindow();
    }
}

TEST_F(Busy, ActiveButtonRadioGroupDisabledFrameTipAndRefusals)
{
    CWG_ActImgButton r[3], off, bad;
    r[0].CreateRadMode(&m_panel, 3004, 3, 10, 10, 28, 17, 28, 17, nullptr, 0);
    for (int i = 1; i < 3; ++i)
        r[i].CreateRadMode(&m_panel, 3004, 3, 10 + 40 * i, 10, 28, 17, 28, 17, &r[0], 0);
    m_panel.DrawMe();
    EXPECT_EQ("2 0 0", FrameShown(r[0]) + " " + FrameShown(r[1]) + " " + FrameShown(r[2]));
    Play(m_panel, "m95,15 d95,15");
    EXPECT_EQ("0 0 2", FrameShown(r[0]) + " " + FrameShown(r[1]) + " " + FrameShown(r[2]));
    Play(m_panel, "d95,15");
    EXPECT_EQ("cmd 2 5", m_log.Joined()) << "a checked radio ignores its click";
    EXPECT_EQ(1, r[2].IfInCheck());

    CWG_Tip tip;
    ASSERT_EQ(1, tip.create(&m_panel, -1));
    tip.setShowAndHideByOtherControl(1);   // the hovered button holds the capture
    off.m_bDisabledFrame = 1;
    off.m_pTip = &tip;
    off.m_strTip = "Hint";
    off.Create(&m_panel, 3004, 3, 10, 40, 28, 17, 28, 17, 0, 0);
    m_panel.DrawMe();
    Play(m_panel, "m200,200 m15,45");
    EXPECT_TRUE(tip.visible());
    Play(m_panel, "m200,200");
    EXPECT_FALSE(tip.visible());
    off.m_bEnable = FALSE;
    m_panel.RefreshWG(off.m_nIndex);
    EXPECT_EQ("3", FrameShown(off)) << "the frame after the state frames";

    EXPECT_EQ(0, bad.Create(&m_panel, 9999, 3, 0, 0, 28, 17, 28, 17, 0, 0));
    EXPECT_EQ(0, bad.Create(&m_panel, 3004, 0, 0, 0, 28, 17, 28, 17, 0, 0));
    EXPECT_EQ(0, bad.Create(&m_panel, 3004, 3, 0, 0, 28, 17, 40, 17, 0, 0)) << "frame wider than the strip";
    EXPECT_EQ(-1, bad.m_nIndex);
    m_panel.DestroyWindow();
}

// ---- progress bar ---------------------------------------------------------------------------

// Band row 12 of the bar shows fill row 9 of the skin.
COLORREF Fill(int band) { return SkinPixel(3010, 5, band + 9); }
COLORREF FrameMiddle() { return SkinPixel(3010, 2, 12); }

TEST_F(Busy, ProgressFillsItsFrameToThePercentage)
{
    CWG_ProgressBar bar;
    bar.m_bShowText = 0;
    bar.Create(&m_panel, 0, 0, 206, FALSE);
    bar.InitProgress(50);
    m_panel.DrawMe();
    EXPECT_EQ(Fill(0), ElementPixel(bar, 102, 12)) << "200 pixels of room: 50% is x 3..102";
    EXPECT_EQ(FrameMiddle(), ElementPixel(bar, 103, 12));
    bar.m_nColorStyle = 1;
    bar.InitProgress(100);
    m_panel.RefreshWG(bar.m_nIndex);
    EXPECT_EQ(Fill(21), ElementPixel(bar, 202, 12)) << "red band";
    bar.SetProgress(150);
    Tick(bar, 60);
    EXPECT_EQ(SkinPixel(3010, 3, 12), ElementPixel(bar, 204, 12)) << "above 100 stays inside the frame";
    EXPECT_EQ(100, bar.m_nShown);

    bar.InitProgress(60);
    bar.SetProgress(0);
    m_panel.RefreshWG(bar.m_nIndex);
    EXPECT_EQ(FrameMiddle(), ElementPixel(bar, 20, 12)) << "no fill and no shine at 0";
    EXPECT_EQ(60, bar.m_nShown) << "the label keeps the value shown";
    bar.InitProgress(-5);
    EXPECT_EQ(0, bar.m_nShown);
}

TEST_F(Busy, ProgressAnimatesTowardItsTarget)
{
    CWG_ProgressBar bar;
    bar.Create(&m_panel, 0, 0, 206, FALSE);
    m_panel.DrawMe();
    bar.SetProgress(100);
    Tick(bar, 49);
    EXPECT_EQ(98, bar.m_nShown) << "two points a tick toward 100";
    Tick(bar, 1);
    EXPECT_EQ(100, bar.m_nShown);
    bar.InitProgress(0);
    bar.SetProgress(40);
    Tick(bar, 39);
    EXPECT_EQ(39, bar.m_nShown) << "one point a tick otherwise";
    Tick(bar, 5);
    EXPECT_EQ(40, bar.m_nShown);

    // The shine runs to the fill's end (x 203), wraps to -39, waits 1.5 s
    // (150 ticks of 10 ms), then runs again.
    bar.InitProgress(100);
    bar.m_nShineX = 190;
    bar.m_bShinePause = 0;
    int n = 0;
    while (bar.m_nShineX != -39 && n < 200)
        Tick(bar, 1), ++n;
    EXPECT_EQ(7, n) << "from x 190 by 2 a tick past 203";
    Tick(bar, 150);
    EXPECT_EQ(-39, bar.m_nShineX);
    Tick(bar, 1);
    EXPECT_EQ(-37, bar.m_nShineX);
}

// ---- gear, slider ------------------------------------------------------------------------------

int GearFrame(CWG_LoopGear& g, int x0, int y0)
{
    for (int k = 0; k < 3; ++k)
    {
        bool same = true;
        for (int y = 0; y < 77 && same; y += 3)
            for (int x = 0; x < 83 && same; ++x)
                same = ElementPixel(g, x0 + x, y0 + y) == SkinPixel(3009, 83 * k + x, y);
        if (same)
            return k;
    }
    return -1;
}

TEST_F(Busy, GearTurnsThroughItsFramesCentred)
{
    CWG_LoopGear g, none;
    g.Create(&m_panel, 0, 0, 100, 100);
    none.Create(&m_panel, 100, 0, 100, 100);
    WGCreateBackBuffer(none.m_bmpFrames, 50, 50);   // narrower than one frame
    m_panel.DrawMe();
    EXPECT_EQ(0, GearFrame(g, 8, 11));
    Tick(g, 1);
    EXPECT_EQ(1, GearFrame(g, 8, 11));
    Tick(g, 2);
    EXPECT_EQ(0, GearFrame(g, 8, 11));
    EXPECT_EQ(0, none.FrameCount());
    Tick(none, 2);
    EXPECT_EQ(0, none.m_nFrame);
    EXPECT_EQ(none.m_crBG, ElementPixel(none, 50, 50)) << "nothing drawn";
}

TEST_F(Busy, SliderPercentageAlongItsTrack)
{
    struct { long y, scale, value; } values[] = {
        { 65, 0, 100 }, { 66, 0, 98 }, { 90, 0, 50 }, { 115, 0, 0 }, { 130, 0, 0 }, { 15, 2, 200 },
        { 40, 0, 100 }, { 15, -3, 100 }, { 15, 2000000000, 2147483647 },
    };
    for (auto v : values)
        EXPECT_EQ(v.value, CWG_StandBrowse::ValueAt(v.y, v.scale)) << "y " << v.y << " scale " << v.scale;
}

TEST_F(Busy, SliderReportsItsPercentageByDragWalkAndWheel)
{
    CWG_StandBrowse s;
    s.Create(&m_panel, "Zoom", 10, 10);
    s.m_nUpperScale = 2;
    m_panel.DrawMe();
    Play(m_panel, "d15,77 m15,102 m15,300");
    EXPECT_EQ(s.m_nIndex, m_panel.m_nMouseWG);
    Play(m_panel, "u15,300 w-120 w120 w120");
    EXPECT_EQ("cmd 0 50 | cmd 0 0 | cmd 0 0 | cmd 0 2 | cmd 0 4", m_log.Joined()) << "the knob clamps at 115";
    EXPECT_EQ(-1, m_panel.m_nMouseWG);

    m_log.Clear();
    Play(m_panel, "d15,30");   // on the track, above the knob at 113: walk to 20
    Tick(s, 93);
    EXPECT_EQ(20, s.m_nKnobY);
    EXPECT_EQ("cmd 0 180", m_log.lines.back());
    EXPECT_EQ(93u, m_log.lines.size());
    Tick(s, 3);
    EXPECT_EQ(93u, m_log.lines.size()) << "the walk ended at its target";
    Play(m_panel, "u15,30 d40,30");
    Tick(s, 3);
    EXPECT_EQ(93u, m_log.lines.size()) << "right of the track does nothing";
}

// ---- signs -------------------------------------------------------------------------------------------

int CountColour(CVRK_WG& wg, COLORREF c, const CRect& rc)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += ElementPixel(wg, x, y) == c;
    return n;
}

TEST_F(Busy, CurveSignLinesAndToggling)
{
    CPen red(PS_SOLID, 1, 0x0000FF), blue(PS_SOLID, 1, 0xFF0000);
    PaintLogged<CWG_CurveSign> plain, outlined;
    plain.Create(&m_panel, 0, 0, &blue);
    outlined.Create(&m_panel, 0, 20, &red, &blue);
    plain.m_strCaption = "Curve";
    plain.m_pLog = &m_log;
    m_panel.DrawMe();
    EXPECT_EQ(32, CountColour(plain, 0xFF0000, CRect(0, 1, 47, 2)));
    EXPECT_EQ(0xFF0000u, ElementPixel(plain, 7, 1)) << "x 7..38";
    EXPECT_EQ(0xFF0000u, ElementPixel(plain, 38, 1));
    EXPECT_EQ(30, CountColour(outlined, 0xFF0000, CRect(0, 1, 47, 2))) << "the curve over x 8..37";
    EXPECT_EQ(0, CountColour(outlined, 0x0000FF, CRect(0, 1, 47, 2))) << "the outline under it";

    const CRect rcCaption(0, 5, 47, 17);
    EXPECT_EQ(0, CountColour(plain, WG_CR_TEXT_DISABLED, rcCaption));
    m_log.Clear();
    Play(m_panel, "d10,5");
    EXPECT_EQ("paint 0 | cmd 0 0", m_log.Joined()) << "repaints, then reports";
    EXPECT_GT(CountColour(plain, WG_CR_TEXT_DISABLED, rcCaption), 0) << "off: grey caption";
    Play(m_panel, "d10,5");
    EXPECT_EQ(1, plain.m_bOn);
}

TEST_F(Busy, CardIsHiddenUntilShownThenAsWideAsItsLongestLine)
{
    CString labels[3] = { "Speed", "A much longer label", "Left" };
    CString title = "A title far longer than any of its lines", v = "12";
    CWG_Notify card;
    card.Create(&m_panel, labels, 10, 10);
    card.SetContent(&title, &v, &v, &v);
    m_panel.DrawMe();
    EXPECT_FALSE(card.PtInMe(CPoint(12, 12)));
    EXPECT_EQ((COLORREF)WG_CR_PANEL, PanelPixel(m_panel, 10, 10)) << "not drawn while hidden";

    card.m_bVisible = TRUE;
    m_panel.RefreshWG(card.m_nIndex);
    CClientDC dc(&m_panel);
    CDCSelect sel(&dc, card.m_pFont);
    const long w = dc.GetTextExtent(labels[1]).cx + 8;
    EXPECT_EQ(w, card.m_nWidth) << "the title is not measured";
    EXPECT_EQ(10 + w - 1, card.m_rect.right);
    EXPECT_EQ(WG_CR_BORDER, (long)ElementPixel(card, w - 1, 101));
    // Text is smoothed: its pixels lean to its colour.
    auto green = [&](int y0) {
        int n = 0;
        for (int y = y0; y < y0 + 14; ++y)
            for (int x = 0; x < w; ++x)
            {
                const COLORREF c = ElementPixel(card, x, y);
                n += GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 40;
            }
        return n;
    };
    EXPECT_GT(green(30), 0) << "the first value in green";
    EXPECT_EQ(0, green(16)) << "its label is not";
}

TEST_F(Busy, GoldenBarGearAndSlider)
{
    CWG_ProgressBar bar;
    CWG_LoopGear gear;
    CWG_StandBrowse slider;
    bar.m_strText = "done";
    bar.Create(&m_panel, 4, 4, 150, FALSE);
    bar.InitProgress(50);
    gear.Create(&m_panel, 4, 34, 83, 77);
    slider.Create(&m_panel, "Zoom", 100, 34);
    m_panel.DrawMe();
    EXPECT_TRUE(MatchesGolden(PanelImage(m_panel, CRect(0, 0, 160, 164)), "busy"));
    m_panel.DestroyWindow();
}

} // namespace

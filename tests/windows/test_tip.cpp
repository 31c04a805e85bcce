// The tip window: measuring and placing the card, the fade-in, dwell and
// fade-out with the panel's notifications, clicks, the panel's annotation
// tip, the card's picture, and bad input.
#include "golden.h"
#include "deadtrap.h"
#include <memory>

using namespace wgtest;

namespace {

class Tip : public CWG_Tip
{
public:
    BYTE Alpha() const { return m_blend.SourceConstantAlpha; }
    void Tick(UINT nId) { SendMessage(WM_TIMER, nId); }
    // The card as composed, over a 8-pixel grey checkerboard: premultiplied
    // pixels blend as src + dst * (255 - alpha) / 255.
    Image OverCheckerboard()
    {
        Image img;
        img.w = m_sizeWnd.cx, img.h = m_sizeWnd.cy;
        img.bits.resize((size_t)img.Stride() * img.h);
        CWGPixels32 px;
        px.Attach((HBITMAP)m_bmpDIB.m_hObject);
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x)
            {
                const DWORD p = px.Row(y)[x];
                const int a = p >> 24, bg = ((x / 8 + y / 8) & 1) ? 0x99 : 0xDD;
                auto ch = [&](int s) { return (BYTE)std::min(255, (int)((p >> s) & 0xFF) + bg * (255 - a) / 255); };
                img.Set(x, y, RGB(ch(16), ch(8), ch(0)));
            }
        return img;
    }
};

CSize Extent(const char* s)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CDCSelect sel(&dc, CVRK_WG::GetStyleCenter().GetDefaultFont());
    return dc.GetTextExtent(s, (int)strlen(s));
}

CRect RectOf(CWnd& w)
{
    CRect rc;
    w.GetWindowRect(&rc);
    return rc;
}

class TipTest : public PanelTest
{
protected:
    Tip m_tip;
    void TearDown() override
    {
        m_tip.DestroyWindow();
        PanelTest::TearDown();
    }
    // A tip of the panel, registered as its first.
    void OpenPanelTip(long nCommand, long nDirTime)
    {
        ASSERT_EQ(1, m_tip.create(&m_panel, nCommand, nDirTime));
        m_panel.AddTip(&m_tip);
    }
};

TEST_F(TipTest, MeasuresItsLinesAndKeepsTheCardOnTheScreen)
{
    ASSERT_EQ(1, m_tip.create(&m_host));
    const CSize abc = Extent("abc"), a = Extent("a"), b = Extent("b"), wide = Extent("wide line");
    m_tip.show(500, 300, "abc", -1, kWG_Tip_Center);
    const CSize w(abc.cx + 16, abc.cy + 16);
    EXPECT_EQ(CRect(500 - w.cx / 2, 300 - w.cy / 2, 500 - w.cx / 2 + w.cx, 300 - w.cy / 2 + w.cy), RectOf(m_tip));
    // Lines at carriage returns; empty lines take no room.
    m_tip.show(100, 100, "a\r\rwide line\rb\r", -1, kWG_Tip_LeftTop);
    const long h = a.cy + wide.cy + b.cy + 2 * 4;
    EXPECT_EQ(CSize(wide.cx, h), m_tip.m_sizeText);
    EXPECT_EQ(CRect(97, 97, 97 + wide.cx + 16, 97 + h + 16), RectOf(m_tip));
    m_tip.show(100, 100, "a\rb", -1, kWG_Tip_LeftBottom);
    EXPECT_EQ(CRect(97, 105 - (a.cy + b.cy + 4 + 16), 97 + std::max(a.cx, b.cx) + 16, 105), RectOf(m_tip));
    // Pushed in at the right and bottom, free to hang off the left and top.
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    m_tip.show(cx - 5, cy - 5, "abc", -1, kWG_Tip_LeftTop);
    EXPECT_EQ(CRect(cx - w.cx, cy - w.cy, cx, cy), RectOf(m_tip));
    m_tip.show(-20, -30, "abc", -1, (kWG_Tip_ShowPositionStyle)7);
    EXPECT_EQ(CRect(-23, -33, -23 + w.cx, -33 + w.cy), RectOf(m_tip)) << "an unknown style acts as the first";
}

TEST_F(TipTest, FadesInReportsDwellsFadesOutAndReports)
{
    OpenPanelTip(-1, 3000);
    m_tip.show(200, 200, "note", -1, kWG_Tip_LeftTop);
    EXPECT_TRUE(::IsWindowVisible(m_tip.m_hWnd));
    EXPECT_EQ(m_tip.m_hWnd, ::GetCapture());
    std::string seq = Fmt("%d", m_tip.Alpha());
    for (int i = 0; i < 2; ++i)
        m_tip.Tick(CWG_Tip::TIMER_FADE_IN), seq += Fmt(" %d", m_tip.Alpha());
    EXPECT_EQ("127 191 255", seq);
    EXPECT_EQ("tip 0 0", m_log.Joined());
    // Dwell ends: 191, then 127 and hidden with the report.
    m_tip.Tick(CWG_Tip::TIMER_HIDE);
    EXPECT_EQ(191, m_tip.Alpha());
    EXPECT_TRUE(m_tip.visible());
    m_tip.Tick(CWG_Tip::TIMER_HIDE);
    EXPECT_FALSE(m_tip.visible());
    EXPECT_FALSE(::IsWindowVisible(m_tip.m_hWnd));
    EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
    EXPECT_EQ("tip 0 0 | tip 0 2", m_log.Joined());
    EXPECT_FALSE(::KillTimer(m_tip.m_hWnd, CWG_Tip::TIMER_HIDE));

    // Shown again while shown: full opacity at once, the pending hide gone.
    m_log.Clear();
    m_tip.show(200, 200, "note", -1, kWG_Tip_LeftTop);
    m_tip.Tick(CWG_Tip::TIMER_FADE_IN);
    m_tip.Tick(CWG_Tip::TIMER_FADE_IN);
    ASSERT_TRUE(::KillTimer(m_tip.m_hWnd, CWG_Tip::TIMER_HIDE) && m_tip.SetTimer(CWG_Tip::TIMER_HIDE, 3000));
    m_tip.show(300, 250, "moved", -1, kWG_Tip_LeftTop);
    EXPECT_EQ(255, m_tip.Alpha());
    EXPECT_EQ(CPoint(297, 247), RectOf(m_tip).TopLeft());
    EXPECT_FALSE(::KillTimer(m_tip.m_hWnd, CWG_Tip::TIMER_HIDE));
    EXPECT_FALSE(::KillTimer(m_tip.m_hWnd, CWG_Tip::TIMER_FADE_IN));
    // hide() tells nobody.
    m_tip.hide();
    EXPECT_EQ("tip 0 0", m_log.Joined());
}

TEST_F(TipTest, AClickSendsTheCommandOnceAndOutsideClicksPassOn)
{
    OpenPanelTip(5, -1);
    m_tip.show(200, 200, "click me", -1, kWG_Tip_LeftTop);
    m_tip.SendMessage(WM_RBUTTONDOWN, 0, XY(4, 4));
    EXPECT_TRUE(m_tip.visible()) << "a right click inside does nothing";
    m_tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(4, 4));
    EXPECT_EQ("tip 0 2 | cmd 5 0", m_log.Joined());
    EXPECT_FALSE(m_tip.visible());
    m_log.Clear();
    m_tip.show(200, 200, "click me", -1, kWG_Tip_LeftTop);
    m_tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(4, 4));
    EXPECT_TRUE(m_tip.visible()) << "the command was one-shot";
    EXPECT_EQ("", m_log.Joined());
    // Outside: hidden, reported, and the press reaches the panel beneath.
    CPoint pt(30, 40);
    m_panel.ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    m_tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(pt.x - 197, pt.y - 197));
    EXPECT_FALSE(m_tip.visible());
    m_p[0].m_pLog = &m_log;
    m_p[0].Create(&m_panel, 0, 0, 100, 100);
    Pump();
    ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    Pump();
    const std::string log = m_log.Joined();
    EXPECT_EQ(0u, log.find("tip 0 2 | ")) << log;
    EXPECT_NE(std::string::npos, log.find("0:get | 0:down0 30,40")) << log;
}

TEST_F(TipTest, ThePanelsAnnotationTipShowsAndItsClosingRemovesTheMark)
{
    OpenPanelTip(-1, -1);
    AddProbe(0, 200, 200, 10, 10);   // a panel without elements draws no mark
    m_panel.m_pMarkTip = &m_tip;
    m_panel.m_rcMark = CRect(10, 10, 50, 30);
    m_panel.m_ptMarkFrom = CPoint(50, 30);
    m_panel.m_ptMarkTo = CPoint(80, 60);
    m_panel.m_ptMarkTip = CPoint(120, 80);
    m_panel.m_strMarkTip = "mark";
    m_panel.DrawMe();
    EXPECT_TRUE(m_tip.visible());
    CPoint pt(120, 80);
    m_panel.ClientToScreen(&pt);
    EXPECT_EQ(pt - CSize(m_tip.m_sizeWnd.cx / 2, m_tip.m_sizeWnd.cy / 2), RectOf(m_tip).TopLeft());
    EXPECT_EQ(RGB(250, 0, 0), PanelPixel(m_panel, 30, 10)) << "the mark is drawn";
    ::ReleaseCapture();
    m_tip.SendMessage(WM_RBUTTONDOWN, 0, XY(-5, -5));
    EXPECT_TRUE(m_panel.m_rcMark.IsRectEmpty());
    EXPECT_EQ(WG_CR_PANEL, PanelPixel(m_panel, 30, 10)) << "repainted without the mark";
    ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
}

// A repaint from a worker thread holds the panel's lock: the annotation tip
// is shown later, by the panel's own thread.
DWORD WINAPI RefreshFromWorker(LPVOID pv)
{
    CVRK_WGPANEL* pPanel = (CVRK_WGPANEL*)pv;
    pPanel->RefreshWG(0);
    return 0;
}

TEST_F(TipTest, AMarkRepaintedByAWorkerShowsItsTipOnThePanelsThread)
{
    OpenPanelTip(-1, -1);
    AddProbe(0, 10, 10, 40, 20);
    m_panel.m_pMarkTip = &m_tip;
    m_panel.m_rcMark = CRect(10, 10, 50, 30);
    m_panel.m_strMarkTip = "from a worker";
    HANDLE hThread = ::CreateThread(nullptr, 0, RefreshFromWorker, &m_panel, 0, nullptr);
    ASSERT_TRUE(hThread != nullptr);
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    EXPECT_FALSE(m_tip.visible()) << "not shown from the worker";
    Pump();
    EXPECT_TRUE(m_tip.visible());
}

TEST_F(TipTest, TheCardOverACheckerboard)
{
    ASSERT_EQ(1, m_tip.create(&m_host));
    // GBK: "提示" / "第二行 line two".
    m_tip.show(300, 300, "\xCC\xE1\xCA\xBE\r\xB5\xDA\xB6\xFE\xD0\xD0 line two", -1, kWG_Tip_LeftTop);
    EXPECT_TRUE(MatchesGolden(m_tip.OverCheckerboard(), "tip_card"));
}

TEST_F(TipTest, BadInputIsRefusedOrBoundedNotFatal)
{
    // Not created: nothing at all.
    m_tip.show(10, 10, "x", -1, kWG_Tip_LeftTop);
    EXPECT_FALSE(m_tip.visible());
    ASSERT_EQ(1, m_tip.create(&m_host));
    m_tip.show(10, 10, "", -1, kWG_Tip_LeftTop);
    EXPECT_EQ(CRect(7, 7, 23, 23), RectOf(m_tip)) << "an empty card";
    // 10,000 bytes in lines wider than the screen, and as many short lines.
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    std::string s;
    for (int i = 0; i < 10000; ++i)
        s += (i % 2500 == 2499) ? '\r' : (char)('a' + i % 26);
    m_tip.show(100, 100, s.c_str(), -1, kWG_Tip_LeftTop);
    EXPECT_EQ(cx, RectOf(m_tip).Width());
    EXPECT_EQ(0, RectOf(m_tip).left);
    s.assign(10000, '\r');
    for (size_t i = 0; i < s.size(); i += 2)
        s[i] = 'x';
    m_tip.show(100, 100, s.c_str(), -1, kWG_Tip_LeftTop);
    EXPECT_EQ(CRect(0, 0, Extent("x").cx + 16, cy) + CPoint(97, 0), RectOf(m_tip));
    m_tip.DestroyWindow();

    // The eleventh tip of a panel is refused and reports index -1.
    Tip tips[10];
    for (Tip& t : tips)
        m_panel.AddTip(&t);
    ASSERT_EQ(1, m_tip.create(&m_panel, -1));
    m_panel.AddTip(&m_tip);
    EXPECT_EQ(10, m_panel.m_nTipCount);
    m_tip.show(50, 50, "late", -1, kWG_Tip_LeftTop);
    m_tip.Tick(CWG_Tip::TIMER_FADE_IN);
    m_tip.Tick(CWG_Tip::TIMER_FADE_IN);
    EXPECT_EQ("tip -1 0", m_log.Joined());
}

TEST(TipPanelDiesFirst, ItsTipsStopTellingIt)
{
    HostWindow& host = SharedHost();
    Log log;
    DeadTrap<RecordingPanel> panel;
    ASSERT_TRUE(panel->Create(&host));
    panel->m_pLog = &log;
    Tip tip;
    ASSERT_EQ(1, tip.create(panel.Get(), 3, -1));
    panel->AddTip(&tip);
    tip.show(50, 50, "orphan", -1, kWG_Tip_LeftTop);
    DeadCalls() = 0;
    panel.Kill();
    tip.Tick(CWG_Tip::TIMER_FADE_IN);
    tip.Tick(CWG_Tip::TIMER_FADE_IN);
    tip.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(3, 3));
    EXPECT_EQ(0, DeadCalls());
    EXPECT_EQ("", log.Joined());
    ::ReleaseCapture();
    tip.DestroyWindow();
    Pump();
}

} // namespace

// Combo: the drop-down opened and closed by the arrow, the wheel and the
// keys, choices by click and by key with their exact repaint and report
// sequence, the quiet setters, a scrolled 50-text list with its thumb, and
// bad input.
#include "golden.h"

using namespace wgtest;

namespace {

// Logs code 7 with the two flags the application reads during it.
class ComboPanel : public RecordingPanel
{
public:
    CWG_Combo* m_pCombo = nullptr;
    bool m_bDeleteOnChoice = false;
    virtual void OnWGCommand(long nIndex, long nCode)
    {
        if (m_pLog && m_pCombo && nCode == 7)
            m_pLog->Add(Fmt("cmd %ld 7 list=%d key=%ld", nIndex, m_pCombo->m_bCheckingByList, m_pCombo->m_nLastKey));
        else
            RecordingPanel::OnWGCommand(nIndex, nCode);
        if (m_bDeleteOnChoice && nCode == 7)
        {
            delete m_pCombo;
            m_pCombo = nullptr;
        }
    }
};

class TestCombo : public PaintLogged<CWG_Combo>
{
public:
    CString m_strPrefix;   // the caption hook puts it in front
    virtual void willSetElementCheckedByMenuList(CString& s) { s = m_strPrefix + s; }
    virtual void onSetElementCheckedByMenuList() { if (m_pLog) m_pLog->Add("after"); }
};

// A combo at (10, 10), 120 x 20, on its own panel; the arrow starts at
// panel x 115, the list opens at panel y 29.
class Combo : public SharedHostTest
{
protected:
    Log m_log;
    ComboPanel m_panel;
    TestCombo m_combo;
    CWG_ComboList& List() { return *m_combo.m_pComboList; }

    void SetUp() override
    {
        SharedHostTest::SetUp();
        ASSERT_TRUE(m_panel.Create(&m_top));
        m_panel.m_pLog = &m_log;
        m_panel.m_pCombo = &m_combo;
        m_combo.m_pLog = &m_log;
        ASSERT_EQ(1, m_combo.Create(&m_panel, 10, 10, 120, 20));
    }
    void TearDown() override
    {
        m_combo.shirkMenuList();
        m_panel.DestroyWindow();
        SharedHostTest::TearDown();
    }
    void Fill(long n)
    {
        for (long i = 0; i < n; ++i)
            ASSERT_EQ(1, m_combo.addAnElement(Fmt("item %ld", i).c_str()));
        m_panel.DrawMe();
        m_log.Clear();
    }
    // Mouse messages as the open list (holding the capture) gets them.
    void ToList(UINT msg, long x, long y) { List().SendMessage(msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, XY(x, y)); }
    void ClickRow(long r)
    {
        ToList(WM_MOUSEMOVE, 20, r * 18 + 10);
        ToList(WM_LBUTTONDOWN, 20, r * 18 + 10);
    }
    CPoint ScreenOf(long x, long y)
    {
        CPoint pt(x, y);
        m_panel.ClientToScreen(&pt);
        return pt;
    }
    std::string Text() const { return (const char*)m_combo.m_strText; }
};

TEST_F(Combo, TheArrowOpensBelowAndARowClickChoosesThenReports)
{
    Fill(3);
    Play(m_panel, "d 50,15");   // the text part: no list
    EXPECT_FALSE(m_combo.isMenuListInDisplay());
    Play(m_panel, "d 120,15");
    ASSERT_TRUE(m_combo.isMenuListInDisplay());
    EXPECT_EQ(ScreenOf(10, 29), List().m_rcWindow.TopLeft());
    EXPECT_EQ(CSize(120, 3 * 18 + 4), List().m_rcWindow.Size());
    EXPECT_EQ(List().m_hWnd, ::GetCapture());
    m_log.Clear();
    m_combo.m_strPrefix = "> ";
    ClickRow(1);
    EXPECT_EQ("paint 0 | cmd 0 7 list=1 key=-1 | after", m_log.Joined());
    EXPECT_EQ("> item 1", Text());
    EXPECT_EQ(1, m_combo.m_nCheckedIndex);
    EXPECT_EQ(0, m_combo.m_bCheckingByList);
    EXPECT_FALSE(m_combo.isMenuListInDisplay());

    // Open again; a click on the arrow (through the list's capture) closes
    // it and chooses nothing.
    Play(m_panel, "d 120,15");
    ASSERT_TRUE(m_combo.isMenuListInDisplay());
    m_log.Clear();
    CPoint pt = ScreenOf(120, 15);
    ::ScreenToClient(List().m_hWnd, &pt);
    ToList(WM_LBUTTONDOWN, pt.x, pt.y);
    EXPECT_FALSE(m_combo.isMenuListInDisplay());
    EXPECT_EQ("", m_log.Joined());
    EXPECT_NE(List().m_hWnd, ::GetCapture());
}

// Up and Down step with wrap-around, report with the key in m_nLastKey,
// open the list and light the chosen row; other keys and Enter close it.
TEST_F(Combo, KeysStepReportAndOpenTheList)
{
    Fill(3);
    Play(m_panel, "N0");
    m_log.Clear();
    struct Step { UINT vk; long chosen; };
    for (Step s : { Step{ VK_DOWN, 0 }, Step{ VK_DOWN, 1 }, Step{ VK_UP, 0 }, Step{ VK_UP, 2 }, Step{ VK_DOWN, 0 } })
    {
        m_log.Clear();
        Play(m_panel, Fmt("k%u", s.vk).c_str());
        EXPECT_EQ(Fmt("paint 0 | cmd 0 7 list=1 key=%u | after", s.vk), m_log.Joined()) << s.vk;
        EXPECT_EQ(s.chosen, m_combo.m_nCheckedIndex);
        EXPECT_EQ(-1, m_combo.m_nLastKey);
        EXPECT_TRUE(m_combo.isMenuListInDisplay());
        EXPECT_EQ(s.chosen, List().m_nHotItem);
    }
    Play(m_panel, "k37");   // Left
    EXPECT_FALSE(m_combo.isMenuListInDisplay());
    Play(m_panel, "k40");
    ASSERT_TRUE(m_combo.isMenuListInDisplay());
    m_log.Clear();
    Play(m_panel, "a13");   // Enter: the text's report, then the list closes
    EXPECT_EQ("cmd 0 7 list=0 key=13", m_log.Joined());
    EXPECT_FALSE(m_combo.isMenuListInDisplay());
    m_combo.m_bShirkOnKey = 0;
    Play(m_panel, "k40 k37");
    EXPECT_TRUE(m_combo.isMenuListInDisplay());
    Play(m_panel, "F0");   // the focus leaves
    EXPECT_FALSE(m_combo.isMenuListInDisplay());
}

TEST_F(Combo, QuietSettersNeitherRepaintNorReportThePlainOnesDo)
{
    Fill(3);
    m_combo.setElementCheckedWithIndexQuiet(2);
    m_combo.setElementCheckedWithCaptionQuiet("item 1");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ("item 1", Text());
    EXPECT_EQ(1, m_combo.m_nCheckedIndex);
    m_combo.setElementCheckedWithIndex(5);
    EXPECT_EQ("paint 0 | cmd 0 7 list=0 key=-1", m_log.Joined());
    EXPECT_EQ("", Text());
    EXPECT_EQ(5, m_combo.m_nCheckedIndex);
    m_log.Clear();
    m_combo.setElementCheckedWithCaption("nothing like it");
    EXPECT_EQ("paint 0 | cmd 0 7 list=0 key=-1", m_log.Joined());
    EXPECT_EQ(-1, m_combo.m_nCheckedIndex);
    // A locked choice ignores the user, not the application.
    m_combo.m_bLockChoice = 1;
    m_log.Clear();
    Play(m_panel, "N0");
    m_log.Clear();
    Play(m_panel, "k40");
    EXPECT_EQ("", m_log.Joined());
    EXPECT_EQ(-1, m_combo.m_nCheckedIndex);
    m_combo.setElementCheckedWithIndex(0);
    EXPECT_EQ("item 0", Text());
}

// The wheel: down opens a closed list; open, it scrolls a long list one
// text each way; up with no row lit closes it.
TEST_F(Combo, TheWheelOpensScrollsAndCloses)
{
    Fill(50);
    Play(m_panel, "N0 w-120");
    ASSERT_TRUE(m_combo.isMenuListInDisplay());
    EXPECT_EQ(0, List().m_nFirstVisible);
    Play(m_panel, "w-120 w-120");
    EXPECT_EQ(2, List().m_nFirstVisible);
    EXPECT_EQ(154 * 2 / 50 + 15, List().m_nThumbTop);
    ClickRow(0);   // lights and chooses text 2
    EXPECT_EQ(2, m_combo.m_nCheckedIndex);
    Play(m_panel, "w-120");
    ASSERT_TRUE(m_combo.isMenuListInDisplay());
    Play(m_panel, "w120");   // nothing lit: closes
    EXPECT_FALSE(m_combo.isMenuListInDisplay());
}

// Fifty texts: ten rows and a scroll bar; its buttons, a jump on the
// track, a thumb drag, and a row click that counts from the first shown.
TEST_F(Combo, AFiftyTextListScrollsByButtonsTrackAndThumb)
{
    Fill(50);
    EXPECT_EQ(0, m_combo.addAnElement("the 51st"));
    m_combo.insertTheElementToFirst("first");
    EXPECT_EQ(50, m_combo.m_nElementCount);
    EXPECT_EQ("item 48", std::string(m_combo.GetElement(49)));
    Play(m_panel, "d 120,15");
    ASSERT_TRUE(m_combo.isMenuListInDisplay());
    const long W = 120, H = 184;
    EXPECT_EQ(CSize(W, H), List().m_rcWindow.Size());
    EXPECT_EQ(154 * 10 / 50, List().m_nThumbHeight);
    EXPECT_EQ(RGB(200, 200, 200), List().m_pBGDC->GetPixel(W - 10, 15));    // the thumb's top line
    EXPECT_EQ(RGB(252, 252, 252), List().m_pBGDC->GetPixel(W - 10, 120));   // the track
    ToList(WM_LBUTTONDOWN, W - 7, H - 5);   // the down button
    EXPECT_EQ(1, List().m_nFirstVisible);
    ToList(WM_LBUTTONDOWN, W - 7, 5);       // the up button
    EXPECT_EQ(0, List().m_nFirstVisible);
    ToList(WM_LBUTTONDOWN, W - 7, 100);     // the track: a jump
    EXPECT_EQ((100 - 15) * 50 / 154, List().m_nFirstVisible);
    EXPECT_EQ(100, List().m_nThumbTop);
    ToList(WM_LBUTTONDOWN, W - 7, 110);     // the thumb: a drag
    ToList(WM_MOUSEMOVE, W - 7, 400);
    ToList(WM_LBUTTONUP, W - 7, 400);
    EXPECT_EQ(40, List().m_nFirstVisible);   // the last ten
    EXPECT_EQ(H - 30 - 15, List().m_nThumbTop);
    EXPECT_TRUE(m_combo.isMenuListInDisplay());
    m_combo.setMenuListStartElementIndex(12);
    List().DrawMe();
    ClickRow(3);
    EXPECT_EQ(15, m_combo.m_nCheckedIndex);
    EXPECT_EQ("item 14", Text());
}

TEST_F(Combo, BadInputIsRefusedOrKeptWhole)
{
    const CString big('x', 10000);
    EXPECT_EQ(1, m_combo.addAnElement(big));
    EXPECT_EQ(0, m_combo.addAnElementUnique(big));
    EXPECT_EQ(1, m_combo.addAnElementUnique("b"));
    CString more[3] = { "c", "d", "e" };
    EXPECT_EQ(0, m_combo.addElements(3, more));   // not empty before
    EXPECT_EQ(5, m_combo.m_nElementCount);
    m_panel.DrawMe();
    Play(m_panel, "d 120,15");
    ClickRow(0);
    EXPECT_EQ(10000, m_combo.m_strText.GetLength());
    m_combo.popupMenuList();
    m_combo.clearElements();
    EXPECT_FALSE(m_combo.isMenuListInDisplay());
    EXPECT_EQ(-1, m_combo.m_nCheckedIndex);
    EXPECT_EQ(10000, m_combo.m_strText.GetLength());   // the text stays
    m_combo.popupMenuList();
    EXPECT_EQ(22, List().m_rcWindow.Height());   // an empty list
    Play(m_panel, "N0 k40");                      // keys with no texts: nothing
    EXPECT_EQ(-1, m_combo.m_nCheckedIndex);

    CWG_Combo bare(0);
    EXPECT_EQ(0, bare.Create(&m_panel, 10, 40, 80, 20));   // no menu at all
}

// The application's handler of code 7 destroys the combo: the list's click
// and the key path touch nothing of it afterwards.
TEST_F(Combo, AComboDestroyedByItsOwnReportIsLeftAlone)
{
    m_panel.m_pCombo = nullptr;
    for (int how = 0; how < 2; ++how)
    {
        CWG_Combo* p = new CWG_Combo;
        ASSERT_EQ(1, p->Create(&m_panel, 10, 60, 100, 20));
        p->addAnElement("a");
        p->addAnElement("b");
        m_panel.DrawMe();
        m_panel.m_pCombo = p;
        m_panel.m_bDeleteOnChoice = true;
        if (how == 0)
        {
            p->popupMenuList();
            CWG_ComboList* pList = p->m_pComboList;
            pList->SendMessage(WM_MOUSEMOVE, 0, XY(20, 10));
            // The list dies inside its own click: nothing of it may be used.
            pList->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(20, 10));
        }
        else
            Play(m_panel, Fmt("N%ld k40", p->m_nIndex).c_str());
        EXPECT_EQ(nullptr, m_panel.m_pCombo) << how;
        m_panel.m_bDeleteOnChoice = false;
    }
}

TEST_F(Combo, LooksAsDrawnWithItsListOpen)
{
    Fill(12);
    m_combo.setElementCheckedWithIndexQuiet(4);
    m_panel.DrawMe();
    Play(m_panel, "d 120,15");
    ToList(WM_MOUSEMOVE, 20, 2 * 18 + 10);
    EXPECT_TRUE(MatchesGolden(Capture(List().m_pBGDC->m_hDC, List().m_rcClient), "combo_list"));
}

} // namespace

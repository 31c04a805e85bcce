// The message box: its results by mouse and by key, the tick box, the
// pointer's hot button, event 1002, its size for short, long and broken
// text, and its looks.
#include "dlgtest.h"
#include "scriptedbox.h"

using namespace wgdlg;
using wgtest::ScriptedBox;

namespace {

const CPoint kTick(62, 45);   // in the tick box's zone

struct EventRecord
{
    LPARAM lParam;
    long nModalCount;
};
std::vector<EventRecord> g_events;

void CALLBACK RecordEvent(UINT nMsg, UINT wParam, LPARAM lParam)
{
    if (nMsg == 1002 && wParam == 0)
        g_events.push_back({ lParam, CVRK_WG::GetStyleCenter().GetCounOfDomodalDlg() });
}

class MsgBoxTest : public ::testing::Test
{
protected:
    const long m_nBase = CVRK_WG::GetStyleCenter().GetCounOfDomodalDlg();

    void SetUp() override
    {
        ParkCursor();
        g_events.clear();
        CVRK_WG::GetEventCenter().SetEventProc(RecordEvent);
    }
    void TearDown() override
    {
        CVRK_WG::GetEventCenter().SetEventProc(nullptr);
        EXPECT_EQ(m_nBase, CVRK_WG::GetStyleCenter().GetCounOfDomodalDlg());
        wgtest::Pump();
        AfxDeleteTempMaps();
    }
    // Runs a box (no parent: there is no main window) with fn in its loop;
    // a box that outlives fn is ended with an unlikely code, so the test
    // fails instead of hanging.
    int Run(long nType, const char* pszCheck, int bChecked, std::function<void(ScriptedBox&)> fn,
            const CString& strText = "Save the changes?")
    {
        ScriptedBox box;
        bool bRan = false;
        box.m_fnInLoop = [&](ScriptedBox& b) {
            if (bRan)
            {
                ADD_FAILURE() << "the box should have ended";
                b.EndDialog(99);
                return;
            }
            bRan = true;
            fn(b);
            b.PostMessage(ScriptedBox::WM_RUN_SCRIPT);   // behind any key fn posted
        };
        return box.DoModal(strText, "WG", nType, pszCheck, bChecked);
    }
};

TEST_F(MsgBoxTest, EveryButtonByMouseWithAndWithoutTheTick)
{
    for (int bChecked = 0; bChecked < 2; ++bChecked)
    {
        EXPECT_EQ(0 + 3 * bChecked, Run(0, "Again", bChecked, [](ScriptedBox& b) { b.Click(b.Button(0).x, 75); }));
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(n + 3 * bChecked, Run(1, "Again", bChecked, [n](ScriptedBox& b) {
                          b.Click(b.Button(n).x, b.Button(n).y);
                      })) << "button " << n;
    }
}

TEST_F(MsgBoxTest, EnterEscapeAndTheCloseButton)
{
    struct Case { long nType; int bChecked; UINT vk; int nResult; };
    const Case cases[] = { { 0, 0, VK_RETURN, 0 }, { 1, 0, VK_RETURN, 0 }, { 1, 1, VK_RETURN, 3 },
                           { 0, 0, VK_ESCAPE, 2 }, { 1, 1, VK_ESCAPE, 5 }, { 5, 0, VK_ESCAPE, 2 },
                           { 1, 0, 0, 2 }, { 1, 1, 0, 5 } };   // vk 0: the title bar's close button
    for (const Case& c : cases)
        EXPECT_EQ(c.nResult, Run(c.nType, "Again", c.bChecked, [&](ScriptedBox& b) {
                      if (c.vk)
                          b.PostMessage(WM_KEYDOWN, c.vk, 1);
                      else
                      {
                          CRect rc;
                          b.GetWindowRect(&rc);
                          b.SendMessage(WM_NCLBUTTONUP, HTCLOSE, wgtest::XY(rc.right - 21, rc.top + 14));
                      }
                  })) << "type " << c.nType << " vk " << c.vk << " checked " << c.bChecked;
}

TEST_F(MsgBoxTest, TheTickBoxTogglesWithoutClosingAndAdds3)
{
    EXPECT_EQ(4, Run(1, "Do not ask again", 0, [](ScriptedBox& b) {
                  b.Click(kTick.x, kTick.y);
                  EXPECT_EQ(1, b.m_bChecked);
                  EXPECT_EQ(1, b.m_bOverCheck);
                  // Leaving the tick box is all the first move out does.
                  b.Click(b.Button(1).x, b.Button(1).y);
                  EXPECT_TRUE(b.IsWindowVisible());
                  b.Click(b.Button(1).x, b.Button(1).y);
              }));
    EXPECT_EQ(1, Run(1, "Do not ask again", 0, [](ScriptedBox& b) {
                  b.Click(kTick.x, kTick.y);
                  b.Click(kTick.x, kTick.y);
                  EXPECT_TRUE(b.IsWindowVisible());
                  b.Move(kTick.x, 60);
                  b.Click(b.Button(1).x, b.Button(1).y);
              }));
    // Without a tick caption the zone is empty space: nothing happens.
    EXPECT_EQ(5, Run(1, "", 1, [](ScriptedBox& b) {
                  b.Click(kTick.x, kTick.y);
                  EXPECT_EQ(1, b.m_bChecked);
                  EXPECT_EQ(0, b.m_bOverCheck);
                  b.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
              }));
}

TEST_F(MsgBoxTest, TheHotButtonFollowsThePointerAndGapsKeepIt)
{
    EXPECT_EQ(0, Run(1, "", 0, [](ScriptedBox& b) {
                  const int o = b.m_nButtonOffset;
                  b.Move(o + 40, 70);
                  EXPECT_EQ(0, b.m_nHotButton);
                  b.Move(o + 79, 70);   // the gap before "否"
                  EXPECT_EQ(0, b.m_nHotButton);
                  EXPECT_EQ(0, b.m_nResult);
                  b.Move(o + 81, 66);   // the first pixels of "否"
                  EXPECT_EQ(1, b.m_nHotButton);
                  b.Move(o + 81, 84);   // below the band
                  EXPECT_EQ(-1, b.m_nHotButton);
                  EXPECT_EQ(-1, b.m_nResult);
                  b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, wgtest::XY(o + 81, 84));
                  EXPECT_TRUE(b.IsWindowVisible());   // a click on nothing
                  b.Move(o + 40, 80);
                  b.Move(o + 79, 80);
                  b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, wgtest::XY(o + 79, 80));
              }));
}

TEST_F(MsgBoxTest, Event1002ComesAfterTheBoxLeftTheModalStack)
{
    ScriptedBox box;
    long nInLoop = -1;
    box.m_fnInLoop = [&](ScriptedBox& b) {
        nInLoop = CVRK_WG::GetStyleCenter().GetCounOfDomodalDlg() - m_nBase;
        b.PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    };
    EXPECT_EQ(0, box.DoModal("Done.", "WG", 0, "", 0));
    EXPECT_EQ(1, nInLoop);
    ASSERT_EQ(1u, g_events.size());
    EXPECT_EQ((LPARAM)&box, g_events[0].lParam);
    EXPECT_EQ(m_nBase, g_events[0].nModalCount);
}

TEST_F(MsgBoxTest, SizeForEmptyLongAndBrokenText)
{
    CRect rcEmpty, rcLong, rcBroken, rcWhole;
    long nOffset = -1;
    Run(1, "", 0, [&](ScriptedBox& b) { rcEmpty = b.Client(); nOffset = b.m_nButtonOffset; b.OnOK(); }, "");
    EXPECT_EQ(CRect(0, 0, 240, 126), rcEmpty);
    EXPECT_EQ(0, nOffset);

    // Wider than the screen: as wide as the work area, buttons centred.
    const CRect rcWork = WorkArea();
    Run(1, "", 0, [&](ScriptedBox& b) { rcLong = b.Client(); nOffset = b.m_nButtonOffset; b.OnOK(); },
        CString('W', 10000));
    EXPECT_EQ(CRect(0, 0, rcWork.Width() - 8, 126), rcLong);
    EXPECT_EQ((rcLong.Width() - 240) / 2, nOffset);

    // A lead byte without its trail byte is dropped: the box is the one
    // for the whole characters, pixel for pixel.
    wgtest::Image imgBroken, imgWhole;
    auto shoot = [](CRect& rc, wgtest::Image& img) {
        return [&](ScriptedBox& b) {
            rc = b.Client();
            img = wgtest::Capture(b.m_pBGDC, b.m_bmpBG, rc);
            b.OnOK();
        };
    };
    const CString strWhole = CString("\xC8\xB7\xB6\xA8 ") + CString('W', 30);
    Run(1, "Again \xB7", 0, shoot(rcBroken, imgBroken), strWhole + "\xC8");
    Run(1, "Again ", 0, shoot(rcWhole, imgWhole), strWhole);
    EXPECT_EQ(rcWhole, rcBroken);
    EXPECT_TRUE(imgWhole.bits == imgBroken.bits);
}

TEST_F(MsgBoxTest, Looks)
{
    // One button under the pointer; three with the tick box ticked and
    // the middle one under the pointer.
    wgtest::Image one, three;
    auto shoot = [](wgtest::Image& img, int nHot) {
        return [&img, nHot](ScriptedBox& b) {
            b.Move(b.Button(nHot).x, b.Button(nHot).y);
            CRect rc;
            b.GetWindowRect(&rc);
            img = FrameImage(b, CRect(0, 0, rc.Width(), rc.Height()));
            b.OnCancel();
        };
    };
    Run(0, "", 0, shoot(one, 0), "The file was saved.");
    Run(1, "Do not ask again", 1, shoot(three, 1), "Replace the file?");
    ASSERT_EQ(one.w, three.w);
    EXPECT_TRUE(wgtest::MatchesGolden(Stack(one, three), "msgbox"));
}

} // namespace

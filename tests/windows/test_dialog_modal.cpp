// The skinned dialog's modal run: the modal-dialog stack, event 1002, Enter
// and Escape through the panel, nested dialogs and the destroy callback.
#include "dlgtest.h"
#include <vector>

using namespace wgdlg;

namespace {

struct EventRecord
{
    UINT nMsg;
    UINT wParam;
    LPARAM lParam;
    long nModalCount;   // the stack's size when the event arrived
};
std::vector<EventRecord> g_events;

void CALLBACK RecordEvent(UINT nMsg, UINT wParam, LPARAM lParam)
{
    g_events.push_back({ nMsg, wParam, lParam, CVRK_WG::GetStyleCenter().GetCounOfDomodalDlg() });
}

std::vector<LPARAM> g_destroyed;
void CALLBACK RecordDestroy(LPARAM nParam) { g_destroyed.push_back(nParam); }

class ModalTest : public ::testing::Test
{
protected:
    Log m_log;
    wgtest::Probe m_probe;
    TestPanel m_panel;
    CWGStyleCenter& m_sc = CVRK_WG::GetStyleCenter();

    void SetUp() override
    {
        ParkCursor();
        g_events.clear();
        m_panel.m_pLog = &m_log;
        m_probe.m_pLog = &m_log;
        CVRK_WG::GetEventCenter().SetEventProc(RecordEvent);
    }
    void TearDown() override
    {
        CVRK_WG::GetEventCenter().SetEventProc(nullptr);
        wgtest::Pump();
        AfxDeleteTempMaps();
    }
    void Prepare(TestDialog& d, const char* pszName, bool bPanel = true)
    {
        d.m_pLog = &m_log;
        d.m_strName = pszName;
        d.m_rcWindow = CRect(600, 400, 900, 600);
        if (bPanel)
            d.m_pPanel = &m_panel;
    }
    // Posts a key to the panel and the next script step behind it.
    static void PostKeyThenStep(TestDialog& d, HWND hTarget, UINT vk)
    {
        ::PostMessageA(hTarget, WM_KEYDOWN, vk, 0x00000001);
        d.PostMessage(TestDialog::WM_RUN_SCRIPT);
    }
};

TEST_F(ModalTest, RunsOnTheModalStackAndAnnouncesItsEndWith1002)
{
    TestDialog dlg;
    Prepare(dlg, "A");
    const long nBase = m_sc.GetCounOfDomodalDlg();
    long nInLoop = -1;
    CDialog* pTop = nullptr;
    BOOL bVisible = FALSE;
    dlg.m_fnInLoop = [&](TestDialog& d) {
        nInLoop = m_sc.GetCounOfDomodalDlg() - nBase;
        pTop = m_sc.GetModalDialog(m_sc.GetCounOfDomodalDlg() - 1);
        bVisible = d.IsWindowVisible();
        EXPECT_TRUE(g_events.empty());
        d.EndDialog(7);
    };
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_EQ(1, nInLoop);
    EXPECT_EQ(&dlg, pTop);
    EXPECT_TRUE(bVisible);
    EXPECT_EQ(nBase, m_sc.GetCounOfDomodalDlg());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    ASSERT_EQ(1u, g_events.size());
    EXPECT_EQ(1002u, g_events[0].nMsg);
    EXPECT_EQ(0u, g_events[0].wParam);
    EXPECT_EQ((LPARAM)&dlg, g_events[0].lParam);   // the whole pointer, on 64 bits too
    EXPECT_EQ(nBase, g_events[0].nModalCount);      // off the stack before the event
}

TEST_F(ModalTest, EnterAndEscapeGoThroughThePanel)
{
    TestDialog dlg;
    Prepare(dlg, "A");
    int nStep = 0;
    dlg.m_fnInLoop = [&](TestDialog& d) {
        HWND hPanel = m_panel.m_hWnd;
        switch (nStep++)
        {
        case 0:   // the panel has the focus, so keys start there
            EXPECT_EQ(hPanel, ::GetFocus());
            m_probe.Create(&m_panel, 10, 10, 50, 20);
            m_panel.SetNowWG(0);
            m_log.Clear();
            m_panel.m_nOKResult = 0;
            PostKeyThenStep(d, hPanel, VK_RETURN);
            break;
        case 1:
            m_log.Add("--");
            m_panel.m_nOKResult = 1;
            PostKeyThenStep(d, hPanel, VK_RETURN);
            break;
        case 2:
            m_log.Add("--");
            m_panel.m_nCancelResult = 1;
            PostKeyThenStep(d, hPanel, VK_ESCAPE);
            break;
        case 3:
            m_log.Add("--");
            m_panel.m_nCancelResult = 0;
            m_panel.m_nPreClose = 0;
            PostKeyThenStep(d, hPanel, VK_ESCAPE);
            break;
        case 4:
            m_log.Add("--");
            EXPECT_TRUE(d.IsWindowVisible());
            m_panel.m_nPreClose = 1;
            PostKeyThenStep(d, hPanel, VK_ESCAPE);
            break;
        default:
            ADD_FAILURE() << "the dialog should have ended";
            d.EndDialog(99);
        }
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("panel ok | 0:char 13 | -- | panel ok | -- | panel cancel | -- | panel cancel | preclose 0 | -- | "
              "panel cancel | preclose 1 | 0:lose | hide A",
              m_log.Joined());
}

// A panel whose push button ends its dialog.
class EndOnPressPanel : public TestPanel
{
public:
    CWG_Button m_btn;
    virtual void OnWGCommand(long nIndex, long nCode)
    {
        TestPanel::OnWGCommand(nIndex, nCode);
        if (nIndex == m_btn.m_nIndex && nCode == 5 && m_pDialog)
            m_pDialog->EndDialog(IDOK);
    }
};

// The user moves onto a push button in a modal dialog and clicks it; the
// panel's command handler ends the dialog.
TEST_F(ModalTest, AButtonPressInTheDialogEndsItsModalRun)
{
    EndOnPressPanel panel;
    panel.m_pLog = &m_log;
    TestDialog dlg;
    Prepare(dlg, "A", false);
    dlg.m_pPanel = &panel;
    const long nBase = m_sc.GetCounOfDomodalDlg();
    int nStep = 0;
    dlg.m_fnInLoop = [&](TestDialog& d) {
        if (nStep++ == 0)
        {
            panel.m_btn.Create(&panel, "OK", 20, 20, 90, 19, FALSE);
            panel.DrawMe();
            m_log.Clear();
            panel.PostMessage(WM_MOUSEMOVE, 0, wgtest::XY(30, 25));
            panel.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, wgtest::XY(30, 25));
            d.PostMessage(TestDialog::WM_RUN_SCRIPT);
        }
        else
        {
            ADD_FAILURE() << "the press did not end the dialog";
            d.EndDialog(99);
        }
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("cmd 0 5 | hide A", m_log.Joined());
    EXPECT_EQ(nBase, m_sc.GetCounOfDomodalDlg());
    ASSERT_EQ(1u, g_events.size());
    EXPECT_EQ((LPARAM)&dlg, g_events[0].lParam);
}

TEST_F(ModalTest, WithoutAPanelOkAndCancelEndTheDialog)
{
    {
        TestDialog dlg;
        Prepare(dlg, "A", false);
        dlg.m_fnInLoop = [](TestDialog& d) { d.OnOK(); };
        EXPECT_EQ(IDOK, dlg.DoModal());
    }
    {
        // Escape on the dialog itself reaches OnCancel through the dialog manager.
        TestDialog dlg;
        Prepare(dlg, "B", false);
        int nStep = 0;
        dlg.m_fnInLoop = [&](TestDialog& d) {
            if (nStep++ == 0)
            {
                d.SetFocus();
                PostKeyThenStep(d, d.m_hWnd, VK_ESCAPE);
            }
            else
            {
                ADD_FAILURE() << "Escape did not end the dialog";
                d.EndDialog(99);
            }
        };
        EXPECT_EQ(IDCANCEL, dlg.DoModal());
    }
}

TEST_F(ModalTest, CloseButtonEndsAModalRunWithCancelOnceThePanelAgrees)
{
    TestDialog dlg;
    Prepare(dlg, "A");
    int nStep = 0;
    dlg.m_fnInLoop = [&](TestDialog& d) {
        if (nStep++ == 0)
        {
            m_log.Clear();
            m_panel.m_nPreClose = 0;
            d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
            EXPECT_TRUE(d.IsWindowVisible());
            m_panel.m_nPreClose = 1;
            d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
            d.PostMessage(TestDialog::WM_RUN_SCRIPT);
        }
        else
        {
            ADD_FAILURE() << "the close button did not end the dialog";
            d.EndDialog(99);
        }
    };
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("preclose 0 | preclose 1 | hide A", m_log.Joined());
}

TEST_F(ModalTest, ClosingAfterTheFirstEndsNestedDialogsNewestFirst)
{
    TestDialog a, b, c;
    Prepare(a, "A", false);
    Prepare(b, "B", false);
    Prepare(c, "C", false);
    const long nBase = m_sc.GetCounOfDomodalDlg();
    INT_PTR nB = 0, nC = 0;
    long nAfter = -1;
    a.m_fnInLoop = [&](TestDialog& d) {
        nB = b.DoModal();
        nAfter = m_sc.GetCounOfDomodalDlg() - nBase;
        d.EndDialog(5);
    };
    b.m_fnInLoop = [&](TestDialog&) { nC = c.DoModal(); };
    c.m_fnInLoop = [&](TestDialog&) {
        EXPECT_EQ(3, m_sc.GetCounOfDomodalDlg() - nBase);
        EXPECT_EQ(1, m_sc.CloseDialogAfterTheDialog(&a));
        // Each dialog leaves the stack only when its own loop has ended.
        EXPECT_EQ(3, m_sc.GetCounOfDomodalDlg() - nBase);
    };
    EXPECT_EQ(5, a.DoModal());
    EXPECT_EQ(IDCANCEL, nB);
    EXPECT_EQ(IDCANCEL, nC);
    EXPECT_EQ(1, nAfter);
    EXPECT_EQ("hide C | hide B | hide A", m_log.Joined());
    ASSERT_EQ(3u, g_events.size());
    EXPECT_EQ((LPARAM)&c, g_events[0].lParam);
    EXPECT_EQ((LPARAM)&b, g_events[1].lParam);
    EXPECT_EQ((LPARAM)&a, g_events[2].lParam);
    EXPECT_EQ(nBase, m_sc.GetCounOfDomodalDlg());
}

TEST_F(ModalTest, TheRunningDialogIsTheMainWindowAndTheParentOfNewDialogs)
{
    CWinApp app;
    CWnd* pOldMain = reinterpret_cast<CWnd*>(&m_panel);   // any marker object
    app.m_pMainWnd = pOldMain;
    wgtest::HostWindow host;   // hidden: it must not cover other tests' frames
    ASSERT_TRUE(host.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    TestDialog dlg(&host);
    Prepare(dlg, "A", false);
    CWnd* pMainInLoop = nullptr;
    CWnd* pChildParent = nullptr;
    dlg.m_fnInLoop = [&](TestDialog& d) {
        pMainInLoop = AfxGetMainWnd();
        TestDialog inner;
        pChildParent = inner.m_pParentWnd;
        d.EndDialog(3);
    };
    EXPECT_EQ(3, dlg.DoModal());
    EXPECT_EQ(&dlg, pMainInLoop);
    EXPECT_EQ(&dlg, pChildParent);
    EXPECT_EQ(pOldMain, app.m_pMainWnd);
    app.m_pMainWnd = nullptr;
}

TEST_F(ModalTest, APanelThatCannotBeCreatedFailsTheDialog)
{
    // A panel whose window already exists cannot be created again.
    wgtest::HostWindow host;
    ASSERT_TRUE(host.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "host", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_TRUE(m_panel.Create(&host));
    const long nBase = m_sc.GetCounOfDomodalDlg();
    {
        TestDialog dlg;
        Prepare(dlg, "A");
        EXPECT_EQ(-1, dlg.DoModal());
        EXPECT_EQ(nullptr, dlg.m_hWnd);
        EXPECT_EQ(nBase, m_sc.GetCounOfDomodalDlg());
        ASSERT_EQ(1u, g_events.size());
        EXPECT_EQ((LPARAM)&dlg, g_events[0].lParam);
    }
    {
        TestDialog dlg;
        Prepare(dlg, "B");
        EXPECT_EQ(0, dlg.Create(nullptr));
        EXPECT_EQ(nullptr, dlg.m_hWnd);
    }
    m_panel.DestroyWindow();
}

TEST_F(ModalTest, DestructorCallsTheDestroyProcWithItsParameter)
{
    g_destroyed.clear();
    int nMarker = 0;
    {
        TestDialog dlg;
        dlg.m_nDestroyParam = (LPARAM)&nMarker;
        dlg.m_pfnDestroyProc = RecordDestroy;
        Prepare(dlg, "A", false);
        ASSERT_EQ(1, dlg.Create(nullptr));
        EXPECT_TRUE(g_destroyed.empty());
    }
    {
        TestDialog dlg;   // no callback: nothing is called
    }
    ASSERT_EQ(1u, g_destroyed.size());
    EXPECT_EQ((LPARAM)&nMarker, g_destroyed[0]);
}

// The usual shape of an application's dialog: the panel is a member.
class OwningDialog : public CVRK_DIALOG
{
public:
    TestPanel m_ownPanel;
    OwningDialog()
    {
        m_pPanel = &m_ownPanel;
        m_rcWindow = CRect(600, 400, 900, 600);
    }
};

TEST_F(ModalTest, DestroyingAnOpenModelessDialogTakesItsWindowAndPanelAlong)
{
    HWND hDlg = nullptr, hPanel = nullptr;
    {
        OwningDialog dlg;
        ASSERT_EQ(1, dlg.Create(nullptr));
        wgtest::Pump();
        hDlg = dlg.m_hWnd;
        hPanel = dlg.m_ownPanel.m_hWnd;
        EXPECT_TRUE(::IsWindowVisible(hDlg));
        EXPECT_EQ(hDlg, ::GetParent(hPanel));
    }
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_FALSE(::IsWindow(hPanel));
}

TEST_F(ModalTest, ADialogGivesBackEveryGdiObjectAndDeviceContext)
{
    wgtest::Pump();
    AfxDeleteTempMaps();
    const LONG nObjects = AfxGetLiveGdiObjectCount(), nDCs = AfxGetLiveDCCount();
    for (int i = 0; i < 3; ++i)
    {
        TestPanel panel;   // a panel owns its back buffer until it goes
        TestDialog dlg;
        Prepare(dlg, "A", false);
        dlg.m_pPanel = &panel;
        dlg.m_pTemplate->style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
        dlg.m_fnInLoop = [](TestDialog& d) {
            d.SetWindowTitle("painted");
            d.SendMessage(WM_NCHITTEST, 0, wgtest::XY(880, 410));
            d.SendMessage(WM_NCACTIVATE, FALSE, 0);
            d.SendMessage(WM_NCLBUTTONUP, HTMAXBUTTON, 0);
            d.EndDialog(IDOK);
        };
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_TRUE(dlg.m_bSkinLoaded);
    }
    AfxDeleteTempMaps();
    EXPECT_EQ(nObjects, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(nDCs, AfxGetLiveDCCount());
}

TEST_F(ModalTest, TitleAndResourceCallsOnAMissingWindowDoNothing)
{
    TestDialog dlg;
    dlg.SetWindowTitle("no window yet");
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(0, dlg.Create(4711u, nullptr));          // no such dialog resource
    EXPECT_EQ(0, dlg.Create("NO_SUCH_DIALOG", nullptr));
    EXPECT_EQ(0, dlg.Create((const char*)nullptr, nullptr));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

} // namespace

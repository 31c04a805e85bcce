// The skinned dialog's modal run: the modal-dialog stack, event 1002, Enter
// and Escape through the panel, nested dialogs, lifetime and the destroy
// callback.
#include "dlgtest.h"
#include <memory>

using namespace wgdlg;

namespace {

// An event, and the modal stack's size when it arrived.
struct EventRecord { UINT nMsg; UINT wParam; LPARAM lParam; long nModalCount; };
std::vector<EventRecord> g_events;

void CALLBACK RecordEvent(UINT nMsg, UINT wParam, LPARAM lParam)
{
    g_events.push_back({ nMsg, wParam, lParam, CVRK_WG::GetStyleCenter().GetCounOfDomodalDlg() });
}

typedef std::function<void(TestDialog&)> Step;

// Runs one step per script message inside the modal loop; a step that does
// not end the dialog posts the next run. Running out of steps means the
// dialog should have ended.
void Script(TestDialog& dlg, std::vector<Step> steps)
{
    auto pNext = std::make_shared<size_t>(0);
    dlg.m_fnInLoop = [pNext, steps](TestDialog& d) {
        if (*pNext < steps.size())
            return steps[(*pNext)++](d);
        ADD_FAILURE() << "the dialog should have ended";
        d.EndDialog(99);
    };
}

// Posts a key to hTarget and the next script run behind it.
void PostKeyThenStep(TestDialog& d, HWND hTarget, UINT vk)
{
    ::PostMessageA(hTarget, WM_KEYDOWN, vk, 0x00000001);
    d.PostMessage(TestDialog::WM_RUN_SCRIPT);
}

class ModalTest : public ::testing::Test
{
protected:
    Log m_log;
    wgtest::Probe m_probe;
    TestPanel m_panel;
    CWGStyleCenter& m_sc = CVRK_WG::GetStyleCenter();
    const long m_nBase = m_sc.GetCounOfDomodalDlg();

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
        EXPECT_EQ(m_nBase, m_sc.GetCounOfDomodalDlg());
        wgtest::Pump();
        AfxDeleteTempMaps();
    }
    void Prepare(TestDialog& d, const char* pszName, CVRK_WGPANEL* pPanel = nullptr)
    {
        d.m_pLog = &m_log;
        d.m_strName = pszName;
        d.m_rcWindow = CRect(600, 400, 900, 600);
        d.m_pPanel = pPanel;
    }
    // The dialogs that event 1002 announced, in order.
    std::vector<LPARAM> Announced()
    {
        std::vector<LPARAM> v;
        for (const auto& e : g_events)
            if (e.nMsg == 1002 && e.wParam == 0)
                v.push_back(e.lParam);
        return v;
    }
};

TEST_F(ModalTest, RunsOnTheModalStackAndAnnouncesItsEndWith1002)
{
    TestDialog dlg;
    Prepare(dlg, "A", &m_panel);
    long nInLoop = -1;
    CDialog* pTop = nullptr;
    BOOL bVisible = FALSE;
    dlg.m_fnInLoop = [&](TestDialog& d) {
        nInLoop = m_sc.GetCounOfDomodalDlg() - m_nBase;
        pTop = m_sc.GetModalDialog(m_sc.GetCounOfDomodalDlg() - 1);
        bVisible = d.IsWindowVisible();
        EXPECT_TRUE(g_events.empty());
        d.EndDialog(7);
    };
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_EQ(1, nInLoop);
    EXPECT_EQ(&dlg, pTop);
    EXPECT_TRUE(bVisible);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    ASSERT_EQ(1u, g_events.size());
    EXPECT_EQ(std::vector<LPARAM>{ (LPARAM)&dlg }, Announced());   // the whole pointer, on 64 bits too
    EXPECT_EQ(m_nBase, g_events[0].nModalCount);                  // off the stack before the event
}

TEST_F(ModalTest, EnterAndEscapeGoThroughThePanel)
{
    TestDialog dlg;
    Prepare(dlg, "A", &m_panel);
    auto key = [&](UINT vk, int nOK, int nCancel, int nPreClose) {
        return [=](TestDialog& d) {
            m_log.Add("--");
            m_panel.m_nOKResult = nOK;
            m_panel.m_nCancelResult = nCancel;
            m_panel.m_nPreClose = nPreClose;
            PostKeyThenStep(d, m_panel.m_hWnd, vk);
        };
    };
    Script(dlg, { [&](TestDialog& d) {
                     EXPECT_EQ(m_panel.m_hWnd, ::GetFocus());   // keys start at the panel
                     m_probe.Create(&m_panel, 10, 10, 50, 20);
                     m_panel.SetNowWG(0);
                     m_log.Clear();
                     d.PostMessage(TestDialog::WM_RUN_SCRIPT);
                 },
                  key(VK_RETURN, 0, 0, 1), key(VK_RETURN, 1, 0, 1), key(VK_ESCAPE, 0, 1, 1),
                  key(VK_ESCAPE, 0, 0, 0), key(VK_ESCAPE, 0, 0, 1) });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("-- | panel ok | 0:char 13 | -- | panel ok | -- | panel cancel | -- | panel cancel | preclose 0 | "
              "-- | panel cancel | preclose 1 | 0:lose | hide A",
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
    Prepare(dlg, "A", &panel);
    Script(dlg, { [&](TestDialog& d) {
        panel.m_btn.Create(&panel, "OK", 20, 20, 90, 19, FALSE);
        panel.DrawMe();
        m_log.Clear();
        panel.PostMessage(WM_MOUSEMOVE, 0, wgtest::XY(30, 25));
        panel.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, wgtest::XY(30, 25));
        d.PostMessage(TestDialog::WM_RUN_SCRIPT);
    } });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("cmd 0 5 | hide A", m_log.Joined());
    EXPECT_EQ(std::vector<LPARAM>{ (LPARAM)&dlg }, Announced());
}

TEST_F(ModalTest, WithoutAPanelOkAndEscapeEndTheDialog)
{
    TestDialog a, b;
    Prepare(a, "A");
    a.m_fnInLoop = [](TestDialog& d) { d.OnOK(); };
    EXPECT_EQ(IDOK, a.DoModal());
    // Escape on the dialog itself reaches OnCancel through the dialog manager.
    Prepare(b, "B");
    Script(b, { [](TestDialog& d) {
        d.SetFocus();
        PostKeyThenStep(d, d.m_hWnd, VK_ESCAPE);
    } });
    EXPECT_EQ(IDCANCEL, b.DoModal());
}

TEST_F(ModalTest, CloseButtonEndsAModalRunWithCancelOnceThePanelAgrees)
{
    TestDialog dlg;
    Prepare(dlg, "A", &m_panel);
    Script(dlg, { [&](TestDialog& d) {
        m_log.Clear();
        m_panel.m_nPreClose = 0;
        d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
        EXPECT_TRUE(d.IsWindowVisible());
        m_panel.m_nPreClose = 1;
        d.SendMessage(WM_NCLBUTTONUP, HTCLOSE, 0);
        d.PostMessage(TestDialog::WM_RUN_SCRIPT);
    } });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("preclose 0 | preclose 1 | hide A", m_log.Joined());
}

TEST_F(ModalTest, ClosingAfterTheFirstEndsNestedDialogsNewestFirst)
{
    TestDialog a, b, c;
    Prepare(a, "A");
    Prepare(b, "B");
    Prepare(c, "C");
    INT_PTR nB = 0, nC = 0;
    long nAfter = -1;
    a.m_fnInLoop = [&](TestDialog& d) {
        nB = b.DoModal();
        nAfter = m_sc.GetCounOfDomodalDlg() - m_nBase;
        d.EndDialog(5);
    };
    b.m_fnInLoop = [&](TestDialog&) { nC = c.DoModal(); };
    c.m_fnInLoop = [&](TestDialog&) {
        EXPECT_EQ(1, m_sc.CloseDialogAfterTheDialog(&a));
        // Each dialog leaves the stack only when its own loop has ended.
        EXPECT_EQ(3, m_sc.GetCounOfDomodalDlg() - m_nBase);
    };
    EXPECT_EQ(5, a.DoModal());
    EXPECT_EQ("2 2 1", Fmt("%d %d %ld", (int)nB, (int)nC, nAfter));
    EXPECT_EQ("hide C | hide B | hide A", m_log.Joined());
    EXPECT_EQ((std::vector<LPARAM>{ (LPARAM)&c, (LPARAM)&b, (LPARAM)&a }), Announced());
}

TEST_F(ModalTest, TheRunningDialogIsTheMainWindowAndTheParentOfNewDialogs)
{
    CWinApp app;
    CWnd* pOldMain = reinterpret_cast<CWnd*>(&m_panel);   // any marker object
    app.m_pMainWnd = pOldMain;
    wgtest::HostWindow host;   // hidden: it must not cover other tests' frames
    ASSERT_TRUE(host.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    TestDialog dlg(&host);
    Prepare(dlg, "A");
    CWnd* pMainInLoop = nullptr;
    CWnd* pChildParent = nullptr;
    dlg.m_fnInLoop = [&](TestDialog& d) {
        pMainInLoop = AfxGetMainWnd();
        pChildParent = TestDialog().m_pParentWnd;
        d.EndDialog(3);
    };
    EXPECT_EQ(3, dlg.DoModal());
    EXPECT_EQ(&dlg, pMainInLoop);
    EXPECT_EQ(&dlg, pChildParent);
    EXPECT_EQ(pOldMain, app.m_pMainWnd);
    EXPECT_EQ(nullptr, app.m_pActiveWnd);
    MSG msg;   // the dialog's end is not the application's
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    app.m_pMainWnd = nullptr;
}

TEST_F(ModalTest, APanelOrResourceThatCannotBeCreatedFailsTheDialog)
{
    // A panel whose window already exists cannot be created again.
    wgtest::HostWindow host;
    ASSERT_TRUE(host.CreateEx(0, AFX_WNDFRAMEORVIEW_CLASS, "host", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    ASSERT_TRUE(m_panel.Create(&host));
    TestDialog a, b;   // modal, modeless
    Prepare(a, "A", &m_panel);
    EXPECT_EQ(-1, a.DoModal());
    EXPECT_EQ(nullptr, a.m_hWnd);
    EXPECT_EQ(std::vector<LPARAM>{ (LPARAM)&a }, Announced());
    Prepare(b, "B", &m_panel);
    EXPECT_EQ(0, b.Create(nullptr));
    EXPECT_EQ(nullptr, b.m_hWnd);
    m_panel.DestroyWindow();
    // Nor can a dialog resource that does not exist; a title set before
    // there is a window changes nothing.
    TestDialog c;
    c.SetWindowTitle("no window yet");
    EXPECT_EQ(0, c.Create(4711u, nullptr));
    EXPECT_EQ(0, c.Create("NO_SUCH_DIALOG", nullptr));
    EXPECT_EQ(0, c.Create((const char*)nullptr, nullptr));
    EXPECT_EQ(nullptr, c.m_hWnd);
}

std::vector<LPARAM> g_destroyed;
void CALLBACK RecordDestroy(LPARAM nParam) { g_destroyed.push_back(nParam); }

// The usual shape of an application's dialog: the panel is a member.
class OwningDialog : public TestDialog
{
public:
    TestPanel m_ownPanel;
    OwningDialog()
    {
        m_pPanel = &m_ownPanel;
        m_rcWindow = CRect(600, 400, 900, 600);
    }
};

TEST_F(ModalTest, DestroyingAnOpenDialogTakesItsWindowAndPanelAlongAndCallsTheDestroyProc)
{
    g_destroyed.clear();
    HWND hDlg = nullptr, hPanel = nullptr;
    {
        OwningDialog dlg;
        dlg.m_nDestroyParam = (LPARAM)&hDlg;
        dlg.m_pfnDestroyProc = RecordDestroy;
        ASSERT_EQ(1, dlg.Create(nullptr));
        wgtest::Pump();
        hDlg = dlg.m_hWnd;
        hPanel = dlg.m_ownPanel.m_hWnd;
        EXPECT_EQ(hDlg, ::GetParent(hPanel));
        EXPECT_TRUE(g_destroyed.empty());
    }
    { TestDialog none; }   // no callback: nothing is called
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_FALSE(::IsWindow(hPanel));
    EXPECT_EQ(std::vector<LPARAM>{ (LPARAM)&hDlg }, g_destroyed);
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
        Prepare(dlg, "A", &panel);
        dlg.m_pTemplate->style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
        dlg.m_fnInLoop = [](TestDialog& d) {
            d.SetWindowTitle("painted");
            d.SendMessage(WM_NCHITTEST, 0, wgtest::XY(880, 410));
            d.SendMessage(WM_NCACTIVATE, FALSE, 0);
            d.SendMessage(WM_NCLBUTTONUP, HTMAXBUTTON, 0);
            d.EndDialog(IDOK);
        };
        EXPECT_EQ(IDOK, dlg.DoModal());
    }
    AfxDeleteTempMaps();
    EXPECT_EQ(nObjects, AfxGetLiveGdiObjectCount());
    EXPECT_EQ(nDCs, AfxGetLiveDCCount());
}

} // namespace

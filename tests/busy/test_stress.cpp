// The progress bar's thread mode under load. Bars tick on their own worker
// threads and paint under their panel's lock while the interface thread
// repaints, resizes, runs modal message boxes, opens menus and tips, and
// destroys and re-creates panels (WG_BUSY_STRESS_SECONDS long, 10 s by
// default). After each paint a bar's pixels in the panel must be exactly
// the picture of the state it painted; no destroyed bar or panel may be
// called or written; a watchdog fails the program if the interface thread
// stops moving (a deadlock) instead of letting it hang.
#include "golden.h"
#include "deadtrap.h"
#include "scriptedbox.h"
#include <memory>
#include <random>

using namespace wgtest;

namespace {

// Records, under the panel's lock, the state each paint drew.
class StressBar : public CWG_ProgressBar
{
public:
    using CWG_ProgressBar::KillTimer;
    long m_nPaintedShown = -1, m_nPaintedShine = 0, m_nPaintedTarget = 0;
    DWORD m_nSlowMs = 0;   // a paint on the worker lasts this much longer
    const DWORD m_nUiThread = ::GetCurrentThreadId();
    virtual void CreateMyBGDC(CDC* pDC)
    {
        CWG_ProgressBar::CreateMyBGDC(pDC);
        m_nPaintedShown = m_nShown;
        m_nPaintedShine = m_nShineX;
        m_nPaintedTarget = m_nProgress;
        if (m_nSlowMs && ::GetCurrentThreadId() != m_nUiThread)
            ::Sleep(m_nSlowMs);
    }
};

// The interface thread's heartbeat; the watchdog ends the program when it
// stops for nLimitMs.
class Watchdog
{
public:
    volatile LONG m_nBeat = 0;
    explicit Watchdog(DWORD nLimitMs) : m_nLimit(nLimitMs)
    {
        m_hStop = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_hThread = ::CreateThread(nullptr, 0, Watch, this, 0, nullptr);
    }
    ~Watchdog()
    {
        ::SetEvent(m_hStop);
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
        ::CloseHandle(m_hStop);
    }
    void Beat(const char* pszWhat) { m_pszWhat = pszWhat; ::InterlockedIncrement(&m_nBeat); }

private:
    static DWORD WINAPI Watch(void* p)
    {
        Watchdog* w = static_cast<Watchdog*>(p);
        LONG nLast = -1;
        while (::WaitForSingleObject(w->m_hStop, w->m_nLimit) == WAIT_TIMEOUT)
        {
            if (w->m_nBeat == nLast)
            {
                printf("watchdog: the interface thread has not moved for %lu ms, last at: %s\n",
                       (unsigned long)w->m_nLimit, w->m_pszWhat);
                fflush(stdout);
                ::TerminateProcess(::GetCurrentProcess(), 3);
            }
            nLast = w->m_nBeat;
        }
        return 0;
    }
    DWORD m_nLimit;
    const char* volatile m_pszWhat = "start";
    HANDLE m_hStop, m_hThread;
};

// Waits (pumping) until fnDone holds; false after nLimitMs.
template <class F>
bool PumpUntil(F fnDone, DWORD nLimitMs = 10000)
{
    const DWORD t0 = ::GetTickCount();
    while (!fnDone())
    {
        if (::GetTickCount() - t0 > nLimitMs)
            return false;
        Pump();
        ::Sleep(1);
    }
    return true;
}

class Stress : public SharedHostTest
{
protected:
    enum { PANELS = 5, BARS = 10, BAR_W = 150 };
    struct Slot
    {
        RecordingPanel* pPanel = nullptr;
        StressBar* pBars[BARS] = {};
    };
    Slot m_slots[PANELS];
    Graveyard m_graves;
    std::mt19937 m_rng{ 17 };
    CWG_ProgressBar m_ref;   // draws a state for comparison
    long m_nChecked = 0;
    LONG m_nTicksOfDead = 0;

    int U(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    void Open(Slot& s, int i)
    {
        s.pPanel = new RecordingPanel;
        ASSERT_TRUE(s.pPanel->Create(&m_top));
        s.pPanel->MoveWindow(0, 0, 2 * BAR_W + 30, 200);
        for (int b = 0; b < BARS; ++b)
        {
            StressBar* p = s.pBars[b] = new StressBar;
            p->m_nColorStyle = (i + b) % 2;
            p->m_strText = b % 3 ? "" : "busy";
            p->Create(s.pPanel, 5 + (b % 2) * (BAR_W + 10), 5 + (b / 2) * 32, BAR_W, TRUE);
            p->SetFrameElapse(U(2, 12));
            p->InitProgress(U(0, 100));
            p->SetProgress(U(0, 100));
        }
        s.pPanel->DrawMe();
    }
    void Close(Slot& s)
    {
        // Either may go first while ticks are due.
        const bool bPanelFirst = U(0, 1);
        if (bPanelFirst)
            m_graves.Bury(s.pPanel);
        for (StressBar*& p : s.pBars)
        {
            m_nTicksOfDead += p->m_TimerService.TickCount();
            m_graves.Bury(p);
            p = nullptr;
        }
        if (!bPanelFirst)
            m_graves.Bury(s.pPanel);
        s.pPanel = nullptr;
    }

    // Every painted bar of the panel shows exactly the state it painted.
    void CheckPaint(Slot& s)
    {
        CVRK_WGLock lock(&s.pPanel->m_csLock);
        for (StressBar* p : s.pBars)
        {
            if (p->m_nPaintedShown < 0)
                continue;
            m_ref.m_nColorStyle = p->m_nColorStyle;
            m_ref.m_strText = p->m_strText;
            m_ref.m_nProgress = p->m_nPaintedTarget;
            m_ref.m_nShown = p->m_nPaintedShown;
            m_ref.m_nShineX = p->m_nPaintedShine;
            m_ref.CreateMyBGDC(nullptr);
            const CRect rc(0, 0, BAR_W, CWG_ProgressBar::HEIGHT);
            Image want = Capture(m_ref.m_pBGDC, m_ref.m_bmpBG, rc);
            Image got = PanelImage(*s.pPanel, CRect(p->m_rect.left, p->m_rect.top, p->m_rect.left + BAR_W,
                                                    p->m_rect.top + CWG_ProgressBar::HEIGHT));
            ASSERT_TRUE(want.bits == got.bits)
                << "bar " << p->m_nIndex << " is not the picture of the state it painted: shown "
                << p->m_nPaintedShown << ", target " << p->m_nPaintedTarget << ", shine " << p->m_nPaintedShine;
            ++m_nChecked;
        }
    }

    void Step(Watchdog& dog, CVRK_MENUWND& menu, CWG_Tip& tip, int nDepth)
    {
        Slot& s = m_slots[U(0, PANELS - 1)];
        switch (U(0, 9))
        {
        case 0: dog.Beat("repaint"); s.pPanel->DrawMe(); break;
        case 1:
            dog.Beat("resize");
            s.pPanel->MoveWindow(0, 0, 2 * BAR_W + 30 + U(0, 60), 170 + U(0, 60));
            break;
        case 2:
            if (nDepth == 0 && U(0, 9) == 0)
            {
                dog.Beat("modal box");
                ScriptedBox box;
                box.m_fnInLoop = [&](ScriptedBox& b) {
                    for (int i = 0; i < 20 && !HasFatalFailure(); ++i)
                        Step(dog, menu, tip, nDepth + 1);
                    b.EndDialog(1);
                };
                box.DoModal("Busy", "WG", 0, "", 0);
            }
            break;
        case 3:
            dog.Beat("menu");
            menu.Popup(U(0, 300), U(0, 300));
            menu.Shirk();
            break;
        case 4:
            dog.Beat("tip");
            tip.show(U(0, 300), U(0, 300), "Working", -1, kWG_Tip_LeftTop);
            tip.hide();
            break;
        case 5:
            if (nDepth == 0)
            {
                dog.Beat("re-create");
                Close(s);
                Open(s, U(0, 9));
            }
            break;
        case 6: {
            dog.Beat("set progress");
            StressBar* p = s.pBars[U(0, BARS - 1)];
            if (U(0, 3))
                p->SetProgress(U(-10, 110));
            else
                p->InitProgress(U(0, 100));
            break;
        }
        case 7: dog.Beat("check"); CheckPaint(s); break;
        default: dog.Beat("pump"); Pump(); ::Sleep(0); break;
        }
    }
};

TEST_F(Stress, FiftyWorkerBarsAgainstABusyInterfaceThread)
{
    const char* psz = getenv("WG_BUSY_STRESS_SECONDS");
    const DWORD nSeconds = psz && atoi(psz) > 0 ? (DWORD)atoi(psz) : 10;
    Watchdog dog(20000);
    CVRK_MENUWND menu;
    CString rows[3] = { "One", "Two", "Three" };
    ASSERT_TRUE(menu.Create(&m_top, rows, 3, 0));
    CWG_Tip tip;
    ASSERT_EQ(1, tip.create(&m_top));
    m_ref.Create(nullptr, 0, 0, BAR_W, FALSE);
    for (int i = 0; i < PANELS; ++i)
        Open(m_slots[i], i);

    long nSteps = 0;
    for (const DWORD t0 = ::GetTickCount(); ::GetTickCount() - t0 < nSeconds * 1000 && !HasFatalFailure(); ++nSteps)
        Step(dog, menu, tip, 0);
    dog.Beat("end");
    LONG nTicks = m_nTicksOfDead;
    for (Slot& s : m_slots)
    {
        for (StressBar* p : s.pBars)
            nTicks += p->m_TimerService.TickCount();
        Close(s);
    }
    printf("stress: %ld steps, %ld paints checked, %ld worker ticks in %lu s\n", nSteps, m_nChecked, (long)nTicks,
           (unsigned long)nSeconds);
    EXPECT_GT(m_nChecked, 0);
    EXPECT_GT(nTicks, 1000) << "the workers animated";
    ::Sleep(50);   // a stray tick would land now
    EXPECT_EQ(0u, m_graves.Disturbed()) << "a destroyed bar or panel was called or written";
    EXPECT_EQ(0, DeadCalls());
}

// ---- destruction while a tick is due, and the idle service --------------------------------

TEST_F(Stress, BarOrPanelDestroyedWhileItsTickIsDue)
{
    for (int i = 0; i < 30 && !HasFatalFailure(); ++i)
    {
        auto* pPanel = new DeadTrap<RecordingPanel>;
        ASSERT_TRUE((*pPanel)->Create(&m_top));
        DeadTrap<StressBar> bar, other;
        for (StressBar* p : { bar.Get(), other.Get() })
        {
            p->Create(pPanel->Get(), 0, 0, 100, TRUE);
            p->m_nSlowMs = 3;   // mostly inside a paint when the end comes
            p->SetFrameElapse(1);
            p->SetProgress(100);
        }
        (*pPanel)->DrawMe();
        ASSERT_TRUE(PumpUntil([&] { return bar->m_TimerService.TickCount() > 2; })) << "the worker never ticked";
        if (i % 2)
        {
            bar.Kill();
            ::Sleep(5);
            pPanel->Kill();
            EXPECT_EQ(nullptr, other->m_pParent);
        }
        else
        {
            pPanel->Kill();
            EXPECT_EQ(nullptr, bar->m_pParent) << "the panel let go of its elements";
            ::Sleep(5);
            bar.Kill();
        }
        ::Sleep(5);
        other.Kill();
        EXPECT_EQ(0u, bar.WrittenBytes() + pPanel->WrittenBytes());
        EXPECT_EQ(0, DeadCalls());
        delete pPanel;
    }
}

TEST_F(Stress, IdleServiceMakesNoPassesAndStopsCleanly)
{
    RecordingPanel panel;
    ASSERT_TRUE(panel.Create(&m_top));
    StressBar bar;
    bar.Create(&panel, 0, 0, 100, TRUE);
    bar.SetProgress(50);
    panel.DrawMe();
    ASSERT_TRUE(PumpUntil([&] { return bar.m_nShown == 50; })) << "reached its target on the worker";
    bar.KillTimer(bar.m_nIndex);
    const LONG nPasses = bar.m_TimerService.PassCount(), nTicks = bar.m_TimerService.TickCount();
    ::Sleep(200);
    EXPECT_LE(bar.m_TimerService.PassCount(), nPasses + 1) << "no polling without a timer";
    EXPECT_EQ(nTicks, bar.m_TimerService.TickCount());

    CWG_ProgressBar unused;   // a bar whose worker never started ends without running it
    unused.Create(&panel, 0, 40, 100, TRUE);
    panel.DestroyWindow();
}

} // namespace

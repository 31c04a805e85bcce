// Painting from a worker thread while the panel's own thread paints, resizes
// and opens the dialog's frame: nothing may be sent or shown while the
// painting lock is held, or the two threads wait for each other for ever.
// A watchdog turns such a deadlock into a failure instead of a hang.
#include "wgtest.h"
#include <atomic>

using namespace wgtest;

namespace {

struct WatchdogArg
{
    HANDLE hDone;
    DWORD dwMs;
};

DWORD WINAPI WatchdogLoop(LPVOID p)
{
    WatchdogArg* a = (WatchdogArg*)p;
    if (::WaitForSingleObject(a->hDone, a->dwMs) == WAIT_TIMEOUT)
    {
        fprintf(stderr, "watchdog: the painting threads are deadlocked\n");
        fflush(stderr);
        ::ExitProcess(3);
    }
    return 0;
}

struct Watchdog
{
    WatchdogArg arg;
    HANDLE hThread;
    explicit Watchdog(DWORD dwMs)
    {
        arg = { ::CreateEventA(nullptr, TRUE, FALSE, nullptr), dwMs };
        hThread = ::CreateThread(nullptr, 0, WatchdogLoop, &arg, 0, nullptr);
    }
    ~Watchdog()
    {
        ::SetEvent(arg.hDone);
        ::WaitForSingleObject(hThread, INFINITE);
        ::CloseHandle(hThread);
        ::CloseHandle(arg.hDone);
    }
};

struct Painter
{
    CVRK_WGPANEL* pPanel;
    long nElements;
    std::atomic<bool> bStop{ false };
    std::atomic<long> nPasses{ 0 };
};

DWORD WINAPI PaintLoop(LPVOID p)
{
    Painter* pt = (Painter*)p;
    while (!pt->bStop)
    {
        for (long i = 0; i < pt->nElements; ++i)
            pt->pPanel->RefreshWG(i);
        pt->pPanel->DrawMe();
        ++pt->nPasses;
    }
    return 0;
}

TEST(WorkerThread, RepaintsFromAWorkerNeverDeadlockWithTheWindowsThread)
{
    Watchdog dog(30000);
    RecordingPanel panel;
    CVRK_DIALOG dlg(&SharedHost());
    dlg.m_pPanel = &panel;
    ASSERT_TRUE(dlg.Create(&SharedHost()));
    Probe probes[20];
    for (long i = 0; i < 20; ++i)
        probes[i].Create(&panel, 5 + (i % 5) * 40, 5 + (i / 5) * 30, 35, 25);
    Pump();

    Painter painter;
    painter.pPanel = &panel;
    painter.nElements = 20;
    HANDLE hWorker = ::CreateThread(nullptr, 0, PaintLoop, &painter, 0, nullptr);
    ASSERT_NE(nullptr, hWorker);

    const DWORD dwEnd = ::GetTickCount() + 3000;
    int nRound = 0;
    while ((LONG)(::GetTickCount() - dwEnd) < 0 || painter.nPasses < 20)
    {
        // The dialog's frame waits for the panel's next full paint, which
        // either thread may make; its WM_NCPAINT must never be sent under
        // the lock.
        dlg.m_bNcPaintAllowed = FALSE;
        dlg.SetWindowPos(nullptr, 0, 0, 300 + nRound % 40, 250 + nRound % 30,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        panel.DrawMe();
        panel.RedrawWindow();
        Pump();
        ++nRound;
    }
    painter.bStop = true;
    // The worker may be waiting for a message this thread must answer.
    while (::MsgWaitForMultipleObjects(1, &hWorker, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        Pump();
    ::CloseHandle(hWorker);
    Pump();
    EXPECT_GT(painter.nPasses.load(), 20);
    EXPECT_TRUE(dlg.m_bNcPaintAllowed);   // the frame's paint did happen
    dlg.DestroyWindow();
}

} // namespace

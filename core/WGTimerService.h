// CWGTimerService: timers whose ticks run on a worker thread of their own
// (CWGThread), for the progress bar that paints from there. Each entry
// calls its element's OnTimer every period. The thread sleeps until the
// next entry is due, and without entries it sleeps until one is set: an
// idle service costs no processor time.
//
// Lifetime: KillTimer and Stop (so the destructor too) return only once no
// tick of the element is running on the worker, so the element may die
// right after. Called from another thread they may wait for a running
// tick, which paints under its panel's lock: never call them while holding
// a panel's lock. Called from the worker itself (inside OnTimer) they do
// not wait.
//
// CWGWorkerGate: ticks into elements run inside the gate (shared); a
// dying panel closes it while it lets go of its elements, so no tick is
// inside one of them, nor reaches the panel, once the panel has gone. A
// running tick may wait for its panel's lock, so a panel must not be
// destroyed by a thread that holds a panel's lock.
#pragma once
#include "WGThread.h"

// CWGWorkerGate: the gate worker ticks pass through into elements. A tick
// enters it shared; a dying panel closes it while it lets go of its
// elements, so no tick is inside one of them once the panel has gone.
class WG_API CWGWorkerGate
{
public:
    static void EnterCall();
    static void LeaveCall();
    // Waits until no tick runs, and keeps new ones out until Open.
    static void Close();
    static void Open();
};

// CWGTimerService: timers whose ticks call an element's OnTimer on a worker
// thread of their own. SetTimer(element, id, period) starts one and
// KillTimer ends it, waiting for a running tick; the thread sleeps while
// no timer is due. Reports nothing to the panel.
class WG_API CWGTimerService : public CWGThread
{
public:
    struct Entry
    {
        HWND hWnd;          // the element's panel window when it was set
        CVRK_WG* pWG;       // not owned
        long nId;
        long nPeriod;       // milliseconds
        LONGLONG nDue;      // microseconds on the service's clock
    };
    // A tick late by up to CATCH_UP_PERIODS periods is made up.
    enum { INLINE_ENTRIES = 32, GROW_BY = 32, CATCH_UP_PERIODS = 10 };

    // ---- data (the table is guarded by m_cs)
    volatile BOOL m_bRunning;          // cleared by RequestStop
    Entry m_inline[INLINE_ENTRIES];    // room for the first entries
    Entry* m_pEntries;                 // m_inline, or a heap table beyond it
    long m_nCapacity;
    long m_nCount;

    CWGTimerService();
    virtual ~CWGTimerService();

    // A null element or a period below 1 ms is ignored. An entry with the
    // same element and id takes the new period (counted from now); else one
    // is added. Starts the worker at the first call.
    void SetTimer(CVRK_WG* pWG, long nId, long nPeriod);
    // Removes the entry of pWG and nId, waiting for its running tick.
    void KillTimer(CVRK_WG* pWG, long nId);
    // Ticks delivered and passes of the worker's loop so far (for
    // measurements: an idle service makes no passes).
    LONG TickCount() const { return m_nTicks; }
    LONG PassCount() const { return m_nPasses; }

    virtual void Run(long nArg);
    virtual void RequestStop();

private:
    void WaitForTickOf(CVRK_WG* pWG);
    static LONGLONG NowMicroseconds();

    HANDLE m_hWake;                    // set when the table changes or on stop
    CVRK_WG* volatile m_pCalling;      // element whose OnTimer runs on the worker now
    volatile DWORD m_nWorkerId;
    volatile LONG m_nTicks;
    volatile LONG m_nPasses;
};

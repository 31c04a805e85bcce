#pragma once
#include "wgdef.h"

// CWGThread: an object that owns one worker thread, created suspended, started
// on demand (Start) and stopped cooperatively (Stop). Derive from it, put the
// work in Run and make RequestStop end it; construct the derived object and
// call Start. Sends no notifications.
class WG_API CWGThread
{
public:
    // ---- data, in this order: m_pOwner..m_bFinished is the block handed
    // to the thread procedure.
    CRITICAL_SECTION m_cs;       // guards the start/stop state (and derived data)
    CWGThread* m_pOwner;         // this object; initially this
    long m_nArg;                 // argument passed to Run; initially 0
    BOOL m_bSkipRun;             // stopped before it was started: end without Run; initially FALSE
    volatile BOOL m_bFinished;   // the thread procedure is about to return; initially FALSE
    HANDLE m_hThread;            // made suspended by the constructor; null when it could not be
    // 0 created (suspended), 1 running, 3 stopped; initially STATE_CREATED
    long m_nState;

    enum { STATE_CREATED = 0, STATE_RUNNING = 1, STATE_STOPPED = 3 };

    CWGThread();
    // Stops the thread. A derived class whose RequestStop matters must call
    // Stop in its own destructor: here only the base RequestStop is left.
    virtual ~CWGThread();

    // ---- overridables, in slot order
    // Resumes a created thread; nothing in any other state.
    virtual void Start();
    // Ends the thread and waits for it (idempotent). A thread never started
    // ends without calling Run. Holds m_cs while waiting, so Run must not
    // wait for m_cs (take it with CVRK_WGLock::TryLock and skip a pass).
    virtual void Stop();
    // The thread's work; the base does nothing.
    virtual void Run(long nArg);
    // Asks a running Run to return; the base does nothing.
    virtual void RequestStop();

private:
    static unsigned __stdcall ThreadProc(void* pParam);

    CWGThread(const CWGThread&) = delete;
    CWGThread& operator=(const CWGThread&) = delete;
};

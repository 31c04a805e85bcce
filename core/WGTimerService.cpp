#include "WGTimerService.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include "VRK_WGLock.h"

// ---- CWGWorkerGate ----------------------------------------------------------------

static SRWLOCK s_gate = SRWLOCK_INIT;

void CWGWorkerGate::EnterCall() { ::AcquireSRWLockShared(&s_gate); }
void CWGWorkerGate::LeaveCall() { ::ReleaseSRWLockShared(&s_gate); }
void CWGWorkerGate::Close() { ::AcquireSRWLockExclusive(&s_gate); }
void CWGWorkerGate::Open() { ::ReleaseSRWLockExclusive(&s_gate); }

// ---- CWGTimerService ---------------------------------------------------------------

CWGTimerService::CWGTimerService()
    : m_bRunning(TRUE), m_pEntries(m_inline), m_nCapacity(INLINE_ENTRIES), m_nCount(0),
      m_hWake(::CreateEventA(nullptr, FALSE, FALSE, nullptr)), m_pCalling(nullptr), m_nWorkerId(0),
      m_nTicks(0), m_nPasses(0)
{
}

CWGTimerService::~CWGTimerService()
{
    // The base destructor would only reach the base RequestStop.
    Stop();
    if (m_pEntries != m_inline)
        delete[] m_pEntries;
    if (m_hWake)
        ::CloseHandle(m_hWake);
}

LONGLONG CWGTimerService::NowMicroseconds()
{
    // GetTickCount moves in steps of the system tick (up to 16 ms on
    // Windows), as long as a whole period of the progress bar.
    static LARGE_INTEGER s_freq = {};
    if (!s_freq.QuadPart)
        ::QueryPerformanceFrequency(&s_freq);
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return (LONGLONG)((double)now.QuadPart * 1000000.0 / (double)s_freq.QuadPart);
}

void CWGTimerService::SetTimer(CVRK_WG* pWG, long nId, long nPeriod)
{
    if (!pWG || nPeriod < 1)
        return;
    {
        CVRK_WGLock lock(&m_cs);
        const LONGLONG nDue = NowMicroseconds() + (LONGLONG)nPeriod * 1000;
        long i = 0;
        while (i < m_nCount && !(m_pEntries[i].pWG == pWG && m_pEntries[i].nId == nId))
            ++i;
        if (i == m_nCount)
        {
            if (m_nCount == m_nCapacity)
            {
                Entry* pGrown = new Entry[m_nCapacity + GROW_BY];
                memcpy(pGrown, m_pEntries, sizeof(Entry) * m_nCount);
                if (m_pEntries != m_inline)
                    delete[] m_pEntries;
                m_pEntries = pGrown;
                m_nCapacity += GROW_BY;
            }
            CVRK_WGPANEL* pPanel = pWG->GetParent();
            m_pEntries[i].hWnd = pPanel ? pPanel->m_hWnd : nullptr;
            m_pEntries[i].pWG = pWG;
            m_pEntries[i].nId = nId;
            ++m_nCount;
        }
        m_pEntries[i].nPeriod = nPeriod;
        m_pEntries[i].nDue = nDue;
        Start();
    }
    ::SetEvent(m_hWake);
}

void CWGTimerService::KillTimer(CVRK_WG* pWG, long nId)
{
    {
        CVRK_WGLock lock(&m_cs);
        for (long i = 0; i < m_nCount; ++i)
            if (m_pEntries[i].pWG == pWG && m_pEntries[i].nId == nId)
            {
                memmove(&m_pEntries[i], &m_pEntries[i + 1], sizeof(Entry) * (m_nCount - i - 1));
                --m_nCount;
                break;
            }
    }
    // The entry is gone, so the worker cannot pick the element again: only a
    // tick picked before may still run. Waiting without m_cs lets that tick
    // set timers of its own.
    WaitForTickOf(pWG);
}

void CWGTimerService::WaitForTickOf(CVRK_WG* pWG)
{
    if (::GetCurrentThreadId() == m_nWorkerId)
        return;
    while (m_pCalling == pWG)
        ::Sleep(1);
}

void CWGTimerService::RequestStop()
{
    m_bRunning = FALSE;
    ::SetEvent(m_hWake);
}

void CWGTimerService::Run(long)
{
    m_nWorkerId = ::GetCurrentThreadId();
    while (m_bRunning)
    {
        ::InterlockedIncrement(&m_nPasses);
        CVRK_WGLock lock(&m_cs, FALSE);
        // Stop holds m_cs while it waits for this thread: take it only when
        // free, else skip this pass.
        if (!lock.TryLock())
        {
            ::Sleep(1);
            continue;
        }
        const LONGLONG now = NowMicroseconds();
        CVRK_WG* pDue = nullptr;
        HWND hWnd = nullptr;
        LONGLONG nWait = -1;   // microseconds; -1: no entry, sleep until woken
        for (long i = 0; i < m_nCount; ++i)
        {
            Entry& e = m_pEntries[i];
            if (!pDue && e.nDue <= now)
            {
                pDue = e.pWG;
                hWnd = e.hWnd;
                // Each entry keeps its own schedule, so its ticks keep the
                // period on average: a few late ticks (a long paint, a busy
                // machine) are made up at once; one that fell farther
                // behind starts again from now.
                e.nDue += (LONGLONG)e.nPeriod * 1000;
                if (e.nDue <= now - (LONGLONG)e.nPeriod * 1000 * CATCH_UP_PERIODS)
                    e.nDue = now + (LONGLONG)e.nPeriod * 1000;
            }
            const LONGLONG nLeft = e.nDue - now;
            if (nWait < 0 || nLeft < nWait)
                nWait = nLeft;
        }
        if (pDue)
        {
            m_pCalling = pDue;
            lock.Unlock();
            if (!hWnd || ::IsWindow(hWnd))
            {
                CWGWorkerGate::EnterCall();
                pDue->OnTimer();
                CWGWorkerGate::LeaveCall();
                ::InterlockedIncrement(&m_nTicks);
            }
            m_pCalling = nullptr;
            continue;
        }
        lock.Unlock();
        // Waits are in whole milliseconds and tend to last a little longer:
        // wait the whole milliseconds left (at least one), then look again.
        const DWORD nMs = nWait < 0 ? INFINITE : nWait < 1000 ? 1 : (DWORD)(nWait / 1000);
        ::WaitForSingleObject(m_hWake, nMs);
    }
}

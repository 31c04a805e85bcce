#include "WGThread.h"
#include "VRK_WGLock.h"
#include <process.h>
#include <stddef.h>

// The procedure receives the address of m_pOwner: the block of owner,
// argument, skip flag and finished flag.
struct WGThreadBlock
{
    CWGThread* pOwner;
    long nArg;
    BOOL bSkipRun;
    volatile BOOL bFinished;
};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CWGThread, m_nArg) - offsetof(CWGThread, m_pOwner) == offsetof(WGThreadBlock, nArg),
              "thread block layout");
static_assert(offsetof(CWGThread, m_bFinished) - offsetof(CWGThread, m_pOwner) == offsetof(WGThreadBlock, bFinished),
              "thread block layout");
#pragma GCC diagnostic pop

CWGThread::CWGThread()
    : m_pOwner(this), m_nArg(0), m_bSkipRun(FALSE), m_bFinished(FALSE), m_hThread(nullptr),
      m_nState(STATE_CREATED)
{
    ::InitializeCriticalSection(&m_cs);
    unsigned nId = 0;
    m_hThread = (HANDLE)_beginthreadex(nullptr, 0, ThreadProc, &m_pOwner, CREATE_SUSPENDED, &nId);
}

CWGThread::~CWGThread()
{
    Stop();
    ::DeleteCriticalSection(&m_cs);
}

unsigned __stdcall CWGThread::ThreadProc(void* pParam)
{
    WGThreadBlock* pBlock = static_cast<WGThreadBlock*>(pParam);
    if (!pBlock->bSkipRun)
        pBlock->pOwner->Run(pBlock->nArg);
    pBlock->bFinished = TRUE;
    return 0;
}

void CWGThread::Start()
{
    CVRK_WGLock lock(&m_cs);
    if (m_nState == STATE_CREATED && m_hThread && ::ResumeThread(m_hThread) != (DWORD)-1)
        m_nState = STATE_RUNNING;
}

void CWGThread::Stop()
{
    CVRK_WGLock lock(&m_cs);
    if (m_nState == STATE_STOPPED)
        return;
    if (m_nState == STATE_CREATED)
    {
        m_bSkipRun = TRUE;
        if (m_hThread && ::ResumeThread(m_hThread) != (DWORD)-1)
            m_nState = STATE_RUNNING;
    }
    else
    {
        RequestStop();
    }
    // A thread that never ran (not created, or not resumable) has nothing
    // to wait for.
    if (m_nState == STATE_RUNNING)
    {
        while (!m_bFinished)
            ::Sleep(10);
    }
    if (m_hThread)
        ::CloseHandle(m_hThread);
    m_hThread = nullptr;
    m_nState = STATE_STOPPED;
}

void CWGThread::Run(long) {}
void CWGThread::RequestStop() {}

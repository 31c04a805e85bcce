#include "VRK_WGLock.h"

CVRK_WGLock::CVRK_WGLock(CRITICAL_SECTION* pSection, BOOL bLockNow)
    : m_bLocked(FALSE), m_pSection(pSection)
{
    if (bLockNow)
        Lock();
}

CVRK_WGLock::~CVRK_WGLock() { Unlock(); }

void CVRK_WGLock::Lock()
{
    if (!m_bLocked && m_pSection)
    {
        ::EnterCriticalSection(m_pSection);
        m_bLocked = TRUE;
    }
}

BOOL CVRK_WGLock::TryLock()
{
    if (!m_bLocked && m_pSection)
        m_bLocked = ::TryEnterCriticalSection(m_pSection) ? TRUE : FALSE;
    return m_bLocked;
}

void CVRK_WGLock::Unlock()
{
    if (m_bLocked)
    {
        ::LeaveCriticalSection(m_pSection);
        m_bLocked = FALSE;
    }
}

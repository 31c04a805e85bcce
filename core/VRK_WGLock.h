#pragma once
#include "wgdef.h"

// CVRK_WGLock: a scoped hold on a critical section, such as a panel's painting
// lock m_csLock. Construct it on the stack with the section (bLockNow FALSE
// defers entering); it leaves on destruction. The section is recursive, so a
// thread that holds it may take it again; each guard leaves only what it
// entered itself. Sends no notifications.
class WG_API CVRK_WGLock
{
public:
    BOOL m_bLocked;                 // this guard holds the section; initially FALSE
    CRITICAL_SECTION* m_pSection;   // not owned; the constructor's pSection

    CVRK_WGLock(CRITICAL_SECTION* pSection, BOOL bLockNow = TRUE);
    virtual ~CVRK_WGLock();
    void Lock();
    // Enters only if the section is free (or already ours); never waits.
    BOOL TryLock();
    void Unlock();

private:
    // A copy would leave the section twice.
    CVRK_WGLock(const CVRK_WGLock&) = delete;
    CVRK_WGLock& operator=(const CVRK_WGLock&) = delete;
};

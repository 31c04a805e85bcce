#include "afxmodule.h"

namespace {

SRWLOCK g_chainLock = SRWLOCK_INIT;

AFX_MODULE_STATE& AppState()
{
    // Filled lazily: a program without a CWinApp (tests, tools) still gets
    // its own instance as the application's.
    static AFX_MODULE_STATE s_state = { nullptr, nullptr, nullptr, nullptr, nullptr };
    if (!s_state.m_hCurrentInstanceHandle)
        s_state.m_hCurrentInstanceHandle = ::GetModuleHandleA(nullptr);
    if (!s_state.m_hCurrentResourceHandle)
        s_state.m_hCurrentResourceHandle = s_state.m_hCurrentInstanceHandle;
    return s_state;
}

AFX_MODULE_STATE*& ThreadModuleState()
{
    static thread_local AFX_MODULE_STATE* s_p = nullptr;
    return s_p;
}

BOOL HasResource(HMODULE h, LPCSTR lpszName, LPCSTR lpszType)
{
    return h && ::FindResourceA(h, lpszName, lpszType) != nullptr;
}

} // namespace

AFX_MODULE_STATE* AfxGetAppModuleState() { return &AppState(); }

AFX_MODULE_STATE* AfxGetModuleState()
{
    AFX_MODULE_STATE* p = ThreadModuleState();
    return p ? p : &AppState();
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }
HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    if (hInstResource)
        AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if (HasResource(pState->m_hCurrentResourceHandle, lpszName, lpszType))
        return pState->m_hCurrentResourceHandle;
    AFX_MODULE_STATE* pApp = AfxGetAppModuleState();
    HINSTANCE hFound = nullptr;
    AcquireSRWLockShared(&g_chainLock);
    for (CDynLinkLibrary* p = pApp->m_pFirstDLL; p && !hFound; p = p->m_pNextDLL)
        if (!p->m_bSystem && HasResource(p->m_hResource, lpszName, lpszType))
            hFound = p->m_hResource;
    ReleaseSRWLockShared(&g_chainLock);
    return hFound ? hFound : pState->m_hCurrentResourceHandle;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pNewState)
    : m_pPrevModuleState(ThreadModuleState())
{
    ThreadModuleState() = pNewState;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { ThreadModuleState() = m_pPrevModuleState; }

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (!hModule)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL)
{
    if (!state.bInitialized)
        return;
    AFX_MODULE_STATE* pApp = AfxGetAppModuleState();
    for (;;)
    {
        CDynLinkLibrary* pFound = nullptr;
        AcquireSRWLockShared(&g_chainLock);
        for (CDynLinkLibrary* p = pApp->m_pFirstDLL; p; p = p->m_pNextDLL)
            if (p->m_hModule == state.hModule) { pFound = p; break; }
        ReleaseSRWLockShared(&g_chainLock);
        if (!pFound)
            break;
        delete pFound;   // unlinks itself
    }
    state.bInitialized = FALSE;
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(nullptr)
{
    AFX_MODULE_STATE* pApp = AfxGetAppModuleState();
    AcquireSRWLockExclusive(&g_chainLock);
    // At the head, as MFC's: the latest module loaded is searched first.
    m_pNextDLL = pApp->m_pFirstDLL;
    pApp->m_pFirstDLL = this;
    ReleaseSRWLockExclusive(&g_chainLock);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AFX_MODULE_STATE* pApp = AfxGetAppModuleState();
    AcquireSRWLockExclusive(&g_chainLock);
    for (CDynLinkLibrary** pp = &pApp->m_pFirstDLL; *pp; pp = &(*pp)->m_pNextDLL)
        if (*pp == this) { *pp = m_pNextDLL; break; }
    ReleaseSRWLockExclusive(&g_chainLock);
}

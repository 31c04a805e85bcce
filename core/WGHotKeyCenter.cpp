#include "WGHotKeyCenter.h"
#include "WGLibrary.h"

static CWGHotKeyCenter* s_pCurrent = nullptr;
static HHOOK s_hAppHook = nullptr;
static HHOOK s_hLowLevelHook = nullptr;
// The center that installed each hook: only it removes the hook.
static const CWGHotKeyCenter* s_pAppHookOwner = nullptr;
static const CWGHotKeyCenter* s_pLowLevelHookOwner = nullptr;

// Installs a fresh hook for pOwner, removing the library's previous one.
static void InstallHook(HHOOK& hHook, const CWGHotKeyCenter*& pHookOwner,
                        const CWGHotKeyCenter* pOwner, int idHook, HOOKPROC pfn, DWORD dwThreadId)
{
    if (hHook)
        ::UnhookWindowsHookEx(hHook);
    hHook = ::SetWindowsHookExA(idHook, pfn, WGGetLibraryInstance(), dwThreadId);
    pHookOwner = hHook ? pOwner : nullptr;
}

static void RemoveHook(HHOOK& hHook, const CWGHotKeyCenter*& pHookOwner, const CWGHotKeyCenter* pOwner)
{
    if (pHookOwner != pOwner)
        return;
    if (hHook)
        ::UnhookWindowsHookEx(hHook);
    hHook = nullptr;
    pHookOwner = nullptr;
}

CWGHotKeyCenter::CWGHotKeyCenter() : m_pfnAppHotKey(nullptr), m_pfnGlobalHotKey(nullptr)
{
    s_pCurrent = this;
}

CWGHotKeyCenter::CWGHotKeyCenter(const CWGHotKeyCenter& other)
    : m_pfnAppHotKey(other.m_pfnAppHotKey), m_pfnGlobalHotKey(other.m_pfnGlobalHotKey)
{
}

CWGHotKeyCenter& CWGHotKeyCenter::operator=(const CWGHotKeyCenter& other)
{
    m_pfnAppHotKey = other.m_pfnAppHotKey;
    m_pfnGlobalHotKey = other.m_pfnGlobalHotKey;
    return *this;
}

CWGHotKeyCenter::~CWGHotKeyCenter()
{
    SetAppHotKeyProc(nullptr, 0);
    SetGlobalHotKeyProc(nullptr);
    // The hooks must never reach a destroyed center.
    if (s_pCurrent == this)
        s_pCurrent = nullptr;
}

CWGHotKeyCenter* CWGHotKeyCenter::GetCurrent() { return s_pCurrent; }

void CWGHotKeyCenter::SetAppHotKeyProc(WGHOTKEYPROC pfn, DWORD dwThreadId)
{
    if (pfn)
    {
        if (m_pfnAppHotKey)
            return;
        m_pfnAppHotKey = pfn;
        // One application hook for the library: a second center's hook
        // replaces the first rather than leaking it.
        InstallHook(s_hAppHook, s_pAppHookOwner, this, WH_KEYBOARD, AppHookProc, dwThreadId);
        return;
    }
    RemoveHook(s_hAppHook, s_pAppHookOwner, this);
    m_pfnAppHotKey = nullptr;
}

void CWGHotKeyCenter::SetGlobalHotKeyProc(WGHOTKEYPROC pfn)
{
    if (pfn)
    {
        if (m_pfnGlobalHotKey)
            return;
        m_pfnGlobalHotKey = pfn;
        InstallHook(s_hLowLevelHook, s_pLowLevelHookOwner, this, WH_KEYBOARD_LL, LowLevelHookProc, 0);
        return;
    }
    RemoveHook(s_hLowLevelHook, s_pLowLevelHookOwner, this);
    m_pfnGlobalHotKey = nullptr;
}

LRESULT CALLBACK CWGHotKeyCenter::AppHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CWGHotKeyCenter* pCenter = s_pCurrent;
    if (pCenter && pCenter->m_pfnAppHotKey && nCode == HC_ACTION)
    {
        // Bit 30 is the previous key state: a first stroke reports a key
        // down, auto-repeats and the release report a key up.
        UINT nMsg = (lParam & (1 << 30)) ? WM_KEYUP : WM_KEYDOWN;
        if (pCenter->m_pfnAppHotKey(nMsg, (UINT)wParam, lParam))
            return 1;
    }
    return ::CallNextHookEx(s_hAppHook, nCode, wParam, lParam);
}

LRESULT CALLBACK CWGHotKeyCenter::LowLevelHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CWGHotKeyCenter* pCenter = s_pCurrent;
    if (pCenter && pCenter->m_pfnGlobalHotKey && nCode == HC_ACTION && lParam)
    {
        const KBDLLHOOKSTRUCT* pKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        UINT nMsg = 0;
        if (wParam == WM_KEYUP || wParam == WM_SYSKEYUP)
            nMsg = WM_KEYUP;
        else if (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN)
            nMsg = WM_KEYDOWN;
        if (nMsg && pCenter->m_pfnGlobalHotKey(nMsg, pKey->vkCode, (LPARAM)pKey->flags))
            return 1;
    }
    return ::CallNextHookEx(s_hLowLevelHook, nCode, wParam, lParam);
}

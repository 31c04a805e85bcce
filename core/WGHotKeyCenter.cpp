#include "WGHotKeyCenter.h"
#include "WGLibrary.h"

static CWGHotKeyCenter* s_pCurrent = nullptr;
static HHOOK s_hAppHook = nullptr;
static HHOOK s_hLowLevelHook = nullptr;

CWGHotKeyCenter::CWGHotKeyCenter() : m_pfnAppHotKey(nullptr), m_pfnGlobalHotKey(nullptr)
{
    s_pCurrent = this;
}

CWGHotKeyCenter::CWGHotKeyCenter(const CWGHotKeyCenter& other)
    : m_pfnAppHotKey(other.m_pfnAppHotKey), m_pfnGlobalHotKey(other.m_pfnGlobalHotKey)
{
    s_pCurrent = this;
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
        if (s_hAppHook)
            ::UnhookWindowsHookEx(s_hAppHook);
        s_hAppHook = ::SetWindowsHookExA(WH_KEYBOARD, AppHookProc, WGGetLibraryInstance(), dwThreadId);
        return;
    }
    if (s_hAppHook)
        ::UnhookWindowsHookEx(s_hAppHook);
    s_hAppHook = nullptr;
    m_pfnAppHotKey = nullptr;
}

void CWGHotKeyCenter::SetGlobalHotKeyProc(WGHOTKEYPROC pfn)
{
    if (pfn)
    {
        if (m_pfnGlobalHotKey)
            return;
        m_pfnGlobalHotKey = pfn;
        if (s_hLowLevelHook)
            ::UnhookWindowsHookEx(s_hLowLevelHook);
        s_hLowLevelHook = ::SetWindowsHookExA(WH_KEYBOARD_LL, LowLevelHookProc, WGGetLibraryInstance(), 0);
        return;
    }
    if (s_hLowLevelHook)
        ::UnhookWindowsHookEx(s_hLowLevelHook);
    s_hLowLevelHook = nullptr;
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

#pragma once
#include "wgdef.h"

typedef int (CALLBACK* WGHOTKEYPROC)(UINT nMsg, UINT nKey, LPARAM nData);

// CWGHotKeyCenter: lets the application watch the keyboard through two Windows
// hooks, an application hook on one thread (WH_KEYBOARD) and a low-level hook
// for the whole desktop (WH_KEYBOARD_LL). The application constructs one (the
// most recent one alive is the one the hooks report to) and sets
// SetAppHotKeyProc and SetGlobalHotKeyProc. Each hook reports key transitions
// to its callback as (0x100 WM_KEYDOWN or 0x101 WM_KEYUP, virtual-key code, key
// data); a nonzero result swallows the key.
class WG_API CWGHotKeyCenter
{
public:
    // Both callbacks null; this object becomes the one the hooks report to.
    CWGHotKeyCenter();
    // A copy has the same callbacks but neither becomes the center the
    // hooks report to nor owns the hooks: its death leaves them alone.
    CWGHotKeyCenter(const CWGHotKeyCenter& other);
    CWGHotKeyCenter& operator=(const CWGHotKeyCenter& other);
    // Clears both callbacks, which removes the hooks this center installed.
    virtual ~CWGHotKeyCenter();

    // With a callback and none set yet: stores it and hooks thread
    // dwThreadId (replacing a hook another center installed: there is one
    // per library). With a callback while one is set: nothing changes (set
    // null first to replace it). Null: clears the callback and removes the
    // hook if this center installed it.
    void SetAppHotKeyProc(WGHOTKEYPROC pfn, DWORD dwThreadId);
    WGHOTKEYPROC GetAppHotKeyProc() const { return m_pfnAppHotKey; }
    // The same for the low-level hook of the whole desktop. That hook runs
    // on the installing thread, which must keep pumping messages.
    void SetGlobalHotKeyProc(WGHOTKEYPROC pfn);
    WGHOTKEYPROC GetGlobalHotKeyProc() const { return m_pfnGlobalHotKey; }

    // The center the hooks report to (the most recently constructed one
    // still alive), or null.
    static CWGHotKeyCenter* GetCurrent();

private:
    WGHOTKEYPROC m_pfnAppHotKey;        // initially null
    WGHOTKEYPROC m_pfnGlobalHotKey;     // initially null

    static LRESULT CALLBACK AppHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK LowLevelHookProc(int nCode, WPARAM wParam, LPARAM lParam);
};

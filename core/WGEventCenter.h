#pragma once
#include "wgdef.h"

typedef void (CALLBACK* WGEVENTPROC)(UINT nMsg, UINT wParam, LPARAM lParam);

// CWGEventCenter: one application callback through which the library reports
// library-wide events (1002: a modal dialog or menu has returned, wParam 0,
// lParam the window object). The library keeps one static instance; reach it
// with CVRK_WG::GetEventCenter() and set the callback with SetEventProc (null:
// nothing is reported).
class WG_API CWGEventCenter
{
public:
    CWGEventCenter() : m_pfnEvent(nullptr) {}
    CWGEventCenter(const CWGEventCenter& other) : m_pfnEvent(other.m_pfnEvent) {}
    CWGEventCenter& operator=(const CWGEventCenter& other) { m_pfnEvent = other.m_pfnEvent; return *this; }
    virtual ~CWGEventCenter() {}

    void SetEventProc(WGEVENTPROC pfn) { m_pfnEvent = pfn; }
    WGEVENTPROC GetEventProc() const { return m_pfnEvent; }
    void OnEvent(UINT nMsg, UINT wParam, LPARAM lParam)
    {
        if (m_pfnEvent)
            m_pfnEvent(nMsg, wParam, lParam);
    }

private:
    WGEVENTPROC m_pfnEvent;
};

// CWGEventCenter: one application callback through which the library
// reports library-wide events (1002: a modal dialog or menu has returned,
// lParam the window object).
#pragma once
#include "wgdef.h"

typedef void (CALLBACK* WGEVENTPROC)(UINT nMsg, UINT wParam, LPARAM lParam);

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

// Accessibility of the windowless elements: a panel answers WM_GETOBJECT
// (OBJID_CLIENT) with an MSAA IAccessible, so screen readers and UI
// automation see its elements although they have no window.
//
// What a client sees:
// - The panel: role client, the panel window's text as its name, its client
//   area as its location. Its children are its VISIBLE elements in
//   registration order, then the open popup menu of the panel, if any.
// - An element: role, name, value, state and default action from the kind
//   table in WGAccessible.cpp (push button, check box, radio button, static
//   text, editable text, list). States: unavailable (m_bEnable 0), focused
//   (the panel's current element), hot (the element that owns the mouse),
//   focusable, plus the kind's own (checked, read-only, protected). The name
//   is the one the application registered with SetAccessibleName, else the
//   caption; a text field falls back to its hint, then its text; a password
//   field never exposes its text, neither as name nor as value.
// - Locations are screen rectangles, from the element's m_rect.
// - A list is a child object whose children are its rows on screen (list
//   items named by GetData(row, 0), selected when chosen).
// - A popup menu window answers WM_GETOBJECT itself with a menu popup whose
//   children are its rows (menu items, separators; unavailable, hot, has
//   popup); the panel's open menu is also the panel's last child.
//
// Child ids: VT_I4, 1-based position among the visible children AT THE
// TIME OF THE CALL (so 1..get_accChildCount, as every MSAA client walks
// them). Hiding, showing or destroying an element renumbers the ones after
// it; a client re-reads the tree after a change, as with any dynamic
// content. An id beyond the current count answers E_INVALIDARG.
//
// accDoDefaultAction presses a button or toggles a check or radio through
// the element's own click path (the current element changes as a click on
// it would, then OnButtonDown and OnButtonUp at its centre), so the
// application hears OnWGCommand as for a real click. accSelect with
// SELFLAG_TAKEFOCUS makes an element current, as Tab does.
//
// Lifetime: every call reads the panel's element list afresh. The objects
// reach the panel only through a CWGAccessSite that the panel disconnects
// when it dies; a client that keeps an object longer gets
// CO_E_OBJNOTCONNECTED. The painting lock is held only while plain fields
// are read; the application's overrides (list data, commands) and window
// messages run outside it.
//
// Threads: calls arrive on the window's thread (COM marshals a client's
// calls into that thread's apartment). A client in another process
// needs the panel thread to have initialised COM (OleInitialize) before
// the window exists, as for any MSAA server.
#pragma once
#include "wgdef.h"
#include <vector>

// What a panel or a popup menu keeps for its accessible objects: the link
// the objects follow to reach it, and (for a panel) the names the
// application registered. Shared by the window and every object it handed
// out; the last one frees it.
class CWGAccessSite
{
public:
    explicit CWGAccessSite(CVRK_WGPANEL* pPanel) : m_nRefs(1), m_pPanel(pPanel), m_pMenu(nullptr) {}
    explicit CWGAccessSite(CVRK_MENUWND* pMenu) : m_nRefs(1), m_pPanel(nullptr), m_pMenu(pMenu) {}
    void AddRef() { ::InterlockedIncrement(&m_nRefs); }
    void Release() { if (::InterlockedDecrement(&m_nRefs) == 0) delete this; }

    // The panel, or the menu, if it and its window are alive, else null.
    CVRK_WGPANEL* Panel() const;
    CVRK_MENUWND* Menu() const;
    // Called by the dying window: every later call of an object fails.
    void Disconnect() { m_pPanel = nullptr; m_pMenu = nullptr; }

    void SetName(long nIndex, const char* pszName);
    CString Name(long nIndex) const;

    // The answer to WM_GETOBJECT for OBJID_CLIENT: a new object for the
    // panel or the menu.
    LRESULT OnGetObject(WPARAM wParam);
    // A new object for the menu (a child of its panel's object).
    IDispatch* MenuObject();

private:
    ~CWGAccessSite() {}
    volatile LONG m_nRefs;
    CVRK_WGPANEL* m_pPanel;
    CVRK_MENUWND* m_pMenu;
    struct Named { long nIndex; CString strName; };
    std::vector<Named> m_names;     // few elements need one
    CWGAccessSite(const CWGAccessSite&) = delete;
    CWGAccessSite& operator=(const CWGAccessSite&) = delete;
};

// CWG_TextMenu: the right-click edit menu of the text elements, a
// free-standing popup menu whose clicks reach its owner element as edit
// commands (CWG_Text::EDIT_*). CWGTextClipboard: the system clipboard as the
// text elements use it: copy and cut place the
// same text as CF_TEXT (system code page) and CF_UNICODETEXT; paste reads
// CF_UNICODETEXT first and converts it to the system code page, else
// CF_TEXT. Texts are byte strings that stop at their first zero byte.
#pragma once
#include "wgdef.h"
#include "VRK_MENUWND.h"

// CWG_TextMenu: the right-click edit menu of the text elements (undo, cut,
// copy, paste, delete, select all). Each text element owns one and makes it
// with CreateFor(window, element); a click on a row reaches the owner element
// as OnMenuCommand with an edit command (CWG_Text::EDIT_*), not the panel.
class WG_API CWG_TextMenu : public CVRK_MENUWND
{
public:
    // Rows, separators included; the caption of each and the command a
    // click on it delivers. The separators stay enabled, so a click on one
    // delivers cut (upper) or select all (lower).
    enum
    {
        ROW_UNDO = 0, ROW_SEPARATOR_TOP = 1, ROW_CUT = 2, ROW_COPY = 3, ROW_PASTE = 4,
        ROW_DELETE = 5, ROW_SEPARATOR_BOTTOM = 6, ROW_SELECT_ALL = 7, ROWS = 8,
    };
    static const char* const s_pszCaptions[ROWS];

    // The command of row nRow (-1 for none).
    static long CommandOfRow(long nRow);
    // Creates the hidden menu as a free-standing one on pParent's window,
    // reporting to pOwner. Returns Create's result.
    int CreateFor(CWnd* pParent, CVRK_WG* pOwner);
    // Pops the menu up at ptPanel (pPanel's client coordinates) with its
    // rows enabled for the owner's state: undo, cut, copy and delete need a
    // selection, select all a text; paste and the separators always stay.
    void PopupFor(CVRK_WGPANEL* pPanel, CPoint ptPanel, BOOL bSelection, BOOL bHasText);

protected:
    // A click on an enabled row closes the menu and then delivers its
    // command to the owner (the owner's command may destroy the element
    // and this menu with it, so nothing follows it); any other click is
    // the popup menu's own (closes, reports -1, replays a click outside).
    void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// CWGTextClipboard: the system clipboard as the text elements use it, as static
// operations (never constructed): copy and cut place the same text as CF_TEXT
// and CF_UNICODETEXT; paste reads CF_UNICODETEXT first, else CF_TEXT. Texts are
// byte strings that stop at their first zero byte.
class WG_API CWGTextClipboard
{
public:
    // Empties the clipboard and places nLength bytes of psz in both
    // formats. FALSE, with the clipboard untouched, when hOwner is null or
    // the clipboard is held open by another window.
    static BOOL Put(HWND hOwner, LPCSTR psz, int nLength);
    // The clipboard's text; empty when it holds no text, when it cannot be
    // opened, or when the Unicode form is there but cannot be read (the
    // 8-bit form is then not tried, so a paste never takes stale text).
    static CString Get(HWND hOwner);
    // The CF_TEXT (or CF_OEMTEXT) bytes alone, never the Unicode form.
    // FALSE when there is no 8-bit text or the clipboard cannot be opened.
    static BOOL GetAnsi(HWND hOwner, CString& str);
};

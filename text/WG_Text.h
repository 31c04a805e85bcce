// CWG_Text: the single-line edit field, a windowless element that edits a
// GBK byte string by byte positions, never splitting a two-byte character,
// with its own caret, selection, horizontal scrolling and right-click edit
// menu (undo, cut, copy, paste, delete, select all). Reports to the
// panel's OnWGCommand: 7 text changed (also Enter, Up and Down, with
// m_nLastKey telling which), 10 focus gained, 11 focus lost.
//
// Bad input, as handled here:
//  - A byte 0x80-0xFF starts a two-byte character, also where the code page
//    calls the pair invalid; a lead byte at the very end stands alone.
//  - A lead byte typed with WM_CHAR waits for its trail: until the trail
//    comes, the caret may sit between the two (TrailPending). Moves and
//    deletions from there step to the character's start, never further.
//  - A paste that would leave the caret inside a character (a lone lead
//    byte pasted before other text) puts the caret after that character.
//  - Texts stop at a zero byte (SetTextStr, the clipboard); a null text is
//    empty. Pasted CR, LF and tabs are kept as bytes, without limit.
//  - A text changed behind the element's back (GetTextStrAddress) is taken
//    as it is at the next event: the caret and selection are clamped to it.
//  - A field narrower than a character and its 3-pixel margin: Left that
//    scrolls puts the caret 2 pixels inside the right edge (as typing does)
//    instead of past it.
//  - A selection anchor left from before an edit (a Shift-click or a drag
//    extends from it) goes to the start of the character it now falls in.
#pragma once
#include "VRK_WG.h"
#include "WG_TextMenu.h"

// CWG_Text: the single-line edit field for GBK byte strings, with its own
// caret, selection, scrolling and right-click edit menu. Create it with the
// panel, position and size; SetTextStr sets the text (repaints, then reports
// 7). Reports to the panel's OnWGCommand: 7 text changed (also Enter, Up and
// Down, m_nLastKey telling which), 10 focus gained, 11 focus lost.
class WG_API CWG_Text : public CVRK_WG
{
public:
    enum
    {
        CMD_CHANGED = 7, CMD_FOCUS = 10, CMD_BLUR = 11,   // OnWGCommand codes
        BLINK_MS = 500,
        // Edit commands of OnMenuCommand (also Ctrl+A, C, X, V).
        EDIT_UNDO = 0, EDIT_CUT = 1, EDIT_COPY = 2, EDIT_PASTE = 3, EDIT_DELETE = 4,
        EDIT_SELECT_ALL = 5,
    };

    // ---- data
    long m_nLength;             // text length in bytes (every drawing sets it)
    long m_nCaretX;             // x of the caret line (every drawing sets it)
    long m_nCaret;              // caret position, 0..m_nLength
    BOOL m_bReadOnly;           // only Enter, Shift/Ctrl and copying work
    BOOL m_bNumberOnly;         // typing limited to 0-9, '-' (and '.' below)
    BOOL m_bIntegerOnly;        // with m_bNumberOnly: '.' refused
    BOOL m_bDragging;           // left button held after a press in the field
    BOOL m_bJustFocused;        // the next left click selects everything
    CString m_strText;
    CString m_strHint;          // shown in grey while the text is empty
    COLORREF m_crSavedBorder;   // m_crBorder while the focus border shows
    BOOL m_bCaretShow;          // caret drawn in this blink phase
    long m_nSelAnchor;          // where the selection began
    long m_nSelEnd;             // moving end of the selection (follows the caret)
    long m_nSelMin;             // selection [m_nSelMin, m_nSelMax), normalised
    long m_nSelMax;             //   at every drawing
    BOOL m_bSelected;           // a selection is active
    BOOL m_bShiftCtrl;          // Shift or Ctrl held
    long m_nScrollX;            // text offset in pixels, 0 or negative once drawn
    BOOL m_bChooseAllOnFocus;   // gaining the focus selects everything
    long m_nLastKey;            // Enter, Up or Down while code 7 reports it, else -1
    CWG_TextMenu m_Menu;        // the right-click edit menu

    CWG_Text();
    virtual ~CWG_Text();

    // Creates the edit menu on the panel's window first: 0, and the element
    // not registered, when the panel has no window or the menu fails.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight);
    CString GetTextStr() const { return m_strText; }
    CString* GetTextStrAddress() { return &m_strText; }
    // The caret goes to the end, the view to the start, the selection away.
    void SetTextStrQuiet(CString str);
    void SetTextStr(CString str);   // also repaints, then reports 7
    void ChooseAllQuiet();
    void ChooseAll();
    // 1 when byte n - 1 belongs to a two-byte character (walked from 0).
    int IfCharCN(long n);
    // Puts the caret at the character boundary nearest pt.x.
    void CountCur(CPoint pt);
    // A lead byte was just typed at m_nCaret - 1 and its trail has not come.
    BOOL TrailPending() const;
    // Pixel width of the first n bytes in m_pFont, as GetTextExtentPoint32A
    // measures them. Remembered between calls, so a key in a long text
    // measures only what changed.
    long TextWidth(long n);

    // ---- overridables
    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnChar(UINT nChar);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnKeyUp(UINT nChar);
    virtual void OnMenuCommand(long nMenu, long nCommand);
    virtual void OnTimer();
    virtual void OnGetFocus();
    virtual void OnLoseFocus();
    virtual void OnOpenIME();

protected:
    // A second string edited at the same byte positions as m_strText by
    // every removal here (the password's real text); null for none.
    CString* m_pMirror;

    // Repaints through the panel (no-op without one); normalises the
    // selection first, so the editing operations see it even while hidden.
    void Repaint();
    // Reports nCode; FALSE when the application's handler destroyed this
    // element, which must then touch nothing of itself.
    BOOL Notify(long nCode);
    void NormaliseSelection();
    // Enter (reported with m_nLastKey), read-only and the Ctrl shortcuts;
    // TRUE when nChar needs nothing more.
    BOOL CharHandledFirst(UINT nChar);
    // Removes a non-empty selection with its scrolling rule; FALSE (and
    // nothing done) for an empty one.
    BOOL RemoveSelection();
    // Clamps m_nLength, the caret and the selection to the text as it is.
    void TakeText();
    // Removes n bytes at nPos from m_strText and the mirror.
    void RemoveBytes(long nPos, long n);
    // The character boundary before / after n (the double-byte rule).
    long PrevStop(long n);
    static long PrevStopIn(const CString& str, long n);
    long NextStop(long n);
    // n is 0, the end, or where a character starts.
    BOOL IsBoundary(long n);
    // The anchor of a selection about to show, kept from an earlier text,
    // goes inside the text and to the start of the character it is in.
    void SnapAnchor();
    long ByteWidth(BYTE b);
    // Brings the remembered widths up to date with the text and the font.
    void SyncWidths();
    long SpanWidth(long nFrom, long nTo) { return TextWidth(nTo) - TextWidth(nFrom); }
    // Right scrolling rule: the caret past W - 3 lands 2 pixels inside the edge.
    void ScrollToCaretRight();
    // The offset that puts the caret 2 pixels inside the right edge.
    long RightEdgeScroll();
    void ScrollCaretToRightEdge() { m_nScrollX = RightEdgeScroll(); }
    // Scrolls for a drag or Shift-click outside the element.
    void ScrollAtEdge(CPoint pt);
    void StartBlink();
    void PutSelectionOnClipboard();
    // After a paste at nPos of nBytes, the caret goes past them (and out of
    // a character the paste's last byte started in strRule).
    void CaretAfterPaste(long nPos, long nBytes, const CString& strRule);
    // Notes the caret as waiting for a trail when a typed byte left it
    // between a lead byte and the byte after it.
    void NoteTrailPending();
    // A paste replaces the selection: it goes (scrolling nothing), and the
    // caret, where the paste goes, is returned.
    long RemoveSelectionForPaste();

private:
    struct CWidths;
    CWidths* m_pWidths;
    BOOL* m_pbDestroyed;      // set by the destructor while Notify runs
    BOOL m_bFocusLook;        // m_crSavedBorder holds the border to restore
    CString m_strPendingText; // the text when a lead byte was typed
    long m_nPendingCaret;     //   and the caret after it; -1 for none

    void DrawVisibleText(long x0);
    // Pops the edit menu up at pt (panel coordinates) with its rows enabled
    // for the state of the text.
    void PopupMenu(CPoint pt);
    void PasteText();
};

// CWG_TextArea: the multi-line edit element. It wraps a GBK byte string
// into rows of m_nRowHeight pixels (0x0D breaks a row; a two-byte character
// that does not fit moves whole to the next row), scrolls them with its own
// scroll bar (skin 3012) and the wheel, and shares the single-line field's
// caret, selection colour, focus border, edit menu and clipboard. Reports
// OnWGCommand(m_nIndex, 7) after every character except Ctrl+A.
//
// Rows are laid out only while their start is below byte 500 (ROW_LIMIT).
// Past that, as handled here:
//  - The text stays whole in m_strText (the application reads it all), but
//    the bytes after the last laid-out row are neither drawn nor reachable.
//  - The caret and the selection never go past the end of the last laid-out
//    row: SetTextStr, a paste or a key that would put the caret further puts
//    it at that end, so typing there inserts before the hidden tail.
//  - Deleting text brings hidden text into the laid-out rows again.
//  - When the last laid-out row is full, a byte typed at its end starts a
//    row past the limit: it goes into the hidden tail and the caret stays.
// Every layout is made from byte 0 as the rule says; the limit bounds it to
// about 500 bytes, so a key in a 1 MB text costs what it costs in 1 kB.
//
// Bad input:
//  - A word wider than a row is cut at the last byte that fits; a character
//    wider than a whole row stands alone on its row.
//  - A lead byte (0x80-0xFF) always pairs with the byte after it, even a
//    0x0D: such a 0x0D does not break the row. A lead byte at the very end
//    stands alone.
//  - Pasted text: CR LF and a bare LF become one 0x0D; the text stops at its
//    first zero byte; a 1 MB paste goes in whole.
//  - The caret and the selection ends are kept on character boundaries.
//
// Also chosen here: after a key or a character the view scrolls just enough
// to show the caret's row (the one-row scrolling rules alone can leave it
// out of view, after Enter on the last row say); Up and Down move one row;
// a layout that turns the scroll bar on or off is made again at the width
// the bar leaves, so no row runs under it; the input method's window
// follows the caret after each repaint, outside the panel's painting lock.
#pragma once
#include "VRK_WG.h"
#include "WG_TextMenu.h"

// CWG_TextArea: the multi-line edit field for GBK byte strings, wrapped into
// rows with its own scroll bar. Create it with the panel, position and
// size; SetTextStr sets the text (0x0D between lines). Reports 7 to the
// panel's OnWGCommand after every character except Ctrl+A; the limits and
// bad input are at the top of this file.
class WG_API CWG_TextArea : public CVRK_WG
{
public:
    enum
    {
        CMD_CHANGED = 7,   // OnWGCommand code
        ROW_LIMIT = 500,   // rows start only below this byte
        BAR_W = 15,        // scroll bar column
        MIN_THUMB = 15,
        BLINK_MS = 500,
    };

    // ---- data
    long m_nShowRows;          // whole rows that fit (every drawing sets it)
    long m_nRowHeight;         // 16
    long m_nThumbHeight;       // set at drawing
    long m_nRowCount;          // rows of the last layout
    long m_nCaretRow;          // row holding the caret
    long m_nCaret;             // caret byte, 0..length
    long m_nCaretX;            // caret line x, y (element pixels)
    long m_nCaretY;
    long m_nThumbTop;
    long m_nFirstRow;          // first row shown
    long m_nThumbGrab;         // thumb top to the grab point
    BOOL m_bScrollBar;         // shown: it takes the rightmost 15 pixels
    BOOL m_bSelected;
    BOOL m_bThumbDragging;
    BOOL m_bDragging;          // left button held after a press in the text
    BOOL m_bShiftCtrl;
    BOOL m_bCaretShow;
    long m_nSelAnchorRow, m_nSelAnchor;   // where the selection began
    long m_nSelEndRow, m_nSelEnd;         // its moving end
    long m_nSelMinRow, m_nSelMin;         // [m_nSelMin, m_nSelMax), normalised
    long m_nSelMaxRow, m_nSelMax;         //   at drawing
    long m_nCaretRowStart;     // first byte of the caret's row
    long m_nCaretColumn;       // caret - m_nCaretRowStart
    long m_nCaretRowEnd;       // just past the caret's row
    COLORREF m_crSavedBorder;
    BOOL m_bReadOnly;          // no typing, Backspace, Delete, cut or paste
    CBitmap m_bmpScroll;       // the application's scroll bar skin; empty: the
                               //   library's shared skin 3012 (one copy per process)
    CString m_strText;
    CString m_strHint;         // grey while the text is empty
    CWG_TextMenu m_Menu;

    CWG_TextArea();
    virtual ~CWG_TextArea();

    // Registers, then creates the edit menu: 0 when the menu fails (the
    // element stays registered).
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight);
    // Caret to the end, view to the top, selection away; no repaint.
    void SetTextStr(CString str);
    // Empties the text and lays it out again; the caller repaints.
    void ClearTextStr();
    // 1 when byte n - 1 is the lead byte of a two-byte character.
    int IfInCN(long n);
    // Rows needed up to byte n, less m_nShowRows: the first row that puts
    // byte n's row at the bottom of the view.
    long CountNowStartRow(long n);
    // Caret row and caret from pt (element coordinates).
    void CountNowCurPos(CPoint pt);
    // The byte just past the last laid-out row: the caret's limit.
    long ReachEnd();
    // The last layout: its rows and the bytes [start, end) of row r.
    long RowsLaidOut() const;
    long LaidRowStart(long r) const;
    long LaidRowEnd(long r) const;

    // ---- overridables
    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnMouseWheel(short zDelta);
    virtual void OnChar(UINT nChar);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnKeyUp(UINT nChar);
    virtual void OnMenuCommand(long nMenu, long nCommand);
    virtual void OnTimer();
    virtual void OnGetFocus();
    virtual void OnLoseFocus();
    virtual void OnOpenIME();

protected:
    struct CRow { long s, e; };   // bytes [s, e)
    // Lays out every row (from byte 0, starts below ROW_LIMIT) at the text
    // width the scroll-bar state gives.
    void Layout(BOOL bScrollBar);
    // The layout values of a drawing without the drawing: row count, caret
    // row, scroll bar and thumb, selection bounds.
    void Arrange();
    void Repaint();
    BOOL Notify(long nCode);   // FALSE when the handler destroyed this element
    void KeepCaretInReach();
    // After a key: the view scrolls just enough to show the caret's row.
    void ShowCaretRow();
    // Backspace's scrolling rule (the caret's row as of the last layout).
    void BackspaceScroll();
    void RemoveRange(long nFrom, long nTo);
    void Backspace();
    void PasteText();
    void SelectAll();
    void StartBlink();
    long TextWidth(long nFrom, long nTo);   // bytes [nFrom, nTo)
    long TextArea() const;                   // A: the width rows fill
    void DrawScrollBar();


private:
    struct CLayout;
    CLayout* m_pLayout;
    BOOL* m_pbDestroyed;      // set by the destructor while Notify runs
    BOOL m_bFocusLook;        // m_crSavedBorder holds the border to restore
};

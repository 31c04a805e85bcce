// CWG_EditList: a list whose cells in chosen tiers are edited in place. Its
// editor, a writable combo, moves over the cell, takes the cell's text
// (GetEditBuffer) and the focus; every key in it hands the text back at
// once (SetEditBuffer, then code 12). Editing ends when the editor loses
// the focus, and, at the next paint, when its row is gone or no longer
// where the editor stands (the list scrolled or moved).
//
// Bad input, and what the list makes of it:
// - An editable tier outside the tiers is kept but never opens; a tier
//   given to SetNowEditField outside the tiers, or before the first paint
//   has measured the tier edges, opens nothing (returns 0).
// - The row handed to GetEditBuffer, SetEditBuffer and OnWillEidtBuffer is
//   the first chosen row; when nothing is chosen (the rows dropped under
//   the choice) it is the row the editor was opened on, so a key typed
//   then still reaches the application, which ignores rows it no longer has.
// - Only editable tiers open: NextItem and PrevItem after a click in
//   another tier move the choice without opening the editor.
// - Footer rows are not edited: NextItem and PrevItem step over the data
//   rows only, and SetNowEditField refuses a footer row.
// - The handlers called out to (the data calls, OnWGCommand) may change the
//   rows, the focus, or destroy the list: the list re-reads its state after
//   each and touches nothing of itself once destroyed.
#pragma once
#include "WG_List.h"
#include "WG_Combo.h"

class CWG_EditList;

// The in-place editor: a writable combo that hands every key to its list.
class WG_API CWG_EditListEditor : public CWG_Combo
{
public:
    CWG_EditList* m_pOwnerList;     // set by the list's Create, not owned

    CWG_EditListEditor();
    virtual void OnChar(UINT nChar);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnLoseFocus();
};

// CWG_EditList: a list whose cells in the tiers the application marks
// editable are edited in place by its editor. Derive from it, answer the
// list's data questions plus GetEditBuffer and SetEditBuffer, and Create it
// like the list. Reports code 12 after every key typed in the editor.
class WG_API CWG_EditList : public CWG_List
{
public:
    enum { CMD_EDITED = 12, EDITOR_COLOR = 0xFF6600 };

    // ---- data, in declared order
    long m_nEditTierCount;
    CWGArray<long> m_EditTiers;
    long m_nEditRow;                // absolute row of the cell edited, -1 none
    long m_nEditTier;               // its tier, -1 none
    CWG_EditListEditor m_Editor;    // shown (m_bVisible) while editing

    CWG_EditList();
    virtual ~CWG_EditList();

    // The list with 20-pixel rows, then the editor registered right after it.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight, CString* pCaptions,
               long nCaptions, long* pEditTiers, long nEditTiers);

    // The choice steps down (up) with wrap-around, scrolls into view and the
    // editor follows when a tier is being edited. Nothing is reported.
    void NextItem();
    void PrevItem();

    // ---- overridables of the list
    // The list, then the shown editor's last picture over its cell, so a
    // repaint of the list alone does not wipe the editor off the screen.
    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnChar(UINT nChar);
    virtual void OnKeyDown(UINT nChar);
    virtual void AfterLoadData();

    // ---- new overridables, in slot order
    virtual int CanEditItem(long nRow);
    virtual CString GetEditBuffer(long nRow);
    virtual void SetEditBuffer(long nRow, CString strText);
    virtual void OnWillEidtBuffer(long nRow, long nTier);
    virtual void OnUpdateEditBuffer();      // SetEditBuffer, then code 12
    virtual void OnHiddenEditBuffer();      // hides the editor and repaints

protected:
    // Places and opens the editor over visible row nShowRow, tier nTier; 1
    // when it is open afterwards.
    int SetNowEditField(long nShowRow, long nTier);
    // Opens the editor when x (element x) lies in an editable tier of nRow.
    int CheckMousePointToEdit(long nRow, long x);
    // The row the editor's text belongs to (see the header comment).
    long EditDataRow() const;
    long DataRows() const { return m_nRowCount - m_nFooterRows; }

    CWGAliveLink* m_pAlive;   // the callers' flags, cleared by the destructor

private:
    void StepTo(long nTarget);
    void HideStrayEditor(long nRows);
    void Refresh(long nIndex);
};

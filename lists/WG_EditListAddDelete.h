// CWG_EditListWith_Add_Delete: an edit list with a delete icon at the right
// end of every data row and an add row at the end of the list. Clicking
// them asks the application (OnDeleteData, OnAddData); after an add the
// list scrolls to the new row and clicks it, which opens the editor there
// when its first tier is editable.
//
// Bad input, and what the list makes of it:
// - An OnAddData that lowers the count refuses: nothing changes and nothing
//   is reported. One that adds nothing makes the follow-up click land on
//   the add row again; that click is not taken as a second add request.
// - An OnDeleteData that deletes nothing (a refusal) costs one repaint.
// - Deleting the row being edited, or the last row: the click on the icon
//   has taken the focus from the editor, which handed its text over at
//   every key, so nothing typed is lost; the paint after the reload brings
//   the choice within the rows.
// - The add row is never chosen (PreChooseRow) nor edited; a choice it
//   takes over when the last records go is dropped at the reload.
#pragma once
#include "WG_EditList.h"

// CWG_EditListWith_Add_Delete: an edit list with a delete icon on every
// data row and an add row at its end. Derive from it and answer OnAddData
// and OnDeleteData as well; Create it like the edit list. Reports what the
// edit list reports.
class WG_API CWG_EditListWith_Add_Delete : public CWG_EditList
{
public:
    enum { ICON = 18, DELETE_TIER_W = 20 };

    // ---- data, in declared order
    CBitmap m_bmpAddDelete;         // empty: the shared skin 3006 (plus at x 0, cross at x 18)
    CString m_strAddText;           // written right of the plus in the add row
    int m_bCanAdd;                  // the add row exists

    CWG_EditListWith_Add_Delete();
    virtual ~CWG_EditListWith_Add_Delete();

    // The given tiers and an empty delete tier after them; nCaptions < 1 is
    // refused (0).
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight, long nCaptions,
               CString* pCaptions, long nEditTiers, long* pEditTiers, int bCanAdd);
    // Adds or removes the add row at the next reload. No repaint.
    void SetCanAdd(int bCanAdd);

    // ---- overridables of the lists
    virtual void TrimTierX();
    virtual void DrawItem(long nRow, long nTier, CRect rc, unsigned long crBack);
    virtual int DrawFooter(long nFooter, CRect rc);
    virtual int PreChooseRow(long nRow);
    virtual void AfterLoadData();
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);

    // ---- new overridables, in slot order
    // On entry nRowCount is the row count with the add row; leave it at
    // least as large (one past the row to show) or lower it to refuse.
    virtual void OnAddData(long& nRowCount);
    virtual void OnDeleteData(long nRow, long& nRowCount);

private:
    CDC* m_pIconDC;                 // the icons' skin is selected here while drawing
    int m_bAdding;                  // inside OnAddData's follow-up click
    // 1 the add row, 2 a delete icon, 0 neither, at element point (x, y);
    // nRow gets the row.
    int HitAffordance(long x, long y, long& nRow);
};

// CWG_ComboList: the combo's drop-down, a free-standing popup menu that
// holds up to 50 texts, shows at most 10 of them and draws its own scroll
// bar when there are more. It reports nothing through OnMenuCommand: a
// choice goes straight to its combo.
//
// Choices made here, beyond the plain rules:
// - A click chooses the hot row only when it lands inside the list: a row
//   left hot by the keys does not turn a click elsewhere into a choice.
// - Keyboard stepping in a list of more than 10 texts scrolls the chosen
//   text into view and lights it at its row (the hot item counts rows from
//   the first visible text, as clicks read it).
#pragma once
#include "VRK_MENUWND.h"

class CWG_Combo;

// CWG_ComboList: the combo's drop-down list, made by the combo (CreateFor)
// and shown below it; up to 50 texts, 10 rows visible with its own scroll
// bar. Reports a choice straight to its combo, nothing to the panel.
class WG_API CWG_ComboList : public CVRK_MENUWND
{
public:
    enum { MAX_ELEMENT = 50, SHOW_ROWS = 10, BAR_W = 14, BUTTON_H = 15 };

    // ---- data, in declared order
    CDC* m_pScrollDC;               // memory DC of the scroll-bar skin
    CBitmap m_bmpScroll;            // empty: the shared skin 3012
    int m_bScrollSkinPending;
    long m_nListWidth;              // the combo's width at the last popup
    long m_nFirstVisible;           // text shown in row 0
    long m_nThumbTop;
    long m_nDragOffset;             // pointer y minus thumb top when a drag began
    int m_bDragging;
    long m_nThumbHeight;
    long m_nElementCount;
    CString m_strElement[MAX_ELEMENT];
    CWG_Combo* m_pCombo;            // the owning combo, not owned

    CWG_ComboList();
    virtual ~CWG_ComboList();

    // Makes the hidden window on pPanel with ten empty rows, width nWidth - 1.
    int CreateFor(CVRK_WGPANEL* pPanel, CWG_Combo* pCombo, long nWidth);
    // Appends a text (bUnique: refused when an equal one exists); 1 when added.
    int Add(const CString& str, BOOL bUnique);
    // Puts a text first; the 51st drops off the end.
    void InsertFirst(const CString& str);
    void Clear();
    // First visible = i and the thumb follows, for more than 10 texts and
    // i below the count; else nothing.
    void SetStart(long i);
    // Lights text i (keyboard stepping), scrolling it into view.
    void ShowHot(long i);

    // ---- overridables
    virtual void CreateMyBGDC();
    virtual void Popup(long x, long y);

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()

private:
    long ClientHeight() const { return m_rcClient.Height(); }
    long ThumbFromFirst() const;
    long FirstFromThumb(long y) const;
    void Scroll(long nDelta);
    void PaintScrollBar();
};

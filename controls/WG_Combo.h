// CWG_Combo: a drop-down selector, a read-only text field with a 16-pixel
// arrow at its right end and a drop-down list of up to 50 texts below it.
// A choice from the list or by Up and Down puts the text into the field,
// repaints, then reports code 7 (m_bCheckingByList is 1 during that call).
//
// Bad input, as handled here:
// - A 51st text: addAnElement and addAnElementUnique return 0;
//   insertTheElementToFirst drops the last text instead.
// - Texts are kept whole, whatever their length (10,000 bytes and more);
//   the list shows what fits in its row.
// - An index outside 0..count-1 given to setElementCheckedWithIndex
//   empties the text and keeps the index as given (it is the application's).
// - Without the built-in list (CWG_Combo(0)) there are no texts: the adding
//   operations return 0 and the combo only opens and closes the
//   application's menu. Create returns 0 when there is no menu at all.
// - The panel's handler of code 7, 10 or 11 may destroy the combo: the
//   combo touches nothing of itself after such a call.
#pragma once
#include "WG_Text.h"
#include "WG_ComboList.h"

// A flag on the stack of a caller that calls out to the application: the
// owner's destructor clears it (KillAll), so the caller learns that the call
// destroyed the owner and touches nothing of it afterwards.
class WG_API CWGAliveLink
{
public:
    BOOL bAlive;
    explicit CWGAliveLink(CWGAliveLink*& pHead);
    ~CWGAliveLink();
    static void KillAll(CWGAliveLink* pHead);

private:
    CWGAliveLink* m_pPrev;
    CWGAliveLink** m_ppHead;
    CWGAliveLink(const CWGAliveLink&) = delete;
    CWGAliveLink& operator=(const CWGAliveLink&) = delete;
};

// CWG_Combo: a drop-down selector element. Construct it with its built-in
// list (CWG_Combo(1), the default) or with your own menu in m_pMenuList,
// Create it with the panel, position and size, then add texts. Reports to
// the panel's OnWGCommand: 7 after a choice by the list or by Up and Down,
// and the text field's 10 and 11 on focus.
class WG_API CWG_Combo : public CWG_Text
{
public:
    enum { ARROW_W = 16, CMD_CHOSEN = 7 };

    // ---- data, in declared order
    CBitmap m_bmpArrow;             // empty: the shared skin 3005
    long m_nArrowX;                 // x of the arrow button in the element
    CVRK_MENUWND* m_pMenuList;      // the drop-down; owned
    CWG_ComboList* m_pComboList;    // the same when built in, else null
    long m_nElementCount;
    long m_nCheckedIndex;           // -1 for none
    int m_bShowArrow;
    int m_bLockChoice;              // user choices are ignored while set
    int m_bCheckingByList;          // 1 while code 7 reports a user choice
    int m_bShirkOnKey;              // a key other than Up/Down closes the list
    int m_bShirkOnClear;            // clearElements closes the list

    explicit CWG_Combo(int withList = 1);
    virtual ~CWG_Combo();

    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight);

    int addAnElement(CString str);
    int addAnElementUnique(CString str);
    // 1 only when the combo was empty and all n were added.
    int addElements(long n, CString* pStrs);
    void insertTheElementToFirst(CString str);
    void clearElements();
    CString GetElement(long i) const;
    void setElementCheckedWithIndexQuiet(long i);
    void setElementCheckedWithIndex(long i);            // repaints, then reports 7
    void setElementCheckedWithCaptionQuiet(CString str);
    void setElementCheckedWithCaption(CString str);     // repaints, then reports 7
    // A choice by the user: hook, text, repaint, report 7, hook.
    void setElementCheckedByMenuList(CString strCaption, long nIndex);
    void setMenuListStartElementIndex(long i);
    void popupMenuList();
    void shirkMenuList();
    int isMenuListInDisplay();

    // ---- overridables
    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnMouseWheel(short zDelta);
    virtual void OnChar(UINT nChar);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnLoseFocus();

protected:
    // May rewrite the caption before it goes into the text.
    virtual void willSetElementCheckedByMenuList(CString& strCaption);
    // Called last, after the report.
    virtual void onSetElementCheckedByMenuList();

protected:
    CWGAliveLink* m_pAlive;   // the callers' flags, cleared by the destructor

private:
    void Report();
};

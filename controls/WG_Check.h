#pragma once
#include "VRK_WG.h"

// CWG_Check: a check box, a 12 x 12 box (a 16 x 17 ticked box when checked)
// followed by its caption, toggled by a click; 18 pixels high. Create it with
// the panel, caption, position, width and bVip (a VIP corner mark). Reports
// every value set, by the user or by SetValue, with code 9. Defaults that
// differ from CVRK_WG's: m_bBorder FALSE, m_crBG the panel colour 0xd8e9ec.
class WG_API CWG_Check : public CVRK_WG
{
public:
    enum { HEIGHT = 18 };

    CBitmap m_bmpSkin;          // empty: the shared skin 3004; set it for another look
    CString m_strCaption;       // drawn right of the box
    int m_nValue;               // 1 checked, 0 unchecked; initially 0
    int m_bSkinPending;         // not painted yet; initially 1
    int m_bHover;               // the element holds the mouse; initially 0
    int m_bVip;                 // VIP look of the box (a yellow corner mark); initially 0

    CWG_Check();
    virtual ~CWG_Check();

    // Height is always 18. Returns the element Create's result.
    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth, int bVip);
    void setVip(int bVip) { m_bVip = bVip ? 1 : 0; }   // no repaint
    int vip() const { return m_bVip; }

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnLoseFocus();

    // ---- new overridables, in slot order
    // Any nonzero value checks. Repaints, then reports code 9 (also when
    // the value did not change). Before Create only the value is stored.
    virtual void SetValue(int nValue);
    // Stores the value only: no repaint, no report.
    virtual void SetValueQuiet(int nValue);
    // The value masked by m_bEnable: a disabled check reads 0.
    virtual int GetValue();
};

// CWG_Radio: a check that belongs to a group of radios sharing one group
// variable, which holds the element id of the group's checked radio. The first
// radio starts the group with Create(panel, caption, x, y, width); the others
// join it with Create(panel, first->GetGroup(), caption, x, y, width). Checking
// one unchecks the previous one; reports the value set with code 9.
class WG_API CWG_Radio : public CWG_Check
{
public:
    // the group variable, when this radio started its group; initially -1
    long m_nOwnGroup;
    long* m_pGroup;             // group variable: id of the group's checked radio; initially null
    int m_bAllowUncheck;        // 0: values other than 1 are ignored; initially 0

    CWG_Radio();
    virtual ~CWG_Radio();

    // Starts a group: checked, and the group variable is m_nOwnGroup.
    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth);
    // Joins the group whose variable pGroup points to (normally the first
    // radio's GetGroup()), unchecked. A null pGroup starts an empty group of
    // its own: no radio checked until this one is.
    int Create(CVRK_WGPANEL* pParent, long* pGroup, CString strCaption, long x, long y,
               long nWidth);
    // The group variable joiners pass to Create; *GetGroup() is the id of
    // the checked radio. Null before Create.
    long* GetGroup() const { return m_pGroup; }

    // Checking unchecks the group's previous radio (repainted, not
    // reported). Unchecking is ignored unless m_bAllowUncheck; then any
    // value other than 1 unchecks.
    virtual void SetValue(int nValue);
    virtual void SetValueQuiet(int nValue);

private:
    // Applies the group rule for nValue; FALSE when the value is refused.
    // The previous radio, if any, is returned through ppPrevious.
    BOOL TakeGroupChoice(int nValue, CWG_Check** ppPrevious);
    // Element nIndex of the panel; null for no element or an empty slot.
    CVRK_WG* GroupMember(long nIndex) const;
};

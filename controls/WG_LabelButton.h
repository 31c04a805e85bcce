#pragma once
#include "VRK_WG.h"

// CWG_LabelButton: a hyperlink-like text button drawn over the panel's
// background, with a colour and underline for each of its normal, hover and
// pressed looks. Create it with the panel, caption, position and size. Reports
// a click with code 5. Defaults that differ from CVRK_WG's: m_bBorder and
// m_bFillBG FALSE, m_bTransparent TRUE.
class WG_API CWG_LabelButton : public CVRK_WG
{
public:
    enum { STATE_NORMAL = 0, STATE_HOVER = 1, STATE_PRESSED = 2 };

    int m_bPressMode;           // 1: pressed look on button-down, click on button-up; initially 0
    int m_nState;               // STATE_*; initially STATE_NORMAL
    COLORREF m_crNormal;                // initially m_crText
    int m_bNormalUnderline;             // initially 1
    COLORREF m_crHover;                 // initially 0x606060
    int m_bHoverUnderline;              // initially 1
    COLORREF m_crPressed;               // initially 0x404040
    int m_bPressedUnderline;            // initially 0
    CFont m_fontUnderline;      // the element's font, underlined; made by Create
    CString m_strCaption;

    CWG_LabelButton();
    virtual ~CWG_LabelButton();

    // 1 on success (the underline font built), 0 when the element Create
    // fails. Without an element font no underline font exists and the
    // underlined looks draw plain.
    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth,
               long nHeight);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnLoseFocus();

private:
    void SetState(int nState);
    void Click();
};

#pragma once
#include "VRK_WG.h"

// CWG_Button: the skinned push button. Stretches the three-piece skin 3003 over
// its size, highlights while the pointer is over it and reports a press to the
// panel's OnWGCommand with code 5 at once, on mouse-button down. Create it with
// the panel, caption, position, size and bMark (a marked look). Defaults that
// differ from CVRK_WG's: m_bBorder and m_bFillBG FALSE.
class WG_API CWG_Button : public CVRK_WG
{
public:
    BOOL m_bFirstDraw;        // not painted yet; initially TRUE
    // the panel's back buffer while painting; null otherwise; initially null
    CDC* m_pPanelDC;
    CBitmap m_bmpSkin;        // empty: the shared skin 3003; set it for another look
    CString m_strCaption;
    BOOL m_bMark;             // 9 x 9 mark in the lower-left corner; initially FALSE
    BOOL m_bRoundCorner;      // let the panel show through the skin's corners; initially FALSE
    BOOL m_bHover;                      // initially FALSE

    CWG_Button();
    virtual ~CWG_Button();

    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth,
               long nHeight, int bMark);
    void SetCaption(CString strCaption);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);

private:
    void CopyCornersFrom(CDC* pDC);
};

#pragma once
#include "VRK_WG.h"

// CWG_CptButton: a text button exactly as large as its caption, darker while
// the pointer is over it. Create it with the panel, caption and position (its
// size follows the caption). Reports a click with code 5. Defaults that differ
// from CVRK_WG's: m_bBorder FALSE, m_crBG the panel colour 0xd8e9ec.
class WG_API CWG_CptButton : public CVRK_WG
{
public:
    int m_bHover;                       // initially 0
    CString m_strCaption;

    CWG_CptButton();
    virtual ~CWG_CptButton();

    // The button takes the size of its caption's text extent in its font.
    int Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y);
    // New caption without repaint or report; the size follows at the next
    // draw. An empty caption measures 0 wide: the button then has no area
    // and is neither painted nor hit until it gets a caption again.
    void SetCptStrQuiet(CString strCaption);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);

private:
    void FitCaption();
};

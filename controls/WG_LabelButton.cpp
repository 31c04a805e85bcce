#include "WG_LabelButton.h"
#include "VRK_WGPANEL.h"
#include "WGHover.h"

static const COLORREF CR_HOVER = 0x606060;
static const COLORREF CR_PRESSED = 0x404040;
enum { TEXT_Y = 2, CMD_CLICK = 5 };

CWG_LabelButton::CWG_LabelButton()
    : m_bPressMode(0), m_nState(STATE_NORMAL), m_crNormal(m_crText), m_bNormalUnderline(1),
      m_crHover(CR_HOVER), m_bHoverUnderline(1), m_crPressed(CR_PRESSED), m_bPressedUnderline(0)
{
    m_bBorder = FALSE;
    m_bFillBG = FALSE;
    m_bTransparent = TRUE;   // drawn over a copy of the panel: looks transparent
}

CWG_LabelButton::~CWG_LabelButton() {}

int CWG_LabelButton::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y,
                            long nWidth, long nHeight)
{
    m_strCaption = strCaption;
    if (!CVRK_WG::Create(pParent, x, y, nWidth, nHeight))
        return 0;
    m_fontUnderline.DeleteObject();
    LOGFONTA lf;
    if (m_pFont && m_pFont->GetLogFont(&lf))
    {
        lf.lfUnderline = 1;
        m_fontUnderline.CreateFontIndirect(&lf);
    }
    return 1;
}

void CWG_LabelButton::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    COLORREF cr = WG_CR_TEXT_DISABLED;
    BOOL bUnderline = FALSE;
    if (m_bEnable)
    {
        switch (m_nState)
        {
        case STATE_HOVER: cr = m_crHover; bUnderline = m_bHoverUnderline; break;
        case STATE_PRESSED: cr = m_crPressed; bUnderline = m_bPressedUnderline; break;
        default: cr = m_crNormal; bUnderline = m_bNormalUnderline; break;
        }
    }
    const BOOL bFontUnderline = bUnderline && m_fontUnderline.m_hObject;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, bFontUnderline ? &m_fontUnderline : m_pFont);
    const COLORREF crOld = m_pBGDC->SetTextColor(cr);
    m_pBGDC->TextOut(0, TEXT_Y, m_strCaption);
    m_pBGDC->SetTextColor(crOld);
}

void CWG_LabelButton::SetState(int nState)
{
    m_nState = nState;
    m_pParent->RefreshWG(m_nIndex);
}

// Back to normal: repaints, gives the mouse back, then reports.
void CWG_LabelButton::Click()
{
    SetState(STATE_NORMAL);
    CWGHover::Leave(this);
    m_pParent->OnWGCommand(m_nIndex, CMD_CLICK);
}

void CWG_LabelButton::OnMouseMove(CPoint point)
{
    if (!PtInMe(point))
    {
        if (m_nState != STATE_NORMAL)
            SetState(STATE_NORMAL);
        CWGHover::Leave(this);
        return;
    }
    // A move while pressed returns to the hover look.
    if (m_nState != STATE_HOVER)
    {
        SetState(STATE_HOVER);
        CWGHover::Enter(this);
    }
}

void CWG_LabelButton::OnButtonDown(CPoint point, long)
{
    if (!PtInMe(point) || m_nState == STATE_PRESSED)
        return;
    if (m_bPressMode)
        SetState(STATE_PRESSED);
    else
        Click();
}

void CWG_LabelButton::OnButtonUp(CPoint point, long)
{
    if (m_bPressMode && m_nState == STATE_PRESSED && PtInMe(point))
        Click();
}

void CWG_LabelButton::OnButtonDClick(CPoint point, long nButton)
{
    OnButtonDown(point, nButton);
}

void CWG_LabelButton::OnLoseFocus()
{
    if (m_nState == STATE_NORMAL)
        return;
    SetState(STATE_NORMAL);
    CWGHover::Release(this);
}

#include "WG_CptButton.h"
#include "VRK_WGPANEL.h"
#include "WGHover.h"

static const COLORREF CR_HOVER = 0x787878;
enum { CMD_CLICK = 5 };

CWG_CptButton::CWG_CptButton() : m_bHover(0)
{
    m_bBorder = FALSE;
    m_crText = 0x000000;
    m_crBG = WG_CR_PANEL;
}

CWG_CptButton::~CWG_CptButton() {}

int CWG_CptButton::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y)
{
    m_strCaption = strCaption;
    const int nResult = CVRK_WG::Create(pParent, x, y, 0, 0);
    // Sized now: the panel paints only elements that have an area, so the
    // first draw cannot be the one that sizes it.
    FitCaption();
    return nResult;
}

void CWG_CptButton::SetCptStrQuiet(CString strCaption)
{
    m_strCaption = strCaption;
    m_bRecreateBitmap = TRUE;   // the size follows at the next draw
    // An element without area is never drawn, so it would never grow back.
    if (m_nWidth <= 0 || m_nHeight <= 0)
        FitCaption();
}

// The caption's extent in the element's font becomes the size.
void CWG_CptButton::FitCaption()
{
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return;
    CDCSelect selFont(&dc, m_pFont);
    const CSize sz = dc.GetTextExtent(m_strCaption);
    m_nWidth = sz.cx;
    m_nHeight = sz.cy;
    m_rect.right = m_rect.left + m_nWidth - 1;
    m_rect.bottom = m_rect.top + m_nHeight - 1;
}

void CWG_CptButton::CreateMyBGDC(CDC* pDC)
{
    // The base makes the back buffer at the caption's size and lays the
    // background (fill, or the copy of the panel beneath).
    if (m_bRecreateBitmap)
        FitCaption();
    CVRK_WG::CreateMyBGDC(pDC);
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    m_pBGDC->SetTextColor(!m_bEnable ? WG_CR_TEXT_DISABLED : (m_bHover ? CR_HOVER : m_crText));
    m_pBGDC->TextOut(0, 0, m_strCaption);
}

void CWG_CptButton::OnMouseMove(CPoint point)
{
    if (!PtInMe(point))
    {
        if (m_bHover)
        {
            m_bHover = 0;
            m_pParent->RefreshWG(m_nIndex);
            CWGHover::Leave(this);
        }
        return;
    }
    if (!m_bHover)
    {
        m_bHover = 1;
        CWGHover::Enter(this);
        m_pParent->RefreshWG(m_nIndex);
    }
}

// Repaints, gives the mouse back, then reports.
void CWG_CptButton::OnButtonDown(CPoint, long)
{
    m_bHover = 0;
    m_pParent->RefreshWG(m_nIndex);
    CWGHover::Leave(this);
    m_pParent->OnWGCommand(m_nIndex, CMD_CLICK);
}

void CWG_CptButton::OnButtonDClick(CPoint point, long nButton)
{
    OnButtonDown(point, nButton);
}

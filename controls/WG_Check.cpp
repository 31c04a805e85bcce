#include "WG_Check.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include "WGHover.h"

// Skin 3004: four 17-row bands (normal, disabled, VIP, VIP disabled). In a
// band the empty box is x 0..11 with its face from row 3, the ticked box is
// the 16 x 17 cell at x 12, keyed on magenta because the tick rises above it.
enum
{
    SKIN_ID = 3004, BAND_H = 17, BAND_VIP = 34, BOX = 12, BOX_TOP = 3,
    TICK_X = 12, TICK_W = 16, TICK_H = 17, CAPTION_X = 18, CAPTION_Y = 3, CMD_VALUE = 9
};

// ---- CWG_Check ------------------------------------------------------------------------

CWG_Check::CWG_Check() : m_nValue(0), m_bSkinPending(1), m_bHover(0), m_bVip(0)
{
    m_bBorder = FALSE;
    m_crBG = WG_CR_PANEL;
}

CWG_Check::~CWG_Check() {}

int CWG_Check::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth,
                      int bVip)
{
    m_strCaption = strCaption;
    m_bVip = bVip ? 1 : 0;
    return CVRK_WG::Create(pParent, x, y, nWidth, HEIGHT);
}

void CWG_Check::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    m_bSkinPending = 0;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpSkin, SKIN_ID));
    CDCSelect selFont(m_pBGDC, m_pFont);

    const int yBand = (m_bVip ? BAND_VIP : 0) + (m_bEnable ? 0 : BAND_H);
    if (m_nValue)
        m_pBGDC->TransparentBlt(0, 0, TICK_W, TICK_H, m_pParentBGDC, TICK_X, yBand, TICK_W, TICK_H,
                                WG_CR_MAGENTA);
    else
        m_pBGDC->BitBlt(0, BOX_TOP, BOX, BOX, m_pParentBGDC, 0, yBand + BOX_TOP, SRCCOPY);
    // The base left the text colour set: the element's, or grey when disabled.
    m_pBGDC->TextOut(CAPTION_X, CAPTION_Y, m_strCaption);
}

void CWG_Check::OnMouseMove(CPoint point)
{
    if (!PtInMe(point))
    {
        if (m_bHover)
        {
            m_bHover = 0;
            CWGHover::Leave(this);
        }
        return;
    }
    if (!m_bHover)
    {
        m_bHover = 1;
        CWGHover::Enter(this);
    }
}

void CWG_Check::OnLoseFocus()
{
    if (m_bHover)
    {
        m_bHover = 0;
        CWGHover::Release(this);
    }
}

void CWG_Check::OnButtonDown(CPoint, long)
{
    // Through the slot, so a radio's click follows the group rules.
    SetValue(!m_nValue);
}

void CWG_Check::OnButtonDClick(CPoint point, long nButton)
{
    OnButtonDown(point, nButton);
}

void CWG_Check::SetValue(int nValue)
{
    m_nValue = nValue ? 1 : 0;
    if (!m_pParent)
        return;
    m_pParent->RefreshWG(m_nIndex);
    m_pParent->OnWGCommand(m_nIndex, CMD_VALUE);
}

void CWG_Check::SetValueQuiet(int nValue)
{
    m_nValue = nValue ? 1 : 0;
}

int CWG_Check::GetValue()
{
    return m_nValue & m_bEnable;
}

// ---- CWG_Radio --------------------------------------------------------------------------

CWG_Radio::CWG_Radio() : m_nOwnGroup(-1), m_pGroup(nullptr), m_bAllowUncheck(0) {}

CWG_Radio::~CWG_Radio() {}

int CWG_Radio::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth)
{
    if (!CWG_Check::Create(pParent, strCaption, x, y, nWidth, 0))
        return 0;
    m_nValue = 1;
    m_nOwnGroup = m_nIndex;
    m_pGroup = &m_nOwnGroup;
    return 1;
}

int CWG_Radio::Create(CVRK_WGPANEL* pParent, long* pGroup, CString strCaption, long x, long y,
                      long nWidth)
{
    if (!pGroup)
    {
        m_nOwnGroup = -1;
        pGroup = &m_nOwnGroup;
    }
    m_pGroup = pGroup;
    m_nValue = 0;
    return CWG_Check::Create(pParent, strCaption, x, y, nWidth, 0);
}

CVRK_WG* CWG_Radio::GroupMember(long nIndex) const
{
    if (!m_pParent || nIndex < 0 || nIndex >= m_pParent->m_nWGCount)
        return nullptr;
    return m_pParent->m_pWG[nIndex];
}

BOOL CWG_Radio::TakeGroupChoice(int nValue, CWG_Check** ppPrevious)
{
    *ppPrevious = nullptr;
    if (nValue == 1 && m_pGroup && *m_pGroup != m_nIndex)
    {
        // The group variable may name no element of this panel (a caller
        // error, an empty group, or a radio already destroyed, whose slot
        // is empty): then there is nobody to uncheck.
        if (CWG_Check* pPrev = dynamic_cast<CWG_Check*>(GroupMember(*m_pGroup)))
        {
            pPrev->m_nValue = 0;
            *ppPrevious = pPrev;
        }
        *m_pGroup = m_nIndex;
    }
    return nValue == 1 || m_bAllowUncheck;
}

void CWG_Radio::SetValue(int nValue)
{
    CWG_Check* pPrevious;
    const BOOL bTaken = TakeGroupChoice(nValue, &pPrevious);
    if (pPrevious)
        m_pParent->RefreshWG(pPrevious->m_nIndex);
    if (!bTaken)
        return;
    m_nValue = nValue == 1 ? 1 : 0;
    if (!m_pParent)
        return;
    m_pParent->RefreshWG(m_nIndex);
    m_pParent->OnWGCommand(m_nIndex, CMD_VALUE);
}

void CWG_Radio::SetValueQuiet(int nValue)
{
    CWG_Check* pPrevious;
    if (TakeGroupChoice(nValue, &pPrevious))
        m_nValue = nValue == 1 ? 1 : 0;
}

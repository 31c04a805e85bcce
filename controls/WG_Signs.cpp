#include "WG_Signs.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"

enum { LINE_Y = 1, CAPTION_Y = 5, NOTIFY_PAD = 8, NOTIFY_X = 3 };
static const COLORREF CR_TITLE = 0xFF6600;
static const COLORREF CR_VALUE1 = 0x2CFF2C;
static const COLORREF CR_VALUE23 = 0x0099FF;

// ---- CWG_CurveSign -------------------------------------------------------------------

CWG_CurveSign::CWG_CurveSign() : m_bOn(1), m_pOutlinePen(nullptr), m_pCurvePen(nullptr)
{
    m_bBorder = FALSE;
    m_bFillBG = FALSE;
}

CWG_CurveSign::~CWG_CurveSign() {}

int CWG_CurveSign::Create(CVRK_WGPANEL* pParent, long x, long y, CPen* pOutlinePen, CPen* pCurvePen)
{
    m_pOutlinePen = pOutlinePen;
    m_pCurvePen = pCurvePen;
    return CVRK_WG::Create(pParent, x, y, WIDTH, HEIGHT);
}

int CWG_CurveSign::Create(CVRK_WGPANEL* pParent, long x, long y, CPen* pCurvePen)
{
    return Create(pParent, x, y, nullptr, pCurvePen);
}

void CWG_CurveSign::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    m_pBGDC->FillSolidRect(0, 0, m_nWidth, m_nHeight, WG_CR_PANEL);
    // With an outline the curve starts a pixel later and ends on top of it.
    const int xFrom = m_pOutlinePen ? 8 : 7, xTo = m_pOutlinePen ? 38 : 39;
    if (m_pOutlinePen)
    {
        CDCSelect selPen(m_pBGDC, m_pOutlinePen);
        m_pBGDC->MoveTo(8, LINE_Y);
        m_pBGDC->LineTo(37, LINE_Y);
    }
    if (m_pCurvePen)
    {
        CDCSelect selPen(m_pBGDC, m_pCurvePen);
        m_pBGDC->MoveTo(xFrom, LINE_Y);
        m_pBGDC->LineTo(xTo, LINE_Y);
    }
    m_pBGDC->SetTextColor(m_bOn ? (COLORREF)0x000000 : (COLORREF)WG_CR_TEXT_DISABLED);
    m_pBGDC->TextOut(0, CAPTION_Y, m_strCaption);
}

void CWG_CurveSign::OnButtonDown(CPoint, long)
{
    m_bOn = !m_bOn;
    if (!m_pParent)
        return;
    m_pParent->RefreshWG(m_nIndex);
    m_pParent->OnWGCommand(m_nIndex, 0);
}

// ---- CWG_Notify -----------------------------------------------------------------------

CWG_Notify::CWG_Notify()
{
    m_bVisible = FALSE;
}

CWG_Notify::~CWG_Notify() {}

int CWG_Notify::Create(CVRK_WGPANEL* pParent, CString* pLabels, long x, long y)
{
    if (pLabels)
    {
        m_strLabel1 = pLabels[0];
        m_strLabel2 = pLabels[1];
        m_strLabel3 = pLabels[2];
    }
    return CVRK_WG::Create(pParent, x, y, 0, HEIGHT);
}

void CWG_Notify::SetContent(CString* pTitle, CString* pValue1, CString* pValue2, CString* pValue3)
{
    if (pTitle) m_strTitle = *pTitle;
    if (pValue1) m_strValue1 = *pValue1;
    if (pValue2) m_strValue2 = *pValue2;
    if (pValue3) m_strValue3 = *pValue3;
}

void CWG_Notify::CreateMyBGDC(CDC* pDC)
{
    // The card is measured with its own DC, which the base makes.
    if (!m_bDCCreated)
        CVRK_WG::CreateMyBGDC(pDC);
    long nWidest = 0;
    {
        CDCSelect selFont(m_pBGDC, m_pFont);
        // The title is not measured: a long title is cut at the card's edge.
        const CString* lines[] = { &m_strLabel1, &m_strValue1, &m_strLabel2,
                                   &m_strValue2, &m_strLabel3, &m_strValue3 };
        for (const CString* s : lines)
        {
            SIZE sz = { 0, 0 };
            ::GetTextExtentPoint32A(m_pBGDC->m_hDC, *s, s->GetLength(), &sz);
            if (sz.cx > nWidest)
                nWidest = sz.cx;
        }
    }
    // The buffer follows the width (the base makes it again only when it
    // changed), and the base fills it when m_bFillBG is set.
    if (nWidest + NOTIFY_PAD != m_nWidth || m_nHeight != HEIGHT)
        MoveAndNewWH(m_rect.left, m_rect.top, nWidest + NOTIFY_PAD, HEIGHT);
    CVRK_WG::CreateMyBGDC(pDC);
    CDCSelect selFont(m_pBGDC, m_pFont);
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    const long w = m_nWidth;
    const COLORREF crLabel = m_bEnable ? m_crText : WG_CR_TEXT_DISABLED;
    struct { const CString* s; int y; COLORREF cr; } rows[] = {
        { &m_strTitle, 2, CR_TITLE },      { &m_strLabel1, 16, crLabel }, { &m_strValue1, 30, CR_VALUE1 },
        { &m_strLabel2, 44, crLabel },     { &m_strValue2, 58, CR_VALUE23 }, { &m_strLabel3, 72, crLabel },
        { &m_strValue3, 86, CR_VALUE23 },
    };
    for (const auto& r : rows)
    {
        m_pBGDC->SetTextColor(r.cr);
        m_pBGDC->TextOut(NOTIFY_X, r.y, *r.s);
    }
    CPen pen(PS_SOLID, 1, WG_CR_BORDER);
    CDCSelect selPen(m_pBGDC, &pen);
    m_pBGDC->MoveTo(0, 0);
    m_pBGDC->LineTo(w - 1, 0);
    m_pBGDC->LineTo(w - 1, HEIGHT - 1);
    m_pBGDC->LineTo(0, HEIGHT - 1);
    m_pBGDC->LineTo(0, 0);
}

#include "WG_Button.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include "WGHover.h"

// Skin 3003: two 19-row frames side by side (normal at x 0, hover at x 5),
// each a 2-pixel left edge, a 1-pixel stretched middle and a 2-pixel right
// edge; below them the 9 x 9 mark, normal at y 19 and hover at y 28.
enum { SKIN_ID = 3003, FRAME_H = 19, HOVER_X = 5, MARK_Y = 19, MARK_HOVER_Y = 28, MARK_SIZE = 9 };

static const COLORREF CR_CAPTION = 0x000000;
static const COLORREF CR_CAPTION_HOVER = 0x793F17;

CWG_Button::CWG_Button()
    : m_bFirstDraw(TRUE), m_pPanelDC(nullptr), m_bMark(FALSE), m_bRoundCorner(FALSE), m_bHover(FALSE)
{
    m_bBorder = FALSE;
    m_bFillBG = FALSE;
}

CWG_Button::~CWG_Button() {}

int CWG_Button::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y, long nWidth,
                       long nHeight, int bMark)
{
    m_strCaption = strCaption;
    m_bMark = bMark ? TRUE : FALSE;
    return CVRK_WG::Create(pParent, x, y, nWidth, nHeight) ? 1 : 0;
}

void CWG_Button::SetCaption(CString strCaption)
{
    m_strCaption = strCaption;
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

void CWG_Button::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    m_bFirstDraw = FALSE;
    // The panel's back buffer is only valid while the panel paints us.
    m_pPanelDC = pDC;
    {
        CDCSelect selBG(m_pBGDC, &m_bmpBG);
        CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpSkin, SKIN_ID));
        CDCSelect selFont(m_pBGDC, m_pFont);
        const CSize szText = m_pBGDC->GetTextExtent(m_strCaption);

        const long w = m_nWidth, h = m_nHeight;
        const int xFrame = m_bHover ? HOVER_X : 0;
        WGDrawThreePiece(m_pBGDC, CRect(0, 0, w, h), m_pParentBGDC, xFrame, 0, 2, 1, 2, FRAME_H);
        if (m_bMark)
            m_pBGDC->BitBlt(1, h - 10, MARK_SIZE, MARK_SIZE, m_pParentBGDC, 0,
                            m_bHover ? MARK_HOVER_Y : MARK_Y, SRCCOPY);

        // A hovered button keeps the hover colour even when disabled.
        m_pBGDC->SetTextColor(m_bHover ? CR_CAPTION_HOVER : (m_bEnable ? CR_CAPTION : WG_CR_TEXT_DISABLED));
        m_pBGDC->TextOut(w / 2 - szText.cx / 2, h / 2 - szText.cy / 2 + 1, m_strCaption);

        if (m_bRoundCorner && pDC && pDC->m_hDC)
            CopyCornersFrom(pDC);
    }
    m_pPanelDC = nullptr;
}

// The skin's corner pixels show the panel beneath: three per corner, read
// from the panel's back buffer pDC. The back buffer must be selected.
void CWG_Button::CopyCornersFrom(CDC* pDC)
{
    const long w = m_nWidth, h = m_nHeight;
    const long L = m_rect.left, T = m_rect.top, R = m_rect.right, B = m_rect.bottom;
    const struct { long x, y, px, py; } corners[12] = {
        { 0, 0, L, T }, { 0, 1, L, T + 1 }, { 1, 0, L + 1, T },
        { w - 2, 0, R - 1, T }, { w - 1, 0, R, T }, { w - 1, 1, R, T + 1 },
        { w - 2, h - 1, R - 1, B }, { w - 1, h - 1, R, B }, { w - 1, h - 2, R, B - 1 },
        { 0, h - 2, L, B - 1 }, { 0, h - 1, L, B }, { 1, h - 1, L + 1, B },
    };
    for (const auto& c : corners)
        m_pBGDC->SetPixel(c.x, c.y, pDC->GetPixel(c.px, c.py));
}

void CWG_Button::OnMouseMove(CPoint point)
{
    if (!PtInMe(point))
    {
        if (m_bHover)
        {
            m_bHover = FALSE;
            m_pParent->RefreshWG(m_nIndex);
            CWGHover::Leave(this);
        }
        return;
    }
    if (!m_bHover)
    {
        m_bHover = TRUE;
        CWGHover::Enter(this);
        m_pParent->RefreshWG(m_nIndex);
    }
}

// Repaints, then reports: there is no pressed look, and the press is
// reported at once, before any button-up.
void CWG_Button::OnButtonDown(CPoint, long)
{
    m_bHover = FALSE;
    m_pParent->RefreshWG(m_nIndex);
    CWGHover::Leave(this);
    m_pParent->OnWGCommand(m_nIndex, 5);
}

void CWG_Button::OnButtonDClick(CPoint point, long nButton)
{
    OnButtonDown(point, nButton);
}

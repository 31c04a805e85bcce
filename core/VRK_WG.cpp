#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include "WGStyleCenter.h"
#include "WGSkin.h"

CVRK_WG::CVRK_WG()
    : m_pBGDC(new CDC), m_pParent(nullptr), m_pParentBGDC(new CDC), m_bDCCreated(FALSE),
      m_pFont(GetStyleCenter().GetDefaultFont()), m_hOldBitmap(nullptr), m_bRecreateBitmap(TRUE),
      m_bCopyParentBG(FALSE), m_nIndex(-1), m_rect(0, 0, 0, 0), m_bVisible(TRUE), m_bEnable(TRUE),
      m_bFocus(FALSE), m_bBorder(TRUE), m_bBorderLeft(TRUE), m_bBorderTop(TRUE),
      m_bBorderRight(TRUE), m_bBorderBottom(TRUE), m_bFillBG(TRUE), m_bTransparent(FALSE),
      m_crText(0x000000), m_crBG(WG_CR_ELEMENT_BG), m_crBorder(WG_CR_BORDER), m_nWidth(0),
      m_nHeight(0)
{
}

CVRK_WG::~CVRK_WG()
{
    if (m_pParent)
        m_pParent->DetachWG(this);
    ReleaseBGDC();
    WGUnselectBitmap(m_pBGDC);
    m_bmpBG.DeleteObject();
    m_bmpParentBG.DeleteObject();
    delete m_pBGDC;         // deletes its memory DC
    delete m_pParentBGDC;
}

// ---- overridables -----------------------------------------------------------

void CVRK_WG::CreateMyBGDC(CDC* pDC)
{
    // The screen DC is only needed to make the DCs; taking one on every
    // paint would cost more than the drawing itself.
    if (!m_bDCCreated)
    {
        CClientDC dcScreen(nullptr);
        m_pBGDC->CreateCompatibleDC(&dcScreen);
        m_pParentBGDC->CreateCompatibleDC(&dcScreen);
        m_pBGDC->SetBkMode(TRANSPARENT);
        m_bDCCreated = TRUE;
    }
    if (m_bRecreateBitmap)
    {
        // An element without area gets no bitmaps; it may still size itself
        // in a derived CreateMyBGDC.
        WGUnselectBitmap(m_pBGDC);
        WGCreateBackBuffer(m_bmpBG, m_nWidth, m_nHeight);
        if (m_bTransparent || !m_bmpBG.m_hObject)
            WGCreateBackBuffer(m_bmpParentBG, m_nWidth, m_nHeight);
        if (m_bmpBG.m_hObject)
            m_bRecreateBitmap = FALSE;
        WGKeepSelected(m_pBGDC, m_bmpBG);
    }

    CDCSelect selBitmap(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    m_pBGDC->SetTextColor(m_crText);

    // The background copy is only as fresh as the last full repaint: it is
    // taken from the panel's back buffer (pDC) while the panel paints every
    // element in order.
    BOOL bHaveCopy = m_bTransparent && m_bmpParentBG.m_hObject;
    if (m_bCopyParentBG && bHaveCopy && pDC && pDC->m_hDC)
    {
        CDCSelect selCopy(m_pBGDC, &m_bmpParentBG);
        m_pBGDC->BitBlt(0, 0, m_nWidth, m_nHeight, pDC, m_rect.left, m_rect.top, SRCCOPY);
    }

    if (m_bFillBG)
    {
        m_pBGDC->FillSolidRect(0, 0, m_nWidth, m_nHeight, m_crBG);
        DrawBGDC_Background(m_pBGDC);
    }
    else if (m_bTransparent)
    {
        if (bHaveCopy)
        {
            CDCSelect selCopy(m_pParentBGDC, &m_bmpParentBG);
            m_pBGDC->BitBlt(0, 0, m_nWidth, m_nHeight, m_pParentBGDC, 0, 0, SRCCOPY);
        }
        DrawBGDC_Background(m_pBGDC);
    }

    if (!m_bEnable)
        m_pBGDC->SetTextColor(WG_CR_TEXT_DISABLED);
}

void CVRK_WG::DrawBGDC_Background(CDC*) {}
long CVRK_WG::Width() { return m_nWidth; }
long CVRK_WG::Height() { return m_nHeight; }
int CVRK_WG::OnInitial() { return 1; }
void CVRK_WG::OnButtonDown(CPoint, long) {}
void CVRK_WG::OnButtonUp(CPoint, long) {}
void CVRK_WG::OnButtonDClick(CPoint, long) {}
void CVRK_WG::OnMouseMove(CPoint) {}
void CVRK_WG::OnMouseWheel(short) {}
void CVRK_WG::OnChar(UINT) {}
void CVRK_WG::OnKeyDown(UINT) {}
void CVRK_WG::OnKeyUp(UINT) {}
void CVRK_WG::OnMenuCommand(long, long) {}
void CVRK_WG::OnTimer() {}
void CVRK_WG::OnGetFocus() {}
void CVRK_WG::OnLoseFocus() {}
void CVRK_WG::OnOpenIME() {}

// ---- operations ----------------------------------------------------------------

int CVRK_WG::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight)
{
    m_rect.SetRect(x, y, x + nWidth - 1, y + nHeight - 1);
    m_pParent = pParent;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    if (pParent)
        pParent->AddWG(this);
    return OnInitial();
}

void CVRK_WG::Paint(CDC* pDC)
{
    if (!m_bVisible || !pDC)
        return;
    CreateMyBGDC(pDC);
    // Nothing to show for an element without area (a control may have given
    // itself a size just now, in its CreateMyBGDC).
    if (m_nWidth <= 0 || m_nHeight <= 0 || !m_bmpBG.m_hObject)
        return;
    CDCSelect selBitmap(m_pBGDC, &m_bmpBG);
    if (m_bBorder)
    {
        CPen pen(PS_SOLID, 1, m_bEnable ? m_crBorder : WG_CR_BORDER_DISABLED);
        CDCSelect selPen(m_pBGDC, &pen);
        const long w = m_nWidth, h = m_nHeight;
        if (m_bBorderTop) { m_pBGDC->MoveTo(0, 0); m_pBGDC->LineTo(w, 0); }
        if (m_bBorderRight) { m_pBGDC->MoveTo(w - 1, 0); m_pBGDC->LineTo(w - 1, h); }
        if (m_bBorderBottom) { m_pBGDC->MoveTo(w - 1, h - 1); m_pBGDC->LineTo(-1, h - 1); }
        if (m_bBorderLeft) { m_pBGDC->MoveTo(0, h - 1); m_pBGDC->LineTo(0, -1); }
    }
    pDC->BitBlt(m_rect.left, m_rect.top, m_nWidth, m_nHeight, m_pBGDC, 0, 0, SRCCOPY);
}

int CVRK_WG::PtInMe(CPoint point)
{
    return m_bVisible && m_bEnable && point.x >= m_rect.left && point.x <= m_rect.right &&
           point.y >= m_rect.top && point.y <= m_rect.bottom;
}

CDC* CVRK_WG::GetBGDC()
{
    HGDIOBJ hOld = m_pBGDC->m_hDC && m_bmpBG.m_hObject
                       ? ::SelectObject(m_pBGDC->m_hDC, m_bmpBG.m_hObject) : nullptr;
    // A second GetBGDC without ReleaseBGDC keeps the first displaced bitmap.
    if (!m_hOldBitmap)
        m_hOldBitmap = hOld;
    return m_pBGDC;
}

void CVRK_WG::ReleaseBGDC()
{
    if (m_hOldBitmap && m_pBGDC->m_hDC)
        ::SelectObject(m_pBGDC->m_hDC, m_hOldBitmap);
    m_hOldBitmap = nullptr;
}

void CVRK_WG::Move(long left, long top, long right, long bottom)
{
    m_rect.SetRect(left, top, right, bottom);
    m_nWidth = right - left + 1;
    m_nHeight = bottom - top + 1;
    m_bRecreateBitmap = TRUE;
}

void CVRK_WG::Move(long x, long y)
{
    m_rect.SetRect(x, y, x + m_nWidth - 1, y + m_nHeight - 1);
}

void CVRK_WG::NewWH(long nWidth, long nHeight)
{
    MoveAndNewWH(m_rect.left, m_rect.top, nWidth, nHeight);
}

void CVRK_WG::MoveAndNewWH(long x, long y, long nWidth, long nHeight)
{
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    m_rect.SetRect(x, y, x + nWidth - 1, y + nHeight - 1);
    m_bRecreateBitmap = TRUE;
}

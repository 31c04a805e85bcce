#include "WG_EditListAddDelete.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include "WGHover.h"

// Skin 3006: an 18 x 18 green plus at x 0 and a red cross at x 18.
enum { SKIN_ID = 3006, PLUS_X = 0, CROSS_X = 18, BAR_ROOM = 15, TEXT_GAP = 19 };

CWG_EditListWith_Add_Delete::CWG_EditListWith_Add_Delete()
    : m_bCanAdd(1), m_pIconDC(new CDC), m_bAdding(0)
{
    m_nUnsizableTiers = 2;
}

CWG_EditListWith_Add_Delete::~CWG_EditListWith_Add_Delete()
{
    delete m_pIconDC;
}

int CWG_EditListWith_Add_Delete::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight,
                                        long nCaptions, CString* pCaptions, long nEditTiers, long* pEditTiers,
                                        int bCanAdd)
{
    if (nCaptions < 1 || !pCaptions)
        return 0;
    CWGArray<CString> caps;
    for (long i = 0; i < nCaptions; ++i)
        caps.Add(pCaptions[i]);
    caps.Add(CString());
    const int nResult = CWG_EditList::Create(pParent, x, y, nWidth, nHeight, &caps[0], nCaptions + 1, pEditTiers,
                                             nEditTiers);
    m_bCanAdd = bCanAdd;
    if (m_bCanAdd)
        ++m_nFooterRows;
    return nResult;
}

void CWG_EditListWith_Add_Delete::SetCanAdd(int bCanAdd)
{
    if (!bCanAdd == !m_bCanAdd)
        return;
    m_bCanAdd = bCanAdd;
    m_nFooterRows += bCanAdd ? 1 : -1;
}

void CWG_EditListWith_Add_Delete::OnAddData(long&) {}
void CWG_EditListWith_Add_Delete::OnDeleteData(long, long&) {}

// ---- rows and tiers

void CWG_EditListWith_Add_Delete::AfterLoadData()
{
    CWG_EditList::AfterLoadData();
    if (!m_bCanAdd)
        return;
    // A choice that the add row now takes (the last records went) goes.
    for (long i = m_ChoosedRows.GetSize() - 1; i >= 0; --i)
        if (m_ChoosedRows[i] >= m_nRowCount)
            m_ChoosedRows.RemoveAt(i);
    ++m_nRowCount;
}

void CWG_EditListWith_Add_Delete::TrimTierX()
{
    const long nTiers = m_Captions.GetSize();
    if (nTiers >= 2 && m_TierX.GetSize() >= nTiers - 1)
        m_TierX[nTiers - 2] = Width() - DELETE_TIER_W - (m_nRowCount < m_nShowRows ? 0 : (long)BAR_ROOM);
}

int CWG_EditListWith_Add_Delete::PreChooseRow(long nRow)
{
    if (m_bCanAdd && nRow == m_nRowCount - 1)
        return 0;
    return CWG_EditList::PreChooseRow(nRow);
}

// ---- drawing

void CWG_EditListWith_Add_Delete::DrawItem(long nRow, long nTier, CRect rc, unsigned long crBack)
{
    if (nTier != m_Captions.GetSize() - 1)
    {
        CWG_EditList::DrawItem(nRow, nTier, rc, crBack);
        return;
    }
    if (!m_pIconDC->m_hDC)
        m_pIconDC->CreateCompatibleDC(nullptr);
    CDCSelect selSkin(m_pIconDC->m_hDC, WGSkinOf(m_bmpAddDelete, SKIN_ID));
    m_pBGDC->BitBlt(rc.left + 1, rc.top + (rc.Height() - ICON) / 2, ICON, ICON, m_pIconDC, CROSS_X, 0, SRCCOPY);
}

int CWG_EditListWith_Add_Delete::DrawFooter(long nFooter, CRect rc)
{
    if (nFooter != 0 || !m_bCanAdd)
        return CWG_EditList::DrawFooter(nFooter, rc);
    if (!m_pIconDC->m_hDC)
        m_pIconDC->CreateCompatibleDC(nullptr);
    const CSize size = m_pBGDC->GetTextExtent(m_strAddText);
    const long x = ((Width() - size.cx) - TEXT_GAP) / 2;
    {
        CDCSelect selSkin(m_pIconDC->m_hDC, WGSkinOf(m_bmpAddDelete, SKIN_ID));
        m_pBGDC->BitBlt(x, rc.top + (m_nRowHeight - ICON) / 2, ICON, ICON, m_pIconDC, PLUS_X, 0, SRCCOPY);
    }
    m_pBGDC->TextOut(x + TEXT_GAP, rc.top + (m_nRowHeight - size.cy) / 2, m_strAddText);
    return 1;
}

// ---- the mouse

int CWG_EditListWith_Add_Delete::HitAffordance(long x, long y, long& nRow)
{
    const long nTiers = m_Captions.GetSize();
    const BOOL bBar = m_nRowCount >= m_nShowRows;
    if (m_TierX.GetSize() < 1 || m_nSizingTier >= 0 || m_bThumbDragging || (bBar && x >= Width() - BAR_ROOM) ||
        y <= m_nCaptionHeight || m_nRowHeight < 1)
        return 0;
    const long long row64 = (long long)(y - m_nCaptionHeight) / m_nRowHeight + m_nFirstRow;
    if (row64 >= m_nRowCount)
        return 0;
    nRow = (long)row64;
    if (m_bCanAdd && nRow == m_nRowCount - m_nFooterRows)
        return 1;
    if (nRow >= 0 && m_TierX.GetSize() > 1 && nTiers >= 2 && m_TierX.GetSize() >= nTiers - 1 &&
        x > m_TierX[nTiers - 2])
        return 2;
    return 0;
}

void CWG_EditListWith_Add_Delete::OnButtonDown(CPoint point, long nButton)
{
    const long x = point.x - m_rect.left, y = point.y - m_rect.top;
    long nRow = -1;
    const int nHit = HitAffordance(x, y, nRow);
    if (nHit == 0 || (nHit == 1 && m_bAdding))
    {
        CWG_EditList::OnButtonDown(point, nButton);
        return;
    }
    CWGAliveLink alive(m_pAlive);
    long n = m_nRowCount;
    if (nHit == 2)
    {
        OnDeleteData(nRow, n);
        if (alive.bAlive && m_pParent)
            m_pParent->RefreshWG(m_nIndex);
        return;
    }
    OnAddData(n);
    if (!alive.bAlive || n < m_nRowCount)
        return;
    if (n - m_nFirstRow >= m_nShowRows)
        m_nFirstRow += n - m_nRowCount + 1;
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);   // reloads the rows
    if (!alive.bAlive || m_TierX.GetSize() < 1)
        return;
    // A click on the row the add row held: the new record, or the add row
    // again when nothing was added, which then asks nothing.
    m_bAdding = 1;
    OnButtonDown(CPoint(m_rect.left + m_TierX[0] / 2, m_rect.top + (n - m_nFirstRow) * m_nRowHeight), nButton);
    if (alive.bAlive)
        m_bAdding = 0;
}

void CWG_EditListWith_Add_Delete::OnMouseMove(CPoint point)
{
    CWG_EditList::OnMouseMove(point);
    const long x = point.x - m_rect.left, y = point.y - m_rect.top;
    const BOOL bBar = m_nRowCount >= m_nShowRows;
    if (m_nSizingTier >= 0 || m_bThumbDragging || (bBar && x >= Width() - BAR_ROOM) || y <= m_nCaptionHeight)
        return;
    long nRow = -1;
    CWGHover::ShowCursor(this, HitAffordance(x, y, nRow) ? IDC_HAND : IDC_ARROW);
}

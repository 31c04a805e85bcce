#include "WG_EditList.h"
#include "VRK_WGPANEL.h"
#include "WGHover.h"

// The editor sits one pixel inside its row's top and reaches the row's last
// pixel, for the standard 20-pixel caption (it does not follow another).
enum
{
    ROW_HEIGHT = 20, EDITOR_W = 20, EDITOR_H = 19, EDITOR_TOP = 21, EDITOR_BOTTOM = 19, BAR_ROOM = 15,
    EDGE_GRAB = 5, CMD_CHOICE = 5
};

// ---- the editor

CWG_EditListEditor::CWG_EditListEditor() : m_pOwnerList(nullptr) {}

void CWG_EditListEditor::OnChar(UINT nChar)
{
    CWGAliveLink alive(m_pAlive);
    CWG_Combo::OnChar(nChar);
    if (!alive.bAlive || !m_pOwnerList)
        return;
    m_pOwnerList->OnUpdateEditBuffer();
    if (alive.bAlive && m_pOwnerList && (nChar == VK_TAB || nChar == VK_RETURN))
        m_pOwnerList->OnChar(nChar);
}

void CWG_EditListEditor::OnKeyDown(UINT nChar)
{
    CWGAliveLink alive(m_pAlive);
    CWG_Combo::OnKeyDown(nChar);
    if (!alive.bAlive || !m_pOwnerList)
        return;
    m_pOwnerList->OnUpdateEditBuffer();
    if (alive.bAlive && m_pOwnerList && (nChar == VK_UP || nChar == VK_DOWN))
        m_pOwnerList->OnKeyDown(nChar);
}

void CWG_EditListEditor::OnLoseFocus()
{
    CWGAliveLink alive(m_pAlive);
    if (m_pOwnerList)
        m_pOwnerList->OnHiddenEditBuffer();
    if (alive.bAlive)
        CWG_Combo::OnLoseFocus();
}

// ---- the list

CWG_EditList::CWG_EditList() : m_nEditTierCount(0), m_nEditRow(-1), m_nEditTier(-1), m_pAlive(nullptr)
{
    // The combo makes itself read-only; the editor is written in.
    m_Editor.m_bReadOnly = FALSE;
    m_Editor.m_bBorder = FALSE;
    m_Editor.m_bNumberOnly = TRUE;
}

CWG_EditList::~CWG_EditList()
{
    CWGAliveLink::KillAll(m_pAlive);
}

int CWG_EditList::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight, CString* pCaptions,
                         long nCaptions, long* pEditTiers, long nEditTiers)
{
    if (!CWG_List::Create(pParent, x, y, nWidth, nHeight, pCaptions, nCaptions, ROW_HEIGHT))
        return 0;
    for (long i = 0; pEditTiers && i < nEditTiers; ++i)
        m_EditTiers.Add(pEditTiers[i]);
    m_nEditTierCount = m_EditTiers.GetSize();
    if (!m_Editor.Create(pParent, x, y, EDITOR_W, EDITOR_H))
        return 0;
    m_Editor.m_bVisible = FALSE;
    m_Editor.m_crText = EDITOR_COLOR;
    m_Editor.m_pOwnerList = this;
    return 1;
}

void CWG_EditList::Refresh(long nIndex)
{
    if (m_pParent)
        m_pParent->RefreshWG(nIndex);
}

long CWG_EditList::EditDataRow() const
{
    return m_ChoosedRows.GetSize() > 0 ? m_ChoosedRows[0] : m_nEditRow;
}

// ---- overridables and their defaults

int CWG_EditList::CanEditItem(long) { return 1; }
CString CWG_EditList::GetEditBuffer(long) { return CString(); }
void CWG_EditList::SetEditBuffer(long, CString) {}
void CWG_EditList::OnWillEidtBuffer(long, long) {}

void CWG_EditList::OnUpdateEditBuffer()
{
    CWGAliveLink alive(m_pAlive);
    SetEditBuffer(EditDataRow(), m_Editor.m_strText);
    if (alive.bAlive && m_pParent)
        m_pParent->OnWGCommand(m_nIndex, CMD_EDITED);
}

void CWG_EditList::OnHiddenEditBuffer()
{
    if (!m_Editor.m_bVisible)
        return;
    m_Editor.m_bVisible = FALSE;
    Refresh(m_nIndex);
}

void CWG_EditList::AfterLoadData()
{
    CWG_List::AfterLoadData();
    HideStrayEditor(m_nRowCount);   // the application's rows, before any footer joins
}

// Its row went away, scrolled out of view or moved from under it: hidden,
// with no repaint of its own (the list is being painted over it).
void CWG_EditList::HideStrayEditor(long nRows)
{
    const long nShow = m_nEditRow - m_nFirstRow;
    if (m_Editor.m_bVisible &&
        (m_nEditRow < 0 || m_nEditRow >= nRows || nShow < 0 || nShow >= m_nShowRows ||
         m_Editor.m_rect.top != m_rect.top + nShow * m_nRowHeight + EDITOR_TOP))
        m_Editor.m_bVisible = FALSE;
}

void CWG_EditList::CreateMyBGDC(CDC* pDC)
{
    CWG_List::CreateMyBGDC(pDC);
    HideStrayEditor(DataRows());   // again: the paint may have brought the first row within the rows
    CWG_EditListEditor& e = m_Editor;
    if (!e.m_bVisible || e.m_bRecreateBitmap || !e.m_bmpBG.m_hObject || !e.m_bDCCreated || !m_bmpBG.m_hObject)
        return;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selEditor(e.m_pBGDC, &e.m_bmpBG);
    m_pBGDC->BitBlt(e.m_rect.left - m_rect.left, e.m_rect.top - m_rect.top, e.m_nWidth, e.m_nHeight, e.m_pBGDC, 0, 0,
                    SRCCOPY);
}

// ---- opening the editor

int CWG_EditList::SetNowEditField(long nShowRow, long nTier)
{
    m_Editor.m_bVisible = FALSE;
    const long nTiers = m_Captions.GetSize(), nEdges = m_TierX.GetSize();
    if (m_nEditTierCount <= 0 || nShowRow < 0 || nShowRow >= m_nShowRows || nTier < 0 || nTier >= nTiers ||
        m_EditTiers.Find(nTier) < 0)
        return 0;
    const BOOL bLast = nTier == nTiers - 1;
    if ((nTier > 0 && nTier - 1 >= nEdges) || (!bLast && nTier >= nEdges))
        return 0;   // the edges are measured at the first paint
    m_nEditTier = nTier;
    m_nEditRow = nShowRow + m_nFirstRow;
    if (m_nEditRow >= DataRows())
        return 0;
    const long L = m_rect.left, T = m_rect.top, s = m_nRowCount >= m_nShowRows ? (long)BAR_ROOM : 0;
    const long top = T + nShowRow * m_nRowHeight + EDITOR_TOP;
    const long bottom = T + (nShowRow + 1) * m_nRowHeight + EDITOR_BOTTOM;
    const long left = nTier == 0 ? L + 1 : L + m_TierX[nTier - 1] + 1;
    const long right = bLast ? L + Width() - s - 2 : L + m_TierX[nTier];
    m_Editor.Move(left, top, right, bottom);

    CWGAliveLink alive(m_pAlive);
    if (!CanEditItem(m_nEditRow) || !alive.bAlive)
        return 0;
    const long nRow = EditDataRow();
    const CString strText = GetEditBuffer(nRow);
    if (!alive.bAlive)
        return 0;
    m_Editor.SetTextStrQuiet(strText);
    OnWillEidtBuffer(nRow, m_nEditTier);
    if (!alive.bAlive)
        return 0;
    // Shown before it takes the focus: when the focus was its own, its loss
    // hides it again and it stays current, so further keys still reach it.
    m_Editor.m_bVisible = TRUE;
    if (m_pParent)
        m_pParent->SetNowWG(m_Editor.m_nIndex);
    if (!alive.bAlive)
        return 0;
    m_Editor.ChooseAll();
    return m_Editor.m_bVisible;
}

int CWG_EditList::CheckMousePointToEdit(long nRow, long x)
{
    const long nTiers = m_Captions.GetSize(), nEdges = m_TierX.GetSize();
    if (nTiers <= 1 || nEdges < 1 || x < m_TierX[0])
        m_nEditTier = 0;
    else if (nEdges >= nTiers - 1 && x > m_TierX[nTiers - 2])
        m_nEditTier = nTiers - 1;
    else
        for (long i = 0; i <= nTiers - 3 && i + 1 < nEdges; ++i)
            if (m_TierX[i] < x && x < m_TierX[i + 1])
            {
                m_nEditTier = i + 1;
                break;
            }
    if (m_EditTiers.Find(m_nEditTier) >= 0)
        m_Editor.m_bVisible = TRUE;
    if (m_Editor.m_bVisible)
        m_Editor.m_bVisible = SetNowEditField(nRow - m_nFirstRow, m_nEditTier);
    return m_Editor.m_bVisible;
}

// ---- mouse and keys

void CWG_EditList::OnButtonDown(CPoint point, long nButton)
{
    const long x = point.x - m_rect.left, y = point.y - m_rect.top, cap = m_nCaptionHeight;
    if (m_nRowCount >= m_nShowRows && x > Width() - BAR_ROOM && y > cap)
    {
        CWG_List::OnButtonDown(point, nButton);   // the scroll bar, repainted there
        return;
    }
    // Every edge, the last ones too (the list's own click spares some).
    for (long i = 0; i < m_Captions.GetSize() && i < m_TierX.GetSize(); ++i)
        if (x > m_TierX[i] - EDGE_GRAB && x < m_TierX[i] + EDGE_GRAB)
        {
            CWGHover::ShowCursor(this, IDC_SIZEWE);
            if (m_pParent)
                m_pParent->GiveMeMouse(m_nIndex);
            m_nSizingTier = i;
            return;
        }
    if (y <= cap || !m_bCanChoose || m_nRowHeight < 1)
        return;
    CWGAliveLink alive(m_pAlive);
    if (m_ChoosedRows.GetSize() > 0 && m_bMultiChoose && m_nShiftCtrl != 0)
    {
        CWG_List::OnButtonDown(point, nButton);   // Shift and Ctrl extend the choice
        if (alive.bAlive && m_Editor.m_bVisible)
            Refresh(m_Editor.m_nIndex);
        return;
    }
    const long long row64 = (long long)(y - cap) / m_nRowHeight + m_nFirstRow;
    if (m_bClickUnchoose && m_ChoosedRows.GetSize() == 1 && m_ChoosedRows[0] == row64)
    {
        if (!CheckMousePointToEdit((long)row64, x) && alive.bAlive)
            m_ChoosedRows.RemoveAll();
    }
    else
    {
        if (row64 < 0 || row64 >= m_nRowCount)
            return;
        const long nRow = (long)row64;
        if (m_pfnCanChooseRow && !m_pfnCanChooseRow(nRow))
            return;
        if (!PreChooseRow(nRow) || !alive.bAlive)
            return;
        m_nAnchorRow = nRow;
        m_ChoosedRows.RemoveAll();
        m_ChoosedRows.Add(nRow);
        CheckMousePointToEdit(nRow, x);
    }
    if (!alive.bAlive)
        return;
    m_nChoosedRowTop = (y - cap) / m_nRowHeight * m_nRowHeight + cap;
    Refresh(m_nIndex);
    if (m_pParent)
        m_pParent->OnWGCommand(m_nIndex, CMD_CHOICE);
    if (alive.bAlive && m_Editor.m_bVisible)
        Refresh(m_Editor.m_nIndex);
}

void CWG_EditList::StepTo(long nTarget)
{
    m_ChoosedRows.RemoveAll();
    m_ChoosedRows.Add(nTarget);
    if (nTarget < m_nFirstRow)
        m_nFirstRow = nTarget;
    else if (m_nShowRows > 0 && nTarget >= m_nFirstRow + m_nShowRows)
        m_nFirstRow = nTarget - m_nShowRows + 1;
    CWGAliveLink alive(m_pAlive);
    if (m_nEditTier != -1)
        SetNowEditField(nTarget - m_nFirstRow, m_nEditTier);
    if (!alive.bAlive)
        return;
    Refresh(m_nIndex);
    if (m_Editor.m_bVisible)
        Refresh(m_Editor.m_nIndex);
}

void CWG_EditList::NextItem()
{
    const long n = DataRows();
    if (n < 1)
        return;
    const long c = m_ChoosedRows.GetSize() > 0 ? m_ChoosedRows[0] : -1;
    StepTo(c < 0 || c >= n - 1 ? 0 : c + 1);
}

void CWG_EditList::PrevItem()
{
    const long n = DataRows();
    if (n < 1)
        return;
    const long c = m_ChoosedRows.GetSize() > 0 ? m_ChoosedRows[0] : -1;
    StepTo(c == -1 ? 0 : c - 1 < 0 || c - 1 >= n ? n - 1 : c - 1);
}

void CWG_EditList::OnChar(UINT nChar)
{
    if (nChar == VK_RETURN || nChar == VK_TAB)
        NextItem();
}

void CWG_EditList::OnKeyDown(UINT nChar)
{
    if (nChar == VK_DOWN)
        NextItem();
    else if (nChar == VK_UP)
        PrevItem();
    else
        CWG_List::OnKeyDown(nChar);
}

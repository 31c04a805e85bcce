#include "gallery_lists.h"

CString CGalleryList::GetData(long nRow, long nTier)
{
    CString s;
    switch (nTier)
    {
    case 0: s.Format("%07ld", nRow + 1); break;
    case 1: s.Format("Record %05lX", (unsigned long)(nRow * 2654435761u) >> 12 & 0xFFFFF); break;
    case 2: s.Format("%ld KB", (nRow * 37L) % 9973 + 1); break;
    default: s = nRow % 11 == 0 ? "Urgent" : nRow % 7 == 0 ? "Flagged" : "OK"; break;
    }
    return s;
}

int CGalleryLists::Build(long x, long y)
{
    CVRK_WGPANEL* pPanel = m_pPanel;
    // GBK: "列表" (list)
    m_lblTitle.Create(pPanel, x, y, WIDTH - 10);
    m_lblTitle.m_strCaption = "\xC1\xD0\xB1\xED Lists - 1,000,000 rows, Ctrl/Shift-click to choose several";

    CString caps[4] = { "No.", "Name", "Size", "Status" };
    if (!m_list.Create(pPanel, x, y + 28, WIDTH - 10, LIST_H, caps, 4, 18))
        return 0;
    // Tier edges of the page's own, instead of ones fitted to the captions.
    m_list.m_bMeasureTiers = 0;
    const long edges[] = { 70, 180, 260, WIDTH - 10 };
    for (long e : edges)
        m_list.m_TierX.Add(e);
    // Part way down, with a choice of several rows and one marked row.
    m_list.SetFirstRowBeforeData(FIRST_ROW, 0);
    const long chosen[] = { FIRST_ROW + 1, FIRST_ROW + 3, FIRST_ROW + 4 };
    for (long r : chosen)
        m_list.m_ChoosedRows.Add(r);
    m_list.m_nAnchorRow = FIRST_ROW + 1;
    m_list.m_nMarkRow = FIRST_ROW + 7;

    m_lblSummary.Create(pPanel, x, y + 34 + LIST_H, WIDTH - 10);
    ShowSummary(FALSE);

    CString orderCaps[2] = { "Item", "Quantity" };
    long editable[2] = { 0, 1 };
    if (!m_order.Create(pPanel, x, y + 60 + LIST_H, WIDTH - 10, ORDER_H, 2, orderCaps, 2, editable, 1))
        return 0;
    m_order.m_bMeasureTiers = 0;
    for (long e : { 260L, WIDTH - 10L - 20L, WIDTH - 10L })
        m_order.m_TierX.Add(e);
    m_order.m_strAddText = "Add an item";
    for (const char* psz : { "Paper, A4 (box)", "\xC7\xA6\xB1\xCA Pencils", "Stapler" })   // GBK: "铅笔"
        m_order.m_names.push_back(psz);
    m_order.m_counts = { 12, 40, 2 };
    return 1;
}

void CGalleryLists::ShowSummary(BOOL bRepaint)
{
    CString str, strRows;
    const long n = m_list.m_ChoosedRows.GetSize();
    for (long i = 0; i < n && i < 4; ++i)
    {
        CString s;
        s.Format(i ? ", %07ld" : "%07ld", m_list.m_ChoosedRows[i] + 1);
        strRows += s;
    }
    str.Format("%ld chosen%s%s%s", n, n ? ": " : "", (const char*)strRows, n > 4 ? ", ..." : "");
    if (bRepaint)
        m_lblSummary.SetCaption(str);
    else
        m_lblSummary.m_strCaption = str;
}

CString CGalleryOrder::GetData(long nRow, long nTier)
{
    CString s;
    if (nRow < 0 || nRow >= (long)m_names.size())
        return s;
    if (nTier == 0)
        return m_names[nRow];
    if (nTier == 1)
        s.Format("%lu", m_counts[nRow]);
    return s;
}

void CGalleryOrder::SetEditBuffer(long nRow, CString strText)
{
    if (nRow < 0 || nRow >= (long)m_names.size())
        return;
    if (m_nEditTier == 0)
        m_names[nRow] = strText;
    else
        m_counts[nRow] = strtoul(strText, nullptr, 10);
}

void CGalleryOrder::OnAddData(long&)
{
    m_names.push_back("New item");
    m_counts.push_back(1);
}

void CGalleryOrder::OnDeleteData(long nRow, long&)
{
    if (nRow >= 0 && nRow < (long)m_names.size())
    {
        m_names.erase(m_names.begin() + nRow);
        m_counts.erase(m_counts.begin() + nRow);
    }
}

void CGalleryLists::OnShow(BOOL bShow)
{
    if (bShow)
        m_order.m_Editor.m_bVisible = FALSE;
}

void CGalleryLists::BeforeScreenshot()
{
    // A click on the quantity of the second row opens the editor there (the
    // panel focused first: losing the focus would close it).
    m_pPanel->SetFocus();
    const CPoint pt(m_order.m_rect.left + 300, m_order.m_rect.top + 20 + 20 + 10);
    m_pPanel->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_pPanel->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

void CGalleryLists::AfterScreenshot()
{
    m_pPanel->SetNowWG(-1);   // the editor's focus goes: it closes
}

BOOL CGalleryLists::OnWGCommand(long nIndex, long nCode)
{
    if (nIndex == m_order.m_nIndex || nIndex == m_order.m_Editor.m_nIndex)
        return TRUE;
    if (nIndex != m_list.m_nIndex)
        return Owns(nIndex);
    if (nCode == 8 && m_list.m_ChoosedRows.GetSize() > 0)
    {
        CString str;
        str.Format("WG Gallery - row %07ld opened", m_list.m_ChoosedRows[0] + 1);
        ShowInTitle(str);
    }
    ShowSummary(TRUE);
    return TRUE;
}

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

BOOL CGalleryLists::OnWGCommand(long nIndex, long nCode)
{
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

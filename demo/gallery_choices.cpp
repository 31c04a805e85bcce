#include "gallery_choices.h"
#include "gallery_probe.h"

static const char* const s_sizes[3] = { "Small", "Medium", "Large" };

CGalleryChoices::CGalleryChoices() : m_nPressClicks(0), m_nReleaseClicks(0) {}

int CGalleryChoices::Build(long x, long y)
{
    CVRK_WGPANEL* pPanel = m_pPanel;
    // GBK: "选择" (choices)
    m_lblTitle.Create(pPanel, x, y, WIDTH - 10);
    m_lblTitle.m_strCaption = "\xD1\xA1\xD4\xF1 Choices - point at a bar, click its C square to copy";

    m_radSize[0].Create(pPanel, s_sizes[0], x, y + 28, 100);
    for (int i = 1; i < 3; ++i)
        m_radSize[i].Create(pPanel, m_radSize[0].GetGroup(), s_sizes[i], x, y + 28 + 20 * i, 100);

    m_chkBold.Create(pPanel, "Bold", x + 110, y + 28, 140, FALSE);
    m_chkVip.Create(pPanel, "VIP member", x + 110, y + 48, 140, TRUE);
    m_chkLocked.Create(pPanel, "Locked (disabled)", x + 110, y + 68, 140, FALSE);
    m_chkLocked.SetValueQuiet(1);
    m_chkLocked.m_bEnable = FALSE;

    m_lnkOnPress.Create(pPanel, "Link: acts on press", x + 260, y + 28, 170, 20);
    m_lnkOnRelease.Create(pPanel, "Link: acts on release", x + 260, y + 48, 170, 20);
    m_lnkOnRelease.m_bPressMode = 1;

    m_cptReset.Create(pPanel, "[Reset]", x + 260, y + 74);
    m_cptCount.Create(pPanel, "", x + 320, y + 74);
    m_lblSummary.Create(pPanel, x, y + 96, WIDTH - 10);
    m_cboFruit.Create(pPanel, x, y + 126, 150, 20);
    for (const char* psz : { "Apple", "Banana", "Cherry", "\xC0\xF3\xD6\xA6 Lychee" })   // GBK: "荔枝"
        m_cboFruit.addAnElement(psz);
    m_cboFruit.setElementCheckedWithIndexQuiet(1);
    m_cboSize.Create(pPanel, x + 170, y + 126, 150, 20);
    for (int i = 0; i < 50; ++i)
    {
        CString s;
        s.Format("Font size %d pt", 6 + 2 * i);
        m_cboSize.addAnElement(s);
    }
    m_cboSize.setElementCheckedWithIndexQuiet(24);
    // The panel paints everything once it is built.
    ShowCount(FALSE);
    ShowSummary(FALSE);
    const CVRK_WG* probed[] = { &m_radSize[2], &m_chkBold, &m_lnkOnPress, &m_lnkOnRelease, &m_lblTitle };
    const char* const names[] = { "large", "bold", "onpress", "onrelease", "choices" };
    for (int i = 0; i < (int)(sizeof(names) / sizeof(names[0])); ++i)
        GalleryProbe::AddElement(names[i], probed[i]);
    return 1;
}

void CGalleryChoices::ShowSummary(BOOL bRepaint)
{
    const long nChecked = *m_radSize[0].GetGroup();
    const char* pszSize = "?";
    for (int i = 0; i < 3; ++i)
        if (m_radSize[i].m_nIndex == nChecked)
            pszSize = s_sizes[i];
    CString str;
    str.Format("Size %s, bold %s, VIP %s, locked reads %d, links %ld / %ld", pszSize,
               m_chkBold.GetValue() ? "on" : "off", m_chkVip.GetValue() ? "on" : "off",
               m_chkLocked.GetValue(), m_nPressClicks, m_nReleaseClicks);
    if (bRepaint)
        m_lblSummary.SetCaption(str);
    else
        m_lblSummary.m_strCaption = str;
}

void CGalleryChoices::ShowCount(BOOL bRepaint)
{
    CString str;
    const long n = m_nPressClicks + m_nReleaseClicks;
    if (n == 0)
        str = "[No link clicked]";
    else
        str.Format("[%ld link click%s]", n, n == 1 ? "" : "s");
    m_cptCount.SetCptStrQuiet(str);
    // A shorter caption leaves the longer one's tail behind: repaint all.
    if (bRepaint)
        m_pPanel->DrawMe();
}

BOOL CGalleryChoices::OnWGCommand(long nIndex, long nCode)
{
    if (nIndex < 0)
        return FALSE;
    if (nIndex == m_lnkOnPress.m_nIndex || nIndex == m_lnkOnRelease.m_nIndex)
    {
        if (nIndex == m_lnkOnPress.m_nIndex)
            ++m_nPressClicks;
        else
            ++m_nReleaseClicks;
        ShowCount(TRUE);
        ShowSummary(TRUE);
        return TRUE;
    }
    if (nIndex == m_cptReset.m_nIndex)
    {
        m_nPressClicks = m_nReleaseClicks = 0;
        m_chkBold.SetValueQuiet(0);
        m_chkVip.SetValueQuiet(0);
        m_radSize[0].SetValueQuiet(1);
        ShowSummary(FALSE);
        ShowCount(TRUE);   // repaints everything
        return TRUE;
    }
    if (nIndex == m_cptCount.m_nIndex)
        return TRUE;
    if (nIndex == m_cboFruit.m_nIndex || nIndex == m_cboSize.m_nIndex)
    {
        if (nCode == 7)
            ShowInTitle("WG Gallery - " + (nIndex == m_cboFruit.m_nIndex ? m_cboFruit : m_cboSize).GetTextStr());
        return TRUE;
    }
    const CVRK_WG* choices[] = { &m_radSize[0], &m_radSize[1], &m_radSize[2], &m_chkBold, &m_chkVip,
                                 &m_chkLocked };
    for (const CVRK_WG* p : choices)
        if (p->m_nIndex == nIndex)
        {
            ShowSummary(TRUE);
            return TRUE;
        }
    return FALSE;
}

void CGalleryChoices::BeforeScreenshot()
{
    // The long list open, scrolled to the chosen text, the pointer's row lit.
    m_cboSize.setMenuListStartElementIndex(20);
    m_cboSize.popupMenuList();
    if (CWG_ComboList* pList = m_cboSize.m_pComboList)
        pList->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(40, 4 * pList->m_nItemHeight + 10));
}

void CGalleryChoices::AfterScreenshot()
{
    m_cboSize.shirkMenuList();
}

#include "gallery_menus.h"
#include "gallery_probe.h"

namespace {

const UINT IDB_MENU_ICONS = 4001;   // five 16 x 16 icons (one per row but the separator), normal and highlighted

template <size_t N>
int MakeMenu(CGalleryMenu& m, CGalleryMenus* pPage, const char* pszName, CWnd* pParent, long nKind,
             const char* const (&rows)[N], UINT nIcons = 0)
{
    CString captions[N];
    for (size_t i = 0; i < N; ++i)
        captions[i] = rows[i];
    m.m_pPage = pPage;
    m.m_pszName = pszName;
    return m.Create(pParent, nKind, captions, (long)N, nIcons);
}

} // namespace

void CGalleryMenu::On_Click(CPoint pt)
{
    // The row is read before the base closes the chain.
    const long nRow = m_nHotItem;
    if (nRow >= 0 && nRow < m_nItemCount && !m_Items[nRow].m_bSubmenu && m_pPage && m_nChildUnderMouse < 0)
        m_pPage->Chosen(this, nRow);
    CVRK_MENUWND::On_Click(pt);
}

void CMenuPad::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    m_pBGDC->SetTextColor(RGB(110, 110, 110));
    m_pBGDC->TextOut(10, m_nHeight / 2 - 7, "Right-click here");
}

void CMenuPad::OnButtonDown(CPoint point, long nButton)
{
    if (nButton != 2 || !m_pParent || !m_pPage)
        return;
    CPoint pt = point;
    m_pParent->ClientToScreen(&pt);
    m_pPage->OpenMain(pt);
}

void CMenuPad::OnKeyDown(UINT)
{
    if (m_pPage)
        m_pPage->m_menuMain.Shirk();
}

void CMenuPad::OnMenuCommand(long nMenu, long nCommand)
{
    if (m_pPage)
        m_pPage->Chosen(nMenu == m_pPage->m_menuPanel.m_nMenuID ? &m_pPage->m_menuPanel : &m_pPage->m_menuMain, nCommand);
}

int CGalleryMenus::Build(long x, long y)
{
    CVRK_WGPANEL* pPanel = m_pPanel;
    int nOk = 1;
    // GBK: "菜单" (menus)
    nOk &= m_lblTitle.Create(pPanel, x, y, 430);
    m_lblTitle.m_strCaption = "\xB2\xCB\xB5\xA5 Menus - icons, a disabled row, cascades three deep";
    m_pad.m_pPage = this;
    nOk &= m_pad.Create(pPanel, x, y + 28, 150, 90);
    nOk &= m_btnPanelMenu.Create(pPanel, "Panel menu", x + 170, y + 28, 110, 19, FALSE);
    nOk &= m_lblChosen.Create(pPanel, x, y + 130, 430);
    m_lblChosen.m_strCaption = "Last chosen: nothing yet";

    // GBK: "新建" new, "打开" open, "保存" save, "最近" recent, "更多" more.
    static const char* const main[] = { "\xD0\xC2\xBD\xA8 New", "\xB4\xF2\xBF\xAA Open...", "----",
                                        "\xB1\xA3\xB4\xE6 Save", ">\xD7\xEE\xBD\xFC Recent", ">\xB8\xFC\xB6\xE0 More" };
    static const char* const recent[] = { "report.txt", "\xC8\xD5\xBC\xC7 diary.txt", "----", ">Older" };
    static const char* const older[] = { "2025", "2024 (archived)", "2023" };
    // GBK: "关于" about, "设置" settings.
    static const char* const more[] = { "\xB9\xD8\xD3\xDA About", "\xC9\xE8\xD6\xC3 Settings" };
    static const char* const panelRows[] = { "Refresh", "----", "Select all", "Clear (disabled)" };
    nOk &= MakeMenu(m_menuMain, this, "main", pPanel, 0, main, IDB_MENU_ICONS);
    nOk &= MakeMenu(m_menuRecent, this, "recent", &m_menuMain, 2, recent);
    nOk &= MakeMenu(m_menuMore, this, "more", &m_menuMain, 2, more);
    nOk &= MakeMenu(m_menuOlder, this, "older", &m_menuRecent, 2, older);
    nOk &= MakeMenu(m_menuPanel, this, "panel", pPanel, 3, panelRows);
    m_menuMain.EnableButton(3, 0);
    m_menuOlder.EnableButton(1, 0);
    m_menuPanel.EnableButton(3, 0);
    m_menuMain.m_pOwnerWG = &m_pad;
    m_menuPanel.m_pOwnerWG = &m_pad;
    GalleryProbe::AddElement("menupad", &m_pad);
    GalleryProbe::AddElement("menuchosen", &m_lblChosen);
    return nOk;
}

void CGalleryMenus::OpenMain(CPoint ptScreen)
{
    m_menuMain.Popup(ptScreen.x, ptScreen.y);
}

BOOL CGalleryMenus::OnWGCommand(long nIndex, long nCode)
{
    if (nIndex == m_btnPanelMenu.m_nIndex && nCode == 5)
    {
        CPoint pt(m_btnPanelMenu.m_rect.left, m_btnPanelMenu.m_rect.bottom + 1);
        m_pPanel->ClientToScreen(&pt);
        m_menuPanel.Popup(pt.x, pt.y);
        return TRUE;
    }
    return FALSE;
}

void CGalleryMenus::Chosen(CVRK_MENUWND* pMenu, long nRow)
{
    const CGalleryMenu* p = static_cast<const CGalleryMenu*>(pMenu);
    CString str;
    if (nRow < 0)
        str.Format("Last chosen: nothing (the %s menu closed without a choice)", p->m_pszName);
    else
        str.Format("Last chosen: \"%s\" (menu %s, row %ld)", (const char*)p->m_Items[nRow].m_strCaption, p->m_pszName, nRow);
    m_lblChosen.SetCaption(str);
}

void CGalleryMenus::BeforeScreenshot()
{
    // Three levels open, the pointer on the last one's first row (so any
    // move the system makes lands where the picture has it).
    CPoint pt(m_pad.m_rect.left + 40, m_pad.m_rect.top + 10);
    m_pPanel->ClientToScreen(&pt);
    OpenMain(pt);
    auto move = [&](CVRK_MENUWND& m, long nRow) {
        CPoint p(m.m_rcWindow.left + 20, m.m_rcWindow.top + nRow * m.m_nItemHeight + 10);
        ::SetCursorPos(p.x, p.y);
        m_menuMain.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(p.x - m_menuMain.m_rcWindow.left, p.y - m_menuMain.m_rcWindow.top));
    };
    move(m_menuMain, 4);
    move(m_menuRecent, 3);
    move(m_menuOlder, 0);
}

void CGalleryMenus::AfterScreenshot()
{
    m_menuMain.Shirk();
}

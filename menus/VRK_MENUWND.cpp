#include "VRK_MENUWND.h"
#include "MenuBar.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include "WGStyleCenter.h"
#include "WGEventCenter.h"
#include "WGSkin.h"
#include "WGHover.h"
#include "WGPanelPopups.h"
#include "WGAccessible.h"
#include <algorithm>

// ---- what a panel asks of its menus

void WGPanelShirkMenu(CVRK_MENUWND* pMenu) { pMenu->Shirk(); }
void WGPanelSetMenuIndex(CVRK_MENUWND* pMenu, long nIndex) { pMenu->m_nMenuID = nIndex; }

// ---- the menu

namespace {

// Skin 3015: two 5 x 9 arrow cells, normal at x 0 and highlighted at x 5.
// Drawing positions are fixed (they do not follow the margins).
enum
{
    SKIN_ARROW = 3015, ARROW_W = 5, ARROW_H = 9, ARROW_RIGHT = 14, ARROW_TOP = 7,
    TEXT_X = 10, TEXT_Y = 5, ICON_X = 5, ICON_Y = 3, HILITE_INSET = 2, HIT_TOP = 5,
    SEPARATOR_Y = 12, SEPARATOR_LEFT = 3, SEPARATOR_RIGHT = 10, CHAR_WIDTH = 5,
    SUBMENU_OVERLAP = 5, FLIP_OVERLAP = 10,
};
const COLORREF CR_TEXT = 0x000000, CR_TEXT_DISABLED = 0xC8C8C8, CR_SEPARATOR_WIDE = 0xF0F0F0,
               CR_SEPARATOR = 0xC6C6C6;

bool IsSeparator(const CString& s) { return s == "----"; }

// The closing click, given again to whatever lies under the pointer.
void ReplayAtCursor(DWORD dwButton)
{
    POINT pt;
    ::GetCursorPos(&pt);
    ::mouse_event(dwButton, pt.x, pt.y, 0, 0);
}

} // namespace

CVRK_MENUWND** CVRK_MENUWND::ppCommonHotMenu = nullptr;

CVRK_MENUWND::AliveLink::AliveLink(CVRK_MENUWND* p) : bAlive(TRUE), pPrev(p->m_pAlive), pMenu(p)
{
    p->m_pAlive = this;
}

CVRK_MENUWND::AliveLink::~AliveLink()
{
    if (bAlive)
        pMenu->m_pAlive = pPrev;
}

BEGIN_MESSAGE_MAP(CVRK_MENUWND, CDialog)
    ON_WM_MOUSEACTIVATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

CVRK_MENUWND::CVRK_MENUWND(CWnd* pParent)
    : m_pDlgTemplate(nullptr), m_pFont(CVRK_WG::GetStyleCenter().GetDefaultFont()), m_crBG(WG_CR_ELEMENT_BG),
      m_bShown(0), m_rcExclude(0, 0, 0, 0), m_rcClient(0, 0, 0, 0), m_rcWindow(0, 0, 0, 0), m_nTextWidth(0),
      m_nItemHeight(0), m_bKeepHot(0), m_nHotItem(-1), m_nLastHotItem(-1), m_pOwnerPanel(nullptr),
      m_pOwnerMenuBar(nullptr), m_pParentMenu(nullptr), m_pOwnerWG(nullptr), m_nChildCount(0),
      m_nChildUnderMouse(-1), m_nOpenChild(-1), m_nSubmenuRows(0), m_nKind(KIND_FREE), m_nItemCount(0),
      m_bFlipped(0), m_pBGDC(new CDC), m_pIconDC(new CDC), m_pArrowDC(new CDC), m_bDCCreated(0),
      m_bResized(0), m_bIconMode(0), m_nIconWidth(0), m_nIconHeight(0), m_nMarginLeft(5), m_nMarginTop(2),
      m_nMarginRight(40), m_nMarginBottom(2), m_nLastItemCount(0), m_bShadowPending(0), m_nMenuID(-1),
      m_Shadow(nullptr), m_sizeBuffer(0, 0), m_hOwnerPanel(nullptr), m_pAlive(nullptr),
      m_pAccessSite(nullptr)
{
    ZeroMemory(m_pChildMenu, sizeof(m_pChildMenu));
    m_pDlgTemplate = WGInitDialogTemplate(this, m_bufTemplate, WS_POPUP,
                                          CVRK_WG::GetStyleCenter().GetWGMenuCalss()->lpszClassName, pParent);
}

CVRK_MENUWND::~CVRK_MENUWND()
{
    for (AliveLink* p = m_pAlive; p; p = p->pPrev)
        p->bAlive = FALSE;
    if (m_pAccessSite)
    {
        m_pAccessSite->Disconnect();
        m_pAccessSite->Release();
        m_pAccessSite = nullptr;
    }
    CVRK_MENUWND::Shirk();
    if (CVRK_WGPANEL* pPanel = LivePanel())
        if (pPanel->m_pPopMenu == this)
            pPanel->m_pPopMenu = nullptr;
    ClearHotMenuVariable();
    // Neither side owns the other: each forgets the one that goes.
    if (m_pParentMenu)
        for (CVRK_MENUWND*& p : m_pParentMenu->m_pChildMenu)
            if (p == this)
                p = nullptr;
    for (long i = 0; i < m_nChildCount; ++i)
        if (m_pChildMenu[i] && m_pChildMenu[i]->m_pParentMenu == this)
            m_pChildMenu[i]->m_pParentMenu = nullptr;
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    WGUnselectBitmap(m_pBGDC);
    WGUnselectBitmap(m_pIconDC);
    delete m_pBGDC;
    delete m_pIconDC;
    delete m_pArrowDC;
}

// ---- creation

int CVRK_MENUWND::Create(CWnd* pParent, CString* pCaptions, long nCount, long nKind)
{
    return Create(pParent, nKind, pCaptions, nCount, 0);
}

int CVRK_MENUWND::Create(CWnd* pParent, long nKind, CString* pCaptions, long nCount, UINT nBitmapID)
{
    if (!m_pDlgTemplate || m_hWnd)
        return 0;
    m_nKind = nKind;
    m_nItemCount = pCaptions ? std::max(0L, std::min(nCount, (long)MAX_ITEM)) : 0;
    long nPlain = m_nItemCount;
    m_nTextWidth = 0;
    m_nSubmenuRows = 0;
    for (long i = 0; i < m_nItemCount; ++i)
    {
        CWGMenuItem& it = m_Items[i];
        it.m_strCaption = pCaptions[i];
        it.m_bEnable = 1;
        it.m_bSubmenu = 0;
        it.m_nSubmenu = -1;
        m_nTextWidth = std::max(m_nTextWidth, (long)(CHAR_WIDTH * it.m_strCaption.GetLength()));
        if (IsSeparator(it.m_strCaption))
        {
            --nPlain;
        }
        else if (it.m_strCaption.GetLength() > 0 && it.m_strCaption[0] == '>')
        {
            it.m_bSubmenu = 1;
            if (m_nSubmenuRows < MAX_CHILD)
                it.m_nSubmenu = m_nSubmenuRows++;
        }
    }
    m_nItemHeight = ITEM_HEIGHT;
    m_bIconMode = 0;
    m_nIconWidth = m_nIconHeight = 0;
    if (nBitmapID && WGLoadSkin(m_bmpIcon, nBitmapID))
    {
        BITMAP bm = {};
        m_bmpIcon.GetBitmap(&bm);
        m_bIconMode = 1;
        m_nIconHeight = nPlain > 0 ? bm.bmHeight / nPlain : 0;
        m_nIconWidth = bm.bmWidth / 2;
        if (m_nIconHeight > 16)
            m_nItemHeight = m_nIconHeight + 4;
        m_nTextWidth += m_nIconWidth;
    }
    m_rcClient = CRect(0, 0, m_nMarginRight + m_nMarginLeft + m_nTextWidth,
                       m_nItemCount * m_nItemHeight + m_nMarginBottom + m_nMarginTop);

    if (nKind == KIND_SUBMENU)
    {
        CVRK_MENUWND* pParentMenu = dynamic_cast<CVRK_MENUWND*>(pParent);
        const long nBefore = pParentMenu ? pParentMenu->m_nChildCount : 0;
        if (pParentMenu)
            pParentMenu->AddChildMenu(this);
        // A parent that refused this menu (full, or it would be its own
        // ancestor) is not its parent.
        m_pParentMenu = pParentMenu && pParentMenu->m_nChildCount > nBefore ? pParentMenu : nullptr;
    }
    else if (nKind == KIND_MENUBAR)
    {
        m_pOwnerMenuBar = dynamic_cast<CMenuBar*>(pParent);
    }
    else if (nKind == KIND_PANEL)
    {
        m_pOwnerPanel = dynamic_cast<CVRK_WGPANEL*>(pParent);
        m_hOwnerPanel = m_pOwnerPanel ? m_pOwnerPanel->m_hWnd : nullptr;
        if (m_pOwnerPanel)
            m_pOwnerPanel->AddMenu(this);
    }
    if (!CreateIndirect(m_pDlgTemplate, pParent))
        return 0;
    if (m_Shadow.Create(this, 0, 0) <= 0)
        return 0;
    // The shadow is placed right behind the menu, which is topmost: made
    // topmost itself, it stays there when the menu's owner is activated
    // (Wine otherwise puts the owner above it, docs/wine.md).
    ::SetWindowPos(m_Shadow.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return 1;
}

void CVRK_MENUWND::AddChildMenu(CVRK_MENUWND* pChild)
{
    if (!pChild || m_nChildCount >= MAX_CHILD || pChild->Reaches(this))
        return;
    m_pChildMenu[m_nChildCount++] = pChild;
}

BOOL CVRK_MENUWND::Reaches(const CVRK_MENUWND* pMenu) const
{
    // The child links never form a cycle (AddChildMenu refuses one), so
    // this walk ends.
    if (this == pMenu)
        return TRUE;
    for (long i = 0; i < m_nChildCount; ++i)
        if (m_pChildMenu[i] && m_pChildMenu[i]->Reaches(pMenu))
            return TRUE;
    return FALSE;
}

CWGAccessSite* CVRK_MENUWND::AccessSite()
{
    if (!m_pAccessSite)
        m_pAccessSite = new CWGAccessSite(this);
    return m_pAccessSite;
}

LRESULT CVRK_MENUWND::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if ((DWORD)lParam != (DWORD)OBJID_CLIENT)
        return Default();
    return AccessSite()->OnGetObject(wParam);
}

void CVRK_MENUWND::EnableButton(long nIndex, int bEnable)
{
    if (nIndex >= 0 && nIndex < m_nItemCount)
        m_Items[nIndex].m_bEnable = bEnable;
}

void CVRK_MENUWND::EnableButton(long nFrom, long nTo, int bEnable)
{
    for (long i = std::max(nFrom, 0L); i <= std::min(nTo, m_nItemCount - 1); ++i)
        m_Items[i].m_bEnable = bEnable;
}

INT_PTR CVRK_MENUWND::DoModal()
{
    if (m_hWnd)
        return -1;   // already a modeless menu
    const INT_PTR nResult = CDialog::DoModal();
    CVRK_WG::GetEventCenter().OnEvent(1002, 0, (LPARAM)this);
    return nResult;
}

// ---- relations

CVRK_WGPANEL* CVRK_MENUWND::LivePanel() const
{
    return m_pOwnerPanel && m_hOwnerPanel && FromHandlePermanent(m_hOwnerPanel) == m_pOwnerPanel ? m_pOwnerPanel
                                                                                              : nullptr;
}

CVRK_MENUWND* CVRK_MENUWND::ValidChild(long nIndex) const
{
    return nIndex >= 0 && nIndex < m_nChildCount ? m_pChildMenu[nIndex] : nullptr;
}

void CVRK_MENUWND::ClearHotMenuVariable()
{
    if (ppCommonHotMenu && *ppCommonHotMenu == this)
        *ppCommonHotMenu = nullptr;
}

void CVRK_MENUWND::ReleaseMyCapture()
{
    // Only our own: a window that took the capture from us keeps it.
    if (m_hWnd && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

BOOL CVRK_MENUWND::Outside(CPoint pt) const
{
    return !m_rcClient.PtInRect(pt) && !m_rcExclude.PtInRect(pt);
}

// ---- showing and hiding

void CVRK_MENUWND::Popup(CPoint* pt)
{
    if (pt)
        Popup(pt->x, pt->y);
}

void CVRK_MENUWND::Popup(long x, long y)
{
    if (!m_hWnd)
        return;
    const long W = m_rcClient.Width(), H = m_rcClient.Height();
    const long cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    m_bFlipped = 0;
    if (m_nKind == KIND_SUBMENU)
    {
        const long PW = m_pParentMenu ? m_pParentMenu->m_rcWindow.Width() : 0;
        long C = 0;
        for (long i = 0; i < m_nChildCount; ++i)
            if (m_pChildMenu[i])
                C = std::max(C, (long)m_pChildMenu[i]->m_rcClient.Width());
        if (m_pParentMenu && m_pParentMenu->m_bFlipped)
        {
            x = x - W - PW + FLIP_OVERLAP;   // on the parent's left, as the parent is
        }
        else if (x + W + C > cxScreen)
        {
            m_bFlipped = 1;
            x = x - W - PW + FLIP_OVERLAP;
        }
        if (y + H > cyScreen)
            y = y - H + m_nItemHeight;   // the bottom row beside the row that opened it
    }
    else
    {
        if (x + W > cxScreen)
        {
            m_bFlipped = 1;
            x -= W;
        }
        if (y + H > cyScreen)
            y -= H;
    }
    ::SetCursor(CWGHover::StandardCursor(IDC_ARROW));
    if (!m_bKeepHot)
        m_nHotItem = -1;
    if (!m_bShown)
    {
        m_bShown = 1;
        // Taking the capture closes a menu that held it; only then does this
        // one become the panel's open menu.
        if (m_nKind == KIND_FREE || m_nKind == KIND_PANEL)
            SetCapture();
        if (m_nKind == KIND_PANEL)
            if (CVRK_WGPANEL* pPanel = LivePanel())
                pPanel->m_pPopMenu = this;
    }
    if (ppCommonHotMenu)
        *ppCommonHotMenu = this;
    if (m_nItemCount != m_nLastItemCount)
    {
        m_bResized = 1;
        m_nLastItemCount = m_nItemCount;
    }
    m_bShadowPending = 1;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, W, H, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOREDRAW);
    ::GetWindowRect(m_hWnd, &m_rcWindow);
    DrawMe();
}

void CVRK_MENUWND::HideWindows()
{
    m_bShown = 0;
    m_nLastHotItem = -1;
    m_Shadow.Hide();
    if (!m_hWnd)
        return;
    HDWP hdwp = ::BeginDeferWindowPos(2);
    hdwp = ::DeferWindowPos(hdwp, m_hWnd, nullptr, 0, 0, 0, 0,
                            SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    if (hdwp && m_Shadow.m_hWnd)
        hdwp = ::DeferWindowPos(hdwp, m_Shadow.m_hWnd, m_hWnd, 0, 0, 0, 0,
                                SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
}

void CVRK_MENUWND::Shirk()
{
    if (!m_bShown)
        return;
    // Not shown from here on: releasing the capture comes back to this menu
    // as WM_CAPTURECHANGED.
    m_bShown = 0;
    if (m_nKind == KIND_PANEL)
        if (CVRK_WGPANEL* pPanel = LivePanel())
            if (pPanel->m_pPopMenu == this)
                pPanel->m_pPopMenu = nullptr;
    if (m_nKind == KIND_FREE || m_nKind == KIND_PANEL)
        ReleaseMyCapture();
    if (CVRK_MENUWND* pChild = ValidChild(m_nOpenChild))
        pChild->Shirk();
    m_nOpenChild = -1;
    ClearHotMenuVariable();
    HideWindows();
}

void CVRK_MENUWND::ShirkMeAndParent()
{
    HideWindows();
    if (CVRK_MENUWND* pChild = ValidChild(m_nOpenChild))
        pChild->Shirk();
    m_nOpenChild = -1;
    switch (m_nKind)
    {
    case KIND_PANEL:
        if (CVRK_WGPANEL* pPanel = LivePanel())
            if (pPanel->m_pPopMenu == this)
                pPanel->m_pPopMenu = nullptr;
        ReleaseMyCapture();
        break;
    case KIND_FREE:
        ReleaseMyCapture();
        break;
    case KIND_SUBMENU:
        if (m_pParentMenu)
            m_pParentMenu->ShirkMeAndParent();
        break;
    case KIND_MENUBAR:
        if (m_pOwnerMenuBar)
            m_pOwnerMenuBar->ReleaseMenu();
        break;
    }
    ClearHotMenuVariable();
}

// ---- drawing

void CVRK_MENUWND::DrawMe()
{
    if (!m_hWnd)
        return;
    CreateMyBGDC();
    HDC hdc = ::GetDC(m_hWnd);
    ::BitBlt(hdc, 0, 0, m_rcClient.Width(), m_rcClient.Height(), m_pBGDC->m_hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(m_hWnd, hdc);
    if (m_bShadowPending || m_bResized)
    {
        m_bShadowPending = 0;
        m_Shadow.Show();
    }
    m_bResized = 0;
}

void CVRK_MENUWND::CreateMyBGDC()
{
    const long W = m_rcClient.Width(), H = m_rcClient.Height(), h = m_nItemHeight;
    if (!m_bDCCreated)
    {
        for (CDC* pDC : { m_pBGDC, m_pIconDC, m_pArrowDC })
        {
            pDC->CreateCompatibleDC(nullptr);
            pDC->SetBkMode(TRANSPARENT);
        }
        WGKeepSelected(m_pIconDC, m_bmpIcon);
        m_bDCCreated = 1;
    }
    // Made again only when the rows changed since the last popup (or the
    // application resized the menu).
    if (m_bResized || !m_bmpBG.m_hObject || m_sizeBuffer != CSize(W, H))
    {
        WGUnselectBitmap(m_pBGDC);
        WGCreateBackBuffer(m_bmpBG, W, H);
        WGKeepSelected(m_pBGDC, m_bmpBG);
        m_sizeBuffer = CSize(W, H);
    }
    CDCSelect selArrow(m_pArrowDC->m_hDC, WGSkinOf(m_bmpArrow, SKIN_ARROW));
    CDCSelect selFont(m_pBGDC, m_pFont);
    CDC* pDC = m_pBGDC;
    pDC->FillSolidRect(0, 0, W, H, m_crBG);
    const bool bIcons = m_bIconMode && m_nIconWidth > 0 && m_nIconHeight > 0;
    const long xText = m_bIconMode ? m_nIconWidth + TEXT_X : (long)TEXT_X;
    long nSeparators = 0;
    for (long r = 0; r < m_nItemCount; ++r)
    {
        const CWGMenuItem& it = m_Items[r];
        const long y = r * h;
        if (IsSeparator(it.m_strCaption))
        {
            CPen penWide(PS_SOLID, 3, CR_SEPARATOR_WIDE), pen(PS_SOLID, 1, CR_SEPARATOR);
            for (CPen* p : { &penWide, &pen })
            {
                CDCSelect selPen(pDC, p);
                pDC->MoveTo(SEPARATOR_LEFT, y + SEPARATOR_Y);
                pDC->LineTo(W - SEPARATOR_RIGHT, y + SEPARATOR_Y);
            }
            ++nSeparators;
            continue;
        }
        const bool bHot = r == m_nHotItem && it.m_bEnable;
        pDC->SetTextColor(it.m_bEnable ? CR_TEXT : CR_TEXT_DISABLED);
        if (bHot)
            pDC->FillSolidRect(HILITE_INSET, y + HILITE_INSET, W - 2 * HILITE_INSET, h, WG_CR_SELECTION);
        const char* pszText = it.m_strCaption;
        int nText = it.m_strCaption.GetLength();
        if (it.m_bSubmenu)
        {
            const long yArrow = y + ARROW_TOP + (m_bIconMode ? (h - m_nIconHeight) / 2 : 0);
            pDC->BitBlt(W - ARROW_RIGHT, yArrow, ARROW_W, ARROW_H, m_pArrowDC, bHot ? (int)ARROW_W : 0, 0, SRCCOPY);
            ++pszText, --nText;
        }
        pDC->TextOut(xText, y + TEXT_Y, pszText, nText);
        if (bIcons)
            pDC->BitBlt(ICON_X, y + ICON_Y, m_nIconWidth, m_nIconHeight, m_pIconDC,
                        r == m_nHotItem ? m_nIconWidth : 0, (r - nSeparators) * m_nIconHeight, SRCCOPY);
    }
}

// ---- the mouse

void CVRK_MENUWND::On_MouseMove(CPoint pt)
{
    OnMouseMove(0, pt);
}

void CVRK_MENUWND::OnMouseMove(UINT, CPoint point)
{
    const CPoint ptScreen = point + m_rcWindow.TopLeft();
    AliveLink alive(this);
    for (long i = m_nChildCount - 1; i >= 0; --i)
    {
        CVRK_MENUWND* pChild = m_pChildMenu[i];
        if (pChild && pChild->m_bShown && pChild->PtInRect(ptScreen))
        {
            m_nChildUnderMouse = i;
            pChild->On_MouseMove(ptScreen - pChild->m_rcWindow.TopLeft());
            if (alive.bAlive)
                m_nHotItem = -1;
            return;
        }
    }
    if (!m_rcClient.PtInRect(point))
    {
        m_nChildUnderMouse = -1;
        if (m_bKeepHot)
            return;
        m_nHotItem = -1;
        DrawMe();
        return;
    }
    m_bKeepHot = 0;
    const long nRow = (point.y - HIT_TOP) / m_nItemHeight;
    m_nHotItem = nRow >= 0 && nRow < m_nItemCount ? nRow : -1;
    if (m_nHotItem != m_nLastHotItem)
    {
        m_nLastHotItem = m_nHotItem;
        const long nHotChild = m_nHotItem >= 0 && m_Items[m_nHotItem].m_bSubmenu ? m_Items[m_nHotItem].m_nSubmenu : -1;
        CVRK_MENUWND* pHotChild = ValidChild(nHotChild);
        // The open submenu of another row closes before the new one opens.
        for (long i = 0; i < m_nChildCount; ++i)
            if (m_pChildMenu[i] && m_pChildMenu[i]->m_bShown && m_pChildMenu[i] != pHotChild)
            {
                m_nOpenChild = -1;
                m_pChildMenu[i]->Shirk();
                break;
            }
        if (!alive.bAlive || !m_bShown)
            return;
        if (pHotChild && !pHotChild->m_bShown)
        {
            m_nOpenChild = nHotChild;
            pHotChild->Popup(m_rcWindow.right - SUBMENU_OVERLAP, m_nHotItem * m_nItemHeight + m_rcWindow.top);
            if (!alive.bAlive || !m_bShown)
                return;
        }
    }
    if (m_nHotItem >= 0 && !m_Items[m_nHotItem].m_bEnable)
        m_nHotItem = -1;   // its submenu, if any, has opened all the same
    DrawMe();
    m_nChildUnderMouse = -1;
}

BOOL CVRK_MENUWND::ForwardClick(CPoint pt)
{
    CVRK_MENUWND* pChild = ValidChild(m_nChildUnderMouse);
    if (!pChild || !pChild->m_bShown)
        return FALSE;
    pChild->On_Click(pt + m_rcWindow.TopLeft() - pChild->m_rcWindow.TopLeft());
    return TRUE;
}

void CVRK_MENUWND::OnLButtonDown(UINT, CPoint point)
{
    if (m_nKind == KIND_MENUBAR || m_nKind == KIND_SUBMENU)
    {
        On_Click(point);
        return;
    }
    if (ForwardClick(point))
        return;
    // Everything the reports need is read now: the owner's handler may
    // close, delete or pop up this menu again.
    const long nMenu = m_nMenuID;
    // A click outside the rows chooses none, whatever was hot before.
    const BOOL bInside = m_rcClient.PtInRect(point);
    const long nRow = bInside && m_nHotItem >= 0 && m_nHotItem < m_nItemCount && m_Items[m_nHotItem].m_bEnable ? m_nHotItem : -1;
    const BOOL bReplay = !bInside && !m_rcExclude.PtInRect(point);
    const BOOL bPanel = m_nKind == KIND_PANEL;
    CVRK_WGPANEL* pPanel = m_pOwnerPanel;
    const HWND hPanel = m_hOwnerPanel;
    AliveLink alive(this);
    Shirk();
    if (!alive.bAlive)
        return;
    if (CVRK_WG* pOwner = m_pOwnerWG)
        pOwner->OnMenuCommand(nMenu, nRow);
    if (bPanel && pPanel && hPanel && FromHandlePermanent(hPanel) == pPanel)
        pPanel->OnMenuCommand(nMenu, nRow);
    if (bReplay && !(alive.bAlive && m_bShown))
        ReplayAtCursor(MOUSEEVENTF_LEFTDOWN);
}

void CVRK_MENUWND::On_Click(CPoint pt)
{
    if (ForwardClick(pt))
        return;
    const BOOL bReplay = Outside(pt);
    ShirkMeAndParent();
    if (bReplay)
        ReplayAtCursor(MOUSEEVENTF_LEFTDOWN);
}

void CVRK_MENUWND::OnLButtonUp(UINT, CPoint) {}

void CVRK_MENUWND::OnRButtonDown(UINT, CPoint point)
{
    if (!Outside(point))
        return;
    Shirk();
    ReplayAtCursor(MOUSEEVENTF_RIGHTDOWN);
}

int CVRK_MENUWND::PtInRect(CPoint ptScreen)
{
    if (!m_bShown)
        return 0;
    for (long i = m_nChildCount - 1; i >= 0; --i)
        if (m_pChildMenu[i] && m_pChildMenu[i]->PtInRect(ptScreen))
            return 1;
    const CRect& r = m_rcWindow;
    return r.left < ptScreen.x && ptScreen.x < r.right && r.top < ptScreen.y && ptScreen.y < r.bottom;
}

// ---- window messages

int CVRK_MENUWND::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

BOOL CVRK_MENUWND::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVRK_MENUWND::OnPaint()
{
    ::ValidateRect(m_hWnd, nullptr);
    DrawMe();
}

void CVRK_MENUWND::OnKeyDown(UINT, UINT, UINT)
{
    Shirk();
}

void CVRK_MENUWND::OnKillFocus(CWnd* pNewWnd)
{
    Shirk();
    CDialog::OnKillFocus(pNewWnd);
}

void CVRK_MENUWND::OnCaptureChanged(CWnd* pWnd)
{
    if (CWnd::SafeHwnd(pWnd) != m_hWnd)
        Shirk();
    CDialog::OnCaptureChanged(pWnd);
}

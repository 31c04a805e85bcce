#include "MenuBar.h"
#include "VRK_MENUWND.h"
#include "VRK_WG.h"
#include "VRK_WGLock.h"
#include "WGSkin.h"
#include "WGStyleCenter.h"

// ---- the panel of the bar --------------------------------------------------

BEGIN_MESSAGE_MAP(CMenuBarWGP, CVRK_WGPANEL)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

CMenuBarWGP::CMenuBarWGP()
    : m_bSkinPending(1), m_pSkinDC(new CDC), m_rcStrip(10, 0, 0, BAR_HEIGHT), m_nItemCount(0), m_nHotItem(-1),
      m_nChildCount(0), m_bMenuMode(0), m_pOpenMenu(nullptr)
{
    for (CWGMenuBarItem& it : m_Items)
    {
        it.m_nLeft = it.m_nRight = 0;
        it.m_pMenu = nullptr;
    }
    ZeroMemory(m_pChildMenu, sizeof(m_pChildMenu));
}

CMenuBarWGP::~CMenuBarWGP()
{
    // The window goes first, while this class's handlers can see it.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    m_pSkinDC->DeleteDC();
    delete m_pSkinDC;
    m_bmpSkin.DeleteObject();
}

void CMenuBarWGP::AppendMenuCpt(CString strCaption, CVRK_MENUWND* pMenu)
{
    if (m_nItemCount >= MAX_CAPTION)
        return;
    CWGMenuBarItem& it = m_Items[m_nItemCount];
    it.m_strCaption = strCaption;
    it.m_nLeft = m_rcStrip.right + 10;
    it.m_nRight = it.m_nLeft + 7 * strCaption.GetLength();
    it.m_pMenu = pMenu;
    AddChildMenu(pMenu);
    ++m_nItemCount;
    m_rcStrip.right = it.m_nRight;
}

void CMenuBarWGP::AddChildMenu(CVRK_MENUWND* pMenu)
{
    if (pMenu && m_nChildCount < MAX_CAPTION)
        m_pChildMenu[m_nChildCount++] = pMenu;
}

void CMenuBarWGP::ReleaseMenu()
{
    if (!m_pOpenMenu)
        return;
    m_pOpenMenu->Shirk();
    m_bMenuMode = 0;
    if (m_hWnd && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

CVRK_MENUWND* CMenuBarWGP::MenuOf(long nItem) const
{
    return nItem >= 0 && nItem < m_nItemCount ? m_Items[nItem].m_pMenu : nullptr;
}

long CMenuBarWGP::CaptionAt(long x, BOOL bEndsIncluded) const
{
    // The walks read the captions up to the number of menus, as the bar is
    // built: one menu per caption, in order.
    for (long i = 0; i < m_nChildCount && i < m_nItemCount; ++i)
    {
        const CWGMenuBarItem& it = m_Items[i];
        if (bEndsIncluded ? (x >= it.m_nLeft && x <= it.m_nRight) : (x > it.m_nLeft && x < it.m_nRight))
            return i;
    }
    return -1;
}

CPoint CMenuBarWGP::ToScreen(CPoint p) const
{
    ClientToScreen(&p);
    return p;
}

void CMenuBarWGP::PopupMenuOf(long nItem)
{
    CVRK_MENUWND* pMenu = MenuOf(nItem);
    if (!pMenu)
        return;
    CRect rc;
    GetWindowRect(&rc);
    pMenu->Popup(rc.left + m_Items[nItem].m_nLeft + 10, rc.top + 20);
}

void CMenuBarWGP::CreateMyBGDC()
{
    CVRK_WGLock lock(&m_csLock);
    CVRK_WGPANEL::CreateMyBGDC();
    // The bar's screen rectangle, where its menus drop down from.
    GetWindowRect(&m_rcClient);
    m_bSkinPending = 0;
    if (!m_pSkinDC->m_hDC && !m_pSkinDC->CreateCompatibleDC(nullptr))
        return;
    CDCSelect selSkin(m_pSkinDC->m_hDC, WGSkinOf(m_bmpSkin, SKIN_ID));
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    m_pBGDC->StretchBlt(0, 0, m_rcClient.Width(), BAR_HEIGHT, m_pSkinDC, 0, 0, 1, BAR_HEIGHT, SRCCOPY);
    for (long i = 0; i < m_nItemCount; ++i)
    {
        const CWGMenuBarItem& it = m_Items[i];
        if (i == m_nHotItem)
            m_pBGDC->StretchBlt(it.m_nLeft + 5, 0, it.m_nRight - it.m_nLeft, BAR_HEIGHT, m_pSkinDC, 1, 0, 1,
                                BAR_HEIGHT, SRCCOPY);
        m_pBGDC->SetTextColor(i == m_nHotItem ? 0xFFFFFF : 0x000000);
        m_pBGDC->TextOut(it.m_nLeft + 10, 5, it.m_strCaption);
    }
    m_pBGDC->SetTextColor(0x000000);
}

void CMenuBarWGP::OnMouseMove(UINT nFlags, CPoint point)
{
    const CPoint s = ToScreen(point);
    if (m_bMenuMode && m_pOpenMenu && m_pOpenMenu->m_bShown &&
        (m_pOpenMenu->PtInRect(s) == 1 || !m_rcStrip.PtInRect(point)))
    {
        // Over the open menu (or away from the captions): the menu tracks it.
        if (CVRK_MENUWND* pHot = MenuOf(m_nHotItem))
            pHot->On_MouseMove(s - pHot->m_rcWindow.TopLeft());
        return;
    }
    if (m_rcStrip.PtInRect(point))
    {
        for (long i = 0; i < m_nChildCount && i < m_nItemCount; ++i)
        {
            const CWGMenuBarItem& it = m_Items[i];
            if ((point.x < it.m_nLeft || point.x > it.m_nRight) && it.m_pMenu && it.m_pMenu->m_bShown)
                it.m_pMenu->Shirk();
        }
        const long nItem = CaptionAt(point.x, TRUE);
        if (nItem >= 0)
        {
            m_nHotItem = nItem;
            m_pOpenMenu = m_Items[nItem].m_pMenu;
            DrawMe();
            if (m_bMenuMode)
                PopupMenuOf(nItem);
        }
    }
    CVRK_WGPANEL::OnMouseMove(nFlags, point);
}

void CMenuBarWGP::OnLButtonDown(UINT nFlags, CPoint point)
{
    const CPoint s = ToScreen(point);
    if (m_bMenuMode)
    {
        m_bMenuMode = 0;
        ::ReleaseCapture();
        if (CVRK_MENUWND* pMenu = m_pOpenMenu)
        {
            // A click on the captions closes the menu; anywhere else the
            // menu takes it (and closes, passing an outside click on).
            if (!pMenu->PtInRect(s) && m_rcStrip.PtInRect(point))
                pMenu->Shirk();
            else
                pMenu->On_Click(s - pMenu->m_rcWindow.TopLeft());
        }
    }
    else
    {
        GetWindowRect(&m_rcClient);
        const long nItem = CaptionAt(point.x, FALSE);
        CVRK_MENUWND* pMenu = MenuOf(nItem);
        if (pMenu && !pMenu->m_bShown)
        {
            m_nHotItem = nItem;
            m_pOpenMenu = pMenu;
            PopupMenuOf(nItem);
            m_bMenuMode = 1;
            SetCapture();
        }
    }
    if (m_hWnd)
        CVRK_WGPANEL::OnLButtonDown(nFlags, point);
}

void CMenuBarWGP::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_bMenuMode)
    {
        if (CVRK_MENUWND* pMenu = MenuOf(m_nHotItem))
        {
            const CPoint s = ToScreen(point);
            if (!pMenu->m_rcWindow.PtInRect(s) && m_rcStrip.PtInRect(point))
                pMenu->Shirk();
            else
                pMenu->On_Click(s - pMenu->m_rcWindow.TopLeft());
            if (!pMenu->m_bShown && m_bMenuMode)
            {
                m_bMenuMode = 0;
                ::ReleaseCapture();
            }
        }
    }
    if (m_hWnd)
        CVRK_WGPANEL::OnRButtonDown(nFlags, point);
}

void CMenuBarWGP::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bMenuMode)
    {
        CVRK_WGPANEL::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    // Any key closes the menu and clears the highlight; it goes no further.
    if (CVRK_MENUWND* pMenu = MenuOf(m_nHotItem))
        pMenu->Shirk();
    m_nHotItem = -1;
    m_bMenuMode = 0;
    m_pOpenMenu = nullptr;
    ::ReleaseCapture();
    DrawMe();
}

void CMenuBarWGP::OnKillFocus(CWnd* pNewWnd)
{
    if (m_bMenuMode)
        ReleaseMenu();
    CVRK_WGPANEL::OnKillFocus(pNewWnd);
}

void CMenuBarWGP::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bMenuMode && CWnd::SafeHwnd(pWnd) != m_hWnd)
    {
        m_bMenuMode = 0;
        if (m_pOpenMenu)
            m_pOpenMenu->Shirk();
    }
    CVRK_WGPANEL::OnCaptureChanged(pWnd);
}

// ---- the bar ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMenuBar, CVRK_WGDIALOGBAR)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CMenuBar::CMenuBar() : m_pMenuPanel(nullptr) {}

CMenuBar::~CMenuBar()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    m_pPanel = nullptr;
    delete m_pMenuPanel;
}

int CMenuBar::Create(CWnd* pParent, UINT nStyle)
{
    return CreateInClass(pParent, nStyle, CVRK_WG::GetStyleCenter().GetWGMenuBarCalss(), "Vantrel WG MenuBar 1.0");
}

int CMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!m_pMenuPanel)
        m_pMenuPanel = new CMenuBarWGP;
    m_pPanel = m_pMenuPanel;
    return CVRK_WGDIALOGBAR::OnCreate(lpCreateStruct);
}

CSize CMenuBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    CSize size = CVRK_WGDIALOGBAR::CalcDynamicLayout(nLength, nMode);
    size.cy = CMenuBarWGP::BAR_HEIGHT;
    return size;
}

void CMenuBar::AddChildMenu(CVRK_MENUWND* pMenu)
{
    if (m_pMenuPanel)
        m_pMenuPanel->AddChildMenu(pMenu);
}

void CMenuBar::AppendMenuCpt(CString strCaption, CVRK_MENUWND* pMenu)
{
    if (m_pMenuPanel)
        m_pMenuPanel->AppendMenuCpt(strCaption, pMenu);
}

void CMenuBar::ReleaseMenu()
{
    if (m_pMenuPanel)
        m_pMenuPanel->ReleaseMenu();
}

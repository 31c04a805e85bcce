#include "afxbar.h"
#include "afxframe.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr), m_bAutoDelete(FALSE), m_cxLeftBorder(0),
      m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0)
{
}

CControlBar::~CControlBar()
{
    // Destroyed here, while still a bar, so that OnDestroy takes it off its
    // frame's list; ~CWnd would only reach CWnd's handlers.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    // A bar made in a frame belongs to it from the start (docked or not).
    CWnd* pParent = FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        static_cast<CFrameWnd*>(pParent)->AddControlBar(this);
    return 0;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        HWND hOwner = ::GetParent(m_hWnd);
        return hOwner ? ::SendMessageA(hOwner, message, wParam, lParam) : 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    if (m_pDockSite)
        return m_pDockSite;
    CWnd* pParent = FromHandlePermanent(::GetParent(m_hWnd));
    return pParent && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(pParent) : nullptr;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nLength == -1 && !(nMode & (LM_MRUWIDTH | LM_COMMIT)) && (nMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZDOCK) != 0);
    return CalcFixedLayout(nMode & LM_STRETCH, (nMode & LM_HORZ) != 0);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    const DWORD dwStyle = m_dwStyle;
    if (!pLayout || !IsVisible() || !(dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect rc(pLayout->rect);
    const CSize sizeAvail = rc.Size();
    DWORD dwMode = pLayout->bStretch ? LM_STRETCH : 0;
    dwMode |= (dwStyle & CBRS_ORIENT_HORZ) ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = size.cx < sizeAvail.cx ? size.cx : (sizeAvail.cx > 0 ? sizeAvail.cx : 0);
    size.cy = size.cy < sizeAvail.cy ? size.cy : (sizeAvail.cy > 0 ? sizeAvail.cy : 0);
    if (dwStyle & CBRS_ORIENT_HORZ)
    {
        pLayout->sizeTotal.cy += size.cy;
        if (size.cx > pLayout->sizeTotal.cx)
            pLayout->sizeTotal.cx = size.cx;
        if (dwStyle & CBRS_ALIGN_TOP)
            pLayout->rect.top += size.cy;
        else
        {
            rc.top = rc.bottom - size.cy;
            pLayout->rect.bottom -= size.cy;
        }
    }
    else
    {
        pLayout->sizeTotal.cx += size.cx;
        if (size.cy > pLayout->sizeTotal.cy)
            pLayout->sizeTotal.cy = size.cy;
        if (dwStyle & CBRS_ALIGN_LEFT)
            pLayout->rect.left += size.cx;
        else
        {
            rc.left = rc.right - size.cx;
            pLayout->rect.right -= size.cx;
        }
    }
    rc.right = rc.left + size.cx;
    rc.bottom = rc.top + size.cy;
    if (pLayout->hDWP)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                                         SWP_NOACTIVATE | SWP_NOZORDER);
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

// ---- dialog bar ------------------------------------------------------------

CDialogBar::CDialogBar() : m_sizeDefault(0, 0) {}

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    if (!pParentWnd || !lpszTemplateName)
        return FALSE;
    m_dwStyle = nStyle & CBRS_ALL;
    if (!CreateDlg(lpszTemplateName, pParentWnd))
        return FALSE;
    SetUpCreatedBar(nID);
    return TRUE;
}

void CDialogBar::SetUpCreatedBar(UINT nID)
{
    ::SetWindowLongPtrA(m_hWnd, GWLP_ID, (LONG_PTR)nID);
    CRect rc;
    GetWindowRect(&rc);
    m_sizeDefault = rc.Size();
    ModifyStyle(0, WS_CLIPSIBLINGS);
    // Size 0 until the frame's layout gives the bar its strip.
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    return m_sizeDefault;
}

// ---- the layout protocol ---------------------------------------------------

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    if (!m_hWnd)
        return;
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        GetClientRect(&layout.rect);
    layout.hDWP = nFlag == reposQuery ? nullptr : ::BeginDeferWindowPos(8);
    HWND hLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT))
    {
        const UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID == nIDLeftOver)
            hLeftOver = hChild;
        else if (nID >= nIDFirst && nID <= nIDLast && FromHandlePermanent(hChild))
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }
    if (nFlag == reposQuery)
    {
        if (lpRectParam)
            *lpRectParam = layout.rect;
        return;
    }
    if (nFlag == reposExtra && lpRectParam)
    {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hLeftOver && layout.hDWP)
        layout.hDWP = ::DeferWindowPos(layout.hDWP, hLeftOver, nullptr, layout.rect.left, layout.rect.top,
                                       layout.rect.right - layout.rect.left, layout.rect.bottom - layout.rect.top,
                                       SWP_NOACTIVATE | SWP_NOZORDER);
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}

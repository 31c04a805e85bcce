#include "afxframe.h"
#include "afxapp.h"
#include "afxmodule.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() : m_hMenuDefault(nullptr), m_hAccelTable(nullptr), m_nIDHelp(0), m_dwDockStyle(0) {}

CFrameWnd::~CFrameWnd()
{
    // Bars that outlive the frame must not call back into it.
    for (CControlBar* pBar : m_bars)
        pBar->m_pDockSite = nullptr;
    m_bars.clear();
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
    {
        if (!AfxRegisterFrameworkClasses())
            return FALSE;
        cs.lpszClass = AFX_WNDFRAMEORVIEW_CLASS;
    }
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName)
    {
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (!hMenu)
        {
            // As every failed creation of a frame: the object is gone.
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    // rectDefault asks the system for both place and size (its width and
    // height are not computed: 0 - CW_USEDEFAULT overflows).
    const bool bDefault = rect.left == CW_USEDEFAULT;
    const int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                  SafeHwnd(pParentWnd), hMenu, pContext))
    {
        if (hMenu)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
    {
        const int nEnd = strFull.Find('\n');
        m_strTitle = nEnd < 0 ? strFull : strFull.Left(nEnd);
    }
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    // A class of the frame's own with the icon of the same id, when there is one.
    LPCSTR lpszClass = nullptr;
    if (HICON hIcon = ::LoadIconA(AfxFindResourceHandle(lpszName, RT_GROUP_ICON), lpszName))
    {
        WNDCLASSA wc = {};
        if (AfxRegisterFrameworkClasses() && ::GetClassInfoA(AfxGetInstanceHandle(), AFX_WNDFRAMEORVIEW_CLASS, &wc))
            lpszClass = AfxRegisterWndClass(wc.style, wc.hCursor, wc.hbrBackground, hIcon);
    }
    const CString strTitle = m_strTitle;   // Create overwrites it
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszName, 0, pContext))
        return FALSE;
    LoadAccelTable(lpszName);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName)
{
    if (m_hAccelTable || !lpszResourceName)
        return FALSE;   // one table per frame, as in MFC
    m_hAccelTable = ::LoadAcceleratorsA(AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR), lpszResourceName);
    return m_hAccelTable != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, (CCreateContext*)lpcs->lpCreateParams))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return !pContext || !pContext->m_pNewViewClass || CreateView(pContext, AFX_IDW_PANE_FIRST);
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (!pContext || !pContext->m_pNewViewClass)
        return nullptr;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    if (!pObject)
        return nullptr;
    if (!pObject->IsKindOf(RUNTIME_CLASS(CWnd)))
    {
        delete pObject;
        return nullptr;
    }
    CWnd* pView = static_cast<CWnd*>(pObject);
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;   // a view that failed has deleted itself, as views do
    return pView;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_hWnd)
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    static const struct { UINT nID; DWORD dwAlign; } sides[] = {
        { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP }, { AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM },
        { AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT }, { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT },
    };
    const DWORD dwAllowed = pBar->m_dwDockStyle & m_dwDockStyle;
    DWORD dwAlign = 0;
    for (const auto& side : sides)
        if ((nDockBarID == 0 || nDockBarID == side.nID) && (dwAllowed & side.dwAlign))
        {
            dwAlign = side.dwAlign;
            break;
        }
    if (!dwAlign)
        return;
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign;
    if (pBar->m_pDockSite && pBar->m_pDockSite != this)
        pBar->m_pDockSite->RemoveControlBar(pBar);
    RemoveControlBar(pBar);
    pBar->m_pDockSite = this;
    m_bars.push_back(pBar);
    // The layout asks the children in z-order: a bar docked later goes
    // last, inside the ones docked before it.
    ::SetWindowPos(pBar->m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RecalcLayout();
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (pBar && std::find(m_bars.begin(), m_bars.end(), pBar) == m_bars.end())
    {
        m_bars.push_back(pBar);
        pBar->m_pDockSite = this;
    }
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    auto it = std::find(m_bars.begin(), m_bars.end(), pBar);
    if (it == m_bars.end())
        return;
    m_bars.erase(it);
    pBar->m_pDockSite = nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (!bDelay)
        RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (CControlBar* pBar : m_bars)
        if (pBar->m_hWnd && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    return nullptr;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        return m_hAccelTable && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The pane first, then the frame, then the application.
    if (CWnd* pView = FromHandlePermanent(::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST)))
        if (pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::OnDestroy()
{
    // The loaded menu goes with the window even if another one replaced it.
    if (m_hMenuDefault && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    m_hMenuDefault = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (HWND hPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::SetFocus(hPane);
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::PostNcDestroy()
{
    // Frames live on the heap and end with their window.
    delete this;
}

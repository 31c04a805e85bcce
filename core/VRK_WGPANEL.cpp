#include "VRK_WGPANEL.h"
#include "VRK_WG.h"
#include "WGStyleCenter.h"
#include "WGSkin.h"
#include <imm.h>

static const char* const WG_PANEL_CLASS = "Vantrel WG Panel 1.0";

// ---- CVRK_WGLock --------------------------------------------------------------

CVRK_WGLock::CVRK_WGLock(CRITICAL_SECTION* pSection, BOOL bLockNow)
    : m_bLocked(FALSE), m_pSection(pSection)
{
    if (bLockNow)
        Lock();
}

CVRK_WGLock::~CVRK_WGLock() { Unlock(); }

void CVRK_WGLock::Lock()
{
    if (!m_bLocked && m_pSection)
    {
        ::EnterCriticalSection(m_pSection);
        m_bLocked = TRUE;
    }
}

BOOL CVRK_WGLock::TryLock()
{
    if (!m_bLocked && m_pSection)
        m_bLocked = ::TryEnterCriticalSection(m_pSection) ? TRUE : FALSE;
    return m_bLocked;
}

void CVRK_WGLock::Unlock()
{
    if (m_bLocked)
    {
        ::LeaveCriticalSection(m_pSection);
        m_bLocked = FALSE;
    }
}

// ---- peers ------------------------------------------------------------------------

void (*CWGPanelPeers::pfnShirkMenu)(CVRK_MENUWND*) = nullptr;
void (*CWGPanelPeers::pfnSetMenuIndex)(CVRK_MENUWND*, long) = nullptr;
void (*CWGPanelPeers::pfnShowMarkTip)(CWG_Tip*, CPoint, const CString&) = nullptr;
void (*CWGPanelPeers::pfnSetTipIndex)(CWG_Tip*, long) = nullptr;
long (*CWGPanelPeers::pfnTipIndex)(CWG_Tip*) = nullptr;
void (*CWGPanelPeers::pfnDialogOnOK)(CVRK_DIALOG*) = nullptr;
void (*CWGPanelPeers::pfnDialogOnCancel)(CVRK_DIALOG*) = nullptr;
void (*CWGPanelPeers::pfnDialogFirstPaint)(CVRK_DIALOG*) = nullptr;
CWnd* (*CWGPanelPeers::pfnDialogWnd)(CVRK_DIALOG*) = nullptr;

// ---- construction -------------------------------------------------------------

BEGIN_MESSAGE_MAP(CVRK_WGPANEL, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_TIMER()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYUP()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_RBUTTONDBLCLK()
    ON_WM_MOUSEACTIVATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DRAWCLIPBOARD()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CVRK_WGPANEL::CVRK_WGPANEL()
    : m_pDialog(nullptr), m_pLastWG(nullptr), m_hIMC(nullptr), m_nWGCount(0), m_nMenuCount(0),
      m_pPopMenu(nullptr), m_nTipCount(0), m_pBGDC(new CDC),
      m_pFont(CVRK_WG::GetStyleCenter().GetDefaultFont()), m_nMouseWG(-1), m_nNowWG(-1),
      m_rcClient(0, 0, 0, 0), m_rcLastClient(0, 0, 0, 0), m_bDCCreated(FALSE), m_bFillBG(TRUE),
      m_nMarkShape(0), m_rcMark(0, 0, 0, 0), m_ptMarkFrom(0, 0), m_ptMarkTo(0, 0),
      m_ptMarkTip(0, 0), m_pMarkTip(nullptr)
{
    ::InitializeCriticalSection(&m_csLock);
    ZeroMemory(m_pWG, sizeof(m_pWG));
    ZeroMemory(m_pMenu, sizeof(m_pMenu));
    ZeroMemory(m_pTip, sizeof(m_pTip));
    m_brNull.CreateStockObject(NULL_BRUSH);
}

CVRK_WGPANEL::~CVRK_WGPANEL()
{
    // The window goes first, while this class's handlers can still run.
    if (m_hWnd)
        DestroyWindow();
    m_bmpBG.DeleteObject();
    delete m_pBGDC;
    ::DeleteCriticalSection(&m_csLock);
}

int CVRK_WGPANEL::Create(CWnd* pParent)
{
    if (!pParent || !pParent->m_hWnd)
        return 0;
    AFX_MANAGE_STATE(AfxGetAppModuleState());
    CRect rc;
    pParent->GetClientRect(&rc);
    return CWnd::Create(nullptr, "", WS_CHILD | WS_VISIBLE, rc, pParent, 0) ? 1 : 0;
}

int CVRK_WGPANEL::Create(CVRK_DIALOG* pDialog)
{
    m_pDialog = pDialog;
    CWnd* pWnd = (pDialog && CWGPanelPeers::pfnDialogWnd) ? CWGPanelPeers::pfnDialogWnd(pDialog) : nullptr;
    return Create(pWnd);
}

BOOL CVRK_WGPANEL::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CWnd::PreCreateWindow(cs) || !AfxRegisterFrameworkClasses())
        return FALSE;
    WNDCLASSA* pClass = CVRK_WG::GetStyleCenter().GetWGPanelCalss();
    if (!pClass->lpszClassName)
    {
        ::GetClassInfoA(AfxGetInstanceHandle(), AFX_WND_CLASS, pClass);
        pClass->lpszClassName = WG_PANEL_CLASS;
        ::RegisterClassA(pClass);
    }
    cs.lpszClass = pClass->lpszClassName;
    return TRUE;
}

// ---- registration -------------------------------------------------------------

void CVRK_WGPANEL::AddWG(CVRK_WG* pWG)
{
    if (!pWG || m_nWGCount >= MAX_WG)
        return;
    m_pWG[m_nWGCount] = pWG;
    pWG->m_nIndex = m_nWGCount;
    ++m_nWGCount;
}

void CVRK_WGPANEL::AddMenu(CVRK_MENUWND* pMenu)
{
    if (!pMenu || m_nMenuCount >= MAX_MENU)
        return;
    m_pMenu[m_nMenuCount] = pMenu;
    if (CWGPanelPeers::pfnSetMenuIndex)
        CWGPanelPeers::pfnSetMenuIndex(pMenu, m_nMenuCount);
    ++m_nMenuCount;
}

void CVRK_WGPANEL::AddTip(CWG_Tip* pTip)
{
    if (!pTip || m_nTipCount >= MAX_TIP)
        return;
    m_pTip[m_nTipCount] = pTip;
    if (CWGPanelPeers::pfnSetTipIndex)
        CWGPanelPeers::pfnSetTipIndex(pTip, m_nTipCount);
    ++m_nTipCount;
}

CVRK_WG* CVRK_WGPANEL::ValidWG(long nIndex) const
{
    return (nIndex >= 0 && nIndex < m_nWGCount) ? m_pWG[nIndex] : nullptr;
}

// ---- current element and mouse owner ------------------------------------------------

void CVRK_WGPANEL::SetNowWGQuiet(long nIndex)
{
    if (nIndex < -1 || nIndex >= m_nWGCount)
        return;
    if (m_nMouseWG != nIndex)
        ByeMouse();
    if (m_nNowWG >= 0 && m_nNowWG != nIndex)
        m_pWG[m_nNowWG]->m_bFocus = FALSE;
    m_nNowWG = nIndex;
    if (nIndex != -1)
        m_pWG[nIndex]->m_bFocus = TRUE;
}

void CVRK_WGPANEL::SetNowWG(long nIndex)
{
    // An index that names no element changes nothing and calls nobody.
    if (nIndex < -1 || nIndex >= m_nWGCount)
        return;
    if (CVRK_WG* pNow = ValidWG(m_nNowWG))
        pNow->OnLoseFocus();
    if (m_nMouseWG >= 0 && m_nMouseWG != m_nNowWG)
        if (CVRK_WG* pOwner = ValidWG(m_nMouseWG))
            pOwner->OnLoseFocus();
    SetNowWGQuiet(nIndex);
    if (CVRK_WG* pNow = ValidWG(m_nNowWG))
        pNow->OnGetFocus();
}

void CVRK_WGPANEL::GiveMeMouse(long nIndex)
{
    if (!ValidWG(nIndex) || !m_hWnd)
        return;
    if (::GetFocus() != m_hWnd)
        SetFocus();
    m_nMouseWG = nIndex;
    SetCapture();
}

void CVRK_WGPANEL::ByeMouse()
{
    m_nMouseWG = -1;
    ::ReleaseCapture();
}

HICON CVRK_WGPANEL::SetMyCursor(HICON hCursor)
{
    return ::SetCursor(hCursor);
}

void CVRK_WGPANEL::SetIMPostion(long x, long y)
{
    if (!m_hIMC)
        return;
    COMPOSITIONFORM cf = {};
    cf.dwStyle = CFS_RECT;
    cf.ptCurrentPos.x = x;
    cf.ptCurrentPos.y = y;
    ::SetRectEmpty(&cf.rcArea);
    ::ImmSetCompositionWindow(m_hIMC, &cf);
}

// ---- notification hooks ---------------------------------------------------------------

int CVRK_WGPANEL::PreClose()
{
    SetNowWG(-1);
    return 1;
}

int CVRK_WGPANEL::OnOK() { return 0; }
int CVRK_WGPANEL::OnCancel() { return 0; }
void CVRK_WGPANEL::OnWGCommand(long, long) {}
void CVRK_WGPANEL::OnMenuCommand(long, long) {}

void CVRK_WGPANEL::OnTipCommand(long nTip, long nCode)
{
    if (!m_pMarkTip || nCode != 2 || !CWGPanelPeers::pfnTipIndex ||
        CWGPanelPeers::pfnTipIndex(m_pMarkTip) != nTip)
        return;
    if (m_rcMark.Width() < 1 && m_rcMark.Height() < 1)
        return;
    m_rcMark.SetRectEmpty();
    DrawMe();
}

// ---- mouse routing -------------------------------------------------------------------

void CVRK_WGPANEL::RouteButtonDown(CPoint point, long nButton)
{
    if (CVRK_WG* pOwner = ValidWG(m_nMouseWG))
    {
        // The mouse owner gets everything, wherever the pointer is.
        if (m_nNowWG < 0)
            m_nNowWG = m_nMouseWG;
        m_pLastWG = pOwner;
        pOwner->OnButtonDown(point, nButton);
        return;
    }
    if (m_nWGCount == 0)
        return;
    if (CVRK_WG* pNow = ValidWG(m_nNowWG))
    {
        if (pNow->PtInMe(point))
        {
            m_pLastWG = pNow;
            pNow->OnButtonDown(point, nButton);
            return;
        }
        pNow->m_bFocus = FALSE;
        pNow->OnLoseFocus();
        m_nNowWG = -1;
    }
    for (long i = m_nWGCount - 1; i >= 0; --i)
    {
        CVRK_WG* p = m_pWG[i];
        if (p->PtInMe(point))
        {
            m_nNowWG = i;
            p->m_bFocus = TRUE;
            p->OnGetFocus();
            m_pLastWG = p;
            p->OnButtonDown(point, nButton);
            return;
        }
    }
}

void CVRK_WGPANEL::RouteButtonUpOrDClick(CPoint point, long nButton, BOOL bDClick)
{
    CVRK_WG* pTarget = ValidWG(m_nMouseWG);
    if (!pTarget && m_nWGCount == 0)
        return;
    if (!pTarget)
    {
        CVRK_WG* pNow = ValidWG(m_nNowWG);
        if (pNow && pNow->PtInMe(point))
            pTarget = pNow;
    }
    for (long i = m_nWGCount - 1; !pTarget && i >= 0; --i)
        if (m_pWG[i]->PtInMe(point))
            pTarget = m_pWG[i];
    if (!pTarget)
        return;
    m_pLastWG = pTarget;
    if (bDClick)
        pTarget->OnButtonDClick(point, nButton);
    else
        pTarget->OnButtonUp(point, nButton);
}

void CVRK_WGPANEL::OnLButtonDown(UINT, CPoint point) { RouteButtonDown(point, 0); }
void CVRK_WGPANEL::OnRButtonDown(UINT, CPoint point) { RouteButtonDown(point, 2); }
void CVRK_WGPANEL::OnLButtonUp(UINT, CPoint point) { RouteButtonUpOrDClick(point, 0, FALSE); }
void CVRK_WGPANEL::OnRButtonUp(UINT, CPoint point) { RouteButtonUpOrDClick(point, 2, FALSE); }
void CVRK_WGPANEL::OnLButtonDblClk(UINT, CPoint point) { RouteButtonUpOrDClick(point, 0, TRUE); }
void CVRK_WGPANEL::OnRButtonDblClk(UINT, CPoint point) { RouteButtonUpOrDClick(point, 2, TRUE); }

void CVRK_WGPANEL::OnMouseMove(UINT, CPoint point)
{
    CVRK_WG* pTarget = ValidWG(m_nMouseWG);
    for (long i = m_nWGCount - 1; !pTarget && i >= 0; --i)
        if (m_pWG[i]->PtInMe(point))
            pTarget = m_pWG[i];
    if (!pTarget)
    {
        ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
        return;
    }
    m_pLastWG = pTarget;
    pTarget->OnMouseMove(point);
}

BOOL CVRK_WGPANEL::OnMouseWheel(UINT, short zDelta, CPoint)
{
    CVRK_WG* pTarget = ValidWG(m_nMouseWG);
    if (!pTarget)
        pTarget = ValidWG(m_nNowWG);
    if (pTarget && pTarget->m_bVisible)
    {
        m_pLastWG = pTarget;
        pTarget->OnMouseWheel(zDelta);
    }
    return TRUE;
}

BOOL CVRK_WGPANEL::OnSetCursor(CWnd*, UINT, UINT)
{
    return TRUE;   // elements choose the cursor themselves
}

int CVRK_WGPANEL::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    SetFocus();
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

// ---- keyboard and timers -------------------------------------------------------------

void CVRK_WGPANEL::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (m_nWGCount == 0)
        return;
    if (nChar == VK_TAB)
    {
        CVRK_WG* pNow = ValidWG(m_nNowWG);
        if (!pNow)
        {
            m_nNowWG = 0;   // first Tab: index only, nobody is told
            return;
        }
        pNow->m_bFocus = FALSE;
        pNow->OnLoseFocus();
        m_nNowWG = (m_nNowWG + 1) % m_nWGCount;
        CVRK_WG* pNext = m_pWG[m_nNowWG];
        pNext->m_bFocus = TRUE;
        pNext->OnGetFocus();
        RefreshWG(m_nNowWG);
        return;
    }
    CVRK_WG* pNow = ValidWG(m_nNowWG);
    if (pNow && pNow->m_bVisible && pNow->m_bEnable)
    {
        m_pLastWG = pNow;
        pNow->OnKeyDown(nChar);
    }
}

void CVRK_WGPANEL::OnKeyUp(UINT nChar, UINT, UINT)
{
    CVRK_WG* pNow = ValidWG(m_nNowWG);
    if (pNow && pNow->m_bVisible && pNow->m_bEnable)
    {
        m_pLastWG = pNow;
        pNow->OnKeyUp(nChar);
    }
}

void CVRK_WGPANEL::OnChar(UINT nChar, UINT, UINT)
{
    CVRK_WG* pNow = ValidWG(m_nNowWG);
    if (pNow && pNow->m_bVisible && pNow->m_bEnable)
    {
        m_pLastWG = pNow;
        pNow->OnChar(nChar);
    }
}

void CVRK_WGPANEL::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent < (UINT_PTR)m_nWGCount)
        m_pWG[nIDEvent]->OnTimer();
}

BOOL CVRK_WGPANEL::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_KEYDOWN:
        if (m_pPopMenu)
        {
            if (CWGPanelPeers::pfnShirkMenu)
                CWGPanelPeers::pfnShirkMenu(m_pPopMenu);
            return TRUE;
        }
        if (m_pDialog && pMsg->wParam == VK_RETURN)
        {
            if (CWGPanelPeers::pfnDialogOnOK)
                CWGPanelPeers::pfnDialogOnOK(m_pDialog);
            return TRUE;
        }
        if (m_pDialog && pMsg->wParam == VK_ESCAPE)
        {
            if (CWGPanelPeers::pfnDialogOnCancel)
                CWGPanelPeers::pfnDialogOnCancel(m_pDialog);
            return TRUE;
        }
        // Keys are dispatched here, so the dialog manager never turns Tab,
        // Enter, Escape or the arrows aimed at the panel into navigation.
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
        return TRUE;
    case WM_KEYUP:
    case WM_CHAR:
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
        return TRUE;
    case WM_IME_NOTIFY:
        if (pMsg->wParam == IMN_OPENCANDIDATE)
        {
            m_hIMC = ::ImmGetContext(m_hWnd);
            CVRK_WG* pNow = ValidWG(m_nNowWG);
            if (pNow && pNow->m_bVisible && pNow->m_bEnable)
            {
                m_pLastWG = pNow;
                pNow->OnOpenIME();
            }
        }
        else if (pMsg->wParam == IMN_CLOSECANDIDATE)
        {
            if (m_hIMC)
                ::ImmReleaseContext(m_hWnd, m_hIMC);
            m_hIMC = nullptr;
        }
        return CWnd::PreTranslateMessage(pMsg);
    default:
        return CWnd::PreTranslateMessage(pMsg);
    }
}

void CVRK_WGPANEL::OnKillFocus(CWnd* pNewWnd)
{
    SetNowWG(-1);
    CWnd::OnKillFocus(pNewWnd);
}

void CVRK_WGPANEL::OnDrawClipboard() { Default(); }

// ---- painting -------------------------------------------------------------------------

BOOL CVRK_WGPANEL::OnEraseBkgnd(CDC*) { return TRUE; }

void CVRK_WGPANEL::CreateMyBGDC()
{
    CVRK_WGLock lock(&m_csLock);
    CClientDC dc(this);
    if (!m_bDCCreated)
    {
        m_pBGDC->CreateCompatibleDC(&dc);
        m_pBGDC->SetBkMode(TRANSPARENT);
        m_bDCCreated = TRUE;
    }
    GetClientRect(&m_rcClient);
    if (m_rcClient != m_rcLastClient)
    {
        m_rcLastClient = m_rcClient;
        WGCreateBackBuffer(m_bmpBG, m_rcClient.Width(), m_rcClient.Height());
    }
    CBitmap* pOld = m_pBGDC->SelectObject(&m_bmpBG);
    m_pBGDC->SetTextColor(0);
    if (m_bFillBG)
        m_pBGDC->FillSolidRect(0, 0, m_rcClient.Width(), m_rcClient.Height(), WG_CR_PANEL);
    if (pOld)
        m_pBGDC->SelectObject(pOld);
}

void CVRK_WGPANEL::RefreshAllWGs()
{
    CVRK_WGLock lock(&m_csLock);
    if (!m_pBGDC->m_hDC || m_nWGCount == 0)
        return;
    CBitmap* pOld = m_pBGDC->SelectObject(&m_bmpBG);
    for (long i = 0; i < m_nWGCount; ++i)
    {
        CVRK_WG* p = m_pWG[i];
        if (!p->m_bVisible)
            continue;
        p->m_bCopyParentBG = TRUE;
        p->Paint(m_pBGDC);
        p->m_bCopyParentBG = FALSE;
    }
    RefreshAfterWG(nullptr);
    if (pOld)
        m_pBGDC->SelectObject(pOld);
}

void CVRK_WGPANEL::DrawMe()
{
    if (!m_hWnd)
        return;
    CVRK_WGLock lock(&m_csLock);
    CreateMyBGDC();
    RefreshAllWGs();
    {
        CClientDC dc(this);
        CBitmap* pOld = m_pBGDC->SelectObject(&m_bmpBG);
        dc.BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), m_pBGDC, 0, 0, SRCCOPY);
        if (pOld)
            m_pBGDC->SelectObject(pOld);
    }
    if (m_pDialog && CWGPanelPeers::pfnDialogFirstPaint)
        CWGPanelPeers::pfnDialogFirstPaint(m_pDialog);
}

void CVRK_WGPANEL::DrawMeByOthers()
{
    CVRK_WGLock lock(&m_csLock);
    CRect rc;
    GetClientRect(&rc);
    if (m_bDCCreated && rc == m_rcLastClient)
    {
        // Unchanged size: the back buffer is current, only copy it.
        CClientDC dc(this);
        CBitmap* pOld = m_pBGDC->SelectObject(&m_bmpBG);
        dc.BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), m_pBGDC, 0, 0, SRCCOPY);
        if (pOld)
            m_pBGDC->SelectObject(pOld);
        return;
    }
    if (rc.Width() > 0 && rc.Height() > 0)
    {
        DrawMe();
        if (m_pDialog && CWGPanelPeers::pfnDialogFirstPaint)
            CWGPanelPeers::pfnDialogFirstPaint(m_pDialog);
    }
}

void CVRK_WGPANEL::OnPaint()
{
    CPaintDC dc(this);
    DrawMeByOthers();
}

void CVRK_WGPANEL::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    DrawMe();
}

void CVRK_WGPANEL::RefreshWG(long nIndex)
{
    CVRK_WG* p = ValidWG(nIndex);
    if (!p || !m_hWnd)
        return;
    CVRK_WGLock lock(&m_csLock);
    if (!m_pBGDC->m_hDC)
        return;
    CBitmap* pOld = m_pBGDC->SelectObject(&m_bmpBG);
    p->Paint(m_pBGDC);
    CRect rc(p->m_rect.left, p->m_rect.top, p->m_rect.left + p->m_nWidth, p->m_rect.top + p->m_nHeight);
    RefreshAfterWG(&rc);
    {
        CClientDC dc(this);
        dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), m_pBGDC, rc.left, rc.top, SRCCOPY);
    }
    if (pOld)
        m_pBGDC->SelectObject(pOld);
}

void CVRK_WGPANEL::RefreshAfterWG(CRect* pRect)
{
    CVRK_WGLock lock(&m_csLock);
    if (m_rcMark.IsRectEmpty())
        return;
    CPen pen(PS_SOLID, 2, 0x0000FA);
    CPen* pOldPen = m_pBGDC->SelectObject(&pen);
    CBrush* pOldBrush = m_pBGDC->SelectObject(&m_brNull);
    if (m_nMarkShape == 0)
    {
        m_pBGDC->MoveTo(m_rcMark.left, m_rcMark.top);
        m_pBGDC->LineTo(m_rcMark.right, m_rcMark.top);
        m_pBGDC->LineTo(m_rcMark.right, m_rcMark.bottom);
        m_pBGDC->LineTo(m_rcMark.left, m_rcMark.bottom);
        m_pBGDC->LineTo(m_rcMark.left, m_rcMark.top);
    }
    else if (m_nMarkShape == 1)
    {
        m_pBGDC->Ellipse(&m_rcMark);
    }
    m_pBGDC->MoveTo(m_ptMarkFrom);
    m_pBGDC->LineTo(m_ptMarkTo);
    if (pOldPen)
        m_pBGDC->SelectObject(pOldPen);
    if (pOldBrush)
        m_pBGDC->SelectObject(pOldBrush);

    if (pRect)
    {
        if (m_rcMark.left < pRect->left) pRect->left = m_rcMark.left;
        else if (m_ptMarkFrom.x < pRect->left) pRect->left = m_ptMarkFrom.x;
        if (m_rcMark.top < pRect->top) pRect->top = m_rcMark.top;
        else if (m_ptMarkFrom.y < pRect->top) pRect->top = m_ptMarkFrom.y;
        if (m_rcMark.right > pRect->right) pRect->right = m_rcMark.right;
        else if (m_ptMarkTo.x > pRect->right) pRect->right = m_ptMarkTo.x;
        if (m_rcMark.bottom > pRect->bottom) pRect->bottom = m_rcMark.bottom;
        else if (m_ptMarkTo.y > pRect->bottom) pRect->bottom = m_ptMarkTo.y;
    }

    if (m_pMarkTip && CWGPanelPeers::pfnShowMarkTip && m_hWnd)
    {
        CPoint pt = m_ptMarkTip;
        ClientToScreen(&pt);
        CWGPanelPeers::pfnShowMarkTip(m_pMarkTip, pt, m_strMarkTip);
    }
}

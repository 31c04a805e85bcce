#include "VRK_WGPANEL.h"
#include "WGTimerService.h"
#include "VRK_WG.h"
#include "WGStyleCenter.h"
#include "WGSkin.h"
#include "WGPanelPopups.h"
#include "WGHover.h"
#include "VRK_DIALOG.h"
#include "WGAccessible.h"
#include <imm.h>

static const char* const WG_PANEL_CLASS = "Vantrel WG Panel 1.0";

// Posted to the panel's own thread when a call that waited for the painting
// lock was requested from another thread.
static const UINT WGM_DEFERRED_CALLS = WM_APP + 0x3A7;


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
    ON_WM_SETFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_IME_NOTIFY, OnImeNotify)
    ON_MESSAGE(WGM_DEFERRED_CALLS, OnDeferredCalls)
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

CVRK_WGPANEL::CVRK_WGPANEL()
    : m_pDialog(nullptr), m_pLastWG(nullptr), m_hIMC(nullptr), m_nWGCount(0), m_nMenuCount(0),
      m_pPopMenu(nullptr), m_nTipCount(0), m_pBGDC(new CDC),
      m_pFont(CVRK_WG::GetStyleCenter().GetDefaultFont()), m_nMouseWG(-1), m_nNowWG(-1),
      m_rcClient(0, 0, 0, 0), m_rcLastClient(0, 0, 0, 0), m_bDCCreated(FALSE), m_bFillBG(TRUE),
      m_nMarkShape(0), m_rcMark(0, 0, 0, 0), m_ptMarkFrom(0, 0), m_ptMarkTo(0, 0),
      m_ptMarkTip(0, 0), m_pMarkTip(nullptr), m_nFocusSerial(0), m_bFramePending(FALSE),
      m_bMarkTipPending(FALSE), m_bHasFocus(FALSE), m_pAccessSite(nullptr)
{
    ::InitializeCriticalSection(&m_csLock);
    ZeroMemory(m_pWG, sizeof(m_pWG));
    ZeroMemory(m_pMenu, sizeof(m_pMenu));
    ZeroMemory(m_pTip, sizeof(m_pTip));
    m_brNull.CreateStockObject(NULL_BRUSH);
}

CVRK_WGPANEL::~CVRK_WGPANEL()
{
    // The elements of a derived panel may already be gone (members die
    // before this destructor runs), and the window's last messages (focus
    // loss above all) must not reach them: let go of every element first,
    // then of the window. A tick on a worker thread (a progress bar's) may
    // be inside an element: the gate waits for it and keeps the next out
    // until the elements no longer know this panel.
    CWGWorkerGate::Close();
    for (long i = 0; i < m_nWGCount; ++i)
    {
        if (m_pWG[i])
            m_pWG[i]->m_pParent = nullptr;
        m_pWG[i] = nullptr;
    }
    CWGWorkerGate::Open();
    m_nNowWG = m_nMouseWG = -1;
    m_pLastWG = nullptr;
    // Screen readers may hold accessible objects of this panel for longer.
    if (m_pAccessSite)
    {
        m_pAccessSite->Disconnect();
        m_pAccessSite->Release();
        m_pAccessSite = nullptr;
    }
    // A dialog that outlives its panel must not call it any more.
    if (m_pDialog && m_pDialog->m_pPanel == this)
        m_pDialog->m_pPanel = nullptr;
    m_pDialog = nullptr;
    if (m_hWnd)
        DestroyWindow();
    WGUnselectBitmap(m_pBGDC);
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
    return Create(static_cast<CWnd*>(pDialog));
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

void CVRK_WGPANEL::OnDestroy()
{
    // An input context taken for an open candidate window goes back with
    // the window.
    if (m_hIMC)
        ::ImmReleaseContext(m_hWnd, m_hIMC);
    m_hIMC = nullptr;
    CWnd::OnDestroy();
}

// ---- accessibility ------------------------------------------------------------

CWGAccessSite* CVRK_WGPANEL::AccessSite()
{
    if (!m_pAccessSite)
        m_pAccessSite = new CWGAccessSite(this);
    return m_pAccessSite;
}

LRESULT CVRK_WGPANEL::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if ((DWORD)lParam != (DWORD)OBJID_CLIENT)
        return Default();
    return AccessSite()->OnGetObject(wParam);
}

void CVRK_WGPANEL::SetAccessibleName(long nIndex, const char* pszName)
{
    AccessSite()->SetName(nIndex, pszName);
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

void CVRK_WGPANEL::DetachWG(CVRK_WG* pWG)
{
    const long i = pWG->m_nIndex;
    if (i < 0 || i >= m_nWGCount || m_pWG[i] != pWG)
        return;
    // Painting from a worker thread reads the slots under the lock.
    CVRK_WGLock lock(&m_csLock);
    m_pWG[i] = nullptr;
    if (m_pLastWG == pWG)
        m_pLastWG = nullptr;
    if (m_nNowWG == i)
    {
        m_nNowWG = -1;
        ++m_nFocusSerial;
    }
    if (m_nMouseWG == i)
    {
        m_nMouseWG = -1;
        if (m_hWnd && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
    }
}

void CVRK_WGPANEL::AddMenu(CVRK_MENUWND* pMenu)
{
    if (!pMenu || m_nMenuCount >= MAX_MENU)
        return;
    m_pMenu[m_nMenuCount] = pMenu;
    WGPanelSetMenuIndex(pMenu, m_nMenuCount);
    ++m_nMenuCount;
}

void CVRK_WGPANEL::AddTip(CWG_Tip* pTip)
{
    if (!pTip || m_nTipCount >= MAX_TIP)
        return;
    m_pTip[m_nTipCount] = pTip;
    WGPanelSetTipIndex(pTip, m_nTipCount);
    ++m_nTipCount;
}

CVRK_WG* CVRK_WGPANEL::ValidWG(long nIndex) const
{
    return (nIndex >= 0 && nIndex < m_nWGCount) ? m_pWG[nIndex] : nullptr;
}

CVRK_WG* CVRK_WGPANEL::TopmostHit(CPoint point) const
{
    for (long i = m_nWGCount - 1; i >= 0; --i)
        if (m_pWG[i] && m_pWG[i]->PtInMe(point))
            return m_pWG[i];
    return nullptr;
}

// ---- current element and mouse owner ------------------------------------------------

void CVRK_WGPANEL::SetNowWGQuiet(long nIndex)
{
    if (nIndex < -1 || nIndex >= m_nWGCount)
        return;
    ++m_nFocusSerial;
    if (m_nMouseWG != nIndex)
        ByeMouse();
    if (CVRK_WG* pOld = ValidWG(m_nNowWG))
        if (m_nNowWG != nIndex)
            pOld->m_bFocus = FALSE;
    m_nNowWG = nIndex;
    if (CVRK_WG* pNew = ValidWG(nIndex))
        pNew->m_bFocus = TRUE;
}

void CVRK_WGPANEL::SetNowWG(long nIndex)
{
    // An index that names no element changes nothing and calls nobody.
    if (nIndex < -1 || nIndex >= m_nWGCount)
        return;
    const long nSerial = m_nFocusSerial;
    const long nNow = m_nNowWG, nOwner = m_nMouseWG;
    if (CVRK_WG* pNow = ValidWG(nNow))
    {
        pNow->OnLoseFocus();
        if (FocusChangedSince(nSerial))
            return;   // the hook moved the focus itself: that change stands
    }
    if (nOwner >= 0 && nOwner != nNow)
        if (CVRK_WG* pOwner = ValidWG(nOwner))
        {
            pOwner->OnLoseFocus();
            if (FocusChangedSince(nSerial))
                return;
        }
    SetNowWGQuiet(nIndex);
    if (CVRK_WG* pNow = ValidWG(m_nNowWG))
        pNow->OnGetFocus();
}

void CVRK_WGPANEL::GiveMeMouse(long nIndex)
{
    if (!ValidWG(nIndex) || !m_hWnd)
        return;
    if (!m_bHasFocus)
        SetFocus();
    // The capture first: taking it from another window tells this one
    // nothing, but a change of owner must come after any capture message.
    ::SetCapture(m_hWnd);
    m_nMouseWG = nIndex;
}

void CVRK_WGPANEL::ByeMouse()
{
    m_nMouseWG = -1;
    ::ReleaseCapture();
}

void CVRK_WGPANEL::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse (a popup menu, another panel, a system
    // drag): the owner is let go exactly as ByeMouse would, so it does not
    // go on believing it holds the mouse.
    if (CWnd::SafeHwnd(pWnd) != m_hWnd)
        m_nMouseWG = -1;
    Default();
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
    if (!m_pMarkTip || nCode != 2 || WGPanelTipIndex(m_pMarkTip) != nTip)
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
    const long nSerial = m_nFocusSerial;
    if (CVRK_WG* pNow = ValidWG(m_nNowWG))
    {
        if (pNow->PtInMe(point))
        {
            m_pLastWG = pNow;
            pNow->OnButtonDown(point, nButton);
            return;
        }
        const long nNow = m_nNowWG;
        pNow->m_bFocus = FALSE;
        pNow->OnLoseFocus();
        if (FocusChangedSince(nSerial))
            return;
        if (m_nNowWG == nNow)
            m_nNowWG = -1;
    }
    else
        m_nNowWG = -1;   // an empty slot is no current element
    CVRK_WG* p = TopmostHit(point);
    if (!p)
        return;
    m_nNowWG = p->m_nIndex;
    p->m_bFocus = TRUE;
    const long nAfter = ++m_nFocusSerial;
    p->OnGetFocus();
    // The element that was clicked gets the press unless its focus hook
    // handed the focus elsewhere or the window went away.
    if (FocusChangedSince(nAfter) || ValidWG(p->m_nIndex) != p)
        return;
    m_pLastWG = p;
    p->OnButtonDown(point, nButton);
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
    if (!pTarget)
        pTarget = TopmostHit(point);
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
    if (!pTarget)
        pTarget = TopmostHit(point);
    if (!pTarget)
    {
        ::SetCursor(CWGHover::StandardCursor(IDC_ARROW));
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
            ++m_nFocusSerial;
            return;
        }
        const long nSerial = m_nFocusSerial;
        pNow->m_bFocus = FALSE;
        pNow->OnLoseFocus();
        if (FocusChangedSince(nSerial))
            return;
        m_nNowWG = (m_nNowWG + 1) % m_nWGCount;
        const long nAfter = ++m_nFocusSerial;
        CVRK_WG* pNext = m_pWG[m_nNowWG];
        if (!pNext)
            return;   // an empty slot takes the focus and shows nothing
        pNext->m_bFocus = TRUE;
        pNext->OnGetFocus();
        if (!FocusChangedSince(nAfter))
            RefreshWG(pNext->m_nIndex);
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
    if (CVRK_WG* p = ValidWG(nIDEvent < (UINT_PTR)m_nWGCount ? (long)nIDEvent : -1))
        p->OnTimer();
}

BOOL CVRK_WGPANEL::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_KEYDOWN:
        if (m_pPopMenu)
        {
            WGPanelShirkMenu(m_pPopMenu);
            return TRUE;
        }
        if (m_pDialog && pMsg->wParam == VK_RETURN)
        {
            m_pDialog->OnOK();
            return TRUE;
        }
        if (m_pDialog && pMsg->wParam == VK_ESCAPE)
        {
            m_pDialog->OnCancel();
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
    default:
        // Input-method notifications are sent as often as posted, so they
        // are handled in the window procedure (OnImeNotify), which sees both
        // exactly once.
        return CWnd::PreTranslateMessage(pMsg);
    }
}

LRESULT CVRK_WGPANEL::OnImeNotify(WPARAM wParam, LPARAM)
{
    if (wParam == IMN_OPENCANDIDATE)
    {
        // A second opening without a closing keeps one context, not two.
        if (!m_hIMC)
            m_hIMC = ::ImmGetContext(m_hWnd);
        CVRK_WG* pNow = ValidWG(m_nNowWG);
        if (pNow && pNow->m_bVisible && pNow->m_bEnable)
        {
            m_pLastWG = pNow;
            pNow->OnOpenIME();
        }
    }
    else if (wParam == IMN_CLOSECANDIDATE)
    {
        if (m_hIMC && m_hWnd)
            ::ImmReleaseContext(m_hWnd, m_hIMC);
        m_hIMC = nullptr;
    }
    return m_hWnd ? Default() : 0;
}

void CVRK_WGPANEL::OnSetFocus(CWnd* pOldWnd)
{
    m_bHasFocus = TRUE;
    CWnd::OnSetFocus(pOldWnd);
}

void CVRK_WGPANEL::OnKillFocus(CWnd* pNewWnd)
{
    m_bHasFocus = FALSE;
    SetNowWG(-1);
    CWnd::OnKillFocus(pNewWnd);
}

void CVRK_WGPANEL::OnDrawClipboard() { Default(); }

// ---- painting -------------------------------------------------------------------------

BOOL CVRK_WGPANEL::OnEraseBkgnd(CDC*) { return TRUE; }

BOOL CVRK_WGPANEL::HoldsLock() const
{
    return (DWORD)(ULONG_PTR)m_csLock.OwningThread == ::GetCurrentThreadId();
}

void CVRK_WGPANEL::RunDeferredCalls()
{
    if (HoldsLock() || !m_hWnd || (!m_bFramePending && !m_bMarkTipPending))
        return;
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId())
    {
        // Posting waits for nobody, so a painting worker cannot deadlock
        // against the window's thread.
        ::PostMessageA(m_hWnd, WGM_DEFERRED_CALLS, 0, 0);
        return;
    }
    if (m_bFramePending)
    {
        m_bFramePending = FALSE;
        if (m_pDialog)
            m_pDialog->OnPanelPainted();
    }
    if (m_bMarkTipPending && m_hWnd)
    {
        m_bMarkTipPending = FALSE;
        if (m_pMarkTip)
        {
            CPoint pt = m_ptMarkTip;
            ClientToScreen(&pt);
            WGPanelShowMarkTip(m_pMarkTip, pt, m_strMarkTip);
        }
    }
}

LRESULT CVRK_WGPANEL::OnDeferredCalls(WPARAM, LPARAM)
{
    RunDeferredCalls();
    return 0;
}

void CVRK_WGPANEL::CopyToScreen(const CRect& rc)
{
    CClientDC dc(this);
    CDCSelect sel(m_pBGDC, &m_bmpBG);
    dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), m_pBGDC, rc.left, rc.top, SRCCOPY);
}

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
        WGUnselectBitmap(m_pBGDC);
        WGCreateBackBuffer(m_bmpBG, m_rcClient.Width(), m_rcClient.Height());
        WGKeepSelected(m_pBGDC, m_bmpBG);
    }
    CDCSelect sel(m_pBGDC, &m_bmpBG);
    m_pBGDC->SetTextColor(0);
    if (m_bFillBG)
        m_pBGDC->FillSolidRect(0, 0, m_rcClient.Width(), m_rcClient.Height(), WG_CR_PANEL);
}

void CVRK_WGPANEL::RefreshAllWGs()
{
    {
        CVRK_WGLock lock(&m_csLock);
        if (!m_pBGDC->m_hDC || m_nWGCount == 0)
            return;
        CDCSelect sel(m_pBGDC, &m_bmpBG);
        for (long i = 0; i < m_nWGCount; ++i)
        {
            CVRK_WG* p = m_pWG[i];
            if (!p || !p->m_bVisible)
                continue;
            p->m_bCopyParentBG = TRUE;
            p->Paint(m_pBGDC);
            p->m_bCopyParentBG = FALSE;
        }
        RefreshAfterWG(nullptr);
    }
    RunDeferredCalls();
}

void CVRK_WGPANEL::DrawMe()
{
    if (!m_hWnd)
        return;
    {
        CVRK_WGLock lock(&m_csLock);
        CreateMyBGDC();
        RefreshAllWGs();
        CopyToScreen(CRect(0, 0, m_rcClient.Width(), m_rcClient.Height()));
        // The dialog's frame waits for this first content; it is painted
        // once the lock is released.
        if (m_pDialog && !m_pDialog->m_bNcPaintAllowed)
            m_bFramePending = TRUE;
    }
    RunDeferredCalls();
}

void CVRK_WGPANEL::DrawMeByOthers()
{
    {
        CVRK_WGLock lock(&m_csLock);
        CRect rc;
        GetClientRect(&rc);
        if (m_bDCCreated && rc == m_rcLastClient)
        {
            // Unchanged size: the back buffer is current, only copy it.
            CopyToScreen(CRect(0, 0, m_rcClient.Width(), m_rcClient.Height()));
            return;
        }
        if (rc.Width() <= 0 || rc.Height() <= 0)
            return;
        DrawMe();
    }
    RunDeferredCalls();
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
    if (!m_hWnd)
        return;
    {
        CVRK_WGLock lock(&m_csLock);
        CVRK_WG* p = ValidWG(nIndex);
        if (!p || !m_pBGDC->m_hDC)
            return;
        CRect rc(p->m_rect.left, p->m_rect.top, p->m_rect.left + p->m_nWidth,
                 p->m_rect.top + p->m_nHeight);
        {
            CDCSelect sel(m_pBGDC, &m_bmpBG);
            p->Paint(m_pBGDC);
            RefreshAfterWG(&rc);
        }
        CopyToScreen(rc);
    }
    RunDeferredCalls();
}

void CVRK_WGPANEL::RefreshWGPart(long nIndex, const CRect& rcPart, CWGPartPainter* pPainter)
{
    if (!m_hWnd)
        return;
    {
        CVRK_WGLock lock(&m_csLock);
        CVRK_WG* p = ValidWG(nIndex);
        if (!p || !p->m_bVisible || !m_pBGDC->m_hDC || !p->m_bDCCreated || !p->m_bmpBG.m_hObject)
            return;
        CRect rc;
        if (!rc.IntersectRect(rcPart, CRect(0, 0, p->m_nWidth, p->m_nHeight)))
            return;
        CDCSelect selElement(p->m_pBGDC, &p->m_bmpBG);
        if (pPainter)
            pPainter->PaintPart(p->m_pBGDC);
        CRect rcPanel = rc;
        rcPanel.OffsetRect(p->m_rect.left, p->m_rect.top);
        {
            CDCSelect sel(m_pBGDC, &m_bmpBG);
            m_pBGDC->BitBlt(rcPanel.left, rcPanel.top, rc.Width(), rc.Height(), p->m_pBGDC,
                            rc.left, rc.top, SRCCOPY);
            RefreshAfterWG(&rcPanel);
        }
        CopyToScreen(rcPanel);
    }
    RunDeferredCalls();
}

void CVRK_WGPANEL::RefreshAfterWG(CRect* pRect)
{
    CVRK_WGLock lock(&m_csLock);
    if (m_rcMark.IsRectEmpty())
        return;
    {
        CPen pen(PS_SOLID, 2, 0x0000FA);
        CDCSelect selPen(m_pBGDC, &pen);
        CDCSelect selBrush(m_pBGDC, &m_brNull);
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
    }

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

    // Showing the tip is a call into another window: it waits until the
    // painting lock is released.
    if (m_pMarkTip)
        m_bMarkTipPending = TRUE;
}

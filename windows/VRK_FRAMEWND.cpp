#include "VRK_FRAMEWND.h"
#include "VRK_WG.h"
#include "WGLibrary.h"
#include "WGSkin.h"
#include "WGStyleCenter.h"
#include "WGVersion.h"

IMPLEMENT_DYNCREATE(CVRK_FRAMEWND, CFrameWnd)

namespace {

const UINT IDI_WG_WINDOW = 3017;
// Skin 3002 pieces of the frame's title (x, y of the active band).
enum
{
    RIGHT_END_X = 7, RIGHT_END_W = 92, BUTTON_W = 29, BUTTON_H = 15, BUTTON_Y = 7,
    MIN_HOVER_X = 99, MAX_HOVER_X = 127, CLOSE_HOVER_X = 155, RESTORE_X = 255, RESTORE_HOVER_Y = 14,
    ICON_X = 284, ICON_Y = 7, ICON_SIZE = 20,
};
// The style bits WM_CREATE takes away for the custom frame: the caption
// and FWS_PREFIXTITLE's neighbour 0x200, which the system frame would draw.
const DWORD CUSTOM_FRAME_REMOVES = 0x00C00200;

CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

CSize ScreenSize() { return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)); }

} // namespace

BEGIN_MESSAGE_MAP(CVRK_FRAMEWND, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCHITTEST()
    ON_WM_SIZE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_SYSCOMMAND()
    ON_WM_ERASEBKGND()
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CVRK_FRAMEWND::CVRK_FRAMEWND()
    : m_nFullScreenHeight(0), m_nMaxWidth(0), m_nMaxHeight(0), m_bCreated(FALSE), m_pSkinDC(new CDC),
      m_bSystemFrame(WGGetVersionCode() > WG_OS_WINXP), m_rcWindow(0, 0, 0, 0), m_rcButtons(0, 0, 0, 0),
      m_bSkinLoaded(FALSE), m_nSkinRow(CWGSkinFrame::ROW_ACTIVE), m_bFullScreen(FALSE)
{
    ZeroMemory(&m_wpSaved, sizeof(m_wpSaved));
    m_wpSaved.length = sizeof(m_wpSaved);
}

CVRK_FRAMEWND::~CVRK_FRAMEWND()
{
    m_pSkinDC->DeleteDC();
    delete m_pSkinDC;
    m_bmpSkin.DeleteObject();
}

BOOL CVRK_FRAMEWND::PreCreateWindow(CREATESTRUCTA& cs)
{
    const CRect rcWork = WorkArea();
    cs.x = 0;
    cs.y = 0;
    cs.cx = rcWork.Width();
    cs.cy = rcWork.Height();
    m_nMaxWidth = rcWork.Width() + 2 * BORDER;
    m_nMaxHeight = rcWork.Height() + 2 * BORDER;
    m_nFullScreenHeight = ScreenSize().cy + TITLE_HEIGHT + BORDER;
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    WNDCLASSA* pClass = CVRK_WG::GetStyleCenter().GetWGFrameWndCalss();
    if (!pClass->lpszClassName)
    {
        WNDCLASSA wc = {};
        if (!AfxRegisterFrameworkClasses() ||
            !::GetClassInfoA(AfxGetInstanceHandle(), AFX_WNDFRAMEORVIEW_CLASS, &wc))
            return FALSE;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = "Vantrel WG Frame Window 1.0";
        if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return FALSE;
        *pClass = wc;
    }
    cs.lpszClass = pClass->lpszClassName;
    return TRUE;
}

int CVRK_FRAMEWND::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_bSystemFrame)
        ModifyStyle(CUSTOM_FRAME_REMOVES, 0);
    if (HICON hIcon = ::LoadIconA(WGGetLibraryInstance(), MAKEINTRESOURCEA(IDI_WG_WINDOW)))
        SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
    m_bCreated = TRUE;
    return 0;
}

void CVRK_FRAMEWND::SetWindowTitle(CString strTitle)
{
    if (!m_hWnd)
        return;
    SetWindowText(strTitle);
    if (!m_bSystemFrame)
        SendMessage(WM_NCPAINT, 1, 0);
}

int CVRK_FRAMEWND::CanChangeFullMode(int) { return 1; }

// ---- geometry and painting -------------------------------------------------

void CVRK_FRAMEWND::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!lpncsp || (m_bSystemFrame && !m_bFullScreen))
    {
        Default();
        return;
    }
    // The system frame in full-screen mode has no frame at all: the client
    // area is the whole window as it stands.
    if (!m_bSystemFrame)
    {
        RECT& rc = lpncsp->rgrc[0];
        rc.left += BORDER;
        rc.top += TITLE_HEIGHT;
        rc.right -= BORDER;
        rc.bottom -= BORDER;
        if (rc.right < rc.left)
            rc.right = rc.left;
        if (rc.bottom < rc.top)
            rc.bottom = rc.top;
    }
    if (bCalcValidRects)
        lpncsp->rgrc[1] = lpncsp->rgrc[0];
}

void CVRK_FRAMEWND::OnSize(UINT nType, int cx, int cy)
{
    CFrameWnd::OnSize(nType, cx, cy);
    GetWindowRect(&m_rcWindow);
    if (!m_bSystemFrame)
        CWGSkinFrame::ApplyRegion(this);
}

void CVRK_FRAMEWND::OnNcPaint()
{
    if (m_bSystemFrame)
        Default();
    else if (m_bCreated)
        DrawFrame();
}

void CVRK_FRAMEWND::DrawFrame()
{
    CRect rc;
    GetWindowRect(&rc);
    if (rc.IsRectEmpty())
        return;
    CWGSkinFrame frame(this, m_pSkinDC, WGSkinOf(m_bmpSkin, CWGSkinFrame::SKIN_ID), m_nSkinRow);
    if (!frame.IsReady())
        return;
    m_bSkinLoaded = TRUE;
    const int W = rc.Width();
    if (!frame.BeginTitle(RIGHT_END_W, 28, ""))
        return;
    CDC* pTitle = frame.TitleDC();
    frame.DrawPiece(pTitle, W - RIGHT_END_W, 0, RIGHT_END_X, 0, RIGHT_END_W, TITLE_HEIGHT);
    if (IsZoomed())
        frame.DrawPiece(pTitle, W - 63, BUTTON_Y, RESTORE_X, 0, BUTTON_W, BUTTON_H);
    frame.DrawPiece(pTitle, 7, 7, ICON_X, ICON_Y, ICON_SIZE, ICON_SIZE);
    frame.PresentTitle();
}

void CVRK_FRAMEWND::DrawTitleButtons(UINT nHover)
{
    CWGSkinFrame frame(this, m_pSkinDC, WGSkinOf(m_bmpSkin, CWGSkinFrame::SKIN_ID), m_nSkinRow);
    if (!frame.IsReady())
        return;
    CWindowDC dc(this);
    const int W = m_rcWindow.Width();
    const BOOL bZoomed = IsZoomed();
    frame.DrawPiece(&dc, W - RIGHT_END_W, 0, RIGHT_END_X, 0, RIGHT_END_W, TITLE_HEIGHT);
    if (bZoomed)
        frame.DrawPiece(&dc, W - 64, BUTTON_Y, RESTORE_X, 0, BUTTON_W, BUTTON_H);
    switch (nHover)
    {
    case HTMINBUTTON: frame.DrawPiece(&dc, W - 92, BUTTON_Y, MIN_HOVER_X, BUTTON_Y, BUTTON_W, BUTTON_H); break;
    case HTMAXBUTTON:
        if (bZoomed)
            frame.DrawPiece(&dc, W - 64, BUTTON_Y, RESTORE_X, RESTORE_HOVER_Y, BUTTON_W, BUTTON_H);
        else
            frame.DrawPiece(&dc, W - 64, BUTTON_Y, MAX_HOVER_X, BUTTON_Y, BUTTON_W, BUTTON_H);
        break;
    case HTCLOSE: frame.DrawPiece(&dc, W - 36, BUTTON_Y, CLOSE_HOVER_X, BUTTON_Y, BUTTON_W, BUTTON_H); break;
    }
}

// ---- hit testing and the mouse ---------------------------------------------

UINT CVRK_FRAMEWND::ButtonAt(CPoint pt)
{
    // Tested against where the window is now, not where the last hit test
    // found it.
    GetWindowRect(&m_rcWindow);
    m_rcButtons.SetRect(m_rcWindow.right - 92, m_rcWindow.top + 7, m_rcWindow.right - 6, m_rcWindow.top + 22);
    if (!m_rcButtons.PtInRect(pt))
        return HTNOWHERE;
    if (pt.x < m_rcButtons.left + BUTTON_W)
        return HTMINBUTTON;
    if (pt.x < m_rcButtons.left + 2 * BUTTON_W)
        return HTMAXBUTTON;
    return HTCLOSE;
}

UINT CVRK_FRAMEWND::OnNcHitTest(CPoint point)
{
    if (m_bSystemFrame)
        return CFrameWnd::OnNcHitTest(point);
    // Hover is drawn while hit testing: the strip goes back to normal, and
    // the button under the pointer lights up.
    const UINT nButton = ButtonAt(point);
    const int L = m_rcWindow.left, T = m_rcWindow.top, R = m_rcWindow.right, B = m_rcWindow.bottom;
    if (m_bCreated)
        DrawTitleButtons(nButton);
    if (nButton != HTNOWHERE)
        return nButton;
    const int x = point.x, y = point.y;
    if (y < T + TITLE_HEIGHT && x < L + BORDER)
        return HTTOPLEFT;
    if (y < T + TITLE_HEIGHT && x > R - BORDER)
        return HTTOPRIGHT;
    if (y < T + BORDER)
        return HTTOP;
    if (y > B - BORDER)
        return x < L + BORDER ? HTBOTTOMLEFT : (x > R - BORDER ? HTBOTTOMRIGHT : HTBOTTOM);
    if (x < L + BORDER)
        return HTLEFT;
    if (x > R - BORDER)
        return HTRIGHT;
    if (x > L + 5 && x < L + 25 && y > T + 5 && y < T + 25)
        return HTSYSMENU;
    // No HTCLIENT: the frame's own client area, where no child covers it,
    // moves the window like the title.
    return HTCAPTION;
}

void CVRK_FRAMEWND::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (m_bSystemFrame)
    {
        CFrameWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    const BOOL bBorder = nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT;
    if (bBorder || nHitTest == HTSYSMENU || (nHitTest == HTCAPTION && !IsZoomed()))
        Default();
    // Default handling may have run a whole move or size loop, during
    // which anything can happen to this window.
    if (::IsWindow(m_hWnd) && ::GetTopWindow(nullptr) != ::GetActiveWindow())
        ::SetActiveWindow(m_hWnd);
}

void CVRK_FRAMEWND::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (m_bSystemFrame)
    {
        CFrameWnd::OnNcLButtonUp(nHitTest, point);
        return;
    }
    switch (ButtonAt(point))
    {
    case HTMINBUTTON: SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case HTMAXBUTTON: SendMessage(WM_SYSCOMMAND, IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, 0); break;
    case HTCLOSE: SendMessage(WM_CLOSE); break;   // the frame may be gone after this
    default: break;
    }
}

void CVRK_FRAMEWND::OnNcLButtonDblClk(UINT, CPoint)
{
    SendMessage(WM_SYSCOMMAND, IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void CVRK_FRAMEWND::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    if (m_bSystemFrame || nHitTest == HTSYSMENU)
        CFrameWnd::OnNcRButtonDown(nHitTest, point);
}

void CVRK_FRAMEWND::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (m_bSystemFrame)
        CFrameWnd::OnNcMouseMove(nHitTest, point);
}

// ---- activation, commands and sizes ----------------------------------------

void CVRK_FRAMEWND::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    m_nSkinRow = (nState == WA_ACTIVE || nState == WA_CLICKACTIVE) ? CWGSkinFrame::ROW_ACTIVE
                                                                  : CWGSkinFrame::ROW_INACTIVE;
    if (!m_bSystemFrame && m_bCreated)
        DrawFrame();
}

BOOL CVRK_FRAMEWND::OnNcActivate(BOOL bActive)
{
    if (m_bSystemFrame)
        return CFrameWnd::OnNcActivate(bActive);
    m_nSkinRow = bActive ? CWGSkinFrame::ROW_ACTIVE : CWGSkinFrame::ROW_INACTIVE;
    return TRUE;
}

void CVRK_FRAMEWND::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (m_bSystemFrame)
    {
        CFrameWnd::OnSysCommand(nID, lParam);
        return;
    }
    switch (nID & 0xFFF0)
    {
    case SC_MAXIMIZE: ApplyShowCommand(SW_SHOWMAXIMIZED); break;
    case SC_MINIMIZE: ApplyShowCommand(SW_SHOWMINIMIZED); break;
    case SC_RESTORE:
        if (m_bFullScreen)
            FullScreen(FALSE);
        else
            ApplyShowCommand(SW_RESTORE);
        break;
    default: CFrameWnd::OnSysCommand(nID, lParam); break;
    }
}

BOOL CVRK_FRAMEWND::OnEraseBkgnd(CDC*) { return TRUE; }

void CVRK_FRAMEWND::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    Default();
    if (m_bSystemFrame || !lpMMI)
        return;
    lpMMI->ptMaxSize.x = m_nMaxWidth;
    lpMMI->ptMaxPosition.x = -BORDER;
    if (m_bFullScreen)
    {
        // The title bar lies above the top of the screen.
        lpMMI->ptMaxSize.y = m_nFullScreenHeight;
        lpMMI->ptMaxTrackSize.y = m_nFullScreenHeight;
        lpMMI->ptMaxPosition.y = -TITLE_HEIGHT;
    }
    else
    {
        lpMMI->ptMaxSize.y = m_nMaxHeight;
        lpMMI->ptMaxPosition.y = -BORDER;
    }
}

void CVRK_FRAMEWND::ApplyShowCommand(UINT nShowCmd)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    if (!GetWindowPlacement(&wp))
        return;
    wp.showCmd = nShowCmd;
    SetWindowPlacement(&wp);
}

// ---- full-screen mode ------------------------------------------------------

void CVRK_FRAMEWND::ApplyPlacement(const CRect& rcNormal, WINDOWPLACEMENT* pSave, BOOL bTopmost)
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    GetWindowPlacement(&wp);
    if (pSave)
        *pSave = wp;
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = rcNormal;
    if (bTopmost)
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPlacement(&wp);
}

void CVRK_FRAMEWND::FullScreen(int bFull)
{
    bFull = bFull ? TRUE : FALSE;
    if (!m_hWnd || bFull == m_bFullScreen || !CanChangeFullMode(bFull))
        return;
    const CSize screen = ScreenSize();
    if (bFull)
    {
        if (m_bSystemFrame)
        {
            WINDOWPLACEMENT wp = {};
            wp.length = sizeof(wp);
            GetWindowPlacement(&wp);
            if (wp.showCmd == SW_SHOWMAXIMIZED)
                SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
            m_bFullScreen = TRUE;
            m_wpSaved = wp;
            ApplyPlacement(CRect(0, 0, screen.cx, screen.cy), nullptr, FALSE);
        }
        else
        {
            // Frame and title lie outside the screen.
            m_bFullScreen = TRUE;
            ApplyPlacement(CRect(-BORDER, -TITLE_HEIGHT, screen.cx + BORDER, screen.cy + BORDER), &m_wpSaved, TRUE);
        }
        return;
    }
    m_bFullScreen = FALSE;
    if (!m_bSystemFrame)
    {
        ShowWindow(SW_HIDE);
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetWindowPlacement(&m_wpSaved);
}

void CVRK_FRAMEWND::ForceFullScreenInOnCreating()
{
    if (!m_hWnd)
        return;
    const CSize screen = ScreenSize();
    m_bFullScreen = TRUE;
    const CRect rcFull = m_bSystemFrame ? CRect(0, 0, screen.cx, screen.cy)
                                        : CRect(-BORDER, -TITLE_HEIGHT, screen.cx + BORDER, screen.cy + BORDER);
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    GetWindowPlacement(&wp);
    wp.showCmd = SW_SHOWNORMAL;
    wp.rcNormalPosition = rcFull;
    SetWindowPlacement(&wp);
    m_wpSaved = wp;
    m_wpSaved.rcNormalPosition = WorkArea();
}

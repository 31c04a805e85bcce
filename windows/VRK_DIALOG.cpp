#include "VRK_DIALOG.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include "WGStyleCenter.h"
#include "WGEventCenter.h"
#include "WGLibrary.h"
#include "WGSkin.h"
#include "WGVersion.h"
#include "WGPanelPopups.h"
#include "WGHover.h"
#include "WGSkinFrame.h"

// ---- helpers ---------------------------------------------------------------------------

namespace {

const UINT IDI_WG_WINDOW = 3017;

BOOL IsBorderCode(UINT nHitTest)
{
    return nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT;
}

CRect WorkArea()
{
    CRect rc;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
    return rc;
}

} // namespace

// ---- construction -----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CVRK_DIALOG, CDialog)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_ERASEBKGND()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONUP()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_PAINT()
    ON_WM_CREATE()
    ON_WM_GETMINMAXINFO()
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

CVRK_DIALOG::CVRK_DIALOG(CWnd* pParent)
    : m_pTemplate(nullptr), m_pPanel(nullptr), m_pSkinDC(new CDC), m_bSkinLoaded(FALSE),
      m_bSystemFrame(FALSE), m_rcWindow(0, 0, 0, 0), m_rcClientArea(0, 0, 0, 0),
      m_rcIcon(0, 0, 0, 0), m_rcMinButton(0, 0, 0, 0), m_rcMaxButton(0, 0, 0, 0),
      m_rcCloseButton(0, 0, 0, 0), m_nSkinRow(SKIN_ROW_ACTIVE), m_bNcPaintAllowed(FALSE),
      m_bKeepActive(FALSE), m_nDestroyParam(0), m_pfnDestroyProc(nullptr), m_bPlaced(FALSE)
{
    if (!pParent)
        pParent = AfxGetMainWnd();
    m_pTemplate = WGInitDialogTemplate(this, m_bufTemplate, WS_POPUP | WS_VISIBLE,
                                       CVRK_WG::GetStyleCenter().GetWGDialogCalss()->lpszClassName, pParent);
    m_pParentWnd = pParent;
    m_bSystemFrame = WGGetVersionCode() > WG_OS_WINXP;
}

CVRK_DIALOG::~CVRK_DIALOG()
{
    if (m_pfnDestroyProc)
        m_pfnDestroyProc(m_nDestroyParam);
    // The window goes while this class's handlers can still see it, but
    // without the panel; a panel that outlives its dialog forgets it (one
    // that died first has already cleared m_pPanel).
    if (m_pPanel && m_pPanel->m_pDialog == this)
        m_pPanel->m_pDialog = nullptr;
    m_pPanel = nullptr;
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    m_pSkinDC->DeleteDC();
    delete m_pSkinDC;
    m_bmpSkin.DeleteObject();
}

INT_PTR CVRK_DIALOG::DoModal()
{
    CWGStyleCenter& sc = CVRK_WG::GetStyleCenter();
    sc.AddAnDomodalDialog(this);
    // Dialogs opened from this one take it as their parent while it runs.
    CWinApp* pApp = AfxGetApp();
    CWnd* pOldActive = pApp ? pApp->m_pActiveWnd : nullptr;
    if (pApp)
        pApp->m_pActiveWnd = this;
    m_bPlaced = FALSE;
    INT_PTR nResult = CDialog::DoModal();
    if (pApp)
        pApp->m_pActiveWnd = pOldActive;
    sc.DeleteAnDomodalDialog(this);
    CVRK_WG::GetEventCenter().OnEvent(1002, 0, (LPARAM)this);
    return nResult;
}

int CVRK_DIALOG::Create(CWnd* pParent)
{
    if (!pParent)
        pParent = AfxGetMainWnd();
    m_bPlaced = FALSE;
    return CreateIndirect(m_pTemplate, pParent) ? 1 : 0;
}

int CVRK_DIALOG::Create(UINT nIDTemplate, CWnd* pParent)
{
    m_bPlaced = FALSE;
    return CDialog::Create(nIDTemplate, pParent) ? 1 : 0;
}

int CVRK_DIALOG::Create(const char* lpszTemplateName, CWnd* pParent)
{
    m_bPlaced = FALSE;
    return CDialog::Create(lpszTemplateName, pParent) ? 1 : 0;
}

void CVRK_DIALOG::SetWindowTitle(CString strTitle)
{
    if (!m_hWnd)
        return;
    SetWindowText(strTitle);
    if (!m_bSystemFrame)
        SendMessage(WM_NCPAINT, 1, 0);
}

void CVRK_DIALOG::OnPanelPainted()
{
    // The frame waits for the panel's first full paint, so the window never
    // shows a skinned frame around an empty client area.
    if (m_bNcPaintAllowed)
        return;
    m_bNcPaintAllowed = TRUE;
    if (m_hWnd)
        SendMessage(WM_NCPAINT, 0, 0);
}

BOOL CVRK_DIALOG::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Keys must start at the panel: its PreTranslateMessage routes Enter,
    // Escape and everything else to the elements.
    if (m_pPanel && m_pPanel->m_hWnd)
    {
        m_pPanel->SetFocus();
        return FALSE;
    }
    return TRUE;
}

int CVRK_DIALOG::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pPanel && !m_pPanel->Create(this))
        return -1;

    int w = m_rcWindow.right - m_rcWindow.left;
    int h = m_rcWindow.bottom - m_rcWindow.top;
    if (m_bSystemFrame)
    {
        // The system caption and frame around the same client area as the
        // custom frame's (w - 8) x (h - 33).
        ModifyStyle(0, WS_POPUP | WS_CAPTION | WS_SYSMENU);
        w += 2 * ::GetSystemMetrics(SM_CXFIXEDFRAME) - 8;
        h += ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFIXEDFRAME) - 33;
    }
    else
    {
        ModifyStyle(WS_CAPTION, 0);
    }
    const CRect rcWork = WorkArea();
    if (m_rcWindow.right == -1 && m_rcWindow.bottom == -1)
    {
        w = rcWork.Width();
        h = rcWork.Height();
    }

    HICON hIcon = ::LoadIconA(WGGetLibraryInstance(), MAKEINTRESOURCEA(IDI_WG_WINDOW));
    if (hIcon)
        SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);

    CRect rcRef = rcWork;
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent && ::IsWindowVisible(hParent) && !::IsIconic(hParent))
        ::GetWindowRect(hParent, &rcRef);
    int x = m_rcWindow.left, y = m_rcWindow.top;
    if (x == 0)
        x = rcRef.left + (rcRef.Width() - w) / 2;
    if (y == 0)
        y = rcRef.top + (rcRef.Height() - h) / 2;
    m_bPlaced = TRUE;
    if (w > 0 && h > 0)
        SetWindowPos(nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    else
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    return 0;
}

// ---- OK and Cancel through the panel ---------------------------------------------

void CVRK_DIALOG::OnOK()
{
    if (!m_pPanel)
    {
        CDialog::OnOK();
        return;
    }
    if (m_pPanel->m_pPopMenu)
    {
        WGPanelShirkMenu(m_pPanel->m_pPopMenu);
        return;
    }
    // A panel that does not take Enter hands it to its current element.
    if (m_pPanel->OnOK() == 0 && m_pPanel->m_hWnd)
        m_pPanel->SendMessage(WM_CHAR, 13, 0);
}

void CVRK_DIALOG::OnCancel()
{
    if (!m_pPanel)
    {
        CDialog::OnCancel();
        return;
    }
    if (m_pPanel->m_pPopMenu)
    {
        WGPanelShirkMenu(m_pPanel->m_pPopMenu);
        return;
    }
    if (m_pPanel->OnCancel() == 0 && m_pPanel->PreClose() == 1)
        EndDialog(IDCANCEL);
}

// ---- geometry ----------------------------------------------------------------------------

void CVRK_DIALOG::RecalcTitleButtonPos()
{
    if (!m_hWnd || !m_bPlaced)
        return;
    GetWindowRect(&m_rcWindow);
    const CRect& rc = m_rcWindow;
    const DWORD dwStyle = GetStyle();
    m_rcCloseButton.SetRect(rc.right - 36, rc.top + 7, rc.right - 6, rc.top + 22);
    m_rcMaxButton.SetRectEmpty();
    m_rcMinButton.SetRectEmpty();
    if (dwStyle & WS_MAXIMIZEBOX)
    {
        m_rcMaxButton = m_rcCloseButton;
        m_rcMaxButton.OffsetRect(-28, 0);
        m_rcMinButton = m_rcCloseButton;
        m_rcMinButton.OffsetRect(-56, 0);
    }
    else if (dwStyle & WS_MINIMIZEBOX)
    {
        m_rcMinButton = m_rcCloseButton;
        m_rcMinButton.OffsetRect(-28, 0);
    }
    if (dwStyle & WS_SYSMENU)
        m_rcIcon.SetRect(rc.left + 7, rc.top + 5, rc.left + 40, rc.top + 21);
    else
        m_rcIcon.SetRectEmpty();
    m_rcClientArea.SetRect(rc.left + BORDER, rc.top + 30, rc.right - BORDER, rc.bottom - BORDER);
}

void CVRK_DIALOG::ApplyShowCommand(UINT nShowCmd)
{
    WINDOWPLACEMENT wp;
    ZeroMemory(&wp, sizeof(wp));
    wp.length = sizeof(wp);
    if (!GetWindowPlacement(&wp))
        return;
    wp.showCmd = nShowCmd;
    SetWindowPlacement(&wp);
}

void CVRK_DIALOG::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bSystemFrame || !bCalcValidRects || !lpncsp)
    {
        Default();
        return;
    }
    RECT& rc = lpncsp->rgrc[0];
    rc.left += BORDER;
    rc.top += TITLE_HEIGHT;
    rc.right -= BORDER;
    rc.bottom -= BORDER;
    // A window smaller than its frame gets an empty client area.
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    lpncsp->rgrc[1] = rc;
}

void CVRK_DIALOG::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_pPanel && m_pPanel->m_hWnd)
    {
        CRect rc;
        GetClientRect(&rc);
        m_pPanel->MoveWindow(&rc);
    }
    if (m_bSystemFrame)
        return;
    RecalcTitleButtonPos();
    CWGSkinFrame::ApplyRegion(this);
}

void CVRK_DIALOG::OnMove(int x, int y)
{
    if (!m_bSystemFrame)
        RecalcTitleButtonPos();
    else if (m_hWnd && m_bPlaced)
        GetWindowRect(&m_rcWindow);
    CDialog::OnMove(x, y);
}

void CVRK_DIALOG::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    Default();
    if (m_bSystemFrame || !lpMMI)
        return;
    // The borders lie outside the work area when maximized.
    const CRect rcWork = WorkArea();
    lpMMI->ptMaxSize.x = rcWork.Width() + 2 * BORDER;
    lpMMI->ptMaxSize.y = rcWork.Height() + 2 * BORDER;
    lpMMI->ptMaxPosition.x = -BORDER;
    lpMMI->ptMaxPosition.y = -BORDER;
}

// ---- frame painting ------------------------------------------------------------------------

void CVRK_DIALOG::OnNcPaint()
{
    if (m_bSystemFrame)
    {
        Default();
        return;
    }
    DrawFrame();
}

CWGSkinFrame::Buttons CVRK_DIALOG::TitleButtons() const
{
    CWGSkinFrame::Buttons buttons;
    buttons.rcMin = m_rcMinButton;
    buttons.rcMax = m_rcMaxButton;
    buttons.rcClose = m_rcCloseButton;
    return buttons;
}

void CVRK_DIALOG::DrawFrame()
{
    if (!m_hWnd)
        return;
    CRect rc;
    GetWindowRect(&rc);
    if (rc.IsRectEmpty() || (m_pPanel && !m_bNcPaintAllowed))
        return;
    CWGSkinFrame frame(this, m_pSkinDC, WGSkinOf(m_bmpSkin, CWGSkinFrame::SKIN_ID), m_nSkinRow);
    if (!frame.IsReady())
        return;
    m_bSkinLoaded = TRUE;
    RecalcTitleButtonPos();
    const int W = rc.Width();
    if (!frame.BeginTitle(RIGHT_END_W, 40, " - "))
        return;
    CDC* pTitle = frame.TitleDC();
    frame.DrawTitleButtons(pTitle, TitleButtons(), 0);
    // The right end (close button and cap) and the logo.
    frame.DrawPiece(pTitle, W - RIGHT_END_W, 0, 63, 0, RIGHT_END_W, TITLE_HEIGHT);
    frame.DrawPiece(pTitle, 7, 5, 193, 5, 33, 16);
    frame.PresentTitle();
}

void CVRK_DIALOG::DrawTitleButtons(UINT nHover)
{
    if (m_bSystemFrame || !m_bSkinLoaded || (m_pPanel && !m_bNcPaintAllowed))
        return;
    CWGSkinFrame frame(this, m_pSkinDC, WGSkinOf(m_bmpSkin, CWGSkinFrame::SKIN_ID), m_nSkinRow);
    if (!frame.IsReady())
        return;
    CWindowDC dc(this);
    frame.DrawTitleButtons(&dc, TitleButtons(), nHover);
}

// ---- activation ---------------------------------------------------------------------------------

void CVRK_DIALOG::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    const BOOL bActive = nState == WA_ACTIVE || nState == WA_CLICKACTIVE;
    if (m_bSystemFrame)
    {
        if (bActive)
        {
            Default();
            ApplyShowCommand(SW_SHOW);
        }
        else if (!m_bKeepActive)
        {
            Default();
        }
        return;
    }
    // The dialog manager saves and restores the focus (the panel's).
    Default();
    if (bActive)
    {
        ApplyShowCommand(SW_SHOW);
        m_nSkinRow = SKIN_ROW_ACTIVE;
        if (m_pPanel && m_pPanel->m_hWnd)
            m_pPanel->SendMessage(WM_ACTIVATE, 0, 0);
    }
    else if (!m_bKeepActive)
    {
        m_nSkinRow = SKIN_ROW_INACTIVE;
    }
    SendMessage(WM_NCPAINT, 1, 0);
}

BOOL CVRK_DIALOG::OnNcActivate(BOOL bActive)
{
    if (m_bSystemFrame)
    {
        if (!bActive && m_bKeepActive)
            return TRUE;
        return (BOOL)Default();
    }
    if (bActive)
        m_nSkinRow = SKIN_ROW_ACTIVE;
    else if (!m_bKeepActive)
        m_nSkinRow = SKIN_ROW_INACTIVE;
    SendMessage(WM_NCPAINT, 1, 0);
    return TRUE;
}

// ---- client area ---------------------------------------------------------------------------------

BOOL CVRK_DIALOG::OnEraseBkgnd(CDC* pDC)
{
    if (!m_pPanel || !m_pPanel->m_hWnd || !pDC)
        return TRUE;
    CRect rcClient, rcPanel;
    GetClientRect(&rcClient);
    m_pPanel->GetWindowRect(&rcPanel);
    ScreenToClient(&rcPanel);
    if (rcPanel.right < rcClient.right)
        pDC->FillSolidRect(rcPanel.right, rcClient.top, rcClient.right - rcPanel.right,
                           rcClient.Height(), WG_CR_PANEL);
    if (rcPanel.bottom < rcClient.bottom)
    {
        const int right = rcPanel.right < rcClient.right ? rcPanel.right : rcClient.right;
        pDC->FillSolidRect(rcClient.left, rcPanel.bottom, right - rcClient.left,
                           rcClient.bottom - rcPanel.bottom, WG_CR_PANEL);
    }
    return TRUE;
}

void CVRK_DIALOG::OnPaint()
{
    CPaintDC dc(this);
    if (m_pPanel && m_pPanel->m_hWnd)
        m_pPanel->DrawMeByOthers();
}

// ---- the frame and the mouse ------------------------------------------------------------------------

UINT CVRK_DIALOG::OnNcHitTest(CPoint point)
{
    if (m_bSystemFrame)
        return CDialog::OnNcHitTest(point);
    CRect rc;
    GetWindowRect(&rc);
    if (rc.IsRectEmpty())
        return HTNOWHERE;
    RecalcTitleButtonPos();

    UINT nHit = CWGSkinFrame::HitTitleParts(point, m_rcIcon, TitleButtons());
    if (nHit == HTNOWHERE)
        nHit = CWGSkinFrame::InRect(m_rcClientArea, point)
                   ? HTCLIENT
                   : CWGSkinFrame::HitBorders(point, m_rcWindow, (GetStyle() & WS_THICKFRAME) != 0);

    // Hover feedback lives in hit testing: every test first clears the
    // previous hover look.
    DrawTitleButtons(nHit == HTMINBUTTON || nHit == HTMAXBUTTON || nHit == HTCLOSE ? nHit : 0);
    return nHit;
}

void CVRK_DIALOG::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // Title buttons act on release; only moving, sizing and the system menu
    // start here.
    if (m_bSystemFrame || nHitTest == HTCAPTION || nHitTest == HTSYSMENU || IsBorderCode(nHitTest))
        Default();
}

void CVRK_DIALOG::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    if (m_bSystemFrame)
    {
        Default();
        return;
    }
    switch (nHitTest)
    {
    case HTMINBUTTON:
        SendMessage(WM_SYSCOMMAND, IsIconic() ? SC_RESTORE : SC_MINIMIZE, 0);
        break;
    case HTMAXBUTTON:
        SendMessage(WM_SYSCOMMAND, IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, 0);
        break;
    case HTCLOSE:
        if (m_pPanel && m_pPanel->PreClose() != 1)
            break;
        EndDialog(IDCANCEL);
        break;
    default:
        break;
    }
}

void CVRK_DIALOG::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    if (m_bSystemFrame)
    {
        Default();
        return;
    }
    if (GetStyle() & WS_THICKFRAME)
        SendMessage(WM_SYSCOMMAND, IsZoomed() ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void CVRK_DIALOG::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (m_bSystemFrame || IsBorderCode(nHitTest))
        Default();
}

BOOL CVRK_DIALOG::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bSystemFrame || IsBorderCode(nHitTest))
        return (BOOL)Default();
    if (nHitTest == HTCAPTION)
        ::SetCursor(CWGHover::StandardCursor(IDC_ARROW));
    return TRUE;
}

void CVRK_DIALOG::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (!m_bSystemFrame)
    {
        switch (nID & 0xFFF0)
        {
        case SC_MAXIMIZE: ApplyShowCommand(SW_MAXIMIZE); return;
        case SC_MINIMIZE: ApplyShowCommand(SW_MINIMIZE); return;
        case SC_RESTORE: ApplyShowCommand(SW_RESTORE); return;
        default: break;
        }
    }
    Default();
}

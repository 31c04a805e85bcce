#include "VRK_WGDIALOGBAR.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include "WGStyleCenter.h"

BEGIN_MESSAGE_MAP(CVRK_WGDIALOGBAR, CDialogBar)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CVRK_WGDIALOGBAR::CVRK_WGDIALOGBAR() : m_pTemplate(nullptr), m_pPanel(nullptr), m_rcWindow(0, 0, 0, 0) {}

CVRK_WGDIALOGBAR::~CVRK_WGDIALOGBAR()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

int CVRK_WGDIALOGBAR::Create(CWnd* pParent, UINT nStyle)
{
    return CreateInClass(pParent, nStyle, CVRK_WG::GetStyleCenter().GetWGToolBarCalss(), "Vantrel WG ToolBar 1.0");
}

int CVRK_WGDIALOGBAR::CreateInClass(CWnd* pParent, UINT nStyle, WNDCLASSA* pClass, LPCSTR pszName)
{
    if (!pParent || m_hWnd)
        return 0;
    m_dwStyle = nStyle & CBRS_ALL;
    if (!pClass->lpszClassName)
    {
        WNDCLASSA wc = {};
        ::GetClassInfoA(AfxGetInstanceHandle(), "#32770", &wc);
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = pszName;
        if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return 0;
        *pClass = wc;
    }
    m_pTemplate = m_bufTemplate.Build(WS_CHILD, 0, pClass->lpszClassName) ? m_bufTemplate.GetTemplate() : nullptr;
    if (!m_pTemplate || !CreateDlgIndirect(m_pTemplate, pParent, AfxGetInstanceHandle()))
        return 0;
    SetUpCreatedBar((UINT)::GetDlgCtrlID(m_hWnd));
    return 1;
}

int CVRK_WGDIALOGBAR::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialogBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    return m_pPanel && !m_pPanel->Create(this) ? -1 : 0;
}

BOOL CVRK_WGDIALOGBAR::OnEraseBkgnd(CDC*) { return TRUE; }

void CVRK_WGDIALOGBAR::OnPaint()
{
    CPaintDC dc(this);
    if (m_pPanel && m_pPanel->m_hWnd)
        m_pPanel->DrawMeByOthers();
}

void CVRK_WGDIALOGBAR::OnSize(UINT nType, int cx, int cy)
{
    CDialogBar::OnSize(nType, cx, cy);
    GetWindowRect(&m_rcWindow);
    if (m_pPanel && m_pPanel->m_hWnd)
        m_pPanel->MoveWindow(0, 0, m_rcWindow.Width(), m_rcWindow.Height());
}

BOOL CVRK_WGDIALOGBAR::OnSetCursor(CWnd*, UINT, UINT) { return TRUE; }

void CVRK_WGDIALOGBAR::OnChar(UINT, UINT, UINT) { Default(); }

void CVRK_WGDIALOGBAR::OnKillFocus(CWnd* pNewWnd)
{
    // The panel's current element loses the focus with the bar.
    if (m_pPanel && m_pPanel->m_hWnd)
        m_pPanel->SendMessage(WM_KILLFOCUS, 0, 0);
    CDialogBar::OnKillFocus(pNewWnd);
}

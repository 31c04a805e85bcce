#include "VRK_DIALOGAU.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include "WGEventCenter.h"
#include "WGLibrary.h"
#include "WGStyleCenter.h"

BEGIN_MESSAGE_MAP(CVRK_DIALOGAU, CDialog)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_MOVE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CVRK_DIALOGAU::CVRK_DIALOGAU(CWnd* pParent) : m_pTemplate(nullptr), m_rcWindow(0, 0, 0, 0), m_pPanel(nullptr)
{
    if (!pParent)
        pParent = AfxGetMainWnd();
    m_pTemplate = WGInitDialogTemplate(this, m_bufTemplate, WS_POPUP,
                                       CVRK_WG::GetStyleCenter().GetWGDialogCalss()->lpszClassName, pParent);
    m_pParentWnd = pParent;
}

CVRK_DIALOGAU::~CVRK_DIALOGAU()
{
    // The window goes while this class's handlers can still see it.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

int CVRK_DIALOGAU::Create(CWnd* pParent)
{
    if (!pParent)
        pParent = AfxGetMainWnd();
    return m_pTemplate && CreateIndirect(m_pTemplate, pParent) ? 1 : 0;
}

int CVRK_DIALOGAU::Create(UINT nIDTemplate, CWnd* pParent) { return CDialog::Create(nIDTemplate, pParent) ? 1 : 0; }

int CVRK_DIALOGAU::Create(const char* lpszTemplateName, CWnd* pParent)
{
    return CDialog::Create(lpszTemplateName, pParent) ? 1 : 0;
}

INT_PTR CVRK_DIALOGAU::DoModal()
{
    const INT_PTR nResult = CDialog::DoModal();
    CVRK_WG::GetEventCenter().OnEvent(1002, 0, (LPARAM)this);
    return nResult;
}

int CVRK_DIALOGAU::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    // A panel is what this dialog is for: without one it is refused.
    if (!m_pPanel || !m_pPanel->Create(this))
        return -1;
    if (HICON hIcon = ::LoadIconA(WGGetLibraryInstance(), MAKEINTRESOURCEA(3017)))
        SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hIcon);
    CRect rcRef;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcRef, 0);
    HWND hParent = ::GetParent(m_hWnd);
    if (hParent && ::IsWindowVisible(hParent) && !::IsIconic(hParent))
        ::GetWindowRect(hParent, &rcRef);
    const int w = m_rcWindow.Width(), h = m_rcWindow.Height();
    const int x = rcRef.left + (rcRef.Width() - w) / 2, y = rcRef.top + (rcRef.Height() - h) / 2;
    m_rcWindow.SetRect(x, y, x + w, y + h);
    SetWindowPos(nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CVRK_DIALOGAU::OnOK()
{
    if (m_pPanel && m_pPanel->m_hWnd)
        m_pPanel->SendMessage(WM_CHAR, 13, 0);
}

void CVRK_DIALOGAU::OnCancel()
{
    if (m_pPanel && m_pPanel->PreClose() == 1)
        EndDialog(1);
}

void CVRK_DIALOGAU::OnPaint()
{
    CPaintDC dc(this);
    if (m_pPanel && m_pPanel->m_hWnd)
        m_pPanel->DrawMeByOthers();
}

void CVRK_DIALOGAU::OnMove(int x, int y)
{
    GetWindowRect(&m_rcWindow);
    CDialog::OnMove(x, y);
}

void CVRK_DIALOGAU::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_pPanel && m_pPanel->m_hWnd)
    {
        CRect rc;
        GetClientRect(&rc);
        m_pPanel->MoveWindow(&rc);
    }
    GetWindowRect(&m_rcWindow);
}

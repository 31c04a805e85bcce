#include "afxdlg.h"
#include "afxapp.h"

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM)
{
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDlg ? pDlg->OnInitDialog() : TRUE;
}


IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_lpDialogTemplate(nullptr), m_pParentWnd(nullptr),
      m_nModalResult(-1), m_bModalLoop(FALSE), m_bContinueModal(FALSE)
{
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (!lpDialogTemplate)
        return FALSE;
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd)
{
    if (!lpDialogTemplate)
        return FALSE;
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetInstanceHandle());
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszName, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    return CreateDlg(lpszName, pParentWnd);
}

BOOL CWnd::CreateDlg(LPCSTR lpszName, CWnd* pParentWnd)
{
    if (!lpszName)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_DIALOG);
    HRSRC hRes = ::FindResourceA(hInst, lpszName, RT_DIALOG);
    HGLOBAL hTemplate = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    if (!hTemplate)
        return FALSE;
    return CreateDlgIndirect((LPCDLGTEMPLATE)::LockResource(hTemplate), pParentWnd, hInst);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (!lpDialogTemplate || m_hWnd)
        return FALSE;
    if (!hInst)
        hInst = AfxGetInstanceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, SafeHwnd(pParentWnd),
                                             AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (!hWnd && m_hWnd)
        Detach();
    return hWnd != nullptr;
}

HWND CDialog::PreModal()
{
    HWND hParent = SafeHwnd(m_pParentWnd);
    if (!hParent)
    {
        CWnd* pMain = AfxGetMainWnd();
        hParent = pMain ? pMain->m_hWnd : ::GetActiveWindow();
    }
    // The owner of a modal dialog is a top-level window.
    while (hParent && (::GetWindowLongPtrA(hParent, GWL_STYLE) & WS_CHILD))
        hParent = ::GetParent(hParent);
    return hParent;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (!lpTemplate && m_lpszTemplateName)
    {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hRes = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
        HGLOBAL h = hRes ? ::LoadResource(hInst, hRes) : nullptr;
        lpTemplate = h ? (LPCDLGTEMPLATE)::LockResource(h) : nullptr;
    }
    if (!lpTemplate)
        return -1;

    HWND hParent = PreModal();
    BOOL bEnableParent = hParent && ::IsWindowEnabled(hParent);
    if (bEnableParent)
        ::EnableWindow(hParent, FALSE);

    m_nModalResult = -1;
    m_bContinueModal = TRUE;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hParent), hInst))
    {
        if (m_bContinueModal)
            RunModalLoop();
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_bContinueModal = FALSE;
    if (bEnableParent)
        ::EnableWindow(hParent, TRUE);
    if (hParent && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hParent);
    DestroyWindow();
    return m_nModalResult;
}

int CDialog::RunModalLoop()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_bModalLoop = TRUE;
    MSG msg;
    while (m_bContinueModal)
    {
        // Idle: show the dialog once its first messages are handled, then
        // tell the owner (WM_ENTERIDLE) and the dialog (WM_KICKIDLE), as
        // MFC does. Temporary objects are not freed here: the application
        // may hold them across DoModal; its own idle time frees them.
        while (bIdle && m_bContinueModal && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle && m_hWnd)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (hWndParent && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if (!m_hWnd || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        if (!m_bContinueModal)
            break;
        if (!::GetMessageA(&msg, nullptr, 0, 0))
        {
            // WM_QUIT ends the dialog and is put back for the outer loop.
            ::PostQuitMessage((int)msg.wParam);
            m_nModalResult = -1;
            break;
        }
        AfxPumpMessage(&msg);
        if (msg.message != WM_PAINT && msg.message != 0x0118 /* WM_SYSTIMER */)
        {
            bIdle = TRUE;
            lIdleCount = 0;
        }
    }
    m_bModalLoop = FALSE;
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_bContinueModal)
    {
        m_bContinueModal = FALSE;
        // Wakes the modal loop if it waits in GetMessage.
        if (m_hWnd)
            ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
    }
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (lParam == 0 || HIWORD(wParam) == BN_CLICKED)
    {
        switch (LOWORD(wParam))
        {
        case IDOK: OnOK(); return TRUE;
        case IDCANCEL: OnCancel(); return TRUE;
        }
    }
    return FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // Input reaches the dialog manager only after the window tree had its
    // turn: keys (Tab, Enter, Escape, mnemonics) and the mouse, as MFC does.
    UINT nMsg = pMsg->message;
    BOOL bInput = (nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST) || (nMsg >= WM_MOUSEFIRST && nMsg <= WM_MOUSELAST);
    return bInput && m_hWnd && ::IsDialogMessageA(m_hWnd, pMsg);
}

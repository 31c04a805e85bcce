#include "afxapp.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

CWinThread::CWinThread() : m_pMainWnd(nullptr), m_pActiveWnd(nullptr)
{
    ZeroMemory(&m_msgCur, sizeof(m_msgCur));
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndStop = CWnd::SafeHwnd(pMainWnd);
    if (CWnd::WalkPreTranslateTree(hWndStop, pMsg))
        return TRUE;
    // A message for a window outside the main window's tree (a popup or a
    // modeless dialog) still gives the main window its chance.
    if (pMainWnd && pMsg->hwnd != hWndStop && !::IsChild(hWndStop, pMsg->hwnd))
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG)
{
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

int CWinThread::Run()
{
    LONG lIdleCount = 0;
    for (;;)
    {
        MSG msg;
        while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                break;
        }
        // Blocks until a message arrives, then handles it.
        if (!PumpMessage())
            return ExitInstance();
        if (m_msgCur.message != WM_TIMER && m_msgCur.message != WM_MOUSEMOVE)
            lIdleCount = 0;
    }
}

void AfxPumpMessage(MSG* pMsg)
{
    CWinApp* pApp = AfxGetApp();
    BOOL bTaken = pApp ? pApp->PreTranslateMessage(pMsg) : CWnd::WalkPreTranslateTree(nullptr, pMsg);
    if (!bTaken)
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessageA(pMsg);
    }
}

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL)
{
    AFX_MODULE_STATE* pState = AfxGetAppModuleState();
    pState->m_pCurrentWinApp = this;
    pState->m_lpszCurrentAppName = lpszAppName;
}

CWinApp::~CWinApp()
{
    AFX_MODULE_STATE* pState = AfxGetAppModuleState();
    if (pState->m_pCurrentWinApp == this)
        pState->m_pCurrentWinApp = nullptr;
}

CWinApp* AfxGetApp() { return AfxGetAppModuleState()->m_pCurrentWinApp; }

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    // Owned by the top-level main window's last active popup, as MFC does.
    HWND hOwner = CWnd::SafeHwnd(GetMainWnd());
    while (hOwner && (::GetWindowLongPtrA(hOwner, GWL_STYLE) & WS_CHILD))
        hOwner = ::GetParent(hOwner);
    hOwner = hOwner ? ::GetLastActivePopup(hOwner) : ::GetActiveWindow();
    if ((nType & MB_ICONMASK) == 0)
    {
        UINT nButtons = nType & MB_TYPEMASK;
        if (nButtons == MB_OK || nButtons == MB_OKCANCEL)
            nType |= MB_ICONEXCLAMATION;
        else if (nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL)
            nType |= MB_ICONQUESTION;
    }
    return ::MessageBoxA(hOwner, lpszPrompt, m_pszAppName, nType);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->DoMessageBox(lpszText, nType, nIDHelp)
                : ::MessageBoxA(::GetActiveWindow(), lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

CWnd* AfxGetMainWnd()
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetMainWnd() : nullptr;
}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* pState = AfxGetAppModuleState();
    pState->m_hCurrentInstanceHandle = hInstance;
    pState->m_hCurrentResourceHandle = hInstance;
    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        if (!pApp->m_pszAppName)
        {
            // As MFC: the program's file name without its extension.
            static char s_szName[MAX_PATH];
            ::GetModuleFileNameA(hInstance, s_szName, MAX_PATH);
            char* pszName = strrchr(s_szName, '\\');
            pszName = pszName ? pszName + 1 : s_szName;
            if (char* pszDot = strrchr(pszName, '.'))
                *pszDot = '\0';
            pApp->m_pszAppName = pState->m_lpszCurrentAppName = pszName;
        }
    }
    return AfxRegisterFrameworkClasses();
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !pApp)
        return -1;
    int nReturn = -1;
    if (pApp->InitApplication() && pApp->InitInstance())
        nReturn = pApp->Run();
    else
        nReturn = pApp->ExitInstance();
    AfxDeleteTempMaps();
    return nReturn;
}

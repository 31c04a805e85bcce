// CWinThread and CWinApp: the application object and its message pump.
#pragma once
#include "afxwnd.h"
#include "afxmodule.h"
#include "afxres.h"

// CWinThread: a user-interface thread with its main window and its message pump
// (Run), which offers every message to PreTranslateMessage from the target
// window up through its parents before dispatching it, and calls OnIdle when
// the queue is empty. The application object is one; other threads are rarely
// made from it here.
class AFX_FW_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread() {}

    CWnd* m_pMainWnd;     // the application's main window: its end ends the thread; initially null
    CWnd* m_pActiveWnd;   // a window standing in for it (a running modal dialog); initially null
    MSG m_msgCur;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance();
    // Pumps messages until WM_QUIT, running OnIdle while the queue is empty;
    // returns ExitInstance's result.
    virtual int Run();
    // Offers the message to the window tree (target window up to the main
    // window) and then to the main window itself.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Frees temporary objects; returns TRUE while more idle work is wanted.
    virtual BOOL OnIdle(LONG lCount);
    // Gets, pre-translates and dispatches one message; FALSE on WM_QUIT.
    virtual BOOL PumpMessage();
    // The stand-in while there is one, else the main window.
    virtual CWnd* GetMainWnd() { return m_pActiveWnd ? m_pActiveWnd : m_pMainWnd; }
};

// CWinApp: the application object. Derive from it, make one global instance and
// override InitInstance to create the main window (m_pMainWnd); the framework's
// WinMain (WG::wgafxmain) calls InitInstance, then Run, then ExitInstance. It
// also loads resources, cursors and icons for the application.
class AFX_FW_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();

    LPCSTR m_pszAppName;                // the constructor's lpszAppName
    HINSTANCE m_hInstance;              // initially null
    LPSTR m_lpCmdLine;                  // initially null
    int m_nCmdShow;                     // initially SW_SHOWNORMAL

    virtual BOOL InitApplication() { return TRUE; }
    // Shows AfxMessageBox's box, owned by the main window, titled with the
    // application's name.
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // ID_APP_EXIT: closes the main window, which ends the application.
    afx_msg void OnAppExit();

    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }
    HICON LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }

    DECLARE_MESSAGE_MAP()
};

AFX_FW_API CWinApp* AfxGetApp();
// A message box through the application (CWinApp::DoMessageBox). A box
// given by a string id (loaded along the resource chain) uses that id as its
// help context unless one is given.
AFX_FW_API int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_FW_API int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
AFX_FW_API CWnd* AfxGetMainWnd();
// Pre-translation and dispatch of one message, used by every modal loop so
// that PreTranslateMessage sees the message first.
AFX_FW_API void AfxPumpMessage(MSG* pMsg);
AFX_FW_API BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
AFX_FW_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

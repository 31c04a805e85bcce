// CWinThread and CWinApp: the application object and its message pump.
#pragma once
#include "afxwnd.h"
#include "afxmodule.h"

class AFX_FW_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    virtual ~CWinThread() {}

    CWnd* m_pMainWnd;
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
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }
};

class AFX_FW_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    virtual ~CWinApp();

    LPCSTR m_pszAppName;
    HINSTANCE m_hInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;

    virtual BOOL InitApplication() { return TRUE; }
};

AFX_FW_API CWinApp* AfxGetApp();
AFX_FW_API CWnd* AfxGetMainWnd();
// Pre-translation and dispatch of one message, used by every modal loop so
// that PreTranslateMessage sees the message first.
AFX_FW_API void AfxPumpMessage(MSG* pMsg);
AFX_FW_API BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
AFX_FW_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);

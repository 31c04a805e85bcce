#pragma once
#include "afxwnd.h"

// Sent to a modal dialog while its loop is idle (wParam MSGF_DIALOGBOX,
// lParam the idle count); a nonzero answer asks for more idle calls.
#define WM_KICKIDLE 0x036A

AFX_FW_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// CDialog: a framework dialog made from a template (in memory with
// InitModalIndirect or CreateIndirect, or from a resource with the constructor
// or Create). DoModal runs the framework's own modal loop, so that every
// message is offered to PreTranslateMessage before the dialog manager sees it;
// Create makes a modeless one. Override OnInitDialog, OnOK and OnCancel;
// EndDialog ends the loop.
class AFX_FW_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual ~CDialog();

    // ---- data
    LPCSTR m_lpszTemplateName;          // resource template given to the constructor, or null
    LPCDLGTEMPLATE m_lpDialogTemplate;  // in-memory template, not owned; initially null
    CWnd* m_pParentWnd;                 // the constructor's parent, or null
    int m_nModalResult;                 // initially -1

    // ---- operations
    // Prepares a modal run from an in-memory template; FALSE for a null one.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Creates the dialog modeless from an in-memory template.
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Creates the dialog modeless from the resource template.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    // Runs the dialog modally and returns the value given to EndDialog, or
    // -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Ends a modal run with nResult (also before the window exists, so that
    // a dialog asked to end while being set up ends at once).
    void EndDialog(int nResult);
    BOOL IsInModalLoop() const { return m_bModalLoop; }

    // ---- overridables
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

protected:
    // Pumps messages until EndDialog; returns the modal result.
    int RunModalLoop();
    HWND PreModal();

    BOOL m_bModalLoop;      // inside RunModalLoop; initially FALSE
    BOOL m_bContinueModal;  // cleared by EndDialog; initially FALSE
    DECLARE_MESSAGE_MAP()
};

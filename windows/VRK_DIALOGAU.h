#pragma once
#include "wgdef.h"

// CVRK_DIALOGAU: a frameless popup dialog that always centres itself on its
// parent (or the work area) and hosts one element panel over its whole client
// area; Enter and Escape become panel actions. Construct it, set its panel,
// then DoModal or Create; like the skinned dialog its DoModal raises event 1002
// when it returns. Unlike the skinned dialog it is not put on the modal-dialog
// stack and does not stand in for the main window. It needs its panel: without
// one it is not created.
class WG_API CVRK_DIALOGAU : public CDialog
{
public:
    // ---- data, in declared order
    // WS_POPUP, class "Vantrel WG Dialog 1.0", made by the constructor; null if
    // refused
    DLGTEMPLATE* m_pTemplate;
    // Before creation the requested size (only its width and height count);
    // afterwards the window rectangle in screen coordinates.
    CRect m_rcWindow;                   // initially (0, 0, 0, 0)
    CVRK_WGPANEL* m_pPanel;     // not owned; set before the window is created; initially null

    // pParent null: the application's main window.
    explicit CVRK_DIALOGAU(CWnd* pParent = nullptr);
    virtual ~CVRK_DIALOGAU();

    // Modeless from the in-memory template or a dialog resource; nonzero on
    // success, 0 without a panel.
    int Create(CWnd* pParent);
    int Create(UINT nIDTemplate, CWnd* pParent);
    int Create(const char* lpszTemplateName, CWnd* pParent);
    // The framework's modal run, then event 1002 (wParam 0, lParam this
    // dialog). -1 when the dialog could not be created (no panel).
    virtual INT_PTR DoModal();

    // Enter: the panel gets character 13.
    virtual void OnOK();
    // Escape: ends the dialog with 1 when the panel's PreClose agrees.
    virtual void OnCancel();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CDlgTemplateBuffer m_bufTemplate;   // owns m_pTemplate

    CVRK_DIALOGAU(const CVRK_DIALOGAU&) = delete;
    CVRK_DIALOGAU& operator=(const CVRK_DIALOGAU&) = delete;
};

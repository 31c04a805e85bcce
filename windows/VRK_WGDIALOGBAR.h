#pragma once
#include "wgdef.h"

// CVRK_WGDIALOGBAR: a docking bar of a frame window whose whole surface is one
// element panel. Built from an in-memory template (no dialog resource): set
// m_pPanel, then Create(frame, CBRS_ style); the frame's layout gives it its
// strip, and the panel always covers it. Its elements report to that panel.
class WG_API CVRK_WGDIALOGBAR : public CDialogBar
{
public:
    // ---- data, in declared order
    // WS_CHILD, class "Vantrel WG ToolBar 1.0"; made by Create, null before
    DLGTEMPLATE* m_pTemplate;
    CVRK_WGPANEL* m_pPanel;     // not owned; set before Create; initially null
    // window rectangle in screen coordinates after each resize; initially (0, 0,
    // 0, 0)
    CRect m_rcWindow;

    CVRK_WGDIALOGBAR();
    virtual ~CVRK_WGDIALOGBAR();

    // Creates the bar in pParent (usually a frame) with the CBRS_ styles of
    // nStyle, at size 0 until the frame lays it out; its default size is
    // 0 x 0 unless the application sets m_sizeDefault. 1 on success.
    int Create(CWnd* pParent, UINT nStyle);

protected:
    // Create in window class pClass, registered on first use as a copy of
    // the system dialog class named pszName.
    int CreateInClass(CWnd* pParent, UINT nStyle, WNDCLASSA* pClass, LPCSTR pszName);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    CDlgTemplateBuffer m_bufTemplate;   // owns m_pTemplate

    CVRK_WGDIALOGBAR(const CVRK_WGDIALOGBAR&) = delete;
    CVRK_WGDIALOGBAR& operator=(const CVRK_WGDIALOGBAR&) = delete;
};

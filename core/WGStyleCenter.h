#pragma once
#include "wgdef.h"

// CWGStyleCenter: the library's window classes (dialog, tip, frame dialog,
// menu, panel, tool bar, frame window, menu bar), its default font and the
// stack of open modal dialogs. One static instance lives from library load to
// unload; reach it with CVRK_WG::GetStyleCenter(), never construct another.
// Sends no notifications.
class WG_API CWGStyleCenter
{
public:
    CWGStyleCenter();
    virtual ~CWGStyleCenter();

    // Class records; one whose name is still null is filled and registered by
    // the code that creates the first window of its kind.
    WNDCLASSA* GetWGDialogCalss() { return &m_wcDialog; }
    WNDCLASSA* GetWGToolBarCalss() { return &m_wcToolBar; }
    WNDCLASSA* GetWGPanelCalss() { return &m_wcPanel; }
    WNDCLASSA* GetWGTipCalss() { return &m_wcTip; }
    WNDCLASSA* GetWGFDialogCalss() { return &m_wcFDialog; }
    WNDCLASSA* GetWGMenuCalss() { return &m_wcMenu; }
    WNDCLASSA* GetWGFrameWndCalss() { return &m_wcFrameWnd; }
    WNDCLASSA* GetWGMenuBarCalss() { return &m_wcMenuBar; }

    CFont* GetDefaultFont() { return &m_fontDefault; }

    // ---- modal-dialog stack
    void AddAnDomodalDialog(CDialog* pDlg);
    int DeleteAnDomodalDialog(CDialog* pDlg);
    int CloseDialogAfterTheDialog(CDialog* pDlg);
    long GetCounOfDomodalDlg() const { return m_nModalCount; }
    long GetModalCapacity() const { return m_nModalCapacity; }
    CDialog* GetModalDialog(long nIndex) const;   // null outside 0..count-1

private:
    WNDCLASSA m_wcDialog;
    WNDCLASSA m_wcToolBar;
    WNDCLASSA m_wcPanel;
    WNDCLASSA m_wcTip;
    WNDCLASSA m_wcFDialog;
    WNDCLASSA m_wcMenu;
    WNDCLASSA m_wcFrameWnd;
    WNDCLASSA m_wcMenuBar;
    CFont m_fontDefault;
    long m_nModalCapacity;              // initially 0
    CDialog** m_ppModal;                // initially null
    long m_nModalCount;                 // initially 0

    CWGStyleCenter(const CWGStyleCenter&) = delete;
    CWGStyleCenter& operator=(const CWGStyleCenter&) = delete;
};

// Builds the in-memory template of a library window (no controls, the given
// style, window class lpszClass) into buf and prepares pDialog for a modal
// run from it with pParent. Returns the template, or null after writing
// "Error: Create WG Dialog Template!" to the debugger output when the
// framework refuses it. The dialog, tip, layered window and menu share it.
WG_API DLGTEMPLATE* WGInitDialogTemplate(CDialog* pDialog, CDlgTemplateBuffer& buf, DWORD dwStyle,
                                         LPCSTR lpszClass, CWnd* pParent);

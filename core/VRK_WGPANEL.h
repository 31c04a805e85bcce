// CVRK_WGPANEL: the child window that hosts elements, owns the back buffer
// they paint into, copies it to the screen and turns window messages into
// element events. CVRK_WGLock: a scoped hold on a critical section.
#pragma once
#include "wgdef.h"

class WG_API CVRK_WGLock
{
public:
    BOOL m_bLocked;
    CRITICAL_SECTION* m_pSection;   // not owned

    CVRK_WGLock(CRITICAL_SECTION* pSection, BOOL bLockNow = TRUE);
    virtual ~CVRK_WGLock();
    void Lock();
    BOOL TryLock();
    void Unlock();
};

// What the panel needs of the three window kinds it can point to: the open
// popup menu, the annotation tip and the owning skinned dialog. Those
// windows belong to other subsystems and fill these in when they are built
// into the library; every use is guarded, so a panel works without them.
struct WG_API CWGPanelPeers
{
    static void (*pfnShirkMenu)(CVRK_MENUWND* pMenu);
    static void (*pfnSetMenuIndex)(CVRK_MENUWND* pMenu, long nIndex);
    static void (*pfnShowMarkTip)(CWG_Tip* pTip, CPoint ptScreen, const CString& strText);
    static void (*pfnSetTipIndex)(CWG_Tip* pTip, long nIndex);
    static long (*pfnTipIndex)(CWG_Tip* pTip);
    static void (*pfnDialogOnOK)(CVRK_DIALOG* pDialog);
    static void (*pfnDialogOnCancel)(CVRK_DIALOG* pDialog);
    // Sets the dialog's frame-painted flag and sends it WM_NCPAINT, once.
    static void (*pfnDialogFirstPaint)(CVRK_DIALOG* pDialog);
    // The dialog window the panel is created on.
    static CWnd* (*pfnDialogWnd)(CVRK_DIALOG* pDialog);
};

class WG_API CVRK_WGPANEL : public CWnd
{
public:
    enum { MAX_WG = 200, MAX_MENU = 10, MAX_TIP = 10 };

    // ---- data
    CVRK_DIALOG* m_pDialog;
    CRITICAL_SECTION m_csLock;
    CVRK_WG* m_pLastWG;
    HIMC m_hIMC;
    long m_nWGCount;
    CVRK_WG* m_pWG[MAX_WG];
    long m_nMenuCount;
    CVRK_MENUWND* m_pMenu[MAX_MENU];
    CVRK_MENUWND* m_pPopMenu;
    long m_nTipCount;
    CWG_Tip* m_pTip[MAX_TIP];
    CDC* m_pBGDC;
    CBitmap m_bmpBG;
    CFont* m_pFont;
    CBrush m_brNull;
    long m_nMouseWG;
    long m_nNowWG;
    CRect m_rcClient;
    CRect m_rcLastClient;
    BOOL m_bDCCreated;
    BOOL m_bFillBG;
    long m_nMarkShape;
    CRect m_rcMark;
    CPoint m_ptMarkFrom;
    CPoint m_ptMarkTo;
    CPoint m_ptMarkTip;
    CString m_strMarkTip;
    CWG_Tip* m_pMarkTip;

    CVRK_WGPANEL();
    virtual ~CVRK_WGPANEL();

    // ---- overridables, in slot order
    virtual void CreateMyBGDC();
    virtual void DrawMe();
    virtual void DrawMeByOthers();
    virtual void RefreshAfterWG(CRect* pRect);
    virtual int PreClose();
    virtual int OnOK();
    virtual int OnCancel();
    virtual void OnWGCommand(long nIndex, long nCode);
    virtual void OnMenuCommand(long nMenu, long nCommand);
    virtual void OnTipCommand(long nTip, long nCode);

    // ---- operations
    int Create(CWnd* pParent);
    int Create(CVRK_DIALOG* pDialog);
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    void AddWG(CVRK_WG* pWG);            // null and the 201st are ignored
    void AddMenu(CVRK_MENUWND* pMenu);
    void AddTip(CWG_Tip* pTip);
    void SetNowWG(long nIndex);
    void SetNowWGQuiet(long nIndex);
    void GiveMeMouse(long nIndex);
    void ByeMouse();
    // Repaints element nIndex and copies its rectangle to the screen; any
    // index outside 0..m_nWGCount-1 does nothing.
    void RefreshWG(long nIndex);
    void RefreshAllWGs();
    void SetIMPostion(long x, long y);
    HICON SetMyCursor(HICON hCursor);

protected:
    // ---- message handlers
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnTimer(UINT_PTR nIDEvent);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    void OnDrawClipboard();
    void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    void RouteButtonDown(CPoint point, long nButton);
    void RouteButtonUpOrDClick(CPoint point, long nButton, BOOL bDClick);
    CVRK_WG* ValidWG(long nIndex) const;
};

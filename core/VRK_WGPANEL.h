#pragma once
#include "wgdef.h"
#include "VRK_WGLock.h"

// CWGPartPainter: draws part of an element into the element's own back buffer,
// for RefreshWGPart: a caret, an arrow, a row, a fill. An element derives a
// small painter from it, implements PaintPart, and passes it to its panel's
// RefreshWGPart.
class WG_API CWGPartPainter
{
public:
    // pDC has the element's back buffer selected; coordinates are the
    // element's own.
    virtual void PaintPart(CDC* pDC) = 0;
protected:
    ~CWGPartPainter() {}
};

// CVRK_WGPANEL: the child window that hosts elements, owns the back buffer they
// paint into, copies it to the screen and turns window messages into element
// events. Derive the application's panel from it, override OnWGCommand (element
// notifications: index and code), OnMenuCommand (menu id and row) and
// OnTipCommand (tip index, 0 shown, 2 hidden), and create it with
// Create(pDialog) in a skinned dialog or Create(pParent) in any window; Enter
// and Escape reach the dialog's OnOK and OnCancel. It holds at most 200
// elements, 10 menus and 10 tips.
//
// Lifetime: elements and their panel may die in either order. An element
// that dies first leaves an empty slot (its index is never reused); a panel
// that dies first detaches its elements (their m_pParent becomes null)
// before its window goes, so no element is called during its destruction.
//
// Re-entrancy: element hooks and the application's overrides may change the
// current element, the mouse owner or the window itself. When one does, the
// panel's operation in progress stops there: it never overwrites a change
// made from inside a callback with a value it read before the call.
//
// Threads: painting runs under m_csLock and may be driven from a worker
// thread. Nothing is sent to another window and no hook is called while the
// lock is held: the dialog's first frame paint and the annotation tip wait
// until the lock is released, and run on the panel's own thread.
class WG_API CVRK_WGPANEL : public CWnd
{
public:
    enum { MAX_WG = 200, MAX_MENU = 10, MAX_TIP = 10 };

    // ---- data
    CVRK_DIALOG* m_pDialog;             // initially null
    CRITICAL_SECTION m_csLock;
    CVRK_WG* m_pLastWG;                 // initially null
    HIMC m_hIMC;                        // initially null
    long m_nWGCount;                    // initially 0
    CVRK_WG* m_pWG[MAX_WG];
    long m_nMenuCount;                  // initially 0
    CVRK_MENUWND* m_pMenu[MAX_MENU];
    CVRK_MENUWND* m_pPopMenu;           // initially null
    long m_nTipCount;                   // initially 0
    CWG_Tip* m_pTip[MAX_TIP];
    CDC* m_pBGDC;
    CBitmap m_bmpBG;
    CFont* m_pFont;
    CBrush m_brNull;
    long m_nMouseWG;                    // initially -1
    long m_nNowWG;                      // initially -1
    CRect m_rcClient;                   // initially (0, 0, 0, 0)
    CRect m_rcLastClient;               // initially (0, 0, 0, 0)
    BOOL m_bDCCreated;                  // initially FALSE
    BOOL m_bFillBG;                     // initially TRUE
    long m_nMarkShape;                  // initially 0
    CRect m_rcMark;                     // initially (0, 0, 0, 0)
    CPoint m_ptMarkFrom;                // initially (0, 0)
    CPoint m_ptMarkTo;                  // initially (0, 0)
    CPoint m_ptMarkTip;                 // initially (0, 0)
    CString m_strMarkTip;
    CWG_Tip* m_pMarkTip;                // initially null

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
    // index outside 0..m_nWGCount-1, or an empty slot, does nothing.
    void RefreshWG(long nIndex);
    // Repaints only rcPart (element coordinates) of element nIndex: under the
    // painting lock, pPainter (may be null) draws into the element's back
    // buffer, and that part is copied into the panel's back buffer and onto
    // the screen. The element must have been painted once; a hidden element
    // or a part outside the element does nothing.
    void RefreshWGPart(long nIndex, const CRect& rcPart, CWGPartPainter* pPainter);
    void RefreshAllWGs();
    void SetIMPostion(long x, long y);
    HICON SetMyCursor(HICON hCursor);
    // The name screen readers give element nIndex, for one without a caption
    // (an image button, a field beside its label); empty removes it.
    void SetAccessibleName(long nIndex, const char* pszName);

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
    void OnSetFocus(CWnd* pOldWnd);
    void OnCaptureChanged(CWnd* pWnd);
    void OnDestroy();
    LRESULT OnImeNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeferredCalls(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class CVRK_WG;
    // Called by a dying element: its slot becomes empty.
    void DetachWG(CVRK_WG* pWG);
    void RouteButtonDown(CPoint point, long nButton);
    void RouteButtonUpOrDClick(CPoint point, long nButton, BOOL bDClick);
    CVRK_WG* ValidWG(long nIndex) const;
    CVRK_WG* TopmostHit(CPoint point) const;
    // The current element changed, or the window went, since nSerial was read.
    BOOL FocusChangedSince(long nSerial) const { return m_nFocusSerial != nSerial || !m_hWnd; }
    BOOL HoldsLock() const;
    // Runs the calls that waited for the painting lock (on the panel's
    // thread; from another thread they are posted to it).
    void RunDeferredCalls();
    void CopyToScreen(const CRect& rc);

    long m_nFocusSerial;      // bumped by every change of the current element; initially 0
    BOOL m_bFramePending;     // the dialog's first frame paint waits for the lock; initially FALSE
    BOOL m_bMarkTipPending;   // the annotation tip waits for the lock; initially FALSE
    // The window has the keyboard focus, as its focus messages told: asking
    // the system (GetFocus) is a round trip to the Wine server on every hover.
    BOOL m_bHasFocus;                   // initially FALSE
    // What the accessible objects reach the panel through (WGAccessible.h);
    // made at the first question or name, disconnected when the panel dies.
    CWGAccessSite* m_pAccessSite;
    CWGAccessSite* AccessSite();
    CVRK_WGPANEL(const CVRK_WGPANEL&) = delete;
    CVRK_WGPANEL& operator=(const CVRK_WGPANEL&) = delete;
};

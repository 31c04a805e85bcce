#pragma once
#include "wgdef.h"
#include "WGSkinFrame.h"

// CVRK_FRAMEWND: the library's main window, a framework frame window with the
// skinned dialog's frame (29-pixel title bar, 4-pixel borders, rounded top
// corners, hover drawn while hit testing) and a full-screen mode whose title
// bar and borders lie outside the screen. On Vista and Windows 7 the system
// draws the frame. Made by dynamic creation
// (RUNTIME_CLASS(CVRK_FRAMEWND)->CreateObject()), then Create or LoadFrame;
// like every frame it lives on the heap and deletes itself with its window.
// Sends no element notifications.
class WG_API CVRK_FRAMEWND : public CFrameWnd
{
    DECLARE_DYNCREATE(CVRK_FRAMEWND)
public:
    enum { TITLE_HEIGHT = CWGSkinFrame::TITLE_HEIGHT, BORDER = CWGSkinFrame::BORDER, STRIP_W = 86 };

    // ---- data, in declared order
    long m_nFullScreenHeight;   // screen height + 33: the tallest full-screen window; initially 0
    long m_nMaxWidth;           // work-area width + 8: maximized width; initially 0
    long m_nMaxHeight;          // work-area height + 8: maximized height; initially 0
    // WM_CREATE is done; the frame is painted from then on; initially FALSE
    BOOL m_bCreated;
    WINDOWPLACEMENT m_wpSaved;  // where leaving full-screen mode returns to
    CDC* m_pSkinDC;             // memory DC the skin is selected into while painting
    CBitmap m_bmpSkin;          // empty: the shared skin 3002; set it for another look
    BOOL m_bSystemFrame;        // Vista and 7: the system draws the frame
    CRect m_rcWindow;           // window rectangle, screen coordinates; initially (0, 0, 0, 0)
    // the three title buttons' strip, screen coordinates; initially (0, 0, 0, 0)
    CRect m_rcButtons;
    BOOL m_bSkinLoaded;         // the frame has been painted; initially FALSE
    // 0 active look, 29 inactive look; initially CWGSkinFrame::ROW_ACTIVE (0)
    long m_nSkinRow;
    BOOL m_bFullScreen;         // full-screen mode is on; initially FALSE

    CVRK_FRAMEWND();
    virtual ~CVRK_FRAMEWND();

    // Enters (TRUE) or leaves (FALSE) full-screen mode, unless it is in that
    // mode already or CanChangeFullMode refuses.
    void FullScreen(int bFull);
    // From OnCreate of a derived frame: starts in full-screen mode (not
    // topmost); leaving it then gives a window over the work area.
    void ForceFullScreenInOnCreating();
    // Sets the window text; the custom frame redraws its title at once.
    void SetWindowTitle(CString strTitle);

    // Return 0 to keep the current mode (bFull: the mode asked for).
    virtual int CanChangeFullMode(int bFull);
    // Covers the work area at (0, 0) and uses the library's frame class.
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);

protected:
    // Minimize, maximize or close by where pt (screen) lies in the strip of
    // title buttons; HTNOWHERE outside it.
    UINT ButtonAt(CPoint pt);
    void DrawFrame();
    // The normal right end, then the hover look of nHover (0 for none).
    void DrawTitleButtons(UINT nHover);
    void ApplyShowCommand(UINT nShowCmd);
    void ApplyPlacement(const CRect& rcNormal, WINDOWPLACEMENT* pSave, BOOL bTopmost);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    DECLARE_MESSAGE_MAP()

private:
    CVRK_FRAMEWND(const CVRK_FRAMEWND&) = delete;
    CVRK_FRAMEWND& operator=(const CVRK_FRAMEWND&) = delete;
};

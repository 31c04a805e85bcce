#pragma once
#include "wgdef.h"
#include "WGSkinFrame.h"

typedef void (CALLBACK* WGDESTROYPROC)(LPARAM nParam);

// CVRK_DIALOG: the library's dialog window, a framework dialog built from an
// in-memory template (no dialog resource) that hosts one element panel over its
// client area and draws its own frame from skin 3002: a 29-pixel title bar with
// logo, shadowed title and title buttons, 4-pixel borders and rounded top
// corners. On Vista and Windows 7 the system frame is used with the same client
// size. Construct it, set m_pPanel and m_rcWindow, then call DoModal (returns
// the result and raises event 1002 through the event center) or Create for a
// modeless one; the panel's Enter and Escape arrive at OnOK and OnCancel.
class WG_API CVRK_DIALOG : public CDialog
{
public:
    enum
    {
        TITLE_HEIGHT = CWGSkinFrame::TITLE_HEIGHT,   // custom title bar
        BORDER = CWGSkinFrame::BORDER,               // left, right and bottom borders
        SKIN_ROW_ACTIVE = CWGSkinFrame::ROW_ACTIVE,
        SKIN_ROW_INACTIVE = CWGSkinFrame::ROW_INACTIVE,
    };

    // ---- data, in declared order
    // In-memory template (WS_POPUP | WS_VISIBLE, class "Vantrel WG Dialog
    // 1.0"); its style may be changed before the window is created, e.g. to
    // add WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX or WS_THICKFRAME.
    DLGTEMPLATE* m_pTemplate;           // made by the constructor
    CVRK_WGPANEL* m_pPanel;      // not owned; set before the window is created; initially null
    CDC* m_pSkinDC;              // memory DC the skin is selected into while painting
    CBitmap m_bmpSkin;           // empty: the shared skin 3002; set it for another look
    BOOL m_bSkinLoaded;          // the frame has been painted; initially FALSE
    BOOL m_bSystemFrame;         // Vista and 7: the system draws the frame; set by the constructor
    // Screen coordinates. Before creation: the requested position and size
    // (left or top 0 centres; right and bottom both -1 take the work area).
    CRect m_rcWindow;                   // initially (0, 0, 0, 0)
    CRect m_rcClientArea;               // initially (0, 0, 0, 0)
    CRect m_rcIcon;                     // initially (0, 0, 0, 0)
    CRect m_rcMinButton;                // initially (0, 0, 0, 0)
    CRect m_rcMaxButton;                // initially (0, 0, 0, 0)
    CRect m_rcCloseButton;              // initially (0, 0, 0, 0)
    long m_nSkinRow;             // 0 active look, 29 inactive look; initially SKIN_ROW_ACTIVE
    BOOL m_bNcPaintAllowed;      // the panel has painted once; initially FALSE
    BOOL m_bKeepActive;          // keep the active look when deactivated; initially FALSE
    LPARAM m_nDestroyParam;             // initially 0
    WGDESTROYPROC m_pfnDestroyProc;   // called from the destructor; initially null

    // pParent null: the application's main window.
    explicit CVRK_DIALOG(CWnd* pParent = nullptr);
    virtual ~CVRK_DIALOG();

    // Runs modally: on the style center's modal stack and as the
    // application's main window while it runs; raises event 1002 (wParam 0,
    // lParam this dialog) when it returns. -1 if it could not be created.
    virtual INT_PTR DoModal();
    // Modeless from the in-memory template; nonzero on success.
    int Create(CWnd* pParent);
    // Modeless from a dialog resource.
    int Create(UINT nIDTemplate, CWnd* pParent);
    int Create(const char* lpszTemplateName, CWnd* pParent);

    // Sets the window text; the custom frame redraws its title at once.
    void SetWindowTitle(CString strTitle);

    // Enter and Escape of the panel arrive here.
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnInitDialog();
    // Called by the panel after its first full paint (outside its painting
    // lock): paints the frame once.
    void OnPanelPainted();

protected:
    // Recomputes m_rcWindow and the title-button and logo rectangles from
    // the window rectangle and style.
    void RecalcTitleButtonPos();
    // Custom frame: draws the three title buttons in their normal look and
    // the hovered one (HTMINBUTTON, HTMAXBUTTON, HTCLOSE or 0) in its hover look.
    void DrawTitleButtons(UINT nHover);
    void DrawFrame();
    CWGSkinFrame::Buttons TitleButtons() const;
    void ApplyShowCommand(UINT nShowCmd);

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    void OnSize(UINT nType, int cx, int cy);
    void OnMove(int x, int y);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonUp(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnNcMouseMove(UINT nHitTest, CPoint point);
    UINT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnPaint();
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CDlgTemplateBuffer m_bufTemplate;   // owns m_pTemplate
    // Until WM_CREATE has placed the window, m_rcWindow is the request and
    // the early size and move messages of a sizable window must not touch it.
    BOOL m_bPlaced;                     // initially FALSE
    enum { RIGHT_END_W = 36 };   // close button and cap at the title's right end

    CVRK_DIALOG(const CVRK_DIALOG&) = delete;
    CVRK_DIALOG& operator=(const CVRK_DIALOG&) = delete;
};

#pragma once
#include <vector>
#include "afxstr.h"
#include "afxwnd.h"
#include "afxbar.h"

class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

// Frame style: the document name is added to the title (accepted and kept;
// this framework has no documents).
#define FWS_ADDTOTITLE 0x00008000L
// Style of the pane window a frame creates.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame is to create inside itself: the class of its pane window.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass;
    CDocument* m_pCurrentDoc;
    CDocTemplate* m_pNewDocTemplate;
    CView* m_pLastView;
    CFrameWnd* m_pCurrentFrame;

    CCreateContext()
        : m_pNewViewClass(nullptr), m_pCurrentDoc(nullptr), m_pNewDocTemplate(nullptr), m_pLastView(nullptr),
          m_pCurrentFrame(nullptr)
    {
    }
};

// CFrameWnd: an application's main window. Create it on the heap (usually by
// dynamic creation) and call LoadFrame, which loads its menu, icon, title and
// accelerators from one resource id, or Create. It creates its view (the pane)
// by dynamic creation, lays out its control bars and the pane in RecalcLayout,
// routes commands through the pane, itself and the application, and deletes
// itself when its window is gone (frames live on the heap). Closing the
// application's main frame ends the application.
class AFX_FW_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    // Let the system place and size the window.
    static const CRect rectDefault;

    CFrameWnd();
    virtual ~CFrameWnd();

    // ---- data
    // the menu loaded by Create or LoadFrame (destroyed with the window);
    // initially null
    HMENU m_hMenuDefault;
    HACCEL m_hAccelTable;   // translated in PreTranslateMessage; initially null
    UINT m_nIDHelp;         // the resource id of LoadFrame; initially 0
    CString m_strTitle;     // the title LoadFrame read

    // ---- creation
    // Creates the frame window. A null class is the framework's frame
    // class; lpszMenuName, when given, must name a menu resource (FALSE if
    // it cannot be loaded). pContext goes to WM_CREATE, where the pane is
    // made from it.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame from resource id nIDResource: its menu (required),
    // its icon and accelerators (when present) and its title (the string of
    // that id up to the first '\n', when present).
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    BOOL LoadAccelTable(LPCSTR lpszResourceName);
    // Creates the pane window of pContext's class with id nID; null when
    // the class cannot be created or is not a window.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // ---- layout and bars
    // Lays out the visible control bars along their sides and gives the
    // rest of the client area to the pane (child AFX_IDW_PANE_FIRST).
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // The sides (CBRS_ALIGN_ bits) bars may dock to in this frame.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar to the side named by nDockBarID (AFX_IDW_DOCKBAR_TOP, ...)
    // or, for 0, to the first side both the bar and the frame allow (top,
    // bottom, left, right). A bar that may not dock here, or a null one, is
    // left alone.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // Bars join their frame when created in it, and leave it when they go.
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    int GetControlBarCount() const { return (int)m_bars.size(); }
    CControlBar* GetControlBar(UINT nID);
    DWORD GetDockStyle() const { return m_dwDockStyle; }

    // ---- overridables
    virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual void PostNcDestroy();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnSetFocus(CWnd* pOldWnd);

    DWORD m_dwDockStyle;                // initially 0
    std::vector<CControlBar*> m_bars;
    DECLARE_MESSAGE_MAP()
};

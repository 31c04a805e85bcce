// Control bars: child windows along a frame's edges (dialog bars, menu bars)
// that the frame lays out around its pane in RecalcLayout. The frame asks
// every child with WM_SIZEPARENT; a visible bar aligned to a side takes its
// strip of the remaining rectangle. Bars dock to the sides of their frame;
// floating bars are not supported.
#pragma once
#include "afxres.h"
#include "afxwnd.h"

class CFrameWnd;

// Bar styles: the side a bar lies along, its borders and layout flags.
#define CBRS_ALIGN_LEFT    0x1000L
#define CBRS_ALIGN_TOP     0x2000L
#define CBRS_ALIGN_RIGHT   0x4000L
#define CBRS_ALIGN_BOTTOM  0x8000L
#define CBRS_ALIGN_ANY     0xF000L
#define CBRS_BORDER_LEFT   0x0100L
#define CBRS_BORDER_TOP    0x0200L
#define CBRS_BORDER_RIGHT  0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY    0x0F00L
#define CBRS_TOOLTIPS      0x0010L
#define CBRS_FLYBY         0x0020L
#define CBRS_FLOAT_MULTI   0x0040L
#define CBRS_BORDER_3D     0x0080L
#define CBRS_HIDE_INPLACE  0x0008L
#define CBRS_SIZE_DYNAMIC  0x0004L
#define CBRS_SIZE_FIXED    0x0002L
#define CBRS_FLOATING      0x0001L
#define CBRS_GRIPPER       0x00400000L
#define CBRS_ORIENT_HORZ   (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT   (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY    (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL           0x0040FFFFL
#define CBRS_NOALIGN       0x00000000L
#define CBRS_LEFT          (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP           (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT         (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM        (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Modes of CalcDynamicLayout.
#define LM_STRETCH   0x01
#define LM_HORZ      0x02
#define LM_MRUWIDTH  0x04
#define LM_HORZDOCK  0x08
#define LM_VERTDOCK  0x10
#define LM_LENGTHY   0x20
#define LM_COMMIT    0x40

// Asks a child for its share of the parent's client rectangle (lParam an
// AFX_SIZEPARENTPARAMS*); RepositionBars sends it.
#define WM_SIZEPARENT 0x0361

struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;        // deferred positions, or null when only measuring
    RECT rect;        // what is left of the parent's client rectangle
    SIZE sizeTotal;   // the bars' total size
    BOOL bStretch;    // bars stretch over the whole side
};

// CControlBar: the base of the bars docked along a frame's edges. The frame
// asks it for its size with CalcDynamicLayout (through WM_SIZEPARENT) in
// RecalcLayout and gives it a strip; its CBRS_ style says which side. Derived
// bars (CDialogBar, the library's panel bars and menu bar) are created with
// their own Create.
class AFX_FW_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    virtual ~CControlBar();

    // ---- data
    DWORD m_dwStyle;          // CBRS_ styles; initially 0
    DWORD m_dwDockStyle;      // the sides EnableDocking allows (CBRS_ALIGN_); initially 0
    CFrameWnd* m_pDockSite;   // the frame the bar is docked in, or null; initially null
    BOOL m_bAutoDelete;       // delete the object with its window; initially FALSE
    int m_cxLeftBorder, m_cxRightBorder, m_cyTopBorder, m_cyBottomBorder;

    // ---- operations
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle & CBRS_ALL; }
    // The sides the bar may dock to (CBRS_ALIGN_ bits, 0 for none).
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY; }
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const { return FALSE; }
    BOOL IsVisible() const { return m_hWnd && (GetStyle() & WS_VISIBLE); }

    // ---- overridables
    // The bar's size: stretched over a whole side (32767 long) or its own.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a layout mode (LM_); by default the fixed layout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);

    // Commands and notifications the bar does not handle itself go on to
    // its owner (the frame), so a button on a dialog bar reaches the frame's
    // ON_COMMAND entries.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    virtual void PostNcDestroy();
    DECLARE_MESSAGE_MAP()
};

// CDialogBar: a control bar whose window is a modeless child dialog made from a
// template. Construct it and Create it in a frame with the template (an
// invisible child), the CBRS_ styles and an id; the frame lays it out.
class AFX_FW_API CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)
public:
    CDialogBar();

    CSize m_sizeDefault;   // the template's size, the bar's own size; initially (0, 0)

    // Creates the bar from the dialog template (which must be an invisible
    // child), gives it the id nID and the CBRS_ styles of nStyle, and shows
    // it at size 0 until the frame lays it out. FALSE without a template.
    BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
    BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);

protected:
    // Takes the new window's size as the default and hides it at size 0.
    void SetUpCreatedBar(UINT nID);
};

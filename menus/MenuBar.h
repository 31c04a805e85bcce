#pragma once
#include "wgdef.h"
#include "VRK_WGPANEL.h"
#include "VRK_WGDIALOGBAR.h"

class CVRK_MENUWND;

// CWGMenuBarItem: one caption of the menu bar: its text, the x range it answers
// and its menu. CMenuBarWGP fills one for every AppendMenuCpt; applications
// read them in m_Items.
struct WG_API CWGMenuBarItem
{
    CString m_strCaption;
    long m_nLeft;
    long m_nRight;
    CVRK_MENUWND* m_pMenu;   // not owned; may be null
};

// CMenuBarWGP: the panel of the skinned menu bar, drawing the row of captions
// from skin 3014 and running their menus. CMenuBar makes it with its window;
// the application fills it through CMenuBar's AppendMenuCpt and AddChildMenu.
// Hovering a caption lights it; a click drops its menu and puts the bar in menu
// mode. It reports no row to any panel: a menu-bar menu acts on its hot row in
// its own On_Click.
class WG_API CMenuBarWGP : public CVRK_WGPANEL
{
public:
    enum { MAX_CAPTION = 20, BAR_HEIGHT = 25, SKIN_ID = 3014 };

    // ---- data, in declared order
    int m_bSkinPending;                     // skin 3014 not yet looked up; initially 1
    CDC* m_pSkinDC;
    CBitmap m_bmpSkin;                      // empty: the shared skin 3014
    CWGMenuBarItem m_Items[MAX_CAPTION];
    // (10, 0, end of the last caption, 25); initially (10, 0, 0, 25)
    CRect m_rcStrip;
    long m_nItemCount;                  // initially 0
    long m_nHotItem;                        // lit caption, -1 none; initially -1
    CVRK_MENUWND* m_pChildMenu[MAX_CAPTION];
    long m_nChildCount;                 // initially 0
    // a menu is down and the bar holds the mouse; initially 0
    int m_bMenuMode;
    CVRK_MENUWND* m_pOpenMenu;              // menu of the caption last hovered; initially null

    CMenuBarWGP();
    virtual ~CMenuBarWGP();

    // Adds a caption 7 pixels per byte wide, 10 pixels after the last one;
    // a non-null menu also joins the bar's menus.
    void AppendMenuCpt(CString strCaption, CVRK_MENUWND* pMenu);
    void AddChildMenu(CVRK_MENUWND* pMenu);
    // Closes the open menu and leaves menu mode.
    void ReleaseMenu();

    virtual void CreateMyBGDC();

protected:
    // The caption whose range holds x (ends included, or excluded), among
    // the first m_nChildCount; -1 for none.
    long CaptionAt(long x, BOOL bEndsIncluded) const;
    CVRK_MENUWND* MenuOf(long nItem) const;
    void PopupMenuOf(long nItem);
    CPoint ToScreen(CPoint p) const;

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // Another window took the mouse while a menu was down (a system drag,
    // another popup): the menu closes, as it does on losing the focus.
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    DECLARE_MESSAGE_MAP()
};

// CMenuBar: the skinned menu bar of a frame window, a 25-pixel docking bar
// hosting a CMenuBarWGP. Construct it, Create it in the frame with CBRS_
// styles, then add captions with AppendMenuCpt (each with its kind-1
// CVRK_MENUWND, made with the CMenuBar as parent) once the window exists. A
// click drops the caption's popup menu and puts the bar in menu mode, holding
// the mouse: moving across the captions then switches menus without a click,
// and a click anywhere, a key or the loss of the focus leaves it.
//
// Limits (where the behaviour is otherwise unwritten): at most 20 captions
// and 20 menus (further ones are ignored); a caption without a menu lights
// up but drops nothing; captions wider than the bar are drawn clipped and
// still answer the pointer where they are visible. Captions and menus added
// before the bar's window exists are ignored.
class WG_API CMenuBar : public CVRK_WGDIALOGBAR
{
public:
    CMenuBarWGP* m_pMenuPanel;   // owned; made with the window; initially null

    CMenuBar();
    virtual ~CMenuBar();

    // Creates the bar in pParent (a frame) with the CBRS_ styles of nStyle.
    // 1 on success.
    int Create(CWnd* pParent, UINT nStyle);
    // The control bar's size, 25 pixels high whatever the parent asks.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);

    void AddChildMenu(CVRK_MENUWND* pMenu);
    void AppendMenuCpt(CString strCaption, CVRK_MENUWND* pMenu);
    void ReleaseMenu();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};

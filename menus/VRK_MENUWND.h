// CVRK_MENUWND: the skinned popup menu, a borderless top-level window that
// lists text rows (with optional icons), lights the row under the pointer,
// opens cascading submenus and closes on any click, key or loss of capture.
// It never takes activation or the keyboard focus: a top-level menu holds
// the mouse capture while shown, so every click comes to it first.
//
// Kinds: 0 free-standing, 1 menu-bar menu, 2 submenu (of the parent given to
// Create), 3 panel menu (registered with the panel given to Create). A
// top-level menu (0 or 3) reports a click with OnMenuCommand(menu id, row)
// to m_pOwnerWG when set, then (kind 3) to its panel; the row counts every
// caption, separators included, and is -1 when the click was not on an
// enabled row. Submenus report nothing themselves: a derived class acts on
// m_nHotItem in On_Click before calling the base.
//
// Limits and refusals (where the behaviour is otherwise unwritten):
// - No rows: a 45 x 4 strip that shows and closes like any menu; a click
//   on it reports -1.
// - More than 100 captions: the first 100 become rows; a menu taller than
//   the screen is moved up by its height and hangs off the top.
// - EnableButton ignores a row outside 0..m_nItemCount-1, and clips a
//   range to the rows.
// - Icons: an icon strip that cannot be loaded leaves the menu without
//   icons; one too small for its rows (or a menu with only separators)
//   gives empty cells, nothing is drawn from outside the strip.
// - AddChildMenu refuses null, a 51st child and a menu that would become its
//   own ancestor (this menu, or one this menu is reached from); a submenu
//   whose parent refused it has no parent menu. Every walk over the menus
//   (PtInRect, Shirk, mouse forwarding) therefore ends.
// - An eleventh menu of a panel is not registered and reports menu id -1
//   to the panel, which still sees it open in m_pPopMenu.
// - A panel that dies before its menu is no longer told anything; a menu
//   that dies while open clears its panel's m_pPopMenu. A submenu that dies
//   leaves an empty child slot in its parent menu; a child added with
//   AddChildMenu to another menu than its parent, and the owner element,
//   must outlive the menu (or the application clears the pointer).
// - The menu-bar owner (kind 1) is reached through the menu bar; until a
//   menu bar is set, ShirkMeAndParent of a kind-1 menu hides the menu only.
// - Keys: a shown menu closes on any key that reaches it or its panel (the
//   panel closes its open menu, Shirk); there is no keyboard navigation.
// - ppCommonHotMenu: Popup stores the menu through it; Shirk and
//   ShirkMeAndParent store null only while it holds this menu, so closing
//   an older menu never wipes a newer one.
// - A click that closes the menu is not replayed when the owner's handler
//   popped the menu up again.
#pragma once
#include "wgdef.h"
#include "WG_LayerWindow.h"

class CMenuBar;

// CWGMenuItem: one row of a popup menu: its caption, whether it is enabled or a
// separator, and the submenu it opens. The menu fills them from the captions
// given to Create.
struct WG_API CWGMenuItem
{
    CString m_strCaption;
    int m_bEnable;      // 1 after Create
    int m_bSubmenu;     // the caption starts with ">"
    long m_nSubmenu;    // index into m_pChildMenu, -1 for none
};

// CVRK_MENUWND: the skinned popup menu. Construct it, Create it with a parent,
// its captions ("----" a separator, ">" first a submenu row), their count, its
// kind (0 free-standing, 1 menu-bar menu, 2 submenu, 3 panel menu) and
// optionally an icon strip; join submenus with AddChildMenu, then Popup at a
// screen point. A top-level menu reports a click with OnMenuCommand(menu id,
// row) to m_pOwnerWG when set, then (kind 3) to its panel; row -1 means no
// enabled row. DoModal raises event 1002 when it returns.
class WG_API CVRK_MENUWND : public CDialog
{
public:
    enum
    {
        MAX_ITEM = 100,
        MAX_CHILD = 50,
        ITEM_HEIGHT = 18,
        KIND_FREE = 0, KIND_MENUBAR = 1, KIND_SUBMENU = 2, KIND_PANEL = 3,
    };

    // ---- data, in declared order
    DLGTEMPLATE* m_pDlgTemplate;   // owned by m_bufTemplate
    CFont* m_pFont;                // not owned
    COLORREF m_crBG;
    int m_bShown;
    CRect m_rcExclude;             // client coordinates: a closing click here is not replayed
    CRect m_rcClient;              // (0, 0, width, height)
    CRect m_rcWindow;              // screen rectangle while shown
    long m_nTextWidth;             // 5 pixels per caption byte, plus the icon width
    long m_nItemHeight;
    int m_bKeepHot;                // the hot row survives Popup and the pointer leaving
    long m_nHotItem;
    long m_nLastHotItem;
    CVRK_WGPANEL* m_pOwnerPanel;   // kind 3; not owned
    CMenuBar* m_pOwnerMenuBar;     // kind 1; not owned
    CVRK_MENUWND* m_pParentMenu;   // kind 2; not owned
    CVRK_WG* m_pOwnerWG;           // hears OnMenuCommand; not owned
    CVRK_MENUWND* m_pChildMenu[MAX_CHILD];   // not owned
    long m_nChildCount;
    long m_nChildUnderMouse;       // open submenu under the pointer at the last move
    long m_nOpenChild;             // submenu opened from the hot row
    long m_nSubmenuRows;
    long m_nKind;
    CWGMenuItem m_Items[MAX_ITEM];
    long m_nItemCount;
    int m_bFlipped;                // placed left of the point (or of its parent)
    CDC* m_pBGDC;
    CDC* m_pIconDC;
    CDC* m_pArrowDC;
    CBitmap m_bmpBG;
    CBitmap m_bmpIcon;
    CBitmap m_bmpArrow;            // empty: the shared skin 3015 is drawn
    int m_bDCCreated;
    int m_bResized;
    int m_bIconMode;
    long m_nIconWidth;
    long m_nIconHeight;
    long m_nMarginLeft, m_nMarginTop, m_nMarginRight, m_nMarginBottom;
    long m_nLastItemCount;
    int m_bShadowPending;
    long m_nMenuID;                // position among the panel's menus, -1 unregistered
    CWG_Com_WindowShadow m_Shadow;

    // Where the application keeps the menu being shown (may be null).
    static CVRK_MENUWND** ppCommonHotMenu;

    explicit CVRK_MENUWND(CWnd* pParent = nullptr);
    virtual ~CVRK_MENUWND();

    // ---- overridables, in slot order
    // Runs the modal loop on the template, then raises event 1002.
    virtual INT_PTR DoModal();
    virtual void CreateMyBGDC();
    virtual void Popup(long x, long y);
    virtual void Popup(CPoint* pt);
    virtual void Shirk();
    // Click entry of submenus and menu-bar menus (client coordinates).
    virtual void On_Click(CPoint pt);
    // Mouse move with no flags; a parent menu forwards moves through it.
    virtual void On_MouseMove(CPoint pt);

    // ---- operations
    // Builds the rows ("----" a separator, ">" first a submenu row) and the
    // hidden window; nBitmapID (0: none) is a strip of icon cells, normal
    // left, highlighted right, one row per non-separator caption.
    int Create(CWnd* pParent, long nKind, CString* pCaptions, long nCount, UINT nBitmapID);
    int Create(CWnd* pParent, CString* pCaptions, long nCount, long nKind);
    void AddChildMenu(CVRK_MENUWND* pChild);
    // Hides this menu and every menu above it in its chain.
    void ShirkMeAndParent();
    void DrawMe();
    // The menu or one of its shown submenus holds the screen point.
    int PtInRect(CPoint ptScreen);
    void EnableButton(long nIndex, int bEnable);
    void EnableButton(long nFrom, long nTo, int bEnable);
    // The link the menu's accessible objects hold (its panel's object hands
    // one out for its open menu).
    CWGAccessSite* AccessSite();

protected:
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKillFocus(CWnd* pNewWnd);
    void OnCaptureChanged(CWnd* pWnd);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CVRK_WGPANEL* LivePanel() const;
    CVRK_MENUWND* ValidChild(long nIndex) const;
    // pMenu is this menu or lies below it in its submenus.
    BOOL Reaches(const CVRK_MENUWND* pMenu) const;
    // Forwards a click to the submenu under the pointer; FALSE when none.
    BOOL ForwardClick(CPoint pt);
    // Hides both windows and forgets the hot row (the common part of the
    // two ways of closing).
    void HideWindows();
    void ReleaseMyCapture();
    void ClearHotMenuVariable();
    void ReplayClick(DWORD dwButton);
    BOOL Outside(CPoint pt) const;

    CDlgTemplateBuffer m_bufTemplate;
    CSize m_sizeBuffer;            // size of m_bmpBG
    HWND m_hOwnerPanel;            // the panel's window as registered
    // Handlers that call out (to the owner, the panel, the application)
    // link a flag here; the destructor clears every linked flag, so a
    // handler sees that its menu died during the call.
    struct AliveLink { BOOL bAlive; AliveLink* pPrev; CVRK_MENUWND* pMenu; AliveLink(CVRK_MENUWND* p); ~AliveLink(); };
    AliveLink* m_pAlive;
    // What screen readers reach the menu through (WGAccessible.h); made at
    // the first question, disconnected when the menu dies.
    CWGAccessSite* m_pAccessSite;

    CVRK_MENUWND(const CVRK_MENUWND&) = delete;
    CVRK_MENUWND& operator=(const CVRK_MENUWND&) = delete;
};

// Gallery page "Menus": skinned popup menus. A right-click in the box opens
// a menu with icons, a disabled row, a separator and submenus three levels
// deep; the button opens the panel's own menu below it. The last chosen row
// shows in the label underneath.
#pragma once
#include "gallery_page.h"

class CGalleryMenus;

// A menu that tells the page which row was chosen; submenus report their
// clicks themselves, before the base closes the chain.
class CGalleryMenu : public CVRK_MENUWND
{
public:
    CGalleryMenus* m_pPage = nullptr;
    const char* m_pszName = "";
    virtual void On_Click(CPoint pt);
};

// The box that opens the menu on a right-click, and its menus' owner.
class CMenuPad : public CVRK_WG
{
public:
    CGalleryMenus* m_pPage = nullptr;
    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnMenuCommand(long nMenu, long nCommand);
    // Its free-standing menu never has the focus: the pad closes it on a key.
    virtual void OnKeyDown(UINT nChar);
};

class CGalleryMenus : public CGalleryPage
{
public:
    CWG_Label m_lblTitle;
    CMenuPad m_pad;
    CWG_Button m_btnPanelMenu;
    CWG_Label m_lblChosen;
    CGalleryMenu m_menuMain, m_menuRecent, m_menuMore, m_menuOlder, m_menuPanel;

    virtual const char* Name() const { return "Menus"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);
    // The picture shows the main menu open with its submenus.
    virtual void BeforeScreenshot();
    virtual void AfterScreenshot();
    // A row of a menu was chosen (-1: closed without a choice).
    void Chosen(CVRK_MENUWND* pMenu, long nRow);
    // Opens the main menu at a screen point.
    void OpenMain(CPoint ptScreen);

protected:
    virtual int Build(long x, long y);
};

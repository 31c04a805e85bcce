// Gallery page "Windows": the library's top-level windows. Message boxes
// with one button, and with three buttons and the tick box, show their
// result in the gallery's title; a second skinned dialog opens modally or
// modelessly; the layered windows, shadows and tips have a row of their own
// (BuildLayered). While the page shows, a dialog bar is docked at the
// bottom of the gallery; a button opens a frameless dialog.
#pragma once
#include "gallery_page.h"

// A small skinned dialog with two buttons: "Close" and "Change title".
class CSecondPanel : public CVRK_WGPANEL
{
public:
    CWG_Button m_btnClose;
    CWG_Button m_btnRetitle;
    long m_nRetitles = 0;

    virtual ~CSecondPanel();
    // Elements named "<strProbeName>.close" and ".retitle" for the probe.
    void Build(const CString& strProbeName);
    virtual void OnWGCommand(long nIndex, long nCode);
};

class CSecondDialog : public CVRK_DIALOG
{
public:
    CSecondPanel m_panel;
    CString m_strTitle;
    CString m_strProbeName;

    CSecondDialog(CWnd* pParent, const char* pszTitle, const char* pszProbeName);
    virtual BOOL OnInitDialog();
};

// A layered card: a rounded gradient whose alpha falls from opaque at the
// top to a third at the bottom, with a line of text.
class CGalleryCard : public CWG_LayerWindow
{
public:
    virtual void CreateLayerDC(CDC* pDC, CDC* pSkinDC, long nWidth, long nHeight);
};

// The card's composed image over a checkerboard, so that a picture of the
// page shows its alpha.
class CCardPreview : public CVRK_WG
{
public:
    CGalleryCard* m_pCard = nullptr;
    virtual void CreateMyBGDC(CDC* pDC);
};

// The frameless dialog's panel: a line of text and a "Close" button,
// framed by a 1-pixel border since the window has none.
class CFramelessPanel : public CVRK_WGPANEL
{
public:
    CWG_Label m_lblText;
    CWG_Button m_btnClose;
    CVRK_DIALOGAU* m_pOwner = nullptr;

    virtual ~CFramelessPanel();
    void Build();
    virtual void CreateMyBGDC();
    virtual void OnWGCommand(long nIndex, long nCode);
};

class CGalleryWindows;

// The dialog bar's panel: a label and a button that reports to the title.
class CBarPanel : public CVRK_WGPANEL
{
public:
    enum { HEIGHT = 32 };
    CWG_Label m_lblText;
    CWG_Button m_btnHello;
    CGalleryWindows* m_pPage = nullptr;

    virtual ~CBarPanel();
    virtual void OnWGCommand(long nIndex, long nCode);
};

class CGalleryWindows : public CGalleryPage
{
public:
    CWG_Button m_btnBoxOne, m_btnBoxThree;
    CWG_Button m_btnModal, m_btnModeless, m_btnFrameless;

    CGalleryWindows();
    virtual const char* Name() const { return "Windows"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);
    // Opens (or brings back) the frameless dialog, centred on the gallery.
    void OpenFrameless();
    void OnBarButton() { ShowInTitle("WG Gallery - the dialog bar's button was pressed"); }
    void CloseFrameless() { m_framelessPanel.OnWGCommand(m_framelessPanel.m_btnClose.m_nIndex, 5); }

protected:
    virtual int Build(long x, long y);
    virtual void OnShow(BOOL bShow);
    // The page's screenshot shows its frameless dialog open.
    virtual void BeforeScreenshot() { OpenFrameless(); }
    virtual void AfterScreenshot() { CloseFrameless(); }

private:
    CSecondDialog m_modeless;

    void OpenMessageBox(long nType);
    void OpenModal();
    void OpenModeless();
    // Layered windows, shadows and tips.
    CWG_Button m_btnFade, m_btnShadowed, m_btnTip, m_btnElementTip;
    CCardPreview m_preview;
    CGalleryCard m_card;
    CSecondDialog m_shadowed;
    CWG_Com_WindowShadow m_shadow;
    CWG_Tip m_tipPointer, m_tipElement;
    // The row of layered cards, shadows and tips, with its top-left at
    // (x, y) and the rest of the page (440 x 120) to itself; their
    // commands go to OnLayeredCommand.
    int BuildLayered(long x, long y);
    BOOL OnLayeredCommand(long nIndex, long nCode);
    // The dialog bar at the bottom of the frame and the frameless dialog.
    CVRK_WGDIALOGBAR m_bar;
    CBarPanel m_barPanel;
    CVRK_DIALOGAU m_frameless;
    CFramelessPanel m_framelessPanel;
    int BuildBar();
};

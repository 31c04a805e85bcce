// The gallery: a modal skinned dialog that shows every element of the
// library with live behaviour, and opens a second skinned dialog modally or
// modelessly. `wg_gallery --screenshot FILE.png` renders it, saves a picture
// and exits, so a machine without a screen can show it too.
// `--system-frame` shows the Vista/7 look (system caption and frame), and
// `--custom-frame` the library's own frame whatever the system.
// `--probe DIR` answers the real-input test (gallery_probe.h).
#include "wg.h"
#include "png.h"
#include "gallery_choices.h"
#include "gallery_probe.h"
#include <string.h>

namespace {

// ---- the second dialog -----------------------------------------------------------

class CSecondPanel : public CVRK_WGPANEL
{
public:
    CWG_Button m_btnClose;
    CWG_Button m_btnRetitle;
    long m_nRetitles = 0;

    virtual ~CSecondPanel() { GalleryProbe::Forget(this); }
    void Build(const CString& strProbeName)
    {
        if (m_btnClose.m_nIndex >= 0)
            return;   // a modeless dialog opened again keeps its elements
        m_btnClose.Create(this, "Close", 20, 60, 90, 19, FALSE);
        m_btnRetitle.Create(this, "Change title", 120, 60, 110, 19, FALSE);
        GalleryProbe::AddElement(strProbeName + ".close", &m_btnClose);
        GalleryProbe::AddElement(strProbeName + ".retitle", &m_btnRetitle);
    }
    virtual void OnWGCommand(long nIndex, long nCode)
    {
        if (!m_pDialog || nCode != 5)
            return;
        if (nIndex == m_btnClose.m_nIndex)
            m_pDialog->EndDialog(IDOK);
        else if (nIndex == m_btnRetitle.m_nIndex)
        {
            CString str;
            str.Format("Second dialog, title changed %ld times", ++m_nRetitles);
            m_pDialog->SetWindowTitle(str);
        }
    }
};

class CSecondDialog : public CVRK_DIALOG
{
public:
    CSecondPanel m_panel;
    CString m_strTitle;
    CString m_strProbeName;

    CSecondDialog(CWnd* pParent, const char* pszTitle, const char* pszProbeName)
        : CVRK_DIALOG(pParent), m_strTitle(pszTitle), m_strProbeName(pszProbeName)
    {
        if (m_pTemplate)
            m_pTemplate->style |= WS_SYSMENU | WS_MINIMIZEBOX;
        m_pPanel = &m_panel;
        m_rcWindow.SetRect(0, 0, 300, 150);   // centred on the gallery
    }
    virtual BOOL OnInitDialog()
    {
        BOOL b = CVRK_DIALOG::OnInitDialog();
        m_panel.Build(m_strProbeName);
        m_panel.DrawMe();
        SetWindowTitle(m_strTitle);
        return b;
    }
};

// ---- the gallery -----------------------------------------------------------------------

class CGalleryDialog;

class CGalleryPanel : public CVRK_WGPANEL
{
public:
    CWG_Button m_btnNormal, m_btnMark, m_btnTall, m_btnDisabled, m_btnWide, m_btnRound;
    CWG_Button m_btnModal, m_btnModeless;
    CGalleryChoices m_choices;
    CGalleryDialog* m_pGallery = nullptr;

    virtual void OnWGCommand(long nIndex, long nCode);

    void Build()
    {
        m_btnNormal.Create(this, "Normal", 20, 40, 90, 19, FALSE);
        m_btnMark.Create(this, "With mark", 120, 40, 90, 19, TRUE);
        m_btnTall.Create(this, "Tall (38 px)", 220, 30, 110, 38, FALSE);
        m_btnDisabled.Create(this, "Disabled", 340, 40, 90, 19, FALSE);
        m_btnDisabled.m_bEnable = FALSE;
        m_btnWide.Create(this, "A caption far wider than its button", 20, 90, 90, 19, FALSE);
        m_btnRound.Create(this, "Round corners", 120, 90, 110, 19, FALSE);
        m_btnRound.m_bRoundCorner = TRUE;
        m_btnModal.Create(this, "Open modal dialog", 20, 130, 150, 19, FALSE);
        m_btnModeless.Create(this, "Open modeless dialog", 180, 130, 150, 19, FALSE);
        m_choices.Create(this, 20, 165);
        const CVRK_WG* probed[] = { &m_btnNormal, &m_btnModal, &m_btnModeless, &m_choices.m_radSize[2],
                                    &m_choices.m_chkBold, &m_choices.m_lnkOnPress,
                                    &m_choices.m_lnkOnRelease, &m_choices.m_lblTitle };
        const char* const names[] = { "normal", "modal", "modeless", "large", "bold", "onpress",
                                      "onrelease", "choices" };
        for (int i = 0; i < (int)(sizeof(names) / sizeof(names[0])); ++i)
            GalleryProbe::AddElement(names[i], probed[i]);
    }
};

class CGalleryDialog : public CVRK_DIALOG
{
public:
    enum { WM_TAKE_SCREENSHOT = WM_APP + 1 };

    CGalleryPanel m_panel;
    CSecondDialog m_modeless;
    CString m_strScreenshot;
    BOOL m_bSaved = FALSE;
    long m_nEvents = 0;
    static CGalleryDialog* s_pGallery;

    CGalleryDialog() : CVRK_DIALOG(nullptr), m_modeless(nullptr, "Second dialog (modeless)", "modeless")
    {
        if (m_pTemplate)
            m_pTemplate->style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
        m_pPanel = &m_panel;
        m_panel.m_pGallery = this;
        m_rcWindow.SetRect(40, 40, 40 + 488, 40 + 333);   // client 480 x 300
        s_pGallery = this;
        CVRK_WG::GetEventCenter().SetEventProc(OnLibraryEvent);
    }
    virtual ~CGalleryDialog()
    {
        CVRK_WG::GetEventCenter().SetEventProc(nullptr);
        s_pGallery = nullptr;
    }

    void OpenModal()
    {
        CSecondDialog dlg(this, "Second dialog (modal)", "modal");
        dlg.DoModal();
    }
    void OpenModeless()
    {
        if (!m_modeless.m_hWnd && !m_modeless.Create(this))
            return;
        m_modeless.ShowWindow(SW_SHOW);
        m_modeless.SetForegroundWindow();
    }

    // The event center reports every modal run that ends; the gallery shows
    // it in its title so the callback can be seen to fire.
    static void CALLBACK OnLibraryEvent(UINT nMsg, UINT wParam, LPARAM lParam)
    {
        CGalleryDialog* p = s_pGallery;
        if (!p || !p->m_hWnd || nMsg != 1002 || lParam == (LPARAM)p)
            return;
        CString str;
        str.Format("WG Gallery - event %u #%ld: a modal dialog returned", nMsg, ++p->m_nEvents);
        p->SetWindowTitle(str);
    }

protected:
    virtual BOOL OnInitDialog()
    {
        BOOL b = CVRK_DIALOG::OnInitDialog();
        m_panel.Build();
        m_panel.DrawMe();
        SetWindowTitle("WG Gallery");
        if (!m_strScreenshot.IsEmpty())
            PostMessage(WM_TAKE_SCREENSHOT);
        return b;
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_TAKE_SCREENSHOT)
        {
            TakeScreenshot();
            return 0;
        }
        return CVRK_DIALOG::WindowProc(message, wParam, lParam);
    }

private:
    void TakeScreenshot()
    {
        // Every window painted, frame included, before the picture.
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        MSG msg;
        for (int i = 0; i < 20; ++i)
        {
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                AfxPumpMessage(&msg);
            ::Sleep(25);
        }
        m_bSaved = SaveWindowPng(m_hWnd, m_strScreenshot);
        EndDialog(m_bSaved ? IDOK : IDABORT);
    }
};

CGalleryDialog* CGalleryDialog::s_pGallery = nullptr;

void CGalleryPanel::OnWGCommand(long nIndex, long nCode)
{
    if (m_choices.OnWGCommand(nIndex, nCode))
        return;
    if (nCode == 5 && m_pGallery && nIndex == m_btnModal.m_nIndex)
    {
        m_pGallery->OpenModal();
        return;
    }
    if (nCode == 5 && m_pGallery && nIndex == m_btnModeless.m_nIndex)
    {
        m_pGallery->OpenModeless();
        return;
    }
    static const char* const names[] = { "Normal", "With mark", "Tall", "Disabled", "Wide", "Round corners" };
    if (nIndex < 0 || nIndex >= (long)(sizeof(names) / sizeof(names[0])) || !m_pGallery)
        return;
    CString strTitle;
    strTitle.Format("WG Gallery - pressed: %s (code %ld)", names[nIndex], nCode);
    m_pGallery->SetWindowTitle(strTitle);
}

// The value after a switch of the command line ("--switch VALUE", quotes
// allowed, up to the next " --"); empty when the switch is absent.
CString SwitchValue(const char* pszCmd, const char* pszSwitch)
{
    const char* p = strstr(pszCmd, pszSwitch);
    if (!p)
        return CString();
    p += strlen(pszSwitch);
    while (*p == ' ' || *p == '"')
        ++p;
    CString str = p;
    int nEnd = str.Find(" --");
    if (nEnd >= 0)
        str = str.Left(nEnd);
    str.TrimRight(" \"");
    return str;
}

class CGalleryApp : public CWinApp
{
public:
    int m_nExitCode = 0;

    virtual BOOL InitInstance()
    {
        const char* pszCmd = m_lpCmdLine ? m_lpCmdLine : "";
        if (strstr(pszCmd, "--system-frame"))
            WGSetVersionCode(WG_OS_WIN7);
        else if (strstr(pszCmd, "--custom-frame"))
            WGSetVersionCode(WG_OS_OTHER);

        CGalleryDialog dlg;
        dlg.m_strScreenshot = SwitchValue(pszCmd, "--screenshot");
        const CString strProbe = SwitchValue(pszCmd, "--probe");
        if (!strProbe.IsEmpty())
            GalleryProbe::Start(strProbe, &dlg.m_panel.m_choices.m_lblSummary.m_strCaption);
        INT_PTR nResult = dlg.DoModal();
        if (!dlg.m_strScreenshot.IsEmpty())
            m_nExitCode = dlg.m_bSaved ? 0 : 1;
        else
            m_nExitCode = nResult == -1 ? 1 : 0;
        // A dialog application: the modal run was the whole program.
        return FALSE;
    }
    virtual int ExitInstance() { return m_nExitCode; }
};

CGalleryApp theApp;

} // namespace

// The gallery: a modal skinned dialog that shows every element and window of
// the library with live behaviour, one page per family, chosen in the column
// down its left side. `wg_gallery --screenshot FILE.png` renders every page,
// saves FILE-<page>.png for each and FILE.png for the first, and exits, so a
// machine without a screen can show it too.
// `--system-frame` shows the Vista/7 look (system caption and frame), and
// `--custom-frame` the library's own frame whatever the system.
// `--probe DIR` answers the real-input test (gallery_probe.h).
#include "wg.h"
#include "png.h"
#include "gallery_buttons.h"
#include "gallery_choices.h"
#include "gallery_windows.h"
#include "gallery_text.h"
#include "gallery_probe.h"
#include <string.h>

namespace {

// ---- the gallery -----------------------------------------------------------------------

class CGalleryPanel : public CVRK_WGPANEL
{
public:
    // The page column down the left side, its separator and the pages' area.
    enum { NAV_X = 12, NAV_Y = 20, NAV_W = 80, NAV_H = 20, NAV_STEP = 26, SEPARATOR_X = 100, PAGE_X = 120, PAGE_Y = 30 };
    enum { PAGES = 4 };

    CGalleryButtons m_buttons;
    CGalleryChoices m_choices;
    CGalleryWindows m_windows;
    CGalleryText m_text;
    CGalleryPage* const m_pages[PAGES] = { &m_buttons, &m_choices, &m_windows, &m_text };
    CWG_LabelButton m_lnkPage[PAGES];
    int m_nPage = -1;

    void Build()
    {
        for (int i = 0; i < PAGES; ++i)
        {
            m_lnkPage[i].Create(this, m_pages[i]->Name(), NAV_X, NAV_Y + NAV_STEP * i, NAV_W, NAV_H);
            CString strProbe = m_pages[i]->Name();
            strProbe.MakeLower();
            GalleryProbe::AddElement("page." + strProbe, &m_lnkPage[i]);
            m_pages[i]->Create(this, PAGE_X, PAGE_Y);
        }
        ShowPage(0, FALSE);
    }

    // Shows page n alone; the chosen name is drawn plain in the hot colour,
    // the others as links.
    void ShowPage(int n, BOOL bRepaint)
    {
        m_nPage = n;
        for (int i = 0; i < PAGES; ++i)
        {
            m_pages[i]->Show(i == n);
            m_lnkPage[i].m_crNormal = i == n ? CR_CHOSEN : m_lnkPage[i].m_crText;
            m_lnkPage[i].m_bNormalUnderline = i != n;
        }
        if (bRepaint)
            DrawMe();
    }

    virtual void CreateMyBGDC()
    {
        CVRK_WGPANEL::CreateMyBGDC();
        CDCSelect sel(m_pBGDC, &m_bmpBG);
        m_pBGDC->FillSolidRect(SEPARATOR_X, 10, 1, m_rcClient.Height() - 20, WG_CR_BORDER);
    }

    virtual void OnWGCommand(long nIndex, long nCode)
    {
        for (int i = 0; i < PAGES; ++i)
            if (nIndex == m_lnkPage[i].m_nIndex)
            {
                ShowPage(i, TRUE);
                return;
            }
        for (CGalleryPage* p : m_pages)
            if (p->Owns(nIndex))
            {
                p->OnWGCommand(nIndex, nCode);
                return;
            }
    }

private:
    enum : COLORREF { CR_CHOSEN = 0x88461A };
};

class CGalleryDialog : public CVRK_DIALOG
{
public:
    enum { WM_TAKE_SCREENSHOT = WM_APP + 1 };

    CGalleryPanel m_panel;
    CString m_strScreenshot;
    BOOL m_bSaved = FALSE;
    long m_nEvents = 0;
    static CGalleryDialog* s_pGallery;

    CGalleryDialog() : CVRK_DIALOG(nullptr)
    {
        if (m_pTemplate)
            m_pTemplate->style |= WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
        m_pPanel = &m_panel;
        m_rcWindow.SetRect(40, 40, 40 + 588, 40 + 333);   // client 580 x 300
        s_pGallery = this;
        CVRK_WG::GetEventCenter().SetEventProc(OnLibraryEvent);
    }
    virtual ~CGalleryDialog()
    {
        CVRK_WG::GetEventCenter().SetEventProc(nullptr);
        s_pGallery = nullptr;
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
            TakeScreenshots();
            return 0;
        }
        return CVRK_DIALOG::WindowProc(message, wParam, lParam);
    }

private:
    // FILE.png: the first page; FILE-<page>.png: every page, name in lower case.
    void TakeScreenshots()
    {
        CString strBase = m_strScreenshot;
        if (strBase.GetLength() > 4 && strBase.Right(4).CompareNoCase(".png") == 0)
            strBase = strBase.Left(strBase.GetLength() - 4);
        m_bSaved = TRUE;
        for (int i = CGalleryPanel::PAGES; i-- > 0;)
        {
            m_panel.ShowPage(i, TRUE);
            CString strPage = m_panel.m_pages[i]->Name();
            strPage.MakeLower();
            m_panel.m_pages[i]->BeforeScreenshot();
            m_bSaved &= SaveScreenshot(strBase + "-" + strPage + ".png");
            m_panel.m_pages[i]->AfterScreenshot();
        }
        m_bSaved &= SaveScreenshot(m_strScreenshot);   // the first page is showing
        EndDialog(m_bSaved ? IDOK : IDABORT);
    }
    BOOL SaveScreenshot(const CString& strFile)
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
        return SaveWindowPng(m_hWnd, strFile);
    }
};

CGalleryDialog* CGalleryDialog::s_pGallery = nullptr;

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

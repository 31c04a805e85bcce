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
#include "gallery_lists.h"
#include "gallery_menus.h"
#include "gallery_text.h"
#include "gallery_busy.h"
#include "gallery_probe.h"
#include <string.h>
#include <algorithm>
#include <vector>

namespace {

// ---- the gallery -----------------------------------------------------------------------

class CGalleryPanel : public CVRK_WGPANEL
{
public:
    // The page column down the left side, its separator and the pages' area.
    enum { NAV_X = 12, NAV_Y = 20, NAV_W = 80, NAV_H = 20, NAV_STEP = 26, SEPARATOR_X = 100, PAGE_X = 120, PAGE_Y = 30 };
    enum { PAGES = 7 };

    CGalleryButtons m_buttons;
    CGalleryChoices m_choices;
    CGalleryWindows m_windows;
    CGalleryMenus m_menus;
    CGalleryText m_text;
    CGalleryLists m_lists;
    CGalleryBusy m_busy;
    CGalleryPage* const m_pages[PAGES] = { &m_buttons, &m_choices, &m_windows, &m_menus, &m_text, &m_lists, &m_busy };
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

// A row of a menu on the gallery's menu bar: the bar reports no row, so
// the menu tells the frame which row was clicked before it closes.
class CGalleryFrame;
class CGalleryMenu : public CVRK_MENUWND
{
public:
    CGalleryFrame* m_pFrame = nullptr;
    long m_nMenu = 0;
    virtual void On_Click(CPoint pt);
};

class CGalleryFrame : public CVRK_FRAMEWND
{
    DECLARE_DYNCREATE(CGalleryFrame)
public:
    enum { WM_TAKE_SCREENSHOT = WM_APP + 1 };
    enum { MENU_PAGES, MENU_HELP };

    CGalleryPanel m_panel;
    CMenuBar m_bar;
    CGalleryMenu m_menuPages, m_menuHelp;
    CString m_strScreenshot;
    BOOL* m_pbSaved = nullptr;   // the application's: the frame is gone when it ends
    long m_nEvents = 0;
    static CGalleryFrame* s_pGallery;

    CGalleryFrame()
    {
        s_pGallery = this;
        CVRK_WG::GetEventCenter().SetEventProc(OnLibraryEvent);
    }
    virtual ~CGalleryFrame()
    {
        CVRK_WG::GetEventCenter().SetEventProc(nullptr);
        s_pGallery = nullptr;
    }

    // The event center reports every modal run that ends; the gallery shows
    // it in its title so the callback can be seen to fire.
    static void CALLBACK OnLibraryEvent(UINT nMsg, UINT wParam, LPARAM lParam)
    {
        CGalleryFrame* p = s_pGallery;
        if (!p || !p->m_hWnd || nMsg != 1002)
            return;
        CString str;
        str.Format("WG Gallery - event %u #%ld: a modal dialog returned", nMsg, ++p->m_nEvents);
        p->SetWindowTitle(str);
    }

    // Row nRow of menu nMenu was clicked.
    void OnMenuRow(long nMenu, long nRow)
    {
        if (nMenu == MENU_PAGES && nRow >= 0 && nRow < CGalleryPanel::PAGES)
            m_panel.ShowPage(nRow, TRUE);
        else if (nMenu == MENU_HELP && nRow == 0)
        {
            CWG_Dlg_MsgBox box(this);
            box.DoModal("WG Gallery: every element, window and menu of the library.", "About", CWG_Dlg_MsgBox::TYPE_OK,
                        "", 0);
        }
    }

    // Screenshots are taken once the frame is shown.
    void StartScreenshots() { PostMessage(WM_TAKE_SCREENSHOT); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CVRK_FRAMEWND::OnCreate(lpCreateStruct) == -1)
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        if (m_bar.Create(this, CBRS_TOP) != 1 || !BuildMenus())
            return -1;
        m_bar.EnableDocking(CBRS_ALIGN_TOP);
        DockControlBar(&m_bar, AFX_IDW_DOCKBAR_TOP);
        // The panel is the frame's pane: the layout gives it what the bars leave.
        if (!m_panel.Create(static_cast<CWnd*>(this)))
            return -1;
        ::SetWindowLongPtrA(m_panel.m_hWnd, GWLP_ID, AFX_IDW_PANE_FIRST);
        m_panel.Build();
        RecalcLayout();
        SetWindowTitle("WG Gallery");
        return 0;
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_TAKE_SCREENSHOT)
        {
            TakeScreenshots();
            return 0;
        }
        return CVRK_FRAMEWND::WindowProc(message, wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()

private:
    BOOL BuildMenus()
    {
        CString pages[CGalleryPanel::PAGES];
        for (int i = 0; i < CGalleryPanel::PAGES; ++i)
            pages[i] = m_panel.m_pages[i]->Name();
        CString help[] = { "About the gallery" };
        m_menuPages.m_nMenu = MENU_PAGES;
        m_menuHelp.m_nMenu = MENU_HELP;
        m_menuPages.m_pFrame = m_menuHelp.m_pFrame = this;
        if (!m_menuPages.Create(&m_bar, CVRK_MENUWND::KIND_MENUBAR, pages, CGalleryPanel::PAGES, 0) ||
            !m_menuHelp.Create(&m_bar, CVRK_MENUWND::KIND_MENUBAR, help, 1, 0))
            return FALSE;
        m_bar.AppendMenuCpt("Pages", &m_menuPages);
        m_bar.AppendMenuCpt("Help", &m_menuHelp);
        return TRUE;
    }

    // FILE.png: the first page with its "Pages" menu down; FILE-<page>.png:
    // every page, name in lower case.
    void TakeScreenshots()
    {
        CString strBase = m_strScreenshot;
        if (strBase.GetLength() > 4 && strBase.Right(4).CompareNoCase(".png") == 0)
            strBase = strBase.Left(strBase.GetLength() - 4);
        BOOL bSaved = TRUE;
        for (int i = CGalleryPanel::PAGES; i-- > 0;)
        {
            m_panel.ShowPage(i, TRUE);
            CString strPage = m_panel.m_pages[i]->Name();
            strPage.MakeLower();
            m_panel.m_pages[i]->BeforeScreenshot();
            bSaved &= SaveScreenshot(strBase + "-" + strPage + ".png");
            m_panel.m_pages[i]->AfterScreenshot();
        }
        // The pointer lights the "Pages" caption and a click drops its menu.
        const CWGMenuBarItem& item = m_bar.m_pMenuPanel->m_Items[MENU_PAGES];
        const LPARAM lCaption = MAKELPARAM((item.m_nLeft + item.m_nRight) / 2, 12);
        m_bar.m_pMenuPanel->SendMessage(WM_MOUSEMOVE, 0, lCaption);
        m_bar.m_pMenuPanel->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lCaption);
        bSaved &= SaveScreenshot(m_strScreenshot);   // the first page is showing
        m_bar.ReleaseMenu();
        if (m_pbSaved)
            *m_pbSaved = bSaved;
        DestroyWindow();
    }
    // The drop shadows shown now (menus', the layered card's) are blended
    // into the picture from their own images as Windows would show them: a
    // screen without a compositor shows their translucent pixels black.
    BOOL SaveScreenshot(const CString& strFile)
    {
        // Every shown shadow of this program, top of the z-order first.
        std::vector<CWG_Com_WindowShadow*> shadows;
        const DWORD dwThread = ::GetCurrentThreadId();
        for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT))
            if (::GetWindowThreadProcessId(h, nullptr) == dwThread && ::IsWindowVisible(h))
                if (auto* p = dynamic_cast<CWG_Com_WindowShadow*>(CWnd::FromHandlePermanent(h)))
                    shadows.push_back(p);
        for (CWG_Com_WindowShadow* p : shadows)
            ::ShowWindow(p->m_hWnd, SW_HIDE);
        // Every window painted, frame included, before the picture.
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        MSG msg;
        for (int i = 0; i < 20; ++i)
        {
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                AfxPumpMessage(&msg);
            ::Sleep(25);
        }
        CRect rc;
        GetWindowRect(&rc);
        HDC hScreen = ::GetDC(nullptr);
        std::vector<DWORD> pixels = CopyPixels(hScreen, rc.left, rc.top, rc.Width(), rc.Height());
        ::ReleaseDC(nullptr, hScreen);
        // Bottom shadow first; each leaves alone what its owner and the
        // windows above it (the owners of the shadows above) cover.
        std::vector<CRect> covered(shadows.size());
        for (size_t i = 0; i < shadows.size(); ++i)
            ::GetWindowRect(shadows[i]->OwnerHandle(), &covered[i]);
        for (size_t i = shadows.size(); i-- > 0;)
        {
            BlendShadow(pixels, rc, *shadows[i], std::vector<CRect>(covered.begin(), covered.begin() + i + 1));
            ::ShowWindow(shadows[i]->m_hWnd, SW_SHOWNA);
        }
        return SavePixelsPng(pixels, rc.Width(), rc.Height(), strFile);
    }
    static void BlendShadow(std::vector<DWORD>& pixels, const CRect& rc, CWG_Com_WindowShadow& layer,
                            const std::vector<CRect>& covered)
    {
        CWGPixels32 px;
        CRect rcLayer;
        layer.GetWindowRect(&rcLayer);
        if (pixels.empty() || !px.Attach((HBITMAP)layer.m_bmpLayer.m_hObject))
            return;
        for (long y = std::max(rc.top, rcLayer.top); y < std::min(rc.bottom, rcLayer.bottom); ++y)
            for (long x = std::max(rc.left, rcLayer.left); x < std::min(rc.right, rcLayer.right); ++x)
            {
                if (std::any_of(covered.begin(), covered.end(), [&](const CRect& r) { return r.PtInRect(CPoint(x, y)); }))
                    continue;
                const DWORD c = px.Row(y - rcLayer.top)[x - rcLayer.left], ca = layer.m_blend.SourceConstantAlpha;
                const DWORD a = (c >> 24) * ca / 255;
                DWORD& dst = pixels[(size_t)(y - rc.top) * rc.Width() + (x - rc.left)];
                DWORD out = 0;
                for (int k = 0; k < 24; k += 8)
                    out |= std::min<DWORD>(255, ((c >> k) & 0xff) * ca / 255 + ((dst >> k) & 0xff) * (255 - a) / 255) << k;
                dst = out;
            }
    }
};

IMPLEMENT_DYNCREATE(CGalleryFrame, CVRK_FRAMEWND)
BEGIN_MESSAGE_MAP(CGalleryFrame, CVRK_FRAMEWND)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CGalleryFrame* CGalleryFrame::s_pGallery = nullptr;

void CGalleryMenu::On_Click(CPoint pt)
{
    const long nRow = m_nHotItem;
    CVRK_MENUWND::On_Click(pt);
    if (m_pFrame)
        m_pFrame->OnMenuRow(m_nMenu, nRow);
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
    CString m_strScreenshot;
    BOOL m_bSaved = FALSE;

    virtual BOOL InitInstance()
    {
        const char* pszCmd = m_lpCmdLine ? m_lpCmdLine : "";
        if (strstr(pszCmd, "--system-frame"))
            WGSetVersionCode(WG_OS_WIN7);
        else if (strstr(pszCmd, "--custom-frame"))
            WGSetVersionCode(WG_OS_OTHER);

        // The frame deletes itself with its window; the message loop ends
        // with it (it is the main window).
        CGalleryFrame* pFrame = static_cast<CGalleryFrame*>(RUNTIME_CLASS(CGalleryFrame)->CreateObject());
        m_strScreenshot = SwitchValue(pszCmd, "--screenshot");
        pFrame->m_strScreenshot = m_strScreenshot;
        const CString strProbe = SwitchValue(pszCmd, "--probe");
        if (!strProbe.IsEmpty())
            GalleryProbe::Start(strProbe, &pFrame->m_panel.m_choices.m_lblSummary.m_strCaption);
        if (!pFrame->Create(nullptr, "WG Gallery"))
        {
            m_nExitCode = 1;
            return FALSE;
        }
        // Client 580 x 300 below the 25-pixel menu bar.
        pFrame->SetWindowPos(nullptr, 40, 40, 580 + 2 * CVRK_FRAMEWND::BORDER,
                             300 + CMenuBarWGP::BAR_HEIGHT + CVRK_FRAMEWND::TITLE_HEIGHT + CVRK_FRAMEWND::BORDER,
                             SWP_NOZORDER);
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        if (!m_strScreenshot.IsEmpty())
        {
            pFrame->m_pbSaved = &m_bSaved;
            pFrame->StartScreenshots();
        }
        return TRUE;
    }
    virtual int ExitInstance()
    {
        if (!m_strScreenshot.IsEmpty())
            m_nExitCode = m_bSaved ? 0 : 1;
        return m_nExitCode;
    }
};

CGalleryApp theApp;

} // namespace

// The style center: window classes, default font, modal-dialog stack.
#include "wgtest.h"

using namespace wgtest;

namespace {

TEST(StyleCenter, RegistersTheDialogFamilyClassesAtLoad)
{
    const char* names[] = { "Vantrel WG Dialog 1.0", "Vantrel WG Tip 1.0",
                            "Vantrel WG Frame Dialog 1.0", "Vantrel WG Menu 1.0" };
    WNDCLASSA dlg = {};
    ASSERT_TRUE(::GetClassInfoA(nullptr, "#32770", &dlg));
    for (const char* name : names)
    {
        WNDCLASSA wc = {};
        ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), name, &wc)) << name;
        EXPECT_EQ(dlg.lpfnWndProc, wc.lpfnWndProc) << name;
        EXPECT_EQ(dlg.cbWndExtra, wc.cbWndExtra) << name;
    }
    CWGStyleCenter& sc = CVRK_WG::GetStyleCenter();
    EXPECT_STREQ("Vantrel WG Dialog 1.0", sc.GetWGDialogCalss()->lpszClassName);
    EXPECT_STREQ("Vantrel WG Menu 1.0", sc.GetWGMenuCalss()->lpszClassName);
    EXPECT_EQ(nullptr, sc.GetWGToolBarCalss()->lpszClassName);
    EXPECT_EQ(nullptr, sc.GetWGMenuBarCalss()->lpszClassName);
}

TEST(StyleCenter, PanelClassIsACopyOfTheFrameworkWindowClass)
{
    HostWindow& host = SharedHost();
    CVRK_WGPANEL panel;
    ASSERT_TRUE(panel.Create(&host));
    char szClass[64] = "";
    ::GetClassNameA(panel.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("Vantrel WG Panel 1.0", szClass);
    WNDCLASSA afx = {}, wg = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "AfxWnd42", &afx));
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "Vantrel WG Panel 1.0", &wg));
    EXPECT_EQ(afx.style, wg.style);
    EXPECT_TRUE(wg.style & CS_DBLCLKS);
    // Attached before its first message and covering the parent's client area.
    EXPECT_EQ(&panel, CWnd::FromHandlePermanent(panel.m_hWnd));
    CRect rcHost, rcPanel;
    host.GetClientRect(&rcHost);
    panel.GetClientRect(&rcPanel);
    EXPECT_EQ(rcHost, rcPanel);
    EXPECT_EQ(WS_CHILD | WS_VISIBLE, panel.GetStyle() & (WS_CHILD | WS_VISIBLE));
    panel.DestroyWindow();
}

TEST(StyleCenter, DefaultFontIsExactlyAsSpecifiedForGbkText)
{
    LOGFONTA lf = {};
    ASSERT_TRUE(CVRK_WG::GetStyleCenter().GetDefaultFont()->GetLogFont(&lf));
    EXPECT_EQ(12, lf.lfHeight);
    EXPECT_EQ(0, lf.lfWidth);
    EXPECT_EQ(1, lf.lfWeight);
    EXPECT_EQ(0, lf.lfItalic);
    EXPECT_EQ(ANSI_CHARSET, lf.lfCharSet);
    EXPECT_EQ(OUT_STRING_PRECIS, lf.lfOutPrecision);
    EXPECT_EQ(CLIP_CHARACTER_PRECIS, lf.lfClipPrecision);
    EXPECT_EQ(PROOF_QUALITY, lf.lfQuality);
    EXPECT_EQ(0x50, lf.lfPitchAndFamily);
    EXPECT_STREQ("\xD0\xC2\xCB\xCE\xCC\xE5", lf.lfFaceName);
    // Elements and panels start with it.
    CVRK_WG wg;
    EXPECT_EQ(CVRK_WG::GetStyleCenter().GetDefaultFont(), wg.m_pFont);
}

TEST(StyleCenter, ModalStackGrowsBy255AndKeepsOrder)
{
    CWGStyleCenter sc;
    std::vector<CDialog> dlgs(256);
    EXPECT_EQ(0, sc.GetModalCapacity());
    for (int i = 0; i < 255; ++i)
        sc.AddAnDomodalDialog(&dlgs[i]);
    EXPECT_EQ(255, sc.GetModalCapacity());
    sc.AddAnDomodalDialog(&dlgs[255]);
    EXPECT_EQ(510, sc.GetModalCapacity());
    EXPECT_EQ(256, sc.GetCounOfDomodalDlg());
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(&dlgs[i], sc.GetModalDialog(i)) << i;
    EXPECT_EQ(nullptr, sc.GetModalDialog(256));
    EXPECT_EQ(nullptr, sc.GetModalDialog(-1));
}

TEST(StyleCenter, DeleteRemovesTheTopmostOccurrenceOnly)
{
    CWGStyleCenter sc;
    CDialog a, b;
    EXPECT_EQ(0, sc.DeleteAnDomodalDialog(&a));   // empty stack
    sc.AddAnDomodalDialog(&a);
    sc.AddAnDomodalDialog(&b);
    sc.AddAnDomodalDialog(&a);
    EXPECT_EQ(1, sc.DeleteAnDomodalDialog(&a));
    ASSERT_EQ(2, sc.GetCounOfDomodalDlg());
    EXPECT_EQ(&a, sc.GetModalDialog(0));
    EXPECT_EQ(&b, sc.GetModalDialog(1));
    EXPECT_EQ(1, sc.DeleteAnDomodalDialog(&a));
    EXPECT_EQ(&b, sc.GetModalDialog(0));
    EXPECT_EQ(0, sc.DeleteAnDomodalDialog(&a));
    EXPECT_EQ(1, sc.GetCounOfDomodalDlg());
}

TEST(StyleCenter, CloseAfterEndsOnlyNewerDialogsAndLeavesThemRegistered)
{
    CWGStyleCenter sc;
    CDialog a, b, c, stranger;
    sc.AddAnDomodalDialog(&a);
    sc.AddAnDomodalDialog(&b);
    sc.AddAnDomodalDialog(&c);
    EXPECT_EQ(1, sc.CloseDialogAfterTheDialog(&a));
    EXPECT_EQ(-1, a.m_nModalResult);
    EXPECT_EQ(IDCANCEL, b.m_nModalResult);
    EXPECT_EQ(IDCANCEL, c.m_nModalResult);
    EXPECT_EQ(3, sc.GetCounOfDomodalDlg());

    CDialog d, e;
    CWGStyleCenter sc2;
    sc2.AddAnDomodalDialog(&d);
    sc2.AddAnDomodalDialog(&e);
    EXPECT_EQ(1, sc2.CloseDialogAfterTheDialog(&e));   // topmost: nothing newer
    EXPECT_EQ(-1, e.m_nModalResult);
    EXPECT_EQ(-1, d.m_nModalResult);
    EXPECT_EQ(0, sc2.CloseDialogAfterTheDialog(&stranger));
    EXPECT_EQ(-1, d.m_nModalResult);
    EXPECT_EQ(1, sc2.CloseDialogAfterTheDialog(nullptr));
    EXPECT_EQ(IDCANCEL, d.m_nModalResult);
    EXPECT_EQ(IDCANCEL, e.m_nModalResult);
    CWGStyleCenter empty;
    EXPECT_EQ(1, empty.CloseDialogAfterTheDialog(nullptr));
}

TEST(StyleCenter, SkinBitmapsAreFoundThroughTheResourceChainWithTheirSizes)
{
    struct { UINT id; int w, h, bpp; } skins[] = {
        { 3001, 45, 42, 24 }, { 3002, 300, 58, 24 }, { 3003, 10, 37, 24 }, { 3004, 28, 68, 24 },
        { 3005, 9, 6, 24 }, { 3006, 36, 18, 24 }, { 3007, 21, 22, 24 }, { 3008, 17, 47, 24 },
        { 3009, 249, 77, 24 }, { 3010, 51, 42, 24 }, { 3011, 17, 121, 24 }, { 3012, 15, 41, 24 },
        { 3013, 17, 17, 32 }, { 3014, 2, 25, 24 }, { 3015, 10, 9, 24 }, { 3018, 17, 28, 32 },
    };
    // The application itself has none of them: the library's module answers.
    EXPECT_NE(AfxGetInstanceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(3003), RT_BITMAP));
    for (const auto& s : skins)
    {
        HINSTANCE h = AfxFindResourceHandle(MAKEINTRESOURCEA(s.id), RT_BITMAP);
        HBITMAP hbm = (HBITMAP)::LoadImageA(h, MAKEINTRESOURCEA(s.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(nullptr, hbm) << s.id;
        BITMAP bm = {};
        ::GetObjectA(hbm, sizeof(bm), &bm);
        EXPECT_EQ(s.w, bm.bmWidth) << s.id;
        EXPECT_EQ(s.h, bm.bmHeight) << s.id;
        EXPECT_EQ(s.bpp, bm.bmBitsPixel) << s.id;
        ::DeleteObject(hbm);
    }
    HINSTANCE hIcon = AfxFindResourceHandle(MAKEINTRESOURCEA(3017), RT_GROUP_ICON);
    EXPECT_NE(nullptr, ::LoadIconA(hIcon, MAKEINTRESOURCEA(3017)));
}

TEST(StyleCenter, VersionRecordNamesTheProduct)
{
    HMODULE h = ::GetModuleHandleA("wg.dll");
    ASSERT_NE(nullptr, h);
    char szPath[MAX_PATH];
    ::GetModuleFileNameA(h, szPath, MAX_PATH);
    DWORD dwHandle = 0, n = ::GetFileVersionInfoSizeA(szPath, &dwHandle);
    ASSERT_GT(n, 0u);
    std::vector<char> data(n);
    ASSERT_TRUE(::GetFileVersionInfoA(szPath, 0, n, data.data()));
    VS_FIXEDFILEINFO* pInfo = nullptr;
    UINT len = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", (void**)&pInfo, &len));
    EXPECT_EQ(MAKELONG(0, 1), (LONG)pInfo->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(1, 0), (LONG)pInfo->dwFileVersionLS);
    char* pName = nullptr;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\StringFileInfo\\080404b0\\ProductName", (void**)&pName, &len));
    EXPECT_STREQ("Tessel_WG", pName);
}

} // namespace

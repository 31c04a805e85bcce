// The style center: window classes, the modal-dialog stack, and the
// library's resources.
#include "wgtest.h"

using namespace wgtest;

namespace {

TEST(StyleCenter, WindowClassesOfTheDialogFamilyAndThePanel)
{
    WNDCLASSA dlg = {};
    ASSERT_TRUE(::GetClassInfoA(nullptr, "#32770", &dlg));
    for (const char* name : { "Vantrel WG Dialog 1.0", "Vantrel WG Tip 1.0", "Vantrel WG Frame Dialog 1.0",
                              "Vantrel WG Menu 1.0" })
    {
        WNDCLASSA wc = {};
        ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), name, &wc)) << name;
        EXPECT_EQ(dlg.lpfnWndProc, wc.lpfnWndProc) << name;
        EXPECT_EQ(dlg.cbWndExtra, wc.cbWndExtra) << name;
    }
    // The panel's class: attached at creation, covering its parent.
    HostWindow& host = SharedHost();
    CVRK_WGPANEL panel;
    ASSERT_TRUE(panel.Create(&host));
    char szClass[64] = "";
    ::GetClassNameA(panel.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("Vantrel WG Panel 1.0", szClass);
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), szClass, &wc));
    EXPECT_TRUE(wc.style & CS_DBLCLKS);   // double-clicks reach the elements
    EXPECT_EQ(&panel, CWnd::FromHandlePermanent(panel.m_hWnd));
    CRect rcHost, rcPanel;
    host.GetClientRect(&rcHost);
    panel.GetClientRect(&rcPanel);
    EXPECT_EQ(rcHost, rcPanel);
    panel.DestroyWindow();
}

TEST(StyleCenter, ModalStackGrowsPast255KeepsOrderAndDeletesTheTopmost)
{
    CWGStyleCenter sc;
    std::vector<CDialog> dlgs(256);
    for (auto& d : dlgs)
        sc.AddAnDomodalDialog(&d);
    EXPECT_EQ(510, sc.GetModalCapacity());
    EXPECT_EQ(256, sc.GetCounOfDomodalDlg());
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(&dlgs[i], sc.GetModalDialog(i)) << i;
    EXPECT_EQ(nullptr, sc.GetModalDialog(256));
    EXPECT_EQ(nullptr, sc.GetModalDialog(-1));
    // Delete removes the topmost occurrence only.
    CWGStyleCenter sc2;
    CDialog a, b;
    EXPECT_EQ(0, sc2.DeleteAnDomodalDialog(&a));   // empty stack
    for (CDialog* p : { &a, &b, &a })
        sc2.AddAnDomodalDialog(p);
    EXPECT_EQ(1, sc2.DeleteAnDomodalDialog(&a));
    EXPECT_EQ(1, sc2.DeleteAnDomodalDialog(&a));
    EXPECT_EQ(0, sc2.DeleteAnDomodalDialog(&a));
    ASSERT_EQ(1, sc2.GetCounOfDomodalDlg());
    EXPECT_EQ(&b, sc2.GetModalDialog(0));
}

TEST(StyleCenter, CloseAfterEndsOnlyNewerDialogsAndLeavesThemRegistered)
{
    CWGStyleCenter sc;
    CDialog a, b, c, stranger;
    for (CDialog* p : { &a, &b, &c })
        sc.AddAnDomodalDialog(p);
    auto results = [&] { return Fmt("%d %d %d", a.m_nModalResult, b.m_nModalResult, c.m_nModalResult); };
    EXPECT_EQ(1, sc.CloseDialogAfterTheDialog(&c));   // topmost: nothing newer
    EXPECT_EQ(0, sc.CloseDialogAfterTheDialog(&stranger));
    EXPECT_EQ("-1 -1 -1", results());
    EXPECT_EQ(1, sc.CloseDialogAfterTheDialog(&a));
    EXPECT_EQ("-1 2 2", results());
    EXPECT_EQ(3, sc.GetCounOfDomodalDlg());
    EXPECT_EQ(1, sc.CloseDialogAfterTheDialog(nullptr));   // null: all of them
    EXPECT_EQ("2 2 2", results());
}

TEST(StyleCenter, SkinsAndTheVersionRecordComeFromTheLibrary)
{
    // The application has no skins: the resource chain finds the library's.
    EXPECT_NE(AfxGetInstanceHandle(), AfxFindResourceHandle(MAKEINTRESOURCEA(3003), RT_BITMAP));
    char szPath[MAX_PATH];
    ::GetModuleFileNameA(::GetModuleHandleA("wg.dll"), szPath, MAX_PATH);
    DWORD dwHandle = 0, n = ::GetFileVersionInfoSizeA(szPath, &dwHandle);
    std::vector<char> data(n + 1);
    ASSERT_TRUE(::GetFileVersionInfoA(szPath, 0, n, data.data()));
    VS_FIXEDFILEINFO* pInfo = nullptr;
    char* pName = nullptr;
    UINT len = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", (void**)&pInfo, &len));
    EXPECT_EQ("1.0.0.1", Fmt("%u.%u.%u.%u", HIWORD(pInfo->dwFileVersionMS), LOWORD(pInfo->dwFileVersionMS),
                             HIWORD(pInfo->dwFileVersionLS), LOWORD(pInfo->dwFileVersionLS)));
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\StringFileInfo\\080404b0\\ProductName", (void**)&pName, &len));
    EXPECT_STREQ("Tessel_WG", pName);
}

} // namespace

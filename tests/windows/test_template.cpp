// The in-memory dialog template shared by every dialog-based window.
#include "wgtest.h"

namespace {

// Reads the UTF-16 string at p as ASCII and moves p past it.
std::string ReadWide(const WORD*& p)
{
    std::string s;
    while (*p)
        s += (char)*p++;
    ++p;
    return s;
}

TEST(DlgTemplate, HoldsStyleNoControlsAndTheClassAsUtf16)
{
    CDlgTemplateBuffer tmpl;
    EXPECT_EQ(nullptr, tmpl.GetTemplate());
    EXPECT_EQ(0u, tmpl.GetSize());
    ASSERT_TRUE(tmpl.Build(WS_POPUP | WS_VISIBLE | DS_SETFONT, WS_EX_TOOLWINDOW, "Vantrel WG Dialog 1.0"));
    const DLGTEMPLATE* t = tmpl.GetTemplate();
    ASSERT_NE(nullptr, t);
    // No font block follows, so the font flag never reaches the dialog manager.
    EXPECT_EQ(0x90000000u, t->style);
    EXPECT_EQ((DWORD)WS_EX_TOOLWINDOW, t->dwExtendedStyle);
    EXPECT_EQ(0, t->cdit);
    EXPECT_EQ(0, t->x);
    EXPECT_EQ(0, t->y);
    EXPECT_EQ(0, t->cx);
    EXPECT_EQ(0, t->cy);
    const WORD* p = reinterpret_cast<const WORD*>(t + 1);
    EXPECT_EQ(0, *p++);   // no menu
    EXPECT_EQ("Vantrel WG Dialog 1.0", ReadWide(p));
    EXPECT_EQ("", ReadWide(p));
    const size_t nUsed = (const BYTE*)p - (const BYTE*)t;
    EXPECT_EQ(0u, tmpl.GetSize() % 4);
    EXPECT_GE(tmpl.GetSize(), nUsed);
    EXPECT_LE(tmpl.GetSize(), nUsed + 2);
}

TEST(DlgTemplate, NullClassAndTitleGiveEmptyStringsAndRebuildReplaces)
{
    CDlgTemplateBuffer tmpl;
    ASSERT_TRUE(tmpl.Build(WS_POPUP, 0, nullptr, "Title", 1, 2, 3, 4));
    const WORD* p = reinterpret_cast<const WORD*>(tmpl.GetTemplate() + 1) + 1;
    EXPECT_EQ("", ReadWide(p));
    EXPECT_EQ("Title", ReadWide(p));
    EXPECT_EQ(3, tmpl.GetTemplate()->cx);
    ASSERT_TRUE(tmpl.Build(WS_CHILD, 0, "X", nullptr));
    EXPECT_EQ((DWORD)WS_CHILD, tmpl.GetTemplate()->style);
    EXPECT_EQ(0, tmpl.GetTemplate()->cx);
    tmpl.Free();
    EXPECT_EQ(nullptr, tmpl.GetTemplate());
    EXPECT_EQ(0u, tmpl.GetSize());
}

// The dialog manager accepts the template: a window of the named class,
// attached to its object before its first message.
TEST(DlgTemplate, CreatesAFrameworkDialogOfTheNamedClass)
{
    CDlgTemplateBuffer tmpl;
    ASSERT_TRUE(tmpl.Build(WS_POPUP, 0, CVRK_WG::GetStyleCenter().GetWGTipCalss()->lpszClassName));
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl, nullptr));
    char szClass[64] = "";
    ::GetClassNameA(dlg.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ("Vantrel WG Tip 1.0", szClass);
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

} // namespace

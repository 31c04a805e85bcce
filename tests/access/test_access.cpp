// What a screen reader sees of a panel through AccessibleObjectFromWindow:
// the visible elements with their roles, names, states and screen
// locations, the default actions reaching the application as clicks, list
// rows and open menus as children, every gallery page, and an object kept
// after its panel died.
#include "wgtest.h"
#include "deadtrap.h"
#include "wgkinds.h"
#include "gallery_buttons.h"
#include "gallery_choices.h"
#include "gallery_lists.h"
#include "gallery_menus.h"
#include "gallery_text.h"
#include "gallery_windows.h"
#include "gallery_busy.h"
#include <oleacc.h>
#include <map>
#include <memory>

using namespace wgtest;

namespace {

VARIANT Id(long n)
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

std::string Narrow(BSTR b)
{
    char sz[512] = "";
    if (b)
        ::WideCharToMultiByte(CP_ACP, 0, b, -1, sz, sizeof(sz), nullptr, nullptr);
    ::SysFreeString(b);
    return sz;
}

// One child as a client reads it.
struct Seen
{
    std::string name, value;
    HRESULT hrValue = S_OK;
    long role = -1, state = -1;
    CRect rc;
};

Seen Read(IAccessible* pAcc, long nChild)
{
    Seen s;
    BSTR b = nullptr;
    pAcc->get_accName(Id(nChild), &b);
    s.name = Narrow(b);
    b = nullptr;
    s.hrValue = pAcc->get_accValue(Id(nChild), &b);
    s.value = Narrow(b);
    VARIANT v;
    if (pAcc->get_accRole(Id(nChild), &v) == S_OK)
        s.role = v.lVal;
    if (pAcc->get_accState(Id(nChild), &v) == S_OK)
        s.state = v.lVal;
    long x = 0, y = 0, cx = 0, cy = 0;
    pAcc->accLocation(&x, &y, &cx, &cy, Id(nChild));
    s.rc = CRect(x, y, x + cx, y + cy);
    return s;
}

// The object that describes a child with children of its own.
IAccessible* ChildObject(IAccessible* pAcc, long nChild)
{
    IDispatch* pDisp = nullptr;
    IAccessible* pChild = nullptr;
    if (pAcc->get_accChild(Id(nChild), &pDisp) == S_OK && pDisp)
    {
        pDisp->QueryInterface(__uuidof(IAccessible), (void**)&pChild);
        pDisp->Release();
    }
    return pChild;
}

struct Release { void operator()(IUnknown* p) { if (p) p->Release(); } };
using AccPtr = std::unique_ptr<IAccessible, Release>;

AccPtr Open(CWnd& wnd)
{
    IAccessible* p = nullptr;
    EXPECT_EQ(S_OK, ::AccessibleObjectFromWindow(wnd.m_hWnd, (DWORD)OBJID_CLIENT, __uuidof(IAccessible), (void**)&p));
    return AccPtr(p);
}

long ChildCount(IAccessible* pAcc)
{
    long n = -1;
    EXPECT_EQ(S_OK, pAcc->get_accChildCount(&n));
    return n;
}

CRect ScreenRect(CVRK_WGPANEL& panel, const CVRK_WG& wg)
{
    CRect rc(wg.m_rect.left, wg.m_rect.top, wg.m_rect.right + 1, wg.m_rect.bottom + 1);
    panel.ClientToScreen(&rc);
    return rc;
}

// What every element child must satisfy, whatever its kind: it is the
// n-th visible element, at its place on the screen, unavailable exactly
// when disabled, focused exactly when current, and a password field gives
// out nothing of its text.
void CheckElements(CVRK_WGPANEL& panel, IAccessible* pAcc, const char* pszWhere)
{
    long n = 0;
    for (long i = 0; i < panel.m_nWGCount; ++i)
    {
        CVRK_WG* pWG = panel.m_pWG[i];
        if (!pWG || !pWG->m_bVisible)
            continue;
        const Seen s = Read(pAcc, ++n);
        SCOPED_TRACE(Fmt("%s: element %ld, child %ld '%s'", pszWhere, i, n, s.name.c_str()));
        EXPECT_EQ(ScreenRect(panel, *pWG), s.rc);
        EXPECT_EQ(!pWG->m_bEnable, !!(s.state & STATE_SYSTEM_UNAVAILABLE));
        EXPECT_EQ(i == panel.m_nNowWG, !!(s.state & STATE_SYSTEM_FOCUSED));
        if (CWG_PassWord* pPass = dynamic_cast<CWG_PassWord*>(pWG))
        {
            EXPECT_TRUE(s.state & STATE_SYSTEM_PROTECTED);
            EXPECT_TRUE(FAILED(s.hrValue));
            if (!pPass->m_strPassWord.IsEmpty())
            {
                EXPECT_EQ(std::string::npos, s.name.find((const char*)pPass->m_strPassWord));
            }
            EXPECT_EQ(std::string::npos, s.name.find('*'));
        }
        if (CWG_Button* pButton = dynamic_cast<CWG_Button*>(pWG))
        {
            EXPECT_EQ((const char*)pButton->m_strCaption, s.name);
        }
    }
    EXPECT_GE(ChildCount(pAcc), n);
}

class Access : public PanelTest
{
protected:
    std::vector<std::unique_ptr<CVRK_WG>> m_owned;

    void SetUp() override
    {
        ::OleInitialize(nullptr);
        PanelTest::SetUp();
    }
    void TearDown() override
    {
        PanelTest::TearDown();
        ::OleUninitialize();
    }
    CVRK_WG* Add(CVRK_WG* p) { m_owned.emplace_back(p); return p; }
};

// ---- one element of every kind -------------------------------------------------

TEST_F(Access, EveryKindHasItsRoleNameStateAndPlace)
{
    const std::map<std::string, long> roles = {
        { "element", ROLE_SYSTEM_CLIENT },       { "button", ROLE_SYSTEM_PUSHBUTTON },
        { "check", ROLE_SYSTEM_CHECKBUTTON },    { "radio", ROLE_SYSTEM_RADIOBUTTON },
        { "label", ROLE_SYSTEM_STATICTEXT },     { "label button", ROLE_SYSTEM_PUSHBUTTON },
        { "label button on release", ROLE_SYSTEM_PUSHBUTTON },
        { "caption button", ROLE_SYSTEM_PUSHBUTTON }, { "list", ROLE_SYSTEM_LIST },
        { "text", ROLE_SYSTEM_TEXT },            { "password", ROLE_SYSTEM_TEXT },
        { "text area", ROLE_SYSTEM_TEXT },       { "time text", ROLE_SYSTEM_TEXT },
        { "image button", ROLE_SYSTEM_PUSHBUTTON }, { "active image button", ROLE_SYSTEM_PUSHBUTTON },
        { "progress bar", ROLE_SYSTEM_PROGRESSBAR }, { "progress bar on a worker", ROLE_SYSTEM_PROGRESSBAR },
        { "loop gear", ROLE_SYSTEM_ANIMATION },  { "stand browse", ROLE_SYSTEM_SLIDER },
        { "curve sign", ROLE_SYSTEM_CHECKBUTTON }, { "information card", ROLE_SYSTEM_STATICTEXT },
        { "combo", ROLE_SYSTEM_COMBOBOX },       { "edit list", ROLE_SYSTEM_LIST },
        { "edit list add delete", ROLE_SYSTEM_LIST },
    };
    std::vector<const wgkinds::ElementKind*> kinds;
    long y = 2;
    for (const auto& k : wgkinds::ElementKinds())
    {
        Add(k.create(&m_panel, 5 + (y / 280) * 190, 2 + y % 280, k.w, std::min(k.h, 60L)));
        kinds.push_back(&k);
        y += std::min(k.h, 60L) + 4;
    }
    // A hidden button between them is no child; a disabled one is.
    CWG_Button hidden, disabled;
    hidden.Create(&m_panel, "Hidden", 300, 200, 60, 20, FALSE);
    hidden.m_bVisible = FALSE;
    disabled.Create(&m_panel, "Off", 300, 230, 60, 20, FALSE);
    disabled.m_bEnable = FALSE;
    m_panel.SetNowWG(1);
    m_panel.DrawMe();

    AccPtr acc = Open(m_panel);
    ASSERT_TRUE(acc);
    ASSERT_EQ((long)kinds.size() + 1, ChildCount(acc.get()));
    CheckElements(m_panel, acc.get(), "kinds");
    for (size_t i = 0; i < kinds.size(); ++i)
    {
        SCOPED_TRACE(kinds[i]->name);
        const Seen s = Read(acc.get(), (long)i + 1);
        ASSERT_TRUE(roles.count(kinds[i]->name)) << "a new kind needs its role here";
        EXPECT_EQ(roles.at(kinds[i]->name), s.role);
        if (kinds[i]->nativeText && strcmp(kinds[i]->name, "password") != 0)
        {
            EXPECT_EQ(kinds[i]->nativeText, s.name);
        }
    }
    const long K = (long)kinds.size();
    EXPECT_EQ("Off", Read(acc.get(), K + 1).name);

    // Hit test at each element's centre, focus, and navigation agree with
    // the numbering.
    VARIANT v;
    const CRect rcCheck = ScreenRect(m_panel, *m_panel.m_pWG[2]);
    ASSERT_EQ(S_OK, acc->accHitTest(rcCheck.CenterPoint().x, rcCheck.CenterPoint().y, &v));
    EXPECT_EQ(VT_I4, v.vt);
    EXPECT_EQ(3, v.lVal);
    ASSERT_EQ(S_OK, acc->get_accFocus(&v));
    EXPECT_EQ(2, v.lVal);
    ASSERT_EQ(S_OK, acc->accNavigate(NAVDIR_NEXT, Id(K), &v));
    EXPECT_EQ(K + 1, v.lVal);   // the disabled button, past the hidden one
    EXPECT_EQ(S_FALSE, acc->accNavigate(NAVDIR_NEXT, Id(K + 1), &v));
    EXPECT_EQ(E_INVALIDARG, acc->get_accRole(Id(K + 2), &v));

    // The mouse owner is hot; the numbering follows what is visible now.
    m_panel.GiveMeMouse(0);
    EXPECT_TRUE(Read(acc.get(), 1).state & STATE_SYSTEM_HOTTRACKED);
    m_panel.ByeMouse();
    m_panel.m_pWG[0]->m_bVisible = FALSE;
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, Read(acc.get(), 1).role);
    EXPECT_EQ((long)kinds.size(), ChildCount(acc.get()));
}

// ---- default actions, names, rows ------------------------------------------------

TEST_F(Access, DefaultActionsReachTheApplicationAsClicks)
{
    CWG_Button button;
    CWG_Check check;
    CWG_Label label;
    AddProbe(0, 300, 250, 10, 10);
    button.Create(&m_panel, "Go", 10, 10, 60, 22, FALSE);
    check.Create(&m_panel, "Tick", 10, 40, 80, FALSE);
    label.Create(&m_panel, 10, 70, 100);
    m_panel.DrawMe();
    AccPtr acc = Open(m_panel);
    ASSERT_TRUE(acc);
    m_log.Clear();

    EXPECT_EQ(S_OK, acc->accDoDefaultAction(Id(2)));
    EXPECT_EQ("cmd 1 5", m_log.Joined("cmd"));
    EXPECT_EQ(1, m_panel.m_nNowWG);   // as a click makes it current

    BSTR b = nullptr;
    acc->get_accDefaultAction(Id(3), &b);
    EXPECT_EQ("Check", Narrow(b));
    EXPECT_EQ(S_OK, acc->accDoDefaultAction(Id(3)));
    EXPECT_EQ(1, check.m_nValue);
    EXPECT_TRUE(Read(acc.get(), 3).state & STATE_SYSTEM_CHECKED);
    EXPECT_EQ(S_OK, acc->accDoDefaultAction(Id(3)));
    EXPECT_EQ(0, check.m_nValue);
    EXPECT_EQ("cmd 1 5 | cmd 2 9 | cmd 2 9", m_log.Joined("cmd"));

    // No action for a label or a plain element; none for a disabled button.
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, acc->accDoDefaultAction(Id(4)));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, acc->accDoDefaultAction(Id(1)));
    button.m_bEnable = FALSE;
    EXPECT_TRUE(FAILED(acc->accDoDefaultAction(Id(2))));
    EXPECT_EQ("cmd 1 5 | cmd 2 9 | cmd 2 9", m_log.Joined("cmd"));

    // Taking the focus makes the element current, as Tab would.
    EXPECT_EQ(S_OK, acc->accSelect(SELFLAG_TAKEFOCUS, Id(4)));
    EXPECT_EQ(3, m_panel.m_nNowWG);
    EXPECT_TRUE(label.m_bFocus);

    // A name registered for an element without a caption.
    EXPECT_EQ("", Read(acc.get(), 1).name);
    m_panel.SetAccessibleName(0, "Drawing area");
    EXPECT_EQ("Drawing area", Read(acc.get(), 1).name);
}

class Rows : public CWG_List
{
public:
    virtual void LoadData() { m_nRowCount = 50; }
    virtual CString GetData(long nRow, long nTier) { return Fmt("row %ld.%ld", nRow, nTier).c_str(); }
};

TEST_F(Access, ListRowsOnScreenAreItsChildren)
{
    Rows list;
    CString caps[2] = { "A", "B" };
    list.Create(&m_panel, 10, 10, 200, 120, caps, 2, 20);
    m_panel.DrawMe();
    list.SetFirstRow(7, 0);
    list.SetChoosedRow(8);
    AccPtr acc = Open(m_panel);
    ASSERT_TRUE(acc);
    EXPECT_EQ(ROLE_SYSTEM_LIST, Read(acc.get(), 1).role);
    AccPtr rows(ChildObject(acc.get(), 1));
    ASSERT_TRUE(rows);
    const long n = ChildCount(rows.get());
    EXPECT_EQ(list.m_nShowRows, n);
    ASSERT_GE(n, 3);
    const Seen first = Read(rows.get(), 1), second = Read(rows.get(), 2);
    EXPECT_EQ(ROLE_SYSTEM_LISTITEM, first.role);
    EXPECT_EQ("row 7.0", first.name);
    EXPECT_FALSE(first.state & STATE_SYSTEM_SELECTED);
    EXPECT_TRUE(second.state & STATE_SYSTEM_SELECTED);
    EXPECT_EQ(first.rc.bottom, second.rc.top);
    EXPECT_TRUE(Read(acc.get(), 1).rc.PtInRect(second.rc.CenterPoint()));
    VARIANT v;
    ASSERT_EQ(S_OK, rows->accHitTest(second.rc.CenterPoint().x, second.rc.CenterPoint().y, &v));
    EXPECT_EQ(2, v.lVal);
}

// ---- lifetime ------------------------------------------------------------------------

TEST_F(Access, ObjectsKeptAfterThePanelDiedAnswerAnError)
{
    // Poisoned, not freed, when it dies: an object that still followed it
    // would read the poison instead of a lucky copy.
    DeadTrap<RecordingPanel> pPanel;
    ASSERT_TRUE(pPanel->Create(&m_host));
    CWG_Button button;
    Rows list;
    CString caps[1] = { "A" };
    button.Create(pPanel.Get(), "Go", 10, 10, 60, 22, FALSE);
    list.Create(pPanel.Get(), 10, 40, 200, 100, caps, 1, 20);
    pPanel->DrawMe();
    AccPtr acc = Open(*pPanel);
    ASSERT_TRUE(acc);
    AccPtr rows(ChildObject(acc.get(), 2));
    ASSERT_TRUE(rows);
    long n = 0;
    ASSERT_EQ(S_OK, rows->get_accChildCount(&n));

    pPanel.Kill();
    VARIANT v;
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, acc->get_accChildCount(&n));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, acc->get_accRole(Id(1), &v));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, acc->accDoDefaultAction(Id(1)));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, acc->accHitTest(20, 20, &v));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, rows->get_accChildCount(&n));
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, rows->get_accRole(Id(1), &v));
}

// ---- the gallery ---------------------------------------------------------------------

TEST_F(Access, EveryGalleryPageIsWalkable)
{
    std::unique_ptr<CGalleryPage> pages[] = {
        std::unique_ptr<CGalleryPage>(new CGalleryButtons), std::unique_ptr<CGalleryPage>(new CGalleryChoices),
        std::unique_ptr<CGalleryPage>(new CGalleryLists),   std::unique_ptr<CGalleryPage>(new CGalleryMenus),
        std::unique_ptr<CGalleryPage>(new CGalleryText),    std::unique_ptr<CGalleryPage>(new CGalleryWindows),
        std::unique_ptr<CGalleryPage>(new CGalleryBusy),
    };
    m_host.MoveWindow(0, 0, 900, 700);
    m_panel.MoveWindow(0, 0, 900, 700);
    // The Windows page's dialog bar needs the gallery's frame; its panel
    // elements are made all the same.
    for (auto& page : pages)
        ASSERT_TRUE(page->Create(&m_panel, 10, 10) || !strcmp(page->Name(), "Windows")) << page->Name();
    AccPtr acc = Open(m_panel);
    ASSERT_TRUE(acc);
    EXPECT_EQ(0, ChildCount(acc.get()));
    for (auto& page : pages)
    {
        page->Show(TRUE);
        m_panel.DrawMe();
        CheckElements(m_panel, acc.get(), page->Name());
        // Every kind the library knows has a role of its own and the
        // buttons and choices have names.
        const long n = ChildCount(acc.get());
        EXPECT_GT(n, 0) << page->Name();
        for (long i = 1; i <= n; ++i)
        {
            const Seen s = Read(acc.get(), i);
            if (s.role == ROLE_SYSTEM_PUSHBUTTON || s.role == ROLE_SYSTEM_CHECKBUTTON ||
                s.role == ROLE_SYSTEM_RADIOBUTTON)
            {
                EXPECT_NE("", s.name) << page->Name() << " child " << i;
            }
        }
        page->Show(FALSE);
        Pump();
    }
}

// Each row as the menu draws it: the row's text, a separator, the hot row.
void CheckMenu(CVRK_MENUWND& menu, IAccessible* pAcc)
{
    const Seen self = Read(pAcc, 0);
    EXPECT_EQ(ROLE_SYSTEM_MENUPOPUP, self.role);
    EXPECT_EQ(menu.m_rcWindow, self.rc);
    ASSERT_EQ(menu.m_nItemCount, ChildCount(pAcc));
    for (long i = 0; i < menu.m_nItemCount; ++i)
    {
        const Seen row = Read(pAcc, i + 1);
        const CWGMenuItem& it = menu.m_Items[i];
        SCOPED_TRACE((const char*)it.m_strCaption);
        EXPECT_EQ(it.m_strCaption == "----" ? ROLE_SYSTEM_SEPARATOR : ROLE_SYSTEM_MENUITEM, row.role);
        if (row.role == ROLE_SYSTEM_MENUITEM)
        {
            EXPECT_EQ((const char*)it.m_strCaption + (it.m_bSubmenu ? 1 : 0), row.name);
        }
        EXPECT_EQ(!it.m_bEnable, !!(row.state & STATE_SYSTEM_UNAVAILABLE));
        EXPECT_EQ(i == menu.m_nHotItem, !!(row.state & STATE_SYSTEM_HOTTRACKED));
        EXPECT_TRUE(menu.m_rcWindow.PtInRect(row.rc.CenterPoint()));
    }
}

TEST_F(Access, OpenMenusAreMenuPopups)
{
    CGalleryMenus page;
    ASSERT_TRUE(page.Create(&m_panel, 10, 10));
    page.Show(TRUE);
    m_panel.DrawMe();
    // Three cascading menus, each its own window.
    page.BeforeScreenshot();
    for (CVRK_MENUWND* pMenu : { &page.m_menuMain, &page.m_menuRecent, &page.m_menuOlder })
    {
        AccPtr acc = Open(*pMenu);
        ASSERT_TRUE(acc);
        CheckMenu(*pMenu, acc.get());
    }
    page.AfterScreenshot();
    Pump();

    // The panel's own menu is also the panel's last child.
    AccPtr acc = Open(m_panel);
    ASSERT_TRUE(acc);
    const long n = ChildCount(acc.get());
    page.m_menuPanel.Popup(100, 100);
    ASSERT_EQ(&page.m_menuPanel, m_panel.m_pPopMenu);
    ASSERT_EQ(n + 1, ChildCount(acc.get()));
    AccPtr menu(ChildObject(acc.get(), n + 1));
    ASSERT_TRUE(menu);
    CheckMenu(page.m_menuPanel, menu.get());
    VARIANT v;
    ASSERT_EQ(S_OK, acc->accHitTest(page.m_menuPanel.m_rcWindow.left + 3, page.m_menuPanel.m_rcWindow.top + 3, &v));
    EXPECT_EQ(VT_DISPATCH, v.vt);
    VariantClear(&v);
    page.m_menuPanel.Shirk();
    EXPECT_EQ(n, ChildCount(acc.get()));
    EXPECT_TRUE(Read(menu.get(), 0).state & STATE_SYSTEM_INVISIBLE);   // closed, not gone
}

} // namespace

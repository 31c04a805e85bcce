// A test of an application's panel written with the test kit: it drives the
// sign-in panel as a user would (typing GBK text, clicking by caption) and
// checks what the application did and what the user sees. Returns 0 when
// every check holds; prints each failed check.
#include "WGTestKit.h"
#include "signin.h"
#include <stdio.h>

using namespace wgtestkit;

static int s_nFailed = 0;

static void Check(bool bOk, const char* pszWhat, const std::string& detail = "")
{
    if (!bOk)
    {
        ++s_nFailed;
        printf("FAILED: %s %s\n", pszWhat, detail.c_str());
    }
}

// The sign-in panel with every notification recorded as well.
class CRecordedSignIn : public CSignInPanel
{
public:
    Log m_log;
    virtual void OnWGCommand(long nIndex, long nCode)
    {
        m_log.Add(Fmt("cmd %ld %ld", nIndex, nCode));
        CSignInPanel::OnWGCommand(nIndex, nCode);
    }
};

int main()
{
    Host host;
    CRecordedSignIn panel;
    Check(panel.CreateIn(&host) == 1, "the panel is created");
    CVRK_WG* pButton = FindByCaption(panel, "Sign in");
    CVRK_WG* pRemember = FindByCaption(panel, "Remember me");
    Check(pButton == &panel.m_btnSignIn && pRemember == &panel.m_chkRemember, "elements are found by caption");
    if (!pButton || !pRemember)
        return 1;

    // Signing in with the field empty puts the focus into the field.
    Click(panel, *pButton);
    Check(panel.m_strGreeting.IsEmpty() && panel.m_nSignIns == 1, "an empty name is refused");
    Check(panel.m_nNowWG == panel.m_txtName.m_nIndex, "the focus goes back to the name field");

    // A name typed (Chinese by the keyboard, Latin from an input method)
    // and the check ticked: the greeting carries both.
    Type(panel, "\xD5\xC5");          // GBK for a two-byte name character
    TypeIme(panel, "\xC8\xFDWei");
    const Image before = PanelImage(panel, pRemember->m_rect);
    Click(panel, *pRemember);
    const Image after = PanelImage(panel, pRemember->m_rect);
    Check(before.bits != after.bits, "ticking the check changes what the user sees");
    Click(panel, *pButton);
    Check(panel.m_strGreeting == "Hello, \xD5\xC5\xC8\xFDWei (remembered)", "the greeting",
          (LPCTSTR)panel.m_strGreeting);

    // What the application heard, in order: the press, the refusal's focus,
    // the edits, the check, the focus leaving the field, the second press.
    const std::string heard = panel.m_log.Joined();
    const std::string field = Fmt("cmd %ld ", panel.m_txtName.m_nIndex);
    Check(heard.find(Fmt("cmd %ld 9", pRemember->m_nIndex)) != std::string::npos, "the check reports code 9", heard);
    Check(heard.find(field + "7") != std::string::npos, "typing reports code 7", heard);
    Check(heard.rfind(Fmt("cmd %ld 5", pButton->m_nIndex)) + 10 >= heard.size(), "the last report is the press", heard);

    panel.DestroyWindow();
    printf("%s\n", s_nFailed ? "some checks failed" : "all checks passed");
    return s_nFailed ? 1 : 0;
}

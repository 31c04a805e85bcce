// An application's panel: a name field, a "remember me" check and a sign-in
// button. Pressing the button with a name typed greets the user; with the
// field empty it puts the focus back into the field instead.
#pragma once
#include "wg.h"

class CSignInPanel : public CVRK_WGPANEL
{
public:
    CWG_Text m_txtName;
    CWG_Check m_chkRemember;
    CWG_Button m_btnSignIn;
    CString m_strGreeting;      // set by a sign-in with a name
    int m_nSignIns = 0;         // sign-ins refused or done

    int CreateIn(CWnd* pParent)
    {
        if (!Create(pParent))
            return 0;
        m_txtName.m_strHint = "Your name";
        m_txtName.Create(this, 20, 20, 160, 21);
        m_chkRemember.Create(this, "Remember me", 20, 50, 120, FALSE);
        m_btnSignIn.Create(this, "Sign in", 20, 80, 80, 19, FALSE);
        DrawMe();
        return 1;
    }

    virtual void OnWGCommand(long nIndex, long nCode)
    {
        if (nIndex != m_btnSignIn.m_nIndex || nCode != 5)   // 5: pressed
            return;
        ++m_nSignIns;
        if (m_txtName.m_strText.IsEmpty())
        {
            SetNowWG(m_txtName.m_nIndex);
            return;
        }
        m_strGreeting = "Hello, " + m_txtName.m_strText + (m_chkRemember.m_nValue ? " (remembered)" : "");
    }
};

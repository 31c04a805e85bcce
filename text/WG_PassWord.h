#pragma once
#include "WG_Text.h"

// CWG_PassWord: the text field turned into a password field. Create it like
// CWG_Text; it keeps the real text in m_strPassWord and shows one "*" for every
// byte of it. It reports as the text field does: 7 text changed (and Enter, Up,
// Down), 10 focus gained, 11 focus lost. Caret, selection, drawing and keys are
// the text field's, working on the asterisks, and every edit is made to both
// strings at the same position. The clipboard only ever receives asterisks;
// paste reads CF_TEXT alone. Differs from CWG_Text's defaults in
// m_bChooseAllOnFocus, TRUE.
class WG_API CWG_PassWord : public CWG_Text
{
public:
    CString m_strPassWord;      // the real text, GBK bytes

    CWG_PassWord();
    virtual ~CWG_PassWord();

    // The display becomes one "*" per byte of str (which stops at a zero
    // byte; null is empty). SetTextStr repaints and reports 7.
    void SetTextStr(CString str);
    void SetTextStrQuiet(CString str);
    void SetPassWordQuiet(CString str) { SetTextStrQuiet(str); }
    CString GetPassWord() const { return m_strPassWord; }

    virtual void OnChar(UINT nChar);
    virtual void OnMenuCommand(long nMenu, long nCommand);

private:
    // Replaces [nFrom, nTo) of both strings with str (and as many "*").
    void Replace(long nFrom, long nTo, const CString& str);
    // The display had been changed behind the element's back: the real
    // text is cut or padded to its length.
    void KeepInStep();
};

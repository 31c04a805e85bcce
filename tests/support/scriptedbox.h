// A message box that runs m_fnInLoop inside its own modal loop once it has
// painted, and sends it the pointer as a user would.
#pragma once
#include "wgtest.h"
#include <functional>

namespace wgtest {

class ScriptedBox : public CWG_Dlg_MsgBox
{
public:
    enum { WM_RUN_SCRIPT = WM_APP + 9 };
    std::function<void(ScriptedBox&)> m_fnInLoop;

    virtual BOOL OnInitDialog()
    {
        BOOL b = CWG_Dlg_MsgBox::OnInitDialog();
        PostMessage(WM_RUN_SCRIPT);
        return b;
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_RUN_SCRIPT)
            return CWG_Dlg_MsgBox::WindowProc(message, wParam, lParam);
        UpdateWindow();
        if (m_fnInLoop)
            m_fnInLoop(*this);
        return 0;
    }
    void Move(int x, int y) { SendMessage(WM_MOUSEMOVE, 0, XY(x, y)); }
    void Click(int x, int y)
    {
        Move(x, y);
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, XY(x, y));
    }
    // Centre of button n's face (one button: n 0 only).
    CPoint Button(int n) const { return CPoint(m_nButtonOffset + (m_nType == TYPE_OK ? 116 : 42 + 74 * n), 75); }
    CRect Client() const
    {
        CRect rc;
        GetClientRect(&rc);
        return rc;
    }
};

} // namespace wgtest

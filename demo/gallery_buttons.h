// Gallery page "Buttons": the push button's looks (plain, with mark,
// stretched to 38 rows, disabled, clipped caption, rounded corners). A press
// shows in the gallery's title.
#pragma once
#include "gallery_page.h"

class CGalleryButtons : public CGalleryPage
{
public:
    CWG_Button m_btnNormal, m_btnMark, m_btnTall, m_btnDisabled, m_btnWide, m_btnRound;

    virtual const char* Name() const { return "Buttons"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);

protected:
    virtual int Build(long x, long y);
};

// Gallery page "Busy": progress bars on the interface thread and on a
// worker (its shine sweeping at a fixed 72%), the spinning gears, the zoom
// slider, picture buttons in each of their looks (with a hover tip on
// "Next"), chart legend signs and an information card. Commands show in the
// gallery's title.
#pragma once
#include "gallery_page.h"

class CGalleryBusy : public CGalleryPage
{
public:
    enum { STRIP_ID = 4002, ICONS_ID = 4001 };

    CWG_ProgressBar m_barUi, m_barWorker;
    CWG_LoopGear m_gear;
    CWG_StandBrowse m_zoom;
    CBitmap m_bmpIcons;
    CWG_ImageButton m_imgFolder, m_imgDisk;
    CWG_ActImgButton m_actNormal, m_actHover, m_actPressed, m_actDisabled, m_actMirror, m_actCheck, m_actRadio[3];
    CWG_Tip m_tip;
    CPen m_penRed, m_penBlue, m_penGreen, m_penHalo;
    CWG_CurveSign m_sign[3];
    CWG_Notify m_card;

    CGalleryBusy();
    virtual const char* Name() const { return "Busy"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);

protected:
    virtual int Build(long x, long y);
};

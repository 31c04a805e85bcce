#include "gallery_busy.h"
#include "gallery_probe.h"

CGalleryBusy::CGalleryBusy()
    : m_penRed(PS_SOLID, 2, 0x2020D0), m_penBlue(PS_SOLID, 2, 0xC06020), m_penGreen(PS_SOLID, 2, 0x20A020),
      m_penHalo(PS_SOLID, 4, 0xC8C8C8)
{
}

int CGalleryBusy::Build(long x, long y)
{
    CVRK_WGPANEL* p = m_pPanel;
    // Fixed percentages, so the picture is the same at every run; the
    // worker's bar keeps its shine moving.
    int nOk = m_barUi.Create(p, x, y, 250, FALSE);
    m_barUi.m_strText = "copied";
    m_barUi.InitProgress(45);
    nOk &= m_barWorker.Create(p, x, y + 34, 250, TRUE);
    m_barWorker.m_strText = "on a worker";
    m_barWorker.m_nColorStyle = 1;
    m_barWorker.InitProgress(72);
    nOk &= m_gear.Create(p, x + 262, y, 83, 77);
    nOk &= m_zoom.Create(p, "Zoom", x + 400, y);
    m_zoom.m_nUpperScale = 2;
    m_zoom.m_nKnobY = 30;   // 140%

    // Picture buttons: two icons cut from the Menus page's strip, then the
    // looks of a strip button: normal, hover, pressed, disabled, mirrored,
    // checked, and a radio group.
    WGLoadSkin(m_bmpIcons, ICONS_ID);
    nOk &= m_imgFolder.Create(p, x, y + 84, &m_bmpIcons, 0, 16, 16, 16);
    nOk &= m_imgDisk.Create(p, x + 24, y + 84, &m_bmpIcons, 0, 32, 16, 16);
    // Pictures without captions: named for screen readers by the panel.
    p->SetAccessibleName(m_imgFolder.m_nIndex, "Open folder");
    p->SetAccessibleName(m_imgDisk.m_nIndex, "Save");
    CWG_ActImgButton* looks[] = { &m_actNormal, &m_actHover, &m_actPressed, &m_actDisabled };
    const char* const captions[] = { "Next", "Hover", "Pressed", "Off" };
    for (int i = 0; i < 4; ++i)
    {
        looks[i]->m_strCaption = captions[i];
        looks[i]->m_bDisabledFrame = 1;
        nOk &= looks[i]->Create(p, STRIP_ID, 3, x + 50 + 78 * i, y + 80, 72, 24, 72, 24, 0, 0);
    }
    m_actHover.m_nState = CWG_ActImgButton::HOVER;
    m_actPressed.m_nState = CWG_ActImgButton::PRESSED;
    m_actDisabled.m_bEnable = FALSE;
    m_tip.create(p, -1);
    m_tip.setShowAndHideByOtherControl(1);
    m_actNormal.m_pTip = &m_tip;
    m_actNormal.m_strTip = "Goes to the next step";
    m_actMirror.m_strCaption = "Back";
    nOk &= m_actMirror.Create(p, STRIP_ID, 3, x + 50, y + 112, 72, 24, 72, 24, 0, 1);
    m_actCheck.m_strCaption = "Keep";
    nOk &= m_actCheck.Create(p, STRIP_ID, 3, x + 128, y + 112, 72, 24, 72, 24, 1, 0);
    m_actCheck.SetCheckQuiet();
    static const char* const radios[] = { "A", "B", "C" };
    for (int i = 0; i < 3; ++i)
    {
        m_actRadio[i].m_strCaption = radios[i];
        nOk &= m_actRadio[i].CreateRadMode(p, STRIP_ID, 3, x + 206 + 44 * i, y + 112, 40, 24, 72, 24,
                                           i ? &m_actRadio[0] : nullptr, 0);
    }

    // Chart legend: the last one switched off; then the information card.
    static const char* const curves[] = { "CPU", "Disk", "Net" };
    CPen* pens[] = { &m_penRed, &m_penBlue, &m_penGreen };
    for (int i = 0; i < 3; ++i)
    {
        m_sign[i].m_strCaption = curves[i];
        nOk &= m_sign[i].Create(p, x + 54 * i, y + 154, i == 1 ? &m_penHalo : nullptr, pens[i]);
    }
    m_sign[2].m_bOn = 0;
    CString labels[3] = { "Speed", "Copied", "Time left" };
    nOk &= m_card.Create(p, labels, x + 180, y + 150);
    CString title = "Copying photos", v1 = "12.4 MB/s", v2 = "1,204 of 1,672 files", v3 = "about 3 minutes";
    m_card.SetContent(&title, &v1, &v2, &v3);
    GalleryProbe::AddElement("next", &m_actNormal);
    GalleryProbe::AddElement("zoom", &m_zoom);
    return nOk;
}

BOOL CGalleryBusy::OnWGCommand(long nIndex, long nCode)
{
    if (!Owns(nIndex))
        return FALSE;
    CString str;
    if (nIndex == m_zoom.m_nIndex)
        str.Format("WG Gallery - zoom %ld%%", nCode);
    else
        str.Format("WG Gallery - busy page element %ld (code %ld)", nIndex - m_imgFolder.m_nIndex, nCode);
    ShowInTitle(str);
    return TRUE;
}

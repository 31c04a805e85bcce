#include "gallery_buttons.h"
#include "gallery_probe.h"

int CGalleryButtons::Build(long x, long y)
{
    int nOk = m_btnNormal.Create(m_pPanel, "Normal", x, y + 10, 90, 19, FALSE);
    nOk &= m_btnMark.Create(m_pPanel, "With mark", x + 100, y + 10, 90, 19, TRUE);
    nOk &= m_btnTall.Create(m_pPanel, "Tall (38 px)", x + 200, y, 110, 38, FALSE);
    nOk &= m_btnDisabled.Create(m_pPanel, "Disabled", x + 320, y + 10, 90, 19, FALSE);
    m_btnDisabled.m_bEnable = FALSE;
    nOk &= m_btnWide.Create(m_pPanel, "A caption far wider than its button", x, y + 60, 90, 19, FALSE);
    nOk &= m_btnRound.Create(m_pPanel, "Round corners", x + 100, y + 60, 110, 19, FALSE);
    m_btnRound.m_bRoundCorner = TRUE;
    GalleryProbe::AddElement("normal", &m_btnNormal);
    return nOk;
}

BOOL CGalleryButtons::OnWGCommand(long nIndex, long nCode)
{
    const CWG_Button* buttons[] = { &m_btnNormal, &m_btnMark, &m_btnTall, &m_btnDisabled, &m_btnWide, &m_btnRound };
    static const char* const names[] = { "Normal", "With mark", "Tall", "Disabled", "Wide", "Round corners" };
    for (int i = 0; i < (int)(sizeof(names) / sizeof(names[0])); ++i)
        if (buttons[i]->m_nIndex == nIndex)
        {
            CString str;
            str.Format("WG Gallery - pressed: %s (code %ld)", names[i], nCode);
            ShowInTitle(str);
            return TRUE;
        }
    return FALSE;
}

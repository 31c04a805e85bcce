// Gallery section "choices": a radio group, check boxes (plain, VIP,
// disabled and checked), skinned labels whose copy square puts their text
// on the clipboard, label buttons in both click modes and caption buttons.
// Every choice shows its effect in the summary label at the bottom.
//
// The host panel creates it and passes its commands on:
//     m_choices.Create(this, x, y);              // in the panel's build
//     if (m_choices.OnWGCommand(nIndex, nCode))  // in its OnWGCommand
//         return;
#pragma once
#include "wg.h"

class CGalleryChoices
{
public:
    enum { WIDTH = 440, HEIGHT = 118 };   // the area the section covers

    CWG_Label m_lblTitle;
    CWG_Radio m_radSize[3];
    CWG_Check m_chkBold;
    CWG_Check m_chkVip;
    CWG_Check m_chkLocked;              // disabled and checked: reads 0
    CWG_LabelButton m_lnkOnPress;       // fires on button-down
    CWG_LabelButton m_lnkOnRelease;     // press mode: fires on button-up inside
    CWG_CptButton m_cptReset;
    CWG_CptButton m_cptCount;           // its caption, and so its size, follows the clicks
    CWG_Label m_lblSummary;             // the effect of every choice

    CGalleryChoices();

    // Creates the elements on pPanel with the section's top-left at (x, y).
    int Create(CVRK_WGPANEL* pPanel, long x, long y);
    // TRUE when the command came from one of the section's elements.
    BOOL OnWGCommand(long nIndex, long nCode);

private:
    CVRK_WGPANEL* m_pPanel;
    long m_nPressClicks;
    long m_nReleaseClicks;

    void ShowSummary(BOOL bRepaint);
    void ShowCount(BOOL bRepaint);
};

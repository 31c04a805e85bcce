// Gallery page "Choices": a radio group, check boxes (plain, VIP, disabled
// and checked), skinned labels whose copy square puts their text on the
// clipboard, label buttons in both click modes and caption buttons. Every
// choice shows its effect in the summary label at the bottom; two combos
// below it show their choice in the gallery's title.
#pragma once
#include "gallery_page.h"

class CGalleryChoices : public CGalleryPage
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
    CWG_Combo m_cboFruit;               // a few texts
    CWG_Combo m_cboSize;                // fifty texts, scrolled; its drop-down is open in the screenshot

    CGalleryChoices();

    virtual const char* Name() const { return "Choices"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);
    virtual void BeforeScreenshot();
    virtual void AfterScreenshot();

protected:
    virtual int Build(long x, long y);

private:
    long m_nPressClicks;
    long m_nReleaseClicks;

    void ShowSummary(BOOL bRepaint);
    void ShowCount(BOOL bRepaint);
};

// Gallery page "Text": the single-line text field with a hint, in
// number-only and read-only modes, with Chinese and mixed text showing a
// selection (its edit menu open in the page's screenshot), and the
// password field; a text area of mixed paragraphs with its scroll bar, and
// a time text in each year format. What the fields report (changes,
// Enter, Up and Down, focus) shows in the summary label at the bottom.
#pragma once
#include "gallery_page.h"

class CGalleryText : public CGalleryPage
{
public:
    enum { WIDTH = 440, FIELD_W = 200, FIELD_H = 21, ROW = 26, AREA_W = 250, AREA_H = 84, TIME_W = 150 };

    CWG_Label m_lblTitle;
    CWG_Text m_txtPlain;        // empty, showing its hint
    CWG_Text m_txtNumber;       // integers and decimals only
    CWG_Text m_txtReadOnly;
    CWG_Text m_txtMixed;        // Chinese and Latin, part of it selected
    CWG_PassWord m_pwdSecret;
    CWG_Label m_lblSummary;
    CWG_TextArea m_areaNotes;   // paragraphs of Chinese and Latin, scrolled
    CWG_TimeText m_timeLong;    // four-digit year
    CWG_TimeText m_timeShort;   // two-digit year

    virtual const char* Name() const { return "Text"; }
    virtual BOOL OnWGCommand(long nIndex, long nCode);
    // The mixed field focused, with its edit menu open over the page.
    virtual void BeforeScreenshot();
    virtual void AfterScreenshot();

protected:
    virtual int Build(long x, long y);
};

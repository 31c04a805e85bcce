// CWG_TimeText: a date-time field edited part by part (year, month, day,
// hour, minute). A click selects a part, digits fill it from the right as on
// a calculator, a completed part is clamped to its range and the selection
// moves on. Two formats, four-digit year "2026年12月06日 07:15" (20 bytes)
// and two-digit year "26年12月06日 07:15" (18 bytes, years 2000-2099), shown
// whole, date only or time only (m_nShowMode). Reports OnWGCommand(m_nIndex,
// 7) after a digit and 6 after a double-click set the current time, each
// only while the time is valid.
//
// Bad input, as handled here:
//  - The text never leaves its format: SetTime clamps what does not fit its
//    digits (the year to 0-9999, or to 2000-2099 in the two-digit format;
//    the other parts to 0-99).
//  - Month 13 and February 30 are written as given; GetTime reads month 13
//    back as 12, and February 30 counts as valid (no month lengths). A year
//    of 0 is invalid: typing reports nothing until the year is set.
#pragma once
#include "VRK_WG.h"

// CWG_TimeText: a date-time field edited part by part. Create it with the
// panel, position, size and the year format (nonzero: two digits);
// SetTime/GetTime exchange a SYSTEMTIME. Reports to the panel's OnWGCommand:
// 7 after a digit, 6 after a double-click set the local time.
class WG_API CWG_TimeText : public CVRK_WG
{
public:
    enum
    {
        CMD_NOW = 6, CMD_CHANGED = 7,                     // OnWGCommand codes
        PART_NONE = -1, PART_YEAR = 0, PART_MONTH, PART_DAY, PART_HOUR, PART_MINUTE,
        MODE_DATE_TIME = 0, MODE_DATE = 1, MODE_TIME = 2, // m_nShowMode
    };

    // ---- data
    long m_nTextLeft;          // x of the text and of the part highlight
    long m_nTextTop;           // y of the text
    CString m_strTime;         // the formatted text
    BOOL m_bReadOnly;          // digits ignored; parts can still be chosen
    long m_nShowMode;          // MODE_*
    BOOL m_bRestartPart;       // the next digit starts the part afresh
    long m_nLastPart;          // the part last entered
    long m_nNowPart;           // the part edited and highlighted, PART_NONE for none
    long m_nInputPos;          // digit counter of the part being typed (a byte index)
    long m_nYearOffset;        // 2 with the four-digit year, 0 with two digits
    COLORREF m_crSavedBorder;

    CWG_TimeText();
    virtual ~CWG_TimeText();

    // Registers and shows the current local time; bShortYear 1 picks the
    // two-digit year.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight, int bShortYear);
    // The parts read back (month 1-12, day 1-31, hour 0-23, minute 0-59
    // clamped), seconds 0; the day of the week and milliseconds are 0.
    void GetTime(SYSTEMTIME* pTime);
    SYSTEMTIME GetTime();
    void SetTime(SYSTEMTIME* pTime);        // and repaints
    void SetTimeQuiet(SYSTEMTIME* pTime);
    void InitTime();                        // SetTime with the local time
    // First and last byte of part nPart in the text.
    long PartFirst(long nPart) const;

    // ---- overridables
    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnChar(UINT nChar);
    virtual void OnGetFocus();
    virtual void OnLoseFocus();

protected:
    int IfCurrentTimeIsValid();
    void PartInputNewChar(long nFrom, long nTo, char ch, long nNextPart);
    long PrefixWidth(long n);               // first n bytes of m_strTime
    long SpanWidth(long nFrom, long nCount);
    long NextPart(long nPart) const;
    void Repaint();

private:
    BOOL* m_pbDestroyed;
    BOOL m_bFocusLook;
};

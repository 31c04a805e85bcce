#include "WG_TimeText.h"
#include "WG_CharWidths.h"
#include "VRK_WGPANEL.h"
#include <stdio.h>
#include <stdlib.h>

// Highlight band: from y = 2, the element's height less 4.
enum { BAND_TOP = 2, BAND_MARGIN = 4 };

CWG_TimeText::CWG_TimeText()
    : m_nTextLeft(3), m_nTextTop(4), m_bReadOnly(FALSE), m_nShowMode(MODE_DATE_TIME), m_bRestartPart(FALSE),
      m_nLastPart(PART_NONE), m_nNowPart(PART_NONE), m_nInputPos(0), m_nYearOffset(0),
      m_crSavedBorder(WG_CR_BORDER), m_pbDestroyed(nullptr), m_bFocusLook(FALSE)
{
}

CWG_TimeText::~CWG_TimeText()
{
    if (m_pbDestroyed)
        *m_pbDestroyed = TRUE;
}

int CWG_TimeText::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight, int bShortYear)
{
    const int n = CVRK_WG::Create(pParent, x, y, nWidth, nHeight);
    if (!n)
        return n;
    m_nYearOffset = bShortYear == 1 ? 0 : 2;
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    SetTimeQuiet(&st);
    return 1;
}

// ---- the text ----------------------------------------------------------------------------

long CWG_TimeText::PartFirst(long nPart) const
{
    static const long first[] = { 0, 4, 8, 13, 16 };
    return nPart <= PART_YEAR || nPart > PART_MINUTE ? 0 : first[nPart] + m_nYearOffset;
}

static long Clamp(long n, long nMin, long nMax) { return n < nMin ? nMin : n > nMax ? nMax : n; }

void CWG_TimeText::SetTimeQuiet(SYSTEMTIME* pTime)
{
    if (!pTime)
        return;
    // GBK: 年 (year) C4EA, 月 (month) D4C2, 日 (day) C8D5.
    const char* fmt = m_nYearOffset ? "%.4ld\xC4\xEA%.2ld\xD4\xC2%.2ld\xC8\xD5 %.2ld:%.2ld"
                                    : "%.2ld\xC4\xEA%.2ld\xD4\xC2%.2ld\xC8\xD5 %.2ld:%.2ld";
    const long nYear = m_nYearOffset ? Clamp(pTime->wYear, 0, 9999) : Clamp((long)pTime->wYear - 2000, 0, 99);
    m_strTime.Format(fmt, nYear, Clamp(pTime->wMonth, 0, 99), Clamp(pTime->wDay, 0, 99),
                     Clamp(pTime->wHour, 0, 99), Clamp(pTime->wMinute, 0, 99));
}

void CWG_TimeText::SetTime(SYSTEMTIME* pTime)
{
    SetTimeQuiet(pTime);
    Repaint();
}

void CWG_TimeText::InitTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    SetTime(&st);
}

void CWG_TimeText::GetTime(SYSTEMTIME* pTime)
{
    if (!pTime)
        return;
    auto digits = [this](long nFrom, long nCount) {
        return m_strTime.GetLength() >= nFrom + nCount ? atol(m_strTime.Mid((int)nFrom, (int)nCount)) : 0L;
    };
    const long o = m_nYearOffset;
    memset(pTime, 0, sizeof(*pTime));
    pTime->wYear = (WORD)(digits(0, o + 2) + (o ? 0 : 2000));
    pTime->wMonth = (WORD)Clamp(digits(PartFirst(PART_MONTH), 2), 1, 12);
    pTime->wDay = (WORD)Clamp(digits(PartFirst(PART_DAY), 2), 1, 31);
    pTime->wHour = (WORD)Clamp(digits(PartFirst(PART_HOUR), 2), 0, 23);
    pTime->wMinute = (WORD)Clamp(digits(PartFirst(PART_MINUTE), 2), 0, 59);
}

SYSTEMTIME CWG_TimeText::GetTime()
{
    SYSTEMTIME st;
    GetTime(&st);
    return st;
}

int CWG_TimeText::IfCurrentTimeIsValid()
{
    SYSTEMTIME st;
    GetTime(&st);
    return st.wYear >= 1 && st.wMonth >= 1 && st.wMonth <= 12 && st.wDay >= 1 && st.wDay <= 31 &&
           st.wHour < 24 && st.wMinute < 60;
}

// ---- typing ------------------------------------------------------------------------------

long CWG_TimeText::NextPart(long nPart) const
{
    if (nPart == PART_DAY && m_nShowMode == MODE_DATE)
        return PART_YEAR;
    if (nPart == PART_MINUTE && m_nShowMode == MODE_TIME)
        return PART_HOUR;
    return nPart == PART_MINUTE ? (long)PART_YEAR : nPart + 1;
}

void CWG_TimeText::PartInputNewChar(long nFrom, long nTo, char ch, long nNextPart)
{
    if (nFrom < 0 || nTo >= m_strTime.GetLength())
        return;
    const long nPart = m_nNowPart;
    char* s = m_strTime.GetBuffer(m_strTime.GetLength());
    if (m_bRestartPart)
    {
        for (long i = nFrom; i < nTo; ++i)
            s[i] = '0';
        m_nInputPos = nFrom;
        m_bRestartPart = FALSE;
    }
    else
    {
        for (long i = nFrom; i < nTo; ++i)
            s[i] = s[i + 1];
        if (++m_nInputPos == nTo)
        {
            m_bRestartPart = TRUE;
            m_nNowPart = m_nLastPart = nNextPart;
        }
    }
    s[nTo] = ch;
    m_strTime.ReleaseBuffer(m_strTime.GetLength());
    if (m_bRestartPart && nPart >= PART_MONTH && nPart <= PART_MINUTE)
    {
        static const long lo[] = { 0, 1, 1, 0, 0 }, hi[] = { 0, 12, 31, 23, 59 };
        CString str;
        str.Format("%.2ld", Clamp(atol(m_strTime.Mid((int)nFrom, 2)), lo[nPart], hi[nPart]));
        m_strTime.SetAt((int)nFrom, str[0]);
        m_strTime.SetAt((int)nFrom + 1, str[1]);
    }
    Repaint();
    if (IfCurrentTimeIsValid() && m_pParent)
        m_pParent->OnWGCommand(m_nIndex, CMD_CHANGED);
}

void CWG_TimeText::OnChar(UINT nChar)
{
    if (nChar == 0x60)
        nChar = '0';
    if (nChar >= '0' && nChar <= '9')
    {
        if (m_bReadOnly || m_nNowPart < PART_YEAR || m_nNowPart > PART_MINUTE)
            return;
        const long o = m_nYearOffset, nFrom = PartFirst(m_nNowPart);
        const long nTo = m_nNowPart == PART_YEAR ? o + 1 : nFrom + 1;
        PartInputNewChar(nFrom, nTo, (char)nChar, NextPart(m_nNowPart));
        return;
    }
    if ((nChar == ' ' || nChar == VK_RETURN || nChar == VK_TAB) && m_nNowPart >= PART_YEAR &&
        m_nNowPart <= PART_MINUTE)
    {
        m_nNowPart = m_nLastPart = NextPart(m_nNowPart);
        Repaint();
    }
}

// ---- mouse --------------------------------------------------------------------------------

long CWG_TimeText::SpanWidth(long nFrom, long nCount)
{
    const long nLen = m_strTime.GetLength();
    if (nFrom < 0 || nCount <= 0 || nFrom >= nLen)
        return 0;
    if (nFrom + nCount > nLen)
        nCount = nLen - nFrom;
    CMeasureDC dc(m_pBGDC->m_hDC, m_pFont);
    SIZE sz = {};
    ::GetTextExtentPoint32A(dc.m_hdc, (LPCSTR)m_strTime + nFrom, (int)nCount, &sz);
    return sz.cx;
}

long CWG_TimeText::PrefixWidth(long n) { return SpanWidth(0, n); }

void CWG_TimeText::OnButtonDown(CPoint point, long)
{
    const long x = point.x - m_rect.left, L = m_nTextLeft, o = m_nYearOffset;
    long nPart = PART_NONE;
    if (m_nShowMode == MODE_TIME)
    {
        const long h = PartFirst(PART_HOUR);
        if (L < x && x < L + SpanWidth(h, 2))
            nPart = PART_HOUR;
        else if (x > L + SpanWidth(h, 3))
            nPart = PART_MINUTE;
        else
            return;
    }
    else
    {
        auto within = [&](long a, long b) { return L + PrefixWidth(a) < x && x < L + PrefixWidth(b); };
        if (L < x && x < L + PrefixWidth(o + 2))
            nPart = PART_YEAR;
        else if (within(o + 4, o + 6))
            nPart = PART_MONTH;
        else if (within(o + 8, o + 10))
            nPart = PART_DAY;
        else if (m_nShowMode == MODE_DATE)
            return;
        else if (within(o + 13, o + 15))
            nPart = PART_HOUR;
        else if (within(o + 16, o + 18))
            nPart = PART_MINUTE;
    }
    m_nNowPart = nPart;
    if (nPart != m_nLastPart)
    {
        m_nLastPart = nPart;
        m_bRestartPart = TRUE;
        m_nInputPos = 0;
        Repaint();
    }
}

void CWG_TimeText::OnButtonDClick(CPoint, long)
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    SetTimeQuiet(&st);
    if (IfCurrentTimeIsValid() && m_pParent)
    {
        BOOL bDestroyed = FALSE;
        BOOL* pbOuter = m_pbDestroyed;
        m_pbDestroyed = &bDestroyed;
        m_pParent->OnWGCommand(m_nIndex, CMD_NOW);
        if (bDestroyed)
        {
            if (pbOuter)
                *pbOuter = TRUE;
            return;
        }
        m_pbDestroyed = pbOuter;
    }
    Repaint();
}

// ---- focus and drawing ------------------------------------------------------------------

void CWG_TimeText::OnGetFocus()
{
    m_bRestartPart = TRUE;
    if (!m_bFocusLook)
        m_crSavedBorder = m_crBorder;
    m_bFocusLook = TRUE;
    m_crBorder = WG_CR_TEXT_FOCUS;
    Repaint();
}

void CWG_TimeText::OnLoseFocus()
{
    m_bRestartPart = FALSE;
    if (m_bFocusLook)
        m_crBorder = m_crSavedBorder;
    m_bFocusLook = FALSE;
    Repaint();
}

void CWG_TimeText::Repaint()
{
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

void CWG_TimeText::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    if (!m_bmpBG.m_hObject)
        return;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    const long L = m_nTextLeft, o = m_nYearOffset, h = PartFirst(PART_HOUR);
    if (m_nNowPart >= PART_YEAR && m_nNowPart <= PART_MINUTE)
    {
        long x = L + PrefixWidth(PartFirst(m_nNowPart)), w = SpanWidth(PartFirst(m_nNowPart), 2);
        if (m_nNowPart == PART_YEAR)
            x = L, w = PrefixWidth(o + 2);
        else if (m_nShowMode == MODE_TIME && m_nNowPart == PART_HOUR)
            x = L;
        else if (m_nShowMode == MODE_TIME && m_nNowPart == PART_MINUTE)
            x = L + SpanWidth(h, 3), w = SpanWidth(h, 2);
        m_pBGDC->FillSolidRect(x, BAND_TOP, w, Height() - BAND_MARGIN, WG_CR_SELECTION);
    }
    const long nLen = m_strTime.GetLength();
    if (m_nShowMode == MODE_DATE)
        m_pBGDC->TextOut(m_nTextLeft, m_nTextTop, m_strTime, (int)(o + 12 < nLen ? o + 12 : nLen));
    else if (m_nShowMode == MODE_TIME)
    {
        if (h < nLen)
            m_pBGDC->TextOut(m_nTextLeft, m_nTextTop, (LPCSTR)m_strTime + h, (int)(h + 5 <= nLen ? 5 : nLen - h));
    }
    else
        m_pBGDC->TextOut(m_nTextLeft, m_nTextTop, m_strTime);
}

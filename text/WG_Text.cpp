#include "WG_Text.h"
#include "WG_TextMenu.h"
#include "WG_CharWidths.h"
#include "VRK_WGPANEL.h"
#include "WGHover.h"
#include <string.h>
#include <algorithm>
#include <vector>

// Geometry of the field: the text origin, the caret and highlight rows.
enum
{
    TEXT_X = 3, TEXT_Y = 3, BAND_TOP = 2, BAND_H = 15, RIGHT_MARGIN = 5,
    CR_HINT = 0x9D9D9D,   // (157,157,157)
};

static inline BOOL IsLead(char c) { return ((BYTE)c & 0x80) != 0; }

// ---- widths ----------------------------------------------------------------------
//
// A prefix is measured as the sum of its characters' widths (each character
// measured alone, once): GDI adds glyph advances, so the sum equals
// GetTextExtentPoint32A of the whole prefix. Characters are split as the
// font's code page converts them, which can differ from the editing rule on
// bytes that are not valid GBK. A prefix that ends in the first half of a
// character ends in a lone lead byte, measured alone as well.
struct CWG_Text::CWidths
{
    CWGCharWidths chars;
    CString strText;                 // shares the buffer of the text described
    std::vector<int> vPrefix;        // vPrefix[i]: width of the first i bytes
    std::vector<unsigned char> vStart;   // 1 where a measured character starts

    BOOL IsCurrent(HFONT hNewFont, const CString& str) const
    {
        return hNewFont == chars.m_hFont && !vPrefix.empty() && (LPCSTR)str == (LPCSTR)strText;
    }

    // Brings the arrays up to date with str: only from the first character
    // that changed on (a key at the end of a long text measures one
    // character, and comparing the bytes costs far less than measuring).
    void Sync(HDC hdc, HFONT hNewFont, const CString& str)
    {
        const int nNew = str.GetLength();
        int p = 0;
        // A new font (or the first text) is measured afresh from byte 0.
        if (!chars.Reset(hdc, hNewFont) && !vPrefix.empty())
        {
            if ((LPCSTR)str == (LPCSTR)strText)
                return;
            const char* a = strText;
            const char* b = str;
            const int n = nNew < strText.GetLength() ? nNew : strText.GetLength();
            // Equal blocks first (memcmp compares them many bytes at a time).
            for (int nBlock = 256; p + nBlock <= n && !memcmp(a + p, b + p, nBlock);)
                p += nBlock;
            while (p < n && a[p] == b[p])
                ++p;
            // The character holding byte p - 1 may now be another one (a
            // lone lead byte that gained its trail): measure from its start.
            if (p > 0)
            {
                --p;
                while (p > 0 && !vStart[p])
                    --p;
            }
        }
        strText = str;
        vPrefix.resize(nNew + 2);
        vStart.resize(nNew + 1);
        vPrefix[0] = 0;
        const char* s = strText;
        for (int i = p; i < nNew;)
        {
            const BYTE c = (BYTE)s[i];
            vStart[i] = 1;
            vPrefix[i + 1] = vPrefix[i] + chars.Byte(hdc, c);
            if (i + 1 < nNew && chars.IsLeadForGDI(c))
            {
                vStart[i + 1] = 0;
                vPrefix[i + 2] = vPrefix[i] + chars.Pair(hdc, c, (BYTE)s[i + 1]);
                i += 2;
            }
            else
                ++i;
        }
        vStart[nNew] = 1;
    }
};

// ---- construction ------------------------------------------------------------------

CWG_Text::CWG_Text()
    : m_nLength(0), m_nCaretX(TEXT_X), m_nCaret(0), m_bReadOnly(FALSE), m_bNumberOnly(FALSE),
      m_bIntegerOnly(TRUE), m_bDragging(FALSE), m_bJustFocused(FALSE), m_crSavedBorder(WG_CR_BORDER),
      m_bCaretShow(FALSE), m_nSelAnchor(0), m_nSelEnd(0), m_nSelMin(0), m_nSelMax(0),
      m_bSelected(FALSE), m_bShiftCtrl(FALSE), m_nScrollX(0), m_bChooseAllOnFocus(TRUE),
      m_nLastKey(-1), m_pMirror(nullptr), m_pWidths(new CWidths), m_pbDestroyed(nullptr),
      m_bFocusLook(FALSE), m_nPendingCaret(-1)
{
}

CWG_Text::~CWG_Text()
{
    if (m_pbDestroyed)
        *m_pbDestroyed = TRUE;
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
    delete m_pWidths;
}

int CWG_Text::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight)
{
    if (!pParent || !pParent->m_hWnd || !m_Menu.CreateFor(pParent, this))
        return 0;
    return CVRK_WG::Create(pParent, x, y, nWidth, nHeight);
}

// ---- text and selection ---------------------------------------------------------------

void CWG_Text::SetTextStrQuiet(CString str)
{
    m_nScrollX = 0;
    m_strText = str;
    m_nLength = m_nCaret = m_strText.GetLength();
    m_bSelected = FALSE;
}

void CWG_Text::SetTextStr(CString str)
{
    SetTextStrQuiet(str);
    Repaint();
    Notify(CMD_CHANGED);
}

void CWG_Text::ChooseAllQuiet()
{
    m_nSelAnchor = 0;
    m_nSelEnd = m_nLength;
    m_bSelected = TRUE;
}

void CWG_Text::ChooseAll()
{
    ChooseAllQuiet();
    Repaint();
}

int CWG_Text::IfCharCN(long n)
{
    if (n <= 0)
        return 0;
    const char* s = m_strText;
    const long nLen = m_strText.GetLength();
    long i = 0, nLead = -1;
    while (i < n && i < nLen)
    {
        if (IsLead(s[i]))
        {
            nLead = i;
            i += 2;
        }
        else
            ++i;
    }
    return nLead >= 0 && (n == nLead + 1 || n == nLead + 2);
}

long CWG_Text::PrevStop(long n) { return PrevStopIn(m_strText, n); }

long CWG_Text::PrevStopIn(const CString& str, long n)
{
    // The start of the character holding byte n - 1, walked from 0: a caret
    // between a lead byte and its trail goes to the lead, and a lone lead
    // byte at the end is one character of its own.
    const char* s = str;
    const long nLen = str.GetLength();
    long i = 0, nStart = 0;
    while (i < n && i < nLen)
    {
        nStart = i;
        i += IsLead(s[i]) ? 2 : 1;
    }
    return nStart;
}

long CWG_Text::NextStop(long n)
{
    const long nLen = m_strText.GetLength();
    if (n >= nLen)
        return nLen;
    // Walk to the first boundary past n.
    const char* s = m_strText;
    long i = 0;
    while (i <= n)
        i += IsLead(s[i]) ? 2 : 1;
    return i > nLen ? nLen : i;
}

void CWG_Text::SnapAnchor()
{
    if (m_nSelAnchor > m_strText.GetLength())
        m_nSelAnchor = m_strText.GetLength();
    if (!IsBoundary(m_nSelAnchor))
        m_nSelAnchor = PrevStop(m_nSelAnchor);
}

BOOL CWG_Text::IsBoundary(long n)
{
    return n <= 0 || n >= m_strText.GetLength() || NextStop(PrevStop(n)) == n;
}

BOOL CWG_Text::TrailPending() const
{
    return m_nPendingCaret >= 0 && m_nPendingCaret == m_nCaret &&
           (LPCSTR)m_strPendingText == (LPCSTR)m_strText;
}

void CWG_Text::NoteTrailPending()
{
    m_nPendingCaret = -1;
    m_strPendingText.Empty();
    if (IsBoundary(m_nCaret))
        return;   // nothing waits
    m_strPendingText = m_strText;   // shares the buffer: any change unshares it
    m_nPendingCaret = m_nCaret;
}

void CWG_Text::TakeText()
{
    const long nLen = m_strText.GetLength();
    m_nLength = nLen;
    if (m_nCaret < 0)
        m_nCaret = 0;
    if (m_nCaret > nLen)
        m_nCaret = nLen;
    if (m_nSelAnchor < 0) m_nSelAnchor = 0;
    if (m_nSelEnd < 0) m_nSelEnd = 0;
    NormaliseSelection();
}

void CWG_Text::NormaliseSelection()
{
    if (!m_bSelected)
        return;
    const long nLen = m_strText.GetLength();
    if (m_nSelAnchor > nLen)
    {
        m_bSelected = FALSE;
        return;
    }
    if (m_nSelEnd > nLen)
        m_nSelEnd = nLen;
    m_nSelMin = m_nSelAnchor < m_nSelEnd ? m_nSelAnchor : m_nSelEnd;
    m_nSelMax = m_nSelAnchor < m_nSelEnd ? m_nSelEnd : m_nSelAnchor;
}

void CWG_Text::RemoveBytes(long nPos, long n)
{
    m_strText.Delete((int)nPos, (int)n);
    if (m_pMirror)
        m_pMirror->Delete((int)nPos, (int)n);
    m_nLength = m_strText.GetLength();
}

// ---- measuring ---------------------------------------------------------------------------

long CWG_Text::TextWidth(long n)
{
    const long nLen = m_strText.GetLength();
    if (n > nLen)
        n = nLen;
    if (n <= 0)
        return 0;
    SyncWidths();
    return m_pWidths->vPrefix[n];
}

void CWG_Text::SyncWidths()
{
    // Nothing changed: no DC is touched (selecting a font costs several
    // microseconds under Wine, and a key asks for widths a few times).
    const HFONT hFont = (HFONT)CGdiObject::SafeHandle(m_pFont);
    if (m_pWidths->IsCurrent(hFont, m_strText))
        return;
    CMeasureDC dc(m_pBGDC->m_hDC, m_pFont);
    m_pWidths->Sync(dc.m_hdc, hFont, m_strText);
}

long CWG_Text::ByteWidth(BYTE b)
{
    SyncWidths();
    if (m_pWidths->chars.m_anByte[b] >= 0)
        return m_pWidths->chars.m_anByte[b];
    CMeasureDC dc(m_pBGDC->m_hDC, m_pFont);
    return m_pWidths->chars.Byte(dc.m_hdc, b);
}

// ---- painting and reporting -----------------------------------------------------------------

void CWG_Text::Repaint()
{
    NormaliseSelection();
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

BOOL CWG_Text::Notify(long nCode)
{
    if (!m_pParent)
        return TRUE;
    // The handler may destroy this element: the destructor marks the flag,
    // and every caller up the stack learns it through its own frame.
    BOOL bDestroyed = FALSE;
    BOOL* pbOuter = m_pbDestroyed;
    m_pbDestroyed = &bDestroyed;
    m_pParent->OnWGCommand(m_nIndex, nCode);
    if (bDestroyed)
    {
        if (pbOuter)
            *pbOuter = TRUE;
        return FALSE;
    }
    m_pbDestroyed = pbOuter;
    return TRUE;
}

void CWG_Text::StartBlink()
{
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        ::SetTimer(m_pParent->m_hWnd, m_nIndex, BLINK_MS, nullptr);
}

void CWG_Text::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    if (!m_bmpBG.m_hObject)
        return;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    TakeText();
    // Clamped before the highlight, so highlight and text share one offset.
    if (m_nScrollX > 0)
        m_nScrollX = 0;
    const long x0 = m_nScrollX + TEXT_X;
    if (m_bSelected)
        m_pBGDC->FillSolidRect(x0 + TextWidth(m_nSelMin), BAND_TOP, SpanWidth(m_nSelMin, m_nSelMax),
                               BAND_H, WG_CR_SELECTION);
    if (m_strText.IsEmpty())
    {
        const COLORREF crOld = m_pBGDC->SetTextColor(CR_HINT);
        m_pBGDC->TextOut(x0, TEXT_Y, m_strHint);
        m_pBGDC->SetTextColor(crOld);
    }
    DrawVisibleText(x0);
    m_nCaretX = x0 + TextWidth(m_nCaret);
    if (m_bCaretShow)
    {
        CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
        CDCSelect selPen(m_pBGDC, &pen);
        m_pBGDC->MoveTo(m_nCaretX, BAND_TOP);
        m_pBGDC->LineTo(m_nCaretX, BAND_TOP + BAND_H);
    }
}

// Draws only the characters that reach into the element: drawing a long
// text whole costs time in proportion to its length at every key.
void CWG_Text::DrawVisibleText(long x0)
{
    const long nLen = m_strText.GetLength();
    if (nLen == 0)
        return;
    TextWidth(nLen);
    const std::vector<int>& vPrefix = m_pWidths->vPrefix;
    const std::vector<unsigned char>& vStart = m_pWidths->vStart;
    // One character of slack on each side keeps overhanging glyphs whole.
    // The first byte whose end is right of the element's left edge.
    long nFrom = (long)(std::partition_point(vPrefix.begin() + 1, vPrefix.begin() + nLen + 1,
                                             [x0](int w) { return x0 + w < 0; }) - vPrefix.begin()) - 1;
    while (nFrom > 0 && !vStart[nFrom])
        --nFrom;
    if (nFrom > 0)
        for (--nFrom; nFrom > 0 && !vStart[nFrom]; --nFrom) {}
    long nTo = (long)(std::partition_point(vPrefix.begin() + nFrom, vPrefix.begin() + nLen,
                                           [this, x0](int w) { return x0 + w <= m_nWidth; }) - vPrefix.begin());
    while (nTo < nLen && !vStart[nTo])
        ++nTo;
    if (nTo < nLen)
        for (++nTo; nTo < nLen && !vStart[nTo]; ++nTo) {}
    m_pBGDC->TextOut(x0 + vPrefix[nFrom], TEXT_Y, (LPCSTR)m_strText + nFrom, nTo - nFrom);
}

// ---- scrolling -------------------------------------------------------------------------------

void CWG_Text::ScrollToCaretRight()
{
    const long cx = TextWidth(m_nCaret);
    if (cx > Width() - TEXT_X)
        m_nScrollX = Width() - RIGHT_MARGIN - cx;
}

long CWG_Text::RightEdgeScroll()
{
    return Width() - RIGHT_MARGIN - TextWidth(m_nCaret);
}

void CWG_Text::ScrollAtEdge(CPoint pt)
{
    const long T = TextWidth(m_strText.GetLength()), W = Width();
    if (pt.x > m_rect.right && m_nScrollX + T + TEXT_X > W)
    {
        m_nScrollX += m_rect.right - pt.x;
        if (m_nScrollX + T + TEXT_X < W - TEXT_X)
            m_nScrollX = W - RIGHT_MARGIN - T;
    }
    else if (pt.x < m_rect.left && m_nScrollX < 0)
    {
        m_nScrollX += m_rect.left - pt.x;
        if (m_nScrollX > 0)
            m_nScrollX = 0;
    }
}

// ---- hit test -----------------------------------------------------------------------------------

void CWG_Text::CountCur(CPoint pt)
{
    const long nLen = m_strText.GetLength();
    if (nLen < 1)
        return;
    const char* s = m_strText;
    const long x = pt.x - m_rect.left - m_nScrollX - TEXT_X;
    // Every width below is remembered: the walk over the text is one
    // comparison per byte, with no DC work.
    SyncWidths();
    for (long i = 0; i < nLen; ++i)
        ByteWidth((BYTE)s[i]);
    const std::vector<int>& P = m_pWidths->vPrefix;
    const int* B = m_pWidths->chars.m_anByte;
    if (x < B[(BYTE)s[0]] / 2)
    {
        m_nCaret = 0;
        m_nCaretX = m_nScrollX + TEXT_X;
        return;
    }
    const long T = P[nLen];
    if (x > T - B[(BYTE)s[nLen - 1]] / 2)
    {
        m_nCaret = nLen;
        m_nCaretX = T + m_nScrollX + TEXT_X;
        return;
    }
    long i = 1;
    for (; i < nLen; ++i)
        if (x > P[i] - B[(BYTE)s[i - 1]] / 2 && x < P[i + 1] - B[(BYTE)s[i]] / 2)
            break;
    if (i >= nLen)
    {
        // On a midpoint exactly the caret stays, but not between a lead
        // byte just typed and its trail: a click gives up the wait.
        if (!IsBoundary(m_nCaret))
            m_nCaret = PrevStop(m_nCaret);
        return;
    }
    if (IsLead(s[i - 1]))
    {
        long j = 0;
        while (j < i)
            j += IsLead(s[j]) ? 2 : 1;
        if (j != i)
            --i;   // inside a two-byte character: before it
    }
    m_nCaret = i;
}

// ---- keys ----------------------------------------------------------------------------------------

void CWG_Text::OnKeyDown(UINT nChar)
{
    if (m_bReadOnly)
        return;
    TakeText();
    if (m_Menu.m_bShown)
    {
        m_Menu.Shirk();
        Repaint();
    }
    switch (nChar)
    {
    case VK_LEFT:
    case VK_RIGHT:
        if (m_bShiftCtrl && !m_bSelected)
        {
            m_bSelected = TRUE;
            m_nSelAnchor = m_nSelEnd = m_nCaret;
            SnapAnchor();
        }
        if (nChar == VK_LEFT)
        {
            if (m_nCaret > 0)
            {
                m_nCaret = PrevStop(m_nCaret);
                if (m_nScrollX + TextWidth(m_nCaret) < TEXT_X)
                {
                    m_nScrollX = -TextWidth(m_nCaret - 1);
                    // Narrower than a byte and the margin: the caret stays
                    // inside the right edge, as typing leaves it.
                    if (m_nScrollX + TextWidth(m_nCaret) + TEXT_X > Width())
                        ScrollCaretToRightEdge();
                }
            }
        }
        else
        {
            m_nCaret = NextStop(m_nCaret);
            ScrollToCaretRight();
        }
        if (m_bShiftCtrl && m_bSelected)
            m_nSelEnd = m_nCaret;
        if (!m_bShiftCtrl)
            m_bSelected = FALSE;
        m_bCaretShow = TRUE;
        Repaint();
        break;
    case VK_SHIFT:
    case VK_CONTROL:
        m_bShiftCtrl = TRUE;
        break;
    case VK_UP:
    case VK_DOWN:
        m_nLastKey = (long)nChar;
        if (Notify(CMD_CHANGED))
            m_nLastKey = -1;
        break;
    case VK_DELETE: {
        if (m_bSelected)
        {
            if (!RemoveSelection())
                return;
        }
        else if (m_nCaret < m_nLength)
        {
            RemoveBytes(m_nCaret, NextStop(m_nCaret) - m_nCaret);
            if (m_nScrollX < 0)
                ScrollCaretToRightEdge();
        }
        else if (m_nCaret > 0)
        {
            // At the end the key deletes backwards.
            const long nPrev = PrevStop(m_nCaret);
            const long wByte = ByteWidth((BYTE)m_strText[(int)m_nCaret - 1]);
            const BOOL bOneByte = m_nCaret - nPrev == 1;
            RemoveBytes(nPrev, m_nCaret - nPrev);
            m_nCaret = nPrev;
            if (m_nScrollX < 0)
                m_nScrollX = bOneByte ? m_nScrollX + wByte : RightEdgeScroll();
        }
        Repaint();
        break;
    }
    default:
        break;
    }
}

void CWG_Text::OnKeyUp(UINT nChar)
{
    if (nChar == VK_SHIFT || nChar == VK_CONTROL)
        m_bShiftCtrl = FALSE;
}

// ---- characters -------------------------------------------------------------------------------

BOOL CWG_Text::CharHandledFirst(UINT nChar)
{
    if (nChar == VK_RETURN)
    {
        m_nLastKey = VK_RETURN;
        if (Notify(CMD_CHANGED))
            m_nLastKey = -1;
        return TRUE;
    }
    if (m_bReadOnly)
        return TRUE;
    m_nLastKey = -1;
    TakeText();
    switch (nChar)
    {
    case 0x01: OnMenuCommand(-1, EDIT_SELECT_ALL); return TRUE;
    case 0x03: OnMenuCommand(-1, EDIT_COPY); return TRUE;
    case 0x18: OnMenuCommand(-1, EDIT_CUT); return TRUE;
    case 0x16: OnMenuCommand(-1, EDIT_PASTE); return TRUE;
    default: return FALSE;
    }
}

BOOL CWG_Text::RemoveSelection()
{
    const long n = m_nSelMax - m_nSelMin;
    if (n == 0)
        return FALSE;
    if (m_nScrollX < 0)
        m_nScrollX += SpanWidth(m_nSelMin, m_nSelMax);
    m_nCaret = m_nSelMin;
    m_bSelected = FALSE;
    RemoveBytes(m_nSelMin, n);
    if (m_nScrollX < 0)
        ScrollCaretToRightEdge();
    return TRUE;
}

void CWG_Text::OnChar(UINT nChar)
{
    // A selection drawn before the text was shortened behind the field's
    // back takes the typed byte with it (read before the text is taken).
    const BOOL bSelectionBeyondText = m_bSelected && m_nSelMax > m_strText.GetLength();
    if (CharHandledFirst(nChar))
        return;
    if (nChar == VK_BACK)
    {
        if (m_bSelected)
        {
            if (!RemoveSelection())
                return;
        }
        else if (m_nCaret > 0)
        {
            const long nPrev = PrevStop(m_nCaret);
            if (m_nCaret - nPrev == 1)
            {
                if (m_nScrollX < 0)
                    m_nScrollX += ByteWidth((BYTE)m_strText[(int)nPrev]);
                RemoveBytes(nPrev, 1);
                m_nCaret = nPrev;
            }
            else
            {
                RemoveBytes(nPrev, 2);
                m_nCaret = nPrev;
                if (m_nScrollX < 0)
                    ScrollCaretToRightEdge();
            }
        }
    }
    else if (nChar >= 0x20)   // other control characters change nothing, and report
    {
        const char ch = (char)(BYTE)nChar;
        if (m_bNumberOnly && !(ch >= '0' && ch <= '9') && ch != '-' && !(ch == '.' && !m_bIntegerOnly))
            return;
        if (m_bSelected)
        {
            if (bSelectionBeyondText)
            {
                m_nSelMin = m_nSelMax = 0;
                m_bSelected = FALSE;
                return;
            }
            RemoveBytes(m_nSelMin, m_nSelMax - m_nSelMin);
            m_strText.Insert((int)m_nSelMin, ch);
            m_nCaret = m_nSelMin + 1;
            m_bSelected = FALSE;
        }
        else
        {
            m_strText.Insert((int)m_nCaret, ch);
            ++m_nCaret;
            ScrollToCaretRight();
        }
        m_nLength = m_strText.GetLength();
        NoteTrailPending();
    }
    if (!Notify(CMD_CHANGED))
        return;
    Repaint();
}

// ---- mouse ------------------------------------------------------------------------------------

void CWG_Text::OnButtonDown(CPoint point, long nButton)
{
    TakeText();
    if (nButton != 0)
    {
        PopupMenu(point);
        return;
    }
    if (m_bShiftCtrl)
    {
        SnapAnchor();
        if (m_nSelEnd != m_nSelAnchor)
            m_bSelected = TRUE;
        ScrollAtEdge(point);
        m_bDragging = TRUE;
        CountCur(point);
        m_nSelEnd = m_nCaret;
        Repaint();
        return;
    }
    if (m_bJustFocused && m_bChooseAllOnFocus)
    {
        m_bJustFocused = FALSE;
        if (!m_bSelected)
        {
            if (m_bDCCreated)
                ChooseAll();
            else
                ChooseAllQuiet();
        }
        return;
    }
    m_bSelected = FALSE;
    m_bDragging = TRUE;
    if (m_pParent)
        m_pParent->GiveMeMouse(m_nIndex);
    CountCur(point);
    m_nSelAnchor = m_nSelEnd = m_nCaret;
    m_bCaretShow = TRUE;
    Repaint();
    StartBlink();
}

void CWG_Text::PopupMenu(CPoint point)
{
    m_Menu.PopupFor(m_pParent, point, m_bSelected, m_nLength > 0);
}

void CWG_Text::OnMouseMove(CPoint point)
{
    CWGHover::ShowCursor(this, IDC_IBEAM);
    if (!m_bDragging)
        return;
    TakeText();
    SnapAnchor();
    if (m_nSelEnd != m_nSelAnchor)
        m_bSelected = TRUE;
    ScrollAtEdge(point);
    CountCur(point);
    m_nSelEnd = m_nCaret;
    Repaint();
}

void CWG_Text::OnButtonUp(CPoint, long)
{
    m_bDragging = FALSE;
    // Only a mouse this field holds goes back: another element's, or the
    // capture of the edit menu a right click just opened, stays.
    if (m_pParent && m_pParent->m_nMouseWG == m_nIndex)
        m_pParent->ByeMouse();
}

void CWG_Text::OnButtonDClick(CPoint, long)
{
    TakeText();
    ChooseAll();
}

// ---- focus and caret ----------------------------------------------------------------------------

void CWG_Text::OnGetFocus()
{
    TakeText();
    m_bJustFocused = TRUE;
    m_bCaretShow = TRUE;
    if (!m_bFocusLook)
        m_crSavedBorder = m_crBorder;
    m_bFocusLook = TRUE;
    m_crBorder = WG_CR_TEXT_FOCUS;
    if (m_bChooseAllOnFocus)
        ChooseAllQuiet();
    Repaint();
    StartBlink();
    Notify(CMD_FOCUS);
}

void CWG_Text::OnLoseFocus()
{
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
    m_bCaretShow = FALSE;
    m_bShiftCtrl = FALSE;
    m_bSelected = FALSE;
    // A drag ends with the focus: the panel has let the mouse go.
    m_bDragging = FALSE;
    // The first Tab makes an element current without OnGetFocus: only a
    // border this element saved is put back.
    if (m_bFocusLook)
        m_crBorder = m_crSavedBorder;
    m_bFocusLook = FALSE;
    Repaint();
    Notify(CMD_BLUR);
}

void CWG_Text::OnTimer()
{
    m_bCaretShow = !m_bCaretShow;
    Repaint();
}

void CWG_Text::OnOpenIME()
{
    if (!m_pParent)
        return;
    TakeText();
    m_nCaretX = (m_nScrollX > 0 ? 0 : m_nScrollX) + TEXT_X + TextWidth(m_nCaret);
    m_pParent->SetIMPostion(m_rect.left + m_nCaretX, m_rect.top);
}

// ---- edit commands ------------------------------------------------------------------------------

void CWG_Text::PutSelectionOnClipboard()
{
    NormaliseSelection();
    if (m_pParent)
        CWGTextClipboard::Put(m_pParent->m_hWnd, (LPCSTR)m_strText + m_nSelMin, m_nSelMax - m_nSelMin);
}

void CWG_Text::CaretAfterPaste(long nPos, long nBytes, const CString& strRule)
{
    m_nCaret = nPos + nBytes;
    // A lone lead byte at the end of the pasted bytes pairs with the byte
    // after them: the caret goes past that character.
    const char* s = strRule;
    const long nLen = strRule.GetLength();
    long j = 0;
    while (j < m_nCaret && j < nLen)
        j += IsLead(s[j]) ? 2 : 1;
    m_nCaret = j > nLen ? nLen : j;
}

long CWG_Text::RemoveSelectionForPaste()
{
    if (m_bSelected)
    {
        RemoveBytes(m_nSelMin, m_nSelMax - m_nSelMin);
        m_nCaret = m_nSelMin;
        m_bSelected = FALSE;
    }
    return m_nCaret;
}

void CWG_Text::PasteText()
{
    const CString str = CWGTextClipboard::Get(m_pParent ? m_pParent->m_hWnd : nullptr);
    if (str.IsEmpty())
        return;
    TakeText();
    const long nAt = RemoveSelectionForPaste();
    m_strText.Insert((int)nAt, str);
    m_nLength = m_strText.GetLength();
    CaretAfterPaste(nAt, str.GetLength(), m_strText);
    ScrollToCaretRight();
    Notify(CMD_CHANGED);
}

void CWG_Text::OnMenuCommand(long, long nCommand)
{
    TakeText();
    BOOL bDestroyed = FALSE;
    BOOL* pbOuter = m_pbDestroyed;
    m_pbDestroyed = &bDestroyed;
    switch (nCommand)
    {
    case EDIT_UNDO:
        m_bSelected = FALSE;
        break;
    case EDIT_CUT:
        if (m_bSelected)
        {
            PutSelectionOnClipboard();
            m_bShiftCtrl = FALSE;
            OnChar(VK_BACK);
            if (!bDestroyed)
                m_bSelected = FALSE;
        }
        break;
    case EDIT_COPY:
        if (m_bSelected)
        {
            PutSelectionOnClipboard();
            m_bSelected = FALSE;
        }
        break;
    case EDIT_PASTE:
        if (!m_bReadOnly)
            PasteText();
        break;
    case EDIT_DELETE:
        OnChar(VK_BACK);
        break;
    case EDIT_SELECT_ALL:
        m_nSelAnchor = 0;
        m_nSelEnd = m_nLength;
        m_bSelected = TRUE;
        break;
    default:
        break;
    }
    if (bDestroyed)
    {
        if (pbOuter)
            *pbOuter = TRUE;
        return;
    }
    m_pbDestroyed = pbOuter;
    Repaint();
}

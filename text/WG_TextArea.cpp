#include "WG_TextArea.h"
#include "WG_CharWidths.h"
#include "WG_Text.h"
#include "VRK_WGPANEL.h"
#include "WGHover.h"
#include "WGSkin.h"
#include <vector>

// Geometry: the text origin in a row band, the caret and highlight rows,
// and skin 3012 (15 x 41: up arrow rows 0-14, grip 15-25 with its body
// row 17, down arrow 26-40).
enum
{
    TEXT_X = 2, TEXT_Y = 4, CARET_Y = 3, BAND_TOP = 2, BAND_H = 15,
    SKIN_ID = 3012, SKIN_UP_Y = 0, SKIN_GRIP_Y = 15, SKIN_GRIP_H = 11, SKIN_BODY_Y = 17, SKIN_DOWN_Y = 26,
    CR_HINT = 0x9D9D9D,          // (157,157,157)
    CR_THUMB_LINE = 0xC8C8C8,    // (200,200,200)
    CR_WHITE = 0xFFFFFF,
};

static inline BOOL IsLead(char c) { return ((BYTE)c & 0x80) != 0; }

struct CWG_TextArea::CLayout
{
    CWGCharWidths chars;
    std::vector<CRow> rows;
};

CWG_TextArea::CWG_TextArea()
    : m_nShowRows(0), m_nRowHeight(16), m_nThumbHeight(MIN_THUMB), m_nRowCount(0), m_nCaretRow(0),
      m_nCaret(0), m_nCaretX(TEXT_X), m_nCaretY(CARET_Y), m_nThumbTop(0), m_nFirstRow(0), m_nThumbGrab(0),
      m_bScrollBar(FALSE), m_bSelected(FALSE), m_bThumbDragging(FALSE), m_bDragging(FALSE),
      m_bShiftCtrl(FALSE), m_bCaretShow(FALSE), m_nSelAnchorRow(0), m_nSelAnchor(0), m_nSelEndRow(0),
      m_nSelEnd(0), m_nSelMinRow(0), m_nSelMin(0), m_nSelMaxRow(0), m_nSelMax(0), m_nCaretRowStart(0),
      m_nCaretColumn(0), m_nCaretRowEnd(0), m_crSavedBorder(WG_CR_BORDER), m_bReadOnly(FALSE),
      m_pLayout(new CLayout), m_pbDestroyed(nullptr), m_bFocusLook(FALSE)
{
}

CWG_TextArea::~CWG_TextArea()
{
    if (m_pbDestroyed)
        *m_pbDestroyed = TRUE;
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
    delete m_pLayout;
}

int CWG_TextArea::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight)
{
    if (!CVRK_WG::Create(pParent, x, y, nWidth, nHeight))
        return 0;
    if (!pParent || !pParent->m_hWnd || !m_Menu.CreateFor(pParent, this))
        return 0;
    m_nShowRows = m_nRowHeight > 0 ? Height() / m_nRowHeight : 0;
    return 1;
}

// ---- text ----------------------------------------------------------------------------

void CWG_TextArea::SetTextStr(CString str)
{
    m_strText = str;
    m_nCaret = m_strText.GetLength();
    m_nFirstRow = m_nThumbTop = 0;
    m_bSelected = FALSE;
}

void CWG_TextArea::ClearTextStr()
{
    m_strText = "";
    m_nCaret = m_nFirstRow = m_nThumbTop = 0;
    Arrange();
}

int CWG_TextArea::IfInCN(long n)
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
    return nLead >= 0 && n == nLead + 1;
}

// ---- measuring -------------------------------------------------------------------------

long CWG_TextArea::TextArea() const
{
    return m_nWidth - 4 - BAR_W * (m_bScrollBar ? 1 : 0);
}

long CWG_TextArea::TextWidth(long nFrom, long nTo)
{
    const long nLen = m_strText.GetLength();
    if (nTo > nLen)
        nTo = nLen;
    if (nFrom < 0)
        nFrom = 0;
    if (nTo <= nFrom)
        return 0;
    CMeasureDC dc(m_pBGDC->m_hDC, m_pFont);
    CWGCharWidths& cw = m_pLayout->chars;
    cw.Reset(dc.m_hdc, (HFONT)CGdiObject::SafeHandle(m_pFont));
    const char* s = m_strText;
    long w = 0;
    for (long i = nFrom; i < nTo;)
    {
        if (i + 1 < nTo && cw.IsLeadForGDI((BYTE)s[i]))
        {
            w += cw.Pair(dc.m_hdc, (BYTE)s[i], (BYTE)s[i + 1]);
            i += 2;
        }
        else
            w += cw.Byte(dc.m_hdc, (BYTE)s[i++]);
    }
    return w;
}

// ---- layout --------------------------------------------------------------------------

long CWG_TextArea::RowsLaidOut() const { return (long)m_pLayout->rows.size(); }

long CWG_TextArea::LaidRowStart(long r) const
{
    return r >= 0 && r < RowsLaidOut() ? m_pLayout->rows[r].s : 0;
}

long CWG_TextArea::LaidRowEnd(long r) const
{
    return r >= 0 && r < RowsLaidOut() ? m_pLayout->rows[r].e : 0;
}

long CWG_TextArea::ReachEnd()
{
    return m_pLayout->rows.empty() ? 0 : m_pLayout->rows.back().e;
}

// Walks characters from byte 0 (a byte 0x80-0xFF and the byte after it are
// one character), so every row starts and ends on a character boundary.
// A row's width is the sum of its characters' widths, tested at each byte
// as the growing prefix would be measured.
void CWG_TextArea::Layout(BOOL bScrollBar)
{
    std::vector<CRow>& rows = m_pLayout->rows;
    rows.clear();
    const long nLen = m_strText.GetLength();
    if (nLen == 0)
        return;
    CMeasureDC dc(m_pBGDC->m_hDC, m_pFont);
    CWGCharWidths& cw = m_pLayout->chars;
    cw.Reset(dc.m_hdc, (HFONT)CGdiObject::SafeHandle(m_pFont));
    const long A = m_nWidth - 4 - BAR_W * (bScrollBar ? 1 : 0);
    const char* s = m_strText;
    for (long nStart = 0; nStart < nLen && nStart < ROW_LIMIT;)
    {
        long c = nStart, w = 0, e = -1;
        while (c < nLen)
        {
            const BYTE b = (BYTE)s[c];
            const long nChar = IsLead((char)b) && c + 1 < nLen ? 2 : 1;
            if (nChar == 1 && b == 0x0D)
            {
                e = c + 1;   // the line break belongs to its row
                break;
            }
            if (w + cw.Byte(dc.m_hdc, b) + 2 > A)
            {
                e = c;
                break;
            }
            const long wChar = nChar == 2 ? cw.Pair(dc.m_hdc, b, (BYTE)s[c + 1]) : cw.Byte(dc.m_hdc, b);
            if (w + wChar + 2 > A)
            {
                e = c;   // the two-byte character moves whole
                break;
            }
            w += wChar;
            c += nChar;
        }
        if (e < 0)
            e = nLen;
        if (e <= nStart)   // at least one character, however narrow the row
            e = nStart + (IsLead(s[nStart]) && nStart + 1 < nLen ? 2 : 1);
        rows.push_back({ nStart, e });
        nStart = e;
    }
}

long CWG_TextArea::CountNowStartRow(long n)
{
    Layout(m_bScrollBar);
    const std::vector<CRow>& rows = m_pLayout->rows;
    long nCount = 0;
    for (const CRow& row : rows)
    {
        ++nCount;
        if (row.e >= n)
            break;
    }
    return nCount - m_nShowRows;
}

void CWG_TextArea::KeepCaretInReach()
{
    // Past the last laid-out row nothing is reachable, and a position is
    // always a character boundary.
    const long nReach = ReachEnd();
    auto keep = [&](long& n) {
        if (n > nReach) n = nReach;
        if (n < 0) n = 0;
        if (IfInCN(n)) --n;
    };
    keep(m_nCaret);
    keep(m_nSelAnchor);
    keep(m_nSelEnd);
}

void CWG_TextArea::Arrange()
{
    const long H = Height();
    m_nShowRows = m_nRowHeight > 0 ? H / m_nRowHeight : 0;
    if (m_strText.IsEmpty() || m_nFirstRow < 0)
        m_nFirstRow = 0;
    m_nCaretRowStart = m_nCaretColumn = 0;
    Layout(m_bScrollBar);
    const long nLen = m_strText.GetLength();
    // A caret after a final line break has an empty row of its own.
    auto rowsWithCaret = [&]() {
        const long n = RowsLaidOut();
        return n + (n > 0 && m_nCaret == nLen && ReachEnd() == nLen && m_strText[(int)nLen - 1] == 0x0D ? 1 : 0);
    };
    KeepCaretInReach();
    // Laid out at the width the bar leaves, so no row runs under the bar
    // the layout turns on (or stops short of the one it turns off).
    const BOOL bBar = rowsWithCaret() > m_nShowRows;
    if (bBar != m_bScrollBar)
    {
        m_bScrollBar = bBar;
        Layout(bBar);
        KeepCaretInReach();
    }
    if (m_nSelAnchor > m_nSelEnd)
    {
        m_nSelMinRow = m_nSelEndRow, m_nSelMin = m_nSelEnd;
        m_nSelMaxRow = m_nSelAnchorRow, m_nSelMax = m_nSelAnchor;
    }
    else
    {
        m_nSelMinRow = m_nSelAnchorRow, m_nSelMin = m_nSelAnchor;
        m_nSelMaxRow = m_nSelEndRow, m_nSelMax = m_nSelEnd;
    }
    const std::vector<CRow>& rows = m_pLayout->rows;
    m_nRowCount = (long)rows.size();
    for (long r = 0; r < (long)rows.size(); ++r)
    {
        if (m_nCaret < rows[r].s || m_nCaret > rows[r].e)
            continue;
        if (m_nCaret == nLen && rows[r].e == nLen && m_strText[(int)nLen - 1] == 0x0D)
        {
            m_nCaretRow = m_nRowCount++;
            m_nCaretRowStart = nLen;
            m_nCaretColumn = m_nCaretRowEnd = 0;
            break;
        }
        m_nCaretRow = r;
        m_nCaretRowStart = rows[r].s;
        m_nCaretColumn = m_nCaret - rows[r].s;
        m_nCaretRowEnd = rows[r].e;
    }
    if (m_nCaret == 0)
        m_nCaretRow = 0;
    // Kept current while the caret is hidden too: Up and Down start there.
    m_nCaretX = TEXT_X + TextWidth(m_nCaretRowStart, m_nCaretRowStart + m_nCaretColumn);
    m_nCaretY = (m_nCaretRow - m_nFirstRow) * m_nRowHeight + CARET_Y;
    if (m_nRowCount > 0 && m_nRowCount > m_nShowRows)
    {
        m_bScrollBar = TRUE;
        m_nThumbHeight = (H - 2 * BAR_W) * m_nShowRows / m_nRowCount;
        if (m_nThumbHeight < MIN_THUMB)
            m_nThumbHeight = MIN_THUMB;
        if (m_nThumbTop < BAR_W)
            m_nThumbTop = BAR_W + 1;
        else if (m_nThumbTop + m_nThumbHeight > H - BAR_W)
            m_nThumbTop = H - BAR_W - m_nThumbHeight;
    }
    else
    {
        m_nFirstRow = 0;
        m_bScrollBar = FALSE;
    }
}

// ---- drawing -------------------------------------------------------------------------

void CWG_TextArea::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    if (m_nWidth < 1 || m_nHeight < 1 || !m_bmpBG.m_hObject)
        return;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    Arrange();
    CDC* dc = m_pBGDC;
    if (m_strText.IsEmpty())
    {
        const COLORREF crOld = dc->SetTextColor(CR_HINT);
        dc->TextOut(TEXT_X, TEXT_Y, m_strHint);
        dc->SetTextColor(crOld);
    }
    const std::vector<CRow>& rows = m_pLayout->rows;
    const char* s = m_strText;
    const long nLast = m_nFirstRow + m_nShowRows < (long)rows.size() ? m_nFirstRow + m_nShowRows : (long)rows.size();
    for (long r = m_nFirstRow; r < nLast; ++r)
    {
        const CRow& row = rows[r];
        const long y = (r - m_nFirstRow) * m_nRowHeight;
        if (m_bSelected && m_nSelMin < row.e && m_nSelMax > row.s)
        {
            // The bounds clipped to the row: the same band as the first,
            // last, single and middle row cases of a selection.
            const long a = m_nSelMin > row.s ? m_nSelMin : row.s;
            const long b = m_nSelMax < row.e ? m_nSelMax : row.e;
            dc->FillSolidRect(TEXT_X + TextWidth(row.s, a), y + BAND_TOP, TextWidth(a, b), BAND_H, WG_CR_SELECTION);
        }
        // The line break keeps its width (selections show it) but draws
        // nothing: fonts show the control byte as a box.
        const long n = row.e - row.s - (row.e > row.s && s[row.e - 1] == 0x0D ? 1 : 0);
        dc->TextOut(TEXT_X, y + TEXT_Y, s + row.s, n);
    }
    if (m_bCaretShow)
    {
        CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
        CDCSelect selPen(dc, &pen);
        dc->MoveTo(m_nCaretX, m_nCaretY);
        dc->LineTo(m_nCaretX, m_nCaretY + BAND_H);
    }
    if (m_bScrollBar)
        DrawScrollBar();
}

void CWG_TextArea::DrawScrollBar()
{
    const long W = Width(), H = Height(), x0 = W - BAR_W, top = m_nThumbTop, h = m_nThumbHeight;
    CDC* dc = m_pBGDC;
    CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpScroll, SKIN_ID));
    dc->StretchBlt(x0, top, BAR_W, h, m_pParentBGDC, 0, SKIN_BODY_Y, BAR_W, 1, SRCCOPY);
    dc->BitBlt(x0, top + h / 2 - 6, BAR_W, SKIN_GRIP_H, m_pParentBGDC, 0, SKIN_GRIP_Y, SRCCOPY);
    {
        CPen penLine(PS_SOLID, 1, CR_THUMB_LINE), penWhite(PS_SOLID, 1, CR_WHITE);
        CDCSelect selPen(dc, &penLine);
        dc->MoveTo(x0, top - 1);
        dc->LineTo(W - 1, top - 1);
        dc->MoveTo(x0, top + h - 1);
        dc->LineTo(W - 1, top + h - 1);
        ::SelectObject(dc->m_hDC, penWhite.m_hObject);
        dc->MoveTo(x0 + 1, top);
        dc->LineTo(W - 2, top);
        dc->MoveTo(x0 + 1, top + h - 2);
        dc->LineTo(W - 2, top + h - 2);
        ::SelectObject(dc->m_hDC, penLine.m_hObject);
    }
    dc->BitBlt(x0, 0, BAR_W, BAR_W, m_pParentBGDC, 0, SKIN_UP_Y, SRCCOPY);
    dc->BitBlt(x0, H - BAR_W, BAR_W, BAR_W, m_pParentBGDC, 0, SKIN_DOWN_Y, SRCCOPY);
}

// The layout is made first, so the state is current even when nothing
// paints (a hidden element); the input method's window follows the caret
// after the paint, outside the panel's lock.
void CWG_TextArea::Repaint()
{
    Arrange();
    if (!m_pParent)
        return;
    m_pParent->RefreshWG(m_nIndex);
    m_pParent->SetIMPostion(m_rect.left + m_nCaretX, m_rect.top + m_nCaretY);
}

BOOL CWG_TextArea::Notify(long nCode)
{
    if (!m_pParent)
        return TRUE;
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

void CWG_TextArea::StartBlink()
{
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        ::SetTimer(m_pParent->m_hWnd, m_nIndex, BLINK_MS, nullptr);
}

// ---- hit test ------------------------------------------------------------------------

void CWG_TextArea::CountNowCurPos(CPoint pt)
{
    const long row = (m_nRowHeight > 0 ? (pt.y - 4) / m_nRowHeight : 0) + m_nFirstRow;
    if (m_strText.IsEmpty())
    {
        m_nCaretRow = m_nCaret = 0;
        return;
    }
    if (row >= m_nRowCount)
        return;
    m_nCaretRow = row;
    Layout(m_bScrollBar);
    if (row < 0 || row >= RowsLaidOut())
        return;   // the empty row after a final line break has no bytes
    const long s = LaidRowStart(row);
    long e = LaidRowEnd(row);
    const char* t = m_strText;
    if (e > s && t[e - 1] == 0x0D)
        --e;
    if (e < 1)
    {
        m_nCaret = 0;
        return;
    }
    if (e <= s)   // a row holding only a line break
    {
        m_nCaret = s;
        return;
    }
    // One DC for the whole test: the prefix widths of the row, and the
    // widths of its single bytes.
    CMeasureDC dc(m_pBGDC->m_hDC, m_pFont);
    CWGCharWidths& cw = m_pLayout->chars;
    cw.Reset(dc.m_hdc, (HFONT)CGdiObject::SafeHandle(m_pFont));
    std::vector<long> P((size_t)(e - s + 1), 0);   // P[k]: width of bytes s..s+k-1
    for (long i = s; i < e;)
    {
        if (i + 1 < e && cw.IsLeadForGDI((BYTE)t[i]))
        {
            P[i - s + 1] = P[i - s] + cw.Byte(dc.m_hdc, (BYTE)t[i]);
            P[i - s + 2] = P[i - s] + cw.Pair(dc.m_hdc, (BYTE)t[i], (BYTE)t[i + 1]);
            i += 2;
        }
        else
        {
            P[i - s + 1] = P[i - s] + cw.Byte(dc.m_hdc, (BYTE)t[i]);
            ++i;
        }
    }
    auto B = [&](long i) { return (long)cw.Byte(dc.m_hdc, (BYTE)t[i]); };
    if (pt.x < B(s) / 2 + TEXT_X)
    {
        m_nCaret = s;
        return;
    }
    if (pt.x > P[e - s] - B(e - 1) / 2 + TEXT_X)
    {
        m_nCaret = e;
        return;
    }
    for (long j = s; j <= e - 2; ++j)
    {
        // Without the 2-pixel origin, as the rule has it. A prefix that
        // ends inside a character is measured as that lone byte.
        if (pt.x >= P[j - s] + B(j) / 2 && pt.x <= P[j + 1 - s] + B(j + 1) / 2)
        {
            m_nCaret = IfInCN(j + 1) ? j + 2 : j + 1;
            return;
        }
    }
}

// ---- keys ----------------------------------------------------------------------------

void CWG_TextArea::RemoveRange(long nFrom, long nTo)
{
    const long nLen = m_strText.GetLength();
    if (nTo > nLen)
        nTo = nLen;
    if (nFrom < 0)
        nFrom = 0;
    if (nTo > nFrom)
        m_strText.Delete((int)nFrom, (int)(nTo - nFrom));
}

void CWG_TextArea::OnKeyDown(UINT nChar)
{
    if (m_Menu.m_bShown)
        m_Menu.Shirk();
    m_bCaretShow = TRUE;
    Arrange();   // the text may have changed since the last layout
    const long nReach = ReachEnd();
    switch (nChar)
    {
    case VK_LEFT:
        if (m_nCaret > 0)
            --m_nCaret;
        if (IfInCN(m_nCaret))
            --m_nCaret;
        if (m_nCaret < m_nCaretRowStart && m_nCaretRow == m_nFirstRow)
            --m_nFirstRow;
        Repaint();
        break;
    case VK_RIGHT:
        if (m_nCaret < nReach)
            ++m_nCaret;
        if (IfInCN(m_nCaret))
            ++m_nCaret;
        if (m_nCaret > nReach)
            m_nCaret = nReach;
        if (m_nCaret != nReach && m_nCaret == m_nCaretRowEnd && m_nCaretRow == m_nFirstRow + m_nShowRows - 1)
            ++m_nFirstRow;
        Repaint();
        break;
    case VK_UP:
    case VK_DOWN: {
        // Probes the top of the text band of the row above or below (the
        // hit test's rows start 4 pixels into a band), so each press moves
        // exactly one row, also to the row above the view.
        m_nCaretY += nChar == VK_UP ? -m_nRowHeight : m_nRowHeight;
        CountNowCurPos(CPoint(m_nCaretX, m_nCaretY - CARET_Y + TEXT_Y));
        if (nChar == VK_UP && m_nCaretRow > -1 && m_nCaretRow < m_nFirstRow)
            --m_nFirstRow;
        if (nChar == VK_DOWN && m_nCaretRow < m_nRowCount && m_nCaretRow == m_nFirstRow + m_nShowRows)
            ++m_nFirstRow;
        Repaint();
        break;
    }
    case VK_SHIFT:
    case VK_CONTROL:
        m_bShiftCtrl = TRUE;
        Repaint();
        break;
    case VK_DELETE: {
        if (m_bReadOnly)
            break;
        const long nLen = m_strText.GetLength();
        if (m_bSelected)
        {
            RemoveRange(m_nSelMin, m_nSelMax);
            m_nCaret = m_nSelMin;
        }
        else if (m_nCaret < nLen)
            RemoveRange(m_nCaret, m_nCaret + (IfInCN(m_nCaret + 1) ? 2 : 1));
        else if (m_nCaret > 0)
        {
            const long nBack = IfInCN(m_nCaret - 1) ? 2 : 1;
            RemoveRange(m_nCaret - nBack, m_nCaret);
            m_nCaret -= nBack;
        }
        if (m_nCaret < 0) m_nCaret = 0;
        if (m_nCaret > m_strText.GetLength()) m_nCaret = m_strText.GetLength();
        m_bSelected = FALSE;
        BackspaceScroll();
        Repaint();
        break;
    }
    default:
        break;
    }
    if (m_bShiftCtrl)
    {
        if (!m_bSelected)
        {
            m_nSelAnchorRow = m_nCaretRow, m_nSelAnchor = m_nCaret;
            m_bSelected = TRUE;
        }
        m_nSelEndRow = m_nCaretRow, m_nSelEnd = m_nCaret;
        Repaint();
    }
    ShowCaretRow();
}

void CWG_TextArea::OnKeyUp(UINT nChar)
{
    if (nChar == VK_SHIFT || nChar == VK_CONTROL)
        m_bShiftCtrl = FALSE;
}

void CWG_TextArea::ShowCaretRow()
{
    Arrange();
    const long nFirst = m_nFirstRow;
    if (m_nCaretRow < m_nFirstRow)
        m_nFirstRow = m_nCaretRow;
    else if (m_nShowRows > 0 && m_nCaretRow >= m_nFirstRow + m_nShowRows)
        m_nFirstRow = m_nCaretRow - m_nShowRows + 1;
    if (m_nFirstRow != nFirst)
        Repaint();
}

// ---- characters -----------------------------------------------------------------------

void CWG_TextArea::BackspaceScroll()
{
    if (m_nCaret > 0 &&
        ((m_nCaret == m_nCaretRowStart && m_nFirstRow > 0 && m_strText[(int)m_nCaret - 1] != 0x0D) ||
         m_nCaret == m_nCaretRowStart - 1))
        --m_nFirstRow;
}

void CWG_TextArea::Backspace()
{
    if (m_bSelected)
    {
        RemoveRange(m_nSelMin, m_nSelMax);
        m_nCaret = m_nSelMin;
    }
    else if (m_nCaret > 0)
    {
        --m_nCaret;
        if (IfInCN(m_nCaret))
        {
            --m_nCaret;
            RemoveRange(m_nCaret, m_nCaret + 2);
        }
        else
            RemoveRange(m_nCaret, m_nCaret + 1);
    }
    m_bSelected = FALSE;
    if (m_nCaret < 0)
        m_nCaret = 0;
    BackspaceScroll();
}

void CWG_TextArea::OnChar(UINT nChar)
{
    if (m_bReadOnly)
        return;
    Arrange();   // the text may have changed since the last layout
    BOOL bDestroyed = FALSE;
    BOOL* pbOuter = m_pbDestroyed;
    m_pbDestroyed = &bDestroyed;
    switch (nChar)
    {
    case 0x01: OnMenuCommand(-1, CWG_Text::EDIT_SELECT_ALL); break;
    case 0x03: OnMenuCommand(-1, CWG_Text::EDIT_COPY); break;
    case 0x18: OnMenuCommand(-1, CWG_Text::EDIT_CUT); break;
    case 0x16: OnMenuCommand(-1, CWG_Text::EDIT_PASTE); break;
    case VK_BACK: Backspace(); break;
    default:
        if (nChar < 0x20 && nChar != 0x0D)
            break;   // changes nothing, and reports
        {
            const char ch = (char)(BYTE)nChar;
            if (m_bSelected)
            {
                m_bSelected = FALSE;
                RemoveRange(m_nSelMin, m_nSelMax);
                m_strText.Insert((int)m_nSelMin, ch);
                m_nCaret = m_nSelMin + 1;
            }
            else
            {
                m_strText.Insert((int)m_nCaret, ch);
                ++m_nCaret;
                if (m_nCaretRow + 1 >= m_nShowRows + m_nFirstRow &&
                    TextWidth(m_nCaretRowStart, m_nCaretRowStart + m_nCaretColumn + 1) + 2 > TextArea())
                {
                    m_bScrollBar = TRUE;
                    m_nFirstRow = CountNowStartRow(m_nCaret);
                }
            }
        }
        break;
    }
    if (bDestroyed)
    {
        if (pbOuter)
            *pbOuter = TRUE;
        return;
    }
    m_pbDestroyed = pbOuter;
    if (nChar == 0x01)
    {
        ShowCaretRow();
        return;
    }
    Repaint();
    ShowCaretRow();
    Notify(CMD_CHANGED);
}

// ---- mouse ------------------------------------------------------------------------------

static void PanelIBeam(CVRK_WGPANEL* pPanel)
{
    if (pPanel)
        pPanel->SetMyCursor(CWGHover::StandardCursor(IDC_IBEAM));
}

void CWG_TextArea::OnButtonDown(CPoint point, long nButton)
{
    if (nButton != 0)
    {
        m_Menu.PopupFor(m_pParent, point, m_bSelected, !m_strText.IsEmpty());
        return;
    }
    Arrange();
    const long x = point.x - m_rect.left, y = point.y - m_rect.top, W = Width(), H = Height();
    if (x < W - BAR_W)
    {
        if (m_bShiftCtrl)
        {
            CountNowCurPos(CPoint(x, y));
            if (m_nCaret == m_nSelAnchor || m_nCaret == m_nSelEnd)
                return;
            PanelIBeam(m_pParent);
            m_nSelEndRow = m_nCaretRow, m_nSelEnd = m_nCaret;
            m_bDragging = m_bSelected = TRUE;
            Repaint();
            return;
        }
        PanelIBeam(m_pParent);
        if (m_pParent)
            m_pParent->GiveMeMouse(m_nIndex);
        m_bDragging = TRUE;
        m_bSelected = FALSE;
        CountNowCurPos(CPoint(x, y));
        m_nSelAnchorRow = m_nSelEndRow = m_nCaretRow;
        m_nSelAnchor = m_nSelEnd = m_nCaret;
        m_bCaretShow = TRUE;
        Repaint();
        StartBlink();
        return;
    }
    if (!m_bScrollBar)
        return;
    if (y < BAR_W)
        OnMouseWheel(1);
    else if (y > H - BAR_W)
        OnMouseWheel(-1);
    else if (y > m_nThumbTop && y < m_nThumbTop + m_nThumbHeight)
    {
        if (m_pParent)
            m_pParent->GiveMeMouse(m_nIndex);
        m_bThumbDragging = TRUE;
        m_nThumbGrab = y - m_nThumbTop;
    }
    else if (H > 2 * BAR_W)
    {
        // Shown by the next repaint (at the latest the next blink).
        m_nThumbTop = y;
        m_nFirstRow = m_nRowCount * y / (H - 2 * BAR_W);
    }
}

void CWG_TextArea::OnMouseMove(CPoint point)
{
    const long x = point.x - m_rect.left, y = point.y - m_rect.top, H = Height();
    if (m_bThumbDragging)
    {
        m_nThumbTop = y - m_nThumbGrab;
        if (H > BAR_W)
            m_nFirstRow = (m_nThumbTop - BAR_W) * m_nRowCount / (H - BAR_W);
        if (m_nFirstRow > m_nRowCount - m_nShowRows)
            m_nFirstRow = m_nRowCount - m_nShowRows;
        Repaint();
        return;
    }
    if (m_bDragging && !m_strText.IsEmpty() && m_nRowHeight > 0)
    {
        const long nBottom = m_nRowHeight * m_nRowCount + 4 < m_nRowHeight * m_nShowRows
                                 ? m_nRowHeight * m_nRowCount + 4 : m_nRowHeight * m_nShowRows;
        long yProbe = y;
        if (y < 0 || y >= nBottom)
        {
            m_nFirstRow += y < 0 ? y / m_nRowHeight - 1 : (y - nBottom) / m_nRowHeight + 1;
            const long nMax = m_nRowCount - m_nShowRows > 0 ? m_nRowCount - m_nShowRows : 0;
            if (m_nFirstRow < 0)
                m_nFirstRow = 0, yProbe = 3;
            else if (m_nFirstRow > nMax)
                m_nFirstRow = nMax, yProbe = nBottom - 4;
            if (m_nRowCount > 0)
                m_nThumbTop = (H - 2 * BAR_W) * m_nFirstRow / m_nRowCount + BAR_W;
        }
        CountNowCurPos(CPoint(x, yProbe));
        if (m_nCaret != m_nSelAnchor && m_nCaret != m_nSelEnd)
        {
            CWGHover::ShowCursor(this, IDC_IBEAM);
            m_nSelEndRow = m_nCaretRow, m_nSelEnd = m_nCaret;
            m_bSelected = TRUE;
        }
        Repaint();
        return;
    }
    CWGHover::ShowCursor(this, x < Width() - BAR_W * (m_bScrollBar ? 1 : 0) ? IDC_IBEAM : IDC_ARROW);
}

void CWG_TextArea::OnButtonUp(CPoint point, long)
{
    if (m_bThumbDragging || m_bDragging)
    {
        // Only a mouse this element holds goes back (a Shift-click drag
        // never took it).
        if (m_pParent && m_pParent->m_nMouseWG == m_nIndex)
            m_pParent->ByeMouse();
        if (m_bThumbDragging)
            m_bThumbDragging = FALSE;
        else
            m_bDragging = FALSE;
    }
    if (point.x - m_rect.left < Width() - BAR_W)
        PanelIBeam(m_pParent);
}

void CWG_TextArea::SelectAll()
{
    m_nSelAnchorRow = 0, m_nSelAnchor = 0;
    m_nSelEndRow = m_nRowCount, m_nSelEnd = m_strText.GetLength();
    m_bSelected = TRUE;
}

void CWG_TextArea::OnButtonDClick(CPoint, long)
{
    SelectAll();
    Repaint();
}

void CWG_TextArea::OnMouseWheel(short zDelta)
{
    if (!m_bScrollBar || m_nRowCount <= 0)
        return;
    m_nFirstRow += zDelta > 0 ? -1 : 1;
    const long nMax = m_nRowCount - m_nShowRows;
    if (m_nFirstRow >= nMax)
    {
        m_nFirstRow = nMax;
        m_nThumbTop = Height() - BAR_W - m_nThumbHeight;
    }
    else
        m_nThumbTop = (Height() - BAR_W) * m_nFirstRow / m_nRowCount;
    Repaint();
}

// ---- commands ------------------------------------------------------------------------------

// Pasted line ends become the one line-break byte: CR LF and a bare LF
// alike.
static CString OneLineBreak(const CString& str)
{
    const long n = str.GetLength();
    const char* s = str;
    CString out;
    char* d = out.GetBuffer((int)n);
    long k = 0;
    for (long i = 0; i < n; ++i)
    {
        if (s[i] == '\n')
        {
            if (k == 0 || d[k - 1] != '\r' || (i > 0 && s[i - 1] != '\r'))
                d[k++] = '\r';
            continue;
        }
        d[k++] = s[i];
    }
    out.ReleaseBuffer((int)k);
    return out;
}

void CWG_TextArea::PasteText()
{
    const CString str = OneLineBreak(CWGTextClipboard::Get(m_pParent ? m_pParent->m_hWnd : nullptr));
    if (str.IsEmpty())
        return;
    if (m_bSelected)
    {
        RemoveRange(m_nSelMin, m_nSelMax);
        m_nCaret = m_nSelMin;
        m_bSelected = FALSE;
    }
    m_strText.Insert((int)m_nCaret, str);
    m_nCaret += str.GetLength();
    Arrange();
    if (m_bScrollBar)
    {
        m_nFirstRow = m_nRowCount - m_nShowRows;
        m_nThumbTop = Height() - BAR_W - m_nThumbHeight;
    }
}

void CWG_TextArea::OnMenuCommand(long, long nCommand)
{
    Arrange();
    BOOL bDestroyed = FALSE;
    BOOL* pbOuter = m_pbDestroyed;
    m_pbDestroyed = &bDestroyed;
    switch (nCommand)
    {
    case CWG_Text::EDIT_UNDO:
        m_bSelected = FALSE;
        break;
    case CWG_Text::EDIT_CUT:
    case CWG_Text::EDIT_COPY:
        if (m_bSelected && m_nSelMax > m_nSelMin)
        {
            if (m_pParent)
                CWGTextClipboard::Put(m_pParent->m_hWnd, (LPCSTR)m_strText + m_nSelMin, m_nSelMax - m_nSelMin);
            if (nCommand == CWG_Text::EDIT_CUT)
            {
                m_bShiftCtrl = FALSE;
                OnChar(VK_BACK);
            }
        }
        if (!bDestroyed)
            m_bSelected = FALSE;
        break;
    case CWG_Text::EDIT_PASTE:
        if (!m_bReadOnly)
            PasteText();
        break;
    case CWG_Text::EDIT_DELETE:
        OnChar(VK_BACK);
        break;
    case CWG_Text::EDIT_SELECT_ALL:
        SelectAll();
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

// ---- focus and caret --------------------------------------------------------------------

void CWG_TextArea::OnGetFocus()
{
    m_bCaretShow = TRUE;
    if (!m_bFocusLook)
        m_crSavedBorder = m_crBorder;
    m_bFocusLook = TRUE;
    m_crBorder = WG_CR_TEXT_FOCUS;
    Repaint();
    StartBlink();
}

void CWG_TextArea::OnLoseFocus()
{
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
    m_bCaretShow = FALSE;
    m_bShiftCtrl = FALSE;
    m_bSelected = FALSE;
    m_bDragging = m_bThumbDragging = FALSE;   // the panel has let the mouse go
    if (m_bFocusLook)
        m_crBorder = m_crSavedBorder;
    m_bFocusLook = FALSE;
    Repaint();
}

void CWG_TextArea::OnTimer()
{
    m_bCaretShow = !m_bCaretShow;
    Repaint();
}

void CWG_TextArea::OnOpenIME()
{
    if (m_pParent)
        m_pParent->SetIMPostion(m_rect.left + m_nCaretX, m_rect.top + m_nCaretY);
}

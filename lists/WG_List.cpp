#include "WG_List.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include "WGHover.h"
#include <vector>

// Skin 3008: the caption strip is column 0, rows 0..19; the scroll bar's
// pieces are 15 wide at x 2.
enum
{
    SKIN_ID = 3008, STRIP_H = 20, BAR_X = 2, BAR_W = 15, UP_Y = 0, GRIP_Y = 15, GRIP_H = 11,
    BODY_Y = 17, DOWN_Y = 26, MIN_THUMB = 12, EDGE_GRAB = 5, MIN_TIER = 10, TEXT_INSET = 4,
    CMD_CHOICE = 5, CMD_DOUBLE = 8
};

enum : COLORREF
{
    CR_ROW_BACK = 0xFCFCFC, CR_MARK = 0xC8C8FB, CR_SPE_TIER = 0xFF6600, CR_SPE_TIER_EX = 0x3232FF,
    CR_GRID = 0xEDEDED, CR_SEPARATOR = 0xC8C8C8, CR_WHITE = 0xFFFFFF
};

CWG_List::CWG_List()
    : m_clrRowText(m_crText), m_clrSpeRowText(m_crText), m_clrSpeRowBack(0xBCFEBD),
      m_clrSpeRowFrame(0x67FE67), m_clrSpeRowExBack(0xF0F0FF), m_clrSpeRowExFrame(0x8181FF),
      m_clrChoosedBack(0xF8F0DF), m_clrChoosedFrame(0xF9D996), m_bMeasureTiers(1), m_bChainSource(0),
      m_nRowCount(0), m_nShiftCtrl(0), m_nAnchorRow(-1), m_nChoosedRowTop(0), m_nUnsizableTiers(1),
      m_nCaptionHeight(20), m_nRowHeight(20), m_nShowRows(0), m_nFirstRow(0), m_nThumbTop(0),
      m_nThumbHeight(0), m_nThumbGrab(0), m_bThumbDragging(0), m_nSizingTier(-1), m_bDrawGrid(1),
      m_bCanChoose(1), m_bMultiChoose(1), m_bClickUnchoose(1), m_nMarkRow(-1), m_nFooterRows(0),
      m_pfnCanChooseRow(nullptr)
{
}

CWG_List::~CWG_List() {}

int CWG_List::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight, CString* pCaptions,
                     long nCaptions, long nRowHeight)
{
    if (nCaptions < 1 || !pCaptions || nRowHeight < 1)
        return 0;
    m_nRowHeight = nRowHeight;
    for (long i = 0; i < nCaptions; ++i)
        m_Captions.Add(pCaptions[i]);
    return CVRK_WG::Create(pParent, x, y, nWidth, nHeight) ? 1 : 0;
}

// ---- geometry ------------------------------------------------------------------------

// Scroll range R = rows + whole rows - 1 (the last row can come to the top)
// passes 2^31 for the largest row counts, and so do T x first row and
// R x thumb offset: all three are 64-bit.
long CWG_List::ThumbTopFromFirstRow()
{
    const long long r = ScrollRange();
    const long t = TrackLength();
    if (m_nFirstRow < 1 || r <= 0 || t <= 0)
        return TrackTop();
    return TrackTop() + (long)((long long)t * m_nFirstRow / r);
}

void CWG_List::FirstRowFromThumb(long y)
{
    const long t = TrackLength();
    if (t <= 0)
        return;
    long long n = ScrollRange() * (long long)(y - TrackTop()) / t;
    // The pointer may leave the track while it drags: the result is kept
    // within the rows here rather than wrapped in 32 bits.
    if (n > m_nRowCount - 1)
        n = m_nRowCount - 1;
    m_nFirstRow = n < 0 ? 0 : (long)n;
    ClampFirstRow();
}

long CWG_List::TierRight(long t)
{
    if (t >= Tiers() - 1 || t >= m_TierX.GetSize())
        return Width();
    return m_TierX[t];
}

long CWG_List::DraggableEdges() const
{
    long n = Tiers() - m_nUnsizableTiers;
    return n < m_TierX.GetSize() ? n : m_TierX.GetSize();
}

long CWG_List::CaptionWidth(long nTier)
{
    // Measured in the element's own DC once it has one.
    HDC hDC = m_bDCCreated ? m_pBGDC->m_hDC : ::GetDC(nullptr);
    SIZE size = { 0, 0 };
    {
        CDCSelect selFont(hDC, m_pFont ? m_pFont->m_hObject : nullptr);
        const CString& s = m_Captions[nTier];
        ::GetTextExtentPoint32A(hDC, s, s.GetLength(), &size);
    }
    if (!m_bDCCreated)
        ::ReleaseDC(nullptr, hDC);
    return size.cx;
}

void CWG_List::ClampFirstRow()
{
    if (m_nRowCount < 0)
        m_nRowCount = 0;
    if (m_nShowRows < 1 || m_nRowCount < m_nShowRows || m_nFirstRow < 0)
        m_nFirstRow = 0;
    else if (m_nFirstRow > m_nRowCount - 1)
        m_nFirstRow = m_nRowCount - 1;
}

void CWG_List::PruneChoice()
{
    // One pass, so the cost follows the size of the choice only.
    long n = 0;
    for (long i = 0; i < m_ChoosedRows.GetSize(); ++i)
        if (m_ChoosedRows[i] >= 0 && m_ChoosedRows[i] < m_nRowCount)
            m_ChoosedRows[n++] = m_ChoosedRows[i];
    m_ChoosedRows.Truncate(n);
}

// ---- data protocol -------------------------------------------------------------------

void CWG_List::_LoadData()
{
    m_nRowCount = 0;
    m_nShowRows = m_nRowHeight > 0 ? (Height() - m_nCaptionHeight) / m_nRowHeight : 0;
    LoadData();
    AfterLoadData();
    if (m_nRowCount < 0)
        m_nRowCount = 0;
}

void CWG_List::TrimTierX() {}
void CWG_List::LoadData() {}
void CWG_List::AfterLoadData() {}
CString CWG_List::GetData(long, long) { return CString(); }
void CWG_List::InitChainSource(long) {}
void CWG_List::NextChainItem() {}
int CWG_List::PreChooseRow(long) { return 1; }
int CWG_List::IfSpeTier(long) { return 0; }
int CWG_List::IfSpeTierEx(long) { return 0; }
int CWG_List::IfSpeRow(long) { return 0; }
int CWG_List::IfSpeRowEx(long) { return 0; }
int CWG_List::DrawFooter(long, CRect) { return 0; }

int CWG_List::DrawCaption()
{
    m_pBGDC->StretchBlt(0, 0, Width(), STRIP_H, m_pParentBGDC, 0, 0, 1, STRIP_H, SRCCOPY);
    return 0;
}

void CWG_List::DrawItem(long nRow, long nTier, CRect rc, unsigned long crBack)
{
    m_pBGDC->FillSolidRect(&rc, crBack);
    m_pBGDC->TextOut(rc.left + TEXT_INSET, rc.top + TEXT_INSET, GetData(nRow, nTier));
}

// ---- painting ------------------------------------------------------------------------

void CWG_List::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    _LoadData();
    PruneChoice();
    if (!m_bmpBG.m_hObject)
        return;   // no area: nothing to draw into
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpSkin, SKIN_ID));
    CDCSelect selFont(m_pBGDC, m_pFont);
    if (m_bMeasureTiers)
    {
        // Appended after any edges already there, as a repeated measure asks.
        long x = 0;
        for (long t = 0; t < Tiers(); ++t)
        {
            x += CaptionWidth(t) + 8;
            m_TierX.Add(x);
        }
        m_bMeasureTiers = 0;
    }
    if (m_TierX.GetSize() == 1)
        m_TierX[0] = Width();
    TrimTierX();

    if (m_nCaptionHeight > 0)
        PaintCaption();
    ClampFirstRow();
    if (m_nShowRows < 1)
        return;
    const long nRows = m_nRowCount;
    PaintRows();
    if (m_bDrawGrid)
        PaintGrid();
    // A data call may have changed the row count: what this paint leaves
    // behind holds for the count as it is now.
    if (m_nRowCount != nRows)
    {
        PruneChoice();
        ClampFirstRow();
    }
    {
        CPen penLine(PS_SOLID, 1, CR_SEPARATOR);
        CDCSelect selPen(m_pBGDC, &penLine);
        m_pBGDC->MoveTo(0, m_nCaptionHeight - 1);
        m_pBGDC->LineTo(Width(), m_nCaptionHeight - 1);
    }
    if (ScrollBarShown())
        PaintScrollBar();
}

void CWG_List::PaintCaption()
{
    CPen penWhite(PS_SOLID, 3, CR_WHITE), penLine(PS_SOLID, 1, CR_SEPARATOR);
    CDCSelect selPen(m_pBGDC, &penWhite);
    if (DrawCaption())
    {
        if (m_TierX.GetSize() > 0)
            m_TierX[0] = Width();
        return;
    }
    for (long t = 0; t < Tiers(); ++t)
    {
        const long left = TierLeft(t), right = TierRight(t);
        m_pBGDC->StretchBlt(left + 2, 0, right - left, m_nCaptionHeight, m_pParentBGDC, 0, 0, 1, STRIP_H,
                            SRCCOPY);
        const CString& s = m_Captions[t];
        const CSize size = m_pBGDC->GetTextExtent(s);
        m_pBGDC->TextOut(left + TEXT_INSET, (m_nCaptionHeight - size.cy) / 2, s);
        if (t == Tiers() - 1)
            break;
        ::SelectObject(m_pBGDC->m_hDC, penWhite.m_hObject);
        m_pBGDC->MoveTo(right, 1);
        m_pBGDC->LineTo(right, m_nCaptionHeight - 1);
        ::SelectObject(m_pBGDC->m_hDC, penLine.m_hObject);
        m_pBGDC->MoveTo(right, 0);
        m_pBGDC->LineTo(right, m_nCaptionHeight);
    }
}

// Rows are checked against the count as it is at each row: a data call may
// change it.
void CWG_List::PaintRows()
{
    const long nShow = m_nShowRows, nFirst = m_nFirstRow, nTiers = Tiers();
    // Which shown rows are chosen, in one pass over the choice.
    std::vector<unsigned char> chosen((size_t)nShow + 1, 0);
    for (long i = 0; i < m_ChoosedRows.GetSize(); ++i)
    {
        const long long v = (long long)m_ChoosedRows[i] - nFirst;
        if (v >= 0 && v <= nShow)
            chosen[(size_t)v] = 1;
    }
    if (m_bChainSource && nFirst < m_nRowCount)
        InitChainSource(nFirst);
    for (long k = 0; k <= nShow; ++k)
    {
        const long long row64 = (long long)nFirst + k;
        const long top = m_nCaptionHeight + k * m_nRowHeight;
        // The row below the last whole one is drawn only when part of it shows.
        if (row64 >= m_nRowCount || top >= Height())
            continue;
        const long row = (long)row64;
        const int ex = IfSpeRowEx(row), sp = IfSpeRow(row);
        COLORREF back = ex ? m_clrSpeRowExBack : sp ? m_clrSpeRowBack : CR_ROW_BACK;
        if (row == m_nMarkRow)
            back = CR_MARK;
        else if (chosen[(size_t)k])
            back = m_clrChoosedBack;
        const COLORREF text = !m_bEnable ? WG_CR_TEXT_DISABLED : (sp || ex) ? m_clrSpeRowText : m_clrRowText;
        const long bottom = top + m_nRowHeight;
        if (m_nFooterRows < 1 || row < (long long)m_nRowCount - m_nFooterRows)
        {
            // The row may go away during its own data calls.
            for (long t = 0; t < nTiers && row < m_nRowCount; ++t)
            {
                const long left = TierLeft(t), right = TierRight(t);
                // A cell of which nothing shows is not asked for.
                if (left >= (right < Width() ? right : Width()))
                    continue;
                m_pBGDC->SetTextColor(IfSpeTier(t) ? CR_SPE_TIER : IfSpeTierEx(t) ? CR_SPE_TIER_EX : text);
                DrawItem(row, t, CRect(left, top, right, bottom), back);
            }
        }
        else
        {
            const long f = (long)(row - ((long long)m_nRowCount - m_nFooterRows));
            const CRect rc(0, top, Width(), bottom);
            if (!DrawFooter(f, rc))
            {
                m_pBGDC->SetTextColor(IfSpeTier(0) ? CR_SPE_TIER : IfSpeTierEx(0) ? CR_SPE_TIER_EX
                                      : !m_bEnable ? WG_CR_TEXT_DISABLED : m_clrRowText);
                DrawItem(row, 0, rc, back);
            }
        }
        if (m_bChainSource)
            NextChainItem();
    }
}

void CWG_List::PaintGrid()
{
    const long nShow = m_nShowRows, nFirst = m_nFirstRow, w = Width(), cap = m_nCaptionHeight;
    const long nEdges = Tiers() - 1;
    const long long nFooterStart = (long long)m_nRowCount - m_nFooterRows;
    const bool bFooters = m_nFooterRows > 0;
    CDC* pDC = m_pBGDC;
    auto hline = [&](long y) { pDC->MoveTo(2, y); pDC->LineTo(w - 1, y); };
    auto edges = [&](long y0, long y1) {
        for (long i = 0; i < nEdges; ++i)
        {
            pDC->MoveTo(TierRight(i), y0);
            pDC->LineTo(TierRight(i), y1);
        }
    };
    CPen penGrid(PS_SOLID, 1, CR_GRID), penEx(PS_SOLID, 1, m_clrSpeRowExFrame),
        penSp(PS_SOLID, 1, m_clrSpeRowFrame);
    CDCSelect selPen(pDC, &penGrid);

    if (m_bChainSource && nFirst < m_nRowCount)
        InitChainSource(nFirst);
    long yEdgesEnd = Height() - 1;
    if (bFooters && nFooterStart < (long long)nFirst + nShow)
        yEdgesEnd = (long)(cap + (nFooterStart - nFirst) * m_nRowHeight);
    edges(cap + 1, yEdgesEnd);

    int bPrevEx = 0;
    for (long k = 1; k <= nShow + 1; ++k)
    {
        const long long row64 = (long long)nFirst + k - 1;
        if (bFooters && row64 >= nFooterStart)
            break;
        const long top = cap + (k - 1) * m_nRowHeight, bottom = top + m_nRowHeight;
        int ex = 0, sp = 0;
        if (row64 < m_nRowCount)
        {
            ex = IfSpeRowEx((long)row64);
            sp = ex ? 0 : IfSpeRow((long)row64);
        }
        if (ex)
        {
            ::SelectObject(pDC->m_hDC, penEx.m_hObject);
            hline(top);
            edges(top, bottom);
            hline(bottom);
        }
        else if (sp)
        {
            ::SelectObject(pDC->m_hDC, penSp.m_hObject);
            if (!bPrevEx)
            {
                hline(top);
                edges(top, bottom);
            }
            else
                edges(top + 1, bottom);
            hline(bottom);
        }
        else
        {
            ::SelectObject(pDC->m_hDC, penGrid.m_hObject);
            hline(bottom);
        }
        bPrevEx = ex;
        if (m_bChainSource && row64 < m_nRowCount)
            NextChainItem();
    }

    if (m_ChoosedRows.GetSize() == 0)
        return;
    CPen penChosen(PS_SOLID, 1, m_clrChoosedFrame);
    ::SelectObject(pDC->m_hDC, penChosen.m_hObject);
    for (long i = 0; i < m_ChoosedRows.GetSize(); ++i)
    {
        const long c = m_ChoosedRows[i];
        const long long v = (long long)c - nFirst;
        if (v < 0 || v >= nShow || c >= m_nRowCount)
            continue;
        const long y0 = cap + (long)v * m_nRowHeight;
        hline(y0);
        hline(y0 + m_nRowHeight);
        if (!bFooters || c < nFooterStart)
            edges(y0, y0 + m_nRowHeight);
    }
    ::SelectObject(pDC->m_hDC, penGrid.m_hObject);   // the scoped selection restores from here
}

// The thumb's height from the rows, then its top from the first row, kept in
// the track (the height first, so the clamp holds for this very height).
void CWG_List::PlaceThumb()
{
    const long t = TrackLength();
    const long long r = ScrollRange();
    const long h = r > 0 && t > 0 ? (long)((long long)t * m_nShowRows / r) : 0;
    m_nThumbHeight = h < MIN_THUMB ? (long)MIN_THUMB : h;
    long top = ThumbTopFromFirstRow();
    if (top > Height() - m_nThumbHeight - BAR_W)
        top = Height() - m_nThumbHeight - BAR_W;
    m_nThumbTop = top < TrackTop() ? TrackTop() : top;
}

void CWG_List::PaintScrollBar()
{
    const long x0 = Width() - BAR_W, t = TrackLength(), w = Width();
    PlaceThumb();
    const long top = m_nThumbTop, h = m_nThumbHeight;
    CDC* pDC = m_pBGDC;
    pDC->FillSolidRect(x0, TrackTop(), BAR_W, t, CR_ROW_BACK);
    pDC->StretchBlt(x0, top, BAR_W, h, m_pParentBGDC, BAR_X, BODY_Y, BAR_W, 1, SRCCOPY);
    pDC->BitBlt(x0, top + h / 2 - 6, BAR_W, GRIP_H, m_pParentBGDC, BAR_X, GRIP_Y, SRCCOPY);
    {
        CPen penLine(PS_SOLID, 1, CR_SEPARATOR), penWhite(PS_SOLID, 1, CR_WHITE);
        CDCSelect selPen(pDC, &penLine);
        pDC->MoveTo(x0, top);
        pDC->LineTo(w, top);
        pDC->MoveTo(w, top + h - 1);
        pDC->LineTo(x0, top + h - 1);
        ::SelectObject(pDC->m_hDC, penWhite.m_hObject);
        pDC->MoveTo(x0 + 1, top + 1);
        pDC->LineTo(w - 2, top + 1);
        pDC->MoveTo(w - 2, top + h - 2);
        pDC->LineTo(x0 + 1, top + h - 2);
        ::SelectObject(pDC->m_hDC, penLine.m_hObject);
    }
    pDC->BitBlt(x0, m_nCaptionHeight, BAR_W, BAR_W, m_pParentBGDC, BAR_X, UP_Y, SRCCOPY);
    pDC->BitBlt(x0, Height() - BAR_W, BAR_W, BAR_W, m_pParentBGDC, BAR_X, DOWN_Y, SRCCOPY);
}

// ---- choice --------------------------------------------------------------------------

void CWG_List::Repaint()
{
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

void CWG_List::Report(long nCode)
{
    if (m_pParent)
        m_pParent->OnWGCommand(m_nIndex, nCode);
}

BOOL CWG_List::Allowed(long nRow)
{
    if (m_pfnCanChooseRow && !m_pfnCanChooseRow(nRow))
        return FALSE;
    return PreChooseRow(nRow) != 0;
}

void CWG_List::ChooseOnly(long nRow)
{
    m_ChoosedRows.RemoveAll();
    m_ChoosedRows.Add(nRow);
}

void CWG_List::ClearChoosedRow()
{
    m_ChoosedRows.RemoveAll();
}

void CWG_List::SetChoosedRowQuiet(long nRow)
{
    if (nRow == -1)
        m_ChoosedRows.RemoveAll();
    else if (PreChooseRow(nRow))
        ChooseOnly(nRow);
}

void CWG_List::SetChoosedRow(long nRow)
{
    if (nRow == -1 || PreChooseRow(nRow))
    {
        if (nRow == -1)
            m_ChoosedRows.RemoveAll();
        else
            ChooseOnly(nRow);
        Repaint();
    }
}

void CWG_List::SetChoosedRowBeforeData(long nRow)
{
    _LoadData();
    SetChoosedRowQuiet(nRow);
}

void CWG_List::SetFirstRowQuiet(long nRow, int bChoose)
{
    if (m_nFirstRow >= m_nRowCount)
        return;
    m_nFirstRow = nRow;
    m_nThumbTop = ThumbTopFromFirstRow();
    if (bChoose)
        SetChoosedRowQuiet(nRow);
}

void CWG_List::SetFirstRow(long nRow, int bChoose)
{
    if (m_nFirstRow >= m_nRowCount)
        return;
    m_nFirstRow = nRow;
    m_nThumbTop = ThumbTopFromFirstRow();
    if (bChoose)
        SetChoosedRow(nRow);
    Repaint();
}

void CWG_List::SetFirstRowBeforeData(long nRow, int bChoose)
{
    _LoadData();
    m_nFirstRow = nRow;
    m_nThumbTop = ThumbTopFromFirstRow();
    if (bChoose)
        SetChoosedRowBeforeData(nRow);
}

void CWG_List::SetCaption(long nTier, CString strCaption)
{
    if (nTier >= 0 && nTier < Tiers())
        m_Captions[nTier] = strCaption;
    Repaint();
}

// Chooses nTarget (when PreChooseRow allows), scrolls it into view, repaints
// and reports; the scroll and the report happen even when it was refused.
void CWG_List::MoveChoice(long nTarget)
{
    SetChoosedRowQuiet(nTarget);
    if ((long long)nTarget > (long long)m_nFirstRow + m_nShowRows)
        m_nFirstRow = nTarget - m_nShowRows + 1;
    else if (nTarget < m_nFirstRow)
        m_nFirstRow = nTarget;
    Repaint();
    Report(CMD_CHOICE);
}

void CWG_List::ChooseNext()
{
    if (m_nRowCount < 1)
        return;
    long nTarget = 0;
    if (m_ChoosedRows.GetSize() > 0 && m_ChoosedRows[0] != m_nRowCount - 1)
        nTarget = m_ChoosedRows[0] + 1;
    MoveChoice(nTarget);
}

void CWG_List::ChoosePrev()
{
    if (m_nRowCount < 1)
        return;
    long nTarget = 0;
    if (m_ChoosedRows.GetSize() > 0)
        nTarget = m_ChoosedRows[0] == 0 ? m_nRowCount - 1 : m_ChoosedRows[0] - 1;
    MoveChoice(nTarget);
}

// The Shift range from the anchor to nRow, each row vetted; the anchor stays.
// Only rows that exist are asked about (the anchor may be -1, or past rows
// that went away).
void CWG_List::ShiftChoose(long nRow)
{
    const long r = nRow < m_nRowCount - 1 ? nRow : m_nRowCount - 1;
    long lo = m_nAnchorRow < r ? m_nAnchorRow : r, hi = m_nAnchorRow < r ? r : m_nAnchorRow;
    if (lo < 0)
        lo = 0;
    if (hi > m_nRowCount - 1)
        hi = m_nRowCount - 1;
    m_ChoosedRows.RemoveAll();
    if (hi < lo)
        return;
    m_ChoosedRows.Reserve(hi - lo + 1);
    for (long long i = lo; i <= hi; ++i)
        if (Allowed((long)i))
            m_ChoosedRows.Add((long)i);
}

// ---- mouse and keys ------------------------------------------------------------------

void CWG_List::OnButtonDown(CPoint point, long)
{
    const long x = point.x - m_rect.left, y = point.y - m_rect.top;
    const long cap = m_nCaptionHeight;
    if (m_nRowCount >= m_nShowRows && x > Width() - BAR_W && y > cap)
    {
        if (y < cap + BAR_W)
            OnMouseWheel(1);
        else if (y > Height() - BAR_W)
            OnMouseWheel(-1);
        else if (y > m_nThumbTop && y < m_nThumbTop + m_nThumbHeight)
        {
            m_nThumbGrab = y - m_nThumbTop;
            m_bThumbDragging = 1;
            if (m_pParent)
                m_pParent->GiveMeMouse(m_nIndex);
        }
        else if (TrackLength() > 0)
        {
            FirstRowFromThumb(y);
            PlaceThumb();
        }
        Repaint();
        return;
    }
    for (long i = 0; i < DraggableEdges(); ++i)
        if (x > m_TierX[i] - EDGE_GRAB && x < m_TierX[i] + EDGE_GRAB)
        {
            CWGHover::ShowCursor(this, IDC_SIZEWE);
            if (m_pParent)
                m_pParent->GiveMeMouse(m_nIndex);
            m_nSizingTier = i;
            return;
        }
    if (y <= cap || !m_bCanChoose || m_nRowHeight < 1)
        return;

    const long long row64 = (long long)(y - cap) / m_nRowHeight + m_nFirstRow;
    const BOOL bMulti = m_ChoosedRows.GetSize() > 0 && m_bMultiChoose;
    if (bMulti && m_nShiftCtrl == 1)
    {
        if (row64 >= m_nRowCount || row64 < 0 || !Allowed((long)row64))
            return;
        const long row = (long)row64;
        const long i = m_ChoosedRows.Find(row);
        if (i >= 0)
        {
            m_ChoosedRows.RemoveAt(i);
            PruneChoice();
            Repaint();
            Report(CMD_CHOICE);
            return;
        }
        if (row < m_nRowCount)
            m_ChoosedRows.Add(row);
    }
    else if (bMulti && m_nShiftCtrl == 2)
    {
        const long long r = row64 < m_nRowCount - 1 ? row64 : m_nRowCount - 1;
        const long long d = r - m_nAnchorRow;
        if (d >= MAX_SHIFT_RANGE || -d >= MAX_SHIFT_RANGE)
            return;
        ShiftChoose((long)r);
    }
    else if (m_bClickUnchoose && m_ChoosedRows.GetSize() == 1 && m_ChoosedRows[0] == row64)
        m_ChoosedRows.RemoveAll();
    else if (row64 >= 0 && row64 < m_nRowCount)
    {
        const long row = (long)row64;
        if (Allowed(row))
        {
            m_nAnchorRow = row;
            ChooseOnly(row);
        }
        else
            m_ChoosedRows.RemoveAll();
    }
    else
        m_ChoosedRows.RemoveAll();
    // The veto and PreChooseRow may have changed the rows meanwhile.
    PruneChoice();
    ClampFirstRow();
    m_nChoosedRowTop = (y - cap) / m_nRowHeight * m_nRowHeight + cap;
    Repaint();
    Report(CMD_CHOICE);
}

void CWG_List::OnMouseMove(CPoint point)
{
    const long x = point.x - m_rect.left, y = point.y - m_rect.top;
    const BOOL bHolding = m_pParent && m_pParent->m_nMouseWG == m_nIndex;
    // A drag whose mouse was taken away (another window's capture) is over.
    if ((m_nSizingTier >= 0 || m_bThumbDragging) && !bHolding)
    {
        m_nSizingTier = -1;
        m_bThumbDragging = 0;
    }
    if (m_nSizingTier >= 0)
    {
        const long i = m_nSizingTier;
        if (i >= m_TierX.GetSize())
            return;
        const long left = i == 0 ? (long)EDGE_GRAB : m_TierX[i - 1] + EDGE_GRAB;
        if (x <= left + MIN_TIER - EDGE_GRAB)
            return;   // a tier keeps more than 10 pixels
        const long d = x - m_TierX[i];
        m_TierX[i] = x;
        for (long j = i + 1; j < DraggableEdges(); ++j)
            m_TierX[j] += d;
        Repaint();
        return;
    }
    if (m_bThumbDragging)
    {
        FirstRowFromThumb(y - m_nThumbGrab);
        // As the repaint will place it (a hidden list is not repainted).
        PlaceThumb();
        Repaint();
        return;
    }
    if (x >= Width() - BAR_W && y >= m_nCaptionHeight)
        return;
    for (long i = 0; i < DraggableEdges(); ++i)
        if (x > m_TierX[i] - EDGE_GRAB && x < m_TierX[i] + EDGE_GRAB)
        {
            CWGHover::ShowCursor(this, IDC_SIZEWE);
            return;
        }
    CWGHover::ShowCursor(this, IDC_ARROW);
}

void CWG_List::OnButtonUp(CPoint, long)
{
    if (m_nSizingTier < 0 && !m_bThumbDragging)
        return;
    if (m_nSizingTier >= 0)
        m_nSizingTier = -1;
    else
        m_bThumbDragging = 0;
    // Only a mouse this list still holds is given back.
    if (m_pParent && m_pParent->m_nMouseWG == m_nIndex)
        m_pParent->ByeMouse();
}

void CWG_List::OnButtonDClick(CPoint point, long nButton)
{
    const long x = point.x - m_rect.left, y = point.y - m_rect.top;
    const long cap = m_nCaptionHeight, nTiers = Tiers();
    if (y < cap)
    {
        // Every edge but the last.
        const long nEdges = (nTiers - 1 < m_TierX.GetSize() ? nTiers - 1 : m_TierX.GetSize());
        if (nButton == 0 && nEdges > 0)
        {
            m_TierX[0] = CaptionWidth(0) + 8;
            for (long i = 1; i < nEdges; ++i)
                m_TierX[i] = m_TierX[i - 1] + 8 + CaptionWidth(i);
        }
        else if (nButton == 2)
        {
            for (long i = 1; i < nEdges; ++i)
                m_TierX[i] = m_TierX[i] < x ? m_TierX[0] : Width() + EDGE_GRAB;
        }
        Repaint();
        return;
    }
    if (ScrollBarShown() && x >= Width() - BAR_W)
        return;
    for (long i = 1; i < nTiers && i < m_TierX.GetSize(); ++i)
        if (x > m_TierX[i] - EDGE_GRAB && x < m_TierX[i] + EDGE_GRAB)
            return;
    if (m_nRowHeight < 1)
        return;
    const long long row64 = (long long)(y - cap) / m_nRowHeight + m_nFirstRow;
    if (row64 >= 0 && row64 < m_nRowCount && Allowed((long)row64) && row64 < m_nRowCount)
    {
        const long row = (long)row64;
        if (m_ChoosedRows.GetSize() != 1 || m_ChoosedRows[0] != row)
        {
            ChooseOnly(row);
            Repaint();
        }
        Report(CMD_DOUBLE);
        return;
    }
    if (m_ChoosedRows.GetSize() > 0)
    {
        m_ChoosedRows.RemoveAll();
        Repaint();
    }
}

void CWG_List::OnMouseWheel(short zDelta)
{
    if (m_nRowCount <= 0)
        return;
    // One row per call, never past the last row nor above the first.
    if (zDelta < 0)
    {
        if (m_nFirstRow < m_nRowCount - 1)
            ++m_nFirstRow;
    }
    else if (m_nFirstRow > 0)
        --m_nFirstRow;
    ClampFirstRow();
    PlaceThumb();
    Repaint();
}

void CWG_List::OnKeyDown(UINT nChar)
{
    if (nChar == VK_SHIFT)
        m_nShiftCtrl = 2;
    else if (nChar == VK_CONTROL)
        m_nShiftCtrl = 1;
}

void CWG_List::OnKeyUp(UINT nChar)
{
    if (nChar == VK_SHIFT || nChar == VK_CONTROL)
        m_nShiftCtrl = 0;
}

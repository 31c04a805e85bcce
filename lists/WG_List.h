#pragma once
#include "VRK_WG.h"
#include "WG_Array.h"

// CWG_List: a table of rows and tiers (columns) whose data the application
// gives through virtual questions (LoadData, GetData, ...) asked again on every
// paint; the list stores no rows, only the choice, the first visible row and
// the tier edges. Derive from it, answer the questions, and Create it with the
// panel, position, size, caption array, caption count and row height. Reports a
// choice changed by the user (code 5) and a row double-clicked (code 8).
//
// Scale: any row count up to 2,147,483,647 works; a paint asks only about
// the rows it shows, and every product that can pass 2^31 (thumb position,
// row under the pointer) is worked out in 64 bits.
//
// The data calls (LoadData, GetData, IfSpeRow...) run while the list paints,
// under its panel's painting lock, as every element's drawing does: they
// must not wait for another thread that paints the same panel. The veto,
// PreChooseRow and the panel's OnWGCommand are called outside the lock.
//
// Bad input, and what the list makes of it:
// - a negative row count is taken as 0 (no rows);
// - the row count changed from inside a data call is honoured at once: rows
//   past the new count are not drawn and, before the paint ends, the choice
//   and the first row are brought within the new count;
// - a long cell text is drawn as given, cut at the cell's right neighbour
//   and at the element's edge;
// - tier edges that make a tier 0 wide, or lie beyond the element, are
//   drawn as given (such cells are not asked for: nothing of them shows);
// - a veto refusing every row leaves nothing chosen (clicks still report 5);
// - a Shift-click range longer than MAX_SHIFT_RANGE rows is refused: the
//   choice stays and nothing is reported (the range would be stored and
//   vetted row by row);
// - Create refuses (returns 0, registers nothing) no captions, a null
//   caption array or a row height below 1; a row height set below 1
//   afterwards shows no rows;
// - an element lower than the caption plus 31 pixels has no room for a
//   scroll track: its thumb stays at the track's top and the track takes no
//   clicks.
class WG_API CWG_List : public CVRK_WG
{
public:
    enum { MAX_SHIFT_RANGE = 1 << 20 };

    COLORREF m_clrRowText;          // ordinary rows; initially m_crText
    COLORREF m_clrSpeRowText;       // rows marked by IfSpeRow or IfSpeRowEx; initially m_crText
    COLORREF m_clrSpeRowBack;       // IfSpeRow rows; initially 0xBCFEBD
    COLORREF m_clrSpeRowFrame;          // initially 0x67FE67
    COLORREF m_clrSpeRowExBack;     // IfSpeRowEx rows (win over IfSpeRow); initially 0xF0F0FF
    COLORREF m_clrSpeRowExFrame;        // initially 0x8181FF
    COLORREF m_clrChoosedBack;      // chosen rows; initially 0xF8F0DF
    COLORREF m_clrChoosedFrame;         // initially 0xF9D996
    // next paint measures the tier edges from the captions; initially 1
    int m_bMeasureTiers;
    CBitmap m_bmpSkin;              // empty: the shared skin 3008; set it for another look
    // data walked forward only: InitChainSource / NextChainItem; initially 0
    int m_bChainSource;
    long m_nRowCount;               // set by LoadData on every paint; initially 0
    CWGArray<long> m_ChoosedRows;   // chosen rows, in the order they were chosen
    long m_nShiftCtrl;              // 0 none, 1 Ctrl held, 2 Shift held; initially 0
    long m_nAnchorRow;              // last plain click: one end of a Shift range; initially -1
    long m_nChoosedRowTop;          // element y of the top of the row last clicked; initially 0
    CWGArray<CString> m_Captions;   // one per tier
    long m_nUnsizableTiers;         // trailing tier edges that cannot be dragged; initially 1
    long m_nCaptionHeight;          // 0 hides the caption; initially 20
    long m_nRowHeight;                  // initially 20
    long m_nShowRows;               // whole rows below the caption; initially 0
    CWGArray<long> m_TierX;         // right edge of each tier, element x
    long m_nFirstRow;               // row shown at the top; initially 0
    long m_nThumbTop;               // scroll thumb, element y; initially 0
    long m_nThumbHeight;                // initially 0
    // pointer's distance below the thumb's top while dragging; initially 0
    long m_nThumbGrab;
    int m_bThumbDragging;               // initially 0
    long m_nSizingTier;             // tier whose right edge is dragged, -1 none; initially -1
    // grid lines and the frames of special and chosen rows; initially 1
    int m_bDrawGrid;
    int m_bCanChoose;                   // initially 1
    int m_bMultiChoose;             // Ctrl- and Shift-clicks extend the choice; initially 1
    int m_bClickUnchoose;           // a click on the only chosen row clears it; initially 1
    long m_nMarkRow;                // drawn in the mark colour, -1 none; initially -1
    long m_nFooterRows;             // the last rows are footers (DrawFooter); initially 0
    int (*m_pfnCanChooseRow)(long nRow);   // veto of user choices, nonzero allows

    CWG_List();
    virtual ~CWG_List();

    // Refused (0) as listed above; else the element Create's result.
    int Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight, CString* pCaptions,
               long nCaptions, long nRowHeight);

    virtual void CreateMyBGDC(CDC* pDC);
    virtual void OnButtonDown(CPoint point, long nButton);
    virtual void OnButtonUp(CPoint point, long nButton);
    virtual void OnButtonDClick(CPoint point, long nButton);
    virtual void OnMouseMove(CPoint point);
    virtual void OnMouseWheel(short zDelta);
    virtual void OnKeyDown(UINT nChar);
    virtual void OnKeyUp(UINT nChar);

    // ---- new overridables, in slot order
    virtual void TrimTierX();                        // every paint, after measuring
    // Draws the caption background; nonzero: the list draws no tier captions.
    virtual int DrawCaption();
    // Default: fills rc with crBack and writes GetData at (left + 4, top + 4).
    virtual void DrawItem(long nRow, long nTier, CRect rc, unsigned long crBack);
    // 0: the list draws the footer as one cell of tier 0.
    virtual int DrawFooter(long nFooter, CRect rc);
    virtual int IfSpeTier(long nTier);               // text in 0xFF6600
    virtual int IfSpeTierEx(long nTier);             // text in 0x3232FF
    virtual int IfSpeRow(long nRow);
    virtual int IfSpeRowEx(long nRow);
    virtual void LoadData();                         // sets m_nRowCount
    virtual void AfterLoadData();
    virtual CString GetData(long nRow, long nTier);
    virtual void InitChainSource(long nFirstRow);
    virtual void NextChainItem();
    virtual int PreChooseRow(long nRow);             // 0 refuses the choice

    // ---- operations
    void _LoadData();                                // reloads the row count
    void ClearChoosedRow();                          // no repaint, no report
    // -1 clears; else [nRow] when PreChooseRow allows. Repaints, never reports.
    void SetChoosedRow(long nRow);
    void SetChoosedRowQuiet(long nRow);
    void SetChoosedRowBeforeData(long nRow);
    // Nothing while m_nFirstRow is not below the row count; the next paint
    // brings an out-of-range nRow within the rows.
    void SetFirstRow(long nRow, int bChoose);
    void SetFirstRowQuiet(long nRow, int bChoose);
    void SetFirstRowBeforeData(long nRow, int bChoose);
    long GetRowHeight() const { return m_nRowHeight; }
    long GetNowChoosedRowTop() const { return m_nChoosedRowTop; }
    void SetCaption(long nTier, CString strCaption);  // repaints; edges stay
    // Move the choice down or up with wrap-around, scroll it into view,
    // repaint and report 5.
    void ChooseNext();
    void ChoosePrev();

private:
    // Scroll geometry of the last load (see the source for the formulas).
    long TrackTop() const { return m_nCaptionHeight + 15; }
    long TrackLength() { return Height() - m_nCaptionHeight - 30; }
    long long ScrollRange() const { return (long long)m_nRowCount + m_nShowRows - 1; }
    BOOL ScrollBarShown() const { return m_nShowRows <= m_nRowCount && m_nRowCount > 0; }
    long ThumbTopFromFirstRow();
    void FirstRowFromThumb(long y);
    void PlaceThumb();
    // Right edge of tier t as drawn (the last tier reaches the element's edge).
    long TierRight(long t);
    long TierLeft(long t) { return t == 0 ? 0 : TierRight(t - 1); }
    long Tiers() const { return m_Captions.GetSize(); }
    long DraggableEdges() const;
    long CaptionWidth(long nTier);
    // Brings the first row and the choice within the rows, as a paint does.
    void ClampFirstRow();
    void PruneChoice();
    BOOL IsChosen(long nRow) const { return m_ChoosedRows.Find(nRow) >= 0; }
    BOOL Allowed(long nRow);   // the veto, then PreChooseRow
    void ChooseOnly(long nRow);
    void ShiftChoose(long nRow);
    void MoveChoice(long nTarget);
    void Repaint();
    void Report(long nCode);
    void PaintCaption();
    void PaintRows();
    void PaintGrid();
    void PaintScrollBar();
};

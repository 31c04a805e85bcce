#include "WG_Label.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include "WGHover.h"
#include <string.h>

// Skin 3007: the bar is x 0..10 (ends of 5 columns around a stretched
// column 5), all 22 rows; the 10 x 10 squares sit at x 11, the green "C"
// (something to copy) at row 0 and the red "N" (nothing to copy) at row 10.
enum
{
    SKIN_ID = 3007, BAR_END = 5, SQUARE = 10,
    SQUARE_X = 11, SQUARE_COPY_Y = 0, SQUARE_EMPTY_Y = 10,
    SQUARE_RIGHT = 14, SQUARE_TOP = 2,    // square at (W - 14, 2) of the bar
};

// Draws the copy square alone, for the panel's partial repaint.
class CWG_Label::CSquarePainter : public CWGPartPainter
{
public:
    explicit CSquarePainter(CWG_Label* pLabel) : m_pLabel(pLabel) {}
    virtual void PaintPart(CDC* pDC) { m_pLabel->DrawCopySquare(pDC); }
private:
    CWG_Label* m_pLabel;
};

CWG_Label::CWG_Label()
    : m_bSkinLoaded(0), m_nTextX(10), m_nTextY(6), m_bHover(0), m_bOverCopy(0)
{
    m_bBorder = FALSE;
    m_bFillBG = FALSE;
}

CWG_Label::~CWG_Label() {}

int CWG_Label::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth)
{
    return CVRK_WG::Create(pParent, x, y, nWidth, HEIGHT);
}

void CWG_Label::SetCaption(CString strCaption)
{
    m_strCaption = strCaption;
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

void CWG_Label::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    m_bSkinLoaded = 1;
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, m_pFont);
    {
        CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpSkin, SKIN_ID));
        // A label given another height by NewWH stretches the bar to it.
        WGDrawThreePiece(m_pBGDC, CRect(0, 0, m_nWidth, m_nHeight), m_pParentBGDC, 0, 0, BAR_END,
                         1, BAR_END, HEIGHT);
    }
    m_pBGDC->TextOut(m_nTextX, m_nTextY, m_strCaption);
    // A repaint while the pointer is over the bar keeps the square, in the
    // colour of the caption it now has.
    if (m_bHover)
        DrawCopySquare(m_pBGDC);
}

CRect CWG_Label::SquareRect() const
{
    return CRect(m_nWidth - SQUARE_RIGHT, SQUARE_TOP, m_nWidth - SQUARE_RIGHT + SQUARE,
                 SQUARE_TOP + SQUARE);
}

// Into pDC, which holds the back buffer.
void CWG_Label::DrawCopySquare(CDC* pDC)
{
    CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpSkin, SKIN_ID));
    const CRect rc = SquareRect();
    pDC->BitBlt(rc.left, rc.top, SQUARE, SQUARE, m_pParentBGDC, SQUARE_X,
                m_strCaption.IsEmpty() ? SQUARE_EMPTY_Y : SQUARE_COPY_Y, SRCCOPY);
}

// Shows the square without repainting the bar. A label never painted shows
// it at its first paint; on a label too small for it only the part inside
// the label shows.
void CWG_Label::ShowCopySquare()
{
    CSquarePainter painter(this);
    m_pParent->RefreshWGPart(m_nIndex, SquareRect(), &painter);
}

void CWG_Label::OnMouseMove(CPoint point)
{
    // Strictly inside: the bar's outline pixels do not count. A hidden or
    // disabled label offers no copy.
    const BOOL bInside = m_bVisible && m_bEnable && point.x > m_rect.left &&
                         point.x < m_rect.right && point.y > m_rect.top && point.y < m_rect.bottom;
    if (!bInside)
    {
        m_bHover = 0;
        m_bOverCopy = 0;
        m_pParent->RefreshWG(m_nIndex);
        CWGHover::Leave(this);
        return;
    }
    CRect rcSquare = SquareRect();
    rcSquare.OffsetRect(m_rect.left, m_rect.top);
    m_bOverCopy = point.x > rcSquare.left && point.x < rcSquare.right &&
                  point.y > rcSquare.top && point.y < rcSquare.bottom;
    const LPCSTR idcCursor = m_bOverCopy ? IDC_HAND : IDC_ARROW;
    if (m_bHover)
    {
        CWGHover::ShowCursor(this, idcCursor);
        return;
    }
    m_bHover = 1;
    ShowCopySquare();
    CWGHover::Enter(this, idcCursor);
}

void CWG_Label::OnButtonDown(CPoint, long)
{
    if (m_bOverCopy && !m_strCaption.IsEmpty())
        CopyCaption();
}

void CWG_Label::CopyCaption()
{
    if (!::OpenClipboard(m_pParent->m_hWnd))
        return;
    // The bytes go over as they are, a broken double-byte tail included.
    const int nLength = m_strCaption.GetLength();
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nLength + 1);
    if (void* p = hText ? ::GlobalLock(hText) : nullptr)
    {
        memcpy(p, (LPCSTR)m_strCaption, nLength + 1);
        ::GlobalUnlock(hText);
        ::EmptyClipboard();
        if (!::SetClipboardData(CF_TEXT, hText))
            ::GlobalFree(hText);
    }
    else if (hText)
        ::GlobalFree(hText);
    ::CloseClipboard();
}

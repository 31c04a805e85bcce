#include "WG_Label.h"
#include "VRK_WGPANEL.h"
#include "WGSkin.h"
#include <string.h>

// Skin 3007: the bar is x 0..10 (ends of 5 columns around a stretched
// column 5), all 22 rows; the 10 x 10 squares sit at x 11, the green "C"
// (something to copy) at row 0 and the red "N" (nothing to copy) at row 10.
enum
{
    LABEL_SKIN = 3007, BAR_END = 5, SQUARE = 10,
    SQUARE_X = 11, SQUARE_COPY_Y = 0, SQUARE_EMPTY_Y = 10,
    SQUARE_RIGHT = 14, SQUARE_TOP = 2,    // square at (W - 14, 2) of the bar
    CMD_CLICK = 5
};

static const COLORREF CR_LINK_HOVER = 0x606060;
static const COLORREF CR_LINK_PRESSED = 0x404040;
static const COLORREF CR_CPT_HOVER = 0x787878;
enum { LINK_TEXT_Y = 2 };

static void SetPanelCursor(CVRK_WGPANEL* pPanel, LPCSTR idc)
{
    pPanel->SetMyCursor(::LoadCursorA(nullptr, idc));
}

// ---- CWG_Label ----------------------------------------------------------------------------

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
    if (!m_bSkinLoaded)
    {
        WGLoadSkin(m_bmpSkin, LABEL_SKIN);
        m_bSkinLoaded = 1;
    }
    CBitmap* pOldBG = m_pBGDC->SelectObject(&m_bmpBG);
    CBitmap* pOldSkin = m_pParentBGDC->SelectObject(&m_bmpSkin);
    CFont* pOldFont = m_pFont ? m_pBGDC->SelectObject(m_pFont) : nullptr;

    // A label given another height by NewWH stretches the bar to it.
    WGDrawThreePiece(m_pBGDC, CRect(0, 0, m_nWidth, m_nHeight), m_pParentBGDC, 0, 0, BAR_END, 1,
                     BAR_END, HEIGHT);
    m_pBGDC->TextOut(m_nTextX, m_nTextY, m_strCaption);
    // A repaint while the pointer is over the bar keeps the square, in the
    // colour of the caption it now has.
    if (m_bHover)
        DrawCopySquare();

    if (pOldFont)
        m_pBGDC->SelectObject(pOldFont);
    m_pParentBGDC->SelectObject(pOldSkin);
    m_pBGDC->SelectObject(pOldBG);
}

// Into the back buffer, which must be selected in m_pBGDC.
void CWG_Label::DrawCopySquare()
{
    CBitmap* pOldSkin = m_pParentBGDC->SelectObject(&m_bmpSkin);
    m_pBGDC->BitBlt(m_nWidth - SQUARE_RIGHT, SQUARE_TOP, SQUARE, SQUARE, m_pParentBGDC, SQUARE_X,
                    m_strCaption.IsEmpty() ? SQUARE_EMPTY_Y : SQUARE_COPY_Y, SRCCOPY);
    m_pParentBGDC->SelectObject(pOldSkin);
}

// Shows the square without repainting the bar: into the back buffer, the
// panel's back buffer (so a WM_PAINT keeps it) and straight onto the screen.
// On a label too small for it only the part inside the label shows.
void CWG_Label::ShowCopySquare()
{
    if (!m_bDCCreated || !m_bmpBG.m_hObject)
        return;   // never painted: the next paint draws it
    CRect rc(m_nWidth - SQUARE_RIGHT, SQUARE_TOP, m_nWidth - SQUARE_RIGHT + SQUARE, SQUARE_TOP + SQUARE);
    if (!rc.IntersectRect(rc, CRect(0, 0, m_nWidth, m_nHeight)))
        return;
    CVRK_WGLock lock(&m_pParent->m_csLock);
    CDC* pDC = GetBGDC();
    DrawCopySquare();
    const int x = m_rect.left + rc.left, y = m_rect.top + rc.top;
    if (m_pParent->m_pBGDC->m_hDC && m_pParent->m_bmpBG.m_hObject)
    {
        CBitmap* pOld = m_pParent->m_pBGDC->SelectObject(&m_pParent->m_bmpBG);
        m_pParent->m_pBGDC->BitBlt(x, y, rc.Width(), rc.Height(), pDC, rc.left, rc.top, SRCCOPY);
        m_pParent->m_pBGDC->SelectObject(pOld);
    }
    if (m_pParent->m_hWnd)
    {
        CClientDC dc(m_pParent);
        dc.BitBlt(x, y, rc.Width(), rc.Height(), pDC, rc.left, rc.top, SRCCOPY);
    }
    ReleaseBGDC();
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
        m_pParent->ByeMouse();
        return;
    }
    const long xSquare = m_rect.left + m_nWidth - SQUARE_RIGHT, ySquare = m_rect.top + SQUARE_TOP;
    m_bOverCopy = point.x > xSquare && point.x < xSquare + SQUARE && point.y > ySquare &&
                  point.y < ySquare + SQUARE;
    SetPanelCursor(m_pParent, m_bOverCopy ? IDC_HAND : IDC_ARROW);
    if (!m_bHover)
    {
        m_bHover = 1;
        ShowCopySquare();
        m_pParent->GiveMeMouse(m_nIndex);
    }
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

// ---- CWG_LabelButton ------------------------------------------------------------------------

CWG_LabelButton::CWG_LabelButton()
    : m_bPressMode(0), m_nState(STATE_NORMAL), m_crNormal(m_crText), m_bNormalUnderline(1),
      m_crHover(CR_LINK_HOVER), m_bHoverUnderline(1), m_crPressed(CR_LINK_PRESSED),
      m_bPressedUnderline(0)
{
    m_bBorder = FALSE;
    m_bFillBG = FALSE;
    m_bTransparent = TRUE;   // drawn over a copy of the panel: looks transparent
}

CWG_LabelButton::~CWG_LabelButton() {}

int CWG_LabelButton::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y,
                            long nWidth, long nHeight)
{
    m_strCaption = strCaption;
    if (!CVRK_WG::Create(pParent, x, y, nWidth, nHeight))
        return 0;
    m_fontUnderline.DeleteObject();
    LOGFONTA lf;
    if (m_pFont && m_pFont->GetLogFont(&lf))
    {
        lf.lfUnderline = 1;
        m_fontUnderline.CreateFontIndirect(&lf);
    }
    return 1;
}

void CWG_LabelButton::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    CBitmap* pOldBG = m_pBGDC->SelectObject(&m_bmpBG);
    CFont* pOldFont = m_pFont ? m_pBGDC->SelectObject(m_pFont) : nullptr;
    const COLORREF crOld = m_pBGDC->GetTextColor();

    COLORREF cr = WG_CR_TEXT_DISABLED;
    BOOL bUnderline = FALSE;
    if (m_bEnable)
    {
        switch (m_nState)
        {
        case STATE_HOVER: cr = m_crHover; bUnderline = m_bHoverUnderline; break;
        case STATE_PRESSED: cr = m_crPressed; bUnderline = m_bPressedUnderline; break;
        default: cr = m_crNormal; bUnderline = m_bNormalUnderline; break;
        }
    }
    if (bUnderline && m_fontUnderline.m_hObject)
        m_pBGDC->SelectObject(&m_fontUnderline);
    m_pBGDC->SetTextColor(cr);
    m_pBGDC->TextOut(0, LINK_TEXT_Y, m_strCaption);

    m_pBGDC->SetTextColor(crOld);
    if (pOldFont)
        m_pBGDC->SelectObject(pOldFont);
    m_pBGDC->SelectObject(pOldBG);
}

void CWG_LabelButton::SetState(int nState)
{
    m_nState = nState;
    m_pParent->RefreshWG(m_nIndex);
}

// Back to normal and the mouse given back (the look is already repainted).
void CWG_LabelButton::Release()
{
    SetPanelCursor(m_pParent, IDC_ARROW);
    m_pParent->ByeMouse();
}

void CWG_LabelButton::OnMouseMove(CPoint point)
{
    if (!PtInMe(point))
    {
        if (m_nState != STATE_NORMAL)
        {
            SetState(STATE_NORMAL);
            SetPanelCursor(m_pParent, IDC_ARROW);
        }
        m_pParent->ByeMouse();
        return;
    }
    // A move while pressed returns to the hover look.
    if (m_nState != STATE_HOVER)
    {
        SetState(STATE_HOVER);
        m_pParent->GiveMeMouse(m_nIndex);
        SetPanelCursor(m_pParent, IDC_HAND);
    }
}

void CWG_LabelButton::OnButtonDown(CPoint point, long)
{
    if (!PtInMe(point) || m_nState == STATE_PRESSED)
        return;
    if (m_bPressMode)
    {
        SetState(STATE_PRESSED);
        return;
    }
    SetState(STATE_NORMAL);
    Release();
    m_pParent->OnWGCommand(m_nIndex, CMD_CLICK);
}

void CWG_LabelButton::OnButtonUp(CPoint point, long)
{
    if (!m_bPressMode || m_nState != STATE_PRESSED || !PtInMe(point))
        return;
    SetState(STATE_NORMAL);
    Release();
    m_pParent->OnWGCommand(m_nIndex, CMD_CLICK);
}

void CWG_LabelButton::OnButtonDClick(CPoint point, long nButton)
{
    OnButtonDown(point, nButton);
}

void CWG_LabelButton::OnLoseFocus()
{
    if (m_nState == STATE_NORMAL)
        return;
    SetState(STATE_NORMAL);
    Release();
}

// ---- CWG_CptButton ----------------------------------------------------------------------------

CWG_CptButton::CWG_CptButton() : m_bHover(0)
{
    m_bBorder = FALSE;
    m_crText = 0x000000;
    m_crBG = WG_CR_PANEL;
}

CWG_CptButton::~CWG_CptButton() {}

int CWG_CptButton::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y)
{
    m_strCaption = strCaption;
    const int nResult = CVRK_WG::Create(pParent, x, y, 0, 0);
    MeasureNow();
    return nResult;
}

void CWG_CptButton::SetCptStrQuiet(CString strCaption)
{
    m_strCaption = strCaption;
    m_bRecreateBitmap = TRUE;   // the size follows at the next draw
    // An element without area is never drawn, so it would never grow back.
    if (m_nWidth <= 0 || m_nHeight <= 0)
        MeasureNow();
}

// Sizes the button before any draw: the panel paints only elements that
// have an area, so the first draw cannot be the one that sizes it.
void CWG_CptButton::MeasureNow()
{
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return;
    CFont* pOldFont = m_pFont ? dc.SelectObject(m_pFont) : nullptr;
    FitCaption(&dc);
    if (pOldFont)
        dc.SelectObject(pOldFont);
}

// The caption's extent in the font selected in pDC becomes the size.
void CWG_CptButton::FitCaption(CDC* pDC)
{
    const CSize sz = pDC->GetTextExtent(m_strCaption);
    m_nWidth = sz.cx;
    m_nHeight = sz.cy;
    m_rect.right = m_rect.left + m_nWidth - 1;
    m_rect.bottom = m_rect.top + m_nHeight - 1;
}

void CWG_CptButton::CreateMyBGDC(CDC* pDC)
{
    // Drawn completely here: the size is only known once the font measured
    // the caption, before the back buffer can be made.
    CClientDC dcScreen(nullptr);
    if (!m_bDCCreated)
    {
        m_pBGDC->CreateCompatibleDC(&dcScreen);
        m_pParentBGDC->CreateCompatibleDC(&dcScreen);
        m_pBGDC->SetBkMode(TRANSPARENT);
        m_bDCCreated = TRUE;
    }
    CFont* pOldFont = m_pFont ? m_pBGDC->SelectObject(m_pFont) : nullptr;
    if (m_bRecreateBitmap)
    {
        FitCaption(m_pBGDC);
        m_bmpBG.DeleteObject();
        m_bmpBG.CreateCompatibleBitmap(&dcScreen, m_nWidth, m_nHeight);
        if (m_bTransparent)
        {
            m_bmpParentBG.DeleteObject();
            m_bmpParentBG.CreateCompatibleBitmap(&dcScreen, m_nWidth, m_nHeight);
        }
        m_bRecreateBitmap = FALSE;
    }
    CBitmap* pOldBG = m_pBGDC->SelectObject(&m_bmpBG);

    if (m_bFillBG)
        m_pBGDC->FillSolidRect(0, 0, m_nWidth, m_nHeight, m_crBG);
    else if (m_bTransparent && m_bmpParentBG.m_hObject)
    {
        // As every element does: the copy is taken during the panel's full
        // repaint and reused by single repaints.
        CBitmap* pOld = m_pParentBGDC->SelectObject(&m_bmpParentBG);
        if (m_bCopyParentBG && pDC && pDC->m_hDC)
            m_pParentBGDC->BitBlt(0, 0, m_nWidth, m_nHeight, pDC, m_rect.left, m_rect.top, SRCCOPY);
        m_pBGDC->BitBlt(0, 0, m_nWidth, m_nHeight, m_pParentBGDC, 0, 0, SRCCOPY);
        m_pParentBGDC->SelectObject(pOld);
    }

    m_pBGDC->SetTextColor(!m_bEnable ? WG_CR_TEXT_DISABLED : (m_bHover ? CR_CPT_HOVER : m_crText));
    m_pBGDC->TextOut(0, 0, m_strCaption);

    m_pBGDC->SelectObject(pOldBG);
    if (pOldFont)
        m_pBGDC->SelectObject(pOldFont);
}

void CWG_CptButton::OnMouseMove(CPoint point)
{
    if (!PtInMe(point))
    {
        if (m_bHover)
        {
            m_bHover = 0;
            m_pParent->RefreshWG(m_nIndex);
            SetPanelCursor(m_pParent, IDC_ARROW);
            m_pParent->ByeMouse();
        }
        return;
    }
    if (!m_bHover)
    {
        m_bHover = 1;
        SetPanelCursor(m_pParent, IDC_HAND);
        m_pParent->GiveMeMouse(m_nIndex);
        m_pParent->RefreshWG(m_nIndex);
    }
}

void CWG_CptButton::OnButtonDown(CPoint, long)
{
    m_bHover = 0;
    m_pParent->RefreshWG(m_nIndex);
    SetPanelCursor(m_pParent, IDC_ARROW);
    m_pParent->ByeMouse();
    m_pParent->OnWGCommand(m_nIndex, CMD_CLICK);
}

void CWG_CptButton::OnButtonDClick(CPoint point, long nButton)
{
    OnButtonDown(point, nButton);
}

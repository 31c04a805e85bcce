#include "WG_Dlg_MsgBox.h"
#include "VRK_WG.h"
#include "WGStyleCenter.h"
#include "WGSkin.h"
#include "WGHover.h"

// Geometry of the client area (the box paints all of it itself).
enum
{
    SKIN_ICON = 3001, SKIN_BUTTON = 3003, SKIN_CHECK = 3004,
    CLIENT_W = 240, CLIENT_H = 126, TEXT_MARGIN = 80,
    ICON_X = 5, ICON_Y = 10, ICON_W = 45, ICON_H = 42, TEXT_X = 60, TEXT_Y = 22,
    // Tick box: the 16 x 17 ticked cell at (12, 0) of the skin's first band
    // or its 12 x 12 empty box at (0, 3); the caption right of it.
    CHECK_X = 60, CHECK_Y = 40, TICK_SRC_X = 12, TICK_W = 16, TICK_H = 17,
    BOX_SRC_Y = 3, BOX = 12, CHECK_TEXT_X = 76, CHECK_TEXT_Y = 43, CHECK_ZONE_BOTTOM = 51,
    // Button faces: 72 x 19 at y 65 from the three-piece skin (2-pixel
    // edges, a stretched middle column), normal at x 0, hot at x 5.
    FACE_Y = 65, FACE_W = 72, FACE_H = 19, FACE_EDGE = 2, FACE_HOT_X = 5,
    CAPTION_Y = 68, HIT_TOP = 66, HIT_BOTTOM = 84, BUTTON_STEP = 74,
};

static const COLORREF CR_CAPTION = 0x0E0E0E;       // (14,14,14)
static const COLORREF CR_CAPTION_HOT = 0x88461A;   // (26,70,136)

// GBK: 确定; 是, 否, 取消.
static const char* const s_pszOK = "\xC8\xB7\xB6\xA8";
static const char* const s_pszYesNoCancel[3] = { "\xCA\xC7", "\xB7\xF1", "\xC8\xA1\xCF\xFB" };
static const int s_nCaptionX[3] = { 36, 110, 180 };   // of the three-button row
enum { OK_FACE_X = 80, OK_CAPTION_X = 105, FIRST_FACE_X = 6 };

// str without a lead byte (0x80-0xFF) that has no trail byte after it.
static CString WholeCharacters(const CString& str)
{
    const char* p = str;
    const int n = str.GetLength();
    for (int i = 0; i < n; ++i)
        if ((BYTE)p[i] >= 0x80 && ++i >= n)
            return str.Left(n - 1);
    return str;
}

static CFont* DefaultFont() { return CVRK_WG::GetStyleCenter().GetDefaultFont(); }

BEGIN_MESSAGE_MAP(CWG_Dlg_MsgBox, CVRK_DIALOG)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CWG_Dlg_MsgBox::CWG_Dlg_MsgBox(CWnd* pParent)
    : CVRK_DIALOG(pParent), m_nCheckTextWidth(0), m_bChecked(0), m_bOverCheck(0), m_nType(TYPE_OK),
      m_pBGDC(new CDC), m_pButtonDC(new CDC), m_pIconDC(new CDC), m_pCheckDC(nullptr), m_bDCCreated(0),
      m_nHotButton(-1), m_nButtonOffset(0), m_rcLastClient(0, 0, 0, 0), m_nResult(RESULT_NONE)
{
}

CWG_Dlg_MsgBox::~CWG_Dlg_MsgBox()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    CDC* const dcs[] = { m_pBGDC, m_pButtonDC, m_pIconDC, m_pCheckDC };
    for (CDC* pDC : dcs)
        if (pDC)
        {
            pDC->DeleteDC();
            delete pDC;
        }
    m_bmpBG.DeleteObject();
}

int CWG_Dlg_MsgBox::DoModal(CString strText, CString strCaption, long nType, CString strCheck, int bChecked)
{
    m_strText = WholeCharacters(strText);
    m_strCaption = strCaption;
    m_nType = nType;
    m_strCheck = WholeCharacters(strCheck);
    m_bChecked = bChecked ? 1 : 0;
    m_nResult = m_nHotButton = RESULT_NONE;
    m_bOverCheck = 0;
    if (CVRK_DIALOG::DoModal() == -1)
        return -1;
    // Closed without a choice (the title bar's close button): a cancel.
    if (m_nResult == RESULT_NONE)
        m_nResult = RESULT_CANCEL;
    return m_nResult + (m_bChecked ? RESULT_CHECKED : 0);
}

void CWG_Dlg_MsgBox::OnOK()
{
    m_nResult = RESULT_OK;
    EndDialog(IDOK);
}

void CWG_Dlg_MsgBox::OnCancel()
{
    m_nResult = RESULT_CANCEL;
    EndDialog(IDCANCEL);
}

int CWG_Dlg_MsgBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    CSize size(0, 0);
    {
        CClientDC dc(nullptr);
        CDCSelect sel(&dc, DefaultFont());
        ::GetTextExtentPoint32A(dc.m_hDC, m_strText, m_strText.GetLength(), &size);
    }
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    long nWidth = CLIENT_W;
    m_nButtonOffset = 0;
    if (size.cx + TEXT_MARGIN >= CLIENT_W + 1)
    {
        nWidth = size.cx + TEXT_MARGIN;
        if (nWidth > rcWork.Width() - 2 * BORDER)
            nWidth = rcWork.Width() - 2 * BORDER;
        m_nButtonOffset = (nWidth - CLIENT_W) / 2;
    }
    // Left and top 0: centred on the parent.
    m_rcWindow.SetRect(0, 0, nWidth + 2 * BORDER, CLIENT_H + TITLE_HEIGHT + BORDER);
    if (CVRK_DIALOG::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetWindowTitle(m_strCaption);
    return 0;
}

// ---- painting ----------------------------------------------------------------------------------

void CWG_Dlg_MsgBox::CreateMyBGDC()
{
    CRect rc;
    GetClientRect(&rc);
    if (!m_bDCCreated)
    {
        CClientDC dc(this);
        m_pBGDC->CreateCompatibleDC(&dc);
        m_pBGDC->SetBkMode(TRANSPARENT);
        m_pButtonDC->CreateCompatibleDC(&dc);
        m_pIconDC->CreateCompatibleDC(&dc);
        m_bDCCreated = 1;
    }
    if (!m_strCheck.IsEmpty() && !m_pCheckDC)
    {
        m_pCheckDC = new CDC;
        m_pCheckDC->CreateCompatibleDC(m_pBGDC);
    }
    if (rc != m_rcLastClient || !m_bmpBG.m_hObject)
    {
        m_rcLastClient = rc;
        WGCreateBackBuffer(m_bmpBG, rc.Width(), rc.Height());
    }
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selFont(m_pBGDC, DefaultFont());
    CDCSelect selIcon(m_pIconDC->m_hDC, WGSkinOf(m_bmpIcon, SKIN_ICON));
    CDCSelect selButton(m_pButtonDC->m_hDC, WGSkinOf(m_bmpButton, SKIN_BUTTON));

    m_pBGDC->FillSolidRect(0, 0, rc.Width(), rc.Height(), WG_CR_PANEL);
    m_pBGDC->BitBlt(ICON_X, ICON_Y, ICON_W, ICON_H, m_pIconDC, 0, 0, SRCCOPY);
    m_pBGDC->SetTextColor(0);
    m_pBGDC->TextOut(TEXT_X, TEXT_Y, m_strText);
    if (!m_strCheck.IsEmpty())
    {
        m_nCheckTextWidth = m_pBGDC->GetTextExtent(m_strCheck).cx;
        DrawCheck(m_pBGDC);
        m_pBGDC->TextOut(CHECK_TEXT_X, CHECK_TEXT_Y, m_strCheck);
    }
    if (m_nType == TYPE_OK)
        DrawButton(m_pBGDC, 0, m_nResult == 0);
    else if (m_nType == TYPE_YESNOCANCEL)
        for (long i = 0; i < 3; ++i)
            DrawButton(m_pBGDC, i, m_nResult == i);
}

void CWG_Dlg_MsgBox::DrawCheck(CDC* pDC)
{
    CDCSelect sel(m_pCheckDC->m_hDC, WGSkinOf(m_bmpCheck, SKIN_CHECK));
    if (m_bChecked)
        pDC->TransparentBlt(CHECK_X, CHECK_Y, TICK_W, TICK_H, m_pCheckDC, TICK_SRC_X, 0, TICK_W, TICK_H,
                            WG_CR_MAGENTA);
    else
        pDC->BitBlt(CHECK_X, CHECK_Y + BOX_SRC_Y, BOX, BOX, m_pCheckDC, 0, BOX_SRC_Y, SRCCOPY);
}

void CWG_Dlg_MsgBox::DrawButton(CDC* pDC, long nButton, BOOL bHot)
{
    const int o = m_nButtonOffset;
    const BOOL bOne = m_nType == TYPE_OK;
    const int x = o + (bOne ? (int)OK_FACE_X : FIRST_FACE_X + BUTTON_STEP * (int)nButton);
    WGDrawThreePiece(pDC, CRect(x, FACE_Y, x + FACE_W, FACE_Y + FACE_H), m_pButtonDC, bHot ? FACE_HOT_X : 0, 0,
                     FACE_EDGE, 1, FACE_EDGE, FACE_H);
    pDC->SetTextColor(bHot ? CR_CAPTION_HOT : CR_CAPTION);
    pDC->TextOut(o + (bOne ? OK_CAPTION_X : s_nCaptionX[nButton]), CAPTION_Y,
                 bOne ? s_pszOK : s_pszYesNoCancel[nButton]);
}

void CWG_Dlg_MsgBox::DrawMe()
{
    CreateMyBGDC();
    CClientDC dc(this);
    CDCSelect sel(m_pBGDC, &m_bmpBG);
    dc.BitBlt(0, 0, m_rcLastClient.Width(), m_rcLastClient.Height(), m_pBGDC, 0, 0, SRCCOPY);
}

void CWG_Dlg_MsgBox::OnPaint()
{
    CPaintDC dc(this);
    DrawMe();
}

// ---- the pointer -----------------------------------------------------------------------------------

BOOL CWG_Dlg_MsgBox::InCheckZone(CPoint point) const
{
    return !m_strCheck.IsEmpty() && point.x > CHECK_X && point.x < CHECK_X + m_nCheckTextWidth &&
           point.y > CHECK_Y && point.y < CHECK_ZONE_BOTTOM;
}

long CWG_Dlg_MsgBox::ButtonAt(CPoint point) const
{
    if (point.y < HIT_TOP || point.y >= HIT_BOTTOM)
        return RESULT_NONE;
    const int x = point.x - m_nButtonOffset;
    if (m_nType == TYPE_OK)
        return x > OK_FACE_X && x < OK_FACE_X + FACE_W ? 0 : RESULT_NONE;
    for (long i = 0; i < 3; ++i)
    {
        const int x0 = FIRST_FACE_X + BUTTON_STEP * i;
        if (x > x0 && x < x0 + FACE_W)
            return i;
    }
    return RESULT_NONE;
}

static void ShowCursorOf(LPCSTR idc) { ::SetCursor(CWGHover::StandardCursor(idc)); }

void CWG_Dlg_MsgBox::OnMouseMove(UINT nFlags, CPoint point)
{
    if (InCheckZone(point))
    {
        m_bOverCheck = 1;
        ShowCursorOf(IDC_HAND);
    }
    else if (m_bOverCheck)
    {
        m_bOverCheck = 0;
        ShowCursorOf(IDC_ARROW);
        return;
    }
    if (m_nType != TYPE_OK && m_nType != TYPE_YESNOCANCEL)
        return;
    const long nButton = ButtonAt(point);
    const BOOL bInBand = point.y >= HIT_TOP && point.y < HIT_BOTTOM;
    if (nButton != RESULT_NONE)
    {
        m_nResult = nButton;
        if (m_nHotButton != nButton)
        {
            ShowCursorOf(IDC_HAND);
            m_nHotButton = nButton;
            DrawMe();
        }
    }
    // Three buttons: the gaps between them change nothing.
    else if ((m_nType == TYPE_OK || !bInBand) && m_nHotButton != RESULT_NONE)
    {
        ShowCursorOf(IDC_ARROW);
        m_nResult = m_nHotButton = RESULT_NONE;
        DrawMe();
    }
}

void CWG_Dlg_MsgBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (InCheckZone(point) && m_pCheckDC)
    {
        m_bChecked = !m_bChecked;
        const CRect rcBox(CHECK_X, CHECK_Y, CHECK_X + TICK_W, CHECK_Y + TICK_H);
        {
            CDCSelect sel(m_pBGDC, &m_bmpBG);
            m_pBGDC->FillSolidRect(&rcBox, WG_CR_PANEL);
            DrawCheck(m_pBGDC);
            CClientDC dc(this);
            dc.BitBlt(rcBox.left, rcBox.top, TICK_W, TICK_H, m_pBGDC, rcBox.left, rcBox.top, SRCCOPY);
        }
        return;
    }
    if (m_nResult == RESULT_NONE)
        return;
    const int nEnd = m_nResult == RESULT_OK ? (int)IDOK : m_nResult == RESULT_NO ? (int)IDNO : (int)IDCANCEL;
    EndDialog(nEnd);
}

BOOL CWG_Dlg_MsgBox::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    // In the client area the cursor the pointer handling chose stays.
    if (nHitTest == HTCLIENT)
        return TRUE;
    return CVRK_DIALOG::OnSetCursor(pWnd, nHitTest, message);
}

#include "WG_ImageButton.h"
#include "VRK_WGPANEL.h"
#include "WG_Tip.h"
#include "WGSkin.h"
#include "WGHover.h"

enum { CMD_DOWN = 0, CMD_UP = 1, CMD_PRESSED = 5, TIP_RAISE = 4 };

static BOOL BitmapSize(HBITMAP hBitmap, long& cx, long& cy)
{
    BITMAP bm;
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof(bm), &bm))
        return FALSE;
    cx = bm.bmWidth;
    cy = bm.bmHeight;
    return TRUE;
}

// ---- CWG_ImageButton -------------------------------------------------------------------

CWG_ImageButton::CWG_ImageButton()
    : m_bExternal(0), m_pExtBitmap(nullptr), m_nSrcX(0), m_nSrcY(0), m_bHover(0), m_bPressed(0), m_bNotifyUp(0)
{
    m_bBorder = FALSE;
    m_bFillBG = FALSE;
}

CWG_ImageButton::~CWG_ImageButton() {}

int CWG_ImageButton::Create(CVRK_WGPANEL* pParent, UINT nIDBitmap, long x, long y)
{
    m_bExternal = 0;
    long cx = 0, cy = 0;
    if (!WGLoadSkin(m_bmpImage, nIDBitmap) || !BitmapSize((HBITMAP)m_bmpImage.m_hObject, cx, cy))
        return 0;
    return CVRK_WG::Create(pParent, x, y, cx, cy);
}

int CWG_ImageButton::Create(CVRK_WGPANEL* pParent, long x, long y, CBitmap* pBitmap, long nSrcX, long nSrcY,
                            long nWidth, long nHeight)
{
    long cx = 0, cy = 0;
    if (!pBitmap || !BitmapSize((HBITMAP)pBitmap->m_hObject, cx, cy) || nWidth <= 0 || nHeight <= 0 ||
        nSrcX < 0 || nSrcY < 0 || nSrcX + nWidth > cx || nSrcY + nHeight > cy)
        return 0;
    m_bExternal = 1;
    m_pExtBitmap = pBitmap;
    m_nSrcX = nSrcX;
    m_nSrcY = nSrcY;
    return CVRK_WG::Create(pParent, x, y, nWidth, nHeight);
}

void CWG_ImageButton::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selImage(m_pParentBGDC, m_bExternal ? m_pExtBitmap : &m_bmpImage);
    if (m_bExternal)
        m_pBGDC->BitBlt(0, 0, m_nWidth, m_nHeight, m_pParentBGDC, m_nSrcX, m_nSrcY, SRCCOPY);
    else
        m_pBGDC->BitBlt(0, 0, m_nWidth, m_nHeight, m_pParentBGDC, 0, 0, SRCCOPY);
}

void CWG_ImageButton::OnMouseMove(CPoint point)
{
    if (m_bPressed)
        return;
    if (!m_bHover && PtInMe(point))
    {
        m_bHover = 1;
        CWGHover::Enter(this);
    }
    else if (m_bHover && !PtInMe(point))
    {
        m_bHover = 0;
        CWGHover::Leave(this);
    }
}

void CWG_ImageButton::OnButtonDown(CPoint, long)
{
    if (!m_pParent)
        return;
    if (m_bNotifyUp)
    {
        m_bPressed = 1;
        m_pParent->GiveMeMouse(m_nIndex);
    }
    m_pParent->OnWGCommand(m_nIndex, CMD_DOWN);
}

void CWG_ImageButton::OnButtonDClick(CPoint point, long nButton)
{
    OnButtonDown(point, nButton);
}

void CWG_ImageButton::OnButtonUp(CPoint, long)
{
    if (!m_bNotifyUp || !m_pParent)
        return;
    m_bHover = m_bPressed = 0;
    m_pParent->ByeMouse();
    m_pParent->OnWGCommand(m_nIndex, CMD_UP);
}

// ---- CWG_ActImgButton ------------------------------------------------------------------

CWG_ActImgButton::CWG_ActImgButton()
    : m_bStripDCPending(1), m_nFrames(0), m_nState(NORMAL), m_nFrameWidth(0), m_nFrameHeight(0), m_bCheckMode(0),
      m_bRadioMode(0), m_bMirror(0), m_bTracking(0), m_pGroupChecked(nullptr), m_ppGroup(nullptr),
      m_bDisabledFrame(0), m_pTip(nullptr)
{
    m_bBorder = FALSE;
    m_bFillBG = FALSE;
    m_bTransparent = TRUE;
}

CWG_ActImgButton::~CWG_ActImgButton()
{
    if (m_ppGroup && *m_ppGroup == this)
        *m_ppGroup = nullptr;
    WGUnselectBitmap(&m_dcStrip);
}

int CWG_ActImgButton::Create(CVRK_WGPANEL* pParent, UINT nIDBitmap, long nFrames, long x, long y, long nWidth,
                             long nHeight, long nFrameWidth, long nFrameHeight, int bCheckMode, int bMirror)
{
    long cx = 0, cy = 0;
    if (nFrames < 1 || nFrameWidth <= 0 || nFrameHeight <= 0 || !WGLoadSkin(m_bmpStrip, nIDBitmap) ||
        !BitmapSize((HBITMAP)m_bmpStrip.m_hObject, cx, cy) || cx < nFrameWidth || cy < nFrameHeight)
        return 0;
    m_nFrames = nFrames;
    m_nFrameWidth = nFrameWidth;
    m_nFrameHeight = nFrameHeight;
    m_bCheckMode = bCheckMode ? 1 : 0;
    m_bMirror = bMirror ? 1 : 0;
    // A stand-alone check button is a group of one.
    if (!m_ppGroup)
        m_ppGroup = &m_pGroupChecked;
    return CVRK_WG::Create(pParent, x, y, nWidth, nHeight);
}

int CWG_ActImgButton::CreateRadMode(CVRK_WGPANEL* pParent, UINT nIDBitmap, long nFrames, long x, long y,
                                    long nWidth, long nHeight, long nFrameWidth, long nFrameHeight,
                                    CWG_ActImgButton* pLeader, int bMirror)
{
    m_bRadioMode = 1;
    if (pLeader)
    {
        m_ppGroup = &pLeader->m_pGroupChecked;
        m_nState = NORMAL;
    }
    else
    {
        m_pGroupChecked = this;
        m_ppGroup = &m_pGroupChecked;
        m_nState = nFrames - 1 < PRESSED ? (nFrames > 0 ? nFrames - 1 : 0) : (long)PRESSED;
    }
    const int nResult = Create(pParent, nIDBitmap, nFrames, x, y, nWidth, nHeight, nFrameWidth, nFrameHeight, 1,
                               bMirror);
    if (!nResult && m_pGroupChecked == this)
        m_pGroupChecked = nullptr;
    return nResult;
}

void CWG_ActImgButton::SetState(long nState)
{
    m_nState = nState;
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

void CWG_ActImgButton::ReleaseCheck()
{
    SetState(NORMAL);
}

void CWG_ActImgButton::SetCheckQuiet()
{
    if (m_ppGroup && *m_ppGroup && *m_ppGroup != this)
        (*m_ppGroup)->ReleaseCheck();
    if (m_ppGroup)
        *m_ppGroup = this;
    m_nState = PRESSED;
}

void CWG_ActImgButton::SetCheck()
{
    SetCheckQuiet();
    if (!m_pParent)
        return;
    m_pParent->RefreshWG(m_nIndex);
    m_pParent->OnWGCommand(m_nIndex, CMD_PRESSED);
}

void CWG_ActImgButton::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    if (m_bStripDCPending)
    {
        CClientDC dcScreen(nullptr);
        m_dcStrip.CreateCompatibleDC(&dcScreen);
        WGKeepSelected(&m_dcStrip, m_bmpStrip);
        m_bStripDCPending = 0;
    }
    long nRow = -1;
    if (!m_bEnable && m_bDisabledFrame)
        nRow = m_nFrames;
    else if (m_nState >= NORMAL && m_nState <= PRESSED && m_nFrames > m_nState)
        nRow = m_nState;
    long cx = 0, cy = 0;
    BitmapSize((HBITMAP)m_bmpStrip.m_hObject, cx, cy);
    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    if (nRow >= 0 && (nRow + 1) * m_nFrameHeight <= cy)
    {
        const long x0 = m_bMirror ? m_nFrameWidth - 1 : 0, nSrcW = m_bMirror ? -m_nFrameWidth : m_nFrameWidth;
        m_pBGDC->SetStretchBltMode(COLORONCOLOR);
        m_pBGDC->StretchBlt(0, 0, m_nWidth, m_nHeight, &m_dcStrip, x0, nRow * m_nFrameHeight, nSrcW,
                            m_nFrameHeight, SRCCOPY);
    }
    if (!m_strCaption.IsEmpty())
    {
        CDCSelect selFont(m_pBGDC, m_pFont);
        SIZE sz = { 0, 0 };
        ::GetTextExtentPoint32A(m_pBGDC->m_hDC, m_strCaption, m_strCaption.GetLength(), &sz);
        m_pBGDC->TextOut((m_nWidth - sz.cx) / 2, (m_nHeight - sz.cy) / 2, m_strCaption);
    }
}

void CWG_ActImgButton::HideTip()
{
    if (m_pTip && !m_strTip.IsEmpty())
        m_pTip->hide();
}

void CWG_ActImgButton::OnMouseMove(CPoint point)
{
    if (!m_pParent)
        return;
    if (!PtInMe(point))
    {
        if (!CheckedInCheckMode())
            SetState(NORMAL);
        HideTip();
        CWGHover::Leave(this);
        m_bTracking = 0;
        return;
    }
    if (m_bTracking)
        return;
    if (m_nState == HOVER)
    {
        CWGHover::ShowCursor(this, IDC_HAND);
        return;
    }
    if (!CheckedInCheckMode() && m_nFrames >= 2)
        SetState(HOVER);
    if (m_pTip && !m_strTip.IsEmpty() && m_pParent && m_pParent->m_hWnd)
    {
        m_pTip->hide();
        CPoint pt(m_rect.left, m_rect.bottom - TIP_RAISE);
        ::ClientToScreen(m_pParent->m_hWnd, &pt);
        m_pTip->show(pt.x, pt.y, m_strTip, -1, kWG_Tip_LeftTop);
    }
    m_bTracking = 1;
    CWGHover::Enter(this);
}

void CWG_ActImgButton::OnButtonDown(CPoint point, long)
{
    if (!PtInMe(point) || !m_pParent)
        return;
    if (!m_bCheckMode)
    {
        // Two frames have no pressed look: the click reports at once.
        if (m_nFrames > 2)
            SetState(PRESSED);
        if (m_nFrames == 2 || m_nFrames == 3)
        {
            if (m_pParent)
                m_pParent->ByeMouse();
            if (m_pParent)
                m_pParent->OnWGCommand(m_nIndex, CMD_PRESSED);
        }
    }
    else if (m_nState != PRESSED)
    {
        if (m_nFrames > 2)
            SetCheck();
    }
    else if (!m_bRadioMode && m_nFrames > 1)
    {
        SetState(HOVER);
    }
}

void CWG_ActImgButton::OnButtonUp(CPoint point, long)
{
    // A one-frame strip has no hover look to come back to.
    if (!m_bCheckMode && m_nFrames >= 2 && PtInMe(point))
        SetState(HOVER);
}

void CWG_ActImgButton::OnLoseFocus()
{
    if (!CheckedInCheckMode())
        SetState(NORMAL);
    HideTip();
    CWGHover::Release(this);
    m_bTracking = 0;
}

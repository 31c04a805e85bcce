#include "WG_ProgressBar.h"
#include "VRK_WGPANEL.h"
#include "WGStyleCenter.h"
#include "WGSkin.h"
#include <limits.h>

// Skin 3010: x 0..4 of rows 0..26 the frame (2-pixel edges, 1-pixel middle
// stretched); from x 5 two 21-row bands, green then red: x 5 the fill
// column, x 6..47 the 42-pixel shine, x 48..50 the end cap.
enum
{
    BAR_SKIN = 3010, BAND_H = 21, RED_BAND = 21, FILL_X = 5, SHINE_X = 6, SHINE_W = 42,
    CAP_X = 48, CAP_W = 3, INSET = 3, SHINE_WRAP = -39, SHINE_PAUSE_MS = 1500
};
// Skin 3009: three 83 x 77 frames side by side.
enum { GEAR_SKIN = 3009, GEAR_ELAPSE = 45 };
// Skin 3011: the 17 x 9 knob at rows 0..8, the 17 x 112 track below it.
enum
{
    BROWSE_SKIN = 3011, KNOB_W = 17, KNOB_H = 9, TRACK_Y = 9, TRACK_H = 112, TRACK_X = 2,
    WALK_ELAPSE = 5, HALF_TRACK = 50
};

// ---- CWG_ProgressBar ---------------------------------------------------------------

static long Percent(long v) { return v < 0 ? 0 : v > 100 ? 100 : v; }

CWG_ProgressBar::CWG_ProgressBar()
    : m_bTimerPending(1), m_bThreadMode(0), m_nShineX(0), m_nFrameElapse(10), m_nShown(0),
      m_nProgress(0), m_bShinePause(0), m_nPauseTime(0), m_bShowText(1), m_nColorStyle(0)
{
    m_bBorder = FALSE;
    m_crBG = WG_CR_PANEL;
    m_crText = 0xFF9900;
    m_Blend.BlendOp = AC_SRC_OVER;
    m_Blend.BlendFlags = 0;
    m_Blend.SourceConstantAlpha = 100;
    m_Blend.AlphaFormat = 0;
}

CWG_ProgressBar::~CWG_ProgressBar()
{
    m_TimerService.Stop();
    if (!m_bThreadMode && !m_bTimerPending && m_pParent && m_pParent->m_hWnd)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
}

int CWG_ProgressBar::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, int bThreadMode)
{
    m_bThreadMode = bThreadMode ? 1 : 0;
    // A bitmap is selected into one DC at a time: the worker cannot draw
    // from the skin that elements on the interface thread share.
    if (m_bThreadMode)
        WGLoadSkin(m_bmpSkin, BAR_SKIN);
    return CVRK_WG::Create(pParent, x, y, nWidth, HEIGHT);
}

CRITICAL_SECTION* CWG_ProgressBar::StateLock() const
{
    return m_bThreadMode && m_pParent ? &m_pParent->m_csLock : nullptr;
}

void CWG_ProgressBar::InitProgress(long nValue)
{
    CVRK_WGLock lock(StateLock());
    m_nProgress = m_nShown = Percent(nValue);
}

void CWG_ProgressBar::SetProgressQuiet(long nValue)
{
    CVRK_WGLock lock(StateLock());
    m_nProgress = Percent(nValue);
}

void CWG_ProgressBar::SetProgress(long nValue)
{
    SetProgressQuiet(nValue);
    // The worker repaints at its next tick.
    if (!m_bThreadMode && m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

void CWG_ProgressBar::SetFrameElapse(long nElapse)
{
    if (nElapse < 1)
        return;
    m_nFrameElapse = nElapse;
    if (!m_bTimerPending)
        SetTimer(m_nIndex, m_nFrameElapse);
}

void CWG_ProgressBar::SetTimer(long nId, long nElapse)
{
    if (m_bThreadMode)
        m_TimerService.SetTimer(this, nId, nElapse);
    else if (m_pParent && m_pParent->m_hWnd)
        ::SetTimer(m_pParent->m_hWnd, nId, nElapse, nullptr);
}

void CWG_ProgressBar::KillTimer(long nId)
{
    if (m_bThreadMode)
        m_TimerService.KillTimer(this, nId);
    else if (m_pParent && m_pParent->m_hWnd)
        ::KillTimer(m_pParent->m_hWnd, nId);
}

void CWG_ProgressBar::CreateMyBGDC(CDC* pDC)
{
    // The worker and the interface thread both paint a thread-mode bar.
    CVRK_WGLock lock(StateLock());
    CVRK_WG::CreateMyBGDC(pDC);
    {
        CDCSelect selBG(m_pBGDC, &m_bmpBG);
        CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpSkin, BAR_SKIN));
        CDCSelect selFont(m_pBGDC, GetStyleCenter().GetDefaultFont());
        const long w = m_nWidth;
        const int yBand = m_nColorStyle == 1 ? RED_BAND : 0;

        WGDrawThreePiece(m_pBGDC, CRect(0, 0, w, HEIGHT), m_pParentBGDC, 0, 0, 2, 1, 2, HEIGHT);
        if (m_nProgress > 0)
        {
            if (m_nShown > m_nProgress)
                m_nShown = m_nProgress;
            const long f = w > 2 * INSET ? (w - 2 * INSET) * m_nShown / 100 : 0;
            if (f > 0)
                m_pBGDC->StretchBlt(INSET, INSET, f, BAND_H, m_pParentBGDC, FILL_X, yBand, 1, BAND_H, SRCCOPY);
            DrawShine(m_pParentBGDC, f + INSET, yBand);
        }
        if (m_bShowText)
        {
            CString strLabel;
            if (m_strText.IsEmpty())
                strLabel.Format("%ld%%", m_nShown);
            else
                strLabel.Format("%ld%% %s", m_nShown, (LPCSTR)m_strText);
            SIZE sz = { 0, 0 };
            ::GetTextExtentPoint32A(m_pBGDC->m_hDC, strLabel, strLabel.GetLength(), &sz);
            m_pBGDC->SetTextColor(m_crText);
            m_pBGDC->TextOut((w - sz.cx) / 2, (HEIGHT - sz.cy) / 2, strLabel);
        }
    }
    if (m_bTimerPending && m_nIndex >= 0)
    {
        m_bTimerPending = 0;
        SetTimer(m_nIndex, m_nFrameElapse);
    }
}

// The shine enters at the fill's left end, runs to its right end where it
// is cut and capped, then wraps to -39.
void CWG_ProgressBar::DrawShine(CDC* pSkinDC, long nEnd, int yBand)
{
    long& x = m_nShineX;
    if (x < SHINE_WRAP + 1 || x >= nEnd)
        x = SHINE_WRAP;
    long nVisible = x < INSET ? x - SHINE_WRAP : (long)SHINE_W;
    if (x + SHINE_W > nEnd)
        nVisible -= x + SHINE_W - nEnd;
    if (nVisible <= 0)
        return;
    if (x < INSET)
    {
        m_pBGDC->BitBlt(INSET, INSET, nVisible, BAND_H, pSkinDC, SHINE_X + INSET - x, yBand, SRCCOPY);
    }
    else if (x + SHINE_W > nEnd)
    {
        m_pBGDC->BitBlt(x, INSET, nVisible, BAND_H, pSkinDC, SHINE_X, yBand, SRCCOPY);
        ::AlphaBlend(m_pBGDC->m_hDC, nEnd - CAP_W, INSET, CAP_W, BAND_H, pSkinDC->m_hDC, CAP_X, yBand, CAP_W,
                     BAND_H, m_Blend);
    }
    else
    {
        m_pBGDC->BitBlt(x, INSET, SHINE_W, BAND_H, pSkinDC, SHINE_X, yBand, SRCCOPY);
    }
}

void CWG_ProgressBar::OnTimer()
{
    CVRK_WGPANEL* pPanel = m_pParent;
    if (!pPanel)
        return;
    // A paint on the other thread sees the state before or after each
    // step, never half of one.
    BOOL bRepaint = FALSE;
    {
        CVRK_WGLock lock(StateLock());
        if (!m_bShinePause)
            m_nShineX += 2;
        if (m_nProgress > 0)
        {
            m_nShown += m_nProgress == 100 ? 2 : 1;
            if (m_nShown > m_nProgress)
                m_nShown = m_nProgress;
            bRepaint = TRUE;
        }
    }
    // The repaint wraps the shine, which the pause below looks for.
    if (bRepaint)
        pPanel->RefreshWG(m_nIndex);
    CVRK_WGLock lock(StateLock());
    if (m_bShinePause)
    {
        m_nPauseTime += m_nFrameElapse;
        if (m_nPauseTime >= SHINE_PAUSE_MS)
            m_bShinePause = m_nPauseTime = 0;
    }
    else if (m_nShineX == SHINE_WRAP)
    {
        m_bShinePause = 1;
    }
}

// ---- CWG_LoopGear --------------------------------------------------------------------

CWG_LoopGear::CWG_LoopGear()
    : m_bTimerPending(1), m_nFrame(0), m_nFrameElapse(GEAR_ELAPSE), m_bRunning(FALSE)
{
    m_bBorder = FALSE;
}

CWG_LoopGear::~CWG_LoopGear()
{
    Pause();
}

int CWG_LoopGear::Create(CVRK_WGPANEL* pParent, long x, long y, long nWidth, long nHeight)
{
    return CVRK_WG::Create(pParent, x, y, nWidth, nHeight);
}

long CWG_LoopGear::FrameCount() const
{
    BITMAP bm;
    HBITMAP hFrames = WGSkinOf(m_bmpFrames, GEAR_SKIN);
    if (!hFrames || !::GetObjectA(hFrames, sizeof(bm), &bm) || bm.bmHeight < FRAME_H)
        return 0;
    return bm.bmWidth / FRAME_W < FRAMES ? bm.bmWidth / FRAME_W : (long)FRAMES;
}

void CWG_LoopGear::SetFrameElapse(long nElapse)
{
    if (nElapse < 1)
        return;
    m_nFrameElapse = nElapse;
    if (m_bRunning)
        Resume();
}

void CWG_LoopGear::Pause()
{
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
    m_bRunning = FALSE;
}

void CWG_LoopGear::Resume()
{
    if (m_pParent && m_pParent->m_hWnd && m_nIndex >= 0)
        m_bRunning = ::SetTimer(m_pParent->m_hWnd, m_nIndex, m_nFrameElapse, nullptr) != 0;
}

void CWG_LoopGear::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    if (FrameCount() > 0)
    {
        CDCSelect selBG(m_pBGDC, &m_bmpBG);
        CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpFrames, GEAR_SKIN));
        m_pBGDC->BitBlt((m_nWidth - FRAME_W) / 2, (m_nHeight - FRAME_H) / 2, FRAME_W, FRAME_H, m_pParentBGDC,
                        m_nFrame * FRAME_W, 0, SRCCOPY);
    }
    if (m_bTimerPending)
    {
        m_bTimerPending = 0;
        Resume();
    }
}

void CWG_LoopGear::OnTimer()
{
    const long n = FrameCount();
    if (n <= 0)
        return;
    m_nFrame = (m_nFrame + 1) % n;
    if (m_pParent)
        m_pParent->RefreshWG(m_nIndex);
}

// ---- CWG_StandBrowse ------------------------------------------------------------------

CWG_StandBrowse::CWG_StandBrowse()
    : m_bSkinLoaded(0), m_bDragging(0), m_nDragOffset(0), m_nKnobY(KNOB_CENTRE), m_bMoving(0), m_nTargetY(0),
      m_nUpperScale(0), m_nValue(0)
{
    m_bBorder = FALSE;
    m_crBG = WG_CR_PANEL;
}

CWG_StandBrowse::~CWG_StandBrowse()
{
    if (m_bMoving && m_pParent && m_pParent->m_hWnd)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
}

int CWG_StandBrowse::Create(CVRK_WGPANEL* pParent, CString strCaption, long x, long y)
{
    m_strCaption = strCaption;
    return CVRK_WG::Create(pParent, x, y, WIDTH, HEIGHT);
}

long CWG_StandBrowse::ValueAt(long nKnobY, long nUpperScale)
{
    const long y = nKnobY < KNOB_TOP ? (long)KNOB_TOP : nKnobY > KNOB_BOTTOM ? (long)KNOB_BOTTOM : nKnobY;
    const long d = y - KNOB_CENTRE;
    if (d > 0)
        return (HALF_TRACK - d) * 100 / HALF_TRACK;
    if (d == 0)
        return 100;
    const long long v = (long long)(nUpperScale < 0 ? 0 : nUpperScale) * -d * 100 / HALF_TRACK;
    return v < 100 ? 100 : v > LONG_MAX ? LONG_MAX : (long)v;
}

void CWG_StandBrowse::CreateMyBGDC(CDC* pDC)
{
    CVRK_WG::CreateMyBGDC(pDC);
    m_bSkinLoaded = WGSkinOf(m_bmpSkin, BROWSE_SKIN) != nullptr;
    if (m_nKnobY < KNOB_TOP)
        m_nKnobY = KNOB_TOP;
    if (m_nKnobY > KNOB_BOTTOM)
        m_nKnobY = KNOB_BOTTOM;
    m_nValue = ValueAt(m_nKnobY, m_nUpperScale);

    CDCSelect selBG(m_pBGDC, &m_bmpBG);
    CDCSelect selSkin(m_pParentBGDC->m_hDC, WGSkinOf(m_bmpSkin, BROWSE_SKIN));
    CDCSelect selFont(m_pBGDC, m_pFont);
    m_pBGDC->TextOut(0, -1, m_strCaption);
    m_pBGDC->BitBlt(TRACK_X, KNOB_TOP, KNOB_W, TRACK_H, m_pParentBGDC, 0, TRACK_Y, SRCCOPY);
    m_pBGDC->BitBlt(0, m_nKnobY, KNOB_W, KNOB_H, m_pParentBGDC, 0, 0, SRCCOPY);
    CString strValue;
    strValue.Format("%ld%%", m_nValue);
    m_pBGDC->TextOut(KNOB_W + 1, m_nKnobY - 1, strValue);
}

void CWG_StandBrowse::ShowAndReport()
{
    if (!m_pParent)
        return;
    m_pParent->RefreshWG(m_nIndex);
    m_pParent->OnWGCommand(m_nIndex, m_nValue);
}

void CWG_StandBrowse::OnButtonDown(CPoint point, long)
{
    const long dx = point.x - m_rect.left, dy = point.y - m_rect.top;
    if (!m_pParent || dx >= KNOB_W)
        return;
    // A press without a release before it (the release went elsewhere)
    // ends the drag or walk in progress.
    if (m_bMoving && m_pParent->m_hWnd)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
    m_bDragging = m_bMoving = 0;
    if (dx > 0 && dy > m_nKnobY && dy < m_nKnobY + KNOB_H)
    {
        m_nDragOffset = dy - m_nKnobY;
        m_bDragging = 1;
        m_pParent->GiveMeMouse(m_nIndex);
        return;
    }
    m_nTargetY = dy;
    m_bMoving = 1;
    m_pParent->GiveMeMouse(m_nIndex);
    if (m_pParent->m_hWnd)
        ::SetTimer(m_pParent->m_hWnd, m_nIndex, WALK_ELAPSE, nullptr);
}

void CWG_StandBrowse::OnButtonUp(CPoint, long)
{
    if (!m_bDragging && !m_bMoving)
        return;
    if (m_bMoving && m_pParent && m_pParent->m_hWnd)
        ::KillTimer(m_pParent->m_hWnd, m_nIndex);
    m_bDragging = m_bMoving = 0;
    if (m_pParent)
        m_pParent->ByeMouse();
}

void CWG_StandBrowse::OnMouseMove(CPoint point)
{
    if (!m_bDragging)
        return;
    m_nKnobY = point.y - m_rect.top - m_nDragOffset;
    ShowAndReport();
}

void CWG_StandBrowse::OnMouseWheel(short zDelta)
{
    if (zDelta == 0)
        return;
    m_nKnobY += zDelta < 0 ? 1 : -1;
    ShowAndReport();
}

void CWG_StandBrowse::OnTimer()
{
    if (!m_bMoving)
        return;
    if (m_nKnobY == m_nTargetY)
    {
        if (m_pParent && m_pParent->m_hWnd)
            ::KillTimer(m_pParent->m_hWnd, m_nIndex);
        return;
    }
    m_nKnobY += m_nKnobY < m_nTargetY ? 1 : -1;
    ShowAndReport();
}

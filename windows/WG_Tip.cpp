#include "WG_Tip.h"
#include "WG_LayerWindow.h"
#include "VRK_WG.h"
#include "VRK_WGPANEL.h"
#include "WGStyleCenter.h"
#include "WGLibrary.h"
#include "WGPanelPopups.h"
#include <algorithm>

// ---- what a panel asks of its tips

void WGPanelShowMarkTip(CWG_Tip* pTip, CPoint ptScreen, const CString& strText)
{
    pTip->show(ptScreen.x, ptScreen.y, strText, -1, kWG_Tip_Center);
}

void WGPanelSetTipIndex(CWG_Tip* pTip, long nIndex) { pTip->m_nTipIndex = nIndex; }
long WGPanelTipIndex(CWG_Tip* pTip) { return pTip->m_nTipIndex; }

// ---- the card

namespace {

// Skin 3018 cut for a W x H card: rows 0..12 make the top, 13..27 the
// bottom, and row 12 is stretched over the middle when the card is taller
// than the skin.
struct Piece
{
    RECT src;
    int xFrom, xOff;   // destination x = xOff, or W + xOff from the right
    int yFrom, yOff;   // 0: from the top; 1: from the bottom (H + yOff)
    int wFull, w;      // width: w, or W + w when wFull
    int hMiddle, h;    // height: h, or H - 28 when hMiddle
};
const Piece kPieces[] = {
    { { 0, 0, 8, 13 }, 0, 0, 0, 0, 0, 8, 0, 13 },            // top-left corner
    { { 9, 0, 17, 13 }, 1, -8, 0, 0, 0, 8, 0, 13 },          // top-right corner
    { { 8, 0, 9, 13 }, 0, 8, 0, 0, 1, -16, 0, 13 },          // top edge
    { { 0, 12, 3, 13 }, 0, 0, 0, 13, 0, 3, 1, 0 },           // left edge
    { { 12, 12, 17, 13 }, 1, -5, 0, 13, 0, 5, 1, 0 },        // right edge
    { { 3, 12, 4, 13 }, 0, 3, 0, 13, 1, -8, 1, 0 },          // centre
    { { 0, 13, 8, 28 }, 0, 0, 1, -15, 0, 8, 0, 15 },         // bottom-left corner
    { { 9, 13, 17, 28 }, 1, -8, 1, -15, 0, 8, 0, 15 },       // bottom-right corner
    { { 8, 13, 9, 28 }, 0, 8, 1, -15, 1, -16, 0, 15 },       // bottom edge
};

// Calls f(line) for every non-empty line of str (lines end at carriage
// returns, the last one at the end).
template <class F> void ForEachLine(const CString& str, F f)
{
    const char* p = str;
    const char* pEnd = p + str.GetLength();
    while (p < pEnd)
    {
        const char* pCR = std::find(p, pEnd, '\r');
        if (pCR > p)
            f(p, (int)(pCR - p));
        p = pCR + 1;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CWG_Tip, CDialog)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_MOUSEACTIVATE()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CWG_Tip::CWG_Tip(CWnd* pParent)
    : m_pTemplate(nullptr), m_bmi(WG32BitHeader()), m_blend(WGLayerBlend(128)), m_pFont(CVRK_WG::GetStyleCenter().GetDefaultFont()), m_crText(0x333333),
      m_sizeText(0, 0), m_sizeWnd(0, 0), m_pBits(nullptr), m_bRedraw(0), m_pPanel(nullptr),
      m_nCommandId(-1), m_nTipIndex(-1), m_ptPos(0, 0), m_bVisible(0), m_nDirTime(-1), m_nLineSpace(4),
      m_bShowAndHideByOtherControl(0), m_bMouseThrough(0), m_hPanel(nullptr)
{
    BITMAPINFOHEADER bihSkin = m_bmi;
    WGLoad32Bitmap(m_bmpSkin, WGGetLibraryInstance(), SKIN, &bihSkin);
    m_pTemplate = WGInitDialogTemplate(this, m_bufTemplate, WS_POPUP,
                                       CVRK_WG::GetStyleCenter().GetWGTipCalss()->lpszClassName, pParent);
}

CWG_Tip::~CWG_Tip()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

int CWG_Tip::CreateWith(CWnd* pParent, CVRK_WGPANEL* pPanel)
{
    if (!m_pTemplate || m_hWnd)
        return 0;
    m_pPanel = pPanel;
    m_hPanel = pPanel ? pPanel->m_hWnd : nullptr;
    return CreateIndirect(m_pTemplate, pParent) ? 1 : 0;
}

int CWG_Tip::create(CWnd* pParent) { return CreateWith(pParent, nullptr); }

int CWG_Tip::create(CVRK_WGPANEL* pPanel, long nCommandId)
{
    m_nCommandId = nCommandId;
    return CreateWith(pPanel, pPanel);
}

int CWG_Tip::create(CWnd* pParent, long nDirTime)
{
    m_nDirTime = nDirTime;
    return CreateWith(pParent, nullptr);
}

int CWG_Tip::create(CVRK_WGPANEL* pPanel, long nCommandId, long nDirTime)
{
    m_nDirTime = nDirTime;
    return create(pPanel, nCommandId);
}

int CWG_Tip::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, 0);
    ModifyStyleEx(0, WS_EX_LAYERED);
    return 0;
}

CVRK_WGPANEL* CWG_Tip::LivePanel() const
{
    return m_pPanel && m_hPanel && FromHandlePermanent(m_hPanel) == m_pPanel ? m_pPanel : nullptr;
}

void CWG_Tip::Measure()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CDCSelect selFont(&dc, m_pFont);
    if (m_strText.Find('\r') < 0)
    {
        m_sizeText = m_strText.IsEmpty() ? CSize(0, 0) : dc.GetTextExtent(m_strText);
        return;
    }
    long nWidth = 0, nHeight = 0, nLines = 0;
    ForEachLine(m_strText, [&](const char* p, int n) {
        const CSize size = dc.GetTextExtent(p, n);
        nWidth = std::max(nWidth, (long)size.cx);
        nHeight += size.cy;
        ++nLines;
    });
    m_sizeText = CSize(nWidth, nHeight + (nLines > 1 ? m_nLineSpace * (nLines - 1) : 0));
}

void CWG_Tip::show(long x, long y, CString strText, long, kWG_Tip_ShowPositionStyle style)
{
    if (!m_hWnd)
        return;
    m_strText = strText;
    Measure();
    const long nScreenW = ::GetSystemMetrics(SM_CXSCREEN), nScreenH = ::GetSystemMetrics(SM_CYSCREEN);
    const long W = std::min(m_sizeText.cx + MARGIN, nScreenW), H = std::min(m_sizeText.cy + MARGIN, nScreenH);
    m_sizeWnd = CSize(W, H);
    // Re-made when the width changes by more than 2 pixels, and whenever the
    // card would not fit.
    if (!m_bmpDIB.m_hObject || labs(W - m_bmi.biWidth) > 2 || W > m_bmi.biWidth || H > m_bmi.biHeight)
    {
        m_bmpDIB.DeleteObject();
        m_bmi.biWidth = W;
        m_bmi.biHeight = H;
        void* pBits = nullptr;
        m_bmpDIB.Attach(::CreateDIBSection(nullptr, (BITMAPINFO*)&m_bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
        m_pBits = m_bmpDIB.m_hObject ? (BYTE*)pBits : nullptr;
    }
    long left = x - 3, top = y - 3;
    if (style == kWG_Tip_Center)
        left = x - W / 2, top = y - H / 2;
    else if (style == kWG_Tip_LeftBottom)
        top = y + 5 - H;
    if (left + W > nScreenW)
        left = nScreenW - W;
    if (top + H > nScreenH)
        top = nScreenH - H;

    KillTimer(TIMER_HIDE);
    KillTimer(TIMER_FADE_IN);
    ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW));
    if (!m_bVisible)
    {
        m_blend.SourceConstantAlpha = FADE_FROM;
        SetTimer(TIMER_FADE_IN, FADE_IN_PERIOD);
    }
    else
    {
        m_blend.SourceConstantAlpha = 255;
    }
    m_bVisible = 1;
    m_bRedraw = 1;
    m_ptPos = CPoint(left, top);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNA);
    updateUI();
    if (!m_bShowAndHideByOtherControl)
        SetCapture();
}

void CWG_Tip::DrawCard(CDC* pDC)
{
    CWGPixels32 dst, skin;
    if (!dst.Attach((HBITMAP)m_bmpDIB.m_hObject))
        return;
    memset(dst.m_pBits, 0, (size_t)dst.m_nWidth * dst.m_nHeight * 4);
    const long W = m_sizeWnd.cx, H = m_sizeWnd.cy;
    if (skin.Attach((HBITMAP)m_bmpSkin.m_hObject))
        for (const Piece& k : kPieces)
        {
            const long h = k.hMiddle ? H - 28 : k.h;
            if (k.hMiddle && H <= 28)
                continue;
            const long x = k.xFrom ? W + k.xOff : k.xOff, y = k.yFrom ? H + k.yOff : k.yOff;
            dst.Stretch(CRect(x, y, x + (k.wFull ? W + k.w : k.w), y + h), skin, CRect(k.src));
        }
    {
        CDCSelect selFont(pDC, m_pFont);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(m_crText);
        long yText = TEXT_TOP;
        ForEachLine(m_strText, [&](const char* p, int n) {
            pDC->TextOut(TEXT_LEFT, yText, p, n);
            const int nFirst = (BYTE)p[0] >= 0x80 && n > 1 ? 2 : 1;
            yText += m_nLineSpace + pDC->GetTextExtent(p, nFirst).cy;
        });
    }
    // Text drawing leaves alpha 0: the text area becomes opaque again.
    if (H > 15 && m_sizeText.cx > 0)
    {
        dst.Attach((HBITMAP)m_bmpDIB.m_hObject);   // flushes the text
        const long xEnd = std::min((long)TEXT_LEFT + m_sizeText.cx, W);
        for (long y = TEXT_TOP - 1; y <= H - 10; ++y)
        {
            DWORD* pRow = dst.Row(y);
            for (long x = TEXT_LEFT; x < xEnd; ++x)
                if (!(pRow[x] >> 24))
                    pRow[x] |= 0xFF000000;
        }
    }
}

void CWG_Tip::updateUI()
{
    if (!m_hWnd || !m_pBits)
        return;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CDCSelect sel(&dc, &m_bmpDIB);
    if (m_bRedraw)
    {
        DrawCard(&dc);
        m_bRedraw = 0;
    }
    ::GdiFlush();
    HDC hdcWnd = ::GetDC(m_hWnd);
    POINT ptPos = m_ptPos, ptSrc = { 0, 0 };
    SIZE size = m_sizeWnd;
    ::UpdateLayeredWindow(m_hWnd, hdcWnd, &ptPos, &size, dc.m_hDC, &ptSrc, 0, &m_blend, ULW_ALPHA);
    ::ReleaseDC(m_hWnd, hdcWnd);
}

void CWG_Tip::hide()
{
    if (!m_hWnd || !m_bVisible)
        return;
    m_bVisible = 0;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CWG_Tip::_hide()
{
    if (!m_hWnd || !m_bVisible)
        return;
    KillTimer(TIMER_FADE_IN);
    hide();
    if (CVRK_WGPANEL* pPanel = LivePanel())
        pPanel->OnTipCommand(m_nTipIndex, 2);
}

void CWG_Tip::moveTo(long x, long y)
{
    if (!m_hWnd || !m_bVisible)
        return;
    m_ptPos = CPoint(x, y);
    updateUI();
}

void CWG_Tip::moveToTheCenterPoint(long x, long y)
{
    moveTo(x - m_sizeWnd.cx / 2, y - m_sizeWnd.cy / 2);
}

void CWG_Tip::OnTimer(UINT_PTR nIDEvent)
{
    BYTE& alpha = m_blend.SourceConstantAlpha;
    if (nIDEvent == TIMER_FADE_IN)
    {
        alpha = (BYTE)std::min(255, alpha + FADE_STEP);
        updateUI();
        if (alpha == 255)
        {
            // Stopped before the panel hears of it: the panel may hide or
            // show the tip again from its handler.
            KillTimer(TIMER_FADE_IN);
            if (CVRK_WGPANEL* pPanel = LivePanel())
                pPanel->OnTipCommand(m_nTipIndex, 0);
            if (m_nDirTime > 0 && m_bVisible && alpha == 255)
                SetTimer(TIMER_HIDE, (UINT)m_nDirTime);
        }
    }
    else if (nIDEvent == TIMER_HIDE)
    {
        if (alpha == 255)
            SetTimer(TIMER_HIDE, FADE_OUT_PERIOD);
        alpha = (BYTE)std::max(0, alpha - FADE_STEP);
        updateUI();
        if (alpha < 128)
        {
            KillTimer(TIMER_HIDE);
            _hide();
        }
    }
    else
    {
        CDialog::OnTimer(nIDEvent);
    }
}

int CWG_Tip::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

void CWG_Tip::OnLButtonDown(UINT, CPoint point)
{
    const bool bInside = point.x >= 1 && point.x < m_sizeWnd.cx && point.y >= 1 && point.y < m_sizeWnd.cy;
    if (bInside && m_nCommandId != -1 && LivePanel())
    {
        // One-shot: cleared before anyone can click again.
        const long nCommand = m_nCommandId;
        m_nCommandId = -1;
        _hide();
        if (CVRK_WGPANEL* pPanel = LivePanel())
            pPanel->OnWGCommand(nCommand, 0);
        return;
    }
    if (bInside && !m_bMouseThrough)
        return;
    _hide();
    // The click was meant for what lies beneath.
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
}

void CWG_Tip::OnRButtonDown(UINT, CPoint point)
{
    if (point.x >= 0 && point.x <= m_sizeWnd.cx && point.y >= 0 && point.y <= m_sizeWnd.cy && !m_bMouseThrough)
        return;
    _hide();
    ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
}

void CWG_Tip::OnKillFocus(CWnd* pNewWnd)
{
    if (!m_bShowAndHideByOtherControl)
        _hide();
    CDialog::OnKillFocus(pNewWnd);
}

void CWG_Tip::OnCaptureChanged(CWnd* pWnd)
{
    if (!m_bShowAndHideByOtherControl && pWnd && pWnd->m_hWnd != m_hWnd)
        hide();
    CDialog::OnCaptureChanged(pWnd);
}

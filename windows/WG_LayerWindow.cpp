#include "WG_LayerWindow.h"
#include "VRK_WG.h"
#include "WGStyleCenter.h"
#include "WGLibrary.h"
#include <algorithm>
#include <vector>

// ---------------------------------------------------------------- pixels

BOOL CWGPixels32::Attach(HBITMAP hDIB)
{
    *this = CWGPixels32();
    DIBSECTION ds = {};
    if (!hDIB || ::GetObjectA(hDIB, sizeof(ds), &ds) != (int)sizeof(ds) || ds.dsBm.bmBitsPixel != 32 ||
        !ds.dsBm.bmBits)
        return FALSE;
    ::GdiFlush();   // GDI may still owe writes to these pixels
    m_pBits = (BYTE*)ds.dsBm.bmBits;
    m_nWidth = ds.dsBm.bmWidth;
    m_nHeight = ds.dsBm.bmHeight;
    m_bBottomUp = ds.dsBmih.biHeight > 0;
    return TRUE;
}

void CWGPixels32::Stretch(const CRect& rcDst, const CWGPixels32& src, const CRect& rcSrc) const
{
    const long dw = rcDst.Width(), dh = rcDst.Height(), sw = rcSrc.Width(), sh = rcSrc.Height();
    if (!m_pBits || !src.m_pBits || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    for (long y = std::max(0L, -rcDst.top); y < dh && rcDst.top + y < m_nHeight; ++y)
    {
        const long ys = rcSrc.top + y * sh / dh;
        if (ys < 0 || ys >= src.m_nHeight)
            continue;
        DWORD* pDst = Row(rcDst.top + y);
        const DWORD* pSrc = src.Row(ys);
        for (long x = std::max(0L, -rcDst.left); x < dw && rcDst.left + x < m_nWidth; ++x)
        {
            const long xs = rcSrc.left + x * sw / dw;
            if (xs >= 0 && xs < src.m_nWidth)
                pDst[rcDst.left + x] = pSrc[xs];
        }
    }
}

BOOL WGLoad32Bitmap(CBitmap& bmp, HINSTANCE hInst, UINT nID, BITMAPINFOHEADER* pbih)
{
    bmp.DeleteObject();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(nID), (LPCSTR)RT_BITMAP);
    HGLOBAL hData = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const BYTE* pData = hData ? (const BYTE*)::LockResource(hData) : nullptr;
    const DWORD cbData = hRes ? ::SizeofResource(hInst, hRes) : 0;
    if (!pData || cbData < sizeof(BITMAPINFOHEADER))
        return FALSE;
    const BITMAPINFOHEADER& src = *(const BITMAPINFOHEADER*)pData;
    if (src.biBitCount != 32 || src.biCompression != BI_RGB || src.biWidth <= 0 || src.biHeight <= 0)
        return FALSE;
    const DWORD cbPixels = (DWORD)src.biWidth * (DWORD)src.biHeight * 4;
    if (cbData < src.biSize + cbPixels)
        return FALSE;
    pbih->biWidth = src.biWidth;
    pbih->biHeight = src.biHeight;
    void* pBits = nullptr;
    if (!bmp.Attach(::CreateDIBSection(nullptr, (BITMAPINFO*)pbih, DIB_RGB_COLORS, &pBits, nullptr, 0)))
        return FALSE;
    memcpy(pBits, pData + src.biSize, cbPixels);
    return TRUE;
}

// ---------------------------------------------------------- layer window

BEGIN_MESSAGE_MAP(CWG_LayerWindow, CDialog)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_MOUSEACTIVATE()
    ON_WM_MOUSEMOVE()
    ON_WM_KILLFOCUS()
    ON_WM_CAPTURECHANGED()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CWG_LayerWindow::CWG_LayerWindow(CWnd* pParent)
    : m_pTemplate(nullptr), m_bih(WG32BitHeader()), m_blend(WGLayerBlend(255)), m_hWndInsertAfter(nullptr), m_nWidth(0), m_nHeight(0), m_pBits(nullptr),
      m_bFirstDraw(TRUE), m_bRecompose(TRUE), m_bResized(FALSE),
      m_pFont(CVRK_WG::GetStyleCenter().GetDefaultFont()), m_bCaptureDrag(FALSE), m_bDragging(FALSE),
      m_ptDragOffset{0, 0}, m_pPanel(nullptr), m_ptPos{0, 0}, m_bShown(FALSE), m_bFadeIn(TRUE),
      m_bTopMost(TRUE), m_bTrackSize(FALSE), m_bImagePushed(FALSE),
      m_nPushedAlpha(0)
{
    m_pTemplate = WGInitDialogTemplate(this, m_bufTemplate, 0xC0000000,
                                       CVRK_WG::GetStyleCenter().GetWGTipCalss()->lpszClassName, pParent);
}

CWG_LayerWindow::~CWG_LayerWindow()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

int CWG_LayerWindow::Create(CVRK_WGPANEL* pPanel, long nWidth, long nHeight)
{
    m_pPanel = pPanel;
    return Create((CWnd*)pPanel, nWidth, nHeight);
}

int CWG_LayerWindow::Create(CWnd* pParent, long nWidth, long nHeight)
{
    if (nWidth < 1 || nHeight < 1 || !m_pTemplate || m_hWnd)
        return 0;
    m_nWidth = nWidth;
    m_nHeight = nHeight;
    return CreateIndirect(m_pTemplate, pParent) ? 1 : 0;
}

int CWG_LayerWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, WS_CHILD);
    ModifyStyleEx(0, WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    return 0;
}

int CWG_LayerWindow::Load32BitmapInDLL(UINT nID)
{
    return WGLoad32Bitmap(m_bmpSkin, WGGetLibraryInstance(), nID, &m_bih) ? 1 : 0;
}

int CWG_LayerWindow::Load32Bitmap(UINT nID)
{
    return WGLoad32Bitmap(m_bmpSkin, ::GetModuleHandleA(nullptr), nID, &m_bih) ? 1 : 0;
}

void CWG_LayerWindow::DrawMe()
{
    if (!m_hWnd)
        return;
    HDC hdcWnd = ::GetDC(m_hWnd);
    if (!hdcWnd)
        return;
    if (m_bResized || m_bFirstDraw)
    {
        m_bih.biWidth = m_nWidth;
        m_bih.biHeight = m_nHeight;
        m_bmpLayer.DeleteObject();
        void* pBits = nullptr;
        if (m_nWidth > 0 && m_nHeight > 0)
            m_bmpLayer.Attach(::CreateDIBSection(nullptr, (BITMAPINFO*)&m_bih, DIB_RGB_COLORS, &pBits, nullptr, 0));
        m_pBits = m_bmpLayer.m_hObject ? (BYTE*)pBits : nullptr;
        m_bResized = FALSE;
        m_bRecompose = TRUE;   // a new image starts blank
        if (m_bFirstDraw)
        {
            m_dcLayer.CreateCompatibleDC(nullptr);
            m_dcLayer.SetBkMode(TRANSPARENT);
            m_dcSkin.CreateCompatibleDC(nullptr);
            m_bFirstDraw = FALSE;
        }
    }
    {
        CDCSelect selLayer(&m_dcLayer, &m_bmpLayer);
        if (m_bRecompose && m_pBits)
        {
            CDCSelect selSkin(&m_dcSkin, &m_bmpSkin);
            CDCSelect selFont(&m_dcLayer, m_pFont);
            CreateLayerDC(&m_dcLayer, &m_dcSkin, m_nWidth, m_nHeight);
            m_bRecompose = FALSE;
            m_bImagePushed = FALSE;
        }
        if (m_pBits)
        {
            ::GdiFlush();
            SIZE size = { m_nWidth, m_nHeight };
            POINT ptSrc = { 0, 0 };
            // An unchanged image stays with the window, so a move sends only
            // the position (a tenth of sending a 400 x 300 image under Wine).
            // A fade step sends the image again: Wine applies the constant
            // alpha to the image it is sent and ignores it without one.
            const BOOL bSendImage = !m_bImagePushed || m_nPushedAlpha != m_blend.SourceConstantAlpha;
            m_nPushedAlpha = m_blend.SourceConstantAlpha;
            m_bImagePushed = ::UpdateLayeredWindow(m_hWnd, hdcWnd, &m_ptPos, &size,
                                                   bSendImage ? m_dcLayer.m_hDC : nullptr, bSendImage ? &ptSrc : nullptr,
                                                   0, &m_blend, ULW_ALPHA);
        }
    }
    ::ReleaseDC(m_hWnd, hdcWnd);
}

void CWG_LayerWindow::CreateLayerDC(CDC*, CDC*, long, long) {}

void CWG_LayerWindow::PlaceWindow(UINT nFlags)
{
    const HWND hAfter = m_bTopMost ? HWND_TOPMOST : m_hWndInsertAfter;
    ::SetWindowPos(m_hWnd, hAfter, m_ptPos.x, m_ptPos.y, m_nWidth, m_nHeight, nFlags);
}

void CWG_LayerWindow::ShowAt(long x, long y, int bCapture)
{
    if (!m_bShown)
        m_bImagePushed = FALSE;   // a hidden window may have dropped its image
    m_ptPos.x = x;
    m_ptPos.y = y;
    m_bShown = TRUE;
    KillTimer(TIMER_FADE_OUT);
    if (m_bFadeIn)
    {
        SetTimer(TIMER_FADE_IN, FADE_PERIOD);
        m_blend.SourceConstantAlpha = FADE_IN_FROM;
    }
    else
    {
        // A window that faded out earlier comes back whole.
        m_blend.SourceConstantAlpha = 255;
    }
    PlaceWindow(SWP_NOACTIVATE | SWP_SHOWWINDOW);
    DrawMe();
    if (bCapture)
        SetCapture();
}

// Kept on the screen at the right and bottom only: a window may hang off
// the left and top edges.
static long KeepOnScreen(long v, long nSize, int nMetric)
{
    const long nScreen = ::GetSystemMetrics(nMetric);
    return v + nSize > nScreen ? nScreen - nSize : v;
}

void CWG_LayerWindow::Show(long x, long y, int bCapture)
{
    if (!m_hWnd)
        return;
    ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW));
    m_bDragging = FALSE;
    ShowAt(KeepOnScreen(x, m_nWidth, SM_CXSCREEN), KeepOnScreen(y, m_nHeight, SM_CYSCREEN), bCapture);
}

void CWG_LayerWindow::ShowByCenterPos(long x, long y, int bCapture)
{
    if (!m_hWnd)
        return;
    ::SetCursor(::LoadCursorA(nullptr, (LPCSTR)IDC_ARROW));
    m_bRecompose = TRUE;
    ShowAt(KeepOnScreen(x - m_nWidth / 2, m_nWidth, SM_CXSCREEN),
           KeepOnScreen(y - m_nHeight / 2, m_nHeight, SM_CYSCREEN), bCapture);
}

void CWG_LayerWindow::ShowByNewPos(long x, long y)
{
    if (!m_hWnd || !m_bShown)
        return;
    m_ptPos.x = x;
    m_ptPos.y = y;
    PlaceWindow(SWP_NOACTIVATE | SWP_SHOWWINDOW);
    DrawMe();
}

void CWG_LayerWindow::ShowByNewCenterPos(long x, long y)
{
    ShowByNewPos(x - m_nWidth / 2, y - m_nHeight / 2);
}

void CWG_LayerWindow::Hide()
{
    if (!m_hWnd || !m_bShown)
        return;
    m_bShown = FALSE;
    ::SetWindowPos(m_hWnd, m_hWndInsertAfter, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CWG_LayerWindow::HideByCartoon()
{
    if (m_hWnd)
        SetTimer(TIMER_FADE_OUT, FADE_PERIOD);
}

void CWG_LayerWindow::OnTimer(UINT_PTR nIDEvent)
{
    BYTE& alpha = m_blend.SourceConstantAlpha;
    if (nIDEvent == TIMER_FADE_IN)
    {
        alpha = (BYTE)std::min(255, alpha + FADE_STEP);
        DrawMe();
        if (alpha == 255)
            KillTimer(TIMER_FADE_IN);
    }
    else if (nIDEvent == TIMER_FADE_OUT)
    {
        alpha = (BYTE)std::max(0, alpha - FADE_STEP);
        DrawMe();
        if (alpha < FADE_STEP + 1)
        {
            Hide();
            KillTimer(TIMER_FADE_OUT);
        }
    }
    else
    {
        CDialog::OnTimer(nIDEvent);
    }
}

int CWG_LayerWindow::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

void CWG_LayerWindow::DragTo()
{
    POINT pt;
    ::GetCursorPos(&pt);
    m_ptPos.x = pt.x - m_ptDragOffset.x;
    m_ptPos.y = pt.y - m_ptDragOffset.y;
    ::SetWindowPos(m_hWnd, nullptr, m_ptPos.x, m_ptPos.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    DrawMe();
}

void CWG_LayerWindow::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging)
        DragTo();
    CDialog::OnMouseMove(nFlags, point);
}

void CWG_LayerWindow::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (point.x > 0 && point.x < m_nWidth && point.y > 0 && point.y < m_nHeight)
    {
        POINT pt;
        ::GetCursorPos(&pt);
        m_ptDragOffset.x = pt.x - m_ptPos.x;
        m_ptDragOffset.y = pt.y - m_ptPos.y;
        m_bDragging = TRUE;
        if (m_bCaptureDrag)
            SetCapture();
        return;
    }
    Hide();
    // The click was meant for what lies beneath: press again, now that this
    // window is out of the way and holds no capture.
    ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    (void)nFlags;
}

void CWG_LayerWindow::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging)
    {
        DragTo();
        if (m_bCaptureDrag && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        m_bDragging = FALSE;
    }
    CDialog::OnLButtonUp(nFlags, point);
}

void CWG_LayerWindow::OnRButtonDown(UINT, CPoint point)
{
    if (point.x >= 1 && point.x < m_nWidth && point.y >= 1 && point.y < m_nHeight)
        return;
    Hide();
    ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
}

void CWG_LayerWindow::OnKillFocus(CWnd* pNewWnd)
{
    Hide();
    CDialog::OnKillFocus(pNewWnd);
}

void CWG_LayerWindow::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd && pWnd->m_hWnd != m_hWnd && !m_bDragging)
        Hide();
    CDialog::OnCaptureChanged(pWnd);
}

void CWG_LayerWindow::OnSize(UINT nType, int cx, int cy)
{
    if (m_bTrackSize)
    {
        CRect rc;
        CWnd::GetWindowRect(&rc);
        if (rc.Width() != m_nWidth || rc.Height() != m_nHeight)
        {
            m_nWidth = rc.Width();
            m_nHeight = rc.Height();
            m_bRecompose = TRUE;
        }
        m_bResized = TRUE;
    }
    CDialog::OnSize(nType, cx, cy);
}

template <class F> void CWG_LayerWindow::ForArea(long x, long y, long nWidth, long nHeight, F f)
{
    if (!m_pBits)
        return;
    ::GdiFlush();
    const long x0 = std::max(0L, x), x1 = std::min(m_nWidth, x + nWidth);
    const long y0 = std::max(0L, y), y1 = std::min(m_nHeight, y + nHeight);
    for (long yy = y0; yy < y1; ++yy)
    {
        BYTE* pRow = m_pBits + (size_t)(m_nHeight - 1 - yy) * m_nWidth * 4;
        for (long xx = x0; xx < x1; ++xx)
            f(pRow + xx * 4);
    }
}

void CWG_LayerWindow::SetAreaAlpha(unsigned short nAlpha, long x, long y, long nWidth, long nHeight)
{
    ForArea(x, y, nWidth, nHeight, [nAlpha](BYTE* p) { p[3] = (BYTE)nAlpha; });
}

void CWG_LayerWindow::TextOut32(long x, long y, CString str)
{
    m_dcLayer.TextOut(x, y, str);
    const CSize size = m_dcLayer.GetTextExtent(str);
    // GDI text leaves alpha 0: text and the empty parts of its box turn opaque.
    ForArea(x, y, size.cx, size.cy, [](BYTE* p) { if (!p[3]) p[3] = 255; });
}

// Matches the pixel's colour as a colour (blue, green, red bytes against
// the COLORREF) and writes crTo the same way; alpha is left alone.
void CWG_LayerWindow::ReplaceColor(COLORREF crFrom, COLORREF crTo, long x, long y, long nWidth, long nHeight)
{
    ForArea(x, y, nWidth, nHeight, [crFrom, crTo](BYTE* p) {
        if (RGB(p[2], p[1], p[0]) == (crFrom & 0xFFFFFF))
            p[0] = GetBValue(crTo), p[1] = GetGValue(crTo), p[2] = GetRValue(crTo);
    });
}

// ---------------------------------------------------------------- shadow

namespace {

// Shadows follow their owners through one hook per thread, which sees each
// message after the owner's procedure has handled it; the owner's window
// procedure is left alone (the framework owns it).
struct ShadowFollowers
{
    DWORD nThread;
    HHOOK hHook;
    std::vector<CWG_Com_WindowShadow*> shadows;
};
std::vector<ShadowFollowers> s_followers;   // the user-interface threads only touch their own entry
SRWLOCK s_followersLock = SRWLOCK_INIT;

LRESULT CALLBACK FollowHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = nullptr;
    std::vector<CWG_Com_WindowShadow*> hit;
    const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lParam;
    AcquireSRWLockShared(&s_followersLock);
    for (auto& f : s_followers)
        if (f.nThread == ::GetCurrentThreadId())
        {
            hHook = f.hHook;
            if (nCode == HC_ACTION && (p->message == WM_WINDOWPOSCHANGED || p->message == WM_DESTROY))
                for (CWG_Com_WindowShadow* s : f.shadows)
                    if (s->OwnerHandle() == p->hwnd)
                        hit.push_back(s);
        }
    ReleaseSRWLockShared(&s_followersLock);
    for (CWG_Com_WindowShadow* s : hit)
    {
        // A shadow of an earlier call may have ended this one's following.
        bool bStill = false;
        AcquireSRWLockShared(&s_followersLock);
        for (auto& f : s_followers)
            bStill = bStill || std::find(f.shadows.begin(), f.shadows.end(), s) != f.shadows.end();
        ReleaseSRWLockShared(&s_followersLock);
        if (bStill)
            s->OnOwnerMessage(p->message == WM_DESTROY ? WM_DESTROY : WM_WINDOWPOSCHANGED);
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

void Follow(CWG_Com_WindowShadow* pShadow)
{
    AcquireSRWLockExclusive(&s_followersLock);
    const DWORD nThread = ::GetCurrentThreadId();
    auto it = std::find_if(s_followers.begin(), s_followers.end(),
                           [nThread](const ShadowFollowers& f) { return f.nThread == nThread; });
    if (it == s_followers.end())
    {
        HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, FollowHook, nullptr, nThread);
        if (hHook)
            s_followers.push_back({ nThread, hHook, { pShadow } });
    }
    else
    {
        it->shadows.push_back(pShadow);
    }
    ReleaseSRWLockExclusive(&s_followersLock);
}

void Unfollow(CWG_Com_WindowShadow* pShadow)
{
    HHOOK hUnhook = nullptr;
    AcquireSRWLockExclusive(&s_followersLock);
    for (auto it = s_followers.begin(); it != s_followers.end(); ++it)
    {
        auto& v = it->shadows;
        v.erase(std::remove(v.begin(), v.end(), pShadow), v.end());
        if (v.empty())
        {
            hUnhook = it->hHook;
            s_followers.erase(it);
            break;
        }
    }
    ReleaseSRWLockExclusive(&s_followersLock);
    if (hUnhook)
        ::UnhookWindowsHookEx(hUnhook);
}

} // namespace

BEGIN_MESSAGE_MAP(CWG_Com_WindowShadow, CWG_LayerWindow)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CWG_Com_WindowShadow::CWG_Com_WindowShadow(CWnd* pParent)
    : CWG_LayerWindow(pParent), m_pOwner(nullptr), m_hOwner(nullptr)
{
    Load32BitmapInDLL(SKIN);
    m_bFadeIn = FALSE;
    m_bTopMost = FALSE;
    m_bTrackSize = TRUE;
}

CWG_Com_WindowShadow::~CWG_Com_WindowShadow()
{
    Unfollow();
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

int CWG_Com_WindowShadow::Create(CWnd* pOwner, long nWidth, long nHeight)
{
    m_pOwner = pOwner;
    m_hOwner = pOwner ? pOwner->GetSafeHwnd() : nullptr;
    // Behind the owner, not on top of the windows.
    m_hWndInsertAfter = m_hOwner;
    if (!CWG_LayerWindow::Create(pOwner, nWidth + LEFT_TOP + RIGHT_BOTTOM, nHeight + LEFT_TOP + RIGHT_BOTTOM))
        return 0;
    if (m_hOwner)
        Follow(this);
    return 1;
}

void CWG_Com_WindowShadow::Unfollow()
{
    ::Unfollow(this);
}

void CWG_Com_WindowShadow::OnDestroy()
{
    // Owned by its owner, the shadow goes first when the owner is destroyed.
    Unfollow();
    m_pOwner = nullptr;
    CWG_LayerWindow::OnDestroy();
}

void CWG_Com_WindowShadow::OnOwnerMessage(UINT message)
{
    if (message == WM_DESTROY)
    {
        Unfollow();
        m_pOwner = nullptr;
        Hide();
        return;
    }
    if (::IsWindowVisible(m_hOwner) && !::IsIconic(m_hOwner))
        Show();
    else
        Hide();
}

void CWG_Com_WindowShadow::Show()
{
    if (!m_hWnd || !m_pOwner)
        return;
    CRect r;
    if (!::IsWindow(m_hOwner) || !::GetWindowRect(m_hOwner, &r))
    {
        Hide();
        return;
    }
    const long w = r.Width() + LEFT_TOP + RIGHT_BOTTOM, h = r.Height() + LEFT_TOP + RIGHT_BOTTOM;
    // Resized first (WM_SIZE re-makes the image); the place behind the owner
    // is taken by the move below, one window operation less per move.
    if (w != m_nWidth || h != m_nHeight)
        ::SetWindowPos(m_hWnd, m_hOwner, 0, 0, w, h, SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE);
    // Never pushed on screen: the shadow stays with its owner at any edge.
    if (m_hWnd)
        ShowAt(r.left - LEFT_TOP, r.top - LEFT_TOP, FALSE);
}

void CWG_Com_WindowShadow::CreateLayerDC(CDC* pDC, CDC* pSkinDC, long nWidth, long nHeight)
{
    CWGPixels32 dst, skin;
    dst.Attach((HBITMAP)::GetCurrentObject(pDC->m_hDC, OBJ_BITMAP));
    if (!dst.m_pBits)
        return;
    memset(dst.m_pBits, 0, (size_t)dst.m_nWidth * dst.m_nHeight * 4);
    if (!skin.Attach((HBITMAP)::GetCurrentObject(pSkinDC->m_hDC, OBJ_BITMAP)) || skin.m_nWidth < 17 ||
        skin.m_nHeight < 17)
        return;   // no skin: a clear image
    // Nine-patch: 8 x 8 corners, the edges stretched along the sides, the
    // interior clear.
    const long W = nWidth, H = nHeight;
    dst.Stretch(CRect(0, 0, 8, 8), skin, CRect(0, 0, 8, 8));
    dst.Stretch(CRect(W - 8, 0, W, 8), skin, CRect(9, 0, 17, 8));
    dst.Stretch(CRect(0, H - 8, 8, H), skin, CRect(0, 9, 8, 17));
    dst.Stretch(CRect(W - 8, H - 8, W, H), skin, CRect(9, 9, 17, 17));
    dst.Stretch(CRect(8, 0, W - 8, 3), skin, CRect(8, 0, 9, 3));
    dst.Stretch(CRect(8, H - 5, W - 8, H), skin, CRect(8, 12, 9, 17));
    dst.Stretch(CRect(0, 8, 3, H - 8), skin, CRect(0, 8, 3, 9));
    dst.Stretch(CRect(W - 5, 8, W, H - 8), skin, CRect(12, 8, 17, 9));
}

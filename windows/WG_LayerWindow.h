#pragma once
#include "wgdef.h"

// CWGPixels32: a view of the pixels of a 32-bit DIB section (blue, green, red,
// alpha), rows addressed top-down whichever way the DIB stores them. Construct
// it empty and Attach it to a DIB section's handle; it owns nothing.
struct WG_API CWGPixels32
{
    BYTE* m_pBits;
    long m_nWidth;
    long m_nHeight;
    BOOL m_bBottomUp;

    CWGPixels32() : m_pBits(nullptr), m_nWidth(0), m_nHeight(0), m_bBottomUp(TRUE) {}
    // FALSE (and an empty view) for anything but a 32-bit DIB section.
    BOOL Attach(HBITMAP hDIB);
    DWORD* Row(long y) const
    {
        return (DWORD*)m_pBits + (size_t)(m_bBottomUp ? m_nHeight - 1 - y : y) * m_nWidth;
    }
    // Copies rcSrc of src into rcDst, stretching by nearest pixel (the skins'
    // stretched pieces are one pixel wide or high), alpha included. Parts
    // outside either buffer are skipped.
    void Stretch(const CRect& rcDst, const CWGPixels32& src, const CRect& rcSrc) const;
};

// Header of a 32-bit uncompressed DIB, its size still 0 x 0.
inline BITMAPINFOHEADER WG32BitHeader()
{
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    bih.biCompression = BI_RGB;
    return bih;
}

// Per-pixel alpha faded by the constant alpha nAlpha.
inline BLENDFUNCTION WGLayerBlend(BYTE nAlpha) { return { AC_SRC_OVER, 0, nAlpha, AC_SRC_ALPHA }; }

// Loads the 32-bit bitmap resource nID of module hInst into bmp as a
// bottom-up DIB section, pixels as stored (no colour table, no conversion);
// the header used is left in *pbih. FALSE, bmp empty, when the module has no
// such 32-bit bitmap or its data is short.
WG_API BOOL WGLoad32Bitmap(CBitmap& bmp, HINSTANCE hInst, UINT nID, BITMAPINFOHEADER* pbih);

// CWG_LayerWindow: a borderless, never-activating top-level window whose whole
// look is a 32-bit premultiplied image shown with UpdateLayeredWindow.
// Construct it, Create it with a panel or a parent window and a size, then Show
// (at a point, or centred); it fades in and out on timers 4414 and 4425, can be
// dragged by any point and hides when the user clicks outside it, passing the
// click on to the window beneath. It sends no notifications. Subclasses compose
// the image in CreateLayerDC; moves and fades push the existing image again and
// never compose it.
//
// Refusals (where the behaviour is otherwise unwritten):
// - Create with a width or height below 1 creates no window and returns 0.
// - A missing skin leaves the skin empty; the window composes without it
//   (the shadow is then fully transparent).
// - A shadow whose owner window has gone shows nothing: Show hides it.
class WG_API CWG_LayerWindow : public CDialog
{
public:
    enum
    {
        TIMER_FADE_IN = 4414,
        TIMER_FADE_OUT = 4425,
        FADE_PERIOD = 50,        // ms
        FADE_STEP = 16,
        FADE_IN_FROM = 32,
    };

    // ---- data, in declared order
    // style 0xC0000000, tip class, made by the constructor; owned by
    // m_bufTemplate
    DLGTEMPLATE* m_pTemplate;
    BITMAPINFOHEADER m_bih;      // header of every 32-bit DIB of the window
    BLENDFUNCTION m_blend;       // constant alpha = fade level; initially opaque (255)
    HWND m_hWndInsertAfter;      // z-order place when not topmost (null: top); initially null
    long m_nWidth;                      // initially 0
    long m_nHeight;                     // initially 0
    CDC m_dcSkin;                // the skin is selected here while composing
    CDC m_dcLayer;               // holds the window image
    CBitmap m_bmpSkin;
    CBitmap m_bmpLayer;          // bottom-up 32-bit DIB, m_nWidth x m_nHeight
    BYTE* m_pBits;               // its pixels; initially null
    BOOL m_bFirstDraw;           // memory DCs not made yet; initially TRUE
    BOOL m_bRecompose;           // CreateLayerDC runs at the next DrawMe; initially TRUE
    BOOL m_bResized;             // the image DIB is re-made at the next DrawMe; initially FALSE
    CFont* m_pFont;              // not owned
    BOOL m_bCaptureDrag;                // initially FALSE
    BOOL m_bDragging;                   // initially FALSE
    POINT m_ptDragOffset;        // cursor minus window position at drag start
    CVRK_WGPANEL* m_pPanel;      // not owned, for subclasses
    POINT m_ptPos;               // screen position
    BOOL m_bShown;
    BOOL m_bFadeIn;
    BOOL m_bTopMost;
    BOOL m_bTrackSize;           // WM_SIZE adopts the new window size

    explicit CWG_LayerWindow(CWnd* pParent = nullptr);
    virtual ~CWG_LayerWindow();

    // ---- overridables, in slot order
    virtual int Create(CVRK_WGPANEL* pPanel, long nWidth, long nHeight);
    virtual int Create(CWnd* pParent, long nWidth, long nHeight);
    virtual void DrawMe();
    // Composes the image into pDC (the image DIB selected, the font too);
    // pSkinDC has m_bmpSkin selected. Draws nothing here.
    virtual void CreateLayerDC(CDC* pDC, CDC* pSkinDC, long nWidth, long nHeight);
    virtual void Show(long x, long y, int bCapture);
    virtual void ShowByCenterPos(long x, long y, int bCapture);
    virtual void ShowByNewPos(long x, long y);
    virtual void ShowByNewCenterPos(long x, long y);
    virtual void Hide();
    virtual void HideByCartoon();

    // ---- attributes
    int GetInDir() const { return m_bShown; }
    using CWnd::GetWindowRect;
    CRect GetWindowRect() const { return CRect(m_ptPos.x, m_ptPos.y, m_ptPos.x + m_nWidth, m_ptPos.y + m_nHeight); }

protected:
    int Load32BitmapInDLL(UINT nID);
    int Load32Bitmap(UINT nID);
    // Pixel operations for CreateLayerDC; rectangles in top-down window
    // coordinates.
    void TextOut32(long x, long y, CString str);
    void SetAreaAlpha(unsigned short nAlpha, long x, long y, long nWidth, long nHeight);
    void ReplaceColor(COLORREF crFrom, COLORREF crTo, long x, long y, long nWidth, long nHeight);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnTimer(UINT_PTR nIDEvent);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnKillFocus(CWnd* pNewWnd);
    void OnCaptureChanged(CWnd* pWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // Shows at exactly (x, y): Show without the cursor, the drag state and
    // the screen clamp.
    void ShowAt(long x, long y, int bCapture);

private:
    void PlaceWindow(UINT nFlags);
    void DragTo();
    // Calls f(pixel) for every pixel of the rectangle inside the image.
    template <class F> void ForArea(long x, long y, long nWidth, long nHeight, F f);
    CDlgTemplateBuffer m_bufTemplate;
    // The window holds the current image at this constant alpha: a move
    // need not send it again.
    BOOL m_bImagePushed;
    BYTE m_nPushedAlpha;

    CWG_LayerWindow(const CWG_LayerWindow&) = delete;
    CWG_LayerWindow& operator=(const CWG_LayerWindow&) = delete;
};

// CWG_Com_WindowShadow: a soft drop shadow around another window, drawn from
// the 17 x 17 nine-patch of skin 3013 and kept behind its owner. Construct it
// and Create it with the owner window and the owner's size; it then follows its
// owner (moves, sizes, minimise and restore, show and hide) until either window
// goes. Sends no notifications. Defaults that differ from CWG_LayerWindow's:
// m_bFadeIn and m_bTopMost FALSE, m_bTrackSize TRUE.
class WG_API CWG_Com_WindowShadow : public CWG_LayerWindow
{
public:
    enum { SKIN = 3013, LEFT_TOP = 3, RIGHT_BOTTOM = 5 };   // overhang per side

    CWnd* m_pOwner;   // casts the shadow; not owned; initially null

    explicit CWG_Com_WindowShadow(CWnd* pParent = nullptr);
    virtual ~CWG_Com_WindowShadow();

    // The shadow follows its owner by itself (moves, sizes, minimise and
    // restore, show and hide) until either window goes.
    virtual int Create(CWnd* pOwner, long nWidth, long nHeight);
    virtual void CreateLayerDC(CDC* pDC, CDC* pSkinDC, long nWidth, long nHeight);
    using CWG_LayerWindow::Show;
    // Fits the shadow around its owner, behind it, and shows it.
    void Show();

    // The owner moved, sized, showed or hid (WM_WINDOWPOSCHANGED), or is
    // being destroyed (WM_DESTROY).
    void OnOwnerMessage(UINT message);
    HWND OwnerHandle() const { return m_hOwner; }

protected:
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void Unfollow();
    HWND m_hOwner;    // the owner as created: m_pOwner may die before it; initially null

    CWG_Com_WindowShadow(const CWG_Com_WindowShadow&) = delete;
    CWG_Com_WindowShadow& operator=(const CWG_Com_WindowShadow&) = delete;
};

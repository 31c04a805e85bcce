// GDI wrappers: a handle plus the calls on it. An object that made or
// attached a handle owns it and frees it in its destructor (a CDC deletes an
// attached DC; CClientDC, CWindowDC and CPaintDC give theirs back their own
// way). Owned handles are in a process-wide permanent map, so FromHandle
// answers the owning object; for a handle nobody owns it makes a temporary
// wrapper of this thread, which never frees anything and lives until
// AfxDeleteTempMaps (the application's idle time).
//
// The framework counts the GDI objects and DCs it owns, because Wine's
// GetGuiResources always answers 0: AfxGetLiveGdiObjectCount and
// AfxGetLiveDCCount let tests see leaks. The counts follow the real handles:
// a handle that DeleteObject could not free at once (the system refused, or
// it is still selected into a DC) stays counted until the system frees it.
#pragma once
#include "afxobj.h"
#include "afxtypes.h"
#include "afxstr.h"

AFX_FW_API LONG AfxGetLiveGdiObjectCount();
AFX_FW_API LONG AfxGetLiveDCCount();
// Frees this thread's temporary wrappers (called by the message pump at idle).
AFX_FW_API void AfxDeleteTempMaps();

// CGdiObject: the base of the GDI object wrappers, a handle (m_hObject) plus
// the calls on it. An object that made or attached its handle owns it and
// deletes it in its destructor; FromHandle answers the owning object or a
// temporary wrapper. Construct a derived wrapper empty and make its handle with
// one of its Create operations, or Attach one.
class AFX_FW_API CGdiObject : public CObject
{
    DECLARE_DYNAMIC(CGdiObject)
public:
    HGDIOBJ m_hObject;

    CGdiObject() : m_hObject(nullptr), m_bTemp(FALSE) {}
    virtual ~CGdiObject();

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Null-tolerant handle of an optional object.
    static HGDIOBJ SafeHandle(const CGdiObject* p) { return p ? p->m_hObject : nullptr; }

    // The owning object of the handle, else this thread's temporary wrapper.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    // Takes ownership of a handle. Refused (FALSE) for a null handle or when
    // the object already owns one, so a handle is never silently dropped.
    BOOL Attach(HGDIOBJ hObject);
    // Gives up ownership without freeing the handle.
    HGDIOBJ Detach();
    // Deletes the owned handle and lets go of it, as MFC does, even when the
    // system refuses; such a handle stays in the live count (a leak).
    // FALSE when there is none or the system refused.
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);

protected:
    friend struct AfxTempMaps;
    BOOL m_bTemp;   // temporary wrapper: never owns its handle
    // Makes a handle only when this object can own it, so a refused Create
    // creates nothing.
    template <class Make> BOOL CreateOwned(Make make) { return !m_hObject && !m_bTemp && Attach(make()); }
    HGDIOBJ Unmap();
};

// CPen: a GDI pen wrapper. Construct it empty and CreatePen (style, width,
// colour), or construct it with those directly; it deletes its pen when it
// dies.
class AFX_FW_API CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen() {}
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    static CPen* FromHandle(HPEN hPen) { return (CPen*)CGdiObject::FromHandle(hPen); }
    operator HPEN() const { return (HPEN)GetSafeHandle(); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};

// CBrush: a GDI brush wrapper. Construct it empty and CreateSolidBrush (or
// another Create), or construct it with a colour; it deletes its brush when it
// dies.
class AFX_FW_API CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() {}
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    static CBrush* FromHandle(HBRUSH hBrush) { return (CBrush*)CGdiObject::FromHandle(hBrush); }
    operator HBRUSH() const { return (HBRUSH)GetSafeHandle(); }
    BOOL CreateSolidBrush(COLORREF crColor);
};

// CFont: a GDI font wrapper. Construct it empty and CreateFont or
// CreateFontIndirect (the library's default font comes from the style center);
// it deletes its font when it dies.
class AFX_FW_API CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    static CFont* FromHandle(HFONT hFont) { return (CFont*)CGdiObject::FromHandle(hFont); }
    operator HFONT() const { return (HFONT)GetSafeHandle(); }
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                    BYTE nPitchAndFamily, LPCSTR lpszFacename);
    int GetLogFont(LOGFONTA* pLogFont) const { return GetObject(sizeof(LOGFONTA), pLogFont); }
};

class CDC;

// CBitmap: a GDI bitmap wrapper for back buffers and skins. Construct it empty,
// then CreateCompatibleBitmap, CreateBitmap or LoadBitmap (the library's skins
// are found through the resource chain); it deletes its bitmap when it dies.
class AFX_FW_API CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP hBitmap) { return (CBitmap*)CGdiObject::FromHandle(hBitmap); }
    operator HBITMAP() const { return (HBITMAP)GetSafeHandle(); }
    BOOL LoadBitmap(UINT nIDResource);          // searched along the resource chain
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
    CSize GetSize() const;
};

// CRgn: a GDI region wrapper, used for the rounded window corners. Construct it
// empty, then CreateRectRgn, CreateRoundRectRgn or combine regions; it deletes
// its region when it dies.
class AFX_FW_API CRgn : public CGdiObject
{
    DECLARE_DYNAMIC(CRgn)
public:
    static CRgn* FromHandle(HRGN hRgn) { return (CRgn*)CGdiObject::FromHandle(hRgn); }
    operator HRGN() const { return (HRGN)GetSafeHandle(); }
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode);
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion((HRGN)m_hObject, x, y); }
};

class CWnd;

// CDC: a device-context wrapper, m_hDC plus the drawing calls on it. Construct
// it empty and CreateCompatibleDC for a memory DC (deleted with the object), or
// Attach a DC; CClientDC, CWindowDC and CPaintDC get and give back window DCs.
// SelectObject returns the displaced object as a temporary wrapper; CDCSelect
// restores by handle instead.
class AFX_FW_API CDC : public CObject
{
    DECLARE_DYNAMIC(CDC)
public:
    HDC m_hDC;
    HDC m_hAttribDC;

    CDC() : m_hDC(nullptr), m_hAttribDC(nullptr), m_bTemp(FALSE) {}
    // Deletes an attached DC (DeleteDC); window DCs detach theirs first.
    virtual ~CDC();

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    static HDC SafeHdc(const CDC* p) { return p ? p->m_hDC : nullptr; }
    // The object the DC is attached to, else this thread's temporary wrapper.
    static CDC* FromHandle(HDC hDC);

    // ---- creation
    BOOL CreateCompatibleDC(CDC* pDC);     // pDC null: compatible with the screen
    BOOL DeleteDC();
    // Takes ownership: the destructor deletes the DC unless it is detached.
    BOOL Attach(HDC hDC);
    HDC Detach();

    // ---- selection (each returns the displaced object as a temporary wrapper)
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);
    int SelectClipRgn(CRgn* pRgn);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

    // ---- attributes
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    COLORREF SetBkColor(COLORREF cr) { return ::SetBkColor(m_hDC, cr); }
    COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    int SetStretchBltMode(int nMode) { return ::SetStretchBltMode(m_hDC, nMode); }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    CPoint SetViewportOrg(int x, int y);
    CPoint SetBrushOrg(int x, int y);

    // ---- drawing
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FillRect(LPCRECT lpRect, CBrush* pBrush) { ::FillRect(m_hDC, lpRect, (HBRUSH)CGdiObject::SafeHandle(pBrush)); }
    void FrameRect(LPCRECT lpRect, CBrush* pBrush) { ::FrameRect(m_hDC, lpRect, (HBRUSH)CGdiObject::SafeHandle(pBrush)); }
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT pt) { return MoveTo(pt.x, pt.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT pt) { return LineTo(pt.x, pt.y); }
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
    BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
    BOOL Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
    BOOL Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) { return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3); }
    BOOL Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
    BOOL Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF GetPixel(POINT pt) const { return ::GetPixel(m_hDC, pt.x, pt.y); }
    COLORREF SetPixel(int x, int y, COLORREF cr) { return ::SetPixel(m_hDC, x, y, cr); }

    // ---- text (byte strings in the system code page)
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) { return DrawText(str, str.GetLength(), lpRect, nFormat); }
    CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const { return ::GetTextMetricsA(m_hDC, lpMetrics); }

    // ---- block transfers
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);
    BOOL TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC,
                        int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, UINT clrTransparent);
    BOOL AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC,
                    int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend);

    CGdiObject* GetCurrentObject(UINT uObjectType) const;

protected:
    friend struct AfxTempMaps;
    BOOL m_bTemp;   // temporary wrapper from FromHandle
    HDC Unmap();
};

// Selects a GDI object into a DC for one scope and puts the displaced object
// back, by handle, when the scope ends. Keeps no wrapper of the displaced
// object, so it is safe whatever frees temporary wrappers meanwhile. A null
// DC or object, or one already selected, selects and restores nothing.
class AFX_FW_API CDCSelect
{
public:
    CDCSelect(CDC* pDC, const CGdiObject* pObject)
        : m_hDC(CDC::SafeHdc(pDC)), m_hOld(Select(m_hDC, CGdiObject::SafeHandle(pObject))) {}
    CDCSelect(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(Select(hDC, hObject)) {}
    ~CDCSelect()
    {
        if (m_hDC && m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }
    HGDIOBJ GetOld() const { return m_hOld; }

private:
    // An object that is selected already stays, and nothing is restored:
    // under Wine each selection of a bitmap costs several microseconds, and
    // back buffers stay selected between paints.
    static HGDIOBJ Select(HDC hDC, HGDIOBJ h)
    {
        if (!hDC || !h || ::GetCurrentObject(hDC, ::GetObjectType(h)) == h)
            return nullptr;
        return ::SelectObject(hDC, h);
    }
    HDC m_hDC;
    HGDIOBJ m_hOld;
    CDCSelect(const CDCSelect&) = delete;
    CDCSelect& operator=(const CDCSelect&) = delete;
};

// CClientDC: the DC of a window's client area, got with GetDC when constructed
// with the window and given back with ReleaseDC when it dies. Construct it on
// the stack.
class AFX_FW_API CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    virtual ~CClientDC();
protected:
    HWND m_hWnd;                        // the constructor's pWnd's window (null without pWnd)
};

// CWindowDC: the DC of a whole window, frame included, got with GetWindowDC
// when constructed with the window and given back with ReleaseDC when it dies.
// Construct it on the stack.
class AFX_FW_API CWindowDC : public CDC
{
public:
    explicit CWindowDC(CWnd* pWnd);
    virtual ~CWindowDC();
protected:
    HWND m_hWnd;                        // the constructor's pWnd's window (null without pWnd)
};

// CPaintDC: the DC of a WM_PAINT handler: constructed with the window, it calls
// BeginPaint (m_ps holds the paint structure), and EndPaint when it dies.
// Construct it on the stack in OnPaint.
class AFX_FW_API CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();
    PAINTSTRUCT m_ps;
protected:
    HWND m_hWnd;                        // the constructor's pWnd's window (null without pWnd)
};

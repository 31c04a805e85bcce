#include "afxgdi.h"
#include "afxwnd.h"
#include "afxmodule.h"
#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

volatile LONG g_nLiveGdiObjects = 0;
volatile LONG g_nLiveDCs = 0;

// Owned handles, process-wide as MFC's permanent maps are: a worker thread
// that paints finds the same owning objects as the user-interface thread.
template <class H, class T>
class PermanentMap
{
public:
    void Add(H h, T* p) { Lock(true); m_map[h] = p; Unlock(true); }
    void Remove(H h, const T* p)
    {
        Lock(true);
        auto it = m_map.find(h);
        if (it != m_map.end() && it->second == p)
            m_map.erase(it);
        Unlock(true);
    }
    T* Find(H h)
    {
        Lock(false);
        auto it = m_map.find(h);
        T* p = it == m_map.end() ? nullptr : it->second;
        Unlock(false);
        return p;
    }

private:
    void Lock(bool bWrite) { bWrite ? AcquireSRWLockExclusive(&m_lock) : AcquireSRWLockShared(&m_lock); }
    void Unlock(bool bWrite) { bWrite ? ReleaseSRWLockExclusive(&m_lock) : ReleaseSRWLockShared(&m_lock); }
    SRWLOCK m_lock = SRWLOCK_INIT;
    std::unordered_map<H, T*> m_map;
};

// Never destroyed: owning objects with static storage may die after it.
PermanentMap<HGDIOBJ, CGdiObject>& GdiMap() { static auto* p = new PermanentMap<HGDIOBJ, CGdiObject>; return *p; }
PermanentMap<HDC, CDC>& DcMap() { static auto* p = new PermanentMap<HDC, CDC>; return *p; }

// Handles that DeleteObject gave up on while the system kept them (refused,
// or deferred because a DC still holds them). They count as live until the
// system frees them; a stale handle value answers 0 to GetObjectType.
SRWLOCK g_orphanLock = SRWLOCK_INIT;
std::vector<HGDIOBJ>& Orphans() { static auto* p = new std::vector<HGDIOBJ>; return *p; }

LONG CountOrphans(HGDIOBJ hNew)
{
    AcquireSRWLockExclusive(&g_orphanLock);
    std::vector<HGDIOBJ>& v = Orphans();
    if (hNew)
        v.push_back(hNew);
    v.erase(std::remove_if(v.begin(), v.end(), [](HGDIOBJ h) { return ::GetObjectType(h) == 0; }), v.end());
    LONG n = (LONG)v.size();
    ReleaseSRWLockExclusive(&g_orphanLock);
    return n;
}

BOOL IsStockObject(HGDIOBJ h)
{
    for (int i = WHITE_BRUSH; i <= DC_PEN; ++i)
        if (::GetStockObject(i) == h)
            return TRUE;
    return FALSE;
}

} // namespace

LONG AfxGetLiveGdiObjectCount() { return g_nLiveGdiObjects + CountOrphans(nullptr); }
LONG AfxGetLiveDCCount() { return g_nLiveDCs; }

// Temporary wrappers are per thread, like MFC's: a worker thread that paints
// gets its own and never frees the user-interface thread's.
struct AfxTempMaps
{
    std::unordered_map<HGDIOBJ, CGdiObject*> gdi;
    std::unordered_map<HDC, CDC*> dc;

    static AfxTempMaps& Get()
    {
        static thread_local AfxTempMaps* s_pMaps = nullptr;
        if (!s_pMaps)
            s_pMaps = new AfxTempMaps;
        return *s_pMaps;
    }

    static CGdiObject* NewWrapper(HGDIOBJ h)
    {
        switch (::GetObjectType(h))
        {
        case OBJ_PEN: case OBJ_EXTPEN: return new CPen;
        case OBJ_BRUSH: return new CBrush;
        case OBJ_FONT: return new CFont;
        case OBJ_BITMAP: return new CBitmap;
        case OBJ_REGION: return new CRgn;
        default: return new CGdiObject;
        }
    }

    CGdiObject* Gdi(HGDIOBJ h)
    {
        auto it = gdi.find(h);
        if (it != gdi.end())
            return it->second;
        CGdiObject* p = NewWrapper(h);
        p->m_hObject = h;
        p->m_bTemp = TRUE;
        gdi.emplace(h, p);
        return p;
    }

    CDC* Dc(HDC h)
    {
        auto it = dc.find(h);
        if (it != dc.end())
            return it->second;
        CDC* p = new CDC;
        p->m_hDC = p->m_hAttribDC = h;
        p->m_bTemp = TRUE;
        dc.emplace(h, p);
        return p;
    }

    void Clear()
    {
        for (auto& e : gdi) { e.second->m_hObject = nullptr; delete e.second; }
        for (auto& e : dc) { e.second->m_hDC = e.second->m_hAttribDC = nullptr; delete e.second; }
        gdi.clear();
        dc.clear();
    }
};

void AfxDeleteTempMaps()
{
    AfxTempMaps::Get().Clear();
    CWnd::DeleteTempMap();
}

// ---- CGdiObject ----------------------------------------------------------

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CDC, CObject)

CGdiObject::~CGdiObject()
{
    if (!m_bTemp)
        DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (!hObject)
        return nullptr;
    CGdiObject* p = GdiMap().Find(hObject);
    return p ? p : AfxTempMaps::Get().Gdi(hObject);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!hObject || m_hObject || m_bTemp)
        return FALSE;
    m_hObject = hObject;
    GdiMap().Add(hObject, this);
    InterlockedIncrement(&g_nLiveGdiObjects);
    return TRUE;
}

HGDIOBJ CGdiObject::Unmap()
{
    HGDIOBJ h = m_hObject;
    if (h && !m_bTemp)
        GdiMap().Remove(h, this);
    m_hObject = nullptr;
    return h;
}

HGDIOBJ CGdiObject::Detach()
{
    if (m_hObject && !m_bTemp)
        InterlockedDecrement(&g_nLiveGdiObjects);
    return Unmap();
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject || m_bTemp)
        return FALSE;
    HGDIOBJ h = Unmap();
    BOOL bOk = ::DeleteObject(h);
    // Still there (refused, or deferred while a DC holds it): counted until
    // the system frees it. Stock objects are never freed and never leak.
    if (::GetObjectType(h) != 0 && !IsStockObject(h))
        CountOrphans(h);
    InterlockedDecrement(&g_nLiveGdiObjects);
    return bOk;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return m_hObject ? ::GetObjectA(m_hObject, nCount, lpObject) : 0;
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject ? ::GetObjectType(m_hObject) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return CreateOwned([=] { return ::GetStockObject(nIndex); });
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return CreateOwned([=] { return ::CreatePen(nPenStyle, nWidth, crColor); });
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return CreateOwned([=] { return ::CreateSolidBrush(crColor); });
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    return lpLogFont && CreateOwned([=] { return ::CreateFontIndirectA(lpLogFont); });
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    return CreateOwned([=] {
        return ::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                             cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                             nPitchAndFamily, lpszFacename);
    });
}

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    return CreateOwned([=] {
        return ::LoadBitmapA(AfxFindResourceHandle(lpszResourceName, RT_BITMAP), lpszResourceName);
    });
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return CreateOwned([=] {
        HDC hDC = CDC::SafeHdc(pDC);
        HDC hScreen = hDC ? nullptr : ::GetDC(nullptr);
        HBITMAP h = ::CreateCompatibleBitmap(hDC ? hDC : hScreen, nWidth, nHeight);
        if (hScreen)
            ::ReleaseDC(nullptr, hScreen);
        return h;
    });
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return CreateOwned([=] { return ::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits); });
}

CSize CBitmap::GetSize() const
{
    BITMAP bm = {};
    if (!GetBitmap(&bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return CreateOwned([=] { return ::CreateRectRgn(x1, y1, x2, y2); });
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return lpRect && CreateOwned([=] { return ::CreateRectRgnIndirect(lpRect); });
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return CreateOwned([=] { return ::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3); });
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return CreateOwned([=] { return ::CreateEllipticRgn(x1, y1, x2, y2); });
}

int CRgn::CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
{
    return ::CombineRgn((HRGN)m_hObject, (HRGN)SafeHandle(pRgn1), (HRGN)SafeHandle(pRgn2), nCombineMode);
}

// ---- CDC -----------------------------------------------------------------

CDC::~CDC()
{
    if (!m_bTemp)
        DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    if (!hDC)
        return nullptr;
    CDC* p = DcMap().Find(hDC);
    return p ? p : AfxTempMaps::Get().Dc(hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC || m_bTemp)
        return FALSE;
    return Attach(::CreateCompatibleDC(SafeHdc(pDC)));
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC || m_hDC || m_bTemp)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    DcMap().Add(hDC, this);
    InterlockedIncrement(&g_nLiveDCs);
    return TRUE;
}

HDC CDC::Unmap()
{
    HDC h = m_hDC;
    if (h && !m_bTemp)
        DcMap().Remove(h, this);
    m_hDC = m_hAttribDC = nullptr;
    return h;
}

HDC CDC::Detach()
{
    if (m_hDC && !m_bTemp)
        InterlockedDecrement(&g_nLiveDCs);
    return Unmap();
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC || m_bTemp)
        return FALSE;
    // A DC the system refused to delete stays counted: it still exists.
    BOOL bOk = ::DeleteDC(Unmap());
    if (bOk)
        InterlockedDecrement(&g_nLiveDCs);
    return bOk;
}

static CGdiObject* SelectHandle(HDC hDC, HGDIOBJ h)
{
    if (!hDC || !h)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

CPen* CDC::SelectObject(CPen* p) { return (CPen*)SelectHandle(m_hDC, CGdiObject::SafeHandle(p)); }
CBrush* CDC::SelectObject(CBrush* p) { return (CBrush*)SelectHandle(m_hDC, CGdiObject::SafeHandle(p)); }
CFont* CDC::SelectObject(CFont* p) { return (CFont*)SelectHandle(m_hDC, CGdiObject::SafeHandle(p)); }
CBitmap* CDC::SelectObject(CBitmap* p) { return (CBitmap*)SelectHandle(m_hDC, CGdiObject::SafeHandle(p)); }
CGdiObject* CDC::SelectObject(CGdiObject* p) { return SelectHandle(m_hDC, CGdiObject::SafeHandle(p)); }

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return SelectHandle(m_hDC, ::GetStockObject(nIndex));
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    return ::SelectClipRgn(m_hDC, (HRGN)CGdiObject::SafeHandle(pRgn));
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {};
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT pt = {};
    ::SetBrushOrgEx(m_hDC, x, y, &pt);
    return pt;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (!lpRect)
        return;
    // As MFC does: an opaque empty text run fills fastest and leaves the
    // background colour set to clr.
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rc = { x, y, x + cx, y + cy };
    FillSolidRect(&rc, clr);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    int x = r->left, y = r->top, cx = r->right - r->left, cy = r->bottom - r->top;
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {};
    ::MoveToEx(m_hDC, x, y, &pt);
    return pt;
}

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    if (!lpszString || nCount <= 0)
        return nCount == 0;
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (!lpszString || !lpRect)
        return 0;
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE sz = { 0, 0 };
    if (lpszString && nCount > 0)
        ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &sz);
    else
    {
        // An empty string still has the font's height, as the system answers.
        ::GetTextExtentPoint32A(m_hDC, "", 0, &sz);
    }
    return sz;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, SafeHdc(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, SafeHdc(pSrcDC), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}

BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC,
                         int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, UINT clrTransparent)
{
    if (!pSrcDC || nDestWidth <= 0 || nDestHeight <= 0 || nSrcWidth <= 0 || nSrcHeight <= 0)
        return FALSE;
    return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->m_hDC, xSrc, ySrc,
                            nSrcWidth, nSrcHeight, clrTransparent);
}

BOOL CDC::AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC,
                     int xSrc, int ySrc, int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend)
{
    if (!pSrcDC || nDestWidth <= 0 || nDestHeight <= 0 || nSrcWidth <= 0 || nSrcHeight <= 0)
        return FALSE;
    return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->m_hDC, xSrc, ySrc,
                        nSrcWidth, nSrcHeight, blend);
}

CGdiObject* CDC::GetCurrentObject(UINT uObjectType) const
{
    return CGdiObject::FromHandle(::GetCurrentObject(m_hDC, uObjectType));
}

// ---- window DCs ------------------------------------------------------------
// Attached like any DC (counted, found by FromHandle), and given back to the
// window, not deleted.

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    ZeroMemory(&m_ps, sizeof(m_ps));
    Attach(m_hWnd ? ::BeginPaint(m_hWnd, &m_ps) : nullptr);
}

CPaintDC::~CPaintDC()
{
    if (m_hDC)
    {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}

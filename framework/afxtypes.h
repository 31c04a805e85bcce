// afxtypes.h - CSize, CPoint and CRect (header-only), MFC semantics.
//
// The classes derive from the Win32 structs and add no data, so a CRect*
// is a RECT* and TopLeft()/BottomRight() alias the rectangle's corners.
// The rectangle operations follow user32 exactly (IsRectEmpty, PtInRect,
// IntersectRect, UnionRect, SubtractRect), but are computed inline.
// Differences from MFC 4.2, all for safety:
//  * default constructors zero the object (MFC 4.2 left it uninitialized);
//  * a NULL LPCRECT argument reads as an empty rectangle (0,0,0,0);
//    CopyRect(NULL) leaves the rectangle unchanged.
#pragma once

#include <windows.h>

class CSize;
class CPoint;
class CRect;

namespace AfxTypesDetail
{
    inline RECT SafeRect(LPCRECT lpRect)
    {
        RECT rc = { 0, 0, 0, 0 };
        return lpRect != nullptr ? *lpRect : rc;
    }
    inline bool IsEmpty(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }
    inline LONG Min(LONG a, LONG b) { return a < b ? a : b; }   // windows.h min/max may be off (NOMINMAX)
    inline LONG Max(LONG a, LONG b) { return a > b ? a : b; }
}

/////////////////////////////////////////////////////////////////////////////
// CSize - an extent or a relative position

class CSize : public tagSIZE
{
public:
    CSize() { cx = cy = 0; }
    CSize(int initCX, int initCY) { cx = initCX; cy = initCY; }
    CSize(SIZE initSize) { cx = initSize.cx; cy = initSize.cy; }
    CSize(POINT initPt) { cx = initPt.x; cy = initPt.y; }
    // Low word = cx, high word = cy, both signed 16-bit (e.g. GetTextExtent).
    CSize(DWORD dwSize) { cx = static_cast<short>(LOWORD(dwSize)); cy = static_cast<short>(HIWORD(dwSize)); }

    BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const { return !(*this == size); }
    void operator+=(SIZE size) { cx += size.cx; cy += size.cy; }
    void operator-=(SIZE size) { cx -= size.cx; cy -= size.cy; }

    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    inline CPoint operator+(POINT point) const;
    inline CPoint operator-(POINT point) const;
    inline CRect operator+(const RECT* lpRect) const;
    inline CRect operator-(const RECT* lpRect) const;
};

/////////////////////////////////////////////////////////////////////////////
// CPoint - a position

class CPoint : public tagPOINT
{
public:
    CPoint() { x = y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
    CPoint(POINT initPt) { x = initPt.x; y = initPt.y; }
    CPoint(SIZE initSize) { x = initSize.cx; y = initSize.cy; }
    // Mouse-message lParam / GetMessagePos(): signed 16-bit x (low) and y
    // (high), so positions left of or above a window come out negative.
    CPoint(LPARAM dwPoint)
    {
        x = static_cast<short>(LOWORD(dwPoint));
        y = static_cast<short>(HIWORD(dwPoint));
    }

    void Offset(int xOffset, int yOffset) { x += xOffset; y += yOffset; }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }

    BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const { return !(*this == point); }
    void operator+=(SIZE size) { Offset(size); }
    void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    void operator+=(POINT point) { Offset(point); }
    void operator-=(POINT point) { Offset(-point.x, -point.y); }

    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }   // distance
    inline CRect operator+(const RECT* lpRect) const;
    inline CRect operator-(const RECT* lpRect) const;
};

/////////////////////////////////////////////////////////////////////////////
// CRect - left/top inclusive, right/bottom exclusive

class CRect : public tagRECT
{
public:
// Construction
    CRect() { SetRectEmpty(); }
    CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
    CRect(const RECT& srcRect) { CopyRect(&srcRect); }
    CRect(LPCRECT lpSrcRect) { *static_cast<RECT*>(this) = AfxTypesDetail::SafeRect(lpSrcRect); }
    CRect(POINT point, SIZE size) { SetRect(point.x, point.y, point.x + size.cx, point.y + size.cy); }
    CRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }

// Attributes (a reversed rectangle has a negative width or height)
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return AfxTypesDetail::IsEmpty(*this); }   // no area
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

// Operations
    void SetRect(int x1, int y1, int x2, int y2) { left = x1; top = y1; right = x2; bottom = y2; }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(LPCRECT lpSrcRect) { if (lpSrcRect != nullptr) *static_cast<RECT*>(this) = *lpSrcRect; }
    BOOL EqualRect(LPCRECT lpRect) const
    {
        return lpRect != nullptr && left == lpRect->left && top == lpRect->top &&
               right == lpRect->right && bottom == lpRect->bottom;
    }

    // Inflate moves every side outwards, Deflate inwards.
    void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect)
    {
        RECT rc = AfxTypesDetail::SafeRect(lpRect);
        InflateRect(rc.left, rc.top, rc.right, rc.bottom);
    }
    void InflateRect(int l, int t, int r, int b) { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect)
    {
        RECT rc = AfxTypesDetail::SafeRect(lpRect);
        InflateRect(-rc.left, -rc.top, -rc.right, -rc.bottom);
    }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int x, int y) { left += x; right += x; top += y; bottom += y; }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }

    // Swaps sides so that left <= right and top <= bottom.
    void NormalizeRect()
    {
        if (left > right) { LONG n = left; left = right; right = n; }
        if (top > bottom) { LONG n = top; top = bottom; bottom = n; }
    }

    // Like ::IntersectRect: no overlap (or an empty operand) gives (0,0,0,0)
    // and FALSE. Rectangles that merely touch do not overlap.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        RECT a = AfxTypesDetail::SafeRect(lpRect1), b = AfxTypesDetail::SafeRect(lpRect2);
        if (AfxTypesDetail::IsEmpty(a) || AfxTypesDetail::IsEmpty(b) || a.left >= b.right ||
            b.left >= a.right || a.top >= b.bottom || b.top >= a.bottom)
        {
            SetRectEmpty();
            return FALSE;
        }
        SetRect(AfxTypesDetail::Max(a.left, b.left), AfxTypesDetail::Max(a.top, b.top),
                AfxTypesDetail::Min(a.right, b.right), AfxTypesDetail::Min(a.bottom, b.bottom));
        return TRUE;
    }
    // Like ::UnionRect: empty operands are ignored; both empty gives (0,0,0,0) and FALSE.
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        RECT a = AfxTypesDetail::SafeRect(lpRect1), b = AfxTypesDetail::SafeRect(lpRect2);
        bool bEmptyA = AfxTypesDetail::IsEmpty(a), bEmptyB = AfxTypesDetail::IsEmpty(b);
        if (bEmptyA && bEmptyB)
        {
            SetRectEmpty();
            return FALSE;
        }
        if (bEmptyA || bEmptyB)
            CopyRect(bEmptyA ? &b : &a);
        else
            SetRect(AfxTypesDetail::Min(a.left, b.left), AfxTypesDetail::Min(a.top, b.top),
                    AfxTypesDetail::Max(a.right, b.right), AfxTypesDetail::Max(a.bottom, b.bottom));
        return TRUE;
    }
    // Like ::SubtractRect: rect1 minus rect2, shrunk only where rect2 spans a
    // whole side of rect1 (the result must stay a rectangle). FALSE if nothing is left.
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
    {
        RECT a = AfxTypesDetail::SafeRect(lpRectSrc1);
        CRect cut;
        if (AfxTypesDetail::IsEmpty(a))
        {
            SetRectEmpty();
            return FALSE;
        }
        CopyRect(&a);
        if (!cut.IntersectRect(&a, lpRectSrc2))
            return TRUE;
        if (cut.EqualRect(&a))
        {
            SetRectEmpty();
            return FALSE;
        }
        if (cut.top == a.top && cut.bottom == a.bottom)
        {
            if (cut.left == a.left)
                left = cut.right;
            else if (cut.right == a.right)
                right = cut.left;
        }
        else if (cut.left == a.left && cut.right == a.right)
        {
            if (cut.top == a.top)
                top = cut.bottom;
            else if (cut.bottom == a.bottom)
                bottom = cut.top;
        }
        return TRUE;
    }

// Operators
    void operator=(const RECT& srcRect) { CopyRect(&srcRect); }
    BOOL operator==(const RECT& rect) const { return EqualRect(&rect); }
    BOOL operator!=(const RECT& rect) const { return !EqualRect(&rect); }
    void operator+=(POINT point) { OffsetRect(point); }
    void operator+=(SIZE size) { OffsetRect(size); }
    void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    CRect operator+(POINT point) const { CRect rc(*this); rc.OffsetRect(point); return rc; }
    CRect operator-(POINT point) const { CRect rc(*this); rc.OffsetRect(-point.x, -point.y); return rc; }
    CRect operator+(SIZE size) const { CRect rc(*this); rc.OffsetRect(size); return rc; }
    CRect operator-(SIZE size) const { CRect rc(*this); rc.OffsetRect(-size.cx, -size.cy); return rc; }
    CRect operator+(LPCRECT lpRect) const { CRect rc(*this); rc.InflateRect(lpRect); return rc; }
    CRect operator-(LPCRECT lpRect) const { CRect rc(*this); rc.DeflateRect(lpRect); return rc; }
    CRect operator&(const RECT& rect2) const { CRect rc; rc.IntersectRect(this, &rect2); return rc; }
    CRect operator|(const RECT& rect2) const { CRect rc; rc.UnionRect(this, &rect2); return rc; }
};

static_assert(sizeof(CPoint) == sizeof(POINT) && sizeof(CSize) == sizeof(SIZE) && sizeof(CRect) == sizeof(RECT),
              "the wrappers must add no data");

inline CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
inline CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }
inline CRect CSize::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CSize::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }
inline CRect CPoint::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CPoint::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }

// Tests for CSize, CPoint and CRect: edge cases of the rectangle algebra,
// checked against user32 where Windows defines the answer.
#include <gtest/gtest.h>
#include "afxtypes.h"

#include <ostream>
#include <vector>

static std::ostream& operator<<(std::ostream& os, const RECT& rc)
{
    return os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}
static std::ostream& operator<<(std::ostream& os, const POINT& pt) { return os << "(" << pt.x << "," << pt.y << ")"; }
static std::ostream& operator<<(std::ostream& os, const SIZE& sz) { return os << "[" << sz.cx << "x" << sz.cy << "]"; }

#define EXPECT_RECT(rc, l, t, r, b) EXPECT_EQ(CRect(rc), CRect(l, t, r, b)) << CRect(rc) << " vs " << CRect(l, t, r, b)

namespace {

// Rectangles exercising every relative placement against (10,10,30,30):
// inside, overlapping each side, covering, touching, disjoint, empty, reversed.
std::vector<CRect> SampleRects()
{
    return {
        CRect(10, 10, 30, 30), CRect(15, 15, 25, 25), CRect(0, 0, 40, 40), CRect(0, 10, 20, 30),
        CRect(20, 10, 40, 30), CRect(10, 0, 30, 20), CRect(10, 20, 30, 40), CRect(30, 10, 50, 30),
        CRect(10, 30, 30, 50), CRect(5, 15, 40, 25), CRect(15, 5, 25, 40), CRect(50, 50, 60, 60),
        CRect(0, 0, 0, 0), CRect(12, 12, 12, 20), CRect(30, 30, 10, 10), CRect(-5, -5, 11, 11),
        CRect(10, 10, 30, 20), CRect(0, 0, 30, 30),
    };
}

} // namespace

TEST(CRectWin32, MatchesUser32ForAllPairs)
{
    for (const CRect& a : SampleRects())
    {
        EXPECT_EQ(!!a.IsRectEmpty(), !!::IsRectEmpty(&a)) << a;
        for (const CRect& b : SampleRects())
        {
            RECT expected;
            CRect got(1, 2, 3, 4);
            EXPECT_EQ(!!got.IntersectRect(&a, &b), !!::IntersectRect(&expected, &a, &b)) << a << " & " << b;
            EXPECT_EQ(got, expected) << a << " & " << b << ": " << got << " vs " << expected;

            got.SetRect(1, 2, 3, 4);
            EXPECT_EQ(!!got.UnionRect(&a, &b), !!::UnionRect(&expected, &a, &b)) << a << " | " << b;
            EXPECT_EQ(got, expected) << a << " | " << b << ": " << got << " vs " << expected;

            got.SetRect(1, 2, 3, 4);
            BOOL bWin = ::SubtractRect(&expected, &a, &b);
            EXPECT_EQ(!!got.SubtractRect(&a, &b), !!bWin) << a << " - " << b;
            if (bWin)
                EXPECT_EQ(got, expected) << a << " - " << b << ": " << got << " vs " << expected;
            else
                EXPECT_TRUE(got.IsRectEmpty()) << a << " - " << b << ": " << got;

            EXPECT_EQ(!!a.EqualRect(&b), !!::EqualRect(&a, &b)) << a << " == " << b;
        }
    }
}

TEST(CRectEdges, PtInRectExcludesRightAndBottom)
{
    const CRect rc(10, 20, 30, 40);
    EXPECT_TRUE(rc.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(rc.PtInRect(CPoint(29, 39)));
    EXPECT_FALSE(rc.PtInRect(CPoint(30, 25)));
    EXPECT_FALSE(rc.PtInRect(CPoint(15, 40)));
    EXPECT_FALSE(rc.PtInRect(CPoint(9, 25)));
    EXPECT_FALSE(rc.PtInRect(CPoint(15, 19)));
    EXPECT_FALSE(CRect(30, 40, 10, 20).PtInRect(CPoint(15, 25))) << "a reversed rectangle contains nothing";
    for (int x = 8; x <= 32; ++x)
        for (int y = 18; y <= 42; ++y)
            EXPECT_EQ(!!rc.PtInRect(CPoint(x, y)), !!::PtInRect(&rc, CPoint(x, y))) << x << "," << y;
}

TEST(CRectEdges, IntersectionAndUnionCornerCases)
{
    CRect rc(0, 0, 10, 10);
    rc &= CRect(20, 20, 30, 30);
    EXPECT_RECT(rc, 0, 0, 0, 0);
    EXPECT_TRUE(rc.IsRectNull());

    EXPECT_RECT(CRect(0, 0, 10, 10) & CRect(10, 0, 20, 10), 0, 0, 0, 0);   // touching is not overlapping
    EXPECT_RECT(CRect(0, 0, 10, 10) & CRect(5, -5, 15, 5), 5, 0, 10, 5);

    // An empty operand is ignored even when it lies far away.
    EXPECT_RECT(CRect(0, 0, 10, 10) | CRect(100, 100, 100, 200), 0, 0, 10, 10);
    EXPECT_RECT(CRect(50, 50, 40, 60) | CRect(1, 2, 3, 4), 1, 2, 3, 4);
    CRect u(5, 5, 5, 5);
    EXPECT_FALSE(u.UnionRect(CRect(), CRect(3, 3, 1, 1)));
    EXPECT_TRUE(u.IsRectNull());
    u = CRect(0, 0, 1, 1);
    u |= CRect(-3, 4, 2, 9);
    EXPECT_RECT(u, -3, 0, 2, 9);

    CRect n(0, 0, 5, 5);
    EXPECT_FALSE(n.IntersectRect(nullptr, CRect(0, 0, 5, 5)));
    EXPECT_TRUE(n.IsRectNull());
}

TEST(CRectEdges, NormalizeAndSizeOfReversedRects)
{
    CRect rc(30, 40, 10, 20);
    EXPECT_EQ(rc.Width(), -20);
    EXPECT_EQ(rc.Height(), -20);
    EXPECT_TRUE(rc.IsRectEmpty());
    EXPECT_FALSE(rc.IsRectNull());
    rc.NormalizeRect();
    EXPECT_RECT(rc, 10, 20, 30, 40);
    EXPECT_EQ(rc.Size(), CSize(20, 20));
    rc = CRect(5, 9, 15, 1);   // only the vertical sides are reversed
    rc.NormalizeRect();
    EXPECT_RECT(rc, 5, 1, 15, 9);
    EXPECT_EQ(rc.CenterPoint(), CPoint(10, 5));
    EXPECT_EQ(CRect(-7, -7, 0, 0).CenterPoint(), CPoint(-3, -3));
    EXPECT_TRUE(CRect(3, 3, 3, 9).IsRectEmpty()) << "zero width is empty";
}

TEST(CRectOps, CornersAliasTheRectangle)
{
    CRect rc(1, 2, 3, 4);
    rc.TopLeft() = CPoint(-1, -2);
    rc.BottomRight().Offset(10, 20);
    EXPECT_RECT(rc, -1, -2, 13, 24);
    EXPECT_EQ(&rc.TopLeft().x, &rc.left);
    EXPECT_EQ(&rc.BottomRight().y, &rc.bottom);
    const CRect& crc = rc;
    EXPECT_EQ(crc.BottomRight(), CPoint(13, 24));
    EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
    EXPECT_EQ(CRect(CPoint(1, 2), CPoint(3, 4)), CRect(1, 2, 3, 4));
    LPRECT p = rc;
    EXPECT_EQ(p, static_cast<RECT*>(&rc));
}

TEST(CRectOps, InflateDeflateAndOffsetOverloads)
{
    CRect rc(10, 10, 20, 20);
    rc.InflateRect(1, 2);
    EXPECT_RECT(rc, 9, 8, 21, 22);
    rc.DeflateRect(CSize(1, 2));
    EXPECT_RECT(rc, 10, 10, 20, 20);
    rc.InflateRect(1, 2, 3, 4);
    EXPECT_RECT(rc, 9, 8, 23, 24);
    rc.DeflateRect(1, 2, 3, 4);
    EXPECT_RECT(rc, 10, 10, 20, 20);
    const RECT margins = { 1, 2, 3, 4 };
    rc.InflateRect(&margins);
    EXPECT_RECT(rc, 9, 8, 23, 24);
    rc.DeflateRect(&margins);
    EXPECT_RECT(rc, 10, 10, 20, 20);
    rc += &margins;
    EXPECT_RECT(rc, 9, 8, 23, 24);
    rc -= &margins;
    EXPECT_RECT(rc, 10, 10, 20, 20);
    EXPECT_RECT(rc + &margins, 9, 8, 23, 24);
    EXPECT_RECT(rc - &margins, 11, 12, 17, 16);
    rc.InflateRect(static_cast<LPCRECT>(nullptr));
    EXPECT_RECT(rc, 10, 10, 20, 20);

    rc.OffsetRect(-10, 5);
    EXPECT_RECT(rc, 0, 15, 10, 25);
    rc.OffsetRect(CPoint(1, 1));
    rc.OffsetRect(CSize(-1, -15));
    EXPECT_RECT(rc, 0, 1, 10, 11);
    rc += CPoint(2, 3);
    rc -= CSize(1, 1);
    EXPECT_RECT(rc, 1, 3, 11, 13);
    EXPECT_RECT(rc + CPoint(1, 1), 2, 4, 12, 14);
    EXPECT_RECT(rc - CPoint(1, 1), 0, 2, 10, 12);
    EXPECT_RECT(rc + CSize(-1, 0), 0, 3, 10, 13);
    EXPECT_RECT(rc - CSize(0, 3), 1, 0, 11, 10);
    EXPECT_RECT(CPoint(1, 1) + &rc, 2, 4, 12, 14);
    EXPECT_RECT(CSize(1, 1) - &rc, 0, 2, 10, 12);
}

TEST(CRectOps, AssignmentComparisonAndNullArguments)
{
    RECT raw = { 1, 2, 3, 4 };
    CRect rc;
    EXPECT_TRUE(rc.IsRectNull());
    rc = raw;
    EXPECT_TRUE(rc == raw);
    EXPECT_FALSE(rc != raw);
    raw.bottom = 5;
    EXPECT_TRUE(rc != raw);
    EXPECT_FALSE(rc.EqualRect(nullptr));
    rc.CopyRect(nullptr);
    EXPECT_RECT(rc, 1, 2, 3, 4);
    EXPECT_TRUE(CRect(static_cast<LPCRECT>(nullptr)).IsRectNull());
    EXPECT_NE(CRect(0, 0, 0, 0), CRect(5, 5, 5, 5)) << "two empty rectangles are still different rectangles";
}

TEST(CPointSize, LParamCoordinatesAreSigned16Bit)
{
    EXPECT_EQ(CPoint(MAKELPARAM(-5, -7)), CPoint(-5, -7));
    EXPECT_EQ(CPoint(MAKELPARAM(0x7FFF, 0x8000)), CPoint(32767, -32768));
    EXPECT_EQ(CPoint(static_cast<LPARAM>(MAKELONG(12, 34))), CPoint(12, 34));
    EXPECT_EQ(CSize(static_cast<DWORD>(MAKELONG(0xFFFF, 3))), CSize(-1, 3));
}

TEST(CPointSize, Arithmetic)
{
    CPoint pt(3, 4);
    EXPECT_EQ(pt + CSize(1, 1), CPoint(4, 5));
    EXPECT_EQ(pt - CSize(1, 1), CPoint(2, 3));
    EXPECT_EQ(pt + CPoint(10, 20), CPoint(13, 24));
    CSize d = CPoint(10, 20) - pt;   // two points differ by a size
    EXPECT_EQ(d, CSize(7, 16));
    EXPECT_EQ(-pt, CPoint(-3, -4));
    pt += CSize(1, 2);
    pt -= CPoint(2, 2);
    EXPECT_EQ(pt, CPoint(2, 4));
    pt.Offset(CSize(-2, -4));
    EXPECT_EQ(pt, CPoint(0, 0));
    EXPECT_NE(pt, CPoint(0, 1));

    CSize sz(5, 6);
    EXPECT_EQ(sz + CSize(1, 2), CSize(6, 8));
    EXPECT_EQ(sz - CSize(1, 2), CSize(4, 4));
    EXPECT_EQ(-sz, CSize(-5, -6));
    EXPECT_EQ(sz + CPoint(1, 1), CPoint(6, 7));
    EXPECT_EQ(sz - CPoint(1, 1), CPoint(4, 5));
    sz += CSize(1, 1);
    sz -= CSize(0, 3);
    EXPECT_EQ(sz, CSize(6, 4));
    EXPECT_EQ(CSize(CPoint(2, 3)), CSize(2, 3));
    EXPECT_EQ(CPoint(CSize(2, 3)), CPoint(2, 3));
}

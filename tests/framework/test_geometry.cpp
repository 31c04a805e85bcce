// Tests for CSize, CPoint and CRect: the rectangle algebra checked against
// user32 for every relative placement, and the inputs Windows leaves to us
// (reversed rectangles, null pointers, signed mouse coordinates).
#include <gtest/gtest.h>
#include "afxtypes.h"

#include <ostream>
#include <vector>

static std::ostream& operator<<(std::ostream& os, const RECT& rc)
{
    return os << "(" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom << ")";
}
static std::ostream& operator<<(std::ostream& os, const POINT& pt) { return os << "(" << pt.x << "," << pt.y << ")"; }

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

TEST(CRectWin32, PtInRectMatchesUser32)
{
    for (const CRect& rc : { CRect(10, 20, 30, 40), CRect(30, 40, 10, 20) })
        for (int x = 8; x <= 32; ++x)
            for (int y = 18; y <= 42; ++y)
                EXPECT_EQ(!!rc.PtInRect(CPoint(x, y)), !!::PtInRect(&rc, CPoint(x, y))) << rc << " " << x << "," << y;
}

TEST(CRectEdges, ReversedRectanglesNullArgumentsAndAliasedCorners)
{
    CRect rc(5, 9, 15, 1);   // only the vertical sides are reversed
    EXPECT_EQ(-8, rc.Height());
    rc.NormalizeRect();
    EXPECT_EQ(CRect(5, 1, 15, 9), rc);

    EXPECT_FALSE(rc.IntersectRect(nullptr, CRect(0, 0, 5, 5)));
    EXPECT_TRUE(rc.IsRectNull());
    rc.SetRect(1, 2, 3, 4);
    rc.CopyRect(nullptr);
    rc.InflateRect(static_cast<LPCRECT>(nullptr));
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_FALSE(rc.EqualRect(nullptr));
    EXPECT_TRUE(CRect(static_cast<LPCRECT>(nullptr)).IsRectNull());
    EXPECT_NE(CRect(0, 0, 0, 0), CRect(5, 5, 5, 5)) << "two empty rectangles are still different rectangles";

    rc.TopLeft() = CPoint(-1, -2);
    rc.BottomRight().Offset(10, 20);
    EXPECT_EQ(CRect(-1, -2, 13, 24), rc);
}

TEST(CPointSize, LParamCoordinatesAreSigned16Bit)
{
    EXPECT_EQ(CPoint(MAKELPARAM(-5, -7)), CPoint(-5, -7));
    EXPECT_EQ(CPoint(MAKELPARAM(0x7FFF, 0x8000)), CPoint(32767, -32768));
    EXPECT_EQ(CSize(static_cast<DWORD>(MAKELONG(0xFFFF, 3))), CSize(-1, 3));
}

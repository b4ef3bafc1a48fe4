#include <gtest/gtest.h>

#include "Framework.h"

TEST(GeometryTest, PointAndSizeArithmetic) {
    CPoint p(3, 4);
    p += CSize(1, 1);
    EXPECT_EQ(CPoint(4, 5), p);
    EXPECT_EQ(CSize(3, 2), p - CPoint(1, 3));
    EXPECT_EQ(CPoint(2, 3), p - CSize(2, 2));
    EXPECT_EQ(CPoint(-4, -5), -p);
    p.Offset(-4, 5);
    EXPECT_EQ(CPoint(0, 10), p);
    EXPECT_EQ(CPoint(-2, 7), CPoint(static_cast<DWORD>(MAKELONG(-2, 7))));  // signed words
    EXPECT_EQ(CSize(5, 5), CSize(2, 3) + CSize(3, 2));
}

TEST(GeometryTest, RectMeasuresAndCorners) {
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CSize(100, 50), r.Size());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    r.TopLeft() = CPoint(0, 0);  // the corners alias the fields
    EXPECT_EQ(0, r.left);
    EXPECT_EQ(CPoint(110, 70), r.BottomRight());

    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 70)));  // right and bottom are outside
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(GeometryTest, RectOffsetsInflatesAndNormalises) {
    CRect r(0, 0, 10, 10);
    r.OffsetRect(5, -5);
    EXPECT_EQ(CRect(5, -5, 15, 5), r);
    r.InflateRect(1, 2);
    EXPECT_EQ(CRect(4, -7, 16, 7), r);
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(5, -5, 13, 3), r);
    EXPECT_EQ(CRect(6, -3, 14, 5), r + CPoint(1, 2));
    EXPECT_EQ(CRect(4, -6, 12, 2), r - CSize(1, 1));
    r.MoveToXY(0, 0);
    EXPECT_EQ(CRect(0, 0, 8, 8), r);

    CRect flipped(10, 10, 0, 0);
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(0, 0, 10, 10), flipped);
}

TEST(GeometryTest, IntersectionAndUnion) {
    const CRect a(0, 0, 10, 10), b(5, 5, 20, 20), apart(30, 30, 40, 40);
    EXPECT_EQ(CRect(5, 5, 10, 10), a & b);
    EXPECT_EQ(CRect(0, 0, 20, 20), a | b);
    CRect none;
    EXPECT_FALSE(none.IntersectRect(a, apart));
    EXPECT_TRUE(none.IsRectEmpty());
    CRect grow(a);
    grow |= apart;
    EXPECT_EQ(CRect(0, 0, 40, 40), grow);
    grow &= b;
    EXPECT_EQ(b, grow);

    RECT raw;
    SetRect(&raw, 1, 2, 3, 4);
    CRect fromRaw(raw);
    EXPECT_TRUE(EqualRect(fromRaw, &raw));  // converts to LPCRECT
}

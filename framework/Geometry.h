// CPoint, CSize and CRect: the Win32 POINT, SIZE and RECT with arithmetic.
// Each is layout-identical to its Win32 record and converts to a pointer to
// it, so it can be passed straight to the API.
#pragma once

#include <windows.h>

class CSize;
class CRect;

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x_, int y_) : POINT{x_, y_} {}
    CPoint(POINT p) : POINT(p) {}  // NOLINT: implicit like the record
    CPoint(SIZE s) : POINT{s.cx, s.cy} {}  // NOLINT
    // From a packed message parameter: x in the low word, y in the high word.
    explicit CPoint(DWORD packed)
        : POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))} {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    void Offset(POINT p) { Offset(p.x, p.y); }
    void Offset(SIZE s) { Offset(s.cx, s.cy); }
    void SetPoint(int x_, int y_) {
        x = x_;
        y = y_;
    }

    bool operator==(POINT p) const { return x == p.x && y == p.y; }
    bool operator!=(POINT p) const { return !(*this == p); }
    void operator+=(SIZE s) { Offset(s); }
    void operator-=(SIZE s) { Offset(-s.cx, -s.cy); }
    void operator+=(POINT p) { Offset(p); }
    void operator-=(POINT p) { Offset(-p.x, -p.y); }

    CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT p) const { return CPoint(x + p.x, y + p.y); }
    inline CSize operator-(POINT p) const;
    inline CRect operator+(const RECT* r) const;
    inline CRect operator-(const RECT* r) const;
};

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cx_, int cy_) : SIZE{cx_, cy_} {}
    CSize(SIZE s) : SIZE(s) {}  // NOLINT
    CSize(POINT p) : SIZE{p.x, p.y} {}  // NOLINT
    explicit CSize(DWORD packed)
        : SIZE{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))} {}

    void SetSize(int cx_, int cy_) {
        cx = cx_;
        cy = cy_;
    }
    bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const { return !(*this == s); }
    void operator+=(SIZE s) {
        cx += s.cx;
        cy += s.cy;
    }
    void operator-=(SIZE s) {
        cx -= s.cx;
        cy -= s.cy;
    }
    CSize operator+(SIZE s) const { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(SIZE s) const { return CSize(cx - s.cx, cy - s.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    CPoint operator+(POINT p) const { return CPoint(cx + p.x, cy + p.y); }
    CPoint operator-(POINT p) const { return CPoint(cx - p.x, cy - p.y); }
    inline CRect operator+(const RECT* r) const;
    inline CRect operator-(const RECT* r) const;
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}  // NOLINT
    CRect(const RECT* r) : RECT(*r) {}  // NOLINT
    CRect(POINT topLeft, SIZE size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    operator LPRECT() { return this; }  // NOLINT: passes straight to the API
    operator LPCRECT() const { return this; }  // NOLINT

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    // The corners as points that alias the rectangle's own fields.
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no area (width or height not above 0). Null: all four are 0.
    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT p) const { return ::PtInRect(this, p); }

    void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
    void SetRect(POINT topLeft, POINT bottomRight) {
        SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() { ::SetRectEmpty(this); }
    void CopyRect(LPCRECT source) { *static_cast<RECT*>(this) = *source; }
    BOOL EqualRect(LPCRECT other) const { return ::EqualRect(this, other); }

    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void InflateRect(SIZE s) { InflateRect(s.cx, s.cy); }
    void InflateRect(LPCRECT r) { InflateRect(r->left, r->top, r->right, r->bottom); }
    void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(SIZE s) { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(LPCRECT r) { InflateRect(-r->left, -r->top, -r->right, -r->bottom); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }

    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void OffsetRect(POINT p) { OffsetRect(p.x, p.y); }
    void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    void MoveToX(int x) {
        right += x - left;
        left = x;
    }
    void MoveToY(int y) {
        bottom += y - top;
        top = y;
    }
    void MoveToXY(int x, int y) {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(POINT p) { MoveToXY(p.x, p.y); }
    // Swaps the sides so that left <= right and top <= bottom.
    void NormalizeRect();

    // Each returns FALSE and leaves an empty rectangle when the result has no area.
    BOOL IntersectRect(LPCRECT a, LPCRECT b) { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(LPCRECT a, LPCRECT b) { return ::UnionRect(this, a, b); }
    BOOL SubtractRect(LPCRECT from, LPCRECT take) { return ::SubtractRect(this, from, take); }

    CRect& operator=(const RECT& r) {
        *static_cast<RECT*>(this) = r;
        return *this;
    }
    bool operator==(const RECT& r) const { return EqualRect(&r) != FALSE; }
    bool operator!=(const RECT& r) const { return !(*this == r); }
    void operator+=(POINT p) { OffsetRect(p); }
    void operator+=(SIZE s) { OffsetRect(s); }
    void operator+=(LPCRECT r) { InflateRect(r); }
    void operator-=(POINT p) { OffsetRect(-p.x, -p.y); }
    void operator-=(SIZE s) { OffsetRect(-s.cx, -s.cy); }
    void operator-=(LPCRECT r) { DeflateRect(r); }
    void operator&=(const RECT& r) { IntersectRect(this, &r); }
    void operator|=(const RECT& r) { UnionRect(this, &r); }

    CRect operator+(POINT p) const { return Moved(p.x, p.y); }
    CRect operator-(POINT p) const { return Moved(-p.x, -p.y); }
    CRect operator+(SIZE s) const { return Moved(s.cx, s.cy); }
    CRect operator-(SIZE s) const { return Moved(-s.cx, -s.cy); }
    CRect operator+(LPCRECT r) const {
        CRect result(*this);
        result.InflateRect(r);
        return result;
    }
    CRect operator-(LPCRECT r) const {
        CRect result(*this);
        result.DeflateRect(r);
        return result;
    }
    CRect operator&(const RECT& r) const {
        CRect result;
        result.IntersectRect(this, &r);
        return result;
    }
    CRect operator|(const RECT& r) const {
        CRect result;
        result.UnionRect(this, &r);
        return result;
    }

private:
    CRect Moved(int dx, int dy) const {
        CRect result(*this);
        result.OffsetRect(dx, dy);
        return result;
    }
};

inline CSize CPoint::operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
inline CRect CPoint::operator+(const RECT* r) const { return CRect(r) + *this; }
inline CRect CPoint::operator-(const RECT* r) const { return CRect(r) - *this; }
inline CRect CSize::operator+(const RECT* r) const { return CRect(r) + *this; }
inline CRect CSize::operator-(const RECT* r) const { return CRect(r) - *this; }

inline void CRect::NormalizeRect() {
    if (left > right) {
        LONG swap = left;
        left = right;
        right = swap;
    }
    if (top > bottom) {
        LONG swap = top;
        top = bottom;
        bottom = swap;
    }
}

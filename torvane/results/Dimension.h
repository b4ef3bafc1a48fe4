// CDimension: one engineering-drawing dimension on a device context: two
// extension lines, a dimension line with a terminator at each end, and a
// text (a label, a number or both) between the terminators when it fits,
// beside them otherwise. Points are given in pixels, or in data units of a
// 2D chart.
#pragma once

#include "common/Chart2D.h"
#include "framework/Framework.h"

namespace torvane {

class CDimension {
public:
    enum Kind { kAbove = 0, kBelow = 1, kRight = 2, kLeft = 3 };
    // Text placement; the horizontal kinds take left or right, the vertical
    // ones above or below.
    enum Placement { kAutomatic = 0, kTextAbove = 1, kTextBelow = 2, kTextLeft = 3, kTextRight = 4 };
    enum Style { kOutside, kSplit, kSpanning };

    // `label` and `format` (printf, for the value) must not both be null.
    CDimension(int kind, int placement, int extension, const char* label, const char* format);
    virtual ~CDimension() = default;

    void SetColors(COLORREF dimensionLine, COLORREF extensionLine, COLORREF text);
    void SetFallbackSide(int side);
    // Pixels, never negative.
    void SetExtension(int pixels);

    // Points in pixels; the dc must not be null.
    void Draw(CDC* dc, float value, int x1, int y1, int x2, int y2);
    // Points in data units of the owner's chart (first y axis). -1, and
    // nothing drawn, when a point does not map.
    int DrawInData(CDC* dc, CChart2D* owner, float value, float x1, float y1, float x2, float y2);

    // The shown text: "label:value", the value, or the label.
    CString Text(float value) const;

    struct Choice {
        Style style;
        int side;  // a placement: where the text goes (kAutomatic: centred)
    };
    // The style and text side for a span of `span` pixels and a text of
    // `extent` pixels (its width, or its height for vertical kinds).
    Choice Choose(int span, int extent) const;

    int Kind() const { return kind_; }
    int FallbackSide() const { return fallback_; }
    int Extension() const { return extension_; }

private:
    bool Vertical() const { return kind_ == kRight || kind_ == kLeft; }
    void DrawExtensionLines(CDC* dc, int x1, int y1, int x2, int y2) const;
    void DrawTerminator(CDC* dc, int x, int y, int direction, int length) const;
    void DrawDimension(CDC* dc, const CString& text, int x1, int y1, int x2, int y2) const;
    void DrawLine(CDC* dc, COLORREF color, int x1, int y1, int x2, int y2) const;

    int kind_;
    int extension_;
    const char* format_;
    const char* label_;
    COLORREF dimensionColor_ = 0;
    COLORREF extensionColor_ = 0x808080;
    COLORREF textColor_ = 0;
    int placement_;
    int fallback_;
};

}  // namespace torvane

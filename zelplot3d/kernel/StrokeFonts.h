// The stroke fonts of the chart: 17 faces of letter-pair glyphs for the
// characters 32-127. A letter's code minus 82 ('R') is a coordinate, y
// upwards from the middle of the body; in a stroke string each letter pair
// is a point and a blank lifts the pen. The tables are generated from the
// Hershey fonts when the library is built.
#pragma once

constexpr int kStrokeFontCount = 17;
constexpr int kStrokeFontDefault = 13;  // RomanSimplex
constexpr int kStrokeFirstChar = 32;
constexpr int kStrokeLetterOrigin = 82;

struct StrokeGlyph {
    unsigned char left, right;  // bearings
    const char* strokes;
};

struct StrokeFont {
    unsigned char bottom, top;  // the body
    const StrokeGlyph* glyphs;  // 96 glyphs
};

extern const StrokeFont kStrokeFonts[kStrokeFontCount];
// The acknowledgement that goes with the font data.
extern const char kStrokeFontNotice[];

// A face by its value; unknown values give RomanSimplex.
inline const StrokeFont& zel3d_stroke_font(int face) {
    return kStrokeFonts[face >= 0 && face < kStrokeFontCount ? face : kStrokeFontDefault];
}

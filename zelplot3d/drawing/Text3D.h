// Text in the 3D chart: strings drawn through a string transform (the
// string's plane to device pixels) with the stroke fonts, with TrueType
// glyph outlines or with an ordinary font turned along the projected
// baseline. Sizes are text units: a stroke size of 80 is a body 0.16 box
// units high (text units x 0.002 = box units).
#pragma once

#include "chart/Chart.h"

constexpr double kTextUnit = 0.002;  // box units per text unit

// Makes a stroke face and size, and a TrueType font, the ones text is
// drawn and measured with.
void zel3d_text_set_stroke(Zel3dChart* chart, int face, int size);
void zel3d_text_set_font(Zel3dChart* chart, FontRecord* font);

// Width of a string in text units.
int zel3d_text_width(Zel3dChart* chart, const char* text);

// Draws a string whose baseline starts at the origin of the string plane;
// the body is centred on the x axis of the plane. `transform` maps the
// plane (box units) to device pixels.
void zel3d_text_draw(Zel3dChart* chart, const Matrix* transform, const char* text);
// The same with FONT_ROTATION replaced for the call.
void zel3d_text_draw_rotation(Zel3dChart* chart, const Matrix* transform, const char* text, int rotation);

// A 3D chart: bars, mesh or shading (flat maps are contour and zone maps).
bool zel3d_is_3d(const Zel3dChart* chart);

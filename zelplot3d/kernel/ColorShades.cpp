#include "kernel/ColorShades.h"

#include <algorithm>
#include <cmath>

namespace {

int ColorFromRgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

}  // namespace

int zel3d_dark_shade(int color) {
    int h, s, v, r, g, b;
    zel3d_rgb_to_hsv(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF, &h, &s, &v);
    zel3d_hsv_to_rgb(h, s, int(v * 0.65), &r, &g, &b);
    return ColorFromRgb(r, g, b);
}

int zel3d_light_shade(int color) {
    int h, s, v, r, g, b;
    zel3d_rgb_to_hsv(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF, &h, &s, &v);
    int lighter = int(v * 1.2);
    if (lighter > 100) {
        if (v == 100 && s < 2) {
            lighter = 95;  // white and near-white give a light grey
        } else {
            lighter = 100;
            s /= 2;
        }
    }
    if (lighter < 50) lighter = 50;
    zel3d_hsv_to_rgb(h, s, lighter, &r, &g, &b);
    return ColorFromRgb(r, g, b);
}

void zel3d_rgb_to_hsv(int r, int g, int b, int* hue, int* saturation, int* value) {
    double rf = r / 255.0, gf = g / 255.0, bf = b / 255.0;
    double max = std::max({rf, gf, bf}), min = std::min({rf, gf, bf});
    *value = int(max * 100.0 + 0.5);
    *hue = *saturation = 0;
    if (max == 0.0) return;
    *saturation = int((max - min) / max * 100.0 + 0.5);
    if (*saturation == 0) return;
    double rc = (max - rf) / (max - min), gc = (max - gf) / (max - min), bc = (max - bf) / (max - min);
    double h;
    if (rf == max) h = bc - gc;
    else if (gf == max) h = 2.0 + rc - bc;
    else h = 4.0 + gc - rc;
    int degrees = int(h * 60.0 + 0.5);
    if (degrees < 0) degrees = 359 - (359 - degrees) % 360;
    *hue = degrees;
}

void zel3d_hsv_to_rgb(int hue, int saturation, int value, int* r, int* g, int* b) {
    if (saturation == 0) {
        *r = *g = *b = int(value * 255 * 0.01 + 0.5);
        return;
    }
    if (hue == 360) hue = 0;
    double h = hue / 60.0;
    int sector = int(h);
    double f = h - sector;
    double v = value / 100.0, s = saturation / 100.0;
    double p = v * (1.0 - s), q = v * (1.0 - s * f), t = v * (1.0 - s * (1.0 - f));
    double rgb[3];
    switch (sector) {
    case 0: rgb[0] = v; rgb[1] = t; rgb[2] = p; break;
    case 1: rgb[0] = q; rgb[1] = v; rgb[2] = p; break;
    case 2: rgb[0] = p; rgb[1] = v; rgb[2] = t; break;
    case 3: rgb[0] = p; rgb[1] = q; rgb[2] = v; break;
    case 4: rgb[0] = t; rgb[1] = p; rgb[2] = v; break;
    default: rgb[0] = v; rgb[1] = p; rgb[2] = q; break;
    }
    *r = int(rgb[0] * 255.0 + 0.5);
    *g = int(rgb[1] * 255.0 + 0.5);
    *b = int(rgb[2] * 255.0 + 0.5);
}

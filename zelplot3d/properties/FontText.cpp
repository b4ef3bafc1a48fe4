// Fonts as text: a face name with optional size in points and style
// letters ("Arial,12,Bold").
#include "properties/FontText.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "chart/Chart.h"
#include "kernel/Helpers.h"
#include "properties/PropertyTable.h"

namespace {

// Pixels per point of the screen, as a float.
float PixelsPerPoint() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return float(dpi) * (1.0f / 72.0f);
}

std::string Trimmed(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::string();
    size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

// Reads the face, metrics and style that the system chose for `font`.
void ReadBackFont(LOGFONTA& font, bool size_given) {
    HFONT handle = CreateFontIndirectA(&font);
    if (!handle) return;
    HDC screen = GetDC(nullptr);
    if (screen) {
        HGDIOBJ previous = SelectObject(screen, handle);
        char face[LF_FACESIZE] = "";
        TEXTMETRICA metrics;
        if (GetTextFaceA(screen, LF_FACESIZE, face) > 0) snprintf(font.lfFaceName, LF_FACESIZE, "%s", face);
        if (GetTextMetricsA(screen, &metrics)) {
            if (!size_given) font.lfHeight = metrics.tmHeight;
            font.lfItalic = metrics.tmItalic;
            font.lfWeight = metrics.tmWeight;
            font.lfStrikeOut = metrics.tmStruckOut;
            font.lfUnderline = metrics.tmUnderlined;
        }
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
    }
    DeleteObject(handle);
}

}  // namespace

bool zel3d_font_from_text(const char* text, FontRecord& record) {
    if (!text) return false;
    LOGFONTA font = {};
    std::string spec = text;
    size_t comma = spec.find(',');
    std::string face = Trimmed(spec.substr(0, comma));
    if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
    snprintf(font.lfFaceName, LF_FACESIZE, "%s", face.c_str());
    bool size_given = false;
    while (comma != std::string::npos) {
        size_t next = spec.find(',', comma + 1);
        std::string item = Trimmed(spec.substr(comma + 1, next == std::string::npos ? std::string::npos : next - comma - 1));
        comma = next;
        if (item.empty()) continue;
        char first = item[0];
        if (first == '+' || first == '-' || (first >= '0' && first <= '9')) {
            double points = fabs(strtod(item.c_str(), nullptr));
            font.lfHeight = -LONG(std::lround(points * PixelsPerPoint()));
            size_given = true;
        } else if (first == 'b' || first == 'B') {
            font.lfWeight = FW_BOLD;
        } else if (first == 'i' || first == 'I') {
            font.lfItalic = TRUE;
        } else if (first == 's' || first == 'S') {
            font.lfStrikeOut = TRUE;
        } else if (first == 'u' || first == 'U') {
            font.lfUnderline = TRUE;
        }
    }
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = 3;
    font.lfClipPrecision = 16;
    font.lfQuality = 0;
    font.lfPitchAndFamily = 0;
    ReadBackFont(font, size_given);
    record.logfont = font;
    zel3d_recreate_font(record);
    return record.handle != nullptr;
}

void zel3d_recreate_font(FontRecord& font) {
    if (font.handle) DeleteObject(font.handle);
    font.handle = CreateFontIndirectA(&font.logfont);
}

bool zel3d_parse_font(const char* text, PropertyValue& out) {
    FontRecord record = {};
    if (!zel3d_font_from_text(text, record)) return false;
    out.p = record.handle;
    return true;
}

char* zel3d_print_font(HFONT handle) {
    LOGFONTA font;
    if (!handle || GetObjectA(handle, sizeof font, &font) != sizeof font || !font.lfFaceName[0]) return nullptr;
    std::string text = font.lfFaceName;
    long points = std::lround(fabs(double(font.lfHeight)) / PixelsPerPoint());
    if (points != 0) text += "," + std::to_string(points);
    if (font.lfWeight > 500) text += ",Bold";
    if (font.lfItalic) text += ",Italic";
    if (font.lfUnderline) text += ",Underline";
    if (font.lfStrikeOut) text += ",Strikeout";
    return zel3d_strdup(text.c_str());
}

// Colours as text: the colour-name table (the X Window System colour
// database, with the grey scale after Gray) and the colour parsers.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "kernel/Helpers.h"
#include "properties/ValueText.h"
#include "kernel/ExportGuard.h"

namespace {

struct ColorName {
    int color;  // 0x00BBGGRR
    const char* name;
};

const ColorName kColorNames[] = {
    {-1, "(Automatic)"},
    {0xFFF8F0, "AliceBlue"},
    {0xD7EBFA, "AntiqueWhite"},
    {0xD4FF7F, "Aquamarine"},
    {0xFFFFF0, "Azure"},
    {0xDCF5F5, "Beige"},
    {0xC4E4FF, "Bisque"},
    {0x000000, "Black"},
    {0xCDEBFF, "BlanchedAlmond"},
    {0xFF0000, "Blue"},
    {0xE22B8A, "BlueViolet"},
    {0x2A2AA5, "Brown"},
    {0x87B8DE, "Burlywood"},
    {0xA09E5F, "CadetBlue"},
    {0x00FF7F, "Chartreuse"},
    {0x1E69D2, "Chocolate"},
    {0x507FFF, "Coral"},
    {0xED9564, "CornflowerBlue"},
    {0xDCF8FF, "Cornsilk"},
    {0xFFFF00, "Cyan"},
    {0x0B86B8, "DarkGoldenrod"},
    {0x006400, "DarkGreen"},
    {0x6BB7BD, "DarkKhaki"},
    {0x2F6B55, "DarkOliveGreen"},
    {0x008CFF, "DarkOrange"},
    {0xCC3299, "DarkOrchid"},
    {0x7A96E9, "DarkSalmon"},
    {0x8FBC8F, "DarkSeaGreen"},
    {0x8B3D48, "DarkSlateBlue"},
    {0x4F4F2F, "DarkSlateGray"},
    {0xD1CE00, "DarkTurquoise"},
    {0xD30094, "DarkViolet"},
    {0x9314FF, "DeepPink"},
    {0xFFBF00, "DeepSkyBlue"},
    {0xFF901E, "DodgerBlue"},
    {0x2222B2, "Firebrick"},
    {0xF0FAFF, "FloralWhite"},
    {0x228B22, "ForestGreen"},
    {0xDCDCDC, "Gainsboro"},
    {0xFFF8F8, "GhostWhite"},
    {0x00D7FF, "Gold"},
    {0x20A5DA, "Goldenrod"},
    {0xBEBEBE, "Gray"},
    {0x000000, "Gray0"},
    {0x030303, "Gray1"},
    {0x050505, "Gray2"},
    {0x080808, "Gray3"},
    {0x0A0A0A, "Gray4"},
    {0x0D0D0D, "Gray5"},
    {0x0F0F0F, "Gray6"},
    {0x121212, "Gray7"},
    {0x141414, "Gray8"},
    {0x171717, "Gray9"},
    {0x1A1A1A, "Gray10"},
    {0x1C1C1C, "Gray11"},
    {0x1F1F1F, "Gray12"},
    {0x212121, "Gray13"},
    {0x242424, "Gray14"},
    {0x262626, "Gray15"},
    {0x292929, "Gray16"},
    {0x2B2B2B, "Gray17"},
    {0x2E2E2E, "Gray18"},
    {0x303030, "Gray19"},
    {0x333333, "Gray20"},
    {0x363636, "Gray21"},
    {0x383838, "Gray22"},
    {0x3B3B3B, "Gray23"},
    {0x3D3D3D, "Gray24"},
    {0x404040, "Gray25"},
    {0x424242, "Gray26"},
    {0x454545, "Gray27"},
    {0x474747, "Gray28"},
    {0x4A4A4A, "Gray29"},
    {0x4D4D4D, "Gray30"},
    {0x4F4F4F, "Gray31"},
    {0x525252, "Gray32"},
    {0x545454, "Gray33"},
    {0x575757, "Gray34"},
    {0x595959, "Gray35"},
    {0x5C5C5C, "Gray36"},
    {0x5E5E5E, "Gray37"},
    {0x616161, "Gray38"},
    {0x636363, "Gray39"},
    {0x666666, "Gray40"},
    {0x696969, "Gray41"},
    {0x6B6B6B, "Gray42"},
    {0x6E6E6E, "Gray43"},
    {0x707070, "Gray44"},
    {0x737373, "Gray45"},
    {0x757575, "Gray46"},
    {0x787878, "Gray47"},
    {0x7A7A7A, "Gray48"},
    {0x7D7D7D, "Gray49"},
    {0x7F7F7F, "Gray50"},
    {0x828282, "Gray51"},
    {0x858585, "Gray52"},
    {0x878787, "Gray53"},
    {0x8A8A8A, "Gray54"},
    {0x8C8C8C, "Gray55"},
    {0x8F8F8F, "Gray56"},
    {0x919191, "Gray57"},
    {0x949494, "Gray58"},
    {0x969696, "Gray59"},
    {0x999999, "Gray60"},
    {0x9C9C9C, "Gray61"},
    {0x9E9E9E, "Gray62"},
    {0xA1A1A1, "Gray63"},
    {0xA3A3A3, "Gray64"},
    {0xA6A6A6, "Gray65"},
    {0xA8A8A8, "Gray66"},
    {0xABABAB, "Gray67"},
    {0xADADAD, "Gray68"},
    {0xB0B0B0, "Gray69"},
    {0xB3B3B3, "Gray70"},
    {0xB5B5B5, "Gray71"},
    {0xB8B8B8, "Gray72"},
    {0xBABABA, "Gray73"},
    {0xBDBDBD, "Gray74"},
    {0xBFBFBF, "Gray75"},
    {0xC2C2C2, "Gray76"},
    {0xC4C4C4, "Gray77"},
    {0xC7C7C7, "Gray78"},
    {0xC9C9C9, "Gray79"},
    {0xCCCCCC, "Gray80"},
    {0xCFCFCF, "Gray81"},
    {0xD1D1D1, "Gray82"},
    {0xD4D4D4, "Gray83"},
    {0xD6D6D6, "Gray84"},
    {0xD9D9D9, "Gray85"},
    {0xDBDBDB, "Gray86"},
    {0xDEDEDE, "Gray87"},
    {0xE0E0E0, "Gray88"},
    {0xE3E3E3, "Gray89"},
    {0xE5E5E5, "Gray90"},
    {0xE8E8E8, "Gray91"},
    {0xEBEBEB, "Gray92"},
    {0xEDEDED, "Gray93"},
    {0xF0F0F0, "Gray94"},
    {0xF2F2F2, "Gray95"},
    {0xF5F5F5, "Gray96"},
    {0xF7F7F7, "Gray97"},
    {0xFAFAFA, "Gray98"},
    {0xFCFCFC, "Gray99"},
    {0x00FF00, "Green"},
    {0x2FFFAD, "GreenYellow"},
    {0xF0FFF0, "Honeydew"},
    {0xB469FF, "HotPink"},
    {0x5C5CCD, "IndianRed"},
    {0xF0FFFF, "Ivory"},
    {0x8CE6F0, "Khaki"},
    {0xFAE6E6, "Lavender"},
    {0xF5F0FF, "LavenderBlush"},
    {0x00FC7C, "LawnGreen"},
    {0xCDFAFF, "LemonChiffon"},
    {0xE6D8AD, "LightBlue"},
    {0x8080F0, "LightCoral"},
    {0xFFFFE0, "LightCyan"},
    {0x82DDEE, "LightGoldenrod"},
    {0xD2FAFA, "LightGoldenrodYellow"},
    {0xD3D3D3, "LightGray"},
    {0xC1B6FF, "LightPink"},
    {0x7AA0FF, "LightSalmon"},
    {0xAAB220, "LightSeaGreen"},
    {0xFACE87, "LightSkyBlue"},
    {0xFF7084, "LightSlateBlue"},
    {0x998877, "LightSlateGray"},
    {0xDEC4B0, "LightSteelBlue"},
    {0xE0FFFF, "LightYellow"},
    {0x32CD32, "LimeGreen"},
    {0xE6F0FA, "Linen"},
    {0xFF00FF, "Magenta"},
    {0x6030B0, "Maroon"},
    {0xAACD66, "MediumAquamarine"},
    {0xCD0000, "MediumBlue"},
    {0xD355BA, "MediumOrchid"},
    {0xDB7093, "MediumPurple"},
    {0x71B33C, "MediumSeaGreen"},
    {0xEE687B, "MediumSlateBlue"},
    {0x9AFA00, "MediumSpringGreen"},
    {0xCCD148, "MediumTurquoise"},
    {0x8515C7, "MediumVioletRed"},
    {0x701919, "MidnightBlue"},
    {0xFAFFF5, "MintCream"},
    {0xE1E4FF, "MistyRose"},
    {0xB5E4FF, "Moccasin"},
    {0xADDEFF, "NavajoWhite"},
    {0x800000, "NavyBlue"},
    {0xE6F5FD, "OldLace"},
    {0x238E6B, "OliveDrab"},
    {0x00A5FF, "Orange"},
    {0x0045FF, "OrangeRed"},
    {0xD670DA, "Orchid"},
    {0xAAE8EE, "PaleGoldenrod"},
    {0x98FB98, "PaleGreen"},
    {0xEEEEAF, "PaleTurquoise"},
    {0x9370DB, "PaleVioletRed"},
    {0xD5EFFF, "PapayaWhip"},
    {0xB9DAFF, "PeachPuff"},
    {0x3F85CD, "Peru"},
    {0xCBC0FF, "Pink"},
    {0xDDA0DD, "Plum"},
    {0xE6E0B0, "PowderBlue"},
    {0xF020A0, "Purple"},
    {0x0000FF, "Red"},
    {0x8F8FBC, "RosyBrown"},
    {0xE16941, "RoyalBlue"},
    {0x13458B, "SaddleBrown"},
    {0x7280FA, "Salmon"},
    {0x60A4F4, "SandyBrown"},
    {0x578B2E, "SeaGreen"},
    {0xEEF5FF, "Seashell"},
    {0x2D52A0, "Sienna"},
    {0xEBCE87, "SkyBlue"},
    {0xCD5A6A, "SlateBlue"},
    {0x908070, "SlateGray"},
    {0xFAFAFF, "Snow"},
    {0x7FFF00, "SpringGreen"},
    {0xB48246, "SteelBlue"},
    {0x8CB4D2, "Tan"},
    {0xD8BFD8, "Thistle"},
    {0x4763FF, "Tomato"},
    {0xD0E040, "Turquoise"},
    {0xEE82EE, "Violet"},
    {0x9020D0, "VioletRed"},
    {0xB3DEF5, "Wheat"},
    {0xFFFFFF, "White"},
    {0x00FFFF, "Yellow"},
    {0x32CD9A, "YellowGreen"},
};
static_assert(sizeof kColorNames / sizeof kColorNames[0] == 228, "228 colour names");

// Compares two names ignoring case and blanks.
bool SameName(const char* a, const char* b) {
    for (;;) {
        while (*a == ' ' || *a == '\t') ++a;
        while (*b == ' ' || *b == '\t') ++b;
        if (!*a || !*b) return !*a && !*b;
        char ca = *a >= 'A' && *a <= 'Z' ? char(*a - 'A' + 'a') : *a;
        char cb = *b >= 'A' && *b <= 'Z' ? char(*b - 'A' + 'a') : *b;
        if (ca != cb) return false;
        ++a;
        ++b;
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "#rgb", "#rrggbb" or "#rrrrggggbbbb" (high two digits of each group kept).
bool ParseRgb(const char* text, int* color) {
    const char* digits = text + 1;
    size_t count = strlen(digits);
    for (size_t i = 0; i < count; ++i)
        if (HexValue(digits[i]) < 0) return false;
    int red, green, blue;
    if (count == 12) {
        red = HexValue(digits[0]) * 16 + HexValue(digits[1]);
        green = HexValue(digits[4]) * 16 + HexValue(digits[5]);
        blue = HexValue(digits[8]) * 16 + HexValue(digits[9]);
    } else if (count == 3) {
        red = HexValue(digits[0]) * 16;
        green = HexValue(digits[1]) * 16;
        blue = HexValue(digits[2]) * 16;
    } else if (count == 6) {
        red = HexValue(digits[0]) * 16 + HexValue(digits[1]);
        green = HexValue(digits[2]) * 16 + HexValue(digits[3]);
        blue = HexValue(digits[4]) * 16 + HexValue(digits[5]);
    } else {
        return false;
    }
    *color = (blue << 16) | (green << 8) | red;
    return true;
}

const char* SkipBlanks(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}

char g_color_text[64];

}  // namespace

const char* zel3d_color_name(int color) {
    for (const ColorName& row : kColorNames)
        if (row.color == color) return row.name;
    return nullptr;
}

bool zel3d_color_from_name(const char* name, int* color) {
    for (const ColorName& row : kColorNames) {
        if (SameName(row.name, name)) {
            *color = row.color;
            return true;
        }
    }
    return false;
}

extern "C" {

ZEL3D_API int Zel3dStrToColor(const char* text, int* color) try {
    if (!text || !color) return 0;
    // Works on a lower-case copy: the caller's text may be read-only.
    char lower[kLowerBufferSize];
    zel3d_strlower(SkipBlanks(text), lower);
    if (!lower[0]) {
        *color = -1;
        return 1;
    }
    if (lower[0] == '0') {
        char* end = nullptr;
        unsigned long value = strtoul(lower, &end, 16);
        if (end == lower) return 0;
        *color = int(value);
        return 1;
    }
    if (lower[0] == '#') return ParseRgb(lower, color) ? 1 : 0;
    return zel3d_color_from_name(lower, color) ? 1 : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dRGBStrToColor(const char* text, int* color) try {
    if (!text || !color) return 0;
    text = SkipBlanks(text);
    if (!text[0]) {
        *color = -1;
        return 1;
    }
    return text[0] == '#' && ParseRgb(text, color) ? 1 : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API const char* Zel3dColorToStr(int color) try {
    const char* name = zel3d_color_name(color);
    snprintf(g_color_text, sizeof g_color_text, "%s", name ? name : "");
    return g_color_text;
} catch (...) {
    return zel3d_export_failure<const char*>(nullptr);
}

ZEL3D_API const char* Zel3dColorToRGBStr(int color) try {
    if (color == -1) {
        g_color_text[0] = '\0';
    } else {
        snprintf(g_color_text, sizeof g_color_text, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF,
                 (color >> 16) & 0xFF);
    }
    return g_color_text;
} catch (...) {
    return zel3d_export_failure<const char*>(nullptr);
}

}  // extern "C"

#include "common/ui/ColorSchemes.h"

#include "common/Assertion.h"
#include "framework/Framework.h"

namespace {

const char kAssertModule[] = "AppColors";

const COLORREF kSharedSlots[2][kSharedColorSlotCount] = {
    {0xC0C0C0, 0xC0C0C0, 0x000000, 0x000000, 0xFFFFFF, 0x800000, 0xFFFFFF, 0x808080, 0x808080, 0xFFFFFF,
     0xFFFFFF, 0x808080, 0xC0C0C0, 0xC0C0C0, 0x000000, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x800080,
     0x800000, 0x008080, 0x000000, 0x0000FF, 0x008000, 0x808000, 0x808080, 0xC0C0C0},
    {0xD67563, 0xE6A17A, 0xFFFFFF, 0xFFFFFF, 0x00FFF6, 0xFFFF00, 0xFFFFFF, 0xCA5922, 0x965246, 0xEBBAB1,
     0xF6BB9E, 0x808080, 0xEBB394, 0xEBB394, 0x000000, 0xFFF3EF, 0x000000, 0x000000, 0xFFFFFF, 0x800080,
     0x800000, 0x008080, 0x000000, 0x0000FF, 0x008000, 0x808000, 0x808080, 0xEBB394},
};

int g_scheme = 1;
bool g_highColor = true;
bool g_initialized = false;
HMODULE g_msimg32 = nullptr;
GradientFillProc g_gradientFill = nullptr;
bool (*g_displayQuery)() = nullptr;

bool ScreenIsLowColor() {
    HDC screen = ::GetDC(nullptr);
    APP_ASSERT(screen != nullptr);
    const bool palette = (::GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE) != 0 &&
                         ::GetDeviceCaps(screen, SIZEPALETTE) <= 256;
    const int colours = ::GetDeviceCaps(screen, NUMCOLORS);
    ::ReleaseDC(nullptr, screen);
    return palette || (colours >= 0 && colours <= 256);
}

// Frees the library at process exit.
struct GradientLibrary {
    ~GradientLibrary() {
        if (g_msimg32 != nullptr) ::FreeLibrary(g_msimg32);
        g_msimg32 = nullptr;
        g_gradientFill = nullptr;
    }
} g_gradientLibrary;

}  // namespace

COLORREF AppColorsGetSlot(const AppColorTable& table, int slot) {
    APP_ASSERT(slot >= 0 && slot < table.SlotCount());
    if (slot < kSharedColorSlotCount) return kSharedSlots[g_scheme][slot];
    return table.ownSlots[g_scheme][slot - kSharedColorSlotCount];
}

COLORREF AppColorsGetSharedSlot(int slot) {
    APP_ASSERT(slot >= 0 && slot < kSharedColorSlotCount);
    return kSharedSlots[g_scheme][slot];
}

int AppColorsGetScheme() { return g_scheme; }

void AppColorsSetScheme(int scheme) { g_scheme = (scheme == 0 || scheme == 1) ? scheme : 0; }

bool AppColorsIsHighColorMode() { return g_highColor; }

void AppColorsEnterHighColorMode() { g_highColor = true; }

void AppColorsEnterLowColorMode() {
    g_highColor = false;
    g_scheme = 0;
}

bool AppColorsIsLowColorDisplay() { return g_displayQuery != nullptr ? g_displayQuery() : ScreenIsLowColor(); }

void AppColorsSetDisplayQuery(bool (*isLowColor)()) { g_displayQuery = isLowColor; }

bool AppColorsHasGradientFill() { return g_gradientFill != nullptr; }

GradientFillProc AppColorsGetGradientFillProc() { return g_gradientFill; }

void AppColorsSetGradientFillProc(GradientFillProc proc) { g_gradientFill = proc; }

void AppColorsGradientFillRect(HDC dc, const RECT& rect, COLORREF left, COLORREF right) {
    APP_ASSERT(dc != nullptr && g_gradientFill != nullptr);
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rect.left;
    vertices[0].y = rect.top;
    vertices[0].Red = static_cast<COLOR16>(GetRValue(left) << 8);
    vertices[0].Green = static_cast<COLOR16>(GetGValue(left) << 8);
    vertices[0].Blue = static_cast<COLOR16>(GetBValue(left) << 8);
    vertices[1].x = rect.right;
    vertices[1].y = rect.bottom;
    vertices[1].Red = static_cast<COLOR16>(GetRValue(right) << 8);
    vertices[1].Green = static_cast<COLOR16>(GetGValue(right) << 8);
    vertices[1].Blue = static_cast<COLOR16>(GetBValue(right) << 8);
    GRADIENT_RECT span = {0, 1};
    g_gradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_H);
}

void AppColorsChooseScheme(int scheme) {
    AppColorsSetScheme(scheme);
    // Every window of the desktop repaints in the new colours.
    ::InvalidateRect(nullptr, nullptr, TRUE);
}

void AppColorsUpdateSchemeCommand(CCmdUI* cmdUI, int scheme) {
    cmdUI->Enable(AppColorsIsHighColorMode());
    cmdUI->SetCheck(AppColorsGetScheme() == scheme);
}

bool AppColorsFollowDisplay() {
    if (!AppColorsIsLowColorDisplay()) {
        AppColorsEnterHighColorMode();
        return false;
    }
    AppColorsEnterLowColorMode();
    return true;
}

namespace {

void AppColorsInitialize() {
    APP_ASSERT(!g_initialized);
    g_initialized = true;
    if (AppColorsIsLowColorDisplay()) {
        AppColorsEnterLowColorMode();
    } else {
        g_highColor = true;
        g_scheme = 1;
    }
    APP_ASSERT(g_msimg32 == nullptr && g_gradientFill == nullptr);
    g_msimg32 = ::LoadLibraryA("msimg32.dll");
    if (g_msimg32 != nullptr)
        g_gradientFill = reinterpret_cast<GradientFillProc>(
            reinterpret_cast<void*>(::GetProcAddress(g_msimg32, "GradientFill")));
}

struct StaticInitialization {
    StaticInitialization() { AppColorsInitialize(); }
} g_staticInitialization;

}  // namespace

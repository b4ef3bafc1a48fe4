/* zelplot2d: a 2D chart control with a flat exported interface.
 *
 * A chart is created with ZelCreate and bound to a child window of the class
 * ZelChart2D8 with ZelAttachWindow; the window paints it. Its look is set
 * through property lists (ZelSetValues), its curves come from data sets
 * (ZelDataCreate) and text areas (ZelTextAreaCreate) that stay the caller's.
 * Failures are refused with 0 (or null) and never crash: unknown codes,
 * null or stale handles, NaN or infinite values, empty data sets.
 *
 * Property lists are variable argument lists of (code, value) pairs ended by
 * a code 0. Each value is passed by its code's type class (code >> 8):
 *   0x01 0x02 0x06 0x09 0x0B 0x0E 0x41-0x53   int (COLORREF for colours)
 *   0x03   ZELDATA, kept by reference
 *   0x04   const ZelStyle* (ZelGetValues fills a ZelStyle)
 *   0x07   double (25.0, never 25)
 *   0x08   HFONT
 *   0x0C   const char*, copied
 *   0x0D   null-ended const char* const*, kept by reference
 * ZelGetValues takes a pointer to the value's type after each code. C++
 * callers use the typed helpers at the end of this header, which convert
 * each value to its class's type.
 */
#ifndef ZELPLOT2D_H
#define ZELPLOT2D_H

#include <windows.h>

#if defined(ZEL2D_BUILD)
#define ZEL2D_API __declspec(dllexport)
#elif defined(ZEL2D_STATIC)
#define ZEL2D_API
#else
#define ZEL2D_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Handles (opaque, pointer-sized) -------------------------------------- */

typedef struct ZelChartRecord* ZELCHART;
typedef struct ZelTextAreaRecord* ZELTEXT;
typedef struct ZelDataRecord* ZELDATA;

/* ---- Property codes --------------------------------------------------------- */

enum {
#define ZEL2D_PROPERTY(NAME, CODE, OWNER, MEMBER, RULE) ZEL2D_##NAME = CODE,
#include "zelplot2d_properties.inc"
    ZEL2D_END_OF_LIST = 0
};

#define ZEL2D_TYPE_CLASS(code) (((code) >> 8) & 0xFF)

/* The window class, and the message the chart window sends its parent after
 * each paint: wParam the chart window, lParam points at the HDC painted. An
 * owner drawing over the chart draws on that DC. */
#define ZEL2D_WINDOW_CLASS "ZelChart2D8"
#define ZEL2D_PAINTED 0x0FB9

/* ---- Values ------------------------------------------------------------------ */

#define ZEL2D_HOLE 1e308 /* a y value that breaks the line; unwritten points are holes */

/* Data set kinds. */
enum { ZEL2D_DATA_SHARED_X = 1, ZEL2D_DATA_OWN_X = 2 };

/* Display modes of a data set. */
enum {
    ZEL2D_DISPLAY_SHOW = 1,    /* drawn */
    ZEL2D_DISPLAY_HIDE = 2,    /* not drawn, not in the legend, still in automatic ranges */
    ZEL2D_DISPLAY_EXCLUDE = 3  /* left out of drawing, legend and automatic ranges */
};

/* Chart types (ZEL2D_Y_CHART_TYPE, ZEL2D_Y2_CHART_TYPE). */
enum { ZEL2D_CHART_LINE = 1, ZEL2D_CHART_BAR = 2, ZEL2D_CHART_AREA = 5 };

/* Fill of an area chart (ZEL2D_Y_FILL). */
enum { ZEL2D_FILL_OUTLINE = 1, ZEL2D_FILL_SOLID = 2 };

/* Axis annotation (ZEL2D_X_ANNOTATION ...): numbers, or the value labels only. */
enum { ZEL2D_ANNOTATE_NUMBERS = 1, ZEL2D_ANNOTATE_VALUE_LABELS = 2 };

/* Tick marks (ZEL2D_TICK_STYLE). */
enum { ZEL2D_TICKS_INSIDE = 1, ZEL2D_TICKS_OUTSIDE = 2, ZEL2D_TICKS_ACROSS = 3 };

/* Legend orientation (ZEL2D_LEGEND_ORIENTATION). */
enum { ZEL2D_LEGEND_COLUMN = 1, ZEL2D_LEGEND_ROW = 2 };

/* Placement of a text area, or of the legend, against its anchor point:
 * the box lies above or below the point, and to its right or left; without
 * a side it is centred on the point in that direction. */
enum {
    ZEL2D_PLACE_RIGHT = 1,
    ZEL2D_PLACE_LEFT = 2,
    ZEL2D_PLACE_ABOVE = 16,
    ZEL2D_PLACE_BELOW = 32
};

/* Text-area kind (ZEL2D_AREA_KIND): anchored at a data point. */
enum { ZEL2D_AREA_DATA_ANCHORED = 1 };

/* Line patterns. */
enum {
    ZEL2D_LINE_NONE = 1,
    ZEL2D_LINE_SOLID = 2,
    ZEL2D_LINE_DOTTED = 3,
    ZEL2D_LINE_DASH_DOT = 4,
    ZEL2D_LINE_DASHED = 5
};

/* Symbol shapes. */
enum {
    ZEL2D_SYMBOL_NONE = 0,
    ZEL2D_SYMBOL_DOT = 1,
    ZEL2D_SYMBOL_BOX = 3,
    ZEL2D_SYMBOL_TRIANGLE = 4,
    ZEL2D_SYMBOL_DIAMOND = 5
};

/* The style of a data set, a grid or the reference line: seven ints. */
typedef struct ZelStyle {
    int pattern;      /* ZEL2D_LINE_... */
    int reserved;
    int color;        /* COLORREF of the line, and of a bar */
    int width;        /* line width in pixels */
    int symbol;       /* ZEL2D_SYMBOL_... */
    int symbol_color; /* COLORREF */
    int symbol_size;  /* pixels across */
} ZelStyle;

/* ---- Charts ------------------------------------------------------------------ */

ZEL2D_API ZELCHART ZelCreate(void);
/* Binds a window of the class ZelChart2D8 to the chart; 1 or 0. */
ZEL2D_API int ZelAttachWindow(ZELCHART chart, HWND window);
/* Frees the chart; its window, data sets and text areas stay. */
ZEL2D_API void ZelDestroy(ZELCHART chart);

/* (code, value) pairs ended by 0; 1 when every pair was taken. */
ZEL2D_API int ZelSetValues(ZELCHART chart, ...);
/* (code, &out) pairs ended by 0; 1 when every pair was read. */
ZEL2D_API int ZelGetValues(ZELCHART chart, ...);

/* ---- Text areas ----------------------------------------------------------------- */

ZEL2D_API ZELTEXT ZelTextAreaCreate(ZELCHART chart);
ZEL2D_API int ZelTextAreaSetValues(ZELTEXT area, ...);
ZEL2D_API void ZelTextAreaDestroy(ZELTEXT area);

/* ---- Data sets --------------------------------------------------------------------- */

ZEL2D_API ZELDATA ZelDataCreate(int kind, int sets, int points);
ZEL2D_API void ZelDataDestroy(ZELDATA data);
ZEL2D_API int ZelDataGetNSets(ZELDATA data);
ZEL2D_API int ZelDataGetNPoints(ZELDATA data, int set);
ZEL2D_API void ZelDataSetXElement(ZELDATA data, int set, int i, double value);
ZEL2D_API void ZelDataSetYElement(ZELDATA data, int set, int i, double value);
ZEL2D_API void ZelDataSetFirstPoint(ZELDATA data, int set, int i);
ZEL2D_API void ZelDataSetLastPoint(ZELDATA data, int set, int i);
ZEL2D_API int ZelDataGetFirstPoint(ZELDATA data, int set);
ZEL2D_API int ZelDataGetLastPoint(ZELDATA data, int set);
ZEL2D_API void ZelDataSetDisplay(ZELDATA data, int set, int mode);
ZEL2D_API int ZelDataGetDisplay(ZELDATA data, int set);

/* ---- Data styles: set n of the first (…Style) and second (…Style2) y axis. */

ZEL2D_API int ZelGetNthDataStyle(ZELCHART chart, int n, ZelStyle* style);
ZEL2D_API int ZelSetNthDataStyle(ZELCHART chart, int n, const ZelStyle* style);
ZEL2D_API int ZelGetNthDataStyle2(ZELCHART chart, int n, ZelStyle* style);
ZEL2D_API int ZelSetNthDataStyle2(ZELCHART chart, int n, const ZelStyle* style);

/* ---- Value labels and mapping ---------------------------------------------------- */

/* A text shown at `value` on axis 0 (x), 1 (y) or 2 (second y); a null text
 * removes the label at that value. */
ZEL2D_API int ZelSetValueLabel(ZELCHART chart, int axis, double value, const char* text);
/* The client pixel of data point (x, y) on y axis 1 or 2, in the layout of
 * the paint in progress (a printer's logical units while printing) or else
 * the window's. A coordinate outside its axis range (ends included) comes
 * back as -1. Returns 1 when both coordinates map. */
ZEL2D_API int ZelUnmap(ZELCHART chart, int y_axis, double x, double y, POINT* point);

#ifdef __cplusplus
} /* extern "C" */

/* ---- Typed helpers for C++ callers ------------------------------------------------
 *
 *   zel2d::SetValues(chart, zel2d::X_MIN(60.0), zel2d::X_TITLE("Crank Degrees"));
 *   double top = zel2d::GetValue(chart, zel2d::Y_MAX);
 *
 * Each property carries its class's type, so an int given for a double
 * property is converted before it enters the argument list. */
#include <tuple>

namespace zel2d {

template <int Class> struct ClassValue { using type = int; using read_type = int; };
template <> struct ClassValue<0x03> { using type = ZELDATA; using read_type = ZELDATA; };
template <> struct ClassValue<0x04> { using type = const ZelStyle*; using read_type = ZelStyle; };
template <> struct ClassValue<0x07> { using type = double; using read_type = double; };
template <> struct ClassValue<0x08> { using type = HFONT; using read_type = HFONT; };
template <> struct ClassValue<0x0C> { using type = const char*; using read_type = const char*; };
template <> struct ClassValue<0x0D> { using type = const char* const*; using read_type = const char* const*; };

template <class T>
struct Assignment {
    int code;
    T value;
};

template <int Class>
struct Property {
    using type = typename ClassValue<Class>::type;
    using read_type = typename ClassValue<Class>::read_type;
    int code;
    constexpr Assignment<type> operator()(type value) const { return {code, value}; }
};

#define ZEL2D_PROPERTY(NAME, CODE, OWNER, MEMBER, RULE) \
    inline constexpr Property<((CODE) >> 8)> NAME{CODE};
#include "zelplot2d_properties.inc"

template <class... T>
int SetValues(ZELCHART chart, Assignment<T>... pairs) {
    return std::apply([chart](auto... flat) { return ZelSetValues(chart, flat..., 0); },
                      std::tuple_cat(std::make_tuple(pairs.code, pairs.value)...));
}

template <class... T>
int TextAreaSetValues(ZELTEXT area, Assignment<T>... pairs) {
    return std::apply([area](auto... flat) { return ZelTextAreaSetValues(area, flat..., 0); },
                      std::tuple_cat(std::make_tuple(pairs.code, pairs.value)...));
}

template <int Class>
typename Property<Class>::read_type GetValue(ZELCHART chart, Property<Class> property) {
    typename Property<Class>::read_type value{};
    ZelGetValues(chart, property.code, &value, 0);
    return value;
}

}  // namespace zel2d
#endif /* __cplusplus */

#endif /* ZELPLOT2D_H */

#include "PropertyAccess.h"

#include <cmath>
#include <string>
#include <type_traits>

#include "Layout.h"
#include "Legend.h"

namespace zel2d_core {

namespace {

enum class Rule { Plain, Drawing, Color, Data, NotNegative, LegendSize, Percent, Anchor, RangeMax, RangeMin, AutoRange, Margin };

// The stored type of each type class.
template <int Class> struct FieldOf { using type = int; };
template <> struct FieldOf<0x03> { using type = ZELDATA; };
template <> struct FieldOf<0x04> { using type = ZelStyle; };
template <> struct FieldOf<0x07> { using type = double; };
template <> struct FieldOf<0x08> { using type = HFONT; };
template <> struct FieldOf<0x0C> { using type = std::string; };
template <> struct FieldOf<0x0D> { using type = const char* const*; };

// One row of the table as a case: the field's type is checked against its
// code's class, then visit(field, rule) runs.
#define ZEL2D_VISIT_ROW(RECORD, CODE, MEMBER, RULE)                                                       \
    case CODE: {                                                                                          \
        static_assert(std::is_same_v<std::decay_t<decltype(RECORD.MEMBER)>, FieldOf<((CODE) >> 8)>::type>, \
                      "a property's field must have its code class's type");                             \
        visit(RECORD.MEMBER, Rule::RULE);                                                                 \
        return true;                                                                                      \
    }

// Calls visit(field, rule) for the chart property `code`; false when the
// chart has no such property.
template <class Visit>
bool VisitChart(ZelChartRecord& chart, int code, Visit&& visit) {
    switch (code) {
#define ROW_CHART(CODE, MEMBER, RULE) ZEL2D_VISIT_ROW(chart, CODE, MEMBER, RULE)
#define ROW_AREA(CODE, MEMBER, RULE)
#define ZEL2D_PROPERTY(NAME, CODE, OWNER, MEMBER, RULE) ROW_##OWNER(CODE, MEMBER, RULE)
#include "zelplot2d_properties.inc"
#undef ROW_CHART
#undef ROW_AREA
    default: return false;
    }
}

// The same for a text area.
template <class Visit>
bool VisitArea(ZelTextAreaRecord& area, int code, Visit&& visit) {
    switch (code) {
#define ROW_AREA(CODE, MEMBER, RULE) ZEL2D_VISIT_ROW(area, CODE, MEMBER, RULE)
#define ROW_CHART(CODE, MEMBER, RULE)
#define ZEL2D_PROPERTY(NAME, CODE, OWNER, MEMBER, RULE) ROW_##OWNER(CODE, MEMBER, RULE)
#include "zelplot2d_properties.inc"
#undef ROW_CHART
#undef ROW_AREA
    default: return false;
    }
}

// Reads one value of the field's type from the list; false for a value
// that no property of the class takes (a null style, NaN or infinity).
bool ReadArg(va_list& args, int& value) { value = va_arg(args, int); return true; }
bool ReadArg(va_list& args, double& value) {
    value = va_arg(args, double);
    return std::isfinite(value);
}
bool ReadArg(va_list& args, HFONT& value) { value = va_arg(args, HFONT); return true; }
bool ReadArg(va_list& args, ZELDATA& value) { value = va_arg(args, ZELDATA); return true; }
bool ReadArg(va_list& args, ZelStyle& value) {
    const ZelStyle* style = va_arg(args, const ZelStyle*);
    if (!style) return false;
    value = *style;
    return true;
}
bool ReadArg(va_list& args, std::string& value) {
    const char* text = va_arg(args, const char*);
    value = text ? text : "";
    return true;
}
bool ReadArg(va_list& args, const char* const*& value) {
    value = va_arg(args, const char* const*);
    return true;
}

// Skips the value of a code that belongs to the other owner.
void SkipArg(va_list& args, int type_class) {
    if (type_class == 0x07) (void)va_arg(args, double);
    else if (type_class == 0x03 || type_class == 0x04 || type_class == 0x08 || type_class == 0x0C || type_class == 0x0D)
        (void)va_arg(args, void*);
    else (void)va_arg(args, int);
}

template <class T>
bool Valid(const T& value, Rule rule) {
    if constexpr (std::is_same_v<T, int> || std::is_same_v<T, double>) {
        switch (rule) {
        case Rule::Color: return value >= 0 && value <= 0xFFFFFF;
        case Rule::NotNegative: return value >= 0;
        case Rule::Percent: return value >= 1 && value <= 100;
        case Rule::LegendSize: return false;  // measured, not set
        default: return true;
        }
    } else if constexpr (std::is_same_v<T, ZELDATA>) {
        return rule != Rule::Data || !value || IsLiveData(value);
    } else {
        (void)value;
        (void)rule;
        return true;
    }
}

// The axis index (0 x, 1 y, 2 second y) of a range or automatic-range code.
int AxisOfRangeCode(int code) {
    switch (code) {
    case ZEL2D_X_MAX: case ZEL2D_X_MIN: case ZEL2D_X_AUTO_MAX: case ZEL2D_X_AUTO_MIN: return 0;
    case ZEL2D_Y_MAX: case ZEL2D_Y_MIN: case ZEL2D_Y_AUTO_MAX: case ZEL2D_Y_AUTO_MIN: return 1;
    default: return 2;
    }
}

int MarginSide(int code) {
    switch (code) {
    case ZEL2D_MARGIN_LEFT: return 0;
    case ZEL2D_MARGIN_TOP: return 1;
    case ZEL2D_MARGIN_RIGHT: return 2;
    default: return 3;
    }
}

}  // namespace

int KnownTypeClass(int code) {
    switch (code) {
#define ZEL2D_PROPERTY(NAME, CODE, OWNER, MEMBER, RULE) case CODE:
#include "zelplot2d_properties.inc"
        return (code >> 8) & 0xFF;
    default: return -1;
    }
}

namespace {

// Stores a (code, value) list into a record through `visit` (VisitChart or
// VisitArea); `adjust(code, value, rule)` applies a rule before the store.
template <class Record, class Visit, class Adjust>
int StoreList(Record& record, va_list& args, Visit&& visit, Adjust&& adjust) {
    int ok = 1;
    for (;;) {
        const int code = va_arg(args, int);
        if (code == 0) break;
        const bool known = visit(record, code, [&](auto& field, Rule rule) {
            std::decay_t<decltype(field)> value{};
            if (!ReadArg(args, value) || !Valid(value, rule)) {
                ok = 0;
                return;
            }
            adjust(code, value, rule);
            field = value;
        });
        if (!known) {
            ok = 0;
            // A code of the other owner is skipped; an unknown one ends the
            // list, since its value's size is unknown.
            const int type_class = KnownTypeClass(code);
            if (type_class < 0) break;
            SkipArg(args, type_class);
        }
    }
    return ok;
}

}  // namespace

int SetChartValues(ZelChartRecord& chart, va_list args) {
    bool refresh = false;
    const int ok = StoreList(
        chart, args, [](ZelChartRecord& c, int code, auto&& store) { return VisitChart(c, code, store); },
        [&](int code, auto& value, Rule rule) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, int>) {
                if (rule == Rule::Margin) {
                    chart.margins[MarginSide(code)].automatic = 0;
                    value = value < 0 ? 0 : value;
                }
            }
            if constexpr (std::is_same_v<T, double>) {
                if (rule == Rule::RangeMax) chart.axes[AxisOfRangeCode(code)].auto_max = 0;
                if (rule == Rule::RangeMin) chart.axes[AxisOfRangeCode(code)].auto_min = 0;
            }
            refresh = refresh || rule == Rule::AutoRange || rule == Rule::Data || rule == Rule::Drawing;
        });
    // Automatic ranges take effect at once, so that the next read sees them.
    if (refresh) RefreshAutoRanges(chart);
    Repaint(chart);
    return ok;
}

int GetChartValues(ZelChartRecord& chart, va_list args) {
    RefreshAutoRanges(chart);
    int ok = 1;
    bool have_layout = false;
    ZelLayout layout;
    for (;;) {
        const int code = va_arg(args, int);
        if (code == 0) break;
        void* out = va_arg(args, void*);
        const bool known = VisitChart(chart, code, [&](auto& field, Rule rule) {
            using T = std::decay_t<decltype(field)>;
            if (!out) {
                ok = 0;
                return;
            }
            if constexpr (std::is_same_v<T, std::string>) {
                *static_cast<const char**>(out) = field.c_str();
            } else if constexpr (std::is_same_v<T, int>) {
                int value = field;
                if (rule == Rule::Margin) {
                    if (!have_layout) layout = CurrentLayout(chart), have_layout = true;
                    value = layout.margins[MarginSide(code)];
                } else if (rule == Rule::LegendSize) {
                    HDC dc = GetDC(nullptr);
                    const SIZE size = MeasureLegend(chart, dc);
                    if (dc) ReleaseDC(nullptr, dc);
                    value = code == ZEL2D_LEGEND_WIDTH ? size.cx : size.cy;
                }
                *static_cast<int*>(out) = value;
            } else {
                *static_cast<T*>(out) = field;
            }
        });
        if (!known) {
            ok = 0;
            if (KnownTypeClass(code) < 0) break;
        }
    }
    return ok;
}

int SetAreaValues(ZelTextAreaRecord& area, va_list args) {
    const int ok = StoreList(
        area, args, [](ZelTextAreaRecord& a, int code, auto&& store) { return VisitArea(a, code, store); },
        [](int, auto&, Rule) {});
    if (IsLiveChart(area.chart)) Repaint(*area.chart);
    return ok;
}

}  // namespace zel2d_core

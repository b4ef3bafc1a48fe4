#include "access/PropertyAccess.h"

#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "data/ValueLists.h"
#include "device/AreaImage.h"
#include "device/DeviceOps.h"
#include "drawing/Contours.h"
#include "drawing/Redraw.h"
#include "drawing/Repaint.h"
#include "kernel/Helpers.h"
#include "properties/ContourStyles.h"
#include "properties/FontText.h"
#include "kernel/ExportGuard.h"

namespace {

constexpr int kLinePatternClass = 73;
constexpr int kSymbolClass = 82;

bool IsEnumerationClass(int type_class) { return type_class >= 64 && type_class <= 83; }

// Classes whose codes a chart list may carry; any other ends the walk.
bool ChartListAccepts(int type_class) {
    if (type_class < 0 || type_class > 83) return false;
    if (type_class >= 22 && type_class <= 63) return false;
    return type_class != 0 && type_class != 68 && type_class != 73 && type_class != 74 && type_class != 79 &&
           type_class != 82;
}

bool TextListAccepts(int type_class) {
    static const int accepted[] = {1, 2, 4, 7, 8, 11, 12, 14, 15, 21, 64, 68, 70, 74, 76, 79, 80, 83};
    for (int c : accepted)
        if (c == type_class) return true;
    return false;
}

int TypeClassOf(int code) { return code >> 8; }

PropertyValue ReadListValue(va_list& args, int code) {
    PropertyValue value;
    switch (zel3d_storage_of(code)) {
    case Storage::Double: value.d = va_arg(args, double); break;
    case Storage::Pointer: value.p = va_arg(args, const void*); break;
    default: value.i = va_arg(args, int); break;
    }
    return value;
}

void WriteListValue(void* out, int code, const PropertyValue& value) {
    if (!out) return;
    switch (zel3d_storage_of(code)) {
    case Storage::Double: memcpy(out, &value.d, sizeof value.d); break;
    case Storage::Pointer: memcpy(out, &value.p, sizeof value.p); break;
    default: memcpy(out, &value.i, sizeof value.i); break;
    }
}

bool ValidPattern(int pattern) { return zel3d_enum_has_value(kLinePatternClass, pattern); }

bool ValidContourStyles(const Zel3dContourStyle* const* list) {
    for (int i = 0; list && list[i]; ++i)
        if (!ValidPattern(list[i]->line_pattern)) return false;
    return true;
}

bool ValidDataStyles(const Zel3dDataStyle* const* list) {
    for (int i = 0; list && list[i]; ++i)
        if (!ValidPattern(list[i]->line.pattern) || !zel3d_enum_has_value(kSymbolClass, list[i]->symbol.shape))
            return false;
    return true;
}

bool SameStrings(const char* const* a, const char* const* b) {
    int count = zel3d_list_count(reinterpret_cast<const void* const*>(a));
    if (count != zel3d_list_count(reinterpret_cast<const void* const*>(b))) return false;
    for (int i = 0; i < count; ++i)
        if (strcmp(a[i], b[i]) != 0) return false;
    return true;
}

// Replaces an int, reporting a change.
bool StoreInt(int& target, int value) {
    if (target == value) return false;
    target = value;
    return true;
}

bool StoreDouble(double& target, double value) {
    if (target == value) return false;
    target = value;
    return true;
}

// Applies a rule's clamp or refusal to the incoming value; false refuses.
bool AdjustValue(const Zel3dChart* chart, const PropertyRow& row, PropertyValue& value) {
    if (zel3d_storage_of(row.code) == Storage::Double && !std::isfinite(value.d)) return false;
    switch (row.rule) {
    case SetRule::StrokeSize:
        value.i = zel3d_check_range(chart, value.i, 1, 1000, true, 80, "Illegal stroke font size");
        return true;
    case SetRule::BorderWidth:
        value.i = value.i >= 21 ? 20 : value.i < 0 ? 0 : value.i;
        return true;
    case SetRule::Absolute:
        value.i = value.i == INT_MIN ? INT_MAX : abs(value.i);
        return true;
    case SetRule::DistnLevels:
        value.i = zel3d_check_range(chart, value.i, 0, 100, true, 10, "Illegal number of distn levels");
        return true;
    case SetRule::ProjectionBits: value.i &= 3; return true;
    case SetRule::PlaneBits: value.i &= 7; return true;
    case SetRule::MeshFilter: value.i = value.i < 1 ? 0 : value.i; return true;
    case SetRule::ZAnnoMethod: value.i = value.i == 2 ? 1 : value.i; return true;
    case SetRule::Percent: value.d = value.d < 0.0 ? 0.0 : value.d > 100.0 ? 100.0 : value.d; return true;
    case SetRule::AtLeastOne: return value.d >= 1.0;
    case SetRule::Positive: return value.d > 0.0;
    case SetRule::AutoWhite: value.i = value.i == -1 ? 0xFFFFFF : value.i; return true;
    case SetRule::AutoBlack:
    case SetRule::Foreground: value.i = value.i == -1 ? 0 : value.i; return true;
    case SetRule::AutoSurfaceTop: value.i = value.i == -1 ? 0xD3D3D3 : value.i; return true;
    case SetRule::AutoSurfaceBottom: value.i = value.i == -1 ? 0x707070 : value.i; return true;
    default: return true;
    }
}

bool StoreFont(Zel3dChart* chart, FontRecord& font, const void* handle) {
    LOGFONTA logfont;
    if (!handle || GetObjectA(static_cast<HFONT>(const_cast<void*>(handle)), sizeof logfont, &logfont) != sizeof logfont)
        return false;
    font.logfont = logfont;
    zel3d_recreate_font(font);
    if (chart) zel3d_font_metrics(chart, &font);
    return true;
}

bool StoreDataSet(Zel3dChart* chart, const PropertyRow& row, Zel3dData*& target, const void* data) {
    target = static_cast<Zel3dData*>(const_cast<void*>(data));
    DataView& view = row.rule == SetRule::ZoneData ? chart->zone_view : chart->surface_view;
    zel3d_data_view_free(&view);
    zel3d_data_view_build(target, &view);
    zel3d_reset_contours(chart);
    return true;
}

bool StoreDistnTable(Zel3dChart* chart, Zel3dDistnTable*& target, const void* pointer) {
    const Zel3dDistnTable* table = static_cast<const Zel3dDistnTable*>(pointer);
    Zel3dDistnTable* copy = nullptr;
    if (table) {
        bool consistent = (table->count > 0 && table->levels) || (table->count == 0 && !table->levels);
        if (!consistent) {
            zel3d_debug_printf(chart, "Corrupted distn table: Not changed");
            return false;
        }
        copy = zel3d_distn_table_copy(table, 1);
        if (!copy) return false;
    }
    zel3d_distn_table_free(target);
    target = copy;
    zel3d_reset_contours(chart);
    return true;
}

bool StoreDataStyles(DataStyleList& list, const void* pointer) {
    const Zel3dDataStyle* const* styles = static_cast<const Zel3dDataStyle* const*>(pointer);
    if (!ValidDataStyles(styles)) return false;
    Zel3dDataStyle** copy = zel3d_data_styles_dup(styles);
    if (styles && !copy) return false;
    zel3d_data_styles_free(list.items);
    list.items = copy;
    list.count = zel3d_list_count(reinterpret_cast<void* const*>(copy));
    list.use_default = (list.use_default == 2 && !copy) ? 1 : 0;
    return true;
}

bool StoreContourStyles(Zel3dChart* chart, ContourStyleList& list, const void* pointer) {
    const Zel3dContourStyle* const* styles = static_cast<const Zel3dContourStyle* const*>(pointer);
    if (!ValidContourStyles(styles)) return false;
    int count = 0;
    Zel3dContourStyle** copy = zel3d_cstyles_copy(styles, &count);
    if (!copy) {
        zel3d_default_cstyles(chart);
        return true;
    }
    zel3d_cstyles_free(list.items);
    list.items = copy;
    list.count = count;
    return true;
}

// Stores a value into its member; true when something changed.
bool StoreValue(Zel3dChart* chart, const PropertyRow& row, void* target, const PropertyValue& value) {
    switch (row.kind) {
    case ValueKind::Int:
        return StoreInt(*static_cast<int*>(target), value.i);
    case ValueKind::Defaulted: {
        DefaultedInt& position = *static_cast<DefaultedInt*>(target);
        bool changed = StoreInt(position.value, value.i);
        return StoreInt(position.use_default, 0) || changed;
    }
    case ValueKind::Limit: {
        AxisLimit& limit = *static_cast<AxisLimit*>(target);
        bool changed = StoreDouble(limit.value, value.d);
        if (value.d != kUnsetDouble) changed = StoreInt(limit.use_default, 0) || changed;
        return changed;
    }
    case ValueKind::Double:
        return StoreDouble(*static_cast<double*>(target), value.d);
    case ValueKind::Color: {
        ColorRecord& record = *static_cast<ColorRecord*>(target);
        if (record.color == value.i) return false;
        record = {value.i, -1, -1};
        return true;
    }
    case ValueKind::String: {
        char*& text = *static_cast<char**>(target);
        const char* given = static_cast<const char*>(value.p);
        if (zel3d_strequal(text, given)) return false;
        char* copy = zel3d_strdup(given);
        if (given && !copy) return false;
        free(text);
        text = copy;
        return true;
    }
    case ValueKind::StringList: {
        StringList& list = *static_cast<StringList*>(target);
        const char* const* given = static_cast<const char* const*>(value.p);
        if (SameStrings(list.items, given)) return false;
        char** copy = zel3d_strings_dup(given);
        if (given && !copy) return false;
        zel3d_strings_free(list.items);
        list.items = copy;
        list.count = zel3d_list_count(reinterpret_cast<void* const*>(copy));
        return true;
    }
    case ValueKind::ValueLabels: {
        ValueLabelList& list = *static_cast<ValueLabelList*>(target);
        const Zel3dValueLabel* const* given = static_cast<const Zel3dValueLabel* const*>(value.p);
        Zel3dValueLabel** copy = zel3d_value_labels_dup(given);
        if (given && !copy) return false;
        zel3d_value_labels_free(list.items);
        list.items = zel3d_sort_value_labels(copy);
        list.count = zel3d_list_count(reinterpret_cast<void* const*>(list.items));
        return true;
    }
    case ValueKind::XYColors: {
        XYColorList& list = *static_cast<XYColorList*>(target);
        const Zel3dXYColor* const* given = static_cast<const Zel3dXYColor* const*>(value.p);
        Zel3dXYColor** copy = zel3d_xy_colors_dup_unique(given);
        if (given && given[0] && !copy) return false;
        zel3d_xy_colors_free(list.items);
        list.items = copy;
        list.count = zel3d_list_count(reinterpret_cast<void* const*>(copy));
        return true;
    }
    case ValueKind::DataStyles:
        return StoreDataStyles(*static_cast<DataStyleList*>(target), value.p);
    case ValueKind::ContourStyles:
        return StoreContourStyles(chart, *static_cast<ContourStyleList*>(target), value.p);
    case ValueKind::DistnTable:
        return StoreDistnTable(chart, *static_cast<Zel3dDistnTable**>(target), value.p);
    case ValueKind::GridStyle: {
        GridLineStyle& style = *static_cast<GridLineStyle*>(target);
        const Zel3dLineStyle* given = static_cast<const Zel3dLineStyle*>(value.p);
        if (!given || !ValidPattern(given->pattern)) return false;
        style.current = *given;
        style.use_default = 0;
        return true;
    }
    case ValueKind::Font:
        return StoreFont(chart, *static_cast<FontRecord*>(target), value.p);
    case ValueKind::Image: {
        ImageSlot& slot = *static_cast<ImageSlot*>(target);
        const char* name = static_cast<const char*>(value.p);
        if (zel3d_strequal(slot.file_name, name)) return false;
        char* copy = zel3d_strdup(name);
        if (name && !copy) return false;
        zel3d_image_slot_free(&slot, true);
        slot.file_name = copy;
        return true;
    }
    case ValueKind::Data:
        return StoreDataSet(chart, row, *static_cast<Zel3dData**>(target), value.p);
    case ValueKind::Function: {
        Zel3dLegendLabelFunc& function = *static_cast<Zel3dLegendLabelFunc*>(target);
        Zel3dLegendLabelFunc given = reinterpret_cast<Zel3dLegendLabelFunc>(const_cast<void*>(value.p));
        if (function == given) return false;
        function = given;
        return true;
    }
    }
    return false;
}

// Damage of a change, and what follows it. Returns the set result.
int AfterChange(Zel3dChart* chart, const PropertyRow& row, const PropertyValue& value, int previous) {
    int damage = row.damage;
    switch (row.rule) {
    case SetRule::Offscreen:
        zel3d_make_offscreen(chart);
        break;
    case SetRule::StoreOnly:
        return 0;
    case SetRule::Foreground:
    case SetRule::GraphForeground:
        zel3d_reset_grid_line_styles(chart);
        break;
    case SetRule::GridStyleFlag:
        if (value.i) zel3d_reset_grid_line_styles(chart);
        break;
    case SetRule::LimitFlag:
        if (!value.i) damage = 0;
        if (value.i) zel3d_reset_contours(chart);
        break;
    case SetRule::ResetContours:
    case SetRule::DistnLevels:
        zel3d_reset_contours(chart);
        break;
    case SetRule::DataStylesFlag:
        if (value.i) {
            zel3d_data_styles_free(chart->data_styles.items);
            chart->data_styles.items = nullptr;
            chart->data_styles.count = 0;
        } else if (!chart->data_styles.items) {
            chart->data_styles.use_default = 1;
        }
        break;
    case SetRule::AttachMethod:
        damage = (previous == 1) != (value.i == 1) ? kDamageAll : kDamageGraph;
        break;
    default:
        break;
    }
    chart->damage_mask |= damage;
    chart->up_to_date = 0;
    return 1;
}

// The setters' common road: enumeration check, clamps and refusals, store,
// then damage and side effects.
int Store(Zel3dChart* chart, void* record_member, const PropertyRow& row, PropertyValue value) {
    int type_class = TypeClassOf(row.code);
    if (IsEnumerationClass(type_class) && !zel3d_enum_has_value(type_class, value.i)) return 0;
    if (row.rule == SetRule::ReadOnly) return 0;
    if (!AdjustValue(chart, row, value)) return 0;
    int previous = row.kind == ValueKind::Int ? *static_cast<int*>(record_member) : 0;
    if (!StoreValue(chart, row, record_member, value)) return 0;
    return AfterChange(chart, row, value, previous);
}

PropertyValue ReadMember(const PropertyRow& row, void* member) {
    PropertyValue value;
    switch (row.kind) {
    case ValueKind::Int: value.i = *static_cast<int*>(member); break;
    case ValueKind::Defaulted: value.i = static_cast<DefaultedInt*>(member)->value; break;
    case ValueKind::Limit: value.d = static_cast<AxisLimit*>(member)->value; break;
    case ValueKind::Double: value.d = *static_cast<double*>(member); break;
    case ValueKind::Color: value.i = static_cast<ColorRecord*>(member)->color; break;
    case ValueKind::String: value.p = *static_cast<char**>(member); break;
    case ValueKind::StringList: value.p = static_cast<StringList*>(member)->items; break;
    case ValueKind::ValueLabels: value.p = static_cast<ValueLabelList*>(member)->items; break;
    case ValueKind::XYColors: value.p = static_cast<XYColorList*>(member)->items; break;
    case ValueKind::DataStyles: value.p = static_cast<DataStyleList*>(member)->items; break;
    case ValueKind::ContourStyles: value.p = static_cast<ContourStyleList*>(member)->items; break;
    case ValueKind::DistnTable: value.p = *static_cast<Zel3dDistnTable**>(member); break;
    case ValueKind::GridStyle: value.p = static_cast<GridLineStyle*>(member)->handed_out; break;
    case ValueKind::Font: value.p = static_cast<FontRecord*>(member)->handle; break;
    case ValueKind::Image: value.p = static_cast<ImageSlot*>(member)->file_name; break;
    case ValueKind::Data: value.p = *static_cast<Zel3dData**>(member); break;
    case ValueKind::Function:
        value.p = reinterpret_cast<const void*>(*static_cast<Zel3dLegendLabelFunc*>(member));
        break;
    }
    return value;
}

// Walks a get list, writing each value by its class; stops at a class that
// `accepts` refuses.
int GetList(Zel3dChart* chart, Zel3dText* text, bool is_text, bool (*accepts)(int), va_list& args) {
    int last = 0;
    for (;;) {
        int code = va_arg(args, int);
        if (code == 0) break;
        if (!accepts(TypeClassOf(code))) {
            zel3d_debug_printf(chart, is_text ? "Zel3dTextGetValues: Unknown resource type"
                                              : "Zel3dGetValues: Unknown resource type");
            break;
        }
        void* out = va_arg(args, void*);
        PropertyValue value;
        get_resource(chart, text, code, is_text, &value);
        WriteListValue(out, code, value);
        last = value.i;
    }
    return last;
}

void BringUpToDate(Zel3dChart* chart) {
    if (!chart->up_to_date) zel3d_bring_up_to_date(chart, chart->damage_mask);
}

}  // namespace

int set_resource(Zel3dChart* chart, int code, const PropertyValue& value) {
    const PropertyRow* row = zel3d_property_descriptor(code);
    if (!row || row->rule == SetRule::Unsettable) {
        zel3d_debug_printf(chart, "Error in set_resource: Unknown resource");
        return -1;
    }
    if (row->owner != Owner::CHART) return 0;
    return Store(chart, row->locate(chart), *row, value);
}

int text_set_resource(Zel3dText* text, int code, const PropertyValue& value) {
    const PropertyRow* row = zel3d_property_descriptor(code);
    if (!row || row->owner != Owner::TEXT) {
        zel3d_debug_printf(text->chart, "Error in text_set_resource: Unknown resource");
        return row ? 0 : -1;
    }
    return Store(text->chart, row->locate(text), *row, value);
}

bool get_resource(Zel3dChart* chart, Zel3dText* text, int code, bool is_text, PropertyValue* value) {
    *value = PropertyValue();
    const PropertyRow* row = zel3d_property_descriptor(code);
    if (!row) {
        zel3d_debug_printf(chart, "get_resource: Unknown resource type");
        return false;
    }
    bool text_code = row->owner == Owner::TEXT;
    if (text_code != is_text) {
        zel3d_debug_printf(chart, is_text ? "get_resource: Expecting a text resource"
                                          : "get_resource: Not expecting a text resource");
        return false;
    }
    void* member = zel3d_property_address(*row, chart, text);
    if (!member) return false;
    *value = ReadMember(*row, member);
    return true;
}

int zel3d_check_range(const Zel3dChart* chart, int value, int min, int max, bool use_fallback, int fallback,
                      const char* name) {
    if (value >= min && value <= max) return value;
    zel3d_debug_printf(chart, "%s must be between %d and %d", name, min, max);
    if (value > max) return use_fallback ? fallback : max;
    return min;
}

void zel3d_extend_data_styles(Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    if (!view.valid) return;
    int needed = view.type == ZEL3D_DATA_POINT ? view.nseries : 1;
    DataStyleList& list = chart->data_styles;
    if (list.count >= needed || !list.defaults) return;
    Zel3dDataStyle** grown =
        static_cast<Zel3dDataStyle**>(realloc(list.items, (size_t(needed) + 1) * sizeof(Zel3dDataStyle*)));
    if (!grown) return;
    list.items = grown;
    for (; list.count < needed; ++list.count) {
        Zel3dDataStyle* style = static_cast<Zel3dDataStyle*>(malloc(sizeof(Zel3dDataStyle)));
        if (!style) break;
        *style = list.defaults[list.count % kDefaultDataStyleCount];
        list.items[list.count] = style;
    }
    list.items[list.count] = nullptr;
}

namespace {

// The pairs of a chart's value list, stored with drawing held back; the
// repaint flag to restore is kept in `saved_repaint` (REPAINT in the list
// changes it).
int SetChartList(Zel3dChart* chart, va_list args, int* saved_repaint) {
    chart->repaint = 0;
    for (;;) {
        int code = va_arg(args, int);
        if (code == 0) break;
        if (!ChartListAccepts(TypeClassOf(code))) {
            // The pairs before stay stored; nothing is drawn.
            chart->repaint = *saved_repaint;
            return 0;
        }
        set_resource(chart, code, ReadListValue(args, code));
        if (code == ZEL3D_REPAINT) {
            *saved_repaint = chart->repaint;
            chart->repaint = 0;
        }
    }
    zel3d_extend_data_styles(chart);
    chart->repaint = *saved_repaint;
    if (chart->damage_mask) zel3d_normalize_scales(chart);
    return zel3d_repaint(chart, 0);
}

int SetTextList(Zel3dText* text, va_list args) {
    for (;;) {
        int code = va_arg(args, int);
        if (code == 0) break;
        if (!TextListAccepts(TypeClassOf(code))) return 0;
        text_set_resource(text, code, ReadListValue(args, code));
    }
    return zel3d_repaint(text->chart, 0);
}

}  // namespace

extern "C" {

ZEL3D_API int Zel3dSetValues(Zel3dChart* chart, ...) {
    if (!chart) return 0;
    va_list args;
    va_start(args, chart);
    int saved_repaint = chart->repaint;
    int result = 0;
    try {
        result = SetChartList(chart, args, &saved_repaint);
    } catch (...) {
        chart->repaint = saved_repaint;
        result = zel3d_export_failure<int>(0);
    }
    va_end(args);
    return result;
}

ZEL3D_API int Zel3dTextSetValues(Zel3dText* text, ...) {
    if (!text) return 0;
    va_list args;
    va_start(args, text);
    int result = 0;
    try {
        result = SetTextList(text, args);
    } catch (...) {
        result = zel3d_export_failure<int>(0);
    }
    va_end(args);
    return result;
}

ZEL3D_API int Zel3dGetValues(Zel3dChart* chart, ...) {
    if (!chart) return 0;
    va_list args;
    va_start(args, chart);
    int last = 0;
    try {
        BringUpToDate(chart);
        last = GetList(chart, nullptr, false, ChartListAccepts, args);
    } catch (...) {
        last = zel3d_export_failure<int>(0);
    }
    va_end(args);
    return last;
}

ZEL3D_API int Zel3dTextGetValues(Zel3dText* text, ...) {
    if (!text) return 0;
    va_list args;
    va_start(args, text);
    int last = 0;
    try {
        BringUpToDate(text->chart);
        last = GetList(text->chart, text, true, TextListAccepts, args);
    } catch (...) {
        last = zel3d_export_failure<int>(0);
    }
    va_end(args);
    return last;
}

static void ValueInfo(int n, bool text_rows, int* code, const char** name) {
    const PropertyRow* table = zel3d_property_table();
    if (n < 0) {
        if (code) *code = table[0].code;
        if (name) *name = table[0].name;
        return;
    }
    for (const PropertyRow* row = table; row->code != -1; ++row) {
        if ((row->owner != Owner::CHART) != text_rows || n-- > 0) continue;
        if (code) *code = row->code;
        if (name) *name = row->name;
        return;
    }
    if (name) *name = nullptr;
}

ZEL3D_API void Zel3dGetValueInfo(int n, int* code, const char** name) try {
    ValueInfo(n, false, code, name);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API void Zel3dTextGetValueInfo(int n, int* code, const char** name) try {
    ValueInfo(n, true, code, name);
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"

// Properties set and read as text, one at a time.
#include <cstdlib>
#include <cstring>

#include "access/PropertyAccess.h"
#include "drawing/Redraw.h"
#include "drawing/Repaint.h"
#include "properties/ValueText.h"
#include "kernel/ExportGuard.h"

namespace {

// Converts a text to a new value of the code's class; false on failure.
bool Convert(int code, const char* text, PropertyValue& value) {
    int type_class = code >> 8;
    if (type_class == 8) return zel3d_parse_font(text, value);
    if (type_class == 21) return zel3d_parse_string(text, type_class, value);
    const TypeClassRow* row = zel3d_type_class_row(type_class);
    return row && row->parse && row->parse(text, type_class, value);
}

// Prints a value of the code's class; the printed length (at least 1), or 0.
int Print(int code, const PropertyValue& value, char** text) {
    int type_class = code >> 8;
    char* printed = nullptr;
    if (type_class == 8) {
        printed = zel3d_print_font(static_cast<HFONT>(const_cast<void*>(value.p)));
    } else if (type_class == 21) {
        printed = zel3d_print_string(type_class, value);
    } else {
        const TypeClassRow* row = zel3d_type_class_row(type_class);
        if (row && row->print) printed = row->print(type_class, value);
    }
    *text = printed;
    if (!printed) return 0;
    int length = int(strlen(printed));
    return length > 0 ? length : 1;
}

}  // namespace

extern "C" {

ZEL3D_API int Zel3dSetPropString(Zel3dChart* chart, int code, const char* text) try {
    const PropertyRow* row = zel3d_property_descriptor(code);
    if (!chart || !text || !row || row->owner != Owner::CHART) return 0;
    PropertyValue value;
    if (!Convert(code, text, value)) return 0;
    set_resource(chart, code, value);
    if ((code >> 8) == 6) {
        zel3d_extend_data_styles(chart);
    } else {
        zel3d_free_parsed_value(code >> 8, value);
    }
    zel3d_normalize_scales(chart);
    zel3d_repaint(chart, 0);
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dTextSetPropString(Zel3dText* text, int code, const char* value_text) try {
    if (!text || !value_text || !zel3d_is_text_resource(code)) return 0;
    PropertyValue value;
    if (!Convert(code, value_text, value)) return 0;
    text_set_resource(text, code, value);
    zel3d_free_parsed_value(code >> 8, value);
    zel3d_repaint(text->chart, 0);
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dGetPropString(Zel3dChart* chart, int code, char** text) try {
    if (text) *text = nullptr;
    const PropertyRow* row = zel3d_property_descriptor(code);
    if (!chart || !text || !row || row->owner == Owner::TEXT) return 0;
    if (!chart->up_to_date) zel3d_bring_up_to_date(chart, chart->damage_mask);
    PropertyValue value;
    if (!get_resource(chart, nullptr, code, false, &value)) return 0;
    return Print(code, value, text);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dTextGetPropString(Zel3dText* text, int code, char** value_text) try {
    if (value_text) *value_text = nullptr;
    if (!text || !value_text || !zel3d_is_text_resource(code)) return 0;
    if (!text->chart->up_to_date) zel3d_bring_up_to_date(text->chart, text->chart->damage_mask);
    PropertyValue value;
    if (!get_resource(text->chart, text, code, true, &value)) return 0;
    return Print(code, value, value_text);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API void Zel3dFreePropString(char* text) try {
    free(text);
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"

// One element of a list property read or changed in place: the n-th line
// of the header, footer and legend texts, the n-th data label of an axis,
// one value label and one data style. Each change repaints the area the
// list belongs to.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "chart/Chart.h"
#include "data/ValueLists.h"
#include "drawing/Repaint.h"
#include "kernel/ExportGuard.h"
#include "kernel/Helpers.h"

namespace {

// Axis numbers of the value-label and data-label calls outside their range
// give this, never a success value.
constexpr int kBadAxis = -1;

// Sets element n of a string list (see the header of this file); false when
// nothing changed.
bool SetNthString(StringList& list, int n, const char* text) {
    if (n < 0 || !text || (list.count > 0 && !list.items)) return false;
    char* copy = zel3d_strdup(text);
    if (!copy) return false;
    if (n < list.count) {
        free(list.items[n]);
        list.items[n] = copy;
        return true;
    }
    char** grown = static_cast<char**>(realloc(list.items, sizeof(char*) * (size_t(n) + 2)));
    if (!grown) {
        free(copy);
        return false;
    }
    list.items = grown;
    for (int k = list.count; k < n; ++k) {
        grown[k] = zel3d_strdup("");
        if (!grown[k]) {  // keep the list whole: it ends where the copies stop
            grown[k] = nullptr;
            list.count = k;
            free(copy);
            return k > 0;
        }
    }
    grown[n] = copy;
    grown[n + 1] = nullptr;
    list.count = n + 1;
    return true;
}

const char* NthString(const StringList& list, int n) {
    return list.items && n >= 0 && n < list.count ? list.items[n] : nullptr;
}

int SetAreaString(Zel3dChart* chart, StringList& list, int mask, int n, const char* text) {
    if (!SetNthString(list, n, text)) return 0;
    return zel3d_repaint(chart, mask);
}

StringList* DataLabels(Zel3dChart* chart, int axis) {
    if (axis == 0) return &chart->x_axis.data_labels;
    if (axis == 1) return &chart->y_axis.data_labels;
    return nullptr;
}

ValueLabelList* ValueLabels(Zel3dChart* chart, int axis) {
    switch (axis) {
    case 0: return &chart->x_axis.value_labels;
    case 1: return &chart->y_axis.value_labels;
    case 2: return &chart->z_axis.value_labels;
    default: return nullptr;
    }
}

void FreeValueLabel(Zel3dValueLabel* label) {
    free(label->label);
    free(label);
}

// Stores `label` in the sorted list: a new text for an equal value, a
// removal for a null text, an insertion for a new value; false when
// nothing changed.
bool StoreValueLabel(ValueLabelList& list, const Zel3dValueLabel& label) {
    int at = 0;
    while (at < list.count && list.items[at]->value < label.value) ++at;
    bool equal = at < list.count && list.items[at]->value == label.value;
    if (equal && !label.label) {
        FreeValueLabel(list.items[at]);
        memmove(list.items + at, list.items + at + 1, sizeof(Zel3dValueLabel*) * size_t(list.count - at));
        if (--list.count == 0) {
            free(list.items);
            list.items = nullptr;
        }
        return true;
    }
    if (!label.label) return false;
    char* text = zel3d_strdup(label.label);
    if (!text) return false;
    if (equal) {
        free(list.items[at]->label);
        list.items[at]->label = text;
        return true;
    }
    auto* entry = static_cast<Zel3dValueLabel*>(calloc(1, sizeof(Zel3dValueLabel)));
    auto** grown = static_cast<Zel3dValueLabel**>(
        realloc(list.items, sizeof(Zel3dValueLabel*) * (size_t(list.count) + 2)));
    if (!entry || !grown) {
        free(entry);
        free(text);
        if (grown) list.items = grown;
        return false;
    }
    entry->value = label.value;
    entry->label = text;
    memmove(grown + at + 1, grown + at, sizeof(Zel3dValueLabel*) * size_t(list.count - at));
    grown[at] = entry;
    grown[++list.count] = nullptr;
    list.items = grown;
    return true;
}

// Series the surface data draws: each needs a data style of its own.
int SeriesCount(const Zel3dChart* chart) {
    const Zel3dData* data = chart->surface_data;
    if (!data) return 0;
    return data->type == ZEL3D_DATA_POINT ? data->point.nseries : 1;
}

Zel3dDataStyle* StyleCopy(const Zel3dDataStyle& style) {
    auto* copy = static_cast<Zel3dDataStyle*>(malloc(sizeof(Zel3dDataStyle)));
    if (copy) *copy = style;
    return copy;
}

// Room for `count` styles and the terminator; false when out of memory.
bool ReserveStyles(DataStyleList& list, int count) {
    auto** grown = static_cast<Zel3dDataStyle**>(realloc(list.items, sizeof(Zel3dDataStyle*) * (size_t(count) + 1)));
    if (!grown) return false;
    list.items = grown;
    return true;
}

const Zel3dDataStyle& DefaultStyle(const Zel3dChart* chart, int n) {
    const Zel3dDataStyle* defaults = chart->data_styles.defaults ? chart->data_styles.defaults
                                                                 : zel3d_default_data_styles(32);
    return defaults[n % kDefaultDataStyleCount];
}

int StylesChanged(Zel3dChart* chart) {
    chart->data_styles.use_default = 0;
    return zel3d_repaint(chart, kDamageAll);
}

}  // namespace

extern "C" {

ZEL3D_API int Zel3dSetNthHeaderString(Zel3dChart* chart, int n, const char* text) try {
    return chart ? SetAreaString(chart, chart->header.strings, kDamageHeader, n, text) : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API const char* Zel3dGetNthHeaderString(Zel3dChart* chart, int n) try {
    return chart ? NthString(chart->header.strings, n) : nullptr;
} catch (...) {
    return zel3d_export_failure<const char*>(nullptr);
}

ZEL3D_API int Zel3dSetNthFooterString(Zel3dChart* chart, int n, const char* text) try {
    return chart ? SetAreaString(chart, chart->footer.strings, kDamageFooter, n, text) : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API const char* Zel3dGetNthFooterString(Zel3dChart* chart, int n) try {
    return chart ? NthString(chart->footer.strings, n) : nullptr;
} catch (...) {
    return zel3d_export_failure<const char*>(nullptr);
}

ZEL3D_API int Zel3dSetNthLegendString(Zel3dChart* chart, int n, const char* text) try {
    return chart ? SetAreaString(chart, chart->legend.strings, kDamageLegend, n, text) : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API const char* Zel3dGetNthLegendString(Zel3dChart* chart, int n) try {
    return chart ? NthString(chart->legend.strings, n) : nullptr;
} catch (...) {
    return zel3d_export_failure<const char*>(nullptr);
}

ZEL3D_API int Zel3dSetNthDataLabel(Zel3dChart* chart, int axis, int n, const char* text) try {
    if (!chart) return 0;
    StringList* labels = DataLabels(chart, axis);
    if (!labels) return kBadAxis;
    if (!SetNthString(*labels, n, text) || !chart->ready_to_draw) return 0;
    return zel3d_repaint(chart, kDamageGraph);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API const char* Zel3dGetNthDataLabel(Zel3dChart* chart, int axis, int n) try {
    StringList* labels = chart ? DataLabels(chart, axis) : nullptr;
    return labels ? NthString(*labels, n) : nullptr;
} catch (...) {
    return zel3d_export_failure<const char*>(nullptr);
}

ZEL3D_API int Zel3dSetValueLabel(Zel3dChart* chart, int axis, const Zel3dValueLabel* label) try {
    if (!chart || !label) return 0;
    ValueLabelList* list = ValueLabels(chart, axis);
    if (!list) return kBadAxis;
    if (!StoreValueLabel(*list, *label) || !chart->ready_to_draw) return 0;
    return zel3d_repaint(chart, kDamageGraph);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API const Zel3dValueLabel* Zel3dGetValueLabel(Zel3dChart* chart, int axis, const double* value) try {
    static Zel3dValueLabel found;
    ValueLabelList* list = chart && value ? ValueLabels(chart, axis) : nullptr;
    if (!list || !list->items || list->count <= 0) return nullptr;
    const Zel3dValueLabel* nearest = list->items[0];
    for (int k = 1; k < list->count; ++k)
        if (std::fabs(list->items[k]->value - *value) < std::fabs(nearest->value - *value)) nearest = list->items[k];
    found = *nearest;
    return &found;
} catch (...) {
    return zel3d_export_failure<const Zel3dValueLabel*>(nullptr);
}

ZEL3D_API int Zel3dSetNthDataStyle(Zel3dChart* chart, int n, const Zel3dDataStyle* style) try {
    if (!chart || n < 0 || !style) return 0;
    DataStyleList& list = chart->data_styles;
    if (n < list.count) {
        *list.items[n] = *style;
        return StylesChanged(chart);
    }
    if (!ReserveStyles(list, n + 1)) return 0;
    for (int k = list.count; k <= n; ++k) {
        list.items[k] = StyleCopy(k == n ? *style : DefaultStyle(chart, k));
        if (!list.items[k]) break;
        list.count = k + 1;
    }
    list.items[list.count] = nullptr;
    return StylesChanged(chart);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API const Zel3dDataStyle* Zel3dGetNthDataStyle(Zel3dChart* chart, int n) try {
    static Zel3dDataStyle copy;
    if (!chart || n < 0) return nullptr;
    copy = zel3d_data_style(chart, n);
    return &copy;
} catch (...) {
    return zel3d_export_failure<const Zel3dDataStyle*>(nullptr);
}

ZEL3D_API int Zel3dInsertNthDataStyle(Zel3dChart* chart, int n, const Zel3dDataStyle* style) try {
    if (!chart) return 0;
    DataStyleList& list = chart->data_styles;
    if (n < 0 || n > list.count) return 0;
    Zel3dDataStyle* entry = StyleCopy(style ? *style : DefaultStyle(chart, n));
    if (!entry || !ReserveStyles(list, list.count + 1)) {
        free(entry);
        return 0;
    }
    memmove(list.items + n + 1, list.items + n, sizeof(Zel3dDataStyle*) * size_t(list.count - n));
    list.items[n] = entry;
    list.items[++list.count] = nullptr;
    StylesChanged(chart);
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dRemoveNthDataStyle(Zel3dChart* chart, int n) try {
    if (!chart) return 0;
    DataStyleList& list = chart->data_styles;
    if (n < 0 || n >= list.count || list.count <= SeriesCount(chart)) return 0;
    free(list.items[n]);
    memmove(list.items + n, list.items + n + 1, sizeof(Zel3dDataStyle*) * size_t(list.count - n));
    if (--list.count == 0) {
        free(list.items);
        list.items = nullptr;
        list.use_default = 1;
    }
    zel3d_repaint(chart, kDamageAll);
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"

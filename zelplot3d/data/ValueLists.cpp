#include "data/ValueLists.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "kernel/Helpers.h"
#include "kernel/ExportGuard.h"

namespace {

// Copies a null-ended list item by item; a failed item frees the copy.
template <class T, class CopyItem, class FreeList>
T** DupList(const T* const* list, CopyItem copy_item, FreeList free_list) {
    if (!list) return nullptr;
    int count = zel3d_list_count(reinterpret_cast<const void* const*>(list));
    T** copy = static_cast<T**>(calloc(size_t(count) + 1, sizeof(T*)));
    if (!copy) return nullptr;
    for (int i = 0; i < count; ++i) {
        copy[i] = copy_item(*list[i]);
        if (!copy[i]) {
            free_list(copy);
            return nullptr;
        }
    }
    return copy;
}

template <class T>
T* CopyPlain(const T& item) {
    T* copy = static_cast<T*>(malloc(sizeof(T)));
    if (copy) *copy = item;
    return copy;
}

template <class T>
void FreePlainList(T** list) {
    if (!list) return;
    for (T** item = list; *item; ++item) free(*item);
    free(list);
}

Zel3dValueLabel* CopyValueLabel(const Zel3dValueLabel& label) {
    Zel3dValueLabel* copy = CopyPlain(label);
    if (!copy) return nullptr;
    copy->label = zel3d_strdup(label.label);
    if (label.label && !copy->label) {
        free(copy);
        return nullptr;
    }
    return copy;
}

}  // namespace

int zel3d_list_count(const void* const* list) {
    int count = 0;
    while (list && list[count]) ++count;
    return count;
}

char** zel3d_strings_dup(const char* const* list) {
    if (!list) return nullptr;
    int count = zel3d_list_count(reinterpret_cast<const void* const*>(list));
    char** copy = static_cast<char**>(calloc(size_t(count) + 1, sizeof(char*)));
    if (!copy) return nullptr;
    for (int i = 0; i < count; ++i) {
        copy[i] = zel3d_strdup(list[i]);
        if (!copy[i]) {
            zel3d_strings_free(copy);
            return nullptr;
        }
    }
    return copy;
}

void zel3d_strings_free(char** list) { FreePlainList(list); }

Zel3dValueLabel** zel3d_value_labels_dup(const Zel3dValueLabel* const* list) {
    return DupList(list, CopyValueLabel, zel3d_value_labels_free);
}

void zel3d_value_labels_free(Zel3dValueLabel** list) {
    if (!list) return;
    for (Zel3dValueLabel** item = list; *item; ++item) free((*item)->label);
    FreePlainList(list);
}

Zel3dValueLabel** zel3d_sort_value_labels(Zel3dValueLabel** list) {
    if (!list) return nullptr;
    std::vector<Zel3dValueLabel*> kept;
    for (Zel3dValueLabel** item = list; *item; ++item) {
        if ((*item)->label) {
            kept.push_back(*item);
        } else {
            free(*item);
        }
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Zel3dValueLabel* a, const Zel3dValueLabel* b) { return a->value < b->value; });
    size_t out = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        if (out > 0 && kept[out - 1]->value == kept[i]->value) {
            free(kept[i]->label);
            free(kept[i]);
            continue;
        }
        kept[out++] = kept[i];
    }
    if (out == 0) {
        free(list);
        return nullptr;
    }
    for (size_t i = 0; i < out; ++i) list[i] = kept[i];
    list[out] = nullptr;
    return list;
}

Zel3dXYColor** zel3d_xy_colors_dup(const Zel3dXYColor* const* list) {
    return DupList(list, CopyPlain<Zel3dXYColor>, FreePlainList<Zel3dXYColor>);
}

Zel3dXYColor** zel3d_xy_colors_dup_unique(const Zel3dXYColor* const* list) {
    if (!list) return nullptr;
    std::vector<const Zel3dXYColor*> kept;
    for (const Zel3dXYColor* const* item = list; *item; ++item) {
        const Zel3dXYColor* entry = *item;
        kept.erase(std::remove_if(kept.begin(), kept.end(),
                                  [entry](const Zel3dXYColor* k) { return k->x == entry->x && k->y == entry->y; }),
                   kept.end());
        kept.push_back(entry);
    }
    if (kept.empty()) return nullptr;
    kept.push_back(nullptr);
    return zel3d_xy_colors_dup(kept.data());
}

void zel3d_xy_colors_free(Zel3dXYColor** list) { FreePlainList(list); }

Zel3dDataStyle** zel3d_data_styles_dup(const Zel3dDataStyle* const* list) {
    return DupList(list, CopyPlain<Zel3dDataStyle>, FreePlainList<Zel3dDataStyle>);
}

void zel3d_data_styles_free(Zel3dDataStyle** list) { FreePlainList(list); }

const Zel3dDataStyle* zel3d_default_data_styles(int depth) {
    // Colours as 0xBBGGRR: Coral, ForestGreen, #32ff00, RoyalBlue, Tan,
    // Magenta, DarkSlateGray and MediumBlue lines with MediumBlue, Red,
    // Orange, Magenta, Green, MediumBlue, LightSkyBlue and Gold symbols.
    constexpr int kBlack = 0x000000;
    static const Zel3dDataStyle colour[kDefaultDataStyleCount] = {
        {{kLpatSolid, 0x507FFF, 1}, {2, 0xCD0000, 7}},  {{kLpatSolid, 0x228B22, 1}, {5, 0x0000FF, 7}},
        {{kLpatSolid, 0x00FF32, 1}, {6, 0x00A5FF, 7}},  {{kLpatSolid, 0xE16941, 1}, {4, 0xFF00FF, 7}},
        {{kLpatSolid, 0x8CB4D2, 1}, {3, 0x00FF00, 7}},  {{kLpatSolid, 0xFF00FF, 1}, {13, 0xCD0000, 7}},
        {{kLpatSolid, 0x4F4F2F, 1}, {2, 0xFACE87, 7}},  {{kLpatSolid, 0xCD0000, 1}, {12, 0x00D7FF, 7}},
    };
    static const Zel3dDataStyle mono[kDefaultDataStyleCount] = {
        {{kLpatLslDash, kBlack, 1}, {2, kBlack, 7}},  {{kLpatSolid, kBlack, 1}, {5, kBlack, 7}},
        {{kLpatLslDash, kBlack, 1}, {6, kBlack, 7}},  {{kLpatDashDot, kBlack, 1}, {4, kBlack, 7}},
        {{kLpatSolid, kBlack, 1}, {3, kBlack, 7}},    {{kLpatDashDot, kBlack, 1}, {13, kBlack, 7}},
        {{kLpatSolid, kBlack, 1}, {12, kBlack, 7}},   {{kLpatLongDash, kBlack, 1}, {2, kBlack, 7}},
    };
    return depth > 1 ? colour : mono;
}

const Zel3dLineStyle& zel3d_default_line_style() {
    static const Zel3dLineStyle style = {kLpatSolid, 0, 1};
    return style;
}

extern "C" {

ZEL3D_API char** Zel3dDupStrings(const char* const* list) try {
    return zel3d_strings_dup(list);
} catch (...) {
    return zel3d_export_failure<char**>(nullptr);
}
ZEL3D_API void Zel3dFreeStrings(char** list) try {
    zel3d_strings_free(list);
} catch (...) {
    zel3d_export_failure();
}
ZEL3D_API Zel3dValueLabel** Zel3dDupValueLabels(const Zel3dValueLabel* const* list) try {
    return zel3d_value_labels_dup(list);
} catch (...) {
    return zel3d_export_failure<Zel3dValueLabel**>(nullptr);
}
ZEL3D_API void Zel3dFreeValueLabels(Zel3dValueLabel** list) try {
    zel3d_value_labels_free(list);
} catch (...) {
    zel3d_export_failure();
}
ZEL3D_API Zel3dXYColor** Zel3dDupXYColors(const Zel3dXYColor* const* list) try {
    return zel3d_xy_colors_dup(list);
} catch (...) {
    return zel3d_export_failure<Zel3dXYColor**>(nullptr);
}
ZEL3D_API void Zel3dFreeXYColors(Zel3dXYColor** list) try {
    zel3d_xy_colors_free(list);
} catch (...) {
    zel3d_export_failure();
}
ZEL3D_API Zel3dDataStyle** Zel3dDupDataStyles(const Zel3dDataStyle* const* list) try {
    return zel3d_data_styles_dup(list);
} catch (...) {
    return zel3d_export_failure<Zel3dDataStyle**>(nullptr);
}
ZEL3D_API void Zel3dFreeDataStyles(Zel3dDataStyle** list) try {
    zel3d_data_styles_free(list);
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"

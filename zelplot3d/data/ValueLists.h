// The list values of properties: null-ended arrays of owned items (string
// lists, value labels, per-point colours, data styles) with their copies,
// frees and clean-ups, and the library's default data and line styles.
#pragma once

#include "zelplot3d.h"

// Line styles of line-style values and of the device operations (patterns of the line-style names).
enum LinePattern { kLpatNone = 1, kLpatSolid = 2, kLpatLongDash = 3, kLpatDotted = 4,
                   kLpatShortDash = 5, kLpatLslDash = 6, kLpatDashDot = 7 };

// Number of items before the null that ends a list (0 for a null list).
int zel3d_list_count(const void* const* list);

char** zel3d_strings_dup(const char* const* list);
void zel3d_strings_free(char** list);

Zel3dValueLabel** zel3d_value_labels_dup(const Zel3dValueLabel* const* list);
void zel3d_value_labels_free(Zel3dValueLabel** list);
// Drops labels without text, sorts by value and keeps one label per value;
// an empty result frees the list and gives null.
Zel3dValueLabel** zel3d_sort_value_labels(Zel3dValueLabel** list);

Zel3dXYColor** zel3d_xy_colors_dup(const Zel3dXYColor* const* list);
// Copy in which each (x, y) pair occurs once, at the place of its last
// occurrence; an empty result gives null.
Zel3dXYColor** zel3d_xy_colors_dup_unique(const Zel3dXYColor* const* list);
void zel3d_xy_colors_free(Zel3dXYColor** list);

Zel3dDataStyle** zel3d_data_styles_dup(const Zel3dDataStyle* const* list);
void zel3d_data_styles_free(Zel3dDataStyle** list);

// The eight default data styles for a device of the given depth (bits per
// pixel; 1 selects the monochrome table).
const Zel3dDataStyle* zel3d_default_data_styles(int depth);
// The default line style: solid, black, width 1.
const Zel3dLineStyle& zel3d_default_line_style();
constexpr int kDefaultDataStyleCount = 8;

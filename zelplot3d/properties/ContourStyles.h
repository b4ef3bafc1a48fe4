// Contour styles, contour levels and distribution tables, with their text
// files.
#pragma once

#include "chart/Chart.h"

constexpr int kDefaultContourStyleCount = 100;

// The 100 default styles (a blue-cyan-green-yellow-red ramp).
const Zel3dContourStyle* zel3d_default_cstyle_table();
// Sets CONTOUR_STYLES to a copy of the default styles.
void zel3d_default_cstyles(Zel3dChart* chart);
// Copy of a list and its count; null (count 0) for null or on failure.
Zel3dContourStyle** zel3d_cstyles_copy(const Zel3dContourStyle* const* list, int* count);
void zel3d_cstyles_free(Zel3dContourStyle** list);
Zel3dContourStyle** zel3d_cstyles_read(const char* path, char* message);
int zel3d_cstyles_write(const Zel3dContourStyle* const* list, const char* path, char* message);

// Index of the style that level k of `levels` uses among `styles` styles.
int zel3d_style_of_level(int level, int levels, int styles);

Zel3dDistnTable* zel3d_distn_table_copy(const Zel3dDistnTable* table, int sort);
void zel3d_distn_table_free(Zel3dDistnTable* table);
// Sorts ascending and drops repeated levels.
void zel3d_distn_table_sort(Zel3dDistnTable* table);
Zel3dDistnTable* zel3d_distn_table_read(const char* path, char* message);
int zel3d_distn_table_write(const Zel3dDistnTable* table, const char* path, char* message);
// The table in force: DISTN_TABLE, or the computed linear levels.
Zel3dDistnTable* zel3d_distn_table_current(Zel3dChart* chart);

// n levels evenly over [zmin, zmax], each rounded to the digits a label of
// the range shows. No levels for an empty or non-finite range.
void zel3d_linear_levels(double zmin, double zmax, int n, LevelList* levels);
// Rebuilds the chart's computed levels from its table or its data range.
void zel3d_compute_levels(Zel3dChart* chart);
void zel3d_free_levels(LevelList* levels);

#include "properties/ContourStyles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/TextFiles.h"
#include "kernel/Helpers.h"
#include "properties/PropertyTable.h"
#include "properties/ValueText.h"
#include "kernel/ExportGuard.h"

namespace {

constexpr int kLinePatternClass = 73;

// One channel moving evenly from `from` to `to` over `count` entries.
int Ramp(int from, int to, int k, int count) {
    int span = count - 1;
    int delta = (to - from) * k;
    return from + (delta >= 0 ? (delta + span / 2) / span : -((-delta + span / 2) / span));
}

int Rgb(int red, int green, int blue) { return (blue << 16) | (green << 8) | red; }

Zel3dContourStyle g_default_styles[kDefaultContourStyleCount];

void BuildDefaultStyles() {
    for (int i = 0; i < kDefaultContourStyleCount; ++i) {
        int color;
        if (i <= 30) {
            color = Rgb(0, Ramp(0, 255, i, 31), 255);
        } else if (i <= 41) {
            color = Rgb(0, 255, Ramp(233, 9, i - 31, 11));
        } else if (i <= 71) {
            color = Rgb(Ramp(8, 255, i - 42, 30), 255, 9);
        } else {
            color = Rgb(255, Ramp(247, 11, i - 72, 28), 9);
        }
        g_default_styles[i] = {color, 0, 1, kLpatSolid};
    }
}

// The name a colour is written with in a styles file.
std::string ColorWord(int color) {
    const char* name = zel3d_color_name(color);
    if (name) return name;
    char text[16];
    snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return text;
}

// The long name of a line pattern, or null when the value has none.
const char* PatternName(int pattern) {
    if (!zel3d_enum_has_value(kLinePatternClass, pattern)) return nullptr;
    return zel3d_enum_lookup(pattern, kLinePatternClass)->name;
}


// Levels as printed with `format` and read back.
double Rounded(double value, const char* format) {
    char text[512];
    snprintf(text, sizeof text, format, value);
    return strtod(text, nullptr);
}

}  // namespace

const Zel3dContourStyle* zel3d_default_cstyle_table() {
    static const bool built = (BuildDefaultStyles(), true);
    (void)built;
    return g_default_styles;
}

void zel3d_default_cstyles(Zel3dChart* chart) {
    const Zel3dContourStyle* table = zel3d_default_cstyle_table();
    const Zel3dContourStyle* pointers[kDefaultContourStyleCount + 1];
    for (int i = 0; i < kDefaultContourStyleCount; ++i) pointers[i] = &table[i];
    pointers[kDefaultContourStyleCount] = nullptr;
    zel3d_cstyles_free(chart->contour_styles.items);
    chart->contour_styles.items = zel3d_cstyles_copy(pointers, &chart->contour_styles.count);
}

Zel3dContourStyle** zel3d_cstyles_copy(const Zel3dContourStyle* const* list, int* count) {
    *count = 0;
    if (!list) return nullptr;
    int n = 0;
    while (list[n]) ++n;
    Zel3dContourStyle** copy = static_cast<Zel3dContourStyle**>(calloc(size_t(n) + 1, sizeof(Zel3dContourStyle*)));
    if (!copy) return nullptr;
    for (int i = 0; i < n; ++i) {
        copy[i] = static_cast<Zel3dContourStyle*>(malloc(sizeof(Zel3dContourStyle)));
        if (!copy[i]) {
            zel3d_cstyles_free(copy);
            return nullptr;
        }
        *copy[i] = *list[i];
    }
    *count = n;
    return copy;
}

void zel3d_cstyles_free(Zel3dContourStyle** list) {
    if (!list) return;
    for (Zel3dContourStyle** style = list; *style; ++style) free(*style);
    free(list);
}

Zel3dContourStyle** zel3d_cstyles_read(const char* path, char* message) {
    FILE* file = path ? fopen(zel3d_expand_path(path).c_str(), "r") : nullptr;
    if (!file) {
        zel3d_sink_printf(message, "Unable to read data from %s\n", path ? path : "(null)");
        return nullptr;
    }
    std::vector<const Zel3dContourStyle*> styles;
    std::vector<Zel3dContourStyle> read;
    std::string line;
    bool failed = false;
    for (int number = 1; !failed && zel3d_read_line(file, line); ++number) {
        if (line.empty() || line[0] == '!') continue;
        char zone[256], outline[256], pattern[256];
        int width = 0;
        if (sscanf(line.c_str(), "%255s %255s %d %255s", zone, outline, &width, pattern) < 4) {
            zel3d_sink_printf(message, "Error on line %d of file %s - not enough fields", number, path);
            failed = true;
            break;
        }
        Zel3dContourStyle style = {0, 0, width, 0};
        if (!Zel3dStrToColor(zone, &style.zone_color)) style.zone_color = 0;
        if (!Zel3dStrToColor(outline, &style.line_color)) style.line_color = 0;
        style.line_pattern = zel3d_enum_from_name(pattern, kLinePatternClass);
        if (style.line_pattern < 0) {
            zel3d_sink_printf(message, "Error on line %d of file %s - unknown pattern %s", number, path, pattern);
            failed = true;
            break;
        }
        read.push_back(style);
    }
    fclose(file);
    if (failed || read.empty()) return nullptr;
    for (const Zel3dContourStyle& style : read) styles.push_back(&style);
    styles.push_back(nullptr);
    int count = 0;
    Zel3dContourStyle** list = zel3d_cstyles_copy(styles.data(), &count);
    if (!list) zel3d_message_to_sink(message, "Unable to allocate memory for contour styles.\n");
    return list;
}

int zel3d_cstyles_write(const Zel3dContourStyle* const* list, const char* path, char* message) {
    if (!list || !path) return 0;
    TextFileWriter out(zel3d_expand_path(path));
    if (!out.IsOpen()) {
        zel3d_sink_printf(message, "Unable to write to %s", path);
        return 0;
    }
    out.Printf("!Contour Styles for %s\n", path);
    for (int i = 0; list[i]; ++i) {
        const char* pattern = PatternName(list[i]->line_pattern);
        if (!pattern) {
            zel3d_sink_printf(message, "Cannot format pattern field -> style - %d file - %s", i + 1, path);
            return 0;
        }
        out.Printf("%s %s %d %s\n", ColorWord(list[i]->zone_color).c_str(), ColorWord(list[i]->line_color).c_str(),
                   list[i]->line_width, pattern);
    }
    out.Printf("\n");
    if (!out.Commit()) {
        zel3d_sink_printf(message, "Unable to write to %s", path);
        return 0;
    }
    return 1;
}

int zel3d_style_of_level(int level, int levels, int styles) {
    if (levels <= 0 || styles <= 0) return 0;
    int index = int(double(styles - 1) * level / levels + 0.5);
    return std::min(std::max(index, 0), styles - 1);
}

Zel3dDistnTable* zel3d_distn_table_copy(const Zel3dDistnTable* table, int sort) {
    if (!table) return nullptr;
    Zel3dDistnTable* copy = static_cast<Zel3dDistnTable*>(calloc(1, sizeof(Zel3dDistnTable)));
    if (!copy) return nullptr;
    if (table->count > 0 && table->levels) {
        copy->levels = static_cast<double*>(malloc(size_t(table->count) * sizeof(double)));
        if (!copy->levels) {
            free(copy);
            return nullptr;
        }
        memcpy(copy->levels, table->levels, size_t(table->count) * sizeof(double));
        copy->count = table->count;
    }
    if (sort) zel3d_distn_table_sort(copy);
    return copy;
}

void zel3d_distn_table_free(Zel3dDistnTable* table) {
    if (!table) return;
    free(table->levels);
    free(table);
}

void zel3d_distn_table_sort(Zel3dDistnTable* table) {
    if (!table || table->count < 2 || !table->levels) return;
    double* begin = table->levels;
    double* end = begin + table->count;
    std::sort(begin, end);
    table->count = int(std::unique(begin, end) - begin);
    void* shrunk = realloc(table->levels, size_t(table->count) * sizeof(double));
    if (shrunk) table->levels = static_cast<double*>(shrunk);
}

Zel3dDistnTable* zel3d_distn_table_read(const char* path, char* message) {
    FILE* file = path ? fopen(zel3d_expand_path(path).c_str(), "r") : nullptr;
    if (!file) {
        zel3d_sink_printf(message, "Unable to read distribution table from %s\n", path ? path : "(null)");
        return nullptr;
    }
    std::vector<double> levels;
    std::string line;
    // The writer always writes its comment line: an empty file holds no table.
    if (fgetc(file) == EOF) {
        fclose(file);
        zel3d_sink_printf(message, "Unable to read distribution table from %s\n", path);
        return nullptr;
    }
    rewind(file);
    while (zel3d_read_line(file, line)) {
        double level;
        if (line.empty() || line[0] == '!' || sscanf(line.c_str(), "%lf", &level) != 1) continue;
        if (std::isfinite(level)) levels.push_back(level);
    }
    fclose(file);
    Zel3dDistnTable read = {int(levels.size()), levels.data()};
    Zel3dDistnTable* table = zel3d_distn_table_copy(&read, 1);
    if (!table) zel3d_message_to_sink(message, "Can't allocate space for distribution table");
    return table;
}

int zel3d_distn_table_write(const Zel3dDistnTable* table, const char* path, char* message) {
    if (!table || !path || (table->count > 0 && !table->levels)) return 0;
    TextFileWriter out(zel3d_expand_path(path));
    if (!out.IsOpen()) {
        zel3d_sink_printf(message, "Unable to write to %s", path);
        return 0;
    }
    out.Printf("!Contour Levels for %s\n", path);
    for (int i = 0; i < table->count; ++i) out.Printf("%lg\n", table->levels[i]);
    out.Printf("\n");
    if (!out.Commit()) {
        zel3d_sink_printf(message, "Unable to write to %s", path);
        return 0;
    }
    return 1;
}

Zel3dDistnTable* zel3d_distn_table_current(Zel3dChart* chart) {
    if (chart->distn_method == 1) return zel3d_distn_table_copy(chart->distn_table, 0);
    Zel3dDistnTable* table = static_cast<Zel3dDistnTable*>(calloc(1, sizeof(Zel3dDistnTable)));
    if (!table) {
        zel3d_message_to_sink(nullptr, "Can't allocate space for distribution table");
        return nullptr;
    }
    if (chart->data_zmax == chart->data_zmin) return table;
    if (!chart->levels.levels) zel3d_compute_levels(chart);
    if (chart->levels.count > 0) {
        table->levels = static_cast<double*>(malloc(size_t(chart->levels.count) * sizeof(double)));
        if (!table->levels) {
            zel3d_message_to_sink(nullptr, "Can't allocate space for distribution table entries");
            free(table);
            return nullptr;
        }
        memcpy(table->levels, chart->levels.levels, size_t(chart->levels.count) * sizeof(double));
        table->count = chart->levels.count;
    }
    return table;
}

void zel3d_linear_levels(double zmin, double zmax, int n, LevelList* levels) {
    zel3d_free_levels(levels);
    if (n <= 0 || !(zmax != zmin) || !std::isfinite(zmin) || !std::isfinite(zmax)) return;
    // One level needs no step; its format follows the range.
    double step = n > 1 ? (zmax - zmin) / (n - 1) : zmax - zmin;
    if (!std::isfinite(step)) return;
    int e = step + 1.0 == 1.0 ? zel3d_decimal_exponent(zmin != 0.0 ? zmin : zmax) : zel3d_decimal_exponent(step);
    int w = std::min(zel3d_decimal_exponent(zmin), zel3d_decimal_exponent(zmax));
    char format[32];
    if (e < -5 || (e > 0 && w > 4)) {
        snprintf(format, sizeof format, "%%.%dlE", std::min(std::max(e - w + 1, 0), 20));
    } else {
        snprintf(format, sizeof format, "%%.%dlf", std::min(std::max(e + 1, 0), 20));
    }
    levels->levels = static_cast<double*>(malloc(size_t(n) * sizeof(double)));
    if (!levels->levels) return;
    for (int k = 0; k < n; ++k) levels->levels[k] = Rounded(k * step + zmin, format);
    levels->count = n;
}

void zel3d_compute_levels(Zel3dChart* chart) {
    zel3d_free_levels(&chart->levels);
    const Zel3dDistnTable* table = chart->distn_table;
    if (chart->distn_method == 1 && table) {
        if (table->count <= 0 || !table->levels) return;
        chart->levels.levels = static_cast<double*>(malloc(size_t(table->count) * sizeof(double)));
        if (!chart->levels.levels) return;
        memcpy(chart->levels.levels, table->levels, size_t(table->count) * sizeof(double));
        chart->levels.count = table->count;
        return;
    }
    zel3d_linear_levels(chart->data_zmin, chart->data_zmax, chart->num_distn_levels, &chart->levels);
}

void zel3d_free_levels(LevelList* levels) {
    free(levels->levels);
    levels->levels = nullptr;
    levels->count = 0;
}

extern "C" {

ZEL3D_API Zel3dContourStyle** Zel3dContourStylesFromFile(const char* path, char* message) try {
    return zel3d_cstyles_read(path, message);
} catch (...) {
    return zel3d_export_failure<Zel3dContourStyle**>(nullptr);
}

ZEL3D_API int Zel3dContourStylesToFile(const Zel3dContourStyle* const* list, const char* path, char* message) try {
    return zel3d_cstyles_write(list, path, message);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API Zel3dContourStyle** Zel3dDupContourStyles(const Zel3dContourStyle* const* list) try {
    int count = 0;
    return zel3d_cstyles_copy(list, &count);
} catch (...) {
    return zel3d_export_failure<Zel3dContourStyle**>(nullptr);
}

ZEL3D_API void Zel3dFreeContourStyles(Zel3dContourStyle** list) try {
    zel3d_cstyles_free(list);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API Zel3dDistnTable* Zel3dDistnTableFromFile(const char* path, char* message) try {
    return zel3d_distn_table_read(path, message);
} catch (...) {
    return zel3d_export_failure<Zel3dDistnTable*>(nullptr);
}

ZEL3D_API int Zel3dDistnTableToFile(const Zel3dDistnTable* table, const char* path, char* message) try {
    return zel3d_distn_table_write(table, path, message);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API Zel3dDistnTable* Zel3dDupDistnTable(const Zel3dDistnTable* table) try {
    return zel3d_distn_table_copy(table, 0);
} catch (...) {
    return zel3d_export_failure<Zel3dDistnTable*>(nullptr);
}

ZEL3D_API void Zel3dFreeDistnTable(Zel3dDistnTable* table) try {
    zel3d_distn_table_free(table);
} catch (...) {
    zel3d_export_failure();
}

}  // extern "C"

#include "drawing/Legend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "chart/Chart.h"
#include "device/DeviceOps.h"
#include "drawing/Borders.h"
#include "drawing/Contours.h"
#include "drawing/DrawHelpers.h"
#include "drawing/Markers.h"
#include "kernel/Helpers.h"

namespace {

constexpr double kOpenTop = 1e308;

enum LegendKind { kNoLegend = 0, kBoxes = 1, kZoneLines = 2, kContourLines = 3, kBarAcross = 4, kBarDown = 5 };

// One aligned piece of a label: \l, \c or \r start a left-, centre- or
// right-aligned segment.
struct Segment {
    int alignment;  // 1 left, 2 right, 3 centre (as the text operation takes them)
    std::string text;
};

struct Entry {
    double low, high;  // the band (kinds 1, 2, 4, 5) or the level (kind 3, low)
    int level;         // index of `low` among the computed levels
    std::vector<Segment> segments;
};

struct LegendModel {
    int kind = kNoLegend;
    bool scatter = false;
    std::vector<Entry> entries;
    std::vector<int> column_widths;  // per segment position
    int char_width = 0;
    int row_height = 0;
    int entry_width = 0;  // sample and label columns
    int sample_width = 0;
    int rows = 0, columns = 0;
    bool fill_rows = false;  // entries fill rows (else columns)
    int title_height = 0;    // one and a half lines above the entries when there is a title
    int lead = 0;            // before a bar across: half a label, for the label on its first boundary
    int tail = 0;            // under a bar standing down: half a row, for the label on its lowest boundary
};

bool ZonesShown(const Zel3dChart* chart) {
    return chart->draw_zones || ((chart->project_zmin | chart->project_zmax) & 2);
}

bool ContoursShown(const Zel3dChart* chart) {
    return chart->draw_contours || ((chart->project_zmin | chart->project_zmax) & 1);
}

int KindOf(const Zel3dChart* chart) {
    if (chart->type == 2) return kBoxes;
    bool projected_zones = (chart->project_zmin | chart->project_zmax) & 2;
    if ((chart->draw_zones && (!chart->draw_mesh || chart->draw_shaded)) || projected_zones) {
        if (chart->legend.style == 2) return chart->legend.orientation == 1 ? kBarDown : kBarAcross;
        return kBoxes;
    }
    if (chart->draw_zones) return kZoneLines;
    if (ContoursShown(chart)) return kContourLines;
    return kNoLegend;
}

bool FromTable(const Zel3dChart* chart) { return chart->distn_method == 1 && chart->distn_table; }

// The printf format of the level labels.
std::string NumberFormat(const Zel3dChart* chart) {
    char format[32];
    const LevelList& levels = chart->levels;
    if (FromTable(chart)) {
        int precision = 0;
        for (int k = 0; k < levels.count; ++k) {
            for (int p = precision; p < 10; ++p) {
                char text[64];
                snprintf(text, sizeof text, "%.*f", p, levels.levels[k]);
                precision = p;
                if (strtod(text, nullptr) == levels.levels[k]) break;
            }
        }
        double mean_step = levels.count > 1 ? (levels.levels[levels.count - 1] - levels.levels[0]) / (levels.count - 1) : 0;
        int g = zel3d_decimal_exponent(mean_step);
        bool scientific = g != kNoExponent && (g > 4 || g < -4);
        snprintf(format, sizeof format, scientific ? "%%.%dE" : "%%.%df", precision);
        return format;
    }
    // A single level has no step (and no division by zero).
    int count = chart->num_distn_levels;
    double step = count > 1 ? (chart->distn_max - chart->distn_min) / (count - 1) : 0.0;
    int g = zel3d_decimal_exponent(step);
    int k = zel3d_decimal_exponent(std::max(std::fabs(chart->distn_min), std::fabs(chart->distn_max)));
    if (step == 0.0 || g == kNoExponent) snprintf(format, sizeof format, "%%.%dlf", 1);
    else if (g < -5 || (g > 0 && k > 4)) snprintf(format, sizeof format, "%%.%dlE", std::max(g - k + 1, 0));
    else snprintf(format, sizeof format, "%%.%dlf", std::max(g + 1, 0));
    return format;
}

// A table's outer band ends rounded outward to the labels' precision (read
// back from the format), so that the printed range holds every value.
double RoundToFormat(const std::string& format, double value, bool up) {
    double decimals = 0;
    if (sscanf(format.c_str(), "%*2c%lf", &decimals) != 1 || decimals < 0 || decimals > 15) return value;
    double scale = std::pow(10.0, decimals);
    double scaled = value * scale;
    // A value already at the precision stays as it is.
    double nearest = std::round(scaled);
    double slack = std::max(1e-6, 4 * std::numeric_limits<double>::epsilon() * std::fabs(scaled));
    if (std::fabs(scaled - nearest) <= slack) return nearest / scale;
    return (up ? std::ceil(scaled) : std::floor(scaled)) / scale;
}

// Indices of the levels the legend lists (the entry list).
std::vector<int> ListedLevels(const Zel3dChart* chart, int kind) {
    const LevelList& levels = chart->levels;
    int filter = std::max(chart->legend.label_filter, 1);
    bool table = FromTable(chart);
    int first = 0, last = levels.count - 1;
    if (chart->legend.distn_range == 1 && levels.levels) {
        for (int k = 0; k < levels.count; ++k)
            if (levels.levels[k] <= chart->distn_min) first = k;
        for (int k = levels.count - 1; k >= 0; --k)
            if (levels.levels[k] >= chart->distn_max) last = k;
    }
    std::vector<int> listed;
    for (int k = first; k <= last; ++k) {
        bool kept = k % filter == 0 || (table && (k == 0 || k == levels.count - 1));
        if (kind == kContourLines && !table && k == 0) kept = false;
        if (kept) listed.push_back(k);
    }
    return listed;
}

std::vector<Segment> Split(const std::string& label) {
    std::vector<Segment> segments;
    Segment current = {1, ""};
    for (size_t k = 0; k < label.size(); ++k) {
        if (label[k] == '\\' && k + 1 < label.size() && (label[k + 1] == 'l' || label[k + 1] == 'c' || label[k + 1] == 'r')) {
            if (!current.text.empty() || !segments.empty()) segments.push_back(current);
            current = {label[k + 1] == 'l' ? 1 : label[k + 1] == 'r' ? 2 : 3, ""};
            ++k;
            continue;
        }
        current.text += label[k];
    }
    segments.push_back(current);
    return segments;
}

std::string Formatted(const std::string& format, double value) {
    char text[128];
    snprintf(text, sizeof text, format.c_str(), value);
    return text;
}

// The label of an entry: LEGEND_STRINGS item, else built from the band,
// then the caller's function may replace it.
std::string Label(Zel3dChart* chart, int index, int kind, const Entry& entry, const std::string& format) {
    const StringList& strings = chart->legend.strings;
    bool any_string = false;
    for (int k = 0; k < strings.count && strings.items; ++k) any_string = any_string || (strings.items[k] && *strings.items[k]);
    std::string label;
    if (any_string) {
        if (index < strings.count && strings.items[index]) label = strings.items[index];
    } else if (kind == kBoxes || kind == kZoneLines) {
        label = "\\r" + Formatted(format, entry.low) + "\\c .. \\r" + Formatted(format, entry.high);
    } else if (kind == kContourLines) {
        label = "\\r" + Formatted(format, entry.low);
    } else {
        label = (kind == kBarAcross ? "\\c" : "\\r") + Formatted(format, entry.low);
    }
    if (Zel3dLegendLabelFunc func = chart->legend.label_func) {
        const char* replaced = func(chart, index, entry.low, entry.high, label.c_str());
        label = replaced && *replaced ? replaced : (chart->legend.style == 2 ? " " : "");
    }
    return label;
}

int SeriesCount(const Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    return view.type == ZEL3D_DATA_POINT ? view.nseries : 1;
}

bool Shown(const Zel3dChart* chart) {
    const DataView& view = chart->surface_view;
    if (chart->legend.show != 1 || !view.valid || view.empty || !chart->scene.window.drawable) return false;
    return chart->type == 2 || ZonesShown(chart) || ContoursShown(chart);
}

int Border(const Zel3dChart* chart) {
    const LegendArea& legend = chart->legend;
    if (legend.border < 1 || legend.border > 9) return 0;
    return legend.border == kBorderShadow ? legend.border_width : 2 * legend.border_width;
}

// Rows and columns of the entries. A continuous bar stays in one piece;
// otherwise a legend above or below the graph takes as many columns as the
// window width leaves room for, and one beside it as many rows as the
// window height leaves room for (at least three per column, or one row
// when horizontal); the other count follows.
void Arrange(const Zel3dChart* chart, LegendModel* model) {
    int count = int(model->entries.size());
    const LegendArea& legend = chart->legend;
    bool horizontal = legend.orientation == 2;
    model->fill_rows = horizontal || model->kind == kBarAcross;
    int margin = chart->border_width + chart->scene.outer_margin;
    int border = Border(chart);
    if (model->kind == kBarAcross || model->kind == kBarDown) {
        model->columns = model->kind == kBarAcross ? count : 1;
        model->rows = model->kind == kBarAcross ? 1 : count;
        // Across, the sections narrow to the window width, down to their labels.
        int room = chart->width - 2 * margin - border - model->lead;
        int labels = model->entry_width - 2 * model->char_width;
        if (model->kind == kBarAcross && count * model->entry_width > room)
            model->entry_width = std::max(room / std::max(count, 1), labels);
        return;
    }
    if (legend.anchor & (16 | 32)) {
        int room = chart->width - 2 * margin - border;
        int fit = model->entry_width > 0 ? room / model->entry_width : count;
        int most = horizontal ? count : (count + 2) / 3;  // one row, or three entries per column
        model->columns = std::clamp(fit, 1, std::max(most, 1));
        model->rows = (count + model->columns - 1) / model->columns;
    } else {
        int room = chart->height - 2 * margin - chart->header.height - chart->footer.height - border -
                   model->title_height;
        int fit = model->row_height > 0 ? room / model->row_height : count;
        int least = horizontal ? 1 : std::min(3, count);
        model->rows = std::clamp(fit, least, count);
        model->columns = (count + model->rows - 1) / model->rows;
    }
}

// Where entry n stands: the highest entry first, filling rows or columns;
// a horizontal bar runs from the lowest band on the left.
void Cell(const LegendModel& model, int n, int* row, int* column) {
    int count = int(model.entries.size());
    int slot = model.kind == kBarAcross ? n : count - 1 - n;
    if (model.fill_rows) {
        *row = slot / std::max(model.columns, 1);
        *column = slot % std::max(model.columns, 1);
    } else {
        *column = slot / std::max(model.rows, 1);
        *row = slot % std::max(model.rows, 1);
    }
}

LegendModel Build(Zel3dChart* chart) {
    LegendModel model;
    if (!Shown(chart)) return model;
    model.kind = KindOf(chart);
    model.scatter = chart->type == 2;
    if (model.kind == kNoLegend) return model;
    if (model.scatter) {
        int count = std::min(SeriesCount(chart), chart->legend.strings.count);
        for (int s = 0; s < count; ++s) {
            Entry entry = {0.0, 0.0, s, {}};
            entry.segments = Split(Label(chart, s, model.kind, entry, "%g"));
            model.entries.push_back(entry);
        }
    } else {
        const LevelList& levels = chart->levels;
        if (!levels.levels || levels.count <= 0) return LegendModel();
        std::vector<int> listed = ListedLevels(chart, model.kind);
        bool open_top = model.kind >= kContourLines;
        std::string format = NumberFormat(chart);
        size_t count = open_top ? listed.size() : (listed.empty() ? 0 : listed.size() - 1);
        for (size_t n = 0; n < count; ++n) {
            int level = listed[n];
            double high = n + 1 < listed.size() ? levels.levels[listed[n + 1]] : kOpenTop;
            Entry entry = {levels.levels[level], high, level, {}};
            if (FromTable(chart) && n == 0) entry.low = RoundToFormat(format, entry.low, false);
            if (FromTable(chart) && n + 1 == count && high != kOpenTop) entry.high = RoundToFormat(format, high, true);
            entry.segments = Split(Label(chart, int(n), model.kind, entry, format));
            model.entries.push_back(entry);
        }
    }
    if (model.entries.empty()) return LegendModel();
    FontRecord& font = chart->legend.font;
    if (font.height <= 0) zel3d_font_metrics(chart, &font);
    const DeviceOps& ops = zel3d_ops(chart);
    ops.set_font(&chart->device, &font);
    model.char_width = std::max(font.char_width, 1);
    model.row_height = font.height * (model.kind == kBarAcross ? 2 : 1);
    for (const Entry& entry : model.entries)
        for (size_t k = 0; k < entry.segments.size(); ++k) {
            if (model.column_widths.size() <= k) model.column_widths.push_back(0);
            model.column_widths[k] = std::max(model.column_widths[k], ops.text_width(&chart->device, entry.segments[k].text.c_str()));
        }
    int labels = 0;
    for (int width : model.column_widths) labels += width;
    model.sample_width = 3 * model.char_width;
    model.entry_width = labels + (model.kind == kBarAcross ? 2 : model.scatter ? 4 : 6) * model.char_width;
    if (chart->legend.title && chart->legend.title[0]) model.title_height = 3 * font.height / 2;
    // A bar's labels stand on the boundaries between its sections.
    if (model.kind == kBarAcross) model.lead = (labels + 1) / 2;
    if (model.kind == kBarDown) model.tail = (model.row_height + 1) / 2;
    Arrange(chart, &model);
    return model;
}

void DrawSample(Zel3dChart* chart, const LegendModel& model, const Entry& entry, int x, int y) {
    const DeviceOps& ops = zel3d_ops(chart);
    int w = model.sample_width, h = std::max(model.row_height - 2, 1);
    int middle = y + model.row_height / 2;
    if (model.scatter) {
        const Zel3dDataStyle& style = zel3d_data_style(chart, entry.level);
        zel3d_apply_line_style(chart, &style.line);
        ops.line(&chart->device, x, middle, x + w, middle);
        zel3d_set_foreground(chart, style.symbol.color);
        zel3d_set_fill(chart, style.symbol.color);
        zel3d_draw_symbol(chart, style.symbol.shape, std::min(style.symbol.size, h), x + w / 2, middle);
        return;
    }
    int band = entry.level + 1;  // the band above the level
    switch (model.kind) {
    case kBoxes:
    case kBarAcross:
    case kBarDown:
        zel3d_set_zone_fill(chart, band);
        ops.fill_rectangle(&chart->device, x, y + 1, w, h);
        zel3d_set_band_foreground(chart, band);
        ops.rectangle(&chart->device, x, y + 1, w, h);
        break;
    case kZoneLines:
        zel3d_set_band_foreground(chart, band);
        ops.line(&chart->device, x, middle, x + w, middle);
        break;
    case kContourLines:
        if (zel3d_set_contour_line_style(chart, entry.level)) ops.line(&chart->device, x, middle, x + w, middle);
        break;
    default:
        break;
    }
}

// The rectangle of entry n inside the legend's rectangle.
Rect EntryBox(const Zel3dChart* chart, const LegendModel& model, int n) {
    int row, column;
    Cell(model, n, &row, &column);
    int inset = Border(chart) / 2;
    const Rect& rect = chart->legend.rect;
    return {rect.x + inset + model.lead + column * model.entry_width,
            rect.y + inset + model.title_height + row * model.row_height, model.entry_width, model.row_height};
}

// A continuous colour bar: one section per band in its zone colour, the
// sections abutting, one outline round the whole bar. Across, the bar is
// the upper half of the row and each section as wide as its entry; down,
// it is three characters wide and each section as high as its row.
void DrawBar(Zel3dChart* chart, const LegendModel& model) {
    const DeviceOps& ops = zel3d_ops(chart);
    bool across = model.kind == kBarAcross;
    int count = int(model.entries.size());
    Rect first = EntryBox(chart, model, across ? 0 : count - 1);
    Rect last = EntryBox(chart, model, across ? count - 1 : 0);
    int bar_height = across ? model.row_height / 2 : last.y + last.height - first.y;
    int bar_width = across ? last.x + last.width - first.x : model.sample_width;
    int left = across ? first.x : first.x + model.char_width;
    for (int n = 0; n < count; ++n) {
        Rect box = EntryBox(chart, model, n);
        zel3d_set_zone_fill(chart, model.entries[n].level + 1);
        if (across) ops.fill_rectangle(&chart->device, box.x, box.y, box.width, bar_height);
        else ops.fill_rectangle(&chart->device, left, box.y, bar_width, box.height);
    }
    zel3d_set_foreground(chart, zel3d_or(chart->legend.foreground.color, zel3d_or(chart->foreground.color, 0)));
    ops.rectangle(&chart->device, left, first.y, bar_width - 1, bar_height - 1);  // the outline covers width + 1
}

}  // namespace

void zel3d_legend_measure(Zel3dChart* chart, int* line_height, int* width, int* height) {
    *line_height = *width = *height = 0;
    LegendModel model = Build(chart);
    if (model.kind == kNoLegend) return;
    int border = Border(chart);
    *line_height = chart->legend.font.height;
    *width = model.columns * model.entry_width + model.lead + border;
    *height = model.rows * model.row_height + model.title_height + model.tail + border;
}

void zel3d_legend_draw(Zel3dChart* chart) {
    LegendArea& legend = chart->legend;
    const Rect& rect = legend.rect;
    if (rect.width <= 0 || rect.height <= 0) return;
    LegendModel model = Build(chart);
    if (model.kind == kNoLegend) return;
    const DeviceOps& ops = zel3d_ops(chart);
    int background = zel3d_or(legend.background.color, chart->background.color);
    int foreground = zel3d_or(legend.foreground.color, zel3d_or(chart->foreground.color, 0));
    if (background != -1) {
        zel3d_set_fill(chart, background);
        ops.fill_rectangle(&chart->device, rect.x, rect.y, rect.width, rect.height);
    }
    if (legend.image.image || (legend.image.file_name && legend.image.file_name[0]))
        ops.draw_image(chart, &legend.image, rect.x, rect.y, rect.width, rect.height, rect.x, rect.y, rect.width,
                       rect.height);
    if (legend.border) zel3d_draw_border(chart, rect.x, rect.y, rect.width, rect.height, legend.border,
                                         legend.border_width, &legend.background, foreground);
    ops.set_font(&chart->device, &legend.font);
    zel3d_set_foreground(chart, foreground);
    if (model.title_height)
        ops.text_aligned(&chart->device, rect.x + rect.width / 2, rect.y + Border(chart) / 2 + legend.font.ascent, legend.title,
                         3);
    if (model.kind == kBarAcross || model.kind == kBarDown) DrawBar(chart, model);
    int count = int(model.entries.size());
    for (int n = count - 1; n >= 0; --n) {
        Rect box = EntryBox(chart, model, n);
        const Entry& entry = model.entries[n];
        int x = box.x + model.char_width, y = box.y;
        if (model.kind != kBarAcross && model.kind != kBarDown) DrawSample(chart, model, entry, x, y);
        ops.set_font(&chart->device, &legend.font);
        zel3d_set_foreground(chart, foreground);
        int labels = 0;
        for (int width : model.column_widths) labels += width;
        // Labels of a bar name the boundary below their band: across, under
        // the section's left edge; down, beside its lower edge.
        int column_x = model.kind == kBarAcross ? box.x - labels / 2 : x + model.sample_width + model.char_width;
        int middle = model.kind == kBarAcross ? y + legend.font.height + legend.font.height / 2
                     : model.kind == kBarDown ? y + model.row_height
                                              : y + model.row_height / 2;
        int baseline = middle + (legend.font.ascent - legend.font.descent) / 2;
        for (size_t k = 0; k < entry.segments.size(); ++k) {
            const Segment& segment = entry.segments[k];
            int width = model.column_widths[k];
            if (!segment.text.empty()) {
                int at = segment.alignment == 1 ? column_x : segment.alignment == 2 ? column_x + width : column_x + width / 2;
                ops.text_aligned(&chart->device, at, baseline, segment.text.c_str(), segment.alignment);
            }
            column_x += width;
        }
    }
    zel3d_forget_device_colors(chart);
}

std::vector<double> zel3d_legend_levels(Zel3dChart* chart) {
    std::vector<double> levels;
    LegendModel model = Build(chart);
    for (const Entry& entry : model.entries) levels.push_back(entry.low);
    return levels;
}

int zel3d_legend_pick(Zel3dChart* chart, int x, int y, Zel3dPickResult* result) {
    if (chart->legend.show != 1) return 0;
    LegendModel model = Build(chart);
    if (model.kind != kBoxes && model.kind != kZoneLines) return 0;
    for (int n = 0; n < int(model.entries.size()); ++n) {
        Rect box = EntryBox(chart, model, n);
        if (x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height) {
            result->row = n;
            result->column = 0;
            return 1;
        }
    }
    return 0;
}

// The chart object and the text object: the records behind the two kinds of
// handle, with every property value and the window, device and redraw state.
#pragma once

#include "zelplot3d.h"

#include <cstdarg>

#include "chart/DeviceTable.h"
#include "chart/Scene.h"
#include "kernel/RectList.h"

using AreaImage = Zel3dImageData;
struct ContourData;

// Library marker for an unset position or size, replaced by layout while the
// matching use-default flag is 1.
constexpr int kDefaultPosition = 27241;
// Library marker for an unset double (bit pattern 0x7FE1CCF385EBC8A0).
constexpr double kUnsetDouble = 1e308;

// Rotation modes of the interactive rotation.
enum RotationMode { kRotationAboutX = 0, kRotationAboutY = 1, kRotationAboutZ = 2, kRotationFree = 3,
                    kRotationScreenNormal = 4 };

// The view an interaction started from, restored when it is cancelled.
struct SavedView {
    int normalized;
    double scale;
    double xtranslate;
    double ytranslate;
    double rotation[3];  // x, y, z
};

// Where an interaction started and where the pointer is now (-1 when none).
struct InteractionRecord {
    POINT anchor;
    POINT current;
    int rotation_mode;
    int band_shown;  // the zoom box's band is on the screen
    SavedView saved;
};

// Area tags, used to pick an area's colours.
enum AreaTag { kTagChart = -1, kTagStipple = -2, kTagHeader = -3, kTagFooter = -4, kTagGraph = -5,
               kTagText = -6, kTagLegend = -7 };

// Damage bits of the picture.
enum DamageBits { kDamageGraph = 1, kDamageHeader = 2, kDamageFooter = 4, kDamageLegend = 8,
                  kDamageData = 16, kDamageAll = 31 };

// A colour and the two shades the palette and the borders work out from it.
struct ColorRecord {
    int color;
    int shade_dark;
    int shade_light;
};

// A position or size that layout computes while use_default is 1.
struct DefaultedInt {
    int value;
    int use_default;
};

// An axis limit; kUnsetDouble when not given.
struct AxisLimit {
    double value;
    int use_default;
};

// Picture behind an area: the file it comes from and, once read, the image.
struct ImageSlot {
    int layout;
    char* file_name;
    AreaImage* image;
    int minimum_size;
    int transparent;
};

struct StringList {
    char** items;
    int count;
};

struct ValueLabelList {
    Zel3dValueLabel** items;
    int count;
};

struct XYColorList {
    Zel3dXYColor** items;
    int count;
};

struct ContourStyleList {
    Zel3dContourStyle** items;
    int count;
};

struct DataStyleList {
    Zel3dDataStyle** items;
    int count;
    int use_default;
    const Zel3dDataStyle* defaults;  // the library's eight default styles
};

// A grid line style: the style in force and the pointer handed out by
// Zel3dGetValues (always to `current`).
struct GridLineStyle {
    Zel3dLineStyle current;
    Zel3dLineStyle* handed_out;
    int use_default;
};

// Settings that come once per axis (some only for x and y).
struct AxisSettings {
    char* title;
    StringList data_labels;
    ValueLabelList value_labels;
    int show;
    int mesh_show;
    int mesh_filter;
    int grid_lines;
    GridLineStyle grid_style;
    int anno_method;
    int bar_format;
    double bar_spacing;
    double rotation;
    double scale;
    double normalized_scale;
    AxisLimit min;
    AxisLimit max;
};

// What every framed area of the chart has: colours, a picture, a border,
// and the rectangle layout gave it now and at the last redraw.
struct AreaFrame {
    ColorRecord background;
    ColorRecord foreground;
    int tag;
    ImageSlot image;
    Rect rect;
    Rect last_rect;
    int border;
    int border_width;
};

// Header and footer.
struct TextArea : AreaFrame {
    FontRecord font;
    DefaultedInt x;
    DefaultedInt y;
    int width;
    int height;
    StringList strings;
    int adjust;
};

struct GraphArea : AreaFrame {
    DefaultedInt x;
    DefaultedInt y;
    DefaultedInt width;
    DefaultedInt height;
};

struct LegendArea : AreaFrame {
    FontRecord font;
    DefaultedInt x;
    DefaultedInt y;
    int width;
    int height;
    int show;
    char* title;
    StringList strings;
    int orientation;
    int anchor;
    int style;
    int distn_range;
    Zel3dLegendLabelFunc label_func;
    int label_filter;
    int reserved;
};

// A chart's view of one of its data sets (SURFACE_DATA or ZONE_DATA).
struct DataView {
    int valid;
    int empty;
    int type;
    int nx;
    int ny;
    int nseries;
    double* x;
    double* y;
    int owns_coordinates;  // grid views make their own x and y arrays
    double hole;
    double** values;
    Zel3dSeries* series;
};

// The levels that contouring works from.
struct LevelList {
    int count;
    double* levels;
};

// The optional translated-resource library of a chart.
struct LocaleHolder {
    HMODULE base_module;
    HMODULE locale_module;
    char buffer[256];
};

struct Zel3dText;

struct Zel3dChart {
    Zel3dText** text_objects;  // null-ended, or null

    TextArea header;
    TextArea footer;

    ColorRecord background;
    ColorRecord foreground;
    ColorRecord data_area_background;
    int surface_top_color;
    int surface_bottom_color;
    int mesh_top_color;
    int mesh_bottom_color;
    XYColorList xy_colors;

    ImageSlot image;  // behind the whole chart

    int debug;
    int double_buffer;
    int draw_contours;
    int draw_hidden_lines;
    int draw_mesh;
    int draw_shaded;
    int draw_zones;
    int draw_drop_lines;
    int repaint;
    int solid_surface;
    int view_normalized;
    int use_truetype;

    int border;
    int border_width;
    GraphArea graph;
    LegendArea legend;
    int width;   // client size of the window (or of the drawing)
    int height;

    double perspective_depth;
    double view_scale;
    double view_xtranslate;
    double view_ytranslate;
    double zorigin;
    AxisSettings x_axis;
    AxisSettings y_axis;
    AxisSettings z_axis;
    int project_zmin;
    int project_zmax;

    FontRecord axis_font;
    FontRecord axis_title_font;
    FontRecord working_font;  // the drawing layer's font slot
    int axis_stroke_font;
    int axis_stroke_size;
    int axis_title_stroke_font;
    int axis_title_stroke_size;
    int font_rotation;

    Zel3dData* surface_data;  // the caller's, never owned
    Zel3dData* zone_data;
    DataView surface_view;
    DataView zone_view;
    double data_zmin;
    double data_zmax;
    double distn_min;
    double distn_max;
    double cached_zlimits[4];

    int distn_method;
    Zel3dDistnTable* distn_table;
    int num_distn_levels;
    int effective_levels;
    LevelList levels;
    ContourData* contours;
    ContourStyleList contour_styles;
    DataStyleList data_styles;

    int type;
    int preview_method;
    int zone_method;

    // Window and device.
    HWND window;
    HWND notify_window;
    HDC taken_dc;  // the DC Zel3dGetDC took, released by Zel3dReleaseDC
    HBITMAP offscreen_bitmap;
    HBITMAP memory_dc_original_bitmap;
    HPALETTE palette;
    RECT update_rect;
    DeviceState device;  // the DCs and the drawing state the device operations work on
    int device_depth;
    HGDIOBJ system_font;
    LOGBRUSH black_brush;
    LocaleHolder locale;

    // Interaction.
    Zel3dActionBinding* actions;
    int interaction_state;
    InteractionRecord interaction;
    int interaction_redraw;
    int creator;
    void* event_handler;

    // Redraw state.
    int damage_mask;
    int offscreen_valid;
    int drawn;
    int painting;
    int up_to_date;
    int ready_to_draw;

    char* name;

    // Working state of the drawing (view, axes, projection).
    SceneState scene;
};

struct Zel3dText {
    int stroke_font;
    int stroke_size;
    FontRecord font;
    Zel3dChart* chart;
    ColorRecord background;
    ColorRecord foreground;
    int tag;
    ImageSlot image;
    StringList strings;
    int adjust;
    int border;
    int border_width;
    int attach_method;
    int attach_index_x;
    int attach_index_y;
    int attach_index_point;
    int attach_index_series;
    int attach_pixel_x;
    int attach_pixel_y;
    double attach_point_x;
    double attach_point_y;
    double attach_point_z;
    int line_show;
    int show;
    int offset_x;
    int offset_y;
    int plane;
    char* print_font;
    int visible;

    // Working state of drawing.
    POINT box[5];
    POINT leader[2];
    double depth;
    int placed;
    int leader_drawn;
    int box_drawn;
    void* work_buffer;
};

// Normalised scales and the effective number of contour levels.
void zel3d_normalize_scales(Zel3dChart* chart);
// Grid line styles that follow the default take the graph's foreground.
void zel3d_reset_grid_line_styles(Zel3dChart* chart);
// The data style of a series: the chart's own, else the defaults in turn.
const Zel3dDataStyle& zel3d_data_style(const Zel3dChart* chart, int index);
// Fills in the shades of a colour record that are still automatic (-1);
// returns the dark shade.
int zel3d_border_shades(ColorRecord* record);

// Diagnostics: formatted only for a null chart or with DEBUG set, then
// dropped.
void zel3d_debug_printf(const Zel3dChart* chart, const char* format, ...)
    __attribute__((format(gnu_printf, 2, 3)));
void zel3d_debug_vprintf(const Zel3dChart* chart, const char* format, va_list args);
void zel3d_error(const Zel3dChart* chart, const char* text);

/* zelplot3d: a 3D chart control with a flat exported interface.
 *
 * A chart is created with Zel3dCreate, bound to a child window of the class
 * ZelChart3D8 with Zel3dAttachWindow, configured through property lists
 * (Zel3dSetValues), fed data sets (Zel3dMakeGridData and friends) and
 * destroyed with Zel3dDestroy. Failures are reported as 0 or null.
 *
 * Property lists are variable argument lists of (code, value) pairs ended by
 * a code 0. Each value is passed by its type class: an int for booleans,
 * colours, sizes, counts, positions, use-default flags and enumerations; a
 * double for class 7 (ZEL3D_XROTATION and friends); a pointer for every
 * other class. Pass nullptr, not a bare 0, for a null pointer value, and
 * 25.0, not 25, for a double. C++ callers should prefer the typed helpers
 * at the end of this header, which convert each value to its class's type.
 */
#ifndef ZELPLOT3D_H
#define ZELPLOT3D_H

#include <windows.h>

#if defined(ZEL3D_BUILD)
#define ZEL3D_API __declspec(dllexport)
#elif defined(ZEL3D_STATIC)
#define ZEL3D_API
#else
#define ZEL3D_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Handles ---------------------------------------------------------- */

typedef struct Zel3dChart Zel3dChart; /* a chart object */
typedef struct Zel3dText Zel3dText;   /* a text object owned by a chart */

/* ---- Property codes --------------------------------------------------- */

enum {
#define ZEL3D_PROPERTY(NAME, CODE, OWNER, MEMBER, DAMAGE, RULE) ZEL3D_##NAME = CODE,
#include "zelplot3d_properties.inc"
    ZEL3D_END_OF_LIST = 0
};

/* The type class of a property code. */
#define ZEL3D_TYPE_CLASS(code) (((code) >> 8) & 0xFF)

/* ---- Values ------------------------------------------------------------ */

#define ZEL3D_HOLE 1e308          /* the usual hole value, and "unset" for doubles */
#define ZEL3D_AUTOMATIC_COLOR (-1) /* colour chosen by the chart */

/* Data set kinds. */
enum { ZEL3D_DATA_GRID = 1, ZEL3D_DATA_IRGRID = 2, ZEL3D_DATA_POINT = 3 };

/* Regular grid: values[i][j] is z at (xorigin + i * xstep, yorigin + j * ystep). */
typedef struct Zel3dGridData {
    int type; /* ZEL3D_DATA_GRID */
    int nx;
    int ny;
    double hole;
    double xstep;
    double ystep;
    double xorigin;
    double yorigin;
    double** values; /* nx rows of ny values */
} Zel3dGridData;

/* Grid with explicit, increasing x and y positions. */
typedef struct Zel3dIrGridData {
    int type; /* ZEL3D_DATA_IRGRID */
    int nx;
    int ny;
    double hole;
    double* x;
    double* y;
    double** values;
} Zel3dIrGridData;

typedef struct Zel3dPoint {
    double x, y, z;
} Zel3dPoint;

typedef struct Zel3dSeries {
    int npoints;
    Zel3dPoint* points;
} Zel3dSeries;

typedef struct Zel3dPointData {
    int type; /* ZEL3D_DATA_POINT */
    int nseries;
    double hole;
    Zel3dSeries* series;
} Zel3dPointData;

typedef union Zel3dData {
    int type;
    Zel3dGridData grid;
    Zel3dIrGridData irgrid;
    Zel3dPointData point;
} Zel3dData;

/* Contour style: the fill of a zone band and the line of a contour level. */
typedef struct Zel3dContourStyle {
    int zone_color;
    int line_color;
    int line_width; /* 0 draws no line */
    int line_pattern; /* 1 LpatNone ... 7 LpatDashDot */
} Zel3dContourStyle;

typedef struct Zel3dDistnTable {
    int count;
    double* levels;
} Zel3dDistnTable;

typedef struct Zel3dValueLabel {
    double value;
    char* label;
    int reserved;
} Zel3dValueLabel;

typedef struct Zel3dLineStyle {
    int pattern; /* 1 LpatNone ... 7 LpatDashDot */
    int color;
    int width;
} Zel3dLineStyle;

typedef struct Zel3dSymbolStyle {
    int shape; /* 1 SymbolNone ... 16 SymbolOpenInvertTri */
    int color;
    int size;
} Zel3dSymbolStyle;

typedef struct Zel3dDataStyle {
    Zel3dLineStyle line;
    Zel3dSymbolStyle symbol;
} Zel3dDataStyle;

/* Colour of one grid point; -1 as an index means every row or column. */
typedef struct Zel3dXYColor {
    int x;
    int y;
    int color;
} Zel3dXYColor;

/* Row of an enumeration table; a table ends with an empty name. */
typedef struct Zel3dEnumEntry {
    int value;
    const char* name;
    int reserved;
} Zel3dEnumEntry;

/* Legend label callback: may replace the proposed label of entry `index`
 * of the band [low, high]. */
typedef const char* (*Zel3dLegendLabelFunc)(Zel3dChart* chart, int index, double low, double high,
                                            const char* proposed);

typedef struct Zel3dVersionInfo {
    unsigned short major;
    unsigned short minor;
    unsigned short build;
    unsigned short revision;
    char* product_name;
    char* product_version;
    char* legal_notice;
    char* second_legal_notice;
} Zel3dVersionInfo;

/* Messages of the file readers and writers are copied into a caller buffer
 * of at least this many bytes (longer messages are cut). */
#define ZEL3D_MESSAGE_SIZE 1024

/* ---- Notifications to the chart window's parent (wParam = chart window) */

#define ZEL3D_NOTIFY_SIZE 0x13A0          /* lParam: SIZE* {WIDTH, HEIGHT} */
#define ZEL3D_NOTIFY_REPAINT 0x13A1       /* lParam: Zel3dRepaintFrame* */
#define ZEL3D_NOTIFY_PALETTE 0x13A2       /* lParam: 0 */
#define ZEL3D_NOTIFY_START 0x13A3         /* lParam: Zel3dStartRequest* */
#define ZEL3D_NOTIFY_END 0x13A4           /* lParam: 0 */
#define ZEL3D_NOTIFY_ROTATE 0x13A5        /* lParam: Zel3dRotateRequest* */
#define ZEL3D_NOTIFY_ZOOM 0x13A6          /* lParam: Zel3dZoomRequest* */
#define ZEL3D_NOTIFY_RIGHT_CLICK 0x13A7   /* lParam: POINT-like {int x, y} */

typedef struct Zel3dRepaintFrame {
    HDC dc;
    RECT damaged;
} Zel3dRepaintFrame;

typedef struct Zel3dStartRequest {
    int allow;
    int x;
    int y;
} Zel3dStartRequest;

typedef struct Zel3dRotateRequest {
    double xrotation;
    double yrotation;
    double zrotation;
    int allow;
} Zel3dRotateRequest;

typedef struct Zel3dZoomRequest {
    double scale;
    double xtranslate;
    double ytranslate;
    int allow;
} Zel3dZoomRequest;

typedef struct Zel3dClickPoint {
    int x;
    int y;
} Zel3dClickPoint;

/* ---- Chart life ---------------------------------------------------------- */

ZEL3D_API Zel3dChart* Zel3dCreate(void);
ZEL3D_API void Zel3dReinitialize(Zel3dChart* chart);
ZEL3D_API void Zel3dDestroy(Zel3dChart* chart);
ZEL3D_API Zel3dText* Zel3dTextCreate(Zel3dChart* chart);
ZEL3D_API void Zel3dTextDestroy(Zel3dText* text);
ZEL3D_API int Zel3dRegisterClass(HINSTANCE instance);
ZEL3D_API int Zel3dUnregisterClass(HINSTANCE instance);
ZEL3D_API void Zel3dInitCtrl(void);
ZEL3D_API void Zel3dExitCtrl(void);

/* ---- Window and device contexts ----------------------------------------- */

ZEL3D_API int Zel3dAttachWindow(Zel3dChart* chart, HWND window);
ZEL3D_API HWND Zel3dDetachWindow(Zel3dChart* chart);
ZEL3D_API HWND Zel3dGetWindow(Zel3dChart* chart);
ZEL3D_API Zel3dChart* Zel3dGetHandle(HWND window);
ZEL3D_API Zel3dChart* Zel3dCreateWindow(const char* name, int x, int y, int width, int height,
                                        HWND parent, HINSTANCE instance);
ZEL3D_API LRESULT CALLBACK Zel3dWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
ZEL3D_API int Zel3dGetDC(Zel3dChart* chart);
ZEL3D_API void Zel3dReleaseDC(Zel3dChart* chart);
ZEL3D_API void Zel3dInitDC(Zel3dChart* chart, HDC dc);
ZEL3D_API int Zel3dGetAndInitDC(Zel3dChart* chart);
ZEL3D_API void* Zel3dSetEventHandler(Zel3dChart* chart, void* handler);
ZEL3D_API int Zel3dSetCreator(Zel3dChart* chart, int creator);
ZEL3D_API void Zel3dComputePalette(Zel3dChart* chart);
ZEL3D_API int Zel3dForceRedraw(Zel3dChart* chart);
ZEL3D_API void Zel3dGetDamagedRect(Zel3dChart* chart, RECT* rect);
ZEL3D_API INT_PTR Zel3dAboutDialogBox(HWND parent);

/* ---- Properties ----------------------------------------------------------- */

ZEL3D_API int Zel3dSetValues(Zel3dChart* chart, ...);
ZEL3D_API int Zel3dGetValues(Zel3dChart* chart, ...);
ZEL3D_API int Zel3dTextSetValues(Zel3dText* text, ...);
ZEL3D_API int Zel3dTextGetValues(Zel3dText* text, ...);
ZEL3D_API void Zel3dGetValueInfo(int n, int* code, const char** name);
ZEL3D_API void Zel3dTextGetValueInfo(int n, int* code, const char** name);

ZEL3D_API int Zel3dSetPropString(Zel3dChart* chart, int code, const char* text);
ZEL3D_API int Zel3dTextSetPropString(Zel3dText* text, int code, const char* value);
ZEL3D_API int Zel3dGetPropString(Zel3dChart* chart, int code, char** text);
ZEL3D_API int Zel3dTextGetPropString(Zel3dText* text, int code, char** value);
ZEL3D_API void Zel3dFreePropString(char* text);

ZEL3D_API const Zel3dEnumEntry* Zel3d_GetResEnumList(int code);
ZEL3D_API const Zel3dEnumEntry* Zel3d_GetEnumList(int type_class);

/* Colours as text: names, "#rgb", "#rrggbb", "#rrrrggggbbbb", "0x..." hex. */
ZEL3D_API int Zel3dStrToColor(const char* text, int* color);
ZEL3D_API int Zel3dRGBStrToColor(const char* text, int* color);
ZEL3D_API const char* Zel3dColorToStr(int color);
ZEL3D_API const char* Zel3dColorToRGBStr(int color);

/* Copies and frees of the list values that Zel3dGetValues hands out. */
ZEL3D_API char** Zel3dDupStrings(const char* const* list);
ZEL3D_API void Zel3dFreeStrings(char** list);
ZEL3D_API Zel3dValueLabel** Zel3dDupValueLabels(const Zel3dValueLabel* const* list);
ZEL3D_API void Zel3dFreeValueLabels(Zel3dValueLabel** list);
ZEL3D_API Zel3dXYColor** Zel3dDupXYColors(const Zel3dXYColor* const* list);
ZEL3D_API void Zel3dFreeXYColors(Zel3dXYColor** list);
ZEL3D_API Zel3dDataStyle** Zel3dDupDataStyles(const Zel3dDataStyle* const* list);
ZEL3D_API void Zel3dFreeDataStyles(Zel3dDataStyle** list);

/* One element of a list property. The setters repaint the area of the list
 * and return the repaint result; an axis outside the call's range gives -1.
 * The getters return the chart's own text, or a copy in a buffer that the
 * next call overwrites. */
ZEL3D_API int Zel3dSetNthHeaderString(Zel3dChart* chart, int n, const char* text);
ZEL3D_API const char* Zel3dGetNthHeaderString(Zel3dChart* chart, int n);
ZEL3D_API int Zel3dSetNthFooterString(Zel3dChart* chart, int n, const char* text);
ZEL3D_API const char* Zel3dGetNthFooterString(Zel3dChart* chart, int n);
ZEL3D_API int Zel3dSetNthLegendString(Zel3dChart* chart, int n, const char* text);
ZEL3D_API const char* Zel3dGetNthLegendString(Zel3dChart* chart, int n);
ZEL3D_API int Zel3dSetNthDataLabel(Zel3dChart* chart, int axis, int n, const char* text);
ZEL3D_API const char* Zel3dGetNthDataLabel(Zel3dChart* chart, int axis, int n);
ZEL3D_API int Zel3dSetValueLabel(Zel3dChart* chart, int axis, const Zel3dValueLabel* label);
ZEL3D_API const Zel3dValueLabel* Zel3dGetValueLabel(Zel3dChart* chart, int axis, const double* value);
ZEL3D_API int Zel3dSetNthDataStyle(Zel3dChart* chart, int n, const Zel3dDataStyle* style);
ZEL3D_API const Zel3dDataStyle* Zel3dGetNthDataStyle(Zel3dChart* chart, int n);
ZEL3D_API int Zel3dInsertNthDataStyle(Zel3dChart* chart, int n, const Zel3dDataStyle* style);
ZEL3D_API int Zel3dRemoveNthDataStyle(Zel3dChart* chart, int n);

/* ---- Data sets ------------------------------------------------------------- */

ZEL3D_API Zel3dData* Zel3dMakeGridData(int nx, int ny, double hole, double xstep, double ystep,
                                       double xorigin, double yorigin, int allocate);
ZEL3D_API Zel3dData* Zel3dMakeIrGridData(int nx, int ny, double hole, int allocate);
ZEL3D_API Zel3dData* Zel3dMakePointData(int nseries, int npoints, double hole, int allocate);
ZEL3D_API int Zel3dMakePointDataSeries(Zel3dSeries* series, int npoints);
ZEL3D_API void Zel3dDestroyData(Zel3dData* data, int free_values);
ZEL3D_API Zel3dData* Zel3dDataCopy(const Zel3dData* data);
ZEL3D_API int Zel3dDataUpdateDataValue(Zel3dData* data, double old_value, double new_value);

/* Derived data sets: light intensities in [0, 1] (hole -100), a 3 x 3
 * smoothing in place (0 <= keep < 1), and a sub-range resampled onto an
 * nx by ny grid (method 2 cubic spline, else linear). */
ZEL3D_API Zel3dData* Zel3dDataShaded(const Zel3dData* data, double azimuth, double elevation, double z_scale,
                                     double ambient, double diffuse);
ZEL3D_API void Zel3dDataSmooth(Zel3dData* data, double keep);
ZEL3D_API Zel3dData* Zel3dDataWindow(const Zel3dData* data, double x1, double y1, double x2, double y2, int nx,
                                     int ny, int method);

/* Text files; `message` is null or a buffer of ZEL3D_MESSAGE_SIZE bytes. */
ZEL3D_API Zel3dData* Zel3dMakeDataFromFile(const char* path, char* message);
ZEL3D_API int Zel3dSaveDataToFile(const Zel3dData* data, const char* path, char* message);

/* ---- Contour styles and distribution tables ---------------------------- */

ZEL3D_API Zel3dContourStyle** Zel3dContourStylesFromFile(const char* path, char* message);
ZEL3D_API int Zel3dContourStylesToFile(const Zel3dContourStyle* const* list, const char* path,
                                       char* message);
ZEL3D_API Zel3dContourStyle** Zel3dDupContourStyles(const Zel3dContourStyle* const* list);
ZEL3D_API void Zel3dFreeContourStyles(Zel3dContourStyle** list);
ZEL3D_API Zel3dDistnTable* Zel3dDistnTableFromFile(const char* path, char* message);
ZEL3D_API int Zel3dDistnTableToFile(const Zel3dDistnTable* table, const char* path, char* message);
ZEL3D_API Zel3dDistnTable* Zel3dDupDistnTable(const Zel3dDistnTable* table);
ZEL3D_API void Zel3dFreeDistnTable(Zel3dDistnTable* table);
/* The chart's contour styles and levels: one style by index, the default
 * styles again, the current distribution table (the caller frees it) and
 * the level band that holds z. */
ZEL3D_API const Zel3dContourStyle* Zel3dGetNthContourStyle(Zel3dChart* chart, int n);
ZEL3D_API void Zel3dSetNthContourStyle(Zel3dChart* chart, int n, const Zel3dContourStyle* style);
ZEL3D_API Zel3dContourStyle** Zel3dResetContourStyles(Zel3dChart* chart);
ZEL3D_API Zel3dDistnTable* Zel3dGetDistnTable(Zel3dChart* chart);
ZEL3D_API int Zel3dDistnIndex(Zel3dChart* chart, double z);

/* ---- Locale resources and version information ---------------------------- */

ZEL3D_API HMODULE Zel3dGetLocalizedResourceHandle(Zel3dChart* chart);
ZEL3D_API void Zel3dReleaseLocalizedResourceHandle(Zel3dChart* chart);
ZEL3D_API char* Zel3dLoadResourceString(Zel3dChart* chart, UINT id, char* buffer, int size);
ZEL3D_API int Zel3dGetModuleVersionInfo(HMODULE module, Zel3dVersionInfo* info);
ZEL3D_API int Zel3dClearVersionInfo(Zel3dVersionInfo* info);

/* ---- Palette and per-point colours --------------------------------------- */

ZEL3D_API HPALETTE Zel3dGetPalette(Zel3dChart* chart);
ZEL3D_API int Zel3dSetWorkColor(Zel3dChart* chart, int color);
/* Colour of grid point (x, y) from XY_COLORS; -1 when none applies. */
ZEL3D_API int Zel3dGetXYColor(Zel3dChart* chart, int x, int y);
/* Adds or replaces the colour of (x, y) (-1 as an index: every row or
 * column); the colour -1 removes it. */
ZEL3D_API void Zel3dSetXYColor(Zel3dChart* chart, int x, int y, int color);

/* ---- Map and pick -------------------------------------------------------- */

/* Regions of a device point. */
#define ZEL3D_REGION_GRAPH (-100)
#define ZEL3D_REGION_LEGEND (-99)
#define ZEL3D_REGION_HEADER (-98)
#define ZEL3D_REGION_FOOTER (-97)
#define ZEL3D_REGION_NONE (-96)

/* A device point and the data point under it (1e308 where unknown). */
typedef struct {
    int device_x;
    int device_y;
    double x;
    double y;
    double z;
} Zel3dMapResult;

/* A device point and the data point nearest to it (-1 when none): grid
 * indices (x, y) or (series, point), and the distance in pixels. */
typedef struct {
    int device_x;
    int device_y;
    int row;
    int column;
    int distance;
} Zel3dPickResult;

ZEL3D_API int Zel3dMap(Zel3dChart* chart, int x, int y, Zel3dMapResult* result);
ZEL3D_API int Zel3dPick(Zel3dChart* chart, int x, int y, Zel3dPickResult* result);
/* The device point of a data point, and of a picked row and column. */
ZEL3D_API void Zel3dUnmap(Zel3dChart* chart, double x, double y, double z, Zel3dMapResult* result);
ZEL3D_API void Zel3dUnpick(Zel3dChart* chart, int row, int column, Zel3dPickResult* result);
/* The surface z interpolated at data point (x, y) (1e308 outside the grid),
 * and the z at which the vertical through data point (i, j) passes device
 * point (px, py); the hole value of the data on errors. */
ZEL3D_API double Zel3dZInterpolate(Zel3dChart* chart, double x, double y);
ZEL3D_API void Zel3dZInterpolateIndirect(Zel3dChart* chart, double x, double y, double* z);
ZEL3D_API double Zel3dComputeZValue(Zel3dChart* chart, int i, int j, int px, int py);
ZEL3D_API void Zel3dComputeZValueIndirect(Zel3dChart* chart, int i, int j, int px, int py, double* z);

/* ---- Contours and area pictures ------------------------------------------ */

/* The contour points of levels first_level..last_level (every step-th) as a
 * point data set, one series per wanted level; the caller destroys it. */
ZEL3D_API Zel3dData* Zel3dDataContours(Zel3dChart* chart, int first_level, int last_level, int step);

/* A picture read into memory (kind 1 bitmap, 2 placeable metafile, 3
 * enhanced metafile, 4 metafile), its blocks moveable global memory. */
typedef struct Zel3dImageData {
    int kind;
    int colors;
    int width;
    int row_bytes;
    int height;
    int row_stride;
    int header_bytes;
    HGLOBAL header_handle;
    BITMAPINFO* header;
    int palette_entries;
    HGLOBAL palette_handle;
    PALETTEENTRY* palette;
    int data_bytes;
    HGLOBAL data_handle;
    BYTE* data;
} Zel3dImageData;

/* Picture slots by property code: ZEL3D_IMAGE .. ZEL3D_LEGEND_IMAGE, and
 * ZEL3D_TEXT_IMAGE with a text object. */
ZEL3D_API int Zel3d_SetImageFileName(Zel3dChart* chart, Zel3dText* text, int code, const char* file_name);
ZEL3D_API Zel3dImageData* Zel3d_GetImageData(Zel3dChart* chart, Zel3dText* text, int code);
ZEL3D_API BYTE* Zel3d_SetImageData(Zel3dChart* chart, Zel3dText* text, int code, const Zel3dImageData* image);

/* ---- Actions --------------------------------------------------------------
 *
 * An input event (message, modifier bits, key) bound to an action. Modifier
 * bits: 1 left button, 2 right button, 4 Shift, 8 Control, 0x10 middle
 * button (or left and right together), 0x20 Alt. Button messages are stored
 * with their own button's bit set (down, double click) or cleared (up) and
 * key 0; key messages with upper-case letters. */
typedef struct Zel3dActionBinding {
    int message;
    int modifiers;
    int key;
    int action;
    struct Zel3dActionBinding* next;
} Zel3dActionBinding;

/* Action codes. */
enum {
    ZEL3D_ACTION_START = 1,          /* start an interaction at the point */
    ZEL3D_ACTION_END = 2,
    ZEL3D_ACTION_CANCEL = 3,         /* restore the view it started from, then end */
    ZEL3D_ACTION_ROTATE = 4,         /* turn by the pointer's movement */
    ZEL3D_ACTION_ZOOM = 5,           /* zoom by the vertical movement */
    ZEL3D_ACTION_MOVE = 6,
    ZEL3D_ACTION_START_ZOOM_BOX = 7,
    ZEL3D_ACTION_EXTEND_ZOOM_BOX = 8,
    ZEL3D_ACTION_APPLY_ZOOM_BOX = 9,
    ZEL3D_ACTION_CANCEL_ZOOM_BOX = 10,
    ZEL3D_ACTION_RESET = 11,         /* scale 1, no translation */
    ZEL3D_ACTION_RIGHT_CLICK = 12,   /* ZEL3D_NOTIFY_RIGHT_CLICK at the point */
    ZEL3D_ACTION_ROTATE_ABOUT_X = 100,
    ZEL3D_ACTION_ROTATE_ABOUT_Y = 101,
    ZEL3D_ACTION_ROTATE_ABOUT_Z = 102,
    ZEL3D_ACTION_ROTATE_ABOUT_NORMAL = 103, /* about the screen normal */
    ZEL3D_ACTION_ROTATE_FREE = 104
};

/* Binds an event to an action (0 removes the binding); the binding, or
 * null when there is none. */
ZEL3D_API Zel3dActionBinding* Zel3dSetAction(Zel3dChart* chart, int message, int modifiers, int key, int action);
ZEL3D_API int Zel3dGetAction(Zel3dChart* chart, int message, int modifiers, int key);
ZEL3D_API Zel3dActionBinding* Zel3dGetActionList(Zel3dChart* chart);
ZEL3D_API void Zel3dRemoveAllActions(Zel3dChart* chart);
/* Installs the default bindings again. */
ZEL3D_API void Zel3dResetAllActions(Zel3dChart* chart);
/* Runs an action at a device point of the chart: 0 before the chart was
 * first painted, -1 after an action that ends an interaction, code - 1 for
 * an unknown code, else 1 (0 when a start was refused). */
ZEL3D_API int Zel3dCallAction(Zel3dChart* chart, int action, int x, int y);

/* ---- Output: devices, printer, clipboard and image files ------------------
 *
 * Placement modes of a chart in a box (x, y, width, height): 1 natural size,
 * 2 full width, 3 full height, 5 stretched, anything else the largest box of
 * the chart's aspect anchored at (x, y). An empty box is the chart's own
 * size (the printable page when printing). Method 1 draws a bitmap of the
 * chart, any other method vectors. Results: 1 done, 0 failed. */
ZEL3D_API int Zel3dDrawToDC(Zel3dChart* chart, HDC dc, int method, int mode, int x, int y, int width, int height);
/* The print dialog, then one page "Stock graphs", always as vectors. */
ZEL3D_API int Zel3dPrint(Zel3dChart* chart, int method, int mode, int x, int y, int width, int height);
/* Kinds: 1 bitmap (BMP), 2 placeable metafile, 3 enhanced metafile, 4
 * metafile. A file is replaced only once the new one is complete. */
ZEL3D_API int Zel3dDrawToFile(Zel3dChart* chart, const char* path, int kind);
/* Kinds: 1 CF_DIB, 2 and 4 CF_METAFILEPICT, 3 CF_ENHMETAFILE (with
 * CF_PALETTE when the chart has a palette); needs the chart's window. */
ZEL3D_API int Zel3dDrawToClipboard(Zel3dChart* chart, int kind);
/* The byte count of the chart as a BMP file image; with a buffer of at least
 * that size the image is also written into it (a smaller non-zero size
 * gives 0). */
ZEL3D_API int Zel3dSaveImageAsDibBytes(Zel3dChart* chart, unsigned char* buffer, int size);
/* JPEG: quality 0-100; grayscale, optimize (Huffman tables) and progressive
 * are flags. Without a buffer the ...Bytes form gives the stream's length;
 * with one, the size passed once the stream fitted into it, else 0. */
ZEL3D_API int Zel3dSaveImageAsJpeg(Zel3dChart* chart, const char* path, int quality, int grayscale, int optimize,
                                   int progressive);
ZEL3D_API int Zel3dSaveImageAsJpegBytes(Zel3dChart* chart, unsigned char* buffer, int size, int quality,
                                        int grayscale, int optimize, int progressive);
/* PNG: interlace 0 none, 1 Adam7. The ...Bytes form gives the stream's
 * length, or 0 when a buffer was given that is too small for it. */
ZEL3D_API int Zel3dSaveImageAsPng(Zel3dChart* chart, const char* path, int interlace);
ZEL3D_API int Zel3dSaveImageAsPngBytes(Zel3dChart* chart, unsigned char* buffer, int size, int interlace);

#ifdef __cplusplus
} /* extern "C" */

/* ---- Typed helpers for C++ callers ---------------------------------------
 *
 *   zel3d::SetValues(chart, zel3d::XROTATION(25), zel3d::DRAW_MESH(1),
 *                    zel3d::XAXIS_TITLE("Best"));
 *   double x = zel3d::GetValue(chart, zel3d::XROTATION);
 *
 * Each property is typed by its class, so an int given for a double property
 * is converted before it enters the argument list. */
#include <tuple>

namespace zel3d {

template <int Class>
struct ClassValue {
    using type = int;
};
template <> struct ClassValue<3> { using type = const Zel3dContourStyle* const*; };
template <> struct ClassValue<5> { using type = const Zel3dDistnTable*; };
template <> struct ClassValue<6> { using type = Zel3dData*; };
template <> struct ClassValue<7> { using type = double; };
template <> struct ClassValue<8> { using type = HFONT; };
template <> struct ClassValue<9> { using type = Zel3dLegendLabelFunc; };
template <> struct ClassValue<14> { using type = const char*; };
template <> struct ClassValue<15> { using type = const char* const*; };
template <> struct ClassValue<16> { using type = const Zel3dValueLabel* const*; };
template <> struct ClassValue<18> { using type = const Zel3dXYColor* const*; };
template <> struct ClassValue<19> { using type = const Zel3dLineStyle*; };
template <> struct ClassValue<20> { using type = const Zel3dDataStyle* const*; };
template <> struct ClassValue<21> { using type = const char*; };

template <class T>
struct Assignment {
    int code;
    T value;
};

template <class T>
struct Property {
    int code;
    constexpr Assignment<T> operator()(T value) const { return {code, value}; }
};

#define ZEL3D_PROPERTY(NAME, CODE, OWNER, MEMBER, DAMAGE, RULE) \
    inline constexpr Property<ClassValue<((CODE) >> 8)>::type> NAME{CODE};
#include "zelplot3d_properties.inc"

template <class... T>
int SetValues(Zel3dChart* chart, Assignment<T>... pairs) {
    return std::apply([chart](auto... flat) { return Zel3dSetValues(chart, flat..., 0); },
                      std::tuple_cat(std::make_tuple(pairs.code, pairs.value)...));
}

template <class... T>
int TextSetValues(Zel3dText* text, Assignment<T>... pairs) {
    return std::apply([text](auto... flat) { return Zel3dTextSetValues(text, flat..., 0); },
                      std::tuple_cat(std::make_tuple(pairs.code, pairs.value)...));
}

template <class T>
T GetValue(Zel3dChart* chart, Property<T> property) {
    T value{};
    Zel3dGetValues(chart, property.code, &value, 0);
    return value;
}

template <class T>
T TextGetValue(Zel3dText* text, Property<T> property) {
    T value{};
    Zel3dTextGetValues(text, property.code, &value, 0);
    return value;
}

}  // namespace zel3d
#endif /* __cplusplus */

#endif /* ZELPLOT3D_H */

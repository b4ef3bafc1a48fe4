// The property table and the type classes: every chart and text-object
// property by code, name, owner and the place of its value, and for each
// class of values how it is stored and converted to and from text.
#pragma once

#include "chart/Chart.h"

enum class Owner { CHART, TEXT, TEXT_LISTED };

// Special handling of a property by the setters (see PropertyAccess.cpp).
enum class SetRule {
    None,
    Offscreen,          // DOUBLE_BUFFER, WIDTH, HEIGHT: rebuild the off-screen bitmap
    ReadOnly,           // computed by layout: refused
    Unsettable,         // known to the getter only
    StoreOnly,          // stored without damage, reported as unchanged
    StrokeSize,         // 1..1000, too large becomes 80
    BorderWidth,        // 0..20
    Absolute,           // the absolute value
    DistnLevels,        // 0..100, too large becomes 10
    ProjectionBits,     // value AND 3
    PlaneBits,          // value AND 7
    MeshFilter,         // below 1 becomes 0
    ZAnnoMethod,        // DataLabels becomes Values
    Percent,            // clamped to 0..100
    AtLeastOne,         // below 1.0 refused
    Positive,           // not above 0 refused
    ResetContours,      // contour data reset after a change
    AutoWhite,          // automatic colour becomes white
    AutoBlack,          // automatic colour becomes black
    AutoSurfaceTop,     // automatic colour becomes 0xD3D3D3
    AutoSurfaceBottom,  // automatic colour becomes 0x707070
    Foreground,         // automatic becomes black; grid line styles follow
    GraphForeground,    // grid line styles follow
    LimitFlag,          // an axis limit's use-default flag
    DataStylesFlag,
    GridStyleFlag,
    SurfaceData,
    ZoneData,
    DistnTable,
    ContourStyles,
    AttachMethod,       // redraws everything only to or from Pixel
};

// What a property's value is, from the type of its member in the record.
enum class ValueKind {
    Int, Defaulted, Limit, Double, Color, String, StringList, ValueLabels, XYColors,
    DataStyles, ContourStyles, DistnTable, GridStyle, Font, Image, Data, Function,
};

struct PropertyRow {
    int code;
    Owner owner;
    const char* name;  // without the ZEL3D_ prefix
    int damage;
    SetRule rule;
    ValueKind kind;
    void* (*locate)(void* record);  // the member in a chart or text object
};

// How a class's values travel in property lists.
enum class Storage { None, Int, Double, Pointer };

// One value of a property list, by its storage.
struct PropertyValue {
    int i = 0;
    double d = 0.0;
    const void* p = nullptr;
};

// Text converters of a type class. A parser makes a new value (freed with
// zel3d_free_parsed_value); a printer returns a malloc'ed text or null.
using ParseFn = bool (*)(const char* text, int type_class, PropertyValue& out);
using PrintFn = char* (*)(int type_class, const PropertyValue& value);

struct TypeClassRow {
    int type_class;
    int first_index;  // row of the class's first property, -1 without any
    Storage storage;
    ParseFn parse;
    PrintFn print;
};

constexpr int kPropertyCount = 209;
constexpr int kChartPropertyCount = 179;
constexpr int kTextPropertyCount = 30;

// The table, ended by a row whose code is -1.
const PropertyRow* zel3d_property_table();
// Fills the first-index column of the type-class table; returns 1.
int zel3d_index_property_table();
// Row of a type class in the type-class table (null for an unknown class).
const TypeClassRow* zel3d_type_class_row(int type_class);
// The row of a code, or null when its class or index is unknown.
const PropertyRow* zel3d_property_descriptor(int code);
// A code that the text-object setters take.
bool zel3d_is_text_resource(int code);
Storage zel3d_storage_of(int code);
// The value's place in its owner, or null when the owner does not match.
void* zel3d_property_address(const PropertyRow& row, Zel3dChart* chart, Zel3dText* text);

// Enumerations.
const Zel3dEnumEntry* zel3d_enum_table(int type_class);
const Zel3dEnumEntry* zel3d_enum_lookup(int value, int type_class);
// Value of a name (case-insensitive), or -1 when none matches.
int zel3d_enum_from_name(const char* text, int type_class, int* row = nullptr);
bool zel3d_enum_has_value(int type_class, int value);

// Frees a value made by a parser.
void zel3d_free_parsed_value(int type_class, PropertyValue& value);
// Fonts of class 8 (not through the table).
bool zel3d_parse_font(const char* text, PropertyValue& out);
char* zel3d_print_font(HFONT font);

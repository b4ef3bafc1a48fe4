// Names of the enumerated values. Each table lists every value under its
// long name first and then again under its short name, so that a lookup by
// value finds the long name.
#include <cstring>
#include <vector>

#include "properties/PropertyTable.h"
#include "kernel/ExportGuard.h"

namespace {

struct EnumName {
    int value;
    const char* long_name;
    const char* short_name;
};

struct EnumClass {
    int type_class;
    std::vector<EnumName> names;
};

const std::vector<EnumClass>& Definitions() {
    static const std::vector<EnumClass> definitions = {
        {6, {{1, "Grid", "Grid"}, {2, "IrregularGrid", "IrGrid"}, {3, "Point", "Point"}}},
        {13, {{1, "ProjectContours", "Contours"}, {2, "ProjectZones", "Zones"}}},
        {64, {{1, "AdjustLeft", "Left"}, {2, "AdjustRight", "Right"}, {3, "AdjustCenter", "Center"}}},
        {65, {{1, "AlignVertical", "Vertical"}, {2, "AlignHorizontal", "Horizontal"}}},
        {66, {{16, "AnchorNorth", "North"}, {32, "AnchorSouth", "South"}, {1, "AnchorEast", "East"},
              {2, "AnchorWest", "West"}, {17, "AnchorNorthEast", "NorthEast"},
              {18, "AnchorNorthWest", "NorthWest"}, {33, "AnchorSouthEast", "SouthEast"},
              {34, "AnchorSouthWest", "SouthWest"}}},
        {67, {{1, "AnnoValues", "Values"}, {2, "AnnoDataLabels", "DataLabels"},
              {3, "AnnoValueLabels", "ValueLabels"}}},
        {68, {{0, "AttachIndex", "Index"}, {1, "AttachPixel", "Pixel"}, {2, "AttachPoint", "Point"}}},
        {69, {{0, "BarFixed", "Fixed"}, {1, "BarHistogram", "Histogram"}}},
        {70, {{0, "BorderNone", "None"}, {1, "Border3dOut", "3dOut"}, {2, "Border3dIn", "3dIn"},
              {3, "BorderShadow", "Shadow"}, {4, "BorderPlain", "Plain"}, {5, "BorderEtchedIn", "EtchedIn"},
              {6, "BorderEtchedOut", "EtchedOut"}, {7, "BorderFrameIn", "FrameIn"},
              {8, "BorderFrameOut", "FrameOut"}, {9, "BorderBevel", "Bevel"}}},
        {71, {{0, "DistnLinear", "Linear"}, {1, "DistnFromTable", "FromTable"}}},
        {72, {{1, "LegendStyleStepped", "Stepped"}, {2, "LegendStyleContinuous", "Continuous"}}},
        {73, {{1, "LpatNone", "None"}, {2, "LpatSolid", "Solid"}, {3, "LpatLongDash", "LongDash"},
              {4, "LpatDotted", "Dotted"}, {5, "LpatShortDash", "ShortDash"}, {6, "LpatLslDash", "LslDash"},
              {7, "LpatDashDot", "DashDot"}}},
        {74, {{1, "xyplane", "xy"}, {2, "xzplane", "xz"}, {4, "yzplane", "yz"}}},
        {75, {{0, "PreviewCube", "Cube"}, {100, "PreviewFull", "Full"}}},
        {76, {{0, "SfCyrillicComplex", "CyrillicComplex"}, {1, "SfGothicEnglish", "GothicEnglish"},
              {2, "SfGothicGerman", "GothicGerman"}, {3, "SfGothicItalian", "GothicItalian"},
              {4, "SfGreekComplex", "GreekComplex"}, {5, "SfGreekComplexSmall", "GreekComplexSmall"},
              {6, "SfGreekSimplex", "GreekSimplex"}, {7, "SfItalicComplex", "ItalicComplex"},
              {8, "SfItalicComplexSmall", "ItalicComplexSmall"}, {9, "SfItalicTriplex", "ItalicTriplex"},
              {10, "SfRomanComplex", "RomanComplex"}, {11, "SfRomanComplexSmall", "RomanComplexSmall"},
              {12, "SfRomanDuplex", "RomanDuplex"}, {13, "SfRomanSimplex", "RomanSimplex"},
              {14, "SfRomanTriplex", "RomanTriplex"}, {15, "SfScriptComplex", "ScriptComplex"},
              {16, "SfScriptSimplex", "ScriptSimplex"}}},
        {77, {{0, "TypeSurface", "Surface"}, {1, "TypeBar", "Bar"}, {2, "TypeScatter", "Scatter"}}},
        {78, {{0, "ZoneContours", "Contours"}, {1, "ZoneCells", "Cells"}}},
        {79, {{2, "xzplane", "xz"}, {4, "yzplane", "yz"}}},
        {80, {{1, "ImageLayoutCentered", "Centered"}, {2, "ImageLayoutTiled", "Tiled"},
              {3, "ImageLayoutFitted", "Fitted"}, {4, "ImageLayoutStretched", "Stretched"},
              {5, "ImageLayoutStretchedToWidth", "StretchedToWidth"},
              {6, "ImageLayoutStretchedToHeight", "StretchedToHeight"},
              {7, "ImageLayoutCropFitted", "CropFitted"}}},
        {81, {{1, "DistnRangeData", "Data"}, {2, "DistnRangeAll", "All"}}},
        {82, {{1, "SymbolNone", "None"}, {2, "SymbolDot", "Dot"}, {3, "SymbolBox", "Box"},
              {4, "SymbolTri", "Tri"}, {5, "SymbolDiamond", "Diamond"}, {6, "SymbolStar", "Star"},
              {7, "SymbolVertLine", "VertLine"}, {8, "SymbolHorizLine", "HorizLine"},
              {9, "SymbolCross", "Cross"}, {10, "SymbolCircle", "Circle"}, {11, "SymbolSquare", "Square"},
              {12, "SymbolInvertTri", "InvertTri"}, {13, "SymbolDiagCross", "DiagCross"},
              {14, "SymbolOpenTri", "OpenTri"}, {15, "SymbolOpenDiamond", "OpenDiamond"},
              {16, "SymbolOpenInvertTri", "OpenInvertTri"}}},
        {83, {{0, "FontRotationNone", "None"}, {1, "FontRotation2d", "2d"}, {2, "FontRotation3d", "3d"}}},
    };
    return definitions;
}

struct ExpandedTable {
    int type_class;
    std::vector<Zel3dEnumEntry> rows;
};

const std::vector<ExpandedTable>& Tables() {
    static const std::vector<ExpandedTable> tables = [] {
        std::vector<ExpandedTable> result;
        for (const EnumClass& definition : Definitions()) {
            ExpandedTable table{definition.type_class, {}};
            for (const EnumName& name : definition.names) table.rows.push_back({name.value, name.long_name, 0});
            for (const EnumName& name : definition.names) table.rows.push_back({name.value, name.short_name, 0});
            table.rows.push_back({0, "", 0});
            result.push_back(std::move(table));
        }
        return result;
    }();
    return tables;
}

}  // namespace

const Zel3dEnumEntry* zel3d_enum_table(int type_class) {
    if (type_class == 10) type_class = 74;  // plane sets are spelled with the plane names
    for (const ExpandedTable& table : Tables())
        if (table.type_class == type_class) return table.rows.data();
    return nullptr;
}

const Zel3dEnumEntry* zel3d_enum_lookup(int value, int type_class) {
    const Zel3dEnumEntry* table = zel3d_enum_table(type_class);
    if (!table) return nullptr;
    for (const Zel3dEnumEntry* row = table; row->name[0]; ++row)
        if (row->value == value) return row;
    return table;
}

bool zel3d_enum_has_value(int type_class, int value) {
    const Zel3dEnumEntry* table = zel3d_enum_table(type_class);
    if (!table) return false;
    for (const Zel3dEnumEntry* row = table; row->name[0]; ++row)
        if (row->value == value) return true;
    return false;
}

int zel3d_enum_from_name(const char* text, int type_class, int* row_number) {
    const Zel3dEnumEntry* table = zel3d_enum_table(type_class);
    if (!table || !text) return -1;
    for (const Zel3dEnumEntry* row = table; row->name[0]; ++row) {
        if (_stricmp(row->name, text) == 0) {
            if (row_number) *row_number = int(row - table);
            return row->value;
        }
    }
    return -1;
}

extern "C" ZEL3D_API const Zel3dEnumEntry* Zel3d_GetEnumList(int type_class) try {
    return zel3d_enum_table(type_class);
} catch (...) {
    return zel3d_export_failure<const Zel3dEnumEntry*>(nullptr);
}

extern "C" ZEL3D_API const Zel3dEnumEntry* Zel3d_GetResEnumList(int code) try {
    return zel3d_enum_table((code >> 8) & 0xFF);
} catch (...) {
    return zel3d_export_failure<const Zel3dEnumEntry*>(nullptr);
}

#include "properties/PropertyTable.h"

#include <cstring>
#include <type_traits>
#include <utility>

#include "properties/ValueText.h"

namespace {

template <Owner O>
struct OwnerRecord {
    using type = Zel3dChart;
};
template <>
struct OwnerRecord<Owner::TEXT> {
    using type = Zel3dText;
};
template <>
struct OwnerRecord<Owner::TEXT_LISTED> {
    using type = Zel3dText;
};

// The kind of a value follows from the type of its member.
template <class T> struct KindOf;
template <> struct KindOf<int> { static constexpr ValueKind value = ValueKind::Int; };
template <> struct KindOf<DefaultedInt> { static constexpr ValueKind value = ValueKind::Defaulted; };
template <> struct KindOf<AxisLimit> { static constexpr ValueKind value = ValueKind::Limit; };
template <> struct KindOf<double> { static constexpr ValueKind value = ValueKind::Double; };
template <> struct KindOf<ColorRecord> { static constexpr ValueKind value = ValueKind::Color; };
template <> struct KindOf<char*> { static constexpr ValueKind value = ValueKind::String; };
template <> struct KindOf<StringList> { static constexpr ValueKind value = ValueKind::StringList; };
template <> struct KindOf<ValueLabelList> { static constexpr ValueKind value = ValueKind::ValueLabels; };
template <> struct KindOf<XYColorList> { static constexpr ValueKind value = ValueKind::XYColors; };
template <> struct KindOf<DataStyleList> { static constexpr ValueKind value = ValueKind::DataStyles; };
template <> struct KindOf<ContourStyleList> { static constexpr ValueKind value = ValueKind::ContourStyles; };
template <> struct KindOf<Zel3dDistnTable*> { static constexpr ValueKind value = ValueKind::DistnTable; };
template <> struct KindOf<GridLineStyle> { static constexpr ValueKind value = ValueKind::GridStyle; };
template <> struct KindOf<FontRecord> { static constexpr ValueKind value = ValueKind::Font; };
template <> struct KindOf<ImageSlot> { static constexpr ValueKind value = ValueKind::Image; };
template <> struct KindOf<Zel3dData*> { static constexpr ValueKind value = ValueKind::Data; };
template <> struct KindOf<Zel3dLegendLabelFunc> { static constexpr ValueKind value = ValueKind::Function; };

// Which kinds of member a type class may live in.
constexpr bool KindFitsClass(ValueKind kind, int type_class) {
    switch (type_class) {
    case 1: case 11: case 17: return kind == ValueKind::Int;
    case 4: case 12: return kind == ValueKind::Int || kind == ValueKind::Defaulted;
    case 2: return kind == ValueKind::Int || kind == ValueKind::Color;
    case 3: return kind == ValueKind::ContourStyles;
    case 5: return kind == ValueKind::DistnTable;
    case 6: return kind == ValueKind::Data;
    case 7: return kind == ValueKind::Double || kind == ValueKind::Limit;
    case 8: return kind == ValueKind::Font;
    case 9: return kind == ValueKind::Function;
    case 14: return kind == ValueKind::String || kind == ValueKind::Image;
    case 15: return kind == ValueKind::StringList;
    case 16: return kind == ValueKind::ValueLabels;
    case 18: return kind == ValueKind::XYColors;
    case 19: return kind == ValueKind::GridStyle;
    case 20: return kind == ValueKind::DataStyles;
    case 21: return kind == ValueKind::Image;
    default: return type_class >= 64 && type_class <= 83 && kind == ValueKind::Int;
    }
}

#define ZEL3D_MEMBER_TYPE(OWNER, MEMBER) \
    std::remove_reference_t<decltype(std::declval<OwnerRecord<Owner::OWNER>::type&>().MEMBER)>

#define ZEL3D_PROPERTY(NAME, CODE, OWNER, MEMBER, DAMAGE, RULE)                                 \
    static_assert(KindFitsClass(KindOf<ZEL3D_MEMBER_TYPE(OWNER, MEMBER)>::value, (CODE) >> 8), \
                  "member of " #NAME " does not fit its type class");
#include "zelplot3d_properties.inc"

constexpr PropertyRow kTable[] = {
#define ZEL3D_PROPERTY(NAME, CODE, OWNER, MEMBER, DAMAGE, RULE)                                  \
    {CODE, Owner::OWNER, #NAME, DAMAGE, SetRule::RULE,                                          \
     KindOf<ZEL3D_MEMBER_TYPE(OWNER, MEMBER)>::value, [](void* record) -> void* {               \
         return &static_cast<OwnerRecord<Owner::OWNER>::type*>(record)->MEMBER;                 \
     }},
#include "zelplot3d_properties.inc"
    {-1, Owner::CHART, nullptr, 0, SetRule::None, ValueKind::Int, nullptr},
};

constexpr int kTableOrder[] = {1,  12, 4,  11, 2,  79, 76, 69, 71, 64, 70, 66, 65, 72, 68, 77, 67, 78,
                               75, 80, 81, 83, 14, 6,  8,  5,  9,  19, 7,  3,  15, 16, 18, 20, 21, 17};

// The rows of each class are contiguous, in index order, and the classes
// come in the table order.
constexpr bool TableIsOrdered() {
    int order_position = 0;
    for (int row = 0; kTable[row].code != -1; ++row) {
        int type_class = kTable[row].code >> 8;
        int index = kTable[row].code & 0xFF;
        bool starts_class = row == 0 || (kTable[row - 1].code >> 8) != type_class;
        if (starts_class) {
            if (row > 0) ++order_position;
            if (order_position >= int(sizeof kTableOrder / sizeof kTableOrder[0])) return false;
            if (kTableOrder[order_position] != type_class || index != 0) return false;
        } else if (index != (kTable[row - 1].code & 0xFF) + 1) {
            return false;
        }
    }
    return true;
}

constexpr int CountRows(bool text_owned) {
    int count = 0;
    for (int row = 0; kTable[row].code != -1; ++row)
        if ((kTable[row].owner != Owner::CHART) == text_owned) ++count;
    return count;
}

static_assert(sizeof kTable / sizeof kTable[0] == kPropertyCount + 1, "209 properties");
static_assert(TableIsOrdered(), "property rows out of order");
static_assert(CountRows(false) == kChartPropertyCount, "179 chart properties");
static_assert(CountRows(true) == kTextPropertyCount, "30 text-object properties");

// Storage and converters of each type class: rows 0-21 are classes 0-21,
// rows 22-41 the enumeration classes 64-83.
TypeClassRow g_type_classes[] = {
    {0, -1, Storage::None, nullptr, nullptr},
    {1, -1, Storage::Int, zel3d_parse_boolean, zel3d_print_int},
    {2, -1, Storage::Int, zel3d_parse_color, zel3d_print_color},
    {3, -1, Storage::Pointer, zel3d_parse_contour_styles_file, nullptr},
    {4, -1, Storage::Int, zel3d_parse_int, zel3d_print_int},
    {5, -1, Storage::Pointer, zel3d_parse_distn_table_file, nullptr},
    {6, -1, Storage::Pointer, zel3d_parse_data_file, nullptr},
    {7, -1, Storage::Double, zel3d_parse_double, zel3d_print_double},
    {8, -1, Storage::Pointer, nullptr, nullptr},
    {9, -1, Storage::Pointer, nullptr, nullptr},
    {10, -1, Storage::Int, zel3d_parse_bit_set, zel3d_print_bit_set},
    {11, -1, Storage::Int, zel3d_parse_int, zel3d_print_int},
    {12, -1, Storage::Int, zel3d_parse_int, zel3d_print_int},
    {13, -1, Storage::Int, zel3d_parse_bit_set, zel3d_print_bit_set},
    {14, -1, Storage::Pointer, zel3d_parse_string, zel3d_print_string},
    {15, -1, Storage::Pointer, zel3d_parse_string_list, zel3d_print_string_list},
    {16, -1, Storage::Pointer, zel3d_parse_value_labels, zel3d_print_value_labels},
    {17, -1, Storage::Int, zel3d_parse_boolean, nullptr},
    {18, -1, Storage::Pointer, zel3d_parse_xy_colors, zel3d_print_xy_colors},
    {19, -1, Storage::Pointer, zel3d_parse_line_style, zel3d_print_line_style},
    {20, -1, Storage::Pointer, zel3d_parse_data_styles, zel3d_print_data_styles},
    {21, -1, Storage::Pointer, zel3d_parse_string, zel3d_print_string},
#define ZEL3D_ENUM_CLASS(c) {c, -1, Storage::Int, zel3d_parse_enum, zel3d_print_enum}
    ZEL3D_ENUM_CLASS(64), ZEL3D_ENUM_CLASS(65), ZEL3D_ENUM_CLASS(66), ZEL3D_ENUM_CLASS(67),
    ZEL3D_ENUM_CLASS(68), ZEL3D_ENUM_CLASS(69), ZEL3D_ENUM_CLASS(70), ZEL3D_ENUM_CLASS(71),
    ZEL3D_ENUM_CLASS(72), ZEL3D_ENUM_CLASS(73), ZEL3D_ENUM_CLASS(74), ZEL3D_ENUM_CLASS(75),
    ZEL3D_ENUM_CLASS(76), ZEL3D_ENUM_CLASS(77), ZEL3D_ENUM_CLASS(78), ZEL3D_ENUM_CLASS(79),
    ZEL3D_ENUM_CLASS(80), ZEL3D_ENUM_CLASS(81), ZEL3D_ENUM_CLASS(82), ZEL3D_ENUM_CLASS(83),
#undef ZEL3D_ENUM_CLASS
    {-1, -1, Storage::None, nullptr, nullptr},
};
constexpr int kTypeClassRows = 42;
static_assert(sizeof g_type_classes / sizeof g_type_classes[0] == kTypeClassRows + 1, "42 type classes");

// Number of properties in each class, by type-class row.
int g_class_sizes[kTypeClassRows];

int TypeClassRowIndex(int type_class) {
    if (type_class >= 0 && type_class <= 21) return type_class;
    if (type_class >= 64 && type_class <= 83) return 22 + (type_class - 64);
    return -1;
}

void IndexOnce() {
    static const int indexed = zel3d_index_property_table();
    (void)indexed;
}

}  // namespace

const PropertyRow* zel3d_property_table() { return kTable; }

int zel3d_index_property_table() {
    for (TypeClassRow* row = g_type_classes; row->type_class != -1; ++row) row->first_index = -1;
    for (int& size : g_class_sizes) size = 0;
    for (int row = 0; kTable[row].code != -1; ++row) {
        int index = TypeClassRowIndex(kTable[row].code >> 8);
        if (g_type_classes[index].first_index < 0) g_type_classes[index].first_index = row;
        ++g_class_sizes[index];
    }
    return 1;
}

const TypeClassRow* zel3d_type_class_row(int type_class) {
    int index = TypeClassRowIndex(type_class);
    if (index < 0) return nullptr;
    IndexOnce();
    return &g_type_classes[index];
}

const PropertyRow* zel3d_property_descriptor(int code) {
    if (code < 0) return nullptr;
    int index = TypeClassRowIndex(code >> 8);
    if (index < 0) return nullptr;
    IndexOnce();
    // The index must lie inside its class: an unknown index names no value.
    int within = code & 0xFF;
    if (g_type_classes[index].first_index < 0 || within >= g_class_sizes[index]) return nullptr;
    return &kTable[g_type_classes[index].first_index + within];
}

bool zel3d_is_text_resource(int code) {
    const PropertyRow* row = zel3d_property_descriptor(code);
    return row && row->owner == Owner::TEXT;
}

Storage zel3d_storage_of(int code) {
    const TypeClassRow* row = zel3d_type_class_row(code >> 8);
    return row ? row->storage : Storage::None;
}

void* zel3d_property_address(const PropertyRow& row, Zel3dChart* chart, Zel3dText* text) {
    if (row.owner == Owner::CHART) return chart ? row.locate(chart) : nullptr;
    return text ? row.locate(text) : nullptr;
}

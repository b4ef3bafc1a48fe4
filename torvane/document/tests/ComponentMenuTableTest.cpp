// The component table: its shape (ranges, counts, type orders, make groups),
// the rows the program states exactly, and values that fit their fields.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "torvane/document/ComponentMenuTable.h"

namespace torvane {

namespace {

const ComponentRow& Row(UINT id) {
    return GetComponentRow(TorvaneDocFindComponentRow(id));
}

// How a range's rows carry part types.
enum class Types { Sequential, Listed, ValueOnly };

struct RangeShape {
    ComponentRange range;
    UINT firstId, lastId;
    Types types;
};

const RangeShape kShapes[] = {
    {ComponentRange::ShortBlock, 33100, 33304, Types::Sequential},
    {ComponentRange::CylinderHead, 32795, 32811, Types::Sequential},
    {ComponentRange::IntakeValveDiameter, 33045, 33057, Types::ValueOnly},
    {ComponentRange::ExhaustValveDiameter, 33058, 33070, Types::ValueOnly},
    {ComponentRange::IntakeValveLift, 33071, 33081, Types::ValueOnly},
    {ComponentRange::ExhaustValveLift, 33082, 33092, Types::ValueOnly},
    {ComponentRange::CompressionRatio, 33460, 33484, Types::ValueOnly},
    {ComponentRange::Induction, 32844, 32860, Types::ValueOnly},
    {ComponentRange::Manifold, 33506, 33516, Types::Listed},
    {ComponentRange::ForcedInduction, 32964, 33034, Types::Sequential},
    {ComponentRange::Intercooler, 33310, 33325, Types::ValueOnly},
    {ComponentRange::Fuel, 32826, 32836, Types::Listed},
    {ComponentRange::Exhaust, 32861, 32867, Types::Sequential},
    {ComponentRange::CamType, 32891, 32897, Types::Sequential},
    {ComponentRange::TimingMethod, 32900, 32901, Types::Sequential},
    {ComponentRange::LifterType, 33445, 33449, Types::Listed},
    {ComponentRange::RampRate, 33434, 33444, Types::ValueOnly},
    {ComponentRange::CamAdvance, 33485, 33505, Types::ValueOnly},
};

TEST(ComponentMenuTable, HoldsEighteenRangesOf474Rows) {
    TorvaneDocCheckComponentRanges();
    EXPECT_EQ(474, GetComponentRowCount());
    int rows = 0;
    for (const RangeShape& shape : kShapes) {
        const ComponentCommandRange range = GetComponentCommandRange(shape.range);
        EXPECT_EQ(shape.firstId, range.firstId);
        EXPECT_EQ(shape.lastId, range.lastId);
        rows += static_cast<int>(range.lastId - range.firstId) + 1;
        for (UINT id = range.firstId; id <= range.lastId; ++id) {
            const ComponentRow& row = Row(id);
            if (shape.types == Types::Sequential) {
                EXPECT_EQ(static_cast<int>(id - range.firstId) + 1, row.typeIndex) << id;
            }
            if (shape.types == Types::ValueOnly) {
                EXPECT_EQ(0, row.typeIndex) << id;
                EXPECT_EQ(nullptr, row.name) << id;
            }
            if (shape.types == Types::Listed) {
                EXPECT_NE(nullptr, row.name) << id;
            }
        }
    }
    EXPECT_EQ(474, rows);
}

TEST(ComponentMenuTable, StatedRowsAreExact) {
    struct ShortBlock {
        UINT id;
        int type;
        const char* name;
        float bore, stroke, cylinders;
    };
    const ShortBlock blocks[] = {{33100, 1, "Buick 112 4-OHC", 3.56f, 2.96f, 4},
                                 {33135, 36, "Chevy 350", 4.0f, 3.48f, 8},
                                 {33304, 205, "Volvo 2.9L", 3.27f, 3.54f, 6}};
    for (const ShortBlock& b : blocks) {
        const ComponentRow& row = Row(b.id);
        EXPECT_EQ(b.type, row.typeIndex);
        EXPECT_STREQ(b.name, row.name);
        EXPECT_EQ(b.bore, row.values[kBlockBore]);
        EXPECT_EQ(b.stroke, row.values[kBlockStroke]);
        EXPECT_EQ(b.cylinders, row.values[kBlockCylinders]);
    }

    struct Compressor {
        UINT id;
        int type;
        const char* name;
        float values[9];
    };
    const Compressor compressors[] = {
        {32964, 1, "None", {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {32965, 2, "Turbo- Air Research TB301", {1, 245, 1.8f, 77, 82000, 105, 0, 0, 10}},
        {32998, 35, "Custom Turbo", {1, 0, 0, 0, 0, 0, 0, 0, 0}},
        {32999, 36, "Centrifugal- Paxton", {2, 330, 1.35f, 62, 28000, 0, 4.4f, 1, 10}},
        {33009, 46, "Custom Centrigual Blower", {2, 0, 0, 0, 0, 0, 0, 0, 0}},
        {33010, 47, "Roots- B&&M 144 Powercharger", {3, 144, 0, 55, 0, 0, 1, 1, 10}},
        {33034, 71, "Custom Roots Blower", {3, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Compressor& c : compressors) {
        const ComponentRow& row = Row(c.id);
        EXPECT_EQ(c.type, row.typeIndex) << c.id;
        EXPECT_STREQ(c.name, row.name);
        for (int i = 0; i < 9; ++i) EXPECT_EQ(c.values[i], row.values[i]) << c.id << " " << i;
    }

    EXPECT_STREQ("Forced Induction", TorvaneDocGetComponentName(33516));
    EXPECT_EQ(7, Row(33516).typeIndex);
    EXPECT_EQ(33448.0f, Row(32896).values[kCamLifterCommand]);
    EXPECT_STREQ("Gasoline/Nitrous", TorvaneDocGetComponentName(32832));
    EXPECT_EQ(16.0f, Row(32832).values[kFuelNitrousFlow]);
    EXPECT_EQ(nullptr, TorvaneDocGetComponentName(32795));  // heads take the preset names
    EXPECT_EQ(nullptr, TorvaneDocGetComponentName(33045));
}

// Make groups in order with their counts; displacements rise within a make.
TEST(ComponentMenuTable, ShortBlocksComeInMakeGroups) {
    struct Group {
        const char* make;
        int count;
    };
    const Group groups[] = {
        {"Buick", 13},      {"Chevy", 30},     {"Chrysler", 17},     {"Ford", 14},
        {"GMC", 11},        {"Olds", 14},      {"Pontiac", 15},      {"Audi", 4},
        {"BMW", 10},        {"Datsun", 3},     {"Honda", 7},         {"Hyundai", 7},
        {"Lamborghini", 2}, {"Mazda", 8},      {"Mercedes-Benz", 4}, {"Mitsubishi", 8},
        {"Nissan", 7},      {"Porsche", 9},    {"Saab", 2},          {"Subaru", 2},
        {"Toyota", 9},      {"Volkswagen", 7}, {"Volvo", 2}};
    std::set<std::string> names;
    UINT id = 33100;
    for (const Group& group : groups) {
        float lastDisplacement = 0.0f;
        for (int i = 0; i < group.count; ++i, ++id) {
            const ComponentRow& row = Row(id);
            const std::string name = row.name;
            EXPECT_EQ(0u, name.rfind(std::string(group.make) + " ", 0)) << id << " " << name;
            EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
            const float bore = row.values[kBlockBore], stroke = row.values[kBlockStroke];
            const float cylinders = row.values[kBlockCylinders];
            EXPECT_TRUE(bore >= 2.0f && bore <= 7.0f) << name;
            EXPECT_TRUE(stroke >= 1.5f && stroke <= 7.0f) << name;
            EXPECT_TRUE(cylinders >= 1.0f && cylinders <= 12.0f &&
                        cylinders == std::floor(cylinders))
                << name;
            const float displacement = bore * bore * 0.7853982f * stroke * cylinders;
            EXPECT_GE(displacement, lastDisplacement - 1.0f) << name;
            lastDisplacement = displacement;
        }
    }
    EXPECT_EQ(33305u, id);
}

// Every value a compressor row gives its kind lies within the field it goes to.
TEST(ComponentMenuTable, CompressorValuesFitTheirFields) {
    struct Column {
        ForcedInductionColumn column;
        float min, max;
        unsigned kinds;  // bit 1 << kind
    };
    const Column columns[] = {
        {kBlowerFlow, 0.1f, 1000.0f, 0xE},        {kBlowerPressureRatio, 0.1f, 10.0f, 0x6},
        {kBlowerEfficiency, 0.0f, 100.0f, 0xE},   {kBlowerRpm, 1000.0f, 100000.0f, 0x4},
        {kBlowerSurgeFlow, 10.0f, 1000.0f, 0x2},  {kBlowerInternalGearRatio, 0.1f, 10.0f, 0x4},
        {kBlowerBeltGearRatio, 0.1f, 10.0f, 0xC}, {kBlowerBoostLimit, 0.5f, 80.0f, 0xE},
    };
    const std::string prefixes[] = {"", "Turbo- ", "Centrifugal- ", "Roots- "};
    const int kindCounts[] = {1, 34, 11, 25};
    UINT id = 32964;
    for (int kind = 0; kind <= 3; ++kind) {
        for (int i = 0; i < kindCounts[kind]; ++i, ++id) {
            const ComponentRow& row = Row(id);
            EXPECT_EQ(static_cast<float>(kind), row.values[kBlowerKind]) << id;
            const bool custom = kind > 0 && i == kindCounts[kind] - 1;
            if (kind == 0 || custom) continue;
            EXPECT_EQ(0u, std::string(row.name).rfind(prefixes[kind], 0)) << row.name;
            for (const Column& c : columns) {
                if ((c.kinds & (1u << kind)) == 0) continue;
                const float value = row.values[c.column];
                EXPECT_TRUE(value >= c.min && value <= c.max) << row.name << " column " << c.column;
            }
        }
    }
}

}  // namespace

}  // namespace torvane

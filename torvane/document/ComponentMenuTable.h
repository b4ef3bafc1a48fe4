// The component menu commands of the engine document: one row per command,
// giving the part type, the part name and the values that the command copies
// into the document's fields. Rows of one command range lie together in
// increasing id order; the meaning of the value columns depends on the range
// (the column enums below). Values are in the fields' base (English) units.
#pragma once

#include "torvane/document/TorvaneCommandIds.h"

namespace torvane {

constexpr int kComponentValueCount = 10;

struct ComponentRow {
    UINT commandId;
    int typeIndex;     // 0 for value-only rows
    const char* name;  // null for value-only rows and for the head rows
    float values[kComponentValueCount];
};

// The 18 command ranges.
enum class ComponentRange {
    ShortBlock,
    CylinderHead,
    IntakeValveDiameter,
    ExhaustValveDiameter,
    IntakeValveLift,
    ExhaustValveLift,
    CompressionRatio,
    Induction,
    Manifold,
    ForcedInduction,
    Intercooler,
    Fuel,
    Exhaust,
    CamType,
    TimingMethod,
    LifterType,
    RampRate,
    CamAdvance,
};
constexpr int kComponentRangeCount = 18;

struct ComponentCommandRange {
    UINT firstId;
    UINT lastId;
};

// The first and last command id of a range.
ComponentCommandRange GetComponentCommandRange(ComponentRange range);

// Value columns. Ranges not listed use column 0 for their one value.
enum ShortBlockColumn { kBlockBore, kBlockStroke, kBlockCylinders };
enum InductionColumn { kInductionFlow, kInductionPressureDrop };
enum FuelColumn { kFuelNitrousFlow };
enum ForcedInductionColumn {
    kBlowerKind,
    kBlowerFlow,
    kBlowerPressureRatio,
    kBlowerEfficiency,
    kBlowerRpm,
    kBlowerSurgeFlow,
    kBlowerInternalGearRatio,
    kBlowerBeltGearRatio,
    kBlowerBoostLimit,
};
enum CamTypeColumn {
    kCamIvo,
    kCamIvc,
    kCamEvo,
    kCamEvc,
    kCamIntakeLift,
    kCamExhaustLift,
    kCamRampRate,
    kCamLifterCommand,  // the command id of the cam's lifter row
};

// Part-type indexes the document treats specially.
constexpr int kHeadTypeCustom = 17;
constexpr int kManifoldIndividualRunner = 4;
constexpr int kManifoldForcedInduction = 7;
constexpr int kForcedInductionNone = 1;
constexpr int kCamTypeCustom = 7;

int GetComponentRowCount();
const ComponentRow& GetComponentRow(int index);

// The row index of a command id; an id outside the table is an assertion.
int TorvaneDocFindComponentRow(UINT commandId);
// The part name of a command id (null for value-only and head rows).
const char* TorvaneDocGetComponentName(UINT commandId);

// Checks that each range's rows lie together in increasing id order, one row
// per id; a broken table is an assertion.
void TorvaneDocCheckComponentRanges();

}  // namespace torvane

// Helpers over the vehicle document's fields, for the document's own
// sources: one list of all fields in the document's order, and setters that
// take values in the base unit.
#pragma once

#include <type_traits>

#include "quillet/document/QuilletDoc.h"

namespace quillet {

// Calls visit(fromField, toField) for every specification field of the two
// documents, in the document's order (the power table is no field).
template <class Visit>
void VisitFieldPairs(const CQuilletDoc& from, CQuilletDoc& to, Visit&& visit) {
    visit(from.m_vehicleType, to.m_vehicleType);
    visit(from.m_vehicleClass, to.m_vehicleClass);
    visit(from.m_weight, to.m_weight);
    visit(from.m_wheelbase, to.m_wheelbase);
    visit(from.m_driveType, to.m_driveType);
    visit(from.m_drivingWeight, to.m_drivingWeight);
    visit(from.m_frontalArea, to.m_frontalArea);
    visit(from.m_dragCoefficient, to.m_dragCoefficient);
    visit(from.m_engineType, to.m_engineType);
    visit(from.m_engineClass, to.m_engineClass);
    visit(from.m_displacement, to.m_displacement);
    visit(from.m_rocketThrust, to.m_rocketThrust);
    visit(from.m_rocketWeight, to.m_rocketWeight);
    visit(from.m_transmissionType, to.m_transmissionType);
    visit(from.m_shiftType, to.m_shiftType);
    visit(from.m_gearCount, to.m_gearCount);
    visit(from.m_couplingType, to.m_couplingType);
    visit(from.m_converterStall, to.m_converterStall);
    visit(from.m_converterMultiplier, to.m_converterMultiplier);
    visit(from.m_converterSlippage, to.m_converterSlippage);
    for (int k = 0; k < kGearFieldCount; ++k) visit(from.m_gearRatio[k], to.m_gearRatio[k]);
    visit(from.m_rearAxleRatio, to.m_rearAxleRatio);
    visit(from.m_primaryRatio, to.m_primaryRatio);
    visit(from.m_tireType, to.m_tireType);
    visit(from.m_wheelWidth, to.m_wheelWidth);
    visit(from.m_tractionCoefficient, to.m_tractionCoefficient);
    visit(from.m_tireGrowth, to.m_tireGrowth);
    visit(from.m_tireDiameter, to.m_tireDiameter);
    visit(from.m_drivingStyle, to.m_drivingStyle);
    visit(from.m_redline, to.m_redline);
    visit(from.m_shiftTime, to.m_shiftTime);
    visit(from.m_rollout, to.m_rollout);
    visit(from.m_launchRpm, to.m_launchRpm);
    for (int k = 0; k < kShiftFieldCount; ++k) visit(from.m_shiftRpm[k], to.m_shiftRpm[k]);
    visit(from.m_weather, to.m_weather);
    visit(from.m_barometer, to.m_barometer);
    visit(from.m_humidity, to.m_humidity);
    visit(from.m_elevation, to.m_elevation);
    visit(from.m_wind, to.m_wind);
    visit(from.m_temperature, to.m_temperature);
    visit(from.m_notes, to.m_notes);
}

// Calls visit(field) for every field of `doc`, in the document's order; the
// fields are const when the document is.
template <class Doc, class Visit>
void VisitFields(Doc& doc, Visit&& visit) {
    // The pair walk over one document; only the fields of `doc` are handed on.
    VisitFieldPairs(doc, const_cast<CQuilletDoc&>(doc), [&visit](const auto&, auto& field) {
        if constexpr (std::is_const<Doc>::value) {
            visit(static_cast<const std::remove_reference_t<decltype(field)>&>(field));
        } else {
            visit(field);
        }
    });
}

// Stores a value given in the field's base unit (a value of the preset
// tables, which must lie within the limits).
inline void SetBaseValue(CFloatPtSpec& field, float value) { field.SetValueInUnit(value, true); }

inline void SetBaseValue(CTemperatureSpec& field, float value) {
    field.ToFahrenheit();
    field.SetValue(value);
}

// Stores a value of the current unit when it lies within the limits;
// otherwise the field is left as it was. True when stored.
inline bool StoreIfInRange(CFloatPtSpec& field, float value) {
    if (!field.IsInRange(value)) return false;
    field.SetValue(value);
    return true;
}

}  // namespace quillet

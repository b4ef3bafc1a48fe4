// The presets behind the vehicle's choice menus: one row per menu command,
// with the choice index stored into the part-type field and up to ten
// values in base units whose meaning depends on the group.
#pragma once

namespace quillet {

constexpr int kChoiceValueCount = 11;

struct VehicleChoiceRow {
    int commandId;
    int choiceIndex;   // the index stored into the part-type field
    const char* name;  // null for the ratio rows
    // Meaning by group (all in base units; the last column, a flag telling
    // that the values are in alternate units, is 0 in every row):
    //   vehicle type: weight lbs, wheelbase in, drive (1 rear, 2 front),
    //                 weight %, frontal area sqft, drag coefficient
    //   IC engine:    displacement ci
    //   jet engine:   thrust lbs, rocket weight lbs
    //   transmission: gear ratios 1..6, number of gears
    //   coupling:     stall rpm, torque multiplier, slippage %
    //   ratio rows:   the ratio
    //   tyre:         diameter in, width in, growth, traction coefficient
    //   driving style: redline factor, shift factor, launch factor,
    //                 rollout in, shift time s
    //   weather:      barometer inHg, humidity %, elevation ft, wind mph,
    //                 temperature F
    float values[kChoiceValueCount];
};

constexpr int kVehicleChoiceRowCount = 193;
extern const VehicleChoiceRow kVehicleChoiceTable[kVehicleChoiceRowCount];

// The row of a command id, or null for a command outside the table.
const VehicleChoiceRow* FindVehicleChoiceRow(unsigned commandId);

}  // namespace quillet

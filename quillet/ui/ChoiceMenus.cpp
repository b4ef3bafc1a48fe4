#include "quillet/ui/ChoiceMenus.h"

#include <cstdio>
#include <string>

#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/VehicleChoiceTable.h"

namespace quillet {

namespace {

// How a row reads in the menu.
using RowText = std::string (*)(const VehicleChoiceRow& row);

std::string Name(const VehicleChoiceRow& row) { return row.name != nullptr ? row.name : ""; }

std::string Ratio(const VehicleChoiceRow& row) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f:1", row.values[0]);
    return text;
}

// The converter rows share one name; their stall speed tells them apart.
std::string Coupling(const VehicleChoiceRow& row) {
    if (row.values[0] <= 0.0f) return Name(row);
    char text[64];
    std::snprintf(text, sizeof text, "%s (%.0f rpm Stall)", Name(row).c_str(), row.values[0]);
    return text;
}

// A range of commands, on the menu itself or in a sub-menu of its own.
struct MenuPart {
    unsigned firstId, lastId;
    RowText text;
    const char* subMenu;  // null: the items go on the menu itself
};

struct MenuSource {
    UINT menuId;
    MenuPart parts[2];
};

const MenuSource kSources[] = {
    {kMenuVehicleClass, {{kCmdVehicleClassFirst, kCmdVehicleClassLast, Name, nullptr}}},
    {kMenuEngineClass, {{kCmdEngineClassFirst, kCmdEngineClassLast, Name, nullptr}}},
    {kMenuDriveWheels, {{kCmdDriveWheelsFirst, kCmdDriveWheelsLast, Name, nullptr}}},
    {kMenuShiftType, {{kCmdShiftTypeFirst, kCmdShiftTypeLast, Name, nullptr}}},
    {kMenuCoupling, {{kCmdCouplingFirst, kCmdCouplingLast, Coupling, nullptr}}},
    {kMenuVehicles, {{kCmdAutomobileFirst, kCmdAutomobileLast, Name, nullptr}}},
    {kMenuTransmissions,
     {{kCmdManualTransFirst, kCmdManualTransLast, Name, "Manual Transmissions"},
      {kCmdAutomaticTransFirst, kCmdAutomaticTransLast, Name, "Automatic Transmissions"}}},
    {kMenuRearAxleRatios, {{kCmdRearAxleFirst, kCmdRearAxleLast, Ratio, nullptr}}},
    {kMenuPrimaryRatios, {{kCmdPrimaryRatioFirst, kCmdPrimaryRatioLast, Ratio, nullptr}}},
    {kMenuTires, {{kCmdTireFirst, kCmdTireLast, Name, nullptr}}},
    {kMenuDrivingStyles, {{kCmdDrivingStyleFirst, kCmdDrivingStyleLast, Name, nullptr}}},
    {kMenuWeather, {{kCmdWeatherFirst, kCmdWeatherLast, Name, nullptr}}},
    {kMenuEngines,
     {{kCmdEngineFirst, kCmdCustomEngine - 1, Name, "Typical IC Engines"},
      {kCmdJetEngineFirst, kCmdJetEngineLast, Name, "Jet/Rocket Engines"}}},
};

void AppendPart(HMENU menu, const MenuPart& part) {
    HMENU target = menu;
    if (part.subMenu != nullptr) {
        target = ::CreatePopupMenu();
        ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(target), part.subMenu);
    }
    for (unsigned id = part.firstId; id <= part.lastId; ++id)
        ::AppendMenuA(target, MF_STRING, id, part.text(CQuilletDoc::FindChoiceRow(id)).c_str());
}

}  // namespace

HMENU MakeChoiceMenu(UINT menuId) {
    for (const MenuSource& source : kSources) {
        if (source.menuId != menuId) continue;
        HMENU menu = ::CreatePopupMenu();
        for (const MenuPart& part : source.parts)
            if (part.text != nullptr) AppendPart(menu, part);
        if (menuId == kMenuEngines) {
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuA(menu, MF_STRING, kCmdCustomEngine, "Custom Engine Power Curve...");
            ::AppendMenuA(menu, MF_STRING, kCmdImportEngineFile, "Import Torvane Engine File...");
        }
        return menu;
    }
    return nullptr;
}

}  // namespace quillet

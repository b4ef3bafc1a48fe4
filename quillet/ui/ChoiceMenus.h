// The choice menus of the vehicle form's fields, made from the document's
// choice table: one pop-up per menu id, its items the preset commands of a
// range (long lists in sub-menus).
#pragma once

#include <windows.h>

namespace quillet {

enum ChoiceMenuId : UINT {
    kMenuVehicleClass = 120,
    kMenuEngineClass = 121,
    kMenuDriveWheels = 122,
    kMenuShiftType = 123,
    kMenuCoupling = 124,
    kMenuVehicles = 125,
    kMenuTransmissions = 126,
    kMenuRearAxleRatios = 128,
    kMenuPrimaryRatios = 129,
    kMenuTires = 130,
    kMenuDrivingStyles = 131,
    kMenuWeather = 132,
    kMenuEngines = 133,
};

// A new pop-up menu for `menuId` (the caller owns it), or null for an id
// that has no menu.
HMENU MakeChoiceMenu(UINT menuId);

}  // namespace quillet

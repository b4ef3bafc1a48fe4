// The choice menus of the specification form's fields, made from the
// document's component table: one pop-up per menu id, its items the
// component commands of a range (long lists in sub-menus by make or kind),
// with the automatic-calculation switches that belong to a field.
#pragma once

#include <windows.h>

namespace torvane {

enum ChoiceMenuId : UINT {
    kMenuShortBlocks = 106,
    kMenuCylinderHeads = 119,
    kMenuFuels = 122,
    kMenuManifolds = 123,
    kMenuInductionAirflow = 124,
    kMenuExhaust = 125,
    kMenuCompressionRatio = 126,
    kMenuCamTypes = 127,
    kMenuLifterTypes = 128,
    kMenuCamTiming = 129,
    kMenuForcedInduction = 150,
    kMenuIntercooler = 151,
    kMenuIntakeValveDiameters = 152,
    kMenuExhaustValveDiameters = 153,
    kMenuIntakeValveLift = 154,
    kMenuExhaustValveLift = 155,
    kMenuPressureDrop = 156,
    kMenuLifterRampRate = 198,
    kMenuCamAdvance = 214,
};

// A new pop-up menu for `menuId` (the caller owns it), or null for an id
// that has no menu.
HMENU MakeChoiceMenu(UINT menuId);

}  // namespace torvane

#include "torvane/ui/ChoiceMenus.h"

#include <cstdio>
#include <string>

#include "torvane/components/CylHeadFlow.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/res/TorvaneResources.h"

namespace torvane {

namespace {

enum class Grouping { None, FirstWord, KindPrefix };

// How a value-only row reads in the menu.
using RowText = std::string (*)(const ComponentRow& row);

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string PartName(const ComponentRow& row) { return row.name != nullptr ? row.name : ""; }
std::string Inches(const ComponentRow& row) { return Format("%.3f in", row.values[0]); }
std::string Ratio(const ComponentRow& row) { return Format("%.1f:1", row.values[0]); }
std::string Percent(const ComponentRow& row) { return Format("%.0f%%", row.values[0]); }
std::string RampRate(const ComponentRow& row) { return Format("%.2f", row.values[0]); }
std::string Degrees(const ComponentRow& row) {
    return row.values[0] == 0.0f ? "0 Deg" : Format("%+.0f Deg", row.values[0]);
}
std::string Induction(const ComponentRow& row) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f cfm @ %.1f inHg", row.values[kInductionFlow],
                  row.values[kInductionPressureDrop]);
    return text;
}
std::string HeadName(const ComponentRow& row) {
    if (row.commandId == kCmdCustomHead) return "Custom Port Airflow...";
    const char* name = CylHeadFlow::GetPresetName(row.typeIndex);
    return name != nullptr ? name : "";
}

// A command after the rows (and a separator): an automatic-calculation
// switch or a file command.
struct MenuExtra {
    UINT command;  // 0: none
    const char* text;
};

struct MenuSource {
    UINT menuId;
    ComponentRange range;
    RowText text;
    Grouping grouping;
    MenuExtra extras[2];
};

const MenuSource kSources[] = {
    {kMenuShortBlocks, ComponentRange::ShortBlock, PartName, Grouping::FirstWord, {}},
    {kMenuCylinderHeads, ComponentRange::CylinderHead, HeadName, Grouping::None,
     {{ID_AIRFLOW_FILE_OPEN, "Open Airflow File..."}, {ID_AIRFLOW_FILE_SAVE, "Save Airflow File..."}}},
    {kMenuFuels, ComponentRange::Fuel, PartName, Grouping::None, {}},
    {kMenuManifolds, ComponentRange::Manifold, PartName, Grouping::None, {}},
    {kMenuInductionAirflow, ComponentRange::Induction, Induction, Grouping::None, {}},
    {kMenuExhaust, ComponentRange::Exhaust, PartName, Grouping::None, {}},
    {kMenuCompressionRatio, ComponentRange::CompressionRatio, Ratio, Grouping::None, {}},
    {kMenuCamTypes, ComponentRange::CamType, PartName, Grouping::None,
     {{ID_CAM_FILE_OPEN, "Open Cam File..."}, {ID_CAM_FILE_SAVE, "Save Cam File..."}}},
    {kMenuLifterTypes, ComponentRange::LifterType, PartName, Grouping::None, {}},
    {kMenuCamTiming, ComponentRange::TimingMethod, PartName, Grouping::None, {}},
    {kMenuForcedInduction, ComponentRange::ForcedInduction, PartName, Grouping::KindPrefix, {}},
    {kMenuIntercooler, ComponentRange::Intercooler, Percent, Grouping::None, {}},
    {kMenuIntakeValveDiameters, ComponentRange::IntakeValveDiameter, Inches, Grouping::None,
     {{ID_AUTO_VALVE_SIZES, "Auto Calculate Valve Sizes"}}},
    {kMenuExhaustValveDiameters, ComponentRange::ExhaustValveDiameter, Inches, Grouping::None,
     {{ID_AUTO_VALVE_SIZES, "Auto Calculate Valve Sizes"}}},
    {kMenuIntakeValveLift, ComponentRange::IntakeValveLift, Inches, Grouping::None,
     {{ID_AUTO_VALVE_LIFT, "Auto Calculate Valve Lift"}}},
    {kMenuExhaustValveLift, ComponentRange::ExhaustValveLift, Inches, Grouping::None,
     {{ID_AUTO_VALVE_LIFT, "Auto Calculate Valve Lift"}}},
    {kMenuLifterRampRate, ComponentRange::RampRate, RampRate, Grouping::None,
     {{ID_AUTO_CAM_ACCURATE, "Auto Calculate (More Accurate)"}}},
    {kMenuCamAdvance, ComponentRange::CamAdvance, Degrees, Grouping::None, {}},
};

// The group a row's name starts: its make (first word), or its kind (the
// text before "- "); empty when the row joins the group before it.
std::string GroupOf(const std::string& name, Grouping grouping) {
    if (grouping == Grouping::FirstWord) return name.substr(0, name.find(' '));
    const size_t dash = name.find("- ");
    return dash == std::string::npos ? std::string() : name.substr(0, dash);
}

void AppendRows(HMENU menu, const MenuSource& source) {
    const ComponentCommandRange ids = GetComponentCommandRange(source.range);
    HMENU group = nullptr;
    std::string groupName;
    for (UINT id = ids.firstId; id <= ids.lastId; ++id) {
        const ComponentRow& row = GetComponentRow(TorvaneDocFindComponentRow(id));
        const std::string text = source.text(row);
        if (source.grouping == Grouping::None) {
            ::AppendMenuA(menu, MF_STRING, id, text.c_str());
            continue;
        }
        const std::string name = GroupOf(text, source.grouping);
        if (group == nullptr && name.empty()) {  // a row before any group ("None")
            ::AppendMenuA(menu, MF_STRING, id, text.c_str());
            continue;
        }
        if (!name.empty() && name != groupName) {
            group = ::CreatePopupMenu();
            groupName = name;
            ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(group), name.c_str());
        }
        ::AppendMenuA(group, MF_STRING, id, text.c_str());
    }
}

}  // namespace

HMENU MakeChoiceMenu(UINT menuId) {
    for (const MenuSource& source : kSources) {
        if (source.menuId != menuId) continue;
        HMENU menu = ::CreatePopupMenu();
        AppendRows(menu, source);
        if (source.extras[0].command != 0) ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        for (const MenuExtra& extra : source.extras)
            if (extra.command != 0) ::AppendMenuA(menu, MF_STRING, extra.command, extra.text);
        return menu;
    }
    if (menuId == kMenuPressureDrop) {
        HMENU menu = ::CreatePopupMenu();
        ::AppendMenuA(menu, MF_STRING, kCmdPressureDrop15, "1.5 inHg");
        ::AppendMenuA(menu, MF_STRING, kCmdPressureDrop30, "3.0 inHg");
        return menu;
    }
    return nullptr;
}

}  // namespace torvane

// Command ids that the engine document handles.
#pragma once

#include <windows.h>

namespace torvane {

// Component command ranges, first and last id.
constexpr UINT kCmdShortBlockFirst = 33100, kCmdShortBlockLast = 33304;
constexpr UINT kCmdCylinderHeadFirst = 32795, kCmdCylinderHeadLast = 32811;
constexpr UINT kCmdIntakeValveDiameterFirst = 33045, kCmdIntakeValveDiameterLast = 33057;
constexpr UINT kCmdExhaustValveDiameterFirst = 33058, kCmdExhaustValveDiameterLast = 33070;
constexpr UINT kCmdIntakeValveLiftFirst = 33071, kCmdIntakeValveLiftLast = 33081;
constexpr UINT kCmdExhaustValveLiftFirst = 33082, kCmdExhaustValveLiftLast = 33092;
constexpr UINT kCmdCompressionRatioFirst = 33460, kCmdCompressionRatioLast = 33484;
constexpr UINT kCmdInductionFirst = 32844, kCmdInductionLast = 32860;
constexpr UINT kCmdManifoldFirst = 33506, kCmdManifoldLast = 33516;
constexpr UINT kCmdForcedInductionFirst = 32964, kCmdForcedInductionLast = 33034;
constexpr UINT kCmdIntercoolerFirst = 33310, kCmdIntercoolerLast = 33325;
constexpr UINT kCmdFuelFirst = 32826, kCmdFuelLast = 32836;
constexpr UINT kCmdExhaustFirst = 32861, kCmdExhaustLast = 32867;
constexpr UINT kCmdCamTypeFirst = 32891, kCmdCamTypeLast = 32897;
constexpr UINT kCmdTimingMethodFirst = 32900, kCmdTimingMethodLast = 32901;
constexpr UINT kCmdLifterTypeFirst = 33445, kCmdLifterTypeLast = 33449;
constexpr UINT kCmdRampRateFirst = 33434, kCmdRampRateLast = 33444;
constexpr UINT kCmdCamAdvanceFirst = 33485, kCmdCamAdvanceLast = 33505;

// Commands with a meaning of their own inside the ranges.
constexpr UINT kCmdCustomHead = 32811;
constexpr UINT kCmdManifoldForcedInduction = 33516;
constexpr UINT kCmdForcedInductionNone = 32964;
constexpr UINT kCmdCustomTurbo = 32998;
constexpr UINT kCmdCustomCentrifugalBlower = 33009;
constexpr UINT kCmdCustomRootsBlower = 33034;
constexpr UINT kCmdIntercoolerNone = 33310;
constexpr UINT kCmdFuelGasoline = 32826;
constexpr UINT kCmdCustomCamType = 32897;
constexpr UINT kCmdTimingSeatToSeat = 32900;
constexpr UINT kCmdTiming050Inch = 32901;

// Valves per cylinder: intake 1, intake 2, exhaust 1, exhaust 2.
constexpr UINT kCmdIntakeValvesOne = 32914, kCmdIntakeValvesTwo = 32915;
constexpr UINT kCmdExhaustValvesOne = 32916, kCmdExhaustValvesTwo = 32917;
// Induction pressure drop 1.5 and 3.0 inHg.
constexpr UINT kCmdPressureDrop15 = 33326, kCmdPressureDrop30 = 33327;

constexpr UINT kCmdRun = 32902;
constexpr UINT kCmdUnitsEnglish = 32871;
constexpr UINT kCmdUnitsMetric = 32872;
constexpr UINT kCmdClearComponents = 57632;

// Automatic calculations, Auto Run and the exports.
constexpr UINT kCmdAutoValveSizes = 32904;
constexpr UINT kCmdAutoValveLift = 32905;
constexpr UINT kCmdAutoRun = 32906;
constexpr UINT kCmdAutoCamAccurate = 33433;
constexpr UINT kCmdCamMath = 32869;
constexpr UINT kCmdExportOlderPrograms = 33307;
constexpr UINT kCmdExportGame = 33308;
constexpr UINT kCmdCamManager = 33432;

// The head's flow data and the cam to and from their own files.
constexpr UINT kCmdAirflowFileOpen = 32918;
constexpr UINT kCmdAirflowFileSave = 32919;
constexpr UINT kCmdCamFileOpen = 32920;
constexpr UINT kCmdCamFileSave = 32921;

// The sweeps: the Zuv Oradizov and the Quick Iterator.
constexpr UINT kCmdSweep = 33450;
constexpr UINT kCmdQuickIterator = 33451;

}  // namespace torvane

// Command ids that the vehicle document handles, shared with the menus and
// toolbars of the program interface.
#pragma once

namespace quillet {

// Runs and settings.
constexpr unsigned kCmdUnitsEnglish = 32871;
constexpr unsigned kCmdUnitsMetric = 32872;
constexpr unsigned kCmdRun = 32902;
constexpr unsigned kCmdAutoRun = 32906;
constexpr unsigned kCmdEighthMile = 33677;
constexpr unsigned kCmdQuarterMile = 33678;

// Tools.
constexpr unsigned kCmdIterator = 33300;
constexpr unsigned kCmdExportFile = 33307;
constexpr unsigned kCmdImportEngineFile = 33500;
constexpr unsigned kCmdIteratorNoOp = 33503;  // posted to the main frame
constexpr unsigned kCmdQuickIterator = 33679;
constexpr unsigned kCmdProIterator = 33680;
constexpr unsigned kCmdTractionCalculator = 33682;

// The framework's print, print preview and the document's clear command.
constexpr unsigned kCmdFilePrint = 57607;
constexpr unsigned kCmdFilePrintPreview = 57609;
constexpr unsigned kCmdClearComponents = 57632;

// Choice ranges of the vehicle's popup menus.
constexpr unsigned kCmdVehicleClassFirst = 33330, kCmdVehicleClassLast = 33331;
constexpr unsigned kCmdEngineClassFirst = 33332, kCmdEngineClassLast = 33333;
constexpr unsigned kCmdDriveWheelsFirst = 33334, kCmdDriveWheelsLast = 33335;
constexpr unsigned kCmdShiftTypeFirst = 33336, kCmdShiftTypeLast = 33337;
constexpr unsigned kCmdCouplingFirst = 33380, kCmdCouplingLast = 33387;
constexpr unsigned kCmdRearAxleFirst = 33390, kCmdRearAxleLast = 33395;
constexpr unsigned kCmdPrimaryRatioFirst = 33400, kCmdPrimaryRatioLast = 33409;
constexpr unsigned kCmdTireFirst = 33420, kCmdTireLast = 33427;
constexpr unsigned kCmdWeatherFirst = 33430, kCmdWeatherLast = 33436;
constexpr unsigned kCmdDrivingStyleFirst = 33440, kCmdDrivingStyleLast = 33442;
constexpr unsigned kCmdEngineFirst = 33450, kCmdEngineLast = 33471;
constexpr unsigned kCmdCustomEngine = 33471;  // the power-curve editor
constexpr unsigned kCmdJetEngineFirst = 33480, kCmdJetEngineLast = 33493;
constexpr unsigned kCmdAutomobileFirst = 33520, kCmdAutomobileLast = 33559;
constexpr unsigned kCmdManualTransFirst = 33600, kCmdManualTransLast = 33636;
constexpr unsigned kCmdAutomaticTransFirst = 33640, kCmdAutomaticTransLast = 33669;

// Private messages to the main frame.
constexpr unsigned kMsgDocumentDestroyed = 0x0400 + 109;  // wParam: the document
constexpr unsigned kMsgRepaintTimeSlip = 0x0400 + 110;

}  // namespace quillet

#include "quillet/services/ErrCode.h"

#include "common/MessageTable.h"
#include "common/UserManualText.h"

namespace quillet {

namespace {

#define READER_TAIL MANUAL_READER_TAIL("Quillet")

const char kEngineData[] = "Incomplete Engine Data";
const char kRocketData[] = "Incomplete Rocket Engine Data";
const char kDrivetrainData[] = "Incomplete Drivetrain Data";
const char kVehicleData[] = "Incomplete Vehicle Data";
const char kTireData[] = "Incomplete Tire/Wheels Data";
const char kDrivingData[] = "Incomplete Driving Data";
const char kWeatherData[] = "Incomplete Weather Data";
const char kFileError[] = "File Error";
const char kVersionError[] = "Invalid File Version";
const char kIteratorError[] = "Iterator Testing Error";
const char kManualError[] = "User Manual Error";
const char kExportError[] = "File Export Error";
const char kZonesError[] = "Data Zones Setup Error";
const char kImportant[] = "Important!";
const char kWarning[] = "Warning!";

// Errors 29..40: one text for each direction, naming the gear.
const unsigned short kFirstRatioTooLow = 29;
const unsigned short kFirstRatioTooHigh = 35;
const unsigned short kLastRatioTooHigh = 40;
const char kRatioTitle[] = "Gear Ratio Error Constraint";
const char* const kGearNames[] = {"First", "Second", "Third", "Fourth", "Fifth", "Sixth"};
const char kRatioBody[] =
    "\n\nAlthough the gear ratio entered is within range, the\n"
    "simulation additionally requires the transmission's\n"
    "gear ratios to be numerically descending in value.\n\n";
const char kRatioTooLowAdvice[] =
    "Increase the gear ratio so that it is at least 0.01 \n"
    "greater than the next lowest gear ratio.\n";
const char kRatioTooHighAdvice[] =
    "Decrease the gear ratio so that it is at least 0.01 \n"
    "less than the next highest gear ratio.\n";

const NumberedMessage kErrors[] = {
    {1, 1, kEngineData, "Engine Description Required"},
    {2, 2, kEngineData, "Engine Class Type selection Required"},
    {3, 3, kEngineData, "Engine Volume Displacement Required"},
    {4, 4, kEngineData, "Peak Power value Required"},
    {5, 5, kEngineData, "Peak Power RPM value Required"},
    {6, 6, kEngineData, "Peak Torque value Required"},
    {7, 7, kEngineData, "Peak Torque RPM value Required"},
    {8, 8, kEngineData, "A valid set of Power Curve-RPM values is Required"},
    {9, 9, kEngineData, "A valid set of Power Curve-Power values is Required"},
    {10, 10, kEngineData, "A valid set of Power Curve-Torque values is Required"},
    {11, 11, kEngineData,
     "The Power Curve contains a duplicate RPM data point value.\n"
     "Decrease the number of data points in order to eliminate the\n"
     "duplicate RPM value.\n\n" MANUAL_TAIL},
    {12, 12, kRocketData, "Rocket Thrust value Required"},
    {13, 13, kRocketData, "Rocket Weight value Required"},
    {14, 14, kDrivetrainData, "Transmission Description Required"},
    {15, 15, kDrivetrainData, "Transmission Shift Type selection Required"},
    {16, 16, kDrivetrainData, "Number of Transmission Gears value Required"},
    {17, 17, kDrivetrainData, "Transmission Coupling type selection Required"},
    {18, 18, kDrivetrainData, "Torque Converter Stall Speed value Required"},
    {19, 19, kDrivetrainData, "Torque Converter Multiplier value Required"},
    {20, 20, kDrivetrainData, "Torque Converter Slippage value Required"},
    {21, 21, kDrivetrainData, "Transmission First Gear Ratio Required"},
    {22, 22, kDrivetrainData, "Transmission Second Gear Ratio Required"},
    {23, 23, kDrivetrainData, "Transmission Third Gear Ratio Required"},
    {24, 24, kDrivetrainData, "Transmission Fourth Gear Ratio Required"},
    {25, 25, kDrivetrainData, "Transmission Fifth Gear Ratio Required"},
    {26, 26, kDrivetrainData, "Transmission Sixth Gear Ratio Required"},
    {27, 27, kDrivetrainData, "Rear Axle Gear Ratio Required"},
    {28, 28, kDrivetrainData, "Motorcycle Primary Ratio value Required"},
    {41, 41, kVehicleData, "Vehicle Description Required"},
    {42, 42, kVehicleData, "Vehicle Class Type selection Required"},
    {43, 43, kVehicleData, "Vehicle Weight value Required"},
    {44, 44, kVehicleData, "Vehicle Wheelbase value Required"},
    {45, 45, kVehicleData, "Vehicle Drive Wheels selection Required"},
    {46, 46, kVehicleData, "Vehicle Drive Wheels Weight % value Required"},
    {47, 47, kVehicleData, "Vehicle Frontal Area value Required"},
    {48, 48, kVehicleData, "Vehicle Drag Coefficient value Required"},
    {49, 49, kTireData, "Tire/Wheels Description Required"},
    {50, 50, kTireData, "Drive Wheel Width value Required"},
    {51, 51, kTireData, "Tire Traction Coefficient value Required"},
    {52, 52, kTireData, "Tire Growth Factor value Required"},
    {53, 53, kTireData, "Tire Diameter value Required"},
    {54, 54, kDrivingData, "Driving Style Description Required"},
    {55, 55, kDrivingData, "Redline RPM value Required"},
    {56, 56, kDrivingData, "Shift Time value Required"},
    {57, 57, kDrivingData, "Rollout Distance value Required"},
    {58, 58, kDrivingData, "Launch RPM value Required"},
    {59, 59, kDrivingData, "First to Second Gear Shift RPM value Required"},
    {60, 60, kDrivingData, "Second to Third Gear Shift RPM value Required"},
    {61, 61, kDrivingData, "Third to Fourth Gear Shift RPM value Required"},
    {62, 62, kDrivingData, "Fourth to Fifth Gear Shift RPM value Required"},
    {63, 63, kDrivingData, "Fifth to Sixth Gear Shift RPM value Required"},
    {64, 64, kImportant,
     "The specified power curve does not contain any\n"
     "horsepower/torque values at the higher engine speeds\n"
     "currently in use by one or more of the Launch, Shift\n"
     "or Redline RPM Driving Style parameters.\n\n"
     "The Driving Style RPM values will be reset so that you\n"
     "can specify new values to work with this power curve.\n"},
    {65, 71, kImportant,
     "You have selected a Redline, Launch, or Shift\n"
     "RPM value that refers to a zero horsepower/torque\n"
     "power curve value. Lower the RPM value entered or\n"
     "open the Engine Power Curve Dialog Box and extend the\n"
     "power curve to higher speeds."},
    {72, 72, kWeatherData, "Weather Description Required"},
    {73, 73, kWeatherData, "Barometric Pressure value Required"},
    {74, 74, kWeatherData, "Humidity value Required"},
    {75, 75, kWeatherData, "Elevation value Required"},
    {76, 76, kWeatherData, "Wind Speed value Required"},
    {77, 77, kWeatherData, "Temperature value Required"},
    {78, 78, "Simulation Run Time Error",
     "The Quillet was unable to complete the simulation.\n"
     "A more balanced combination of engine and vehicle\n"
     "components is required.\n"},
    {79, 79, kFileError, "Unable to Open the Selected File"},
    {80, 80, kFileError, "Unable to Write to the Selected File"},
    {81, 81, kFileError, "Unable to Read from the Selected File"},
    {82, 82, kFileError, "Unable to Close the Selected File"},
    {83, 83, kFileError,
     "The File you have selected contains an invalid value.\n"
     "This file may have been corrupted.\n\n"
     "Please select a File created by this version\n"
     "of the Quillet program ( Version 4.05 )."},
    {84, 84, kVersionError,
     "The Quillet File you have selected was not created\n"
     "by this version of the Quillet program ( Version 4.05 ).\n\n"
     "Data files created with other versions of this program\n"
     "or with other simulation software are not compatible with\n"
     "this version of the Quillet Program.\n\n"
     "Please select a File created by this program."},
    {85, 85, kVersionError,
     "The Torvane File you have selected is an early version\n"
     "that does not contain Engine Power Curve data.\n"
     "Only Version 3.08 or greater Torvane Files can be\n"
     "used for importing into the Quillet Program.\n\n"
     "Please select a Torvane File version 3.08 or greater."},
    {86, 86, kIteratorError, "A valid baseline engine is Required"},
    {87, 87, kIteratorError,
     "The total tests required for Iteration must be greater\n"
     "than 2. Make sure that the Iterator's Setup parameters\n"
     "have been specified using the Iterator Setup Dialog Box.\n" MANUAL_TAIL},
    {88, 88, kIteratorError,
     "A Number of Steps value greater than 2 is required for each\n"
     "Iteration Parameter selected.\n" MANUAL_TAIL},
    {89, 89, kIteratorError,
     "An Iteration Data Type specification has been duplicated.\n"
     "Make sure that the Data Type specified for each\n"
     "Iteration Parameter occurs only once.\n" MANUAL_TAIL},
    {90, 90, kIteratorError,
     "Unable to create the new Best Results Quillet Document.\n"
     "The system may have insufficient memory available.\n"
     "This problem may be correctable by closing some of\n"
     "the documents currently open.\n" MANUAL_TAIL},
    {91, 91, kIteratorError,
     "Unable to add the Quick Setup Iteration Parameters\n"
     "requested.  This problem is due to insufficient Iteration\n"
     "Parameters available for use. Decrease the number\n"
     "of Iteration Parameters in use and then retry."},
    {92, 92, kIteratorError,
     "You have selected parameters and step values that have\n"
     "resulted in an Iterator test series of over 300-million \n"
     "cycles (may take longer than 1 year to calculate).\n"
     "Increase the step values and try again.\n"},
    {93, 93, kManualError, "Unable to connect with the System Registry.\n" MANUAL_TAIL_SHORT_LINES},
    {94, 94, kManualError,
     "Unable to open the Acrobat Reader file extension\n"
     "(.pdf) key in the System Registry.\n" READER_TAIL},
    {95, 95, kManualError,
     "Unable to read the Document Type value associated\n"
     "with the (.pdf) key in the System Registry.\n" READER_TAIL},
    {96, 96, kManualError, "Unable to close sub-key in the System Registry.\n" MANUAL_TAIL_SHORT_LINES},
    {97, 97, kManualError,
     "Unable to open the Acrobat Reader Document Type\n"
     "sub-key in the System Registry.\n" READER_TAIL},
    {98, 98, kManualError,
     "Unable to read the command line value associated\n"
     "with the Acrobat Reader Document Type sub-key in the\n"
     "System Registry.\n" READER_TAIL},
    {99, 99, kManualError,
     "The command line value associated with the Acrobat\n"
     "Reader Document Type in the System Registry is invalid.\n" READER_TAIL},
    {100, 100, kManualError,
     "Unable to start the Acrobat Reader program.\n"
     "Adobe Acrobat Reader (version 3.0 or higher)\n"
     "is required for viewing of the Quillet User Manual.\n" MANUAL_TAIL_SHORT_LINES},
    {101, 101, "Halvern Software Error",
     "Unable to start the Halvern Product Information program.\n" MANUAL_TAIL_SHORT_LINES},
    {102, 102, kDrivingData, "Redline RPM too low for Torque Converter Stall RPM"},
    {103, 103, kDrivingData, "Launch RPM exceeds Torque Converter Stall RPM"},
    {104, 104, kDrivingData, "Launch RPM exceeds Redline RPM"},
    {105, 109, kDrivingData, "A shift RPM exceeds the Redline RPM"},
    {110, 110, kDrivingData, "2nd gear engagement RPM too low for Launch RPM"},
    {111, 111, kExportError,
     "After converting the file name entered to the DOS 8 \n"
     "character limit, the resulting file name matches the \n"
     "name of a file already present. Please enter a unique file \n"
     "name that contains no more than 8 characters.\n"
     "For more information, refer to the Installation And Overview \n"
     "manual supplied with your software package.\n"},
    {112, 112, kExportError,
     "Simulation results are missing. Run the simulation on\n"
     "this Quillet document and then retry file exporting.\n"},
    {113, 113, kExportError,
     "File exporting requires that the units are set to \n"
     "Domestic/English. Please select these units and retry.\n"},
    {114, 114, kZonesError,
     "A data zone range has been setup with its maximum limit\n"
     "less than or equal to its minimum limit.\n\n"
     "Make sure that the data zone range you enter defines\n"
     "the zone's maximum limit to be greater than its minimum limit.\n\n" MANUAL_TAIL},
    {115, 115, kZonesError,
     "A data zone range has been setup so that it overlaps one\n"
     "or more other zones.\n\n"
     "Make sure that the data zone range you enter contains minimum\n"
     "and maximum limits that do not overlap other data zone ranges.\n\n" MANUAL_TAIL},
    {128, 128, kIteratorError,
     "The Maximum Track Distance value must be larger than \n"
     "Minimum Track Distance value when defining the Distance range."},
};

// Notices 101 and 102 end with the allowed range of the computed value.
const char kComputedValueText[] =
    "The %s value entered is correct, but the \n"
    "corresponding computed %s value at the\n"
    "given RPM is not within the range of %s values\n"
    "allowable by this program.\n\n"
    "In order to run the simulation, %s values\n"
    "must be within the range of %.0f to %.0f %s.";

const NumberedMessage kNotices[] = {
    {103, 103, kImportant,
     "You have selected a Torque Converter Stall Rpm\n"
     "that is too high for a Shift Rpm. Unless you correct \n"
     "this situation (by increasing the Shift Rpm or\n"
     "lowering the Converter Stall Rpm) the trans will\n"
     "shift at the starting line or skip over gears during\n"
     "the race."},
    {104, 104, kImportant,
     "You have selected a Shift Rpm that is too low \n"
     "for the Converter Stall Rpm. Unless you \n"
     "correct this situation (by increasing the Shift\n"
     "Rpm or lowering the converter Stall Rpm) the\n"
     "trans will shift at the starting line or skip over\n"
     "gears during the race."},
    {105, 105, kImportant,
     "The Display Monitor's color depth setting has been changed to a \n"
     "low color mode with less than or equal to 256 colors available.\n\n"
     "In this low color mode, the Quillet's enhanced color features will \n"
     "not be available for use.\n\n"
     "For more information, refer to the Installation And Overview \n"
     "manual supplied with your software package.\n"},
    {107, 107, kImportant,
     "The use of Combo Style Axis Data Types is not supported when \n"
     "using Multiple Documents for a Chart's data sets.\n\n"
     "If you proceed, the Axis Data Types will be set to types that\n"
     "can be used when charting Multiple Document data sets.\n"
     "Press OK to proceed or choose Cancel to return.\n"},
};

const char kRpmAtZeroPowerTail[] =
    "to a zero horsepower/torque power curve value.\n"
    "If you proceed, the %s value will be \n"
    "decreased to the power curve's maximum RPM value.";
const char kBaselineLine[] =
    "for the document registered as the Iterator's Baseline\n"
    "configuration. If you proceed, the Iterator will have to\n"
    "reset all iteration parameters.\n\n"
    "Press OK to reset all iteration parameters or choose\n"
    "Cancel to exit Iterator.";

const NumberedMessage kQuestions[] = {
    {200, 200, kWarning,
     "If you proceed, all displayed Power and\n"
     "Torque data will be reset.\n\n"
     "Press OK to reset Power and Torque data or\n"
     "choose Cancel to leave data values intact."},
    {203, 203, kWarning,
     "If you proceed, the current Power Curve will be\n"
     "recomputed using the currently specified Peak Power\n"
     "and Peak Torque values.\n\n"
     "Press OK to continue or choose Cancel \n"
     "to leave the current Power Curve intact."},
    {204, 204, kWarning,
     "You have selected a vehicle type categorized as\n"
     "an AUTOMOBILE. If you proceed, the Motorcycle\n"
     "Primary Ratio will be cleared."},
    {205, 205, kWarning,
     "You have selected a vehicle type categorized as\n"
     "a MOTORCYCLE. Enter a Motorcycle Primary Ratio\n"
     "before you begin the simulation."},
    {206, 206, kWarning,
     "You have selected jet or rocket engine propulsion.\n"
     "If you proceed, engine power curves, transmission,\n"
     "driveline, and driving style choices will be dimmed\n"
     "and excluded from the simulation.\n\n"
     "You can switch back to IC engines by selecting any\n"
     "of the choices in the Typical IC Engines menu or by\n"
     "selecting the IC Engine choice from the Engine Type menu."},
    {207, 207, kWarning,
     "You Are Selecting A Clutch as a power-coupling device.\n"
     "If you proceed, torque converter stall, multiplier, and\n"
     "slippage specs will be cleared."},
    {208, 208, kWarning,
     "You have selected a Redline Rpm that is too low for\n"
     "the current Torque Converter Stall Rpm. If you proceed,\n"
     "the Redline Rpm will be increased to accommodate the\n"
     "higher Converter Stall."},
    {209, 209, kWarning,
     "You have selected a Redline Rpm that is lower\n"
     "than the Launch Rpm or a Shift Rpm. If you\n"
     "proceed, the Redline Rpm will be increased\n"
     "to match the higher Launch/Shift Rpm."},
    {210, 210, kWarning,
     "You have selected a Torque Converter Stall\n"
     "Rpm that is too high for the current Redline Rpm.\n"
     "If you proceed, the Redline Rpm will be increased \n"
     "to accommodate the higher Converter Stall."},
    {211, 211, kWarning,
     "You have selected a Launch Rpm that is more\n"
     "than 300 rpm higher than the 2nd Gear\n"
     "Engagement Rpm. If you proceed, the Launch\n"
     "Rpm will be decreased to prevent skipping\n"
     "gears and ensure proper program function."},
    {212, 212, kWarning,
     "You have selected a Launch Rpm that\n"
     "exceeds the Converter Stall Rpm. If you\n"
     "proceed, the Launch Rpm will be reduced\n"
     "to match the Converter Stall Rpm."},
    {213, 213, kWarning,
     "You have selected a Launch/Shift Rpm that\n"
     "is higher than the Redline Rpm. If you\n"
     "proceed, the redline Rpm will be increased\n"
     "to match the higher Launch/Shift Rpm."},
    {214, 214, kWarning,
     "You have selected a 2nd Gear Enagagement Rpm\n"
     "that is too low for the Launch Rpm. If you proceed,\n"
     "the 2nd Gear Engagement Rpm will be increased \n"
     "to prevent the trans from skipping gears and to\n"
     "ensure proper program function."},
    {218, 218, kWarning,
     "You have selected a Converter-Stall RPM that\n"
     "is lower than the Launch RPM. If you proceed,\n"
     "the Launch RPM will be reduced to match the\n"
     "Converter-Stall RPM."},
    {219, 219, kWarning,
     "The specification to be changed belongs to an Engine\n"
     "registered as the Zuv Oradizov's Baseline Vehicle. If changed,\n"
     "the Zuv Oradizov's current results will become invalid.\n\n"
     "If you proceed, the Zuv Oradizov's current results will be\n"
     "cleared. Press OK to proceed or choose Cancel to leave\n"
     "the current specification and Zuv Oradizov results intact."},
    {220, 220, kWarning,
     "The Quillet document about to be used in the Quick Iterator\n"
     "is currently registered as the Zuv Oradizov's Baseline Vehicle.\n"
     "In order to be compatible with the Quick Iterator, the Zuv Oradizov's\n"
     "current settings and results will need to be cleared.\n\n"
     "Press OK to proceed or choose Cancel to leave the current\n"
     "Zuv Oradizov settings and results intact."},
};

// Questions 201 and 202 differ in their first line; 215 to 217 in the value
// they name.
const unsigned short kCouplingChangedQuestion = 201;
const unsigned short kGearCountChangedQuestion = 202;
const unsigned short kRedlineAtZeroPowerQuestion = 215;
const unsigned short kShiftAtZeroPowerQuestion = 217;
const char* const kRpmAtZeroPowerNames[] = {"Redline RPM", "Launch RPM", "Shift RPM"};

const MessageTable kErrorTable(kErrors);
const MessageTable kNoticeTable(kNotices);
const MessageTable kQuestionTable(kQuestions);

}  // namespace

void ErrCodeShowError(unsigned short code) {
    if (code >= kFirstRatioTooLow && code <= kLastRatioTooHigh) {
        const bool tooLow = code < kFirstRatioTooHigh;
        const char* gear = kGearNames[code - (tooLow ? kFirstRatioTooLow : kFirstRatioTooHigh)];
        ShowMessageBox(kRatioTitle,
                       FormatMessageText("The Transmission %s Gear Ratio is too %s.%s%s", gear,
                                         tooLow ? "low" : "high", kRatioBody,
                                         tooLow ? kRatioTooLowAdvice : kRatioTooHighAdvice),
                       kErrorBoxStyle);
        return;
    }
    const NumberedMessage& message = kErrorTable.Get(code);
    ShowMessageBox(message.title, message.text, kErrorBoxStyle);
}

int ErrCodeShowWarning(unsigned short code, bool okCancel) {
    const UINT style = NoticeBoxStyle(okCancel);
    if (code == kNoticeTorqueOutOfRange) {
        return ShowMessageBox("Out-of-Range Computed Torque Value",
                              FormatMessageText(kComputedValueText, "Horspower", "Torque", "torque",
                                                "Torque", 1.0, 5000.0, "lb-ft"),
                              style);
    }
    if (code == kNoticePowerOutOfRange) {
        return ShowMessageBox("Out-of-Range Computed Power Value",
                              FormatMessageText(kComputedValueText, "Torque", "Power", "power",
                                                "Power", 1.0, 7000.0, "hp"),
                              style);
    }
    const NumberedMessage& message = kNoticeTable.Get(code);
    return ShowMessageBox(message.title, message.text, style);
}

int ErrCodeAskConfirm(unsigned short code) {
    if (code == kCouplingChangedQuestion || code == kGearCountChangedQuestion) {
        const char* change = code == kCouplingChangedQuestion ? "coupling type" : "number of gears";
        return ShowMessageBox(
            kWarning,
            FormatMessageText("The transmission's %s has been changed\n%s", change, kBaselineLine),
            kQuestionBoxStyle);
    }
    if (code >= kRedlineAtZeroPowerQuestion && code <= kShiftAtZeroPowerQuestion) {
        const char* name = kRpmAtZeroPowerNames[code - kRedlineAtZeroPowerQuestion];
        return ShowMessageBox(kWarning,
                              FormatMessageText("You have selected a %s value that refers\n", name) +
                                  FormatMessageText(kRpmAtZeroPowerTail, name),
                              kQuestionBoxStyle);
    }
    const NumberedMessage& message = kQuestionTable.Get(code);
    return ShowMessageBox(message.title, message.text, kQuestionBoxStyle);
}

}  // namespace quillet

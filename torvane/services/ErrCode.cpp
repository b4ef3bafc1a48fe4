#include "torvane/services/ErrCode.h"

#include <string>

#include "common/MessageTable.h"
#include "common/UserManualText.h"

namespace torvane {

static const char kAssertModule[] = "ErrCode.cpp";

namespace {

// Shared by the three file-version errors and the user-manual errors.
#define NOT_CREATED_BY_THIS_VERSION                               \
    "by this version of the Torvane program ( Version 4.05 ).\n"  \
    "\n"                                                          \
    "Data files created with other versions of this program\n"    \
    "or with other simulation software are not compatible with\n" \
    "this version of the Torvane Program.\n"                      \
    "\n"
#define READER_REQUIRED MANUAL_READER_TAIL("Torvane")

const char kImportant[] = "Important!";
const char kWarning[] = "Warning!";

// Code 108 names the cam file between these two pieces.
const unsigned short kCamFileProblem = 108;
const char kCamFileProblemHead[] =
    "A problem has occured attempting to open the current Cam File:\n";
const char kCamFileProblemTail[] =
    "\n\nThe problem could be due to an invalid file version or because\n"
    "the file contains an invalid cam specification value.\n\n"
    "Press OK to continue with the current Cam search or \n"
    "choose Cancel to abort.\n";

const NumberedMessage kErrors[] = {
    {1, "Incomplete Engine", "Bore/Stroke Selection Required"},
    {2, "Incomplete Engine", "Valid Bore value Required"},
    {3, "Incomplete Engine", "Valid Stroke value Required"},
    {4, "Incomplete Engine", "Valid Number of Cylinders value Required"},
    {5, "Incomplete Engine", "Cylinder Head Selection Required"},
    {6, "Incomplete Engine", "Valid Number of Intake Valves per Cylinder value Required"},
    {7, "Incomplete Engine", "Valid Number of Exhaust Valves per Cylinder value Required"},
    {8, "Incomplete Engine", "Valid Intake Valve Diameter Required"},
    {9, "Incomplete Engine", "Valid Exhaust Valve Diameter Required"},
    {10, "Incomplete Engine", "Compression Ratio Selection Required"},
    {11, "Incomplete Engine", "Induction Flow Selection Required"},
    {12, "Incomplete Engine", "Induction Flow Pressure Drop value Required"},
    {13, "Incomplete Engine", "Manifold Selection Required"},
    {14, "Incomplete Engine", "Fuel Type Selection Required"},
    {15, "Incomplete Engine", "Nitrous Flow Selection Required"},
    {16, "Incomplete Engine", "Blower Selection Required"},
    {17, "Incomplete Engine", "Valid Blower Flow value Required"},
    {18, "Incomplete Engine", "Valid Blower Pressure Ratio value Required"},
    {19, "Incomplete Engine", "Valid Blower Efficiency value Required"},
    {20, "Incomplete Engine", "Valid Blower RPM value Required"},
    {21, "Incomplete Engine", "Valid Blower Surge Flow value Required"},
    {22, "Incomplete Engine", "Valid Blower Internal Gear Ratio Required"},
    {23, "Incomplete Engine", "Valid Blower Belt Gear Ratio value Required"},
    {24, "Incomplete Engine", "Valid Blower Boost Level Limit value Required"},
    {25, "Incomplete Engine", "Valid Intercooler Efficiency value Required"},
    {26, "Incomplete Engine", "Exhaust Selection Required"},
    {27, "Incomplete Engine", "Camshaft Selection Required"},
    {28, "Incomplete Engine", "A valid Cam Description is Required"},
    {29, "Incomplete Engine", "Lifter type entry Required"},
    {30, "Incomplete Engine", "A valid Cam Timing Method is Required"},
    {31, "Incomplete Engine", "A valid Cam Advance/Retard value is Required"},
    {32, "Incomplete Engine", "A valid Cam Intake Lift value is Required"},
    {33, "Incomplete Engine", "A valid Cam Exhaust Lift value is Required"},
    {34, "Incomplete Engine", "A valid Cam IVO value is Required"},
    {35, "Incomplete Engine", "A valid Cam IVC value is Required"},
    {36, "Incomplete Engine", "A valid Cam EVO value is Required"},
    {37, "Incomplete Engine", "A valid Cam EVC value is Required"},
    {38, "Incomplete Engine", "A valid Cam Intake Center Angle value is Required"},
    {39, "Incomplete Engine", "A valid Cam Lobe Center Angle value is Required"},
    {40, "Incomplete Engine", "A valid Cam Intake Duration value is Required"},
    {41, "Incomplete Engine", "A valid Cam Exhaust Duration value is Required"},
    {42, "Simulation Run Time Error",
     "The Torvane was unable to complete the simulation.\n"
     "A more balanced combination of engine components is required.\n"
     "Try increasing the induction flow, stroke length, or port flow.\n"
     "Also try reducing the camshaft duration."},
    {43, "File Error", "Unable to Open the Selected File"},
    {44, "File Error", "Unable to Write to the Selected File"},
    {45, "File Error", "Unable to Read from the Selected File"},
    {46, "File Error", "Unable to Close the Selected File"},
    {47, "File Error",
     "The Torvane File you have selected contains an invalid\n"
     "specification value.\n"
     "\n"
     "Please select a File created by this version of the\n"
     "Torvane program ( Version 4.05 )."},
    {48, "Invalid File Version",
     "The Torvane File you have selected was not created\n" NOT_CREATED_BY_THIS_VERSION
     "Please select a File created by this program."},
    {49, "Invalid File Version",
     "The Airflow Data File you have selected was not created\n" NOT_CREATED_BY_THIS_VERSION
     "Please select an Airflow Data File created by this program."},
    {50, "Invalid File Version",
     "The Cam Data File you have selected was not created\n" NOT_CREATED_BY_THIS_VERSION
     "Please select an Cam Data File created by this program."},
    {51, "Incomplete Airflow Data",
     "The Intake Valve Lift Data Set contains a data point whose\n"
     "lift value is less than or equal to the lift value associated\n"
     "with the Set's previous data point.\n"
     "\n"
     "Make sure that the valve lifts you enter define an\n"
     "ascending data set. For more information, refer to the\n"
     "Installation And Overview manual supplied with your\n"
     "software package."},
    {52, "Incomplete Airflow Data",
     "The Exhaust Valve Lift Data Set contains a data point whose\n"
     "lift value is less than or equal to the lift value associated\n"
     "with the Set's previous data point.\n"
     "\n"
     "Make sure that the valve lifts you enter define an\n"
     "ascending data set. For more information, refer to the\n"
     "Installation And Overview manual supplied with your\n"
     "software package."},
    {53, "Incomplete Airflow Data", "A valid Intake Valve Test Diameter value is Required"},
    {54, "Incomplete Airflow Data", "A valid Intake Valve Test Pressure value is Required"},
    {55, "Incomplete Airflow Data", "A valid Exhaust Valve Test Diameter value is Required"},
    {56, "Incomplete Airflow Data", "A valid Exhaust Valve Test Pressure value is Required"},
    {57, "Incomplete Airflow Data", "A valid set of Intake Valve Lift Data is Required"},
    {58, "Incomplete Airflow Data", "A valid set of Intake Valve Flow Data is Required"},
    {59, "Incomplete Airflow Data", "A valid set of Exhaust Valve Lift Data is Required"},
    {60, "Incomplete Airflow Data", "A valid set of Exhaust Valve Flow Data is Required"},
    {61, "Incomplete Airflow Data", "A valid Airflow Data Description is Required"},
    {62, "Iterator Testing Error", "A valid baseline engine is Required"},
    {63, "Iterator Testing Error",
     "The total tests required for Iteration must be greater\n"
     "than 2. Make sure that the Iterator's Setup parameters\n"
     "have been specified.\n" MANUAL_TAIL},
    {64, "Iterator Testing Error",
     "A Number of Steps value greater than 2 is required for each\n"
     "Iteration Parameter selected.\n" MANUAL_TAIL},
    {65, "Iterator Testing Error",
     "An Iteration Data Type specification has been duplicated.\n"
     "Make sure that the Data Type specified for each\n"
     "Iteration Parameter occurs only once.\n" MANUAL_TAIL},
    {66, "Iterator Testing Error",
     "Unable to create the new Best Results Torvane Document.\n"
     "The system may have insufficient memory available.\n"
     "This problem may be correctable by closing some of\n"
     "the documents currently open.\n" MANUAL_TAIL},
    {67, "Iterator Testing Error",
     "The Maximum RPM value must be larger than \n"
     "Minimum RPM value when defining the RPM range."},
    {68, "Iterator Testing Error",
     "The Auto Calculate Valve Sizes and/or Valve Lifts feature\n"
     "is enabled for the Torvane document selected. These\n"
     "features must be disabled for Iterator Testing."},
    {69, "User Manual Error",
     "Unable to connect with the System Registry.\n" MANUAL_TAIL_SHORT_LINES},
    {70, "User Manual Error",
     "Unable to open the Acrobat Reader file extension\n"
     "(.pdf) key in the System Registry.\n" READER_REQUIRED},
    {71, "User Manual Error",
     "Unable to read the Document Type value associated\n"
     "with the (.pdf) key in the System Registry.\n" READER_REQUIRED},
    {72, "User Manual Error",
     "Unable to close sub-key in the System Registry.\n" MANUAL_TAIL_SHORT_LINES},
    {73, "User Manual Error",
     "Unable to open the Acrobat Reader Document Type\n"
     "sub-key in the System Registry.\n" READER_REQUIRED},
    {74, "User Manual Error",
     "Unable to read the command line value associated\n"
     "with the Acrobat Reader Document Type sub-key in the\n"
     "System Registry.\n" READER_REQUIRED},
    {75, "User Manual Error",
     "The command line value associated with the Acrobat\n"
     "Reader Document Type in the System Registry is invalid.\n" READER_REQUIRED},
    {76, "User Manual Error",
     "Unable to start the Acrobat Reader program.\n"
     "Adobe Acrobat Reader (version 3.0 or higher)\n"
     "is required for viewing of the Torvane User Manual.\n" MANUAL_TAIL_SHORT_LINES},
    {77, "Halvern Software Error",
     "Unable to start the Halvern Product Information program.\n" MANUAL_TAIL_SHORT_LINES},
    {78, "File Export Error",
     "After converting the file name entered to the DOS 8 \n"
     "character limit, the resulting file name matches the \n"
     "name of a file already present. Please enter a unique file \n"
     "name that contains no more than 8 characters.\n"
     "For more information, refer to the Installation And Overview \n"
     "manual supplied with your software package.\n"},
    {79, "File Export Error",
     "Simulation results are missing. Run the simulation on\n"
     "this Torvane document and then retry file exporting.\n"},
    {80, "File Export Error",
     "The Auto Calculate Valve Sizes and/or Valve Lifts feature\n"
     "is enabled for the Torvane document selected. These\n"
     "features must be disabled for file exporting."},
    {81, "File Export Error",
     "Incompatible induction pressure drop specifed. The pressure \n"
     "drop specified must be at 1.5 inches when exporting files.\n"},
    {82, "File Export Error",
     "Custom airflow data specified. File exporting does not \n"
     "support this feature. Please select one the pre-defined \n"
     "cylinder heads and then retry file exporting.\n"},
    {83, "File Export Error",
     "File exporting requires that for 4 valve heads, the\n"
     "number of intake valves must equal 2 and the number of \n"
     "exhaust valves must equal 2.\n"},
    {84, "File Export Error",
     "File exporting requires that for 2 valve heads, the \n"
     "number of intake valves must equal 1 and the number of \n"
     "exhaust valves must equal 1.\n"},
    {85, "File Export Error",
     "Forced Induction specified. File exporting does not \n"
     "support this feature. Please select one of the other\n"
     "Non-Forced Induction manifolds and then retry file exporting.\n"},
    {86, "Iterator Testing Error",
     "You have selected parameters and step values that have\n"
     "resulted in an Iterator test series of over 300-million \n"
     "cycles (may take longer than 1 year to calculate).\n"
     "Increase the step values and try again.\n"},
    {87, "File Export Error",
     "File exporting requires that the units are set to \n"
     "Domestic/English. Please select these units and retry.\n"},
    {88, "Incomplete Short Block",
     "In order to use the Compression Ratio Calculator,\n"
     "all components in the SHORT BLOCK component \n"
     "category must be specified.\n"},
    {89, "Out-of-Range Compression Ratio",
     "The Compression Ratio calculated is correct, but is \n"
     "not within the range of compression ratios allowable\n"
     "by the Torvane program.\n"
     "\n"
     "In order to run the simulation, Compression Ratios\n"
     "must be within the range of 6.00 to 18.00 ."},
    {90, "Incomplete Compression Ratio Data", "Valid Cylinder Head Chamber Volume value Required"},
    {91, "Incomplete Compression Ratio Data", "Valid Head Gasket Bore Diameter value Required"},
    {92, "Incomplete Compression Ratio Data", "Valid Head Gasket Thickness value Required"},
    {93, "Incomplete Compression Ratio Data",
     "A Valid piston distance down bore value\n"
     "at TDC (top dead center) is required."},
    {94, "Incomplete Compression Ratio Data",
     "A Valid piston distance down bore value\n"
     "from TDC (top dead center) is required."},
    {95, "Incomplete Compression Ratio Data",
     "A Valid measured volume above the Domed Pistonvalue is required."},
    {96, "Incomplete Compression Ratio Data",
     "A Valid Compression Ratio Value has not been computed.\n"
     "This can occur when the Combustion Chamber data values specified \n"
     "result in a Total Combustion Volume of zero.\n"},
    {97, "Incomplete Airflow Math Data", "Valid Airflow value Required"},
    {98, "Incomplete Airflow Math Data", "Valid Airflow Pressure Drop value Required"},
    {99, "Out-of-Range Airflow Rating Value",
     "The Induction Airflow Rating value is correct, but is \n"
     "not within the range of Induction Airflow ratings allowable\n"
     "by the Torvane program.\n"
     "\n"
     "In order to run the simulation, Induction Airflow ratings\n"
     "must be within the range of 100.00 to 4000.00 cfm."},
    {100, "Data Zones Setup Error",
     "A data zone range has been setup with its maximum limit\n"
     "less than or equal to its minimum limit.\n"
     "\n"
     "Make sure that the data zone range you enter defines\n"
     "the zone's maximum limit to be greater than its minimum limit.\n"
     "\n" MANUAL_TAIL},
    {101, "Data Zones Setup Error",
     "A data zone range has been setup so that it overlaps one\n"
     "or more other zones.\n"
     "\n"
     "Make sure that the data zone range you enter contains minimum\n"
     "and maximum limits that do not overlap other data zone ranges.\n"
     "\n" MANUAL_TAIL},
    {102, "Cam Search Error", "A starting search folder must be specified."},
    {103, "Cam Search Error",
     "A Cam spec search range is incomplete. Each Cam \n"
     "spec search range selected must contain valid\n"
     "'From' and 'To' values."},
    {104, "Cam Search Error",
     "A Cam spec search range is incorrectly specified.\n"
     "A valid Cam spec search range requires the 'To' value\n"
     "to be greater than or equal to the 'From' value."},
    {105, "Incomplete Engine", "A valid Cam Lifter Acceleration value is Required"},
    {106, "Cam Timing Error",
     "The cam specification entered is valid, but has resulted in\n"
     "a corresponding IVO or IVC value that is outside the limits\n"
     "permissible by this program.\n"
     "\n"
     "A valid IVO and IVC value is required.\n"},
    {107, "Cam Timing Error",
     "The cam specification entered is valid, but has resulted in\n"
     "a corresponding EVO or EVC value that is outside the limits\n"
     "permissible by this program.\n"
     "\n"
     "A valid EVO and EVC value is required.\n"},
    {kCamFileProblem, "Cam Search Error", nullptr},
    {109, "Iterator Testing Error",
     "In order for the Iterator to perform constant Engine Displacement\n"
     "Iteration, the Bore or Stroke Tolerance must be greater than zero.\n"
     "\n"
     "Make sure that either the Bore or Stroke Tolerance is greater than\n"
     "zero and that the Step Value selected is small enough so that the\n"
     "Number of Tests value is greater than 1.\n"
     "\n" MANUAL_TAIL},
    {110, "Iterator Testing Error",
     "In order for the Iterator to perform Induction Manifold Iteration,\n"
     "at least 2 Manifolds must be selected.\n"
     "\n" MANUAL_TAIL},
};

const NumberedMessage kWarnings[] = {
    {101, kImportant,
     "Cam timing values have been changed FROM\n"
     "0.050-inch lifter rise TO Seat-To-Seat figures.\n"
     "\n"
     "Make sure the cam timing specs you enter are\n"
     "measured at seat-to-seat: variously described as\n"
     "0.006-open/0.010-close valve rise, 0.020-inch\n"
     "lifter rise and others. For more information,\n"
     "refer to the Installation And Overview\n"
     "manual supplied with your software package."},
    {102, kImportant,
     "Cam timing values have been changed FROM\n"
     "Seat-To-Seat TO 0.050-inch figures.\n"
     "\n"
     "Make sure the cam timing specs you enter are\n"
     "measured at 0.050-inch lifter (tappet) rise. For more\n"
     "information, refer to the Installation And Overview\n"
     "manual supplied with your software package."},
    {103, kImportant,
     "3-Valve heads use either two intake or two exhaust\n"
     "valves per cylinder. Make sure to select\n"
     "valve sizes that will fit side-by-side within\n"
     "the chamber (limited by bore size).\n"
     "\n"
     "If you choose \"Auto Calculate Valve Size\", the\n"
     "program will select appropriate valve sizes."},
    {104, kImportant,
     "4-Valve heads use two intake and exhaust\n"
     "valves per cylinder. Make sure to select\n"
     "valve sizes that will fit side-by-side within\n"
     "the chamber (limited by bore size).\n"
     "\n"
     "If you choose \"Auto Calculate Valve Size\", the\n"
     "program will select appropriate valve sizes."},
    {105, kImportant,
     "Individual Runner manifolds feed each cylinder with\n"
     "a single carburetor barrel and have no common plenum.\n"
     "\n"
     "Induction Airflow will be divided equally between\n"
     "all cylinders. Make sure you select enough overall\n"
     "airflow to efficiently supply each cylinder."},
    {106, kImportant,
     "The Display Monitor's color depth setting has been changed to a \n"
     "low color mode with less than or equal to 256 colors available.\n"
     "\n"
     "In this low color mode, the Torvane's enhanced color features will \n"
     "not be available for use.\n"
     "\n"
     "For more information, refer to the Installation And Overview \n"
     "manual supplied with your software package.\n"},
    {107, kImportant,
     "In order to automatically compute the Lifter Acceleration Ramp Rate\n"
     "value, valid values for the Intake and Exhaust Valve Lifts and for \n"
     "the Seat-To-Seat and 0.050-inch cam timing specs must be entered.\n"
     "\n"
     "Because one or more of these cam specs have not been assigned values\n"
     "yet, the Ramp Rate value can not be computed and is labeled Undefined.\n"
     "\n"
     "Press OK to proceed or choose Cancel to restore the Ramp Rate\n"
     "value to its previous value.\n"},
    {108, kImportant,
     "The Cylinder Head Flow Data has been modified and no longer\n"
     "matches the data in the indicated Air Flow File. It is recommended\n"
     "that you Save the modified data so that it can continue to be\n"
     "associated with the indicated Air Flow File.\n"
     "\n"
     "If you proceed, the data will longer be associated with the\n"
     "indicated Air Flow File. Press OK to proceed or choose\n"
     "Cancel to return.\n"},
    {109, kImportant,
     "The Cam Data has been modified and no longer matches\n"
     "the data in the indicated Cam File. It is recommended\n"
     "that you Save the modified data so that it can continue\n"
     "to be associated with the indicated Cam File.\n"
     "\n"
     "If you proceed, the data will longer be associated with\n"
     "the indicated Cam File. Press OK to proceed or choose\n"
     "Cancel to return.\n"},
    {111, kImportant,
     "The use of Combo Style Axis Data Types is not supported when \n"
     "using Multiple Documents for a Chart's data sets.\n"
     "\n"
     "If you proceed, the Axis Data Types will be set to types that\n"
     "can be used when charting Multiple Document data sets.\n"
     "Press OK to proceed or choose Cancel to return.\n"},
};

const NumberedMessage kConfirmations[] = {
    {200, kWarning,
     "If you proceed, all displayed flow data will\n"
     "be reset to default values.\n"
     "\n"
     "Press OK to reset flow data or choose\n"
     "Cancel to leave data values intact."},
    {201, kWarning,
     "The cam timing method has been changed for the\n"
     "document registered as the Iterator's Baseline Engine.\n"
     "If you proceed, the Iterator will have to reset all\n"
     "iteration parameters.\n"
     "Press OK to reset all iteration parameters or choose\n"
     "Cancel to exit Iterator."},
    {202, kWarning,
     "The specification of a new Compression Ratio value will\n"
     "invalidate the current Compression Ratio and Total Combustion\n"
     "Volume values computed by the Compression Ratio Calculator.\n"
     "\n"
     "If you proceed, the Compression Ratio Calculator's data \n"
     "values for this engine will be cleared. Press OK to proceed \n"
     "or choose Cancel to leave the Compression Ratio Calculator's \n"
     "current data intact."},
    {203, kWarning,
     "The specification of a new cylinder-bore or crankshaft-stroke\n"
     "value will invalidate the current Total Combustion Volume value\n"
     "computed by the Compression Ratio Calculator.\n"
     "\n"
     "If you proceed, the Compression Ratio Calculator's data \n"
     "values for this engine will be cleared. Press OK to proceed \n"
     "or choose Cancel to leave the Compression Ratio Calculator's \n"
     "current data intact."},
    {204, kWarning,
     "Simulation results are missing. Run the simulation on\n"
     "this Torvane document and then retry file saving.\n"
     "\n"
     "If the simulation is unable to run this document using its \n"
     "current component settings, it can still be saved to file without\n"
     "its simulation results by pressing the OK button. However, doing\n"
     "so may cause problems when trying to import the file into other\n"
     "Torvane compatible programs.\n"
     "\n"
     "Press OK to proceed with saving of this document or choose \n"
     "Cancel to abort saving.\n"},
    {205, kWarning,
     "The specification to be changed belongs to an Engine\n"
     "registered as the Zuv Oradizov's Baseline Engine. If changed,\n"
     "the Zuv Oradizov's current results will become invalid.\n"
     "\n"
     "If you proceed, the Zuv Oradizov's current results will be\n"
     "cleared. Press OK to proceed or choose Cancel to leave\n"
     "the current specification and Zuv Oradizov results intact."},
    {206, kWarning,
     "The Torvane document about to be used in the Quick Iterator\n"
     "is currently registered as the Zuv Oradizov's Baseline Engine.\n"
     "In order to be compatible with the Quick Iterator, the Zuv Oradizov's\n"
     "current settings and results will need to be cleared.\n"
     "\n"
     "Press OK to proceed or choose Cancel to leave the current\n"
     "Zuv Oradizov settings and results intact."},
};

const MessageTable kErrorTable(kErrors);
const MessageTable kWarningTable(kWarnings);
const MessageTable kConfirmationTable(kConfirmations);

}  // namespace

int ErrCodeShowError(unsigned short code, bool askOkCancel, const char* filePath) {
    const NumberedMessage& message = kErrorTable.Get(code);
    std::string text;
    if (code == kCamFileProblem) {
        APP_ASSERT(filePath != nullptr);
        text = std::string(kCamFileProblemHead) + filePath + kCamFileProblemTail;
    } else {
        text = message.text;
    }
    return ShowMessageBox(message.title, text,
                          askOkCancel ? NoticeBoxStyle(true) : kErrorBoxStyle);
}

int ErrCodeShowWarning(unsigned short code, bool askOkCancel) {
    const NumberedMessage& message = kWarningTable.Get(code);
    return ShowMessageBox(message.title, message.text, NoticeBoxStyle(askOkCancel));
}

int ErrCodeAskConfirm(unsigned short code) {
    const NumberedMessage& message = kConfirmationTable.Get(code);
    return ShowMessageBox(message.title, message.text, kQuestionBoxStyle);
}

void ErrCodeShowSystemError(unsigned long systemError) {
    ShowSystemErrorMessage(systemError);
}

}  // namespace torvane

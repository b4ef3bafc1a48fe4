// Every numbered message of the engine program, shown as a real message box
// and checked through the harness: title, text, icon and buttons.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "testing/ModalDriver.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

using testing_harness::BoxIcon;
using testing_harness::BoxRecord;
using testing_harness::ModalDriver;

namespace {

struct Expected {
    unsigned short code;
    const char* title;
    const char* text;
};

// The texts as the program states them.
const Expected kErrors[] = {
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
     "The Torvane was unable to complete the simulation.\nA more balanced combination of engine "
     "components is required.\nTry increasing the induction flow, stroke length, or port "
     "flow.\nAlso try reducing the camshaft duration."},
    {43, "File Error", "Unable to Open the Selected File"},
    {44, "File Error", "Unable to Write to the Selected File"},
    {45, "File Error", "Unable to Read from the Selected File"},
    {46, "File Error", "Unable to Close the Selected File"},
    {48, "Invalid File Version",
     "The Torvane File you have selected was not created\nby this version of the Torvane program ( "
     "Version 4.05 ).\n\nData files created with other versions of this program\nor with other "
     "simulation software are not compatible with\nthis version of the Torvane Program.\n\nPlease "
     "select a File created by this program."},
    {49, "Invalid File Version",
     "The Airflow Data File you have selected was not created\nby this version of the Torvane "
     "program ( Version 4.05 ).\n\nData files created with other versions of this program\nor with "
     "other simulation software are not compatible with\nthis version of the Torvane "
     "Program.\n\nPlease select an Airflow Data File created by this program."},
    {50, "Invalid File Version",
     "The Cam Data File you have selected was not created\nby this version of the Torvane program "
     "( Version 4.05 ).\n\nData files created with other versions of this program\nor with other "
     "simulation software are not compatible with\nthis version of the Torvane Program.\n\nPlease "
     "select an Cam Data File created by this program."},
    {51, "Incomplete Airflow Data",
     "The Intake Valve Lift Data Set contains a data point whose\nlift value is less than or equal "
     "to the lift value associated\nwith the Set's previous data point.\n\nMake sure that the "
     "valve lifts you enter define an\nascending data set. For more information, refer to "
     "the\nInstallation And Overview manual supplied with your\nsoftware package."},
    {52, "Incomplete Airflow Data",
     "The Exhaust Valve Lift Data Set contains a data point whose\nlift value is less than or "
     "equal to the lift value associated\nwith the Set's previous data point.\n\nMake sure that "
     "the valve lifts you enter define an\nascending data set. For more information, refer to "
     "the\nInstallation And Overview manual supplied with your\nsoftware package."},
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
     "The total tests required for Iteration must be greater\nthan 2. Make sure that the "
     "Iterator's Setup parameters\nhave been specified.\nFor more information, refer to the "
     "Installation And Overview\nmanual supplied with your software package."},
    {64, "Iterator Testing Error",
     "A Number of Steps value greater than 2 is required for each\nIteration Parameter "
     "selected.\nFor more information, refer to the Installation And Overview\nmanual supplied "
     "with your software package."},
    {65, "Iterator Testing Error",
     "An Iteration Data Type specification has been duplicated.\nMake sure that the Data Type "
     "specified for each\nIteration Parameter occurs only once.\nFor more information, refer to "
     "the Installation And Overview\nmanual supplied with your software package."},
    {66, "Iterator Testing Error",
     "Unable to create the new Best Results Torvane Document.\nThe system may have insufficient "
     "memory available.\nThis problem may be correctable by closing some of\nthe documents "
     "currently open.\nFor more information, refer to the Installation And Overview\nmanual "
     "supplied with your software package."},
    {67, "Iterator Testing Error",
     "The Maximum RPM value must be larger than \nMinimum RPM value when defining the RPM range."},
    {68, "Iterator Testing Error",
     "The Auto Calculate Valve Sizes and/or Valve Lifts feature\nis enabled for the Torvane "
     "document selected. These\nfeatures must be disabled for Iterator Testing."},
    {69, "User Manual Error",
     "Unable to connect with the System Registry.\nFor more information, refer to the Installation "
     "And\nOverview manual supplied with your software package."},
    {70, "User Manual Error",
     "Unable to open the Acrobat Reader file extension\n(.pdf) key in the System Registry.\nAdobe "
     "Acrobat Reader (version 3.0 or higher) must be \ninstalled in order to view the Torvane User "
     "Manual.\nFor more information, refer to the Installation And\nOverview manual supplied with "
     "your software package."},
    {71, "User Manual Error",
     "Unable to read the Document Type value associated\nwith the (.pdf) key in the System "
     "Registry.\nAdobe Acrobat Reader (version 3.0 or higher) must be \ninstalled in order to view "
     "the Torvane User Manual.\nFor more information, refer to the Installation And\nOverview "
     "manual supplied with your software package."},
    {72, "User Manual Error",
     "Unable to close sub-key in the System Registry.\nFor more information, refer to the "
     "Installation And\nOverview manual supplied with your software package."},
    {73, "User Manual Error",
     "Unable to open the Acrobat Reader Document Type\nsub-key in the System Registry.\nAdobe "
     "Acrobat Reader (version 3.0 or higher) must be \ninstalled in order to view the Torvane User "
     "Manual.\nFor more information, refer to the Installation And\nOverview manual supplied with "
     "your software package."},
    {74, "User Manual Error",
     "Unable to read the command line value associated\nwith the Acrobat Reader Document Type "
     "sub-key in the\nSystem Registry.\nAdobe Acrobat Reader (version 3.0 or higher) must be "
     "\ninstalled in order to view the Torvane User Manual.\nFor more information, refer to the "
     "Installation And\nOverview manual supplied with your software package."},
    {75, "User Manual Error",
     "The command line value associated with the Acrobat\nReader Document Type in the System "
     "Registry is invalid.\nAdobe Acrobat Reader (version 3.0 or higher) must be \ninstalled in "
     "order to view the Torvane User Manual.\nFor more information, refer to the Installation "
     "And\nOverview manual supplied with your software package."},
    {76, "User Manual Error",
     "Unable to start the Acrobat Reader program.\nAdobe Acrobat Reader (version 3.0 or "
     "higher)\nis required for viewing of the Torvane User Manual.\nFor more information, refer to "
     "the Installation And\nOverview manual supplied with your software package."},
    {78, "File Export Error",
     "After converting the file name entered to the DOS 8 \ncharacter limit, the resulting file "
     "name matches the \nname of a file already present. Please enter a unique file \nname that "
     "contains no more than 8 characters.\nFor more information, refer to the Installation And "
     "Overview \nmanual supplied with your software package.\n"},
    {79, "File Export Error",
     "Simulation results are missing. Run the simulation on\nthis Torvane document and then retry "
     "file exporting.\n"},
    {80, "File Export Error",
     "The Auto Calculate Valve Sizes and/or Valve Lifts feature\nis enabled for the Torvane "
     "document selected. These\nfeatures must be disabled for file exporting."},
    {81, "File Export Error",
     "Incompatible induction pressure drop specifed. The pressure \ndrop specified must be at 1.5 "
     "inches when exporting files.\n"},
    {82, "File Export Error",
     "Custom airflow data specified. File exporting does not \nsupport this feature. Please select "
     "one the pre-defined \ncylinder heads and then retry file exporting.\n"},
    {83, "File Export Error",
     "File exporting requires that for 4 valve heads, the\nnumber of intake valves must equal 2 "
     "and the number of \nexhaust valves must equal 2.\n"},
    {84, "File Export Error",
     "File exporting requires that for 2 valve heads, the \nnumber of intake valves must equal 1 "
     "and the number of \nexhaust valves must equal 1.\n"},
    {85, "File Export Error",
     "Forced Induction specified. File exporting does not \nsupport this feature. Please select "
     "one of the other\nNon-Forced Induction manifolds and then retry file exporting.\n"},
    {86, "Iterator Testing Error",
     "You have selected parameters and step values that have\nresulted in an Iterator test series "
     "of over 300-million \ncycles (may take longer than 1 year to calculate).\nIncrease the step "
     "values and try again.\n"},
    {87, "File Export Error",
     "File exporting requires that the units are set to \nDomestic/English. Please select these "
     "units and retry.\n"},
    {88, "Incomplete Short Block",
     "In order to use the Compression Ratio Calculator,\nall components in the SHORT BLOCK "
     "component \ncategory must be specified.\n"},
    {89, "Out-of-Range Compression Ratio",
     "The Compression Ratio calculated is correct, but is \nnot within the range of compression "
     "ratios allowable\nby the Torvane program.\n\nIn order to run the simulation, Compression "
     "Ratios\nmust be within the range of 6.00 to 18.00 ."},
    {90, "Incomplete Compression Ratio Data", "Valid Cylinder Head Chamber Volume value Required"},
    {91, "Incomplete Compression Ratio Data", "Valid Head Gasket Bore Diameter value Required"},
    {92, "Incomplete Compression Ratio Data", "Valid Head Gasket Thickness value Required"},
    {93, "Incomplete Compression Ratio Data",
     "A Valid piston distance down bore value\nat TDC (top dead center) is required."},
    {94, "Incomplete Compression Ratio Data",
     "A Valid piston distance down bore value\nfrom TDC (top dead center) is required."},
    {95, "Incomplete Compression Ratio Data",
     "A Valid measured volume above the Domed Pistonvalue is required."},
    {96, "Incomplete Compression Ratio Data",
     "A Valid Compression Ratio Value has not been computed.\nThis can occur when the Combustion "
     "Chamber data values specified \nresult in a Total Combustion Volume of zero.\n"},
    {97, "Incomplete Airflow Math Data", "Valid Airflow value Required"},
    {98, "Incomplete Airflow Math Data", "Valid Airflow Pressure Drop value Required"},
    {99, "Out-of-Range Airflow Rating Value",
     "The Induction Airflow Rating value is correct, but is \nnot within the range of Induction "
     "Airflow ratings allowable\nby the Torvane program.\n\nIn order to run the simulation, "
     "Induction Airflow ratings\nmust be within the range of 100.00 to 4000.00 cfm."},
    {100, "Data Zones Setup Error",
     "A data zone range has been setup with its maximum limit\nless than or equal to its minimum "
     "limit.\n\nMake sure that the data zone range you enter defines\nthe zone's maximum limit to "
     "be greater than its minimum limit.\n\nFor more information, refer to the Installation And "
     "Overview\nmanual supplied with your software package."},
    {101, "Data Zones Setup Error",
     "A data zone range has been setup so that it overlaps one\nor more other zones.\n\nMake sure "
     "that the data zone range you enter contains minimum\nand maximum limits that do not overlap "
     "other data zone ranges.\n\nFor more information, refer to the Installation And "
     "Overview\nmanual supplied with your software package."},
    {102, "Cam Search Error", "A starting search folder must be specified."},
    {103, "Cam Search Error",
     "A Cam spec search range is incomplete. Each Cam \nspec search range selected must contain "
     "valid\n'From' and 'To' values."},
    {104, "Cam Search Error",
     "A Cam spec search range is incorrectly specified.\nA valid Cam spec search range requires "
     "the 'To' value\nto be greater than or equal to the 'From' value."},
    {105, "Incomplete Engine", "A valid Cam Lifter Acceleration value is Required"},
    {106, "Cam Timing Error",
     "The cam specification entered is valid, but has resulted in\na corresponding IVO or IVC "
     "value that is outside the limits\npermissible by this program.\n\nA valid IVO and IVC value "
     "is required.\n"},
    {107, "Cam Timing Error",
     "The cam specification entered is valid, but has resulted in\na corresponding EVO or EVC "
     "value that is outside the limits\npermissible by this program.\n\nA valid EVO and EVC value "
     "is required.\n"},
    {109, "Iterator Testing Error",
     "In order for the Iterator to perform constant Engine Displacement\nIteration, the Bore or "
     "Stroke Tolerance must be greater than zero.\n\nMake sure that either the Bore or Stroke "
     "Tolerance is greater than\nzero and that the Step Value selected is small enough so that "
     "the\nNumber of Tests value is greater than 1.\n\nFor more information, refer to the "
     "Installation And Overview\nmanual supplied with your software package."},
    {110, "Iterator Testing Error",
     "In order for the Iterator to perform Induction Manifold Iteration,\nat least 2 Manifolds "
     "must be selected.\n\nFor more information, refer to the Installation And Overview\nmanual "
     "supplied with your software package."},
};

const Expected kWarnings[] = {
    {101, "Important!",
     "Cam timing values have been changed FROM\n0.050-inch lifter rise TO Seat-To-Seat "
     "figures.\n\nMake sure the cam timing specs you enter are\nmeasured at seat-to-seat: "
     "variously described as\n0.006-open/0.010-close valve rise, 0.020-inch\nlifter rise and "
     "others. For more information,\nrefer to the Installation And Overview\nmanual supplied with "
     "your software package."},
    {102, "Important!",
     "Cam timing values have been changed FROM\nSeat-To-Seat TO 0.050-inch figures.\n\nMake sure "
     "the cam timing specs you enter are\nmeasured at 0.050-inch lifter (tappet) rise. For "
     "more\ninformation, refer to the Installation And Overview\nmanual supplied with your "
     "software package."},
    {103, "Important!",
     "3-Valve heads use either two intake or two exhaust\nvalves per cylinder. Make sure to "
     "select\nvalve sizes that will fit side-by-side within\nthe chamber (limited by bore "
     "size).\n\nIf you choose \"Auto Calculate Valve Size\", the\nprogram will select appropriate "
     "valve sizes."},
    {104, "Important!",
     "4-Valve heads use two intake and exhaust\nvalves per cylinder. Make sure to select\nvalve "
     "sizes that will fit side-by-side within\nthe chamber (limited by bore size).\n\nIf you "
     "choose \"Auto Calculate Valve Size\", the\nprogram will select appropriate valve sizes."},
    {105, "Important!",
     "Individual Runner manifolds feed each cylinder with\na single carburetor barrel and have no "
     "common plenum.\n\nInduction Airflow will be divided equally between\nall cylinders. Make "
     "sure you select enough overall\nairflow to efficiently supply each cylinder."},
    {106, "Important!",
     "The Display Monitor's color depth setting has been changed to a \nlow color mode with less "
     "than or equal to 256 colors available.\n\nIn this low color mode, the Torvane's enhanced "
     "color features will \nnot be available for use.\n\nFor more information, refer to the "
     "Installation And Overview \nmanual supplied with your software package.\n"},
    {107, "Important!",
     "In order to automatically compute the Lifter Acceleration Ramp Rate\nvalue, valid values for "
     "the Intake and Exhaust Valve Lifts and for \nthe Seat-To-Seat and 0.050-inch cam timing "
     "specs must be entered.\n\nBecause one or more of these cam specs have not been assigned "
     "values\nyet, the Ramp Rate value can not be computed and is labeled Undefined.\n\nPress OK "
     "to proceed or choose Cancel to restore the Ramp Rate\nvalue to its previous value.\n"},
    {108, "Important!",
     "The Cylinder Head Flow Data has been modified and no longer\nmatches the data in the "
     "indicated Air Flow File. It is recommended\nthat you Save the modified data so that it can "
     "continue to be\nassociated with the indicated Air Flow File.\n\nIf you proceed, the data "
     "will longer be associated with the\nindicated Air Flow File. Press OK to proceed or "
     "choose\nCancel to return.\n"},
    {109, "Important!",
     "The Cam Data has been modified and no longer matches\nthe data in the indicated Cam File. It "
     "is recommended\nthat you Save the modified data so that it can continue\nto be associated "
     "with the indicated Cam File.\n\nIf you proceed, the data will longer be associated with\nthe "
     "indicated Cam File. Press OK to proceed or choose\nCancel to return.\n"},
    {111, "Important!",
     "The use of Combo Style Axis Data Types is not supported when \nusing Multiple Documents for "
     "a Chart's data sets.\n\nIf you proceed, the Axis Data Types will be set to types that\ncan "
     "be used when charting Multiple Document data sets.\nPress OK to proceed or choose Cancel to "
     "return.\n"},
};

const Expected kConfirmations[] = {
    {200, "Warning!",
     "If you proceed, all displayed flow data will\nbe reset to default values.\n\nPress OK to "
     "reset flow data or choose\nCancel to leave data values intact."},
    {201, "Warning!",
     "The cam timing method has been changed for the\ndocument registered as the Iterator's "
     "Baseline Engine.\nIf you proceed, the Iterator will have to reset all\niteration "
     "parameters.\nPress OK to reset all iteration parameters or choose\nCancel to exit Iterator."},
    {202, "Warning!",
     "The specification of a new Compression Ratio value will\ninvalidate the current Compression "
     "Ratio and Total Combustion\nVolume values computed by the Compression Ratio "
     "Calculator.\n\nIf you proceed, the Compression Ratio Calculator's data \nvalues for this "
     "engine will be cleared. Press OK to proceed \nor choose Cancel to leave the Compression "
     "Ratio Calculator's \ncurrent data intact."},
    {203, "Warning!",
     "The specification of a new cylinder-bore or crankshaft-stroke\nvalue will invalidate the "
     "current Total Combustion Volume value\ncomputed by the Compression Ratio Calculator.\n\nIf "
     "you proceed, the Compression Ratio Calculator's data \nvalues for this engine will be "
     "cleared. Press OK to proceed \nor choose Cancel to leave the Compression Ratio Calculator's "
     "\ncurrent data intact."},
    {204, "Warning!",
     "Simulation results are missing. Run the simulation on\nthis Torvane document and then retry "
     "file saving.\n\nIf the simulation is unable to run this document using its \ncurrent "
     "component settings, it can still be saved to file without\nits simulation results by "
     "pressing the OK button. However, doing\nso may cause problems when trying to import the file "
     "into other\nTorvane compatible programs.\n\nPress OK to proceed with saving of this document "
     "or choose \nCancel to abort saving.\n"},
    {205, "Warning!",
     "The specification to be changed belongs to an Engine\nregistered as the Zuv Oradizov's "
     "Baseline Engine. If changed,\nthe Zuv Oradizov's current results will become invalid.\n\nIf "
     "you proceed, the Zuv Oradizov's current results will be\ncleared. Press OK to proceed or "
     "choose Cancel to leave\nthe current specification and Zuv Oradizov results intact."},
    {206, "Warning!",
     "The Torvane document about to be used in the Quick Iterator\nis currently registered as the "
     "Zuv Oradizov's Baseline Engine.\nIn order to be compatible with the Quick Iterator, the Zuv "
     "Oradizov's\ncurrent settings and results will need to be cleared.\n\nPress OK to proceed or "
     "choose Cancel to leave the current\nZuv Oradizov settings and results intact."},
};

const Expected& ErrorEntry(unsigned short code) {
    for (const Expected& entry : kErrors) {
        if (entry.code == code) return entry;
    }
    throw std::out_of_range("no such error");
}

// Shows one box through `show`, pressing `button`; returns what the box held.
BoxRecord ShowAnswering(const char* caption, int button, int (*show)(unsigned short),
                        unsigned short code, int& pressed) {
    ModalDriver& driver = ModalDriver::Instance();
    driver.Reset();
    driver.Answer(caption, button);
    pressed = show(code);
    EXPECT_EQ(driver.Boxes().size(), 1u) << "code " << code;
    return driver.Boxes().empty() ? BoxRecord() : driver.Boxes()[0];
}

int ShowErrorOk(unsigned short code) {
    return ErrCodeShowError(code);
}
int ShowErrorOkCancel(unsigned short code) {
    return ErrCodeShowError(code, true);
}
int ShowWarningOk(unsigned short code) {
    return ErrCodeShowWarning(code);
}
int ShowWarningOkCancel(unsigned short code) {
    return ErrCodeShowWarning(code, true);
}
int AskConfirm(unsigned short code) {
    return ErrCodeAskConfirm(code);
}

void ExpectBox(const BoxRecord& box, const Expected& expected, BoxIcon icon, bool withCancel) {
    SCOPED_TRACE(testing::Message() << "code " << expected.code);
    EXPECT_EQ(box.caption, expected.title);
    EXPECT_EQ(box.text, expected.text);
    EXPECT_EQ(box.icon, icon);
    EXPECT_TRUE(box.HasButton(IDOK));
    EXPECT_EQ(box.HasButton(IDCANCEL), withCancel);
    EXPECT_EQ(box.buttons.size(), withCancel ? 2u : 1u);
}

TEST(ErrCodeMessages, EveryErrorHasItsTitleTextErrorIconAndOk) {
    for (const Expected& expected : kErrors) {
        int pressed = 0;
        BoxRecord box = ShowAnswering(expected.title, IDOK, ShowErrorOk, expected.code, pressed);
        ExpectBox(box, expected, BoxIcon::Error, false);
        EXPECT_EQ(pressed, IDOK);
    }
}

TEST(ErrCodeMessages, AnErrorAskingOkCancelHasTheInformationIcon) {
    int pressed = 0;
    BoxRecord box = ShowAnswering("File Error", IDCANCEL, ShowErrorOkCancel, 43, pressed);
    ExpectBox(box, ErrorEntry(43), BoxIcon::Information, true);
    EXPECT_EQ(pressed, IDCANCEL);
}

TEST(ErrCodeMessages, TextsTheProgramWordsItself) {
    int pressed = 0;
    BoxRecord box = ShowAnswering("File Error", IDOK, ShowErrorOk, 47, pressed);
    EXPECT_EQ(pressed, IDOK);
    EXPECT_NE(box.text.find("invalid"), std::string::npos);
    EXPECT_EQ(box.text.substr(box.text.size() - 17), "( Version 4.05 ).");

    box = ShowAnswering("", IDOK, ShowErrorOk, 77, pressed);
    EXPECT_FALSE(box.caption.empty());
    const std::string tail =
        "For more information, refer to the Installation And\n"
        "Overview manual supplied with your software package.";
    EXPECT_EQ(box.text.substr(box.text.size() - tail.size()), tail);
}

TEST(ErrCodeMessages, CamSearchProblemNamesTheFileAndCancelStopsTheSearch) {
    ModalDriver& driver = ModalDriver::Instance();
    driver.Answer("Cam Search Error", IDCANCEL);
    EXPECT_EQ(ErrCodeShowError(108, true, "C:\\Cams\\bad.cam"), IDCANCEL);
    ASSERT_EQ(driver.Boxes().size(), 1u);
    EXPECT_EQ(driver.Boxes()[0].text,
              "A problem has occured attempting to open the current Cam File:\n"
              "C:\\Cams\\bad.cam\n\n"
              "The problem could be due to an invalid file version or because\n"
              "the file contains an invalid cam specification value.\n\n"
              "Press OK to continue with the current Cam search or \n"
              "choose Cancel to abort.\n");
    EXPECT_EQ(driver.Boxes()[0].icon, BoxIcon::Information);
}

TEST(ErrCodeMessages, EveryWarningIsAnImportantNotice) {
    for (const Expected& expected : kWarnings) {
        int pressed = 0;
        BoxRecord box = ShowAnswering("Important!", IDOK, ShowWarningOk, expected.code, pressed);
        ExpectBox(box, expected, BoxIcon::Information, false);
        EXPECT_EQ(pressed, IDOK);
        box = ShowAnswering("Important!", IDCANCEL, ShowWarningOkCancel, expected.code, pressed);
        ExpectBox(box, expected, BoxIcon::Information, true);
        EXPECT_EQ(pressed, IDCANCEL);
    }
}

TEST(ErrCodeMessages, EveryConfirmationAsksOkOrCancel) {
    for (const Expected& expected : kConfirmations) {
        int pressed = 0;
        BoxRecord box = ShowAnswering("Warning!", IDCANCEL, AskConfirm, expected.code, pressed);
        ExpectBox(box, expected, BoxIcon::Warning, true);
        EXPECT_EQ(pressed, IDCANCEL);
    }
}

TEST(ErrCodeMessages, SystemErrorShowsTheSystemsText) {
    ModalDriver& driver = ModalDriver::Instance();
    driver.Answer("Error", IDOK);
    ErrCodeShowSystemError(ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(driver.Boxes().size(), 1u);
    EXPECT_EQ(driver.Boxes()[0].caption, "Error");
    EXPECT_FALSE(driver.Boxes()[0].text.empty());
    EXPECT_EQ(driver.Boxes()[0].icon, BoxIcon::Information);
}

// A code no table holds is a programming error.
TEST(ErrCodeMessagesDeathTest, UnknownCodesEndTheProgram) {
    const struct {
        int (*show)(unsigned short);
        unsigned short code;
    } unknown[] = {{ShowErrorOk, 111}, {ShowErrorOk, 0}, {ShowWarningOk, 110}, {AskConfirm, 207}};
    for (const auto& call : unknown) {
        EXPECT_EXIT(
            {
                ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
                call.show(call.code);
            },
            ::testing::ExitedWithCode(9999), "")
            << "code " << call.code;
    }
}

}  // namespace

}  // namespace torvane

// The numbered messages of the engine program, shown as real message boxes
// and checked through the harness: every code's icon and buttons, and the
// title and text of a sample of each table.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

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

// A sample of each table, with the texts as the program states them.
const Expected kErrors[] = {
    {1, "Incomplete Engine", "Bore/Stroke Selection Required"},
    {26, "Incomplete Engine", "Exhaust Selection Required"},
    {42, "Simulation Run Time Error",
     "The Torvane was unable to complete the simulation.\nA more balanced combination of engine "
     "components is required.\nTry increasing the induction flow, stroke length, or port "
     "flow.\nAlso try reducing the camshaft duration."},
    {44, "File Error", "Unable to Write to the Selected File"},
    {48, "Invalid File Version",
     "The Torvane File you have selected was not created\nby this version of the Torvane program ( "
     "Version 4.05 ).\n\nData files created with other versions of this program\nor with other "
     "simulation software are not compatible with\nthis version of the Torvane Program.\n\nPlease "
     "select a File created by this program."},
    {55, "Incomplete Airflow Data", "A valid Exhaust Valve Test Diameter value is Required"},
    {62, "Iterator Testing Error", "A valid baseline engine is Required"},
    {69, "User Manual Error",
     "Unable to connect with the System Registry.\nFor more information, refer to the Installation "
     "And\nOverview manual supplied with your software package."},
    {78, "File Export Error",
     "After converting the file name entered to the DOS 8 \ncharacter limit, the resulting file "
     "name matches the \nname of a file already present. Please enter a unique file \nname that "
     "contains no more than 8 characters.\nFor more information, refer to the Installation And "
     "Overview \nmanual supplied with your software package.\n"},
    {88, "Incomplete Short Block",
     "In order to use the Compression Ratio Calculator,\nall components in the SHORT BLOCK "
     "component \ncategory must be specified.\n"},
    {99, "Out-of-Range Airflow Rating Value",
     "The Induction Airflow Rating value is correct, but is \nnot within the range of Induction "
     "Airflow ratings allowable\nby the Torvane program.\n\nIn order to run the simulation, "
     "Induction Airflow ratings\nmust be within the range of 100.00 to 4000.00 cfm."},
    {106, "Cam Timing Error",
     "The cam specification entered is valid, but has resulted in\na corresponding IVO or IVC "
     "value that is outside the limits\npermissible by this program.\n\nA valid IVO and IVC value "
     "is required.\n"},
};

const Expected kWarnings[] = {
    {101, "Important!",
     "Cam timing values have been changed FROM\n0.050-inch lifter rise TO Seat-To-Seat "
     "figures.\n\nMake sure the cam timing specs you enter are\nmeasured at seat-to-seat: "
     "variously described as\n0.006-open/0.010-close valve rise, 0.020-inch\nlifter rise and "
     "others. For more information,\nrefer to the Installation And Overview\nmanual supplied with "
     "your software package."},
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
    {204, "Warning!",
     "Simulation results are missing. Run the simulation on\nthis Torvane document and then retry "
     "file saving.\n\nIf the simulation is unable to run this document using its \ncurrent "
     "component settings, it can still be saved to file without\nits simulation results by "
     "pressing the OK button. However, doing\nso may cause problems when trying to import the file "
     "into other\nTorvane compatible programs.\n\nPress OK to proceed with saving of this document "
     "or choose \nCancel to abort saving.\n"},
};

// Every code of each table (error 108 names a file: its own test).
std::vector<unsigned short> Codes(unsigned short first, unsigned short last,
                                  std::initializer_list<unsigned short> without = {}) {
    std::vector<unsigned short> codes;
    for (unsigned short code = first; code <= last; ++code)
        if (std::find(without.begin(), without.end(), code) == without.end()) codes.push_back(code);
    return codes;
}
const std::vector<unsigned short> kErrorCodes = Codes(1, 110, {108});
const std::vector<unsigned short> kWarningCodes = Codes(101, 111, {110});
const std::vector<unsigned short> kConfirmationCodes = Codes(200, 206);

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

// Each code shows one box of its kind; the sampled ones with their texts.
void ExpectEveryCode(const std::vector<unsigned short>& codes, const char* caption,
                     int (*show)(unsigned short), int button, BoxIcon icon, bool withCancel) {
    std::set<std::string> texts;
    for (unsigned short code : codes) {
        SCOPED_TRACE(testing::Message() << "code " << code);
        int pressed = 0;
        const BoxRecord box = ShowAnswering(caption, button, show, code, pressed);
        EXPECT_EQ(pressed, button);
        EXPECT_FALSE(box.caption.empty());
        EXPECT_FALSE(box.text.empty());
        EXPECT_EQ(box.icon, icon);
        EXPECT_TRUE(box.HasButton(IDOK));
        EXPECT_EQ(box.HasButton(IDCANCEL), withCancel);
        EXPECT_EQ(box.buttons.size(), withCancel ? 2u : 1u);
        texts.insert(box.caption + box.text);
    }
    EXPECT_EQ(texts.size(), codes.size()) << "two codes show the same message";
}

TEST(ErrCodeMessages, EveryErrorHasAnErrorIconAndOk) {
    ExpectEveryCode(kErrorCodes, "", ShowErrorOk, IDOK, BoxIcon::Error, false);
    for (const Expected& expected : kErrors) {
        int pressed = 0;
        BoxRecord box = ShowAnswering(expected.title, IDOK, ShowErrorOk, expected.code, pressed);
        ExpectBox(box, expected, BoxIcon::Error, false);
    }
}

TEST(ErrCodeMessages, AnErrorAskingOkCancelHasTheInformationIcon) {
    int pressed = 0;
    BoxRecord box = ShowAnswering("File Error", IDCANCEL, ShowErrorOkCancel, 44, pressed);
    ExpectBox(box, ErrorEntry(44), BoxIcon::Information, true);
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
    ExpectEveryCode(kWarningCodes, "Important!", ShowWarningOk, IDOK, BoxIcon::Information, false);
    ExpectEveryCode(kWarningCodes, "Important!", ShowWarningOkCancel, IDCANCEL,
                    BoxIcon::Information, true);
    for (const Expected& expected : kWarnings) {
        int pressed = 0;
        BoxRecord box = ShowAnswering("Important!", IDOK, ShowWarningOk, expected.code, pressed);
        ExpectBox(box, expected, BoxIcon::Information, false);
    }
}

TEST(ErrCodeMessages, EveryConfirmationAsksOkOrCancel) {
    ExpectEveryCode(kConfirmationCodes, "Warning!", AskConfirm, IDCANCEL, BoxIcon::Warning, true);
    for (const Expected& expected : kConfirmations) {
        int pressed = 0;
        BoxRecord box = ShowAnswering("Warning!", IDOK, AskConfirm, expected.code, pressed);
        ExpectBox(box, expected, BoxIcon::Warning, true);
        EXPECT_EQ(pressed, IDOK);
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

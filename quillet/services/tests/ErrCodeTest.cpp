// The drag-race program's numbered messages, shown as real message boxes
// and checked through the harness: title, text, icon and buttons.
#include "quillet/services/ErrCode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "testing/ModalDriver.h"

namespace quillet {

using testing_harness::BoxIcon;
using testing_harness::BoxRecord;
using testing_harness::ModalDriver;

namespace {

enum class Kind { Error, Notice, Question };

// Shows one box, pressing `button`; returns what the box held.
BoxRecord Show(Kind kind, unsigned short code, int button, int* pressed = nullptr,
               bool okCancel = false) {
    ModalDriver& driver = ModalDriver::Instance();
    driver.Reset();
    driver.Answer("", button);
    int result = IDOK;
    switch (kind) {
        case Kind::Error: ErrCodeShowError(code); break;
        case Kind::Notice: result = ErrCodeShowWarning(code, okCancel); break;
        case Kind::Question: result = ErrCodeAskConfirm(code); break;
    }
    if (pressed != nullptr) *pressed = result;
    EXPECT_EQ(driver.Boxes().size(), 1u) << "code " << code;
    return driver.Boxes().empty() ? BoxRecord() : driver.Boxes()[0];
}

std::string RatioText(const char* gear, const char* direction, const char* advice) {
    return std::string("The Transmission ") + gear + " Gear Ratio is too " + direction +
           ".\n\nAlthough the gear ratio entered is within range, the\n"
           "simulation additionally requires the transmission's\n"
           "gear ratios to be numerically descending in value.\n\n" +
           advice;
}

const char kTooLowAdvice[] =
    "Increase the gear ratio so that it is at least 0.01 \n"
    "greater than the next lowest gear ratio.\n";
const char kTooHighAdvice[] =
    "Decrease the gear ratio so that it is at least 0.01 \n"
    "less than the next highest gear ratio.\n";

TEST(QuilletErrCode, EveryErrorIsAnErrorBoxWithOk) {
    for (unsigned short code = 1; code <= 128; ++code) {
        if (code > 115 && code < 128) continue;
        const BoxRecord box = Show(Kind::Error, code, IDOK);
        SCOPED_TRACE(testing::Message() << "error " << code);
        EXPECT_FALSE(box.caption.empty());
        EXPECT_FALSE(box.text.empty());
        EXPECT_EQ(box.icon, BoxIcon::Error);
        ASSERT_EQ(box.buttons.size(), 1u);
        EXPECT_TRUE(box.HasButton(IDOK));
    }
}

TEST(QuilletErrCode, ErrorTextsAsTheProgramStatesThem) {
    const struct {
        unsigned short code;
        const char* title;
        std::string text;
    } cases[] = {
        {1, "Incomplete Engine Data", "Engine Description Required"},
        {11, "Incomplete Engine Data",
         "The Power Curve contains a duplicate RPM data point value.\n"
         "Decrease the number of data points in order to eliminate the\n"
         "duplicate RPM value.\n\n"
         "For more information, refer to the Installation And Overview\n"
         "manual supplied with your software package."},
        {29, "Gear Ratio Error Constraint", RatioText("First", "low", kTooLowAdvice)},
        {34, "Gear Ratio Error Constraint", RatioText("Sixth", "low", kTooLowAdvice)},
        {35, "Gear Ratio Error Constraint", RatioText("First", "high", kTooHighAdvice)},
        {40, "Gear Ratio Error Constraint", RatioText("Sixth", "high", kTooHighAdvice)},
        {41, "Incomplete Vehicle Data", "Vehicle Description Required"},
        {78, "Simulation Run Time Error",
         "The Quillet was unable to complete the simulation.\n"
         "A more balanced combination of engine and vehicle\n"
         "components is required.\n"},
        {83, "File Error",
         "The File you have selected contains an invalid value.\n"
         "This file may have been corrupted.\n\n"
         "Please select a File created by this version\n"
         "of the Quillet program ( Version 4.05 )."},
        {88, "Iterator Testing Error",
         "A Number of Steps value greater than 2 is required for each\n"
         "Iteration Parameter selected.\n"
         "For more information, refer to the Installation And Overview\n"
         "manual supplied with your software package."},
        {94, "User Manual Error",
         "Unable to open the Acrobat Reader file extension\n"
         "(.pdf) key in the System Registry.\n"
         "Adobe Acrobat Reader (version 3.0 or higher) must be \n"
         "installed in order to view the Quillet User Manual.\n"
         "For more information, refer to the Installation And\n"
         "Overview manual supplied with your software package."},
        {102, "Incomplete Driving Data", "Redline RPM too low for Torque Converter Stall RPM"},
        {110, "Incomplete Driving Data", "2nd gear engagement RPM too low for Launch RPM"},
        {128, "Iterator Testing Error",
         "The Maximum Track Distance value must be larger than \n"
         "Minimum Track Distance value when defining the Distance range."},
    };
    for (const auto& expected : cases) {
        const BoxRecord box = Show(Kind::Error, expected.code, IDOK);
        EXPECT_EQ(box.caption, expected.title) << "error " << expected.code;
        EXPECT_EQ(box.text, expected.text) << "error " << expected.code;
    }
}

TEST(QuilletErrCode, RangesShareOneText) {
    const struct {
        unsigned short first, last;
    } ranges[] = {{65, 71}, {105, 109}};
    for (const auto& range : ranges) {
        const BoxRecord first = Show(Kind::Error, range.first, IDOK);
        for (unsigned short code = range.first + 1; code <= range.last; ++code) {
            const BoxRecord box = Show(Kind::Error, code, IDOK);
            EXPECT_EQ(box.caption, first.caption) << code;
            EXPECT_EQ(box.text, first.text) << code;
        }
    }
    EXPECT_EQ(Show(Kind::Error, 105, IDOK).text, "A shift RPM exceeds the Redline RPM");
}

TEST(QuilletErrCode, ComputedValueNoticesEndWithTheirRange) {
    const BoxRecord torque = Show(Kind::Notice, kNoticeTorqueOutOfRange, IDOK);
    EXPECT_EQ(torque.caption, "Out-of-Range Computed Torque Value");
    EXPECT_EQ(torque.text,
              "The Horspower value entered is correct, but the \n"
              "corresponding computed Torque value at the\n"
              "given RPM is not within the range of torque values\n"
              "allowable by this program.\n\n"
              "In order to run the simulation, Torque values\n"
              "must be within the range of 1 to 5000 lb-ft.");
    const BoxRecord power = Show(Kind::Notice, kNoticePowerOutOfRange, IDOK);
    EXPECT_EQ(power.caption, "Out-of-Range Computed Power Value");
    EXPECT_EQ(power.text,
              "The Torque value entered is correct, but the \n"
              "corresponding computed Power value at the\n"
              "given RPM is not within the range of power values\n"
              "allowable by this program.\n\n"
              "In order to run the simulation, Power values\n"
              "must be within the range of 1 to 7000 hp.");
}

TEST(QuilletErrCode, NoticesAreInformationBoxesAndNumberedApart) {
    for (unsigned short code : {101, 102, 103, 104, 105, 107}) {
        int pressed = 0;
        BoxRecord box = Show(Kind::Notice, code, IDOK, &pressed);
        EXPECT_EQ(box.icon, BoxIcon::Information) << code;
        EXPECT_EQ(box.buttons.size(), 1u) << code;
        EXPECT_EQ(pressed, IDOK);
        box = Show(Kind::Notice, code, IDCANCEL, &pressed, true);
        EXPECT_EQ(box.buttons.size(), 2u) << code;
        EXPECT_EQ(pressed, IDCANCEL);
    }
    // Notice 103 is not error 103.
    const BoxRecord notice = Show(Kind::Notice, kNoticeStallAboveShift, IDOK);
    EXPECT_EQ(notice.caption, "Important!");
    EXPECT_EQ(notice.text.substr(0, 46), "You have selected a Torque Converter Stall Rpm");
}

TEST(QuilletErrCode, QuestionsAskOkOrCancel) {
    const struct {
        unsigned short code;
        const char* start;
    } cases[] = {
        {200, "If you proceed, all displayed Power and\n"},
        {201, "The transmission's coupling type has been changed\n"
              "for the document registered as the Iterator's Baseline\n"},
        {202, "The transmission's number of gears has been changed\n"
              "for the document registered as the Iterator's Baseline\n"},
        {203, "If you proceed, the current Power Curve"},
        {204, "You have selected a vehicle type categorized as\nan AUTOMOBILE."},
        {205, "You have selected a vehicle type categorized as\na MOTORCYCLE."},
        {206, "You have selected jet or rocket engine propulsion."},
        {207, "You Are Selecting A Clutch"},
        {208, "You have selected a Redline Rpm that is too low"},
        {209, "You have selected a Redline Rpm that is lower"},
        {210, "You have selected a Torque Converter Stall\n"},
        {211, "You have selected a Launch Rpm that is more"},
        {212, "You have selected a Launch Rpm that\nexceeds"},
        {213, "You have selected a Launch/Shift Rpm"},
        {214, "You have selected a 2nd Gear Enagagement Rpm"},
        {215, "You have selected a Redline RPM value that refers\n"
              "to a zero horsepower/torque power curve value.\n"
              "If you proceed, the Redline RPM value will be \n"
              "decreased to the power curve's maximum RPM value."},
        {216, "You have selected a Launch RPM value that refers\n"
              "to a zero horsepower/torque power curve value.\n"
              "If you proceed, the Launch RPM value will be \n"
              "decreased to the power curve's maximum RPM value."},
        {217, "You have selected a Shift RPM value that refers\n"
              "to a zero horsepower/torque power curve value.\n"
              "If you proceed, the Shift RPM value will be \n"
              "decreased to the power curve's maximum RPM value."},
        {218, "You have selected a Converter-Stall RPM"},
        {219, "The specification to be changed belongs to an Engine\n"},
        {220, "The Quillet document about to be used in the Quick Iterator\n"},
    };
    for (const auto& expected : cases) {
        int pressed = 0;
        const BoxRecord box = Show(Kind::Question, expected.code, IDCANCEL, &pressed);
        SCOPED_TRACE(testing::Message() << "question " << expected.code);
        EXPECT_EQ(box.caption, "Warning!");
        EXPECT_EQ(box.icon, BoxIcon::Warning);
        EXPECT_EQ(box.buttons.size(), 2u);
        EXPECT_EQ(pressed, IDCANCEL);
        EXPECT_EQ(box.text.compare(0, strlen(expected.start), expected.start), 0) << box.text;
    }
}

TEST(QuilletErrCodeDeathTest, UnknownCodesEndTheProgram) {
    const struct {
        Kind kind;
        unsigned short code;
    } unknown[] = {{Kind::Error, 0}, {Kind::Error, 116}, {Kind::Notice, 106},
                   {Kind::Notice, 108}, {Kind::Question, 199}, {Kind::Question, 221}};
    for (const auto& call : unknown) {
        // The box of the assertion is the one answered.
        EXPECT_EXIT(Show(call.kind, call.code, IDOK), ::testing::ExitedWithCode(9999), "")
            << "code " << call.code;
    }
}

}  // namespace

}  // namespace quillet

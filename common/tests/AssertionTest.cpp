#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/Assertion.h"
#include "common/SimSpec.h"
#include "common/tests/TestProfile.h"
#include "testing/ModalDriver.h"

using testing_harness::BoxIcon;
using testing_harness::ModalDriver;

namespace {

// In the death-test child: checks the box, reports the check on stderr (which
// the parent matches) and presses OK as a user would.
void AnswerAssertionBox(const std::string& expectedText) {
    ModalDriver::Instance().Handle("ASSERTION FAILURE", [expectedText](HWND box) {
        const testing_harness::BoxRecord record = ModalDriver::Describe(box);
        const bool matches = record.caption == "ASSERTION FAILURE" && record.text == expectedText &&
                             record.icon == BoxIcon::Error && record.buttons.size() == 1 &&
                             record.HasButton(IDOK);
        fprintf(stderr, matches ? "assertion box as expected\n" : "unexpected box: %s\n",
                record.text.c_str());
        fflush(stderr);
        ModalDriver::PressButton(box, IDOK);
    });
}

TEST(AssertionDeathTest, ShowsModuleAndLineThenEndsWith9999) {
    InstallTestProfile();
    const std::string expected =
        "File: Engine.cpp \nLine#: 321 \n\n"
        "Write down all of this error information and a short\n"
        "description of the events that lead up to this error and\n"
        "send it to Halvern. Sorry for the inconvenience.\n"
        "Press OK to terminate the TestProgram.";
    EXPECT_EXIT(
        {
            AnswerAssertionBox(expected);
            AssertionFailure("Engine.cpp", 321);
        },
        ::testing::ExitedWithCode(9999), "assertion box as expected");
}

TEST(AssertionDeathTest, AFieldSetOutOfRangeByCodeIsAnAssertion) {
    InstallTestProfile();
    CIntegerSpec cylinders("Number of Cylinders", 1, 12);
    EXPECT_EXIT(
        {
            ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            cylinders.SetValue(13);
        },
        ::testing::ExitedWithCode(9999), "");
}

}  // namespace

// Numbered messages: lookup by code and range, the three kinds of box as a
// user meets them, and document serial numbers.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "common/DocumentSerial.h"
#include "common/MessageTable.h"
#include "common/tests/TestProfile.h"
#include "testing/ModalDriver.h"

using testing_harness::BoxIcon;
using testing_harness::BoxRecord;
using testing_harness::ModalDriver;

namespace {

const NumberedMessage kMessages[] = {
    {1, "Incomplete", "First"},
    {29, 40, "Gear Ratio", "A gear"},
    {101, "Important!", "A notice"},
};
const MessageTable kTable(kMessages);

TEST(MessageTableTest, FindsACodeByItsEntryOrRange) {
    EXPECT_STREQ(kTable.Get(1).text, "First");
    for (unsigned short code : {29, 35, 40}) EXPECT_STREQ(kTable.Get(code).title, "Gear Ratio");
    EXPECT_STREQ(kTable.Get(101).text, "A notice");
    for (unsigned short code : {0, 2, 28, 41, 100, 102}) EXPECT_EQ(kTable.Find(code), nullptr);
}

TEST(MessageTableDeathTest, AskingForACodeTheTableLacksIsAnAssertion) {
    InstallTestProfile();
    EXPECT_EXIT(
        {
            ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
            kTable.Get(41);
        },
        ::testing::ExitedWithCode(9999), "");
}

TEST(MessageTableTest, EachKindOfBoxHasItsIconAndButtons) {
    struct Case {
        UINT style;
        BoxIcon icon;
        std::vector<int> buttons;
        int press;
    };
    const Case cases[] = {
        {kErrorBoxStyle, BoxIcon::Error, {IDOK}, IDOK},
        {NoticeBoxStyle(false), BoxIcon::Information, {IDOK}, IDOK},
        {NoticeBoxStyle(true), BoxIcon::Information, {IDOK, IDCANCEL}, IDCANCEL},
        {kQuestionBoxStyle, BoxIcon::Warning, {IDOK, IDCANCEL}, IDCANCEL},
    };
    ModalDriver& driver = ModalDriver::Instance();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        driver.Reset();
        driver.Answer("Gear Ratio", c.press);
        EXPECT_EQ(ShowMessageBox("Gear Ratio", "Line one\nline two", c.style), c.press);
        ASSERT_EQ(driver.Boxes().size(), 1u);
        const BoxRecord& box = driver.Boxes()[0];
        EXPECT_EQ(box.text, "Line one\nline two");
        EXPECT_EQ(box.icon, c.icon);
        EXPECT_EQ(box.buttons.size(), c.buttons.size());
        for (int button : c.buttons) EXPECT_TRUE(box.HasButton(button)) << button;
    }
    driver.Reset();
}

TEST(MessageTableTest, FormattedTextNamesItsValues) {
    EXPECT_EQ(FormatMessageText("The %s Gear Ratio is too %s.", "Third", "low"),
              "The Third Gear Ratio is too low.");
    EXPECT_EQ(FormatMessageText("%.1f to %.1f %s", 1.0, 5000.0, "lb-ft"), "1.0 to 5000.0 lb-ft");
}

TEST(DocumentSerialTest, NumbersRunThroughEveryNonZeroInt) {
    SerialCounter counter;
    EXPECT_EQ(counter.Next(), 1);
    EXPECT_EQ(counter.Next(), 2);
    SerialCounter high(INT_MAX - 1);
    EXPECT_EQ(high.Next(), INT_MAX);
    EXPECT_EQ(high.Next(), INT_MIN);
    SerialCounter negative(-2);
    EXPECT_EQ(negative.Next(), -1);
    EXPECT_EQ(negative.Next(), 1);  // never 0
    const int first = NextDocumentSerial();
    EXPECT_EQ(NextDocumentSerial(), first + 1);
}

}  // namespace

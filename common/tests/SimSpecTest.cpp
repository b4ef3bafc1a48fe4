// Field behaviour that does not depend on a program's table: text lines,
// their error codes, copies. The engine program's tests cover its units.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/ErrCodeException.h"
#include "common/SimSpec.h"
#include "common/tests/ScratchFile.h"
#include "common/tests/TestProfile.h"

namespace {

class SimSpecFileTest : public ::testing::Test {
protected:
    void SetUp() override { InstallTestProfile(); }

    // Writes with `write`, then checks the lines.
    std::vector<std::string> Written(const std::function<void(FILE*)>& write) {
        FILE* file = fopen(scratch_.Path(), "wt");
        write(file);
        fclose(file);
        return scratch_.Lines();
    }
    // Reads `lines` with `read`; returns the error code thrown, or 0.
    unsigned short ReadLines(const std::vector<std::string>& lines,
                             const std::function<void(FILE*)>& read) {
        scratch_.WriteLines(lines);
        FILE* file = fopen(scratch_.Path(), "rt");
        unsigned short code = 0;
        try {
            read(file);
        } catch (const ErrCodeException& error) {
            code = error.Code();
        }
        fclose(file);
        return code;
    }

    ScratchFile scratch_{"simspec_lines.txt"};
};

TEST_F(SimSpecFileTest, FloatLinesCarryTheSetFlag) {
    CFloatPtSpec length("Length", kTestInch, 1.0f, 10.0f, kTestMm, 25.4f);
    length.SetValue(3.5f);
    EXPECT_EQ(Written([&](FILE* f) { length.WriteToFile(f); }),
              std::vector<std::string>{"1 3.500000"});

    CFloatPtSpec read("Length", kTestInch, 1.0f, 10.0f, kTestMm, 25.4f);
    EXPECT_EQ(ReadLines({"0 3.5"}, [&](FILE* f) { read.ReadFromFile(f); }), 0);
    EXPECT_FLOAT_EQ(read.GetValue(), 3.5f);
    EXPECT_FALSE(read.IsSet());

    struct {
        const char* line;
        unsigned short code;
    } failures[] = {{"1 12.0", kTestValueError}, {"1", kTestReadError}, {"x y", kTestReadError}};
    for (const auto& failure : failures) {
        EXPECT_EQ(ReadLines({failure.line}, [&](FILE* f) { read.ReadFromFile(f); }), failure.code)
            << failure.line;
        EXPECT_FLOAT_EQ(read.GetValue(), 3.5f) << "a refused line keeps the value";
    }
}

// A value past a limit but within the range test's slack is read as the
// limit, so that it is still within the limits in the other unit.
TEST_F(SimSpecFileTest, AValueWithinTheSlackIsReadAsTheLimit) {
    CFloatPtSpec thickness("Thickness", kTestInch, 0.0f, 0.25f, kTestMm, 25.4f);
    EXPECT_EQ(ReadLines({"1 -0.000001"}, [&](FILE* f) { thickness.ReadFromFile(f); }), 0);
    EXPECT_EQ(thickness.GetValue(), 0.0f);
    thickness.SetUnitSystem(false);
    EXPECT_TRUE(thickness.IsValid());
    CFloatPtSpec upper("Thickness", kTestInch, 0.0f, 0.25f, kTestMm, 25.4f);
    EXPECT_EQ(ReadLines({"1 0.250004"}, [&](FILE* f) { upper.ReadFromFile(f); }), 0);
    EXPECT_EQ(upper.GetValue(), 0.25f);
    upper.SetUnitSystem(false);
    EXPECT_TRUE(upper.IsValid());
}

TEST_F(SimSpecFileTest, IntegerLinesAlwaysReadBackSet) {
    CIntegerSpec count("Count", 1, 12);
    EXPECT_EQ(ReadLines({"8"}, [&](FILE* f) { count.ReadFromFile(f); }), 0);
    EXPECT_TRUE(count.IsValid());
    EXPECT_EQ(count.GetValue(), 8);
    EXPECT_EQ(ReadLines({"13"}, [&](FILE* f) { count.ReadFromFile(f); }), kTestValueError);
    EXPECT_EQ(ReadLines({}, [&](FILE* f) { count.ReadFromFile(f); }), kTestReadError);
}

TEST_F(SimSpecFileTest, LongPartNamesAndPathsKeepTheLinesAfterThem) {
    const std::string longName = "Custom " + std::string(150, 'n');
    const std::string longPath =
        "C:\\Program Files\\Engine\\CamFiles (.CAM)\\" + std::string(120, 'p') + ".cam";
    CPartTypeSpec part("Part", 1, 7);
    ASSERT_TRUE(part.ParseAndSet(longName.c_str(), false));
    CFileSpec path("Cam Data File");
    ASSERT_TRUE(path.ParseAndSet(longPath.c_str(), false));
    CIntegerSpec after("After", 1, 12);
    after.SetValue(5);

    const auto lines = Written([&](FILE* f) {
        part.WriteToFile(f);
        path.WriteToFile(f);
        after.WriteToFile(f);
    });
    ASSERT_EQ(lines, (std::vector<std::string>{longName, "7", "1", longPath, "5"}));

    CPartTypeSpec partRead("Part", 1, 7);
    CFileSpec pathRead("Cam Data File");
    CIntegerSpec afterRead("After", 1, 12);
    EXPECT_EQ(ReadLines(lines,
                        [&](FILE* f) {
                            partRead.ReadFromFile(f);
                            pathRead.ReadFromFile(f);
                            afterRead.ReadFromFile(f);
                        }),
              0);
    EXPECT_STREQ(partRead.GetTypeName(), longName.c_str());
    EXPECT_EQ(partRead.GetValue(), 7);
    EXPECT_STREQ(pathRead.GetText(), longPath.c_str());
    EXPECT_EQ(afterRead.GetValue(), 5);
}

TEST_F(SimSpecFileTest, PartIndexOutOfRangeIsAnInvalidValue) {
    CPartTypeSpec part("Part", 1, 7);
    EXPECT_EQ(ReadLines({"Name", "9"}, [&](FILE* f) { part.ReadFromFile(f); }), kTestValueError);
    EXPECT_FALSE(part.IsSet());
}

TEST_F(SimSpecFileTest, UnsetFileFieldIsWrittenAsStarsAndReadBackUnset) {
    CFileSpec path("Airflow File");
    const auto lines = Written([&](FILE* f) { path.WriteToFile(f); });
    EXPECT_EQ(lines, (std::vector<std::string>{"0", "***"}));

    CFileSpec read("Airflow File");
    ASSERT_TRUE(read.ParseAndSet("old.flw", false));
    EXPECT_EQ(ReadLines(lines, [&](FILE* f) { read.ReadFromFile(f); }), 0);
    EXPECT_FALSE(read.IsSet());
}

TEST_F(SimSpecFileTest, NotesAreWrittenWithTheirLengthAndReadBackExactly) {
    CNotesSpec notes("Notes");
    ASSERT_TRUE(notes.ParseAndSet("ab\ncd", false));
    EXPECT_EQ(Written([&](FILE* f) { notes.WriteToFile(f); }),
              (std::vector<std::string>{"1 5", "ab", "cd"}));

    const char* texts[] = {"ab\ncd", "  leading blanks", "\n\nleading breaks", "x",
                           "edit control\r\nbreaks\r\n"};
    for (const char* text : texts) {
        CNotesSpec written("Notes");
        ASSERT_TRUE(written.ParseAndSet(text, false));
        FILE* file = fopen(scratch_.Path(), "wt");
        written.WriteToFile(file);
        fprintf(file, "next\n");
        fclose(file);

        CNotesSpec read("Notes");
        file = fopen(scratch_.Path(), "rt");
        read.ReadFromFile(file);
        char next[16] = "";
        EXPECT_NE(fgets(next, sizeof next, file), nullptr);
        fclose(file);
        EXPECT_STREQ(read.GetText(), text);
        EXPECT_STREQ(next, "next\n");
    }
}

TEST_F(SimSpecFileTest, DamagedNotesAreRefusedWithACode) {
    CNotesSpec notes("Notes");
    EXPECT_EQ(ReadLines({"1 50", "short"}, [&](FILE* f) { notes.ReadFromFile(f); }),
              kTestReadError);
    // A length from a damaged file reserves nothing before characters arrive.
    EXPECT_EQ(ReadLines({"1 2000000000", "short"}, [&](FILE* f) { notes.ReadFromFile(f); }),
              kTestReadError);
    EXPECT_EQ(ReadLines({"1 -4", "text"}, [&](FILE* f) { notes.ReadFromFile(f); }),
              kTestValueError);
    EXPECT_EQ(ReadLines({"1 2", "abc"}, [&](FILE* f) { notes.ReadFromFile(f); }),
              kTestReadError);  // no line end after the text
    EXPECT_FALSE(notes.IsSet());
}

TEST_F(SimSpecFileTest, UnsetNotesAreWrittenAsStarsAndReadBackUnset) {
    CNotesSpec notes("Notes");
    const auto lines = Written([&](FILE* f) { notes.WriteToFile(f); });
    EXPECT_EQ(lines, (std::vector<std::string>{"0 3", "***"}));
    CNotesSpec read("Notes");
    EXPECT_EQ(ReadLines(lines, [&](FILE* f) { read.ReadFromFile(f); }), 0);
    EXPECT_FALSE(read.IsSet());
}

TEST(SimSpecCopy, ACopyOfAFloatIsSetOnlyWhenTheSourceIsValid) {
    InstallTestProfile();
    CFloatPtSpec source("Length", kTestInch, 1.0f, 10.0f, kTestMm, 25.4f);
    source.SetValue(4.0f);
    CFloatPtSpec copy(source);
    EXPECT_TRUE(copy.IsValid());
    source.Clear();
    CFloatPtSpec unsetCopy(source);
    EXPECT_FALSE(unsetCopy.IsSet());
    EXPECT_FLOAT_EQ(unsetCopy.GetValue(), 4.0f);
}

}  // namespace

#include <windows.h>

#include <gtest/gtest.h>

#include "common/SafeFileSave.h"
#include "common/tests/ScratchFile.h"

namespace {

constexpr SafeWriteCodes kCodes = {11, 12, 13};

// Files in the working folder whose names the safe write would give its
// temporary files.
int TemporaryFilesLeft() {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("sav*.tmp", &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int count = 0;
    do ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

TEST(WriteFileSafely, ReplacesTheFileOnlyWhenTheWriteSucceeds) {
    ScratchFile target("safe_write_target.txt");
    target.WriteLines({"old"});

    EXPECT_EQ(WriteFileSafely(target.Path(), "wt", kCodes,
                              [](FILE* file) {
                                  fputs("half\n", file);
                                  throw ErrCodeException(47);
                              }),
              47);
    EXPECT_EQ(target.Lines(), std::vector<std::string>{"old"});
    EXPECT_EQ(TemporaryFilesLeft(), 0);

    EXPECT_EQ(WriteFileSafely(target.Path(), "wt", kCodes, [](FILE* file) { fputs("new\n", file); }),
              0);
    EXPECT_EQ(target.Lines(), std::vector<std::string>{"new"});
    EXPECT_EQ(TemporaryFilesLeft(), 0);
}

TEST(WriteFileSafely, AReadOnlyFileIsKeptAndTheWriteRefused) {
    ScratchFile target("safe_write_read_only.txt");
    target.WriteLines({"kept"});
    ASSERT_TRUE(SetFileAttributesA(target.Path(), FILE_ATTRIBUTE_READONLY));
    bool ran = false;
    EXPECT_EQ(WriteFileSafely(target.Path(), "wt", kCodes, [&ran](FILE*) { ran = true; }),
              kCodes.open);
    EXPECT_FALSE(ran);
    EXPECT_EQ(target.Lines(), std::vector<std::string>{"kept"});
    EXPECT_NE(GetFileAttributesA(target.Path()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(TemporaryFilesLeft(), 0);
    SetFileAttributesA(target.Path(), FILE_ATTRIBUTE_NORMAL);
}

// The runtime reports a refused write only through the stream's error flag:
// a stream left in error fails the save even when the body returns.
TEST(WriteFileSafely, AStreamLeftInErrorGivesTheWriteCodeAndKeepsTheFile) {
    ScratchFile target("safe_write_target.txt");
    target.WriteLines({"old"});
    EXPECT_EQ(WriteFileSafely(target.Path(), "wt", kCodes,
                              [](FILE* file) {
                                  fputs("new\n", file);
                                  RefuseFurtherWrites(file);
                              }),
              kCodes.write);
    EXPECT_EQ(target.Lines(), std::vector<std::string>{"old"});
    EXPECT_EQ(TemporaryFilesLeft(), 0);
}

TEST(WriteFileSafely, AFileThatCannotBeMadeGivesTheOpenCode) {
    bool ran = false;
    EXPECT_EQ(WriteFileSafely("no_such_folder\\file.txt", "wt", kCodes,
                              [&ran](FILE*) { ran = true; }),
              kCodes.open);
    EXPECT_FALSE(ran);
}

}  // namespace

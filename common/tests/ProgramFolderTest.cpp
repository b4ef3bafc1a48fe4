// The program folder taken from the current directory: a directory too long
// for the record is refused and nothing is recorded.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/ProgramFolder.h"

namespace {

std::string CurrentDirectory() {
    char folder[1024] = {};
    ::GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

TEST(ProgramFolderTest, AFolderTooLongIsRefusedAndAFittingOneRecorded) {
    const std::string start = CurrentDirectory();
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    // Nested folders to a path of 258 characters: more than the record
    // holds, within what the system takes as a current directory.
    std::string deep = std::string(temp) + "program-folder-test";
    std::vector<std::string> made;
    ::CreateDirectoryA(deep.c_str(), nullptr);
    made.push_back(deep);
    while (deep.size() < 258) {
        deep += "\\" + std::string(std::min<size_t>(40, 258 - deep.size() - 1), 'f');
        ASSERT_TRUE(::CreateDirectoryA(deep.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS) << deep;
        made.push_back(deep);
    }
    ASSERT_TRUE(::SetCurrentDirectoryA(deep.c_str())) << deep.size();

    EXPECT_FALSE(ProgramFolderRecord());

    ASSERT_TRUE(::SetCurrentDirectoryA(temp));
    EXPECT_TRUE(ProgramFolderRecord());
    CString recorded;
    ProgramFolderGet(recorded);
    EXPECT_EQ(CurrentDirectory(), std::string(recorded));

    ::SetCurrentDirectoryA(start.c_str());
    for (auto folder = made.rbegin(); folder != made.rend(); ++folder) ::RemoveDirectoryA(folder->c_str());
}

}  // namespace

#include "torvane/ui/tests/DialogTestSupport.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <cstdio>
#include <dlgs.h>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/ProgramFolder.h"
#include "common/SimSpec.h"

namespace torvane {

void PressOkRefusedThenConfirmed(HWND dialog) {
    using testing_harness::ModalDriver;
    ModalDriver::Instance().Answer("Important!", IDCANCEL);
    ModalDriver::PressButton(dialog, IDOK);
    testing_harness::PumpPending();
    EXPECT_TRUE(::IsWindow(dialog));
    ModalDriver::Instance().Answer("Important!", IDOK);
    ModalDriver::PressButton(dialog, IDOK);
}

std::string UseTestProgramFolder(const std::string& name, const std::string& componentFolder) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CreateDirectoryA((folder + "\\" + componentFolder).c_str(), nullptr);
    char current[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, current);
    ::SetCurrentDirectoryA(folder.c_str());
    ProgramFolderRecord();
    ::SetCurrentDirectoryA(current);
    return folder;
}

void WriteCutCopy(const std::string& from, const std::string& to) {
    std::string content;
    FILE* in = fopen(from.c_str(), "rb");
    ASSERT_NE(nullptr, in);
    char buffer[4096];
    content.assign(buffer, fread(buffer, 1, sizeof buffer, in));
    fclose(in);
    FILE* out = fopen(to.c_str(), "wb");
    ASSERT_NE(nullptr, out);
    fwrite(content.data(), 1, content.size() / 2, out);
    fclose(out);
}

void AnswerFileDialog(const char* caption, const std::string& path) {
    testing_harness::ModalDriver::Instance().Handle(caption, [path](HWND box) {
        ::SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(path.c_str()));
        testing_harness::ModalDriver::PressButton(box, IDOK);
    });
}

void SaveScreenshot(HWND window, const std::string& fileName) {
    // The harness drives a modal dialog before its loop has shown it.
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    testing_harness::PumpPending();
    ::CreateDirectoryA(TEST_ARTIFACT_DIR, nullptr);
    EXPECT_TRUE(testing_harness::Pixels::FromWindow(window).SavePng(std::string(TEST_ARTIFACT_DIR) + "\\" +
                                                                   fileName));
}

std::string FormattedWithUnits(const CSimSpec& field) {
    CString text;
    field.FormatWithUnits(text);
    return std::string(text.GetString());
}

}  // namespace torvane

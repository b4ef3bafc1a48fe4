// The file and colour dialogs, answered by the harness as a user would.
#include <gtest/gtest.h>

#include "FileDialog.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"

using testing_harness::ModalDriver;

namespace {

// The edit box a common file dialog takes the file name in.
HWND FileNameBox(HWND dialog) {
    const int kFileNameCombo = 0x047C;  // cmb13
    const int kFileNameEdit = 0x0480;   // edt1
    HWND box = ::GetDlgItem(dialog, kFileNameCombo);
    if (box) {
        HWND edit = ::FindWindowExA(box, nullptr, "Edit", nullptr);
        return edit ? edit : box;
    }
    return ::GetDlgItem(dialog, kFileNameEdit);
}

std::string TempFolder() {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = folder;
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

}  // namespace

TEST(FileDialogTest, TypedNameComesBackAsPathNameAndParts) {
    std::string folder = TempFolder();
    CFileDialog dialog(FALSE, "tvn", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Torvane Engine Files (*.tvn)|*.tvn|All Files (*.*)|*.*||");
    dialog.m_ofn.lpstrInitialDir = folder.c_str();
    dialog.m_ofn.lpstrTitle = "Export Engine";
    ModalDriver::Instance().Handle("Export Engine", [](HWND box) {
        HWND name = FileNameBox(box);
        ::SetWindowTextA(name, "dyno run");
        ModalDriver::PressButton(box, IDOK);
    });

    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_STREQ(dialog.GetPathName(), (folder + "\\dyno run.tvn").c_str());
    EXPECT_STREQ(dialog.GetFileName(), "dyno run.tvn");
    EXPECT_STREQ(dialog.GetFileExt(), "tvn");
    EXPECT_STREQ(dialog.GetFileTitle(), "dyno run");
}

TEST(FileDialogTest, CancelLeavesNoName) {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, "All Files (*.*)|*.*||");
    dialog.m_ofn.lpstrTitle = "Pick Nothing";
    ModalDriver::Instance().Answer("Pick Nothing", IDCANCEL);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_STREQ(dialog.GetPathName(), "");
}

TEST(ColorDialogTest, StartsFromTheGivenColourAndSharesCustomColours) {
    CColorDialog dialog(RGB(10, 20, 30));
    EXPECT_NE(dialog.m_cc.Flags & CC_RGBINIT, 0u);
    EXPECT_EQ(dialog.m_cc.lpCustColors, CColorDialog::GetSavedCustomColors());
    dialog.m_cc.Flags |= CC_FULLOPEN;
    ModalDriver::Instance().Answer("", IDOK);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetColor(), RGB(10, 20, 30));
}

// The cam and airflow file dialogs: the folder they start in, OK and Cancel.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "testing/ModalDriver.h"
#include "torvane/components/Cam.h"
#include "torvane/components/CylHeadFlow.h"
#include "common/ProgramFolder.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

namespace torvane {

using testing_harness::ModalDriver;

namespace {

// A program folder in the temporary folder, with the two component folders.
class FileBrowserTest : public WithTorvaneProfile, public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        programFolder_ = std::string(temp) + "TorvaneBrowseTest";
        camFolder_ = programFolder_ + "\\CamFiles (.CAM)";
        flowFolder_ = programFolder_ + "\\FlowFiles (.FLW)";
        for (const std::string* folder : {&programFolder_, &camFolder_, &flowFolder_}) {
            CreateDirectoryA(folder->c_str(), nullptr);
        }
        camFile_ = camFolder_ + "\\street.cam";
        FILE* file = fopen(camFile_.c_str(), "wt");
        fclose(file);

        char current[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, current);
        SetCurrentDirectoryA(programFolder_.c_str());
        ProgramFolderRecord();  // as the program does at start-up
        SetCurrentDirectoryA(current);
    }
    void TearDown() override {
        DeleteFileA(camFile_.c_str());
        for (const std::string* folder : {&camFolder_, &flowFolder_, &programFolder_}) {
            RemoveDirectoryA(folder->c_str());
        }
    }

    // Answers the next file dialog: notes the folder it shows, types `name`
    // and presses OK (or Cancel when `name` is null).
    void AnswerFileDialog(const char* caption, const char* name) {
        ModalDriver::Instance().Handle(caption, [this, name](HWND box) {
            char folder[MAX_PATH] = "";
            SendMessageA(box, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
            shownFolder_ = folder;
            char shownName[MAX_PATH] = "";
            SendMessageA(box, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(shownName));
            shownName_ = shownName;
            if (name == nullptr) {
                ModalDriver::PressButton(box, IDCANCEL);
                return;
            }
            SendMessageA(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name));
            ModalDriver::PressButton(box, IDOK);
        });
    }

    std::string programFolder_, camFolder_, flowFolder_, camFile_;
    std::string shownFolder_, shownName_;  // as the dialog showed them
};

TEST_F(FileBrowserTest, OpenStartsInTheCamFolderAndGivesTheChosenFile) {
    Cam cam;
    AnswerFileDialog("Open", "street.cam");
    CString name, path;
    ASSERT_TRUE(cam.BrowseOpen(name, path));
    EXPECT_STREQ(name, "street.cam");
    EXPECT_STRCASEEQ(path, camFile_.c_str());
    EXPECT_STRCASEEQ(shownFolder_.c_str(), camFolder_.c_str());
}

TEST_F(FileBrowserTest, SaveOffersTheDescriptionAndCancelGivesEmptyOutputs) {
    CylHeadFlow flow;
    flow.LoadPreset(3);
    AnswerFileDialog("Save", nullptr);
    CString name = "old", path = "old";
    EXPECT_FALSE(flow.BrowseSave(nullptr, name, path));
    EXPECT_TRUE(name.IsEmpty());
    EXPECT_TRUE(path.IsEmpty());
    EXPECT_STRCASEEQ(shownFolder_.c_str(), flowFolder_.c_str());
    // Without a current path the description is offered as the file name.
    EXPECT_EQ(shownName_, "Low Performance_Ported, Large Valves");
}

TEST_F(FileBrowserTest, SavingIncompleteDataShowsItsErrorInstead) {
    Cam cam;
    cam.Clear();
    ModalDriver::Instance().Answer("Incomplete Engine", IDOK);
    CString name, path;
    EXPECT_FALSE(cam.BrowseSave("", name, path));
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Camshaft Selection Required");
}

}  // namespace

}  // namespace torvane

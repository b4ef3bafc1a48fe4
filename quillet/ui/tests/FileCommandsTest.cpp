// The File menu of the drag-race program in the running program: Save As,
// Save, Close, Open and the recent files through the frames and the file
// dialogs, and what a user sees when a file cannot be saved or read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "WindowHelpers.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/ui/tests/RunningQuilletTest.h"

namespace quillet {

namespace {

using testing_harness::ModalDriver;

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class FileCommandsTest : public RunningQuilletTest {
protected:
    // A new vehicle window of its own, so that the program's first one stays.
    void NewVehicle() {
        FrameCommand(ID_FILE_NEW);
        TakeActiveDocument();
    }
    void TakeActiveDocument() {
        ASSERT_NE(nullptr, Child());
        CDocument* doc = Child()->GetActiveDocument();
        ASSERT_TRUE(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
        doc_ = static_cast<CQuilletDoc*>(doc);
    }
    // File, Open... with `path` typed into the dialog.
    void Open(const std::string& path) {
        ModalDriver::Instance().AnswerFileDialog("Open", path);
        FrameCommand(ID_FILE_OPEN);
        EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
        TakeActiveDocument();
    }
    // The text of the File menu's first recent file, after the menu opened.
    std::string FirstRecentFile() const {
        program_->MenuState(ID_FILE_MRU_FILE1);
        char text[MAX_PATH] = {};
        ::GetMenuStringA(::GetMenu(program_->FrameWnd()), ID_FILE_MRU_FILE1, text, MAX_PATH, MF_BYCOMMAND);
        return text;
    }
    static int OpenDocuments() {
        int count = 0;
        POSITION t = AfxGetApp()->GetFirstDocTemplatePosition();
        CDocTemplate* docTemplate = AfxGetApp()->GetNextDocTemplate(t);
        for (POSITION d = docTemplate->GetFirstDocPosition(); d != nullptr; docTemplate->GetNextDoc(d)) ++count;
        return count;
    }
};

TEST_F(FileCommandsTest, SaveAsCloseAndOpenAgainKeepTheVehicleAndItsRun) {
    const std::string path = testing_harness::TestOutputPath("round-trip.qlt");
    ::DeleteFileA(path.c_str());
    NewVehicle();
    RunStreetCar(660);
    doc_->m_weight.SetValue(3456.0f);  // as the form would take a typed weight
    doc_->SetModifiedFlag(TRUE);
    FrameCommand(kCmdRun);
    const float elapsed = doc_->GetResults().elapsedTime;
    const int before = OpenDocuments();

    ModalDriver::Instance().AnswerFileDialog("Save As", path);
    FrameCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
    ASSERT_TRUE(FileExists(path));
    EXPECT_FALSE(doc_->IsModified());
    EXPECT_EQ("round-trip.qlt", std::string(doc_->GetTitle()));
    EXPECT_NE(std::string::npos, FirstRecentFile().find("round-trip.qlt")) << FirstRecentFile();

    // Saved: Close asks nothing.
    ModalDriver::Instance().Reset();
    FrameCommand(ID_FILE_CLOSE);
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());
    EXPECT_EQ(before - 1, OpenDocuments());

    Open(path);
    EXPECT_EQ(before, OpenDocuments());
    EXPECT_EQ("round-trip.qlt", std::string(doc_->GetTitle()));
    EXPECT_FALSE(doc_->IsModified());
    EXPECT_FLOAT_EQ(3456.0f, doc_->m_weight.GetValue());
    EXPECT_EQ(660, doc_->GetRaceLength());
    CString engine;
    doc_->m_engineType.FormatValue(engine);
    EXPECT_FALSE(engine.IsEmpty());
    // The opened vehicle runs as the saved one did, from the Simulation menu.
    EXPECT_EQ(0u, program_->MenuState(kCmdRun) & MF_GRAYED);
    FrameCommand(kCmdRun);
    EXPECT_FLOAT_EQ(elapsed, doc_->GetResults().elapsedTime);
    ModalDriver::Instance().Reset();

    // Save writes the same file again without a dialog.
    doc_->m_weight.SetValue(3500.0f);
    doc_->SetModifiedFlag(TRUE);
    FrameCommand(ID_FILE_SAVE);
    EXPECT_TRUE(ModalDriver::Instance().Boxes().empty());
    EXPECT_FALSE(doc_->IsModified());
    FrameCommand(ID_FILE_CLOSE);

    // The recent file opens it once more.
    FrameCommand(ID_FILE_MRU_FILE1);
    TakeActiveDocument();
    EXPECT_EQ("round-trip.qlt", std::string(doc_->GetTitle()));
    EXPECT_FLOAT_EQ(3500.0f, doc_->m_weight.GetValue());
    FrameCommand(ID_FILE_CLOSE);
    EXPECT_EQ(before - 1, OpenDocuments());
    ::DeleteFileA(path.c_str());
}

TEST_F(FileCommandsTest, ClosingAModifiedVehicleAsksToSaveIt) {
    NewVehicle();
    HWND child = Child()->m_hWnd;
    doc_->m_weight.SetValue(3000.0f);
    doc_->SetModifiedFlag(TRUE);
    ModalDriver::Instance().Answer("", IDCANCEL);
    FrameCommand(ID_FILE_CLOSE);
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[0].text.find("Save changes to"));
    EXPECT_TRUE(::IsWindow(child));  // Cancel keeps it open
    ModalDriver::Instance().Answer("", IDNO);
    FrameCommand(ID_FILE_CLOSE);
    EXPECT_FALSE(::IsWindow(child));
}

TEST_F(FileCommandsTest, AVehicleThatFailsItsChecksIsNotSaved) {
    const std::string path = testing_harness::TestOutputPath("no-engine.qlt");
    ::DeleteFileA(path.c_str());
    NewVehicle();
    ChooseStreetCarWithoutEngine(*doc_);
    doc_->SetModifiedFlag(TRUE);
    ModalDriver::Instance().AnswerFileDialog("Save As", path);
    ModalDriver::Instance().Answer("", IDOK);
    FrameCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(testing_harness::BoxIcon::Error, ModalDriver::Instance().Boxes()[1].icon);
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(doc_->IsModified());
    doc_->SetModifiedFlag(FALSE);
    FrameCommand(ID_FILE_CLOSE);
}

TEST_F(FileCommandsTest, AFileThatIsNoVehicleShowsItsErrorAndOpensNoWindow) {
    const std::string path = testing_harness::TestOutputPath("not-a-vehicle.qlt");
    std::ofstream(path) << "This is a note, not a vehicle.\n";
    HWND active = Child()->m_hWnd;
    const int before = OpenDocuments();
    ModalDriver::Instance().AnswerFileDialog("Open", path);
    ModalDriver::Instance().Answer("", IDOK);
    FrameCommand(ID_FILE_OPEN);
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ(testing_harness::BoxIcon::Error, ModalDriver::Instance().Boxes()[1].icon);
    EXPECT_EQ(before, OpenDocuments());
    EXPECT_EQ(active, Child()->m_hWnd);
    ::DeleteFileA(path.c_str());
}

TEST_F(FileCommandsTest, PrintSetupOpensThePrintersSetUpDialog) {
    EXPECT_EQ(0u, program_->MenuState(ID_FILE_PRINT_SETUP) & MF_GRAYED);
    if (testing_harness::PrinterOutputDir().empty()) GTEST_SKIP() << "no printer in this set-up";
    ModalDriver::Instance().Answer("Print Setup", IDCANCEL);
    FrameCommand(ID_FILE_PRINT_SETUP);
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
}

}  // namespace

}  // namespace quillet

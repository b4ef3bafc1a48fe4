// The specification form of a running program, driven as a user drives it:
// the fields of a new document, the field editor opened on a label, typed
// values committed or refused, choices from the choice menus, the enabling
// rules and markers that follow, and the form in both colour schemes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <ios>
#include <string>

#include "AppTestSupport.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "common/ui/SimSpecEditCtrl.h"
#include "common/ui/SimSpecEditDlg.h"
#include "common/ui/tests/FieldEditing.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/ChildFrame.h"
#include "torvane/ui/ChoiceMenus.h"
#include "torvane/ui/EngineFormView.h"
#include "torvane/ui/MainFrame.h"

namespace torvane {

namespace {

using testing_harness::ControlText;
using testing_harness::ModalDriver;
using testing_harness::PumpPending;

// The program is started once for all the form's tests; each test works on
// a fresh blank document.
class FormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void StartProgram() {
        ForgetProgramSettings();
        program_ = new RunningApp;
    }
    static void TearDownTestSuite() {
        CloseDocumentsUnsaved();
        delete program_;
        program_ = nullptr;
        ForgetProgramSettings();
    }
    void SetUp() override {
        ASSERT_TRUE(program_->Started());
        AppColorsSetScheme(1);
        CloseDocumentsUnsaved();
        program_->Command(ID_FILE_NEW);
        HWND child = program_->ActiveChild();
        ASSERT_NE(nullptr, child);
        auto* frame = static_cast<CChildFrame*>(CWnd::FromHandlePermanent(child));
        form_ = static_cast<CEngineFormView*>(frame->GetLeftTabs()->GetActiveWnd());
        ASSERT_NE(nullptr, form_);
        doc_ = form_->GetDocument();
    }

    // The tests' documents go without saving (closing a modified document
    // is tested with the file commands).
    static void CloseDocumentsUnsaved() {
        while (HWND child = program_->ActiveChild()) {
            CFrameWnd* frame = static_cast<CFrameWnd*>(CWnd::FromHandlePermanent(child));
            if (CDocument* document = frame->GetActiveDocument()) document->SetModifiedFlag(FALSE);
            ::SendMessageA(child, WM_CLOSE, 0, 0);
            PumpPending();
        }
    }

    HWND Field(UINT id) const { return ::GetDlgItem(form_->m_hWnd, static_cast<int>(id)); }
    std::string Text(UINT id) const { return ControlText(Field(id)); }
    std::string Trimmed(UINT id) const {
        std::string text = Text(id);
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }
    bool Enabled(UINT id) const { return ::IsWindowEnabled(Field(id)) != FALSE; }
    std::string StatusText() const {
        char text[256] = {};
        ::SendMessageA(::GetDlgItem(program_->FrameWnd(), 0xE801), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }

    // The field's editor handed to `action`, which must close it.
    void Edit(UINT id, const std::function<void(HWND editor)>& action) {
        EXPECT_TRUE(testing_harness::EditField(Field(id), action)) << id;
    }
    // Types `text` into the editor and presses its OK button.
    void Type(UINT id, const char* text) {
        EXPECT_TRUE(testing_harness::TypeIntoField(Field(id), text, IDC_EDITOR_EDIT, IDC_EDITOR_OK)) << id;
    }
    // Picks a choice-menu command in the field's editor, as the menu does.
    void Choose(UINT id, UINT command) { EXPECT_TRUE(testing_harness::ChooseForField(Field(id), command)) << id; }

    static RunningApp* program_;
    CEngineFormView* form_ = nullptr;
    CTorvaneDoc* doc_ = nullptr;
};
RunningApp* FormTest::program_ = nullptr;

const std::string& EngineDataFile();

void FormTest::SetUpTestSuite() {
    EngineDataFile();  // found before a file dialog changes the current folder
    StartProgram();
}

TEST_F(FormTest, ANewDocumentShowsItsDefaultsAndUnsetFields) {
    for (UINT id : {1014u, 1022u, 1026u, 1017u, 1036u, 1042u, 1046u, 1048u, 1060u, 1071u, 1077u, 1073u})
        EXPECT_EQ("***", Trimmed(id)) << id;
    EXPECT_EQ("Gasoline", Text(1050));
    EXPECT_EQ("0.0 lbs/min", Text(1052));
    EXPECT_FALSE(Enabled(1052));
    EXPECT_EQ("None", Text(1091));
    for (UINT id : {1091u, 1095u, 1097u, 1099u, 1101u, 1103u, 1107u, 1109u, 1105u, 1093u})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ("0.0", Trimmed(1202));
    EXPECT_EQ("3.00", Trimmed(1110));
    EXPECT_EQ("(Not Defined):", Text(1134));
    EXPECT_EQ("(Not Defined):", Text(1136));
    for (UINT id : {1062u, 1063u, 1064u, 1065u, 1112u}) EXPECT_EQ(" ", Text(id)) << id;
    // Every panel is incomplete: all status icons show the same picture.
    const LRESULT first = ::SendMessageA(Field(1004), STM_GETIMAGE, IMAGE_BITMAP, 0);
    EXPECT_NE(0, first);
    for (UINT id : {1005u, 1007u, 1009u, 1055u, 1067u})
        EXPECT_EQ(first, ::SendMessageA(Field(id), STM_GETIMAGE, IMAGE_BITMAP, 0)) << id;
}

TEST_F(FormTest, TypingABoreChangesTheDocumentAndTheDisplacement) {
    Choose(1014, 33135);  // a short block: the block's volumes can be worked out
    EXPECT_EQ("349.8 ci", Text(1034));
    std::string prompt, shown;
    Edit(1022, [&](HWND editor) {
        prompt = StatusText();
        shown = ControlText(::GetDlgItem(editor, IDC_EDITOR_EDIT));
        ::SetDlgItemTextA(editor, IDC_EDITOR_EDIT, "4.125");
        ModalDriver::PressButton(editor, IDC_EDITOR_OK);
    });
    EXPECT_EQ("Enter Bore Value Within Range: 2.000 to 7.000 in", prompt);
    EXPECT_EQ("4.000", shown);
    EXPECT_EQ("4.125 in", Text(1022));
    EXPECT_FLOAT_EQ(4.125f, doc_->bore.GetValue());
    EXPECT_TRUE(doc_->IsModified());
    EXPECT_EQ(Field(1026), ::GetFocus());  // on to the next field
    EXPECT_EQ("762.11 cc", Text(1030));
    EXPECT_EQ("762.11 cc", Text(1031));
    EXPECT_EQ("372.1 ci", Text(1034));
    Type(1026, " 3.5 ");
    EXPECT_EQ("3.500 in", Text(1026));
}

TEST_F(FormTest, ATextThatDoesNotParseIsRefusedAndTheFieldKeepsItsValue) {
    Type(1022, "4");
    for (const char* typed : {"abc", "9", ""}) {
        bool stayed = false;
        Edit(1022, [&](HWND editor) {
            ::SetDlgItemTextA(editor, IDC_EDITOR_EDIT, typed);
            ModalDriver::PressButton(editor, IDC_EDITOR_OK);
            stayed = ::IsWindow(editor) && ::GetFocus() == ::GetDlgItem(editor, IDC_EDITOR_EDIT);
            ModalDriver::PressButton(editor, IDCANCEL);
        });
        EXPECT_TRUE(stayed) << typed;
        EXPECT_EQ("4.000 in", Text(1022)) << typed;
        EXPECT_FLOAT_EQ(4.0f, doc_->bore.GetValue()) << typed;
    }
    Type(1022, "5x");  // the number's leading digits count
    EXPECT_EQ("5.000 in", Text(1022));
}

TEST_F(FormTest, AChangeTheDocumentQuestionsIsRefusedWhenTheUserCancels) {
    Choose(1014, 33135);
    doc_->SetCompressionCalculatorUsed(true);  // the calculator's ratio depends on the bore
    ModalDriver::Instance().Handle("", [](HWND editor) {
        ::SetDlgItemTextA(editor, IDC_EDITOR_EDIT, "4.5");
        ModalDriver::PressButton(editor, IDC_EDITOR_OK);
    });
    ModalDriver::Instance().Answer("", IDCANCEL);  // the document's question
    EXPECT_TRUE(testing_harness::OpenFieldEditorScripted(Field(1022)));
    // The editor, then the document's numbered question.
    ASSERT_LE(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_FALSE(ModalDriver::Instance().Boxes().back().text.empty());
    EXPECT_EQ("4.000 in", Text(1022));
    EXPECT_FLOAT_EQ(4.0f, doc_->bore.GetValue());
}

TEST_F(FormTest, ChoicesFromTheMenusFillTheFieldsAndSwitchTheirNeighbours) {
    Choose(1014, 33135);
    EXPECT_EQ("Chevy 350", Text(1014));
    EXPECT_EQ("4.000 in", Text(1022));
    EXPECT_EQ("3.480 in", Text(1026));
    EXPECT_EQ("8", Trimmed(1017));
    EXPECT_EQ("716.62 cc", Text(1030));
    EXPECT_EQ("349.8 ci", Text(1034));
    EXPECT_NE(::SendMessageA(Field(1004), STM_GETIMAGE, IMAGE_BITMAP, 0),
              ::SendMessageA(Field(1005), STM_GETIMAGE, IMAGE_BITMAP, 0));

    program_->Command(ID_UNITS_METRIC);
    EXPECT_EQ("101.60 mm", Text(1022));
    EXPECT_EQ("88.39 mm", Text(1026));
    program_->Command(ID_UNITS_ENGLISH);

    Choose(1048, 33516);  // the forced-induction manifold
    EXPECT_FALSE(Enabled(1060));
    EXPECT_EQ("Forced Induction Exhaust", Text(1060));
    struct Case {
        UINT blower;
        std::vector<UINT> enabled;
    };
    const std::vector<UINT> blowerFields = {1095, 1097, 1099, 1101, 1103, 1107, 1109, 1105};
    for (const Case& c : {Case{0, {}}, Case{32965, {1095, 1097, 1099, 1103, 1105}},
                          Case{32999, {1095, 1097, 1099, 1101, 1107, 1109, 1105}},
                          Case{33010, {1095, 1099, 1109, 1105}}}) {
        if (c.blower != 0) Choose(1091, c.blower);
        EXPECT_TRUE(Enabled(1091));
        EXPECT_TRUE(Enabled(1093));
        for (UINT id : blowerFields) {
            const bool expected = std::find(c.enabled.begin(), c.enabled.end(), id) != c.enabled.end();
            EXPECT_EQ(expected, Enabled(id)) << c.blower << " " << id;
        }
    }

    Choose(1050, 32827);  // gasoline with nitrous
    EXPECT_TRUE(Enabled(1052));
    Choose(1050, 32833);
    EXPECT_FALSE(Enabled(1052));

    Choose(1038, ID_AUTO_VALVE_SIZES);
    EXPECT_EQ("(Auto)", Text(1062));
    EXPECT_EQ("(Auto)", Text(1063));
    EXPECT_EQ(kFieldChosen, form_->GetField(1038).GetEditKind());

    Choose(1073, 32900);
    EXPECT_EQ("(Seat-to-Seat):", Text(1134));
    EXPECT_EQ("(0.050-inch):", Text(1136));
}

// The state of a command in a choice menu as the form prepares it when the
// menu opens.
UINT ChoiceMenuState(CEngineFormView* form, UINT menuId, UINT command) {
    CMenu menu;
    menu.Attach(MakeChoiceMenu(menuId));
    form->PrepareChoiceMenu(&menu);
    const UINT state = ::GetMenuState(menu.m_hMenu, command, MF_BYCOMMAND);
    menu.DestroyMenu();
    return state;
}

bool SwitchChecked(CEngineFormView* form, UINT menuId, UINT command) {
    return (ChoiceMenuState(form, menuId, command) & MF_CHECKED) != 0;
}

TEST_F(FormTest, TheAutomaticCalculationSwitchesFromTheChoiceMenus) {
    // Valve lift: switching on clears both lifts (nothing to compute them
    // from yet); switching off leaves them.
    Type(1196, "0.5");
    Type(1200, "0.45");
    EXPECT_FALSE(SwitchChecked(form_, kMenuIntakeValveLift, ID_AUTO_VALVE_LIFT));
    Choose(1196, ID_AUTO_VALVE_LIFT);
    EXPECT_TRUE(doc_->IsAutoValveLift());
    EXPECT_TRUE(SwitchChecked(form_, kMenuExhaustValveLift, ID_AUTO_VALVE_LIFT));
    EXPECT_EQ("***", Trimmed(1196));
    EXPECT_EQ("***", Trimmed(1200));
    Choose(1196, ID_AUTO_VALVE_LIFT);
    EXPECT_FALSE(doc_->IsAutoValveLift());

    // The more accurate ramp rate on a cam without its events: warning 107,
    // then the cam manager is asked for (answered when it opens).
    ModalDriver::Instance().Reset();
    Edit(1110, [](HWND editor) {
        ModalDriver::Instance().Answer("Important!", IDOK);
        ModalDriver::Instance().Answer("", IDCANCEL);
        ::SendMessageA(editor, WM_COMMAND, ID_AUTO_CAM_ACCURATE, 0);
    });
    EXPECT_TRUE(doc_->IsAutoCamAccurate());
    EXPECT_TRUE(SwitchChecked(form_, kMenuLifterRampRate, ID_AUTO_CAM_ACCURATE));
    bool warned = false;
    for (const testing_harness::BoxRecord& box : ModalDriver::Instance().Boxes())
        warned = warned || box.text.find("Lifter Acceleration Ramp Rate") != std::string::npos;
    EXPECT_TRUE(warned);
}

TEST_F(FormTest, AChosenFieldsEditorIsReadOnlyAndTheNotesEditorTakesLines) {
    bool readOnly = false;
    Edit(1048, [&](HWND editor) {
        readOnly = (::GetWindowLongA(::GetDlgItem(editor, IDC_EDITOR_EDIT), GWL_STYLE) & ES_READONLY) != 0;
        ModalDriver::PressButton(editor, IDCANCEL);
    });
    EXPECT_TRUE(readOnly);
    bool multiLine = false;
    Edit(1664, [&](HWND editor) {
        HWND edit = ::GetDlgItem(editor, IDC_NOTES_EDIT);
        multiLine = edit != nullptr && (::GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE) != 0;
        ::SetWindowTextA(edit, "First line\r\nSecond line");
        ModalDriver::PressButton(editor, IDC_EDITOR_OK);
    });
    EXPECT_TRUE(multiLine);
    CString notes;
    doc_->notes.FormatValue(notes);
    EXPECT_NE(-1, notes.Find("Second line"));
}

TEST_F(FormTest, FocusShowsTheEditPromptAndLeavingShowsReady) {
    ::SetFocus(Field(1022));
    PumpPending();
    EXPECT_EQ("Press Enter or Left Click to edit this parameter", StatusText());
    auto* frame = static_cast<CChildFrame*>(CWnd::FromHandlePermanent(program_->ActiveChild()));
    ::SetFocus(frame->GetRightTabs()->GetActiveWnd()->m_hWnd);  // the graph beside the form
    PumpPending();
    EXPECT_EQ("Ready", StatusText());
}

TEST_F(FormTest, TheCamDialogsChangeTheFormOnOkAndNothingOnCancel) {
    // The custom camshaft's description, from the cam field's choice menu.
    ModalDriver::Instance().Handle("Enter a Custom Cam Description", [](HWND dialog) {
        ::SetDlgItemTextA(dialog, 1326, "  My Cam  ");
        ModalDriver::PressButton(dialog, IDOK);
    });
    Choose(1071, 32897);
    EXPECT_EQ("My Cam", Text(1071));

    // A stock cam, then the cam manager from the form's cam button: one
    // step down the ramp-rate bar is 0.1 less, and OK shows it in the form.
    Choose(1071, 32891);
    const std::string rateBefore = Trimmed(1110);
    std::string rateChosen;
    ModalDriver::Instance().Handle("Torvane Cam Manager", [&](HWND dialog) {
        EXPECT_EQ(rateBefore, ControlText(::GetDlgItem(dialog, 2115)));
        HWND bar = ::GetDlgItem(dialog, 1740);
        ::SetFocus(bar);
        ::SendMessageA(bar, WM_KEYDOWN, VK_DOWN, 0);
        PumpPending();
        rateChosen = ControlText(::GetDlgItem(dialog, 2115));
        ModalDriver::PressButton(dialog, IDOK);
    });
    ASSERT_TRUE(Enabled(2127));
    testing_harness::Click(Field(2127));
    PumpPending();
    EXPECT_NE(rateBefore, rateChosen);
    EXPECT_EQ(rateChosen, Trimmed(1110));

    // Cancel in the cam event calculator leaves the form as it was.
    const std::string ivo = Trimmed(1084);
    ModalDriver::Instance().Handle("Cam Math Calculator", [](HWND dialog) {
        ::SetDlgItemTextA(dialog, 1523, "60");
        ModalDriver::PressButton(dialog, IDCANCEL);
    });
    program_->Command(32869);
    EXPECT_EQ(ivo, Trimmed(1084));
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
}

TEST_F(FormTest, TheFormIsPaintedInBothColourSchemes) {
    Choose(1014, 33135);
    const CRect panel = form_->GetPanelRect(0);
    struct Case {
        int scheme;
        COLORREF erase, panelFill;
        const char* file;
    };
    for (const Case& c : {Case{1, 0xE6A17A, 0xD67563, "torvane-form-torvane-colours.png"},
                          Case{0, 0xC0C0C0, 0xC0C0C0, "torvane-form-windows-colours.png"}}) {
        AppColorsSetScheme(c.scheme);
        ::RedrawWindow(form_->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpPending();
        const testing_harness::Pixels pixels = testing_harness::Pixels::FromWindow(form_->m_hWnd);
        // Outside every panel: the erase colour; inside a panel, left of its
        // labels: the panel colour.
        EXPECT_EQ(testing_harness::Rgb(c.erase), pixels.At(panel.left + 20, panel.bottom + 5)) << c.scheme;
        EXPECT_EQ(testing_harness::Rgb(c.panelFill), pixels.At(panel.left + 4, panel.top + 40)) << c.scheme;
        program_->SaveScreenshot(c.file);
    }
    AppColorsSetScheme(1);
}

TEST_F(FormTest, PanelsHaveGradientEdgesAndCaptionPicturesOrFramedLines) {
    const CRect panel = form_->GetPanelRect(0);
    ASSERT_GE(panel.left, 3);
    const int y = panel.top + 40;
    auto paint = [&] {
        ::RedrawWindow(form_->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpPending();
        return testing_harness::Pixels::FromWindow(form_->m_hWnd);
    };
    const unsigned erase = testing_harness::Rgb(0xE6A17A), fill = testing_harness::Rgb(0xD67563);
    auto green = [](unsigned rgb) { return int((rgb >> 8) & 0xFF); };

    // Program colours: the band left of a panel blends from the erase colour
    // into the panel's; the caption picture sits over the panel's top edge.
    AppColorsSetScheme(1);
    testing_harness::Pixels pixels = paint();
    const unsigned band = pixels.At(panel.left - 3, y);
    EXPECT_GT(green(band), green(fill)) << std::hex << band;
    EXPECT_LT(green(band), green(erase)) << std::hex << band;
    int picture = 0;
    for (int x = panel.left + 15; x < panel.left + 45; ++x)
        for (int row = panel.top - 2; row < panel.top + 6; ++row)
            if (pixels.At(x, row) != erase && pixels.At(x, row) != fill) ++picture;
    EXPECT_GT(picture, 20);

    // Without the system's gradient fill the band keeps the erase colour.
    const GradientFillProc gradient = AppColorsGetGradientFillProc();
    AppColorsSetGradientFillProc(nullptr);
    pixels = paint();
    AppColorsSetGradientFillProc(gradient);
    EXPECT_EQ(erase, pixels.At(panel.left - 3, y));

    // Windows colours: a grey left edge with a white line inside it, a black
    // right edge and a grey shadow beyond it.
    AppColorsSetScheme(0);
    pixels = paint();
    EXPECT_EQ(0x808080u, pixels.At(panel.left, y));
    EXPECT_EQ(0xFFFFFFu, pixels.At(panel.left + 1, y));
    if (panel.right + 2 < pixels.width()) {
        EXPECT_EQ(0u, pixels.At(panel.right, y));
        EXPECT_EQ(0x808080u, pixels.At(panel.right + 2, y));
    }
    AppColorsSetScheme(1);
}


// ---- The document's file commands and the application's commands ----

// The edit box a common file dialog takes the file name in.
HWND FileNameBox(HWND dialog) {
    HWND box = ::GetDlgItem(dialog, 0x047C);  // the name combo box
    if (box != nullptr) {
        HWND edit = ::FindWindowExA(box, nullptr, "Edit", nullptr);
        return edit != nullptr ? edit : box;
    }
    return ::GetDlgItem(dialog, 0x0480);  // the plain name box
}

// Answers the next file dialog with `path`.
void AnswerFileDialog(const std::string& path) {
    ModalDriver::Instance().Handle("", [path](HWND dialog) {
        ::SetWindowTextA(FileNameBox(dialog), path.c_str());
        ModalDriver::PressButton(dialog, IDOK);
    });
}

// The engine file of the tests' data, found from the folder the tests start
// in (the file dialogs change the current folder afterwards).
const std::string& EngineDataFile() {
    static const std::string path = [] {
        char full[MAX_PATH] = {};
        ::GetFullPathNameA("data\\chevy350.tvn", MAX_PATH, full, nullptr);
        return std::string(full);
    }();
    return path;
}

std::string TempPath(const char* name) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class FileCommandTest : public FormTest {
protected:
    // The document of the active window and its form.
    void TakeActiveDocument() {
        auto* frame = static_cast<CChildFrame*>(CWnd::FromHandlePermanent(program_->ActiveChild()));
        ASSERT_NE(nullptr, frame);
        form_ = static_cast<CEngineFormView*>(frame->GetLeftTabs()->GetActiveWnd());
        doc_ = form_->GetDocument();
    }
    void Open(const std::string& path) {
        AnswerFileDialog(path);
        program_->Command(ID_FILE_OPEN);
        TakeActiveDocument();
    }
    // The valve-diameter choice menu as the form prepares it when it opens:
    // whether "Auto Calculate Valve Sizes" is greyed.
    bool AutoValveSizesGreyed() const {
        return (ChoiceMenuState(form_, kMenuIntakeValveDiameters, ID_AUTO_VALVE_SIZES) & MF_GRAYED) != 0;
    }
    // Picks a file command in the field's choice menu and answers its file
    // dialog with `path` (and a box after it with OK, when `boxFollows`).
    // An editor the command left open is cancelled.
    void ChooseFile(UINT id, UINT command, const std::string& path, bool boxFollows = false) {
        Edit(id, [&](HWND editor) {
            AnswerFileDialog(path);
            if (boxFollows) ModalDriver::Instance().Answer("", IDOK);
            ::SendMessageA(editor, WM_COMMAND, command, 0);
            if (::IsWindow(editor)) ModalDriver::PressButton(editor, IDCANCEL);
        });
    }
};

TEST_F(FileCommandTest, OpenRunSaveAsAndOpenAgainThroughTheFileDialogs) {
    const std::string saved = TempPath("engine-round-trip.tvn");
    ::DeleteFileA(saved.c_str());
    Open(EngineDataFile());
    EXPECT_EQ("chevy350.tvn", ControlText(program_->ActiveChild()));
    EXPECT_EQ("Chevy 350", Text(1014));
    // The engine is complete: every panel shows the valid picture.
    const LRESULT valid = ::SendMessageA(Field(1004), STM_GETIMAGE, IMAGE_BITMAP, 0);
    for (UINT id : {1005u, 1007u, 1009u, 1055u, 1067u})
        EXPECT_EQ(valid, ::SendMessageA(Field(id), STM_GETIMAGE, IMAGE_BITMAP, 0)) << id;
    program_->MenuState(ID_FILE_MRU_FILE1);  // the File menu opened: its recent files updated
    char recent[MAX_PATH] = {};
    ::GetMenuStringA(::GetMenu(program_->FrameWnd()), ID_FILE_MRU_FILE1, recent, MAX_PATH, MF_BYCOMMAND);
    EXPECT_NE(nullptr, std::strstr(recent, "chevy350.tvn")) << recent;

    doc_->ClearResults();
    program_->Command(ID_RUN);  // Simulation, Run!
    EXPECT_TRUE(doc_->HasResults());
    EXPECT_GT(doc_->GetPeakValue(kCurvePower, 2000.0f, 11000.0f), 200.0f);

    Type(1022, "4.03");
    EXPECT_TRUE(doc_->IsModified());
    AnswerFileDialog(saved);
    program_->Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(FileExists(saved));
    EXPECT_FALSE(doc_->IsModified());
    EXPECT_EQ("engine-round-trip.tvn", ControlText(program_->ActiveChild()));

    program_->Command(ID_FILE_CLOSE);  // saved: closes without a question
    Open(saved);
    EXPECT_EQ("4.030 in", Text(1022));
    EXPECT_EQ("Chevy 350", Text(1014));
    ::DeleteFileA(saved.c_str());
}

TEST_F(FileCommandTest, ClosingAModifiedDocumentAsksToSave) {
    Type(1022, "4");
    ModalDriver::Instance().Reset();
    ModalDriver::Instance().Answer("", IDCANCEL);
    program_->Command(ID_FILE_CLOSE);
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[0].text.find("Save changes to"));
    EXPECT_NE(nullptr, program_->ActiveChild());  // Cancel keeps it open
    ModalDriver::Instance().Answer("", IDNO);
    program_->Command(ID_FILE_CLOSE);
    EXPECT_EQ(nullptr, program_->ActiveChild());
}

TEST_F(FileCommandTest, TheGameExportGoesThroughItsSaveDialog) {
    const std::string exported = TempPath("ENGEXP.GME");  // the export takes an 8.3 name
    ::DeleteFileA(exported.c_str());
    Open(EngineDataFile());
    program_->Command(ID_RUN);
    AnswerFileDialog(exported);
    program_->Command(ID_EXPORT_GAME);
    EXPECT_TRUE(FileExists(exported));
    ::DeleteFileA(exported.c_str());
}

TEST_F(FileCommandTest, AutoRunIsCheckedWhileOnAndSwitchesOff) {
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), program_->MenuState(ID_AUTO_RUN) & MF_CHECKED);
    program_->Command(ID_AUTO_RUN);
    EXPECT_FALSE(doc_->IsAutoRun());
    EXPECT_EQ(0u, program_->MenuState(ID_AUTO_RUN) & MF_CHECKED);
}

TEST_F(FileCommandTest, TheCalculatorsOpenFromEveryTabOfTheDocument) {
    Open(EngineDataFile());  // an engine with a bore, which the compression calculator needs
    auto* frame = static_cast<CChildFrame*>(CWnd::FromHandlePermanent(program_->ActiveChild()));
    ASSERT_NE(nullptr, frame);
    // The graph tab is active: the commands still reach the document.
    frame->GetLeftTabs()->ActivateTabAt(1);
    PumpPending();
    const struct {
        UINT command;
        const char* caption;
    } cases[] = {{ID_AIRFLOW_MATH, "Airflow Math Calculator"}, {ID_COMPRESSION_MATH, "Compression Ratio Calculator"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(0u, program_->MenuState(c.command) & (MF_GRAYED | MF_DISABLED));
        bool opened = false;
        ModalDriver::Instance().Handle(c.caption, [&](HWND dialog) {
            opened = true;
            ModalDriver::PressButton(dialog, IDCANCEL);
        });
        program_->Command(c.command);
        EXPECT_TRUE(opened);
    }
    frame->GetLeftTabs()->ActivateTabAt(0);
}

TEST_F(FileCommandTest, TheAboutBoxShowsTheVersionAndReleaseDate) {
    std::string version, date;
    ModalDriver::Instance().Handle("About Torvane", [&](HWND box) {
        version = ControlText(::GetDlgItem(box, IDC_ABOUT_VERSION));
        date = ControlText(::GetDlgItem(box, IDC_ABOUT_DATE));
        ModalDriver::PressButton(box, IDOK);
    });
    program_->Command(ID_APP_ABOUT);
    EXPECT_EQ("4.05", version);
    EXPECT_EQ("February 24, 2003", date);
}

TEST_F(FileCommandTest, AMissingManualOrProductProgramShowsItsError) {
    struct Case {
        UINT command;
        const char* caption;
    };
    for (const Case& c : {Case{ID_HELP_USER_MANUAL, "User Manual Error"}, Case{ID_PRODUCT_INFO, "Halvern Software Error"}}) {
        ModalDriver::Instance().Reset();
        ModalDriver::Instance().Answer(c.caption, IDOK);
        program_->Command(c.command);
        ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size()) << c.caption;
        EXPECT_EQ(c.caption, ModalDriver::Instance().Boxes()[0].caption);
    }
}

TEST_F(FileCommandTest, TheToolbarsNewButtonOpensAnotherMaximisedDocument) {
    const std::string first = ControlText(program_->ActiveChild());
    HWND toolbar = program_->Frame()->GetDescendantWindow(0xE800, TRUE)->GetSafeHwnd();
    ::SendMessageA(program_->FrameWnd(), WM_COMMAND, MAKEWPARAM(ID_FILE_NEW, BN_CLICKED),
                   reinterpret_cast<LPARAM>(toolbar));
    PumpPending();
    BOOL maximized = FALSE;
    HWND second = program_->ActiveChild(&maximized);
    EXPECT_NE(first, ControlText(second));
    EXPECT_TRUE(maximized);
}

TEST_F(FileCommandTest, CamAndAirflowFilesGoThroughTheirDialogsFromTheChoiceMenus) {
    // The head and cam of the test engine saved from its choice menus.
    const std::string camPath = TempPath("menu-cam.cam"), flowPath = TempPath("menu-head.flw");
    ::DeleteFileA(camPath.c_str());
    ::DeleteFileA(flowPath.c_str());
    Open(EngineDataFile());
    EXPECT_FALSE(AutoValveSizesGreyed());  // a stock head
    const std::string camType = Text(1071), lifter = Text(1077);
    ChooseFile(1071, ID_CAM_FILE_SAVE, camPath);
    EXPECT_TRUE(FileExists(camPath));
    EXPECT_EQ(camPath, std::string(doc_->camDataFile.GetText()));

    // A flow file of our own description, written by the model.
    CylHeadFlow flow;
    flow.LoadPreset(14);
    flow.SetDescription("Test Bench Head");
    ASSERT_TRUE(flow.SaveToFile(flowPath.c_str()));

    // In a blank engine: the cam comes back whole, the head becomes the custom
    // head named after the flow data, with its valve counts.
    program_->Command(ID_FILE_NEW);
    TakeActiveDocument();
    ChooseFile(1071, ID_CAM_FILE_OPEN, camPath);
    EXPECT_EQ(camType, Text(1071));
    EXPECT_EQ(lifter, Text(1077));
    EXPECT_EQ(camPath, std::string(doc_->camDataFile.GetText()));
    EXPECT_TRUE(doc_->IsModified());
    ChooseFile(1036, ID_AIRFLOW_FILE_OPEN, flowPath);
    EXPECT_EQ("Test Bench Head", Text(1036));
    EXPECT_EQ(kHeadTypeCustom, doc_->cylinderHeadType.GetValue());
    EXPECT_EQ(flowPath, std::string(doc_->airflowFile.GetText()));
    EXPECT_EQ(2, doc_->intakeValvesPerCylinder.GetValue());
    EXPECT_EQ(2, doc_->exhaustValvesPerCylinder.GetValue());
    EXPECT_TRUE(AutoValveSizesGreyed());  // no automatic sizes for custom flow data

    // A damaged flow file is refused with its error; the head stays as it was.
    {
        FILE* file = std::fopen(flowPath.c_str(), "wt");
        ASSERT_NE(nullptr, file);
        std::fputs("4.05\nnot a flow block\n", file);
        std::fclose(file);
    }
    ChooseFile(1036, ID_AIRFLOW_FILE_OPEN, flowPath, true);
    EXPECT_EQ("Test Bench Head", Text(1036));
    EXPECT_EQ(std::string("Test Bench Head"), std::string(doc_->headFlow.GetDescription()));
    EXPECT_EQ(0u, ModalDriver::Instance().PendingScripts());
    ::DeleteFileA(camPath.c_str());
    ::DeleteFileA(flowPath.c_str());
}

TEST_F(FileCommandTest, TheDocumentForgetsTheViewsOfAClosedWindow) {
    HWND first = program_->ActiveChild();
    CEngineFormView* firstForm = form_;
    program_->Command(ID_WINDOW_NEW);
    HWND second = program_->ActiveChild();
    ASSERT_NE(first, second);
    EXPECT_EQ(firstForm, doc_->GetViewPointer(kFormViewSlot));

    ::SendMessageA(first, WM_CLOSE, 0, 0);
    PumpPending();
    ASSERT_EQ(second, program_->ActiveChild());
    TakeActiveDocument();
    // The second window's form holds the slot now, and every other slot is
    // empty or a live view of the document.
    EXPECT_EQ(form_, doc_->GetViewPointer(kFormViewSlot));
    for (DocViewSlot slot : {kResultsTableSlot1, kResultsTableSlot2, kChartViewSlot1, kChartViewSlot2}) {
        CView* view = doc_->GetViewPointer(slot);
        if (view != nullptr) {
            EXPECT_TRUE(::IsWindow(view->m_hWnd)) << slot;
            EXPECT_EQ(doc_, view->GetDocument()) << slot;
        }
    }
    // Commands that go through the slots work on the live views.
    Type(1022, "4");
    EXPECT_EQ("4.000 in", Text(1022));
}

}  // namespace

}  // namespace torvane

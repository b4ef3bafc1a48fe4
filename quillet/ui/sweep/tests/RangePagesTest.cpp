// The sweep dialog's range pages (launch/shift rpms, gear ratios, converter
// stall) in a real property sheet: the phase radio buttons, the tolerance and
// step lists written into the two sweeps, the rows and groups enabled by the
// vehicle's gears and converter, and the test counts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quillet/document/Iterator.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/SweepRangeResources.h"
#include "quillet/ui/sweep/ItrProConvStallPropPage.h"
#include "quillet/ui/sweep/ItrProGearsPropPage.h"
#include "quillet/ui/sweep/ItrProShiftPtsPropPage.h"
#include "testing/ModalDriver.h"
#include "testing/WindowHelpers.h"

namespace quillet {
namespace {

using testing_harness::ChooseComboText;
using testing_harness::ControlText;
using testing_harness::Pixels;
using testing_harness::PumpPending;
using testing_harness::TestOutputPath;

const UINT kSaginawThreeSpeed = 33617;
const UINT kTremecSixSpeed = 33612;

void ChooseThreeSpeedCar(CQuilletDoc& doc) {
    ChooseStreetCar(doc);
    Command(doc, kSaginawThreeSpeed);
}

void ChooseSixSpeedCar(CQuilletDoc& doc) {
    ChooseStreetCar(doc);
    Command(doc, kTremecSixSpeed);
}

// What a page needs of the sweep dialog: the vehicle's two sweeps, set up
// as the dialog sets them up when it opens (every range the vehicle has
// preset around its values, every page excluded), and counts of what the
// pages asked for.
class TestPageOwner : public CItrProPageOwner {
public:
    explicit TestPageOwner(CQuilletDoc& doc) : doc_(doc) {
        Preset(*coarse, 2000.0f, 1000.0f, 1.5f, 0.75f, 2000.0f, 1000.0f);
        Preset(*fine, 500.0f, 250.0f, 0.375f, 0.125f, 1000.0f, 250.0f);
    }

    CIterator* GetCoarseIterator() override { return coarse.get(); }
    CIterator* GetFineIterator() override { return fine.get(); }
    CQuilletDoc* GetDocument() override { return &doc_; }
    void ResetRunResults() override { ++resets; }
    void UpdateAllPages(CPropertyPage* asker) override {
        ++updates;
        lastAsker = asker;
        for (CItrProPage* page : pages)
            if (page != asker) page->UpdatePage();
    }
    bool IsFinePhaseEnabled() override { return false; }
    void EnableControls(bool enable) override {
        for (CItrProPage* page : pages) page->EnableControls(enable);
    }
    void UpdateStatus(bool) override {}
    void UpdateValues(bool) override {}
    void UpdateOkButtonText() override {}

    std::unique_ptr<CIterator> coarse = std::make_unique<CIterator>();
    std::unique_ptr<CIterator> fine = std::make_unique<CIterator>();
    std::vector<CItrProPage*> pages;
    int resets = 0;
    int updates = 0;
    CPropertyPage* lastAsker = nullptr;

private:
    void Preset(CIterator& iterator, float shiftTolerance, float shiftStep, float gearTolerance,
                float gearStep, float stallTolerance, float stallStep) {
        iterator.AttachDocument(&doc_);
        iterator.PresetShiftPoints(shiftTolerance, shiftStep);
        if (VehicleGearCount(doc_) > 0) iterator.PresetGearRatios(gearTolerance, gearStep);
        if (doc_.m_converterStall.IsSet()) iterator.PresetConverterStall(stallTolerance, stallStep);
        iterator.EnableShiftPoints(false);
        iterator.EnableGearRatios(false);
        iterator.EnableConverterStall(false);
        iterator.Reset();
    }

    CQuilletDoc& doc_;
};

// The page of each kind, with its radio buttons, its sweep variables and
// the controls of its rows.
struct PageKind {
    const char* name;
    int index;  // in the sheet, in the dialog's tab order
    UINT exclude, single, dual;
    int firstVariable, lastVariable;
    UINT coarseCount, fineCount;
};
const PageKind kShiftPage = {"shift points", 0, IDC_SHIFTPTS_EXCLUDE, IDC_SHIFTPTS_SINGLE,
                             IDC_SHIFTPTS_DUAL, 8, 13, IDC_SHIFTPTS_COARSE_TESTS, IDC_SHIFTPTS_FINE_TESTS};
const PageKind kGearsPage = {"gears", 1, IDC_GEARS_EXCLUDE, IDC_GEARS_SINGLE, IDC_GEARS_DUAL, 1, 7,
                             IDC_GEARS_COARSE_TESTS, IDC_GEARS_FINE_TESTS};
const PageKind kStallPage = {"converter stall", 2, IDC_CONVSTALL_EXCLUDE, IDC_CONVSTALL_SINGLE,
                             IDC_CONVSTALL_DUAL, 0, 0, IDC_CONVSTALL_COARSE_TESTS, IDC_CONVSTALL_FINE_TESTS};

// Tolerance lists of the coarse and the fine group, in row order.
const UINT kGearTolerances[2][7] = {{2340, 2341, 2342, 2343, 2344, 2345, 2346},
                                    {2350, 2351, 2352, 2353, 2354, 2355, 2356}};
const UINT kShiftTolerances[2][6] = {{2260, 2261, 2262, 2263, 2264, 2265},
                                     {2270, 2271, 2272, 2273, 2274, 2275}};
// The ratio / rpm edits of the coarse group, in row order.
const UINT kGearValues[7] = {IDC_GEARS_COARSE_GEAR1, IDC_GEARS_COARSE_GEAR2, IDC_GEARS_COARSE_GEAR3,
                             IDC_GEARS_COARSE_GEAR4, IDC_GEARS_COARSE_GEAR5, IDC_GEARS_COARSE_GEAR6,
                             IDC_GEARS_COARSE_REAR};
const UINT kShiftValues[6] = {IDC_SHIFTPTS_COARSE_LAUNCH, IDC_SHIFTPTS_COARSE_SHIFT1,
                              IDC_SHIFTPTS_COARSE_SHIFT2, IDC_SHIFTPTS_COARSE_SHIFT3,
                              IDC_SHIFTPTS_COARSE_SHIFT4, IDC_SHIFTPTS_COARSE_SHIFT5};

// A vehicle, its two sweeps and the sheet of the three pages, every page
// window made.
class RangeSheet {
public:
    explicit RangeSheet(void (*choose)(CQuilletDoc&)) {
        doc->SetAutoRun(false);
        choose(*doc);
        owner = std::make_unique<TestPageOwner>(*doc);
        for (CItrProPage* page : {static_cast<CItrProPage*>(&shift), static_cast<CItrProPage*>(&gears),
                                  static_cast<CItrProPage*>(&stall)}) {
            page->SetOwner(owner.get());
            owner->pages.push_back(page);
            sheet.AddPage(page);
        }
        // The sheet as the dialog holds it: a child window, here of a plain
        // frame window.
        created = host.CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)),
                                "Sweep pages", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 640, 480, nullptr,
                                nullptr) != FALSE &&
                  sheet.Create(&host, WS_CHILD | WS_VISIBLE, 0) != FALSE;
        for (int i = 2; created && i >= 0; --i) sheet.SetActivePage(i);
        PumpPending();
    }
    ~RangeSheet() {
        if (sheet.m_hWnd) sheet.DestroyWindow();
        if (host.m_hWnd) host.DestroyWindow();
    }

    // Shows the page; its window.
    HWND Page(const PageKind& kind) {
        sheet.SetActivePage(kind.index);
        PumpPending();
        return Object(kind).m_hWnd;
    }
    CItrProRangePage& Object(const PageKind& kind) {
        CItrProRangePage* pages[] = {&shift, &gears, &stall};
        return *pages[kind.index];
    }
    // Clicks a button of the page as the user does.
    void Click(const PageKind& kind, UINT id) {
        testing_harness::Click(::GetDlgItem(Page(kind), id));
        PumpPending();
    }
    void Choose(const PageKind& kind, UINT list, const char* text) {
        ChooseComboText(Page(kind), list, text);
        PumpPending();
    }
    void SaveScreenshot(const PageKind& kind, const char* name) {
        Page(kind);
        ::RedrawWindow(host.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
        EXPECT_TRUE(Pixels::FromWindow(host.m_hWnd).SavePng(TestOutputPath(name)));
    }

    std::unique_ptr<CQuilletDoc> doc = NewDoc();
    std::unique_ptr<TestPageOwner> owner;
    CItrProShiftPtsPropPage shift;
    CItrProGearsPropPage gears;
    CItrProConvStallPropPage stall;
    CWnd host;
    CPropertySheet sheet{"Zuv Oradizov"};
    bool created = false;
};

bool Enabled(HWND page, UINT id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }

bool Checked(HWND page, UINT id) { return ::SendMessage(::GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string SelectedText(HWND page, UINT id) {
    HWND list = ::GetDlgItem(page, id);
    const int index = static_cast<int>(::SendMessage(list, CB_GETCURSEL, 0, 0));
    if (index < 0) return "(none)";
    char text[32] = {};
    ::SendMessageA(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

// True when every variable of the page in that sweep has that flag.
bool AllEnabled(CIterator& iterator, const PageKind& kind, bool enabled) {
    for (int v = kind.firstVariable; v <= kind.lastVariable; ++v)
        if (iterator.GetVariable(v).IsEnabled() != enabled) return false;
    return true;
}

std::string FieldText(const CFloatPtSpec& field) {
    CString text;
    if (field.IsValid()) field.FormatValue(text);
    return std::string(text);
}

class RangePagesTest : public ::testing::Test {
protected:
    RangeSheet& Open(void (*choose)(CQuilletDoc&)) {
        sheet_.reset();
        sheet_ = std::make_unique<RangeSheet>(choose);
        EXPECT_TRUE(sheet_->created);
        return *sheet_;
    }

    TestDocHost host_;
    std::unique_ptr<RangeSheet> sheet_;
};

TEST_F(RangePagesTest, PhaseButtonsSetTheSweepsAndRefreshTheOtherPages) {
    RangeSheet& s = Open(ChooseStreetCarWithConverter);
    const struct {
        const PageKind* kind;
        UINT coarseList, fineList;
    } pages[] = {{&kShiftPage, kShiftTolerances[0][0], kShiftTolerances[1][0]},
                 {&kGearsPage, kGearTolerances[0][0], kGearTolerances[1][0]},
                 {&kStallPage, IDC_CONVSTALL_COARSE_TOL, IDC_CONVSTALL_FINE_TOL}};
    for (const auto& entry : pages) {
        const PageKind& kind = *entry.kind;
        SCOPED_TRACE(kind.name);
        HWND page = s.Page(kind);
        EXPECT_TRUE(Checked(page, kind.exclude));
        EXPECT_FALSE(Enabled(page, entry.coarseList));
        const struct {
            UINT button;
            bool coarse, fine;
        } clicks[] = {{kind.dual, true, true}, {kind.single, true, false}, {kind.exclude, false, false}};
        for (const auto& click : clicks) {
            const int resets = s.owner->resets;
            const int updates = s.owner->updates;
            s.Click(kind, click.button);
            EXPECT_TRUE(Checked(page, click.button)) << click.button;
            EXPECT_TRUE(AllEnabled(*s.owner->coarse, kind, click.coarse)) << click.button;
            EXPECT_TRUE(AllEnabled(*s.owner->fine, kind, click.fine)) << click.button;
            EXPECT_EQ(s.Object(kind).IsPhaseEnabled(kCoarsePhase), click.coarse);
            EXPECT_EQ(s.Object(kind).IsPhaseEnabled(kFinePhase), click.fine);
            // The first group follows the coarse phase, the second the fine one.
            EXPECT_EQ(Enabled(page, entry.coarseList), click.coarse) << click.button;
            EXPECT_EQ(Enabled(page, entry.fineList), click.fine) << click.button;
            EXPECT_EQ(s.owner->resets, resets + 1);
            EXPECT_EQ(s.owner->updates, updates + 1);
            EXPECT_EQ(s.owner->lastAsker, &s.Object(kind));
        }
    }
    // A change on one page shows on the others, which the owner refreshes.
    s.owner->coarse->EnableGearRatios(true);
    s.Click(kShiftPage, IDC_SHIFTPTS_SINGLE);
    HWND gears = s.gears.m_hWnd;
    EXPECT_TRUE(Checked(gears, IDC_GEARS_SINGLE));
    EXPECT_FALSE(Checked(gears, IDC_GEARS_EXCLUDE));
    EXPECT_TRUE(Enabled(gears, kGearTolerances[0][0]));
}

// Rows of gears and shifts the vehicle does not have stay disabled in both
// groups; every value shows, and the lists show the preset ranges.
TEST_F(RangePagesTest, RowsFollowTheNumberOfGears) {
    const struct {
        const char* name;
        void (*choose)(CQuilletDoc&);
        int gears;
    } vehicles[] = {{"3-speed", ChooseThreeSpeedCar, 3}, {"4-speed", ChooseStreetCar, 4},
                    {"6-speed", ChooseSixSpeedCar, 6}};
    for (const auto& vehicle : vehicles) {
        SCOPED_TRACE(vehicle.name);
        RangeSheet& s = Open(vehicle.choose);
        ASSERT_EQ(VehicleGearCount(*s.doc), vehicle.gears);
        s.Click(kGearsPage, IDC_GEARS_DUAL);
        s.Click(kShiftPage, IDC_SHIFTPTS_DUAL);
        HWND gears = s.gears.m_hWnd;
        HWND shift = s.shift.m_hWnd;
        for (int phase = 0; phase < 2; ++phase) {
            for (int k = 0; k < 6; ++k)
                EXPECT_EQ(Enabled(gears, kGearTolerances[phase][k]), k < vehicle.gears) << phase << " gear " << k + 1;
            EXPECT_TRUE(Enabled(gears, kGearTolerances[phase][6])) << phase << " rear";
            EXPECT_TRUE(Enabled(shift, kShiftTolerances[phase][0])) << phase << " launch";
            for (int k = 1; k <= 5; ++k)
                EXPECT_EQ(Enabled(shift, kShiftTolerances[phase][k]), k < vehicle.gears) << phase << " shift " << k;
        }
        EXPECT_EQ(Enabled(gears, IDC_GEARS_COARSE_GEAR5_LABEL), vehicle.gears >= 5);
        EXPECT_EQ(Enabled(shift, IDC_SHIFTPTS_FINE_SHIFT3_PM), vehicle.gears >= 4);
        EXPECT_TRUE(Enabled(shift, IDC_SHIFTPTS_FINE_STEP));
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(ControlText(::GetDlgItem(gears, kGearValues[k])),
                      FieldText(k < 6 ? s.doc->m_gearRatio[k] : s.doc->m_rearAxleRatio)) << k;
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(ControlText(::GetDlgItem(shift, kShiftValues[k])),
                      FieldText(k == 0 ? s.doc->m_launchRpm : s.doc->m_shiftRpm[k - 1])) << k;
        EXPECT_EQ(SelectedText(gears, kGearTolerances[0][0]), "1.50");
        EXPECT_EQ(SelectedText(gears, kGearTolerances[1][6]), "0.375");
        EXPECT_EQ(SelectedText(gears, IDC_GEARS_COARSE_STEP), "0.75");
        EXPECT_EQ(SelectedText(gears, IDC_GEARS_FINE_STEP), "0.125");
        EXPECT_EQ(SelectedText(shift, kShiftTolerances[0][vehicle.gears - 1]), "2000");
        EXPECT_EQ(SelectedText(shift, IDC_SHIFTPTS_FINE_STEP), "250");
        if (vehicle.gears == 4) {
            s.SaveScreenshot(kGearsPage, "range-pages-gears-4-speed.png");
            s.SaveScreenshot(kShiftPage, "range-pages-shifts-4-speed.png");
        }
        // Excluded, every row is off; the radio buttons stay on.
        s.Click(kGearsPage, IDC_GEARS_EXCLUDE);
        for (UINT id : {kGearTolerances[0][0], kGearTolerances[1][6], static_cast<UINT>(IDC_GEARS_COARSE_STEP),
                        static_cast<UINT>(IDC_GEARS_FINE_TESTS)})
            EXPECT_FALSE(Enabled(gears, id)) << id;
        EXPECT_TRUE(Enabled(gears, IDC_GEARS_DUAL));
    }
}

// A tolerance centres that row's variable of its phase on the vehicle's
// value; a step serves every row the vehicle has and leaves the others.
TEST_F(RangePagesTest, ListsWriteTheSweepVariables) {
    RangeSheet& s = Open(ChooseStreetCar);
    CIterator& coarse = *s.owner->coarse;
    CIterator& fine = *s.owner->fine;
    const float second = s.doc->m_gearRatio[1].GetValue();
    const float launch = s.doc->m_launchRpm.GetValue();
    const struct {
        const PageKind* kind;
        UINT list;
        const char* text;
    } choices[] = {
        {&kGearsPage, kGearTolerances[0][1], "0.50"},   {&kGearsPage, IDC_GEARS_FINE_STEP, "0.25"},
        {&kShiftPage, kShiftTolerances[0][0], "1000"}, {&kShiftPage, IDC_SHIFTPTS_FINE_STEP, "500"},
    };
    for (const auto& choice : choices) {
        const int resets = s.owner->resets;
        const int updates = s.owner->updates;
        s.Choose(*choice.kind, choice.list, choice.text);
        EXPECT_EQ(s.owner->resets, resets + 1) << choice.text;
        EXPECT_EQ(s.owner->updates, updates + 1) << choice.text;
        EXPECT_EQ(s.owner->lastAsker, &s.Object(*choice.kind));
    }
    EXPECT_FLOAT_EQ(coarse.GetVariable(2).GetTolerance().GetValue(), 0.5f);
    EXPECT_FLOAT_EQ(coarse.GetVariable(2).GetMin().GetValue(), second - 0.5f);
    EXPECT_FLOAT_EQ(coarse.GetVariable(2).GetMax().GetValue(), second + 0.5f);
    EXPECT_FLOAT_EQ(coarse.GetVariable(1).GetTolerance().GetValue(), 1.5f);  // its neighbour kept
    for (int v : {1, 2, 3, 4, 7}) EXPECT_FLOAT_EQ(fine.GetVariable(v).GetStep().GetValue(), 0.25f) << v;
    for (int v : {5, 6, 12, 13}) EXPECT_FALSE(fine.GetVariable(v).GetStep().IsSet()) << v;
    EXPECT_FLOAT_EQ(coarse.GetVariable(8).GetMin().GetValue(), launch - 1000.0f);
    EXPECT_FLOAT_EQ(coarse.GetVariable(8).GetMax().GetValue(), launch + 1000.0f);
    for (int v : {8, 9, 10, 11}) EXPECT_FLOAT_EQ(fine.GetVariable(v).GetStep().GetValue(), 500.0f) << v;
    // The counts shown are the products of the step counts.
    for (const PageKind* kind : {&kGearsPage, &kShiftPage}) {
        HWND page = s.Page(*kind);
        for (int phase = 0; phase < 2; ++phase) {
            CIterator& iterator = phase == 0 ? coarse : fine;
            int product = 1;
            for (int v = kind->firstVariable; v <= kind->lastVariable; ++v)
                if (iterator.GetVariable(v).GetStepCount() >= 1) product *= iterator.GetVariable(v).GetStepCount();
            EXPECT_GT(product, 1);
            EXPECT_EQ(ControlText(::GetDlgItem(page, phase == 0 ? kind->coarseCount : kind->fineCount)),
                      std::to_string(product)) << kind->name << phase;
            EXPECT_EQ(s.Object(*kind).GetNumberOfTests(&iterator), product);
        }
    }
    // A step the sweep refuses (the shift step is at least 250 rpm) is not
    // taken, and the list shows the step that stays.
    s.Choose(kShiftPage, IDC_SHIFTPTS_FINE_STEP, "100");
    EXPECT_FLOAT_EQ(fine.GetVariable(8).GetStep().GetValue(), 500.0f);
    EXPECT_EQ(SelectedText(s.shift.m_hWnd, IDC_SHIFTPTS_FINE_STEP), "500");
}

TEST_F(RangePagesTest, ConverterStallRangeAndCount) {
    RangeSheet& s = Open(ChooseStreetCarWithConverter);
    HWND page = s.Page(kStallPage);
    EXPECT_EQ(ControlText(::GetDlgItem(page, IDC_CONVSTALL_COARSE_STALL)), FieldText(s.doc->m_converterStall));
    EXPECT_EQ(ControlText(::GetDlgItem(page, IDC_CONVSTALL_FINE_STALL)), "2400");
    EXPECT_EQ(SelectedText(page, IDC_CONVSTALL_COARSE_TOL), "2000");
    EXPECT_EQ(SelectedText(page, IDC_CONVSTALL_FINE_STEP), "250");
    s.Click(kStallPage, IDC_CONVSTALL_SINGLE);
    s.Choose(kStallPage, IDC_CONVSTALL_COARSE_TOL, "500");
    s.Choose(kStallPage, IDC_CONVSTALL_COARSE_STEP, "250");
    const CIterVariable& stall = s.owner->coarse->GetVariable(0);
    EXPECT_FLOAT_EQ(stall.GetMin().GetValue(), 1900.0f);
    EXPECT_FLOAT_EQ(stall.GetMax().GetValue(), 2900.0f);
    EXPECT_EQ(stall.GetStepCount(), 5);
    EXPECT_EQ(ControlText(::GetDlgItem(page, IDC_CONVSTALL_COARSE_TESTS)), "5");
    EXPECT_EQ(s.stall.GetNumberOfTests(s.owner->coarse.get()), 5);
    s.SaveScreenshot(kStallPage, "range-pages-converter-stall.png");
    // Excluded, the count still shows the range's steps.
    s.Click(kStallPage, IDC_CONVSTALL_EXCLUDE);
    EXPECT_FALSE(s.owner->coarse->GetVariable(0).IsEnabled());
    EXPECT_EQ(ControlText(::GetDlgItem(page, IDC_CONVSTALL_COARSE_TESTS)), "5");
}

// Values the sweep cannot show in a list (a preset of the dialog's own)
// leave the lists without a selection; the counts follow the ranges.
TEST_F(RangePagesTest, UnlistedRangesLeaveTheListsWithoutSelection) {
    RangeSheet& s = Open(ChooseStreetCar);
    s.owner->coarse->PresetGearRatios(0.3f, 0.1f);
    s.owner->coarse->PresetShiftPoints(1200.0f, 300.0f);
    s.owner->UpdateAllPages(nullptr);
    HWND gears = s.gears.m_hWnd;
    HWND shift = s.shift.m_hWnd;
    EXPECT_EQ(SelectedText(gears, kGearTolerances[0][0]), "(none)");
    EXPECT_EQ(SelectedText(gears, IDC_GEARS_COARSE_STEP), "(none)");
    EXPECT_EQ(SelectedText(gears, IDC_GEARS_FINE_STEP), "0.125");
    EXPECT_EQ(SelectedText(shift, kShiftTolerances[0][2]), "(none)");
    EXPECT_EQ(SelectedText(shift, IDC_SHIFTPTS_COARSE_STEP), "(none)");
    // 4 ratios and the axle at 7 values each.
    EXPECT_EQ(ControlText(::GetDlgItem(gears, IDC_GEARS_COARSE_TESTS)), std::to_string(7 * 7 * 7 * 7 * 7));
}

// Whatever the dialog asks, the converter page stays off for a vehicle
// without a converter, and a vehicle without gears (a jet) has no gear or
// shift rows; the dialog's switching off for a sweep and back works on the
// rest.
TEST_F(RangePagesTest, PagesStayOffForValuesTheVehicleLacks) {
    const struct {
        const char* name;
        void (*choose)(CQuilletDoc&);
        bool converter, gears;
    } vehicles[] = {{"clutch", ChooseStreetCar, false, true},
                    {"converter", ChooseStreetCarWithConverter, true, true},
                    {"jet", ChooseJetDragster, false, false}};
    for (const auto& vehicle : vehicles) {
        SCOPED_TRACE(vehicle.name);
        RangeSheet& s = Open(vehicle.choose);
        for (const PageKind* kind : {&kShiftPage, &kGearsPage}) s.Click(*kind, kind->dual);
        if (vehicle.converter) s.Click(kStallPage, IDC_CONVSTALL_DUAL);
        HWND stall = s.stall.m_hWnd;
        HWND gears = s.gears.m_hWnd;
        HWND shift = s.shift.m_hWnd;
        const auto check = [&](bool on) {
            for (UINT id : {IDC_CONVSTALL_DUAL, IDC_CONVSTALL_COARSE_TOL, IDC_CONVSTALL_FINE_STEP,
                            IDC_CONVSTALL_COARSE_TESTS})
                EXPECT_EQ(Enabled(stall, id), on && vehicle.converter) << id;
            EXPECT_EQ(Enabled(gears, kGearTolerances[1][0]), on && vehicle.gears);
            EXPECT_EQ(Enabled(gears, IDC_GEARS_FINE_STEP), on && vehicle.gears);
            EXPECT_EQ(Enabled(shift, kShiftTolerances[0][0]), on && vehicle.gears);
            EXPECT_EQ(Enabled(gears, IDC_GEARS_DUAL), on);
        };
        check(true);
        s.owner->EnableControls(false);
        check(false);
        s.owner->EnableControls(true);
        s.owner->UpdateAllPages(nullptr);
        check(true);
        if (!vehicle.converter) {
            EXPECT_EQ(ControlText(::GetDlgItem(stall, IDC_CONVSTALL_COARSE_STALL)), "");
        }
        if (!vehicle.converter && vehicle.gears) s.SaveScreenshot(kStallPage, "range-pages-no-converter.png");
        if (!vehicle.gears) {
            EXPECT_EQ(ControlText(::GetDlgItem(gears, IDC_GEARS_COARSE_TESTS)), "0");
            EXPECT_TRUE(Checked(gears, IDC_GEARS_DUAL));
        }
    }
}

// More combinations than the sweep takes show as its limit, not as an
// overflowed number.
TEST_F(RangePagesTest, TestCountStopsAtTheSweepLimit) {
    RangeSheet& s = Open(ChooseSixSpeedCar);
    s.owner->coarse->PresetGearRatios(2.0f, 0.01f);
    s.owner->UpdateAllPages(nullptr);
    EXPECT_EQ(s.gears.GetNumberOfTests(s.owner->coarse.get()), kIterMaxCombinations);
    EXPECT_EQ(ControlText(::GetDlgItem(s.gears.m_hWnd, IDC_GEARS_COARSE_TESTS)), "300000000");
}

}  // namespace
}  // namespace quillet

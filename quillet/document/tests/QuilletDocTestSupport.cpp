#include "quillet/document/tests/QuilletDocTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "common/ErrCodeException.h"
#include "common/Util.h"
#include "common/tests/ScratchFile.h"
#include "quillet/document/SimInterface.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"
#include "testing/ModalDriver.h"

namespace quillet {

namespace {

// Installs the program's profile and creates the simulation interface once
// for the whole test program.
class QuilletModelEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        QuilletInstallProgramProfile();
        SimInterfaceCreateInstance();
    }
};

::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new QuilletModelEnvironment);

// Command ids of the presets the sample vehicles use.
const UINT kCharger = 33520;        // '69 Dodge Charger
const UINT kDragsterBody = 33521;   // Typical Dragster
const UINT kStreet350 = 33452;      // 350ci V8--Street
const UINT kWideFourSpeed = 33601;  // 2.52 1.88 1.46 1.00
const UINT kTwoSpeedAutomatic = 33640;  // 1.82 1.00
const UINT kClutch = 33380;
const UINT kConverter2400 = 33383;
const UINT kAxle354 = 33392;
const UINT kStockStreetTyre = 33420;
const UINT kAggressive = 33441;
const UINT kProfessional = 33442;
const UINT kTypicalTrack = 33430;
const UINT kJet = 33490;  // GE GE-4

}  // namespace

void Command(CQuilletDoc& doc, UINT id) {
    ASSERT_TRUE(doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr)) << "command " << id;
}

std::unique_ptr<CQuilletDoc> NewDoc() { return std::unique_ptr<CQuilletDoc>(new CQuilletDoc); }

TestDocHost::TestDocHost() { QuilletSetDocHost(this); }

TestDocHost::~TestDocHost() { QuilletSetDocHost(nullptr); }

bool TestDocHost::EditPowerCurve(CPowerCurve& curve, CString& description) {
    return powerCurveDialog && powerCurveDialog(curve, description);
}

bool TestDocHost::RunTractionCalculator(CQuilletDoc& doc) {
    return tractionDialog && tractionDialog(doc);
}

bool TestDocHost::RunQuickIterator(CIterator& coarse, CIterator& fine) {
    return quickDialog && quickDialog(coarse, fine);
}

bool TestDocHost::RunProIterator(CIterator& coarse, CIterator& fine) {
    return proDialog && proDialog(coarse, fine);
}

void TestDocHost::DropBestResultsIterator(CIterator& iterator) {
    if (bestResults == &iterator) bestResults = nullptr;
}

bool TestDocHost::AskImportFileName(CString& path) {
    path = importPath.c_str();
    return !importPath.empty();
}

bool TestDocHost::AskExportFileName(const CString& defaultName, CString& path) {
    exportDefaultName = defaultName;
    path = exportPath.c_str();
    return !exportPath.empty();
}

void TestDocHost::PostToMainFrame(UINT message, WPARAM wParam) {
    posted.emplace_back(message, wParam);
}

void StubChartView::WriteChartSettings(FILE* file) {
    if (failWrite) throw ErrCodeException(kErrFileWrite);
    if (breakStream) {
        // Written with the runtime's own output, which does not check: the
        // refusal shows only when the stream is flushed.
        RefuseFurtherWrites(file);
        fprintf(file, "chart view %d\n", id_);
        return;
    }
    UtilWriteFormat(file, "chart view %d\n", id_);
}

std::function<void()> StubChartView::ReadChartSettings(FILE* file) {
    int id = 0;
    if (sscanf(UtilReadLine(file), "chart view %d", &id) != 1) throw ErrCodeException(kErrFileRead);
    if (id != id_) throw ErrCodeException(kErrFileValue);
    return [this] { ++timesRead; };
}

RegisteredChartViews::RegisteredChartViews(CQuilletDoc& doc) : doc_(doc) {
    for (StubChartView& view : views_) doc_.RegisterChartView(&view);
}

RegisteredChartViews::~RegisteredChartViews() {
    for (StubChartView& view : views_) doc_.UnregisterChartView(&view);
}

void ChooseStreetCarWithoutEngine(CQuilletDoc& doc) {
    for (UINT id : {kCharger, kWideFourSpeed, kClutch, kAxle354, kStockStreetTyre, kAggressive,
                    kTypicalTrack})
        Command(doc, id);
}

void ChooseStreetCar(CQuilletDoc& doc) {
    ChooseStreetCarWithoutEngine(doc);
    Command(doc, kStreet350);
}

void ChooseStreetCarWithConverter(CQuilletDoc& doc) {
    ChooseStreetCar(doc);
    Command(doc, kTwoSpeedAutomatic);
    Command(doc, kConverter2400);
}

void ChooseJetDragster(CQuilletDoc& doc) {
    // Leaving the piston engine asks question 206.
    testing_harness::ModalDriver::Instance().Answer("Warning!", IDOK);
    for (UINT id : {kDragsterBody, kJet, kProfessional, kTypicalTrack}) Command(doc, id);
}

std::string DataFile(const char* name) { return std::string("data\\") + name; }

}  // namespace quillet

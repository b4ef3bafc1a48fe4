// The vehicle file: lines in their order, English values, the versions it
// reads, its error codes, and saving that never loses the previous file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/tests/FieldTestSupport.h"
#include "common/tests/ScratchFile.h"
#include "quillet/document/QuilletDocFields.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "testing/ModalDriver.h"

namespace quillet {

using testing_harness::ModalDriver;

namespace {

// Every field of `b` shows as in `a`, and is set as in `a`.
void ExpectSameFields(const CQuilletDoc& a, CQuilletDoc& b) {
    VisitFieldPairs(a, b, [](const CSimSpec& from, const CSimSpec& to) {
        EXPECT_EQ(Shown(to), Shown(from)) << from.GetName();
        EXPECT_EQ(to.IsSet(), from.IsSet()) << from.GetName();
    });
}

size_t FindLine(const std::vector<std::string>& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == text) return i;
    }
    return lines.size();
}

class VehicleFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc_->SetAutoRun(false);
        ChooseStreetCar(*doc_);
        doc_->m_notes.ParseAndSet("Track day\nsecond line", false);
    }

    // A new document with chart views that reads the file; the code shown, 0
    // when it read.
    unsigned short Read(std::unique_ptr<CQuilletDoc>& into, const char* caption = "") {
        into = NewDoc();
        into->SetAutoRun(false);
        RegisteredChartViews views(*into);
        ModalDriver& driver = ModalDriver::Instance();
        driver.Reset();
        if (*caption != '\0') driver.Answer(caption, IDOK);
        const bool read = into->ReadVehicleFile(file_.Path());
        EXPECT_EQ(read, *caption == '\0');
        return read ? 0 : static_cast<unsigned short>(driver.Boxes().size());
    }
    bool Write() { return doc_->WriteVehicleFile(file_.Path()); }

    TestDocHost host_;
    std::unique_ptr<CQuilletDoc> doc_ = NewDoc();
    RegisteredChartViews views_{*doc_};
    ScratchFile file_{"quillet_vehicle.qlt"};
};

TEST_F(VehicleFileTest, TheLinesStandInTheirOrder) {
    Command(*doc_, kCmdUnitsMetric);
    ASSERT_TRUE(Write());
    const std::vector<std::string> lines = file_.Lines();
    ASSERT_GE(lines.size(), 80u);
    EXPECT_EQ(lines[0], "4.05");
    EXPECT_EQ(lines[1], "1");  // shown in metric units
    EXPECT_EQ(lines[2], "0");  // auto-run
    EXPECT_EQ(lines[3], "'69 Dodge Charger");
    EXPECT_EQ(lines[4], "1");
    EXPECT_EQ(lines[5], "Automobile");
    EXPECT_EQ(lines[6], "1");
    EXPECT_EQ(lines[7], "1 3727.000000");
    EXPECT_EQ(lines[8], "1 117.800003");  // English, whatever the display
    // The power table: mode, four peaks, count, "%.0f %f %f" rows.
    const size_t table = FindLine(lines, "1 271.000000") - 1;
    ASSERT_LT(table, lines.size());
    EXPECT_EQ(lines[table], "1");
    EXPECT_EQ(lines[table + 5], "12");
    EXPECT_EQ(lines[table + 6].substr(0, 16), "2000 149.000000 ");
    EXPECT_EQ(lines[table + 18], "1320");
    EXPECT_EQ(lines[table + 19], "1 21");
    EXPECT_EQ(lines[lines.size() - 3], "chart view 4");
    EXPECT_EQ(lines.back(), "chart view 6");
    // The barometer is not stored.
    EXPECT_EQ(FindLine(lines, "1 29.050000"), lines.size());
    EXPECT_EQ(doc_->GetUnits(), 1);
}

TEST_F(VehicleFileTest, AVehicleReadsBackEqualInBothUnitSystems) {
    for (int metric : {0, 1}) {
        doc_->SetUnits(metric);
        ASSERT_TRUE(Write());
        std::unique_ptr<CQuilletDoc> read;
        ASSERT_EQ(Read(read), 0);
        EXPECT_EQ(read->GetUnits(), metric);
        EXPECT_FALSE(read->IsAutoRun());
        EXPECT_EQ(read->GetRaceLength(), 1320);
        EXPECT_EQ(read->m_powerCurve.GetNumPoints(), 12);
        EXPECT_EQ(read->m_powerCurve.GetEntryMode(), kEntryPower);
        doc_->m_barometer.Clear();  // not stored: recomputed on open
        read->m_barometer.Clear();
        ExpectSameFields(*doc_, *read);
    }
}

TEST_F(VehicleFileTest, LongTypedNamesReadBackWhole) {
    const std::string name(200, 'n');
    ASSERT_TRUE(doc_->m_vehicleType.ParseAndSet(name.c_str(), false));
    ASSERT_TRUE(doc_->m_tireType.ParseAndSet((name + " tyre").c_str(), false));
    ASSERT_TRUE(Write());
    std::unique_ptr<CQuilletDoc> read;
    ASSERT_EQ(Read(read), 0);
    EXPECT_EQ(std::string(read->m_vehicleType.GetTypeName()), name);
    EXPECT_EQ(read->m_vehicleType.GetValue(), 41);
    EXPECT_EQ(std::string(read->m_tireType.GetTypeName()), name + " tyre");
    EXPECT_FLOAT_EQ(read->m_weight.GetValue(), 3727.0f);
}

TEST_F(VehicleFileTest, AJetKeepsItsPlaceholders) {
    std::unique_ptr<CQuilletDoc> jet = NewDoc();
    RegisteredChartViews views(*jet);
    ChooseJetDragster(*jet);
    ASSERT_TRUE(jet->WriteVehicleFile(file_.Path()));
    std::unique_ptr<CQuilletDoc> read;
    ASSERT_EQ(Read(read), 0);
    EXPECT_TRUE(read->IsJet());
    EXPECT_EQ(read->m_transmissionType.GetValue(), kTransmissionPlaceholder);
    EXPECT_TRUE(read->m_couplingType.IsSet());
    short code = 0;
    EXPECT_TRUE(read->Validate(&code)) << code;
}

TEST_F(VehicleFileTest, OlderVersionsEndEarlier) {
    doc_->SetRaceLength(660);
    ASSERT_TRUE(Write());
    std::vector<std::string> lines = file_.Lines();
    const size_t raceLength = FindLine(lines, "660");
    ASSERT_LT(raceLength, lines.size());

    // 3.10: up to the race length.
    std::vector<std::string> old(lines.begin(), lines.begin() + raceLength + 1);
    old[0] = "3.10";
    file_.WriteLines(old);
    std::unique_ptr<CQuilletDoc> read;
    ASSERT_EQ(Read(read), 0);
    EXPECT_EQ(read->GetRaceLength(), 660);
    EXPECT_FALSE(read->m_notes.IsSet());
    EXPECT_EQ(read->m_powerCurve.GetNumPoints(), 12);

    // 3.05: up to the power table; the document keeps its race length.
    old.pop_back();
    old[0] = "3.05";
    file_.WriteLines(old);
    ASSERT_EQ(Read(read), 0);
    EXPECT_EQ(read->GetRaceLength(), 1320);

    // Blanks around the version are allowed.
    lines[0] = " 4.05   ";
    file_.WriteLines(lines);
    ASSERT_EQ(Read(read), 0);
    EXPECT_EQ(std::string(read->m_notes.GetText()), "Track day\nsecond line");
}

TEST_F(VehicleFileTest, DamagedFilesAreRefusedWithTheirCode) {
    ASSERT_TRUE(Write());
    const std::vector<std::string> good = file_.Lines();
    const size_t raceLength = FindLine(good, "1320");
    const struct {
        size_t line;
        const char* text;
        const char* caption;
        const char* start;
    } cases[] = {
        {0, "4.06", "Invalid File Version", "The Quillet File"},
        {1, "2", "File Error", "The File you have selected contains an invalid value."},
        {7, "1 50.000000", "File Error", "The File you have selected contains an invalid value."},
        {7, "1", "File Error", "Unable to Read"},
        {raceLength, "700", "File Error", "The File you have selected contains an invalid value."},
    };
    for (const auto& damage : cases) {
        std::vector<std::string> lines = good;
        lines[damage.line] = damage.text;
        file_.WriteLines(lines);
        std::unique_ptr<CQuilletDoc> read;
        ASSERT_EQ(Read(read, damage.caption), 1u) << damage.text;
        const std::string& text = ModalDriver::Instance().Boxes()[0].text;
        EXPECT_EQ(text.substr(0, strlen(damage.start)), damage.start) << damage.text;
        EXPECT_EQ(read->GetUnits(), 0);
    }
    std::vector<std::string> truncated(good.begin(), good.begin() + 30);
    file_.WriteLines(truncated);
    std::unique_ptr<CQuilletDoc> read;
    EXPECT_EQ(Read(read, "File Error"), 1u);

    ScratchFile missing("quillet_missing.qlt");
    ModalDriver::Instance().Answer("File Error", IDOK);
    EXPECT_FALSE(read->ReadVehicleFile(missing.Path()));
    EXPECT_EQ(ModalDriver::Instance().Boxes().back().text, "Unable to Open the Selected File");
}

// A file refused at its last line, and a file that holds nothing, leave the
// document and its chart views as they were, units included.
TEST_F(VehicleFileTest, ARefusedFileLeavesTheDocumentAsItWas) {
    Command(*doc_, kCmdUnitsMetric);
    ASSERT_TRUE(Write());
    const std::vector<std::string> before = file_.Lines();
    ScratchFile empty("quillet_empty.qlt");
    empty.WriteLines({});
    const struct {
        std::string path;
        const char* text;
    } refused[] = {
        {TestDataPath("qlt-last-line-bad.qlt"), "The File you have selected contains an invalid value."},
        {empty.Path(), "Unable to Read"},
    };
    for (const auto& file : refused) {
        ModalDriver::Instance().Reset();
        ModalDriver::Instance().Answer("File Error", IDOK);
        EXPECT_FALSE(doc_->ReadVehicleFile(file.path.c_str())) << file.path;
        ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u) << file.path;
        EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text.rfind(file.text, 0), 0u) << file.path;
        EXPECT_EQ(doc_->GetUnits(), 1) << file.path;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(views_.View(i).timesRead, 0) << file.path;
        ASSERT_TRUE(Write());
        EXPECT_EQ(file_.Lines(), before) << file.path;
    }
}

TEST_F(VehicleFileTest, AFailedSaveLeavesThePreviousFileAsItWas) {
    ASSERT_TRUE(Write());
    const std::vector<std::string> saved = file_.Lines();
    doc_->m_weight.SetValue(3000.0f);
    Command(*doc_, kCmdUnitsMetric);
    // A block that throws the write code, and a stream left in error by the
    // last block, which only the stream's error flag tells.
    for (bool thrown : {true, false}) {
        SCOPED_TRACE(thrown ? "thrown" : "stream in error");
        views_.View(1).failWrite = thrown;
        views_.View(2).breakStream = !thrown;
        ModalDriver::Instance().Reset();
        ModalDriver::Instance().Answer("File Error", IDOK);
        EXPECT_FALSE(Write());
        ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
        EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Unable to Write to the Selected File");
        EXPECT_EQ(file_.Lines(), saved);
        EXPECT_EQ(doc_->GetUnits(), 1);
        EXPECT_TRUE(doc_->m_wheelbase.IsAltUnit());
        // Nothing is left beside it.
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA("sav*.tmp", &found);
        EXPECT_EQ(search, INVALID_HANDLE_VALUE);
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
    }
}

TEST_F(VehicleFileTest, AnInvalidVehicleIsNotSaved) {
    doc_->m_weight.Clear();
    ModalDriver::Instance().Answer("Incomplete Vehicle Data", IDOK);
    EXPECT_FALSE(doc_->OnSaveDocument(file_.Path()));
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Vehicle Weight value Required");
    EXPECT_TRUE(file_.Lines().empty());
}

TEST_F(VehicleFileTest, OpeningRecomputesTheBarometerAndRuns) {
    doc_->SetAutoRun(true);
    doc_->SetModifiedFlag();
    ASSERT_TRUE(doc_->OnSaveDocument(file_.Path()));
    EXPECT_FALSE(doc_->IsModified());
    std::unique_ptr<CQuilletDoc> opened = NewDoc();
    RegisteredChartViews views(*opened);
    ASSERT_TRUE(opened->OnOpenDocument(file_.Path()));
    EXPECT_FLOAT_EQ(opened->m_barometer.GetValue(), 29.05f);
    EXPECT_FALSE(opened->IsModified());
    EXPECT_GT(opened->GetNumCurvePoints(), 0);
    EXPECT_EQ(views.View(0).timesRead, 1);
}

}  // namespace

}  // namespace quillet

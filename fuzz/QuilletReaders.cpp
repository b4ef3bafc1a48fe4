// The drag-race program's readers under fuzzing: the vehicle file (.qlt) and
// the import of an engine from an engine file (.tvn). Both read into a
// vehicle made through the program's own commands; a refused read must leave
// it as it was, which is checked by saving it before and after.
#include <memory>
#include <string>
#include <vector>

#include "common/ErrCodeException.h"
#include "common/Util.h"
#include "framework/Framework.h"
#include "fuzz/BoxAnswerer.h"
#include "fuzz/FuzzReader.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/SimInterface.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/TorvaneProfile.h"

namespace quillet {
namespace {

// Presets of the popup menus.
const UINT kCharger = 33520;
const UINT kDragsterBody = 33521;
const UINT kStreet350 = 33452;
const UINT kWideFourSpeed = 33601;
const UINT kTwoSpeedAutomatic = 33640;
const UINT kClutch = 33380;
const UINT kConverter2400 = 33383;
const UINT kAxle354 = 33392;
const UINT kStockStreetTyre = 33420;
const UINT kAggressive = 33441;
const UINT kProfessional = 33442;
const UINT kTypicalTrack = 33430;
const UINT kJet = 33490;

void Send(CQuilletDoc& doc, std::initializer_list<UINT> commands) {
    for (UINT id : commands) doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

// A chart view whose settings block is one line naming its place.
class FuzzChartView : public CQuilletChartViewLink {
public:
    explicit FuzzChartView(int place) : place_(place) {}
    void WriteChartSettings(FILE* file) override {
        UtilWriteFormat(file, "chart view %d\n", place_);
    }
    std::function<void()> ReadChartSettings(FILE* file) override {
        int place = 0;
        if (sscanf(UtilReadLine(file), "chart view %d", &place) != 1)
            throw ErrCodeException(kErrFileRead);
        if (place != place_) throw ErrCodeException(kErrFileValue);
        return [] {};
    }

private:
    int place_;
};

// A vehicle document with its three chart views.
struct Vehicle {
    Vehicle() {
        doc->SetAutoRun(false);
        for (FuzzChartView& view : views) doc->RegisterChartView(&view);
    }
    ~Vehicle() {
        for (FuzzChartView& view : views) doc->UnregisterChartView(&view);
    }
    std::string Saved(const std::string& path) {
        DeleteFileA(path.c_str());
        doc->WriteVehicleFile(path.c_str());
        return ReadFileBytes(path);
    }

    std::unique_ptr<CQuilletDoc> doc{new CQuilletDoc};
    FuzzChartView views[3] = {FuzzChartView(4), FuzzChartView(5), FuzzChartView(6)};
};

void ChooseStreetCar(CQuilletDoc& doc) {
    Send(doc, {kCharger, kWideFourSpeed, kClutch, kAxle354, kStockStreetTyre, kAggressive,
               kTypicalTrack, kStreet350});
}

// The vehicle the reads go into: the street car with an automatic, metric.
std::unique_ptr<Vehicle> MakeTarget() {
    std::unique_ptr<Vehicle> vehicle(new Vehicle);
    ChooseStreetCar(*vehicle->doc);
    Send(*vehicle->doc, {kTwoSpeedAutomatic, kConverter2400, kCmdUnitsMetric});
    vehicle->doc->m_notes.ParseAndSet("Track day\nsecond line", false);
    return vehicle;
}

class VehicleFileReader : public FuzzReader {
public:
    const char* Extension() const override { return ".qlt"; }

    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        const std::string path = folder + "\\seed.qlt";
        std::vector<std::string> seeds;
        Vehicle plain;
        seeds.push_back(plain.Saved(path));
        Vehicle street;
        ChooseStreetCar(*street.doc);
        seeds.push_back(street.Saved(path));
        seeds.push_back(MakeTarget()->Saved(path));
        Vehicle jet;
        AnswerBoxesWith(IDOK);  // leaving the piston engine asks first
        Send(*jet.doc, {kDragsterBody, kJet, kProfessional, kTypicalTrack});
        AnswerBoxesWith(0);
        seeds.push_back(jet.Saved(path));
        for (const char* version : {"3.10", "3.05"})
            seeds.push_back(version + seeds[1].substr(seeds[1].find('\n')));
        target_ = MakeTarget();
        before_ = target_->Saved(folder + "\\document.qlt");
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string& folder) override {
        ReadOutcome outcome;
        outcome.accepted = target_->doc->ReadVehicleFile(path.c_str());
        if (outcome.accepted) {
            target_->doc->UpdateBarometerFromElevation();
            target_ = MakeTarget();
        } else {
            outcome.changed = target_->Saved(folder + "\\document.qlt") != before_;
        }
        return outcome;
    }

private:
    std::unique_ptr<Vehicle> target_;
    std::string before_;
};

class EngineImportReader : public FuzzReader {
public:
    const char* Extension() const override { return ".tvn"; }

    // Engine files written by the engine program's own writer.
    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        const std::string path = folder + "\\seed.tvn";
        std::vector<std::string> seeds;
        torvane::TorvaneInstallProgramProfile();
        {
            auto save = [&](torvane::CTorvaneDoc& engine) {
                DeleteFileA(path.c_str());
                engine.WriteEngineFile(path.c_str());
                seeds.push_back(ReadFileBytes(path));
            };
            torvane::CTorvaneDoc chevy;
            for (UINT id : {33135, 32798, 33052, 33065, 33467, 32851, 33508, 32862, 32891})
                chevy.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
            chevy.SetAutoRun(false);
            chevy.RunSimulation(false, false);
            save(chevy);
            chevy.nitrousFlowRate.SetValue(5.0f);
            chevy.SetUnitsMode(1);
            save(chevy);
            for (UINT id : {33516u, 32999u}) chevy.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
            chevy.RunSimulation(false, false);
            save(chevy);
        }
        QuilletInstallProgramProfile();
        target_ = MakeTarget();
        before_ = target_->Saved(folder + "\\document.qlt");
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string& folder) override {
        ReadOutcome outcome;
        outcome.accepted = target_->doc->ImportEngineFile(path.c_str());
        if (outcome.accepted) {
            target_ = MakeTarget();
        } else {
            outcome.changed = target_->Saved(folder + "\\document.qlt") != before_;
        }
        return outcome;
    }

private:
    std::unique_ptr<Vehicle> target_;
    std::string before_;
};

}  // namespace
}  // namespace quillet

int main(int argc, char** argv) {
    quillet::QuilletInstallProgramProfile();
    quillet::SimInterfaceCreateInstance();
    const std::vector<ReaderEntry> readers = {
        {"vehicle", [] { return std::make_unique<quillet::VehicleFileReader>(); }},
        {"engine-import", [] { return std::make_unique<quillet::EngineImportReader>(); }},
    };
    return FuzzMain(argc, argv, readers);
}

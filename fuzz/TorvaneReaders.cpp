// The engine program's readers under fuzzing: the engine file (.tvn), the cam
// file, the airflow file and the graph settings the engine file holds. Each
// reads into an object that was made through the program's own commands; a
// refused read must leave that object as it was, which is checked by saving
// it before and after and comparing the files.
#include <memory>
#include <string>
#include <vector>

#include "common/ErrCodeException.h"
#include "framework/Framework.h"
#include "fuzz/FuzzReader.h"
#include "torvane/components/Cam.h"
#include "torvane/components/CylHeadFlow.h"
#include "torvane/document/TorvaneDoc.h"
#include "common/charts/ChartSettings.h"
#include "torvane/results/TorvaneChartCatalogue.h"
#include "torvane/services/TorvaneProfile.h"

namespace torvane {
namespace {

void Send(CTorvaneDoc& doc, std::initializer_list<UINT> commands) {
    for (UINT id : commands) doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

// A Chevy small block from the component menus, run.
void BuildChevy(CTorvaneDoc& doc) {
    Send(doc, {33135, 32798, 33052, 33065, 33467, 32851, 33508, 32862, 32891});
    doc.SetAutoRun(false);
    doc.RunSimulation(false, false);
}

// The same with a blower, the compression calculator, file fields, cam
// texts, notes and graph zones: every part of the file in use.
void BuildFullEngine(CTorvaneDoc& doc) {
    BuildChevy(doc);
    Send(doc, {33516, 32999, 33315});
    doc.SetCompressionCalculatorUsed(true);
    doc.SetPistonMethod(1);
    doc.chamberVolume.SetValue(64.0f);
    doc.gasketBore.SetValue(4.1f);
    doc.gasketThickness.SetValue(0.041f);
    doc.pistonDistance.SetValue(0.125f);
    doc.camDataFile.ParseAndSet("C:\\Torvane\\CamFiles (.CAM)\\street.cam", false);
    doc.airflowFile.ParseAndSet("C:\\Torvane\\FlowFiles (.FLW)\\wedge.flw", false);
    doc.cam.SetText(0, "Grind 268H");
    doc.cam.SetText(7, "two\nlines");
    doc.notes.ParseAndSet("  Street engine\nfor the Saturday night\n\n", false);
    ChartSettings& first = doc.GetChartSettings(kFirstChartView);
    first.mode = kChartCombine;
    first.y.Select(18, 3);
    first.zones.preset = kPistonSpeedZonePreset;
    first.zones.zoneCount = 6;
    first.zones.enabled = true;
    first.zones.zones[2].SetMin(2000.0f);
    doc.RecomputeDerived();
    doc.RunSimulation(false, false);
}

// The file's text with its first line replaced (older versions stop early).
std::string WithVersion(const std::string& text, const char* version) {
    return version + text.substr(text.find('\n'));
}

// Saves `write` into `path` and returns the file.
template <class Write>
std::string Saved(const std::string& path, Write write) {
    DeleteFileA(path.c_str());
    write(path.c_str());
    return ReadFileBytes(path);
}

class EngineFileReader : public FuzzReader {
public:
    const char* Extension() const override { return ".tvn"; }

    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        const std::string path = folder + "\\seed.tvn";
        std::vector<std::string> seeds;
        auto add = [&](CTorvaneDoc& doc) {
            seeds.push_back(Saved(path, [&](const char* p) { doc.WriteEngineFile(p); }));
        };
        CTorvaneDoc empty;
        add(empty);
        CTorvaneDoc chevy;
        BuildChevy(chevy);
        add(chevy);
        CTorvaneDoc full;
        BuildFullEngine(full);
        full.SetUnitsMode(1);
        add(full);
        CTorvaneDoc nitrous;
        BuildChevy(nitrous);
        nitrous.nitrousFlowRate.SetValue(5.0f);
        nitrous.SetUnitsMode(1);
        add(nitrous);
        for (const char* version : {"3.10", "3.07"})
            seeds.push_back(WithVersion(seeds[1], version));
        baseline_ = folder + "\\baseline.tvn";
        WriteFileBytes(baseline_, seeds[2]);
        Reset(folder);
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string& folder) override {
        ReadOutcome outcome;
        outcome.accepted = doc_->ReadEngineFile(path.c_str());
        if (outcome.accepted) {
            doc_->RecomputeDerived();
            Reset(folder);
        } else {
            outcome.changed = Save(folder) != before_;
        }
        return outcome;
    }

private:
    // The document under test: the full engine, shown in metric units.
    void Reset(const std::string& folder) {
        doc_.reset(new CTorvaneDoc);
        doc_->ReadEngineFile(baseline_.c_str());
        before_ = Save(folder);
    }
    std::string Save(const std::string& folder) {
        return Saved(folder + "\\document.tvn", [&](const char* p) { doc_->WriteEngineFile(p); });
    }

    std::unique_ptr<CTorvaneDoc> doc_;
    std::string baseline_;
    std::string before_;
};

// A cam or airflow file, read into a component made through the program.
template <class Component>
class ComponentFileReader : public FuzzReader {
public:
    ComponentFileReader(const char* extension, std::vector<Component> samples)
        : extension_(extension), samples_(std::move(samples)) {}

    const char* Extension() const override { return extension_; }

    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        std::vector<std::string> seeds;
        for (Component& sample : samples_) seeds.push_back(Save(sample, folder));
        for (const char* version : {"3.10", "3.05"})
            seeds.push_back(WithVersion(seeds.back(), version));
        component_ = samples_.back();
        before_ = Save(component_, folder);
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string& folder) override {
        ReadOutcome outcome;
        outcome.accepted = component_.LoadFromFile(path.c_str());
        if (outcome.accepted) {
            component_ = samples_.back();
        } else {
            outcome.changed = Save(component_, folder) != before_;
        }
        return outcome;
    }

private:
    std::string Save(Component& component, const std::string& folder) {
        return Saved(folder + "\\component" + extension_,
                     [&](const char* p) { component.SaveToFile(p); });
    }

    const char* extension_;
    std::vector<Component> samples_;
    Component component_;
    std::string before_;
};

std::vector<Cam> SampleCams() {
    std::vector<Cam> cams(3);
    cams[0].Clear();
    Cam& street = cams[1];
    street.Clear();
    street.camshaftType.SetType(2, "High Performance Street");
    street.lifterType.SetType(1, "Hydraulic");
    street.SetTimingSeatToSeat();
    street.SetSeatToSeatLimits();
    street.primary.ivo.SetValue(30);
    street.primary.ivc.SetValue(70);
    street.primary.evo.SetValue(76);
    street.primary.evc.SetValue(28);
    street.advance.SetValue(4);
    street.intakeLift.SetValue(0.5f);
    street.exhaustLift.SetValue(0.5f);
    street.ComputeFromEvents();
    Cam& metric = cams[2];
    metric = street;
    metric.alternate.method.SetType(kFiftyThou, "0.050-inch");
    metric.alternate.ivo.SetLimits(-25, 50);
    metric.alternate.ivc.SetLimits(-10, 95);
    metric.alternate.evo.SetLimits(-10, 105);
    metric.alternate.evc.SetLimits(-25, 50);
    metric.alternate.ivo.SetValue(0);
    metric.alternate.ivc.SetValue(40);
    metric.alternate.evo.SetValue(46);
    metric.alternate.evc.SetValue(-2);
    metric.SetText(4, "Mild street\r\nwith a stock converter");
    metric.SetUnits(1);
    return cams;
}

std::vector<CylHeadFlow> SampleFlows() {
    std::vector<CylHeadFlow> flows(4);
    flows[1].LoadPreset(1);
    flows[2].LoadPreset(10);
    flows[2].SetNumPoints(9);
    flows[2].FillIntakeLifts(7);
    flows[2].FillExhaustLifts(7);
    flows[2].FillNextPoint();
    flows[2].SetNotes("Flowed on 28 inH2O\r\nwith a radiused inlet");
    flows[3].LoadPreset(6);
    flows[3].SetDescription("Ported heads");
    flows[3].SetNotes("kept");
    flows[3].SetUnits(1);
    return flows;
}

// One graph's settings block, as the engine file holds it.
class GraphSettingsReader : public FuzzReader {
public:
    const char* Extension() const override { return ".txt"; }

    std::vector<std::string> MakeSeeds(const std::string& folder) override {
        std::vector<std::string> seeds;
        ChartSettings first(kFirstChartView), second(kSecondChartView), zoned(kFirstChartView);
        zoned.mode = kChartCombine;
        zoned.y.Select(18, 3);
        zoned.zones.preset = kPistonSpeedZonePreset;
        zoned.zones.zoneCount = 6;
        zoned.zones.enabled = true;
        zoned.zones.zones[2].SetMin(2000.0f);
        zoned.zones.zones[2].SetColor(0xBDF3FF);
        for (const ChartSettings* settings : {&first, &second, &zoned})
            seeds.push_back(Save(*settings, folder));
        settings_ = zoned;
        before_ = seeds.back();
        return seeds;
    }

    ReadOutcome Read(const std::string& path, const std::string& folder) override {
        ReadOutcome outcome;
        FILE* file = fopen(path.c_str(), "rt");
        if (file == nullptr) return outcome;
        ChartSettings read = settings_;
        try {
            read.Read(file);
            outcome.accepted = true;
        } catch (const ErrCodeException&) {
            outcome.changed = Save(read, folder) != before_;
        }
        fclose(file);
        return outcome;
    }

private:
    static std::string Save(const ChartSettings& settings, const std::string& folder) {
        const std::string path = folder + "\\settings.txt";
        FILE* file = fopen(path.c_str(), "wt");
        if (file == nullptr) return std::string();
        try {
            settings.Write(file);
        } catch (const ErrCodeException&) {
        }
        fclose(file);
        return ReadFileBytes(path);
    }

    ChartSettings settings_;
    std::string before_;
};

}  // namespace
}  // namespace torvane

int main(int argc, char** argv) {
    torvane::TorvaneInstallProgramProfile();
    using torvane::Cam;
    using torvane::CylHeadFlow;
    const std::vector<ReaderEntry> readers = {
        {"engine", [] { return std::make_unique<torvane::EngineFileReader>(); }},
        {"cam",
         [] {
             return std::make_unique<torvane::ComponentFileReader<Cam>>(".cam",
                                                                        torvane::SampleCams());
         }},
        {"airflow",
         [] {
             return std::make_unique<torvane::ComponentFileReader<CylHeadFlow>>(
                 ".flw", torvane::SampleFlows());
         }},
        {"graph-settings", [] { return std::make_unique<torvane::GraphSettingsReader>(); }},
    };
    return FuzzMain(argc, argv, readers);
}

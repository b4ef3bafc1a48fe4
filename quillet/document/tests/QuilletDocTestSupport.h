// Helpers of the vehicle-document tests: the program's profile and
// simulation interface, a scripted stand-in for the program interface, chart
// views that write a small settings block, and preset vehicles built through
// the document's own choice commands.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "quillet/document/Iterator.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"

namespace quillet {

// Runs a command through the document's message map.
void Command(CQuilletDoc& doc, UINT id);

// A new document on the heap (a document holds about 64 KB of results).
std::unique_ptr<CQuilletDoc> NewDoc();

// The program interface as a test scripts it; installed while it lives.
class TestDocHost : public CQuilletDocHost {
public:
    TestDocHost();
    ~TestDocHost() override;

    bool IsEditorOpen() override { return editorOpen; }
    void PostCommitToOpenEditor() override { ++commitsPosted; }
    bool EditPowerCurve(CPowerCurve& curve, CString& description) override;
    bool RunTractionCalculator(CQuilletDoc& doc) override;
    bool RunQuickIterator(CIterator& coarse, CIterator& fine) override;
    bool RunProIterator(CIterator& coarse, CIterator& fine) override;
    void SetBestResultsIterator(CIterator& iterator) override { bestResults = &iterator; }
    void DropBestResultsIterator(CIterator& iterator) override;
    bool AskImportFileName(CString& path) override;
    bool AskExportFileName(const CString& defaultName, CString& path) override;
    void PostToMainFrame(UINT message, WPARAM wParam) override;

    bool editorOpen = false;
    int commitsPosted = 0;
    // Each dialog: null answers Cancel.
    std::function<bool(CPowerCurve&, CString&)> powerCurveDialog;
    std::function<bool(CQuilletDoc&)> tractionDialog;
    std::function<bool(CIterator&, CIterator&)> quickDialog;
    std::function<bool(CIterator&, CIterator&)> proDialog;
    std::string importPath;  // empty: Cancel
    std::string exportPath;  // empty: Cancel
    std::string exportDefaultName;
    CIterator* bestResults = nullptr;
    std::vector<std::pair<UINT, WPARAM>> posted;
};

// A chart view whose settings block is one line naming the view.
class StubChartView : public CQuilletChartViewLink {
public:
    explicit StubChartView(int id) : id_(id) {}
    void WriteChartSettings(FILE* file) override;
    std::function<void()> ReadChartSettings(FILE* file) override;
    int timesRead = 0;       // settings read and taken
    bool failWrite = false;  // throws the write code
    // Writes its block into a stream that refuses writes: the save learns of
    // it only from the stream's error flag.
    bool breakStream = false;

private:
    int id_;
};

// The three chart views of a document, registered while they live.
class RegisteredChartViews {
public:
    explicit RegisteredChartViews(CQuilletDoc& doc);
    ~RegisteredChartViews();
    StubChartView& View(int i) { return views_[i]; }

private:
    CQuilletDoc& doc_;
    StubChartView views_[3] = {StubChartView(4), StubChartView(5), StubChartView(6)};
};

// Preset vehicles, chosen through the document's commands (then the
// barometer follows from the elevation).
// The full-size coupe, street 350 V8, wide-ratio 4-speed, clutch, 3.54 axle,
// stock street tyres, aggressive driving, typical track.
void ChooseStreetCar(CQuilletDoc& doc);
// The same with a 2-speed automatic behind the 2400-rpm torque converter.
void ChooseStreetCarWithConverter(CQuilletDoc& doc);
// The dragster body with a jet engine, professional driving, typical track.
void ChooseJetDragster(CQuilletDoc& doc);
// The body, driveline, tyres, driving style and weather of the street car
// with no engine chosen.
void ChooseStreetCarWithoutEngine(CQuilletDoc& doc);

// A test's data file, by name, beside the tests' sources.
std::string DataFile(const char* name);

}  // namespace quillet

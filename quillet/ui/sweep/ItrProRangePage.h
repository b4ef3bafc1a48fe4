// The range pages of the sweep dialog's sheet (converter stall, gear ratios,
// launch and shift rpms) work alike: a set of the sweep's variables is left
// out ("Exclude"), swept in the coarse phase only ("Single") or in both
// phases ("Dual"); each phase has a tolerance list per vehicle value (the
// sweep runs from value - tolerance to value + tolerance), one step list,
// and shows how many tests it will run. Each page describes its controls
// and variables in a RangePageLayout; this class does the rest.
#pragma once

#include "common/SimSpec.h"
#include "common/ui/ComboItems.h"
#include "quillet/ui/sweep/ItrProPage.h"

namespace quillet {

class CIterVariable;

// The two phases: the coarse sweep ("Single Phase Test") and the fine one
// around its best result ("Dual Phase Test").
enum SweepPhase : int { kCoarsePhase = 0, kFinePhase = 1 };

// A row's controls in one phase group.
struct RangeRowIds {
    UINT label, value, plusMinus, tolerance;
};

// One vehicle value: the sweep variable it is centred on, the fewest gears
// the vehicle needs for the row to be offered, and its controls in the
// coarse and the fine group.
struct RangeRow {
    int variable;
    int minGears;
    RangeRowIds ids[2];
};

// A phase group's own controls.
struct RangeGroupIds {
    UINT group, stepLabel, step, countLabel, count;
};

struct RangePageLayout {
    UINT phaseFrame, exclude, single, dual;  // exclude < single < dual
    const RangeRow* rows;
    int rowCount;
    RangeGroupIds groups[2];
    const ComboItem* tolerances;
    int toleranceCount;
    const ComboItem* steps;
    int stepCount;
    // List data per unit of the value (1 for rpm, 1000 for ratios).
    int dataPerUnit;
};

// The lists of the rpm pages (launch and shift points, converter stall).
extern const ComboItem kRpmTolerances[7];
extern const ComboItem kRpmSteps[4];

// The vehicle's number of gears; 0 when it has no transmission (a jet).
int VehicleGearCount(const CQuilletDoc& doc);

class CItrProRangePage : public CItrProPage {
    DECLARE_DYNAMIC(CItrProRangePage)
public:
    // Takes the owner's sweeps and document, and counts both phases' tests.
    void SetOwner(CItrProPageOwner* owner) override;
    void UpdatePage() override { UpdateControls(); }
    void EnableControls(bool enable) override { EnableAll(enable); }

    // Shows the phase choice, the vehicle's values, both phases' tolerances,
    // steps and test counts, and enables each group by its phase (nothing
    // before the page window exists).
    virtual void UpdateControls();
    // The phase radio buttons; the rows of a phase group (each only when
    // the vehicle has that value); all of them. None enables while the page
    // is not in use for this vehicle.
    void EnablePhaseChoice(bool enable);
    void EnablePhaseGroup(int phase, bool enable);
    void EnableSinglePhaseGroup(bool enable) { EnablePhaseGroup(kCoarsePhase, enable); }
    void EnableDualPhaseGroup(bool enable) { EnablePhaseGroup(kFinePhase, enable); }
    void EnableAll(bool enable);
    // The enabled flags of all the page's variables of one sweep.
    void SetCoarseVariablesEnabled(bool enable);
    void SetFineVariablesEnabled(bool enable);
    // Any of the page's variables of that phase's sweep is on: the phase
    // runs this page's values (the dialog's status and dual-phase test).
    bool IsPhaseEnabled(int phase) const;
    // The product of the step counts of the page's variables that have
    // values (0 when none has); at most the sweep's limit of combinations.
    int GetNumberOfTests(CIterator* iterator) const;

protected:
    CItrProRangePage(UINT templateId, const RangePageLayout& layout);
    BOOL OnInitDialog() override;

    // The vehicle value of a row, which its variable is centred on.
    virtual const CFloatPtSpec& RowValue(int row) const = 0;
    // The vehicle's number of gears, which decides the rows on offer.
    int AvailableGears() const;
    // False when the vehicle has nothing for this page to sweep.
    virtual bool IsInUse() const { return true; }

    afx_msg void OnExclude();
    afx_msg void OnSingle();
    afx_msg void OnDual();
    afx_msg void OnToleranceChanged(UINT id);
    afx_msg void OnStepChanged(UINT id);

private:
    CIterator* PhaseIterator(int phase) const;
    CIterVariable& Variable(int phase, int row) const;
    bool IsRowOffered(int phase, int row) const;
    void SetVariablesEnabled(CIterator* iterator, bool enable);
    void SetPhases(bool coarse, bool fine);
    // After a setting changed: the run results go, the page and then the
    // other pages show the new settings.
    void AfterChange();
    void ShowTestCount(int phase);
    void SelectListValue(UINT listId, const CFloatPtSpec& field);
    void EnableItem(UINT id, bool enable);

    const RangePageLayout& layout_;
    int tests_[2] = {0, 0};  // as last shown
};

}  // namespace quillet

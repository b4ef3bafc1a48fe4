#include "quillet/ui/sweep/ItrProRangePage.h"

#include <cmath>

#include "common/Assertion.h"
#include "common/Util.h"
#include "quillet/document/Iterator.h"

namespace quillet {

static const char kAssertModule[] = "ItrProRangePage.cpp";

const ComboItem kRpmTolerances[7] = {{"0", 0},       {"500", 500},   {"1000", 1000}, {"1500", 1500},
                                     {"2000", 2000}, {"2500", 2500}, {"3000", 3000}};
const ComboItem kRpmSteps[4] = {{"100", 100}, {"250", 250}, {"500", 500}, {"1000", 1000}};

int VehicleGearCount(const CQuilletDoc& doc) {
    if (!doc.m_gearCount.IsSet() || doc.m_gearCount.GetValue() < 1) return 0;
    APP_ASSERT(doc.m_gearCount.GetValue() <= kGearFieldCount);
    return doc.m_gearCount.GetValue();
}

IMPLEMENT_DYNAMIC(CItrProRangePage, CItrProPage)

CItrProRangePage::CItrProRangePage(UINT templateId, const RangePageLayout& layout)
    : CItrProPage(templateId), layout_(layout) {
    APP_ASSERT(layout.rowCount > 0 && layout.dataPerUnit > 0);
}

void CItrProRangePage::SetOwner(CItrProPageOwner* owner) {
    CItrProPage::SetOwner(owner);
    tests_[kCoarsePhase] = GetNumberOfTests(coarse_);
    tests_[kFinePhase] = GetNumberOfTests(fine_);
}

BOOL CItrProRangePage::OnInitDialog() {
    CItrProPage::OnInitDialog();
    for (int phase : {kCoarsePhase, kFinePhase}) {
        for (int row = 0; row < layout_.rowCount; ++row)
            ComboFillItems(m_hWnd, static_cast<int>(layout_.rows[row].ids[phase].tolerance),
                           layout_.tolerances, layout_.toleranceCount);
        ComboFillItems(m_hWnd, static_cast<int>(layout_.groups[phase].step), layout_.steps,
                       layout_.stepCount);
    }
    UpdateControls();
    return TRUE;
}

// ------------------------------------------------------------------ state

CIterator* CItrProRangePage::PhaseIterator(int phase) const {
    APP_ASSERT(phase == kCoarsePhase || phase == kFinePhase);
    CIterator* iterator = phase == kCoarsePhase ? coarse_ : fine_;
    APP_ASSERT(iterator != nullptr);
    return iterator;
}

CIterVariable& CItrProRangePage::Variable(int phase, int row) const {
    APP_ASSERT(row >= 0 && row < layout_.rowCount);
    return PhaseIterator(phase)->GetVariable(layout_.rows[row].variable);
}

bool CItrProRangePage::IsPhaseEnabled(int phase) const {
    for (int row = 0; row < layout_.rowCount; ++row)
        if (Variable(phase, row).IsEnabled()) return true;
    return false;
}

int CItrProRangePage::AvailableGears() const {
    APP_ASSERT(document_ != nullptr);
    return VehicleGearCount(*document_);
}

// A row is offered when the vehicle has that many gears and the sweep has a
// range for its value (a value the vehicle leaves unset has none).
bool CItrProRangePage::IsRowOffered(int phase, int row) const {
    return AvailableGears() >= layout_.rows[row].minGears &&
           Variable(phase, row).GetKind() != kIterUnused;
}

int CItrProRangePage::GetNumberOfTests(CIterator* iterator) const {
    APP_ASSERT(iterator != nullptr);
    long long tests = 0;
    for (int row = 0; row < layout_.rowCount; ++row) {
        const int steps = iterator->GetVariable(layout_.rows[row].variable).GetStepCount();
        if (steps < 1) continue;
        tests = tests == 0 ? steps : tests * steps;
        // The sweep refuses this many combinations; more cannot be shown.
        if (tests >= kIterMaxCombinations) return kIterMaxCombinations;
    }
    return static_cast<int>(tests);
}

void CItrProRangePage::SetVariablesEnabled(CIterator* iterator, bool enable) {
    APP_ASSERT(iterator != nullptr);
    for (int row = 0; row < layout_.rowCount; ++row)
        iterator->GetVariable(layout_.rows[row].variable).SetEnabled(enable);
}

void CItrProRangePage::SetCoarseVariablesEnabled(bool enable) { SetVariablesEnabled(coarse_, enable); }

void CItrProRangePage::SetFineVariablesEnabled(bool enable) { SetVariablesEnabled(fine_, enable); }

// ---------------------------------------------------------------- showing

void CItrProRangePage::UpdateControls() {
    if (m_hWnd == nullptr) return;
    const bool coarse = IsPhaseEnabled(kCoarsePhase);
    const bool fine = IsPhaseEnabled(kFinePhase);
    APP_ASSERT(coarse || !fine);
    CheckRadioButton(layout_.exclude, layout_.dual,
                     fine ? layout_.dual : coarse ? layout_.single : layout_.exclude);
    const int gears = AvailableGears();
    for (int phase : {kCoarsePhase, kFinePhase}) {
        if (IsInUse()) {
            for (int row = 0; row < layout_.rowCount; ++row) {
                const RangeRowIds& ids = layout_.rows[row].ids[phase];
                UtilSetItemSpecText(this, ids.value, RowValue(row));
                // Rows beyond the vehicle's gears keep what they showed.
                if (gears >= layout_.rows[row].minGears)
                    SelectListValue(ids.tolerance, Variable(phase, row).GetTolerance());
            }
            SelectListValue(layout_.groups[phase].step, Variable(phase, 0).GetStep());
            EnablePhaseGroup(phase, IsPhaseEnabled(phase));
        } else {
            EnablePhaseGroup(phase, false);
        }
        ShowTestCount(phase);
    }
}

void CItrProRangePage::ShowTestCount(int phase) {
    tests_[phase] = GetNumberOfTests(PhaseIterator(phase));
    if (m_hWnd == nullptr) return;
    CString text;
    text.Format("%d", tests_[phase]);
    UtilSetItemTextString(this, layout_.groups[phase].count, text);
}

// The item of the value in list units, truncated; none when the value is
// unset or not listed.
void CItrProRangePage::SelectListValue(UINT listId, const CFloatPtSpec& field) {
    const double value = std::trunc(static_cast<double>(field.GetValue()) * layout_.dataPerUnit);
    ComboSelectValue(m_hWnd, static_cast<int>(listId),
                     field.IsSet() && value >= 0.0 ? static_cast<int>(value) : -1);
}

// --------------------------------------------------------------- enabling

void CItrProRangePage::EnableItem(UINT id, bool enable) {
    CWnd* item = GetDlgItem(static_cast<int>(id));
    APP_ASSERT(item != nullptr);
    item->EnableWindow(enable);
}

void CItrProRangePage::EnablePhaseChoice(bool enable) {
    if (m_hWnd == nullptr) return;
    const bool on = enable && IsInUse();
    for (UINT id : {layout_.phaseFrame, layout_.exclude, layout_.single, layout_.dual})
        EnableItem(id, on);
}

void CItrProRangePage::EnablePhaseGroup(int phase, bool enable) {
    if (m_hWnd == nullptr) return;
    const bool on = enable && IsInUse();
    const RangeGroupIds& group = layout_.groups[phase];
    const bool anyGear = on && AvailableGears() >= 1;
    for (UINT id : {group.group, group.stepLabel, group.step, group.countLabel, group.count})
        EnableItem(id, anyGear);
    for (int row = 0; row < layout_.rowCount; ++row) {
        const RangeRowIds& ids = layout_.rows[row].ids[phase];
        const bool offered = on && IsRowOffered(phase, row);
        for (UINT id : {ids.label, ids.value, ids.plusMinus, ids.tolerance}) EnableItem(id, offered);
    }
}

void CItrProRangePage::EnableAll(bool enable) {
    EnablePhaseChoice(enable);
    EnablePhaseGroup(kCoarsePhase, enable);
    EnablePhaseGroup(kFinePhase, enable);
}

// --------------------------------------------------------------- handlers

void CItrProRangePage::OnExclude() { SetPhases(false, false); }

void CItrProRangePage::OnSingle() { SetPhases(true, false); }

void CItrProRangePage::OnDual() { SetPhases(true, true); }

void CItrProRangePage::SetPhases(bool coarse, bool fine) {
    SetCoarseVariablesEnabled(coarse);
    SetFineVariablesEnabled(fine);
    AfterChange();
}

void CItrProRangePage::OnToleranceChanged(UINT id) {
    for (int phase : {kCoarsePhase, kFinePhase}) {
        for (int row = 0; row < layout_.rowCount; ++row) {
            if (layout_.rows[row].ids[phase].tolerance != id) continue;
            APP_ASSERT(AvailableGears() >= layout_.rows[row].minGears);
            const int value = ComboSelectedValue(m_hWnd, static_cast<int>(id));
            CIterVariable& variable = Variable(phase, row);
            if (value >= 0 && variable.GetKind() != kIterUnused)
                variable.SetCentre(RowValue(row).GetValue(),
                                   static_cast<float>(value) / static_cast<float>(layout_.dataPerUnit));
            AfterChange();
            return;
        }
    }
    APP_ASSERT(false);
}

// The step serves every row the vehicle has; the others keep theirs.
void CItrProRangePage::OnStepChanged(UINT id) {
    const int phase = id == layout_.groups[kCoarsePhase].step ? kCoarsePhase : kFinePhase;
    APP_ASSERT(id == layout_.groups[phase].step);
    const int value = ComboSelectedValue(m_hWnd, static_cast<int>(id));
    if (value >= 0) {
        const float step = static_cast<float>(value) / static_cast<float>(layout_.dataPerUnit);
        for (int row = 0; row < layout_.rowCount; ++row) {
            if (AvailableGears() < layout_.rows[row].minGears) continue;
            CIterVariable& variable = Variable(phase, row);
            if (variable.GetKind() != kIterUnused) variable.SetStep(step);
        }
    }
    AfterChange();
}

void CItrProRangePage::AfterChange() {
    APP_ASSERT(owner_ != nullptr);
    owner_->ResetRunResults();
    UpdateControls();
    owner_->UpdateAllPages(this);
}

}  // namespace quillet

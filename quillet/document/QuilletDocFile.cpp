// The vehicle file (.qlt): text lines in a fixed order, values always in
// English units. Version "4.05" is written; "4.05", "3.10" and "3.05" read.
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "common/ErrCodeException.h"
#include "common/SafeFileSave.h"
#include "common/Util.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/document/QuilletDocFields.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

static const char kAssertModule[] = "QuilletDocFile.cpp";

namespace {

const char kVersion405[] = "4.05";
const char kVersion310[] = "3.10";
const char kVersion305[] = "3.05";

[[noreturn]] void ThrowFileCode(unsigned short code) { throw ErrCodeException(code); }

}  // namespace

bool CQuilletDoc::ChartViewsRegistered() const {
    for (const CQuilletChartViewLink* view : chartViews_) {
        if (view == nullptr) return false;
    }
    return true;
}

BOOL CQuilletDoc::OnSaveDocument(LPCSTR pathName) {
    if (!ValidateOrShowCode()) return FALSE;
    if (!WriteVehicleFile(pathName)) return FALSE;
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CQuilletDoc::OnOpenDocument(LPCSTR pathName) {
    if (!CDocument::OnOpenDocument(pathName)) return FALSE;
    APP_ASSERT(ChartViewsRegistered());
    for (CQuilletChartViewLink* view : chartViews_) view->ResetZoneSettings();
    if (!ReadVehicleFile(pathName)) return FALSE;
    for (CQuilletChartViewLink* view : chartViews_) {
        if (view->ZonesEnabled()) view->RedrawZones();
    }
    UpdateBarometerFromElevation();
    SetModifiedFlag(FALSE);
    return TRUE;
}

bool CQuilletDoc::WriteVehicleFile(const char* path) {
    APP_ASSERT(path != nullptr);
    APP_ASSERT(ChartViewsRegistered());
    const int savedUnits = units_;
    SetUnits(0);
    // A new file replaces the old one only when it was written completely.
    const unsigned short failure = WriteFileSafely(
        path, "wt", kFileWriteCodes, [&](FILE* file) { WriteVehicleLines(file, savedUnits); });
    SetUnits(savedUnits);
    if (failure == 0) return true;
    ErrCodeShowError(failure);
    return false;
}

void CQuilletDoc::WriteVehicleLines(FILE* file, int savedUnits) const {
    UtilWriteFormat(file, "%s\n", kVersion405);
    UtilWriteInt(file, savedUnits);
    UtilWriteInt(file, autoRun_ ? 1 : 0);
    // The barometer follows from the elevation; the notes come last.
    VisitFields(*this, [this, file](const auto& field) {
        const CSimSpec* spec = &field;
        if (spec != &m_barometer && spec != &m_notes) field.WriteToFile(file);
    });
    m_powerCurve.WriteToFile(file);
    UtilWriteInt(file, raceLength_);
    m_notes.WriteToFile(file);
    for (CQuilletChartViewLink* view : chartViews_) view->WriteChartSettings(file);
}

bool CQuilletDoc::ReadVehicleFile(const char* path) {
    APP_ASSERT(path != nullptr);
    FILE* file = fopen(path, "rt");
    if (file == nullptr) {
        ErrCodeShowError(kErrFileOpen);
        return false;
    }
    // Read into a copy, so that a damaged file leaves the document and its
    // chart views as they were; what an older file does not hold keeps the
    // document's values.
    std::unique_ptr<CQuilletDoc> read(new CQuilletDoc);
    CopyVehicleTo(read.get());
    read->SetUnits(0);
    std::vector<std::function<void()>> takeSettings;
    unsigned short failure = 0;
    try {
        read->ReadVehicleLines(file, chartViews_, takeSettings);
    } catch (const ErrCodeException& error) {
        failure = error.Code();
    }
    if (fclose(file) != 0 && failure == 0) failure = kErrFileClose;
    if (failure != 0) {
        ErrCodeShowError(failure);
        return false;
    }
    read->CopyVehicleTo(this);
    for (const std::function<void()>& take : takeSettings) take();
    return true;
}

void CQuilletDoc::ReadVehicleLines(FILE* file, CQuilletChartViewLink* const (&views)[3],
                                   std::vector<std::function<void()>>& takeSettings) {
    CString version = UtilReadLine(file);
    version.Trim();
    if (version != kVersion405 && version != kVersion310 && version != kVersion305)
        ThrowFileCode(kErrFileVersion);
    const int units = UtilReadInt(file);
    if (units != 0 && units != 1) ThrowFileCode(kErrFileValue);
    autoRun_ = UtilReadInt(file) != 0;
    VisitFields(*this, [this, file](auto& field) {
        const CSimSpec* spec = &field;
        if (spec != &m_barometer && spec != &m_notes) field.ReadFromFile(file);
    });
    m_powerCurve.ReadFromFile(file);
    if (version != kVersion305) {
        const int raceLength = UtilReadInt(file);
        if (raceLength != 660 && raceLength != 1320) ThrowFileCode(kErrFileValue);
        raceLength_ = raceLength;
    }
    if (version == kVersion405) {
        m_notes.ReadFromFile(file);
        for (CQuilletChartViewLink* view : views) {
            APP_ASSERT(view != nullptr);
            takeSettings.push_back(view->ReadChartSettings(file));
        }
    }
    // A jet's placeholders are written as "no name" and come back unset.
    ApplyEngineClassPlaceholders();
    SetUnits(units);
}

}  // namespace quillet

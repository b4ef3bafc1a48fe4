#include "common/SimSpec.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "common/Assertion.h"
#include "common/ProgramProfile.h"
#include "common/Util.h"

static const char kAssertModule[] = "SimSpec.cpp";

namespace {

const char kNotSetText[] = "***";
// Slack of the range test, so that values converted between units still pass.
const double kRangeSlack = 0.00001;
// A text that converts to 0 must look like a number and be at most this long.
const size_t kMaxZeroTextLength = 100;

// The format of a unit: the last row of the table with that id.
const char* FindUnitFormat(int unit) {
    const ProgramProfile& profile = CurrentProgramProfile();
    const char* format = nullptr;
    for (int i = 0; i < profile.unitCount; ++i) {
        if (profile.units[i].id == unit) format = profile.units[i].format;
    }
    return format;
}

}  // namespace

// ---------------------------------------------------------------- CSimSpec

CSimSpec::CSimSpec(const char* name) : name_(name) {
    APP_ASSERT(name != nullptr);
}

void CSimSpec::SetName(const char* name) {
    APP_ASSERT(name != nullptr);
    name_ = name;
}

void CSimSpec::AssertValid() const {
    APP_ASSERT(name_ != nullptr);
}

// ------------------------------------------------------------ CFloatPtSpec

CFloatPtSpec::CFloatPtSpec(const char* name, int baseUnit, float min, float max, int altUnit,
                           float factor)
    : CSimSpec(name),
      min_(min),
      max_(max),
      baseUnit_(baseUnit),
      altUnit_(altUnit),
      factor_(factor) {
    InitUnits();
}

CFloatPtSpec::CFloatPtSpec(const CFloatPtSpec& other) : CSimSpec(other) {
    *this = other;
    if (!other.IsValid()) Clear();
}

CFloatPtSpec& CFloatPtSpec::operator=(const CFloatPtSpec& other) {
    CSimSpec::operator=(other);
    value_ = other.value_;
    min_ = other.min_;
    max_ = other.max_;
    minAlt_ = other.minAlt_;
    maxAlt_ = other.maxAlt_;
    currentUnit_ = other.currentUnit_;
    baseUnit_ = other.baseUnit_;
    altUnit_ = other.altUnit_;
    factor_ = other.factor_;
    baseFormat_ = other.baseFormat_;
    altFormat_ = other.altFormat_;
    AssertValid();
    return *this;
}

void CFloatPtSpec::Redefine(const char* name, int baseUnit, float min, float max, int altUnit,
                            float factor) {
    SetName(name);
    baseUnit_ = baseUnit;
    min_ = min;
    max_ = max;
    altUnit_ = altUnit;
    factor_ = factor;
    InitUnits();
}

void CFloatPtSpec::InitUnits() {
    // Both products in float, exactly as ToAltUnit converts values, so that a
    // value at a limit stays at the limit in the other unit.
    minAlt_ = min_ * factor_;
    maxAlt_ = max_ * factor_;
    currentUnit_ = baseUnit_;
    value_ = min_;
    baseFormat_ = FindUnitFormat(baseUnit_);
    altFormat_ = FindUnitFormat(altUnit_);
    AssertValid();
}

void CFloatPtSpec::SetLimits(float min, float max) {
    min_ = min;
    max_ = max;
    minAlt_ = min * factor_;
    maxAlt_ = max * factor_;
    if (!IsInRange(value_)) ResetToMin();
    AssertValid();
}

void CFloatPtSpec::ResetToMin() {
    value_ = LowerLimit();
    Clear();
}

bool CFloatPtSpec::IsInRange(float value) const {
    return value >= LowerLimit() - kRangeSlack && value <= UpperLimit() + kRangeSlack;
}

void CFloatPtSpec::SetValue(float value) {
    APP_ASSERT(IsInRange(value));
    value_ = value;
    MarkSet();
}

void CFloatPtSpec::SetValueRounded(float value, int decimals) {
    SetValue(UtilRoundToDecimals(value, decimals));
}

void CFloatPtSpec::SetValueInUnit(float value, bool inBaseUnit) {
    SetUnitSystem(inBaseUnit);
    SetValue(value);
}

void CFloatPtSpec::AddClamped(float delta) {
    float value = value_ + delta;
    if (!IsInRange(value)) value = delta > 0.0f ? UpperLimit() : LowerLimit();
    SetValue(value);
}

const char* CFloatPtSpec::GetUnitText() const {
    const ProgramProfile& profile = CurrentProgramProfile();
    APP_ASSERT(currentUnit_ >= 0 && currentUnit_ < profile.unitCount);
    return profile.units[currentUnit_].text;
}

void CFloatPtSpec::SetUnitSystem(bool base) {
    if (base) {
        ToBaseUnit();
    } else {
        ToAltUnit();
    }
}

void CFloatPtSpec::ToBaseUnit() {
    if (IsBaseUnit()) return;
    float value = value_ / factor_;
    if (value < min_) value = min_;
    if (value > max_) value = max_;
    value_ = value;
    currentUnit_ = baseUnit_;
}

void CFloatPtSpec::ToAltUnit() {
    if (IsAltUnit()) return;
    value_ = value_ * factor_;
    currentUnit_ = altUnit_;
}

bool CFloatPtSpec::ParseNumber(const char* text, float& out) const {
    APP_ASSERT(text != nullptr);
    if (*text == '\0') return false;
    const double number = atof(text);
    // atof gives 0 for text that is no number at all: only a written zero counts.
    if (number == 0.0 &&
        (strlen(text) > kMaxZeroTextLength || strspn(text, "0123456789.-") != strlen(text))) {
        return false;
    }
    out = static_cast<float>(number);
    return true;
}

bool CFloatPtSpec::ParseAndSetRounded(const char* text, int decimals) {
    float value = 0.0f;
    if (!ParseNumber(text, value)) return false;
    value = UtilRoundToDecimals(value, decimals);
    if (!IsInRange(value)) return false;
    SetValue(value);
    return true;
}

bool CFloatPtSpec::ParseAndSet(const char* text, bool validateOnly) {
    float value = 0.0f;
    if (!ParseNumber(text, value) || !IsInRange(value)) return false;
    if (!validateOnly) SetValue(value);
    return true;
}

void CFloatPtSpec::FormatValue(CString& out) const {
    if (!IsSet()) {
        out = kNotSetText;
        return;
    }
    out.Format(CurrentFormat(), value_);
}

void CFloatPtSpec::FormatWithUnits(CString& out) const {
    FormatValue(out);
    out += ' ';
    out += GetUnitText();
}

bool CFloatPtSpec::IsValid() const {
    return IsSet() && IsInRange(value_);
}

void CFloatPtSpec::GetPrompt(CString& out) const {
    CString format;
    format.Format("Enter %%s Value Within Range: %s to %s %%s", CurrentFormat(), CurrentFormat());
    out.Format(format, GetName(), LowerLimit(), UpperLimit(), GetUnitText());
}

void CFloatPtSpec::WriteToFile(FILE* file) const {
    UtilWriteFormat(file, "%d %f\n", IsSet() ? 1 : 0, value_);
}

void CFloatPtSpec::ReadFromFile(FILE* file) {
    int flag = 0;
    float value = 0.0f;
    if (sscanf(UtilReadLine(file), "%d %f", &flag, &value) != 2) ThrowFileReadError();
    if (!IsInRange(value)) ThrowFileValueError();
    // A value within the slack but past a limit is stored as the limit: past
    // it, the value would leave the range once converted to the other unit.
    SetValue(std::min(std::max(value, LowerLimit()), UpperLimit()));
    if (flag == 0) Clear();
}

void CFloatPtSpec::AssertValid() const {
    CSimSpec::AssertValid();
    APP_ASSERT(min_ <= max_ && minAlt_ <= maxAlt_);
    APP_ASSERT(currentUnit_ == baseUnit_ || currentUnit_ == altUnit_);
    APP_ASSERT(IsInRange(value_));
    APP_ASSERT(baseFormat_ != nullptr && altFormat_ != nullptr);
}

void CFloatPtSpec::SetAlternateLimits(float minAlt, float maxAlt) {
    minAlt_ = minAlt;
    maxAlt_ = maxAlt;
}

void CFloatPtSpec::StoreInUnit(int unit, float value) {
    APP_ASSERT(unit == baseUnit_ || unit == altUnit_);
    currentUnit_ = unit;
    value_ = value;
}

// ------------------------------------------------------------ CIntegerSpec

CIntegerSpec::CIntegerSpec(const char* name, int min, int max)
    : CSimSpec(name), value_(min), min_(min), max_(max) {
    AssertValid();
}

CIntegerSpec& CIntegerSpec::operator=(const CIntegerSpec& other) {
    CSimSpec::operator=(other);
    value_ = other.value_;
    min_ = other.min_;
    max_ = other.max_;
    AssertValid();
    return *this;
}

void CIntegerSpec::SetValue(int value) {
    APP_ASSERT(IsInRange(value));
    value_ = value;
    MarkSet();
}

bool CIntegerSpec::ParseAndSet(const char* text, bool validateOnly) {
    APP_ASSERT(text != nullptr);
    if (*text == '\0') return false;
    // strtol rather than atoi: an overlong number saturates instead of wrapping.
    const long value = strtol(text, nullptr, 10);
    if (value < min_ || value > max_) return false;
    if (!validateOnly) SetValue(static_cast<int>(value));
    return true;
}

void CIntegerSpec::FormatValue(CString& out) const {
    if (!IsSet()) {
        out = kNotSetText;
        return;
    }
    out.Format("%d", value_);
}

bool CIntegerSpec::IsValid() const {
    return IsSet() && IsInRange(value_);
}

void CIntegerSpec::GetPrompt(CString& out) const {
    out.Format("Enter %s Value Within Range: %d to %d", GetName(), min_, max_);
}

void CIntegerSpec::WriteToFile(FILE* file) const {
    UtilWriteInt(file, value_);
}

void CIntegerSpec::ReadFromFile(FILE* file) {
    SetValue(ReadValueInRange(file));
}

int CIntegerSpec::ReadValueInRange(FILE* file) const {
    const int value = UtilReadInt(file);
    if (!IsInRange(value)) ThrowFileValueError();
    return value;
}

void CIntegerSpec::AssertValid() const {
    CSimSpec::AssertValid();
    APP_ASSERT(min_ <= value_ && value_ <= max_);
}

// ----------------------------------------------------------- CPartTypeSpec

CPartTypeSpec::CPartTypeSpec(const char* name, int min, int max) : CIntegerSpec(name, min, max) {
    AssertValid();
}

CPartTypeSpec& CPartTypeSpec::operator=(const CPartTypeSpec& other) {
    CIntegerSpec::operator=(other);
    partName_ = other.partName_;
    AssertValid();
    return *this;
}

bool CPartTypeSpec::SetType(int index, const char* partName, bool validateOnly) {
    APP_ASSERT(partName != nullptr);
    if (*partName == '\0' || !IsInRange(index)) return false;
    if (!validateOnly) {
        SetValue(index);
        partName_ = partName;
    }
    return true;
}

bool CPartTypeSpec::ParseAndSet(const char* text, bool validateOnly) {
    return SetType(GetMaximum(), text, validateOnly);
}

void CPartTypeSpec::FormatValue(CString& out) const {
    out = IsSet() ? partName_ : CString(kNotSetText);
}

void CPartTypeSpec::GetPrompt(CString& out) const {
    out.Format("Select or Enter %s", GetName());
}

void CPartTypeSpec::WriteToFile(FILE* file) const {
    UtilWriteLine(file, partName_);
    UtilWriteInt(file, GetValue());
}

void CPartTypeSpec::ReadFromFile(FILE* file) {
    const CString partName = UtilReadLine(file);
    if (!SetType(ReadValueInRange(file), partName)) Clear();
}

void CPartTypeSpec::AssertValid() const {
    CIntegerSpec::AssertValid();
    APP_ASSERT(GetMinimum() > 0);
}

// --------------------------------------------------------------- CTextSpec

bool CTextSpec::ParseAndSet(const char* text, bool validateOnly) {
    APP_ASSERT(text != nullptr);
    if (*text == '\0') return false;
    if (!validateOnly) {
        text_ = text;
        MarkSet();
    }
    return true;
}

void CTextSpec::FormatValue(CString& out) const {
    out = IsSet() ? text_ : CString(kNotSetText);
}

bool CTextSpec::IsValid() const {
    return IsSet() && !text_.IsEmpty();
}

// --------------------------------------------------------------- CFileSpec

void CFileSpec::GetPrompt(CString& out) const {
    out.Format("Open or Save %s", GetName());
}

void CFileSpec::WriteToFile(FILE* file) const {
    CString path;
    FormatValue(path);
    UtilWriteInt(file, IsSet() ? 1 : 0);
    UtilWriteLine(file, path);
}

void CFileSpec::ReadFromFile(FILE* file) {
    const int flag = UtilReadInt(file);
    const CString path = UtilReadLine(file);
    // The line reads as the state that was written: a path, or not set.
    if (flag == 0 || !ParseAndSet(path, false)) Clear();
}

// -------------------------------------------------------------- CNotesSpec

void CNotesSpec::GetPrompt(CString& out) const {
    out = "Enter or Modify Notes Text";
}

void CNotesSpec::WriteToFile(FILE* file) const {
    CString text;
    FormatValue(text);
    UtilWriteFormat(file, "%d %d\n", IsSet() ? 1 : 0, text.GetLength());
    UtilWriteFormat(file, "%s\n", static_cast<const char*>(text));
}

void CNotesSpec::ReadFromFile(FILE* file) {
    int flag = 0;
    int length = 0;
    if (sscanf(UtilReadLine(file), "%d %d", &flag, &length) != 2) ThrowFileReadError();
    if (length < 0) ThrowFileValueError();
    // Read character by character: the length comes from the file and
    // reserves nothing before the characters are really there.
    CString text;
    for (int i = 0; i < length; ++i) {
        const int ch = fgetc(file);
        if (ch == EOF) ThrowFileReadError();
        text += static_cast<char>(ch);
    }
    if (fgetc(file) != '\n') ThrowFileReadError();
    if (flag == 0 || !ParseAndSet(text, false)) Clear();
}

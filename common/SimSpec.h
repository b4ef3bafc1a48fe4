// Specification fields: the typed, named values of a document. Each field
// knows whether it is set, its limits, how to parse user text, format itself
// for display and prompts, and write and read itself as text lines.
//
// Floats carry a base ("Domestic/English") and an alternate ("Foreign/Metric")
// unit from the installed program's unit table (ProgramProfile.h); their file
// lines throw that program's error codes as ErrCodeException.
#pragma once

#include <cstdio>

#include "framework/TextString.h"

class CSimSpec {
public:
    explicit CSimSpec(const char* name);
    CSimSpec(const CSimSpec&) = default;
    CSimSpec& operator=(const CSimSpec&) = default;
    virtual ~CSimSpec() = default;

    const char* GetName() const { return name_; }
    void SetName(const char* name);
    bool IsSet() const { return isSet_; }
    // Not set any more; the value is kept.
    void Clear() { isSet_ = false; }

    // Parses user text (never null; empty is always rejected). With
    // validateOnly the field is left as it is. False: the text is refused.
    virtual bool ParseAndSet(const char* text, bool validateOnly) = 0;
    // The value as text, "***" when the field is not set.
    virtual void FormatValue(CString& out) const = 0;
    // FormatValue, with a blank and the unit text for numbers with units.
    virtual void FormatWithUnits(CString& out) const { FormatValue(out); }
    // Set, and within the limits.
    virtual bool IsValid() const = 0;
    // The prompt shown when the user edits the field.
    virtual void GetPrompt(CString& out) const = 0;
    // The field's text lines.
    virtual void WriteToFile(FILE* file) const = 0;
    virtual void ReadFromFile(FILE* file) = 0;
    virtual bool IsMultiLine() const { return false; }
    // Checks the invariants; a broken one is an assertion.
    virtual void AssertValid() const;

protected:
    void MarkSet() { isSet_ = true; }

private:
    const char* name_;  // a literal, not owned
    bool isSet_ = false;
};

// A real number with limits and two unit systems (alternate = base x factor).
class CFloatPtSpec : public CSimSpec {
public:
    CFloatPtSpec(const char* name, int baseUnit, float min, float max, int altUnit, float factor);
    // The copy is set only when the source is valid.
    CFloatPtSpec(const CFloatPtSpec& other);
    CFloatPtSpec& operator=(const CFloatPtSpec& other);

    // Construction again on an existing field; the is-set flag is kept.
    void Redefine(const char* name, int baseUnit, float min, float max, int altUnit, float factor);
    // New base-unit limits; a value outside them is reset to the minimum.
    void SetLimits(float min, float max);
    // Value = lower limit of the current unit, not set.
    void ResetToMin();

    // Within the current unit's limits widened by 0.00001 on both sides.
    bool IsInRange(float value) const;
    // Stores a value of the current unit that is in range (assertion otherwise).
    void SetValue(float value);
    void SetValueRounded(float value, int decimals);
    // Switches to the base or alternate unit, then SetValue.
    void SetValueInUnit(float value, bool inBaseUnit);
    // Value + delta, or the limit it passes; then SetValue.
    void AddClamped(float delta);

    float GetValue() const { return value_; }
    int GetUnit() const { return currentUnit_; }
    const char* GetUnitText() const;
    bool IsBaseUnit() const { return currentUnit_ == baseUnit_; }
    bool IsAltUnit() const { return currentUnit_ == altUnit_; }

    void SetUnitSystem(bool base);
    // Converts to the base unit, clamping the value into the limits.
    void ToBaseUnit();
    // Converts to the alternate unit (no clamping).
    void ToAltUnit();

    // The number rule of ParseAndSet without the range test.
    bool ParseNumber(const char* text, float& out) const;
    // Parses, rounds to `decimals`, tests the range and stores.
    bool ParseAndSetRounded(const char* text, int decimals);

    bool ParseAndSet(const char* text, bool validateOnly) override;
    void FormatValue(CString& out) const override;
    void FormatWithUnits(CString& out) const override;
    bool IsValid() const override;
    void GetPrompt(CString& out) const override;
    // "%d %f": is-set flag, value in the current unit.
    void WriteToFile(FILE* file) const override;
    void ReadFromFile(FILE* file) override;
    void AssertValid() const override;

protected:
    // For fields whose units are not related by a factor (temperatures).
    float GetBaseMinimum() const { return min_; }
    float GetBaseMaximum() const { return max_; }
    void SetAlternateLimits(float minAlt, float maxAlt);
    // Changes the current unit and stores a value of it, without converting.
    void StoreInUnit(int unit, float value);

private:
    void InitUnits();
    float LowerLimit() const { return IsBaseUnit() ? min_ : minAlt_; }
    float UpperLimit() const { return IsBaseUnit() ? max_ : maxAlt_; }
    const char* CurrentFormat() const { return IsBaseUnit() ? baseFormat_ : altFormat_; }

    float value_ = 0.0f;  // in the current unit
    float min_, max_;     // base unit
    float minAlt_ = 0.0f, maxAlt_ = 0.0f;
    int currentUnit_ = 0;
    int baseUnit_, altUnit_;
    float factor_;
    const char* baseFormat_ = nullptr;
    const char* altFormat_ = nullptr;
};

// An integer with limits.
class CIntegerSpec : public CSimSpec {
public:
    CIntegerSpec(const char* name, int min, int max);
    CIntegerSpec(const CIntegerSpec&) = default;
    CIntegerSpec& operator=(const CIntegerSpec& other);

    bool IsInRange(int value) const { return value >= min_ && value <= max_; }
    // Stores a value in range (assertion otherwise) and sets the field.
    void SetValue(int value);
    int GetValue() const { return value_; }

    bool ParseAndSet(const char* text, bool validateOnly) override;
    void FormatValue(CString& out) const override;
    bool IsValid() const override;
    void GetPrompt(CString& out) const override;
    // "%d": the value; reading always leaves the field set.
    void WriteToFile(FILE* file) const override;
    void ReadFromFile(FILE* file) override;
    void AssertValid() const override;

protected:
    int GetMinimum() const { return min_; }
    int GetMaximum() const { return max_; }
    // Reads an integer line and checks it against the limits.
    int ReadValueInRange(FILE* file) const;

private:
    int value_;
    int min_, max_;
};

// A choice of part: a type index within 1..n plus the chosen part's name.
// The last type of every part list is the custom one.
class CPartTypeSpec : public CIntegerSpec {
public:
    // Requires 0 < min <= max.
    CPartTypeSpec(const char* name, int min, int max);
    CPartTypeSpec(const CPartTypeSpec&) = default;
    CPartTypeSpec& operator=(const CPartTypeSpec& other);

    // False when the name is empty or the index out of range; otherwise
    // (unless validateOnly) stores both and sets the field.
    bool SetType(int index, const char* partName, bool validateOnly = false);
    const CString& GetTypeName() const { return partName_; }

    // Typed text names the custom (highest) type.
    bool ParseAndSet(const char* text, bool validateOnly) override;
    void FormatValue(CString& out) const override;
    void GetPrompt(CString& out) const override;
    // The part name line, then the index line.
    void WriteToFile(FILE* file) const override;
    void ReadFromFile(FILE* file) override;
    void AssertValid() const override;

private:
    CString partName_;
};

// A field whose value is a text: any non-empty text is accepted.
class CTextSpec : public CSimSpec {
public:
    explicit CTextSpec(const char* name) : CSimSpec(name) {}

    const CString& GetText() const { return text_; }

    bool ParseAndSet(const char* text, bool validateOnly) override;
    void FormatValue(CString& out) const override;
    bool IsValid() const override;

private:
    CString text_;
};

// A file path.
class CFileSpec : public CTextSpec {
public:
    explicit CFileSpec(const char* name) : CTextSpec(name) {}

    void GetPrompt(CString& out) const override;
    // The is-set flag line, then the path line ("***" when not set).
    void WriteToFile(FILE* file) const override;
    void ReadFromFile(FILE* file) override;
};

// Free multi-line notes.
class CNotesSpec : public CTextSpec {
public:
    explicit CNotesSpec(const char* name) : CTextSpec(name) {}

    void GetPrompt(CString& out) const override;
    // "%d %d": is-set flag and text length, then the text and a newline.
    void WriteToFile(FILE* file) const override;
    void ReadFromFile(FILE* file) override;
    bool IsMultiLine() const override { return true; }
};

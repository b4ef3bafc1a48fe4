// Field helpers for the tests of the shared code and of both programs.
#pragma once

#include <string>

#include "common/SimSpec.h"

// A field as the user sees it: its value with its unit.
inline std::string Shown(const CSimSpec& field) {
    CString text;
    field.FormatWithUnits(text);
    return text.GetString();
}

// A unit-less field (unit 0 in every program's table) with limits 0..100,
// holding `value`.
inline CFloatPtSpec UnitlessSpec(float value) {
    CFloatPtSpec spec("Value", 0, 0.0f, 100.0f, 0, 1.0f);
    spec.SetValue(value);
    return spec;
}

// A temperature field: degrees Fahrenheit as its base unit and degrees
// Celsius as its alternate one. The two scales are not related by a factor,
// so the document switches it with SetEnglishUnits, not SetUnitSystem.
#pragma once

#include "common/SimSpec.h"

namespace quillet {

float TemperatureFtoC(float fahrenheit);
float TemperatureCtoF(float celsius);

class CTemperatureSpec : public CFloatPtSpec {
public:
    // Limits in degrees Fahrenheit.
    CTemperatureSpec(const char* name, float minFahrenheit, float maxFahrenheit);

    // Celsius to Fahrenheit, clamped into the Fahrenheit limits.
    void ToFahrenheit();
    // Fahrenheit to Celsius.
    void ToCelsius();
    void SetEnglishUnits(bool english);
};

}  // namespace quillet

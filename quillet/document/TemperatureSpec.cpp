#include "quillet/document/TemperatureSpec.h"

#include "quillet/services/QuilletProfile.h"

namespace quillet {

float TemperatureFtoC(float fahrenheit) { return (fahrenheit - 32.0f) * 0.5555556f; }

float TemperatureCtoF(float celsius) { return celsius * 1.8f + 32.0f; }

CTemperatureSpec::CTemperatureSpec(const char* name, float minFahrenheit, float maxFahrenheit)
    : CFloatPtSpec(name, kUnitFahrenheit, minFahrenheit, maxFahrenheit, kUnitCelsius, 1.0f) {
    SetAlternateLimits(TemperatureFtoC(minFahrenheit), TemperatureFtoC(maxFahrenheit));
}

void CTemperatureSpec::ToFahrenheit() {
    if (IsBaseUnit()) return;
    float value = TemperatureCtoF(GetValue());
    if (value < GetBaseMinimum()) value = GetBaseMinimum();
    if (value > GetBaseMaximum()) value = GetBaseMaximum();
    StoreInUnit(kUnitFahrenheit, value);
}

void CTemperatureSpec::ToCelsius() {
    if (IsAltUnit()) return;
    StoreInUnit(kUnitCelsius, TemperatureFtoC(GetValue()));
}

void CTemperatureSpec::SetEnglishUnits(bool english) {
    if (english) {
        ToFahrenheit();
    } else {
        ToCelsius();
    }
}

}  // namespace quillet

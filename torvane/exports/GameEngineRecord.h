// The engine record that older game programs read: 815 bytes, little-endian,
// packed, every byte not named 0. Built from plain values, so that its layout
// stands apart from where the values come from.
#pragma once

#include <array>

namespace torvane {

constexpr int kGameRecordSize = 815;
// Result curves 2 (brake power) to 8 (FMEP), 19 points each.
constexpr int kGameRecordCurveCount = 7;
constexpr int kGameRecordPointCount = 19;

using GameEngineRecord = std::array<unsigned char, kGameRecordSize>;

struct GameEngineRecordInputs {
    const char* camshaftName = "";
    const char* shortBlockName = "";
    int manifoldType = 0;
    int cylinderHeadType = 0;
    int exhaustSystem = 0;
    bool timing050Inch = false;  // the cam's primary events are 0.050-inch events
    int lifterType = 0;
    float bore = 0.0f;  // lengths in inches
    float stroke = 0.0f;
    int cylinders = 0;
    float intakeValveDiameter = 0.0f;
    float exhaustValveDiameter = 0.0f;
    float compressionRatio = 0.0f;
    float inductionFlow = 0.0f;   // cfm
    float pressureDrop = 0.0f;    // inHg
    float exhaustOpening = 0.0f;  // the cam's primary events, degrees
    float exhaustClosing = 0.0f;
    float intakeOpening = 0.0f;
    float intakeClosing = 0.0f;
    float intakeLift = 0.0f;
    float exhaustLift = 0.0f;
    float camAdvance = 0.0f;
    // Result curve types 2..8 in type order.
    float curves[kGameRecordCurveCount][kGameRecordPointCount] = {};
    bool compressionCalculatorUsed = false;
    int pistonMethod = 2;  // 1 or 2, when the calculator is used
    int fuelType = 0;
    // The compression calculator's values, written only when it is used.
    float chamberVolume = 0.0f;  // cc
    float pistonDeckVolume = 0.0f;
    float deckVolume = 0.0f;
    float gasketBore = 0.0f;  // in
    float pistonDistance = 0.0f;
    float gasketVolume = 0.0f;
    float gasketThickness = 0.0f;
    float nitrousFlowRate = 0.0f;  // lbs/min
};

GameEngineRecord GameEngineRecordBuild(const GameEngineRecordInputs& inputs);

}  // namespace torvane

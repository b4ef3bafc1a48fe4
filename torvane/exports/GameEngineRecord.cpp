#include "torvane/exports/GameEngineRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace torvane {

namespace {

const char kVersionText[] = "KMRQ/02.08.07/M ";

// Field offsets and text field sizes.
enum : int {
    kVersionAt = 0,
    kVersionSize = 32,
    kCamNameAt = 32,
    kCamNameSize = 50,
    kBlockNameAt = 82,
    kBlockNameSize = 25,
    kManifoldAt = 109,
    kHeadAt = 113,
    kExhaustAt = 117,
    kTimingAt = 119,
    kLifterAt = 121,
    kBoreAt = 127,
    kStrokeAt = 131,
    kCylindersAt = 135,
    kIntakeValveAt = 137,
    kExhaustValveAt = 141,
    kCompressionAt = 145,
    kInductionFlowAt = 149,
    kInductionRatingAt = 151,
    kEvoAt = 153,
    kEvcAt = 157,
    kIvoAt = 161,
    kIvcAt = 165,
    kIntakeLiftAt = 169,
    kExhaustLiftAt = 173,
    kAdvanceAt = 177,
    kCurvesAt = 179,
    kPistonMethodAt = 711,
    kFuelAt = 715,
    kChamberAt = 717,
    kDeckAt = 721,
    kGasketBoreAt = 725,
    kPistonDistanceAt = 729,
    kGasketVolumeAt = 733,
    kDeckVolumeAt = 737,
    kGasketThicknessAt = 741,
    kNitrousAt = 757,
};

// Constants the reading programs expect, by offset.
const struct {
    int offset;
    int16_t value;
} kConstants[] = {{107, 18}, {111, 18}, {115, 121}, {123, 15}, {713, 2}};

const float kTwoBarrelPressureDrop = 3.0f;

class RecordWriter {
public:
    explicit RecordWriter(GameEngineRecord& record) : record_(record) { record_.fill(0); }

    void Int16(int offset, int value) {
        const uint16_t bits = static_cast<uint16_t>(static_cast<int16_t>(value));
        record_[offset] = static_cast<unsigned char>(bits & 0xFF);
        record_[offset + 1] = static_cast<unsigned char>(bits >> 8);
    }
    void Float(int offset, float value) {
        uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        for (int i = 0; i < 4; ++i)
            record_[offset + i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFF);
    }
    // The text cut so that the field's last byte stays 0.
    void Text(int offset, int size, const char* text) {
        const size_t length = std::min(std::strlen(text), static_cast<size_t>(size - 1));
        std::memcpy(&record_[offset], text, length);
    }

private:
    GameEngineRecord& record_;
};

}  // namespace

GameEngineRecord GameEngineRecordBuild(const GameEngineRecordInputs& in) {
    GameEngineRecord record;
    RecordWriter out(record);
    out.Text(kVersionAt, kVersionSize, kVersionText);
    out.Text(kCamNameAt, kCamNameSize, in.camshaftName);
    out.Text(kBlockNameAt, kBlockNameSize, in.shortBlockName);
    for (const auto& constant : kConstants) out.Int16(constant.offset, constant.value);
    out.Int16(kManifoldAt, in.manifoldType);
    out.Int16(kHeadAt, in.cylinderHeadType);
    out.Int16(kExhaustAt, in.exhaustSystem);
    out.Int16(kTimingAt, in.timing050Inch ? 7 : 6);
    out.Int16(kLifterAt, in.lifterType);
    out.Float(kBoreAt, in.bore);
    out.Float(kStrokeAt, in.stroke);
    out.Int16(kCylindersAt, in.cylinders);
    out.Float(kIntakeValveAt, in.intakeValveDiameter);
    out.Float(kExhaustValveAt, in.exhaustValveDiameter);
    out.Float(kCompressionAt, in.compressionRatio);
    out.Int16(kInductionFlowAt, static_cast<int>(in.inductionFlow));  // truncated
    out.Int16(kInductionRatingAt, in.pressureDrop >= kTwoBarrelPressureDrop ? 2 : 4);
    out.Float(kEvoAt, in.exhaustOpening);
    out.Float(kEvcAt, in.exhaustClosing);
    out.Float(kIvoAt, in.intakeOpening);
    out.Float(kIvcAt, in.intakeClosing);
    out.Float(kIntakeLiftAt, in.intakeLift);
    out.Float(kExhaustLiftAt, in.exhaustLift);
    out.Int16(kAdvanceAt, static_cast<int>(in.camAdvance));  // truncated
    for (int curve = 0; curve < kGameRecordCurveCount; ++curve) {
        for (int point = 0; point < kGameRecordPointCount; ++point) {
            out.Float(kCurvesAt + 4 * (curve * kGameRecordPointCount + point),
                      in.curves[curve][point]);
        }
    }
    const int pistonMethod = in.compressionCalculatorUsed ? in.pistonMethod : 2;
    out.Int16(kPistonMethodAt, pistonMethod);
    out.Int16(kFuelAt, in.fuelType);
    if (in.compressionCalculatorUsed) {
        out.Float(kChamberAt, in.chamberVolume);
        out.Float(kDeckAt, pistonMethod == 2 ? in.deckVolume : in.pistonDeckVolume);
        out.Float(kGasketBoreAt, in.gasketBore);
        out.Float(kPistonDistanceAt, in.pistonDistance);
        out.Float(kGasketVolumeAt, in.gasketVolume);
        out.Float(kDeckVolumeAt, in.deckVolume);
        out.Float(kGasketThicknessAt, in.gasketThickness);
    }
    out.Float(kNitrousAt, in.nitrousFlowRate);
    return record;
}

}  // namespace torvane

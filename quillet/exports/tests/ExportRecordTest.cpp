// The 922-byte record for the older program: every field at its offset, in
// little-endian order, and zero everywhere else.
#include "quillet/exports/ExportRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace quillet {

namespace {

float FloatAt(const uint8_t* record, int offset) {
    const uint32_t bits = record[offset] | record[offset + 1] << 8 | record[offset + 2] << 16 |
                          static_cast<uint32_t>(record[offset + 3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int16_t Int16At(const uint8_t* record, int offset) {
    return static_cast<int16_t>(record[offset] | record[offset + 1] << 8);
}

ExportRecordValues FourSpeedValues() {
    ExportRecordValues values;
    values.clutch = true;
    const float ratios[6] = {2.52f, 1.88f, 1.47f, 1.0f, 0.0f, 0.0f};
    std::memcpy(values.gearRatio, ratios, sizeof ratios);
    values.vehicleName = "'69 Dodge Charger";
    values.redline = 4400.0f;
    values.rollout = 6.0f;
    values.launchRpm = 2800.0f;
    const float shifts[5] = {4200.0f, 4200.0f, 4200.0f, 0.0f, 0.0f};
    std::memcpy(values.shiftRpm, shifts, sizeof shifts);
    values.finishTime = 15.9f;
    values.startTime = 0.25f;
    const float marks[4] = {2.1f, 6.4f, 9.9f, 12.8f};
    std::memcpy(values.markTime, marks, sizeof marks);
    values.finishEngineRpm = 4187.9f;
    const float gears[6] = {2.0f, 3.5f, 5.2f, 5.2f, 0.0f, 0.0f};
    std::memcpy(values.timeInGear, gears, sizeof gears);
    return values;
}

TEST(ExportRecord, FieldsStandAtTheirOffsets) {
    uint8_t record[kExportRecordSize];
    std::memset(record, 0xCD, sizeof record);
    BuildExportRecord(FourSpeedValues(), record);

    EXPECT_EQ(std::memcmp(record, "KOVA/02.08.07/\0", 15), 0);
    EXPECT_EQ(record[50], 0xFF);
    EXPECT_EQ(record[51], 0xFF);
    EXPECT_EQ(Int16At(record, 50), -1);
    // 2.52f is 0x40214 7AE.
    EXPECT_EQ(record[162], 0xAE);
    EXPECT_EQ(record[163], 0x47);
    EXPECT_EQ(record[164], 0x21);
    EXPECT_EQ(record[165], 0x40);
    EXPECT_EQ(FloatAt(record, 166), 1.88f);
    EXPECT_EQ(FloatAt(record, 174), 1.0f);
    EXPECT_EQ(FloatAt(record, 178), 0.0f);
    EXPECT_STREQ(reinterpret_cast<const char*>(record + 194), "'69 Dodge Charger");
    EXPECT_EQ(FloatAt(record, 331), 4400.0f);
    EXPECT_EQ(FloatAt(record, 339), 6.0f);
    EXPECT_EQ(FloatAt(record, 388), 2800.0f);
    EXPECT_EQ(FloatAt(record, 392), 4200.0f);
    EXPECT_EQ(FloatAt(record, 400), 4200.0f);
    EXPECT_EQ(FloatAt(record, 404), 0.0f);
    EXPECT_EQ(FloatAt(record, 740), 15.9f);
    EXPECT_EQ(FloatAt(record, 760), 0.25f);
    EXPECT_EQ(FloatAt(record, 764), 2.1f);
    EXPECT_EQ(FloatAt(record, 776), 12.8f);
    EXPECT_EQ(Int16At(record, 796), 4187);
    EXPECT_EQ(FloatAt(record, 798), 2.0f);
    EXPECT_EQ(FloatAt(record, 810), 5.2f);
}

TEST(ExportRecord, EverythingElseIsZero) {
    uint8_t record[kExportRecordSize];
    std::memset(record, 0xCD, sizeof record);
    ExportRecordValues values = FourSpeedValues();
    values.vehicleName = "A name that is much longer than twenty-nine characters";
    for (float& ratio : values.gearRatio) ratio = 1.5f;
    for (float& shift : values.shiftRpm) shift = 5000.0f;
    for (float& time : values.timeInGear) time = 1.0f;
    BuildExportRecord(values, record);

    // Bytes that belong to a field (the name field is 30 bytes: 29 + zero).
    const struct {
        int offset, size;
    } fields[] = {{0, 15}, {50, 2}, {162, 24}, {194, 29}, {331, 4}, {339, 4}, {388, 4},
                  {392, 20}, {740, 4}, {760, 4}, {764, 16}, {796, 2}, {798, 24}};
    std::set<int> used;
    for (const auto& field : fields) {
        for (int i = 0; i < field.size; ++i) used.insert(field.offset + i);
    }
    for (int offset = 0; offset < kExportRecordSize; ++offset) {
        if (used.count(offset) == 0) {
            EXPECT_EQ(record[offset], 0) << "offset " << offset;
        }
    }
    // The name is cut to 29 characters and ended by the zero at 223.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(record + 194)),
              std::string(values.vehicleName).substr(0, 29));
    // A converter is coupling 0.
    values.clutch = false;
    BuildExportRecord(values, record);
    EXPECT_EQ(Int16At(record, 50), 0);
}

}  // namespace

}  // namespace quillet

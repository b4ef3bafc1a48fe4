// The racing game's engine text file (.gme): name, bore, stroke, cylinder
// count, a nitrous flag and two tables of 19 rows (engine speed, power,
// torque, BMEP), 46 lines in all. Written from plain values.
#pragma once

#include <cstdio>

namespace torvane {

constexpr int kGameTextRows = 19;

struct GameTextTable {
    // rpm, hp, lb-ft, psi per row.
    float rows[kGameTextRows][4] = {};
};

struct GameTextExportInputs {
    const char* name = "";
    float bore = 0.0f;  // in
    float stroke = 0.0f;
    int cylinders = 0;
    bool nitrous = false;
    // With nitrous the first table is the engine on gasoline without it.
    GameTextTable tables[2];
};

// Throws the write error code (ErrCodeException) when a line writes nothing.
void GameTextExportWrite(FILE* file, const GameTextExportInputs& inputs);

}  // namespace torvane

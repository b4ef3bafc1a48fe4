// What a program gives the shared specification-field code: its name (used by
// the assertion box), its table of units and the error codes its field lines
// throw. Each program installs its profile once, before it makes any field.
#pragma once

struct UnitRow {
    int id;
    const char* text;    // e.g. "in"; a single blank for unit-less values
    const char* format;  // printf format of a value in this unit, e.g. "%.3f"
};

struct FieldFileErrors {
    unsigned short write;         // a write produced no output
    unsigned short read;          // a line is missing or does not scan
    unsigned short invalidValue;  // a value read lies outside its limits
};

struct ProgramProfile {
    const char* name;
    const UnitRow* units;
    int unitCount;
    FieldFileErrors fileErrors;
};

// Makes `profile` (which must outlive every field) the current one.
void InstallProgramProfile(const ProgramProfile& profile);
bool HasProgramProfile();
// The installed profile; none installed is an assertion.
const ProgramProfile& CurrentProgramProfile();

// Throw the installed program's file error codes as ErrCodeException.
[[noreturn]] void ThrowFileWriteError();
[[noreturn]] void ThrowFileReadError();
[[noreturn]] void ThrowFileValueError();

#include "data/DataFile.h"

#include <cmath>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/TextFiles.h"
#include "kernel/Helpers.h"
#include "kernel/ExportGuard.h"

namespace {

constexpr int kMaxNumberLength = 99;
constexpr int kMaxKeywordLength = 99;
constexpr int kPrecision = 14;
constexpr double kSmallCount = 1 << 20;

bool IsSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// White-space separated tokens with comment lines. A '!' or '#' starts a
// comment only while no blank has been skipped since the last newline that
// the skipping itself consumed.
class DataTokenizer {
public:
    explicit DataTokenizer(FILE* file) : file_(file) {
        fseek(file, 0, SEEK_END);
        size_ = ftell(file);
        fseek(file, 0, SEEK_SET);
    }

    // Whether the file can hold `count` more numbers (each takes at least a
    // digit and a separator). Large counts that it cannot hold are refused
    // before anything is allocated for them.
    bool CanHold(double count) const { return count <= kSmallCount || count * 2 <= double(size_); }

    // A word up to the next white space; false at the end of the file.
    bool Keyword(std::string& word) {
        Skip();
        bool ended_by_space = false;
        if (!ReadToken(word, &ended_by_space)) return false;
        if (word.size() > kMaxKeywordLength) word.resize(kMaxKeywordLength);
        return true;
    }

    // A number that the whole token spells, followed by white space.
    bool Number(double& value) {
        Skip();
        std::string token;
        bool ended_by_space = false;
        if (!ReadToken(token, &ended_by_space) || !ended_by_space || token.size() > kMaxNumberLength) return false;
        char* end = nullptr;
        value = strtod(token.c_str(), &end);
        return *end == '\0';
    }

    // A count: a number truncated toward zero. One that no int holds (1e10,
    // inf, nan) is no count at all.
    bool Count(int& count) {
        double value;
        if (!Number(value) || !(value > double(INT_MIN) - 1.0 && value < double(INT_MAX) + 1.0))
            return false;
        count = int(value);
        return true;
    }

private:
    void Skip() {
        for (;;) {
            int c = fgetc(file_);
            if (c == EOF) return;
            if (c == ' ' || c == '\t') {
                ++indent_;
            } else if (c == '\n') {
                indent_ = 0;
            } else if ((c == '!' || c == '#') && indent_ == 0) {
                while ((c = fgetc(file_)) != EOF && c != '\n') {
                }
            } else if (!IsSpace(c)) {
                ungetc(c, file_);
                return;
            }
        }
    }

    // Reads up to white space and consumes the one white-space character that
    // ends the token (without counting it). A token longer than any number or
    // keyword is kept only as far as it shows that.
    bool ReadToken(std::string& token, bool* ended_by_space) {
        token.clear();
        int c;
        while ((c = fgetc(file_)) != EOF && !IsSpace(c)) {
            if (token.size() <= size_t(kMaxNumberLength)) token += char(c);
        }
        *ended_by_space = c != EOF;
        return !token.empty();
    }

    FILE* file_;
    long size_ = 0;
    int indent_ = 0;
};

// Reads the value rows of a grid kind; false with a message at the first
// missing value.
bool ReadRows(DataTokenizer& in, double** rows, int nx, int ny, char* message) {
    for (int i = 0; i < nx; ++i) {
        for (int j = 0; j < ny; ++j) {
            if (!in.Number(rows[i][j])) {
                long long missing = (long long)(nx - i) * ny - j;
                zel3d_sink_printf(message, "Missing %lld grid values", missing);
                return false;
            }
        }
    }
    return true;
}

// The nx and ny of a grid kind: both must be above 0.
bool ReadGridSize(DataTokenizer& in, int* nx, int* ny, char* message) {
    if (!in.Count(*nx) || !in.Count(*ny)) {
        zel3d_message_to_sink(message, "Missing grid size");
        return false;
    }
    if (*nx <= 0 || *ny <= 0) {
        zel3d_sink_printf(message, "Bad grid size %d %d", *nx, *ny);
        return false;
    }
    return true;
}

Zel3dData* ReadGrid(DataTokenizer& in, char* message) {
    int nx, ny;
    if (!ReadGridSize(in, &nx, &ny, message)) return nullptr;
    double hole, xstep, ystep, xorigin, yorigin;
    if (!in.Number(hole) || !in.Number(xstep) || !in.Number(ystep) || !in.Number(xorigin) || !in.Number(yorigin)) {
        zel3d_message_to_sink(message, "Missing grid parameters");
        return nullptr;
    }
    if (!in.CanHold(double(nx) * ny)) {
        zel3d_sink_printf(message, "Missing %lld grid values", (long long)nx * ny);
        return nullptr;
    }
    Zel3dData* data = Zel3dMakeGridData(nx, ny, hole, xstep, ystep, xorigin, yorigin, 1);
    if (!data) {
        zel3d_message_to_sink(message, "Can't allocate space for grid");
        return nullptr;
    }
    if (!ReadRows(in, data->grid.values, nx, ny, message)) {
        Zel3dDestroyData(data, 1);
        return nullptr;
    }
    return data;
}

// Reads `count` coordinates; false with "Missing %d <what> values".
bool ReadCoordinates(DataTokenizer& in, double* values, int count, const char* what, char* message) {
    for (int i = 0; i < count; ++i) {
        if (!in.Number(values[i])) {
            zel3d_sink_printf(message, "Missing %d %s values", count - i, what);
            return false;
        }
    }
    return true;
}

Zel3dData* ReadIrregularGrid(DataTokenizer& in, char* message) {
    int nx, ny;
    if (!ReadGridSize(in, &nx, &ny, message)) return nullptr;
    double hole;
    if (!in.Number(hole)) {
        zel3d_message_to_sink(message, "Missing noval parameter");
        return nullptr;
    }
    if (!in.CanHold(double(nx) + ny + double(nx) * ny)) {
        zel3d_sink_printf(message, "Missing %d xgrid values", nx);
        return nullptr;
    }
    Zel3dData* data = Zel3dMakeIrGridData(nx, ny, hole, 1);
    if (!data) {
        zel3d_message_to_sink(message, "Can't allocate space for grid");
        return nullptr;
    }
    Zel3dIrGridData& grid = data->irgrid;
    if (!ReadCoordinates(in, grid.x, nx, "xgrid", message) || !ReadCoordinates(in, grid.y, ny, "ygrid", message) ||
        !ReadRows(in, grid.values, nx, ny, message)) {
        Zel3dDestroyData(data, 1);
        return nullptr;
    }
    return data;
}

Zel3dData* ReadPoints(DataTokenizer& in, char* message) {
    int nseries;
    if (!in.Count(nseries) || nseries < 0) {
        zel3d_message_to_sink(message, "Missing series count");
        return nullptr;
    }
    double hole;
    if (!in.Number(hole)) {
        zel3d_message_to_sink(message, "Missing noval parameter");
        return nullptr;
    }
    if (!in.CanHold(nseries)) {
        zel3d_message_to_sink(message, "Missing point count");
        return nullptr;
    }
    Zel3dData* data = Zel3dMakePointData(nseries, 1, hole, 0);
    if (!data) {
        zel3d_message_to_sink(message, "Can't allocate space for point data");
        return nullptr;
    }
    for (int s = 0; s < nseries; ++s) {
        Zel3dSeries& series = data->point.series[s];
        int npoints;
        if (!in.Count(npoints) || npoints < 0) {
            zel3d_message_to_sink(message, "Missing point count");
            Zel3dDestroyData(data, 1);
            return nullptr;
        }
        if (!in.CanHold(3.0 * npoints)) {
            zel3d_message_to_sink(message, "Missing point values");
            Zel3dDestroyData(data, 1);
            return nullptr;
        }
        series.npoints = npoints;
        series.points = static_cast<Zel3dPoint*>(calloc(npoints > 0 ? size_t(npoints) : 1, sizeof(Zel3dPoint)));
        if (!series.points) {
            zel3d_message_to_sink(message, "Can't allocate space for point data");
            Zel3dDestroyData(data, 1);
            return nullptr;
        }
        for (int k = 0; k < npoints; ++k) {
            Zel3dPoint& point = series.points[k];
            if (!in.Number(point.x) || !in.Number(point.y) || !in.Number(point.z)) {
                zel3d_message_to_sink(message, "Missing point values");
                Zel3dDestroyData(data, 1);
                return nullptr;
            }
        }
    }
    return data;
}

// Value rows as the grid writer lays them out: a newline after every tenth
// value of a row and at the end of each row.
bool WriteRows(TextFileWriter& out, double* const* rows, int nx, int ny) {
    for (int i = 0; i < nx; ++i) {
        if (!rows[i] && ny > 0) return false;
        for (int j = 0; j < ny; ++j) {
            out.Printf("%.*g ", kPrecision, rows[i][j]);
            if ((j + 1) % 10 == 0) out.Printf("\n");
        }
        out.Printf("\n");
    }
    return true;
}

// A new line before the 1st, 11th, 21st ... coordinate.
void WriteCoordinates(TextFileWriter& out, const double* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (i % 10 == 0) out.Printf("\n");
        out.Printf("%.*g ", kPrecision, values[i]);
    }
}

bool WriteBody(TextFileWriter& out, const Zel3dData& data) {
    switch (data.type) {
    case ZEL3D_DATA_GRID: {
        const Zel3dGridData& grid = data.grid;
        out.Printf("GRID %d %d\n", grid.nx, grid.ny);
        out.Printf("%.*g\n", kPrecision, grid.hole);
        out.Printf("%.*g %.*g\n", kPrecision, grid.xstep, kPrecision, grid.ystep);
        out.Printf("%.*g %.*g\n", kPrecision, grid.xorigin, kPrecision, grid.yorigin);
        return (grid.values || grid.nx <= 0) && WriteRows(out, grid.values, grid.nx, grid.ny);
    }
    case ZEL3D_DATA_IRGRID: {
        const Zel3dIrGridData& grid = data.irgrid;
        if ((!grid.x && grid.nx > 0) || (!grid.y && grid.ny > 0) || (!grid.values && grid.nx > 0)) return false;
        out.Printf("IRGRID %d %d\n", grid.nx, grid.ny);
        out.Printf("%.*g\n", kPrecision, grid.hole);
        WriteCoordinates(out, grid.x, grid.nx);
        WriteCoordinates(out, grid.y, grid.ny);
        out.Printf("\n");
        return WriteRows(out, grid.values, grid.nx, grid.ny);
    }
    case ZEL3D_DATA_POINT: {
        const Zel3dPointData& points = data.point;
        out.Printf("POINT %d\n", points.nseries);
        out.Printf("%.*g\n", kPrecision, points.hole);
        for (int s = 0; s < points.nseries; ++s) {
            const Zel3dSeries& series = points.series[s];
            if (!series.points && series.npoints > 0) return false;
            out.Printf("%d\n", series.npoints);
            for (int k = 0; k < series.npoints; ++k) {
                const Zel3dPoint& p = series.points[k];
                out.Printf("%.*g %.*g %.*g \n", kPrecision, p.x, kPrecision, p.y, kPrecision, p.z);
            }
        }
        return true;
    }
    default:
        return false;
    }
}

bool KnownType(const Zel3dData* data) {
    return data && (data->type == ZEL3D_DATA_GRID || data->type == ZEL3D_DATA_IRGRID ||
                    (data->type == ZEL3D_DATA_POINT && (data->point.series || data->point.nseries <= 0)));
}

}  // namespace

Zel3dData* zel3d_data_read(const char* path, char* message) {
    if (!path) {
        zel3d_message_to_sink(message, "Filename is NULL");
        return nullptr;
    }
    FILE* file = fopen(zel3d_expand_path(path).c_str(), "r");
    if (!file) {
        zel3d_sink_printf(message, "Unable to open %s", path);
        return nullptr;
    }
    DataTokenizer in(file);
    std::string keyword;
    Zel3dData* data = nullptr;
    if (!in.Keyword(keyword)) {
        zel3d_sink_printf(message, "File %s is empty??", path);
    } else if (keyword == "GRID") {
        data = ReadGrid(in, message);
    } else if (keyword == "IRGRID") {
        data = ReadIrregularGrid(in, message);
    } else if (keyword == "POINT") {
        data = ReadPoints(in, message);
    } else {
        zel3d_sink_printf(message, "Unrecognized graph type %s", keyword.c_str());
    }
    fclose(file);
    return data;
}

int zel3d_data_write(const Zel3dData* data, const char* path, char* message) {
    if (!path) {
        zel3d_message_to_sink(message, "Filename is NULL");
        return 0;
    }
    if (!KnownType(data)) {
        zel3d_message_to_sink(message, "Unrecognized data set");
        return 0;
    }
    TextFileWriter out(zel3d_expand_path(path));
    if (!out.IsOpen() || !WriteBody(out, *data) || !out.Commit()) {
        zel3d_sink_printf(message, "Unable to write to %s", path);
        return 0;
    }
    return 1;
}

extern "C" {

ZEL3D_API Zel3dData* Zel3dMakeDataFromFile(const char* path, char* message) try {
    return zel3d_data_read(path, message);
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}

ZEL3D_API int Zel3dSaveDataToFile(const Zel3dData* data, const char* path, char* message) try {
    return zel3d_data_write(data, path, message);
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"

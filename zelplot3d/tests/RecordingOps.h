// A device-operation table that records the drawing calls of a chart while
// passing them on to the Windows table.
#pragma once

#include <vector>

#include "chart/Chart.h"
#include "device/DeviceOps.h"

namespace zel3d_test {

struct RecordedCall {
    int slot;  // the device-operation slot
    std::vector<POINT> points;
};

class RecordingOps {
public:
    // Binds the recording table to `chart` for the object's life.
    explicit RecordingOps(Zel3dChart* chart) : chart_(chart) {
        Current() = this;
        table_ = *zel3d_windows_device_ops();
        table_.line = &Line;
        table_.lines = &Lines;
        table_.line2 = &Line2;
        table_.lines2 = &Lines2;
        table_.fill_polygon = &FillPolygon;
        table_.fill_polygon2 = &FillPolygon2;
        table_.fill_rectangle = &FillRectangle;
        zel3d_bind_device_ops(chart, &table_);
    }
    ~RecordingOps() {
        zel3d_bind_device_ops(chart_, zel3d_windows_device_ops());
        Current() = nullptr;
    }
    RecordingOps(const RecordingOps&) = delete;
    RecordingOps& operator=(const RecordingOps&) = delete;

    const std::vector<RecordedCall>& calls() const { return calls_; }
    int Count(int slot) const {
        int n = 0;
        for (const RecordedCall& call : calls_) n += call.slot == slot;
        return n;
    }
    void Clear() { calls_.clear(); }

    enum Slot { kLine = 0, kLines = 1, kFillPolygon = 4, kFillRectangle = 5, kLine2 = 7, kLines2 = 8, kFillPolygon2 = 11 };

private:
    static RecordingOps*& Current() {
        static RecordingOps* current = nullptr;
        return current;
    }
    static const DeviceOps& Windows() { return *zel3d_windows_device_ops(); }
    static void Record(int slot, const POINT* points, int count) {
        if (Current()) Current()->calls_.push_back({slot, std::vector<POINT>(points, points + count)});
    }
    static void Line(DeviceState* c, int x1, int y1, int x2, int y2) {
        const POINT p[2] = {{x1, y1}, {x2, y2}};
        Record(kLine, p, 2);
        Windows().line(c, x1, y1, x2, y2);
    }
    static void Line2(DeviceState* c, int x1, int y1, int x2, int y2) {
        const POINT p[2] = {{x1, y1}, {x2, y2}};
        Record(kLine2, p, 2);
        Windows().line2(c, x1, y1, x2, y2);
    }
    static void Lines(DeviceState* c, const POINT* p, int n, int mode) {
        Record(kLines, p, n);
        Windows().lines(c, p, n, mode);
    }
    static void Lines2(DeviceState* c, const POINT* p, int n, int mode) {
        Record(kLines2, p, n);
        Windows().lines2(c, p, n, mode);
    }
    static void FillPolygon(DeviceState* c, const POINT* p, int n, int shape, int mode) {
        Record(kFillPolygon, p, n);
        Windows().fill_polygon(c, p, n, shape, mode);
    }
    static void FillPolygon2(DeviceState* c, const POINT* p, int n, int shape, int mode) {
        Record(kFillPolygon2, p, n);
        Windows().fill_polygon2(c, p, n, shape, mode);
    }
    static void FillRectangle(DeviceState* c, int x, int y, int w, int h) {
        const POINT p[2] = {{x, y}, {x + w, y + h}};
        Record(kFillRectangle, p, 2);
        Windows().fill_rectangle(c, x, y, w, h);
    }

    Zel3dChart* chart_;
    DeviceOps table_;
    std::vector<RecordedCall> calls_;
};

}  // namespace zel3d_test

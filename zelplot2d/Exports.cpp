// The exported functions. Each checks its handles and arguments, and no
// exception leaves it.
#include <cmath>
#include <cstdarg>

#include "Chart.h"
#include "Layout.h"
#include "PropertyAccess.h"
#include "Window.h"

using namespace zel2d_core;

namespace {

template <class Result, class Work>
Result Guarded(Result failure, Work&& work) {
    try {
        return work();
    } catch (...) {
        return failure;
    }
}

template <class Work>
void Guarded(Work&& work) {
    try {
        work();
    } catch (...) {
    }
}

// The module that holds this code, which registers the window class.
HINSTANCE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

bool ValidSet(ZELDATA data, int set) { return IsLiveData(data) && set >= 0 && set < data->sets; }
bool ValidPoint(ZELDATA data, int set, int i) { return ValidSet(data, set) && i >= 0 && i < data->points; }

// A value stored in a data set: a hole for anything not finite.
double Stored(double value) { return std::isfinite(value) ? value : ZEL2D_HOLE; }


int GetStyle(ZELCHART chart, int axis, int n, ZelStyle* style) {
    return Guarded(0, [&] {
        if (!IsLiveChart(chart) || !style || n < 0) return 0;
        *style = StyleOf(*chart, axis, n);
        return 1;
    });
}

int SetStyle(ZELCHART chart, int axis, int n, const ZelStyle* style) {
    return Guarded(0, [&] {
        if (!IsLiveChart(chart) || !style || n < 0 || n > 10000) return 0;
        std::vector<ZelStyle>& styles = chart->axes[axis].styles;
        while (styles.size() <= size_t(n)) styles.push_back(StyleOf(*chart, axis, int(styles.size())));
        styles[n] = *style;
        Repaint(*chart);
        return 1;
    });
}

}  // namespace

extern "C" {

ZEL2D_API ZELCHART ZelCreate(void) {
    return Guarded<ZELCHART>(nullptr, [] {
        RegisterChartClass(ThisModule());
        ZELCHART chart = new ZelChartRecord;
        RegisterChart(chart, true);
        return chart;
    });
}

ZEL2D_API int ZelAttachWindow(ZELCHART chart, HWND window) {
    return Guarded(0, [&] {
        if (!IsLiveChart(chart) || !IsWindow(window)) return 0;
        char class_name[64] = "";
        GetClassNameA(window, class_name, sizeof class_name);
        if (lstrcmpiA(class_name, ZEL2D_WINDOW_CLASS) != 0) return 0;
        if (chart->window && chart->window != window && IsWindow(chart->window))
            SetWindowLongPtrA(chart->window, kChartSlot, 0);
        chart->window = window;
        SetWindowLongPtrA(window, kChartSlot, reinterpret_cast<LONG_PTR>(chart));
        InvalidateRect(window, nullptr, FALSE);
        return 1;
    });
}

ZEL2D_API void ZelDestroy(ZELCHART chart) {
    Guarded([&] {
        if (!IsLiveChart(chart)) return;
        RegisterChart(chart, false);
        if (chart->window && IsWindow(chart->window)) {
            SetWindowLongPtrA(chart->window, kChartSlot, 0);
            InvalidateRect(chart->window, nullptr, FALSE);
        }
        for (ZELTEXT area : chart->areas)
            if (IsLiveArea(area)) area->chart = nullptr;
        ReleaseOffscreen(*chart);
        delete chart;
    });
}

ZEL2D_API int ZelSetValues(ZELCHART chart, ...) {
    if (!IsLiveChart(chart)) return 0;
    va_list args;
    va_start(args, chart);
    const int result = Guarded(0, [&] { return SetChartValues(*chart, args); });
    va_end(args);
    return result;
}

ZEL2D_API int ZelGetValues(ZELCHART chart, ...) {
    if (!IsLiveChart(chart)) return 0;
    va_list args;
    va_start(args, chart);
    const int result = Guarded(0, [&] { return GetChartValues(*chart, args); });
    va_end(args);
    return result;
}

ZEL2D_API ZELTEXT ZelTextAreaCreate(ZELCHART chart) {
    return Guarded<ZELTEXT>(nullptr, [&]() -> ZELTEXT {
        if (!IsLiveChart(chart)) return nullptr;
        ZELTEXT area = new ZelTextAreaRecord;
        area->chart = chart;
        chart->areas.push_back(area);
        RegisterArea(area, true);
        return area;
    });
}

ZEL2D_API int ZelTextAreaSetValues(ZELTEXT area, ...) {
    if (!IsLiveArea(area)) return 0;
    va_list args;
    va_start(args, area);
    const int result = Guarded(0, [&] { return SetAreaValues(*area, args); });
    va_end(args);
    return result;
}

ZEL2D_API void ZelTextAreaDestroy(ZELTEXT area) {
    Guarded([&] {
        if (!IsLiveArea(area)) return;
        RegisterArea(area, false);
        if (IsLiveChart(area->chart)) {
            std::vector<ZELTEXT>& areas = area->chart->areas;
            for (size_t i = 0; i < areas.size(); ++i)
                if (areas[i] == area) areas.erase(areas.begin() + i--);
            Repaint(*area->chart);
        }
        delete area;
    });
}

ZEL2D_API ZELDATA ZelDataCreate(int kind, int sets, int points) {
    return Guarded<ZELDATA>(nullptr, [&]() -> ZELDATA {
        if ((kind != ZEL2D_DATA_SHARED_X && kind != ZEL2D_DATA_OWN_X) || sets < 1 || points < 1 ||
            double(sets) * points > 50e6)
            return nullptr;
        ZELDATA data = new ZelDataRecord;
        data->kind = kind;
        data->sets = sets;
        data->points = points;
        data->x.assign(size_t(kind == ZEL2D_DATA_SHARED_X ? 1 : sets) * points, ZEL2D_HOLE);
        data->y.assign(size_t(sets) * points, ZEL2D_HOLE);
        data->first.assign(sets, 0);
        data->last.assign(sets, points - 1);
        data->display.assign(sets, ZEL2D_DISPLAY_SHOW);
        RegisterData(data, true);
        return data;
    });
}

ZEL2D_API void ZelDataDestroy(ZELDATA data) {
    Guarded([&] {
        if (!IsLiveData(data)) return;
        RegisterData(data, false);
        delete data;
    });
}

ZEL2D_API int ZelDataGetNSets(ZELDATA data) { return IsLiveData(data) ? data->sets : 0; }

ZEL2D_API int ZelDataGetNPoints(ZELDATA data, int set) { return ValidSet(data, set) ? data->points : 0; }

ZEL2D_API void ZelDataSetXElement(ZELDATA data, int set, int i, double value) {
    if (!ValidPoint(data, set, i)) return;
    const int row = data->kind == ZEL2D_DATA_SHARED_X ? 0 : set;
    data->x[size_t(row) * data->points + i] = Stored(value);
}

ZEL2D_API void ZelDataSetYElement(ZELDATA data, int set, int i, double value) {
    if (!ValidPoint(data, set, i)) return;
    data->y[size_t(set) * data->points + i] = Stored(value);
}

ZEL2D_API void ZelDataSetFirstPoint(ZELDATA data, int set, int i) {
    if (ValidPoint(data, set, i)) data->first[set] = i;
}

ZEL2D_API void ZelDataSetLastPoint(ZELDATA data, int set, int i) {
    if (ValidPoint(data, set, i)) data->last[set] = i;
}

ZEL2D_API int ZelDataGetFirstPoint(ZELDATA data, int set) { return ValidSet(data, set) ? data->first[set] : -1; }

ZEL2D_API int ZelDataGetLastPoint(ZELDATA data, int set) { return ValidSet(data, set) ? data->last[set] : -1; }

ZEL2D_API void ZelDataSetDisplay(ZELDATA data, int set, int mode) {
    if (ValidSet(data, set) && mode >= ZEL2D_DISPLAY_SHOW && mode <= ZEL2D_DISPLAY_EXCLUDE) data->display[set] = mode;
}

ZEL2D_API int ZelDataGetDisplay(ZELDATA data, int set) { return ValidSet(data, set) ? data->display[set] : 0; }

ZEL2D_API int ZelGetNthDataStyle(ZELCHART chart, int n, ZelStyle* style) { return GetStyle(chart, 1, n, style); }
ZEL2D_API int ZelSetNthDataStyle(ZELCHART chart, int n, const ZelStyle* style) { return SetStyle(chart, 1, n, style); }
ZEL2D_API int ZelGetNthDataStyle2(ZELCHART chart, int n, ZelStyle* style) { return GetStyle(chart, 2, n, style); }
ZEL2D_API int ZelSetNthDataStyle2(ZELCHART chart, int n, const ZelStyle* style) { return SetStyle(chart, 2, n, style); }

ZEL2D_API int ZelSetValueLabel(ZELCHART chart, int axis, double value, const char* text) {
    return Guarded(0, [&] {
        if (!IsLiveChart(chart) || axis < 0 || axis > 2 || !std::isfinite(value)) return 0;
        auto& labels = chart->axes[axis].value_labels;
        if (text) labels[value] = text;
        else labels.erase(value);
        Repaint(*chart);
        return 1;
    });
}

ZEL2D_API int ZelUnmap(ZELCHART chart, int y_axis, double x, double y, POINT* point) {
    return Guarded(0, [&] {
        if (!point) return 0;
        point->x = point->y = -1;
        if (!IsLiveChart(chart) || (y_axis != 1 && y_axis != 2)) return 0;
        *point = UnmapPoint(*chart, CurrentLayout(*chart), y_axis, x, y);
        return point->x != -1 && point->y != -1 ? 1 : 0;
    });
}

}  // extern "C"

// The airflow report drawn into an enhanced metafile, whose records tell
// where each text and line went.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Framework.h"
#include "testing/WindowHelpers.h"
#include "torvane/components/CylHeadFlow.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

namespace torvane {

namespace {

struct TextRecord {
    POINTL at;
    std::string text;
};
struct LineRecord {
    POINTL from, to;
};

// The texts and lines of a metafile, in drawing order.
struct Drawing {
    std::vector<TextRecord> texts;
    std::vector<LineRecord> lines;
    POINTL position = {0, 0};

    bool HasText(const std::string& text) const {
        for (const TextRecord& record : texts) {
            if (record.text == text) return true;
        }
        return false;
    }
    bool HasTextAt(const std::string& text, int x, int y) const {
        for (const TextRecord& record : texts) {
            if (record.text == text && record.at.x == x && record.at.y == y) return true;
        }
        return false;
    }
    bool HasLine(int x1, int x2, int y) const {
        for (const LineRecord& line : lines) {
            if (line.from.x == x1 && line.to.x == x2 && line.from.y == y && line.to.y == y) {
                return true;
            }
        }
        return false;
    }
};

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    Drawing& drawing = *reinterpret_cast<Drawing*>(data);
    const BYTE* bytes = reinterpret_cast<const BYTE*>(record);
    switch (record->iType) {
        case EMR_EXTTEXTOUTA:
        case EMR_EXTTEXTOUTW: {
            const EMREXTTEXTOUTA* out = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
            TextRecord text = {out->emrtext.ptlReference, std::string()};
            for (DWORD i = 0; i < out->emrtext.nChars; ++i) {
                text.text += record->iType == EMR_EXTTEXTOUTA
                                 ? static_cast<char>(bytes[out->emrtext.offString + i])
                                 : static_cast<char>(bytes[out->emrtext.offString + 2 * i]);
            }
            drawing.texts.push_back(text);
            break;
        }
        case EMR_MOVETOEX:
            drawing.position = reinterpret_cast<const EMRMOVETOEX*>(record)->ptl;
            break;
        case EMR_LINETO: {
            const POINTL to = reinterpret_cast<const EMRLINETO*>(record)->ptl;
            drawing.lines.push_back({drawing.position, to});
            drawing.position = to;
            break;
        }
    }
    return 1;
}

class CylHeadFlowReportTest : public WithTorvaneProfile, public ::testing::Test {
protected:
    // Prints the report into a metafile and reads it back.
    Drawing Print(const CylHeadFlow& flow, int* textHeight) {
        HDC metafileDc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        EXPECT_NE(metafileDc, nullptr);
        TEXTMETRICA metrics = {};
        GetTextMetricsA(metafileDc, &metrics);
        *textHeight = metrics.tmHeight;
        CDC dc;
        dc.Attach(metafileDc);
        flow.PrintReport(&dc);
        dc.Detach();
        HENHMETAFILE metafile = CloseEnhMetaFile(metafileDc);
        Drawing drawing;
        EnumEnhMetaFile(nullptr, metafile, CollectRecord, &drawing, nullptr);
        DeleteEnhMetaFile(metafile);
        return drawing;
    }
};

TEST_F(CylHeadFlowReportTest, RowsAndHeadingsStandWhereTheReportPutsThem) {
    CylHeadFlow flow;
    flow.LoadPreset(9);
    int h = 0;
    const Drawing drawing = Print(flow, &h);

    const struct {
        const char* text;
        int x, y;
    } placed[] = {
        {"CYLINDER HEAD AIRFLOW DATA", 30, 8},
        {"Description: Canted/Oval Stock Ports, Stock Valves", 30, 30},
        {"Intake Valve", 30, 60},
        {"Exhaust Valve", 218, 60},
        {"Test Diameter:", 30, 80},
        {"2.190 in", 102, 80},
        {"28.0 inH2O", 102, 95},
        {"1.880 in", 289, 80},
        {"Lift: in", 30, 119},
        {"Flow: cfm", 120, 119},
        {"Lift: in", 218, 119},
        {"Flow: cfm", 308, 119},
        {"0.200", 30, 137},  // intake row 0
        {"141.0", 120, 137},
        {"119.0", 308, 137},           // exhaust flow, row 0
        {"0.700", 218, 137 + 24 * 7},  // exhaust lift, row 7
        {"201.0", 308, 137 + 24 * 7},
    };
    for (const auto& p : placed) {
        EXPECT_TRUE(drawing.HasTextAt(p.text, p.x, p.y)) << p.text << " at " << p.x << ", " << p.y;
    }
    // Two unused rows on each side show stars at rows 8 and 9.
    int stars = 0;
    for (const TextRecord& record : drawing.texts) {
        if (record.text == "***") {
            ++stars;
            EXPECT_TRUE(record.at.y == 137 + 24 * 8 || record.at.y == 137 + 24 * 9);
        }
    }
    EXPECT_EQ(stars, 8);
    // Two headings, then per side 7 labels and values and 20 point cells.
    EXPECT_EQ(drawing.texts.size(), 2u + 2u * (7u + 20u));

    const int title = 60 + h * 9 / 8;
    const int heads = 119 + h * 9 / 8;
    EXPECT_TRUE(drawing.HasLine(30, 168, title));
    EXPECT_TRUE(drawing.HasLine(218, 356, title));
    EXPECT_TRUE(drawing.HasLine(30, 78, heads));
    EXPECT_TRUE(drawing.HasLine(120, 168, heads));
    EXPECT_TRUE(drawing.HasLine(218, 266, heads));
    EXPECT_TRUE(drawing.HasLine(308, 356, heads));
    EXPECT_EQ(drawing.lines.size(), 6u);
}

TEST_F(CylHeadFlowReportTest, MetricDataPrintsInMetricUnits) {
    CylHeadFlow flow;
    flow.LoadPreset(1);
    flow.SetUnits(1);
    int h = 0;
    const Drawing drawing = Print(flow, &h);
    EXPECT_TRUE(drawing.HasText("Lift: mm"));
    EXPECT_TRUE(drawing.HasText("51.31 mm"));
    EXPECT_TRUE(drawing.HasText("71.12 cmH2O"));
    EXPECT_TRUE(drawing.HasText("5.08"));
}

TEST_F(CylHeadFlowReportTest, DrawsBlackTextAndLinesOnAMemoryBitmap) {
    CylHeadFlow flow;
    flow.LoadPreset(1);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 400);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, 400, 400};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    CDC dc;
    dc.Attach(memory);
    flow.PrintReport(&dc);
    dc.Detach();
    const testing_harness::Pixels pixels = testing_harness::Pixels::FromDC(memory, 400, 400);
    RECT titleLine = {30, 60, 168, 100};
    EXPECT_GT(pixels.Count(0x000000, &titleLine), 100);
    RECT belowTheRows = {0, 137 + 24 * 10, 400, 400};
    EXPECT_EQ(pixels.Count(0x000000, &belowTheRows), 0);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace

}  // namespace torvane

// The "Table" and "ProData" tabs of a vehicle document. The table shows the
// run's performance summary, its track data at the timing marks and the
// engine's power curve; the Pro Data table samples the run at 102
// distances. Both scroll through the tab window's shared bars and print
// through the framework or into the vehicle's printout.
#pragma once

#include "framework/Framework.h"
#include "quillet/ui/TableBlock.h"

namespace quillet {

class CQuilletDoc;

// What both tables share: fonts, metrics, scrolling, background, printing.
class CRaceTableViewBase : public CScrollView {
public:
    ~CRaceTableViewBase() override;
    // Draws the table into a printing DC (the vehicle's printout).
    void PrintTable(CDC* dc) { OnDraw(dc); }

    CScrollBar* GetScrollBarCtrl(int bar) const override;
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    int GetRowHeight() const { return rowHeight_; }
    int GetColumnUnit() const { return columnUnit_; }

protected:
    CQuilletDoc* GetQuilletDoc() const;
    // Body font (8 point) and bold 10-point title font; row height and column
    // unit from the body font.
    void MeasureFonts();
    // Font, mode and colours of a draw; returns the font to restore (null
    // when printing, where the caller's font stays).
    CFont* BeginDraw(CDC* dc);
    // Slots 28, 29, 31, 28, and the given per-column colours in the
    // program's own scheme on screen.
    static void ColourBlock(CTableBlock& block, const CDC* dc, const COLORREF* fills, const COLORREF* texts);
    // The table's width in column units, 400 when the unit makes it negative.
    int TableWidth(int units) const;

    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

    CFont bodyFont_;
    CFont titleFont_;
    CFont printFont_;
    int rowHeight_ = 0;
    int columnUnit_ = 0;
};

class CResultsTableView : public CRaceTableViewBase {
    DECLARE_DYNCREATE(CResultsTableView)

public:
    CResultsTableView();
    ~CResultsTableView() override;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;

    const CTableBlock& GetBlock(int i) const { return blocks_[i]; }

protected:
    DECLARE_MESSAGE_MAP()

private:
    void DrawPerformance(CDC* dc, const CQuilletDoc& doc);
    void DrawTrackData(CDC* dc, const CQuilletDoc& doc);
    void DrawPowerCurve(CDC* dc, const CQuilletDoc& doc);

    // Performance, "Track Data", "Engine Power Curve".
    CTableBlock blocks_[3];
};

class CProResultsTableView : public CRaceTableViewBase {
    DECLARE_DYNCREATE(CProResultsTableView)

public:
    CProResultsTableView();
    ~CProResultsTableView() override;

    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;

    const CTableBlock& GetBlock() const { return block_; }
    // The report's 102 distances, ft (two rows at 400).
    static constexpr int kDistanceCount = 102;
    static const int* ReportDistances();

protected:
    DECLARE_MESSAGE_MAP()

private:
    CTableBlock block_;
};

}  // namespace quillet

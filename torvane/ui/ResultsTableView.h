// The "Table" and "ProData" tabs of an engine document: the 19 result points
// as text tables drawn with GDI, six columns in the basic table and twelve
// in the professional one, scrolled through the tab window's shared bars and
// printed through the framework or into the engine's printout.
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CTorvaneDoc;

// One column: two header lines, the document curve and its format.
struct ResultsTableColumn {
    const char* header1;
    const char* header2;
    int curve;
    const char* format;
};

class CResultsTableView : public CScrollView {
    DECLARE_DYNCREATE(CResultsTableView)

public:
    CResultsTableView();
    ~CResultsTableView() override;

    // Draws the table into a printing DC (the engine's printout).
    void PrintTable(CDC* dc);

    CScrollBar* GetScrollBarCtrl(int bar) const override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

    // Layout, in the font of the last draw.
    static constexpr int kTitleX = 20;
    static constexpr int kTitleY = 8;
    static constexpr int kHeaderY = 38;
    int ColumnWidth() const { return charWidth_ * 10 < 0 ? 50 : charWidth_ * 10; }
    int RowY(int row, int textHeight) const;

protected:
    virtual const ResultsTableColumn* Columns(int& count) const;
    CTorvaneDoc* GetTorvaneDoc() const;

    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

    CFont screenFont_;
    CFont printFont_;
    int textHeight_ = 0;
    int charWidth_ = 0;
};

class CProResultsTableView : public CResultsTableView {
    DECLARE_DYNCREATE(CProResultsTableView)

public:
    void OnInitialUpdate() override;

protected:
    const ResultsTableColumn* Columns(int& count) const override;
    DECLARE_MESSAGE_MAP()
};

}  // namespace torvane

// SECDockBar: the toolkit's dock bar. Rows of sizeable toolkit bars share
// the side's length by their proportional widths, with 6-pixel splitters
// between the bars and after each such row; dragging a splitter between two
// bars moves length from one to the other, dragging a row splitter makes
// the row thicker or thinner. Rows of other bars (the toolbar, bars with the
// fixed floating frame) are placed as the framework's dock bar places them.
// A bar's expand button makes it take its row (the others keep the minimum)
// and contracts the row back to equal shares.
#pragma once

#include <windows.h>

#include <vector>

#include "DockBar.h"

class SECControlBar;

// The system colours, border sizes and cursors the toolkit's bars draw and
// track with: read once, and again whenever a dock bar hears that the system
// colours changed.
struct SECSysColorCache {
    // 2 on a system with the new shell, else 1.
    int cxBorder = 2;
    int cyBorder = 2;
    COLORREF btnFace = 0;
    COLORREF btnShadow = 0;
    COLORREF btnHighlight = 0;
    COLORREF windowFrame = 0;
    COLORREF light3d = 0;
    COLORREF darkShadow3d = 0;
    COLORREF windowText = 0;
    COLORREF window = 0;
    COLORREF highlight = 0;
    COLORREF highlightText = 0;
    BOOL newShell = TRUE;
    HCURSOR arrow = nullptr;
    // Sizing left-right and up-down over the dock bars' splitters.
    HCURSOR splitHorz = nullptr;
    HCURSOR splitVert = nullptr;

    void Refresh();
    // The cache, filled on first use.
    static SECSysColorCache& Get();
};

class SECDockBar : public CDockBar {
    DECLARE_DYNCREATE(SECDockBar)

public:
    explicit SECDockBar(BOOL floating = FALSE);

    // A splitter of the last layout: between bar `index` and the next of
    // `bars` (betweenBars), or after the row `bars` (a row splitter).
    struct Splitter {
        BOOL betweenBars = TRUE;
        std::vector<CControlBar*> bars;
        int index = 0;
        CRect rect;
    };

    // The bar shares its row by proportional width (a sizeable toolkit bar).
    static BOOL IsShareSized(const CControlBar* bar);

    void DockControlBar(CControlBar* bar, LPCRECT rect = nullptr) override;

    // Expand and contract, asked by a bar's expand button.
    BOOL IsExpanded(const SECControlBar* bar) const;
    BOOL CanExpand(const SECControlBar* bar) const;
    void Expand(SECControlBar* bar);
    void Contract(SECControlBar* bar);

    // The splitter at `point` (client coordinates), or null.
    const Splitter* SplitterAt(CPoint point) const;
    // Applies a move of `delta` pixels to splitter `splitter`.
    void MoveSplitter(const Splitter& splitter, int delta);

    std::vector<Splitter> m_splitters;
    // 18 / the side's length: the smallest share a bar keeps.
    float m_fMinProportion = 0.05f;
    // A bar just dropped here; its share is kept when the row is shared out.
    CControlBar* m_pIncoming = nullptr;

    // Alt+letter typed in a floating bar reaches only its floating frame,
    // which has no menu: it is passed on to the frame the bar belongs to,
    // whose menu it opens. (A docked bar's keys reach that frame anyway.)
    BOOL PreTranslateMessage(MSG* msg) override;

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnSysColorChange();
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);

    CSize LayoutRows(int length, BOOL move) override;

protected:
    int LayoutRow(const std::vector<CControlBar*>& row, int length, int across, BOOL move, int* longest) override;
    DWORD DockedStyle(DWORD barStyle) const override;
    // The visible bars of the row holding `bar`.
    std::vector<CControlBar*> RowOf(const CControlBar* bar) const;
    // Follows the mouse from `start` with the splitter's outline until
    // release (the distance moved) or cancel (0).
    int TrackSplitter(const Splitter& splitter, CPoint start);
    // The shares of `row` normalised (keeping `changed`'s, unless null);
    // with `keep` the bars keep them.
    std::vector<float> ShareOut(const std::vector<CControlBar*>& row, const CControlBar* changed, BOOL keep);
    void LayoutFrame();

    DECLARE_MESSAGE_MAP()
};

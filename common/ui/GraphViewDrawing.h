// What the graph views of both programs do alike with their chart: the
// legend centred along the bottom with the graph above it, preset or
// automatic axis ranges, grid lines at the minor spacing, the unit captions,
// and drawing the chart into a printer page.
#pragma once

#include <functional>

#include "framework/Framework.h"
#include "zelplot2d/zelplot2d.h"

// An axis's scale: preset 0 is the chart's automatic range, others a fixed
// range.
struct GraphAxisScale {
    int preset;
    int min;
    int max;
};

// The legend centred along the bottom of `rect`, the graph above it, in
// the legend font's metrics on `dc`.
void LayOutLegendAndGraph(ZELCHART chart, CDC* dc, const CRect& rect);

// Fixed ranges from the presets, else the chart's own; the second y axis
// only when `hasY2`. With `shareScale`, two automatic y axes take one range
// covering both. Grid lines go at the minor spacing.
void SetGraphRanges(ZELCHART chart, const GraphAxisScale& x, const GraphAxisScale& y, const GraphAxisScale& y2,
                    bool hasY2, bool shareScale);

// The unit captions: x under its axis, the y units at the top corners (the
// second only with a second axis). `lines` keeps the captions' texts.
void PlaceUnitCaptions(ZELTEXT (&captions)[3], const char* (&lines)[3][2], const char* const (&units)[3],
                       ZELCHART chart, bool hasY2);

// Draws a graph view's chart into a printer page: the view hidden meanwhile
// (shown again only if it was visible), the DC's font on the chart and its
// captions, a square of the printable area in screen pixels at two thirds
// of an inch of paper per screen inch put into `printRect`, white with
// black text; `draw` then lays out and paints. Colours and `screenFont`
// come back afterwards.
void PrintGraphView(CDC* dc, CWnd* view, ZELCHART chart, ZELTEXT (&captions)[3], HFONT screenFont,
                    CRect& printRect, const std::function<void()>& draw);

// Sub-menu 0 of menu `menuId` as a pop-up at `point` (screen), owned by
// `view`; the keyboard's (-1, -1) opens it at the view's centre.
void TrackGraphContextMenu(CWnd* view, UINT menuId, CPoint point);
// Checks `checked` and unchecks the other commands first..last of `popup`.
void CheckOneCommand(CMenu* popup, UINT first, UINT last, UINT checked);

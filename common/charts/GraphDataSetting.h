// One document shown on a graph: its title, the legend texts of its
// y and second-y curves, the document and its serial number (so that a
// closed document is noticed even when its address is reused).
#pragma once

#include <string>

class CDocument;

struct GraphDataSetting {
    GraphDataSetting() { Reset(); }
    // "(None)" in the three texts, no document.
    void Reset();

    std::string title;
    std::string yLegend;
    std::string y2Legend;
    CDocument* document;
    int serial;
};

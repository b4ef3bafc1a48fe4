// The sweep engine of an engine document. So far only what the document
// itself consults: whether the sweep keeps results for the user, which a
// change to the engine would invalidate.
#pragma once

class CIterator {
public:
    bool HasResults() const { return hasResults_; }
    void SetHasResults(bool hasResults) { hasResults_ = hasResults; }

private:
    bool hasResults_ = false;
};

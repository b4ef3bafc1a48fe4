// The search for cam files: a walk through a folder tree for .cam files whose
// name holds the words of a pattern, whose text holds the words of a phrase,
// and whose valve events lie in up to four ranges. It runs on the calling
// thread; the owner's entry hook runs after every folder entry (to pump
// messages and show the counts) and may ask it to stop.
#pragma once

#include <functional>
#include <set>
#include <utility>

#include "common/SimSpec.h"
#include "framework/Framework.h"
#include "torvane/components/Cam.h"

namespace torvane {

// A valve-event range: type 0 is none, 1..4 the seat-to-seat IVO, IVC, EVO,
// EVC, 5..8 the same events in 0.050-inch timing.
class CamRangeCriterion {
public:
    static constexpr int kTypeCount = 9;

    CamRangeCriterion();

    int GetType() const { return type_; }
    // The type with its field names and limits; with the event of the type
    // (null when none) both fields are set 2 degrees either side of it,
    // within the limits, else they are cleared.
    void SetType(int type, const CFloatPtSpec* event);
    // Type 0, or both fields set and the maximum not below the minimum;
    // else 103 (incomplete) or 104 (reversed).
    bool Validate(unsigned short& code) const;
    // The cam has the event of this type in its timing method, within the range.
    bool Matches(const Cam& cam) const;

    // The list text of a type, and its timing method (1 or 2; 0 for type 0).
    static const char* ListText(int type);
    static int TimingMethod(int type);
    // The event of a type in an event set of its method.
    static const CFloatPtSpec& EventOf(const CamTimingSet& set, int type);

    CFloatPtSpec minimum;
    CFloatPtSpec maximum;

private:
    int type_ = 0;
};

class CCamSearch {
public:
    static constexpr int kCriteria = 4;

    CCamSearch();

    // Empty texts, specs off, the criteria of type 0, counts zero.
    void Reset();
    // 102 without a folder; with specs on, the first invalid criterion's code.
    bool Validate(const char* folder, unsigned short& code) const;

    // Walks the folder and its subfolders (each real folder once, so links
    // that lead back up end there) until done or stopped.
    void Run(const char* folder);
    // Ends the walk after the current entry.
    void Stop() { stop_ = true; }
    bool IsStopped() const { return stop_; }
    bool IsRunning() const { return running_; }
    int GetFilesSearched() const { return filesSearched_; }
    int GetMatchesFound() const { return matchesFound_; }

    // Whether `file` in `folder` passes every active criterion.
    bool FileMatches(const char* folder, const char* file);
    // Every blank-separated word of the pattern (lower case, at most 255
    // characters) occurs in the text; a pattern without words never matches.
    static bool WordMatch(const char* pattern, const char* text);

    // Runs after every entry of a folder; may call Stop.
    std::function<void()> onEntry;
    // Runs for every match: the file's name and its folder.
    std::function<void(const CString& name, const CString& folder)> onMatch;

    CString namePattern;
    CString phrase;
    bool specsOn = false;
    CamRangeCriterion criteria[kCriteria];

private:
    void SearchFolder(const CString& folder);
    // False when the folder was walked already (a link back into the tree).
    bool FirstVisit(const CString& folder);
    bool PhraseMatches(const CString& path) const;
    // Reads the cam for the ranges; a file that cannot be read is reported
    // and may stop the walk.
    bool RangesMatch(const CString& path);
    bool HasActiveRanges() const;

    Cam scratch_;
    std::set<std::pair<DWORD, ULONGLONG>> visited_;  // volume serial and file index
    bool running_ = false;
    bool stop_ = false;
    int filesSearched_ = 0;
    int matchesFound_ = 0;
};

}  // namespace torvane

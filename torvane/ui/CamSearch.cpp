#include "torvane/ui/CamSearch.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/Assertion.h"
#include "common/ErrCodeException.h"
#include "framework/FileFind.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"

namespace torvane {

namespace {

const char kAssertModule[] = "CamSearch";

struct CriterionKind {
    const char* listText;
    const char* minimumName;
    const char* maximumName;
    float low, high;  // degrees
};

const CriterionKind kKinds[CamRangeCriterion::kTypeCount] = {
    {"(None)", "Min Value", "Max Value", 0.0f, 10.0f},
    {"IVO (SeatToSeat)", "Minimum Intake Valve Opening (Seat-to-Seat)",
     "Maximum Intake Valve Opening (Seat-to-Seat)", 0.0f, 80.0f},
    {"IVC (SeatToSeat)", "Minimum Intake Valve Closing (Seat-to-Seat)",
     "Maximum Intake Valve Closing (Seat-to-Seat)", 0.0f, 120.0f},
    {"EVO (SeatToSeat)", "Minimum Exhaust Valve Opening (Seat-to-Seat)",
     "Maximum Exhaust Valve Opening (Seat-to-Seat)", 0.0f, 125.0f},
    {"EVC (SeatToSeat)", "Minimum Exhaust Valve Closing (Seat-to-Seat)",
     "Maximum Exhaust Valve Closing (Seat-to-Seat)", 0.0f, 80.0f},
    {"IVO (050 Timing)", "Minimum Intake Valve Opening (0.050-inch)",
     "Maximum Intake Valve Opening (0.050-inch)", -25.0f, 50.0f},
    {"IVC (050 Timing)", "Minimum Intake Valve Closing (0.050-inch)",
     "Maximum Intake Valve Closing (0.050-inch)", -10.0f, 95.0f},
    {"EVO (050 Timing)", "Minimum Exhaust Valve Opening (0.050-inch)",
     "Maximum Exhaust Valve Opening (0.050-inch)", -10.0f, 105.0f},
    {"EVC (050 Timing)", "Minimum Exhaust Valve Closing (0.050-inch)",
     "Maximum Exhaust Valve Closing (0.050-inch)", -25.0f, 50.0f},
};

const CriterionKind& KindOf(int type) {
    APP_ASSERT(type >= 0 && type < CamRangeCriterion::kTypeCount);
    return kKinds[type];
}

std::string Lower(const char* text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

const char kCamExtension[] = ".cam";

}  // namespace

CamRangeCriterion::CamRangeCriterion()
    : minimum("Min Value", kUnitNone, 0.0f, 10.0f, kUnitNone, 1.0f),
      maximum("Max Value", kUnitNone, 0.0f, 10.0f, kUnitNone, 1.0f) {}

void CamRangeCriterion::SetType(int type, const CFloatPtSpec* event) {
    const CriterionKind& kind = KindOf(type);
    type_ = type;
    const int unit = type == 0 ? kUnitNone : kUnitDegree;
    minimum.Redefine(kind.minimumName, unit, kind.low, kind.high, unit, 1.0f);
    maximum.Redefine(kind.maximumName, unit, kind.low, kind.high, unit, 1.0f);
    if (type == 0 || event == nullptr || !event->IsSet()) {
        minimum.Clear();
        maximum.Clear();
        return;
    }
    // Two degrees either side, kept within what the fields accept.
    const float value = event->GetValue();
    minimum.SetValue(std::max(kind.low, std::min(kind.high, value - 2.0f)));
    maximum.SetValue(std::max(kind.low, std::min(kind.high, value + 2.0f)));
}

bool CamRangeCriterion::Validate(unsigned short& code) const {
    if (type_ == 0) return true;
    if (!minimum.IsSet() || !maximum.IsSet()) {
        code = 103;
        return false;
    }
    if (maximum.GetValue() < minimum.GetValue()) {
        code = 104;
        return false;
    }
    return true;
}

bool CamRangeCriterion::Matches(const Cam& cam) const {
    APP_ASSERT(type_ != 0 && minimum.IsSet() && maximum.IsSet());
    const int method = TimingMethod(type_);
    const CamTimingSet* set = nullptr;
    if (cam.primary.method.IsSet() && cam.primary.method.GetValue() == method)
        set = &cam.primary;
    else if (cam.alternate.method.IsSet() && cam.alternate.method.GetValue() == method)
        set = &cam.alternate;
    if (set == nullptr) return false;
    const CFloatPtSpec& event = EventOf(*set, type_);
    return event.IsSet() && minimum.GetValue() <= event.GetValue() &&
           event.GetValue() <= maximum.GetValue();
}

const char* CamRangeCriterion::ListText(int type) { return KindOf(type).listText; }

int CamRangeCriterion::TimingMethod(int type) {
    KindOf(type);
    if (type == 0) return 0;
    return type <= 4 ? kSeatToSeat : kFiftyThou;
}

const CFloatPtSpec& CamRangeCriterion::EventOf(const CamTimingSet& set, int type) {
    APP_ASSERT(type >= 1 && type < kTypeCount);
    const CFloatPtSpec* events[] = {&set.ivo, &set.ivc, &set.evo, &set.evc};
    return *events[(type - 1) % 4];
}

CCamSearch::CCamSearch() { Reset(); }

void CCamSearch::Reset() {
    namePattern.Empty();
    phrase.Empty();
    specsOn = false;
    for (CamRangeCriterion& criterion : criteria) criterion.SetType(0, nullptr);
    stop_ = false;
    filesSearched_ = 0;
    matchesFound_ = 0;
}

bool CCamSearch::Validate(const char* folder, unsigned short& code) const {
    code = 0;
    if (folder == nullptr || *folder == '\0') {
        code = 102;
        return false;
    }
    if (!specsOn) return true;
    for (const CamRangeCriterion& criterion : criteria)
        if (!criterion.Validate(code)) return false;
    return true;
}

void CCamSearch::Run(const char* folder) {
    APP_ASSERT(!running_);
    running_ = true;
    stop_ = false;
    filesSearched_ = 0;
    matchesFound_ = 0;
    visited_.clear();
    SearchFolder(folder);
    visited_.clear();
    running_ = false;
}

bool CCamSearch::FirstVisit(const CString& folder) {
    HANDLE handle = ::CreateFileA(folder, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return true;  // the finder reports what is wrong
    BY_HANDLE_FILE_INFORMATION info = {};
    const BOOL known = ::GetFileInformationByHandle(handle, &info);
    ::CloseHandle(handle);
    if (!known) return true;
    const ULONGLONG index = (static_cast<ULONGLONG>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return visited_.insert({info.dwVolumeSerialNumber, index}).second;
}

void CCamSearch::SearchFolder(const CString& folder) {
    if (!FirstVisit(folder)) return;
    CFileFind finder;
    if (!finder.FindFile(folder + "\\*.*")) {
        ErrCodeShowSystemError(::GetLastError());
        return;
    }
    BOOL more = TRUE;
    while (more && !stop_) {
        more = finder.FindNextFile();
        if (finder.IsDots()) continue;
        const CString name = finder.GetFileName();
        if (finder.IsDirectory()) {
            SearchFolder(folder + "\\" + name);
        } else {
            ++filesSearched_;
            if (FileMatches(folder, name)) {
                ++matchesFound_;
                if (onMatch) onMatch(name, folder);
            }
        }
        if (onEntry) onEntry();
    }
}

bool CCamSearch::FileMatches(const char* folder, const char* file) {
    const std::string name = Lower(file);
    const size_t extension = std::strlen(kCamExtension);
    if (name.size() < extension || name.compare(name.size() - extension, extension, kCamExtension) != 0)
        return false;
    CString pattern = namePattern;
    pattern.Trim();
    if (!pattern.IsEmpty() && !WordMatch(pattern, name.c_str())) return false;
    CString path;
    path.Format("%s\\%s", folder, file);
    if (!phrase.IsEmpty() && !PhraseMatches(path)) return false;
    if (HasActiveRanges() && !RangesMatch(path)) return false;
    return true;
}

bool CCamSearch::WordMatch(const char* pattern, const char* text) {
    char buffer[256];
    std::strncpy(buffer, pattern, sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    const std::string lowerText = Lower(text);
    const std::string words = Lower(buffer);
    bool anyWord = false;
    size_t at = 0;
    while (at < words.size()) {
        const size_t start = words.find_first_not_of(' ', at);
        if (start == std::string::npos) break;
        const size_t end = std::min(words.find(' ', start), words.size());
        if (lowerText.find(words.substr(start, end - start)) == std::string::npos) return false;
        anyWord = true;
        at = end;
    }
    return anyWord;
}

bool CCamSearch::PhraseMatches(const CString& path) const {
    FILE* file = std::fopen(path, "rt");
    if (file == nullptr) return false;
    std::string content;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) content.push_back(static_cast<char>(c));
    if (std::fclose(file) != 0) return false;
    CString words = phrase;
    words.Trim();
    return WordMatch(words, content.c_str());
}

bool CCamSearch::HasActiveRanges() const {
    if (!specsOn) return false;
    for (const CamRangeCriterion& criterion : criteria)
        if (criterion.GetType() != 0) return true;
    return false;
}

bool CCamSearch::RangesMatch(const CString& path) {
    scratch_.Clear();
    unsigned short code = 0;
    FILE* file = std::fopen(path, "rt");
    if (file == nullptr) {
        code = kErrFileOpen;
    } else {
        try {
            scratch_.ReadBlock(file);
        } catch (const ErrCodeException& error) {
            code = error.Code();
        }
        // Closed after a failed read too.
        if (std::fclose(file) != 0 && code == 0) code = kErrFileClose;
    }
    if (code != 0) {
        if (ErrCodeShowError(108, true, path) == IDCANCEL) stop_ = true;
        return false;
    }
    for (const CamRangeCriterion& criterion : criteria)
        if (criterion.GetType() != 0 && !criterion.Matches(scratch_)) return false;
    return true;
}

}  // namespace torvane

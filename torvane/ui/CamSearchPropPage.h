// The cam manager's search page: a file-name pattern, a phrase, a folder and
// up to four valve-event ranges; "Search" walks the folder tree for matching
// .cam files (pumping messages between entries, so that "Stop" works) and
// lists them; selecting a match loads that cam into the camshaft dialog.
#pragma once

#include "common/ui/EditFloatPt.h"
#include "common/ui/FieldEntry.h"
#include "framework/Framework.h"
#include "torvane/ui/CamSearch.h"
#include "torvane/ui/CamSheetOwner.h"

namespace torvane {

class CCamSearchPropPage : public CPropertyPage {
    DECLARE_DYNCREATE(CCamSearchPropPage)
public:
    static constexpr int kRows = CCamSearch::kCriteria;

    CCamSearchPropPage();

    void SetOwnerDialog(CCamSheetOwner* owner);
    // Empty texts, the program's cam folder, the specs off and every row
    // "(None)", no matches.
    void Reset();
    // Shows the counts, the button, the texts, the specs box and the rows.
    void UpdateControls();
    // Everything but "Search/Stop", which stops a running search.
    void EnableControls(BOOL enable);

    bool IsEntryAccepted() const { return entry_.IsEntryAccepted(); }
    bool IsSearching() const { return search_.IsRunning(); }
    const CCamSearch& GetSearch() const { return search_; }
    const CString& GetFolder() const { return folder_; }

protected:
    BOOL OnInitDialog() override;

    afx_msg void OnTypeChanged(UINT id);
    afx_msg void OnSpecsClicked();
    afx_msg void OnRangeSetFocus(UINT id);
    afx_msg void OnRangeKillFocus(UINT id);
    afx_msg void OnTextSetFocus(UINT id);
    afx_msg void OnTextKillFocus(UINT id);
    afx_msg void OnBrowse();
    afx_msg void OnSearchStop();
    afx_msg void OnResultChanged(NMHDR* header, LRESULT* result);
    afx_msg LRESULT OnFieldRejected(WPARAM id, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // The row's type with its field names and limits, preset to the
    // dialog's event of that type 2 degrees either side.
    void SetCriterion(int row, int type);
    // Enabling and texts of a row; with `selectType` its list entry too.
    void RedrawRow(int row, bool selectType);
    void ShowCounts();
    // Runs the messages waiting, as the program's loop would.
    void PumpMessages();
    void AddMatch(const CString& name, const CString& folder);
    CListCtrl& Results();

    CCamSheetOwner* owner_ = nullptr;
    CCamSearch search_;
    CString folder_;
    CFieldEntry entry_;
    CListCtrl results_;
    CEditFloatPt rangeFields_[2 * kRows];  // the rows' "From" fields, then their "To" fields
};

}  // namespace torvane

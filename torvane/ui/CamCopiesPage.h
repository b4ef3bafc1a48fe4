// What the cam manager's specification and timing pages share: each edits
// the camshaft dialog's two working copies side by side (seat-to-seat and
// 0.050-inch timing), chooses the active one with two radio buttons, shows
// the focused field's prompt in its help static and the saved help text
// again after every entry, and enables the inactive method's row only in
// automatic ramp-rate mode.
#pragma once

#include "common/ui/EditFloatPt.h"
#include "common/ui/FieldEntry.h"
#include "framework/Framework.h"
#include "torvane/ui/CamSheetOwner.h"

namespace torvane {

class CCamCopiesPage : public CPropertyPage {
    DECLARE_DYNAMIC(CCamCopiesPage)
public:
    // Keeps the dialog and its two copies and binds the page's fields.
    void SetOwnerDialog(CCamSheetOwner* owner);

    // Shows the copies (nothing before the page window exists).
    void UpdateControls();
    virtual void EnableControls(BOOL enable) = 0;

    // The last entry on the page was accepted.
    bool IsEntryAccepted() const { return entry_.IsEntryAccepted(); }

protected:
    // The page's help static, method radio buttons and ramp-rate note.
    struct PageIds {
        int help;
        int seatToSeatRadio;
        int fiftyThouRadio;
        int note;
    };
    CCamCopiesPage(UINT templateId, const PageIds& ids);

    BOOL OnInitDialog() override;

    // Binds the edit controls to fields of the two copies.
    virtual void BindFields() = 0;
    // The page's numeric edit controls.
    virtual void GetNumberIds(const int*& ids, int& count) const = 0;
    // Writes the fields' texts.
    virtual void ShowFields() { entry_.ShowAll(); }
    // The labels and fields of a timing method's row.
    virtual void GetRowIds(int method, const int*& ids, int& count) const = 0;
    // Follows an accepted entry in control `id`; `changed` when the value
    // changed (or the field was not set).
    virtual void AfterEntry(int id, bool changed) = 0;

    void EnableRows();
    // Sets `to` to the value of `from` (the seat-to-seat copy's value for the
    // 0.050-inch copy); true when that changed it.
    static bool CopyValue(const CFloatPtSpec& from, CFloatPtSpec& to);

    afx_msg void OnSeatToSeat();
    afx_msg void OnFiftyThou();
    afx_msg void OnFieldSetFocus(UINT id);
    afx_msg void OnFieldKillFocus(UINT id);
    afx_msg LRESULT OnFieldRejected(WPARAM id, LPARAM);
    DECLARE_MESSAGE_MAP()

    CCamSheetOwner* owner_ = nullptr;
    Cam* seatToSeat_ = nullptr;
    Cam* fiftyThou_ = nullptr;
    CFieldEntry entry_;
    PageIds ids_;
    CString helpText_;
    static constexpr int kMaxNumberFields = 10;
    CEditFloatPt numberFields_[kMaxNumberFields];

private:
    void OnMethodClicked(int method);
};

}  // namespace torvane

// What the two programs' specification forms share: a form of labels bound
// to the document's fields, laid out in framed panels with a caption
// bitmap each, a valid/invalid icon per checked panel, separator lines,
// markers such as "(Auto)", the panels painted in the current colour scheme
// and the scroll bars of the tab window that holds the form. Each program's
// form gives its template, control ids and pictures, binds its fields and
// refreshes them from its document.
#pragma once

#include <memory>
#include <vector>

#include "common/ui/FieldHost.h"
#include "common/ui/SimSpecEditCtrl.h"
#include "framework/Framework.h"

// The pictures all forms of one kind share: loaded by the first form made,
// released by the last.
struct SpecFormPictures {
    int instances = 0;
    CBitmap valid, invalid;
    std::vector<std::unique_ptr<CBitmap>> captions;
};

// A form's control ids and pictures.
struct SpecFormLayout {
    UINT templateId;
    const UINT* panels;  // the panel frames, in panel order
    int panelCount;
    UINT notesPanel;  // its caption sits further left
    const UINT* separators;
    int separatorCount;
    const UINT* captionBitmaps;  // one per panel
    UINT validBitmap, invalidBitmap;
    UINT firstFocus;  // the control that takes the focus on the first paint
    SpecFormPictures* pictures;
};

class CSpecFormView : public CFormView, public CFieldHost {
    DECLARE_DYNAMIC(CSpecFormView)
public:
    ~CSpecFormView() override;

    // The control bound to a field id of the form (asserted to exist).
    CSimSpecEditCtrl& GetField(UINT id);
    // The panel rectangles, in client coordinates.
    const CRect& GetPanelRect(int panel) const { return panels_[static_cast<size_t>(panel)]; }
    bool IsBound() const { return bound_; }

    void OnDraw(CDC* dc) override;
    CScrollBar* GetScrollBarCtrl(int bar) const override;

protected:
    // `fieldCount` field controls, bound later by BindField.
    CSpecFormView(const SpecFormLayout& layout, int fieldCount);

    // Subclasses control `id` as field control `index` and binds `field`.
    void BindField(int index, UINT id, CSimSpec* field, int kind, UINT menuId);
    // Records the panel and separator rectangles (each control asserted);
    // the form counts as bound from then on.
    void RecordLayout();

    // UpdateFromSpec on the controls `ids`.
    void UpdateFields(const UINT* ids, size_t count, bool withUnits);
    template <size_t N>
    void UpdateFields(const UINT (&ids)[N], bool withUnits) {
        UpdateFields(ids, N, withUnits);
    }
    // The valid or invalid picture on the icon static `id`, set only when
    // it changes.
    void SetStatusIcon(UINT id, bool valid);
    // The text of a plain control, set only when it changes.
    void SetControlText(UINT id, const char* text);
    // A field's editor closed (the done message's arguments): after OK the
    // focus goes on to the next control and true is returned.
    bool FocusNextAfterEdit(WPARAM control, LPARAM ok);
    // Sends a command to the frame, as a menu would.
    void SendCommand(UINT command);

    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

private:
    void PaintProgramColours(CDC& dc, int captionHeight);
    void PaintWindowsColours(CDC& dc, int captionHeight);
    void PaintSeparators(CDC& dc);

    const SpecFormLayout& layout_;
    std::unique_ptr<CSimSpecEditCtrl[]> fields_;
    std::vector<UINT> fieldIds_;
    std::vector<CRect> panels_;
    std::vector<CRect> separators_;
    bool firstPaint_ = true;
    bool bound_ = false;
};

// The custom camshaft's description: asked for when the user picks the
// custom entry of the camshaft menu.
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CCamTypeDlg : public CDialog {
public:
    // `name` (may be null) is shown to start with.
    CCamTypeDlg(const char* name, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The entered name, or null when there is none.
    const char* GetCamTypeName() const;

protected:
    afx_msg void OnDescriptionSetFocus();
    DECLARE_MESSAGE_MAP()

private:
    CString name_;
};

// The document's custom-camshaft hook: true on OK with the trimmed name.
bool ChooseCamTypeName(const char* currentName, CString& enteredName);

}  // namespace torvane

// The cylinder-head airflow dialog: the engine's custom port airflow table
// (description, notes, test conditions and 4 to 10 lift/flow points per
// valve), edited on a working copy, loaded from and saved to airflow files.
#pragma once

#include "common/SimSpec.h"
#include "common/ui/FieldEntry.h"
#include "framework/Framework.h"
#include "torvane/components/CylHeadFlow.h"

namespace torvane {

class CAirFlowDlg : public CDialog {
public:
    // Works on a copy of `target` and of the document's "Airflow File";
    // writes both back on OK only.
    CAirFlowDlg(CylHeadFlow* target, CFileSpec* targetFile, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CylHeadFlow& GetWorkingCopy() const { return flow_; }
    const CFileSpec& GetFileField() const { return file_; }

protected:
    afx_msg void OnEditSetFocus(UINT id);
    afx_msg void OnEditKillFocus(UINT id);
    afx_msg void OnValvesSetFocus(UINT id);
    afx_msg void OnValvesChanged(UINT id);
    afx_msg void OnPointsDelta(NMHDR* header, LRESULT* result);
    afx_msg void OnCalcOthers();
    afx_msg void OnResetAll();
    afx_msg void OnOpen();
    afx_msg void OnSaveAs();
    afx_msg LRESULT OnFieldRejected(WPARAM id, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // Binds every numeric control to its field of the working copy.
    void BindFields();
    void Refresh();
    void EnableRows();
    void ShowPointCount();
    void FillValveList(int id);
    // Text fields: stored when the trimmed text differs.
    void StoreText(int id);
    bool IsLiftCell(int id) const;
    void MarkModified() { SetLeadFlag(flow_, true); }

    CylHeadFlow* target_;
    CFileSpec* targetFile_;
    CylHeadFlow flow_;
    CFileSpec file_;
    CFieldEntry entry_;
    int lastLiftId_ = 0;
};

// The document's custom-airflow dialog (installed as its component dialog):
// true on OK, with the flow data and the file field written back.
bool EditAirflowData(CylHeadFlow& flow, CFileSpec& airflowFile);

}  // namespace torvane

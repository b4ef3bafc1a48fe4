#include "quillet/ui/ProgramDocHost.h"

#include "common/ui/SimSpecEditDlg.h"

namespace quillet {

bool CProgramDocHost::IsEditorOpen() { return CSimSpecEditDlg::IsEditorOpen(); }

void CProgramDocHost::PostCommitToOpenEditor() { CSimSpecEditDlg::PostCommitToOpenEditor(); }

CProgramDocHost& ProgramDocHost() {
    static CProgramDocHost host;
    return host;
}

}  // namespace quillet

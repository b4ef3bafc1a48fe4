#include "CommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCSTR param, BOOL flag, BOOL last) {
    if (flag) ParseFlag(param);
    else ParseValue(param);
    // A file name alone means: open it.
    if (last && m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
}

void CCommandLineInfo::ParseFlag(LPCSTR flag) {
    struct Known {
        LPCSTR name;
        ShellCommand command;
    };
    static const Known known[] = {{"p", FilePrint}, {"pt", FilePrintTo}, {"dde", FileDDE},
                                  {"register", AppRegister}, {"regserver", AppRegister},
                                  {"unregister", AppUnregister}, {"unregserver", AppUnregister}};
    if (lstrcmpiA(flag, "embedding") == 0) {
        m_bShowSplash = FALSE;
        m_bRunEmbedded = TRUE;
        return;
    }
    if (lstrcmpiA(flag, "automation") == 0) {
        m_bShowSplash = FALSE;
        m_bRunAutomated = TRUE;
        return;
    }
    for (const Known& entry : known) {
        if (lstrcmpiA(flag, entry.name) == 0) {
            m_nShellCommand = entry.command;
            if (entry.command == FileDDE) m_bShowSplash = FALSE;
            return;
        }
    }
}

void CCommandLineInfo::ParseValue(LPCSTR value) {
    // The file comes first; printing to a named printer takes three more.
    if (m_strFileName.IsEmpty()) m_strFileName = value;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty()) m_strPrinterName = value;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty()) m_strDriverName = value;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty()) m_strPortName = value;
}

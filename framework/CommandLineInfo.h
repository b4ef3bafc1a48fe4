// What the command line asks the application to do at start-up.
#pragma once

#include "CoreIncludes.h"

class CCommandLineInfo : public CObject {
public:
    enum ShellCommand {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    };

    CCommandLineInfo() = default;

    // Called for each argument: `flag` when it began with '-' or '/' (which
    // is then stripped), `last` for the final one.
    virtual void ParseParam(LPCSTR param, BOOL flag, BOOL last);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    ShellCommand m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

private:
    void ParseFlag(LPCSTR flag);
    void ParseValue(LPCSTR value);
};

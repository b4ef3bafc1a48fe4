// The system's open and save file dialogs for the engine program's component
// files, starting in the kind's folder under the program folder.
#pragma once

#include "framework/Framework.h"

namespace torvane {

struct ComponentFileKind {
    const char* defaultExtension;  // "cam"
    const char* filter;            // "Cam Data Files (*.cam)|*.cam|...||"
    const char* folder;            // below the program folder: "CamFiles (.CAM)"
};

// Runs the save (overwrite prompt) or open (file must exist) dialog with
// `initialName` (may be empty). OK gives the chosen name and full path; Cancel
// gives false and both empty.
bool BrowseComponentFile(const ComponentFileKind& kind, bool save, const char* initialName,
                         CString& fileName, CString& fullPath);

}  // namespace torvane

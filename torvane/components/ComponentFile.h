// Opening, running and closing one text file of the engine program, with its
// file errors (43 open, 46 close, and whatever the body throws) shown by
// number. Used by the cam and airflow files.
#pragma once

#include <cstdio>
#include <functional>

#include "torvane/services/ErrCode.h"
#include "torvane/services/FileBrowser.h"

namespace torvane {

// Opens `path` in `mode` ("rt" or "wt"), runs `body` on it and closes it;
// a written file replaces the old one only once complete. An error code is
// shown (ErrCodeShowError), the file closed, and false returned.
bool RunComponentFile(const char* path, const char* mode, const std::function<void(FILE*)>& body);

// A component (Cam, CylHeadFlow) saved as, or loaded from, a file holding
// just its block.
template <class Component>
bool SaveComponentFile(Component& component, const char* path) {
    return RunComponentFile(path, "wt", [&component](FILE* file) { component.WriteBlock(file); });
}

// The file is read into a copy, which replaces the component only when the
// whole block was read: a damaged file leaves the component as it was.
template <class Component>
bool LoadComponentFile(Component& component, const char* path) {
    Component read(component);
    if (!RunComponentFile(path, "rt", [&read](FILE* file) { read.ReadBlock(file); })) return false;
    component = read;
    return true;
}

// The save dialog for a component; when the component does not validate its
// first error is shown instead and the result is false.
template <class Component>
bool BrowseComponentSave(const Component& component, const ComponentFileKind& kind,
                         const char* initialName, CString& fileName, CString& fullPath) {
    fileName.Empty();
    fullPath.Empty();
    unsigned short code = 0;
    if (!component.Validate(code)) {
        ErrCodeShowError(code);
        return false;
    }
    return BrowseComponentFile(kind, true, initialName, fileName, fullPath);
}

// The version line that starts a component block: "4.05" is written; these
// and the older ones are read.
extern const char kComponentFileVersion[];
// Reads the version line, trimmed; one the program does not know throws
// `unknownVersionCode`. Returns whether it is the current version.
bool ReadComponentVersion(FILE* file, unsigned short unknownVersionCode);

// Shows a component (Cam, CylHeadFlow) in English units for the scope's
// life, then in the units it showed before, also when a file error unwinds.
template <class Component>
class EnglishUnitsScope {
public:
    explicit EnglishUnitsScope(Component& component)
        : component_(component), shownMode_(component.GetUnits()) {
        component_.SetUnits(0);
    }
    ~EnglishUnitsScope() { component_.SetUnits(shownMode_); }
    EnglishUnitsScope(const EnglishUnitsScope&) = delete;
    EnglishUnitsScope& operator=(const EnglishUnitsScope&) = delete;

private:
    Component& component_;
    int shownMode_;
};

}  // namespace torvane

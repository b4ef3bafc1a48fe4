#include "RecentFileList.h"

#include "CmdUI.h"
#include "Menu.h"
#include "WinApp.h"

namespace {

CString FullPathOf(LPCSTR pathName) {
    char full[MAX_PATH] = {};
    DWORD length = ::GetFullPathNameA(pathName, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return pathName;
    return full;
}

// "C:\a\b\c\file.ext" shortened to "C:\...\c\file.ext": the root, then as
// many trailing folders as fit, always the file name.
CString AbbreviatePath(const CString& path, int maxLength) {
    if (path.GetLength() <= maxLength) return path;
    int nameStart = path.ReverseFind('\\') + 1;
    CString name = path.Mid(nameStart);
    int rootEnd = path.Find('\\', path.Left(2) == "\\\\" ? path.Find('\\', 2) + 1 : 0);
    if (rootEnd < 0 || nameStart <= rootEnd + 1) return name;
    CString root = path.Left(rootEnd + 1);
    CString tail = name;
    int cut = nameStart - 1;
    while (cut > rootEnd) {
        int previous = path.Left(cut).ReverseFind('\\');
        CString longer = path.Mid(previous + 1, cut - previous) + tail;
        if (root.GetLength() + 4 + longer.GetLength() > maxLength) break;
        tail = longer;
        cut = previous;
    }
    if (cut <= rootEnd) return root + tail;
    CString shortened = root + "...\\" + tail;
    return shortened.GetLength() <= maxLength ? shortened : name;
}

}  // namespace

CRecentFileList::CRecentFileList(UINT firstId, LPCSTR section, LPCSTR entryFormat, int size,
                                 int maxDisplayLength)
    : firstId_(firstId), section_(section), entryFormat_(entryFormat), size_(size),
      maxDisplayLength_(maxDisplayLength) {
    ASSERT(size > 0);
    names_.SetSize(size);
}

int CRecentFileList::GetCount() const {
    int count = 0;
    while (count < size_ && !names_[count].IsEmpty()) ++count;
    return count;
}

void CRecentFileList::Add(LPCSTR pathName) {
    CString path = FullPathOf(pathName);
    int at = 0;
    while (at < size_ - 1 && !names_[at].IsEmpty() && names_[at].CompareNoCase(path) != 0) ++at;
    for (; at > 0; --at) names_[at] = names_[at - 1];
    names_[0] = path;
}

void CRecentFileList::Remove(int index) {
    ASSERT(index >= 0 && index < size_);
    for (int at = index; at < size_ - 1; ++at) names_[at] = names_[at + 1];
    names_[size_ - 1].Empty();
}

BOOL CRecentFileList::GetDisplayName(CString& name, int index, LPCSTR currentDir, int currentDirLength,
                                     BOOL atLeastName) const {
    const CString& path = names_[index];
    if (path.IsEmpty()) return FALSE;
    // A file in the current folder shows by name alone.
    int nameStart = path.ReverseFind('\\') + 1;
    if (currentDir && currentDirLength > 0 && nameStart == currentDirLength + 1 &&
        path.Left(currentDirLength).CompareNoCase(CString(currentDir, currentDirLength)) == 0) {
        name = path.Mid(nameStart);
        return TRUE;
    }
    name = atLeastName ? AbbreviatePath(path, maxDisplayLength_) : path;
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* cmdUI) {
    CMenu* menu = cmdUI->m_pMenu;
    if (!menu) return;
    if (GetCount() == 0) {
        cmdUI->Enable(FALSE);
        return;
    }
    for (int i = 0; i < size_; ++i) menu->DeleteMenu(firstId_ + i, MF_BYCOMMAND);

    char currentDir[MAX_PATH] = {};
    int currentDirLength = static_cast<int>(::GetCurrentDirectoryA(MAX_PATH, currentDir));
    UINT position = cmdUI->m_nIndex;
    for (int i = 0; i < size_; ++i) {
        CString name;
        if (!GetDisplayName(name, i, currentDir, currentDirLength)) break;
        name.Replace("&", "&&");
        CString text;
        text.Format("&%d %s", (i + 1) % 10, static_cast<LPCSTR>(name));
        menu->InsertMenu(position++, MF_STRING | MF_BYPOSITION, firstId_ + i, text);
    }
    // The items now take the places from m_nIndex on; the update loop goes
    // on after the last one.
    cmdUI->m_nIndex = position - 1;
    cmdUI->m_nIndexMax = menu->GetMenuItemCount();
    cmdUI->m_bEnableChanged = TRUE;
}

CString CRecentFileList::EntryName(int index) const {
    CString entry;
    entry.Format(entryFormat_, index + 1);
    return entry;
}

void CRecentFileList::ReadList() {
    CWinApp* app = AfxGetApp();
    for (int i = 0; i < size_; ++i) names_[i] = app->GetProfileString(section_, EntryName(i), "");
}

void CRecentFileList::WriteList() {
    CWinApp* app = AfxGetApp();
    app->WriteProfileString(section_, nullptr, nullptr);  // drops entries of a longer list
    for (int i = 0; i < size_ && !names_[i].IsEmpty(); ++i)
        app->WriteProfileString(section_, EntryName(i), names_[i]);
}

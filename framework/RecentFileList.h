// The recent-file list: the last opened files, most recent first, kept in
// the profile and shown as numbered menu items in place of the first one of
// a run of command ids.
#pragma once

#include "CoreIncludes.h"

class CCmdUI;

class CRecentFileList {
public:
    // Entries are stored as "<section>\<entryFormat % n>" (n from 1) and use
    // the commands firstId .. firstId + size - 1. Menu texts longer than
    // maxDisplayLength are shortened in the middle.
    CRecentFileList(UINT firstId, LPCSTR section, LPCSTR entryFormat, int size,
                    int maxDisplayLength = 30);
    virtual ~CRecentFileList() = default;
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    int GetSize() const { return size_; }
    // The number of files the list holds now.
    int GetCount() const;
    CString& operator[](int index) { return names_[index]; }

    // Puts a file first (as a full path); an entry for the same file moves.
    virtual void Add(LPCSTR pathName);
    virtual void Remove(int index);
    // The menu text of an entry, without its number; FALSE when empty.
    virtual BOOL GetDisplayName(CString& name, int index, LPCSTR currentDir, int currentDirLength,
                                BOOL atLeastName = TRUE) const;
    // Replaces the menu's run of recent-file items by the current list; an
    // empty list leaves the first item, disabled.
    virtual void UpdateMenu(CCmdUI* cmdUI);
    virtual void ReadList();
    virtual void WriteList();

private:
    CString EntryName(int index) const;

    UINT firstId_;
    CString section_;
    CString entryFormat_;
    int size_;
    int maxDisplayLength_;
    CStringArray names_;
};

// CDocument: the data of one open file (or untitled document) and the list
// of views that show it.
//
// A document works on its own: code may create one with new, use it and
// delete it, with no template, frame or view. A template (CDocTemplate)
// that creates a document keeps it in its list until the document is
// destroyed.
//
// Saving goes through one chain, each step a virtual a class may override:
//   SaveModified   asks "Save changes to <name>?" when modified;
//   DoFileSave     saves to the current path (asks for one when there is none);
//   DoSave         asks the application for a name when none is given, then
//   OnSaveDocument writes the file; FALSE anywhere stops the chain, leaving
//                  the document open, modified and under its old path.
#pragma once

#include <windows.h>

#include "CmdTarget.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    // Leaves its template's list and lets go of any views still attached.
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR title);
    const CString& GetPathName() const { return m_strPathName; }
    // Takes the full path; the title becomes the file's name. With
    // addToRecentFiles the application's recent-file list gets the path.
    virtual void SetPathName(LPCSTR pathName, BOOL addToRecentFiles = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

    // Views, in the order they were added.
    void AddView(CView* view);
    void RemoveView(CView* view);
    virtual POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    virtual CView* GetNextView(POSITION& position) const;
    // Calls OnUpdate of every view but `sender`.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);

    // Empties the document's data; called before new data is made or read.
    virtual void DeleteContents() {}
    // A new, empty, unmodified document without a path.
    virtual BOOL OnNewDocument();
    // Reads the file through Serialize (a class that reads its file itself
    // overrides this and may call it first to check the file opens).
    // Failures are reported to the user and return FALSE.
    virtual BOOL OnOpenDocument(LPCSTR pathName);
    // Writes the file through Serialize and clears the modified flag.
    virtual BOOL OnSaveDocument(LPCSTR pathName);
    // Closes the views with their frames (except the main window), empties
    // the document and deletes it (m_bAutoDelete).
    virtual void OnCloseDocument();
    // TRUE when the document may be closed: unmodified, saved, or the user
    // chose not to save. FALSE when the user cancelled or saving failed.
    virtual BOOL SaveModified();
    // Tells the user why a file could not be read or written; `exception`
    // may be null. A CUserException is not reported (the user knows).
    virtual void ReportSaveLoadException(LPCSTR pathName, CException* exception, BOOL saving);

    BOOL DoFileSave();
    // Saves under pathName, or under a name the user picks when it is null or
    // empty; `replace` makes the saved file the document's new path.
    virtual BOOL DoSave(LPCSTR pathName, BOOL replace = TRUE);

    // The last view was removed: the document closes itself (m_bAutoDelete).
    virtual void OnChangedViewList();
    // Numbers the document's frames (m_nWindow: 0 for a single frame, else
    // 1, 2, ...) and updates their titles ("Engine1:2").
    virtual void UpdateFrameCounts();
    // Whether a frame that shows the document may close: another frame
    // still shows it, or SaveModified agrees.
    virtual BOOL CanCloseFrame(CFrameWnd* frame);
    // Called before OnCloseDocument destroys a frame of the document.
    virtual void PreCloseFrame(CFrameWnd* frame);
    // Whether a visible frame other than `frame` shows the document.
    BOOL HasOtherFrame(CFrameWnd* frame) const;

    // Close (ID_FILE_CLOSE), Save (ID_FILE_SAVE) and Save As (ID_FILE_SAVE_AS).
    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

    // Whether closing (or losing the last view) deletes the object.
    BOOL m_bAutoDelete = TRUE;

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocTemplate;
    // The name a Save As offers for a document without a path.
    CString ProposedFileName() const;
    // Reads or writes the file through Serialize; reports failures.
    BOOL SerializeFile(LPCSTR pathName, BOOL saving);
};

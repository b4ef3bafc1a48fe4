// Document templates: what a kind of document is called, which files it
// reads, and how its documents are made.
//
// A template names a resource id, the document's run-time class and the
// frame and view classes that show it. The string resource of that id holds
// the document strings separated by "\n" (see DocStringIndex), for example
//   "\nQuillet\nQuillet\nQuillet Files(*.qlt)\n.qlt\nQuillet.Document\nQuillet Document"
// A template keeps the documents it made in its list.
//
// Opening a document: the document object is created from its run-time
// class, then its frame (CreateNewFrame: the frame class is loaded with the
// template's resource id and a create context that names the view class and
// the document, so the frame's panes become the document's views), then
// OnNewDocument or OnOpenDocument runs, and last the frame gets its initial
// update (InitialUpdateFrame), which shows it. A template whose frame class
// is null makes documents without frames.
#pragma once

#include <windows.h>

#include "CmdTarget.h"
#include "Document.h"

class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex {
        windowTitle,      // the main window's title (single-document programs)
        docName,          // base of default titles: "Quillet" gives "Quillet1"
        fileNewName,      // the name in a File New choice
        filterName,       // "Quillet Files(*.qlt)"
        filterExt,        // ".qlt"
        regFileTypeId,    // "Quillet.Document"
        regFileTypeName,  // "Quillet Document"
    };
    // How well a file suits this template, best last.
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    ~CDocTemplate() override;
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    // Loads the template's resources (the application does this when the
    // template is added); loading twice does nothing.
    virtual void LoadTemplate();
    // One of the document strings; FALSE when it is missing or empty.
    virtual BOOL GetDocString(CString& text, DocStringIndex index) const;

    virtual void AddDocument(CDocument* document);
    virtual void RemoveDocument(CDocument* document);
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& position) const = 0;

    // A new document object of the template's class, added to the list;
    // null when the class cannot be created.
    virtual CDocument* CreateNewDocument();
    // The frame (with its views) for a document; null when the template
    // makes documents without frames or the frame could not be made.
    // `other` is a frame of the same document that the new one copies.
    virtual CFrameWnd* CreateNewFrame(CDocument* document, CFrameWnd* other);
    virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible = TRUE);

    // A new untitled document (null pathName) or the named file; null on failure.
    virtual CDocument* OpenDocumentFile(LPCSTR pathName, BOOL makeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* document) = 0;
    // The open document of that path (yesAlreadyOpen), or how well the file's
    // extension fits the template's.
    virtual Confidence MatchDocType(LPCSTR pathName, CDocument*& match);

    // Asks every document whether it may close (SaveModified).
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL endSession);

    UINT GetResourceId() const { return m_nIDResource; }
    CRuntimeClass* GetDocClass() const { return m_pDocClass; }
    CRuntimeClass* GetFrameClass() const { return m_pFrameClass; }
    CRuntimeClass* GetViewClass() const { return m_pViewClass; }

protected:
    CDocTemplate(UINT resourceId, CRuntimeClass* documentClass, CRuntimeClass* frameClass,
                 CRuntimeClass* viewClass);

    // Opens a new or named document: the sequence above, shared by the
    // template kinds. A document that fails is discarded.
    CDocument* OpenDocument(CDocument* document, LPCSTR pathName, BOOL makeVisible);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};

// The template of a multiple-document program: any number of documents,
// each in its own child frame, sharing the template's menu and accelerators.
class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT resourceId, CRuntimeClass* documentClass, CRuntimeClass* frameClass,
                      CRuntimeClass* viewClass);
    ~CMultiDocTemplate() override;

    // Also loads the shared menu and accelerators of the resource id.
    void LoadTemplate() override;
    void AddDocument(CDocument* document) override;
    void RemoveDocument(CDocument* document) override;
    POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
    CDocument* GetNextDoc(POSITION& position) const override;
    CDocument* OpenDocumentFile(LPCSTR pathName, BOOL makeVisible = TRUE) override;
    // docName followed by the next number ("Torvane1", "Torvane2", ...).
    void SetDefaultTitle(CDocument* document) override;

    HMENU m_hMenuShared = nullptr;
    HACCEL m_hAccelTable = nullptr;

protected:
    CPtrList m_docList;
    UINT m_nUntitledCount = 0;
};

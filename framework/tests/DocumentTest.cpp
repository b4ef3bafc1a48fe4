#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DocTemplate.h"
#include "Document.h"
#include "DocumentTestResources.h"
#include "ModalDriver.h"
#include "TempFolder.h"
#include "View.h"
#include "WindowMessages.h"

using testing_harness::ModalDriver;

namespace {

// A document whose content is one string, kept in its file through Serialize.
class CWidgetDoc : public CDocument {
    DECLARE_DYNCREATE(CWidgetDoc)
public:
    static int live;
    CWidgetDoc() { ++live; }
    ~CWidgetDoc() override { --live; }

    CString content;
    BOOL refuseSave = FALSE;        // refuses before writing, as a failed validation does
    BOOL failAfterWriting = FALSE;  // writes part of the file, then fails
    int saveAttempts = 0;
    int contentsDeleted = 0;

    void DeleteContents() override {
        ++contentsDeleted;
        content.Empty();
    }
    void Serialize(CArchive& archive) override {
        if (archive.IsStoring())
            archive << content;
        else
            archive >> content;
    }
    BOOL OnSaveDocument(LPCSTR pathName) override {
        ++saveAttempts;
        if (refuseSave) return FALSE;
        if (failAfterWriting) {
            FILE* file = fopen(pathName, "wb");
            if (file) fputs("partial", file), fclose(file);
            return FALSE;
        }
        return CDocument::OnSaveDocument(pathName);
    }
};
IMPLEMENT_DYNCREATE(CWidgetDoc, CDocument)
int CWidgetDoc::live = 0;

class CRecordingView : public CView {
public:
    std::vector<LPARAM> hints;
    void OnUpdate(CView*, LPARAM hint, CObject*) override { hints.push_back(hint); }
};

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override { CWidgetDoc::live = 0; }
    void TearDown() override { EXPECT_EQ(0, CWidgetDoc::live) << "documents leaked"; }
    CString PathOf(LPCSTR name) const { return folder_.PathOf(name); }
    static std::string FileText(LPCSTR path) { return TempFolder::FileText(path); }

    // A modified document saved once under `name`.
    CWidgetDoc* SavedDocument(LPCSTR name, LPCSTR content) {
        auto* document = new CWidgetDoc;
        document->OnNewDocument();
        document->content = content;
        EXPECT_TRUE(document->DoSave(PathOf(name)));
        document->content += " (edited)";
        document->SetModifiedFlag();
        return document;
    }

    TempFolder folder_{"framework_documents"};
};

}  // namespace

TEST_F(DocumentTest, DocumentWorksWithoutTemplateFrameOrView) {
    auto* document = new CWidgetDoc;
    EXPECT_TRUE(document->OnNewDocument());
    EXPECT_EQ(1, document->contentsDeleted);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(nullptr, document->GetDocTemplate());
    EXPECT_EQ(nullptr, document->GetFirstViewPosition());

    document->SetTitle("Sweep copy");
    document->content = "value";
    document->SetModifiedFlag();
    document->UpdateAllViews(nullptr, 0, nullptr);
    EXPECT_TRUE(document->IsModified());
    EXPECT_STREQ("Sweep copy", document->GetTitle());
    delete document;

    auto* closed = new CWidgetDoc;
    closed->OnCloseDocument();  // deletes it
    EXPECT_EQ(0, CWidgetDoc::live);
}

TEST_F(DocumentTest, TemplateMakesNumberedDocumentsOfItsClass) {
    CMultiDocTemplate widgets(IDR_WIDGET, RUNTIME_CLASS(CWidgetDoc), nullptr, nullptr);
    CString text;
    EXPECT_TRUE(widgets.GetDocString(text, CDocTemplate::filterExt));
    EXPECT_STREQ(".wdg", text);
    EXPECT_TRUE(widgets.GetDocString(text, CDocTemplate::filterName));
    EXPECT_STREQ("Widget Files (*.wdg)", text);
    EXPECT_FALSE(widgets.GetDocString(text, CDocTemplate::windowTitle));

    CDocument* first = widgets.OpenDocumentFile(nullptr);
    CDocument* second = widgets.OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(CWidgetDoc)));
    EXPECT_STREQ("Widget1", first->GetTitle());
    EXPECT_STREQ("Widget2", second->GetTitle());
    EXPECT_EQ(&widgets, first->GetDocTemplate());

    std::vector<CDocument*> listed;
    for (POSITION at = widgets.GetFirstDocPosition(); at != nullptr;) listed.push_back(widgets.GetNextDoc(at));
    EXPECT_EQ((std::vector<CDocument*>{first, second}), listed);

    first->OnCloseDocument();
    POSITION at = widgets.GetFirstDocPosition();
    EXPECT_EQ(second, widgets.GetNextDoc(at));
    EXPECT_EQ(nullptr, at);
    widgets.CloseAllDocuments(FALSE);
    EXPECT_EQ(nullptr, widgets.GetFirstDocPosition());

    CMultiDocTemplate plain(IDR_NO_STRINGS, RUNTIME_CLASS(CWidgetDoc), nullptr, nullptr);
    CDocument* untitled = plain.OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, untitled);
    EXPECT_STREQ("Untitled1", untitled->GetTitle());
    delete untitled;  // leaves the template's list
    EXPECT_EQ(nullptr, plain.GetFirstDocPosition());
}

TEST_F(DocumentTest, SavedDocumentReopensWithItsPathAndTitle) {
    CWidgetDoc* saved = SavedDocument("engine.wdg", "torque curve");
    EXPECT_EQ(PathOf("engine.wdg"), saved->GetPathName());
    EXPECT_STREQ("engine.wdg", saved->GetTitle());
    delete saved;

    CMultiDocTemplate widgets(IDR_WIDGET, RUNTIME_CLASS(CWidgetDoc), nullptr, nullptr);
    auto* opened = static_cast<CWidgetDoc*>(widgets.OpenDocumentFile(PathOf("engine.wdg")));
    ASSERT_NE(nullptr, opened);
    EXPECT_STREQ("torque curve", opened->content);
    EXPECT_FALSE(opened->IsModified());
    EXPECT_STREQ("engine.wdg", opened->GetTitle());

    CDocument* match = nullptr;
    EXPECT_EQ(CDocTemplate::yesAlreadyOpen, widgets.MatchDocType(PathOf("ENGINE.WDG"), match));
    EXPECT_EQ(opened, match);
    EXPECT_EQ(CDocTemplate::yesAttemptNative, widgets.MatchDocType(PathOf("other.wdg"), match));
    EXPECT_EQ(CDocTemplate::yesAttemptForeign, widgets.MatchDocType(PathOf("other.txt"), match));
    EXPECT_EQ(nullptr, match);
    widgets.CloseAllDocuments(FALSE);
}

TEST_F(DocumentTest, FailedOpenReportsAndDiscardsTheDocument) {
    CMultiDocTemplate widgets(IDR_WIDGET, RUNTIME_CLASS(CWidgetDoc), nullptr, nullptr);
    ModalDriver::Instance().Answer("", IDOK);
    EXPECT_EQ(nullptr, widgets.OpenDocumentFile(PathOf("missing.wdg")));
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[0].text.find("missing.wdg"));
    EXPECT_EQ(nullptr, widgets.GetFirstDocPosition());
    EXPECT_EQ(0, CWidgetDoc::live);

    // A file that ends too early fails while being read.
    FILE* file = fopen(PathOf("short.wdg"), "wb");
    ASSERT_NE(nullptr, file);
    fputs("\x0A" "abc", file);  // promises ten characters, holds three
    fclose(file);
    ModalDriver::Instance().Answer("", IDOK);
    EXPECT_EQ(nullptr, widgets.OpenDocumentFile(PathOf("short.wdg")));
    ASSERT_EQ(2u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[1].text.find("short.wdg"));
    EXPECT_EQ(0, CWidgetDoc::live);
}

TEST_F(DocumentTest, RefusedSaveKeepsTheDocumentOpenAndModified) {
    CWidgetDoc* document = SavedDocument("kept.wdg", "original");
    document->refuseSave = TRUE;

    ModalDriver::Instance().Answer("", IDYES);
    EXPECT_FALSE(document->SaveModified());
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ("Save changes to kept.wdg?", ModalDriver::Instance().Boxes()[0].text);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(PathOf("kept.wdg"), document->GetPathName());

    // Close through the command: the refusal stops it, the document stays.
    ModalDriver::Instance().Answer("", IDYES);
    EXPECT_TRUE(document->OnCmdMsg(ID_FILE_CLOSE, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(1, CWidgetDoc::live);
    EXPECT_EQ(3, document->saveAttempts);  // one save when made, two refused
    EXPECT_TRUE(document->IsModified());
    EXPECT_NE(std::string::npos, FileText(PathOf("kept.wdg")).find("original"));  // untouched
    delete document;
}

TEST_F(DocumentTest, SaveModifiedAnswers) {
    const struct {
        int answer;
        BOOL mayClose;
        bool saved;
    } cases[] = {{IDYES, TRUE, true}, {IDNO, TRUE, false}, {IDCANCEL, FALSE, false}};
    for (const auto& c : cases) {
        CWidgetDoc* document = SavedDocument("answer.wdg", "first");
        ModalDriver::Instance().Answer("", c.answer);
        EXPECT_EQ(c.mayClose, document->SaveModified()) << c.answer;
        EXPECT_EQ(!c.saved, document->IsModified() != FALSE) << c.answer;
        EXPECT_EQ(c.saved, FileText(PathOf("answer.wdg")).find("edited") != std::string::npos)
            << c.answer;
        delete document;
    }
    auto* unmodified = new CWidgetDoc;
    EXPECT_TRUE(unmodified->SaveModified());  // no question asked
    EXPECT_EQ(3u, ModalDriver::Instance().Boxes().size());
    delete unmodified;
}

TEST_F(DocumentTest, FailedSaveRemovesOnlyAFileItCreated) {
    CWidgetDoc* document = SavedDocument("existing.wdg", "original");
    document->failAfterWriting = TRUE;
    EXPECT_FALSE(document->DoSave(PathOf("new.wdg")));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PathOf("new.wdg")));
    EXPECT_EQ(PathOf("existing.wdg"), document->GetPathName());

    document->failAfterWriting = FALSE;
    document->refuseSave = TRUE;
    EXPECT_FALSE(document->DoSave(PathOf("existing.wdg")));
    EXPECT_NE(std::string::npos, FileText(PathOf("existing.wdg")).find("original"));
    EXPECT_TRUE(document->IsModified());

    // Without a path and without an application to ask for one, nothing is saved.
    auto* untitled = new CWidgetDoc;
    untitled->SetModifiedFlag();
    EXPECT_FALSE(untitled->DoFileSave());
    EXPECT_EQ(0, untitled->saveAttempts);
    delete untitled;
    delete document;
}

TEST_F(DocumentTest, ViewsGetUpdatesAndTheLastOneClosesTheDocument) {
    auto* document = new CWidgetDoc;
    CRecordingView first, second;
    document->AddView(&first);
    document->AddView(&second);
    EXPECT_EQ(document, first.GetDocument());

    document->UpdateAllViews(&first, 5);
    document->UpdateAllViews(nullptr, 6);
    EXPECT_EQ((std::vector<LPARAM>{6}), first.hints);
    EXPECT_EQ((std::vector<LPARAM>{5, 6}), second.hints);

    std::vector<CView*> views;
    for (POSITION at = document->GetFirstViewPosition(); at != nullptr;) views.push_back(document->GetNextView(at));
    EXPECT_EQ((std::vector<CView*>{&first, &second}), views);

    document->RemoveView(&first);
    EXPECT_EQ(nullptr, first.GetDocument());
    EXPECT_EQ(1, CWidgetDoc::live);
    document->RemoveView(&second);  // the last view: the document closes itself
    EXPECT_EQ(0, CWidgetDoc::live);
}

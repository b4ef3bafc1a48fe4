// The document among the application's documents: the open-document checks
// that views and iterators rely on, and what the document tells its views
// and main frame.
#include <gtest/gtest.h>

#include "quillet/document/tests/QuilletDocTestSupport.h"

namespace quillet {

namespace {

class StubFormView : public CQuilletFormViewLink {
public:
    void DoFilePrint() override { ++prints; }
    void DoFilePrintPreview() override { ++previews; }
    int prints = 0;
    int previews = 0;
};

TEST(DocumentList, OnlyTheTemplatesDocumentsAreOpen) {
    TestDocHost host;
    std::unique_ptr<CWinApp> app(new CWinApp("Quillet Model Tests"));
    auto* vehicles = new CMultiDocTemplate(104, RUNTIME_CLASS(CQuilletDoc), nullptr, nullptr);
    app->AddDocTemplate(vehicles);

    auto* open = static_cast<CQuilletDoc*>(vehicles->OpenDocumentFile(nullptr));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(QuilletDocGetLastCreated(), open);
    EXPECT_TRUE(QuilletDocIsValid(open));
    EXPECT_TRUE(QuilletDocIsOpen(open, open->GetSerial()));
    EXPECT_FALSE(QuilletDocIsOpen(open, open->GetSerial() + 1));

    // A document of no template (an iterator's copy) is not an open one.
    std::unique_ptr<CQuilletDoc> copy = NewDoc();
    EXPECT_FALSE(QuilletDocIsValid(copy.get()));
    EXPECT_FALSE(QuilletDocIsValid(nullptr));

    const int serial = open->GetSerial();
    open->OnCloseDocument();
    EXPECT_EQ(QuilletDocGetLastCreated(), nullptr);
    EXPECT_FALSE(QuilletDocIsOpen(open, serial));
}

TEST(DocumentList, TheDocumentTellsItsFormViewAndMainFrame) {
    TestDocHost host;
    StubFormView form;
    std::unique_ptr<CQuilletDoc> doc = NewDoc();
    doc->SetFormView(&form);
    Command(*doc, kCmdFilePrint);
    Command(*doc, kCmdFilePrintPreview);
    EXPECT_EQ(form.prints, 1);
    EXPECT_EQ(form.previews, 1);

    Command(*doc, kCmdIterator);
    ASSERT_EQ(host.posted.size(), 1u);
    EXPECT_EQ(host.posted[0], std::make_pair(UINT(WM_COMMAND), WPARAM(kCmdIteratorNoOp)));

    const CQuilletDoc* address = doc.get();
    doc.reset();
    ASSERT_EQ(host.posted.size(), 2u);
    EXPECT_EQ(host.posted[1].first, kMsgDocumentDestroyed);
    EXPECT_EQ(host.posted[1].second, reinterpret_cast<WPARAM>(address));
}

}  // namespace

}  // namespace quillet

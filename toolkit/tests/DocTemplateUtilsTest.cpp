// Document-template questions, without windows: ordinals by registry type
// name and the template of a document, view and frame.
#include <gtest/gtest.h>

#include "DocTemplateUtils.h"
#include "MDIFrameWnd.h"
#include "WinApp.h"

namespace {

class CEngineDoc : public CDocument {
    DECLARE_DYNCREATE(CEngineDoc)
};
IMPLEMENT_DYNCREATE(CEngineDoc, CDocument)
class CVehicleDoc : public CDocument {
    DECLARE_DYNCREATE(CVehicleDoc)
};
IMPLEMENT_DYNCREATE(CVehicleDoc, CDocument)
class CSheetView : public CView {
    DECLARE_DYNCREATE(CSheetView)
};
IMPLEMENT_DYNCREATE(CSheetView, CView)
class CSheetFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CSheetFrame)
};
IMPLEMENT_DYNCREATE(CSheetFrame, CMDIChildWnd)

// The registry type name is the seventh field of the template's string
// (DocTemplateTestResources.rc): "Engine" for 601, "Vehicle" for 602.
CMultiDocTemplate* MakeTemplate(UINT id, CRuntimeClass* doc) {
    return new CMultiDocTemplate(id, doc, RUNTIME_CLASS(CSheetFrame), RUNTIME_CLASS(CSheetView));
}

class DocTemplateUtilsTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine = MakeTemplate(601, RUNTIME_CLASS(CEngineDoc));
        vehicle = MakeTemplate(601, RUNTIME_CLASS(CVehicleDoc));
        other = MakeTemplate(602, RUNTIME_CLASS(CVehicleDoc));
        app.AddDocTemplate(engine);
        app.AddDocTemplate(vehicle);
        app.AddDocTemplate(other);
    }
    CWinApp app;
    CMultiDocTemplate *engine = nullptr, *vehicle = nullptr, *other = nullptr;
    SECDocTemplateUtils utils;
};

TEST_F(DocTemplateUtilsTest, OrdinalsByTypeName) {
    EXPECT_EQ(utils.GetTemplateOrdinal(engine, "Engine"), 0);
    EXPECT_EQ(utils.GetTemplateOrdinal(vehicle, "Engine"), 1);
    EXPECT_EQ(utils.GetTemplateOrdinal(other, "Vehicle"), 0);
    EXPECT_EQ(utils.GetTemplateOrdinal(nullptr, "Engine"), -1);
    CMultiDocTemplate* stranger = MakeTemplate(601, RUNTIME_CLASS(CEngineDoc));
    EXPECT_EQ(utils.GetTemplateOrdinal(stranger, "Engine"), -1);
    delete stranger;
    EXPECT_EQ(utils.GetTemplateByOrdinal("Engine", 0), engine);
    EXPECT_EQ(utils.GetTemplateByOrdinal("Engine", 1), vehicle);
    EXPECT_EQ(utils.GetTemplateByOrdinal("Engine", 5), vehicle);  // fewer: the last
    EXPECT_EQ(utils.GetTemplateByOrdinal("Chassis", 0), nullptr);
}

TEST_F(DocTemplateUtilsTest, FindTemplateNarrowsByViewFrameResourceAndDocument) {
    CVehicleDoc doc;
    CSheetView view;
    CSheetFrame frame;
    frame.m_nIDHelp = 601;
    // Same view, frame and resource: the document's class decides.
    EXPECT_EQ(utils.FindTemplate(&doc, &view, &frame), vehicle);
    CEngineDoc engineDoc;
    EXPECT_EQ(utils.FindTemplate(&engineDoc, &view, &frame), engine);
    frame.m_nIDHelp = 602;
    EXPECT_EQ(utils.FindTemplate(&doc, &view, &frame), other);
    EXPECT_EQ(utils.FindTemplate(nullptr, &view, &frame), nullptr);
    EXPECT_EQ(utils.GetFrameResourceId(&frame), 602u);
    EXPECT_EQ(utils.GetFrameResourceId(nullptr), 0u);
}

}  // namespace

// A test fixture that starts the drag-race program once for its test
// program and hands each test the active vehicle document, run.
#pragma once

#include <gtest/gtest.h>

#include "RunningProgram.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/ui/ChildFrame.h"
#include "quillet/ui/MainFrame.h"
#include "quillet/ui/QuilletApp.h"

namespace quillet {

class RunningQuilletTest : public ::testing::Test {
protected:
    using Program = testing_harness::RunningProgram<CQuilletApp, CMainFrame>;

    static void SetUpTestSuite() { program_ = new Program; }
    static void TearDownTestSuite() {
        delete program_;
        program_ = nullptr;
    }
    void SetUp() override;

    static CMainFrame* Frame() { return program_->Frame(); }
    static CChildFrame* Child() {
        return static_cast<CChildFrame*>(CWnd::FromHandlePermanent(program_->ActiveChild()));
    }
    // A command of the menus or toolbar, sent to the main frame.
    static void FrameCommand(UINT id) { program_->Command(id); }
    // The document tests' street car, auto-run off, run over `raceLength`
    // feet through the Run command.
    void RunStreetCar(int raceLength);

    static Program* program_;
    CQuilletDoc* doc_ = nullptr;
};

}  // namespace quillet

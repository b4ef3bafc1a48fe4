// What the printout tests of both programs share: a form of a few controls
// that prints a document's pages through the program's page printer, in a
// visible frame of its own; a job title the PDF's text keeps; the page
// header check; and driving the print preview.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "WindowHelpers.h"
#include "framework/Framework.h"

namespace testing_harness {

struct FormControl {
    const char* windowClass;
    const char* text;
    DWORD style;  // WS_CHILD is added
    int x, y, width, height;
    UINT id;
};

// A form view holding `controls` whose printing is the program's: `prepare`
// sets up the print information (the job then goes straight to the
// printer), `print` prints page `page` of the form's document.
class CPrintoutForm : public CView {
public:
    using Prepare = std::function<void(CPrintInfo*)>;
    using Print = std::function<void(CDC*, UINT page, CView* form)>;
    CPrintoutForm(std::vector<FormControl> controls, Prepare prepare, Print print);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    DECLARE_MESSAGE_MAP()

private:
    std::vector<FormControl> controls_;
    Prepare prepare_;
    Print print_;
};

// A visible frame whose pane is the form, on `doc`.
struct PrintoutWindow {
    bool Open(CDocument* doc, CPrintoutForm* form);
    void Close();

    CFrameWnd* frame = nullptr;
    CPrintoutForm* form = nullptr;
};

// A print job title of letters and digits, unique to this run, which the
// PDF's text keeps as it is.
std::string UniqueJobTitle(const char* prefix);

// Each of the first `count` pages carries the job title, "<program> Version
// 4.05" and "Page i of `count`".
void ExpectPageHeaders(const std::vector<std::string>& pages, const std::string& title, const char* program,
                       size_t count);

// The print preview that replaced the form in its frame.
class PreviewPages {
public:
    explicit PreviewPages(CFrameWnd* frame);
    bool IsOpen() const { return preview_ != nullptr; }
    // The preview's pixels, also saved as `picture`.png beside the program.
    Pixels Show(const char* picture);
    // Pixels of the shown page that `match`.
    int CountOnPage(const Pixels& pixels, const std::function<bool(unsigned)>& match) const;
    // "Next Page" pressed `times` times.
    void Next(int times);
    UINT CurrentPage() const;
    void Close();

private:
    CPreviewView* preview_ = nullptr;
};

// Neither white, black nor grey.
bool IsColourful(unsigned rgb);

}  // namespace testing_harness

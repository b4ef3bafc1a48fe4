// The test set-up's PDF printer seen from a test: where its files appear,
// waiting for a job's file, and reading it with the host's PDF tools (see
// HostCommand.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "WindowHelpers.h"

namespace testing_harness {

// The folder the PDF printer writes to (a Unix path), or empty.
std::string PrinterOutputDir();
// The PDF the printer made of the job `name` (its Unix path), or empty when
// none appeared in time. The printer names the file after the job.
std::string WaitForPdf(const std::string& dir, const std::string& name, DWORD timeoutMs);
// Removes a PDF the printer made (a Unix path).
void RemovePdf(const std::string& pdf);
// Moves it beside the test program (TestOutputPath) as `name`, for a person
// to look at.
void KeepPdf(const std::string& pdf, const std::string& name);
// A job name no other test process uses.
std::string UniqueJobName(const std::string& prefix);
// What pdfinfo says of a PDF (empty on failure, which is reported).
std::string PdfInfo(const std::string& pdf);
// The "Pages:" count of pdfinfo's text, -1 when there is none.
int PdfPageCount(const std::string& info);
// The text of each page of a PDF (pdftotext -layout), or nothing on failure.
std::vector<std::string> PdfPageTexts(const std::string& pdf);
// Page `page` (1-based) of a PDF drawn at `dpi` dots per inch (pdftoppm),
// or an empty picture on failure, which is reported.
Pixels PdfPagePixels(const std::string& pdf, int page, int dpi);

}  // namespace testing_harness

// The test set-up's PDF printer seen from a test: where its files appear,
// waiting for a job's file, and reading it with the Unix PDF tools (Wine
// starts Unix programs as they are).
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace testing_harness {

// The folder the PDF printer writes to (a Unix path), or empty.
std::string PrinterOutputDir();
// "Z:" and backslashes: the Windows path of a Unix path.
std::string WindowsPath(const std::string& unixPath);
bool FileExists(const std::string& windowsPath);
std::string ReadFile(const std::string& windowsPath);
// Runs a Unix shell command and waits for it to create `doneFile`.
bool RunUnix(const std::string& command, const std::string& doneFile, DWORD timeoutMs);
// The PDF the printer made of the job `name` (its Unix path), or empty when
// none appeared in time. The printer names the file after the job.
std::string WaitForPdf(const std::string& dir, const std::string& name, DWORD timeoutMs);
// A job name no other test process uses.
std::string UniqueJobName(const std::string& prefix);
// The text of each page of a PDF (pdftotext -layout), or nothing on failure.
std::vector<std::string> PdfPageTexts(const std::string& pdf);

}  // namespace testing_harness

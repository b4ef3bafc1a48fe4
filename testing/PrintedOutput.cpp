#include "PrintedOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "HostCommand.h"
#include "WindowHelpers.h"

namespace testing_harness {

std::string PrinterOutputDir() { return EnvironmentValue("TEST_PRINTER_OUTPUT_DIR"); }

std::string WaitForPdf(const std::string& dir, const std::string& name, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 250) {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA(WindowsPathOf(dir + "/*" + name + "*.pdf").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            ::FindClose(search);
            std::string path = dir + "/" + found.cFileName;
            // The printer writes the file in place: wait until its size settles.
            WIN32_FILE_ATTRIBUTE_DATA before = {}, after = {};
            ::GetFileAttributesExA(WindowsPathOf(path).c_str(), GetFileExInfoStandard, &before);
            ::Sleep(500);
            ::GetFileAttributesExA(WindowsPathOf(path).c_str(), GetFileExInfoStandard, &after);
            if (after.nFileSizeLow > 0 && after.nFileSizeLow == before.nFileSizeLow) return path;
        }
        ::Sleep(250);
    }
    return "";
}

void RemovePdf(const std::string& pdf) { ::DeleteFileA(WindowsPathOf(pdf).c_str()); }

void KeepPdf(const std::string& pdf, const std::string& name) {
    EXPECT_TRUE(::MoveFileExA(WindowsPathOf(pdf).c_str(), TestOutputPath(name).c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        << pdf;
}

std::string UniqueJobName(const std::string& prefix) {
    return prefix + "-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount());
}

std::string PdfInfo(const std::string& pdf) {
    HostCommandResult info = RunHostCommand("pdfinfo '" + pdf + "'", 30000);
    if (info.Succeeded()) return info.output;
    ADD_FAILURE() << "pdfinfo " << pdf << ": " << info.output;
    return "";
}

int PdfPageCount(const std::string& info) {
    size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

std::vector<std::string> PdfPageTexts(const std::string& pdf) {
    std::vector<std::string> pages;
    HostCommandResult text = RunHostCommand("pdftotext -layout '" + pdf + "' -", 30000);
    if (!text.Succeeded()) {
        ADD_FAILURE() << "pdftotext " << pdf << ": " << text.output;
        return pages;
    }
    // pdftotext ends each page with a form feed.
    std::stringstream in(text.output);
    for (std::string page; std::getline(in, page, '\f');) pages.push_back(page);
    return pages;
}

Pixels PdfPagePixels(const std::string& pdf, int page, int dpi) {
    const std::string scratch = HostScratchDir();
    if (scratch.empty()) {
        ADD_FAILURE() << "no folder shared with the host";
        return Pixels();
    }
    const std::string base = scratch + "/" + UniqueJobName("page");
    const HostCommandResult drawn =
        RunHostCommand("pdftoppm -r " + std::to_string(dpi) + " -f " + std::to_string(page) + " -l " +
                           std::to_string(page) + " -singlefile '" + pdf + "' '" + base + "'",
                       30000);
    if (!drawn.Succeeded()) {
        ADD_FAILURE() << "pdftoppm " << pdf << ": " << drawn.output;
        return Pixels();
    }
    // A binary PPM: "P6", width, height, 255, then RGB triples.
    const std::string windowsPath = WindowsPathOf(base + ".ppm");
    std::ifstream in(windowsPath, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P6" || width <= 0 || height <= 0 || maxValue != 255) {
        ADD_FAILURE() << "not a picture from pdftoppm: " << windowsPath;
        return Pixels();
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    in.close();
    ::DeleteFileA(windowsPath.c_str());
    Pixels pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned char* rgb = &bytes[(static_cast<size_t>(y) * width + x) * 3];
            pixels.At(x, y) = (unsigned(rgb[0]) << 16) | (unsigned(rgb[1]) << 8) | rgb[2];
        }
    return pixels;
}

}  // namespace testing_harness

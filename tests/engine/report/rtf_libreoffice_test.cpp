// Opens a saved rich-text report in LibreOffice (converted to PDF) and reads it back, so
// the file is checked by a real word processor and not only by our own expectations.
// Skipped where LibreOffice is not installed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/report/report_export.h"
#include "engine/report/report_writer.h"
#include "support/sample_report.h"
#include "support/temp_dir.h"

namespace vostrel {
namespace {

bool HasProgram(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::vector<std::string> SplitPages(const std::string& text) {
    std::vector<std::string> pages;
    std::size_t start = 0;
    std::size_t end = 0;
    while ((end = text.find('\f', start)) != std::string::npos) {
        pages.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pages;
}

TEST(ReportRtfInLibreOffice, OpensWithPagesTextAndStyles) {
    if (!HasProgram("libreoffice")) GTEST_SKIP() << "LibreOffice is not installed";
    if (!HasProgram("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";

    testing::TempDir temp("rtf-libreoffice");
    const std::filesystem::path& dir = temp.path();

    ReportWriter writer;
    testing::WriteSampleReport(writer);
    writer.AddReportLine(
        "Gr\xc3\xb6\xc3\x9f"
        "e in \xc2\xb5m, typed C:\\fs20 {x}");
    ASSERT_TRUE(SaveReport(writer.output, (dir / "report.rtf").string()).ok);

    const std::string d = dir.string();
    const std::string convert = "cd '" + d + "' && HOME='" + d + "' timeout 300 libreoffice" +
                                " -env:UserInstallation=file://" + d + "/profile" +
                                " --headless --convert-to pdf --outdir '" + d + "' '" + d +
                                "/report.rtf' >'" + d + "/convert.log' 2>&1";
    ASSERT_EQ(std::system(convert.c_str()), 0) << ReadFile(dir / "convert.log");
    ASSERT_TRUE(std::filesystem::exists(dir / "report.pdf")) << ReadFile(dir / "convert.log");

    const std::string text = "pdftotext -layout '" + d + "/report.pdf' '" + d + "/report.txt'";
    ASSERT_EQ(std::system(text.c_str()), 0);
    const std::vector<std::string> pages = SplitPages(ReadFile(dir / "report.txt"));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_NE(pages[0].find("Process Performance Analysis"), std::string::npos);
    EXPECT_NE(pages[1].find("Standard deviation is zero"), std::string::npos);
    EXPECT_NE(pages[2].find("Ppk = 1.250"), std::string::npos);
    EXPECT_NE(pages[2].find("Gr\xc3\xb6\xc3\x9f"
                            "e in \xc2\xb5m, typed C:\\fs20 {x}"),
              std::string::npos);
    for (const std::string& page : pages) EXPECT_EQ(page.find("-Page-"), std::string::npos);

    // Headings come out bold and the body in a fixed-pitch font.
    const std::string fonts = "pdffonts '" + d + "/report.pdf' >'" + d + "/fonts.txt'";
    if (std::system(fonts.c_str()) == 0) {
        const std::string list = ReadFile(dir / "fonts.txt");
        EXPECT_NE(list.find("Bold"), std::string::npos) << list;
        const bool fixedPitch = list.find("Mono") != std::string::npos ||
                                list.find("Courier") != std::string::npos ||
                                list.find("Cousine") != std::string::npos;
        EXPECT_TRUE(fixedPitch) << list;
    }
}

}  // namespace
}  // namespace vostrel

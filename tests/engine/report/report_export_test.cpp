#include "engine/report/report_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/report/report_writer.h"
#include "support/sample_report.h"
#include "support/temp_dir.h"

namespace vostrel {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::TempDir;

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t end = 0;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

TEST(ReportPlainText, OneCrLfLinePerParagraphWithoutPageMarkers) {
    ReportWriter writer;
    testing::WriteSampleReport(writer);
    writer.AddReportLine("typed -Page- among words");
    writer.AddReportText("unfinished");

    const std::vector<std::string> lines = SplitCrLf(ReportToPlainText(writer.output));
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "Process Performance Analysis", "Bore diameters", "", "\tData File: bores.zqx",
                  "Variable Analysis", "\t     Mean = \t12.345", "Standard deviation is zero",
                  "\tStd. Dev. = \t0.000", "", "Performance Indices", "\t       Pp = \t1.333",
                  "\t      Ppk = \t1.250", "unfinished"}));
}

TEST(ReportPlainText, LineFeedsForStandardOutput) {
    ReportWriter writer;
    writer.AddReportLine("a");
    writer.AddPageMarker();
    writer.AddReportLine("b");
    EXPECT_EQ(ReportToPlainText(writer.output, LineEnd::Lf), "a\nb\n");
    EXPECT_EQ(ReportToPlainText(ReportDocument()), "");
}

TEST(ReportRtf, KeepsFontsSizesStylesAndColours) {
    ReportWriter writer;
    testing::WriteSampleReport(writer);
    const std::string rtf = ReportToRtf(writer.output);

    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_THAT(rtf, HasSubstr("{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}"
                               "{\\f1\\fswiss\\fcharset0 Arial;}}"));
    EXPECT_THAT(rtf, HasSubstr("{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"));
    // Title: Arial 14 bold underlined; heading: Arial 12 bold; body: Courier New 9.
    EXPECT_THAT(rtf, HasSubstr("\\f1\\fs28\\b\\ul\\cf1 Process Performance Analysis"));
    EXPECT_THAT(rtf, HasSubstr("\\f1\\fs24\\b\\ulnone\\cf1 Bore diameters"));
    EXPECT_THAT(rtf, HasSubstr("\\f0\\fs18\\b0\\ulnone\\cf1 \\tab Data File: bores.zqx"));
    EXPECT_THAT(rtf, HasSubstr("\\f0\\fs18\\b0\\ulnone\\cf2 Standard deviation is zero"));

    const std::vector<std::string> lines = SplitCrLf(rtf);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "\\page"), 2);
    for (const std::string& line : lines) EXPECT_THAT(line, Not(HasSubstr("-Page-")));
}

TEST(ReportRtf, EveryLineHoldingTheMarkerBecomesAPageBreak) {
    ReportWriter writer;
    writer.AddReportLine("before");
    writer.AddReportLine("a typed -Page- line");
    writer.AddReportLine("after");
    const std::vector<std::string> lines = SplitCrLf(ReportToRtf(writer.output));
    ASSERT_GE(lines.size(), 6u);
    EXPECT_THAT(lines[3], HasSubstr("before"));
    EXPECT_EQ(lines[4], "\\page");
    EXPECT_THAT(lines[5], HasSubstr("after"));
}

TEST(ReportRtf, TypedTextNeverReadsAsControlWords) {
    ReportWriter writer;
    writer.AddReportLine("C:\\fs20 {x} \\par");
    writer.AddReportLine("\xc2\xb5m \xe2\x89\xa4 5 \xf0\x9f\x98\x80");  // µm ≤ 5 and an emoji
    writer.AddReportLine("Latin-1 \xb5m");
    const std::string rtf = ReportToRtf(writer.output);
    EXPECT_THAT(rtf, HasSubstr(" C:\\\\fs20 \\{x\\} \\\\par\\par\r\n"));
    EXPECT_THAT(rtf, HasSubstr("\\u181?m \\u8804? 5 \\u-10179?\\u-8704?"));
    EXPECT_THAT(rtf, HasSubstr("Latin-1 \\'b5m"));

    // Braces stay balanced whatever the text held.
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}') {
            --depth;
            EXPECT_GE(depth, 0);
        }
    }
    EXPECT_EQ(depth, 0);
}

TEST(SaveReport, ChoosesTheFormatByExtension) {
    TempDir dir("report-save");
    ReportWriter writer;
    testing::WriteSampleReport(writer);

    const auto rtfPath = dir.path() / "report.RTF";
    ASSERT_TRUE(SaveReport(writer.output, rtfPath.string()).ok);
    EXPECT_EQ(ReadFile(rtfPath), ReportToRtf(writer.output));

    const auto textPath = dir.path() / "report.txt";
    ASSERT_TRUE(SaveReport(writer.output, textPath.string()).ok);
    EXPECT_EQ(ReadFile(textPath), ReportToPlainText(writer.output));

    // Saving again replaces the file and leaves nothing else behind.
    writer.output.Clear();
    writer.AddReportLine("short");
    ASSERT_TRUE(SaveReport(writer.output, textPath.string()).ok);
    EXPECT_EQ(ReadFile(textPath), "short\r\n");
    EXPECT_EQ(dir.EntryCount(), 2u);
}

TEST(SaveReport, FailureNamesTheFileAndKeepsWhatWasThere) {
    TempDir dir("report-save");
    ReportWriter writer;
    writer.AddReportLine("text");

    const auto missing = dir.path() / "no such folder" / "report.txt";
    WriteResult result = SaveReport(writer.output, missing.string());
    EXPECT_FALSE(result.ok);
    EXPECT_THAT(result.message, HasSubstr(missing.string()));

    // A folder in the way cannot be replaced by the report.
    const auto folder = dir.path() / "taken.rtf";
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "inside.txt") << "keep";
    result = SaveReport(writer.output, folder.string());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(ReadFile(folder / "inside.txt"), "keep");
    EXPECT_EQ(dir.EntryCount(), 1u);  // no temporary file left

    EXPECT_FALSE(SaveReport(writer.output, "").ok);
}

TEST(SaveReport, WritesThroughALinkAndKeepsPermissions) {
    TempDir dir("report-save");
    const auto real = dir.path() / "real.txt";
    std::ofstream(real) << "old";
    std::filesystem::permissions(real, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    const auto link = dir.path() / "link.txt";
    std::filesystem::create_symlink(real, link);

    ReportWriter writer;
    writer.AddReportLine("new");
    ASSERT_TRUE(SaveReport(writer.output, link.string()).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "new\r\n");
    EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

}  // namespace
}  // namespace vostrel

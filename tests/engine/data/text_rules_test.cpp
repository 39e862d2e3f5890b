#include "engine/data/text_rules.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/core/missing_value.h"
#include "support/scripted_ui.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using vostrel::testing::ScriptedUserInterface;

std::vector<std::string> Strings(const std::vector<std::string_view>& views) {
    return {views.begin(), views.end()};
}

TEST(TextRules, IsTextLooksOnlyAtTheCharacterSet) {
    EXPECT_FALSE(IsText("1,234.5e-3"));
    EXPECT_FALSE(IsText("$12"));
    EXPECT_FALSE(IsText("3-4"));  // numeric characters, even if not one number
    EXPECT_FALSE(IsText(""));
    EXPECT_TRUE(IsText("n/a"));
    EXPECT_TRUE(IsText("12a"));
    EXPECT_TRUE(IsText(std::string_view("1\0002", 3)));
}

TEST(TextRules, NormaliseAndConvert) {
    EXPECT_EQ(NormaliseNumber(".5").text, "0.5");
    EXPECT_EQ(NormaliseNumber("-.5").text, "-0.5");
    EXPECT_EQ(NormaliseNumber("12.").text, "12");
    EXPECT_TRUE(NormaliseNumber("").wasEmpty);
    EXPECT_EQ(NormaliseNumber("").text, "0");
    EXPECT_FALSE(NormaliseNumber("7").wasEmpty);

    EXPECT_EQ(ReadNumber("2.5E3"), 2500.0);
    EXPECT_EQ(ReadNumber("-.5"), -0.5);
    EXPECT_EQ(ReadNumber("+4"), 4.0);
    EXPECT_EQ(ReadNumber(" 12 "), 12.0);
    EXPECT_EQ(ReadNumber("-."), 0.0);  // "-0": a number, and not a negative zero
    EXPECT_FALSE(std::signbit(*ReadNumber("-.")));
    for (const char* bad : {"", "..5", "3-4", "1e999", "-1e999", "1,234", "$12", "1.2.3", "e5",
                            "inf", "nan", "0x10", "+-1", "1 2"})
        EXPECT_FALSE(ReadNumber(bad).has_value()) << bad;
}

// Plain decimals skip the general conversion; they must read to the very same double.
TEST(TextRules, PlainDecimalsReadExactlyAsTheGeneralConversion) {
    std::mt19937_64 random(11);
    auto general = [](const std::string& text) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value == 0 ? 0.0 : value;
    };
    for (int i = 0; i < 100000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 19);
        std::string text;
        for (int d = 0; d < digits; ++d) text += static_cast<char>('0' + random() % 10);
        if (random() % 4 != 0) text.insert(random() % (text.size() + 1), ".");
        if (random() % 2 == 0) text.insert(0, "-");
        double plain = 0;
        if (!ReadPlainDecimal(text, plain)) {
            // Only digits beyond what a double holds exactly are left to the general rule.
            std::string bare = text;
            std::erase(bare, '.');
            std::erase(bare, '-');
            ASSERT_GT(std::stoull(bare), 1ull << 53) << text;
            continue;
        }
        ASSERT_EQ(std::bit_cast<std::uint64_t>(plain), std::bit_cast<std::uint64_t>(general(text)))
            << text;
        ASSERT_EQ(ReadNumber(text), plain) << text;
    }
    double value = 0;
    EXPECT_TRUE(ReadPlainDecimal("9007199254740992", value));
    EXPECT_EQ(value, 9007199254740992.0);
    EXPECT_FALSE(ReadPlainDecimal("9007199254740993", value));  // rounds: for the general rule
    EXPECT_TRUE(ReadPlainDecimal("-0.000", value));
    EXPECT_FALSE(std::signbit(value));
    for (const char* other : {"", "-", ".", "-.", "1e5", "+1", " 1", "1 ", "1.2.3", "--1", "1-",
                              "1,5", "12345678901234567890"})
        EXPECT_FALSE(ReadPlainDecimal(other, value)) << other;
}

TEST(TextRules, APlainDecimalIsReadFromTheFrontOfALineUpToWhatEndsIt) {
    const std::string line = "-12.50\t7\t8 ";
    const char* const end = line.data() + line.size();
    double value = 0;
    EXPECT_EQ(ReadPlainDecimalPrefix(line.data(), end, value), line.data() + 6);
    EXPECT_EQ(value, -12.5);
    EXPECT_EQ(ReadPlainDecimalPrefix(line.data() + 7, end, value), line.data() + 8);
    EXPECT_EQ(value, 7.0);
    EXPECT_EQ(ReadPlainDecimalPrefix(line.data() + 9, end, value), end - 1);  // before the space
    for (std::string_view other : {"", "-", ".", "-.\t", "\t1", " 1", "+1", "12345678901234567890"})
        EXPECT_EQ(ReadPlainDecimalPrefix(other.data(), other.data() + other.size(), value), nullptr)
            << other;
    EXPECT_FALSE(ReadPlainDecimal(std::string_view(), value));
}

TEST(TextRules, SplitAtKeepsInnerEmptyFieldsButNotATrailingOne) {
    EXPECT_THAT(Strings(SplitAt(" a , ,b,", ',')), ElementsAre("a", "", "b"));
    EXPECT_THAT(Strings(SplitAt("", ',')), ElementsAre());
    EXPECT_THAT(Strings(SplitAt(",", ',')), ElementsAre(""));
}

TEST(TextRules, SplitDataLinePrefersTabsThenCommasThenSpaces) {
    EXPECT_THAT(Strings(SplitDataLine("1,,3")), ElementsAre("1", "", "3"));
    EXPECT_THAT(Strings(SplitDataLine("1\t\t3")), ElementsAre("1", "", "3"));
    EXPECT_THAT(Strings(SplitDataLine("  1   2  3 ")), ElementsAre("1", "2", "3"));
    EXPECT_THAT(Strings(SplitDataLine("1\t2\t")), ElementsAre("1", "2"));  // no extra column
    EXPECT_THAT(Strings(SplitDataLine("a b\t1,5")), ElementsAre("a b", "1,5"));
}

TEST(TextRules, SplitHeaderLine) {
    // Description values: a tab outside a field is an empty field.
    EXPECT_THAT(SplitHeaderLine("A\t\tC", false, true).fields, ElementsAre("A", "", "C"));
    // Names: runs of spaces and commas only separate; a trailing tab adds a named column.
    EXPECT_THAT(SplitHeaderLine("Height  Weight", true, false).fields,
                ElementsAre("Height", "Weight"));
    EXPECT_THAT(SplitHeaderLine("A\tB\t", true, true).fields, ElementsAre("A", "B", "Col3"));
    EXPECT_THAT(SplitHeaderLine("\tB", true, true).fields, ElementsAre("Col1", "B"));
    EXPECT_THAT(SplitHeaderLine("a b\tc", true, true).fields, ElementsAre("a b", "c"));

    std::string wide;
    for (int i = 0; i < 600; ++i) wide += "n" + std::to_string(i) + "\t";
    HeaderFields fields = SplitHeaderLine(wide, true, true);
    EXPECT_EQ(fields.fields.size(), 512u);
    EXPECT_TRUE(fields.truncated);
    EXPECT_FALSE(SplitHeaderLine("a\tb", true, true).truncated);
}

struct ParsedList {
    std::vector<std::string> texts;
    std::vector<double> values;
};

ParsedList Parse(std::string_view line, ScriptedUserInterface& ui, BlankCommasSetting& setting) {
    ParsedList parsed;
    for (const NumberField& f : ParseNumberList(line, ui, setting)) {
        parsed.texts.push_back(f.text);
        parsed.values.push_back(f.value);
    }
    return parsed;
}

TEST(TextRules, ParseNumberListReadsNumbersBetweenAnySeparators) {
    ScriptedUserInterface ui;
    BlankCommasSetting setting;
    EXPECT_THAT(Parse("1, 2, 3", ui, setting).values, ElementsAre(1, 2, 3));
    EXPECT_THAT(Parse("2.5E3 -.5", ui, setting).values, ElementsAre(2500, -0.5));
    EXPECT_THAT(Parse("[1,3]", ui, setting).values, ElementsAre(1, 3));
    EXPECT_THAT(Parse("1\t\t3", ui, setting).values, ElementsAre(1, MissingValue, 3));
    // A lone sign or point is dropped; a field that does not convert stays as missing.
    ParsedList odd = Parse(". 4 1-2", ui, setting);
    EXPECT_THAT(odd.values, ElementsAre(4, MissingValue));
    EXPECT_THAT(odd.texts, ElementsAre("4", ""));
    EXPECT_TRUE(ui.questions.empty());  // no blank comma met so far
}

TEST(TextRules, BlankCommasAskOnceUntilRearmed) {
    ScriptedUserInterface ui;
    BlankCommasSetting setting;
    ui.answers = {Answer::Yes};
    EXPECT_THAT(Parse("1,,3", ui, setting).values, ElementsAre(1, MissingValue, 3));
    EXPECT_THAT(Parse("1,,,3", ui, setting).values, ElementsAre(1, MissingValue, MissingValue, 3));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0], "Want blank Commas to indicate missing values?");

    setting.Rearm();
    ui.answers = {Answer::No};
    EXPECT_THAT(Parse("1,,3", ui, setting).values, ElementsAre(1, 3));
    EXPECT_EQ(ui.questions.size(), 2u);
    // A trailing comma counts once more as standing outside a field.
    setting.Rearm();
    ui.answers = {Answer::Yes};
    EXPECT_THAT(Parse("1,2,", ui, setting).values, ElementsAre(1, 2, MissingValue));
}

TEST(TextRules, ParseNumberListKeepsAtMost512Fields) {
    ScriptedUserInterface ui;
    BlankCommasSetting setting;
    std::string line;
    for (int i = 0; i < 700; ++i) line += std::to_string(i) + " ";
    EXPECT_EQ(ParseNumberList(line, ui, setting).size(), 512u);
}

}  // namespace
}  // namespace vostrel

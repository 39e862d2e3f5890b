#include "engine/control_charts/control_test_settings.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace vostrel {

namespace {

constexpr std::array<std::string_view, ControlTestCount> Continuations = {"",  "¶", "¸", "©", "°",
                                                                          "¥", "•", "–", ""};

// TestValues index of the window length of tests 1..9.
constexpr std::array<int, ControlTestCount> WindowIndex = {
    TestValueOutsideWindow, TestValueRun,    TestValueTrend,
    TestValueExcessive,     TestValueLack,   TestValueAlternating,
    TestValueZone1N,        TestValueZone2N, TestValueMovingRangeWindow};

constexpr int MaxTestValue = 99;
constexpr int ValueCodeOffset = 64;

bool ValidTest(int test) { return test >= 1 && test <= ControlTestCount; }

void AppendCodePoint(std::string& text, int code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character codes of a stored text. Characters above 127 may arrive as UTF-8 or as
// single bytes, depending on how the store keeps its strings.
std::vector<int> CodePoints(std::string_view text) {
    std::vector<int> codes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xE0) == 0xC0 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            codes.push_back(((byte & 0x1F) << 6) |
                            (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            ++i;
        } else {
            codes.push_back(byte);
        }
    }
    return codes;
}

void KeepZoneOrdered(int& m, int& n) {
    if (m < n) return;
    n = m + 1;
    if (n > MaxTestValue) {
        n = MaxTestValue;
        m = n - 1;
    }
}

}  // namespace

char TestCode(int test) {
    return ValidTest(test) ? ControlTestCodeString[static_cast<std::size_t>(test - 1)] : ' ';
}

std::string_view TestContinuation(int test) {
    return ValidTest(test) ? Continuations[static_cast<std::size_t>(test - 1)] : "";
}

int TestWindowLength(const ControlTestSettings& settings, int test) {
    if (!ValidTest(test)) return 0;
    return settings
        .TestValues[static_cast<std::size_t>(WindowIndex[static_cast<std::size_t>(test - 1)])];
}

int TestZoneCount(const ControlTestSettings& settings, int test) {
    if (test == 7) return settings.TestValues[TestValueZone1M];
    if (test == 8) return settings.TestValues[TestValueZone2M];
    return 0;
}

std::string TestName(const ControlTestSettings& settings, int test) {
    const std::string n = std::to_string(TestWindowLength(settings, test));
    const std::string m = std::to_string(TestZoneCount(settings, test));
    switch (test) {
        case 1:
            return "Points Outside Control Limits";
        case 2:
            return "Run of " + n + " or More Above/Below the Centerline";
        case 3:
            return "Trend of " + n + " or More Increasing/Decreasing";
        case 4:
            return "Excessive Variability, " + n + " or More Outside One Standard Error";
        case 5:
            return "Lack of Variability, " + n + " or More Inside One Standard Error";
        case 6:
            return n + " or More Alternating Values";
        case 7:
            return m + " of " + n + " Outside One Standard Error";
        case 8:
            return m + " of " + n + " Outside Two Standard Error";
        case 9:
            return "Excessive Moving Range Between Two Points";
        default:
            return {};
    }
}

int TestValueMinimum(int index) {
    switch (index) {
        case TestValueRun:
        case TestValueTrend:
        case TestValueLack:
        case TestValueZone1N:
        case TestValueZone2N:
            return 2;
        case TestValueExcessive:
        case TestValueAlternating:
            return 3;
        case TestValueZone1M:
        case TestValueZone2M:
            return 1;
        default:
            return 0;
    }
}

void NormaliseTestValues(std::array<int, TestValueCount>& values) {
    const ControlTestSettings defaults;
    for (int i = 0; i < TestValueCount; ++i) {
        int& value = values[static_cast<std::size_t>(i)];
        if (value < 0 || value > MaxTestValue)
            value = defaults.TestValues[static_cast<std::size_t>(i)];
        value = std::max(value, TestValueMinimum(i));
    }
    KeepZoneOrdered(values[TestValueZone1M], values[TestValueZone1N]);
    KeepZoneOrdered(values[TestValueZone2M], values[TestValueZone2N]);
}

std::string EncodeTestFlags(const ControlTestSettings::TestFlags& flags) {
    std::string text;
    for (int t = 1; t <= ControlTestCount; ++t)
        text += flags[static_cast<std::size_t>(t)] ? '1' : '0';
    return text;
}

ControlTestSettings::TestFlags DecodeTestFlags(std::string_view text,
                                               const ControlTestSettings::TestFlags& defaults) {
    ControlTestSettings::TestFlags flags = defaults;
    for (int t = 1; t <= ControlTestCount; ++t) {
        const std::size_t i = static_cast<std::size_t>(t - 1);
        if (i < text.size()) flags[static_cast<std::size_t>(t)] = text[i] == '1';
    }
    return flags;
}

std::string EncodeTestValues(const std::array<int, TestValueCount>& values) {
    std::string text;
    for (int value : values)
        AppendCodePoint(text, std::clamp(value, 0, MaxTestValue) + ValueCodeOffset);
    return text;
}

std::array<int, TestValueCount> DecodeTestValues(std::string_view text) {
    std::array<int, TestValueCount> values = ControlTestSettings{}.TestValues;
    const std::vector<int> codes = CodePoints(text);
    for (std::size_t i = 0; i < values.size() && i < codes.size(); ++i) {
        values[i] = codes[i] - ValueCodeOffset;
    }
    NormaliseTestValues(values);
    return values;
}

void LoadTestDefaults(SettingsStore& store, ControlTestSettings& settings) {
    const ControlTestSettings defaults;
    if (!store.Available()) {
        settings = defaults;
        return;
    }
    const std::string key(TestSettingsKey);
    const std::optional<std::string> stdText = store.ReadValue(key, std::string(StdTestCheckName));
    if (!stdText || stdText->empty()) {
        settings = defaults;
        return;
    }
    settings.StdTestEnabled = DecodeTestFlags(*stdText, defaults.StdTestEnabled);
    const std::optional<std::string> mr = store.ReadValue(key, std::string(MRTestCheckName));
    settings.MRTestEnabled = DecodeTestFlags(mr.value_or(""), defaults.MRTestEnabled);
    const std::optional<std::string> values = store.ReadValue(key, std::string(TestValuesName));
    settings.TestValues = DecodeTestValues(values.value_or(""));
}

bool SaveTestDefaults(SettingsStore& store, const ControlTestSettings& settings) {
    const std::string key(TestSettingsKey);
    bool ok = store.WriteValue(key, std::string(StdTestCheckName),
                               EncodeTestFlags(settings.StdTestEnabled));
    ok = store.WriteValue(key, std::string(MRTestCheckName),
                          EncodeTestFlags(settings.MRTestEnabled)) &&
         ok;
    ok =
        store.WriteValue(key, std::string(TestValuesName), EncodeTestValues(settings.TestValues)) &&
        ok;
    return ok;
}

}  // namespace vostrel

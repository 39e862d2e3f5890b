#pragma once
// Which tests for statistical control run and with which run lengths, their codes and
// names, and their stored form in the per-user settings.

#include <array>
#include <string>
#include <string_view>

#include "engine/core/settings_store.h"

namespace vostrel {

inline constexpr int ControlTestCount = 9;
inline constexpr int TestValueCount = 18;

// Test t marks its signalling point with character t of this string.
inline constexpr std::string_view ControlTestCodeString = "ORTELA12M";

struct ControlTestSettings {
    // Index t is test t (1..9); index 0 is not used.
    using TestFlags = std::array<bool, ControlTestCount + 1>;

    // Every location chart and every dispersion chart but the moving range chart.
    TestFlags StdTestEnabled{false, true, true, true, true, true, true, false, false, false};
    // The moving range chart.
    TestFlags MRTestEnabled{false, true, false, false, false, false, false, false, false, false};
    // Run lengths and zone rule counts; see the TestValue... indexes.
    std::array<int, TestValueCount> TestValues{0, 8, 6, 8, 15, 14, 4, 2, 0,
                                               0, 0, 0, 0, 0,  0,  5, 3, 0};

    bool operator==(const ControlTestSettings&) const = default;
};

// Indexes into TestValues.
inline constexpr int TestValueOutsideWindow = 0;
inline constexpr int TestValueRun = 1;
inline constexpr int TestValueTrend = 2;
inline constexpr int TestValueExcessive = 3;
inline constexpr int TestValueLack = 4;
inline constexpr int TestValueAlternating = 5;
inline constexpr int TestValueZone1M = 6;
inline constexpr int TestValueZone2M = 7;
inline constexpr int TestValueMovingRangeWindow = 8;
inline constexpr int TestValueZone1N = 15;
inline constexpr int TestValueZone2N = 16;

char TestCode(int test);                      // 'O' for test 1 ... 'M' for test 9
std::string_view TestContinuation(int test);  // "¶" for test 2, empty for tests 1 and 9
int TestWindowLength(const ControlTestSettings& settings, int test);
int TestZoneCount(const ControlTestSettings& settings, int test);  // M of tests 7 and 8

// The name of a test for reports, with its current counts.
std::string TestName(const ControlTestSettings& settings, int test);

// The smallest value the tests dialog allows at a TestValues index (0 where it offers none).
int TestValueMinimum(int index);
// Brings values into the dialog's ranges: a value outside 0..99 takes its default, a value
// below the minimum is raised to it, and each zone rule keeps M below N.
void NormaliseTestValues(std::array<int, TestValueCount>& values);

// The stored forms: "1"/"0" per test 1..9, and one character of code value + 64 per value.
// A string that is too short (edited by hand) takes the defaults for what is missing.
std::string EncodeTestFlags(const ControlTestSettings::TestFlags& flags);
ControlTestSettings::TestFlags DecodeTestFlags(std::string_view text,
                                               const ControlTestSettings::TestFlags& defaults);
std::string EncodeTestValues(const std::array<int, TestValueCount>& values);
std::array<int, TestValueCount> DecodeTestValues(std::string_view text);

inline constexpr std::string_view TestSettingsKey = "";  // the root of the user's settings
inline constexpr std::string_view StdTestCheckName = "StdControlTestCheck";
inline constexpr std::string_view MRTestCheckName = "MRControlTestCheck";
inline constexpr std::string_view TestValuesName = "ControlTestValues";

// Reads the saved defaults, or the built-in ones when "StdControlTestCheck" is absent or empty.
void LoadTestDefaults(SettingsStore& store, ControlTestSettings& settings);
// Writes the three values; false when the store could not be written.
bool SaveTestDefaults(SettingsStore& store, const ControlTestSettings& settings);

}  // namespace vostrel

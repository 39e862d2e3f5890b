#include "engine/control_charts/control_test_settings.h"

#include <gtest/gtest.h>

#include "engine/control_charts/control_tests_dialog.h"

namespace vostrel {
namespace {

std::string Read(MemorySettingsStore& store, std::string_view name) {
    return store.ReadValue("", std::string(name)).value_or("<absent>");
}

void Write(MemorySettingsStore& store, std::string_view name, const std::string& value) {
    store.WriteValue("", std::string(name), value);
}

TEST(ControlTestSettings, DefaultsAreStoredInTheirEncodings) {
    MemorySettingsStore store;
    ASSERT_TRUE(SaveTestDefaults(store, ControlTestSettings{}));
    EXPECT_EQ(Read(store, "StdControlTestCheck"), "111111000");
    EXPECT_EQ(Read(store, "MRControlTestCheck"), "100000000");
    EXPECT_EQ(Read(store, "ControlTestValues"), "@HFHONDB@@@@@@@EC@");
}

TEST(ControlTestSettings, SavedSettingsLoadBack) {
    MemorySettingsStore store;
    ControlTestSettings saved;
    saved.StdTestEnabled[9] = true;
    saved.StdTestEnabled[1] = false;
    saved.MRTestEnabled[9] = true;
    saved.TestValues[TestValueZone2M] = 2;
    saved.TestValues[TestValueZone2N] = 4;
    saved.TestValues[TestValueLack] = 99;  // stored above the ASCII range
    ASSERT_TRUE(SaveTestDefaults(store, saved));

    ControlTestSettings loaded;
    LoadTestDefaults(store, loaded);
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(TestName(loaded, 8), "2 of 4 Outside Two Standard Error");
}

TEST(ControlTestSettings, WithoutStandardFlagsEverythingIsBuiltIn) {
    MemorySettingsStore store;
    Write(store, "MRControlTestCheck", "111111111");
    Write(store, "ControlTestValues", "@IIIIIIII@@@@@@@II@");
    ControlTestSettings settings;
    settings.StdTestEnabled.fill(true);
    LoadTestDefaults(store, settings);
    EXPECT_EQ(settings, ControlTestSettings{});

    Write(store, "StdControlTestCheck", "");
    settings.StdTestEnabled.fill(true);
    LoadTestDefaults(store, settings);
    EXPECT_EQ(settings, ControlTestSettings{});
}

TEST(ControlTestSettings, ShortOrInvalidStoredTextsTakeDefaultsForWhatIsMissing) {
    MemorySettingsStore store;
    Write(store, "StdControlTestCheck", "01");  // tests 3..9 missing
    Write(store, "ControlTestValues", "@J");    // run length 10, the rest missing
    ControlTestSettings settings;
    LoadTestDefaults(store, settings);
    const ControlTestSettings defaults;
    EXPECT_FALSE(settings.StdTestEnabled[1]);
    EXPECT_TRUE(settings.StdTestEnabled[2]);
    for (int t = 3; t <= 9; ++t) EXPECT_EQ(settings.StdTestEnabled[t], defaults.StdTestEnabled[t]);
    EXPECT_EQ(settings.MRTestEnabled, defaults.MRTestEnabled);  // absent
    EXPECT_EQ(settings.TestValues[TestValueRun], 10);
    EXPECT_EQ(settings.TestValues[TestValueZone1N], 5);

    // A run length of 0, a character below "@" and zone counts out of order.
    std::string values = EncodeTestValues(defaults.TestValues);
    values[TestValueRun] = '@';
    values[TestValueTrend] = '!';
    values[TestValueZone1M] = 'I';  // 9 of 5
    Write(store, "ControlTestValues", values);
    LoadTestDefaults(store, settings);
    EXPECT_EQ(settings.TestValues[TestValueRun], 2);
    EXPECT_EQ(settings.TestValues[TestValueTrend], 6);
    EXPECT_EQ(settings.TestValues[TestValueZone1M], 9);
    EXPECT_EQ(settings.TestValues[TestValueZone1N], 10);
}

TEST(ControlTestSettings, ValuesAboveTheAsciiRangeReadAsUtf8OrSingleBytes) {
    std::array<int, TestValueCount> values = ControlTestSettings{}.TestValues;
    values[TestValueAlternating] = 80;  // code 144
    const std::string utf8 = EncodeTestValues(values);
    EXPECT_EQ(DecodeTestValues(utf8), values);
    std::string bytes = EncodeTestValues(ControlTestSettings{}.TestValues);
    bytes[TestValueAlternating] = static_cast<char>(144);
    EXPECT_EQ(DecodeTestValues(bytes), values);
}

TEST(ControlTestSettings, AnUnavailableStoreGivesBuiltInDefaultsAndReportsFailedWrites) {
    MemorySettingsStore store;
    ControlTestSettings saved;
    saved.StdTestEnabled[9] = true;
    ASSERT_TRUE(SaveTestDefaults(store, saved));
    store.SetAvailable(false);
    EXPECT_FALSE(SaveTestDefaults(store, ControlTestSettings{}));
    ControlTestSettings loaded = saved;
    LoadTestDefaults(store, loaded);
    EXPECT_EQ(loaded, ControlTestSettings{});
}

TEST(ControlTestsDialog, ZoneRuleCountsStayOrdered) {
    ControlTestsDialogModel dialog{ControlTestSettings{}};
    dialog.SetSpinValue(7, 5);  // M reaches N = 5
    EXPECT_EQ(dialog.SpinValue(7), 5);
    EXPECT_EQ(dialog.SpinValue(17), 6);
    dialog.SetSpinValue(17, 3);  // N falls to M
    EXPECT_EQ(dialog.SpinValue(7), 2);
    EXPECT_EQ(dialog.SpinValue(17), 3);
    dialog.SetSpinValue(8, 99);
    EXPECT_EQ(dialog.SpinValue(8), 98);
    EXPECT_EQ(dialog.SpinValue(18), 99);
    dialog.SetSpinValue(18, 2);
    EXPECT_EQ(dialog.SpinValue(8), 1);
}

TEST(ControlTestsDialog, SpinEditsKeepTheirRanges) {
    ControlTestsDialogModel dialog{ControlTestSettings{}};
    dialog.SetSpinText(2, "");
    EXPECT_EQ(dialog.SpinValue(2), 2);
    dialog.SetSpinText(4, "");
    EXPECT_EQ(dialog.SpinValue(4), 3);
    dialog.SetSpinText(7, "");
    EXPECT_EQ(dialog.SpinValue(7), 1);
    dialog.SetSpinValue(6, 1);
    EXPECT_EQ(dialog.SpinValue(6), 3);
    dialog.SetSpinText(3, "250");
    EXPECT_EQ(dialog.SpinValue(3), 99);
}

TEST(ControlTestsDialog, OkSaveAndRestore) {
    MemorySettingsStore store;
    ControlTestSettings settings;
    settings.MRTestEnabled[9] = true;  // only ever set from saved defaults

    ControlTestsDialogModel dialog(settings);
    dialog.SetStdChecked(7, true);
    dialog.SetMRChecked(9, false);  // not offered: ignored
    dialog.SetSpinValue(2, 9);
    EXPECT_EQ(settings.StdTestEnabled[7], false);  // nothing changes before OK
    dialog.Accept(settings);
    EXPECT_TRUE(settings.StdTestEnabled[7]);
    EXPECT_TRUE(settings.MRTestEnabled[9]);
    EXPECT_EQ(settings.TestValues[TestValueRun], 9);
    EXPECT_EQ(store.WriteCount(), 0);

    ASSERT_TRUE(dialog.SaveAsDefault(settings, store));
    EXPECT_EQ(Read(store, "StdControlTestCheck"), "111111100");

    // Restore reloads the saved defaults into the settings at once.
    settings = ControlTestSettings{};
    ControlTestsDialogModel other(settings);
    other.RestoreDefault(settings, store);
    EXPECT_TRUE(settings.StdTestEnabled[7]);
    EXPECT_TRUE(other.StdChecked(7));
    EXPECT_EQ(other.SpinValue(2), 9);
}

}  // namespace
}  // namespace vostrel

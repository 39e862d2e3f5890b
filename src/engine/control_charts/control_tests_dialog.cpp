#include "engine/control_charts/control_tests_dialog.h"

#include <algorithm>

namespace vostrel {

namespace {

bool ValidTest(int test) { return test >= 1 && test <= ControlTestCount; }

// The partner of a zone rule spin edit: M (7, 8) and N (17, 18).
int ZonePartner(int spinEdit) {
    switch (spinEdit) {
        case 7:
            return 17;
        case 8:
            return 18;
        case 17:
            return 7;
        case 18:
            return 8;
        default:
            return 0;
    }
}

}  // namespace

SpinRange TestSpinRange(int spinEdit) {
    switch (spinEdit) {
        case 2:
        case 3:
        case 5:
        case 17:
        case 18:
            return {2, 99};
        case 4:
        case 6:
            return {3, 99};
        case 7:
        case 8:
            return {1, 99};
        default:
            return {0, 0};
    }
}

int TestSpinValueIndex(int spinEdit) {
    if (spinEdit >= 2 && spinEdit <= 8) return spinEdit - 1;
    if (spinEdit == 17) return TestValueZone1N;
    if (spinEdit == 18) return TestValueZone2N;
    return -1;
}

bool ControlTestsDialogModel::StdChecked(int test) const {
    return ValidTest(test) && shown_.StdTestEnabled[static_cast<std::size_t>(test)];
}

void ControlTestsDialogModel::SetStdChecked(int test, bool checked) {
    if (ValidTest(test)) shown_.StdTestEnabled[static_cast<std::size_t>(test)] = checked;
}

bool ControlTestsDialogModel::MRChecked(int test) const {
    return ValidTest(test) && shown_.MRTestEnabled[static_cast<std::size_t>(test)];
}

void ControlTestsDialogModel::SetMRChecked(int test, bool checked) {
    if (test >= 1 && test <= MRTestsOffered) {
        shown_.MRTestEnabled[static_cast<std::size_t>(test)] = checked;
    }
}

int ControlTestsDialogModel::SpinValue(int spinEdit) const {
    const int index = TestSpinValueIndex(spinEdit);
    return index < 0 ? 0 : shown_.TestValues[static_cast<std::size_t>(index)];
}

void ControlTestsDialogModel::SetSpinValue(int spinEdit, int value) {
    const int index = TestSpinValueIndex(spinEdit);
    if (index < 0) return;
    const SpinRange range = TestSpinRange(spinEdit);
    value = std::clamp(value, range.Min, range.Max);
    shown_.TestValues[static_cast<std::size_t>(index)] = value;

    const int partner = ZonePartner(spinEdit);
    if (partner == 0) return;
    const bool isM = spinEdit < partner;
    const int other = SpinValue(partner);
    if (isM && value >= other) {
        SetSpinValue(partner, value + 1);  // clamped at 99, which pulls M back below it
    } else if (!isM && value <= other) {
        SetSpinValue(partner, value - 1);
    }
}

void ControlTestsDialogModel::SetSpinText(int spinEdit, std::string_view text) {
    const SpinRange range = TestSpinRange(spinEdit);
    int value = 0;
    bool digits = false;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        value = std::min(value * 10 + (c - '0'), 1000);
        digits = true;
    }
    SetSpinValue(spinEdit, digits ? value : range.Min);
}

void ControlTestsDialogModel::Accept(ControlTestSettings& settings) const { settings = shown_; }

bool ControlTestsDialogModel::SaveAsDefault(ControlTestSettings& settings,
                                            SettingsStore& store) const {
    Accept(settings);
    return SaveTestDefaults(store, settings);
}

void ControlTestsDialogModel::RestoreDefault(ControlTestSettings& settings, SettingsStore& store) {
    LoadTestDefaults(store, settings);
    shown_ = settings;
}

}  // namespace vostrel

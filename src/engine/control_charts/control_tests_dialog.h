#pragma once
// The rules of the "Tests for Statistical Control" dialog without its widgets: the check
// boxes and spin edits it shows, their ranges, the ordering of each zone rule's M and N,
// and what OK, Save as Default and Restore Default do to the settings.

#include <array>
#include <string>
#include <string_view>

#include "engine/control_charts/control_test_settings.h"
#include "engine/core/settings_store.h"

namespace vostrel {

inline constexpr std::string_view SettingsSavedMessage = "Settings Saved as Default";

struct SpinRange {
    int Min;
    int Max;
};

// The dialog's spin edits are numbered 2..8 (tests 2..6 and the zone rules' M), 17 and 18
// (the zone rules' N). Range {0, 0} for any other number.
SpinRange TestSpinRange(int spinEdit);
// The TestValues index a spin edit shows, or -1.
int TestSpinValueIndex(int spinEdit);

class ControlTestsDialogModel {
  public:
    static constexpr int MRTestsOffered = 8;  // the moving range column has tests 1..8

    // The dialog opens on the current settings.
    explicit ControlTestsDialogModel(const ControlTestSettings& current) : shown_(current) {}

    bool StdChecked(int test) const;
    void SetStdChecked(int test, bool checked);
    bool MRChecked(int test) const;
    void SetMRChecked(int test, bool checked);  // tests 1..8 only

    int SpinValue(int spinEdit) const;
    // Takes a value into the spin edit's range and keeps each zone rule's M below its N.
    void SetSpinValue(int spinEdit, int value);
    // The spin edit's text as typed: digits only; an empty field takes the minimum.
    void SetSpinText(int spinEdit, std::string_view text);

    // "OK": the dialog's choices become the settings.
    void Accept(ControlTestSettings& settings) const;
    // "Save as Default": the choices become the settings and are written to the store;
    // false when the store could not be written.
    bool SaveAsDefault(ControlTestSettings& settings, SettingsStore& store) const;
    // "Restore Default": the settings are reloaded from the store at once and shown.
    void RestoreDefault(ControlTestSettings& settings, SettingsStore& store);

    const ControlTestSettings& Shown() const { return shown_; }

  private:
    ControlTestSettings shown_;
};

}  // namespace vostrel

#pragma once
// The per-user settings in QSettings (organisation "ZQX Zudizuzo", application "Vostrel");
// a key is a settings group, a name a value in it.

#include <QSettings>

#include "engine/core/settings_store.h"

namespace vostrel::app {

class QSettingsStore : public SettingsStore {
  public:
    QSettingsStore();

    std::optional<std::string> ReadValue(const std::string& key, const std::string& name) override;
    bool WriteValue(const std::string& key, const std::string& name,
                    const std::string& value) override;
    bool Available() override;

  private:
    QSettings settings_;
};

}  // namespace vostrel::app

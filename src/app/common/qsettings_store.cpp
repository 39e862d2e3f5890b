#include "app/common/qsettings_store.h"

namespace vostrel::app {

namespace {
QString Path(const std::string& key, const std::string& name) {
    return QString::fromStdString(key) + QLatin1Char('/') + QString::fromStdString(name);
}
}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(QStringLiteral("ZQX Zudizuzo"), QStringLiteral("Vostrel")) {}

std::optional<std::string> QSettingsStore::ReadValue(const std::string& key,
                                                     const std::string& name) {
    const QVariant value = settings_.value(Path(key, name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

bool QSettingsStore::WriteValue(const std::string& key, const std::string& name,
                                const std::string& value) {
    settings_.setValue(Path(key, name), QString::fromStdString(value));
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

bool QSettingsStore::Available() { return settings_.status() != QSettings::AccessError; }

}  // namespace vostrel::app

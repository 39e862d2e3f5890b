#pragma once
// String values in the per-user settings, with the program's last-error code telling
// whether the key could be opened (0) or not (1).

#include <string>

namespace vostrel {

class SettingsStore;
struct StatContext;

// The value of an existing key; empty, and error code 1, when the key cannot be opened.
std::string ReadRegString(SettingsStore& store, StatContext& ctx, const std::string& key,
                          const std::string& name);
// As ReadRegString, but a missing value is created empty.
std::string ReadRegStringCreate(SettingsStore& store, StatContext& ctx, const std::string& key,
                                const std::string& name);
// Writes the value, creating the key when needed; error code 1 on failure.
bool WriteRegString(SettingsStore& store, StatContext& ctx, const std::string& key,
                    const std::string& name, const std::string& text);

}  // namespace vostrel

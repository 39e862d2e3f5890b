#include "engine/helpers/registry.h"

#include "engine/core/settings_store.h"
#include "engine/stats/stat_context.h"

namespace vostrel {

std::string ReadRegString(SettingsStore& store, StatContext& ctx, const std::string& key,
                          const std::string& name) {
    if (!store.Available()) {
        ctx.StatErrorCode = 1;
        return {};
    }
    ctx.StatErrorCode = 0;
    return store.ReadValue(key, name).value_or(std::string());
}

std::string ReadRegStringCreate(SettingsStore& store, StatContext& ctx, const std::string& key,
                                const std::string& name) {
    if (!store.Available()) {
        ctx.StatErrorCode = 1;
        return {};
    }
    ctx.StatErrorCode = 0;
    if (std::optional<std::string> value = store.ReadValue(key, name)) return *value;
    if (!store.WriteValue(key, name, std::string())) ctx.StatErrorCode = 1;
    return {};
}

bool WriteRegString(SettingsStore& store, StatContext& ctx, const std::string& key,
                    const std::string& name, const std::string& text) {
    const bool ok = store.Available() && store.WriteValue(key, name, text);
    ctx.StatErrorCode = ok ? 0 : 1;
    return ok;
}

}  // namespace vostrel

#pragma once
// The per-user settings (recently-used files, control-test defaults) as string values
// under keys. The desktop program keeps them with QSettings; tests and the command-line
// tool use the in-memory store.

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace vostrel {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The value, or nothing when the key or the value does not exist.
    virtual std::optional<std::string> ReadValue(const std::string& key,
                                                 const std::string& name) = 0;
    // Creates the key when needed; false when the store cannot be written.
    virtual bool WriteValue(const std::string& key, const std::string& name,
                            const std::string& value) = 0;
    // False when the key cannot be opened (for example a store that is not available).
    virtual bool Available() { return true; }
};

class MemorySettingsStore : public SettingsStore {
  public:
    std::optional<std::string> ReadValue(const std::string& key, const std::string& name) override {
        auto it = values_.find({key, name});
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    bool WriteValue(const std::string& key, const std::string& name,
                    const std::string& value) override {
        if (!available_) return false;
        values_[{key, name}] = value;
        ++writes_;
        return true;
    }
    bool Available() override { return available_; }

    void SetAvailable(bool available) { available_ = available; }
    int WriteCount() const { return writes_; }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
    bool available_ = true;
    int writes_ = 0;
};

}  // namespace vostrel

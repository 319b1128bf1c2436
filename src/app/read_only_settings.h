// The store as a start without the window sees it: the saved choices are
// read, nothing is created or written.
#pragma once

#include "os/settings_store.h"

namespace vs {

class ReadOnlySettings : public SettingsStore {
 public:
  explicit ReadOnlySettings(SettingsStore& store) : store_(store) {}
  bool createOrOpenKey() override { return store_.openKeyForReading(); }
  bool openKeyForReading() override { return store_.openKeyForReading(); }
  QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                          std::vector<std::uint8_t>& data) override {
    return store_.queryBinary(name, bufferSize, data);
  }
  bool setBinary(const std::string&, const std::vector<std::uint8_t>&) override { return false; }
  bool commit() override { return false; }

 private:
  SettingsStore& store_;
};

}  // namespace vs

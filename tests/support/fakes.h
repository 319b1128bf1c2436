// Stand-ins for the OS services the dialog tests do not want for real.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "os/process_starter.h"
#include "os/program_location.h"
#include "os/settings_store.h"
#include "os/shortcut_maker.h"

namespace vs::test {

class RecordingProcessStarter : public ProcessStarter {
 public:
  struct Start {
    std::string program;
    std::string switches;
  };
  int startProcess(const std::string& programName, const std::string& switchString) override {
    starts.push_back({programName, switchString});
    return errorToReturn;
  }
  std::vector<Start> starts;
  int errorToReturn = 0;
};

// A registry key in memory: values with their type (3 is REG_BINARY, 4 REG_DWORD).
class MemorySettingsStore : public SettingsStore {
 public:
  static constexpr unsigned kBinary = 3;
  static constexpr unsigned kDword = 4;
  struct Value {
    unsigned type;
    std::vector<std::uint8_t> data;
  };
  bool createOrOpenKey() override {
    ++opens;
    return openSucceeds;
  }
  bool openKeyForReading() override {
    ++readOnlyOpens;
    return openSucceeds;
  }
  QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                          std::vector<std::uint8_t>& data) override {
    queries.push_back(name);
    auto it = values.find(name);
    if (it == values.end())
      return QueryResult::missing;
    if (it->second.data.size() > bufferSize)
      return QueryResult::tooLong;
    if (it->second.type != kBinary)
      return QueryResult::wrongType;
    data = it->second.data;
    return QueryResult::ok;
  }
  bool setBinary(const std::string& name, const std::vector<std::uint8_t>& data) override {
    writes.push_back(name);
    values[name] = {kBinary, data};
    return true;
  }
  bool commit() override {
    writes.push_back(kCommit);
    return true;
  }
  static constexpr const char* kCommit = "(commit)";
  std::map<std::string, Value> values;
  std::vector<std::string> queries;
  std::vector<std::string> writes;
  bool openSucceeds = true;
  int opens = 0;
  int readOnlyOpens = 0;
};

// An executable path chosen by the test; changing directory is real.
class FixedProgramLocation : public ProgramLocation {
 public:
  explicit FixedProgramLocation(std::string path) : path_(std::move(path)) {}
  std::string executablePath() override { return path_; }
  bool changeDirectory(const std::string& directory) override {
    changes.push_back(directory);
    std::error_code error;
    std::filesystem::current_path(directory, error);
    return !error;
  }
  std::vector<std::string> changes;

 private:
  std::string path_;
};

// Records what it is asked to make and answers with `result`.
class RecordingShortcutMaker : public ShortcutMaker {
 public:
  ShortcutResult makeShortcut(const ShortcutRequest& request) override {
    requests.push_back(request);
    return result;
  }
  std::vector<ShortcutRequest> requests;
  ShortcutResult result{true, "/made"};
};

}  // namespace vs::test

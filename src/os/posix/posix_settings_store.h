// The per-user store on POSIX: one file in the text form of a registry export,
// "$XDG_CONFIG_HOME/KARNOW-STUDIO Software GmbH/VornakStarter.reg", so that it
// can be imported into a Windows registry as it stands. Values set wait for
// commit(), which replaces the whole file once, atomically; lines the store
// does not understand are kept.
#pragma once

#include <filesystem>
#include <optional>

#include "core/settings/reg_file.h"
#include "os/posix/user_folders.h"
#include "os/settings_store.h"

struct stat;

namespace vs {

class PosixSettingsStore : public SettingsStore {
 public:
  // The user's file (userSettingsFile).
  PosixSettingsStore();
  explicit PosixSettingsStore(std::filesystem::path file);

  bool createOrOpenKey() override;
  bool openKeyForReading() override;
  QueryResult queryBinary(const std::string& name, std::size_t bufferSize,
                          std::vector<std::uint8_t>& data) override;
  bool setBinary(const std::string& name, const std::vector<std::uint8_t>& data) override;
  // Writes the values set since the last commit, if any differs from the
  // file, and removes what crashed saves left beside it.
  bool commit() override;

 private:
  // Which file on disk a parse came from: every save is a new file renamed into
  // place, and an edit in place changes the time, so a match means unchanged.
  struct Identity {
    unsigned long long device = 0, inode = 0, size = 0;
    long long seconds = 0, nanoseconds = 0;
    bool operator==(const Identity&) const = default;
  };
  static Identity identityOf(const struct stat& info);
  // The file as it is on disk now, parsed again only when it changed; nullptr
  // when it cannot be read.
  const reg::RegFile* current();
  // Closes the key and reads the file afresh, as every opening does.
  const reg::RegFile* reopen();
  bool save(reg::RegFile file);
  reg::Value* pendingValue(const std::string& name);  // nullptr when none waits

  std::optional<std::filesystem::path> file_;
  bool open_ = false;
  std::optional<Identity> seen_;  // nullopt: no parse kept, or no file
  reg::RegFile parsed_;
  struct Pending {
    std::string name;
    reg::Value value;
  };
  std::vector<Pending> pending_;  // in the order first set
};

}  // namespace vs

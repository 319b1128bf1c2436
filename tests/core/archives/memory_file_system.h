// A file system in memory for the archive tests: directories keep their
// entries in the order they arrived, and a test can make any move fail.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/text/ascii.h"
#include "os/file_system.h"

namespace vs::test {

class MemoryFileSystem : public FileSystem {
 public:
  struct Entry {
    std::string name;
    std::string content;
    bool directory = false;
  };
  using Directory = std::vector<Entry>;

  // Directories by their path with the trailing separator ("../data/").
  std::map<std::string, Directory> directories;
  // Moves from these paths fail with the given reason before they are tried.
  std::map<std::string, std::string> failingMoves;
  std::vector<std::pair<std::string, std::string>> moveCalls;

  void add(const std::string& directory, const std::string& name, const std::string& content,
           bool isDirectory = false) {
    directories[directory].push_back({name, content, isDirectory});
  }

  // The content of an entry, or nothing when it does not exist.
  std::optional<std::string> content(const std::string& path) const {
    const auto [directory, name] = split(path);
    const Entry* entry = find(directory, name);
    return entry ? std::optional(entry->content) : std::nullopt;
  }

  std::vector<std::string> names(const std::string& directory) const {
    std::vector<std::string> result;
    if (auto it = directories.find(directory); it != directories.end())
      for (const Entry& entry : it->second) result.push_back(entry.name);
    return result;
  }

  std::vector<std::string> findByExtension(const std::string& directory,
                                           const std::string& extension) override {
    std::vector<std::string> result;
    for (const std::string& name : names(directory)) {
      if (name.size() >= extension.size() &&
          lowerAscii(name.substr(name.size() - extension.size())) == lowerAscii(extension))
        result.push_back(name);
    }
    return result;
  }

  std::string resolveExisting(const std::string& path) {
    const auto [directory, name] = split(path);
    if (find(directory, name))
      return path;
    std::optional<std::string> found;
    for (const std::string& candidate : names(directory))
      if (lowerAscii(candidate) == lowerAscii(name) && (!found || candidate < *found))
        found = candidate;
    return found ? directory + *found : path;
  }

  std::optional<std::string> moveNoReplace(const std::string& from, const std::string& to) {
    moveCalls.emplace_back(from, to);
    if (auto failing = failingMoves.find(from); failing != failingMoves.end())
      return failing->second;
    const auto [fromDir, fromName] = split(from);
    const auto [toDir, toName] = split(to);
    if (!find(fromDir, fromName) || !directories.count(toDir))
      return "No such file or directory";
    if (find(toDir, toName))
      return "File exists";
    Directory& source = directories[fromDir];
    auto it = std::find_if(source.begin(), source.end(),
                           [&](const Entry& entry) { return entry.name == fromName; });
    Entry moved = *it;
    source.erase(it);
    moved.name = toName;
    directories[toDir].push_back(moved);
    return std::nullopt;
  }

  // Every move goes through moveNoReplace with whole paths, so tests see
  // and steer them as paths.
  class Moves : public ArchiveMoves {
   public:
    Moves(MemoryFileSystem& files, ArchiveDirectories dirs)
        : files_(files), dirs_(std::move(dirs)) {}
    std::vector<std::string_view> parkable(std::string_view extension) override {
      names_ = files_.findByExtension(dirs_.data, std::string(extension));
      return {names_.begin(), names_.end()};
    }
    std::optional<std::string> park(std::string_view name) override {
      return files_.moveNoReplace(dirs_.data + std::string(name),
                                  dirs_.parking + std::string(name));
    }
    std::optional<std::string> bringBack(std::string_view name) override {
      return files_.moveNoReplace(files_.resolveExisting(dirs_.parking + std::string(name)),
                                  dirs_.data + std::string(name));
    }

   private:
    MemoryFileSystem& files_;
    ArchiveDirectories dirs_;
    std::vector<std::string> names_;
  };

  std::unique_ptr<ArchiveMoves> openArchiveMoves(const ArchiveDirectories& dirs) override {
    return std::make_unique<Moves>(*this, dirs);
  }

  char separator() const override { return '/'; }

 private:
  static std::pair<std::string, std::string> split(const std::string& path) {
    const auto cut = path.find_last_of('/');
    if (cut == std::string::npos)
      return {"", path};
    return {path.substr(0, cut + 1), path.substr(cut + 1)};
  }

  const Entry* find(const std::string& directory, const std::string& name) const {
    auto it = directories.find(directory);
    if (it == directories.end())
      return nullptr;
    for (const Entry& entry : it->second)
      if (entry.name == name)
        return &entry;
    return nullptr;
  }
};

}  // namespace vs::test

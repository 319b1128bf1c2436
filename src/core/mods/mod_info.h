// The parsed [info] section of one mod INI file.
#pragma once

#include <cstdint>
#include <string>

#include "core/io/byte_source.h"

namespace vs {

class PieceBuffer;

class ModInfo {
 public:
  // Reads the file `fileName` at once; `pathToOpen` is where it really lies
  // when that differs (a lowered name on a case-sensitive file system).
  explicit ModInfo(std::string fileName);
  ModInfo(std::string fileName, const std::string& pathToOpen);
  // Reads the file from `text`; null stands for a file that could not be
  // opened, which gives an invalid record.
  ModInfo(std::string fileName, ByteSource* text);
  // The same through `buffer`, which a scan keeps for all its files.
  ModInfo(std::string fileName, ByteSource* text, PieceBuffer& buffer);
  virtual ~ModInfo();

  std::string title = "?";
  std::string fileName;
  std::string description;  // "no description available" when the file has none
  std::string authors;
  std::string version;
  std::string webpage;
  std::string vdf;
  std::int32_t icon = 0;
  bool valid = false;

 private:
  void read(ByteSource* text, PieceBuffer& buffer);
};

}  // namespace vs

#include "core/launch/command_line.h"

namespace vs {
namespace {

const char* const kMessageLevels[] = {
    nullptr,        // 0 "none"
    " -zlog:4,s",   // 1 "some"
    " -zlog:5,s",   // 2 "more"
    " -zlog:8,s",   // 3 "many"
    " -zlog:10,s",  // 4 "all"
};

}  // namespace

std::string composeCommandLine(const std::string& fileName, std::int32_t windowed,
                               std::int32_t noSound, std::int32_t noMusic,
                               std::int32_t physicalFirst, std::int32_t convertAll,
                               std::int32_t convertTextures, std::int32_t autoConvert,
                               std::int32_t reparseScripts, std::int32_t spyLevel,
                               const std::string& parameters) {
  const struct {
    std::int32_t member;
    const char* piece;
  } flags[] = {
      {windowed, " -zwindow"},
      {noSound, " -znosound"},
      {noMusic, " -znomusic"},
      {physicalFirst, " -vdfs:physicalfirst"},
      {convertAll, " -zconvertall"},
      {convertTextures, " -ztexconvert"},
      {autoConvert, " -zautoconvertdata"},
      {reparseScripts, " -zreparse"},
  };

  std::string line = " -game:" + fileName;
  for (const auto& flag : flags) {
    if (flag.member != 0)
      line += flag.piece;
  }
  if (spyLevel >= 1 && spyLevel <= 4)
    line += kMessageLevels[spyLevel];
  line += ' ';
  line += parameters;
  return line;
}

}  // namespace vs

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

std::string composeCommandLine(const std::string& fileName, const LaunchChoices& choices) {
  const struct {
    std::int32_t value;
    const char* piece;
  } flags[] = {
      {choices.windowed, " -zwindow"},
      {choices.noSound, " -znosound"},
      {choices.noMusic, " -znomusic"},
      {choices.physicalFirst, " -vdfs:physicalfirst"},
      {choices.convertAll, " -zconvertall"},
      {choices.convertTextures, " -ztexconvert"},
      {choices.autoConvert, " -zautoconvertdata"},
      {choices.reparseScripts, " -zreparse"},
  };

  std::string line = " -game:" + fileName;
  for (const auto& flag : flags) {
    if (flag.value != 0)
      line += flag.piece;
  }
  if (choices.spyLevel >= 1 && choices.spyLevel <= 4)
    line += kMessageLevels[choices.spyLevel];
  line += ' ';
  line += choices.parameters;
  return line;
}

}  // namespace vs

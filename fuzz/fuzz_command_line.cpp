// Composing the switch string from arbitrary choices.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/launch/command_line.h"

namespace {

std::int32_t take(const std::uint8_t*& data, std::size_t& size) {
  std::int32_t value = 0;
  if (size >= sizeof value) {
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vs::LaunchChoices choices;
  for (auto* choice : {&choices.windowed, &choices.noSound, &choices.noMusic,
                       &choices.physicalFirst, &choices.convertAll, &choices.convertTextures,
                       &choices.autoConvert, &choices.reparseScripts, &choices.spyLevel})
    *choice = take(data, size);
  // The rest: the file name, a zero byte, the free parameters.
  const std::string rest(reinterpret_cast<const char*>(data), size);
  const auto cut = rest.find('\0');
  const std::string fileName = rest.substr(0, cut);
  const std::string parameters = cut == std::string::npos ? "" : rest.substr(cut + 1);

  choices.parameters = parameters;
  const std::string line = vs::composeCommandLine(fileName, choices);
  const std::string start = " -game:" + fileName;
  if (line.compare(0, start.size(), start) != 0)
    std::abort();
  if (line.size() < start.size() + parameters.size() ||
      line.compare(line.size() - parameters.size(), parameters.size(), parameters) != 0)
    std::abort();
  return 0;
}

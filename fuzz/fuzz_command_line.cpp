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
  std::int32_t choices[9];
  for (auto& choice : choices) choice = take(data, size);
  // The rest: the file name, a zero byte, the free parameters.
  const std::string rest(reinterpret_cast<const char*>(data), size);
  const auto cut = rest.find('\0');
  const std::string fileName = rest.substr(0, cut);
  const std::string parameters = cut == std::string::npos ? "" : rest.substr(cut + 1);

  const std::string line =
      vs::composeCommandLine(fileName, choices[0], choices[1], choices[2], choices[3], choices[4],
                             choices[5], choices[6], choices[7], choices[8], parameters);
  const std::string start = " -game:" + fileName;
  if (line.compare(0, start.size(), start) != 0)
    std::abort();
  if (line.size() < start.size() + parameters.size() ||
      line.compare(line.size() - parameters.size(), parameters.size(), parameters) != 0)
    std::abort();
  return 0;
}

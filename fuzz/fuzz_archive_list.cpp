// Splitting a "vdf" text into archive names.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/archives/archive_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string vdf(reinterpret_cast<const char*>(data), size);
  std::size_t total = 0;
  for (const std::string_view name : vs::splitArchiveList(vdf)) {
    if (name.size() < 2 || name.find(' ') != std::string_view::npos)
      std::abort();
    if (vdf.find(name) == std::string::npos)
      std::abort();
    total += name.size();
  }
  if (total > size)
    std::abort();
  return 0;
}

#include "core/archives/archive_list.h"

namespace vs {

std::vector<std::string_view> splitArchiveList(std::string_view vdf) {
  constexpr std::string_view kTrimSet = " ;\n\r";
  std::vector<std::string_view> names;
  const auto first = vdf.find_first_not_of(kTrimSet);
  if (first == std::string_view::npos)
    return names;
  const auto last = vdf.find_last_not_of(kTrimSet);

  // Only the blank separates; every name, the last one too, ends at one.
  std::size_t start = first;
  while (start <= last) {
    auto blank = vdf.find(' ', start);
    if (blank == std::string_view::npos || blank > last)
      blank = last + 1;
    if (blank - start >= 2)
      names.push_back(vdf.substr(start, blank - start));
    start = blank + 1;
  }
  return names;
}

}  // namespace vs

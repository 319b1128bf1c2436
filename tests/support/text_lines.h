// A text cut at its newlines, as the tests compare what a child recorded.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace vs::test {

inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

}  // namespace vs::test

// The game in the start-up benchmark: writes the monotonic clock at its start
// into the file VS_STAND_IN_CLOCK names, and ends.
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const char* path = std::getenv("VS_STAND_IN_CLOCK");
  if (path == nullptr)
    return 1;
  std::FILE* out = std::fopen(path, "w");
  if (out == nullptr)
    return 1;
  std::fprintf(out, "%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
  return std::fclose(out) == 0 ? 0 : 1;
}

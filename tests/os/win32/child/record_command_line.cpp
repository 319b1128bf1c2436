// A stand-in for the game: writes the command line it was started with to
// the file named by VS_RECORD_FILE, byte for byte.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main() {
  char path[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableA("VS_RECORD_FILE", path, sizeof path);
  if (length == 0 || length >= sizeof path)
    return 2;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr)
    return 3;
  const char* line = ::GetCommandLineA();
  std::fwrite(line, 1, std::strlen(line), file);
  std::fclose(file);
  return 0;
}

// The launcher's start-up in a folder of any depth: takes its own path, makes
// its folder the working directory and reads "beside.txt" by that relative
// name. Writes the three results, one a line, to the file VS_RECORD_FILE names.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "dialog/startup_rules.h"
#include "os/win32/win32_program_location.h"

int main() {
  char record[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableA("VS_RECORD_FILE", record, sizeof record);
  if (length == 0 || length >= sizeof record)
    return 2;
  vs::Win32ProgramLocation location;
  const std::string path = location.executablePath();
  bool changed = false;
  if (const auto directory = vs::programDirectory(path))
    changed = location.changeDirectory(*directory);
  std::string beside;
  std::getline(std::ifstream("beside.txt", std::ios::binary), beside);
  std::ofstream(record, std::ios::binary) << path << "\n" << changed << "\n" << beside << "\n";
  return 0;
}

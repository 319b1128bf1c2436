/* VornakStarterRelay.exe: run by the Linux launcher through Wine, it starts a
   Windows program with exactly the command line the launcher composed. Wine
   would rebuild that line from an argument list; CreateProcessA takes it as
   it is. Arguments: the program's Unix path and the command line, each
   hex-encoded, so no blank, quote or backslash is touched on the way. */
#include <stdlib.h>
#include <string.h>
#include <windows.h>

static int hexDigit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

/* The decoded bytes with a terminating NUL, or NULL for malformed text. */
static char* decodeHex(const char* hex) {
  const size_t length = strlen(hex);
  if (length % 2 != 0)
    return NULL;
  char* text = malloc(length / 2 + 1);
  if (text == NULL)
    return NULL;
  for (size_t i = 0; i < length / 2; ++i) {
    const int high = hexDigit(hex[2 * i]);
    const int low = hexDigit(hex[2 * i + 1]);
    if (high < 0 || low < 0 || (high == 0 && low == 0)) {
      free(text);
      return NULL;
    }
    text[i] = (char)(high * 16 + low);
  }
  text[length / 2] = '\0';
  return text;
}

typedef WCHAR*(CDECL* DosFileName)(const char*);

/* The program's DOS path in the ANSI code page, through Wine's own mapping;
   NULL leaves the search to CreateProcessA (the relay's folder first). */
static char* dosPath(const char* unixPath) {
  DosFileName toDos = (DosFileName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"),
                                                         "wine_get_dos_file_name");
  if (toDos == NULL)
    return NULL;
  WCHAR* wide = toDos(unixPath);
  if (wide == NULL)
    return NULL;
  char* path = NULL;
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, NULL, 0, NULL, &lossy);
  if (size > 0 && !lossy) {
    path = malloc(size);
    if (path != NULL)
      WideCharToMultiByte(CP_ACP, 0, wide, -1, path, size, NULL, NULL);
  }
  HeapFree(GetProcessHeap(), 0, wide);
  return path;
}

int main(int argc, char** argv) {
  if (argc != 3)
    return 2;
  char* program = decodeHex(argv[1]);
  char* line = decodeHex(argv[2]);
  if (program == NULL || line == NULL)
    return 2;
  char* application = dosPath(program);
  STARTUPINFOA startup;
  PROCESS_INFORMATION process;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  /* Same environment, same working directory; the relay does not wait. */
  if (!CreateProcessA(application, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
    return 3;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

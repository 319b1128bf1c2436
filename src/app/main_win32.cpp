// The Windows program: common controls, the Win32 services, the command line
// by the Windows rules and a console for what the program prints.
// clang-format off
#include "ui/win32/win_api.h"
#include <shellapi.h>
// clang-format on

#include <string>
#include <vector>

#include "app/starter_app.h"
#include "os/win32/ansi_text.h"
#include "os/win32/win32_file_system.h"
#include "os/win32/win32_process_starter.h"
#include "os/win32/win32_program_location.h"
#include "os/win32/win32_settings_store.h"
#include "os/win32/win32_shortcut_maker.h"
#include "ui/win32/host.h"

namespace {

// A GUI program starts without a console. Its words go to the handles it was
// given (a redirection), else to the console of the program that started it,
// else into a message box.
class Win32Console : public vs::ProgramConsole {
 public:
  explicit Win32Console(HINSTANCE instance) : host_(instance) {}
  ~Win32Console() override {
    if (console_ != INVALID_HANDLE_VALUE)
      ::CloseHandle(console_);
  }
  Win32Console(const Win32Console&) = delete;
  Win32Console& operator=(const Win32Console&) = delete;

  void print(const std::string& text) override {
    show(STD_OUTPUT_HANDLE, text, MB_ICONINFORMATION);
  }
  void printError(const std::string& text) override { show(STD_ERROR_HANDLE, text, MB_ICONERROR); }
  // The window that opens shows the log; a console or redirection is given
  // it as well, but no message box.
  void reportFailedStart(const std::vector<std::string>& lines) override {
    if (HANDLE out = output(STD_ERROR_HANDLE))
      for (const std::string& line : lines) write(out, line + "\n");
  }
  bool canShowWindows() override { return true; }
  vs::DialogHost& dialogHost() override { return host_; }

 private:
  void show(DWORD which, const std::string& text, UINT icon) {
    if (HANDLE out = output(which))
      write(out, text);
    else if (!text.empty())
      ::MessageBoxA(nullptr, text.c_str(), "VornakStarter", MB_OK | icon);
  }

  HANDLE output(DWORD which) {
    HANDLE given = ::GetStdHandle(which);
    if (given != nullptr && given != INVALID_HANDLE_VALUE &&
        ::GetFileType(given) != FILE_TYPE_UNKNOWN)
      return given;
    if (!attachTried_) {
      attachTried_ = true;
      if (::AttachConsole(ATTACH_PARENT_PROCESS))
        console_ =
            ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    return console_ != INVALID_HANDLE_VALUE ? console_ : nullptr;
  }

  // A console shows the characters whatever its code page; a file or pipe
  // gets the ANSI bytes with the line ends of a Windows text file.
  static void write(HANDLE out, const std::string& text) {
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(out, &mode)) {
      const std::wstring wide = vs::wideFromAnsi(text);
      ::WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
      return;
    }
    std::string lines;
    for (const char c : text) {
      if (c == '\n')
        lines += '\r';
      lines += c;
    }
    ::WriteFile(out, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
  }

  vs::Win32Host host_;
  bool attachTried_ = false;
  HANDLE console_ = INVALID_HANDLE_VALUE;
};

// The arguments after the program's own name, in the ANSI code page.
std::vector<std::string> launcherArguments() {
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; argv != nullptr && i < count; ++i) arguments.push_back(vs::ansiFromWide(argv[i]));
  ::LocalFree(argv);
  return arguments;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&classes);

  Win32Console console(instance);
  vs::Win32FileSystem files;
  vs::Win32ProcessStarter processes;
  vs::Win32SettingsStore settings;
  vs::Win32ProgramLocation location;
  vs::Win32ShortcutMaker shortcuts;
  return vs::theApp.Run(launcherArguments(), {files, processes, settings, location, shortcuts},
                        console);
}

// Support for the Win32 tests: a game directory on disk, the real main dialog
// made modeless from its .rc template on it, and helpers that act on the real
// controls the way Windows delivers a user's actions.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "dialog/starter_dialog.h"
#include "os/win32/win32_file_system.h"
#include "support/fakes.h"
#include "ui/win32/host.h"
#include "ui/win32/window.h"

namespace vs::test {

inline std::filesystem::path freshTempDirectory() {
  std::random_device seed;
  for (;;) {
    auto path = std::filesystem::temp_directory_path() / ("vswin-" + std::to_string(seed()));
    if (std::filesystem::create_directory(path))
      return path;
  }
}

inline void writeText(const std::filesystem::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}
inline std::string readText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The directory of the running test program.
inline std::filesystem::path programDirectory() {
  char buffer[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return std::filesystem::path(std::string(buffer, length)).parent_path();
}

class Win32Game {
 public:
  Win32Game()
      : root(freshTempDirectory()),
        saved_(std::filesystem::current_path()),
        location((root / "bin" / "VornakStarter.EXE").string()) {
    std::filesystem::create_directories(root / "bin");
    std::filesystem::create_directories(root / "data" / "modvdf");
  }
  ~Win32Game() {
    window_.reset();
    dialog_.reset();
    std::filesystem::current_path(saved_);
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }

  void writeMod(const std::string& name, const std::string& lines) {
    writeText(root / "bin" / name, "[info]\n" + lines);
  }
  StarterDialog& dialog() {
    if (!dialog_)
      dialog_ = std::make_unique<StarterDialog>(
          Services{host, files, processes, *store, location, shortcuts});
    return *dialog_;
  }
  Win32Window& open() {
    window_ = host.open(dialog());
    if (!window_)
      throw std::runtime_error("CreateDialogParamA failed: " + std::to_string(::GetLastError()));
    // Shown, as a user sees it, so that painting and visibility are real.
    ::ShowWindow(window_->handle(), SW_SHOW);
    return *window_;
  }
  Win32Window& window() { return *window_; }
  HWND hwnd() const { return window_->handle(); }
  HWND item(int id) const { return ::GetDlgItem(window_->handle(), id); }

  // --- what a user does, as the controls report it ---
  void click(int id) { ::SendMessageA(item(id), BM_CLICK, 0, 0); }
  void clickItem(int index, UINT code = NM_CLICK) {
    HWND list = item(IDC_MODLIST);
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&state));
    ::SendMessageA(list, LVM_SETSELECTIONMARK, 0, index);
    NMITEMACTIVATE note{};
    note.hdr = {list, static_cast<UINT_PTR>(IDC_MODLIST), code};
    note.iItem = index;
    ::SendMessageA(hwnd(), WM_NOTIFY, IDC_MODLIST, reinterpret_cast<LPARAM>(&note));
  }
  void selectCombo(int id, int index) {
    ::SendMessageA(item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(item(id)));
  }
  void type(int id, const std::string& text) { ::SetWindowTextA(item(id), text.c_str()); }
  // Enter and Escape as the dialog manager turns them into commands.
  void command(int id) { ::SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  void systemCommand(unsigned id) { ::SendMessageA(hwnd(), WM_SYSCOMMAND, id, 0); }
  // Delivers what the window system posted (closing comes back as a posted kIdCancel).
  void pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }

  // --- what a test reads back from the controls ---
  std::string text(int id) const {
    char buffer[1024] = {};
    ::GetWindowTextA(item(id), buffer, sizeof buffer);
    return buffer;
  }
  std::string caption() const {
    char buffer[256] = {};
    ::GetWindowTextA(window_->handle(), buffer, sizeof buffer);
    return buffer;
  }
  bool visible(int id) const { return (::GetWindowLongA(item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
  int checked(int id) const {
    return static_cast<int>(::SendMessageA(item(id), BM_GETCHECK, 0, 0));
  }
  int comboSelection(int id) const {
    return static_cast<int>(::SendMessageA(item(id), CB_GETCURSEL, 0, 0));
  }
  std::vector<std::string> comboEntries(int id) const {
    return strings(id, CB_GETCOUNT, CB_GETLBTEXT);
  }
  std::vector<std::string> logLines() const {
    return strings(IDC_ARCHIVELOG, LB_GETCOUNT, LB_GETTEXT);
  }
  struct Item {
    std::string text;
    int image;
    bool selected;
  };
  std::vector<Item> items() const {
    std::vector<Item> found;
    HWND list = item(IDC_MODLIST);
    const auto count = ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
      char buffer[256] = {};
      LVITEMA entry{};
      entry.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
      entry.stateMask = LVIS_SELECTED;
      entry.iItem = i;
      entry.pszText = buffer;
      entry.cchTextMax = sizeof buffer;
      ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
      found.push_back({buffer, entry.iImage, (entry.state & LVIS_SELECTED) != 0});
    }
    return found;
  }

  std::filesystem::path root;
  Win32Host host;
  Win32FileSystem files;
  RecordingProcessStarter processes;
  MemorySettingsStore memoryStore;
  SettingsStore* store = &memoryStore;
  ShortcutMaker* shortcuts = nullptr;  // none: the list offers no shortcut
  std::filesystem::path saved_;
  FixedProgramLocation location;

 private:
  std::vector<std::string> strings(int id, UINT countMessage, UINT textMessage) const {
    std::vector<std::string> found;
    const auto count = ::SendMessageA(item(id), countMessage, 0, 0);
    for (int i = 0; i < count; ++i) {
      char buffer[1024] = {};
      ::SendMessageA(item(id), textMessage, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(buffer));
      found.emplace_back(buffer);
    }
    return found;
  }

  std::unique_ptr<StarterDialog> dialog_;
  std::unique_ptr<Win32Window> window_;
};

// Runs `act` when a window with this caption shows up, from inside whatever
// modal loop is running (an About box, a message box); the window is then
// closed with kIdOk.
class WhenWindowAppears {
 public:
  WhenWindowAppears(std::string caption, std::function<void(HWND)> act) {
    pending() = {std::move(caption), std::move(act)};
    timer_ = ::SetTimer(nullptr, 0, 20, &WhenWindowAppears::tick);
  }
  ~WhenWindowAppears() {
    ::KillTimer(nullptr, timer_);
    pending() = {};
  }
  static int& seen() {
    static int count = 0;
    return count;
  }

 private:
  struct Pending {
    std::string caption;
    std::function<void(HWND)> act;
  };
  static Pending& pending() {
    static Pending state;
    return state;
  }
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    Pending& state = pending();
    if (!state.act)
      return;
    HWND found = ::FindWindowA(nullptr, state.caption.c_str());
    if (found == nullptr || !::IsWindowVisible(found))
      return;
    auto act = std::move(state.act);
    state.act = nullptr;
    ++seen();
    act(found);
    ::PostMessageA(found, WM_COMMAND, MAKEWPARAM(kIdOk, BN_CLICKED), 0);
  }
  UINT_PTR timer_;
};

// The static texts of a window, in child order.
inline std::vector<std::string> staticTexts(HWND window) {
  std::vector<std::string> texts;
  for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    char name[32] = {};
    ::GetClassNameA(child, name, sizeof name);
    const LONG type = ::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
    if (lstrcmpiA(name, "Static") != 0 || type == SS_ICON || type == SS_BITMAP)
      continue;
    char buffer[1024] = {};
    ::GetWindowTextA(child, buffer, sizeof buffer);
    if (buffer[0] != '\0')
      texts.emplace_back(buffer);
  }
  return texts;
}

}  // namespace vs::test

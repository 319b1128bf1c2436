#include "os/win32/win32_shortcut_maker.h"

// clang-format off
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
// clang-format on

#include <cstdio>
#include <vector>

#include "core/launch/shortcut_name.h"
#include "core/launch/windows_arguments.h"
#include "os/win32/ansi_text.h"
#include "os/win32/com_objects.h"
#include "os/win32/win32_file_system.h"

namespace vs {
namespace {

// Enough numbered names for any number of shortcuts a player makes by hand.
constexpr int kMostNumbers = 99;
// The longest path and argument text a link holds.
constexpr int kLongestPath = 32768;

struct Link {
  std::wstring target;
  std::wstring arguments;
  std::wstring folder;
  std::wstring description;
};

std::string errorText(HRESULT result) {
  if (HRESULT_FACILITY(result) == FACILITY_WIN32)
    return moveFailureText(HRESULT_CODE(result));
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
  return std::string("COM error ") + code;
}

std::optional<std::wstring> desktopFolder(HRESULT& result) {
  PWSTR path = nullptr;
  result = ::SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_CREATE, nullptr, &path);
  std::optional<std::wstring> folder;
  if (SUCCEEDED(result))
    folder = path;
  ::CoTaskMemFree(path);
  return folder;
}

HRESULT newLink(ComPointer<IShellLinkW>& link, ComPointer<IPersistFile>& file) {
  HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, link.out());
  if (SUCCEEDED(result))
    result = link->QueryInterface(IID_IPersistFile, file.out());
  return result;
}

HRESULT writeLink(const std::wstring& path, const Link& wanted) {
  ComPointer<IShellLinkW> link;
  ComPointer<IPersistFile> file;
  HRESULT result = newLink(link, file);
  if (SUCCEEDED(result))
    result = link->SetPath(wanted.target.c_str());
  if (SUCCEEDED(result))
    result = link->SetArguments(wanted.arguments.c_str());
  if (SUCCEEDED(result))
    result = link->SetWorkingDirectory(wanted.folder.c_str());
  if (SUCCEEDED(result))
    result = link->SetIconLocation(wanted.target.c_str(), 0);
  if (SUCCEEDED(result))
    result = link->SetDescription(wanted.description.c_str());
  if (SUCCEEDED(result))
    result = file->Save(path.c_str(), TRUE);
  return result;
}

// Ours for this configuration: a link to this launcher with these arguments.
bool isOurLink(const std::wstring& path, const Link& wanted) {
  ComPointer<IShellLinkW> link;
  ComPointer<IPersistFile> file;
  if (FAILED(newLink(link, file)) || FAILED(file->Load(path.c_str(), STGM_READ)))
    return false;
  std::vector<wchar_t> target(kLongestPath), arguments(kLongestPath);
  if (FAILED(link->GetPath(target.data(), kLongestPath, nullptr, SLGP_RAWPATH)) ||
      FAILED(link->GetArguments(arguments.data(), kLongestPath)))
    return false;
  return ::CompareStringOrdinal(target.data(), -1, wanted.target.c_str(), -1, TRUE) == CSTR_EQUAL &&
         wanted.arguments == arguments.data();
}

// A file of our own beside the shortcut to write the link into: new, so it
// is nobody else's.
std::optional<std::wstring> temporaryFile(const std::wstring& folder) {
  std::vector<wchar_t> name(folder.size() + MAX_PATH);
  if (::GetTempFileNameW(folder.c_str(), L"vsl", 0, name.data()) == 0)
    return std::nullopt;
  return std::wstring(name.data());
}

}  // namespace

// The link is written under a name of its own and then moved into place:
// without replacing for a new name, so a file that appears meanwhile stays.
ShortcutResult Win32ShortcutMaker::makeShortcut(const ShortcutRequest& request) {
  ComApartment com;
  if (!com.usable())
    return {false, "the shell's objects are not at hand: " + errorText(com.result())};
  HRESULT result = S_OK;
  const std::optional<std::wstring> folder = folder_ ? folder_ : desktopFolder(result);
  if (!folder)
    return {false, "the desktop folder is unknown: " + errorText(result)};
  const std::optional<std::wstring> temporary = temporaryFile(*folder);
  if (!temporary)
    return {false,
            "cannot write in " + ansiFromWide(*folder) + ": " + moveFailureText(::GetLastError())};

  const Link wanted{wideFromAnsi(request.launcher),
                    L"--start " + wideFromAnsi(quoteWindowsArgument(request.configuration)),
                    wideFromAnsi(request.folder), wideFromAnsi(request.title)};
  result = writeLink(*temporary, wanted);
  if (FAILED(result)) {
    ::DeleteFileW(temporary->c_str());
    return {false, "cannot write " + ansiFromWide(*temporary) + ": " + errorText(result)};
  }
  for (int number = 1; number <= kMostNumbers; ++number) {
    const std::wstring file =
        *folder + L"\\" +
        wideFromAnsi(windowsShortcutName(request.title, request.configuration, number));
    if (::MoveFileExW(temporary->c_str(), file.c_str(), 0))
      return {true, ansiFromWide(file)};
    DWORD error = ::GetLastError();
    // Taken, by a file or a folder: only a link of ours gives way.
    if (::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) {
      if (!isOurLink(file, wanted))
        continue;
      if (::MoveFileExW(temporary->c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING))
        return {true, ansiFromWide(file)};
      error = ::GetLastError();
    }
    ::DeleteFileW(temporary->c_str());
    return {false, "cannot write " + ansiFromWide(file) + ": " + moveFailureText(error)};
  }
  ::DeleteFileW(temporary->c_str());
  return {false, "every name for it in " + ansiFromWide(*folder) + " is taken"};
}

}  // namespace vs

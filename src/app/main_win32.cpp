// The Windows program: common controls, the Win32 services and the one
// application object.
#include "app/starter_app.h"
#include "os/win32/win32_file_system.h"
#include "os/win32/win32_process_starter.h"
#include "os/win32/win32_program_location.h"
#include "os/win32/win32_settings_store.h"
#include "ui/win32/host.h"
#include "ui/win32/win_api.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&classes);

  vs::Win32Host host(instance);
  vs::Win32FileSystem files;
  vs::Win32ProcessStarter processes;
  vs::Win32SettingsStore settings;
  vs::Win32ProgramLocation location;
  vs::theApp.InitInstance({host, files, processes, settings, location});
  return 0;
}

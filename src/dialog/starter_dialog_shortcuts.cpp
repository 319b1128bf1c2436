// StarterDialog: the mod list's context menu, which makes a shortcut that
// starts its item without the dialog.
#include "core/launch/launcher_texts.h"
#include "core/mods/mod_info.h"
#include "dialog/starter_dialog.h"
#include "dialog/startup_rules.h"

namespace vs {

void StarterDialog::OnModListContextMenu(MessageArgs& args) {
  args.result = 0;
  const auto* record =
      reinterpret_cast<const ModInfo*>(modList.GetItemData(static_cast<int>(args.lParam)));
  if (record == nullptr || services_.shortcuts == nullptr)
    return;
  const std::vector<MenuEntry> menu = {{IDM_CREATE_SHORTCUT, launcherTexts.createShortcut}};
  if (controls().popupMenu(IDC_MODLIST, menu) == IDM_CREATE_SHORTCUT)
    createShortcut(*record);
}

void StarterDialog::createShortcut(const ModInfo& record) {
  const std::string launcher = services_.location.executablePath();
  const ShortcutRequest request{record.title, record.fileName, launcher,
                                programDirectory(launcher).value_or(std::string())};
  const ShortcutResult result = services_.shortcuts->makeShortcut(request);
  // The line must be seen: the development face covers the log.
  showLogFace();
  appendLog(fillIn(result.made ? launcherTexts.shortcutMade : launcherTexts.shortcutFailed,
                   result.where));
}

}  // namespace vs

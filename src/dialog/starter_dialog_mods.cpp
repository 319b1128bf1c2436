// StarterDialog: filling the mod list and the description panel.
#include <memory>

#include "dialog/starter_dialog.h"
#include "core/mods/mod_info.h"
#include "core/mods/mod_list_rules.h"

namespace vs {

int StarterDialog::scanMods() {
  int n = 0;
  const int images = controls().imageCount(modImages);
  for (const std::string& found : services_.files.findByExtension("", ".ini")) {
    const std::string name = lowerAscii(found);
    // A name the search gave in lower case already is the entry itself.
    const std::string path = name == found ? found : services_.files.resolveExisting(name);
    auto record = std::make_unique<ModInfo>(name, services_.files.openForReading(path).get());
    if (!record->valid)
      continue;
    modList.InsertItem(n, itemText(*record), imageIndex(*record, name, images));
    modList.SetItemData(n, reinterpret_cast<ItemData>(record.get()));
    listedRecords_.push_back(std::move(record));
    if (n == selectedItem)
      modList.SetItemSelectedFocused(n);
    ++n;
  }
  return n;
}

void StarterDialog::showModDescription(int index) {
  if (index < 0)
    return;
  const auto* record = reinterpret_cast<const ModInfo*>(modList.GetItemData(index));
  descriptionText = record == nullptr ? "no info" : modDescription(*record);
  UpdateData(false);
}

void StarterDialog::OnModListClick(MessageArgs& args) {
  selectedItem = modList.GetSelectionMark();
  showModDescription(selectedItem);
  args.result = 0;
}

}  // namespace vs

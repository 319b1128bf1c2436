// StarterDialog: filling the mod list and the description panel.
#include <memory>
#include <vector>

#include "core/mods/line_pieces.h"
#include "core/mods/mod_info.h"
#include "core/mods/mod_list_rules.h"
#include "dialog/starter_dialog.h"
#include "dialog/startup_rules.h"

namespace vs {

int StarterDialog::scanMods() {
  int n = 0;
  const int images = controls().imageCount(modImages);
  // Names that differ only in case (possible where the file system tells
  // them apart) are one file to the game: only the first is read. The
  // search yields them side by side, so the one before is all to compare.
  const std::vector<std::string> found = services_.files.findByExtension("", kModFileExtension);
  // One block takes every file's bytes in turn.
  PieceBuffer buffer;
  for (std::size_t i = 0; i < found.size(); ++i) {
    if (i > 0 && equalsIgnoringAsciiCase(found[i], found[i - 1]))
      continue;
    std::string name = lowerAscii(found[i]);
    auto record = std::make_unique<ModInfo>(std::move(name),
                                            services_.files.openForReading(found[i]).get(), buffer);
    if (!record->valid)
      continue;
    modList.InsertItem(n, itemText(*record), imageIndex(*record, record->fileName, images));
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

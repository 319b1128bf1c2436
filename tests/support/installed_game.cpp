#include "support/installed_game.h"

#include <stdexcept>

#include "core/mods/mod_info.h"
#include "dialog/control_ids.h"

namespace vs::test {

int InstalledGame::itemOf(const std::string& fileName) const {
  const auto& items = window_->control(IDC_MODLIST).items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (reinterpret_cast<const ModInfo*>(items[i].data)->fileName == fileName)
      return static_cast<int>(i);
  }
  throw std::logic_error("no item for " + fileName);
}

std::vector<std::string> InstalledGame::itemTexts() const {
  std::vector<std::string> texts;
  for (const auto& item : window_->control(IDC_MODLIST).items) texts.push_back(item.text);
  return texts;
}

const std::vector<std::string>& InstalledGame::start(const std::string& fileName,
                                                     const std::string& parameters) {
  window_->clickItem(itemOf(fileName));
  window_->type(IDC_PARAMETERS, parameters);
  window_->pressEnter();
  return window_->control(IDC_ARCHIVELOG).lines;
}

}  // namespace vs::test

// StarterDialog: the eight choices kept in the per-user store.
#include "core/settings/settings_values.h"
#include "dialog/starter_dialog.h"

namespace vs {
namespace {

using D = StarterDialog;

enum class StoredKind { integer, text };

// One stored value: its name, how it is encoded, and the member it holds.
struct StoredValue {
  const char* name;
  StoredKind kind;
  std::int32_t D::*number = nullptr;
  std::string D::*text = nullptr;
};

constexpr StoredValue integer(const char* name, std::int32_t D::*member) {
  return {name, StoredKind::integer, member};
}
constexpr StoredValue text(const char* name, std::string D::*member) {
  return {name, StoredKind::text, nullptr, member};
}

// In read order. Writing takes the integers first and the text last.
constexpr StoredValue kStoredValues[] = {
    // clang-format off
    integer("nomusic",       &D::noMusic),
    integer("nosound",       &D::noSound),
    integer("windowed",      &D::windowed),
    integer("startapp",      &D::startApp),
    integer("modgame",       &D::selectedItem),
    text   ("parameters",    &D::parameters),
    integer("spylevel",      &D::spyLevel),
    integer("physicalfirst", &D::physicalFirst),
    // clang-format on
};

}  // namespace

void StarterDialog::openSettingsKey() {
  settingsKey = services_.settings.createOrOpenKey();
}

void StarterDialog::loadSettings() {
  if (!settingsKey)
    return;
  std::vector<std::uint8_t> data;
  for (const StoredValue& value : kStoredValues) {
    const bool isText = value.kind == StoredKind::text;
    const std::size_t size = isText ? kParametersValueSize : kIntegerValueSize;
    if (services_.settings.queryBinary(value.name, size, data) != QueryResult::ok)
      continue;
    std::int32_t number = 0;
    if (isText)
      this->*value.text = decodeParameters(data);
    else if (decodeInteger(data, number))
      this->*value.number = number;
  }
}

void StarterDialog::saveSettings() {
  UpdateData(true);
  if (!settingsKey)
    return;
  for (const StoredKind kind : {StoredKind::integer, StoredKind::text}) {
    for (const StoredValue& value : kStoredValues) {
      if (value.kind != kind)
        continue;
      services_.settings.setBinary(value.name, kind == StoredKind::text
                                                   ? encodeParameters(this->*value.text)
                                                   : encodeInteger(this->*value.number));
    }
  }
  services_.settings.commit();
}

void StarterDialog::OnCancel() {
  saveSettings();
  EndDialog(kIdCancel);
}

}  // namespace vs

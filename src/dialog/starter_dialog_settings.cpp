// StarterDialog: the eight choices kept in the per-user store.
#include "core/settings/settings_values.h"
#include "dialog/starter_dialog.h"

namespace vs {
namespace {

using D = StarterDialog;

struct IntegerValue {
  const char* name;
  std::int32_t D::*member;
};

// Read in this order; "parameters" comes between "modgame" and "spylevel".
const IntegerValue kReadBefore[] = {
    {"nomusic", &D::noMusic},   {"nosound", &D::noSound},      {"windowed", &D::windowed},
    {"startapp", &D::startApp}, {"modgame", &D::selectedItem},
};
const IntegerValue kReadAfter[] = {
    {"spylevel", &D::spyLevel},
    {"physicalfirst", &D::physicalFirst},
};

// Written in this order, "parameters" last.
const IntegerValue kWriteOrder[] = {
    {"nomusic", &D::noMusic},
    {"nosound", &D::noSound},
    {"windowed", &D::windowed},
    {"startapp", &D::startApp},
    {"modgame", &D::selectedItem},
    {"spylevel", &D::spyLevel},
    {"physicalfirst", &D::physicalFirst},
};

}  // namespace

void StarterDialog::openSettingsKey() {
  settingsKey = services_.settings.createOrOpenKey();
}

void StarterDialog::loadSettings() {
  if (!settingsKey)
    return;
  SettingsStore& store = services_.settings;
  std::vector<std::uint8_t> data;
  const auto readInteger = [&](const IntegerValue& value) {
    std::int32_t number = 0;
    if (store.queryBinary(value.name, kIntegerValueSize, data) == QueryResult::ok &&
        decodeInteger(data, number)) {
      this->*value.member = number;
    }
  };
  for (const auto& value : kReadBefore) readInteger(value);
  if (store.queryBinary("parameters", kParametersValueSize, data) == QueryResult::ok) {
    parameters = decodeParameters(data);
  }
  for (const auto& value : kReadAfter) readInteger(value);
}

void StarterDialog::saveSettings() {
  UpdateData(true);
  if (!settingsKey)
    return;
  const auto buffer = encodeParameters(parameters);
  for (const auto& value : kWriteOrder) {
    services_.settings.setBinary(value.name, encodeInteger(this->*value.member));
  }
  services_.settings.setBinary("parameters", buffer);
  services_.settings.commit();
}

void StarterDialog::OnCancel() {
  saveSettings();
  EndDialog(IDCANCEL);
}

}  // namespace vs

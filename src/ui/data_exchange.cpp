#include "ui/data_exchange.h"

namespace vs {

void exchangeControl(DataExchange& dx, int id, Control& wrapper) {
  if (!wrapper.attached())
    wrapper.attach(dx.controls, id);
}

void exchangeCheck(DataExchange& dx, int id, std::int32_t& member) {
  if (dx.saveAndValidate) {
    member = dx.controls.checkState(id);
    return;
  }
  if (member < 0 || member > 2)
    member = 0;
  dx.controls.setCheckState(id, member);
}

void exchangeComboIndex(DataExchange& dx, int id, std::int32_t& member) {
  if (dx.saveAndValidate) {
    member = dx.controls.comboSelection(id);
    return;
  }
  const bool inList = member >= 0 && member < dx.controls.comboCount(id);
  dx.controls.setComboSelection(id, inList ? member : -1);
}

void exchangeText(DataExchange& dx, int id, std::string& member) {
  if (dx.saveAndValidate) {
    member = dx.controls.text(id);
  } else {
    dx.controls.setText(id, member);
  }
}

}  // namespace vs

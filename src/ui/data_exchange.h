// Dialog data exchange: one transfer runs a dialog's whole table, either from
// the members to the controls or back. No kind validates or fails.
#pragma once

#include <cstdint>
#include <string>

#include "ui/control_wrappers.h"
#include "ui/controls.h"

namespace vs {

enum class ExchangeKind { check, comboIndex, text };

struct DataExchange {
  Controls& controls;
  bool saveAndValidate;  // true: controls to members
};

void exchangeControl(DataExchange& dx, int id, Control& wrapper);
void exchangeCheck(DataExchange& dx, int id, std::int32_t& member);
void exchangeComboIndex(DataExchange& dx, int id, std::int32_t& member);
void exchangeText(DataExchange& dx, int id, std::string& member);

// Table rows: a control wrapper to attach, and a value to move. Value rows are
// written with check(), comboIndex() and text() below.
template <class D>
struct ControlBinding {
  int id;
  Control& (*wrapper)(D&);
};

template <class D>
struct ValueBinding {
  ExchangeKind kind;
  int id;
  std::int32_t D::*number = nullptr;
  std::string D::*text = nullptr;
};

template <class D>
constexpr ValueBinding<D> check(int id, std::int32_t D::*member) {
  return {ExchangeKind::check, id, member};
}
template <class D>
constexpr ValueBinding<D> comboIndex(int id, std::int32_t D::*member) {
  return {ExchangeKind::comboIndex, id, member};
}
template <class D>
constexpr ValueBinding<D> text(int id, std::string D::*member) {
  return {ExchangeKind::text, id, nullptr, member};
}

// `wrapperOf<&D::member>` names a wrapper member in a ControlBinding row.
template <auto Member, class D>
Control& wrapperOf(D& dialog) {
  return dialog.*Member;
}

template <class D, std::size_t NC, std::size_t NV>
void runExchangeTable(DataExchange& dx, D& dialog, const ControlBinding<D> (&controls)[NC],
                      const ValueBinding<D> (&values)[NV]) {
  for (const auto& row : controls) exchangeControl(dx, row.id, row.wrapper(dialog));
  for (const auto& row : values) {
    switch (row.kind) {
      case ExchangeKind::check:
        exchangeCheck(dx, row.id, dialog.*row.number);
        break;
      case ExchangeKind::comboIndex:
        exchangeComboIndex(dx, row.id, dialog.*row.number);
        break;
      case ExchangeKind::text:
        exchangeText(dx, row.id, dialog.*row.text);
        break;
    }
  }
}

}  // namespace vs

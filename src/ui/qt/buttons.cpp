// Check boxes, push buttons and the push-like check box: check state and the
// caption of a multi-line button.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

#include "ui/qt/widgets.h"
#include "ui/qt/window.h"

namespace vs {

// Breaks a caption at blanks so that each line fits `width` pixels; a word
// longer than a line stays whole.
QString wrapCaption(const QString& text, const QFontMetrics& metrics, int width) {
  QString wrapped;
  QString line;
  for (const QString& word : text.split(QLatin1Char(' '))) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
      wrapped += line + QLatin1Char('\n');
      line = word;
    } else {
      line = candidate;
    }
  }
  return wrapped + line;
}

namespace {

// The bevel and the focus frame on both sides of a push button's caption.
constexpr int kButtonFrameWidth = 8;

int captionWidth(const QAbstractButton& button) {
  if (dynamic_cast<const QCheckBox*>(&button) == nullptr)
    return button.width() - kButtonFrameWidth;
  QStyleOptionButton option;
  option.initFrom(&button);
  const int indicator = button.style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, &button);
  const int spacing =
      button.style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, &button);
  return button.width() - indicator - spacing;
}

}  // namespace

void showButtonText(QAbstractButton& button, const QString& text) {
  if (button.property("vsWrapText").toBool())
    button.setText(wrapCaption(text, button.fontMetrics(), captionWidth(button)));
  else
    button.setText(text);
}

int QtWindow::checkState(int id) const {
  if (const auto* box = controlAs<QCheckBox>(id)) {
    switch (box->checkState()) {
      case Qt::Unchecked:
        return 0;
      case Qt::Checked:
        return 1;
      case Qt::PartiallyChecked:
        return 2;
    }
  }
  if (const auto* button = controlAs<QAbstractButton>(id))
    return button->isCheckable() && button->isChecked() ? 1 : 0;
  return 0;
}

void QtWindow::setCheckState(int id, int state) {
  if (auto* box = controlAs<QCheckBox>(id)) {
    const Qt::CheckState wanted = state == 1   ? Qt::Checked
                                  : state == 2 ? Qt::PartiallyChecked
                                               : Qt::Unchecked;
    // Qt repaints a box set to the state it shows; every exchange sets all.
    if (box->checkState() == wanted)
      return;
    const QSignalBlocker blocker(box);
    if (state == 2)
      box->setTristate(true);
    box->setCheckState(wanted);
  } else if (auto* button = controlAs<QAbstractButton>(id); button && button->isCheckable()) {
    const QSignalBlocker blocker(button);
    button->setChecked(state != 0);
  }
}

}  // namespace vs

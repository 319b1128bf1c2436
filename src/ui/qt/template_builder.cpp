// Widgets from a dialog template: same ids, kinds, texts and tab order, with
// rectangles converted from dialog units through the dialog font's base units.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "ui/qt/host.h"
#include "ui/qt/widgets.h"
#include "ui/qt/window.h"

namespace vs {
namespace {

// The frame and bevel above and below a push button's caption, in pixels.
constexpr int kButtonFrameHeight = 4;

// The template's font is not on Linux; this one has close metrics.
constexpr const char* kFontFamilies[] = {"Liberation Sans", "Arimo", "DejaVu Sans"};

QWidget* makeEdit(const ControlTemplate& c, QWidget* parent) {
  if ((c.style & kMultiLine) == 0)
    return new QLineEdit(parent);
  auto* edit = new QPlainTextEdit(parent);
  edit->setReadOnly((c.style & kReadOnly) != 0);
  edit->setVerticalScrollBarPolicy((c.style & kVScroll) ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setTabChangesFocus(true);
  return edit;
}

QWidget* makeStatic(const ResourceTable& resources, const ControlTemplate& c, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  if (c.kind == ControlKind::staticBitmap) {
    label->setPixmap(loadBitmap(resources, c.resourceId));
  } else if (c.kind == ControlKind::staticIcon) {
    label->setPixmap(loadIcon(resources, c.resourceId).pixmap(32, 32));
  } else {
    label->setWordWrap(true);
  }
  return label;
}

// The substitute font runs a little wider than the template's: a one-line
// label or check box grows to its text rather than wrapping or clipping it.
QRect fittedRect(const ControlTemplate& c, QWidget* w, QRect rect, BaseUnits units) {
  if (auto* label = dynamic_cast<QLabel*>(w); label && !label->pixmap().isNull()) {
    if (c.kind == ControlKind::staticBitmap)  // the banner fills its place
      label->setPixmap(bitmapForPlace(label->pixmap(), rect.size()));
    else  // an icon keeps its own size, as an icon static does
      rect.setSize(label->pixmap().deviceIndependentSize().toSize());
    return rect;
  }
  if (c.kind == ControlKind::comboDropList) {
    rect.setHeight(w->sizeHint().height());  // the template gives the dropped-down height
    return rect;
  }
  if (auto* button = dynamic_cast<QAbstractButton*>(w); button && (c.style & kMultiLine)) {
    // Wrapped lines that need more room grow the box about its middle, where
    // a multi-line caption is centred anyway.
    const int lines = static_cast<int>(button->text().count(QLatin1Char('\n'))) + 1;
    const int needed = lines * w->fontMetrics().height() + kButtonFrameHeight;
    if (needed > rect.height())
      rect.adjust(0, -(needed - rect.height()) / 2, 0, (needed - rect.height() + 1) / 2);
    return rect;
  }
  const bool oneLine = c.rect.height * units.y / 8 < 2 * w->fontMetrics().height();
  if (!oneLine)
    return rect;
  if (auto* label = dynamic_cast<QLabel*>(w)) {
    label->setWordWrap(false);
    rect.setWidth(std::max(rect.width(), label->sizeHint().width()));
  } else if (c.kind == ControlKind::checkBox) {
    rect.setWidth(std::max(rect.width(), w->sizeHint().width()));
  }
  return rect;
}

}  // namespace

QFont dialogFont(const DialogTemplate& tmpl) {
  const QStringList families = QFontDatabase::families();
  QFont font;
  for (const char* family : kFontFamilies) {
    if (families.contains(QString::fromLatin1(family))) {
      font.setFamily(QString::fromLatin1(family));
      break;
    }
  }
  font.setPointSize(tmpl.pointSize);
  return font;
}

// As the dialog manager computes them: the average width of the letters
// rounded half up, and the font's line height.
BaseUnits dialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect toPixels(const DialogRect& rect, BaseUnits units) {
  const int left = rect.x * units.x / 4;
  const int top = rect.y * units.y / 8;
  const int right = (rect.x + rect.width) * units.x / 4;
  const int bottom = (rect.y + rect.height) * units.y / 8;
  return QRect(left, top, right - left, bottom - top);
}

namespace {

// The fewest logical pixels that make a whole number of device pixels: 1 at
// 100 % and 200 %, 2 at 150 %, 4 at 125 % and 175 %. A ratio no small step
// makes whole is only rounded.
int wholePixelStep(qreal ratio) {
  for (int step = 1; step <= 8; ++step) {
    if (std::abs(ratio * step - std::round(ratio * step)) < 1e-3)
      return step;
  }
  return 1;
}

// `way`: below 0 down, 0 to the nearest, above 0 up.
int snapEdge(int edge, int step, int way) {
  const double steps = static_cast<double>(edge) / step;
  const double whole = way < 0 ? std::floor(steps) : way > 0 ? std::ceil(steps) : std::round(steps);
  return static_cast<int>(whole) * step;
}

}  // namespace

QRect onWholeDevicePixels(const QRect& rect, qreal ratio, PixelSnap snap) {
  const int step = wholePixelStep(ratio);
  const int out = snap == PixelSnap::outward ? 1 : 0;
  const int left = snapEdge(rect.left(), step, -out);
  const int top = snapEdge(rect.top(), step, -out);
  const int right = snapEdge(rect.right(), step, out);
  const int bottom = snapEdge(rect.bottom(), step, out);
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

QWidget* QtWindow::makeControl(const ControlTemplate& c) {
  QWidget* parent = widget_;
  switch (c.kind) {
    case ControlKind::listView:
      return new ModListWidget(*this, c.id, parent);
    case ControlKind::listBox: {
      auto* log = new LogListWidget(parent);
      log->setVerticalScrollBarPolicy((c.style & kVScroll) ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
      log->setHorizontalScrollBarPolicy((c.style & kHScroll) ? Qt::ScrollBarAsNeeded
                                                             : Qt::ScrollBarAlwaysOff);
      return log;
    }
    case ControlKind::checkBox:
      return new QCheckBox(parent);
    case ControlKind::pushLikeCheck:
    case ControlKind::pushButton:
    case ControlKind::defPushButton: {
      auto* button = new QPushButton(parent);
      button->setCheckable(c.kind == ControlKind::pushLikeCheck);
      // Enter is the dialog's start command, never "press the focused button".
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::edit:
      return makeEdit(c, parent);
    case ControlKind::staticText:
    case ControlKind::staticBitmap:
    case ControlKind::staticIcon:
      return makeStatic(host_.resources(), c, parent);
    case ControlKind::comboDropList: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      combo->setInsertPolicy(QComboBox::NoInsert);
      return combo;
    }
    case ControlKind::groupBox: {
      auto* group = new QGroupBox(parent);
      // Only a frame: the controls drawn inside it are its siblings.
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      return group;
    }
  }
  return new QWidget(parent);
}

void QtWindow::buildFromTemplate() {
  const QFont font = dialogFont(tmpl_);
  widget_->setFont(font);
  units_ = dialogBaseUnits(font);
  widget_->setWindowTitle(decodeBytes(tmpl_.caption));
  widget_->setWindowFlag(Qt::WindowMinimizeButtonHint, tmpl_.minimiseBox);
  widget_->setFixedSize(toPixels({0, 0, tmpl_.width, tmpl_.height}, units_).size());
  const qreal ratio = widget_->devicePixelRatioF();

  for (const ControlTemplate& c : tmpl_.controls) {
    QWidget* w = makeControl(c);
    if (c.style & kMultiLine)
      w->setProperty("vsWrapText", true);
    // Texts and pictures draw no lines and keep their exact place.
    const bool drawsLines = c.kind != ControlKind::staticText &&
                            c.kind != ControlKind::staticBitmap &&
                            c.kind != ControlKind::staticIcon;
    const QRect exact = toPixels(c.rect, units_);
    const QRect rect = drawsLines ? onWholeDevicePixels(exact, ratio) : exact;
    w->setGeometry(rect);  // a multi-line caption wraps to this width
    if (c.id >= 0) {
      controls_.emplace_back(c.id, w);
      connectControl(c.id, w);
      setText(c.id, c.text);
    } else {
      showText(w, decodeBytes(c.text));
    }
    const QRect fitted = fittedRect(c, w, rect, units_);
    w->setGeometry(drawsLines ? onWholeDevicePixels(fitted, ratio, PixelSnap::outward) : fitted);
    // Earlier controls lie above later ones, as in a dialog's z-order.
    w->lower();
    w->installEventFilter(widget_);
    if (c.style & kTabStop) {
      w->setFocusPolicy(Qt::StrongFocus);
      tabOrder_.push_back(w);
    } else {
      w->setFocusPolicy(Qt::NoFocus);
    }
  }
  for (std::size_t i = 1; i < tabOrder_.size(); ++i)
    QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

}  // namespace vs

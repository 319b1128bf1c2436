// Counts the paint events a widget receives, watched from outside the widget.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace vs {

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints() const { return paints_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      ++paints_;
    return false;
  }

 private:
  int paints_ = 0;
};

}  // namespace vs

// The launcher's dialog on the Qt front end, offscreen, in a game directory on
// disk, with helpers that act on the real widgets as a user does.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>

#include "dialog/resources.h"
#include "dialog/starter_dialog.h"
#include "os/posix/code_page_text.h"
#include "support/game_fixture.h"
#include "ui/qt/host.h"
#include "ui/qt/widgets.h"
#include "ui/qt/window.h"

namespace vs::test {

inline QApplication& qtApplication() {
  static QApplication* app = [] {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
      static TempDir runtime;
      setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    }
    static int argc = 1;
    static char name[] = "vs_qt_tests";
    static char* argv[] = {name, nullptr};
    useCodePageConverter(&codePageToUtf8);
    return new QApplication(argc, argv);  // lives to the end of the process
  }();
  return *app;
}

class QtGame {
 public:
  QtGame() { qtApplication(); }
  ~QtGame() {
    window_.reset();
    QApplication::processEvents();
  }

  QtWindow& open() {
    dialog_ = std::make_unique<StarterDialog>(
        Services{host, game.files, game.processes, game.settings, game.location, shortcuts});
    window_ = host.open(*dialog_);
    if (!window_)
      throw std::logic_error("no window");
    QApplication::processEvents();
    return *window_;
  }
  StarterDialog& dialog() { return *dialog_; }
  QtWindow& window() { return *window_; }
  QListWidget& list() { return *window_->controlAs<QListWidget>(IDC_MODLIST); }

  GameFixture game;
  QtHost host{starterResources()};
  ShortcutMaker* shortcuts = nullptr;

 private:
  std::unique_ptr<StarterDialog> dialog_;
  std::unique_ptr<QtWindow> window_;
};

inline void sendMouse(QWidget* target, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

inline QPoint rowCentre(QListWidget& list, int row) {
  return list.visualItemRect(list.item(row)).center();
}

inline void clickAt(QListWidget& list, QPoint at) {
  sendMouse(list.viewport(), QEvent::MouseButtonPress, at);
  sendMouse(list.viewport(), QEvent::MouseButtonRelease, at);
}

inline void doubleClickAt(QListWidget& list, QPoint at) {
  clickAt(list, at);
  sendMouse(list.viewport(), QEvent::MouseButtonDblClick, at);
  sendMouse(list.viewport(), QEvent::MouseButtonRelease, at);
}

inline void pressKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

// Runs `act` on the modal window once its modal run is going. A window that
// never appears fails the test; a modal window `act` leaves open is hidden so
// that its run ends.
inline void whenModal(std::function<void(QWidget&)> act) {
  auto* timer = new QTimer;
  const auto started = std::chrono::steady_clock::now();
  QObject::connect(timer, &QTimer::timeout, [timer, act, started] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      act(*modal);
      if (QApplication::activeModalWidget() == modal) {
        ADD_FAILURE() << "the modal window stayed open";
        modal->hide();
      }
      return;
    }
    if (std::chrono::steady_clock::now() - started > std::chrono::seconds(5)) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal window appeared";
    }
  });
  timer->start(10);
}

}  // namespace vs::test

// Preloaded (LD_PRELOAD) into a Qt program by the start-up benchmark, so that
// the launcher and the bare dialog are timed by the same code and neither
// needs a hook of its own. Once the first top-level window has been painted
// and the window system has the picture, it writes the monotonic clock in
// nanoseconds to the descriptor named by VS_FIRST_PAINT_FD and ends the
// process at once.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void reportAndExit() {
  // The paint's pixels are sent; a round trip makes sure the server has them.
  QGuiApplication::sync();
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  const long long nanoseconds = now.tv_sec * 1000000000LL + now.tv_nsec;
  const char* fd = std::getenv("VS_FIRST_PAINT_FD");
  char line[32];
  const int length = std::snprintf(line, sizeof line, "%lld\n", nanoseconds);
  if (fd != nullptr && length > 0) {
    const ssize_t written = ::write(std::atoi(fd), line, static_cast<size_t>(length));
    (void)written;
  }
  ::_exit(0);
}

class FirstPaintFilter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!seen_ && event->type() == QEvent::Paint) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && widget->isWindow()) {
        seen_ = true;
        // Runs once this paint, its children's and the flush are done.
        QTimer::singleShot(0, &reportAndExit);
      }
    }
    return false;
  }

 private:
  bool seen_ = false;
};

void installFilter() {
  if (std::getenv("VS_FIRST_PAINT_FD") == nullptr)
    return;
  QCoreApplication::instance()->installEventFilter(new FirstPaintFilter);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installFilter)

// The Qt front end module: QApplication and the dialog host.
#include "app/qt_front_end.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>

#include "os/posix/code_page_text.h"
#include "ui/qt/host.h"
#include "ui/qt/widgets.h"

namespace vs {
namespace {

// The release's own plugins lie in the library folder beside the program;
// they, and no other Qt's, are loaded. A build without that folder keeps
// Qt's own search.
void useBundledPlugins(const char* executable) {
  const QString plugins = QFileInfo(QString::fromLocal8Bit(executable)).absolutePath() +
                          QStringLiteral("/" VS_LIBRARY_FOLDER "/plugins");
  if (QFileInfo(plugins).isDir())
    QCoreApplication::setLibraryPaths({plugins});
}

class Module : public QtFrontEnd {
 public:
  Module(int* argc, char** argv, const char* executable, const ResourceTable& resources)
      : application_((useBundledPlugins(executable), *argc), argv), host_(resources) {
    useCodePageConverter(&codePageToUtf8);
  }

  DialogHost& host() override { return host_; }

  std::vector<std::uint8_t> iconPng(int iconId, int size) override {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    loadIcon(host_.resources(), iconId).pixmap(size, size).toImage().save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
  }

 private:
  QApplication application_;
  QtHost host_;
};

}  // namespace
}  // namespace vs

extern "C" __attribute__((visibility("default"))) vs::QtFrontEnd* vs_open_qt_front_end(
    int* argc, char** argv, const char* executable, const vs::ResourceTable* resources) {
  // Kept to the end of the process: Qt must not be torn down while exit runs.
  static vs::Module* const module = new vs::Module(argc, argv, executable, *resources);
  return module;
}

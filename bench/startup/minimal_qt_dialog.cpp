// The yardstick of the start-up benchmark: the least a Qt dialog with a
// filled list costs, a QDialog holding a QListWidget of 1,000 fixed items.
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QString>
#include <QVBoxLayout>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Minimal dialog"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  layout->addWidget(list);
  for (int i = 0; i < 1000; ++i) list->addItem(QStringLiteral("Mod number %1 (1.0)").arg(i));
  list->setCurrentRow(0);
  dialog.resize(630, 530);
  return dialog.exec();
}

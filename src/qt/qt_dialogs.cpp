#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace kestrom {

std::string QtDialogs::saveFileName(const std::string& caption, const std::string& filter) {
  const QString path =
      QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(caption),
                                   QString(), QString::fromStdString(filter));
  return path.toStdString();
}

}  // namespace kestrom

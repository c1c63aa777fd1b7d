#include "platform/qt/list_sync.h"

#include <QSignalBlocker>

namespace kestrom {

void showList(QComboBox* box, const ComboBox& model) {
  const QSignalBlocker block(box);
  if (box->count() != static_cast<int>(model.Items.size())) {
    box->clear();
    for (const std::string& item : model.Items) box->addItem(QString::fromStdString(item));
  }
  if (box->currentIndex() != model.ItemIndex) box->setCurrentIndex(model.ItemIndex);
  box->setEnabled(model.Enabled);
  box->setAccessibleName(box->currentText());
}

}  // namespace kestrom

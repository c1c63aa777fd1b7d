#include "qt/control_sync.h"

#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>
#include <memory>
#include <utility>

namespace kestrom {

void showText(QLabel* label, const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  if (label->text() == text) return;
  label->setText(text);
  label->setAccessibleName(text);
}

void showCheckBox(QAbstractButton* box, const CheckBox& model) {
  const QSignalBlocker block(box);
  box->setChecked(model.Checked);
  box->setEnabled(model.Enabled);
}

QCheckBox* addToggleBox(QWidget* parent, const char* name, const char* caption, QRect where,
                        std::function<void(bool)> toggled) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(box->text());
  box->setGeometry(where);
  QObject::connect(box, &QCheckBox::toggled, box, std::move(toggled));
  return box;
}

void showEdit(QLineEdit* edit, const Edit& model) {
  const QString text = QString::fromStdString(model.Text);
  if (edit->text() != text) edit->setText(text);
  edit->setEnabled(model.Enabled);
}

bool showMessages(MessageBoxes& dialogs, const std::function<std::optional<std::string>()>& take) {
  bool shown = false;
  while (std::optional<std::string> message = take()) {
    dialogs.error(*message);
    shown = true;
  }
  return shown;
}

bool describe(QWidget* widget, const QString& description) {
  if (widget->accessibleDescription() == description) return false;
  widget->setAccessibleDescription(description);
  return true;
}

void nameAfterLabel(QLabel* label, QWidget* control) {
  label->setBuddy(control);
  QString name = label->text();
  name.remove(QRegularExpression(QStringLiteral("&(?!&)")));  // "&&" is a shown "&"
  if (name.endsWith(QLatin1Char(':'))) name.chop(1);
  name = name.trimmed();
  if (control->accessibleName() != name) control->setAccessibleName(name);
}

void showList(QComboBox* box, const ComboBox& model) {
  const QSignalBlocker block(box);
  if (box->count() != static_cast<int>(model.Items.size())) {
    box->clear();
    for (const std::string& item : model.Items) box->addItem(QString::fromStdString(item));
  }
  if (box->currentIndex() != model.ItemIndex) box->setCurrentIndex(model.ItemIndex);
  box->setEnabled(model.Enabled);
}

void forwardChoices(QComboBox* box, std::function<void(int)> choose, std::function<void()> redraw) {
  auto take = [box, choose = std::move(choose), redraw = std::move(redraw)](int index) {
    if (box->isEnabled()) {
      choose(index);
    } else {
      redraw();
    }
  };
  // A pick that changes the item emits currentIndexChanged and then, from the same
  // call, activated: the second signal is the same choice.
  auto heard = std::make_shared<bool>(false);
  QObject::connect(box, &QComboBox::currentIndexChanged, box, [box, heard, take](int index) {
    *heard = true;
    take(index);
    // Cleared once the signal that may follow has come, or has not.
    QTimer::singleShot(0, box, [heard] { *heard = false; });  // NOLINT: Qt owns the call
  });
  QObject::connect(box, &QComboBox::activated, box, [heard, take](int index) {
    if (std::exchange(*heard, false)) return;
    take(index);
  });
}

}  // namespace kestrom

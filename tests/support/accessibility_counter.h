#pragma once

// How often assistive tools were told about each control. Every accessibility
// event checks once that its control's interface is valid, also on the offscreen
// platform, which has no accessibility of its own for an update handler to hear.
// Install countingFactory before the controls are made: an object keeps the
// interface it was first given, for as long as it lives.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QString>
#include <map>

namespace kestrom::testing {

inline std::map<const QObject*, int> told;

class CountingAccessible : public QAccessibleWidget {
 public:
  using QAccessibleWidget::QAccessibleWidget;
  bool isValid() const override {
    ++told[object()];
    return QAccessibleWidget::isValid();
  }
};

// The controls the tests watch: the setup window's and the station panels'.
inline QAccessibleInterface* countingFactory(const QString& className, QObject* object) {
  static const QHash<QString, QAccessible::Role> roles = {
      {QStringLiteral("QComboBox"), QAccessible::ComboBox},
      {QStringLiteral("QLineEdit"), QAccessible::EditableText},
      {QStringLiteral("QCheckBox"), QAccessible::CheckBox},
      {QStringLiteral("QRadioButton"), QAccessible::RadioButton},
      {QStringLiteral("QPushButton"), QAccessible::Button},
      {QStringLiteral("kestrom::PanelDisplay"), QAccessible::EditableText},
      {QStringLiteral("kestrom::DisplayCellWidget"), QAccessible::StaticText},
      {QStringLiteral("kestrom::PanelKeyButton"), QAccessible::Button},
      {QStringLiteral("kestrom::LampWidget"), QAccessible::Indicator},
      {QStringLiteral("kestrom::DialStandIn"), QAccessible::Dial},
      {QStringLiteral("kestrom::Announcer"), QAccessible::StatusBar},
      {QStringLiteral("kestrom::AnnouncementNote"), QAccessible::Notification}};
  const auto role = roles.find(className);
  if (role == roles.end() || !object->isWidgetType()) return nullptr;
  told[object] = 0;
  return new CountingAccessible(static_cast<QWidget*>(object), *role);
}

}  // namespace kestrom::testing

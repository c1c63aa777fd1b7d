#pragma once

#include <QString>
#include <QWidget>

#include "qt/view_hub.h"

namespace kestrom {

class Tfix3;
struct StatusLight;

// A seven-segment read-out of digits with decimal points.
class SegmentDisplay : public QWidget {
  Q_OBJECT
 public:
  SegmentDisplay(const QString& text, QWidget* parent = nullptr);
  QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

// A round lamp in a bezel showing a StatusLight.
class PanelLamp : public QWidget {
  Q_OBJECT
 public:
  PanelLamp(const StatusLight& light, const QString& name, QWidget* parent = nullptr);
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const StatusLight& light_;
};

// The black front panel of the Mk 3 fix control data unit, for reference only.
class Mk3UnitView : public QWidget, public ModelView {
  Q_OBJECT
 public:
  Mk3UnitView(Tfix3& model, ViewHub& hub);
  ~Mk3UnitView() override;

  void refreshFromModel() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void placeTexts();

  Tfix3& model_;
  ViewHub& hub_;
  PanelLamp* lamp_ = nullptr;
  QRect leftKey_, rightKey_;  // slew keys, set under their legends
};

}  // namespace kestrom

#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>

namespace kestrom {

struct StatusLight;

// A seven-segment read-out of digits with decimal points.
class SegmentDisplay : public QWidget {
  Q_OBJECT
 public:
  SegmentDisplay(const QString& text, QWidget* parent = nullptr);

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

// The parts of the Mk 3 unit's black front, each drawn where it is told.
namespace mk3 {

// Top and bottom colours of a key cap.
struct CapColours {
  QColor top, bottom;
};
inline const CapColours kWhiteCap{QColor(0xf0, 0xf0, 0xec), QColor(0xa8, 0xa8, 0xa4)};
inline const CapColours kGreyCap{QColor(0x6a, 0x6e, 0x73), QColor(0x2e, 0x30, 0x33)};

// A recessed area of the front with rounded corners.
void paintZone(QPainter& p, const QRect& r);
void paintScrew(QPainter& p, QPointF c);
// A knurled knob whose pointer line stands `pointerDeg` clockwise from up.
void paintKnob(QPainter& p, QPointF c, double radius, double pointerDeg);
void paintKeyCap(QPainter& p, const QRectF& r, const CapColours& colours);
// A curved arrow as on the slew keys; `right` turns it clockwise.
void paintSlewArrow(QPainter& p, const QRectF& key, bool right);
// A test point socket with a coloured ring.
void paintSocket(QPainter& p, QPointF c, QColor ring);
// A toggle switch on its plate, the lever up or down.
void paintToggle(QPainter& p, QPointF c, bool up);

}  // namespace mk3

}  // namespace kestrom

#include "qt/mk3_front_parts.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <vector>

#include "core/controls.h"
#include "qt/colours.h"
#include "qt/control_sync.h"
#include "qt/dial_point.h"
#include "qt/gradients.h"

namespace kestrom {

namespace {

// Segments a..g of the digits 0..9, bit 0 = a (top), clockwise, g = middle.
constexpr std::array<int, 10> kDigitSegments{0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
                                             0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111};
constexpr int kMinusSegments = 0b1000000;

int segmentsOf(QChar ch) {
  const char c = ch.toLatin1();
  if (c >= '0' && c <= '9') return kDigitSegments.at(c - '0');
  return c == '-' ? kMinusSegments : 0;
}

// One digit place of the read-out: its segments and its decimal point.
struct DigitCell {
  int segments;
  bool point;
};

// The digit places of a read-out text; a '.' lights the point of the place before.
std::vector<DigitCell> digitCells(const QString& text) {
  std::vector<DigitCell> cells;
  for (QChar ch : text) {
    if (ch == QLatin1Char('.') && !cells.empty()) {
      cells.back().point = true;
    } else {
      cells.push_back({segmentsOf(ch), false});
    }
  }
  return cells;
}

// One segment as a hexagon from `a` to `b`, `t` thick.
QPolygonF segment(QPointF a, QPointF b, double t) {
  const QPointF d = b - a;
  const double len = std::hypot(d.x(), d.y());
  const QPointF u = d / len;
  const QPointF n(-u.y(), u.x());
  const double h = t / 2;
  QPolygonF poly;
  poly << a + u * 0.6 << a + u * (h + 0.6) + n * h << b - u * (h + 0.6) + n * h << b - u * 0.6
       << b - u * (h + 0.6) - n * h << a + u * (h + 0.6) - n * h;
  return poly;
}

const QColor kSegmentOn(0xff, 0x4a, 0x22);
const QColor kSegmentOff(0x3c, 0x0d, 0x08);

// Where a digit stands in the read-out and how its segments are drawn.
struct DigitBox {
  double x0, y0, width, height, thickness;
  double slant = 0.1;  // lean of the digits to the right

  // A point of the digit, (0, 0) its top left and (1, 1) its bottom right.
  QPointF at(double fx, double fy) const {
    const double y = y0 + fy * height;
    return QPointF(x0 + fx * width + (y0 + height - y) * slant, y);
  }
};

void paintDigit(QPainter& p, const DigitBox& box, const DigitCell& cell) {
  const double t = box.thickness;
  auto pt = [&box](double fx, double fy) { return box.at(fx, fy); };
  const std::array<QPolygonF, 7> segs{
      segment(pt(0, 0), pt(1, 0), t),    segment(pt(1, 0), pt(1, 0.5), t),
      segment(pt(1, 0.5), pt(1, 1), t),  segment(pt(0, 1), pt(1, 1), t),
      segment(pt(0, 0.5), pt(0, 1), t),  segment(pt(0, 0), pt(0, 0.5), t),
      segment(pt(0, 0.5), pt(1, 0.5), t)};
  p.setPen(Qt::NoPen);
  for (int s = 0; s < 7; ++s) {
    if (cell.segments & (1 << s)) {
      QColor halo = kSegmentOn;
      halo.setAlpha(60);
      p.setPen(QPen(halo, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(kSegmentOn);
    } else {
      p.setPen(Qt::NoPen);
      p.setBrush(kSegmentOff);
    }
    p.drawPolygon(segs[s]);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(cell.point ? kSegmentOn : kSegmentOff);
  p.drawEllipse(pt(1, 1) + QPointF(t * 1.4, -t * 0.2), t * 0.6, t * 0.6);
}

}  // namespace

SegmentDisplay::SegmentDisplay(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text) {
  setAccessibleName(text_);
  setAccessibleDescription(QStringLiteral("Read-out"));
}

void SegmentDisplay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = rect();
  p.fillRect(r, withStops(QLinearGradient(r.topLeft(), r.bottomLeft()),
                          {{0.0, QColor(0x2a, 0x07, 0x05)}, {1.0, QColor(0x12, 0x02, 0x02)}}));

  const std::vector<DigitCell> cells = digitCells(text_);
  if (cells.empty()) return;
  const double pad = 5;
  const double cellW = (r.width() - 2 * pad) / cells.size();
  const double digitW = cellW * 0.64;
  const double digitH = r.height() - 2 * pad - 2;
  const double t = std::max(2.5, digitW * 0.2);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const double x0 = pad + i * cellW + (cellW - digitW) / 2 - 2;
    paintDigit(p, DigitBox{x0, pad + 1, digitW, digitH, t}, cells[i]);
  }

  // Reflection on the glass.
  p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() / 2),
             withStops(QLinearGradient(r.topLeft(), QPointF(r.left(), r.center().y())),
                       {{0.0, QColor(255, 255, 255, 28)}, {1.0, QColor(255, 255, 255, 0)}}));
}

PanelLamp::PanelLamp(const StatusLight& light, const QString& name, QWidget* parent)
    : QWidget(parent), light_(light) {
  setAccessibleName(name);
  setFixedSize(22, 22);
  refresh();
}

void PanelLamp::refresh() {
  const QString description =
      light_.Lit ? QStringLiteral("lit, ") + colourName(light_.LitColor) : QStringLiteral("unlit");
  if (describe(this, description)) update();
}

void PanelLamp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c = QRectF(rect()).center();
  // Chrome bezel.
  p.setPen(QPen(QColor(0x05, 0x05, 0x05), 1));
  p.setBrush(withStops(QRadialGradient(c - QPointF(2, 2), 12),
                       {{0.0, QColor(0xf0, 0xf2, 0xf4)}, {1.0, QColor(0x4a, 0x4e, 0x52)}}));
  p.drawEllipse(c, 10, 10);
  // Lens.
  const QColor colour = toQColor(light_.shown());
  const bool lit = light_.Lit;
  p.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.8));
  p.setBrush(withStops(QRadialGradient(c - QPointF(2, 2), 8),
                       {{0.0, lit ? colour.lighter(170) : colour.lighter(130)},
                        {0.6, lit ? colour : colour.darker(150)},
                        {1.0, colour.darker(lit ? 170 : 300)}}));
  p.drawEllipse(c, 6.5, 6.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(c - QPointF(2.2, 2.2), 1.8, 1.4);
}

namespace mk3 {

void paintZone(QPainter& p, const QRect& r) {
  p.setPen(QPen(QColor(0x4e, 0x51, 0x55), 1.2));
  p.setBrush(withStops(QLinearGradient(r.topLeft(), r.bottomLeft()),
                       {{0.0, QColor(0x1e, 0x1f, 0x21)}, {1.0, QColor(0x0e, 0x0e, 0x0f)}}));
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
}

void paintScrew(QPainter& p, QPointF c) {
  p.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 0.8));
  p.setBrush(withStops(QRadialGradient(c - QPointF(1.5, 1.5), 6),
                       {{0.0, QColor(0xd8, 0xdc, 0xe0)}, {1.0, QColor(0x50, 0x55, 0x5a)}}));
  p.drawEllipse(c, 4.2, 4.2);
  p.setPen(QPen(QColor(0x30, 0x33, 0x36), 1.2));
  p.drawLine(c + QPointF(-2.8, 1.2), c + QPointF(2.8, -1.2));
}

void paintKnob(QPainter& p, QPointF c, double radius, double pointerDeg) {
  // Skirt with knurled edge.
  p.setPen(QPen(QColor(0x66, 0x6a, 0x6e), 1));
  p.setBrush(withStops(QRadialGradient(c, radius + 4),
                       {{0.0, QColor(0x3a, 0x3c, 0x3f)}, {1.0, QColor(0x16, 0x17, 0x18)}}));
  p.drawEllipse(c, radius + 4, radius + 4);
  p.setPen(QPen(QColor(0x55, 0x58, 0x5c), 1));
  for (int deg = 0; deg < 360; deg += 15)
    p.drawLine(polar(c, radius, deg), polar(c, radius + 3, deg));
  // Cap.
  p.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 1));
  p.setBrush(withStops(QRadialGradient(c - QPointF(radius * 0.35, radius * 0.35), radius * 1.4),
                       {{0.0, QColor(0x8a, 0x8e, 0x93)},
                        {0.5, QColor(0x3c, 0x3f, 0x43)},
                        {1.0, QColor(0x1a, 0x1b, 0x1c)}}));
  p.drawEllipse(c, radius, radius);
  // Pointer line.
  p.setPen(QPen(QColor(0xf4, 0xf4, 0xf0), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(polar(c, radius * 0.25, pointerDeg), polar(c, radius * 0.9, pointerDeg));
}

void paintKeyCap(QPainter& p, const QRectF& r, const CapColours& colours) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 200));
  p.drawRoundedRect(r.translated(1.5, 2.0), 4, 4);  // shadow
  p.setPen(QPen(QColor(0x08, 0x08, 0x08), 1));
  p.setBrush(withStops(QLinearGradient(r.topLeft(), r.bottomLeft()),
                       {{0.0, colours.top}, {1.0, colours.bottom}}));
  p.drawRoundedRect(r, 4, 4);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawLine(r.topLeft() + QPointF(4, 1.5), r.topRight() + QPointF(-4, 1.5));
}

void paintSlewArrow(QPainter& p, const QRectF& key, bool right) {
  const QPointF c = key.center() + QPointF(0, 5);
  const double r = 8;
  const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
  QPainterPath arc;
  const double start = right ? 150 : 30;
  const double sweep = right ? -120 : 120;
  arc.arcMoveTo(circle, start);
  arc.arcTo(circle, start, sweep);
  p.setPen(QPen(QColor(0x18, 0x18, 0x18), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  const QPointF tip = arc.currentPosition();
  const double side = right ? 1 : -1;
  QPolygonF head;
  head << tip + QPointF(side * 3.5, 1.5) << tip + QPointF(-side * 2.5, -2.5)
       << tip + QPointF(-side * 1.0, 4.0);
  p.setBrush(QColor(0x18, 0x18, 0x18));
  p.drawPolygon(head);
}

void paintSocket(QPainter& p, QPointF c, QColor ring) {
  p.setPen(QPen(QColor(0x05, 0x05, 0x05), 1));
  p.setBrush(ring);
  p.drawEllipse(c, 7.5, 7.5);
  p.setBrush(withStops(QRadialGradient(c - QPointF(1.5, 1.5), 8),
                       {{0.0, QColor(0xee, 0xea, 0xd8)}, {1.0, QColor(0x7a, 0x70, 0x50)}}));
  p.drawEllipse(c, 4.5, 4.5);
  p.setBrush(QColor(0x08, 0x08, 0x08));
  p.drawEllipse(c, 2.0, 2.0);
}

void paintToggle(QPainter& p, QPointF c, bool up) {
  p.setPen(QPen(QColor(0x08, 0x08, 0x08), 1));
  p.setBrush(withStops(QLinearGradient(c - QPointF(10, 0), c + QPointF(10, 0)),
                       {{0.0, QColor(0x9a, 0x9e, 0xa3)},
                        {0.5, QColor(0xe2, 0xe5, 0xe8)},
                        {1.0, QColor(0x80, 0x84, 0x88)}}));
  p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 17, 20, 34), 3, 3);
  p.setBrush(withStops(QRadialGradient(c - QPointF(1, 1), 8),
                       {{0.0, QColor(0xf0, 0xf2, 0xf4)}, {1.0, QColor(0x60, 0x64, 0x68)}}));
  p.drawEllipse(c, 6.5, 6.5);
  const QPointF tip = c + QPointF(0, up ? -15 : 15);
  const QLinearGradient lever = withStops(QLinearGradient(c - QPointF(3, 0), c + QPointF(3, 0)),
                                          {{0.0, QColor(0xb0, 0xb4, 0xb8)},
                                           {0.5, QColor(0xff, 0xff, 0xff)},
                                           {1.0, QColor(0x80, 0x84, 0x88)}});
  p.setPen(QPen(QBrush(lever), 4.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, tip);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
  p.setBrush(QColor(0xd8, 0xdb, 0xde));
  p.drawEllipse(tip, 3.4, 3.4);
}

}  // namespace mk3

}  // namespace kestrom

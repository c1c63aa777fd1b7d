#include "qt/panel_plate.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

#include "qt/panel_widgets.h"

namespace kestrom {

namespace {

constexpr int kBar = 13;  // thickness of the rubber edge bars
const QColor kPlateTop(0x3b, 0x43, 0x4b);
const QColor kPlateBottom(0x25, 0x2a, 0x30);
const QColor kPrint(0xd6, 0xdc, 0xe2);  // the plate's printed lettering
const QColor kAccent(0xe8, 0xa2, 0x2c);

void paintPlateFace(QPainter& p, const QRect& all) {
  QLinearGradient g(all.topLeft(), all.bottomRight());
  g.setColorAt(0, kPlateTop);
  g.setColorAt(1, kPlateBottom);
  p.fillRect(all, g);
  // A faint sheen across the upper part, as on brushed metal under a lamp.
  QLinearGradient sheen(all.topLeft(), QPoint(all.left(), all.top() + all.height() / 2));
  sheen.setColorAt(0, QColor(255, 255, 255, 18));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(all, sheen);
}

// Black rubber bars with rounded ends along the four edges.
void paintEdgeBars(QPainter& p, const QRect& all) {
  const QRectF outer = QRectF(all).adjusted(1, 1, -1, -1);
  const QRectF bars[4] = {
      QRectF(outer.left(), outer.top(), outer.width(), kBar),
      QRectF(outer.left(), outer.bottom() - kBar, outer.width(), kBar),
      QRectF(outer.left(), outer.top(), kBar, outer.height()),
      QRectF(outer.right() - kBar, outer.top(), kBar, outer.height()),
  };
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    const bool horizontal = i < 2;
    const QRectF& r = bars[i];
    QLinearGradient g(horizontal ? QPointF(0, r.top()) : QPointF(r.left(), 0),
                      horizontal ? QPointF(0, r.bottom()) : QPointF(r.right(), 0));
    g.setColorAt(0, QColor(0x26, 0x26, 0x26));
    g.setColorAt(0.45, QColor(0x0c, 0x0c, 0x0c));
    g.setColorAt(1, QColor(0x02, 0x02, 0x02));
    p.setBrush(g);
    p.drawRoundedRect(r, kBar / 2.0, kBar / 2.0);
  }
  // The inner edge of the frame casts a soft shadow onto the plate.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 0, 0, 90), 2));
  p.drawRoundedRect(outer.adjusted(kBar + 1, kBar + 1, -kBar - 1, -kBar - 1), 4, 4);
}

// Countersunk screws holding the plate, one near each corner.
void paintScrews(QPainter& p, const QRect& all) {
  const int inset = kBar + 12;
  const QPointF corners[4] = {QPointF(inset, inset + 3), QPointF(all.width() - inset, inset + 3),
                              QPointF(inset, all.height() - inset - 2),
                              QPointF(all.width() - inset, all.height() - inset - 2)};
  for (const QPointF& c : corners) {
    QRadialGradient head(c - QPointF(1.5, 1.5), 6);
    head.setColorAt(0, QColor(0x9a, 0xa2, 0xaa));
    head.setColorAt(1, QColor(0x3c, 0x42, 0x48));
    p.setPen(QPen(QColor(0x14, 0x17, 0x1a), 1));
    p.setBrush(head);
    p.drawEllipse(c, 4.5, 4.5);
    p.setPen(QPen(QColor(0x22, 0x26, 0x2a), 1.3));
    p.drawLine(c + QPointF(-3, 2), c + QPointF(3, -2));
  }
}

void paintDisplay(QPainter& p, const QRect& r) {
  const QRectF outer = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  // Bezel.
  QLinearGradient bezel(outer.topLeft(), outer.bottomLeft());
  bezel.setColorAt(0, QColor(0x0a, 0x0a, 0x0a));
  bezel.setColorAt(1, QColor(0x2c, 0x2c, 0x2c));
  p.setPen(QPen(QColor(0x5a, 0x62, 0x6a), 1));
  p.setBrush(bezel);
  p.drawRoundedRect(outer, 11, 11);
  // Grey glass; flat where the cells lie so that they sit on it seamlessly.
  const QRectF glass = outer.adjusted(5, 5, -5, -5);
  p.setPen(QPen(QColor(0x4c, 0x4c, 0x4c), 1));
  p.setBrush(QColor(0x80, 0x80, 0x80));
  p.drawRoundedRect(glass, 7, 7);
  QLinearGradient shade(glass.topLeft(), glass.topLeft() + QPointF(0, 6));
  shade.setColorAt(0, QColor(0, 0, 0, 70));
  shade.setColorAt(1, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawRoundedRect(QRectF(glass.left() + 1, glass.top() + 1, glass.width() - 2, 6), 6, 6);
}

void paintLegendStrip(QPainter& p, const LegendStrip& strip, const std::array<int, 4>& lineTops,
                      bool pointsRight) {
  QFont f = displayFont();
  f.setPixelSize(10);
  p.setFont(f);
  for (int i = 0; i < 3; ++i) {
    const int centreY = lineTops[i + 1] + 8;
    const QRectF chip(strip.rect.left() + 2, centreY - 6, 12, 12);
    p.setPen(QPen(QColor(0x14, 0x18, 0x1c), 1));
    p.setBrush(kPrint);
    p.drawRoundedRect(chip, 2.5, 2.5);
    p.setPen(QColor(0x1a, 0x1a, 0x1a));
    p.drawText(chip, Qt::AlignCenter, strip.digits[i]);
    // A small pointer towards the display line.
    p.setPen(Qt::NoPen);
    p.setBrush(kPrint);
    QPolygonF tick;
    const double x = pointsRight ? chip.right() + 1.5 : chip.left() - 1.5;
    const double d = pointsRight ? 2.5 : -2.5;
    tick << QPointF(x, centreY - 2.5) << QPointF(x + d, centreY) << QPointF(x, centreY + 2.5);
    p.drawPolygon(tick);
  }
}

void paintKeyGroups(QPainter& p, const std::vector<QRect>& groups) {
  for (const QRect& r : groups) {
    const QRectF box = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    // Engraved: a dark groove with a light lip below and right.
    p.setBrush(QColor(0, 0, 0, 28));
    p.setPen(QPen(QColor(0x12, 0x15, 0x18), 1));
    p.drawRoundedRect(box, 8, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 38), 1));
    p.drawRoundedRect(box.translated(0.8, 0.8), 8, 8);
  }
}

// The wordmark with its emblem: a dot sending two arcs, as a station sends its beam.
void paintLogo(QPainter& p, const QRect& r, const QString& subtitle) {
  const QPointF emblem(r.left() + 20, r.top() + 22);
  p.setPen(Qt::NoPen);
  QRadialGradient disc(emblem - QPointF(3, 3), 14);
  disc.setColorAt(0, kAccent.lighter(125));
  disc.setColorAt(1, kAccent.darker(125));
  p.setBrush(disc);
  p.drawEllipse(emblem, 13, 13);
  p.setBrush(kPlateBottom);
  p.drawEllipse(emblem + QPointF(-4, 0), 3, 3);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kPlateBottom, 2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 1; i <= 2; ++i) {
    const double rad = 3.0 + 4.5 * i;
    const QRectF arc(emblem.x() - 4 - rad, emblem.y() - rad, 2 * rad, 2 * rad);
    p.drawArc(arc, -45 * 16, 90 * 16);
  }

  QFont word = displayFont();
  word.setPixelSize(22);
  word.setLetterSpacing(QFont::AbsoluteSpacing, 3.5);
  p.setFont(word);
  p.setPen(kPrint);
  const QRectF text(r.left() + 40, r.top() + 6, r.width() - 40, 28);
  p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KESTROM"));

  p.setPen(QPen(kAccent, 1.2));
  p.drawLine(QPointF(r.left() + 41, r.top() + 35), QPointF(r.right() - 12, r.top() + 35));
  QFont small = displayFont();
  small.setPixelSize(8);
  small.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
  p.setFont(small);
  p.setPen(kPrint.darker(125));
  p.drawText(QRectF(r.left() + 41, r.top() + 37, r.width() - 50, 11),
             Qt::AlignLeft | Qt::AlignVCenter, subtitle);
}

void paintDialWindow(QPainter& p, const DialFace& dial) {
  const QRectF w = QRectF(dial.window).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(QColor(0x12, 0x15, 0x18), 1));
  p.setBrush(QColor(0x0e, 0x10, 0x12));
  p.drawRoundedRect(w.adjusted(-3, -3, 3, 3), 10, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(toQColor(clSilver));
  p.drawRoundedRect(w, 8, 8);
  // Compass ticks every 30 degrees just outside the circle.
  const QPointF c = QRectF(dial.circle).center();
  const double r = dial.circle.width() / 2.0;
  p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
  for (int deg = 0; deg < 360; deg += 30) {
    const double a = qDegreesToRadians(double(deg));
    const QPointF dir(std::sin(a), -std::cos(a));
    p.drawLine(c + dir * (r + 2), c + dir * (r + 6));
  }
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(dial.circle);
}

}  // namespace

void paintPlate(QPainter& p, const PanelGeometry& g) {
  const QRect all(QPoint(0, 0), g.client);
  p.setRenderHint(QPainter::Antialiasing);
  paintPlateFace(p, all);
  paintEdgeBars(p, all);
  paintScrews(p, all);
  if (g.dial) paintDialWindow(p, *g.dial);
  paintKeyGroups(p, g.keyGroups);
  paintLogo(p, g.logo, g.subtitle);
  paintDisplay(p, g.display);
  paintLegendStrip(p, g.leftLegend, g.lineTops, true);
  paintLegendStrip(p, g.rightLegend, g.lineTops, false);
}

}  // namespace kestrom

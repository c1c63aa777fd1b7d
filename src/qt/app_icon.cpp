#include "qt/app_icon.h"
#include "qt/dial_point.h"
#include "qt/gradients.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <cmath>

namespace kestrom {

namespace {

// The parts of the icon around its centre `c`: `side` is the icon's size, `sr` the
// radius of its screen.
struct IconFace {
  QPointF c;
  double side;
  double sr;
  bool small;  // too small for rings and glass
};

const QColor kPhosphor(0x5d, 0xff, 0x7a);
constexpr double kBeamDeg = 60.0;  // the beam points to about 2 o'clock

// Bezel: a brushed metal ring.
void paintBezel(QPainter& p, QPointF c, double side) {
  const double r = side / 2.0;
  p.setPen(QPen(QColor(0x20, 0x24, 0x28), std::max(1.0, side / 64.0)));
  p.setBrush(withStops(QRadialGradient(c - QPointF(r * 0.3, r * 0.3), r * 1.6),
                       {{0.0, QColor(0xf4, 0xf6, 0xf8)},
                        {0.5, QColor(0x9a, 0xa3, 0xad)},
                        {1.0, QColor(0x3c, 0x44, 0x4d)}}));
  p.drawEllipse(c, r - side / 128.0 - 0.5, r - side / 128.0 - 0.5);
}

// Screen: dark green phosphor with a fading wedge behind the beam line.
void paintScreen(QPainter& p, const IconFace& f) {
  p.setPen(Qt::NoPen);
  p.setBrush(withStops(QRadialGradient(f.c, f.sr),
                       {{0.0, QColor(0x0b, 0x3d, 0x22)}, {1.0, QColor(0x02, 0x14, 0x0a)}}));
  p.drawEllipse(f.c, f.sr, f.sr);

  QColor faded = kPhosphor;
  faded.setAlpha(0);
  QColor head = kPhosphor;
  head.setAlpha(170);
  // Qt angles run counterclockwise from 3 o'clock.
  p.setBrush(withStops(QConicalGradient(f.c, 90.0 - kBeamDeg),
                       {{0.0, head}, {0.22, faded}, {1.0, faded}}));
  p.drawEllipse(f.c, f.sr, f.sr);
}

// Range rings and cross hairs.
void paintGrid(QPainter& p, const IconFace& f) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x4c, 0xd9, 0x6e, 150), std::max(0.8, f.side / 110.0)));
  if (f.small) {
    p.drawEllipse(f.c, f.sr * 0.5, f.sr * 0.5);
    return;
  }
  p.drawEllipse(f.c, f.sr * 0.66, f.sr * 0.66);
  p.drawEllipse(f.c, f.sr * 0.33, f.sr * 0.33);
  for (int deg = 0; deg < 360; deg += 30) {
    const double inner = deg % 90 == 0 ? 0.0 : f.sr * 0.9;
    p.drawLine(polar(f.c, inner, deg), polar(f.c, f.sr, deg));
  }
}

// Beam line and a target echo just behind it.
void paintBeamAndEcho(QPainter& p, const IconFace& f) {
  p.setPen(QPen(kPhosphor, std::max(1.0, f.side / 40.0), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(f.c, polar(f.c, f.sr * 0.98, kBeamDeg));
  p.setPen(Qt::NoPen);
  const QPointF echo = polar(f.c, f.sr * 0.62, kBeamDeg - 24);
  p.setBrush(withStops(
      QRadialGradient(echo, f.side / 14.0),
      {{0.0, QColor(0xea, 0xff, 0xee)}, {0.5, kPhosphor}, {1.0, QColor(0x5d, 0xff, 0x7a, 0)}}));
  p.drawEllipse(echo, f.side / 14.0, f.side / 14.0);
}

// Glass highlight over the screen.
void paintGlass(QPainter& p, const IconFace& f, const QRectF& box) {
  QPainterPath glass;
  glass.addEllipse(f.c, f.sr, f.sr);
  p.setClipPath(glass);
  p.setBrush(withStops(QLinearGradient(box.topLeft(), box.center()),
                       {{0.0, QColor(255, 255, 255, 70)}, {1.0, QColor(255, 255, 255, 0)}}));
  p.drawEllipse(f.c - QPointF(f.sr * 0.22, f.sr * 0.3), f.sr * 0.7, f.sr * 0.5);
}

}  // namespace

void paintAppIcon(QPainter& p, const QRectF& box) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(box.width(), box.height());
  const bool small = side < 24;
  const IconFace face{box.center(), side, side / 2.0 * (small ? 0.80 : 0.84), small};
  paintBezel(p, face.c, side);
  paintScreen(p, face);
  paintGrid(p, face);
  paintBeamAndEcho(p, face);
  if (!small) paintGlass(p, face, box);
  p.restore();
}

QIcon appIcon() {
  // Built once and kept for the whole run (no destruction after the application).
  static const QIcon* icon = [] {
    auto* i = new QIcon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
      QPixmap pm(size, size);
      pm.fill(Qt::transparent);
      QPainter p(&pm);
      paintAppIcon(p, QRectF(0, 0, size, size));
      p.end();
      i->addPixmap(pm);
    }
    return i;
  }();
  return *icon;
}

}  // namespace kestrom

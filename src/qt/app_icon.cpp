#include "qt/app_icon.h"
#include "qt/dial_point.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <cmath>

namespace kestrom {

namespace {}  // namespace

void paintAppIcon(QPainter& p, const QRectF& box) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(box.width(), box.height());
  const QPointF c = box.center();
  const double r = side / 2.0;
  const bool small = side < 24;

  // Bezel: a brushed metal ring.
  QRadialGradient bezel(c - QPointF(r * 0.3, r * 0.3), r * 1.6);
  bezel.setColorAt(0.0, QColor(0xf4, 0xf6, 0xf8));
  bezel.setColorAt(0.5, QColor(0x9a, 0xa3, 0xad));
  bezel.setColorAt(1.0, QColor(0x3c, 0x44, 0x4d));
  p.setPen(QPen(QColor(0x20, 0x24, 0x28), std::max(1.0, side / 64.0)));
  p.setBrush(bezel);
  p.drawEllipse(c, r - side / 128.0 - 0.5, r - side / 128.0 - 0.5);

  // Screen: dark green phosphor.
  const double sr = r * (small ? 0.80 : 0.84);
  QRadialGradient screen(c, sr);
  screen.setColorAt(0.0, QColor(0x0b, 0x3d, 0x22));
  screen.setColorAt(1.0, QColor(0x02, 0x14, 0x0a));
  p.setPen(Qt::NoPen);
  p.setBrush(screen);
  p.drawEllipse(c, sr, sr);

  // Sweep: a fading wedge behind the beam line, which points to about 2 o'clock.
  const double beam = 60.0;
  QConicalGradient sweep(c, 90.0 - beam);  // Qt angles run counterclockwise from 3 o'clock
  QColor lit(0x5d, 0xff, 0x7a);
  QColor faded = lit;
  faded.setAlpha(0);
  QColor head = lit;
  head.setAlpha(170);
  sweep.setColorAt(0.0, head);
  sweep.setColorAt(0.22, faded);
  sweep.setColorAt(1.0, faded);
  p.setBrush(sweep);
  p.drawEllipse(c, sr, sr);

  // Range rings and cross hairs.
  QColor grid(0x4c, 0xd9, 0x6e, 150);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(grid, std::max(0.8, side / 110.0)));
  if (!small) {
    p.drawEllipse(c, sr * 0.66, sr * 0.66);
    p.drawEllipse(c, sr * 0.33, sr * 0.33);
    for (int deg = 0; deg < 360; deg += 30) {
      const double inner = deg % 90 == 0 ? 0.0 : sr * 0.9;
      p.drawLine(polar(c, inner, deg), polar(c, sr, deg));
    }
  } else {
    p.drawEllipse(c, sr * 0.5, sr * 0.5);
  }

  // Beam line and a target echo just behind it.
  p.setPen(QPen(lit, std::max(1.0, side / 40.0), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, polar(c, sr * 0.98, beam));
  p.setPen(Qt::NoPen);
  QRadialGradient blip(polar(c, sr * 0.62, beam - 24), side / 14.0);
  blip.setColorAt(0.0, QColor(0xea, 0xff, 0xee));
  blip.setColorAt(0.5, lit);
  blip.setColorAt(1.0, QColor(0x5d, 0xff, 0x7a, 0));
  p.setBrush(blip);
  p.drawEllipse(polar(c, sr * 0.62, beam - 24), side / 14.0, side / 14.0);

  // Glass highlight.
  if (!small) {
    QPainterPath glass;
    glass.addEllipse(c, sr, sr);
    QLinearGradient shine(box.topLeft(), box.center());
    shine.setColorAt(0.0, QColor(255, 255, 255, 70));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setClipPath(glass);
    p.setBrush(shine);
    p.drawEllipse(c - QPointF(sr * 0.22, sr * 0.3), sr * 0.7, sr * 0.5);
  }
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

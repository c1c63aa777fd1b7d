#include "qt/prescreen_view.h"

#include <qdrawutil.h>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <cmath>

#include "qt/gradients.h"
#include "windows/prescreen.h"

namespace kestrom {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A rectangle of the picture filled with one colour.
struct Patch {
  QRectF rect;
  QColor colour;
};

void fillPatches(QPainter& p, std::initializer_list<Patch> patches) {
  for (const Patch& patch : patches) {
    p.setBrush(patch.colour);
    p.drawRect(patch.rect);
  }
}

// Stars from a fixed sequence, so the picture is the same every run.
void paintStars(QPainter& p, double w, double horizon) {
  unsigned seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<double>((seed >> 8) & 0xffff) / 65535.0;
  };
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 46; ++i) {
    const double x = next() * w;
    const double y = next() * horizon * 0.55;
    const double size = 0.5 + next() * 1.1;
    p.setBrush(QColor(255, 255, 255, 90 + static_cast<int>(next() * 150)));
    p.drawEllipse(QPointF(x, y), size / 2 + 0.2, size / 2 + 0.2);
  }
}

void paintSky(QPainter& p, double w, double horizon) {
  const QRectF sky(0, 0, w, horizon);
  p.fillRect(sky, withStops(QLinearGradient(0, 0, 0, horizon), {{0.0, QColor(0x06, 0x10, 0x24)},
                                                                {0.65, QColor(0x1c, 0x3d, 0x66)},
                                                                {1.0, QColor(0x5b, 0x7f, 0x9e)}}));
  // Afterglow low over the sea, right of centre.
  p.fillRect(sky, withStops(QRadialGradient(QPointF(w * 0.62, horizon), w * 0.55),
                            {{0.0, QColor(0xff, 0xb0, 0x6a, 150)},
                             {0.45, QColor(0xf0, 0x86, 0x5a, 45)},
                             {1.0, QColor(0xf0, 0x86, 0x5a, 0)}}));
  paintStars(p, w, horizon);
}

void paintSea(QPainter& p, double w, double h, double horizon) {
  const QRectF sea(0, horizon, w, h - horizon);
  p.fillRect(sea, withStops(QLinearGradient(0, horizon, 0, h),
                            {{0.0, QColor(0x2c, 0x4f, 0x6e)}, {1.0, QColor(0x07, 0x14, 0x22)}}));
  // The glow mirrored on the water.
  p.fillRect(sea,
             withStops(QRadialGradient(QPointF(w * 0.62, horizon), w * 0.3),
                       {{0.0, QColor(0xff, 0xb8, 0x7a, 90)}, {1.0, QColor(0xff, 0xb8, 0x7a, 0)}}));

  p.setPen(QPen(QColor(0xb8, 0xd4, 0xea, 70), 1.0));
  for (int row = 0; row < 7; ++row) {
    const double y = horizon + 4 + row * row * 1.9 + row * 2.0;
    if (y >= h - 1) break;
    const double len = 8 + row * 5;
    const int step = 53 + row * 9;
    for (int x = (row * 37) % 53; x < w; x += step) {
      p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
  }
}

// The headland the fixed station stands on, falling to the sea.
void paintHeadland(QPainter& p, double w, double h, double horizon) {
  QPainterPath land;
  land.moveTo(0, horizon - h * 0.10);
  land.cubicTo(w * 0.10, horizon - h * 0.12, w * 0.18, horizon - h * 0.05, w * 0.30, horizon + 2);
  land.lineTo(w * 0.36, h);
  land.lineTo(0, h);
  land.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(withStops(QLinearGradient(0, horizon - h * 0.12, 0, h),
                       {{0.0, QColor(0x26, 0x2e, 0x36)}, {1.0, QColor(0x0b, 0x0f, 0x13)}}));
  p.drawPath(land);
}

// The lattice mast: its foot on the headland, its narrow top carrying the dish.
struct Mast {
  double cx, baseY, topY, baseHalf, topHalf;
};

void paintMast(QPainter& p, const Mast& m) {
  QPen steel(QColor(0x9d, 0xaa, 0xb6), 1.2);
  p.setPen(steel);
  const QPointF bl(m.cx - m.baseHalf, m.baseY), br(m.cx + m.baseHalf, m.baseY);
  const QPointF tl(m.cx - m.topHalf, m.topY), tr(m.cx + m.topHalf, m.topY);
  p.drawLine(bl, tl);
  p.drawLine(br, tr);
  steel.setWidthF(0.7);
  p.setPen(steel);
  const int bays = 6;
  for (int i = 0; i < bays; ++i) {
    const double t0 = static_cast<double>(i) / bays;
    const double t1 = static_cast<double>(i + 1) / bays;
    const QPointF l0 = bl + (tl - bl) * t0, r0 = br + (tr - br) * t0;
    const QPointF l1 = bl + (tl - bl) * t1, r1 = br + (tr - br) * t1;
    p.drawLine(l0, r0);
    p.drawLine(l0, r1);
    p.drawLine(r0, l1);
  }
}

// Equipment hut with a lit window at the foot of the mast.
void paintHut(QPainter& p, const Mast& m, double w, double h) {
  p.setPen(QPen(QColor(0x0a, 0x0d, 0x10), 1));
  fillPatches(p, {{QRectF(m.cx + m.baseHalf + 2, m.baseY - h * 0.055, w * 0.05, h * 0.055),
                   QColor(0x4a, 0x55, 0x60)},
                  {QRectF(m.cx + m.baseHalf + 6, m.baseY - h * 0.035, w * 0.012, h * 0.018),
                   QColor(0xff, 0xd2, 0x6b)}});
}

// Dish: a parabolic reflector seen from the side, facing right, with its feed arms
// and horn; returns the point the beam leaves from.
QPointF paintDish(QPainter& p, QPointF hub, double w, double h) {
  const double dishH = h * 0.17;
  const double dishD = w * 0.028;
  QPainterPath dish;
  dish.moveTo(hub.x(), hub.y() - dishH / 2);
  dish.quadTo(hub.x() - dishD * 1.6, hub.y(), hub.x(), hub.y() + dishH / 2);
  dish.quadTo(hub.x() - dishD * 0.9, hub.y(), hub.x(), hub.y() - dishH / 2);
  p.setPen(QPen(QColor(0x1c, 0x22, 0x28), 0.8));
  p.setBrush(
      withStops(QLinearGradient(hub.x() - dishD, hub.y() - dishH / 2, hub.x(), hub.y() + dishH / 2),
                {{0.0, QColor(0xf2, 0xf5, 0xf8)},
                 {0.6, QColor(0xa9, 0xb4, 0xbf)},
                 {1.0, QColor(0x5c, 0x66, 0x70)}}));
  p.drawPath(dish);

  const QPointF feed(hub.x() + dishD * 1.5, hub.y());
  p.setPen(QPen(QColor(0xc8, 0xd0, 0xd8), 1.0));
  p.drawLine(QPointF(hub.x() - 1, hub.y() - dishH * 0.42), feed);
  p.drawLine(QPointF(hub.x() - 1, hub.y() + dishH * 0.42), feed);
  p.setBrush(QColor(0xe6, 0xea, 0xee));
  p.drawRect(QRectF(feed.x() - 2, feed.y() - 2.5, 5, 5));
  return feed + QPointF(3, 0);
}

// Headland with a lattice mast and the fixed station's dish on top; returns the
// point the beam leaves from.
QPointF paintShoreStation(QPainter& p, double w, double h, double horizon) {
  paintHeadland(p, w, h, horizon);
  const Mast mast{w * 0.115, horizon - h * 0.10, h * 0.30, w * 0.028, w * 0.007};
  paintMast(p, mast);
  paintHut(p, mast, w, h);
  return paintDish(p, QPointF(mast.cx + w * 0.004, mast.topY - h * 0.01), w, h);
}

// Where the ship lies on the water.
struct Hull {
  double x0, x1, deck, keel;
};

void paintHull(QPainter& p, const Hull& s, double w, double h) {
  QPainterPath hull;
  hull.moveTo(s.x0, s.deck);
  hull.lineTo(s.x1, s.deck - h * 0.006);
  hull.lineTo(s.x1 - w * 0.012, s.keel);
  hull.lineTo(s.x0 + w * 0.025, s.keel);
  hull.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1b, 0x20, 0x26));
  p.drawPath(hull);
  p.setBrush(QColor(0x8e, 0x2a, 0x24));
  p.drawRect(QRectF(s.x0 + w * 0.02, s.keel - h * 0.012, s.x1 - s.x0 - w * 0.035, h * 0.008));
}

// Superstructure aft (right) with bridge windows and a mast; returns the mast top.
QPointF paintSuperstructure(QPainter& p, const Hull& s, double w, double h) {
  const double sx = s.x1 - w * 0.065;
  fillPatches(p, {{QRectF(sx, s.deck - h * 0.06, w * 0.045, h * 0.06), QColor(0xd8, 0xdc, 0xe0)},
                  {QRectF(sx - w * 0.004, s.deck - h * 0.072, w * 0.053, h * 0.013),
                   QColor(0x2c, 0x34, 0x3c)}});
  p.setBrush(QColor(0xff, 0xd8, 0x7a));
  for (int i = 0; i < 4; ++i) {
    p.drawRect(QRectF(sx + w * 0.004 + i * w * 0.01, s.deck - h * 0.045, w * 0.005, h * 0.01));
  }
  const double mastX = sx + w * 0.022;
  const double mastTop = s.deck - h * 0.13;
  p.setPen(QPen(QColor(0xc0, 0xc8, 0xd0), 1.0));
  p.drawLine(QPointF(mastX, s.deck - h * 0.072), QPointF(mastX, mastTop));
  p.drawLine(QPointF(mastX - w * 0.01, mastTop + h * 0.025),
             QPointF(mastX + w * 0.01, mastTop + h * 0.025));
  // Pipe manifold and bow loading gear forward.
  p.setPen(QPen(QColor(0x5a, 0x64, 0x6e), 1.0));
  p.drawLine(QPointF(s.x0 + w * 0.05, s.deck - h * 0.01),
             QPointF(sx - w * 0.01, s.deck - h * 0.01));
  p.drawLine(QPointF(s.x0 + w * 0.012, s.deck), QPointF(s.x0 + w * 0.02, s.deck - h * 0.04));
  return QPointF(mastX, mastTop);
}

// A shuttle tanker on the horizon; returns the point of its antenna dome.
QPointF paintShip(QPainter& p, double w, double h, double horizon) {
  const Hull hull{w * 0.64, w * 0.93, horizon - h * 0.035, horizon + h * 0.015};
  paintHull(p, hull, w, h);
  const QPointF mastTop = paintSuperstructure(p, hull, w, h);
  const QPointF dome(mastTop.x(), mastTop.y() - h * 0.012);
  p.setPen(Qt::NoPen);
  p.setBrush(withStops(QRadialGradient(dome - QPointF(1.5, 1.5), h * 0.025),
                       {{0.0, Qt::white}, {1.0, QColor(0x9a, 0xa4, 0xae)}}));
  p.drawEllipse(dome, h * 0.016, h * 0.016);
  return dome;
}

// The microwave beam: a fading wedge with wave fronts from `from` towards `to`.
void paintBeam(QPainter& p, QPointF from, QPointF to) {
  const QPointF d = to - from;
  const double length = std::hypot(d.x(), d.y());
  const double angle = std::atan2(d.y(), d.x());
  const double half = 4.5 * kPi / 180.0;

  p.save();
  p.translate(from);
  p.rotate(angle * 180.0 / kPi);
  QPainterPath wedge;
  wedge.moveTo(0, 0);
  wedge.lineTo(length, -length * std::tan(half));
  wedge.lineTo(length, length * std::tan(half));
  wedge.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(withStops(QLinearGradient(0, 0, length, 0), {{0.0, QColor(0x7d, 0xff, 0xb0, 150)},
                                                          {0.75, QColor(0x7d, 0xff, 0xb0, 40)},
                                                          {1.0, QColor(0x7d, 0xff, 0xb0, 10)}}));
  p.drawPath(wedge);

  p.setBrush(Qt::NoBrush);
  const int fronts = 9;
  for (int i = 1; i <= fronts; ++i) {
    const double r = length * i / (fronts + 1.0);
    const int alpha = 210 - i * 18;
    p.setPen(QPen(QColor(0xc6, 0xff, 0xdc, alpha), 1.3, Qt::SolidLine, Qt::RoundCap));
    const double spanDeg = 2 * (4.5 + 1.5);
    p.drawArc(QRectF(-r, -r, 2 * r, 2 * r), static_cast<int>(spanDeg / 2 * 16),
              static_cast<int>(-spanDeg * 16));
  }
  p.restore();
}

// A centred line of text under the picture.
struct Caption {
  const std::string& text;
  int pixelSize;
  bool bold;
};

}  // namespace

PrescreenPicture::PrescreenPicture(QWidget* parent) : QWidget(parent) {
  setAccessibleName(QStringLiteral("Picture"));
  setAccessibleDescription(QStringLiteral("A shore station's antenna beaming to a ship at sea"));
  setMinimumSize(200, 100);
}

void PrescreenPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = width();
  const double h = height();
  const double horizon = h * 0.72;
  paintSky(p, w, horizon);
  paintSea(p, w, h, horizon);
  const QPointF dome = paintShip(p, w, h, horizon);
  const QPointF feed = paintShoreStation(p, w, h, horizon);
  paintBeam(p, feed, dome);
}

PrescreenView::PrescreenView(TPreForm& model, ViewHub& hub)
    : AuxWindowBase(model, hub, AuxWindowStyle::splash()) {
  setAccessibleName(QString::fromStdString(model.ProductName.Caption));
  setContentsMargins(kEdge, kEdge, kEdge, kEdge);  // inside the raised edge

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, QColor(0xee, 0xf0, 0xf2));
  pal.setColor(QPalette::WindowText, QColor(0x12, 0x1c, 0x2a));
  panel->setPalette(pal);

  auto* inner = new QVBoxLayout(panel);
  inner->setContentsMargins(2, 2, 2, 10);
  inner->setSpacing(4);
  inner->addWidget(new PrescreenPicture(panel), 1);
  inner->addSpacing(4);
  for (const Caption& c :
       {Caption{model.ProductName.Caption, 26, true}, Caption{model.Version.Caption, 15, false}}) {
    QLabel* label = addLabel(c.text, panel);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPixelSize(c.pixelSize);
    font.setBold(c.bold);
    label->setFont(font);
    inner->addWidget(label);
  }

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(8, 8, 8, 8);
  outer->addWidget(panel);
}

void PrescreenView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  qDrawShadePanel(&p, rect(), palette(), false, kEdge);
}

}  // namespace kestrom

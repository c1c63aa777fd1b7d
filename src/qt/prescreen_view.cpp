#include "qt/prescreen_view.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <cmath>

#include "qt/screen_centre.h"
#include "windows/prescreen.h"

namespace kestrom {

namespace {

constexpr double kPi = 3.14159265358979323846;

void paintSky(QPainter& p, double w, double horizon) {
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0.0, QColor(0x06, 0x10, 0x24));
  sky.setColorAt(0.65, QColor(0x1c, 0x3d, 0x66));
  sky.setColorAt(1.0, QColor(0x5b, 0x7f, 0x9e));
  p.fillRect(QRectF(0, 0, w, horizon), sky);

  // Afterglow low over the sea, right of centre.
  QRadialGradient glow(QPointF(w * 0.62, horizon), w * 0.55);
  glow.setColorAt(0.0, QColor(0xff, 0xb0, 0x6a, 150));
  glow.setColorAt(0.45, QColor(0xf0, 0x86, 0x5a, 45));
  glow.setColorAt(1.0, QColor(0xf0, 0x86, 0x5a, 0));
  p.fillRect(QRectF(0, 0, w, horizon), glow);

  // Stars from a fixed sequence, so the picture is the same every run.
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

void paintSea(QPainter& p, double w, double h, double horizon) {
  QLinearGradient sea(0, horizon, 0, h);
  sea.setColorAt(0.0, QColor(0x2c, 0x4f, 0x6e));
  sea.setColorAt(1.0, QColor(0x07, 0x14, 0x22));
  p.fillRect(QRectF(0, horizon, w, h - horizon), sea);

  // The glow mirrored on the water.
  QRadialGradient mirror(QPointF(w * 0.62, horizon), w * 0.3);
  mirror.setColorAt(0.0, QColor(0xff, 0xb8, 0x7a, 90));
  mirror.setColorAt(1.0, QColor(0xff, 0xb8, 0x7a, 0));
  p.fillRect(QRectF(0, horizon, w, h - horizon), mirror);

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

// Headland with a lattice mast and the fixed station's dish on top.
QPointF paintShoreStation(QPainter& p, double w, double h, double horizon) {
  QPainterPath land;
  land.moveTo(0, horizon - h * 0.10);
  land.cubicTo(w * 0.10, horizon - h * 0.12, w * 0.18, horizon - h * 0.05, w * 0.30, horizon + 2);
  land.lineTo(w * 0.36, h);
  land.lineTo(0, h);
  land.closeSubpath();
  QLinearGradient rock(0, horizon - h * 0.12, 0, h);
  rock.setColorAt(0.0, QColor(0x26, 0x2e, 0x36));
  rock.setColorAt(1.0, QColor(0x0b, 0x0f, 0x13));
  p.setPen(Qt::NoPen);
  p.setBrush(rock);
  p.drawPath(land);

  // Lattice mast.
  const double baseY = horizon - h * 0.10;
  const double topY = h * 0.30;
  const double cx = w * 0.115;
  const double baseHalf = w * 0.028;
  const double topHalf = w * 0.007;
  QPen steel(QColor(0x9d, 0xaa, 0xb6), 1.2);
  p.setPen(steel);
  const QPointF bl(cx - baseHalf, baseY), br(cx + baseHalf, baseY);
  const QPointF tl(cx - topHalf, topY), tr(cx + topHalf, topY);
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

  // Equipment hut at the foot of the mast.
  p.setPen(QPen(QColor(0x0a, 0x0d, 0x10), 1));
  p.setBrush(QColor(0x4a, 0x55, 0x60));
  p.drawRect(QRectF(cx + baseHalf + 2, baseY - h * 0.055, w * 0.05, h * 0.055));
  p.setBrush(QColor(0xff, 0xd2, 0x6b));
  p.drawRect(QRectF(cx + baseHalf + 6, baseY - h * 0.035, w * 0.012, h * 0.018));

  // Dish: a parabolic reflector seen from the side, facing right.
  const QPointF hub(cx + w * 0.004, topY - h * 0.01);
  const double dishH = h * 0.17;
  const double dishD = w * 0.028;
  QPainterPath dish;
  dish.moveTo(hub.x(), hub.y() - dishH / 2);
  dish.quadTo(hub.x() - dishD * 1.6, hub.y(), hub.x(), hub.y() + dishH / 2);
  dish.quadTo(hub.x() - dishD * 0.9, hub.y(), hub.x(), hub.y() - dishH / 2);
  QLinearGradient metal(hub.x() - dishD, hub.y() - dishH / 2, hub.x(), hub.y() + dishH / 2);
  metal.setColorAt(0.0, QColor(0xf2, 0xf5, 0xf8));
  metal.setColorAt(0.6, QColor(0xa9, 0xb4, 0xbf));
  metal.setColorAt(1.0, QColor(0x5c, 0x66, 0x70));
  p.setPen(QPen(QColor(0x1c, 0x22, 0x28), 0.8));
  p.setBrush(metal);
  p.drawPath(dish);

  // Feed arms and horn.
  const QPointF feed(hub.x() + dishD * 1.5, hub.y());
  p.setPen(QPen(QColor(0xc8, 0xd0, 0xd8), 1.0));
  p.drawLine(QPointF(hub.x() - 1, hub.y() - dishH * 0.42), feed);
  p.drawLine(QPointF(hub.x() - 1, hub.y() + dishH * 0.42), feed);
  p.setBrush(QColor(0xe6, 0xea, 0xee));
  p.drawRect(QRectF(feed.x() - 2, feed.y() - 2.5, 5, 5));
  return feed + QPointF(3, 0);
}

// A shuttle tanker on the horizon; returns the point of its antenna dome.
QPointF paintShip(QPainter& p, double w, double h, double horizon) {
  const double x0 = w * 0.64;
  const double x1 = w * 0.93;
  const double deck = horizon - h * 0.035;
  const double keel = horizon + h * 0.015;

  QPainterPath hull;
  hull.moveTo(x0, deck);
  hull.lineTo(x1, deck - h * 0.006);
  hull.lineTo(x1 - w * 0.012, keel);
  hull.lineTo(x0 + w * 0.025, keel);
  hull.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1b, 0x20, 0x26));
  p.drawPath(hull);
  p.setBrush(QColor(0x8e, 0x2a, 0x24));
  p.drawRect(QRectF(x0 + w * 0.02, keel - h * 0.012, x1 - x0 - w * 0.035, h * 0.008));

  // Superstructure aft (right) with bridge windows and a mast.
  const double sx = x1 - w * 0.065;
  p.setBrush(QColor(0xd8, 0xdc, 0xe0));
  p.drawRect(QRectF(sx, deck - h * 0.06, w * 0.045, h * 0.06));
  p.setBrush(QColor(0x2c, 0x34, 0x3c));
  p.drawRect(QRectF(sx - w * 0.004, deck - h * 0.072, w * 0.053, h * 0.013));
  p.setBrush(QColor(0xff, 0xd8, 0x7a));
  for (int i = 0; i < 4; ++i) {
    p.drawRect(QRectF(sx + w * 0.004 + i * w * 0.01, deck - h * 0.045, w * 0.005, h * 0.01));
  }
  const double mastX = sx + w * 0.022;
  const double mastTop = deck - h * 0.13;
  p.setPen(QPen(QColor(0xc0, 0xc8, 0xd0), 1.0));
  p.drawLine(QPointF(mastX, deck - h * 0.072), QPointF(mastX, mastTop));
  p.drawLine(QPointF(mastX - w * 0.01, mastTop + h * 0.025),
             QPointF(mastX + w * 0.01, mastTop + h * 0.025));

  // Pipe manifold and bow loading gear forward.
  p.setPen(QPen(QColor(0x5a, 0x64, 0x6e), 1.0));
  p.drawLine(QPointF(x0 + w * 0.05, deck - h * 0.01), QPointF(sx - w * 0.01, deck - h * 0.01));
  p.drawLine(QPointF(x0 + w * 0.012, deck), QPointF(x0 + w * 0.02, deck - h * 0.04));

  // Antenna dome.
  const QPointF dome(mastX, mastTop - h * 0.012);
  QRadialGradient white(dome - QPointF(1.5, 1.5), h * 0.025);
  white.setColorAt(0.0, Qt::white);
  white.setColorAt(1.0, QColor(0x9a, 0xa4, 0xae));
  p.setPen(Qt::NoPen);
  p.setBrush(white);
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
  QLinearGradient fade(0, 0, length, 0);
  fade.setColorAt(0.0, QColor(0x7d, 0xff, 0xb0, 150));
  fade.setColorAt(0.75, QColor(0x7d, 0xff, 0xb0, 40));
  fade.setColorAt(1.0, QColor(0x7d, 0xff, 0xb0, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(fade);
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
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      model_(model),
      hub_(hub) {
  setAccessibleName(QString::fromStdString(model_.ProductName.Caption));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setFixedSize(model_.Width, model_.Height);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, QColor(0xee, 0xf0, 0xf2));
  pal.setColor(QPalette::WindowText, QColor(0x12, 0x1c, 0x2a));
  panel->setPalette(pal);

  auto* picture = new PrescreenPicture(panel);

  productName_ = new QLabel(QString::fromStdString(model_.ProductName.Caption), panel);
  productName_->setTextFormat(Qt::PlainText);
  productName_->setAlignment(Qt::AlignCenter);
  productName_->setAccessibleName(productName_->text());
  QFont title = productName_->font();
  title.setPixelSize(26);
  title.setBold(true);
  productName_->setFont(title);

  version_ = new QLabel(QString::fromStdString(model_.Version.Caption), panel);
  version_->setTextFormat(Qt::PlainText);
  version_->setAlignment(Qt::AlignCenter);
  version_->setAccessibleName(version_->text());
  QFont small = version_->font();
  small.setPixelSize(15);
  version_->setFont(small);

  auto* inner = new QVBoxLayout(panel);
  inner->setContentsMargins(2, 2, 2, 10);
  inner->setSpacing(4);
  inner->addWidget(picture, 1);
  inner->addSpacing(4);
  inner->addWidget(productName_);
  inner->addWidget(version_);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(8, 8, 8, 8);
  outer->addWidget(panel);

  hub_.addView(this);
}

PrescreenView::~PrescreenView() {
  hub_.removeView(this);
}

void PrescreenView::refreshFromModel() {
  if (model_.Visible() == isVisible()) return;
  if (model_.Visible()) {
    centreOnScreen(*this);
    show();
    raise();
  } else {
    hide();
  }
}

void PrescreenView::closeEvent(QCloseEvent* event) {
  event->accept();
  model_.Close();
  hub_.refreshAll();
}

}  // namespace kestrom

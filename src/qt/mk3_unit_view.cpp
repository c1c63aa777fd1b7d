#include "qt/mk3_unit_view.h"
#include "qt/dial_point.h"

#include "qt/colours.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "core/controls.h"
#include "windows/mk3_unit.h"

namespace kestrom {

namespace {

// Panel layout, in pixels of the 556 x 192 front.
const QRect kSelectorZone(20, 10, 176, 172);
const QRect kKeyZone(204, 10, 180, 172);
const QRect kControlZone(392, 10, 144, 172);
const QRect kDisplayBezel(30, 18, 156, 50);
const QRect kDisplayWindow(37, 24, 142, 38);
const QPointF kSelectorKnob(108, 130);
constexpr double kSelectorLabelRadius = 44;
constexpr int kKeyLeft = 213, kKeyTop = 22, kKeyPitchX = 34, kKeyPitchY = 32;
constexpr int kKeyWidth = 26, kKeyHeight = 24;
const std::array<double, 3> kButtonCentreX{236, 294, 352};  // Search, Auto Search, Lock
constexpr double kButtonLegendY = 102, kButtonY = 122;
const std::array<double, 4> kSocketCentreX{224, 264, 305, 348};
constexpr double kSocketY = 150, kSocketLegendY = 170;
const QPointF kSlewLegend(464, 56);
const QPointF kVolumeKnob(430, 130);
const QPointF kPowerSwitch(501, 130);

double selectorAngle(int position, int positions) {
  return -135.0 + 270.0 * position / (positions - 1);
}

QRect keyRect(int index) {
  return QRect(kKeyLeft + (index % 5) * kKeyPitchX, kKeyTop + (index / 5) * kKeyPitchY, kKeyWidth,
               kKeyHeight);
}

QLabel* legend(const std::string& text, QWidget* parent, int pixelSize = 10, bool bold = false,
               QColor colour = QColor(0xe4, 0xe6, 0xe8)) {
  auto* label = new QLabel(QString::fromStdString(text), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAccessibleName(label->text());
  QFont f = label->font();
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  label->setFont(f);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  label->adjustSize();
  return label;
}

void centreAt(QWidget* w, QPointF centre) {
  w->move(static_cast<int>(std::lround(centre.x() - w->width() / 2.0)),
          static_cast<int>(std::lround(centre.y() - w->height() / 2.0)));
}

void paintZone(QPainter& p, const QRect& r) {
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0.0, QColor(0x1e, 0x1f, 0x21));
  fill.setColorAt(1.0, QColor(0x0e, 0x0e, 0x0f));
  p.setPen(QPen(QColor(0x4e, 0x51, 0x55), 1.2));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
}

void paintScrew(QPainter& p, QPointF c) {
  QRadialGradient g(c - QPointF(1.5, 1.5), 6);
  g.setColorAt(0.0, QColor(0xd8, 0xdc, 0xe0));
  g.setColorAt(1.0, QColor(0x50, 0x55, 0x5a));
  p.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 0.8));
  p.setBrush(g);
  p.drawEllipse(c, 4.2, 4.2);
  p.setPen(QPen(QColor(0x30, 0x33, 0x36), 1.2));
  p.drawLine(c + QPointF(-2.8, 1.2), c + QPointF(2.8, -1.2));
}

void paintKnob(QPainter& p, QPointF c, double radius, double pointerDeg) {
  // Skirt with knurled edge.
  QRadialGradient skirt(c, radius + 4);
  skirt.setColorAt(0.0, QColor(0x3a, 0x3c, 0x3f));
  skirt.setColorAt(1.0, QColor(0x16, 0x17, 0x18));
  p.setPen(QPen(QColor(0x66, 0x6a, 0x6e), 1));
  p.setBrush(skirt);
  p.drawEllipse(c, radius + 4, radius + 4);
  p.setPen(QPen(QColor(0x55, 0x58, 0x5c), 1));
  for (int deg = 0; deg < 360; deg += 15)
    p.drawLine(polar(c, radius, deg), polar(c, radius + 3, deg));
  // Cap.
  QRadialGradient cap(c - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
  cap.setColorAt(0.0, QColor(0x8a, 0x8e, 0x93));
  cap.setColorAt(0.5, QColor(0x3c, 0x3f, 0x43));
  cap.setColorAt(1.0, QColor(0x1a, 0x1b, 0x1c));
  p.setPen(QPen(QColor(0x0a, 0x0a, 0x0a), 1));
  p.setBrush(cap);
  p.drawEllipse(c, radius, radius);
  // Pointer line.
  p.setPen(QPen(QColor(0xf4, 0xf4, 0xf0), 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(polar(c, radius * 0.25, pointerDeg), polar(c, radius * 0.9, pointerDeg));
}

void paintKeyCap(QPainter& p, const QRectF& r, QColor top, QColor bottom) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 200));
  p.drawRoundedRect(r.translated(1.5, 2.0), 4, 4);  // shadow
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0.0, top);
  g.setColorAt(1.0, bottom);
  p.setPen(QPen(QColor(0x08, 0x08, 0x08), 1));
  p.setBrush(g);
  p.drawRoundedRect(r, 4, 4);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawLine(r.topLeft() + QPointF(4, 1.5), r.topRight() + QPointF(-4, 1.5));
}

// A curved arrow as on the slew keys; `right` turns it clockwise.
void paintSlewArrow(QPainter& p, const QRectF& key, bool right) {
  const QPointF c = key.center() + QPointF(0, 5);
  const double r = 8;
  QPainterPath arc;
  const double start = right ? 150 : 30;
  const double sweep = right ? -120 : 120;
  arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start);
  arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, sweep);
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
  QRadialGradient metal(c - QPointF(1.5, 1.5), 8);
  metal.setColorAt(0.0, QColor(0xee, 0xea, 0xd8));
  metal.setColorAt(1.0, QColor(0x7a, 0x70, 0x50));
  p.setPen(QPen(QColor(0x05, 0x05, 0x05), 1));
  p.setBrush(ring);
  p.drawEllipse(c, 7.5, 7.5);
  p.setBrush(metal);
  p.drawEllipse(c, 4.5, 4.5);
  p.setBrush(QColor(0x08, 0x08, 0x08));
  p.drawEllipse(c, 2.0, 2.0);
}

void paintToggle(QPainter& p, QPointF c, bool up) {
  QLinearGradient plate(c - QPointF(10, 0), c + QPointF(10, 0));
  plate.setColorAt(0.0, QColor(0x9a, 0x9e, 0xa3));
  plate.setColorAt(0.5, QColor(0xe2, 0xe5, 0xe8));
  plate.setColorAt(1.0, QColor(0x80, 0x84, 0x88));
  p.setPen(QPen(QColor(0x08, 0x08, 0x08), 1));
  p.setBrush(plate);
  p.drawRoundedRect(QRectF(c.x() - 10, c.y() - 17, 20, 34), 3, 3);
  QRadialGradient nut(c - QPointF(1, 1), 8);
  nut.setColorAt(0.0, QColor(0xf0, 0xf2, 0xf4));
  nut.setColorAt(1.0, QColor(0x60, 0x64, 0x68));
  p.setBrush(nut);
  p.drawEllipse(c, 6.5, 6.5);
  const QPointF tip = c + QPointF(0, up ? -15 : 15);
  QLinearGradient lever(c - QPointF(3, 0), c + QPointF(3, 0));
  lever.setColorAt(0.0, QColor(0xb0, 0xb4, 0xb8));
  lever.setColorAt(0.5, QColor(0xff, 0xff, 0xff));
  lever.setColorAt(1.0, QColor(0x80, 0x84, 0x88));
  p.setPen(QPen(QBrush(lever), 4.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, tip);
  p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
  p.setBrush(QColor(0xd8, 0xdb, 0xde));
  p.drawEllipse(tip, 3.4, 3.4);
}

// Segments a..g of each digit, bit 0 = a (top), clockwise, g = middle.
int segmentsOf(QChar ch) {
  switch (ch.toLatin1()) {
    case '0':
      return 0b0111111;
    case '1':
      return 0b0000110;
    case '2':
      return 0b1011011;
    case '3':
      return 0b1001111;
    case '4':
      return 0b1100110;
    case '5':
      return 0b1101101;
    case '6':
      return 0b1111101;
    case '7':
      return 0b0000111;
    case '8':
      return 0b1111111;
    case '9':
      return 0b1101111;
    case '-':
      return 0b1000000;
    default:
      return 0;
  }
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
  QLinearGradient glass(r.topLeft(), r.bottomLeft());
  glass.setColorAt(0.0, QColor(0x2a, 0x07, 0x05));
  glass.setColorAt(1.0, QColor(0x12, 0x02, 0x02));
  p.fillRect(r, glass);

  struct Cell {
    int segments;
    bool point;
  };
  std::vector<Cell> cells;
  for (QChar ch : text_) {
    if (ch == QLatin1Char('.') && !cells.empty()) {
      cells.back().point = true;
    } else {
      cells.push_back({segmentsOf(ch), false});
    }
  }
  if (cells.empty()) return;

  const double pad = 5;
  const double cellW = (r.width() - 2 * pad) / cells.size();
  const double digitW = cellW * 0.64;
  const double digitH = r.height() - 2 * pad - 2;
  const double t = std::max(2.5, digitW * 0.2);
  const double slant = 0.1;  // lean of the digits to the right
  const QColor on(0xff, 0x4a, 0x22);
  const QColor off(0x3c, 0x0d, 0x08);

  for (std::size_t i = 0; i < cells.size(); ++i) {
    const double x0 = pad + i * cellW + (cellW - digitW) / 2 - 2;
    const double y0 = pad + 1;
    auto pt = [&](double fx, double fy) {
      const double y = y0 + fy * digitH;
      return QPointF(x0 + fx * digitW + (y0 + digitH - y) * slant, y);
    };
    const std::array<QPolygonF, 7> segs{
        segment(pt(0, 0), pt(1, 0), t),    segment(pt(1, 0), pt(1, 0.5), t),
        segment(pt(1, 0.5), pt(1, 1), t),  segment(pt(0, 1), pt(1, 1), t),
        segment(pt(0, 0.5), pt(0, 1), t),  segment(pt(0, 0), pt(0, 0.5), t),
        segment(pt(0, 0.5), pt(1, 0.5), t)};
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
      const bool lit = cells[i].segments & (1 << s);
      if (lit) {
        QColor halo = on;
        halo.setAlpha(60);
        p.setPen(QPen(halo, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(on);
      } else {
        p.setPen(Qt::NoPen);
        p.setBrush(off);
      }
      p.drawPolygon(segs[s]);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(cells[i].point ? on : off);
    p.drawEllipse(pt(1, 1) + QPointF(t * 1.4, -t * 0.2), t * 0.6, t * 0.6);
  }

  // Reflection on the glass.
  QLinearGradient shine(r.topLeft(), QPointF(r.left(), r.center().y()));
  shine.setColorAt(0.0, QColor(255, 255, 255, 28));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() / 2), shine);
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
  if (accessibleDescription() != description) {
    setAccessibleDescription(description);
    update();
  }
}

void PanelLamp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c = QRectF(rect()).center();
  // Chrome bezel.
  QRadialGradient bezel(c - QPointF(2, 2), 12);
  bezel.setColorAt(0.0, QColor(0xf0, 0xf2, 0xf4));
  bezel.setColorAt(1.0, QColor(0x4a, 0x4e, 0x52));
  p.setPen(QPen(QColor(0x05, 0x05, 0x05), 1));
  p.setBrush(bezel);
  p.drawEllipse(c, 10, 10);
  // Lens.
  const QColor colour = toQColor(light_.shown());
  QRadialGradient lens(c - QPointF(2, 2), 8);
  lens.setColorAt(0.0, light_.Lit ? colour.lighter(170) : colour.lighter(130));
  lens.setColorAt(0.6, light_.Lit ? colour : colour.darker(150));
  lens.setColorAt(1.0, colour.darker(light_.Lit ? 170 : 300));
  p.setPen(QPen(QColor(0x10, 0x10, 0x10), 0.8));
  p.setBrush(lens);
  p.drawEllipse(c, 6.5, 6.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(c - QPointF(2.2, 2.2), 1.8, 1.4);
}

Mk3UnitView::Mk3UnitView(Tfix3& model, ViewHub& hub)
    : QWidget(nullptr, Qt::Window), model_(model), hub_(hub) {
  setWindowTitle(QString::fromStdString(model_.Caption()));
  setAccessibleName(windowTitle());
  setFixedSize(model_.Width, model_.Height);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setAutoFillBackground(true);
  placeTexts();
  hub_.addView(this);
}

Mk3UnitView::~Mk3UnitView() {
  hub_.removeView(this);
}

void Mk3UnitView::placeTexts() {
  const auto& c = model_.ControlTexts;  // Search, Auto Search, Lock, slew, Volume, On, Off

  auto* display = new SegmentDisplay(QString::fromStdString(model_.DisplayText), this);
  display->setGeometry(kDisplayWindow);

  const int positions = static_cast<int>(model_.SelectorTexts.size());
  for (int i = 0; i < positions; ++i) {
    centreAt(legend(model_.SelectorTexts[i], this, 9),
             polar(kSelectorKnob, kSelectorLabelRadius, selectorAngle(i, positions)));
  }

  for (std::size_t i = 0; i < model_.KeyLegends.size(); ++i) {
    auto* key = legend(model_.KeyLegends[i], this, 12, true, QColor(0x14, 0x14, 0x14));
    centreAt(key, QRectF(keyRect(static_cast<int>(i))).center() - QPointF(0, 1));
  }

  for (int i = 0; i < 3; ++i) centreAt(legend(c[i], this), {kButtonCentreX[i], kButtonLegendY});
  lamp_ = new PanelLamp(model_.Lamp, QStringLiteral("Lock lamp"), this);
  centreAt(lamp_, {kButtonCentreX[2], kButtonY});

  for (std::size_t i = 0; i < model_.SupplyTexts.size(); ++i) {
    centreAt(legend(model_.SupplyTexts[i], this, 9), {kSocketCentreX[i], kSocketLegendY});
  }

  // The slew keys stand above the words of their shared legend.
  QLabel* slew = legend(c[3], this);
  centreAt(slew, kSlewLegend);
  const QString slewText = QString::fromStdString(c[3]);
  const QFontMetrics fm(slew->font());
  const int rightStart = fm.horizontalAdvance(slewText.left(slewText.lastIndexOf(' ') + 1));
  const double leftCentre = slew->x() + fm.horizontalAdvance(QStringLiteral("Left")) / 2.0;
  const double rightCentre =
      slew->x() + rightStart + fm.horizontalAdvance(QStringLiteral("Right")) / 2.0;
  leftKey_ = QRect(static_cast<int>(leftCentre) - 18, 20, 36, 24);
  rightKey_ = QRect(static_cast<int>(rightCentre) - 18, 20, 36, 24);

  centreAt(legend(c[4], this), kVolumeKnob - QPointF(0, 38));
  centreAt(legend(c[5], this), kPowerSwitch - QPointF(0, 30));
  centreAt(legend(c[6], this), kPowerSwitch + QPointF(0, 30));
}

void Mk3UnitView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);

  // Front plate edge and mounting screws.
  p.setPen(QPen(QColor(0x2e, 0x30, 0x33), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
  for (QPointF s : {QPointF(10, 12), QPointF(546, 12), QPointF(10, 180), QPointF(546, 180)}) {
    paintScrew(p, s);
  }

  paintZone(p, kSelectorZone);
  paintZone(p, kKeyZone);
  paintZone(p, kControlZone);

  // Read-out bezel.
  QLinearGradient bezel(kDisplayBezel.topLeft(), kDisplayBezel.bottomLeft());
  bezel.setColorAt(0.0, QColor(0x4a, 0x4d, 0x51));
  bezel.setColorAt(1.0, QColor(0x22, 0x23, 0x25));
  p.setPen(QPen(QColor(0x06, 0x06, 0x06), 1));
  p.setBrush(bezel);
  p.drawRoundedRect(QRectF(kDisplayBezel), 4, 4);

  // Meter selector: scale marks, then the knob pointing at its last position.
  const int positions = static_cast<int>(model_.SelectorTexts.size());
  p.setPen(QPen(QColor(0xc8, 0xcc, 0xd0), 1.4, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < positions; ++i) {
    const double a = selectorAngle(i, positions);
    p.drawLine(polar(kSelectorKnob, 23, a), polar(kSelectorKnob, 28, a));
  }
  paintKnob(p, kSelectorKnob, 15, selectorAngle(positions - 1, positions));

  // Key block.
  p.setPen(QPen(QColor(0x3a, 0x3c, 0x40), 1));
  p.setBrush(QColor(0x08, 0x08, 0x09));
  p.drawRoundedRect(QRectF(kKeyLeft - 5, kKeyTop - 5, 4 * kKeyPitchX + kKeyWidth + 10,
                           kKeyPitchY + kKeyHeight + 10),
                    5, 5);
  for (std::size_t i = 0; i < model_.KeyLegends.size(); ++i) {
    paintKeyCap(p, QRectF(keyRect(static_cast<int>(i))), QColor(0xf0, 0xf0, 0xec),
                QColor(0xa8, 0xa8, 0xa4));
  }
  p.setPen(QPen(QColor(0x3a, 0x3c, 0x40), 1));
  p.drawLine(QPointF(kKeyZone.left() + 10, 88), QPointF(kKeyZone.right() - 10, 88));
  p.drawLine(QPointF(kKeyZone.left() + 10, 138), QPointF(kKeyZone.right() - 10, 138));

  // Search and Auto Search push buttons.
  for (int i = 0; i < 2; ++i) {
    const QRectF r(kButtonCentreX[i] - 18, kButtonY - 9, 36, 18);
    paintKeyCap(p, r, QColor(0x6a, 0x6e, 0x73), QColor(0x2e, 0x30, 0x33));
  }

  // Supply test points: red for positive, blue for negative rails.
  for (std::size_t i = 0; i < model_.SupplyTexts.size(); ++i) {
    const bool positive = model_.SupplyTexts[i].find('+') != std::string::npos;
    paintSocket(p, {kSocketCentreX[i], kSocketY},
                positive ? QColor(0xb8, 0x22, 0x1c) : QColor(0x1f, 0x4e, 0xa8));
  }

  // Slew keys.
  paintKeyCap(p, leftKey_, QColor(0xf0, 0xf0, 0xec), QColor(0xa8, 0xa8, 0xa4));
  paintKeyCap(p, rightKey_, QColor(0xf0, 0xf0, 0xec), QColor(0xa8, 0xa8, 0xa4));
  paintSlewArrow(p, leftKey_, false);
  paintSlewArrow(p, rightKey_, true);
  p.setPen(QPen(QColor(0x3a, 0x3c, 0x40), 1));
  p.drawLine(QPointF(kControlZone.left() + 10, 74), QPointF(kControlZone.right() - 10, 74));

  // Volume knob with its scale, and the power switch standing at On.
  p.setPen(QPen(QColor(0xc8, 0xcc, 0xd0), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i <= 10; ++i) {
    const double a = -135.0 + 27.0 * i;
    p.drawLine(polar(kVolumeKnob, 23, a), polar(kVolumeKnob, i % 5 == 0 ? 29 : 26, a));
  }
  paintKnob(p, kVolumeKnob, 15, -40);
  paintToggle(p, kPowerSwitch, true);
}

void Mk3UnitView::refreshFromModel() {
  lamp_->refresh();
  if (model_.Visible() == isVisible()) return;
  if (model_.Visible()) {
    show();
    raise();
    activateWindow();
  } else {
    hide();
  }
}

void Mk3UnitView::closeEvent(QCloseEvent* event) {
  event->accept();
  model_.Close();
  hub_.refreshAll();
}

}  // namespace kestrom

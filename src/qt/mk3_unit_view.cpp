#include "qt/mk3_unit_view.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <array>
#include <cmath>
#include <vector>

#include "core/controls.h"
#include "qt/dial_point.h"
#include "qt/gradients.h"
#include "windows/mk3_unit.h"

namespace kestrom {

// A text printed on the front, centred on a point.
struct Mk3Legend {
  const std::string& text;
  QPointF centre;
  int pixelSize = 10;
  bool bold = false;
  QColor colour = QColor(0xe4, 0xe6, 0xe8);
};

namespace {

// Panel layout, in pixels of the 556 x 192 front.
const QRect kSelectorZone(20, 10, 176, 172);
const QRect kKeyZone(204, 10, 180, 172);
const QRect kControlZone(392, 10, 144, 172);
const std::array<QRect, 3> kZones{kSelectorZone, kKeyZone, kControlZone};
const std::array<QPointF, 4> kScrews{QPointF(10, 12), QPointF(546, 12), QPointF(10, 180),
                                     QPointF(546, 180)};
// Engraved rules between the groups of a zone.
const std::array<QLineF, 3> kRules{
    QLineF(kKeyZone.left() + 10, 88, kKeyZone.right() - 10, 88),
    QLineF(kKeyZone.left() + 10, 138, kKeyZone.right() - 10, 138),
    QLineF(kControlZone.left() + 10, 74, kControlZone.right() - 10, 74)};
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
const QColor kScaleColour(0xc8, 0xcc, 0xd0);
const QColor kRuleColour(0x3a, 0x3c, 0x40);

// A knob with its scale of marks spread evenly from -135 to +135 degrees.
struct KnobScale {
  QPointF centre;
  int marks;
  double inner, outer;  // radii of a mark
  int majorEvery;       // every so many marks one reaches out to majorOuter
  double majorOuter;
  double penWidth;
  double pointerDeg;  // where the knob points
};

double scaleAngle(int mark, int marks) {
  return -135.0 + 270.0 * mark / (marks - 1);
}

// The meter selector points at its last position; the volume stands low.
const KnobScale kSelectorScale{kSelectorKnob, 8, 23, 28, 1, 28, 1.4, 135};
const KnobScale kVolumeScale{kVolumeKnob, 11, 23, 26, 5, 29, 1.1, -40};
constexpr double kKnobRadius = 15;

QRect keyRect(int index) {
  return QRect(kKeyLeft + (index % 5) * kKeyPitchX, kKeyTop + (index / 5) * kKeyPitchY, kKeyWidth,
               kKeyHeight);
}

void centreAt(QWidget* w, QPointF centre) {
  w->move(static_cast<int>(std::lround(centre.x() - w->width() / 2.0)),
          static_cast<int>(std::lround(centre.y() - w->height() / 2.0)));
}

// The legends of the meter selector, the keys and the push buttons.
std::vector<Mk3Legend> selectorAndKeyLegends(const Tfix3& m) {
  std::vector<Mk3Legend> legends;
  legends.reserve(m.SelectorTexts.size() + m.KeyLegends.size() + kButtonCentreX.size());
  const int positions = static_cast<int>(m.SelectorTexts.size());
  for (int i = 0; i < positions; ++i) {
    legends.push_back({m.SelectorTexts[i],
                       polar(kSelectorKnob, kSelectorLabelRadius, scaleAngle(i, positions)), 9});
  }
  for (std::size_t i = 0; i < m.KeyLegends.size(); ++i) {
    const QPointF centre = QRectF(keyRect(static_cast<int>(i))).center() - QPointF(0, 1);
    legends.push_back({m.KeyLegends[i], centre, 12, true, QColor(0x14, 0x14, 0x14)});
  }
  for (std::size_t i = 0; i < kButtonCentreX.size(); ++i)
    legends.push_back({m.ControlTexts[i], {kButtonCentreX[i], kButtonLegendY}});
  return legends;
}

std::vector<Mk3Legend> supplyLegends(const Tfix3& m) {
  std::vector<Mk3Legend> legends;
  legends.reserve(m.SupplyTexts.size());
  for (std::size_t i = 0; i < m.SupplyTexts.size(); ++i)
    legends.push_back({m.SupplyTexts[i], {kSocketCentreX[i], kSocketLegendY}, 9});
  return legends;
}

void paintScale(QPainter& p, const KnobScale& s) {
  p.setPen(QPen(kScaleColour, s.penWidth, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < s.marks; ++i) {
    const double a = scaleAngle(i, s.marks);
    const double outer = i % s.majorEvery == 0 ? s.majorOuter : s.outer;
    p.drawLine(polar(s.centre, s.inner, a), polar(s.centre, outer, a));
  }
  mk3::paintKnob(p, s.centre, kKnobRadius, s.pointerDeg);
}

// The front plate's edge and screws, its zones with their rules and the read-out bezel.
void paintFront(QPainter& p, const QRect& all) {
  p.setPen(QPen(QColor(0x2e, 0x30, 0x33), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(all).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
  for (QPointF s : kScrews) mk3::paintScrew(p, s);
  for (const QRect& zone : kZones) mk3::paintZone(p, zone);
  p.setPen(QPen(kRuleColour, 1));
  for (const QLineF& rule : kRules) p.drawLine(rule);

  p.setPen(QPen(QColor(0x06, 0x06, 0x06), 1));
  p.setBrush(withStops(QLinearGradient(kDisplayBezel.topLeft(), kDisplayBezel.bottomLeft()),
                       {{0.0, QColor(0x4a, 0x4d, 0x51)}, {1.0, QColor(0x22, 0x23, 0x25)}}));
  p.drawRoundedRect(QRectF(kDisplayBezel), 4, 4);
}

// Supply test points: red for positive, blue for negative rails.
void paintSockets(QPainter& p, const Tfix3& m) {
  for (std::size_t i = 0; i < m.SupplyTexts.size(); ++i) {
    const bool positive = m.SupplyTexts[i].find('+') != std::string::npos;
    mk3::paintSocket(p, {kSocketCentreX[i], kSocketY},
                     positive ? QColor(0xb8, 0x22, 0x1c) : QColor(0x1f, 0x4e, 0xa8));
  }
}

}  // namespace

Mk3UnitView::Mk3UnitView(Tfix3& model, ViewHub& hub)
    : AuxWindowBase(model, hub, AuxWindowStyle::framed()), model_(model) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setAutoFillBackground(true);
  placeTexts();
}

QLabel* Mk3UnitView::placeLegend(const Mk3Legend& legend) {
  QLabel* label = addLabel(legend.text);
  QFont f = label->font();
  f.setPixelSize(legend.pixelSize);
  f.setBold(legend.bold);
  label->setFont(f);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, legend.colour);
  label->setPalette(pal);
  label->adjustSize();
  centreAt(label, legend.centre);
  return label;
}

void Mk3UnitView::placeTexts() {
  const auto& c = model_.ControlTexts;  // Search, Auto Search, Lock, slew, Volume, On, Off
  auto* display = new SegmentDisplay(QString::fromStdString(model_.DisplayText), this);
  display->setGeometry(kDisplayWindow);
  for (const Mk3Legend& legend : selectorAndKeyLegends(model_)) placeLegend(legend);
  lamp_ = new PanelLamp(model_.Lamp, QStringLiteral("Lock lamp"), this);
  centreAt(lamp_, {kButtonCentreX[2], kButtonY});
  for (const Mk3Legend& legend : supplyLegends(model_)) placeLegend(legend);
  placeSlewKeys(*placeLegend({c[3], kSlewLegend}));
  placeLegend({c[4], kVolumeKnob - QPointF(0, 38)});
  placeLegend({c[5], kPowerSwitch - QPointF(0, 30)});
  placeLegend({c[6], kPowerSwitch + QPointF(0, 30)});
}

// The slew keys stand above the words of their shared legend.
void Mk3UnitView::placeSlewKeys(const QLabel& slew) {
  const QString slewText = slew.text();
  const QFontMetrics fm(slew.font());
  const int rightStart = fm.horizontalAdvance(slewText.left(slewText.lastIndexOf(' ') + 1));
  const double leftCentre = slew.x() + fm.horizontalAdvance(QStringLiteral("Left")) / 2.0;
  const double rightCentre =
      slew.x() + rightStart + fm.horizontalAdvance(QStringLiteral("Right")) / 2.0;
  leftKey_ = QRect(static_cast<int>(leftCentre) - 18, 20, 36, 24);
  rightKey_ = QRect(static_cast<int>(rightCentre) - 18, 20, 36, 24);
}

void Mk3UnitView::refreshControls() {
  lamp_->refresh();
}

// The key block with its ten keys, the Search and Auto Search buttons and the
// slew keys.
void Mk3UnitView::paintKeys(QPainter& p) const {
  p.setPen(QPen(kRuleColour, 1));
  p.setBrush(QColor(0x08, 0x08, 0x09));
  p.drawRoundedRect(QRectF(kKeyLeft - 5, kKeyTop - 5, 4 * kKeyPitchX + kKeyWidth + 10,
                           kKeyPitchY + kKeyHeight + 10),
                    5, 5);
  for (std::size_t i = 0; i < model_.KeyLegends.size(); ++i)
    mk3::paintKeyCap(p, QRectF(keyRect(static_cast<int>(i))), mk3::kWhiteCap);
  for (int i = 0; i < 2; ++i) {
    const QRectF r(kButtonCentreX[i] - 18, kButtonY - 9, 36, 18);
    mk3::paintKeyCap(p, r, mk3::kGreyCap);
  }
  mk3::paintKeyCap(p, leftKey_, mk3::kWhiteCap);
  mk3::paintKeyCap(p, rightKey_, mk3::kWhiteCap);
  mk3::paintSlewArrow(p, leftKey_, false);
  mk3::paintSlewArrow(p, rightKey_, true);
}

void Mk3UnitView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  paintFront(p, rect());
  paintScale(p, kSelectorScale);
  paintKeys(p);
  paintSockets(p, model_);
  paintScale(p, kVolumeScale);
  mk3::paintToggle(p, kPowerSwitch, true);
}

}  // namespace kestrom

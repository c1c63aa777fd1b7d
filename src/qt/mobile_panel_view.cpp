#include "qt/mobile_panel_view.h"

#include <QPainter>
#include <QPen>
#include <QtMath>
#include <cmath>

#include "core/number_format.h"
#include "setup/angles.h"
#include "setup/simulation_state.h"

namespace kestrom {

namespace {

// The dial circle and the circle the scan arc runs on, both around the centre.
const QRectF kDialCircle(116, 69, 118, 118);
const QRectF kArcCircle(117, 70, 116, 116);
constexpr int kLineWidth = 2;
constexpr int kArcWidth = 5;

// To the right of the Fix panel, which stands at the left edge.
constexpr QPoint kWindowPos(340, 47);

PanelGeometry placedGeometry() {
  PanelGeometry g = mobilePanelGeometry();
  g.windowPos = kWindowPos;
  return g;
}

QPointF toQt(DialPoint p) {
  return QPointF(p.x, p.y);
}

// Compass angle of a point seen from the dial centre.
double compassAngle(DialPoint p) {
  const DialPoint c = MobileDialPicture::kCentre;
  double deg = qRadiansToDegrees(std::atan2(double(p.x - c.x), double(c.y - p.y)));
  return deg < 0 ? deg + 360 : deg;
}

bool samePicture(const MobileDialPicture& a, const MobileDialPicture& b) {
  return a.pointer == b.pointer && a.crossbarA == b.crossbarA && a.crossbarB == b.crossbarB &&
         a.sideLeft == b.sideLeft && a.sideRight == b.sideRight && a.beamLeft == b.beamLeft &&
         a.beamRight == b.beamRight && a.arcStart == b.arcStart && a.arcEnd == b.arcEnd;
}

}  // namespace

std::optional<ScanArcAngles> scanArcAngles(const MobileDialPicture& picture) {
  if (!picture.arcStart || !picture.arcEnd) return std::nullopt;
  const double start = compassAngle(*picture.arcStart);
  double span = compassAngle(*picture.arcEnd) - start;
  if (span <= 0) span += 360;  // equal limits: the antenna turns all round
  return ScanArcAngles{start, span};
}

MobilePanelView::MobilePanelView(Tmobile& model, ViewHub& hub, QWidget* parent)
    : PanelView(model, placedGeometry(), hub, parent), mobile_(model) {
  // The dial is drawn on the plate; this child only stands for it to screen readers.
  dial_ = new DialStandIn(
      this, [] { return QStringLiteral("Antenna"); }, [this] { return dialDescription(); });
  dial_->setObjectName(QStringLiteral("antennaDial"));
  dial_->setGeometry(kDialCircle.toAlignedRect());
  dial_->lower();
  MobilePanelView::refreshFromModel();
}

QRect MobilePanelView::dialUpdateRect() const {
  // The arc's wide pen reaches furthest out; leave room for the antialiased edge.
  const double margin = kArcWidth / 2.0 + 3;
  return kDialCircle.adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

QString MobilePanelView::dialDescription() const {
  const SimulationState& s = mobile_.state();
  const MobileDialPicture picture = mobile_.Tracking.dialPicture();
  QString text = QStringLiteral("bearing %1 degrees")
                     .arg(QString::fromStdString(fixed2(bearingOf(s.AntennaDirection))));
  if (picture.arcStart && picture.arcEnd) {
    const std::optional<int> left = scanLimitDegrees(s.MobileScanLimitLeft);
    const std::optional<int> right = scanLimitDegrees(s.MobileScanLimitRight);
    if (left && right) text += QStringLiteral(", scanning %1 to %2").arg(*left).arg(*right);
  }
  if (picture.beamLeft && picture.beamRight) text += QStringLiteral(", in beam");
  return text;
}

void MobilePanelView::refreshFromModel() {
  PanelView::refreshFromModel();
  if (!dial_) return;  // still being built
  const MobileDialPicture picture = mobile_.Tracking.dialPicture();
  if (!lastPainted_ || !samePicture(picture, *lastPainted_)) update(dialUpdateRect());
}

void MobilePanelView::paintExtra(QPainter& p) {
  const MobileDialPicture picture = mobile_.Tracking.dialPicture();
  lastPainted_ = picture;

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);

  // Fine graduation inside the circle every 10 degrees, longer every 30, so that
  // a bearing and the search sector can be read off the face.
  const QPointF centre = toQt(MobileDialPicture::kCentre);
  p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
  for (int deg = 0; deg < 360; deg += 10) {
    const double a = qDegreesToRadians(double(deg));
    const QPointF dir(std::sin(a), -std::cos(a));
    const double inner = deg % 30 == 0 ? 51 : 54;
    p.drawLine(centre + dir * inner, centre + dir * 57.5);
  }

  if (std::optional<ScanArcAngles> arc = scanArcAngles(picture)) {
    // Qt counts from three o'clock, counter-clockwise; the scan runs clockwise.
    QPen wide(Qt::black, kArcWidth, Qt::SolidLine, Qt::FlatCap);
    p.setPen(wide);
    const int start16 = qRound((90.0 - arc->start) * 16);
    const int span16 = -qRound(arc->span * 16);
    p.drawArc(kArcCircle, start16, span16);
  }

  QPen pen(Qt::black, kLineWidth, Qt::SolidLine, Qt::RoundCap);
  p.setPen(pen);
  p.drawEllipse(kDialCircle);

  for (DialPoint end :
       {picture.pointer, picture.crossbarA, picture.crossbarB, picture.sideLeft, picture.sideRight})
    p.drawLine(centre, toQt(end));
  if (picture.beamLeft) p.drawLine(centre, toQt(*picture.beamLeft));
  if (picture.beamRight) p.drawLine(centre, toQt(*picture.beamRight));

  // The antenna's pivot.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(centre, 3.0, 3.0);
  p.restore();
}

}  // namespace kestrom

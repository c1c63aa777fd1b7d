#include "qt/aid_display_view.h"

#include <QAccessible>
#include <QPainter>

#include "core/number_format.h"
#include "qt/colours.h"
#include "windows/aid_display.h"

namespace kestrom {

namespace {

QPointF at(Point p) {
  return QPointF(p.x, p.y);
}

constexpr int kDialRadius = 59;

// The dial and the lamp, named by what they show whenever a screen reader asks.
QAccessibleInterface* aidAccessibleFactory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (className == QLatin1String("kestrom::AidDialWidget")) {
    auto* dial = static_cast<AidDialWidget*>(object);
    return new LiveAccessible(
        dial, QAccessible::Dial, [dial] { return dial->spokenName(); },
        [dial] { return dial->accessibleDescription(); });
  }
  if (className == QLatin1String("kestrom::AidLampWidget")) {
    auto* lamp = static_cast<AidLampWidget*>(object);
    return new LiveAccessible(lamp, QAccessible::Indicator, [lamp] { return lamp->spokenName(); });
  }
  return nullptr;
}

void installAidAccessibleFactory() {
  installAccessibleFactoryOnce(aidAccessibleFactory);
}

}  // namespace

AidDialWidget::AidDialWidget(const Taiddisplay& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  installAidAccessibleFactory();
  setAccessibleName(QStringLiteral("Antenna dial"));
  setFocusPolicy(Qt::TabFocus);
}

QString AidDialWidget::spokenName() const {
  QString text = QStringLiteral("antenna bearing %1 degrees")
                     .arg(QString::fromStdString(fixed2(model_.antennaDirection())));
  if (const auto limits = model_.sectorLimits())
    text += QStringLiteral(", scanning %1 to %2").arg(limits->left).arg(limits->right);
  return text;
}

QString AidDialWidget::describe() const {
  QString text = QStringLiteral("Antenna direction %1 degrees")
                     .arg(QString::fromStdString(fixed2(model_.antennaDirection())));
  if (model_.sectorArc()) text += QStringLiteral(", autosearch sector shown");
  if (model_.InLockLinesShown) text += QStringLiteral(", in-lock lines shown");
  return text;
}

void AidDialWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);

  const AidLines g = model_.lines();
  const QPointF c = at(g.centre);
  p.drawEllipse(c, kDialRadius, kDialRadius);
  p.drawLine(c, at(g.pointer));
  p.drawLine(c, at(g.baselineA));
  p.drawLine(c, at(g.baselineB));
  p.drawLine(c, at(g.beamLeft));
  p.drawLine(c, at(g.beamRight));

  if (auto arc = model_.sectorArc()) {
    QPen wide = pen;
    wide.setWidth(5);
    wide.setCapStyle(Qt::FlatCap);
    p.setPen(wide);
    QRectF box(arc->left, arc->top, arc->right - arc->left, arc->bottom - arc->top);
    p.drawArc(box, qRound(arc->startAngle * 16), qRound(arc->spanAngle * 16));
    p.setPen(pen);
  }

  if (model_.InLockLinesShown) {
    p.drawLine(c, at(g.inLockLeft));
    p.drawLine(c, at(g.inLockRight));
  }
  if (hasFocus()) paintFocusRing(p, QRectF(rect()), 4);
}

AidLampWidget::AidLampWidget(const StatusLight& light, QWidget* parent)
    : QWidget(parent), light_(light) {
  installAidAccessibleFactory();
  setAccessibleName(QStringLiteral("Inlock Status LED"));
  setToolTip(QStringLiteral("Inlock Status LED"));
  setFocusPolicy(Qt::TabFocus);
  refresh();
}

LampSight AidLampWidget::sight() const {
  return {light_.Lit, light_.shown()};
}

bool AidLampWidget::refresh() {
  const QString before = accessibleDescription();
  if (!describe(this, lampDescription(light_.Lit, light_.shown()))) return false;
  if (!before.isEmpty()) {
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
  update();
  return true;
}

void AidLampWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  QColor fill = toQColor(light_.shown());
  QRadialGradient shine(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.5);
  shine.setColorAt(0, fill.lighter(150));
  shine.setColorAt(1, fill);
  p.setBrush(shine);
  p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.5));
  p.drawEllipse(r);
  if (hasFocus()) paintFocusRing(p, QRectF(rect()), width() / 2.0);
}

AidDisplayView::AidDisplayView(Taiddisplay& model, ViewHub& hub)
    : AuxWindowBase(model, hub), model_(model) {
  dial_ = new AidDialWidget(model, this);
  dial_->setGeometry(0, 0, width(), 158);

  placeLabel("0", QRect(69, 4, 40, 15), Qt::AlignHCenter | Qt::AlignTop);
  placeLabel("90", QRect(149, 72, 22, 15), Qt::AlignLeft | Qt::AlignVCenter);
  placeLabel("180", QRect(69, 141, 40, 15), Qt::AlignHCenter | Qt::AlignTop);
  placeLabel("270", QRect(2, 72, 27, 15), Qt::AlignRight | Qt::AlignVCenter);
  placeLabel("Antenna", QRect(49, 160, 80, 16), Qt::AlignHCenter | Qt::AlignTop);

  lamp_ = new AidLampWidget(model.ApdStatusLight1, this);
  lamp_->setGeometry(30, 188, 20, 20);

  close_ = addButton("Close", [this] { model_.BitBtn1Click(); });
  close_->move(68, 185);
  setTabOrder(dial_, lamp_);
  setTabOrder(lamp_, close_);

  announcer_ = new Announcer(this);
  announcer_->setGeometry(0, height() - 1, width(), 1);
  toldLamp_ = lamp_->sight();

  AidDisplayView::refreshControls();
}

void AidDisplayView::placeLabel(const char* text, QRect where, Qt::Alignment align) {
  QLabel* label = addLabel(text);
  label->setGeometry(where);
  label->setAlignment(align);
}

void AidDisplayView::refreshControls() {
  lamp_->refresh();
  const LampSight lamp = lamp_->sight();
  announcer_->announce(lampChange(std::exchange(toldLamp_, lamp), lamp));
  describe(dial_, dial_->describe());
  dial_->update();
}

}  // namespace kestrom

#include "qt/panel_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "qt/panel_accessibility.h"

namespace kestrom {

namespace {

constexpr QChar kSignalBar(0x7F);
const QColor kButtonShadow(0x80, 0x80, 0x80);  // the cells' background
constexpr int kMaxCellHeight = 19;             // lines are 20 pixels apart

// A key of the front plate to assistive tools: a button whose press action taps
// the key.
class PanelKeyAccessible : public QAccessibleWidget {
 public:
  explicit PanelKeyAccessible(PanelKeyButton* key) : QAccessibleWidget(key, QAccessible::Button) {}

  QStringList actionNames() const override {
    return key()->isEnabled() ? QStringList{pressAction()} : QStringList{};
  }
  void doAction(const QString& actionName) override {
    if (actionName == pressAction()) {
      key()->tap();
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = key()->isDown();
    return s;
  }

 private:
  PanelKeyButton* key() const { return static_cast<PanelKeyButton*>(widget()); }
};

// Cells read as static text, named by their text when asked (a live reading that
// changes tells no one), the lamp as an indicator named by its state, keys as
// buttons.
QAccessibleInterface* panelAccessibleFactory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("kestrom::DisplayCellWidget")) {
    auto* cell = static_cast<DisplayCellWidget*>(widget);
    return new LiveAccessible(widget, QAccessible::StaticText, [cell] { return cell->text(); });
  }
  if (className == QLatin1String("kestrom::LampWidget")) {
    auto* lamp = static_cast<LampWidget*>(widget);
    return new LiveAccessible(widget, QAccessible::Indicator,
                              [lamp] { return lamp->spokenName(); });
  }
  if (className == QLatin1String("kestrom::PanelKeyButton"))
    return new PanelKeyAccessible(static_cast<PanelKeyButton*>(widget));
  return nullptr;
}

void installAccessibleFactory() {
  installAccessibleFactoryOnce(panelAccessibleFactory);
}

int signalBarWidth(const QFontMetrics& fm) {
  return fm.horizontalAdvance(QLatin1Char('0'));
}

// Calls run(text, x) for each stretch of ordinary characters and bar(x, width) for
// each signal-bar segment, left to right; returns the total width.
template <typename Run, typename Bar>
int forEachRun(const QString& text, const QFontMetrics& fm, Run run, Bar bar) {
  const int barWidth = signalBarWidth(fm);
  int x = 0;
  qsizetype start = 0;
  auto flush = [&](qsizetype end) {
    if (end > start) {
      const QString part = text.mid(start, end - start);
      run(part, x);
      x += fm.horizontalAdvance(part);
    }
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != kSignalBar) continue;
    flush(i);
    bar(x, barWidth);
    x += barWidth;
    start = i + 1;
  }
  flush(text.size());
  return x;
}

// ---- key caps ----

struct CapColours {
  QColor top, bottom, legend;
};

CapColours capColours(PanelKey key) {
  switch (key) {
    case PanelKey::Del:
    case PanelKey::Next:
    case PanelKey::Menu:
    case PanelKey::Enter:
    case PanelKey::Left:
    case PanelKey::Right:
      return {QColor(0xcf, 0xd8, 0xe0), QColor(0x93, 0xa0, 0xac), QColor(0x14, 0x1e, 0x28)};
    case PanelKey::OnOff:
      return {QColor(0xd2, 0x52, 0x46), QColor(0x8c, 0x24, 0x1e), Qt::white};
    case PanelKey::Talk:
      return {QColor(0x74, 0x80, 0x8a), QColor(0x3a, 0x43, 0x4b), Qt::white};
    default:
      return {QColor(0xef, 0xed, 0xe6), QColor(0xb9, 0xb6, 0xad), QColor(0x1a, 0x1a, 0x1a)};
  }
}

QFont legendFont(int pixelSize) {
  QFont f = displayFont();
  f.setPixelSize(pixelSize);
  return f;
}

void drawArrowHead(QPainter& p, QPointF tip, QPointF dir) {
  const double len = std::hypot(dir.x(), dir.y());
  if (len <= 0) return;
  dir /= len;
  const QPointF normal(-dir.y(), dir.x());
  QPolygonF head;
  head << tip + dir * 4.0 << tip - dir * 4.0 + normal * 5.0 << tip - dir * 4.0 - normal * 5.0;
  p.setPen(Qt::NoPen);
  p.drawPolygon(head);
}

// An arrow curving over the top of the key towards the side it slews to.
void drawSlewArrow(QPainter& p, const QRectF& face, bool right, const QColor& colour) {
  const QRectF arc(face.center().x() - 14, face.center().y() - 7, 28, 22);
  const double startDeg = right ? 160.0 : 20.0;
  const double sweep = right ? -130.0 : 130.0;
  QPainterPath path;
  path.arcMoveTo(arc, startDeg);
  path.arcTo(arc, startDeg, sweep);
  p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);

  const double end = (startDeg + sweep) * M_PI / 180.0;
  const double rx = arc.width() / 2, ry = arc.height() / 2;
  const QPointF tip(arc.center().x() + rx * std::cos(end), arc.center().y() - ry * std::sin(end));
  // Direction of travel along the arc at its end, in screen coordinates.
  QPointF dir(-rx * std::sin(end), -ry * std::cos(end));
  if (sweep < 0) dir = -dir;
  p.setBrush(colour);
  drawArrowHead(p, tip, dir);
}

void drawLegend(QPainter& p, PanelKey key, const QRectF& face, const QColor& colour) {
  p.setPen(colour);
  switch (key) {
    case PanelKey::Left:
    case PanelKey::Right:
      drawSlewArrow(p, face, key == PanelKey::Right, colour);
      return;
    case PanelKey::OnOff: {
      p.setFont(legendFont(10));
      const QRectF upper(face.left(), face.top(), face.width(), face.height() / 2 - 1);
      const QRectF lower(face.left(), face.center().y() + 1, face.width(), face.height() / 2 - 1);
      p.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("ON"));
      p.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("OFF"));
      p.setPen(QPen(colour, 1));
      p.drawLine(QPointF(face.center().x() - 9, face.center().y()),
                 QPointF(face.center().x() + 9, face.center().y()));
      return;
    }
    case PanelKey::Talk:
    case PanelKey::Del:
    case PanelKey::Next:
    case PanelKey::Menu:
    case PanelKey::Enter:
      p.setFont(legendFont(10));
      p.drawText(face, Qt::AlignCenter, QString::fromLatin1(keyLegend(key)));
      return;
    default:
      p.setFont(legendFont(17));
      p.drawText(face, Qt::AlignCenter, QString::fromLatin1(keyLegend(key)));
      return;
  }
}

}  // namespace

QFont displayFont() {
  QFont f;
  f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                 QStringLiteral("DejaVu Sans")});
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(13);
  f.setBold(true);
  return f;
}

// ---------------------------------------------------------------- DisplayCellWidget

DisplayCellWidget::DisplayCellWidget(Cell cell, int anchorX, int top, QWidget* parent)
    : QWidget(parent),
      rightAligned_(static_cast<int>(cell) >= static_cast<int>(Cell::R1)),
      anchorX_(anchorX),
      top_(top) {
  installAccessibleFactory();
  setFont(displayFont());
  setAccessibleDescription(QString::fromLatin1(cellName(cell)));
  relayout();
}

int DisplayCellWidget::textWidth(const QString& text) {
  const QFontMetrics fm(displayFont());
  return forEachRun(
      text, fm, [](const QString&, int) {}, [](int, int) {});
}

bool DisplayCellWidget::setContent(const std::string& caption, Color colour) {
  // Display texts are single bytes: Latin-1 keeps every byte, 127 included.
  const QString text = QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
  const QColor qcolour = toQColor(colour);
  if (shown_ && text == text_ && qcolour == colour_) return false;
  shown_ = true;
  const bool textChanged = text != text_;
  text_ = text;
  colour_ = qcolour;
  if (textChanged) relayout();
  update();
  return true;
}

void DisplayCellWidget::relayout() {
  const QFontMetrics fm(font());
  const int width = textWidth(text_);
  const int height = std::min(fm.height(), kMaxCellHeight);
  const int x = rightAligned_ ? anchorX_ - width : anchorX_;
  setGeometry(x, top_, width, height);
}

void DisplayCellWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kButtonShadow);
  const QFontMetrics fm(font());
  const int baseline = fm.ascent();
  int capHeight = fm.capHeight();
  if (capHeight <= 0) capHeight = qRound(font().pixelSize() * 0.72);
  p.setPen(colour_);
  forEachRun(
      text_, fm, [&](const QString& part, int x) { p.drawText(x, baseline, part); },
      [&](int x, int w) {
        p.fillRect(x, baseline - capHeight, std::max(1, w - 1), capHeight, colour_);
      });
}

// ---------------------------------------------------------------- PanelKeyButton

PanelKeyButton::PanelKeyButton(PanelKey key, QWidget* parent) : QAbstractButton(parent), key_(key) {
  installAccessibleFactory();
  const QString legend = QString::fromLatin1(keyLegend(key));
  setText(legend);
  setAccessibleName(legend);
  // Reached by Tab only: a click leaves the focus on the display.
  setFocusPolicy(Qt::TabFocus);
  setCursor(Qt::PointingHandCursor);
}

void PanelKeyButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->modifiers()) {
    QAbstractButton::keyPressEvent(event);
    return;
  }
  event->ignore();  // the panel window's keys, also the arrows that slew
}

void PanelKeyButton::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->modifiers()) {
    QAbstractButton::keyReleaseEvent(event);
    return;
  }
  event->ignore();
}

void PanelKeyButton::tap() {
  if (isEnabled()) emit tapped();
}

namespace {

// Draws a key cap, with its legend, filling `size`.
void drawKeyCap(QPainter& p, PanelKey key, QSizeF size, bool down) {
  p.setRenderHint(QPainter::Antialiasing);
  const CapColours colours = capColours(key);
  const bool round = key == PanelKey::OnOff || key == PanelKey::Talk;
  const QRectF whole = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
  const double radius = round ? whole.width() / 2 : 5.0;

  // The well the key sits in, then the key's skirt, then its face.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawRoundedRect(whole, radius, radius);
  const QRectF skirt = whole.adjusted(1, down ? 2 : 1, -1, -1);
  p.setBrush(colours.bottom.darker(down ? 170 : 150));
  p.drawRoundedRect(skirt, radius - 1, radius - 1);
  const QRectF face =
      down ? skirt.adjusted(1.5, 1, -1.5, -1.5) : skirt.adjusted(1.5, 0, -1.5, -3.5);
  QLinearGradient g(face.topLeft(), face.bottomLeft());
  g.setColorAt(0, down ? colours.top.darker(112) : colours.top);
  g.setColorAt(1, down ? colours.bottom.darker(112) : colours.bottom);
  p.setBrush(g);
  p.setPen(QPen(colours.top.lighter(115), 0.8));
  p.drawRoundedRect(face, radius - 2, radius - 2);

  drawLegend(p, key, face, colours.legend);
}

// A key cap's picture, drawn once per key, size, state and pixel ratio and shared
// by every panel: the caps' gradients and curves cost far more than a copy, and
// a panel redraws all its keys whenever it repaints whole.
QPixmap keyCapPicture(PanelKey key, QSize size, bool down, qreal pixelRatio) {
  const QString cacheKey = QStringLiteral("kestrom-key-%1-%2x%3-%4-%5")
                               .arg(static_cast<int>(key))
                               .arg(size.width())
                               .arg(size.height())
                               .arg(down ? 1 : 0)
                               .arg(qRound(pixelRatio * 100));
  QPixmap picture;
  if (QPixmapCache::find(cacheKey, &picture)) return picture;
  picture = QPixmap(size * pixelRatio);
  picture.setDevicePixelRatio(pixelRatio);
  picture.fill(Qt::transparent);
  {
    QPainter p(&picture);
    drawKeyCap(p, key, QSizeF(size), down);
  }
  QPixmapCache::insert(cacheKey, picture);
  return picture;
}

}  // namespace

void PanelKeyButton::paintEvent(QPaintEvent*) {
  if (size().isEmpty()) return;
  QPainter p(this);
  p.drawPixmap(0, 0, keyCapPicture(key_, size(), isDown(), devicePixelRatio()));
  const bool round = key_ == PanelKey::OnOff || key_ == PanelKey::Talk;
  if (hasFocus()) paintFocusRing(p, QRectF(rect()), round ? width() / 2.0 : 6);
}

// ---------------------------------------------------------------- LampWidget

LampWidget::LampWidget(QSize lampSize, QWidget* parent) : QWidget(parent), lampSize_(lampSize) {
  installAccessibleFactory();
  setAccessibleName(QStringLiteral("Inlock Status LED"));
  setToolTip(QStringLiteral("Inlock Status LED"));
  setFocusPolicy(Qt::TabFocus);
  setLamp(false, clBlack);
}

QString LampWidget::spokenName() const {
  return lampName({lit_, colour_});
}

bool LampWidget::setLamp(bool lit, Color shown) {
  if (shown_ && lit == lit_ && shown == colour_) return false;
  const bool first = !shown_;
  const QString before = spokenName();
  shown_ = true;
  lit_ = lit;
  colour_ = shown;
  setAccessibleDescription(lampDescription(lit, shown));
  if (!first && spokenName() != before) {
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
  update();
  return true;
}

void LampWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The housing: a black bezel with a lighter edge, so that it stands out on the
  // dark plate.
  const QRectF housing = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(QColor(0x6a, 0x72, 0x7a), 1));
  p.setBrush(QColor(0x08, 0x08, 0x08));
  p.drawRoundedRect(housing, 3, 3);

  const QRectF lamp(
      QPointF((width() - lampSize_.width()) / 2.0, (height() - lampSize_.height()) / 2.0),
      QSizeF(lampSize_));
  // Lit: the lamp's colour glowing. Dark: a grey glass lens, which reads as a lamp
  // that is off whatever its unlit colour.
  const QColor c = lit_ ? toQColor(colour_) : QColor(0x4a, 0x4e, 0x52);
  QRadialGradient glow(lamp.center() - QPointF(2, 2), lamp.width() * 0.7);
  glow.setColorAt(0, c.lighter(lit_ ? 160 : 150));
  glow.setColorAt(1, lit_ ? c : c.darker(140));
  p.setBrush(glow);
  p.setPen(QPen(QColor(0xa0, 0xa6, 0xac), 1.2));  // the metal rim
  p.drawEllipse(lamp);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, lit_ ? 150 : 90));
  p.drawEllipse(QRectF(lamp.left() + 3, lamp.top() + 2.5, 4, 3));
  if (hasFocus()) paintFocusRing(p, QRectF(rect()), 3);
}

}  // namespace kestrom

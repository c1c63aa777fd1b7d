#include "qt/panel_accessibility.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <utility>
#include <vector>

#include "qt/colours.h"

namespace kestrom {

namespace {

constexpr QChar kSignalBar(0x7F);
constexpr int kFullSignal = 13;  // the longest bar a display shows
constexpr int kNotes = 4;

// Cells in the order a line is read: 1L 1R 2L 2R ...
constexpr std::array<Cell, kCellCount> kReadingOrder = {Cell::L1, Cell::R1, Cell::L2, Cell::R2,
                                                        Cell::L3, Cell::R3, Cell::L4, Cell::R4};

const QString& at(const std::array<QString, kCellCount>& cells, Cell c) {
  return cells[static_cast<int>(c)];
}

QString joinSpoken(const QStringList& parts) {
  return parts.join(QStringLiteral(", "));
}

// What the lamp's colour means to a trainee.
QString colourWord(Color c) {
  if ((c & 0xFFFFFF) == clLime) return QStringLiteral("green");
  return colourName(c);
}

// The display read as text: its lines and the caret on one of them.
class PanelDisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit PanelDisplayAccessible(PanelDisplay* display)
      : QAccessibleWidget(display, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    s.editable = false;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  // No selection: the display is read, not edited.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}

  int cursorPosition() const override { return display()->caretOffset(); }
  void setCursorPosition(int position) override { display()->setCaretOffset(position); }
  QString text(int start, int end) const override {
    const QString all = display()->text();
    start = std::clamp(start, 0, static_cast<int>(all.size()));
    end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, int(all.size()));
    return all.mid(start, end - start);
  }
  QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
  int characterCount() const override { return static_cast<int>(display()->text().size()); }
  // Each line spread over the display's width, one line under the other.
  QRect characterRect(int offset) const override {
    const QStringList& lines = display()->lines();
    const QRect r = rect();
    if (lines.isEmpty() || r.isEmpty()) return {};
    const int lineHeight = r.height() / static_cast<int>(lines.size());
    int start = 0;
    for (int i = 0; i < lines.size(); ++i) {
      const int length = static_cast<int>(lines[i].size()) + 1;  // the line break counted
      if (offset < start + length || i == lines.size() - 1) {
        const int width = r.width() / std::max(length, 1);
        return QRect(r.left() + (offset - start) * width, r.top() + i * lineHeight, width,
                     lineHeight);
      }
      start += length;
    }
    return {};
  }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  PanelDisplay* display() const { return static_cast<PanelDisplay*>(widget()); }
};

// The notifications' status bar, and the notifications themselves.
QAccessibleInterface* accessibilityFactory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("kestrom::PanelDisplay"))
    return new PanelDisplayAccessible(static_cast<PanelDisplay*>(widget));
  if (className == QLatin1String("kestrom::Announcer"))
    return new QAccessibleWidget(widget, QAccessible::StatusBar);
  if (className == QLatin1String("kestrom::DialStandIn")) {
    auto* dial = static_cast<DialStandIn*>(widget);
    return new LiveAccessible(
        widget, QAccessible::Dial, [dial] { return dial->name(); },
        [dial] { return dial->description(); });
  }
  if (className == QLatin1String("kestrom::AnnouncementNote")) {
    auto* note = static_cast<AnnouncementNote*>(widget);
    return new LiveAccessible(widget, QAccessible::Notification,
                              [note] { return note->message(); });
  }
  return nullptr;
}

void installFactory() {
  installAccessibleFactoryOnce(accessibilityFactory);
}

}  // namespace

void installAccessibleFactoryOnce(QAccessible::InterfaceFactory factory) {
  static std::vector<QAccessible::InterfaceFactory> installed;
  if (std::find(installed.begin(), installed.end(), factory) != installed.end()) return;
  installed.push_back(factory);
  QAccessible::installFactory(factory);
}

QString spokenCell(const QString& cell) {
  QString out;
  int bars = 0;
  auto flushBars = [&] {
    if (bars == 0) return;
    out += QStringLiteral(" signal %1 of %2 ").arg(bars).arg(kFullSignal);
    bars = 0;
  };
  for (QChar ch : cell) {
    if (ch == kSignalBar) {
      ++bars;
      continue;
    }
    flushBars();
    out += ch;
  }
  flushBars();
  return out.simplified();
}

QStringList displayLines(const std::array<QString, kCellCount>& cells) {
  QStringList lines;
  for (size_t line = 0; line < 4; ++line) {
    QStringList parts;
    for (Cell c : {kReadingOrder[2 * line], kReadingOrder[2 * line + 1]}) {
      const QString part = spokenCell(at(cells, c));
      if (!part.isEmpty()) parts << part;
    }
    lines << parts.join(QStringLiteral("   "));
  }
  return lines;
}

QString spokenScreen(const std::array<QString, kCellCount>& cells) {
  QStringList parts;
  for (Cell c : kReadingOrder) {
    const QString part = spokenCell(at(cells, c));
    if (!part.isEmpty()) parts << part;
  }
  return joinSpoken(parts);
}

QString spokenChanges(const std::array<QString, kCellCount>& before,
                      const std::array<QString, kCellCount>& now) {
  QStringList parts;
  for (Cell c : kReadingOrder) {
    if (at(before, c) == at(now, c)) continue;
    const QString part = spokenCell(at(now, c));
    if (!part.isEmpty()) parts << part;
  }
  return joinSpoken(parts);
}

QString lampName(LampSight lamp) {
  return QStringLiteral("in-lock lamp: ") +
         (lamp.lit ? colourWord(lamp.colour) : QStringLiteral("off"));
}

QString lampChange(LampSight before, LampSight now) {
  if (before == now) return {};
  QString lamp =
      QStringLiteral("in-lock lamp ") + (now.lit ? colourWord(now.colour) : QStringLiteral("off"));
  const auto is = [](LampSight l, Color c) { return l.lit && (l.colour & 0xFFFFFF) == c; };
  if (is(now, clLime)) return lamp + QStringLiteral(", in lock");
  if (is(before, clLime)) return lamp + QStringLiteral(", lock lost");
  if (is(now, clRed)) return lamp + QStringLiteral(", in beam");
  if (is(before, clRed)) return lamp + QStringLiteral(", out of beam");
  return lamp;
}

// ---------------------------------------------------------------- Announcer

AnnouncementNote::AnnouncementNote(QWidget* parent) : QWidget(parent) {
  installFactory();
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void AnnouncementNote::say(const QString& message) {
  hide();
  message_ = message;
  show();
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  installFactory();
  setObjectName(QStringLiteral("announcer"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(QStringLiteral("Messages"));
  for (int i = 0; i < kNotes; ++i) notes_.push_back(new AnnouncementNote(this));
}

bool Announcer::announce(const QString& message) {
  if (message.isEmpty() || !window()->isActiveWindow() || !isVisible()) return false;
  AnnouncementNote* note = notes_[next_];
  next_ = (next_ + 1) % kNotes;
  if (shown_ && shown_ != note) shown_->hide();
  note->setGeometry(rect());
  note->say(message);
  shown_ = note;
  return true;
}

QString Announcer::lastMessage() const {
  return shown_ ? shown_->message() : QString();
}

LiveAccessible::LiveAccessible(QWidget* widget, QAccessible::Role role,
                               std::function<QString()> name, std::function<QString()> description)
    : QAccessibleWidget(widget, role),
      name_(std::move(name)),
      description_(std::move(description)) {}

QString LiveAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && name_) return name_();
  if (t == QAccessible::Description && description_) return description_();
  return QAccessibleWidget::text(t);
}

DialStandIn::DialStandIn(QWidget* parent, std::function<QString()> name,
                         std::function<QString()> description)
    : QWidget(parent), name_(std::move(name)), description_(std::move(description)) {
  installFactory();
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

// ---------------------------------------------------------------- PanelDisplay

PanelDisplay::PanelDisplay(const QString& name, QWidget* parent) : QWidget(parent) {
  installFactory();
  setObjectName(QStringLiteral("display"));
  setAccessibleName(name);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  lines_ = QStringList(4, QString());
}

bool PanelDisplay::setLines(const QStringList& lines) {
  if (lines == lines_) return false;
  lines_ = lines;
  caretLine_ = std::clamp(caretLine_, 0, std::max(0, static_cast<int>(lines_.size()) - 1));
  return true;
}

int PanelDisplay::caretOffset() const {
  int offset = 0;
  for (int i = 0; i < caretLine_ && i < lines_.size(); ++i)
    offset += static_cast<int>(lines_[i].size()) + 1;
  return offset;
}

void PanelDisplay::setCaretOffset(int offset) {
  int start = 0;
  for (int i = 0; i < lines_.size(); ++i) {
    start += static_cast<int>(lines_[i].size()) + 1;
    if (offset < start) {
      moveCaret(i);
      return;
    }
  }
}

void PanelDisplay::moveCaret(int line) {
  line = std::clamp(line, 0, std::max(0, static_cast<int>(lines_.size()) - 1));
  caretLine_ = line;
  // Said even when the caret stays: Up on the first line reads it again.
  QAccessibleTextCursorEvent event(this, caretOffset());
  QAccessible::updateAccessibility(&event);
}

void PanelDisplay::keyPressEvent(QKeyEvent* event) {
  const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
  if (plain && event->key() == Qt::Key_Up) {
    moveCaret(caretLine_ - 1);
  } else if (plain && event->key() == Qt::Key_Down) {
    moveCaret(caretLine_ + 1);
  } else {
    event->ignore();  // the panel's keys: the window acts on them
  }
}

void PanelDisplay::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  QPainter p(this);
  paintFocusRing(p, QRectF(rect()), 11);
}

void paintFocusRing(QPainter& p, const QRectF& rect, double radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0xff, 0xb0, 0x30), 2));
  p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), radius, radius);
  p.restore();
}

}  // namespace kestrom

#pragma once

#include <QAccessibleWidget>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "core/controls.h"
#include "panels/common/display_cell.h"

namespace kestrom {

// What a screen reader is given of the station panels and the AID display.
//
// A screen reader hears a change only through an event it speaks, and the one it
// speaks for an object that is not focused, whatever holds the focus, is a
// notification that a status bar shows: Announcer below. Name and description
// changes are not spoken (the toolkit sends them in a form the reader drops), nor
// are text changes of a read-only text. So the panels say each new screen, each
// typed value and each change of the lamp through an Announcer, and show the live
// readings only in the display's text, which the reader reads when asked.

// A cell's text as it is read out: signal-bar segments (character 127) as
// "signal N of 13", runs of spaces as one, no spaces at either end.
QString spokenCell(const QString& cell);

// The display's four lines, each as read out: left cell, then right cell.
QStringList displayLines(const std::array<QString, kCellCount>& cells);

// A whole screen as read out: its cells in reading order, blank ones left out.
QString spokenScreen(const std::array<QString, kCellCount>& cells);

// The cells of `now` that differ from `before`, in reading order, blank ones left
// out: what a key typed or stepped on the screen.
QString spokenChanges(const std::array<QString, kCellCount>& before,
                      const std::array<QString, kCellCount>& now);

// An in-lock lamp as a trainee sees it: dark, or lit in a colour.
struct LampSight {
  bool lit = false;
  Color colour = clBlack;
  friend bool operator==(const LampSight&, const LampSight&) = default;
};

// "in-lock lamp: off", "in-lock lamp: red", "in-lock lamp: green" ...
QString lampName(LampSight lamp);
// What a change of the lamp means: "in-lock lamp red, in beam", "in-lock lamp
// green, in lock", "in-lock lamp off, lock lost" ...
QString lampChange(LampSight before, LampSight now);

// One notification of an Announcer: a status bar's message.
class AnnouncementNote : public QWidget {
  Q_OBJECT
 public:
  explicit AnnouncementNote(QWidget* parent);
  const QString& message() const { return message_; }
  // Shows `message` anew, so that screen readers say it.
  void say(const QString& message);

 private:
  QString message_;
};

// Says short messages to screen readers, as a status bar's notifications. Each
// message is said once, when its notification shows; a message is given only
// while the window is the active one, so that of several windows showing the
// same change only the one the trainee works in speaks. The widget draws nothing
// and takes no mouse.
class Announcer : public QWidget {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* parent);
  // Says `message` unless it is empty or the window is not active; true when it did.
  bool announce(const QString& message);
  // The message given last, or empty.
  QString lastMessage() const;

 private:
  // A screen reader reads a notification's text when it comes to the event,
  // which may be after the next message: each message gets its own notification,
  // taken in turn.
  std::vector<AnnouncementNote*> notes_;
  int next_ = 0;
  AnnouncementNote* shown_ = nullptr;
};

// Installs `factory` for assistive tools the first time it is asked for; later
// calls with the same factory do nothing.
void installAccessibleFactoryOnce(QAccessible::InterfaceFactory factory);

// An accessible interface whose name (and description, when given) is read from
// the widget each time an assistive tool asks: a live value changes without
// telling anyone, and a screen reader reads what is shown now.
class LiveAccessible : public QAccessibleWidget {
 public:
  LiveAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> name,
                 std::function<QString()> description = nullptr);
  QString text(QAccessible::Text t) const override;

 private:
  std::function<QString()> name_;
  std::function<QString()> description_;
};

// Stands for a dial drawn by its window, to assistive tools: a dial whose name and
// description are read live, so that the antenna's turning tells no one anything
// until asked. It draws nothing and takes no mouse.
class DialStandIn : public QWidget {
  Q_OBJECT
 public:
  DialStandIn(QWidget* parent, std::function<QString()> name,
              std::function<QString()> description = nullptr);
  QString name() const { return name_ ? name_() : QString(); }
  QString description() const { return description_ ? description_() : QString(); }

 private:
  std::function<QString()> name_;
  std::function<QString()> description_;
};

// The object that stands for a panel's display to screen readers: a read-only
// text of four lines over the display window, which holds the keyboard focus in
// the panel. Up and Down move its caret from line to line, so that a screen reader
// reads the display line by line. Setting new lines tells assistive tools
// nothing: what changes on a screen is said by the panel's Announcer.
class PanelDisplay : public QWidget {
  Q_OBJECT
 public:
  PanelDisplay(const QString& name, QWidget* parent);

  // Shows new lines; false when they were already shown.
  bool setLines(const QStringList& lines);
  const QStringList& lines() const { return lines_; }
  QString text() const { return lines_.join(QLatin1Char('\n')); }
  int caretLine() const { return caretLine_; }
  // Offset in text() of the start of the caret's line.
  int caretOffset() const;
  void setCaretOffset(int offset);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void moveCaret(int line);

  QStringList lines_;
  int caretLine_ = 0;
};

// Draws a keyboard-focus ring just inside `rect`.
void paintFocusRing(QPainter& painter, const QRectF& rect, double radius);

}  // namespace kestrom

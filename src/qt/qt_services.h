#pragma once

#include <QPointer>
#include <QTimer>
#include <deque>
#include <random>

#include "core/seams.h"

class QMessageBox;
class QWidget;

namespace kestrom {

// Random numbers from a Mersenne twister seeded once at start.
class StdRandom : public RandomSource {
 public:
  StdRandom();
  int random(int n) override;
  double randomReal() override;

 private:
  std::mt19937 engine_;
};

// The machine's clock, shown as "HH:MM:SS".
class SystemClock : public WallClock {
 public:
  std::string timeOfDay() override;
};

// Message boxes, captioned with the application's title. A box that only tells
// (information, error) opens once the event that raised it has been handled, one
// at a time in the order they were raised, modal to the whole program: whoever
// pressed the control, a mouse or an assistive tool through its action, gets the
// press back at once rather than when the box is closed. A warning that asks
// waits for its answer.
class QtMessageBoxes : public MessageBoxes {
 public:
  QtMessageBoxes();
  ~QtMessageBoxes() override;
  QtMessageBoxes(const QtMessageBoxes&) = delete;
  QtMessageBoxes& operator=(const QtMessageBoxes&) = delete;

  void information(const std::string& text) override;
  Answer warningOkCancel(const std::string& text) override;
  void error(const std::string& text) override;

  // The box on show now, if any (for tests).
  QMessageBox* shownBox() const;

 private:
  struct Pending {
    bool critical;
    QString text;
  };
  void tell(bool critical, const std::string& text);
  void showNext();

  std::deque<Pending> waiting_;
  QPointer<QMessageBox> shown_;
  QTimer showSoon_;  // shows the next box once the event loop runs again
};

}  // namespace kestrom

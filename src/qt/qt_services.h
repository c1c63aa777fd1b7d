#pragma once

#include <random>

#include "core/seams.h"

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

// Modal message boxes, captioned with the application's title.
class QtMessageBoxes : public MessageBoxes {
 public:
  void information(const std::string& text) override;
  Answer warningOkCancel(const std::string& text) override;
  void error(const std::string& text) override;
};

}  // namespace kestrom

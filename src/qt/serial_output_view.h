#pragma once

#include <QWidget>

#include "qt/view_hub.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace kestrom {

class Simulator;
class SerialOutput;
struct ComboBox;
struct CheckBox;

// The serial output settings in the right-hand half of the setup window:
// " Communications Setup ", " Per. Output Telegrams " and " Peripheral Output ".
// Every control forwards to the model's event and has all views re-read their
// models. A failure message that the model left pending (a port that failed
// during a timer tick or by itself) is shown from the event loop, never from
// inside the tick.
class SerialOutputView : public QWidget, public ModelView {
 public:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 440;

  SerialOutputView(Simulator& sim, ViewHub& hub, QWidget* parent = nullptr);
  ~SerialOutputView() override;

  void refreshFromModel() override;

 private:
  // The model's event for a list or a box. (Plain functions rather than member
  // pointers: GCC 12's sanitizers misreport member pointers called from a slot.)
  using ListEvent = void (*)(SerialOutput&, int);
  using BoxEvent = void (*)(SerialOutput&, bool);
  QComboBox* addList(QGroupBox* group, const char* name, int y, ListEvent change);
  QCheckBox* addBox(QGroupBox* group, const char* name, const char* caption, int y, BoxEvent click);
  void afterEvent();
  void showPendingMessages();

  Simulator& sim_;
  SerialOutput& model_;
  ViewHub& hub_;
  QComboBox* coms_ = nullptr;
  QComboBox* baudrate_ = nullptr;
  QComboBox* databits_ = nullptr;
  QComboBox* parity_ = nullptr;
  QComboBox* stopbits_ = nullptr;
  QComboBox* updaterate_ = nullptr;
  QComboBox* telegrams_ = nullptr;
  QLabel* transmitting_ = nullptr;
  QCheckBox* comport_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
};

}  // namespace kestrom

#pragma once

#include <QWidget>
#include <initializer_list>
#include <utility>
#include <vector>

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
  // Where its last group ends; what follows below it in the half may start here.
  static constexpr int kGroupsBottom = 404;

  SerialOutputView(Simulator& sim, ViewHub& hub, QWidget* parent = nullptr);
  ~SerialOutputView() override;

  void refreshFromModel() override;

 private:
  // The model's event for a list or a box. (Plain functions rather than member
  // pointers: GCC 12's sanitizers misreport member pointers called from a slot.)
  using ListEvent = void (*)(SerialOutput&, int);
  using BoxEvent = void (*)(SerialOutput&, bool);
  // A list of the settings: its name, what it is called to assistive tools (its
  // items speak for themselves on screen, with no label beside it), the model's
  // list and the model's event.
  struct ListRow {
    const char* name;
    const char* spoken;
    const ComboBox& shown;
    ListEvent change;
  };
  // The rows' lists one below the other in `group`.
  void addLists(QGroupBox* group, std::initializer_list<ListRow> rows);
  void addList(QGroupBox* group, const ListRow& row, int y);
  void addBox(QGroupBox* group, const char* name, const char* caption, int y, const CheckBox& shown,
              BoxEvent click);
  void afterEvent();
  void showPendingMessages();

  Simulator& sim_;
  SerialOutput& model_;
  ViewHub& hub_;
  // Each list and box of the view with the model control it shows.
  std::vector<std::pair<QComboBox*, const ComboBox*>> lists_;
  std::vector<std::pair<QCheckBox*, const CheckBox*>> boxes_;
  QLabel* transmitting_ = nullptr;
};

// Fills the setup window's right-hand half: the serial output settings with the
// network output below them.
void fillTelegramHalf(Simulator& sim, ViewHub& hub, QWidget* rightHalf);

}  // namespace kestrom

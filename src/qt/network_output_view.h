#pragma once

#include <QGroupBox>
#include <utility>
#include <vector>

#include "qt/view_hub.h"

class QCheckBox;
class QLineEdit;

namespace kestrom {

class Simulator;
class NetworkOutput;
struct CheckBox;
struct Edit;

// " Network Output " below the serial settings in the setup window's right-hand
// half: the TCP server's box and port, the UDP box, port and host. A channel that
// failed by itself has its message shown from the event loop, as the serial
// output's is.
class NetworkOutputView : public QGroupBox, public ModelView {
 public:
  static constexpr int kWidth = 192;
  static constexpr int kHeight = 104;

  NetworkOutputView(Simulator& sim, ViewHub& hub, QWidget* parent = nullptr);
  ~NetworkOutputView() override;

  void refreshFromModel() override;

 private:
  using BoxEvent = void (*)(NetworkOutput&, bool);
  using EditEvent = void (*)(NetworkOutput&, const std::string&);
  void addBox(const char* name, const char* caption, int y, const CheckBox& shown, BoxEvent click);
  void addEdit(const char* name, const char* spoken, QRect where, const Edit& shown,
               EditEvent change);
  void afterEvent();
  void showPendingMessages();

  Simulator& sim_;
  NetworkOutput& model_;
  ViewHub& hub_;
  std::vector<std::pair<QCheckBox*, const CheckBox*>> boxes_;
  std::vector<std::pair<QLineEdit*, const Edit*>> edits_;
};

}  // namespace kestrom

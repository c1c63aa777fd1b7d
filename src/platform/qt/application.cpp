#include "platform/qt/application.h"

#include <QApplication>

#include "platform/qt/about_box_view.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/mk3_unit_view.h"
#include "platform/qt/prescreen_view.h"

namespace kestrom {

Application::Application()
    : sim_(Services{random_, clock_, dialogs_, tone_, help_, serial_}), hub_(sim_) {
  // About box; its program icon is every window's icon.
  QApplication::setWindowIcon(appIcon());
  views_.push_back(std::make_unique<AboutBoxView>(sim_.about(), hub_));

  // Mk 3 fix control data unit.
  views_.push_back(std::make_unique<Mk3UnitView>(sim_.mk3(), hub_));

  // Prescreen.
  views_.push_back(std::make_unique<PrescreenView>(sim_.prescreen(), hub_));
}

Application::~Application() = default;

void Application::start() {
  sim_.start();
  hub_.refreshAll();
}

}  // namespace kestrom

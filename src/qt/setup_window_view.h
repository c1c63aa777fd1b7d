#pragma once

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

#include "qt/view_hub.h"
#include "setup/setup_window.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QScrollArea;
class QWindow;

namespace kestrom {

class Simulator;

// The setup window on screen: the menu bar and, in setup mode, the scenario
// controls below it. The right-hand half (x 200..400) is a container for the
// serial output settings. Every control forwards to the model's event and then
// has all views re-read their models; the window's size, enabled states and
// check marks come from the model.
class SetupWindowView : public QMainWindow, public ModelView {
 public:
  SetupWindowView(Simulator& sim, ViewHub& hub, QWidget* parent = nullptr);
  // The program's setup window: `fillRightHalf` puts the serial output settings
  // into the right-hand half, and the controls below the menu bar are built the
  // first time the window grows beyond its menu bar, so start-up builds the menu
  // bar alone.
  SetupWindowView(Simulator& sim, ViewHub& hub, std::function<void(QWidget*)> fillRightHalf);
  ~SetupWindowView() override;

  void refreshFromModel() override;

  // The empty right-hand half, for the serial output settings; shown only while
  // the window is wide enough for it.
  QWidget* rightHalf() const { return rightHalf_; }
  // The action of a menu or menu item by its component name ("Exit1", "Setup1"...).
  QAction* menuAction(const char* name) const;
  // Adds "Session Log" at the end of the View menu; choosing it calls `open`.
  QAction* addSessionLogItem(const std::function<void()>& open);

  // Height of the area below the menu bar in setup mode.
  static constexpr int kBodyHeight = Tmenumain::kSetupHeight - Tmenumain::kMenuHeight;
  // The right-hand half reaches this much lower than the left, for the network
  // output below the serial settings; the window grows by it while that half shows.
  static constexpr int kNetworkHeight = 78;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Shows a menu's hint when the pointer rests on it in the menu bar.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct MenuBinding {
    const Tmenumain::MenuEntry* entry;
    QAction* action;
  };

  void buildMenus();
  // Hooks the view to its model and the hub once its widgets exist.
  void attach();
  QMenu* addMenu(const Tmenumain::MenuEntry& e, QMenu* parent);
  QAction* addItem(const Tmenumain::MenuEntry& e, QMenu* parent);
  void buildBody();
  // Builds the controls when the model first asks for more than the menu bar.
  void buildBodyWhenWidened();
  void buildStationChoice(QWidget* left);
  void buildMk3Settings(QWidget* left);
  void buildSoftwareChoice(QWidget* left);
  void buildScenario(QWidget* left);
  static void addSectorQuadrants(QWidget* left);
  // A list named `name` and captioned by `caption` (its name to assistive tools),
  // showing `shown`, whose choices go to `change`.
  QComboBox* addList(QWidget* parent, const char* name, QLabel* caption, QRect where,
                     const ComboBox& shown, std::function<void(int)> change);
  // An edit of up to `digits` digits named `name` and captioned by `caption`.
  QLineEdit* addEdit(QWidget* parent, const char* name, QLabel* caption, QRect where, int digits,
                     const Edit& shown, const std::function<void(const std::string&)>& type,
                     const std::function<void()>& finish);
  void addButton(QWidget* parent, const char* name, const char* text, QRect where,
                 void (Tmenumain::*click)());
  // Hands each choice in a list to `change`, then has every view re-read its model.
  void forwardList(QComboBox* list, std::function<void(int)> change);
  // Typing in an edit goes to `type` key by key and `finish` ends the entry (Return,
  // the focus leaving). Any other change of its text is a whole entry: `type` and
  // then `finish`. `shown` is the model's edit.
  void forwardEdit(QLineEdit* edit, const Edit& shown,
                   const std::function<void(const std::string&)>& type,
                   const std::function<void()>& finish);
  void forward(void (Tmenumain::*event)());
  void fitToScreen(QPoint corner, QSize wanted, QSize body);
  void scrollBody(bool scrolls);
  void onFocusWindowChanged(QWindow* now);
  void endProgram();

  Tmenumain& model_;
  ViewHub& hub_;
  std::vector<MenuBinding> menus_;
  bool refreshing_ = false;
  bool lastFocusWasOtherWindow_ = false;
  bool ending_ = false;

  // Draws each control of the body from its model, in the order they were made.
  std::vector<std::function<void()>> redraws_;
  QWidget* body_ = nullptr;
  QWidget* rightHalf_ = nullptr;
  QScrollArea* scroller_ = nullptr;  // round the body while the screen is too small for it
  QSize wanted_;                     // the size the model last asked for
  std::function<void(QWidget*)> fillRightHalf_;
};

}  // namespace kestrom

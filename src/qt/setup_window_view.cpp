#include "qt/setup_window_view.h"
#include "qt/startup_trace.h"

#include "qt/compact_menu_bar_style.h"
#include "qt/control_sync.h"
#include "qt/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QShortcut>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

#include "simulator/simulator.h"

namespace kestrom {

namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

// Radio buttons are exclusive: checking the model's one unchecks the others.
void showRadio(QRadioButton* radio, const CheckBox& model) {
  if (model.Checked && !radio->isChecked()) radio->setChecked(true);
  radio->setEnabled(model.Enabled);
}

QLabel* label(const char* text, QWidget* parent, int x, int y) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->move(x, y);
  return l;
}

// A plain window of the program (not a menu, list, tooltip or modal dialog).
bool isOtherPlainWindow(QWindow* w) {
  if (!w || w->modality() != Qt::NonModal) return false;
  const Qt::WindowType type = w->type();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

}  // namespace

SetupWindowView::SetupWindowView(Simulator& sim, ViewHub& hub, QWidget* parent)
    : QMainWindow(parent), model_(sim.setupWindow()), hub_(hub) {
  setObjectName(QStringLiteral("menumain"));
  setWindowTitle(qs(model_.Caption()));
  buildMenus();
  buildBody();
  attach();
}

SetupWindowView::SetupWindowView(Simulator& sim, ViewHub& hub,
                                 std::function<void(QWidget*)> fillRightHalf)
    : model_(sim.setupWindow()), hub_(hub), fillRightHalf_(std::move(fillRightHalf)) {
  setObjectName(QStringLiteral("menumain"));
  setWindowTitle(qs(model_.Caption()));
  buildMenus();
  startup::mark("setup window menus");
  attach();
}

void SetupWindowView::attach() {
  model_.onQuit = [this] { endProgram(); };
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &SetupWindowView::onFocusWindowChanged);
  hub_.addView(this);
  SetupWindowView::refreshFromModel();
}

SetupWindowView::~SetupWindowView() {
  model_.onQuit = nullptr;
  hub_.removeView(this);
  // The window closes only after this part of it is gone: an edit losing the focus
  // then must not reach the model through this view.
  for (QObject* control : findChildren<QObject*>()) control->disconnect(this);
}

QAction* SetupWindowView::menuAction(const char* name) const {
  for (const MenuBinding& b : menus_) {
    if (qstrcmp(b.entry->name, name) == 0) return b.action;
  }
  return nullptr;
}

QAction* SetupWindowView::addSessionLogItem(const std::function<void()>& open) {
  auto* view = findChild<QMenu*>(QStringLiteral("View1"));
  if (!view) return nullptr;
  QAction* action = view->addAction(QStringLiteral("Session &Log"));
  action->setObjectName(QStringLiteral("SessionLog1"));
  action->setStatusTip(QStringLiteral("What the trainee did, for the debrief"));
  connect(action, &QAction::triggered, this, open);
  return action;
}

void SetupWindowView::forward(void (Tmenumain::*event)()) {
  if (refreshing_) return;
  (model_.*event)();
  hub_.refreshAll();
}

bool SetupWindowView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == menuBar() && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    QAction* action = menuBar()->actionAt(help->pos());
    if (action && !action->statusTip().isEmpty()) {
      QToolTip::showText(help->globalPos(), action->statusTip(), menuBar());
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void SetupWindowView::buildMenus() {
  menuBar()->setNativeMenuBar(false);
  menuBar()->installEventFilter(this);
  // Five menus share the 200 pixels of the bare window.
  menuBar()->setStyle(CompactMenuBarStyle::instance());
  const auto& table = Tmenumain::menuTable();
  QMenu* openMenus[3] = {nullptr, nullptr, nullptr};
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Tmenumain::MenuEntry& e = table[i];
    const bool hasItems = i + 1 < table.size() && table[i + 1].depth > e.depth;
    QMenu* parent = e.depth == 0 ? nullptr : openMenus[e.depth - 1];
    QAction* action = nullptr;
    if (hasItems) {
      QMenu* menu = addMenu(e, parent);
      openMenus[e.depth] = menu;
      action = menu->menuAction();
    } else {
      action = addItem(e, parent);
    }
    action->setObjectName(QString::fromUtf8(e.name));
    action->setCheckable(e.checkable);
    if (*e.hint) {
      action->setStatusTip(QString::fromUtf8(e.hint));
      action->setToolTip(QString::fromUtf8(e.hint));
    }
    menus_.push_back({&e, action});
  }
}

// A menu in the menu bar (no parent) or in its parent menu.
QMenu* SetupWindowView::addMenu(const Tmenumain::MenuEntry& e, QMenu* parent) {
  auto* menu = new QMenu(QString::fromUtf8(e.caption), this);
  menu->setObjectName(QString::fromUtf8(e.name));
  if (parent) {
    parent->addMenu(menu);
  } else {
    menuBar()->addMenu(menu);
  }
  if (*e.shortcut) {
    // The shortcut of a menu opens it.
    QAction* action = menu->menuAction();
    auto* sc = new QShortcut(QKeySequence(QString::fromUtf8(e.shortcut)), this);
    connect(sc, &QShortcut::activated, this,
            [this, action] { menuBar()->setActiveAction(action); });
  }
  return menu;
}

// A menu item in the menu bar (no parent) or in its parent menu.
QAction* SetupWindowView::addItem(const Tmenumain::MenuEntry& e, QMenu* parent) {
  auto* action = new QAction(QString::fromUtf8(e.caption), this);
  if (parent) {
    parent->addAction(action);
  } else {
    menuBar()->addAction(action);
  }
  if (*e.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(e.shortcut)));
  if (e.click) {
    auto click = e.click;
    connect(action, &QAction::triggered, this, [this, click] { forward(click); });
  }
  return action;
}

void SetupWindowView::buildBody() {
  body_ = new QWidget(this);
  body_->setObjectName(QStringLiteral("body"));
  QFont small = body_->font();
  small.setPointSize(8);
  body_->setFont(small);
  setCentralWidget(body_);

  auto* left = new QWidget(body_);
  left->setGeometry(0, 0, Tmenumain::kMenuWidth, kBodyHeight);
  buildStationChoice(left);
  buildMk3Settings(left);
  buildSoftwareChoice(left);
  buildScenario(left);
  addButton(left, "BitBtn1", "Exit Setup", QRect(4, 336, 192, 28), &Tmenumain::BitBtn1Click);
  auto* peripheral = new QGroupBox(QStringLiteral(" Peripheral Output "), left);
  peripheral->setGeometry(4, 372, 192, 62);
  addButton(peripheral, "BitBtn2", "Setup Telegrams", QRect(8, 22, 176, 28),
            &Tmenumain::BitBtn2Click);

  rightHalf_ = new QWidget(body_);
  rightHalf_->setObjectName(QStringLiteral("rightHalf"));
  rightHalf_->setGeometry(Tmenumain::kMenuWidth, 0,
                          Tmenumain::kTelegramWidth - Tmenumain::kMenuWidth,
                          kBodyHeight + kNetworkHeight);
}

// The counter station, one radio button each.
void SetupWindowView::buildStationChoice(QWidget* left) {
  auto* stations = new QGroupBox(left);
  stations->setObjectName(QStringLiteral("CounterStation"));
  // The group shows no title; a screen reader announces this one on entering it.
  stations->setAccessibleName(QStringLiteral("Counter station"));
  stations->setGeometry(4, 2, 192, 92);
  struct Radio {
    const CheckBox& shown;
    const char* name;
    const char* text;
    void (Tmenumain::*click)();
  };
  const Radio radios[] = {
      {model_.RadioButton4, "RadioButton4", "Kestrom Mk 4 Fix Station",
       &Tmenumain::RadioButton4Click},
      {model_.RadioButton2, "RadioButton2", "Kestrom Mk 3 Fix Station",
       &Tmenumain::RadioButton2Click},
      {model_.RadioButton3, "RadioButton3", "Kestrom Mk 4 Beacon", &Tmenumain::RadioButton3Click},
      {model_.RadioButton1, "RadioButton1", "Kestrom Mk 3 Beacon", &Tmenumain::RadioButton1Click},
  };
  int y = 6;
  for (const Radio& r : radios) {
    auto* radio = new QRadioButton(QString::fromUtf8(r.text), stations);
    radio->setObjectName(QString::fromUtf8(r.name));
    radio->setGeometry(8, y, 180, 20);
    auto click = r.click;
    connect(radio, &QRadioButton::toggled, this, [this, click](bool on) {
      if (on) forward(click);
    });
    const CheckBox* shown = &r.shown;
    redraws_.push_back([radio, shown] { showRadio(radio, *shown); });
    y += 21;
  }
}

// The Mk 3 station's address, frequency and the Mobile's frequency offset.
void SetupWindowView::buildMk3Settings(QWidget* left) {
  QLabel* addr = label("Addr.", left, 6, 98);
  QLabel* freq = label("Freq.", left, 74, 98);
  QLabel* mob = label("Mob.", left, 114, 98);
  QComboBox* address = addList(left, "ComboBox3", addr, QRect(4, 114, 66, 22), model_.ComboBox3,
                               [this](int i) { model_.ComboBox3Change(i); });
  QLineEdit* frequency = addEdit(
      left, "MaskEdit2", freq, QRect(72, 114, 38, 22), 4, model_.MaskEdit2,
      [this](const std::string& t) { model_.MaskEdit2Change(t); },
      [this] { model_.MaskEdit2Exit(); });
  QComboBox* offset = addList(left, "ComboBox5", mob, QRect(112, 114, 84, 22), model_.ComboBox5,
                              [this](int i) { model_.ComboBox5Change(i); });
  // The short captions spelt out for a screen reader.
  address->setAccessibleDescription(QStringLiteral("Address code pair of the Mk 3 station"));
  frequency->setAccessibleDescription(QStringLiteral("Frequency of the Mk 3 station in MHz"));
  offset->setAccessibleDescription(QStringLiteral("Frequency offset of the Mobile"));
}

// The software in the Mobile.
void SetupWindowView::buildSoftwareChoice(QWidget* left) {
  auto* software = new QGroupBox(QStringLiteral(" Software in Mobile Kestrom "), left);
  software->setGeometry(4, 140, 192, 44);
  auto* shuttle = new QCheckBox(QStringLiteral("Shuttle Tanker Software"), software);
  shuttle->setObjectName(QStringLiteral("CheckBox2"));
  shuttle->setGeometry(8, 18, 180, 20);
  redraws_.push_back([this, shuttle] { showCheckBox(shuttle, model_.CheckBox2); });
  // toggled, not clicked: an assistive tool's toggle action changes the box without
  // a click.
  connect(shuttle, &QCheckBox::toggled, this, [this](bool on) {
    if (refreshing_) return;
    model_.CheckBox2Click(on);
    hub_.refreshAll();
  });
}

// Range to the station, the sector with the quadrants it names, and the level.
void SetupWindowView::buildScenario(QWidget* left) {
  addEdit(
      left, "MaskEdit1", label("Range to station", left, 6, 190), QRect(4, 206, 56, 22), 5,
      model_.MaskEdit1, [this](const std::string& t) { model_.MaskEdit1Change(t); },
      [this] { model_.MaskEdit1Exit(); });
  label("Mtr.", left, 64, 210);

  addList(left, "ComboBox1", label("Sector", left, 6, 236), QRect(4, 252, 56, 22), model_.ComboBox1,
          [this](int i) { model_.ComboBox1Change(i); });
  addSectorQuadrants(left);

  addList(left, "ComboBox2", label("Level", left, 6, 286), QRect(4, 302, 112, 22), model_.ComboBox2,
          [this](int i) { model_.ComboBox2Change(i); });
}

void SetupWindowView::addSectorQuadrants(QWidget* left) {
  auto* quadrants = new QFrame(left);
  quadrants->setObjectName(QStringLiteral("Sectors"));
  quadrants->setGeometry(120, 228, 64, 64);
  auto* grid = new QGridLayout(quadrants);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  const char* names[2][2] = {{"4", "1"}, {"3", "2"}};
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < 2; ++c) {
      auto* q = new QLabel(QString::fromUtf8(names[r][c]), quadrants);
      q->setAlignment(Qt::AlignCenter);
      q->setFrameShape(QFrame::Box);
      grid->addWidget(q, r, c);
    }
  }
}

QComboBox* SetupWindowView::addList(QWidget* parent, const char* name, QLabel* caption, QRect where,
                                    const ComboBox& shown, std::function<void(int)> change) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromUtf8(name));
  nameAfterLabel(caption, list);
  list->setGeometry(where);
  showList(list, shown);
  forwardList(list, std::move(change));
  redraws_.push_back([list, &shown] { showList(list, shown); });
  return list;
}

QLineEdit* SetupWindowView::addEdit(QWidget* parent, const char* name, QLabel* caption, QRect where,
                                    int digits, const Edit& shown,
                                    const std::function<void(const std::string&)>& type,
                                    const std::function<void()>& finish) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromUtf8(name));
  nameAfterLabel(caption, edit);
  edit->setGeometry(where);
  edit->setMaxLength(digits);
  const QRegularExpression digitsOnly(QStringLiteral("\\d{0,%1}").arg(digits));
  edit->setValidator(new QRegularExpressionValidator(digitsOnly, edit));
  forwardEdit(edit, shown, type, finish);
  redraws_.push_back([edit, &shown] { showEdit(edit, shown); });
  return edit;
}

void SetupWindowView::addButton(QWidget* parent, const char* name, const char* text, QRect where,
                                void (Tmenumain::*click)()) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(where);
  button->setAutoDefault(true);  // Return presses it when focused, as Space does
  connect(button, &QPushButton::clicked, this, [this, click] { forward(click); });
}

void SetupWindowView::forwardList(QComboBox* list, std::function<void(int)> change) {
  forwardChoices(
      list,
      [this, change = std::move(change)](int index) {
        if (refreshing_) return;
        change(index);
        hub_.refreshAll();
      },
      [this] { hub_.refreshAll(); });
}

void SetupWindowView::forwardEdit(QLineEdit* edit, const Edit& shown,
                                  const std::function<void(const std::string&)>& type,
                                  const std::function<void()>& finish) {
  connect(edit, &QLineEdit::textEdited, this, [this, type](const QString& t) {
    if (refreshing_) return;
    type(t.toStdString());
    hub_.refreshAll();
  });
  connect(edit, &QLineEdit::editingFinished, this, [this, finish] {
    if (refreshing_) return;
    finish();
    hub_.refreshAll();
  });
  // Typing has been handed on by textEdited, which comes first; a text the model
  // refused is already replaced, so its textChanged is stale. What is left is a
  // change made by other means (an assistive tool writing the text): a whole entry.
  connect(edit, &QLineEdit::textChanged, this,
          [this, edit, &shown, type, finish](const QString& t) {
            if (refreshing_ || t != edit->text() || t == qs(shown.Text)) return;
            type(t.toStdString());
            finish();
            hub_.refreshAll();
          });
}

void SetupWindowView::buildBodyWhenWidened() {
  if (body_) return;
  if (model_.Height <= Tmenumain::kMenuHeight && model_.Width <= Tmenumain::kMenuWidth) return;
  buildBody();
  if (fillRightHalf_) fillRightHalf_(rightHalf_);
  body_->show();
  startup::mark("setup window controls");
}

void SetupWindowView::refreshFromModel() {
  buildBodyWhenWidened();
  refreshing_ = true;
  const QList<QWidget*> controls = body_ ? body_->findChildren<QWidget*>() : QList<QWidget*>();
  for (QWidget* w : controls) w->blockSignals(true);

  for (const MenuBinding& b : menus_) {
    const MenuItem& item = model_.*(b.entry->item);
    b.action->setEnabled(item.Enabled);
    b.action->setVisible(item.Visible);
    if (b.entry->checkable) b.action->setChecked(item.Checked);
  }
  for (const auto& redraw : redraws_) redraw();

  for (QWidget* w : controls) w->blockSignals(false);

  // The height counts the menu bar and the frame as the window always has: the
  // bare menu height shows the menu bar alone.
  int bodyHeight = std::max(0, model_.Height - Tmenumain::kMenuHeight);
  if (model_.Width == Tmenumain::kTelegramWidth && model_.Height == Tmenumain::kSetupHeight) {
    bodyHeight += kNetworkHeight;
  }
  const QSize wanted(model_.Width, menuBar()->sizeHint().height() + bodyHeight);
  const bool opening = model_.Visible() && !isVisible();
  if (opening || wanted != wanted_) {
    const QSize before = size();
    fitToScreen(opening ? QPoint(0, 0) : pos(), wanted, QSize(model_.Width, bodyHeight));
    // Grown for editing: bring the controls in front of the panels they overlap.
    const bool grows = size().height() > before.height() || size().width() > before.width();
    if (grows && isVisible()) raise();
  }
  // A part the size leaves out is hidden, not only cut off: its controls then take
  // no focus, no key reaches them and assistive tools see them as not on show.
  if (body_) {
    body_->setVisible(bodyHeight > 0);
    rightHalf_->setVisible(model_.Width > Tmenumain::kMenuWidth);
    // Hiding passes the focus on to a control still on show; with none left it
    // would stay, and take keys, on the hidden one.
    if (QWidget* focus = focusWidget(); focus && !focus->isVisible()) focus->clearFocus();
  }

  if (model_.Visible() && !isVisible()) {
    show();
  } else if (!model_.Visible() && isVisible()) {
    hide();
  }
  refreshing_ = false;
}

// The window at `corner` (its frame's) showing the menu bar over a body of
// `body`, in the free area of its screen: moved in where it would reach off it, and
// where the screen is too small for it, the body scrolls under the menu bar.
void SetupWindowView::fitToScreen(QPoint corner, QSize wanted, QSize body) {
  wanted_ = wanted;
  const WindowPlacement place =
      placementFor(*this, corner, wanted, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  scrollBody(place.scrolls);
  if (scroller_) body_->resize(body);
  if (place.rect.size() != size() || minimumSize() != place.rect.size())
    setFixedSize(place.rect.size());
  if (place.rect.topLeft() != pos()) move(place.rect.topLeft());
}

// Puts the body into a scrolling area under the menu bar, or takes it out again.
// The control with the keyboard keeps it.
void SetupWindowView::scrollBody(bool scrolls) {
  if (!body_ || scrolls == (scroller_ != nullptr)) return;
  QPointer<QWidget> focus = QApplication::focusWidget();
  if (focus && !body_->isAncestorOf(focus)) focus = nullptr;
  if (scrolls) {
    scroller_ = new QScrollArea;
    scroller_->setObjectName(QStringLiteral("bodyScroller"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidget(takeCentralWidget());
    setCentralWidget(scroller_);
  } else {
    setCentralWidget(scroller_->takeWidget());  // and the area goes
    scroller_ = nullptr;
  }
  if (focus) focus->setFocus();
}

void SetupWindowView::onFocusWindowChanged(QWindow* now) {
  // The window collapses to its menu bar when the operator comes back to it from
  // another window of the program; not on its first showing, not on return from a
  // menu, a list or a message box, and not from another program.
  const bool fromOtherWindow = lastFocusWasOtherWindow_;
  QWindow* own = windowHandle();
  lastFocusWasOtherWindow_ = now && now != own && isOtherPlainWindow(now);
  if (now && now == own && fromOtherWindow && !ending_) {
    model_.FormActivate();
    hub_.refreshAll();
  }
}

void SetupWindowView::closeEvent(QCloseEvent* event) {
  if (model_.Visible() && !ending_) {
    model_.Close();  // ends the program
    hub_.refreshAll();
  }
  event->accept();
}

void SetupWindowView::endProgram() {
  if (ending_) return;
  ending_ = true;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w == this || !w->isVisible()) continue;
    w->close();
    if (w->isVisible()) w->hide();
  }
  hide();
  QCoreApplication::quit();
}

}  // namespace kestrom

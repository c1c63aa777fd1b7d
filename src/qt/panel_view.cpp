#include "qt/panel_view.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "qt/panel_plate.h"

namespace kestrom {

namespace {

std::optional<PanelKey> panelKeyFor(const QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return std::nullopt;
  const int k = event->key();
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return static_cast<PanelKey>(k - Qt::Key_0);
  switch (k) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      return PanelKey::Del;
    case Qt::Key_N:
      return PanelKey::Next;
    case Qt::Key_M:
      return PanelKey::Menu;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return PanelKey::Enter;
    case Qt::Key_Left:
      return PanelKey::Left;
    case Qt::Key_Right:
      return PanelKey::Right;
    default:
      return std::nullopt;
  }
}

bool isSlew(PanelKey key) {
  return key == PanelKey::Left || key == PanelKey::Right;
}

// Long enough for the press that follows an unflagged repeat's release, short
// against the slew's 100 ms step.
constexpr int kLetGoDelayMs = 30;

// Where a span of `length` pixels begins that starts at `anchor`, ends on it, or
// (neither) is centred on it.
int hang(int anchor, int length, bool startsThere, bool endsThere) {
  if (startsThere) return anchor;
  if (endsThere) return anchor - length + 1;
  return anchor - length / 2;
}

// The rect of `size` that hangs from `anchor` on the sides `align` names; centred
// on it along an axis where no side is named.
QRect hungFrom(QPoint anchor, Qt::Alignment align, QSize size) {
  const int x = hang(anchor.x(), size.width(), align & Qt::AlignLeft, align & Qt::AlignRight);
  const int y = hang(anchor.y(), size.height(), align & Qt::AlignTop, align & Qt::AlignBottom);
  return QRect(QPoint(x, y), size);
}

bool contains(const std::vector<PanelKey>& keys, PanelKey key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

PanelView::PanelView(StationPanel& model, PanelGeometry geometry, ViewHub& hub, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      model_(model),
      geometry_(std::move(geometry)),
      hub_(hub) {
  setAttribute(Qt::WA_QuitOnClose, false);  // closing a panel only hides it
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(geometry_.client);
  if (geometry_.windowPos) move(*geometry_.windowPos);
  setWindowTitle(QString::fromStdString(model_.Caption()));
  setFocusPolicy(Qt::StrongFocus);

  display_ = new PanelDisplay(geometry_.displayName, this);
  display_->setGeometry(geometry_.display);
  display_->setToolTip(
      QStringLiteral("R reads the display aloud; Up and Down read it line by line"));
  setFocusProxy(display_);
  if (geometry_.dial) addDialLabels(*geometry_.dial);
  addCells();
  addKeys();

  letGoTimer_.setSingleShot(true);
  letGoTimer_.setInterval(kLetGoDelayMs);
  connect(&letGoTimer_, &QTimer::timeout, this, &PanelView::letGoPendingKeys);

  lamp_ = new LampWidget(geometry_.lampSize, this);
  lamp_->setGeometry(geometry_.lampPanel);
  announcer_ = new Announcer(this);
  announcer_->setGeometry(0, geometry_.client.height() - 1, geometry_.client.width(), 1);
  orderTabs();

  hub_.addView(this);
  PanelView::refreshFromModel();
}

// The dial's texts, each hung from its anchor point on the side it names.
void PanelView::addDialLabels(const DialFace& dial) {
  QFont labelFont = displayFont();
  labelFont.setBold(false);
  labelFont.setPixelSize(11);
  for (const DialLabel& d : dial.labels) {
    auto* label = new QLabel(d.text, this);
    label->setFont(labelFont);
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    label->adjustSize();
    label->setGeometry(hungFrom(d.anchor, d.align, label->size()));
  }
}

void PanelView::addCells() {
  // Left cells first, as their right neighbours lie on top where a line overlaps.
  for (int i = 0; i < kCellCount; ++i) {
    const Cell c = static_cast<Cell>(i);
    const bool right = i >= static_cast<int>(Cell::R1);
    cells_[i] = new DisplayCellWidget(c, right ? geometry_.cellRightX : geometry_.cellLeftX,
                                      geometry_.lineTops[i % 4], this);
  }
}

// Slew keys act while the mouse holds them; the others on a click.
void PanelView::addKeys() {
  for (const KeyPlace& place : geometry_.keys) {
    auto* button = new PanelKeyButton(place.key, this);
    button->setGeometry(place.rect);
    const PanelKey key = place.key;
    if (button->actsWhileHeld()) {
      connect(button, &QAbstractButton::pressed, this, [this, key] { hold(key, heldByMouse_); });
      connect(button, &QAbstractButton::released, this, [this, key] { letGo(key, heldByMouse_); });
    } else {
      connect(button, &QAbstractButton::clicked, this, [this, key] { press(key); });
    }
    connect(button, &PanelKeyButton::tapped, this, [this, key] { tap(key); });
    keys_.push_back(button);
  }
}

// Tab: the display, the keys as the plate lays them out, the lamp.
void PanelView::orderTabs() {
  QWidget* before = display_;
  for (PanelKeyButton* key : keys_) {
    setTabOrder(before, key);
    before = key;
  }
  setTabOrder(before, lamp_);
}

PanelView::~PanelView() {
  hub_.removeView(this);
}

PanelKeyButton* PanelView::keyButton(PanelKey key) const {
  for (PanelKeyButton* b : keys_)
    if (b->key() == key) return b;
  return nullptr;
}

void PanelView::refreshFromModel() {
  std::array<QString, kCellCount> texts;
  for (int i = 0; i < kCellCount; ++i) {
    cells_[i]->setContent(model_.Cells[i].Caption, model_.Cells[i].FontColor);
    texts[i] = cells_[i]->text();
  }

  // The lamp is in sight while dark too; it lights while its panel is shown.
  const StatusLight& light = model_.ApdStatusLight1;
  const bool lit = light.Lit && model_.Panel1Visible;
  lamp_->setLamp(lit, lit ? light.LitColor : light.UnlitColor);

  const QString caption = QString::fromStdString(model_.Caption());
  if (windowTitle() != caption) setWindowTitle(caption);

  if (model_.Visible() == isHidden()) {
    setVisible(model_.Visible());
    if (isVisible()) {  // opened by the trainee: the keyboard comes along
      display_->setFocus();
      activateWindow();
    }
  }
  tellScreenReaders(texts, {lit, lit ? light.LitColor : light.UnlitColor});
}

std::optional<Cell> PanelView::editedCell() const {
  const BlinkRow* row = findBlinkRow(model_.tables().blink, model_.MenuState, model_.EditField);
  return row ? std::optional<Cell>(row->blinking) : std::nullopt;
}

void PanelView::tellScreenReaders(const std::array<QString, kCellCount>& texts, LampSight lamp) {
  const QStringList lines = displayLines(texts);
  display_->setLines(lines);
  const bool keyActed = std::exchange(keyActed_, false);
  const std::optional<Cell> edited = editedCell();
  const bool newScreen = model_.MenuState != toldScreen_;
  QStringList said;
  if (std::exchange(told_, true)) {
    if (newScreen) said << spokenScreen(texts);
    if (!newScreen && keyActed) said << spokenChanges(toldTexts_, texts);
    if (edited && (newScreen || (keyActed && edited != toldEdit_)))
      said << QStringLiteral("editing ") + lines[static_cast<int>(*edited) % 4];
    said << lampChange(toldLamp_, lamp);
    said.removeAll(QString());
  }
  toldScreen_ = model_.MenuState;
  toldTexts_ = texts;
  toldLamp_ = lamp;
  toldEdit_ = edited;
  if (!said.isEmpty()) announcer_->announce(said.join(QStringLiteral(". ")));
}

void PanelView::readDisplayAloud() {
  announcer_->announce(spokenScreen(toldTexts_));
}

void PanelView::press(PanelKey key) {
  model_.press(key);
  keyActed_ = true;
  hub_.refreshAll();
  keyActed_ = false;
}

void PanelView::release(PanelKey key) {
  model_.release(key);
  keyActed_ = true;
  hub_.refreshAll();
  keyActed_ = false;
}

void PanelView::tap(PanelKey key) {
  if (isHeld(key)) return;  // already down: the hold goes on until let go
  model_.tap(key);
  keyActed_ = true;
  hub_.refreshAll();
  keyActed_ = false;
}

bool PanelView::isHeld(PanelKey key) const {
  return contains(heldByMouse_, key) || contains(heldByKeyboard_, key);
}

void PanelView::hold(PanelKey key, std::vector<PanelKey>& by) {
  if (contains(by, key)) return;
  const bool wasHeld = isHeld(key);
  by.push_back(key);
  if (!wasHeld) press(key);
}

void PanelView::letGo(PanelKey key, std::vector<PanelKey>& by) {
  if (!contains(by, key)) return;  // already let go, e.g. when the window hid
  std::erase(by, key);
  if (!isHeld(key)) release(key);
}

void PanelView::letGoPendingKeys() {
  letGoTimer_.stop();
  std::vector<PanelKey> pending;
  pending.swap(pendingLetGo_);
  for (PanelKey k : pending) letGo(k, heldByKeyboard_);
}

void PanelView::releaseHeldKeys() {
  letGoTimer_.stop();
  pendingLetGo_.clear();
  std::vector<PanelKey> held = heldByMouse_;
  for (PanelKey k : heldByKeyboard_)
    if (!contains(held, k)) held.push_back(k);
  heldByMouse_.clear();
  heldByKeyboard_.clear();
  for (PanelKeyButton* b : keys_)
    if (b->actsWhileHeld() && b->isDown()) b->setDown(false);
  for (PanelKey k : held) release(k);
}

void PanelView::paintEvent(QPaintEvent*) {
  const qreal dpr = devicePixelRatioF();
  if (plate_.isNull() || plate_.devicePixelRatio() != dpr) {
    plate_ = QPixmap(geometry_.client * dpr);
    plate_.setDevicePixelRatio(dpr);
    QPainter pp(&plate_);
    paintPlate(pp, geometry_);
  }
  QPainter p(this);
  p.drawPixmap(0, 0, plate_);
  p.setRenderHint(QPainter::Antialiasing);
  paintExtra(p);
}

void PanelView::keyPressEvent(QKeyEvent* event) {
  const std::optional<PanelKey> key = panelKeyFor(event);
  if (!key) {
    if (event->key() == Qt::Key_R && !(event->modifiers() & ~Qt::KeypadModifier)) {
      event->accept();
      if (!event->isAutoRepeat()) readDisplayAloud();
      return;
    }
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat()) return;
  if (event->timestamp() != 0 && event->timestamp() == lastReleaseTime_ &&
      event->key() == lastReleasedKey_)
    return;  // the second half of an unflagged repeat
  if (isSlew(*key)) {
    if (contains(pendingLetGo_, *key)) {
      std::erase(pendingLetGo_, *key);  // the key is still held
      return;
    }
    hold(*key, heldByKeyboard_);
    return;
  }
  press(*key);
}

void PanelView::keyReleaseEvent(QKeyEvent* event) {
  const std::optional<PanelKey> key = panelKeyFor(event);
  if (!key) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat()) return;
  lastReleasedKey_ = event->key();
  lastReleaseTime_ = event->timestamp();
  if (!contains(heldByKeyboard_, *key) || contains(pendingLetGo_, *key)) return;
  pendingLetGo_.push_back(*key);
  letGoTimer_.start();
}

void PanelView::closeEvent(QCloseEvent* event) {
  event->accept();
  if (model_.Visible()) model_.Close();
  hub_.refreshAll();
}

void PanelView::hideEvent(QHideEvent* event) {
  releaseHeldKeys();
  QWidget::hideEvent(event);
}

void PanelView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) releaseKeyboardKeys();
  QWidget::changeEvent(event);
}

void PanelView::releaseKeyboardKeys() {
  letGoTimer_.stop();
  pendingLetGo_.clear();
  std::vector<PanelKey> held = heldByKeyboard_;
  for (PanelKey k : held) letGo(k, heldByKeyboard_);
}

}  // namespace kestrom

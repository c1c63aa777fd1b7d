#include "panels/common/station_panel.h"

#include <iterator>

#include "core/trim.h"
#include "setup/context.h"

namespace kestrom {

const char* cellName(Cell c) {
  static constexpr const char* names[kCellCount] = {"1L", "2L", "3L", "4L", "1R", "2R", "3R", "4R"};
  return names[static_cast<int>(c)];
}

const char* keyLegend(PanelKey k) {
  static constexpr const char* legends[] = {"0",    "1",     "2",    "3",     "4",      "5",
                                            "6",    "7",     "8",    "9",     "DEL",    "NEXT",
                                            "MENU", "ENTER", "LEFT", "RIGHT", "ON/OFF", "TALK"};
  static_assert(std::size(legends) == static_cast<std::size_t>(PanelKey::Talk) + 1);
  return legends[static_cast<int>(k)];
}

StationPanel::StationPanel(Context& ctx, WindowIndex index, std::string caption, int width,
                           int height, int blinkIntervalMs, bool blinkRunning,
                           const PanelTables& tables)
    : SimulatedWindow(ctx, index, std::move(caption), width, height),
      Timer4(scheduler(), timerOrder(4), blinkIntervalMs, blinkRunning),
      tables_(tables) {
  Timer4.setHandler([this] { Timer4Timer(); });
}

SimulationState& StationPanel::state() {
  return ctx_.state();
}

Services& StationPanel::services() {
  return ctx_.services();
}

const char* StationPanel::logName() const {
  // The window's place in the creation order, which names the panel.
  switch (static_cast<WindowIndex>(timerOrder(0) / 100)) {
    case WindowIndex::Fix:
      return "Fix";
    case WindowIndex::Beacon:
      return "Beacon";
    default:
      return "Mobile";
  }
}

std::string StationPanel::enterText() const {
  if (!tables_.findEnter(MenuState)) return {};
  std::string text;
  for (int i = 0; i < kCellCount; ++i) {
    const std::string_view shown = trimSpaces(value(static_cast<Cell>(i)));
    if (shown.empty()) continue;
    if (!text.empty()) text += " | ";
    text += shown;
  }
  return text;
}

void StationPanel::press(PanelKey key) {
  ActivityLog& log = services().log();
  const int before = MenuState;
  if (key == PanelKey::Enter) log.enter(logName(), before, enterText());
  act(key);
  log.key(logName(), keyLegend(key), before, MenuState);
}

void StationPanel::act(PanelKey key) {
  switch (key) {
    case PanelKey::Del:
      DelKey();
      break;
    case PanelKey::Next:
      NextKey();
      break;
    case PanelKey::Menu:
      MenuKey();
      break;
    case PanelKey::Enter:
      EnterKey();
      break;
    case PanelKey::Left:
      SlewKeyDown(false);
      break;
    case PanelKey::Right:
      SlewKeyDown(true);
      break;
    case PanelKey::OnOff:
      OnOffKey();
      break;
    case PanelKey::Talk:
      TalkKey();
      break;
    default:
      DigitKey(static_cast<char>('0' + static_cast<int>(key)));
      break;
  }
}

void StationPanel::release(PanelKey key) {
  if (key == PanelKey::Left) SlewKeyUp(false);
  if (key == PanelKey::Right) SlewKeyUp(true);
}

void StationPanel::tap(PanelKey key) {
  press(key);
  if (key != PanelKey::Left && key != PanelKey::Right) return;
  SlewStep();
  release(key);
}

void StationPanel::DigitKey(char digit) {
  // Only the ten digit keys lead here; any other character would be typed into
  // a stored number.
  if (digit < '0' || digit > '9') return;
  keyInStep(digit);
  navigate(digit);
}

void StationPanel::keyInStep(char digit) {
  if (const KeyInRoutine* routine = tables_.findKeyIn(MenuState)) {
    runKeyIn(*routine, *this, digit);
  }
}

void StationPanel::navigate(char digit) {
  performMove(tables_.findMenuKey(MenuState, digit));
}

void StationPanel::DelKey() {
  Timer4.start();
  setAllCellsBlack();
  const DelRule* rule = tables_.findDel(MenuState);
  if (!rule) return;
  if (rule->kind == DelRule::Kind::AsMenu) {
    MenuKey();
    return;
  }
  if (rule->kind == DelRule::Kind::Screen) {
    enterScreen(rule->parent);
    return;
  }
  MenuState = rule->parent;
  DigitKey(rule->key);
}

void StationPanel::NextKey() {
  Timer4.start();
  if (tables_.nextBlackensCells) setAllCellsBlack();
  // What was typed still counts on the next field: only ENTER starts typing afresh.
  if (const FieldCycleRow* cycle = tables_.findFieldCycle(MenuState)) {
    EditField = EditField + 1 >= cycle->fieldCount ? 0 : EditField + 1;
  }
  performMove(tables_.findPage(MenuState));
}

void StationPanel::MenuKey() {
  Timer4.start();
  if (KeyCount != 0) return;
  EditField = 0;
  setAllCellsBlack();
  enterScreen(0);
}

void StationPanel::EnterKey() {
  Timer4.start();
  setAllCellsBlack();
  KeyCount = 0;
  enterStep();
  setAllCellsBlack();
}

void StationPanel::enterStep() {
  const EnterRow* row = tables_.findEnter(MenuState);
  if (!row) return;
  for (const EnterStep& step : row->steps) {
    if (!step(*this)) return;
  }
}

void StationPanel::Timer4Timer() {
  blinkTick(Cells, tables_.blink, MenuState, EditField);
}

void StationPanel::enterScreen(int number, int variant) {
  static constexpr Cell left[4] = {Cell::L1, Cell::L2, Cell::L3, Cell::L4};
  static constexpr Cell right[4] = {Cell::R1, Cell::R2, Cell::R3, Cell::R4};
  const Screen* screen = tables_.findScreen(number, variant);
  std::array<std::string, kCellCount> texts;
  if (screen) {
    for (int i = 0; i < 4; ++i) {
      texts[static_cast<int>(left[i])] = screen->lines[i].left.render(*this);
      texts[static_cast<int>(right[i])] = screen->lines[i].right.render(*this);
    }
  }
  for (int i = 0; i < kCellCount; ++i) Cells[i].Caption = std::move(texts[i]);
  overlays_ = {};
  MenuState = number;
  shownVariant_ = variant;
  if (screen && screen->editFieldOnEntry >= 0) EditField = screen->editFieldOnEntry;
  if (screen && screen->startsBlink) Timer4.start();
}

void StationPanel::performMove(const Move& move) {
  if (move.action) {
    move.action(*this);
  } else if (move.screen >= 0) {
    enterScreen(move.screen, move.variant);
  }
}

void StationPanel::overlay(Cell c, std::string text) {
  std::optional<Overlay>& o = overlays_[static_cast<int>(c)];
  // A second overlay keeps the screen's own text underneath.
  std::string before = o && cell(c).Caption == o->shown ? o->before : cell(c).Caption;
  cell(c).Caption = text;
  o = Overlay{std::move(text), std::move(before)};
}

const std::string& StationPanel::value(Cell c) const {
  const std::optional<Overlay>& o = overlays_[static_cast<int>(c)];
  const std::string& shown = cell(c).Caption;
  return o && shown == o->shown ? o->before : shown;
}

void StationPanel::setAllCellsBlack() {
  for (DisplayCell& c : Cells) c.FontColor = clBlack;
}

}  // namespace kestrom

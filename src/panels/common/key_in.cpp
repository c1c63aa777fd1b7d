#include "panels/common/key_in.h"

#include <algorithm>

#include "panels/common/station_panel.h"

namespace kestrom {
namespace {

struct Runner {
  const KeyInRoutine& routine;
  StationPanel& panel;
  char digit;
  std::size_t index;  // of the action in routine.fields
  StepColours colours;
  bool blackensRefused;

  void stopBlink() {
    if (routine.stopsBlink) panel.Timer4.stop();
  }

  void operator()(const TypedEntry& t) {
    stopBlink();
    if (blackensRefused) panel.cell(t.cell).FontColor = clBlack;
    int& count = panel.KeyCount;
    if (count >= t.limit) return;
    if (count < static_cast<int>(t.allowed.size())) {
      const std::string& ok = t.allowed[count];
      if (!ok.empty() && ok.find(digit) == std::string::npos) return;
    }
    DisplayCell& c = panel.cell(t.cell);
    c.FontColor = clBlack;
    if (count == 0) c.Caption = t.start;
    for (const Separator& s : t.separators) {
      if (count == s.at) {
        c.Caption += s.ch;
        ++count;
      }
    }
    c.Caption += digit;
    ++count;
    if (!t.suffix.empty() && count >= t.limit) c.Caption += t.suffix;
    if (t.storesIn) panel.state().*t.storesIn = c.Caption;
  }

  void operator()(const OptionStep& o) {
    std::int32_t& code = panel.state().*o.code;
    const OptionList& list = o.listFor ? o.listFor(panel.state()) : *o.list;
    const OptionEntry* entry = findOption(list, code);
    if (!entry) return;
    stopBlink();
    if (colours != StepColours::Untouched) {
      panel.cell(o.cell).FontColor = clBlack;
      if (colours == StepColours::FieldAndPrevious) {
        std::size_t n = routine.fields.size();
        panel.cell(cellOf(routine.fields[(index + n - 1) % n])).FontColor = clBlack;
      }
    }
    panel.cell(o.cell).Caption = entry->text;
    code = entry->next;
  }

  void operator()(const TextToggle& t) {
    stopBlink();
    DisplayCell& c = panel.cell(t.cell);
    if (colours != StepColours::Untouched) c.FontColor = clBlack;
    c.Caption = c.Caption == t.from ? t.to : t.from;
  }

  static Cell cellOf(const FieldAction& a) {
    return std::visit([](const auto& step) { return step.cell; }, a.step);
  }
};

}  // namespace

void runKeyIn(const KeyInRoutine& routine, StationPanel& panel, char digit) {
  const auto& fields = routine.fields;
  auto it = std::find_if(fields.begin(), fields.end(), [&](const FieldAction& a) {
    return a.field == kAnyField || a.field == panel.EditField;
  });
  if (it == fields.end()) {
    // Typing stops the blink before it looks at the field, so a digit on a field
    // the screen does not type into still stops it; option lists do nothing.
    bool typing = std::any_of(fields.begin(), fields.end(), [](const FieldAction& a) {
      return !std::holds_alternative<OptionStep>(a.step);
    });
    if (typing && routine.stopsBlink) panel.Timer4.stop();
    return;
  }
  const KeyInStyle& style = panel.tables().keyInStyle;
  const bool ownStyle = routine.colours == StepColours::PanelStyle;
  std::visit(Runner{routine, panel, digit, static_cast<std::size_t>(it - fields.begin()),
                    ownStyle ? style.colours : routine.colours, ownStyle && style.blackensRefused},
             it->step);
}

}  // namespace kestrom

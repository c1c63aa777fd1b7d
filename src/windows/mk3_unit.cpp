#include "windows/mk3_unit.h"

namespace kestrom {

Tfix3::Tfix3(Context& ctx)
    : SimulatedWindow(ctx, WindowIndex::Mk3Unit, "Kestrom Mk 3 Fix Control Data Unit", 556, 192) {}

std::vector<std::string> Tfix3::allTexts() const {
  std::vector<std::string> texts(ControlTexts.begin(), ControlTexts.end());
  texts.insert(texts.end(), SelectorTexts.begin(), SelectorTexts.end());
  texts.insert(texts.end(), SupplyTexts.begin(), SupplyTexts.end());
  texts.push_back(DisplayText);
  texts.insert(texts.end(), KeyLegends.begin(), KeyLegends.end());
  return texts;
}

}  // namespace kestrom

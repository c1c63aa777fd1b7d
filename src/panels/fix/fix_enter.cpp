#include "panels/fix/fix_enter.h"

#include "panels/fix/fix_panel.h"

namespace kestrom {

namespace {
constexpr const StationSide& kOwn = kFixSide;
constexpr const StationSide& kRemote = kMobileSide;
}  // namespace

std::vector<EnterRow> fixEnterRows() {
  return {
      {{6},
       {fieldAfter(FieldAfter::Zero), storeFrequencyPair(kOwn),
        memberStep<Tfix, &Tfix::startPairRamp>}},
      {{7}, {storeAddress(kOwn, kRemote, AddressForm::ZeroBeforeOneChar)}},
      {{8},
       {checkFrequency(), storeCell(Cell::R2, kOwn.mk3FreqOffset),
        memberStep<Tfix, &Tfix::startAdjustRamp>, fieldAfter(FieldAfter::Toggle)}},
  };
}

}  // namespace kestrom

#pragma once

#include <vector>

#include "panels/common/blink.h"
#include "panels/common/key_in.h"

namespace kestrom {

// The Mobile panel's key-in routines, each with the screens (MenuState) it serves:
// the typed fields and the option lists the digit keys step.
const std::vector<KeyInBinding>& mobileKeyIn();

// The Mobile's output telegram texts, padded for its display.
const OptionList& mobileOutTelegramOptions();

// Which cell blinks on which screen and field.
std::vector<BlinkRow> mobileBlinkRows();

}  // namespace kestrom

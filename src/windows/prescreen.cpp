#include "windows/prescreen.h"

namespace kestrom {

TPreForm::TPreForm(Simulator& sim)
    : WindowModel(sim, WindowIndex::Prescreen, "", 360, 220) {}

}  // namespace kestrom

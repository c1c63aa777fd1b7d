#include "windows/prescreen.h"

namespace kestrom {

TPreForm::TPreForm(Simulator& sim) : WindowModel(sim, WindowIndex::Prescreen, "", 420, 300) {}

}  // namespace kestrom

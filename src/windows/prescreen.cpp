#include "windows/prescreen.h"

namespace kestrom {

TPreForm::TPreForm(Context& ctx) : SimulatedWindow(ctx, WindowIndex::Prescreen, "", 420, 300) {}

}  // namespace kestrom

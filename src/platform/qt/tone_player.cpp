#include "platform/qt/tone_player.h"

namespace kestrom {

void QtTonePlayer::play(const std::vector<Beep>& beeps) { (void)beeps; }

}  // namespace kestrom

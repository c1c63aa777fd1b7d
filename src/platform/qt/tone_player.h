#pragma once

#include "platform/seams.h"

namespace kestrom {

// Plays beep sequences on the audio output without blocking the user interface.
class QtTonePlayer : public TonePlayer {
 public:
  void play(const std::vector<Beep>& beeps) override;
};

}  // namespace kestrom

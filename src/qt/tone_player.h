#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <vector>

#include "core/seams.h"

class QAudioSink;

namespace kestrom {

// Renders beeps as sine tones in `format` (16-bit, 32-bit, float or unsigned
// 8-bit samples, any channel count): each beep lasts exactly its duration, one
// after another; a beep of 0 Hz is a pause. Edges are faded over 2 ms to avoid clicks.
QByteArray renderBeeps(const std::vector<Beep>& beeps, const QAudioFormat& format);

// Plays beep sequences on the default audio output without blocking the user
// interface. A sequence asked for while another plays is queued behind it.
// Without an audio output, or when the output fails, it stays silent.
class QtTonePlayer : public QObject, public TonePlayer {
  Q_OBJECT
 public:
  QtTonePlayer();
  ~QtTonePlayer() override;

  void play(const std::vector<Beep>& beeps) override;

  // True while a sequence is being played.
  bool playing() const { return sink_ != nullptr; }

 private:
  void startNext();
  void stop();
  void onStateChanged();

  QAudioFormat format_;
  QAudioSink* sink_ = nullptr;  // child of this player
  QTimer next_;                 // starts the next sequence outside the sink's signal
  QBuffer buffer_;
  QByteArray queued_;
};

}  // namespace kestrom

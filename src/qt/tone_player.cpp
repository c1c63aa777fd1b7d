#include "qt/tone_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace kestrom {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kPreferredRate = 22050;
constexpr double kFadeMs = 2.0;
constexpr double kLevel = 0.5;  // of full scale
constexpr int kTailMs = 150;

void appendSample(QByteArray& out, const QAudioFormat& format, double v) {
  char bytes[4];
  int size = 0;
  switch (format.sampleFormat()) {
    case QAudioFormat::UInt8: {
      const auto s = static_cast<quint8>(std::lround(128.0 + v * 127.0));
      std::memcpy(bytes, &s, size = sizeof s);
      break;
    }
    case QAudioFormat::Int32: {
      const auto s = static_cast<qint32>(std::lround(v * 2147483647.0));
      std::memcpy(bytes, &s, size = sizeof s);
      break;
    }
    case QAudioFormat::Float: {
      const auto s = static_cast<float>(v);
      std::memcpy(bytes, &s, size = sizeof s);
      break;
    }
    default: {
      const auto s = static_cast<qint16>(std::lround(v * 32767.0));
      std::memcpy(bytes, &s, size = sizeof s);
      break;
    }
  }
  for (int c = 0; c < std::max(1, format.channelCount()); ++c) out.append(bytes, size);
}

}  // namespace

QByteArray renderBeeps(const std::vector<Beep>& beeps, const QAudioFormat& format) {
  QByteArray out;
  const int rate = format.sampleRate() > 0 ? format.sampleRate() : kPreferredRate;
  // Frame boundaries come from the running total of milliseconds, so rounding
  // never adds up along a long sequence.
  auto frameAt = [rate](std::int64_t ms) { return ms * rate / 1000; };
  std::int64_t totalMs = 0;
  for (const Beep& b : beeps) totalMs += std::max(0, b.durationMs);
  const int frameBytes = std::max(1, format.bytesPerSample()) * std::max(1, format.channelCount());
  out.reserve(static_cast<qsizetype>(frameAt(totalMs)) * frameBytes);

  std::int64_t startMs = 0;
  for (const Beep& b : beeps) {
    const std::int64_t endMs = startMs + std::max(0, b.durationMs);
    const std::int64_t n = frameAt(endMs) - frameAt(startMs);
    startMs = endMs;
    const double fade = std::min<double>(kFadeMs * rate / 1000.0, n / 2.0);
    const bool audible = b.frequencyHz > 0 && b.frequencyHz < rate / 2;
    for (std::int64_t i = 0; i < n; ++i) {
      double v = 0.0;
      if (audible) {
        double envelope = 1.0;
        if (fade > 0) envelope = std::min({1.0, i / fade, (n - 1 - i) / fade});
        v = kLevel * envelope * std::sin(2.0 * kPi * b.frequencyHz * i / rate);
      }
      appendSample(out, format, v);
    }
  }
  return out;
}

QtTonePlayer::QtTonePlayer() {
  next_.setSingleShot(true);
  next_.setInterval(0);
  connect(&next_, &QTimer::timeout, this, &QtTonePlayer::startNext);
}

QtTonePlayer::~QtTonePlayer() {
  stop();
}

void QtTonePlayer::play(const std::vector<Beep>& beeps) {
  if (beeps.empty()) return;
  if (sink_) {
    // Queue behind the sequence on the way; it is rendered in the same format.
    queued_.append(renderBeeps(beeps, format_));
    return;
  }
  const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
  if (outputs.isEmpty()) return;  // no sound device: stay silent
  const QAudioDevice device = QMediaDevices::defaultAudioOutput().isNull()
                                  ? outputs.first()
                                  : QMediaDevices::defaultAudioOutput();

  QAudioFormat format;
  format.setSampleRate(kPreferredRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) format = device.preferredFormat();
  if (!format.isValid()) return;
  format_ = format;
  queued_ = renderBeeps(beeps, format_);

  sink_ = new QAudioSink(device, format_, this);
  connect(sink_, &QAudioSink::stateChanged, this, &QtTonePlayer::onStateChanged);
  startNext();
}

void QtTonePlayer::startNext() {
  if (!sink_ || sink_->state() == QAudio::ActiveState) return;
  if (queued_.isEmpty()) {
    stop();
    return;
  }
  sink_->stop();
  buffer_.close();
  // A tail of silence, so that stopping the sink once it has read everything never
  // cuts the last beep short while the device still plays it.
  buffer_.setData(queued_ + renderBeeps({{0, kTailMs}}, format_));
  queued_.clear();
  buffer_.open(QIODevice::ReadOnly);
  sink_->start(&buffer_);  // pull mode: the sink reads the buffer on its own
  if (sink_ && sink_->error() != QAudio::NoError) stop();
}

void QtTonePlayer::onStateChanged() {
  if (!sink_) return;
  if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
    stop();  // the output failed: give up silently
    return;
  }
  // Idle means the buffer has been played out.
  if (sink_->state() == QAudio::IdleState) {
    // Leave the sink's signal before restarting or deleting it.
    next_.start();
  }
}

void QtTonePlayer::stop() {
  if (sink_) {
    // The sink may be the sender of the signal being handled: delete it later.
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
  }
  buffer_.close();
  queued_.clear();
}

}  // namespace kestrom

#include <QApplication>
#include <QAudioFormat>
#include <QElapsedTimer>
#include <QTest>
#include <cstring>
#include <vector>

#include "qt/tone_player.h"

using namespace kestrom;

namespace {

// The alarm's six beeps, played twice.
std::vector<Beep> alarmBeeps() {
  const std::vector<Beep> six{{800, 30}, {400, 30}, {450, 30}, {600, 50}, {400, 30}, {450, 30}};
  std::vector<Beep> twelve = six;
  twelve.insert(twelve.end(), six.begin(), six.end());
  return twelve;
}

QAudioFormat format(int rate, int channels, QAudioFormat::SampleFormat sample) {
  QAudioFormat f;
  f.setSampleRate(rate);
  f.setChannelCount(channels);
  f.setSampleFormat(sample);
  return f;
}

std::vector<qint16> samples16(const QByteArray& bytes) {
  std::vector<qint16> s(bytes.size() / 2);
  std::memcpy(s.data(), bytes.constData(), s.size() * 2);
  return s;
}

int signChanges(const std::vector<qint16>& s, std::size_t from, std::size_t to) {
  int changes = 0;
  for (std::size_t i = from + 1; i < to; ++i) {
    if ((s[i - 1] < 0) != (s[i] < 0)) ++changes;
  }
  return changes;
}

}  // namespace

class TonePlayerTest : public QObject {
  Q_OBJECT

 private slots:
  void rendersEachBeepForItsDurationAtItsPitchInOrder() {
    const auto mono = format(22050, 1, QAudioFormat::Int16);
    const QByteArray pcm = renderBeeps(alarmBeeps(), mono);
    QCOMPARE(pcm.size(), 22050 * 400 / 1000 * 2);  // 400 ms in all, nothing lost to rounding

    // 30 ms of 800 Hz then 30 ms of 400 Hz: 24 and 12 periods.
    const auto s = samples16(pcm);
    const std::size_t beep = 22050 * 30 / 1000;
    QVERIFY(std::abs(signChanges(s, 0, beep) - 48) <= 2);
    QVERIFY(std::abs(signChanges(s, beep, 2 * beep) - 24) <= 2);
    qint16 peak = 0;
    for (qint16 v : s) peak = std::max<qint16>(peak, std::abs(v));
    QVERIFY(peak > 8000);  // clearly audible, not clipped
  }

  void rendersSilenceForPausesAndFollowsTheOutputFormat() {
    const QByteArray pause = renderBeeps({{0, 100}}, format(8000, 1, QAudioFormat::Int16));
    QCOMPARE(pause.size(), 800 * 2);
    QVERIFY(pause.count('\0') == pause.size());

    const QByteArray stereoFloat =
        renderBeeps({{440, 10}, {880, 10}}, format(48000, 2, QAudioFormat::Float));
    QCOMPARE(stereoFloat.size(), 960 * 2 * 4);
    std::vector<float> f(stereoFloat.size() / 4);
    std::memcpy(f.data(), stereoFloat.constData(), stereoFloat.size());
    for (std::size_t i = 0; i + 1 < f.size(); i += 2) QCOMPARE(f[i], f[i + 1]);

    QVERIFY(renderBeeps({{440, -5}}, format(22050, 1, QAudioFormat::Int16)).isEmpty());
  }

  void playReturnsAtOnceAndCopesWithRepeats() {
    QtTonePlayer player;
    QElapsedTimer clock;
    clock.start();
    player.play(alarmBeeps());
    const qint64 first = clock.elapsed();
    player.play(alarmBeeps());  // again while the first may still play
    player.play({});
    QVERIFY2(first < 100, qPrintable(QString::number(first)));
    QVERIFY(clock.elapsed() < 200);
    QTest::qWait(50);  // let any output events run
  }
};

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TonePlayerTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "tone_player_test.moc"

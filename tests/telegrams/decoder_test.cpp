#include "telegrams/telegram_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/simulation_state.h"
#include "setup/telegrams.h"
#include "telegrams/report.h"

namespace kestrom::tool {
namespace {

// In lock, distance 126.34, fix azimuth 65.125 (reported 245.125), bearing 12.5.
std::string example(int type, bool inLock = true, const char* role = text::AsMob) {
  telegram::Input in;
  in.type = type;
  in.inLock = inLock;
  in.distance = 12634 / 100.0L;
  in.fixAzimuth = 65.125L;
  in.antennaBearing = 12.5L;
  in.mobileUnitRole = role;
  return telegram::build(in);
}

std::vector<DecodedTelegram> telegramsIn(const std::vector<DecoderEvent>& events) {
  std::vector<DecodedTelegram> out;
  for (const DecoderEvent& e : events) {
    if (const auto* t = std::get_if<DecodedTelegram>(&e)) out.push_back(*t);
  }
  return out;
}

std::string unplacedIn(const std::vector<DecoderEvent>& events) {
  std::string out;
  for (const DecoderEvent& e : events) {
    if (const auto* u = std::get_if<UnplacedBytes>(&e)) out += u->bytes;
  }
  return out;
}

// Every byte of the stream, from the telegrams and unplaced reports in order.
std::string allBytes(const std::vector<DecoderEvent>& events) {
  std::string out;
  for (const DecoderEvent& e : events) {
    out += std::visit([](const auto& v) { return v.bytes; }, e);
  }
  return out;
}

std::vector<DecoderEvent> decodeAll(TelegramDecoder& d, const std::string& bytes) {
  std::vector<DecoderEvent> events = d.feed(bytes, 0);
  for (DecoderEvent& e : d.flush(0)) events.push_back(std::move(e));
  return events;
}

std::vector<DecoderEvent> decodeAll(const std::string& bytes) {
  TelegramDecoder d;
  return decodeAll(d, bytes);
}

struct Expected {
  int type;
  Format format;
  FieldValue distance;
  FieldValue azimuth;
  std::optional<FieldValue> bearing;
};

const Expected kWorkedExample[] = {
    {telegram::Ascii16, Format::Ascii16, {1263, 1}, {24512, 2}, std::nullopt},
    {telegram::Ascii17, Format::Ascii17, {1263, 1}, {245125, 3}, std::nullopt},
    {telegram::Ascii22, Format::Ascii22, {1263, 1}, {245125, 3}, FieldValue{125, 1}},
    {telegram::Bcd001, Format::Bcd001, {126, 0}, {24512, 2}, std::nullopt},
    {telegram::Bcd0001, Format::Bcd0001, {126, 0}, {245125, 3}, std::nullopt},
    {telegram::BcdAdb, Format::BcdAdb, {126, 0}, {245125, 3}, FieldValue{125, 1}},
};

TEST(TelegramDecoder, WorkedExampleInEveryFormatAutoDetectedAndForced) {
  for (const Expected& x : kWorkedExample) {
    for (const std::optional<Format> only : {std::optional<Format>(), std::optional(x.format)}) {
      TelegramDecoder d(only);
      const std::string bytes = example(x.type);
      const auto events = decodeAll(d, bytes);
      ASSERT_EQ(events.size(), 1u) << name(x.format);
      const auto& t = std::get<DecodedTelegram>(events[0]);
      EXPECT_EQ(t.format, x.format);
      EXPECT_TRUE(t.inLock);
      EXPECT_EQ(t.distance, x.distance) << name(x.format);
      EXPECT_EQ(t.azimuth, x.azimuth) << name(x.format);
      EXPECT_EQ(t.bearing, x.bearing) << name(x.format);
      EXPECT_EQ(t.bytes, bytes);
      EXPECT_FALSE(t.mk3Variant);
    }
  }
  const auto mk3 = telegramsIn(decodeAll(example(telegram::BcdAdb, true, text::AsMk3M)));
  ASSERT_EQ(mk3.size(), 1u);
  EXPECT_TRUE(mk3[0].mk3Variant);
  EXPECT_EQ(mk3[0].azimuth, (FieldValue{245125, 3}));
  EXPECT_DOUBLE_EQ(mk3[0].azimuth.value(), 245.125);
}

TEST(TelegramDecoder, OutOfLockAsciiTelegramsAreTelegramsWithoutLock) {
  for (int type : {telegram::Ascii16, telegram::Ascii17, telegram::Ascii22}) {
    const auto t = telegramsIn(decodeAll(example(type, false)));
    ASSERT_EQ(t.size(), 1u) << type;
    EXPECT_FALSE(t[0].inLock);
    EXPECT_EQ(t[0].distance.units, 0);
    EXPECT_EQ(t[0].azimuth.units, 0);
  }
  // A lock digit other than 0 or 1 makes it no telegram.
  EXPECT_EQ(unplacedIn(decodeAll("001263 24512 2\r\n")), "001263 24512 2\r\n");
}

TEST(TelegramDecoder, StreamStartingMidTelegramResyncsOnTheNextWholeOne) {
  for (const Expected& x : kWorkedExample) {
    const std::string one = example(x.type);
    for (std::size_t cut = 1; cut < one.size(); ++cut) {
      std::string stream = one.substr(cut);
      stream += one;
      stream += one;
      // In pieces of every size, to cross every boundary.
      for (std::size_t piece : {std::size_t{1}, std::size_t{3}, stream.size()}) {
        TelegramDecoder d;
        std::vector<DecoderEvent> events;
        for (std::size_t i = 0; i < stream.size(); i += piece) {
          for (DecoderEvent& e : d.feed(stream.substr(i, piece), static_cast<std::int64_t>(i))) {
            events.push_back(std::move(e));
          }
        }
        const auto t = telegramsIn(events);
        ASSERT_EQ(t.size(), 2u) << name(x.format) << " cut " << cut;
        EXPECT_EQ(t[0].format, x.format);
        EXPECT_EQ(t[1].azimuth, x.azimuth);
        EXPECT_EQ(unplacedIn(events), one.substr(cut)) << name(x.format) << " cut " << cut;
        EXPECT_EQ(d.pending(), 0u);
      }
    }
  }
}

TEST(TelegramDecoder, NoiseBetweenTelegramsIsReportedInStreamOrder) {
  const std::string a16 = example(telegram::Ascii16);
  const std::string adb = example(telegram::BcdAdb);
  const std::string noise1 = "AB";
  const std::string noise2 = std::string("\x00\x01 xyz\r\n\xFF 12 \xFF", 12);
  const std::string stream = noise1 + a16 + noise2 + adb + a16 + "tail";
  const auto events = decodeAll(stream);
  EXPECT_EQ(allBytes(events), stream);  // nothing skipped, nothing twice
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(std::get<UnplacedBytes>(events[0]).bytes, noise1);
  EXPECT_EQ(std::get<DecodedTelegram>(events[1]).format, Format::Ascii16);
  EXPECT_EQ(std::get<UnplacedBytes>(events[2]).bytes, noise2);
  EXPECT_EQ(std::get<DecodedTelegram>(events[3]).format, Format::BcdAdb);
  EXPECT_EQ(std::get<DecodedTelegram>(events[4]).format, Format::Ascii16);
  EXPECT_EQ(std::get<UnplacedBytes>(events[5]).bytes, "tail");  // by the flush at the end
}

TEST(TelegramDecoder, LongNoiseComesInBoundedRunsAndBadBcdIsNoTelegram) {
  TelegramDecoder d;
  const std::string noise(200, 'x');
  const auto events = d.feed(noise, 0);
  ASSERT_FALSE(events.empty());
  for (const DecoderEvent& e : events) EXPECT_LE(std::get<UnplacedBytes>(e).bytes.size(), 64u);
  EXPECT_LE(d.pending(), 64u + 21u);  // a run not yet full, and a longest telegram
  std::string all = allBytes(events);
  all += allBytes(d.flush(1));
  EXPECT_EQ(all, noise);

  // A nibble above 9, or a digit where the layout has 0, is not BCD(0.01).
  std::string bad = example(telegram::Bcd001);
  bad[1] = '\x5A';
  EXPECT_TRUE(telegramsIn(decodeAll(bad)).empty());
  bad = example(telegram::Bcd001);
  bad[5] = '\x16';
  EXPECT_TRUE(telegramsIn(decodeAll(bad)).empty());
}

TEST(TelegramDecoder, ForcedFormatLeavesTheOthersUnplaced) {
  TelegramDecoder d(Format::Ascii16);
  const std::string other = example(telegram::Ascii17) + example(telegram::Bcd001);
  const auto events = decodeAll(d, other + example(telegram::Ascii16));
  ASSERT_EQ(telegramsIn(events).size(), 1u);
  EXPECT_EQ(unplacedIn(events), other);

  // A BCD(0.001) third byte with a high digit cannot be forced into BCD(0.01).
  TelegramDecoder bcd001(Format::Bcd001);
  EXPECT_TRUE(telegramsIn(decodeAll(bcd001, example(telegram::Bcd0001))).empty());
}

TEST(TelegramDecoder, SevenByteBcdIsTakenAsTheFinerOnceTheStreamShowsIt) {
  // Fix azimuth 65.105: reported 245.105, whose fifth digit 0 leaves the third byte
  // of BCD(0.001) 05, just like BCD(0.01)'s [0 a5].
  telegram::Input in;
  in.type = telegram::Bcd0001;
  in.inLock = true;
  in.distance = 126;
  in.fixAzimuth = 65.105L;
  const std::string ambiguous = telegram::build(in);
  ASSERT_EQ(ambiguous[2], '\x05');
  const std::string plain = example(telegram::Bcd0001);  // third byte 25
  const auto t = telegramsIn(decodeAll(ambiguous + plain + ambiguous));
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].format, Format::Bcd001);
  EXPECT_EQ(t[0].azimuth, (FieldValue{24515, 2}));
  EXPECT_EQ(t[1].format, Format::Bcd0001);
  EXPECT_EQ(t[2].format, Format::Bcd0001);
  EXPECT_EQ(t[2].azimuth, (FieldValue{245105, 3}));

  TelegramDecoder forced(Format::Bcd0001);
  EXPECT_EQ(telegramsIn(decodeAll(forced, ambiguous))[0].azimuth, (FieldValue{245105, 3}));
}

TEST(TelegramDecoder, AdbWhoseTailPassesForSevenBytesStaysAdb) {
  // Bearing 100.5: the last seven bytes have [0 5] where BCD(0.01) wants [0 d5].
  telegram::Input in;
  in.type = telegram::BcdAdb;
  in.inLock = true;
  in.distance = 126;
  in.fixAzimuth = 65.125L;
  in.antennaBearing = 100.5L;
  const std::string adb = telegram::build(in);
  const auto tailAlone = telegramsIn(decodeAll(adb.substr(3)));
  ASSERT_EQ(tailAlone.size(), 1u);  // the ambiguity is real
  for (const std::string& lead : {std::string(), std::string("?"), std::string("\x12\x34", 2)}) {
    std::string stream = lead;
    stream += adb;
    stream += adb;
    stream += "zz";
    stream += adb;
    const auto events = decodeAll(stream);
    const auto t = telegramsIn(events);
    ASSERT_EQ(t.size(), 3u);
    for (const DecodedTelegram& x : t) {
      EXPECT_EQ(x.format, Format::BcdAdb);
      EXPECT_EQ(x.bearing, (FieldValue{1005, 1}));
    }
    EXPECT_EQ(unplacedIn(events), lead + "zz");
  }
}

// An angle past the full circle marks a candidate as no telegram: a BCD(0.01)
// stream that lost the start of one telegram must not pass for BCD(ADB).
TEST(TelegramDecoder, AnglesPastTheFullCircleMakeNoTelegram) {
  const std::string lost("\x04\x52\x09\x48\x32\x02\xFF\x24\x59\x00\x00\x61\x04\x04\x62\x05\xFF",
                         17);
  const auto events = decodeAll(lost);
  EXPECT_EQ(allBytes(events), lost);
  const auto t = telegramsIn(events);
  ASSERT_EQ(t.size(), 2u);  // not BCD(ADB) with a bearing of 620.5
  EXPECT_EQ(t[0].azimuth, (FieldValue{4529, 2}));
  EXPECT_EQ(t[1].format, Format::Bcd001);
  EXPECT_EQ(t[1].azimuth, (FieldValue{614, 2}));
  EXPECT_EQ(t[1].distance, (FieldValue{4625, 0}));
  EXPECT_EQ(unplacedIn(events), std::string("\x24\x59\x00", 3));

  // Just past 360 in each angle of each format; the tail of none passes for a
  // shorter telegram.
  const std::string pastTheCircle[] = {
      "001263 36001 1\r\n",
      "001263 360001 1\r\n",
      "001263 3601 245125 1\r\n",
      "001263 0125 360001 1\r\n",
      std::string("\x36\x00\x01\x00\x12\x06\xFF", 7),
      std::string("\x36\x00\x10\x00\x12\x06\xFF", 7),
      std::string("\x36\x00\x00\x01\x00\x12\x06\x01\x25\xFF", 10),
      std::string("\x24\x51\x20\x25\x00\x12\x06\x36\x10\xFF", 10),
  };
  for (const std::string& bytes : pastTheCircle) {
    EXPECT_EQ(unplacedIn(decodeAll(bytes)), bytes) << hexBytes(bytes);
    for (Format f : kFormats) {
      TelegramDecoder forced(f);
      EXPECT_TRUE(telegramsIn(decodeAll(forced, bytes)).empty()) << name(f) << hexBytes(bytes);
    }
  }
  // A bearing past 360 where the last seven bytes make a BCD(0.001) telegram.
  telegram::Input in;
  in.type = telegram::BcdAdb;
  in.inLock = true;
  in.distance = 126;
  in.fixAzimuth = 65.125L;
  in.antennaBearing = 400;
  const std::string adb = telegram::build(in);
  const auto shorter = decodeAll(adb);
  ASSERT_EQ(telegramsIn(shorter).size(), 1u);
  EXPECT_EQ(telegramsIn(shorter)[0].format, Format::Bcd0001);
  EXPECT_EQ(unplacedIn(shorter), adb.substr(0, 3));
}

// The simulator reports a fix azimuth of 180 as 360, and the sender takes 360 for
// either angle: a full circle is still a telegram, in every format.
TEST(TelegramDecoder, TheFullCircleItselfIsATelegram) {
  for (const Expected& x : kWorkedExample) {
    for (const std::optional<Format> only : {std::optional<Format>(), std::optional(x.format)}) {
      telegram::Input in;
      in.type = x.type;
      in.inLock = true;
      in.distance = 126;
      in.fixAzimuth = 180;
      in.antennaBearing = 360;
      TelegramDecoder d(only);
      const auto t = telegramsIn(decodeAll(d, telegram::build(in)));
      ASSERT_EQ(t.size(), 1u) << name(x.format);
      // Unforced, a BCD(0.001) 360.000 reads as BCD(0.01): its third byte is 00.
      if (only || x.format != Format::Bcd0001) {
        EXPECT_EQ(t[0].format, x.format);
      }
      EXPECT_DOUBLE_EQ(t[0].azimuth.value(), 360) << name(x.format);
      if (x.bearing) {
        EXPECT_DOUBLE_EQ(t[0].bearing->value(), 360) << name(x.format);
      }
    }
  }
}

TEST(TelegramDecoder, IntervalsRunFromTelegramToTelegram) {
  TelegramDecoder d;
  const std::string t = example(telegram::Ascii22);
  const auto first = telegramsIn(d.feed(t.substr(0, 10), 1'000));
  EXPECT_TRUE(first.empty());
  const auto a = telegramsIn(d.feed(t.substr(10), 5'000));
  ASSERT_EQ(a.size(), 1u);
  EXPECT_EQ(a[0].arrivalNs, 5'000);
  EXPECT_FALSE(a[0].intervalNs);
  d.feed("noise", 6'000);
  const auto b = telegramsIn(d.feed(t, 255'000));
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(b[0].intervalNs, 250'000);
}

}  // namespace
}  // namespace kestrom::tool

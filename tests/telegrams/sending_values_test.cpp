#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/telegrams.h"
#include "telegrams/command_line.h"
#include "telegrams/decimal.h"
#include "telegrams/telegram_decoder.h"
#include "telegrams/telegram_input.h"
#include "telegrams/track.h"

namespace kestrom::tool {
namespace {

std::vector<Milli> walk(const Leg& leg, int n) {
  std::vector<Milli> out;
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) out.push_back(leg.at(i));
  return out;
}

std::string errorOf(std::string_view track) {
  auto parsed = parseTrack(track);
  const auto* error = std::get_if<std::string>(&parsed);
  return error ? *error : "(parsed)";
}

TEST(SendingValues, DecimalsAreReadExactlyAndWrittenWithAPoint) {
  EXPECT_EQ(parseMilli("126"), 126'000);
  EXPECT_EQ(parseMilli("126.4"), 126'400);
  EXPECT_EQ(parseMilli("0.125"), 125);
  EXPECT_EQ(parseMilli("0.120"), 120);
  // Refused: anything but digits with one point, and more than three decimals (never cut).
  for (const char* bad : {"", ".5", "5.", "-1", "+1", "1,5", "1.2.3", "1e3", " 1", "99999999999",
                          "0.12999", "1.0000"}) {
    EXPECT_EQ(parseMilli(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(fixedText(245125, 3), "245.125");
  EXPECT_EQ(fixedText(5, 3), "0.005");
  EXPECT_EQ(fixedText(1263, 0), "1263");
  EXPECT_EQ(fixedText(-15, 1), "-1.5");
}

TEST(SendingValues, TrackLegsStepThereAndBack) {
  auto track = std::get<Track>(parseTrack("126:40..41@0.4"));
  EXPECT_EQ(walk(track.distance, 3), (std::vector<Milli>{126'000, 126'000, 126'000}));
  // The last step is shorter, and the way back takes the same values.
  EXPECT_EQ(walk(track.azimuth, 8),
            (std::vector<Milli>{40'000, 40'400, 40'800, 41'000, 40'800, 40'400, 40'000, 40'400}));
  EXPECT_FALSE(track.bearing);
  track = std::get<Track>(parseTrack("200..190@5:0:10.5"));
  EXPECT_EQ(walk(track.distance, 5),
            (std::vector<Milli>{200'000, 195'000, 190'000, 195'000, 200'000}));
  EXPECT_EQ(track.bearing->at(7), 10'500);
  track = std::get<Track>(parseTrack("1:7..7@1"));
  EXPECT_EQ(track.azimuth.at(3), 7'000);
}

TEST(SendingValues, TrackErrorsSayWhatIsWrong) {
  EXPECT_NE(errorOf("126").find("DISTANCE:AZIMUTH"), std::string::npos);
  EXPECT_NE(errorOf("1:2:3:4").find("DISTANCE:AZIMUTH"), std::string::npos);
  EXPECT_NE(errorOf("126:40..80").find("needs a step"), std::string::npos);
  EXPECT_NE(errorOf("126:40..80@0").find("more than 0"), std::string::npos);
  EXPECT_NE(errorOf("126:40..80@x").find("step \"x\" is not a number"), std::string::npos);
  EXPECT_NE(errorOf("126:40..400@1").find("\"400\" is not from 0 to 360.0"), std::string::npos);
  EXPECT_NE(errorOf("abc:40").find("distance \"abc\" is not a number"), std::string::npos);
  EXPECT_NE(errorOf("100000:40").find("not from 0 to 99999.9"), std::string::npos);
  EXPECT_NE(errorOf("126:40,5").find("azimuth \"40,5\""), std::string::npos);
  EXPECT_NE(errorOf("126:40:-3").find("bearing \"-3\""), std::string::npos);
}

// A copy: the command the parser returns is a temporary.
template <typename T>
T as(const Command& c) {
  const T* t = std::get_if<T>(&c);
  EXPECT_NE(t, nullptr);
  return t ? *t : T{};
}

std::string usage(const std::vector<std::string_view>& args) {
  return as<UsageError>(parseCommandLine(args)).message;
}

TEST(SendingValues, CommandLineTakesWhatTheHelpSaysAndRefusesTheRest) {
  const auto s = as<SendOptions>(parseCommandLine(
      {"send", "--format=bcdadb", "-r", "2", "--count", "3", "--distance", "126.4", "-a", "40",
       "--bearing", "80", "--no-lock", "--mk3", "--baud", "4800", "--parity", "even", "udp:h:5"}));
  EXPECT_EQ(s.format, Format::BcdAdb);
  EXPECT_EQ(s.rate, 2);
  EXPECT_EQ(s.count, 3);
  EXPECT_EQ(s.track.distance.at(0), 126'400);
  EXPECT_EQ(s.track.azimuth.at(0), 40'000);
  EXPECT_EQ(s.track.bearing->at(0), 80'000);
  EXPECT_FALSE(s.inLock);
  EXPECT_TRUE(s.mk3);
  EXPECT_EQ(s.line.baud, 4800);
  EXPECT_EQ(s.line.parity, 'e');
  EXPECT_EQ(s.target.kind, Endpoint::Udp);
  EXPECT_EQ(s.target.host, "h");
  EXPECT_EQ(s.target.port, 5);

  const auto& d =
      as<DecodeOptions>(parseCommandLine({"decode", "-f", "BCD(0.001)", "--json", "tcp:[::1]:7"}));
  EXPECT_EQ(d.format, Format::Bcd0001);
  EXPECT_TRUE(d.json);
  EXPECT_EQ(d.source.host, "::1");
  EXPECT_EQ(as<DecodeOptions>(parseCommandLine({"decode"})).source.kind, Endpoint::Standard);
  EXPECT_EQ(as<DecodeOptions>(parseCommandLine({"decode", "udp:9"})).source.port, 9);
  EXPECT_EQ(as<SendOptions>(parseCommandLine({"send", "tcp:5000"})).target.host, "");
  EXPECT_FALSE(as<ShowText>(parseCommandLine({"send", "--help"})).text.empty());

  EXPECT_NE(usage({}).find("COMMAND"), std::string::npos);
  EXPECT_NE(usage({"play"}).find("unknown command"), std::string::npos);
  EXPECT_NE(usage({"send"}).find("needs a TARGET"), std::string::npos);
  EXPECT_NE(usage({"send", "-", "--rate", "3"}).find("not 1, 2 or 4"), std::string::npos);
  EXPECT_NE(usage({"send", "-", "--count", "0"}).find("above 0"), std::string::npos);
  EXPECT_NE(usage({"send", "-", "--count"}).find("needs a value"), std::string::npos);
  EXPECT_NE(usage({"send", "-", "-f", "ascii18"}).find("ascii16, ascii17"), std::string::npos);
  EXPECT_NE(usage({"send", "-", "-a", "361"}).find("--azimuth \"361\""), std::string::npos);
  EXPECT_NE(usage({"send", "-", "-a", "1..2@1"}).find("steps go in --track"), std::string::npos);
  EXPECT_NE(usage({"send", "-", "-t", "1:2", "-d", "3"}).find("replaces"), std::string::npos);
  EXPECT_NE(usage({"send", "-", "-t", "1:2:3", "-b", "3"}).find("already"), std::string::npos);
  EXPECT_NE(usage({"send", "udp:5000"}).find("host"), std::string::npos);
  EXPECT_NE(usage({"send", "tcp:70000"}).find("port number"), std::string::npos);
  EXPECT_NE(usage({"decode", "tcp:5000"}).find("host"), std::string::npos);
  EXPECT_NE(usage({"decode", "a", "b"}).find("one SOURCE"), std::string::npos);
  EXPECT_NE(usage({"decode", "--baud", "9601"}).find("baud rate"), std::string::npos);
  EXPECT_NE(usage({"decode", "--stop-bits", "3"}).find("1 or 2"), std::string::npos);
  EXPECT_NE(usage({"decode", "--frobnicate"}).find("unknown option"), std::string::npos);
}

// Every number send takes holds up to three decimals; one with more is refused
// with that rule, wherever it stands, rather than cut to three.
TEST(SendingValues, MoreThanThreeDecimalsAreRefusedNotCut) {
  const auto refused = [](const std::vector<std::string_view>& args, const std::string& what) {
    const std::string message = usage(args);
    EXPECT_NE(message.find(what + " has more than three decimals"), std::string::npos) << message;
  };
  refused({"send", "-", "-d", "12.3456"}, "--distance \"12.3456\"");
  refused({"send", "-", "--azimuth=1.0005"}, "--azimuth \"1.0005\"");
  refused({"send", "-", "-b", "10.0000"}, "--bearing \"10.0000\"");
  refused({"send", "-", "-t", "1..2@0.0001:0"}, "track distance step \"0.0001\"");
  refused({"send", "-", "-t", "1.0001..2@1:0"}, "track distance \"1.0001\"");
  refused({"send", "-", "-t", "1:0..2.00001@1"}, "track azimuth \"2.00001\"");
  refused({"send", "-", "-t", "1:0:5..6@0.12345"}, "track bearing step \"0.12345\"");
  EXPECT_NE(errorOf("1:2.3456x").find("\"2.3456x\" is not a number"), std::string::npos);

  // Three decimals, the finest step included, are taken as they are.
  const auto s = as<SendOptions>(
      parseCommandLine({"send", "-", "-t", "12.345..12.347@0.001:359.999", "-b", "0.125"}));
  EXPECT_EQ(s.track.distance.at(1), 12'346);
  EXPECT_EQ(s.track.azimuth.at(0), 359'999);
  EXPECT_EQ(s.track.bearing->at(0), 125);
}

// The formatter truncates in extended precision; the values given must come out
// digit for digit in every field, over a wide sweep and at the edges.
TEST(SendingValues, EveryValueGivenIsTheValueTheTelegramCarries) {
  std::vector<Milli> values;
  for (Milli v = 0; v <= 360'000; v += 7) values.push_back(v);
  for (Milli v : {0, 1, 179'999, 180'000, 180'001, 359'999, 360'000}) values.push_back(v);
  for (Milli azimuth : values) {
    Reading r;
    r.format = Format::Ascii22;
    r.azimuth = azimuth;
    r.bearing = azimuth;
    r.distance = azimuth * 277;
    const std::string bytes = telegram::build(telegramInput(r));
    TelegramDecoder d;
    const auto events = d.feed(bytes, 0);
    ASSERT_EQ(events.size(), 1u);
    const auto& t = std::get<DecodedTelegram>(events[0]);
    ASSERT_EQ(t.azimuth.units, azimuth) << bytes;
    ASSERT_EQ(t.bearing->units, azimuth / 100) << bytes;
    ASSERT_EQ(t.distance.units, r.distance / 100) << bytes;
  }
  // 0 reported needs a fix azimuth just above 180, which itself reports 360.
  EXPECT_GT(fixAzimuthFor(0), 180);
  EXPECT_EQ(fixAzimuthFor(360'000), 180);
  EXPECT_EQ(telegram::field(exactly(290), 100, 5), "00029");
}

}  // namespace
}  // namespace kestrom::tool

// The instant of an address in Japan Standard Time: `at` in the zone of `tz`,
// `now`, and what the command line would refuse, said at the foot instead.

#include "web/address_instant.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake_time_zones.h"
#include "tests/harness/form_harness.h"

namespace web {
namespace {

using Boxes = std::array<std::string, 5>;

struct Case {
  const char* query;
  std::optional<Boxes> instant;       // in Japan Standard Time; nullopt: refused or none
  std::vector<const char*> messages;  // a part of each message, in order
};

TEST(ResolveInstant, PutsTheAddressesInstantInJapanStandardTime) {
  const Case cases[] = {
      {"at=2005-10-22T21:00", Boxes{"2005", "10", "22", "21", "0"}, {}},
      {"at=2024-08-12T22:00&tz=Europe/Paris", Boxes{"2024", "8", "13", "5", "0"}, {}},
      {"tz=Europe/Paris&at=2024-01-12T22:00", Boxes{"2024", "1", "13", "6", "0"}, {}},
      {"at=2024-08-12T22:00&tz=UTC", Boxes{"2024", "8", "13", "7", "0"}, {}},
      {"at=2024-08-12T22:00&tz=JST", Boxes{"2024", "8", "12", "22", "0"}, {}},
      {"at=2024-08-12T22:00&tz=local", Boxes{"2024", "8", "13", "12", "0"}, {}},
      {"at=2024-08-12T22:00&tz=Asia/Kolkata", Boxes{"2024", "8", "13", "1", "30"}, {}},
      // The second 02:30 of the night summer time ends is not taken.
      {"at=2024-10-27T02:30&tz=Europe/Paris", Boxes{"2024", "10", "27", "9", "30"}, {}},
      // The present time is Japan's, whatever the zone.
      {"at=now", Boxes{"2005", "10", "22", "21", "0"}, {}},
      {"at=now&tz=Europe/Paris", Boxes{"2005", "10", "22", "21", "0"}, {}},
      {"tz=Pari&at=now", Boxes{"2005", "10", "22", "21", "0"}, {"「tz=Pari」"}},
      // A year beyond 16 bits is the boxes' to judge.
      {"at=99999-01-01T00:00&tz=UTC", Boxes{"99999", "1", "1", "0", "0"}, {}},
      {"tz=UTC", std::nullopt, {}},
      // Refused, as the command line refuses them.
      {"at=2005-02-30T21:00",
       std::nullopt,
       {"「at=2005-02-30T21:00」を無視しました: 2005年2月に30日はありません"}},
      {"at=1582-10-10T12:00", std::nullopt, {"1582年10月に10日はありません"}},
      {"at=2005-13-01T00:00", std::nullopt, {"月は 1 から 12 までです"}},
      {"at=2005-01-01T24:00", std::nullopt, {"時は 0 から 23 までです"}},
      {"at=2005-01-01T23:60", std::nullopt, {"分は 0 から 59 までです"}},
      {"at=2024-03-31T02:30&tz=Europe/Paris",
       std::nullopt,
       {"Europe/Paris の時計は夏時間の始まりにこの時刻を飛ばします"}},
      {"at=32767-12-31T20:00&tz=UTC", std::nullopt, {"32767 年の外"}},
      {"at=2024-08-12T22:00&tz=Pari",
       std::nullopt,
       {"「tz=Pari」を無視しました: 知らない時間帯です（Europe/Paris のことですか）",
        "「at=2024-08-12T22:00」"}},
      {"at=2024-08-12T22:00&tz=europe/paris",
       std::nullopt,
       {"（Europe/Paris のことですか）", "「at="}},
      {"at=2024-08-12T22:00&tz=Europe/Prais",
       std::nullopt,
       {"（Europe/Paris、Europe/Prague のことですか）", "「at="}},
      {"tz=%2B09:00", std::nullopt, {"知らない時間帯です（Europe/Paris のような"}},
      {"tz=Atlantis", std::nullopt, {"「tz=Atlantis」"}}};
  const testing::FakeTimeZones zones;
  harness::FixedClock clock;
  for (const Case& c : cases) {
    PageAddress address = ReadAddress(c.query);
    const std::vector<std::string> messages = ResolveInstant(address, clock, zones);
    EXPECT_EQ(address.request.instant, c.instant) << c.query;
    ASSERT_EQ(messages.size(), c.messages.size()) << c.query;
    for (std::size_t i = 0; i < messages.size(); ++i) {
      EXPECT_NE(messages[i].find(c.messages[i]), std::string::npos) << messages[i];
    }
  }
}

}  // namespace
}  // namespace web

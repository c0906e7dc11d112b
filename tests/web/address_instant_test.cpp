// The instant of an address in Japan Standard Time: `at` in the zone `tz`
// names, `now`, and what the command line would refuse, said at the foot.

#include "web/address_instant.h"

#include <gtest/gtest.h>

#include "fake_time_zones.h"
#include "tests/harness/form_harness.h"

namespace web {
namespace {

using Boxes = std::array<std::string, 5>;

TEST(ResolveInstant, PutsTheAddressesInstantInJapanStandardTime) {
  const std::tuple<const char*, std::optional<Boxes>, std::vector<const char*>> cases[] = {
      {"at=2005-10-22T21:00", Boxes{"2005", "10", "22", "21", "0"}, {}},
      {"tz=Europe/Paris&at=2024-08-12T22:00", Boxes{"2024", "8", "13", "5", "0"}, {}},
      {"at=2024-08-12T22:00&tz=UTC", Boxes{"2024", "8", "13", "7", "0"}, {}},
      {"at=2024-08-12T22:00&tz=JST", Boxes{"2024", "8", "12", "22", "0"}, {}},
      {"at=2024-08-12T22:00&tz=local", Boxes{"2024", "8", "13", "12", "0"}, {}},  // New York
      // The present time is Japan's, whatever the zone, even one not known.
      {"at=now&tz=Europe/Paris", Boxes{"2005", "10", "22", "21", "0"}, {}},
      {"tz=Pari&at=now", Boxes{"2005", "10", "22", "21", "0"}, {"「tz=Pari」"}},
      // A year beyond 16 bits is the boxes' to judge, as typed into them.
      {"at=99999-01-01T00:00&tz=UTC", Boxes{"99999", "1", "1", "0", "0"}, {}},
      {"at=2005-02-30T21:00",
       std::nullopt,
       {"「at=2005-02-30T21:00」を無視しました: 2005年2月に30日はありません"}},
      {"at=2024-03-31T02:30&tz=Europe/Paris",
       std::nullopt,
       {"Europe/Paris の時計は夏時間の始まりにこの時刻を飛ばします"}},
      {"at=32767-12-31T20:00&tz=UTC", std::nullopt, {"32767 年の外"}},
      // Names are spelt as the database spells them.
      {"at=2024-08-12T22:00&tz=europe/paris",
       std::nullopt,
       {"「tz=europe/paris」を無視しました: 知らない時間帯です（Europe/Paris のことですか）",
        "「at=2024-08-12T22:00」を無視しました: 時間帯が分からない日時です"}},
      {"tz=%2B09:00", std::nullopt, {"知らない時間帯です（Europe/Paris のような"}}};
  const testing::FakeTimeZones zones;
  const harness::FixedClock clock;
  for (const auto& [query, instant, parts] : cases) {
    PageAddress address = ReadAddress(query);
    const std::vector<std::string> messages = ResolveInstant(address, clock, zones);
    EXPECT_EQ(address.request.instant, instant) << query;
    ASSERT_EQ(messages.size(), parts.size()) << query;
    for (std::size_t i = 0; i < messages.size(); ++i) {
      EXPECT_NE(messages[i].find(parts[i]), std::string::npos) << messages[i];
    }
  }
}

}  // namespace
}  // namespace web

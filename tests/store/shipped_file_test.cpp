// What the build ships in Tsubakiya.dat.
#include <gtest/gtest.h>

#include "common/sjis_text.h"
#include "rules/rule_catalog.h"
#include "rules/rule_set.h"
#include "store/rule_table_source.h"
#include "store/sqlite_connection.h"
#include "store/statement_helpers.h"
#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

using ShippedFile = StoreTest;

TEST_F(ShippedFile, CarriesCheckValuesThatVerify) {
  EXPECT_TRUE(VerifiesAtStartUp());
  auto computed = store.ComputeChecksum();
  ASSERT_TRUE(computed.ok());
  EXPECT_EQ(*computed, StoredCheckValues());
  auto wallet = store.LoadWallet();
  ASSERT_TRUE(wallet.ok() && wallet->has_value());
  EXPECT_EQ((*wallet)->money, Money::FromPoints(300));
}

TEST_F(ShippedFile, HasTwentyCpuCharactersOfWhichFivePlayFromTheStart) {
  for (std::int16_t code = kFirstCpuCode; code <= kLastCpuCode; ++code) {
    SCOPED_TRACE(code);
    const UserRow row = User(code);
    EXPECT_TRUE(row.isCpu);
    EXPECT_EQ(row.enabled, code <= 1005);
    EXPECT_FALSE(row.name.empty());
    EXPECT_LE(ByteLength(row.name), 12);
    EXPECT_EQ(row.stats.places[1] + row.stats.places[2] + row.stats.places[3] + row.stats.places[4],
              row.stats.games);
    EXPECT_LE(row.stats.wins, row.stats.hands);
    EXPECT_EQ(row.stats.experience, 0);
  }
  auto extra = store.LoadUser(kLastCpuCode + 1, false);
  ASSERT_TRUE(extra.ok());
  EXPECT_FALSE(extra->has_value());
  auto humans = store.LoadUsers(false);
  ASSERT_TRUE(humans.ok());
  EXPECT_TRUE(humans->empty());
  auto cpus = store.LoadUsers(true);
  ASSERT_TRUE(cpus.ok());
  ASSERT_EQ(cpus->size(), 5u);
  EXPECT_EQ(cpus->front().code, 1001);
}

TEST_F(ShippedFile, RulesAreOwnedAtTheirDefaultOrForSale) {
  int forSale = 0;
  for (int code = 1; code <= kRuleCount; ++code) {
    SCOPED_TRACE(code);
    auto row = store.LoadRule(static_cast<std::int16_t>(code));
    ASSERT_TRUE(row.ok() && row->has_value());
    EXPECT_EQ((*row)->name, RuleInfoOf(code).label);
    EXPECT_FALSE((*row)->description.empty());
    if ((*row)->flag == -1) {
      ++forSale;
      EXPECT_GT((*row)->price, 0);
    } else {
      EXPECT_EQ((*row)->flag, DefaultRuleValue(code));
      EXPECT_EQ((*row)->price, 0);
    }
  }
  EXPECT_GT(forSale, 0);
  EXPECT_LT(forSale, kRuleCount);
}

TEST_F(ShippedFile, LocalYakuAreNamedAndOff) {
  struct Row {
    std::int16_t code;
    const char* name;
  } rows[] = {{101, "金鶏独立"}, {111, "オープンリーチ"}, {128, "紀州五十五萬石"}, {138, "萬緑叢中一点紅"}, {140, "紅孔雀"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.code);
    auto row = store.LoadRule(r.code);
    ASSERT_TRUE(row.ok() && row->has_value());
    EXPECT_EQ((*row)->name, r.name);
  }
  for (std::int16_t code = kFirstLocalYaku; code <= kLastLocalYaku; ++code) {
    auto row = store.LoadRule(code);
    ASSERT_TRUE(row.ok() && row->has_value()) << code;
    EXPECT_EQ((*row)->flag, 0) << code;
    EXPECT_FALSE((*row)->description.empty()) << code;
  }
  auto none = store.LoadRule(141);
  ASSERT_TRUE(none.ok());
  EXPECT_FALSE(none->has_value());
}

TEST_F(ShippedFile, LoadsAsTheRuleSourceOfTheGame) {
  RuleSet rules = RuleSet::Defaults();
  rules.SetLocalYaku(105, 1);
  RuleTableSource source(store);
  auto changed = LoadRules(source, rules);
  ASSERT_TRUE(changed.ok()) << changed.status().message();
  EXPECT_TRUE(*changed);  // ownership and the local yaku switch differ from the defaults
  EXPECT_EQ(rules.ToString(), kDefaultRuleString);
  EXPECT_FALSE(rules.LocalYakuOn(105));
  EXPECT_TRUE(rules.ruleOwned[1]);
  EXPECT_FALSE(rules.ruleOwned[3]);

  ASSERT_TRUE(store.SetRuleFlag(3, 1).ok());
  ASSERT_TRUE(store.SetRuleFlag(120, 1).ok());
  changed = LoadRules(source, rules);
  ASSERT_TRUE(changed.ok());
  EXPECT_TRUE(*changed);
  EXPECT_EQ(rules[3], 1);
  EXPECT_TRUE(rules.ruleOwned[3]);
  EXPECT_TRUE(rules.LocalYakuOn(120));
  changed = LoadRules(source, rules);
  ASSERT_TRUE(changed.ok());
  EXPECT_FALSE(*changed);
}

TEST_F(ShippedFile, KeepsARollbackJournalAndEmptyPlayerTables) {
  auto db = Connection::Open(path, nullptr);
  ASSERT_TRUE(db.ok());
  std::string mode;
  ASSERT_TRUE(ForEachRow(**db, "PRAGMA journal_mode", nullptr, [&](const Statement& st) { mode = st.Text(0); }).ok());
  EXPECT_EQ(mode, "delete");
  for (const char* table : {"役マスタ", "オプションマスタ", "効果音マスタ", "通信マスタ"}) {
    std::int64_t rows = -1;
    ASSERT_TRUE(ForEachRow(**db, std::string("SELECT COUNT(*) FROM ") + table, nullptr,
                           [&](const Statement& st) { rows = st.Int(0); })
                    .ok());
    EXPECT_EQ(rows, 0) << table;
  }
}

}  // namespace
}  // namespace mj::store::test

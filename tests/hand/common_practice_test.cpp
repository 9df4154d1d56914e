// Where this program's scoring knowingly differs from common riichi practice,
// and where it departs from a literal reading of its own rules to stay sound.
#include <gtest/gtest.h>

#include <string>

#include "hand/scoring.h"
#include "hand/win_evaluation.h"
#include "hand/win_payments.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

// What the winner receives without honba: the ron, or the sum of the tsumo shares.
std::int64_t WinnerReceives(TableState& state, const WinSituation& w) {
  if (!test::EvaluateSituation(state, w)) return 0;
  ScoreHand(state, w.seat);
  const WinPayments pay = PaymentsFor(state.handPoints, w.dealer, w.tsumo, Money());
  const Money total = !w.tsumo ? pay.ron : w.dealer ? pay.nonDealer * 3 : pay.dealer + pay.nonDealer * 2;
  return total.WholePoints();
}

struct PracticeCase {
  const char* name;
  test::HandCase hand;
  std::int64_t ours;
  std::int64_t practice;  // the usual result: the best reading, the common rule
};

constexpr PracticeCase kCases[] = {
    // The scoring reading is fixed by the search order: 222333444 is three
    // triplets, here one of them opened by the ron (断ヤオ, 40 fu), never
    // 234 ×3 (一盃口 平和 断ヤオ, 30 fu).
    {"three triplets rather than three sequences", {"22233344m567p66s4m", "", "", ""}, 1300, 3900},
    // A triplet counts as opened by a ron on its kind even when the tile
    // completed a run: 222m + 1_3m won on 2m loses 三暗刻 and 2 fu.
    {"ron tile counted in the triplet, not the run", {"22213m77799s2m", "a5555p", "riichi", ""}, 2000, 7700},
    // 二盃口 comes from the counts while fu come from the triplet reading
    // 111 222 333 123: 3 han 50 fu where the sequence reading is 3 han 40 fu.
    {"二盃口 scored with the fu of triplets", {"111122223333m55p", "", "", ""}, 6400, 5200},
    // Default rules that differ from the usual modern ones.
    {"rule 13 = 0: no 平和 by tsumo", {"234m567p345s11p67s8s", "", "tsumo", ""}, 1100, 1500},
    {"rule 14 = 0: no open 断ヤオ", {"567p345s22p67s8s", "c234m", "", ""}, 0, 1000},
    {"rule 26 = 0: no tsumo fu on the replacement tile", {"333s234m55p67s8s", "a2222p", "tsumo rinshan", ""}, 5200, 6400},
    // Rule options away from the defaults.
    {"rule 35 = 0: an open ron without fu stays 20 fu", {"567p345s22p67s8s", "c234m", "", "14=1 35=0"}, 700, 1000},
    {"rule 33 = 0: seven pairs 50 fu 1 han reach haneman a han later", "1155m3366p7788s4s4s", "",
     "riichi tsumo dora=4m", "33=0", 8000, 12000},
};

TEST(CommonPractice, KnownDifferencesInTheResult) {
  for (const PracticeCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TableState state;
    EXPECT_EQ(WinnerReceives(state, test::Prepare(state, c.hand)), c.ours) << test::YakuListText(test::YakuListOf(state)) << " fu " << state.handFu[1];
    EXPECT_NE(c.ours, c.practice);
  }
}

// Places where the program keeps the sound result where a literal reading of
// its rules would not.
constexpr test::YakuExpectation kSound[] = {
    // A concealed kan of the suit is not the 九連宝燈 shape.
    {"no 九連宝燈 with a kan", {"2345678999m5m", "a1111m", "", ""}, "28", true},
    // Seven pairs can rob a kan; the last-tile yaku does not come with it.
    {"seven pairs rob a kan", {"1199m3355p77s11z5z5z", "", "chankan houtei", ""}, "16 11", true},
    // A hand read as triplets does not also take 平和 from another reading.
    {"平和 only with the sequence reading", {"22233344m567p66s4m", "", "", ""}, "5", true},
    // A mangan-class yaku is worth five han for the two-han minimum.
    {"人和 as a mangan under 二飜縛り", {"234m567p345s11p79s8s", "", "renhou", "44=1 3=1"}, "", true},
};

TEST(CommonPractice, SoundWhereTheLiteralRuleIsNot) {
  for (const test::YakuExpectation& c : kSound) test::ExpectYaku(c);
}

// Only a tsumo on the replacement tile is 嶺上開花, whatever flag is left standing.
TEST(CommonPractice, RinshanIsATsumo) {
  TableState state;
  WinSituation w = test::WinHand("234m567p55s67s8s", "a9999p");
  w.riichi = true;
  test::SetUpWinTable(state, w);
  state.rinshanChance = true;
  ASSERT_TRUE(EvaluateWin(state, 1, kRonWin));
  EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), "2");
}

// A path without a decomposition does not read the sets of the hand evaluated
// before it: 国士無双 under 青天井 is 30 fu by ron.
TEST(CommonPractice, NoStaleDecompositionForTheFu) {
  TableState state;
  state.rules.value[34] = 1;
  ASSERT_TRUE(test::EvaluateSituation(state, test::WinHand("111m999p111s222z9s9s")));
  ASSERT_TRUE(test::EvaluateSituation(state, test::WinHand("19m19p19s1234567z1m")));
  EXPECT_EQ(state.handFu[1], 30);
  EXPECT_EQ(state.decompPair, kNoTile);
}

}  // namespace
}  // namespace mj::hand

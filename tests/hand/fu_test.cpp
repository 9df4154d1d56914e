#include "hand/fu.h"

#include <gtest/gtest.h>

#include "hand/win_evaluation.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

struct FuCase {
  const char* name;
  test::HandCase hand;
  int fu;
};

constexpr FuCase kCases[] = {
    {"closed ron pinfu", {"234m567p345s11p67s8s", "", "", ""}, 30},
    {"pinfu tsumo under rule 13", {"234m567p345s11p67s8s", "", "tsumo", "13=1"}, 20},
    {"pinfu-shaped tsumo without rule 13: 20 + 2", {"234m567p345s11p67s8s", "", "tsumo", "13=0"}, 30},
    {"open ron without fu under rule 35 = 0", {"567p345s22p67s8s", "c234m", "", "14=1 35=0"}, 20},
    {"open ron without fu under rule 35 = 1", {"567p345s22p67s8s", "c234m", "", "14=1 35=1"}, 30},
    {"open tsumo without fu: 22", {"567p345s22p67s8s", "c234m", "tsumo", "14=1 35=0"}, 30},
    {"double-wind pair under rule 40 = 0: 20 + 8 + 2", {"234p11z67s8s", "p111m p999p", "dealer", "40=0"}, 30},
    {"double-wind pair under rule 40 = 1: 20 + 8 + 4", {"234p11z67s8s", "p111m p999p", "dealer", "40=1"}, 40},
    {"seat-wind pair alone: 20 + 8 + 2", {"234p22z67s8s", "p111m p999p", "", "40=1"}, 30},
    {"dragon pair with a closed wait: 20 + 8 + 2 + 2", {"234p55z13s2s", "p111m p999p", "", ""}, 40},
    {"triplet completed by ron counts open: 30 + 4 + 4", {"222p567p345s55s99s9s", "", "", ""}, 40},
    {"the same by tsumo is concealed: 22 + 8 + 4 + 0", {"222p567p345s55s99s9s", "", "tsumo", ""}, 40},
    {"concealed kan of 九萬: 30 + 32", {"567p345s55s23m4m", "a9999m", "", ""}, 70},
    {"open kan of a simple: 20 + 8 + 2", {"567p345s55s13m2m", "k6666s", "", "14=1"}, 30},
    {"single wait on the pair that also ends a run: 30 + 2", {"2345m456p789s234s5m", "", "", ""}, 40},
    {"edge wait: 30 + 2", {"234m567p678s11p12s3s", "", "", ""}, 40},
    {"closed wait: 30 + 2", {"234m567p345s11p79s8s", "", "", ""}, 40},
    {"seven pairs under rule 33 = 1", {"1199m3355p77s11z5z5z", "", "", "33=1"}, 25},
    {"seven pairs under rule 33 = 0", {"1199m3355p77s11z5z5z", "", "", "33=0"}, 50},
    {"replacement tsumo under rule 26 = 0: 20 + 16 + 4", {"333s234m55p67s8s", "a2222p", "tsumo rinshan", "26=0"}, 40},
    {"replacement tsumo under rule 26 = 1: 20 + 2 + 16 + 4", {"333s234m55p67s8s", "a2222p", "tsumo rinshan", "26=1"}, 50},
};

TEST(ComputeFu, CountsEachSourceOfFu) {
  for (const FuCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TableState state;
    const WinSituation w = test::Prepare(state, c.hand);
    const int kind = w.tsumo ? kTsumoWin : kRonWin;
    test::EvaluateSituation(state, w);  // the yaku list and the decomposition the fu reads
    ComputeFu(state, 1, kind);
    EXPECT_EQ(state.handFu[1], c.fu) << c.hand.hand << " " << c.hand.melds << " yaku " << test::YakuListText(test::YakuListOf(state));
  }
}

TEST(ComputeFu, EvaluateWinStoresTheFuOfAValidWin) {
  TableState state;
  WinSituation w = test::WinHand("234m567p678s11p12s3s");
  w.riichi = true;
  ASSERT_TRUE(test::EvaluateSituation(state, w));
  EXPECT_EQ(state.handFu[1], 40);
}

}  // namespace
}  // namespace mj::hand

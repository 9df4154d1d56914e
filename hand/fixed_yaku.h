#pragma once
// 先付けなし (rule 8 = 1): an open hand may count a yaku only when it was
// certain before the winning tile, i.e. whatever tile completes the thirteen
// tiles (positions 1-13 and the melds), the hand holds that yaku.
#include <array>

#include "engine/state/table_state.h"

namespace mj::hand {

// One test per evaluation: the completions of the hand are read once, on the
// first code that needs them. Answers fixed for a closed hand and under rule 8 = 0.
class FixedYakuTest {
 public:
  FixedYakuTest(TableState& state, int seat) : state_(state), seat_(seat) {}

  // Codes 6 役牌, 14 三色同順, 15 一気通貫, 19 小三元 (or better), 21 三色同刻,
  // 22 三槓子, 31 大三元 and the local 108 三連刻, 109 一色三順, 110 三色通貫;
  // any other code is not known to be fixed.
  bool IsFixed(YakuCode code);

 private:
  struct Completion {
    TileCode kind = kNoTile;
    DecompSets sets{};
  };

  void ReadCompletions();
  bool HoldsOn(YakuCode code, const Completion& completion) const;

  TableState& state_;
  int seat_;
  bool read_ = false;
  TileCounts base_{};  // the thirteen tiles and the melds, a kan as 3
  std::array<Completion, kKindCount> completions_{};
  int completionCount_ = 0;
};

bool IsFixedYaku(TableState& state, int seat, YakuCode code);

}  // namespace mj::hand

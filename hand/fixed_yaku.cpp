#include "hand/fixed_yaku.h"

#include <cstddef>

#include "hand/decomposition.h"
#include "hand/local_yaku_shapes.h"
#include "hand/tile_counts.h"
#include "hand/yaku_checks.h"
#include "hand/yaku_codes.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// The copies of each kind the seat holds itself: a kan as 4.
TileCounts OwnCopies(const TableState& state, std::size_t s, const TileCounts& base) {
  TileCounts own = base;
  for (const KindSlots* slots : {&state.openKanKinds[s], &state.closedKanKinds[s]}) {
    for (int i = 1; i <= 4; ++i) {
      const TileCode kind = (*slots)[Index(i)];
      if (kind != kNoTile) ++own[Index(TileKind(kind))];
    }
  }
  return own;
}

}  // namespace

bool FixedYakuTest::IsFixed(YakuCode code) {
  const std::size_t s = Index(seat_);
  if (state_.rules[8] != 1 || !state_.hasCalled[s]) return true;
  if (!read_) ReadCompletions();
  for (int i = 0; i < completionCount_; ++i) {
    if (!HoldsOn(code, completions_[Index(i)])) return false;
  }
  return true;
}

void FixedYakuTest::ReadCompletions() {
  read_ = true;
  const std::size_t s = Index(seat_);
  TileCode& slot = state_.handTiles[s][kDrawnPosition];
  const TileCode winningTile = slot;
  const DecompSets sets = state_.decompSets;
  const ConcealedSets concealed = state_.concealedSets;
  const TileCode pair = state_.decompPair;

  base_ = ConcealedCounts(state_, seat_, 1, kDrawnPosition - 1);
  AddMeldCounts(state_, seat_, base_);
  const TileCounts own = OwnCopies(state_, s, base_);
  // An open hand is complete only as four sets and a pair, so a completing
  // kind is one the scoring decomposition accepts; a fifth copy cannot come.
  for (int k = 1; k <= kKindCount; ++k) {
    if (own[Index(k)] >= 4) continue;
    slot = static_cast<TileCode>(k);
    if (!DecomposeForScoring(state_, seat_)) continue;
    Completion& completion = completions_[Index(completionCount_++)];
    completion.kind = static_cast<TileCode>(k);
    completion.sets = state_.decompSets;
  }

  slot = winningTile;
  state_.decompSets = sets;
  state_.concealedSets = concealed;
  state_.decompPair = pair;
}

bool FixedYakuTest::HoldsOn(YakuCode code, const Completion& completion) const {
  const SetCensus sets = CensusOf(completion.sets);
  TileCounts counts = base_;
  ++counts[Index(completion.kind)];
  const std::size_t s = Index(seat_);
  switch (code) {
    case yaku::kYakuhai:
      return ValueTripletCount(counts, static_cast<TileCode>(RoundWindTile(state_.handNumber)),
                               static_cast<TileCode>(27 + state_.players[s].seatWind)) > 0;
    case yaku::kDaisangen: return IsBigDragons(counts);
    case yaku::kShousangen: return IsLittleDragons(counts) || IsBigDragons(counts);
    case yaku::kSankantsu: return true;  // kans are declared before any winning tile
    case yaku::kIttsu:
      return HasIttsu(sets, 0) || HasIttsu(sets, 1) || HasIttsu(sets, 2);
    case yaku::kSanshoku: return SanshokuSequenceNumber(sets) != 0;
    case yaku::kSanshokuDoukou: return SanshokuTripletNumber(sets) != 0;
    case yaku::kSanrenkou: return HoldsSanrenkou(completion.sets);
    case yaku::kIsshokuSanjun: return HoldsIsshokuSanjun(completion.sets);
    case yaku::kSanshokuTsuukan: return HoldsSanshokuTsuukan(completion.sets);
    default: return false;
  }
}

bool IsFixedYaku(TableState& state, int seat, YakuCode code) { return FixedYakuTest(state, seat).IsFixed(code); }

}  // namespace mj::hand

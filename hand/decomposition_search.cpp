#include "hand/decomposition_search.h"

#include <algorithm>
#include <cstddef>

#include "hand/decomposition.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }
constexpr int kSets = 4;

// One candidate's extraction: takes sets off the counts in the pass's order
// until four sets stand.
class Extraction {
 public:
  Extraction(const TileCounts& counts, const MeldPart& melds, FoundDecomposition& out)
      : counts_(counts), out_(out), setCount_(melds.count) {
    out_.sets = melds.sets;
    out_.concealedSets = {};
  }

  bool Complete() const { return setCount_ == kSets; }

  void SuitTriplets(bool ascending) {
    for (int step = 0; step < 9; ++step) {
      const int n = ascending ? 1 + step : 9 - step;
      for (int base = 0; base <= 18; base += 9) TakeTriplet(base + n);
    }
  }

  void Sequences(bool ascending) {
    for (int step = 0; step < 7; ++step) {
      const int low = ascending ? 1 + step : 7 - step;
      while (TakeSequence(low) || TakeSequence(9 + low) || TakeSequence(18 + low)) {
      }
    }
  }

  void HonourTriplets() {
    for (int k = kEast; k <= kRed; ++k) TakeTriplet(k);
  }

 private:
  void Record(TileCode a, TileCode b, TileCode c) {
    ++setCount_;
    out_.sets[Index(setCount_)] = {0, a, b, c, 0};
    out_.concealedSets[Index(++concealedCount_)] = {0, a, b, c};
  }
  void TakeTriplet(int k) {
    if (setCount_ == kSets || counts_[Index(k)] < 3) return;
    counts_[Index(k)] = static_cast<std::int16_t>(counts_[Index(k)] - 3);
    const auto kind = static_cast<TileCode>(k);
    Record(kind, kind, kind);
  }
  bool TakeSequence(int low) {
    if (setCount_ == kSets || counts_[Index(low)] < 1 || counts_[Index(low + 1)] < 1 ||
        counts_[Index(low + 2)] < 1) {
      return false;
    }
    for (int k = low; k <= low + 2; ++k) --counts_[Index(k)];
    Record(static_cast<TileCode>(low), static_cast<TileCode>(low + 1), static_cast<TileCode>(low + 2));
    return true;
  }

  TileCounts counts_;
  FoundDecomposition& out_;
  int setCount_;
  int concealedCount_ = 0;
};

void Extract(SearchOrder order, bool ascending, Extraction& e) {
  if (order == SearchOrder::TripletsFirst) {
    e.SuitTriplets(ascending);
    e.Sequences(ascending);
  } else {
    e.Sequences(ascending);
    e.SuitTriplets(ascending);
  }
  e.HonourTriplets();
}

// One pass: every pair candidate in the pass's order, the best score kept.
bool RunPass(SearchOrder order, bool ascending, const TileCounts& concealed, const MeldPart& melds,
             FoundDecomposition& out) {
  int bestScore = -1;
  FoundDecomposition candidate;
  for (int step = 0; step < kKindCount; ++step) {
    const int pair = ascending ? 1 + step : kKindCount - step;
    if (concealed[Index(pair)] < 2) continue;
    TileCounts counts = concealed;
    counts[Index(pair)] = static_cast<std::int16_t>(counts[Index(pair)] - 2);
    Extraction extraction(counts, melds, candidate);
    Extract(order, ascending, extraction);
    if (!extraction.Complete()) continue;
    candidate.pair = static_cast<TileCode>(pair);
    const int score = melds.rules == nullptr ? 0 : ScoreDecomposition(candidate.sets, melds.hasCalled, *melds.rules);
    if (score > bestScore) {
      bestScore = score;
      out = candidate;
    }
  }
  return bestScore >= 0;
}

void AddMeldSet(MeldPart& part, TileCode a, TileCode b, TileCode c, TileCode kan) {
  if (part.count == kSets) return;  // more melds than sets: not a hand
  part.sets[Index(++part.count)] = {0, a, b, c, kan};
}

void AddKindMelds(MeldPart& part, const KindSlots& slots, bool kan) {
  for (int i = 1; i <= 4; ++i) {
    const TileCode k = TileKind(slots[Index(i)]);
    if (k != kNoTile) AddMeldSet(part, k, k, k, kan ? k : kNoTile);
  }
}

}  // namespace

MeldPart MeldPartOf(const TableState& state, int seat) {
  const std::size_t s = Index(seat);
  MeldPart part;
  part.hasCalled = state.hasCalled[s];
  part.rules = &state.rules;
  AddKindMelds(part, state.ponKinds[s], false);
  for (int group = 1; group <= 10; group += 3) {
    if (state.chiTiles[s][Index(group)] == kNoTile) continue;
    std::array<TileCode, 3> chi{};
    for (int i = 0; i < 3; ++i) chi[Index(i)] = TileKind(state.chiTiles[s][Index(group + i)]);
    std::sort(chi.begin(), chi.end());
    AddMeldSet(part, chi[0], chi[1], chi[2], kNoTile);
  }
  AddKindMelds(part, state.openKanKinds[s], true);
  AddKindMelds(part, state.closedKanKinds[s], true);
  return part;
}

bool SearchDecomposition(SearchOrder order, const TileCounts& concealed, const MeldPart& melds,
                         FoundDecomposition& out) {
  out.pair = 0;
  return RunPass(order, true, concealed, melds, out) || RunPass(order, false, concealed, melds, out);
}

bool HasDecomposition(const TileCounts& concealed, int meldCount) {
  MeldPart melds;
  melds.count = std::min(meldCount, kSets);
  FoundDecomposition found;
  return SearchDecomposition(SearchOrder::TripletsFirst, concealed, melds, found) ||
         SearchDecomposition(SearchOrder::SequencesFirst, concealed, melds, found);
}

}  // namespace mj::hand

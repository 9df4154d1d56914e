// "waits": the kinds a 13-tile hand waits on, or how a 14-tile hand splits
// for scoring.
#include <cstddef>
#include <vector>

#include "hand/complete_hand.h"
#include "hand/decomposition.h"
#include "hand/hand_shape.h"
#include "hand/tile_counts.h"
#include "hand/waits.h"
#include "tools/hand/hand_request.h"

namespace mj::tools {
namespace {

constexpr std::size_t kSeat = kRequestSeat;

Json WaitsOf(const TableState& table) {
  Json answer;
  answer["complete"] = hand::IsCompleteHand(table, kRequestSeat);
  answer["waits"] = KindArray(hand::WaitingKinds(table, kRequestSeat));
  return answer;
}

Json SetsOf(const TableState& table) {
  Json sets = Json::array();
  for (int i = 1; i <= 4; ++i) {
    const auto& set = table.decompSets[static_cast<std::size_t>(i)];
    std::vector<TileCode> kinds(set.begin() + 1, set.begin() + (set[4] == kNoTile ? 4 : 5));
    sets.push_back(KindArray(kinds));
  }
  return sets;
}

// The reading scoring starts from: 国士無双 first, then four sets and a pair
// (even when the hand is also seven pairs), then seven pairs.
Json SplitOf(TableState& table) {
  Json answer;
  const TileCounts counts = hand::BuildTileCounts(table, kRequestSeat);
  answer["complete"] = hand::IsCompleteHand(table, kRequestSeat);
  answer["sets"] = Json::array();
  answer["pair"] = nullptr;
  if (hand::IsKokushiShape(counts)) {
    answer["shape"] = "kokushi";
    for (int k = 1; k <= kKindCount; ++k) {
      if (counts[static_cast<std::size_t>(k)] == 2) answer["pair"] = k;
    }
  } else if (hand::DecomposeForScoring(table, kRequestSeat)) {
    answer["shape"] = "sets";
    answer["sets"] = SetsOf(table);
    answer["pair"] = table.decompPair;
  } else if (hand::IsSevenPairsShape(counts, table.hasCalled[kSeat])) {
    answer["shape"] = "seven pairs";
    std::vector<TileCode> pairs;
    for (int k = 1; k <= kKindCount; ++k) {
      if (counts[static_cast<std::size_t>(k)] == 2) pairs.push_back(static_cast<TileCode>(k));
    }
    answer["pairs"] = KindArray(pairs);
  }
  return answer;
}

Result<Json> AnswerWaits(const Json& request) {
  Result<HandRequest> hand = ReadHandRequest(request);
  if (!hand.ok()) return hand.status();
  return hand->shapeTiles == 13 ? WaitsOf(hand->table) : SplitOf(hand->table);
}

const bool registered = RegisterQuery("waits", &AnswerWaits);

}  // namespace
}  // namespace mj::tools

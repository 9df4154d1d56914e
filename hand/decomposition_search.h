#pragma once
// The search behind both decompositions, on count vectors, for the
// completeness test's rare cases and for the table state entry points.
#include "engine/state/table_state.h"

namespace mj::hand {

enum class SearchOrder : std::uint8_t { TripletsFirst, SequencesFirst };

struct FoundDecomposition {
  DecompSets sets{};               // melds first, then the concealed sets
  ConcealedSets concealedSets{};
  TileCode pair = 0;
};

// The meld part of a decomposition and what ScoreDecomposition reads.
struct MeldPart {
  DecompSets sets{};
  int count = 0;
  bool hasCalled = false;
  const RuleSet* rules = nullptr;  // null: every candidate scores 0 (completeness only)
};

MeldPart MeldPartOf(const TableState& state, int seat);

// Both passes of one search (ascending, then descending when the first finds
// nothing) over the concealed counts. On success out holds the candidate
// with the best score, the first found on a tie.
bool SearchDecomposition(SearchOrder order, const TileCounts& concealed, const MeldPart& melds,
                         FoundDecomposition& out);

// Triplets first, else sequences first: the complete-hand test without the
// special shapes, exactly as the searches answer it.
bool HasDecomposition(const TileCounts& concealed, int meldCount);

}  // namespace mj::hand

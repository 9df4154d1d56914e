#pragma once
// Splitting a hand into four sets and a pair. The split that scoring reads
// is fixed by the order of the search, not merely by finding one: triplets
// first (ascending), else sequences first (ascending, then descending); among
// the pair candidates of a pass the best ScoreDecomposition wins, the first
// one found on a tie.
#include "engine/state/table_state.h"

namespace mj::hand {

// On success fill decompSets (melds first: pons, chis, open kans, closed
// kans; then the concealed sets in extraction order), concealedSets and
// decompPair. On failure decompPair is 0 and the rest is not to be read.
bool DecomposeTripletsFirst(TableState& state, int seat);
bool DecomposeSequencesFirst(TableState& state, int seat);

// The decomposition scoring uses: triplets first, else sequences first.
bool DecomposeForScoring(TableState& state, int seat);

// 2 for 一気通貫, 三色同刻 or 三色同順 in decompSets (and 三連刻 / 三色通貫 when
// those local yaku are on), else 1 for two equal sequences in a closed hand,
// else 0.
int ScoreDecomposition(const TableState& state, int seat);
int ScoreDecomposition(const DecompSets& sets, bool hasCalled, const RuleSet& rules);

}  // namespace mj::hand

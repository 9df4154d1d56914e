#include "hand/win_context.h"

#include "hand/dora_count.h"
#include "hand/tile_counts.h"
#include "hand/win_evaluator.h"

namespace mj::hand {
namespace {

bool AnyLocalYakuInForce(const RuleSet& rules) {
  for (int code = kFirstLocalYaku; code <= kLastLocalYaku; ++code) {
    if (rules.LocalYakuOn(code)) return true;
  }
  return false;
}

}  // namespace

WinContext::WinContext(TableState& table, int winner, int kind)
    : state(table),
      rules(table.rules),
      seat(winner),
      s(static_cast<std::size_t>(winner)),
      winKind(kind),
      tsumo(kind == kTsumoWin),
      closed(!table.hasCalled[static_cast<std::size_t>(winner)]),
      counts(BuildTileCounts(table, winner)),
      present(PresentKinds(counts)),
      win(TileKind(table.handTiles[static_cast<std::size_t>(winner)][kDrawnPosition])),
      redFives(CountRedFives(table, winner)),
      // Code 141 has no switch of its own: it follows open riichi.
      localYakuOn(table.openRiichi[static_cast<std::size_t>(winner)] || AnyLocalYakuInForce(table.rules)),
      list(table.yakuList[static_cast<std::size_t>(winner)]) {}

void WinContext::Add(YakuCode code) {
  if (size < list.size()) list[size++] = code;
}

bool WinContext::Has(YakuCode code) const {
  for (std::size_t i = 0; i < size; ++i) {
    if (list[i] == code) return true;
  }
  return false;
}

void WinContext::Replace(YakuCode from, YakuCode to) {
  for (std::size_t i = 0; i < size; ++i) {
    if (list[i] == from) list[i] = to;
  }
}

bool WinContext::IsFixed(YakuCode code) {
  if (rules[8] != 1 || closed) return true;
  if (!fixed_) fixed_.emplace(state, seat);
  return fixed_->IsFixed(code);
}

void WinContext::AddMarked(YakuCode code) { Add(IsFixed(code) ? code : static_cast<YakuCode>(code + kNotFixedMark)); }

int WinContext::KanCount() const {
  int kans = 0;
  for (int i = 1; i <= 4; ++i) {
    kans += state.openKanKinds[s][static_cast<std::size_t>(i)] != kNoTile ? 1 : 0;
    kans += state.closedKanKinds[s][static_cast<std::size_t>(i)] != kNoTile ? 1 : 0;
  }
  return kans;
}

bool WinContext::NobodyCalled() const {
  for (int seatIndex = 1; seatIndex <= kSeats; ++seatIndex) {
    if (state.hasCalled[static_cast<std::size_t>(seatIndex)]) return false;
  }
  return true;
}

}  // namespace mj::hand

#pragma once
// What one win evaluation reads and builds, shared by its paths.
#include <cstddef>
#include <optional>

#include "engine/state/table_state.h"
#include "hand/fixed_yaku.h"
#include "hand/yaku_checks.h"

namespace mj::hand {

struct WinContext {
  WinContext(TableState& table, int winner, int kind);

  TableState& state;
  const RuleSet& rules;
  int seat;
  std::size_t s;
  int winKind;
  bool tsumo;
  bool closed;        // hasCalled clear
  TileCounts counts;  // tileCounts
  KindMask present;   // the kinds the hand holds
  TileCode win;       // the winning tile's kind
  int redFives;
  bool localYakuOn;   // some local yaku can apply; the hooks are skipped otherwise
  SetCensus sets;     // of decompSets, on the standard path
  YakuRow& list;
  std::size_t size = 0;

  void Add(YakuCode code);
  bool Has(YakuCode code) const;
  bool Empty() const { return size == 0; }
  // Overwrites the entry `from` (when present) with `to`.
  void Replace(YakuCode from, YakuCode to);
  // Adds a yaku of the fixed-yaku group: under 先付けなし an open hand stores
  // a yaku not certain before the winning tile as code + 1000.
  void AddMarked(YakuCode code);
  bool IsFixed(YakuCode code);

  std::int16_t Count(int kind) const { return counts[static_cast<std::size_t>(kind)]; }
  TileCode RoundWind() const { return static_cast<TileCode>(RoundWindTile(state.handNumber)); }
  TileCode SeatWind() const { return static_cast<TileCode>(27 + state.players[s].seatWind); }
  bool IsDealer() const { return state.dealerSeat == seat; }
  int KanCount() const;
  bool HasClosedKan() const { return state.closedKanKinds[s][1] != kNoTile; }
  bool NobodyCalled() const;

 private:
  std::optional<FixedYakuTest> fixed_;
};

}  // namespace mj::hand

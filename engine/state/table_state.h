#pragma once
// The state of one game at the table. Every layer reads and writes these
// named fields directly. Arrays keep the 1-based numbering of seats (1-4),
// hand positions (1-14), meld positions (15-30), rivers (1-23), wall indices
// (1-136) and dora slots (1-5): each is sized for its highest index and
// element 0 is unused. The groups are separate structs so each concern stays
// readable; TableState joins them so fields are reached as state.handTiles.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/money.h"
#include "engine/state/call_state.h"
#include "engine/state/cpu_state.h"
#include "engine/state/human_state.h"
#include "engine/state/local_yaku_state.h"
#include "engine/state/player_types.h"
#include "engine/state/score_state.h"
#include "engine/state/seat_helpers.h"
#include "engine/state/settlement_state.h"
#include "engine/state/tile_types.h"
#include "engine/state/win_state.h"
#include "rules/rule_set.h"

namespace mj {

constexpr int kHandPositions = 14;  // 1-13 the hand, 14 the tile just drawn
constexpr int kDrawnPosition = 14;
constexpr int kFirstMeldPosition = 15;
constexpr int kLastMeldPosition = 30;
constexpr int kRiverCapacity = 23;
constexpr int kDoraSlots = 5;
constexpr int kRiichiSafeCapacity = 70;

using HandRow = std::array<TileCode, kHandPositions + 1>;
using MeldRow = std::array<TileCode, kLastMeldPosition + 1>;  // positions 15-30 used
using RiverRow = std::array<TileCode, kRiverCapacity + 1>;
using KindSlots = std::array<TileCode, 5>;                     // 1-4
using DoraRow = std::array<TileCode, kDoraSlots + 1>;

struct WallState {
  std::array<TileCode, kWallSize + 1> wallTiles{};  // a drawn position keeps its code
  std::int16_t nextDrawPos = 1;
  std::int16_t wallRemaining = 0;  // -1 once the hand has ended by a draw or an abort
  std::int16_t dice1 = 0, dice2 = 0;
  std::int16_t diceSeat = 0;
  std::int16_t breakPos = 1;  // always odd
  std::int16_t dealerSeat = 1;
  std::int16_t firstDealerSeat = 1;
  std::int16_t currentSeat = 1;
  bool isMaster = true;
  std::int16_t stepInterval = 250;
};

struct HandsState {
  PerSeat<HandRow> handTiles{};
  PerSeat<MeldRow> meldTiles{};                    // display order, real codes
  PerSeat<std::array<TileCode, 13>> chiTiles{};    // chi k in 3k-2 … 3k
  PerSeat<KindSlots> ponKinds{};
  PerSeat<KindSlots> openKanKinds{};               // from a discard or added to a pon
  PerSeat<KindSlots> closedKanKinds{};
  PerSeat<bool> hasCalled{};
  bool discardAfterCall = false;
  PerSeat<std::array<TileCode, 14>> startHands{};  // positions 1-13 as dealt
};

struct RiverState {
  PerSeat<RiverRow> riverTiles{};
  PerSeat<std::int16_t> riverCount{};
  PerSeat<std::int16_t> riichiTurn{};  // river index of the declaration tile; 0 = no riichi
  PerSeat<bool> doubleRiichi{};
  PerSeat<bool> ippatsu{};
  PerSeat<bool> riichiStakePending{};
  PerSeat<bool> missedWinFuriten{};
  PerSeat<bool> openRiichi{};
  // At its declaration the seat waited on one kind with one copy left unseen (絶張和).
  PerSeat<bool> lastCopyWin{};
};

struct DoraState {
  DoraRow doraIndicators{};
  DoraRow uraIndicators{};
  std::array<std::int16_t, kDoraSlots + 1> uraIndicatorPos{};
  DoraRow doraKinds{};  // the dora each indicator names under ネクスト; 0 otherwise
  DoraRow uraKinds{};
  std::int16_t pendingKanDora = 0;  // 1 after a concealed kan, 2 after an open kan
  bool fourKanAbort = false;
};

struct CounterState {
  std::int16_t handNumber = 1;  // 1-16; 99 once the game is over
  std::int16_t honba = 0;
  Money honbaValue;
  std::int16_t depositSticks = 0;
  std::int16_t depositSticksAtStart = 0;
  PerSeat<Money> scoresAtHandStart{};
  std::int16_t waremeSeat = 0;
};

// Answers to the tile on offer; cleared before every discard is offered.
struct ResponseState {
  PerSeat<std::int16_t> callResponse{};  // 0 none yet, 1 チー, 2 ポン, 3 カン, 4 win, 9 無視
  PerSeat<bool> canRon{};
  PerSeat<bool> mayChi{};
  PerSeat<bool> mayPon{};
  PerSeat<bool> mayKan{};
  // The option a seat's chi or kan answer takes (0 = the first); the human's
  // tile selection or a remote seat's message sets it.
  PerSeat<std::int16_t> callOption{};
};

struct TurnState {
  std::int16_t turnStep = 0;  // 0 idle; 2k-1 seat k draws; 2k seat k discards
  int nineTerminalsSeat = 0;  // the seat that declared 九種公九牌倒牌, 0 none
  bool kanDrawPending = false;
  bool rinshanChance = false;
  bool discardAfterKan = false;
  std::array<TileCode, kRiichiSafeCapacity + 1> riichiSafeTiles{};
};

struct RecordBuffer {
  bool recordEnabled = false;
  std::string recordPath;
  std::vector<std::string> recordLines;  // this hand's action entries, in order
  bool riichiJustDeclared = false;
};

struct TableState : WallState, HandsState, RiverState, DoraState, CounterState, ResponseState, TurnState,
                    WinState, ScoreState, SettlementState, CallState, HumanState, CpuState, RecordBuffer,
                    LocalYakuState {
  PerSeat<Player> players{};
  RuleSet rules = RuleSet::Defaults();
  GameMode mode;

  int SeatWindOf(int seat) const { return SeatWind(seat, dealerSeat); }
  bool InRiichi(int seat) const { return riichiTurn[static_cast<std::size_t>(seat)] != 0; }
};

// The drawn tile's position, or after a call the last tile of the hand:
// what a seat that only passes tiles on discards.
int LastTilePosition(const TableState& state, int seat);

// Empties every per-hand field, as the start of a hand does; scores, counters,
// players, rules and the record path stay.
void ClearPerHandState(TableState& state);

}  // namespace mj

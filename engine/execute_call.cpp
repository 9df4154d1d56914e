#include "engine/execute_call.h"

#include <algorithm>
#include <string>

#include "engine/arrange_hand.h"
#include "engine/call_options.h"
#include "engine/liability.h"
#include "engine/local_yaku_inputs.h"
#include "engine/meld_tiles.h"
#include "engine/record_entries.h"
#include "engine/seat_check.h"
#include "engine/tile_text.h"
#include "engine/wall.h"
#include "rules/rule_values.h"

namespace mj::engine {
namespace {

using std::size_t;

static_assert(std::tuple_size_v<decltype(CallState::riverTakenByCall)::value_type> == kRiverCapacity + 1,
              "one taken mark per river index");

// The sound of each call kind: 2 チー, 3 ポン, 4 カン.
constexpr int kSounds[] = {0, 2, 3, 4};
constexpr int kLastHandPosition = kDrawnPosition - 1;

// The discard on offer is the last tile of currentSeat's river.
struct OfferedDiscard {
  int discarder = 0;
  int riverIndex = 0;
  TileCode tile = 0;
};

OfferedDiscard DiscardOnOffer(const TableState& state, int caller) {
  const int discarder = state.currentSeat;
  if (!IsSeat(discarder) || discarder == caller) return {};
  const int index = state.riverCount[static_cast<size_t>(discarder)];
  if (index < 1 || index > kRiverCapacity) return {};
  return {discarder, index, state.riverTiles[static_cast<size_t>(discarder)][static_cast<size_t>(index)]};
}

// Any call breaks every ippatsu, and a riichi declared on the called tile
// becomes final.
void ClearIppatsuAndPendingStakes(TableState& state) {
  state.ippatsu.fill(false);
  state.riichiStakePending.fill(false);
}

void TakeDiscard(TableState& state, int seat, const OfferedDiscard& offer, CallResult& result) {
  const auto s = static_cast<size_t>(seat);
  result.sound = kSounds[result.kind];
  result.firstCall = !state.hasCalled[s];
  state.hasCalled[s] = true;
  ClearIppatsuAndPendingStakes(state);
  state.riverTakenByCall[static_cast<size_t>(offer.discarder)][static_cast<size_t>(offer.riverIndex)] = true;
  result.calledTile = offer.tile;
  result.discarder = offer.discarder;
}

void LeaveAtDiscardStep(TableState& state, int seat) {
  const auto s = static_cast<size_t>(seat);
  state.currentSeat = static_cast<std::int16_t>(seat);
  state.turnStep = static_cast<std::int16_t>(2 * seat);
  state.mayChi[s] = state.mayPon[s] = state.mayKan[s] = false;
  ArrangeSeat(state, seat, false);
}

bool FormsSequence(TileCode a, TileCode b, TileCode c) {
  std::array<TileCode, 3> k{a, b, c};
  std::sort(k.begin(), k.end());
  return IsSuited(k[0]) && SuitOf(k[0]) == SuitOf(k[2]) && k[1] == k[0] + 1 && k[2] == k[1] + 1;
}

void AddChiTiles(TableState& state, int seat, TileCode a, TileCode b, TileCode c) {
  std::array<TileCode, 3> kinds{a, b, c};
  std::sort(kinds.begin(), kinds.end());
  auto& row = state.chiTiles[static_cast<size_t>(seat)];
  for (size_t group = 1; group <= 10; group += 3) {
    if (row[group] != 0) continue;
    std::copy(kinds.begin(), kinds.end(), row.begin() + static_cast<std::ptrdiff_t>(group));
    return;
  }
}

CallResult Chi(TableState& state, int seat, const CallChoice& choice) {
  const auto s = static_cast<size_t>(seat);
  const OfferedDiscard offer = DiscardOnOffer(state, seat);
  if (offer.tile == 0 || choice.option < 1 || choice.option > state.chiOptionCount[s]) return {};
  const auto option = static_cast<size_t>(choice.option);
  const TileCode first = state.chiOptionTiles[s][option][1];
  const TileCode second = state.chiOptionTiles[s][option][2];
  const TileCode called = TileKind(offer.tile);
  if (!FormsSequence(called, first, second) || HeldInHand(state, seat, first, kLastHandPosition) == 0 ||
      HeldInHand(state, seat, second, kLastHandPosition) == 0) {
    return {};
  }
  CallResult result{.kind = kCallChi};
  TakeDiscard(state, seat, offer, result);
  const TileCode a = TakeFromHand(state, seat, first, kLastHandPosition);
  const TileCode b = TakeFromHand(state, seat, second, kLastHandPosition);
  state.kuikaeBan = state.chiForbidden[s][option];
  AddChiTiles(state, seat, called, first, second);
  AddCalledSet(state, seat, {called, first, second});
  MarkLiability(state, seat, 0);
  AppendMeld(state, seat, {offer.tile, a, b}, offer.discarder);
  state.discardAfterCall = true;
  AddRecordEntry(state, std::to_string(seat) + "C" + TileText(a) + TileText(b));
  LeaveAtDiscardStep(state, seat);
  return result;
}

CallResult Pon(TableState& state, int seat) {
  const auto s = static_cast<size_t>(seat);
  const OfferedDiscard offer = DiscardOnOffer(state, seat);
  const TileCode kind = TileKind(offer.tile);
  if (offer.tile == 0 || HeldInHand(state, seat, kind, kLastHandPosition) < 2) return {};
  CallResult result{.kind = kCallPon};
  TakeDiscard(state, seat, offer, result);
  const TileCode a = TakeFromHand(state, seat, kind, kLastHandPosition);
  const TileCode b = TakeFromHand(state, seat, kind, kLastHandPosition);
  state.kuikaeBan = {};
  if (state.rules[39] == 0) state.kuikaeBan[1] = kind;
  AddKindSlot(state.ponKinds[s], kind);
  AddCalledSet(state, seat, {kind, kind, kind});
  MarkLiability(state, seat, kind);
  AppendMeld(state, seat, {offer.tile, a, b}, offer.discarder);
  state.discardAfterCall = true;
  AddRecordEntry(state, std::to_string(seat) + "N");
  LeaveAtDiscardStep(state, seat);
  return result;
}

// Each kan form moves its tiles and answers the tile as held in the hand
// (what the record shows), or 0 when the hand does not allow it.
TileCode OpenKan(TableState& state, int seat, TileCode kind, CallResult& result) {
  const OfferedDiscard offer = DiscardOnOffer(state, seat);
  if (offer.tile == 0 || TileKind(offer.tile) != kind || HeldInHand(state, seat, kind, kLastHandPosition) < 3) {
    return 0;
  }
  TakeDiscard(state, seat, offer, result);
  const TileCode a = TakeFromHand(state, seat, kind, kLastHandPosition);
  const TileCode b = TakeFromHand(state, seat, kind, kLastHandPosition);
  const TileCode c = TakeFromHand(state, seat, kind, kLastHandPosition);
  AddKindSlot(state.openKanKinds[static_cast<size_t>(seat)], kind);
  AddCalledSet(state, seat, {kind, kind, kind, kind});
  MarkLiability(state, seat, kind);
  AppendMeld(state, seat, {offer.tile, a, b, c}, offer.discarder);
  return a;
}

TileCode ConcealedKan(TableState& state, int seat, TileCode kind, CallResult& result) {
  if (seat != state.currentSeat || HeldInHand(state, seat, kind, kHandPositions) < 4) return 0;
  const TileCode a = TakeFromHand(state, seat, kind, kHandPositions);
  const TileCode b = TakeFromHand(state, seat, kind, kHandPositions);
  const TileCode c = TakeFromHand(state, seat, kind, kHandPositions);
  const TileCode d = TakeFromHand(state, seat, kind, kHandPositions);
  MoveDrawnTileIntoHand(state, seat);
  AddKindSlot(state.closedKanKinds[static_cast<size_t>(seat)], kind);
  AppendMeld(state, seat, {a, b, c, d}, 0);
  result.calledTile = a;
  // Rule 27: only a thirteen-orphans hand may rob a concealed kan.
  result.robbing = state.rules[27] == 1 ? KanRobbing::KokushiOnly : KanRobbing::None;
  return a;
}

bool HasPonOf(const TableState& state, int seat, TileCode kind) {
  const KindSlots& pons = state.ponKinds[static_cast<size_t>(seat)];
  return std::any_of(pons.begin() + 1, pons.end(), [kind](TileCode k) { return k != 0 && TileKind(k) == kind; });
}

TileCode AddedKan(TableState& state, int seat, TileCode kind, CallResult& result) {
  if (seat != state.currentSeat || !HasPonOf(state, seat, kind) || HeldInHand(state, seat, kind, kHandPositions) < 1) {
    return 0;
  }
  const auto s = static_cast<size_t>(seat);
  const TileCode added = TakeFromHand(state, seat, kind, kHandPositions);
  MoveDrawnTileIntoHand(state, seat);
  RemoveKindSlot(state.ponKinds[s], kind);
  AddKindSlot(state.openKanKinds[s], kind);
  GrowPonIntoKan(state, seat, kind, added);
  // The pon's discarder stays unmarked: the tile added now is the caller's own.
  result.calledTile = added;
  result.robbing = KanRobbing::AnyWinner;
  return added;
}

void FinishKan(TableState& state, int seat, KanType type, TileCode held, CallResult& result) {
  ClearIppatsuAndPendingStakes(state);
  // A kan dora still face down from an earlier kan turns up before this one's.
  if (state.pendingKanDora != 0) {
    state.pendingKanDora = 0;
    if (KanDoraInPlay(state.rules)) result.flippedDoraSlot = FlipDoraIndicator(state);
  }
  if (KanDoraInPlay(state.rules)) state.pendingKanDora = type == KanType::Concealed ? 1 : 2;
  ++state.kanCount;
  NoteKanDeclared(state, held);
  state.kanDrawPending = true;
  state.kuikaeBan = {};
  state.discardAfterCall = false;
  if (result.robbing != KanRobbing::None) state.robbedKanTile = result.calledTile;
  AddRecordEntry(state, std::to_string(seat) + "K" + TileText(held));
  LeaveAtDiscardStep(state, seat);
}

CallResult Kan(TableState& state, int seat, const CallChoice& choice) {
  const KanOption option = KanOptionAt(state, seat, choice.option);
  CallResult result{.kind = kCallKan};
  TileCode held = 0;
  switch (option.type) {
    case KanType::Open: held = OpenKan(state, seat, option.kind, result); break;
    case KanType::Concealed: held = ConcealedKan(state, seat, option.kind, result); break;
    case KanType::Added: held = AddedKan(state, seat, option.kind, result); break;
    case KanType::None: break;
  }
  if (held == 0) return {};
  result.kanType = option.type;
  result.sound = kSounds[kCallKan];
  FinishKan(state, seat, option.type, held, result);
  return result;
}

}  // namespace

CallResult ExecuteCall(TableState& state, int seat, int kind, const CallChoice& choice) {
  if (kind == kCallChi && CanChi(state, seat)) return Chi(state, seat, choice);
  if (kind == kCallPon && CanPon(state, seat)) return Pon(state, seat);
  if (kind == kCallKan && CanKan(state, seat)) return Kan(state, seat, choice);
  return {};
}

}  // namespace mj::engine

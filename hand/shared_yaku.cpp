#include <cstddef>

#include "hand/dora_count.h"
#include "hand/win_paths.h"
#include "hand/yaku_codes.h"

namespace mj::hand {

void AddOpeningYaku(WinContext& ctx, bool kokushiPath) {
  const bool firstTurn = ctx.state.riverCount[ctx.s] == 0;
  if (ctx.tsumo) {
    const bool noClosedKan = kokushiPath || !ctx.HasClosedKan();
    if (!firstTurn || !noClosedKan) return;
    if (ctx.IsDealer()) {
      ctx.Add(yaku::kTenhou);
    } else if (ctx.NobodyCalled()) {
      ctx.Add(yaku::kChiihou);
    }
    return;
  }
  const int renhouRule = ctx.rules[44];
  if (renhouRule == 0 || !firstTurn || !ctx.NobodyCalled()) return;
  if (!kokushiPath) ctx.state.manganYakuFlags[ctx.s][yaku::kRenhouManganFlag] = true;
  if (renhouRule == 2) ctx.Add(yaku::kRenhou);
}

void AddPaarenchan(WinContext& ctx) {
  // The streak belongs to the dealer: a former dealer keeps its count until
  // the next win, but its next win is not an eighth dealer win.
  if (ctx.rules[45] == 1 && ctx.IsDealer() && ctx.state.players[ctx.s].dealerStreak >= 7) ctx.Add(yaku::kPaarenchan);
}

void AddRiichiYaku(WinContext& ctx) {
  if (ctx.state.doubleRiichi[ctx.s]) {
    ctx.Add(yaku::kDoubleRiichi);
  } else if (ctx.state.riichiTurn[ctx.s] != 0) {
    ctx.Add(ctx.state.openRiichi[ctx.s] ? yaku::kOpenRiichi : yaku::kRiichi);
  }
  if (ctx.rules[16] == 1 && ctx.state.ippatsu[ctx.s]) ctx.Add(yaku::kIppatsu);
}

void AddFlushYaku(WinContext& ctx) {
  for (int suit = 0; suit < 3; ++suit) {
    const KindMask own = SuitMask(suit);
    if (!AnyKind(ctx.present, own) || AnyKind(ctx.present, kNumberedMask & ~own)) continue;
    ctx.Add(AnyKind(ctx.present, kHonourMask) ? yaku::kHonitsu : yaku::kChinitsu);
  }
}

int ConcealedTripletCount(const WinContext& ctx) {
  int concealed = 0;
  for (int i = 1; i <= 4; ++i) {
    const DecompSet& set = ctx.state.decompSets[static_cast<std::size_t>(i)];
    if (!IsTripletSet(set) || (!ctx.tsumo && set[1] == ctx.win)) continue;
    if (SlotsHoldKind(ctx.state.ponKinds[ctx.s], set[1]) || SlotsHoldKind(ctx.state.openKanKinds[ctx.s], set[1])) continue;
    ++concealed;
  }
  return concealed;
}

void AddDoraYaku(WinContext& ctx) {
  const DoraCounts dora = CountDora(ctx.state, ctx.seat, ctx.counts);
  if (dora.dora > 0) {
    ctx.Add(yaku::kDora);
    ctx.state.doraCount[ctx.s] = static_cast<std::int16_t>(dora.dora);
  }
  if (dora.ura > 0) {
    ctx.Add(yaku::kUraDora);
    ctx.state.uraCount[ctx.s] = static_cast<std::int16_t>(dora.ura);
  }
  ctx.state.redCount[ctx.s] = static_cast<std::int16_t>(ctx.redFives);
  if (ctx.redFives > 0) ctx.Add(yaku::kRedDora);
}

}  // namespace mj::hand

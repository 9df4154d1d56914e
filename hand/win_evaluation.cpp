#include "hand/win_evaluation.h"

#include <bit>
#include <cstddef>

#include "hand/decomposition.h"
#include "hand/fu.h"
#include "hand/hand_shape.h"
#include "hand/local_yaku_hooks.h"
#include "hand/win_check.h"
#include "hand/win_paths.h"
#include "hand/yaku_codes.h"
#include "hand/yaku_values.h"

namespace mj::hand {
namespace {

// A path without a decomposition must not leave an earlier hand's sets for the fu count.
void ClearDecomposition(TableState& state) {
  state.decompSets = DecompSets{};
  state.concealedSets = ConcealedSets{};
  state.decompPair = kNoTile;
}

bool HasEntryBesidesDora(const WinContext& ctx) {
  for (std::size_t i = 0; i < ctx.size; ++i) {
    if (ctx.list[i] != yaku::kDora && ctx.list[i] != yaku::kRedDora) return true;
  }
  return false;
}

bool TwoHanMinimumApplies(const WinContext& ctx) {
  return ctx.rules[3] == 1 || (ctx.rules[3] == 2 && ctx.state.honba >= 5);
}

bool CommonTail(WinContext& ctx) {
  const int flags = ManganFlagCount(ctx.state, ctx.seat);
  if (!HasEntryBesidesDora(ctx) && flags == 0) return false;
  // 九種公九牌倒牌 is an abort offered like a win, not a hand with han; a
  // mangan-class yaku is worth its five han.
  if (ctx.list[0] != yaku::kNineTerminals && TwoHanMinimumApplies(ctx) &&
      CountHan(ctx.state, ctx.seat) + yaku::kManganFlagHan * flags < 2) {
    return false;
  }
  ComputeFu(ctx.state, ctx.seat, ctx.winKind);
  return true;
}

}  // namespace

void EvaluateKokushiPath(WinContext& ctx) {
  AddOpeningYaku(ctx, true);
  AddPaarenchan(ctx);
  ctx.Add(yaku::kKokushi);
  if (ctx.Count(ctx.win) == 2) {
    ctx.state.kokushi13Wait[ctx.s] = true;
    if (ctx.rules[41] == 1) ctx.Replace(yaku::kKokushi, yaku::kKokushi13);
  }
}

void EvaluateFirstDrawPath(WinContext& ctx) {
  const bool firstDraw = ctx.tsumo && ctx.state.riverCount[ctx.s] == 0 && !ctx.HasClosedKan() &&
                         (ctx.NobodyCalled() || ctx.IsDealer());
  if (!firstDraw) return;
  LocalYakuHook(ctx, LocalYakuStep::FirstDraw);
  if (!ctx.Empty()) {
    AddPaarenchan(ctx);
    return;
  }
  const int kinds = std::popcount(ctx.present & kTerminalHonourMask);
  // The human may abort with nine kinds or more; a CPU seat aborts on exactly nine.
  if (ctx.seat == 1 ? kinds >= 9 : kinds == 9) ctx.Add(yaku::kNineTerminals);
}

bool EvaluateWin(TableState& state, int seat, int winKind) {
  ClearWinOutputs(state, seat);
  WinContext ctx(state, seat, winKind);
  if (IsKokushiShape(ctx.counts)) {
    ClearDecomposition(state);
    EvaluateKokushiPath(ctx);
  } else if (DecomposeForScoring(state, seat)) {
    EvaluateStandardPath(ctx);
  } else {
    ClearDecomposition(state);
    if (IsSevenPairsShape(ctx.counts, !ctx.closed)) {
      EvaluateSevenPairsPath(ctx);
    } else {
      EvaluateFirstDrawPath(ctx);
    }
  }
  return CommonTail(ctx);
}

bool StandardWinEvaluator::EvaluateWin(TableState& state, int seat, int winKind) {
  return hand::EvaluateWin(state, seat, winKind);
}

}  // namespace mj::hand

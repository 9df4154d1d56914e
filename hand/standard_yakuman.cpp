#include "hand/local_yaku_hooks.h"
#include "hand/win_evaluator.h"
#include "hand/win_paths.h"
#include "hand/yaku_codes.h"

namespace mj::hand {
namespace {

// 九連宝燈 is fourteen tiles in hand: a concealed kan of the suit is not the shape.
void AddNineGates(WinContext& ctx) {
  if (!ctx.closed || ctx.KanCount() != 0) return;
  const int lastSuit = ctx.rules[29] == 0 ? 0 : 2;
  for (int suit = 0; suit <= lastSuit; ++suit) {
    if (!IsNineGatesSuit(ctx.counts, suit)) continue;
    ctx.Add(ctx.rules[42] == 1 && IsPureNineGates(ctx.counts, suit, ctx.win) ? yaku::kChuuren9 : yaku::kChuuren);
  }
}

bool CirclePairsFrom(const WinContext& ctx, int firstNumber, int lastNumber) {
  for (int n = firstNumber; n <= lastNumber; ++n) {
    if (ctx.Count(9 + n) != 2) return false;
  }
  return true;
}

void AddDaisharin(WinContext& ctx) {
  if (!ctx.closed) return;
  const int rule = ctx.rules[30];
  const bool held = (rule == 2 && (CirclePairsFrom(ctx, 1, 7) || CirclePairsFrom(ctx, 2, 8) || CirclePairsFrom(ctx, 3, 9))) ||
                    (rule == 3 && CirclePairsFrom(ctx, 2, 8));
  if (held) ctx.Add(yaku::kDaisharin);
}

void AddFourConcealedTriplets(WinContext& ctx) {
  if (!ctx.closed || ConcealedTripletCount(ctx) != 4) return;
  ctx.Add(ctx.win == ctx.state.decompPair ? yaku::kSuuankouTanki : yaku::kSuuankou);
}

void AddBigDragons(WinContext& ctx) {
  if (!IsBigDragons(ctx.counts)) return;
  // Under 先付けなし a 大三元 made by the winning tile still stands when a value triplet was certain.
  const bool fixed = ctx.IsFixed(yaku::kDaisangen) || ctx.IsFixed(yaku::kYakuhai);
  ctx.Add(fixed ? yaku::kDaisangen : static_cast<YakuCode>(yaku::kDaisangen + kNotFixedMark));
}

}  // namespace

// The yakuman group of the standard path; a non-empty list ends the evaluation.
void AddStandardYakuman(WinContext& ctx) {
  AddNineGates(ctx);
  AddDaisharin(ctx);
  if (OnlyKinds(ctx.present, kGreenMask) && (ctx.rules[31] != 0 || ctx.Count(kGreen) > 0)) ctx.Add(yaku::kRyuuiisou);
  if (ctx.KanCount() == 4) ctx.Add(yaku::kSuukantsu);
  AddFourConcealedTriplets(ctx);
  if (!AnyKind(ctx.present, kNumberedMask)) ctx.Add(yaku::kTsuuiisou);
  AddBigDragons(ctx);
  if (IsLittleWinds(ctx.counts)) ctx.Add(yaku::kShousuushii);
  if (IsBigWinds(ctx.counts)) ctx.Add(yaku::kDaisuushii);
  if (OnlyKinds(ctx.present, kTerminalMask)) ctx.Add(yaku::kChinroutou);
  AddPaarenchan(ctx);
  LocalYakuHook(ctx, LocalYakuStep::StandardYakuman);
}

}  // namespace mj::hand

#include "hand/local_yaku_hooks.h"
#include "hand/pinfu_shape.h"
#include "hand/win_paths.h"
#include "hand/yaku_codes.h"

namespace mj::hand {
namespace {

// 純全帯; else 混老頭; else 全帯.
void AddTerminalGroups(WinContext& ctx) {
  const SetCensus& sets = ctx.sets;
  const TileCode pair = ctx.state.decompPair;
  if (IsTerminal(pair) && AllTerminalSets(sets, false)) {
    ctx.Add(yaku::kJunchan);
    return;
  }
  LocalYakuHook(ctx, LocalYakuStep::TerminalGroups);
  if (OnlyKinds(ctx.present, kTerminalHonourMask)) {
    ctx.Add(yaku::kHonroutou);
  } else if (IsTerminalOrHonor(pair) && AllTerminalSets(sets, true)) {
    ctx.Add(yaku::kChanta);
  }
}

void AddSetYaku(WinContext& ctx, bool ryanpeikou) {
  const SetCensus& sets = ctx.sets;
  if (ctx.KanCount() == 3) ctx.AddMarked(yaku::kSankantsu);
  if (!ryanpeikou && ConcealedTripletCount(ctx) == 3) ctx.Add(yaku::kSanankou);
  if (sets.triplets == 4) ctx.Add(yaku::kToitoi);
  if (IsLittleDragons(ctx.counts)) ctx.AddMarked(yaku::kShousangen);
  for (int suit = 0; suit < 3; ++suit) {
    if (HasIttsu(sets, suit)) ctx.AddMarked(yaku::kIttsu);
  }
  LocalYakuHook(ctx, LocalYakuStep::Ittsu);
  if (SanshokuTripletNumber(sets) == 0) {
    if (SanshokuSequenceNumber(sets) != 0) ctx.AddMarked(yaku::kSanshoku);
    LocalYakuHook(ctx, LocalYakuStep::Sanshoku);
  } else {
    ctx.AddMarked(yaku::kSanshokuDoukou);
    LocalYakuHook(ctx, LocalYakuStep::SanshokuDoukou);
  }
  if (ctx.closed && !ryanpeikou && sets.equalSequences) ctx.Add(yaku::kIipeikou);
}

// 嶺上開花, 槍槓, 海底撈月 / 河底撈魚.
void AddSpecialWinYaku(WinContext& ctx) {
  const bool rinshan = ctx.state.rinshanChance && ctx.tsumo;
  if (rinshan) {
    LocalYakuHook(ctx, LocalYakuStep::BeforeRinshan);
    ctx.Add(yaku::kRinshan);
    LocalYakuHook(ctx, LocalYakuStep::Rinshan);
  }
  if (ctx.state.robbingKan) {
    ctx.Add(yaku::kChankan);
    LocalYakuHook(ctx, LocalYakuStep::Chankan);
  }
  if (ctx.state.wallRemaining == 0 && !ctx.state.rinshanChance && !ctx.state.robbingKan) {
    ctx.Add(ctx.tsumo ? yaku::kHaitei : yaku::kHoutei);
    LocalYakuHook(ctx, LocalYakuStep::LastTile);
  }
}

void AddValueTriplets(WinContext& ctx) {
  const int value = ValueTripletCount(ctx.counts, ctx.RoundWind(), ctx.SeatWind());
  if (value == 0) return;
  ctx.AddMarked(yaku::kYakuhai);
  ctx.state.yakuhaiCount[ctx.s] = static_cast<std::int16_t>(value);
}

}  // namespace

void EvaluateStandardPath(WinContext& ctx) {
  ctx.sets = CensusOf(ctx.state.decompSets);
  AddOpeningYaku(ctx, false);
  if (ctx.tsumo) LocalYakuHook(ctx, LocalYakuStep::StandardOpening);
  AddStandardYakuman(ctx);
  if (!ctx.Empty()) return;  // yakuman stand alone, without dora

  AddRiichiYaku(ctx);
  LocalYakuHook(ctx, LocalYakuStep::StandardRiichi);
  AddFlushYaku(ctx);
  const bool ryanpeikou = ctx.closed && HasSevenPairCounts(ctx.counts);
  if (ryanpeikou) {
    ctx.Add(yaku::kRyanpeikou);
    LocalYakuHook(ctx, LocalYakuStep::Ryanpeikou);
  }
  AddTerminalGroups(ctx);
  AddSetYaku(ctx, ryanpeikou);
  LocalYakuHook(ctx, LocalYakuStep::OpenMelds);
  if (!AnyKind(ctx.present, kTerminalHonourMask) && (ctx.closed || ctx.rules[14] != 0)) ctx.Add(yaku::kTanyao);
  AddSpecialWinYaku(ctx);
  // 平和 goes with the reading the hand is scored by: a hand read as triplets
  // gets neither the 平和 of a sequence reading nor its fixed fu.
  const bool pinfuAllowed = ctx.closed && (!ctx.tsumo || ctx.rules[13] == 1) && ctx.sets.triplets == 0;
  if (pinfuAllowed && IsPinfuShape(ctx.state, ctx.seat)) ctx.Add(yaku::kPinfu);
  if (ctx.closed && ctx.tsumo) ctx.Add(yaku::kMenzenTsumo);
  AddValueTriplets(ctx);
  AddDoraYaku(ctx);
}

}  // namespace mj::hand

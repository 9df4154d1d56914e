#include "hand/local_yaku_hooks.h"
#include "hand/win_paths.h"
#include "hand/yaku_codes.h"

namespace mj::hand {
namespace {

void AddSevenPairsYakuman(WinContext& ctx) {
  if (ctx.rules[30] == 1 && OnlyKinds(ctx.present, kCircleMask)) ctx.Add(yaku::kDaisharin);
  if (ctx.rules[32] == 1 && OnlyKinds(ctx.present, kHonourMask)) ctx.Add(yaku::kTsuuiisou);
  AddPaarenchan(ctx);
  LocalYakuHook(ctx, LocalYakuStep::SevenPairsYakuman);
}

}  // namespace

void EvaluateSevenPairsPath(WinContext& ctx) {
  AddOpeningYaku(ctx, false);
  AddSevenPairsYakuman(ctx);
  if (!ctx.Empty()) return;  // yakuman stand alone, without dora

  AddRiichiYaku(ctx);
  if (!OnlyKinds(ctx.present, kHonourMask)) AddFlushYaku(ctx);
  if (OnlyKinds(ctx.present, kTerminalHonourMask)) ctx.Add(yaku::kHonroutou);
  ctx.Add(yaku::kChiitoitsu);
  LocalYakuHook(ctx, LocalYakuStep::SevenPairsVariants);
  LocalYakuHook(ctx, LocalYakuStep::SevenPairsKanFuri);
  if (!AnyKind(ctx.present, kTerminalHonourMask)) ctx.Add(yaku::kTanyao);
  // Seven pairs can rob a kan (a single wait on the added tile) like any hand.
  if (ctx.state.robbingKan) {
    ctx.Add(yaku::kChankan);
    LocalYakuHook(ctx, LocalYakuStep::Chankan);
  } else if (ctx.state.wallRemaining == 0) {
    ctx.Add(ctx.tsumo ? yaku::kHaitei : yaku::kHoutei);
    LocalYakuHook(ctx, LocalYakuStep::SevenPairsLastTile);
  }
  if (ctx.tsumo) ctx.Add(yaku::kMenzenTsumo);
  AddDoraYaku(ctx);
}

}  // namespace mj::hand

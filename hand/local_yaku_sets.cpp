// The local yaku that read the sets of the decomposition or the suits.
#include <cstddef>

#include "hand/local_yaku_shapes.h"
#include "hand/local_yaku_steps.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

bool HasSequence(const SetCensus& sets, int suit, int n) {
  return AnyKind(sets.sequenceStarts, KindBit(static_cast<TileCode>(9 * suit + n)));
}

// Six tiles of the suit, each kind once.
bool SixSingles(const WinContext& ctx, int suit) {
  for (int n = 1; n <= 9; ++n) {
    if (ctx.Count(9 * suit + n) > 1) return false;
  }
  return CountIn(ctx.counts, SuitMask(suit)) == 6;
}

bool HoldsSouryuuSoushu(const WinContext& ctx) {
  const TileCode pair = ctx.state.decompPair;
  if (!ctx.closed || !IsSuited(pair) || SuitOf(pair) != 1) return false;
  if (CountIn(ctx.counts, kCircleMask | kHonourMask) != 2 || !SixSingles(ctx, 0) || !SixSingles(ctx, 2)) return false;
  // Each kind once: the characters are two different sequences.
  int characterRuns = 0;
  int matched = 0;
  for (int n = 1; n <= 7; ++n) {
    if (!HasSequence(ctx.sets, 0, n)) continue;
    ++characterRuns;
    matched += HasSequence(ctx.sets, 2, n) ? 1 : 0;
  }
  return characterRuns == 2 && matched == 2;
}

// The lowest sequence of the first suit that has one must be held by
// exactly one of the later suits; characters decide when they hold any.
bool HoldsSeiPeikou(const SetCensus& sets) {
  for (int n = 1; n <= 7; ++n) {
    if (HasSequence(sets, 0, n)) return HasSequence(sets, 1, n) != HasSequence(sets, 2, n);
  }
  for (int n = 1; n <= 7; ++n) {
    if (HasSequence(sets, 1, n)) return HasSequence(sets, 2, n);
  }
  return false;
}

}  // namespace

void AddSouryuuSoushu(WinContext& ctx) {
  if (InForce(ctx, yaku::kSouryuuSoushu) && HoldsSouryuuSoushu(ctx)) SetManganFlag(ctx, yaku::kSouryuuSoushu);
}

void AddSeiPeikou(WinContext& ctx) {
  if (InForce(ctx, yaku::kSeiPeikou) && HoldsSeiPeikou(ctx.sets)) SetManganFlag(ctx, yaku::kSeiPeikou);
}

void AddOpenChuuren(WinContext& ctx) {
  if (!InForce(ctx, yaku::kOpenChuuren) || ctx.closed) return;
  const int lastSuit = ctx.rules[29] == 0 ? 0 : 2;
  for (int suit = 0; suit <= lastSuit; ++suit) {
    if (IsNineGatesSuit(ctx.counts, suit)) {
      ctx.Add(yaku::kOpenChuuren);
      return;
    }
  }
}

void AddUushinTsuukan(WinContext& ctx) {
  // A 一気通貫 marked as not fixed (code + 1000) does not count.
  if (!InForce(ctx, yaku::kUushinTsuukan) || !ctx.Has(yaku::kIttsu)) return;
  for (int suit = 0; suit < 3; ++suit) {
    if (!HasIttsu(ctx.sets, suit) || ctx.win != 9 * suit + 5) continue;
    bool four = false;
    bool six = false;
    for (int p = 1; p < kDrawnPosition; ++p) {
      const TileCode kind = TileKind(ctx.state.handTiles[ctx.s][Index(p)]);
      four = four || kind == 9 * suit + 4;
      six = six || kind == 9 * suit + 6;
    }
    if (four && six) SetManganFlag(ctx, yaku::kUushinTsuukan);
  }
}

void AddLocalSanshokuGroup(WinContext& ctx) {
  const DecompSets& sets = ctx.state.decompSets;
  if (InForce(ctx, yaku::kSanrenkou) && HoldsSanrenkou(sets)) ctx.AddMarked(yaku::kSanrenkou);
  if (InForce(ctx, yaku::kIsshokuSanjun) && HoldsIsshokuSanjun(sets)) ctx.AddMarked(yaku::kIsshokuSanjun);
  if (InForce(ctx, yaku::kSanshokuTsuukan) && HoldsSanshokuTsuukan(sets)) ctx.AddMarked(yaku::kSanshokuTsuukan);
}

void AddAruchuu(WinContext& ctx) {
  if (!InForce(ctx, yaku::kAruchuu)) return;
  if (ctx.Count(2) >= 3 && ctx.Count(11) >= 3 && ctx.Count(20) >= 3 && ctx.Count(kRed) >= 3) ctx.Add(yaku::kAruchuu);
}

}  // namespace mj::hand

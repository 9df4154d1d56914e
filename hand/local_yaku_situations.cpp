// The local yaku of how the hand was won: the melds shown, the tile before
// or after a kan, the last tile, and the seven-pairs variants.
#include <cstddef>

#include "hand/local_yaku_steps.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

constexpr TileCode kOneCircle = 10, kFiveCircle = 14, kNineCircle = 18, kTwoBamboo = 20;

// Chis, pons and open kans; a concealed kan is not shown.
int OpenMeldCount(const TableState& state, std::size_t s) {
  int melds = 0;
  for (int group = 1; group <= 10; group += 3) melds += state.chiTiles[s][Index(group)] != kNoTile ? 1 : 0;
  for (int i = 1; i <= 4; ++i) {
    melds += state.ponKinds[s][Index(i)] != kNoTile ? 1 : 0;
    melds += state.openKanKinds[s][Index(i)] != kNoTile ? 1 : 0;
  }
  return melds;
}

constexpr KindMask NumberMask(int parity) {
  KindMask mask = 0;
  for (int k = 1; k <= 27; ++k) {
    if (SuitNumber(static_cast<TileCode>(k)) % 2 == parity) mask |= KindBit(static_cast<TileCode>(k));
  }
  return mask;
}

constexpr KindMask kOddNumbers = NumberMask(1);
constexpr KindMask kEvenNumbers = NumberMask(0);

bool IsSevenPairsEntry(YakuCode code) {
  return code == yaku::kChiitoitsu || (code >= yaku::kOddSevenPairs && code <= yaku::kWindSevenPairs);
}

// A later variant overwrites an earlier one: the entry ends as the last that holds.
void ReplaceSevenPairsEntry(WinContext& ctx, YakuCode code) {
  for (std::size_t i = 0; i < ctx.size; ++i) {
    if (IsSevenPairsEntry(ctx.list[i])) ctx.list[i] = code;
  }
}

int CountOfRange(const WinContext& ctx, TileCode first, TileCode last) {
  int tiles = 0;
  for (TileCode k = first; k <= last; ++k) tiles += ctx.Count(k);
  return tiles;
}

}  // namespace

void AddOpenMeldYaku(WinContext& ctx) {
  const bool fourShown = OpenMeldCount(ctx.state, ctx.s) == 4;
  if (InForce(ctx, yaku::kKinkeiDokuritsu) && fourShown) ctx.Add(yaku::kKinkeiDokuritsu);
  if (InForce(ctx, yaku::kDokuchouKankousetsu) && fourShown && ctx.win == kWhite) {
    SetManganFlag(ctx, yaku::kDokuchouKankousetsu);
  }
  AddKanburi(ctx);
  if (InForce(ctx, yaku::kZetchou) && ctx.state.lastCopyWin[ctx.s]) ctx.Add(yaku::kZetchou);
}

void AddKanburi(WinContext& ctx) {
  // A tile added to a kan is robbed, not discarded.
  const bool onKanDiscard = !ctx.tsumo && !ctx.state.robbingKan && ctx.state.discardAfterKan;
  if (InForce(ctx, yaku::kKanburi) && onKanDiscard) ctx.Add(yaku::kKanburi);
}

void AddAnchuuMosaku(WinContext& ctx) {
  if (InForce(ctx, yaku::kAnchuuMosaku) && ctx.state.kanOfRedDragon && SuitOf(ctx.win) == 2) {
    ctx.Add(yaku::kAnchuuMosaku);
  }
}

void AddRinshanVariants(WinContext& ctx) {
  if (InForce(ctx, yaku::kRenkanKaihou) && ctx.state.kanRunCount >= 2) ctx.Replace(yaku::kRinshan, yaku::kRenkanKaihou);
  if (InForce(ctx, yaku::kUupinKaihou) && ctx.win == kFiveCircle) SetManganFlag(ctx, yaku::kUupinKaihou);
}

void AddRyansouChankan(WinContext& ctx) {
  if (InForce(ctx, yaku::kRyansouChankan) && ctx.win == kTwoBamboo) SetManganFlag(ctx, yaku::kRyansouChankan);
}

void AddLastTileFlags(WinContext& ctx) {
  if (ctx.tsumo) {
    if (InForce(ctx, yaku::kIipinMouyue) && ctx.win == kOneCircle) SetManganFlag(ctx, yaku::kIipinMouyue);
  } else if (InForce(ctx, yaku::kChuupinRaoyui) && ctx.win == kNineCircle) {
    SetManganFlag(ctx, yaku::kChuupinRaoyui);
  }
}

void AddSevenPairsVariants(WinContext& ctx) {
  const bool noHonour = !AnyKind(ctx.present, kHonourMask);
  const bool held[] = {
      noHonour && !AnyKind(ctx.present, kEvenNumbers),  // 104
      noHonour && !AnyKind(ctx.present, kOddNumbers),   // 105
      CountOfRange(ctx, kWhite, kRed) == 6,             // 106
      CountOfRange(ctx, kEast, kNorth) == 8,            // 107
  };
  for (int i = 0; i < 4; ++i) {
    const auto code = static_cast<YakuCode>(yaku::kOddSevenPairs + i);
    if (InForce(ctx, code) && held[i]) ReplaceSevenPairsEntry(ctx, code);
  }
}

}  // namespace mj::hand

// The local yakuman: tested with the standard yakuman, on seven pairs, and
// on a first draw that is no ordinary hand.
#include <cstddef>
#include <initializer_list>

#include "hand/local_yaku_shapes.h"
#include "hand/local_yaku_steps.h"
#include "hand/unconnected_hand.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

constexpr TileCode Pin(int n) { return static_cast<TileCode>(9 + n); }
constexpr TileCode Sou(int n) { return static_cast<TileCode>(18 + n); }

constexpr KindMask Kinds(std::initializer_list<TileCode> kinds) {
  KindMask mask = 0;
  for (TileCode k : kinds) mask |= KindBit(k);
  return mask;
}

constexpr KindMask kBeniKujakuKinds = Kinds({Sou(1), Sou(5), Sou(7), Sou(9), kRed});
constexpr KindMask kAoNoDoumonKinds = Kinds({Pin(2), Pin(4), Pin(8)}) | kWindMask;
constexpr KindMask kDaisougenKinds = Kinds({Sou(2), Sou(3), Sou(4), Sou(5), Sou(6), Sou(7), Sou(9)});
constexpr KindMask kDaichikurinKinds = KindRange(Sou(2), Sou(8));
constexpr KindMask kBanryokuKinds = Kinds({Sou(2), Sou(3), Sou(4), Sou(6), Sou(8), kRed});
constexpr KindMask kFuukaSetsugetsuKinds = Kinds({Pin(1), Pin(5), kWhite});
constexpr KindMask kKachouFuugetsuKinds = Kinds({Pin(1), Pin(5), Sou(1)});

bool BeniKujaku(const WinContext& ctx) { return OnlyKinds(ctx.present, kBeniKujakuKinds); }

bool Suurenkou(const WinContext& ctx) { return HoldsSuurenkou(ctx.state.decompSets); }

bool IsshokuYonjun(const WinContext& ctx) {
  const TileCode pair = ctx.state.decompPair;
  for (int suit = 0; suit < 3; ++suit) {
    for (int n = 1; n <= 7; ++n) {
      const int low = 9 * suit + n;
      const bool fours = ctx.Count(low) == 4 && ctx.Count(low + 1) == 4 && ctx.Count(low + 2) == 4;
      if (fours && (pair < low || pair > low + 2)) return true;
    }
  }
  return false;
}

// 百萬石's count: number times count over the characters, each kan's fourth
// tile counted too; -1 for a hand that is not characters alone.
int CharacterSum(const WinContext& ctx) {
  if (!OnlyKinds(ctx.present, SuitMask(0))) return -1;
  int sum = 0;
  for (int n = 1; n <= 9; ++n) sum += n * ctx.Count(n);
  for (const KindSlots* kans : {&ctx.state.openKanKinds[ctx.s], &ctx.state.closedKanKinds[ctx.s]}) {
    for (int i = 1; i <= 4; ++i) sum += SuitNumber(TileKind((*kans)[Index(i)]));
  }
  return sum;
}

bool Hyakumangoku(const WinContext& ctx) { return CharacterSum(ctx) >= 100; }

bool KishuuGojuugo(const WinContext& ctx) { return CharacterSum(ctx) == 55; }

bool AoNoDoumon(const WinContext& ctx) { return OnlyKinds(ctx.present, kAoNoDoumonKinds); }

bool FuukaSetsugetsu(const WinContext& ctx) {
  return CountIn(ctx.counts, kFuukaSetsugetsuKinds) == 9 && ctx.Count(ctx.SeatWind()) == 3;
}

bool KachouFuugetsu(const WinContext& ctx) {
  return CountIn(ctx.counts, kKachouFuugetsuKinds) == 9 && ctx.Count(ctx.SeatWind()) == 3;
}

bool Daisougen(const WinContext& ctx) { return OnlyKinds(ctx.present, kDaisougenKinds); }

bool Daichikurin(const WinContext& ctx) { return OnlyKinds(ctx.present, kDaichikurinKinds); }

bool SuuchouPaikou(const WinContext& ctx) {
  for (int suit = 0; suit < 3; ++suit) {
    if (CountIn(ctx.counts, SuitMask(suit)) < 12) continue;
    for (int n = 1; n <= 3; ++n) {
      const auto low = static_cast<TileCode>(9 * suit + n);
      const KindMask skips = Kinds({low, static_cast<TileCode>(low + 2), static_cast<TileCode>(low + 4),
                                    static_cast<TileCode>(low + 6)});
      if (CountIn(ctx.counts, skips) == 12) return true;
    }
  }
  return false;
}

bool Tounansha(const WinContext& ctx) {
  int suits = 0;
  for (int suit = 0; suit < 3; ++suit) suits += AnyKind(ctx.present, SuitMask(suit)) ? 1 : 0;
  return ctx.closed && suits == 1 && AnyKind(ctx.present, Kinds({kEast, kSouth, kWest}));
}

bool BanryokuIttenKou(const WinContext& ctx) { return ctx.Count(kRed) > 0 && OnlyKinds(ctx.present, kBanryokuKinds); }

bool RenjunHou(const WinContext& ctx) { return HoldsRenjunHou(ctx.state.decompSets); }

// Won on the discard of a seat that is not in riichi while in open riichi.
bool OpenRiichiRon(const WinContext& ctx) {
  return !ctx.tsumo && !ctx.state.robbingKan && ctx.state.openRiichi[ctx.s] && !ctx.state.InRiichi(ctx.state.currentSeat);
}

struct LocalYakuman {
  YakuCode code;
  bool (*holds)(const WinContext&);
};

// In the order they are tested.
constexpr LocalYakuman kStandardYakuman[] = {
    {yaku::kBeniKujaku, BeniKujaku},           {yaku::kSuurenkou, Suurenkou},
    {yaku::kIsshokuYonjun, IsshokuYonjun},     {yaku::kHyakumangoku, Hyakumangoku},
    {yaku::kKishuuGojuugo, KishuuGojuugo},     {yaku::kAoNoDoumon, AoNoDoumon},
    {yaku::kFuukaSetsugetsu, FuukaSetsugetsu}, {yaku::kKachouFuugetsu, KachouFuugetsu},
    {yaku::kDaisougen, Daisougen},             {yaku::kDaichikurin, Daichikurin},
    {yaku::kSuuchouPaikou, SuuchouPaikou},     {yaku::kTounansha, Tounansha},
    {yaku::kBanryokuIttenKou, BanryokuIttenKou}, {yaku::kRenjunHou, RenjunHou},
    {yaku::kOpenRiichiRon, OpenRiichiRon},
};

constexpr LocalYakuman kSevenPairsYakuman[] = {
    {yaku::kAoNoDoumon, AoNoDoumon},
    {yaku::kDaisougen, Daisougen},
    {yaku::kDaichikurin, Daichikurin},
    {yaku::kOpenRiichiRon, OpenRiichiRon},
};

template <std::size_t N>
void AddHeld(WinContext& ctx, const LocalYakuman (&group)[N]) {
  for (const LocalYakuman& y : group) {
    if (InForce(ctx, y.code) && y.holds(ctx)) ctx.Add(y.code);
  }
}

int ClosedKanCount(const WinContext& ctx) {
  int kans = 0;
  for (int i = 1; i <= 4; ++i) kans += ctx.state.closedKanKinds[ctx.s][Index(i)] != kNoTile ? 1 : 0;
  return kans;
}

}  // namespace

void AddToukanHou(WinContext& ctx) {
  // Won before the first discard with one concealed kan: on the replacement tile of a kan made at the first draw.
  if (!InForce(ctx, yaku::kToukanHou) || !ctx.tsumo) return;
  if (ClosedKanCount(ctx) == 1 && ctx.state.riverCount[ctx.s] == 0 && (ctx.IsDealer() || ctx.NobodyCalled())) {
    ctx.Add(yaku::kToukanHou);
  }
}

void AddLocalStandardYakuman(WinContext& ctx) { AddHeld(ctx, kStandardYakuman); }

void AddLocalSevenPairsYakuman(WinContext& ctx) { AddHeld(ctx, kSevenPairsYakuman); }

void AddFirstDrawYakuman(WinContext& ctx) {
  if (InForce(ctx, yaku::kShiisanPuutaa) && IsUnconnectedHand(ctx.state, ctx.seat, true)) ctx.Add(yaku::kShiisanPuutaa);
  if (InForce(ctx, yaku::kShiisanUukou) && IsUnconnectedHand(ctx.state, ctx.seat, false)) ctx.Add(yaku::kShiisanUukou);
}

}  // namespace mj::hand

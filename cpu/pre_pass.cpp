#include "cpu/pre_pass.h"

#include <array>

namespace mj::cpu {
namespace {

// 1 is the first number of the suit and 9 the last; mirrored reads 9 as 1.
struct SuitView {
  const DiscardContext& c;
  int base;
  bool mirrored;
  int Held(int n) const { return c.Held(static_cast<TileCode>(base + (mirrored ? 10 - n : n))); }
};

// A 1 (or a 9, mirrored) with nothing it could join soon.
bool IsolatedTerminal(const SuitView& v) {
  if (v.Held(1) != 1 || v.Held(2) != 0) return false;
  return v.Held(3) == 0 || (v.Held(3) == 1 && v.Held(4) == 1 && v.Held(5) == 0);
}

// A 2 (or an 8, mirrored) likewise.
bool IsolatedTwo(const SuitView& v) {
  if (v.Held(2) != 1 || v.Held(1) != 0 || v.Held(3) != 0) return false;
  return v.Held(4) == 0 || (v.Held(4) == 1 && v.Held(5) == 1 && v.Held(6) == 0);
}

// kinds in this order when forward, else in reverse; the test sees each
// kind's suit read from the kind's own end.
template <std::size_t N>
TileCode FirstIsolated(const DiscardContext& c, const std::array<TileCode, N>& kinds, bool forward,
                       bool (*isolated)(const SuitView&)) {
  for (std::size_t n = 0; n < N; ++n) {
    const TileCode kind = kinds[forward ? n : N - 1 - n];
    const int number = SuitNumber(kind);
    const SuitView view{c, kind - number, number > 5};
    if (isolated(view)) return kind;
  }
  return 0;
}

}  // namespace

TileCode UselessTileDiscard(DiscardContext& c) {
  const bool knownRound = c.state.handNumber >= 1 && c.state.handNumber <= 16;
  const auto roundWind = static_cast<TileCode>(knownRound ? RoundWindTile(c.state.handNumber) : 0);
  const auto ownWind = static_cast<TileCode>(27 + c.state.players[static_cast<std::size_t>(c.seat)].seatWind);
  if (knownRound) {
    for (TileCode wind = kEast; wind <= kNorth; ++wind) {
      if (c.Held(wind) == 1 && wind != roundWind && wind != ownWind) return wind;
    }
  }
  constexpr std::array<TileCode, 6> kTerminals{1, 9, 10, 18, 19, 27};
  TileCode kind = FirstIsolated(c, kTerminals, c.random.RandomBetween(0, 1) == 1, IsolatedTerminal);
  if (kind != 0) return kind;
  constexpr std::array<TileCode, 6> kTwosAndEights{2, 8, 11, 17, 20, 26};
  kind = FirstIsolated(c, kTwosAndEights, c.random.RandomBetween(0, 1) == 1, IsolatedTwo);
  if (kind != 0) return kind;
  for (TileCode dragon = kWhite; dragon <= kRed; ++dragon) {
    if (c.Held(dragon) == 1) return dragon;
  }
  if (!knownRound) return 0;
  if (c.Held(roundWind) == 1) return roundWind;
  return c.Held(ownWind) == 1 ? ownWind : 0;
}

}  // namespace mj::cpu

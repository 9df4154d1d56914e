#include "cpu/call_positions.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }

}  // namespace

CallPositions CallMessagePositions(const TableState& s, int seat, int answer) {
  CallPositions out;
  const HandRow& hand = s.handTiles[I(seat)];
  if (answer == 1) {
    for (std::size_t t = 1; t <= 2; ++t) {
      const TileCode kind = TileKind(s.chiOptionTiles[I(seat)][1][t]);
      for (int p = 1; p <= kHandPositions; ++p) {
        if (hand[I(p)] != 0 && TileKind(hand[I(p)]) == kind) {
          out.chi[t] = p;
          break;
        }
      }
    }
  } else if (answer == 3) {
    const TileCode kind = TileKind(s.kanOptions[I(seat)][1]);
    for (int p = 1; p <= kHandPositions && out.kanCount < 4; ++p) {
      if (hand[I(p)] != 0 && TileKind(hand[I(p)]) == kind) out.kan[I(++out.kanCount)] = p;
    }
  }
  return out;
}

}  // namespace mj::cpu

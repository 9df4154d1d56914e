#pragma once
// Fixed-seed random hands of the kinds that matter to hand reading, for the
// agreement tests and the benchmarks.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/state/table_state.h"

namespace mj::hand::reference {

inline constexpr std::size_t Slot(int i) { return static_cast<std::size_t>(i); }

// Random hands of the kinds that matter: from a shuffled set of 136, from one
// suit (many waits), a complete hand less one tile (always waiting), and
// hands with melds.
class HandMaker {
 public:
  explicit HandMaker(std::uint32_t seed) : rng_(seed) {}

  static constexpr int kStyles = 7;

  // Seat 1 with `tiles` (13 or 14) tiles in shape terms. Styles: 0 random,
  // 1 one suit, 2 sets and a pair cut down, 3 melds and sets, 4 melds and
  // random tiles, 5 mostly terminals and honours, 6 mostly pairs.
  TableState Make(int style, int tiles) {
    TableState state;
    std::array<int, kKindCount + 1> used{};
    const int melds = style == 3 || style == 4 ? Below(5) : 0;
    for (int m = 0; m < melds; ++m) AddMeld(state, used);
    const int concealed = tiles - 3 * melds;
    std::vector<TileCode> hand;
    if (style == 2 || style == 3) hand = ShapedHand(used, concealed);
    while (style == 6 && static_cast<int>(hand.size()) + 2 <= concealed) {
      const int k = 1 + Below(kKindCount);
      if (used[Slot(k)] > 2) continue;
      used[Slot(k)] += 2;
      hand.insert(hand.end(), 2, static_cast<TileCode>(k));
    }
    constexpr std::array<int, 13> kTerminalsAndHonours{1, 9, 10, 18, 19, 27, 28, 29, 30, 31, 32, 33, 34};
    if (style == 5) {
      // Near 国士無双: all thirteen kinds but one or two, the rest doubled.
      const int skip = Below(13);
      const int alsoSkip = Below(2) == 0 ? Below(13) : skip;
      for (int k : kTerminalsAndHonours) {
        if (k == kTerminalsAndHonours[Slot(skip)] || k == kTerminalsAndHonours[Slot(alsoSkip)]) continue;
        if (static_cast<int>(hand.size()) == concealed) break;
        ++used[Slot(k)];
        hand.push_back(static_cast<TileCode>(k));
      }
    }
    while (static_cast<int>(hand.size()) < concealed) {
      const int k = style == 1   ? 1 + Below(9) + 9 * suit_
                    : style == 5 && Below(8) != 0 ? kTerminalsAndHonours[Slot(Below(13))]
                                                  : 1 + Below(kKindCount);
      if (used[Slot(k)] < 4) {
        ++used[Slot(k)];
        hand.push_back(static_cast<TileCode>(k));
      }
    }
    std::shuffle(hand.begin(), hand.end(), rng_);
    for (std::size_t i = 0; i < hand.size(); ++i) state.handTiles[1][i + 1] = hand[i];
    suit_ = (suit_ + 1) % 3;
    return state;
  }

  int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

 private:
  // Sets and a pair, then cut down to the size wanted.
  std::vector<TileCode> ShapedHand(std::array<int, kKindCount + 1>& used, int size) {
    std::vector<TileCode> hand;
    const int whole = size % 3 == 2 ? size : size + 1;
    for (int tries = 0; tries < 50 && static_cast<int>(hand.size()) < whole; ++tries) {
      const bool pair = hand.empty();
      const int k = 1 + Below(kKindCount);
      const bool sequence = !pair && IsSuited(static_cast<TileCode>(k)) && SuitNumber(static_cast<TileCode>(k)) <= 7 &&
                            Below(2) == 0;
      std::vector<int> kinds = pair ? std::vector<int>{k, k} : sequence ? std::vector<int>{k, k + 1, k + 2}
                                                                        : std::vector<int>{k, k, k};
      std::array<int, kKindCount + 1> after = used;
      bool fits = true;
      for (int kind : kinds) fits = fits && ++after[Slot(kind)] <= 4;
      if (!fits) continue;
      used = after;
      for (int kind : kinds) hand.push_back(static_cast<TileCode>(kind));
    }
    while (static_cast<int>(hand.size()) > size) {
      const std::size_t cut = Slot(Below(static_cast<int>(hand.size())));
      --used[Slot(hand[cut])];
      hand.erase(hand.begin() + static_cast<std::ptrdiff_t>(cut));
    }
    return hand;
  }

  void AddMeld(TableState& state, std::array<int, kKindCount + 1>& used) {
    for (int tries = 0; tries < 50; ++tries) {
      const int k = 1 + Below(kKindCount);
      const int kind = Below(4);  // 0 chi, 1 pon, 2 open kan, 3 closed kan
      if (kind == 0) {
        if (!IsSuited(static_cast<TileCode>(k)) || SuitNumber(static_cast<TileCode>(k)) > 7) continue;
        if (used[Slot(k)] > 3 || used[Slot(k + 1)] > 3 || used[Slot(k + 2)] > 3) continue;
        int group = 1;
        while (state.chiTiles[1][Slot(group)] != kNoTile) group += 3;
        for (int i = 0; i < 3; ++i) {
          ++used[Slot(k + i)];
          state.chiTiles[1][Slot(group + i)] = static_cast<TileCode>(k + i);
        }
        state.hasCalled[1] = true;
        return;
      }
      const int copies = kind == 1 ? 3 : 4;
      if (used[Slot(k)] + copies > 4) continue;
      used[Slot(k)] += copies;
      KindSlots& slots = kind == 1 ? state.ponKinds[1] : kind == 2 ? state.openKanKinds[1] : state.closedKanKinds[1];
      int slot = 1;
      while (slots[Slot(slot)] != kNoTile) ++slot;
      slots[Slot(slot)] = static_cast<TileCode>(k);
      if (kind != 3) state.hasCalled[1] = true;
      return;
    }
  }

  std::mt19937 rng_;
  int suit_ = 0;
};

}  // namespace mj::hand::reference

#include "tests/engine/arranged_wall.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/tile_notation.h"

namespace mj::engine::test {

WallMessage ArrangedWall(const WallPlan& plan) {
  WallMessage message;
  message.breakPos = plan.breakPos;
  std::array<int, 74> pool{};
  for (int kind = 1; kind <= kKindCount; ++kind) pool[static_cast<std::size_t>(kind)] = 4;
  auto place = [&](int index, TileCode tile) {
    // A red five takes the place of one of its kind's four copies.
    const auto kind = static_cast<std::size_t>(TileKind(tile));
    if (pool[kind] == 0) {
      ADD_FAILURE() << "the wall plan uses a tile more than four times: " << tile;
      return;
    }
    --pool[kind];
    message.wall[static_cast<std::size_t>(index)] = tile;
  };
  // Deal order: three rounds of four, then one each, the dealer first.
  std::array<std::vector<int>, 5> handSlots;
  int pos = plan.breakPos;
  for (int round = 0; round < 4; ++round) {
    for (int n = 0, seat = plan.dealer; n < 4; ++n, seat = seat % 4 + 1) {
      for (int t = 0; t < (round < 3 ? 4 : 1); ++t) {
        handSlots[static_cast<std::size_t>(seat)].push_back(pos);
        pos = WallNext(pos);
      }
    }
  }
  for (int seat = 1; seat <= 4; ++seat) {
    const std::vector<TileCode> tiles = mj::test::Tiles(plan.hands[static_cast<std::size_t>(seat)]);
    for (std::size_t i = 0; i < tiles.size() && i < 13; ++i) place(handSlots[static_cast<std::size_t>(seat)][i], tiles[i]);
  }
  std::array<std::vector<TileCode>, 5> draws;
  std::size_t longest = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    draws[static_cast<std::size_t>(seat)] = mj::test::Tiles(plan.draws[static_cast<std::size_t>(seat)]);
    longest = std::max(longest, draws[static_cast<std::size_t>(seat)].size());
  }
  for (std::size_t turn = 0; turn < longest; ++turn) {
    for (int n = 0, seat = plan.dealer; n < 4; ++n, seat = seat % 4 + 1) {
      const auto& mine = draws[static_cast<std::size_t>(seat)];
      if (turn < mine.size()) place(pos, mine[turn]);
      pos = WallNext(pos);
    }
  }
  if (!plan.doraIndicator.empty()) place(WallOffset(plan.breakPos, -6), mj::test::Tile(plan.doraIndicator));
  TileCode next = 1;
  for (int i = 1; i <= kWallSize; ++i) {
    if (message.wall[static_cast<std::size_t>(i)] != 0) continue;
    while (next <= kKindCount && pool[static_cast<std::size_t>(next)] == 0) ++next;
    if (next > kKindCount) {
      ADD_FAILURE() << "the wall plan leaves no tile for index " << i;
      return message;
    }
    --pool[static_cast<std::size_t>(next)];
    message.wall[static_cast<std::size_t>(i)] = next;
  }
  return message;
}

}  // namespace mj::engine::test

#include "engine/table_dump.h"

#include <cstdio>

#include "engine/tile_text.h"

namespace mj::engine {
namespace {

std::string Line(const char* format, int a, int b = 0, int c = 0, int d = 0) {
  char buf[128];
  std::snprintf(buf, sizeof buf, format, a, b, c, d);
  return buf;
}

std::string Indicators(const DoraRow& row) {
  std::string text;
  for (int k = 1; k <= kDoraSlots && row[static_cast<std::size_t>(k)] != 0; ++k) {
    text += (text.empty() ? "" : " ") + TileText(row[static_cast<std::size_t>(k)]);
  }
  return text.empty() ? "-" : text;
}

}  // namespace

std::string DealtTableText(const TableState& s) {
  static constexpr const char* kWinds[] = {"", "東", "南", "西", "北"};
  std::string out;
  out += Line("dealer %d  dice %d %d  dice seat %d", s.dealerSeat, s.dice1, s.dice2, s.diceSeat);
  out += Line("  break %d  next draw %d  tiles left %d\n", s.breakPos, s.nextDrawPos, s.wallRemaining);
  static constexpr int kSideSeats[] = {1, 4, 3, 2};  // sides in wall-index order
  for (int side = 0; side < 4; ++side) {
    const int first = side * 34 + 1;
    out += Line("wall %3d-%3d (seat %d):", first, first + 33, kSideSeats[side]);
    for (int i = first; i < first + 34; ++i) {
      out += " " + TileText(s.wallTiles[static_cast<std::size_t>(i)]);
      if (i == s.breakPos) out += "<";
    }
    out += "\n";
  }
  out += "dora indicators " + Indicators(s.doraIndicators) + "  ura indicators " + Indicators(s.uraIndicators) + "\n";
  for (int seat = 1; seat <= kSeats; ++seat) {
    out += Line("seat %d ", seat) + kWinds[s.SeatWindOf(seat)] + " ";
    for (int pos = 1; pos <= kHandPositions; ++pos) {
      out += TileText(s.handTiles[static_cast<std::size_t>(seat)][static_cast<std::size_t>(pos)]);
    }
    out += "\n";
  }
  return out;
}

}  // namespace mj::engine

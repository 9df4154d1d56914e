#include "engine/tile_selection.h"

#include <algorithm>

#include "engine/call_options.h"

namespace mj::engine {
namespace {

using std::size_t;

constexpr int kLastHandPosition = kDrawnPosition - 1;

TileCode KindAt(const TableState& state, int position) {
  if (position < 1 || position > kHandPositions) return 0;
  return TileKind(state.handTiles[kSelectingSeat][static_cast<size_t>(position)]);
}

bool ChoosingChi(const TableState& state) { return state.chiSelecting == 1; }
bool ChoosingKan(const TableState& state) { return state.kanSelecting == 1; }

int ChiOptionAt(const TableState& state, TileCode kind) {
  for (int option = 1; option <= state.chiOptionCount[kSelectingSeat]; ++option) {
    const auto& tiles = state.chiOptionTiles[kSelectingSeat][static_cast<size_t>(option)];
    if (tiles[1] == kind || tiles[2] == kind) return option;
  }
  return 0;
}

// The chi takes the first tile of each kind in positions 1-13; the hovered
// tile stands for its own kind.
void RaiseChiTiles(const TableState& state, int option, int hovered, std::vector<int>& raised) {
  const auto& tiles = state.chiOptionTiles[kSelectingSeat][static_cast<size_t>(option)];
  for (int entry = 1; entry <= 2; ++entry) {
    const TileCode kind = tiles[static_cast<size_t>(entry)];
    if (KindAt(state, hovered) == kind) {
      raised.push_back(hovered);
      continue;
    }
    for (int pos = 1; pos <= kLastHandPosition; ++pos) {
      if (KindAt(state, pos) != kind) continue;
      raised.push_back(pos);
      break;
    }
  }
}

// A kan takes every tile of its kind: four concealed, three for an open
// kan, the one added to a pon.
void RaiseKanTiles(const TableState& state, int option, std::vector<int>& raised) {
  const TileCode kind = KanOptionAt(state, kSelectingSeat, option).kind;
  for (int pos = 1; pos <= kHandPositions; ++pos) {
    if (KindAt(state, pos) == kind) raised.push_back(pos);
  }
}

}  // namespace

bool SelectionOpen(const TableState& state) { return ChoosingChi(state) || ChoosingKan(state); }

int SelectionOptionAt(const TableState& state, int position) {
  const TileCode kind = KindAt(state, position);
  if (kind == 0) return 0;
  if (ChoosingChi(state)) return position <= kLastHandPosition ? ChiOptionAt(state, kind) : 0;
  if (ChoosingKan(state)) return KanOptionAtPosition(state, kSelectingSeat, position);
  return 0;
}

std::vector<int> RaisedPositions(const TableState& state, int position) {
  std::vector<int> raised;
  const int option = SelectionOptionAt(state, position);
  if (option == 0) return raised;
  if (ChoosingChi(state)) {
    RaiseChiTiles(state, option, position, raised);
  } else {
    RaiseKanTiles(state, option, raised);
  }
  std::sort(raised.begin(), raised.end());
  return raised;
}

}  // namespace mj::engine

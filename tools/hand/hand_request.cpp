#include "tools/hand/hand_request.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace mj::tools {
namespace {

constexpr int kRequestError = 1;
constexpr std::size_t kSeat = kRequestSeat;

Status Fail(const std::string& message) { return Status::Error(kRequestError, message); }

Result<std::vector<TileCode>> ReadTiles(const Json& value, const std::string& where) {
  if (!value.is_array()) return Fail(where + " must be an array of tile codes");
  std::vector<TileCode> tiles;
  for (const Json& item : value) {
    const long long code = item.is_number_integer() ? item.get<long long>() : -1;
    if (code < 0 || code > 99 || !IsValidTileCode(static_cast<TileCode>(code))) {
      return Fail("unknown tile code " + item.dump() + " in " + where +
                  " (1-34 for the kinds, 55, 64 and 73 for red fives)");
    }
    tiles.push_back(static_cast<TileCode>(code));
  }
  return tiles;
}

bool SameKind(const std::vector<TileCode>& tiles) {
  return std::all_of(tiles.begin(), tiles.end(), [&](TileCode t) { return TileKind(t) == TileKind(tiles[0]); });
}

bool IsSequence(std::vector<TileCode> tiles) {
  for (TileCode& t : tiles) t = TileKind(t);
  std::sort(tiles.begin(), tiles.end());
  return IsSuited(tiles[0]) && SuitOf(tiles[0]) == SuitOf(tiles[2]) && tiles[1] == tiles[0] + 1 &&
         tiles[2] == tiles[0] + 2;
}

void AddToSlots(KindSlots& slots, TileCode kind) {
  auto free = std::find(slots.begin() + 1, slots.end(), kNoTile);
  *free = kind;
}

using KindCopies = std::array<int, kKindCount + 1>;

// One meld into the seat's rows; the tiles also go to the meld display.
Status AddMeld(TableState& table, const Json& meld, int number, int& displayPos, KindCopies& copies) {
  const std::string where = "meld " + std::to_string(number);
  if (!meld.is_object() || !meld.contains("type") || !meld["type"].is_string() || !meld.contains("tiles")) {
    return Fail(where + " must be an object with a \"type\" and its \"tiles\"");
  }
  const std::string type = meld["type"].get<std::string>();
  Result<std::vector<TileCode>> read = ReadTiles(meld["tiles"], where);
  if (!read.ok()) return read.status();
  const std::vector<TileCode>& tiles = *read;
  const bool kan = type == "kan" || type == "ankan" || type == "shouminkan";
  if (type == "chi") {
    if (tiles.size() != 3 || !IsSequence(tiles)) return Fail(where + ": a chi is three tiles in sequence of one suit");
    std::vector<TileCode> kinds;
    for (TileCode t : tiles) kinds.push_back(TileKind(t));
    std::sort(kinds.begin(), kinds.end());
    auto& chi = table.chiTiles[kSeat];
    int group = 1;
    while (chi[static_cast<std::size_t>(group)] != kNoTile) group += 3;
    for (std::size_t i = 0; i < 3; ++i) chi[static_cast<std::size_t>(group) + i] = kinds[i];
  } else if (type == "pon" || kan) {
    const std::size_t need = kan ? 4 : 3;
    if (tiles.size() != need || !SameKind(tiles)) {
      return Fail(where + ": a " + type + " is " + std::to_string(need) + " tiles of one kind");
    }
    KindSlots& slots = type == "pon" ? table.ponKinds[kSeat]
                       : type == "ankan" ? table.closedKanKinds[kSeat]
                                         : table.openKanKinds[kSeat];
    AddToSlots(slots, TileKind(tiles[0]));
  } else {
    return Fail(where + ": unknown type \"" + type + "\" (chi, pon, kan, ankan or shouminkan)");
  }
  if (type != "ankan") table.hasCalled[kSeat] = true;
  for (TileCode t : tiles) {
    table.meldTiles[kSeat][static_cast<std::size_t>(displayPos++)] = t;
    ++copies[static_cast<std::size_t>(TileKind(t))];
  }
  return Status::Ok();
}

}  // namespace

Result<HandRequest> ReadHandRequest(const Json& request) {
  if (!request.contains("hand")) return Fail("the request needs a \"hand\"");
  Result<std::vector<TileCode>> hand = ReadTiles(request["hand"], "hand");
  if (!hand.ok()) return hand.status();
  HandRequest out;
  TableState& table = out.table;

  KindCopies copies{};
  for (TileCode t : *hand) ++copies[static_cast<std::size_t>(TileKind(t))];
  int melds = 0;
  if (request.contains("melds")) {
    const Json& list = request["melds"];
    if (!list.is_array()) return Fail("\"melds\" must be an array");
    if (list.size() > 4) return Fail("a hand has at most four melds");
    int displayPos = kFirstMeldPosition;
    for (const Json& meld : list) {
      if (Status added = AddMeld(table, meld, ++melds, displayPos, copies); !added.ok()) return added;
    }
  }
  for (int k = 1; k <= kKindCount; ++k) {
    if (copies[static_cast<std::size_t>(k)] > 4) {
      return Fail("kind " + std::to_string(k) + " appears " + std::to_string(copies[static_cast<std::size_t>(k)]) +
                  " times; there are only four");
    }
  }
  out.shapeTiles = static_cast<int>(hand->size()) + 3 * melds;
  if (out.shapeTiles != 13 && out.shapeTiles != 14) {
    return Fail("wrong tile count: " + std::to_string(hand->size()) + " in hand and " + std::to_string(melds) +
                (melds == 1 ? " meld" : " melds") + " make " + std::to_string(out.shapeTiles) +
                "; a hand has 13 or 14 (each meld counting three)");
  }
  HandRow& row = table.handTiles[kSeat];
  const std::size_t drawn = out.shapeTiles == 14 ? hand->size() - 1 : hand->size();
  for (std::size_t i = 0; i < hand->size(); ++i) row[i < drawn ? i + 1 : kDrawnPosition] = (*hand)[i];
  return out;
}

}  // namespace mj::tools

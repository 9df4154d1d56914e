#pragma once
// The hand of a request: "hand" (tile codes) and "melds" ([{"type",
// "tiles"}]) read into seat 1 of a table, with every check a request needs.
#include <nlohmann/json.hpp>

#include "common/result.h"
#include "engine/state/table_state.h"
#include "tools/hand/query_registry.h"

namespace mj::tools {

constexpr int kRequestSeat = 1;

struct HandRequest {
  TableState table;
  int shapeTiles = 0;  // 13 or 14: concealed tiles plus three per meld
};

// With 14 in shape terms the last tile of "hand" is the drawn (winning) tile
// in position 14; with 13 position 14 stays empty.
Result<HandRequest> ReadHandRequest(const Json& request);

// A list of kinds as a JSON array.
template <class Kinds>
Json KindArray(const Kinds& kinds) {
  Json array = Json::array();
  for (TileCode k : kinds) array.push_back(k);
  return array;
}

}  // namespace mj::tools

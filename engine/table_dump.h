#pragma once
#include <string>

#include "engine/state/table_state.h"

namespace mj::engine {

// The dealt table as readable text: dice and break, the four wall sides, the
// dora and ura indicators, and the four hands in the record's tile notation.
std::string DealtTableText(const TableState& state);

}  // namespace mj::engine

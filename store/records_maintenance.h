#pragma once
// The records window's three maintenance operations. Each asks its own
// question, reports its own failures and tells the window what to do next.
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/state/player_types.h"
#include "store/data_store.h"

namespace mj::store {

enum class MaintenanceOutcome : std::uint8_t {
  Cancelled,  // nothing changed
  Done,       // changed: the window reloads its list
  Failed,     // a message was shown: the window closes
};

// Clears every player's statistics (humans' ratings back to 1500, CPUs'
// kept; experience kept), switches every local yaku off and empties the yaku
// table, all in one transaction.
MaintenanceOutcome ResetAllRecords(DataStore& store);

// Removes a human player (code below 1001) and everything stored under the
// code, and switches every local yaku off, all in one transaction.
MaintenanceOutcome DeletePlayer(DataStore& store, std::int16_t code, std::string_view name);

// Asks for a new name and stores it; every seat of players holding the code
// takes the new name as well.
MaintenanceOutcome RenamePlayer(DataStore& store, std::int16_t code, std::string_view oldName,
                                std::span<Player> players);

}  // namespace mj::store

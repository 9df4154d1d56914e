#pragma once
// One game at the table: the state and the ports it reaches the world by.
#include <optional>
#include <string>

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/random_source.h"
#include "engine/ports.h"
#include "engine/state/table_state.h"
#include "engine/wall_message.h"

namespace mj::engine {

struct TablePorts {
  TableView& view;
  TableTimers& timers;
  Sounds& sounds;
  Dialogs& dialogs;
  RandomSource& random;
  Clock& clock;
  LanLink* lan = nullptr;  // only in a LAN game
};

// The player's options the table reads.
struct TableOptions {
  int discardSpeed = 1;       // 打牌速度: 0 遅い, 1 普通, 2 早い
  bool recordOutput = false;  // 牌譜出力
  std::string recordPath;     // 牌譜パス
};

class Table {
 public:
  Table(TablePorts ports, TableOptions options);

  TableState& State() { return state_; }
  const TableState& State() const { return state_; }
  const TableOptions& Options() const { return options_; }

  // The next hand is dealt from this wall instead of a new one: a LAN
  // guest's copy of the host's wall (already turned to this client), or a
  // wall given to a tool to replay a hand.
  void SetNextWall(WallMessage wall) { nextWall_ = wall; }

  // Clears the hand, builds (or takes) the wall, breaks it, deals, flips the
  // first dora and arranges the hands. A LAN host then announces the hand;
  // a failed send is returned and ends the game.
  Status StartHand();

 private:
  TablePorts ports_;
  TableOptions options_;
  TableState state_;
  std::optional<WallMessage> nextWall_;
  int lanHandSerial_ = 0;
};

}  // namespace mj::engine

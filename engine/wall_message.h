#pragma once
// The host's hand-start ("B") and wall ("H") messages, and how a guest turns
// the host's wall to its own point of view.
#include <string>
#include <string_view>

#include "common/result.h"
#include "engine/wall.h"

namespace mj::engine {

struct WallMessage {
  Wall wall{};
  int breakPos = 1;
};

// "B" and the hand serial as three digits.
std::string FormatHandStartMessage(int handSerial);
// "H", 136 × (two-digit code and ","), breakPos as three digits: 412 characters.
std::string FormatWallMessage(const Wall& wall, int breakPos);
// Refuses anything that is not a full, valid wall: wrong length or letter,
// unknown codes, a kind not held exactly four times, a break position that
// is not an odd index.
Result<WallMessage> ParseWallMessage(std::string_view text);
// The host's wall and break position as seen by a guest whose host sits at
// local seat lanHostSeat: the host's side lands in front of the host's seat.
WallMessage RotateHostWall(const WallMessage& host, int lanHostSeat);

}  // namespace mj::engine

#include "engine/wall_message.h"

#include <cstdio>

namespace mj::engine {
namespace {

constexpr std::size_t kWallMessageLength = 1 + 3 * kWallSize + 3;

bool ReadDigits(std::string_view text, std::size_t at, std::size_t count, int& value) {
  value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const char c = text[at + i];
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

}  // namespace

std::string FormatHandStartMessage(int handSerial) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "B%03d", handSerial % 1000);
  return buf;
}

std::string FormatWallMessage(const Wall& wall, int breakPos) {
  std::string text = "H";
  text.reserve(kWallMessageLength);
  char buf[8];
  for (int i = 1; i <= kWallSize; ++i) {
    std::snprintf(buf, sizeof buf, "%02d,", wall[static_cast<std::size_t>(i)]);
    text += buf;
  }
  std::snprintf(buf, sizeof buf, "%03d", breakPos);
  return text + buf;
}

Result<WallMessage> ParseWallMessage(std::string_view text) {
  if (text.size() != kWallMessageLength || text[0] != 'H') {
    return Status::Error(1, "a wall message is \"H\" and " + std::to_string(kWallMessageLength - 1) +
                                " characters; this one has " + std::to_string(text.size()) + " characters");
  }
  WallMessage message;
  std::array<int, kKindCount + 1> copies{};
  for (int i = 1; i <= kWallSize; ++i) {
    const std::size_t at = 3 * static_cast<std::size_t>(i) - 2;  // chars 3i-1 and 3i, 1-based
    int code = 0;
    if (!ReadDigits(text, at, 2, code) || text[at + 2] != ',' || !IsValidTileCode(static_cast<TileCode>(code))) {
      return Status::Error(2, "wall index " + std::to_string(i) + " does not hold a tile code");
    }
    message.wall[static_cast<std::size_t>(i)] = static_cast<TileCode>(code);
    ++copies[static_cast<std::size_t>(TileKind(static_cast<TileCode>(code)))];
  }
  for (int kind = 1; kind <= kKindCount; ++kind) {
    if (copies[static_cast<std::size_t>(kind)] != 4) {
      return Status::Error(3, "tile kind " + std::to_string(kind) + " appears " +
                                  std::to_string(copies[static_cast<std::size_t>(kind)]) + " times, not 4");
    }
  }
  if (!ReadDigits(text, kWallMessageLength - 3, 3, message.breakPos) || message.breakPos < 1 ||
      message.breakPos > kWallSize || message.breakPos % 2 == 0) {
    return Status::Error(4, "the break position must be an odd wall index 001-135");
  }
  return message;
}

WallMessage RotateHostWall(const WallMessage& host, int lanHostSeat) {
  const int shift = WallShiftForHostSeat(lanHostSeat);
  WallMessage local;
  for (int i = 1; i <= kWallSize; ++i) {
    local.wall[static_cast<std::size_t>(WallOffset(i, shift))] = host.wall[static_cast<std::size_t>(i)];
  }
  local.breakPos = WallOffset(host.breakPos, shift);
  return local;
}

}  // namespace mj::engine

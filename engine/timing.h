#pragma once
// Every interval the table runs on, in one place. The engine only asks for
// them; the window's timers count the milliseconds.
#include <array>

namespace mj::engine {

// Option 打牌速度: 0 遅い, 1 普通, 2 早い.
constexpr std::array<int, 3> kTurnIntervalMs = {1000, 250, 50};
constexpr int kLanTurnIntervalMs = 250;
constexpr int kResponseIntervalMs = 500;
constexpr int kPresentationIntervalMs = 500;
constexpr int kLanPollIntervalMs = 10;
constexpr int kLobbyPollIntervalMs = 100;

constexpr int TurnInterval(int discardSpeed, bool lanGame) {
  if (lanGame) return kLanTurnIntervalMs;
  return discardSpeed >= 0 && discardSpeed <= 2 ? kTurnIntervalMs[static_cast<std::size_t>(discardSpeed)]
                                                : kTurnIntervalMs[1];
}

}  // namespace mj::engine

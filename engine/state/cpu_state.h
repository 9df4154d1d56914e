#pragma once
// What the CPU seats remember within a hand. Cleared with the rest of the hand.
#include <cstdint>

#include "engine/state/seat_helpers.h"

namespace mj {

// handPlan values.
constexpr std::int16_t kPlanNone = 0;
constexpr std::int16_t kPlanCharacters = 1;  // one suit 1-4: characters, circles, bamboo, honours
constexpr std::int16_t kPlanHonours = 4;
constexpr std::int16_t kPlanPairHand = 5;
constexpr std::int16_t kPlanSevenPairs = 10;
constexpr std::int16_t kPlanThirteenOrphans = 11;
constexpr std::int16_t kPlanValueCall = 12;  // called a value tile for its dora
constexpr std::int16_t kPlanDefence = 99;

struct CpuState {
  PerSeat<std::int16_t> handPlan{};
};

}  // namespace mj

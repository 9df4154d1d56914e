#pragma once
// Experience and levels: every hundred points of experience is a level, and
// level L (up to 40) unlocks local yaku 100 + L.
#include <cstdint>
#include <vector>

#include "rules/rule_set.h"

namespace mj::store {

constexpr int kMaxLevel = 40;
constexpr std::int32_t kExperiencePerLevel = 100;

// experience / 100, capped at 40.
int LevelOf(std::int32_t experience);

// The human's gain from a settled hand: the hand's experience value, doubled
// under rule 52 (理牌) = 0; nothing under rule 21 (錯和時罰則点数) = 0, in a LAN
// game, for a seat other than 1, or while statistics are off.
std::int32_t ExperienceGain(std::int32_t handExperience, const RuleSet& rules, bool isLanGame, int settledSeat,
                            bool statsEnabled);

// The local yaku unlocked by experience rising from before to after: 100 + L
// for every level L with LevelOf(before) < L <= LevelOf(after), in order.
std::vector<int> LevelUpYaku(std::int32_t before, std::int32_t after);

}  // namespace mj::store

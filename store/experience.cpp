#include "store/experience.h"

#include <algorithm>

namespace mj::store {

int LevelOf(std::int32_t experience) {
  return std::clamp(experience / kExperiencePerLevel, 0, kMaxLevel);
}

std::int32_t ExperienceGain(std::int32_t handExperience, const RuleSet& rules, bool isLanGame, int settledSeat,
                            bool statsEnabled) {
  if (rules[21] == 0 || isLanGame || settledSeat != 1 || !statsEnabled) return 0;
  return rules[52] == 0 ? handExperience * 2 : handExperience;
}

std::vector<int> LevelUpYaku(std::int32_t before, std::int32_t after) {
  std::vector<int> codes;
  for (int level = LevelOf(before) + 1; level <= LevelOf(after); ++level) codes.push_back(100 + level);
  return codes;
}

}  // namespace mj::store

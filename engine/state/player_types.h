#pragma once
// The players table and the game-mode flags: shared by every window for the
// whole run; the table copies them in when it opens.
#include <cstdint>
#include <string>

#include "common/money.h"

namespace mj {

struct Player {
  std::int16_t userCode = 0;  // code in the user table of the data file
  std::string name;
  Money score;                // may go below zero
  std::int16_t seatWind = 1;  // 1 東 … 4 北
  bool yakitori = false;      // has not won a hand yet (rule 37)
  std::int16_t dealerStreak = 0;
  std::int32_t experience = 0;
  std::int32_t gamesPlayed = 0;
  float rating = 0;
  bool isCpu = false;
};

struct GameMode {
  int stageNumber = 0;  // 0 free play, 1-15 a stage
  bool isLanGame = false;
  bool isLanHost = false;
  int lanHostSeat = 1;     // local seat of the host (1 on the host)
  int lanFirstDealer = 1;  // lobby seat number of the first dealer
  bool statsEnabled = true;
  bool stageConditionMet = false;  // the stage's condition was met during this game
};

}  // namespace mj

#pragma once
// A simple player for seat 1 that acts only through the human's engine calls,
// so whole games exercise the buttons, clicks and tile selections headless.
#include <nlohmann/json.hpp>

#include "engine/human_seat.h"
#include "engine/table.h"

namespace mj::sim {

struct HumanBotCounts {
  bool played = false;
  long long wins = 0, pons = 0, chis = 0, riichis = 0, passes = 0, discards = 0;
};

class HumanBot {
 public:
  HumanBot(engine::Table& table, HumanBotCounts& counts) : table_(table), counts_(counts) {}
  // Seat 1 becomes the human seat, played by this bot.
  void TakeSeat(engine::HumanSeat& seat);
  // Everything seat 1 can do now: win when offered; pon and chi every offer
  // (the first option); pass anything else; riichi when allowed and some
  // discard leaves the hand ready (taken back once and declared again; a
  // riichi on any hand would end nearly every hand in a chombo); discard a
  // tile that leaves the hand ready, else the drawn tile (after a call, the
  // last tile it may discard).
  void Act();

 private:
  bool ActOnce();
  bool Discard();
  // The position whose discard leaves the hand waiting, the drawn tile
  // first; 0 when none does.
  int ReadyDiscard() const;

  engine::Table& table_;
  HumanBotCounts& counts_;
};

nlohmann::ordered_json HumanBotJson(const HumanBotCounts& counts);

}  // namespace mj::sim

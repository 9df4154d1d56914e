#pragma once
// A game as one tenhou.net/6 JSON log, the form replay viewers and review
// tools load. Built from the table's events, not from the text record.
//
// What the format cannot say is written in its closest form: local yaku
// appear under their own names with their han; a chombo (false win or
// no-ten riichi) is a 流局 whose point changes are the penalty; wareme has
// no marker, its doubled payments are in the point changes; 北 round hands
// (handNumber 13-16) use kyoku 12-15, which not every viewer shows.
#include <nlohmann/json.hpp>

#include "engine/game_events.h"

namespace mj::engine {

class TenhouLog final : public GameEvents {
 public:
  void HandStarted(const TableState& state) override;
  void Drawn(const TableState& state, int seat, TileCode tile) override;
  void Discarded(const TableState& state, int seat, TileCode tile, bool fromDrawn, bool riichi) override;
  void Called(const TableState& state, int seat, const CallResult& call) override;
  void Settled(const TableState& state, int seat) override;
  void HandEnded(const TableState& state) override;
  void GameEnded(const TableState& state, const FinalResult& result) override;

  // The log so far; complete once the game has ended.
  nlohmann::json Build(const TableState& state, const std::string& date) const;

  // tenhou.net/6 tile numbers: 11-19, 21-29, 31-39, 41-47, red fives 51-53.
  static int TileNumber(TileCode tile);

 private:
  int LogSeat(int seat) const { return (seat - firstDealer_ + 4) % 4; }

  int firstDealer_ = 1;
  nlohmann::json hands_ = nlohmann::json::array();
  nlohmann::json hand_;
  std::array<nlohmann::json, 4> draws_, discards_;
  nlohmann::json result_;
  nlohmann::json finalScores_ = nlohmann::json::array();
};

}  // namespace mj::engine

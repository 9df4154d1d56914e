#include "engine/game_over.h"

#include "rules/rule_values.h"

namespace mj::engine {
namespace {

constexpr int kHandAfterLastRound = 17;

bool AllBelowThreshold(const TableState& s) {
  const Money threshold = ExtensionThreshold(s.rules);
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (s.players[static_cast<std::size_t>(seat)].score >= threshold) return false;
  }
  return true;
}

bool StrictlyOnTop(const TableState& s, int seat) {
  for (int other = 1; other <= kSeats; ++other) {
    if (other != seat && s.players[static_cast<std::size_t>(other)].score >= s.players[static_cast<std::size_t>(seat)].score) {
      return false;
    }
  }
  return true;
}

// A win in the last hand ends the game unless the dealer won and rule 22
// (オーラス和了止) lets the dealer play on.
bool WinInLastHandEnds(const TableState& s, const HandEnd& end, Dialogs& dialogs) {
  if (end.winner != end.dealerAtEntry) return true;
  switch (s.rules[22]) {
    case 1:
      return end.winner == 1 && !s.players[1].isCpu && dialogs.AskYesNo("和了止しますか？");
    case 2:
      return StrictlyOnTop(s, end.winner);
    default:
      return false;
  }
}

}  // namespace

int LastRegularHand(const RuleSet& rules) {
  switch (rules[1]) {
    case 0:
    case 2:
      return 4;
    case 4:
      return 16;
    default:
      return 8;
  }
}

bool HasExtension(const RuleSet& rules) { return rules[1] == 2 || rules[1] == 3; }

bool GameIsOver(const TableState& s, const HandEnd& end, Dialogs& dialogs) {
  if (s.rules[9] == 1) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (s.players[static_cast<std::size_t>(seat)].score < Money()) return true;
    }
  }
  const int last = LastRegularHand(s.rules);
  if (end.isWin) {
    if (HasExtension(s.rules)) {
      if (AllBelowThreshold(s)) return s.handNumber >= kHandAfterLastRound;
      if (end.handAtEntry > last) return true;
    }
    return end.handAtEntry == last && WinInLastHandEnds(s, end, dialogs);
  }
  if (s.handNumber == end.handAtEntry) return false;  // the dealer stayed
  if (s.handNumber >= kHandAfterLastRound) return true;  // no hand after 北四局
  if (HasExtension(s.rules) && AllBelowThreshold(s)) return false;
  return end.handAtEntry == last;
}

}  // namespace mj::engine

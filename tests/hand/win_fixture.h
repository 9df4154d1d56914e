#pragma once
// Test hands for the win evaluation and scoring: the concealed tiles in the
// tile notation with the winning tile last, melds as "c123m p555p k7777s
// s5555p a1111z" (chi, pon, open kan, added kan, closed kan).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/state/table_state.h"
#include "hand/win_evaluation.h"
#include "hand/win_setup.h"
#include "tests/support/tile_notation.h"

namespace mj {

// Readable failures for points and texts.
inline void PrintTo(const Money& money, std::ostream* os) { *os << money.ToString(); }
template <std::size_t N>
void PrintTo(const FixedText<N>& text, std::ostream* os) {
  *os << '"' << text.View() << '"';
}

}  // namespace mj

namespace mj::test {
namespace detail {

inline hand::MeldType MeldTypeOf(char letter) {
  switch (letter) {
    case 'c': return hand::MeldType::Chi;
    case 'p': return hand::MeldType::Pon;
    case 'k': return hand::MeldType::Kan;
    case 's': return hand::MeldType::AddedKan;
    case 'a': return hand::MeldType::ClosedKan;
    default: ADD_FAILURE() << "bad meld letter " << letter; return hand::MeldType::Chi;
  }
}

}  // namespace detail

// The winning tile is the last tile of the notation.
inline hand::WinSituation WinHand(std::string_view concealed, std::string_view melds = "") {
  hand::WinSituation w;
  w.hand = Tiles(concealed);
  if (!w.hand.empty()) w.winningTile = w.hand.back();
  std::istringstream words{std::string(melds)};
  std::string word;
  while (words >> word) {
    hand::MeldSpec meld;
    meld.type = detail::MeldTypeOf(word[0]);
    meld.tiles = Tiles(std::string_view(word).substr(1));
    w.melds.push_back(meld);
  }
  return w;
}

// Sets the state up for the situation (the state's rules stay); a failure fails the test.
inline void SetUpWinTable(TableState& state, const hand::WinSituation& situation) {
  const Status status = hand::SetUpWin(state, situation);
  ASSERT_TRUE(status.ok()) << status.message();
}

// The seat's yaku list up to its first empty slot.
inline std::vector<YakuCode> YakuListOf(const TableState& state, int seat = 1) {
  std::vector<YakuCode> list;
  for (YakuCode code : state.yakuList[static_cast<std::size_t>(seat)]) {
    if (code == 0) break;
    list.push_back(code);
  }
  return list;
}

inline std::string YakuListText(const std::vector<YakuCode>& list) {
  std::string text;
  for (YakuCode code : list) text += (text.empty() ? "" : " ") + std::to_string(code);
  return text;
}

// The seat's display lines, joined by "/".
inline std::string YakuLinesText(const TableState& state, int seat = 1) {
  std::string text;
  for (const YakuLine& line : state.yakuLines[static_cast<std::size_t>(seat)]) {
    if (line.empty()) continue;
    text += (text.empty() ? "" : "/") + line.Str();
  }
  return text;
}

// SetUpWinTable, then EvaluateWin; its answer.
inline bool EvaluateSituation(TableState& state, const hand::WinSituation& situation) {
  SetUpWinTable(state, situation);
  return hand::EvaluateWin(state, situation.seat, situation.tsumo ? hand::kTsumoWin : hand::kRonWin);
}

// Flags and settings by words: "tsumo riichi double ippatsu open dealer haitei
// houtei rinshan chankan tenhou chiihou renhou afterkan reddragonkan lastcopy",
// "seat=28", "round=29", "dora=<tiles>", "ura=<tiles>", "honba=5", "kanrun=2".
inline void ApplyWords(hand::WinSituation& w, std::string_view words) {
  std::istringstream in{std::string(words)};
  std::string word;
  while (in >> word) {
    const std::size_t eq = word.find('=');
    const std::string key = word.substr(0, eq);
    const std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
    if (key == "tsumo") w.tsumo = true;
    else if (key == "riichi") w.riichi = true;
    else if (key == "double") w.doubleRiichi = true;
    else if (key == "ippatsu") w.ippatsu = true;
    else if (key == "open") w.openRiichi = true;
    else if (key == "dealer") w.dealer = true;
    else if (key == "haitei") w.haitei = true;
    else if (key == "houtei") w.houtei = true;
    else if (key == "rinshan") w.rinshan = true;
    else if (key == "chankan") w.chankan = true;
    else if (key == "tenhou") w.tenhou = true;
    else if (key == "chiihou") w.chiihou = true;
    else if (key == "renhou") w.renhou = true;
    else if (key == "afterkan") w.afterKan = true;
    else if (key == "reddragonkan") w.redDragonKan = true;
    else if (key == "lastcopy") w.lastCopy = true;
    else if (key == "kanrun") w.kanRun = std::stoi(value);
    else if (key == "seat") w.seatWind = static_cast<TileCode>(std::stoi(value));
    else if (key == "round") w.roundWind = static_cast<TileCode>(std::stoi(value));
    else if (key == "dora") w.doraIndicators = Tiles(value);
    else if (key == "ura") w.uraIndicators = Tiles(value);
    else if (key == "honba") w.honba = std::stoi(value);
    else ADD_FAILURE() << "unknown word " << word;
  }
}

// Rule values by "N=v" words, e.g. "30=2 14=1"; N from 101 sets that local yaku's flag.
inline void ApplyRules(RuleSet& rules, std::string_view words) {
  std::istringstream in{std::string(words)};
  std::string word;
  while (in >> word) {
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos) {
      ADD_FAILURE() << "bad rule word " << word;
      continue;
    }
    const int code = std::stoi(word.substr(0, eq));
    const int value = std::stoi(word.substr(eq + 1));
    if (code >= kFirstLocalYaku) {
      rules.SetLocalYaku(code, value);
    } else {
      rules.value[static_cast<std::size_t>(code)] = static_cast<std::int16_t>(value);
    }
  }
}

// One hand of seat 1: tiles and melds, flag words and rule words.
struct HandCase {
  const char* hand;
  const char* melds = "";
  const char* words = "";
  const char* rules = "";
};

// The situation of the case; its rules go into the state.
inline hand::WinSituation Prepare(TableState& state, const HandCase& c) {
  ApplyRules(state.rules, c.rules);
  hand::WinSituation w = WinHand(c.hand, c.melds);
  ApplyWords(w, c.words);
  return w;
}

inline bool EvaluateCase(TableState& state, const HandCase& c) { return EvaluateSituation(state, Prepare(state, c)); }

// A named hand with the yaku list it gets and whether it is a win.
struct YakuExpectation {
  const char* name;
  HandCase hand;
  const char* expected;
  bool valid;
};

inline void ExpectYaku(const YakuExpectation& row) {
  SCOPED_TRACE(row.name);
  TableState state;
  const bool valid = EvaluateCase(state, row.hand);
  EXPECT_EQ(YakuListText(YakuListOf(state)), row.expected) << row.hand.hand << " " << row.hand.melds;
  EXPECT_EQ(valid, row.valid);
}

}  // namespace mj::test

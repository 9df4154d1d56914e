#include "engine/tenhou_log.h"

#include <cstdio>

#include "hand/win_payments.h"
#include "hand/yaku_codes.h"
#include "hand/yaku_tables.h"
#include "hand/yaku_values.h"
#include "hand/draw_evaluation.h"
#include "rules/rule_catalog.h"

namespace mj::engine {
namespace {

constexpr int kTsumogiri = 60;

std::string Two(TileCode tile) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02d", TenhouLog::TileNumber(tile));
  return buf;
}

// The tiles of a seat's meld group, called tile first.
std::vector<TileCode> MeldGroup(const TableState& s, int seat, int group) {
  const auto i = static_cast<std::size_t>(seat);
  int pos = kFirstMeldPosition;
  for (int g = 1; g < group; ++g) pos += s.meldSizes[i][static_cast<std::size_t>(g)];
  std::vector<TileCode> tiles;
  for (int n = 0; n < s.meldSizes[i][static_cast<std::size_t>(group)]; ++n) {
    tiles.push_back(s.meldTiles[i][static_cast<std::size_t>(pos + n)]);
  }
  return tiles;
}

int GroupOf(const TableState& s, int seat, const CallResult& call) {
  const auto i = static_cast<std::size_t>(seat);
  int last = 0;
  while (last < kMeldSlots && s.meldSizes[i][static_cast<std::size_t>(last + 1)] != 0) ++last;
  if (call.kanType != KanType::Added) return last;
  for (int g = 1; g <= last; ++g) {
    const std::vector<TileCode> tiles = MeldGroup(s, seat, g);
    if (tiles.size() == 4 && TileKind(tiles[0]) == TileKind(call.calledTile)) return g;
  }
  return last;
}

// Where the marker goes tells from whom the tile came: before the tiles for
// the seat on the left, after one tile for the seat opposite, after all the
// others for the seat on the right.
std::string MarkedMeld(char marker, const std::vector<TileCode>& tiles, int caller, int from) {
  const int relative = (from - caller + 4) % 4;  // 3 left, 2 opposite, 1 right
  // tiles[0] is the called tile; the others follow in meld order.
  std::vector<std::string> others;
  for (std::size_t n = 1; n < tiles.size(); ++n) others.push_back(Two(tiles[n]));
  const std::size_t at = relative == 3 ? 0 : relative == 2 ? 1 : others.size();
  std::string text;
  for (std::size_t n = 0; n < others.size(); ++n) {
    if (n == at) text += marker + Two(tiles[0]);
    text += others[n];
  }
  if (at >= others.size()) text += marker + Two(tiles[0]);
  return text;
}

std::string LimitName(std::string_view label) {
  if (label == "満貫") return "満貫";
  if (label == "ハネ満貫") return "跳満";
  if (label == "倍満貫") return "倍満";
  if (label == "３倍満貫") return "三倍満";
  if (label.find("役満") != std::string_view::npos) return "役満";
  return "";
}

std::string PointText(const TableState& s, int winner, bool tsumo) {
  const std::string limit = LimitName(s.limitLabel.View());
  const std::string head = limit.empty() ? std::to_string(s.handFu[static_cast<std::size_t>(winner)]) + "符" +
                                               std::to_string(s.handHan) + "飜"
                                         : limit;
  const Money p = s.handPoints;
  if (!tsumo) return head + std::to_string(p.WholePoints()) + "点";
  if (winner == s.dealerSeat) return head + std::to_string(hand::TsumoShare(p, true, false).WholePoints()) + "点∀";
  return head + std::to_string(hand::TsumoShare(p, false, false).WholePoints()) + "-" +
         std::to_string(hand::TsumoShare(p, false, true).WholePoints()) + "点";
}

const char* DrawName(YakuCode code) {
  switch (code) {
    case hand::yaku::kNagashi: return "流し満貫";
    case hand::yaku::kNineTerminals: return "九種九牌";
    case hand::yaku::kFourWinds: return "四風連打";
    case hand::yaku::kFourKans: return "四槓散了";
    case hand::yaku::kFourRiichi: return "四家立直";
    case hand::yaku::kTripleRon: return "三家和了";
    default: return "流局";
  }
}

}  // namespace

int TenhouLog::TileNumber(TileCode tile) {
  if (tile == kRedFiveMan) return 51;
  if (tile == kRedFivePin) return 52;
  if (tile == kRedFiveSou) return 53;
  const TileCode kind = TileKind(tile);
  if (IsHonor(kind)) return 41 + (kind - kEast);
  return 10 * (SuitOf(kind) + 1) + SuitNumber(kind);
}

void TenhouLog::HandStarted(const TableState& s) {
  firstDealer_ = s.firstDealerSeat;
  hand_ = nlohmann::json::array();
  hand_.push_back({s.handNumber - 1, s.honba, s.depositSticks});
  nlohmann::json scores = nlohmann::json::array();
  for (int n = 0; n < 4; ++n) {
    const int seat = (firstDealer_ - 1 + n) % 4 + 1;
    scores.push_back(s.players[static_cast<std::size_t>(seat)].score.WholePoints());
  }
  hand_.push_back(scores);
  for (int n = 0; n < 4; ++n) {
    draws_[static_cast<std::size_t>(n)] = nlohmann::json::array();
    discards_[static_cast<std::size_t>(n)] = nlohmann::json::array();
  }
  result_ = nlohmann::json::array();
  hand_.push_back(nlohmann::json::array());  // dora, filled at the end of the hand
  hand_.push_back(nlohmann::json::array());  // ura
  for (int n = 0; n < 4; ++n) {
    const int seat = (firstDealer_ - 1 + n) % 4 + 1;
    nlohmann::json haipai = nlohmann::json::array();
    for (int pos = 1; pos <= 13; ++pos) {
      haipai.push_back(TileNumber(s.handTiles[static_cast<std::size_t>(seat)][static_cast<std::size_t>(pos)]));
    }
    hand_.push_back(haipai);
    hand_.push_back(nullptr);  // draws and discards, filled at the end of the hand
    hand_.push_back(nullptr);
  }
}

void TenhouLog::Drawn(const TableState&, int seat, TileCode tile) {
  draws_[static_cast<std::size_t>(LogSeat(seat))].push_back(TileNumber(tile));
}

void TenhouLog::Discarded(const TableState&, int seat, TileCode tile, bool fromDrawn, bool riichi) {
  const int number = fromDrawn ? kTsumogiri : TileNumber(tile);
  nlohmann::json& list = discards_[static_cast<std::size_t>(LogSeat(seat))];
  if (riichi) {
    list.push_back("r" + std::to_string(number));
  } else {
    list.push_back(number);
  }
}

void TenhouLog::Called(const TableState& s, int seat, const CallResult& call) {
  const auto logSeat = static_cast<std::size_t>(LogSeat(seat));
  const std::vector<TileCode> tiles = MeldGroup(s, seat, GroupOf(s, seat, call));
  if (tiles.empty()) return;
  if (call.kind == kCallChi) {
    draws_[logSeat].push_back("c" + Two(tiles[0]) + Two(tiles[1]) + Two(tiles[2]));
  } else if (call.kind == kCallPon) {
    draws_[logSeat].push_back(MarkedMeld('p', tiles, seat, call.discarder));
  } else if (call.kanType == KanType::Open) {
    draws_[logSeat].push_back(MarkedMeld('m', tiles, seat, call.discarder));
    discards_[logSeat].push_back(0);
  } else if (call.kanType == KanType::Concealed) {
    discards_[logSeat].push_back(Two(tiles[0]) + Two(tiles[1]) + Two(tiles[2]) + "a" + Two(tiles[3]));
  } else {
    // The added kan keeps its pon's marker position, with the added tile after "k".
    const int ponFrom = s.meldFromSeat[static_cast<std::size_t>(seat)][static_cast<std::size_t>(GroupOf(s, seat, call))];
    std::vector<TileCode> pon = {tiles[0], tiles[1], tiles[2]};
    std::string text = MarkedMeld('p', pon, seat, ponFrom);
    const std::size_t marker = text.find('p');
    text.replace(marker, 1, "k" + Two(tiles[3]));
    discards_[logSeat].push_back(text);
  }
}

void TenhouLog::Settled(const TableState& s, int seat) {
  nlohmann::json deltas = nlohmann::json::array();
  for (int n = 0; n < 4; ++n) {
    const int k = (firstDealer_ - 1 + n) % 4 + 1;
    deltas.push_back(s.pointDeltas[static_cast<std::size_t>(k)].WholePoints());
  }
  const auto w = static_cast<std::size_t>(seat);
  const YakuCode first = s.yakuList[w][0];
  if (s.resultWinMethod == 0) {
    result_ = nlohmann::json::array({DrawName(first), deltas});
    return;
  }
  const bool tsumo = s.resultWinMethod == 1;
  const int from = tsumo ? seat : s.currentSeat;
  int pao = seat;
  for (int k = 1; k <= kSeats; ++k) {
    if (s.isYakumanHand && s.liableSeats[w][static_cast<std::size_t>(k)]) pao = k;
  }
  nlohmann::json info = {LogSeat(seat), LogSeat(from), LogSeat(pao), PointText(s, seat, tsumo)};
  for (YakuCode code : s.yakuList[w]) {
    if (code == 0) break;
    const std::string_view name = hand::YakuName(code);
    if (name.empty()) continue;
    const hand::YakuValue value = hand::YakuValueOf(s, seat, code);
    info.push_back(std::string(name) + (value.yakuman ? "(役満)" : "(" + std::to_string(value.han) + "飜)"));
  }
  if (result_.empty()) result_.push_back("和了");
  result_.push_back(deltas);
  result_.push_back(info);
}

void TenhouLog::HandEnded(const TableState& s) {
  nlohmann::json dora = nlohmann::json::array(), ura = nlohmann::json::array();
  for (int k = 1; k <= kDoraSlots; ++k) {
    if (s.doraIndicators[static_cast<std::size_t>(k)] != 0) dora.push_back(TileNumber(s.doraIndicators[static_cast<std::size_t>(k)]));
    if (s.uraIndicators[static_cast<std::size_t>(k)] != 0) ura.push_back(TileNumber(s.uraIndicators[static_cast<std::size_t>(k)]));
  }
  hand_[2] = dora;
  hand_[3] = ura;
  for (std::size_t n = 0; n < 4; ++n) {
    hand_[5 + 3 * n] = draws_[n];
    hand_[6 + 3 * n] = discards_[n];
  }
  hand_.push_back(result_.empty() ? nlohmann::json::array({"流局"}) : result_);
  hands_.push_back(hand_);
}

void TenhouLog::GameEnded(const TableState& s, const FinalResult& result) {
  finalScores_ = nlohmann::json::array();
  for (int n = 0; n < 4; ++n) {
    const auto seat = static_cast<std::size_t>((firstDealer_ - 1 + n) % 4 + 1);
    finalScores_.push_back(s.players[seat].score.WholePoints());
    finalScores_.push_back(result.finalPoints[seat].WholePoints());
  }
}

nlohmann::json TenhouLog::Build(const TableState& s, const std::string& date) const {
  nlohmann::json names = nlohmann::json::array(), rates = nlohmann::json::array();
  for (int n = 0; n < 4; ++n) {
    const auto seat = static_cast<std::size_t>((firstDealer_ - 1 + n) % 4 + 1);
    names.push_back(s.players[seat].name);
    rates.push_back(s.players[seat].rating);
  }
  return {{"title", {"つばきや 161卓", date}},
          {"name", names},
          {"rule", {{"disp", std::string(RuleChoiceText(1, s.rules[1]))}, {"aka", s.rules[38]}}},
          {"rate", rates},
          {"log", hands_},
          {"sc", finalScores_}};
}

}  // namespace mj::engine

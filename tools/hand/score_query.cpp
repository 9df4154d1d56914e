// The hand calculator's "score" query: one winning hand in, its yaku, fu,
// han, limit, points and payments out, exactly as a win at the table would
// be scored.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "common/result.h"
#include "hand/complete_hand.h"
#include "hand/scoring.h"
#include "hand/win_check.h"
#include "hand/win_evaluation.h"
#include "hand/win_payments.h"
#include "hand/win_setup.h"
#include "hand/yaku_codes.h"
#include "hand/yaku_tables.h"
#include "hand/yaku_values.h"
#include "rules/rule_catalog.h"
#include "tools/hand/hand_request.h"
#include "tools/hand/query_registry.h"

namespace mj::tools {
namespace {

using json = Json;
using hand::WinSituation;

constexpr int kSeat = kRequestSeat;

Status Bad(const std::string& message) { return Status::Error(1, message); }

// One optional field of the request; a present field of the wrong kind is an error.
class Fields {
 public:
  explicit Fields(const json& request) : request_(request) {}

  Status Flag(const char* name, bool& out) const {
    const json* v = Find(name);
    if (v == nullptr) return Status::Ok();
    if (!v->is_boolean()) return Bad(std::string("\"") + name + "\" must be true or false");
    out = v->get<bool>();
    return Status::Ok();
  }

  Status Number(const char* name, int low, int high, int& out) const {
    const json* v = Find(name);
    if (v == nullptr) return Status::Ok();
    if (!v->is_number_integer() || v->get<long long>() < low || v->get<long long>() > high) {
      return Bad(std::string("\"") + name + "\" must be a whole number from " + std::to_string(low) + " to " + std::to_string(high));
    }
    out = v->get<int>();
    return Status::Ok();
  }

  Status Tiles(const char* name, std::vector<TileCode>& out) const {
    const json* v = Find(name);
    if (v == nullptr) return Status::Ok();
    return TileList(*v, name, out);
  }

  const json* Find(const char* name) const {
    const auto it = request_.find(name);
    return it == request_.end() || it->is_null() ? nullptr : &*it;
  }

  static Status TileList(const json& v, const std::string& name, std::vector<TileCode>& out) {
    if (!v.is_array()) return Bad("\"" + name + "\" must be a list of tile codes");
    out.clear();
    for (const json& t : v) {
      if (!t.is_number_integer() || !IsValidTileCode(static_cast<TileCode>(t.get<long long>()))) {
        return Bad("\"" + name + "\" holds " + t.dump() + ", which is not a tile code (1-34, 55, 64, 73)");
      }
      out.push_back(static_cast<TileCode>(t.get<int>()));
    }
    return Status::Ok();
  }

 private:
  const json& request_;
};

Status ReadRules(const Fields& fields, RuleSet& rules) {
  rules = RuleSet::Defaults();
  if (const json* given = fields.Find("rules"); given != nullptr) {
    if (!given->is_object()) return Bad("\"rules\" must be an object of rule number to value");
    for (const auto& [key, value] : given->items()) {
      int code = 0;
      try {
        std::size_t used = 0;
        code = std::stoi(key, &used);
        if (used != key.size()) code = 0;
      } catch (const std::exception&) {
        code = 0;
      }
      if (code < 1 || code > kRuleCount) return Bad("there is no rule \"" + key + "\" (rules are 1-58)");
      if (!value.is_number_integer() || RuleChoiceText(code, value.get<int>()).empty()) {
        return Bad("rule " + key + " (" + std::string(RuleInfoOf(code).label) + ") has no value " + value.dump());
      }
      rules.value[static_cast<std::size_t>(code)] = static_cast<std::int16_t>(value.get<int>());
    }
  }
  if (const json* local = fields.Find("local_yaku"); local != nullptr) {
    if (!local->is_array()) return Bad("\"local_yaku\" must be a list of codes 101-140");
    for (const json& code : *local) {
      if (!code.is_number_integer() || code.get<long long>() < kFirstLocalYaku || code.get<long long>() > kLastLocalYaku) {
        return Bad("\"local_yaku\" holds " + code.dump() + ", not a code 101-140");
      }
      rules.SetLocalYaku(code.get<int>(), 1);
    }
  }
  return Status::Ok();
}

// The winning tile goes to position 14, where the win check looks for it.
Status PlaceWinningTile(const Fields& fields, TableState& table) {
  const json* given = fields.Find("win");
  if (given == nullptr) return Bad("\"win\" is missing");
  std::vector<TileCode> win;
  if (Status s = Fields::TileList(json::array({*given}), "win", win); !s.ok()) return s;
  HandRow& row = table.handTiles[static_cast<std::size_t>(kSeat)];
  for (int p = kDrawnPosition; p >= 1; --p) {
    if (row[static_cast<std::size_t>(p)] == win[0]) {
      std::swap(row[static_cast<std::size_t>(p)], row[kDrawnPosition]);
      return Status::Ok();
    }
  }
  return Bad("the winning tile " + std::to_string(win[0]) + " is not in \"hand\"");
}

Status ReadConditions(const Fields& fields, WinSituation& w) {
  const std::pair<const char*, bool*> flags[] = {
      {"tsumo", &w.tsumo},     {"riichi", &w.riichi},   {"double_riichi", &w.doubleRiichi}, {"ippatsu", &w.ippatsu},
      {"open_riichi", &w.openRiichi}, {"dealer", &w.dealer}, {"haitei", &w.haitei},     {"houtei", &w.houtei},
      {"rinshan", &w.rinshan}, {"chankan", &w.chankan}, {"tenhou", &w.tenhou},         {"chiihou", &w.chiihou},
      {"renhou", &w.renhou},   {"after_kan", &w.afterKan}, {"red_dragon_kan", &w.redDragonKan}, {"last_copy", &w.lastCopy}};
  for (const auto& [name, out] : flags) {
    if (Status s = fields.Flag(name, *out); !s.ok()) return s;
  }
  int roundWind = kEast;
  int seatWind = 0;
  if (Status s = fields.Number("round_wind", kEast, kNorth, roundWind); !s.ok()) return s;
  if (Status s = fields.Number("seat_wind", kEast, kNorth, seatWind); !s.ok()) return s;
  // A seat wind alone says whether the seat deals.
  if (fields.Find("dealer") == nullptr && seatWind != 0) w.dealer = seatWind == kEast;
  w.roundWind = static_cast<TileCode>(roundWind);
  w.seatWind = static_cast<TileCode>(seatWind);
  if (Status s = fields.Tiles("dora_indicators", w.doraIndicators); !s.ok()) return s;
  if (Status s = fields.Tiles("ura_indicators", w.uraIndicators); !s.ok()) return s;
  if (Status s = fields.Number("kan_run", 0, 4, w.kanRun); !s.ok()) return s;
  if (Status s = fields.Number("honba", 0, 9999, w.honba); !s.ok()) return s;
  return fields.Number("deposits", 0, 9999, w.deposits);
}

// The win check the table runs: a ron is tried on the tile discarded by the
// seat opposite (or added to its kan), a tsumo on the drawn tile; 先付けなし
// and furiten are decided there. A first draw may win without a complete
// shape (the first-draw local yakuman); 九種公九牌倒牌 is an abort, not a win.
bool AcceptedAsAWin(TableState& state, const WinSituation& w) {
  TileCode& drawn = state.handTiles[static_cast<std::size_t>(kSeat)][kDrawnPosition];
  const TileCode winningTile = drawn;
  if (!w.tsumo && !hand::IsCompleteHand(state, kSeat)) return false;
  hand::StandardWinEvaluator evaluator;
  if (!w.tsumo && !w.chankan) {
    const auto d = static_cast<std::size_t>(state.currentSeat);
    state.riverTiles[d][1] = winningTile;
    state.riverCount[d] = 1;
  }
  const bool accepted = hand::CheckWins(state, w.tsumo ? hand::kCheckTsumo : hand::kCheckRon, evaluator) &&
                        state.canRon[static_cast<std::size_t>(kSeat)] && state.yakuList[kSeat][0] != hand::kFuritenCode &&
                        state.yakuList[kSeat][0] != hand::yaku::kNineTerminals;
  drawn = winningTile;  // the ron check clears it again
  return accepted;
}

json YakuOf(const TableState& state) {
  json list = json::array();
  for (YakuCode code : state.yakuList[kSeat]) {
    if (code == 0) break;
    const YakuCode plain = code >= hand::kNotFixedMark ? static_cast<YakuCode>(code - hand::kNotFixedMark) : code;
    list.push_back({{"code", plain}, {"name", std::string(hand::YakuName(plain))}, {"han", hand::YakuValueOf(state, kSeat, plain).han}});
  }
  return list;
}

json Payments(const TableState& state, const WinSituation& w) {
  const hand::WinPayments pay =
      hand::PaymentsFor(state.handPoints, w.dealer, w.tsumo, state.honbaValue * state.honba);
  if (!w.tsumo) return {{"ron", pay.ron.WholePoints()}};
  if (w.dealer) return {{"non_dealer", pay.nonDealer.WholePoints()}};
  return {{"dealer", pay.dealer.WholePoints()}, {"non_dealer", pay.nonDealer.WholePoints()}};
}

Result<Json> AnswerScore(const Json& request) {
  Result<HandRequest> read = ReadHandRequest(request);
  if (!read.ok()) return read.status();
  if (read->shapeTiles != 14) return Bad("a hand to score has 14 tiles, the winning tile among them (each meld counting three)");
  TableState& table = read->table;
  const Fields fields(request);
  WinSituation w;
  w.seat = kSeat;
  if (Status s = PlaceWinningTile(fields, table); !s.ok()) return s;
  if (Status s = ReadConditions(fields, w); !s.ok()) return s;
  if (Status s = ReadRules(fields, table.rules); !s.ok()) return s;
  if (Status s = hand::ApplyWinConditions(table, w); !s.ok()) return s;

  Json answer;
  if (!AcceptedAsAWin(table, w)) {
    hand::EvaluateWin(table, kSeat, w.tsumo ? hand::kTsumoWin : hand::kRonWin);
    answer["valid"] = false;
    answer["yaku"] = YakuOf(table);
    return answer;
  }
  hand::ScoreHand(table, kSeat);
  answer["valid"] = true;
  answer["yaku"] = YakuOf(table);
  answer["han"] = table.handHan;
  answer["fu"] = table.handFu[static_cast<std::size_t>(kSeat)];
  answer["limit"] = table.limitLabel.Str();
  answer["points"] = table.handPoints.WholePoints();
  answer["payments"] = Payments(table, w);
  return answer;
}

const bool registered = RegisterQuery("score", &AnswerScore);

}  // namespace
}  // namespace mj::tools

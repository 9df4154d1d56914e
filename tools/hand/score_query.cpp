// The hand calculator's "score" query: one winning hand in, its yaku, fu,
// han, limit, points and payments out, exactly as a win at the table would
// be scored.
#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

#include "common/result.h"
#include "hand/complete_hand.h"
#include "hand/scoring.h"
#include "hand/win_check.h"
#include "hand/win_evaluation.h"
#include "hand/win_payments.h"
#include "hand/win_setup.h"
#include "hand/yaku_tables.h"
#include "hand/yaku_values.h"
#include "rules/rule_catalog.h"

namespace mj::tools {
namespace {

using nlohmann::json;
using hand::MeldSpec;
using hand::MeldType;
using hand::WinSituation;

constexpr int kSeat = 1;

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

Status ParseMeldType(const json& v, MeldType& out) {
  static constexpr std::pair<std::string_view, MeldType> kTypes[] = {
      {"chi", MeldType::Chi}, {"pon", MeldType::Pon}, {"kan", MeldType::Kan},
      {"ankan", MeldType::ClosedKan}, {"shouminkan", MeldType::AddedKan}};
  if (v.is_string()) {
    for (const auto& [name, type] : kTypes) {
      if (v.get<std::string>() == name) {
        out = type;
        return Status::Ok();
      }
    }
  }
  return Bad("a meld type is one of chi, pon, kan, ankan, shouminkan, not " + v.dump());
}

Status ParseMelds(const Fields& fields, std::vector<MeldSpec>& out) {
  const json* melds = fields.Find("melds");
  if (melds == nullptr) return Status::Ok();
  if (!melds->is_array()) return Bad("\"melds\" must be a list");
  for (const json& m : *melds) {
    if (!m.is_object() || !m.contains("type") || !m.contains("tiles")) return Bad("a meld is {\"type\": …, \"tiles\": […]}");
    MeldSpec meld;
    if (Status s = ParseMeldType(m["type"], meld.type); !s.ok()) return s;
    if (Status s = Fields::TileList(m["tiles"], "tiles", meld.tiles); !s.ok()) return s;
    out.push_back(meld);
  }
  return Status::Ok();
}

Status ParseRules(const Fields& fields, RuleSet& rules) {
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

Status ParseSituation(const json& request, WinSituation& w, RuleSet& rules) {
  const Fields fields(request);
  if (fields.Find("hand") == nullptr) return Bad("\"hand\" is missing");
  if (fields.Find("win") == nullptr) return Bad("\"win\" is missing");
  std::vector<TileCode> win;
  if (Status s = fields.Tiles("hand", w.hand); !s.ok()) return s;
  if (Status s = Fields::TileList(json::array({*fields.Find("win")}), "win", win); !s.ok()) return s;
  w.winningTile = win[0];
  if (Status s = ParseMelds(fields, w.melds); !s.ok()) return s;
  const std::pair<const char*, bool*> flags[] = {
      {"tsumo", &w.tsumo},     {"riichi", &w.riichi},   {"double_riichi", &w.doubleRiichi}, {"ippatsu", &w.ippatsu},
      {"open_riichi", &w.openRiichi}, {"dealer", &w.dealer}, {"haitei", &w.haitei},     {"houtei", &w.houtei},
      {"rinshan", &w.rinshan}, {"chankan", &w.chankan}, {"tenhou", &w.tenhou},         {"chiihou", &w.chiihou},
      {"renhou", &w.renhou}};
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
  if (Status s = fields.Number("honba", 0, 9999, w.honba); !s.ok()) return s;
  if (Status s = fields.Number("deposits", 0, 9999, w.deposits); !s.ok()) return s;
  return ParseRules(fields, rules);
}

// The win check the table runs: a ron is tried on the tile discarded by the
// seat opposite (or added to its kan), a tsumo on the drawn tile; 先付けなし
// and furiten are decided there.
bool AcceptedAsAWin(TableState& state, const WinSituation& w) {
  if (!hand::IsCompleteHand(state, kSeat)) return false;
  hand::StandardWinEvaluator evaluator;
  if (!w.tsumo && !w.chankan) {
    const auto d = static_cast<std::size_t>(state.currentSeat);
    state.riverTiles[d][1] = w.winningTile;
    state.riverCount[d] = 1;
  }
  const bool accepted = hand::CheckWins(state, w.tsumo ? hand::kCheckTsumo : hand::kCheckRon, evaluator) &&
                        state.canRon[kSeat] && state.yakuList[kSeat][0] != hand::kFuritenCode;
  state.handTiles[kSeat][kDrawnPosition] = w.winningTile;
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

}  // namespace

json ScoreQuery(const json& request) {
  const json id = request.is_object() && request.contains("id") ? request["id"] : json();
  if (!request.is_object()) return {{"id", id}, {"error", "a query is a JSON object"}};
  WinSituation w;
  TableState state;
  if (Status s = ParseSituation(request, w, state.rules); !s.ok()) return {{"id", id}, {"error", s.message()}};
  w.seat = kSeat;
  if (Status s = hand::SetUpWin(state, w); !s.ok()) return {{"id", id}, {"error", s.message()}};

  if (!AcceptedAsAWin(state, w)) {
    hand::EvaluateWin(state, kSeat, w.tsumo ? hand::kTsumoWin : hand::kRonWin);
    return {{"id", id}, {"valid", false}, {"yaku", YakuOf(state)}};
  }
  hand::ScoreHand(state, kSeat);
  return {{"id", id},
          {"valid", true},
          {"yaku", YakuOf(state)},
          {"han", state.handHan},
          {"fu", state.handFu[kSeat]},
          {"limit", state.limitLabel.Str()},
          {"points", state.handPoints.WholePoints()},
          {"payments", Payments(state, w)}};
}

}  // namespace mj::tools

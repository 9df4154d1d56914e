#include "tools/sim/sim_run.h"

#include <chrono>
#include <cstdio>
#include <memory>

#include "common/clock.h"
#include "common/headless_dialogs.h"
#include "common/random_source.h"
#include "engine/cpu_seat.h"
#include "engine/headless_ports.h"
#include "engine/invariants.h"
#include "engine/state/memory_records.h"
#include "engine/table.h"
#include "engine/tsumogiri_seat.h"
#include "hand/win_evaluation.h"
#include "hand/yaku_codes.h"
#include "rules/rule_values.h"
#include "store/data_store.h"
#include "store/data_store_records.h"

namespace mj::sim {
namespace {

constexpr int kStepLimit = 200000;  // far beyond any real game

// FNV-1a over everything that happened, so any change of behaviour shows.
class Digest {
 public:
  void Add(std::string_view text) {
    for (unsigned char c : text) {
      hash_ ^= c;
      hash_ *= 1099511628211ULL;
    }
    Add('\n');
  }
  void Add(char c) {
    hash_ ^= static_cast<unsigned char>(c);
    hash_ *= 1099511628211ULL;
  }
  std::uint64_t Value() const { return hash_; }

 private:
  std::uint64_t hash_ = 14695981039346656037ULL;
};

// Watches the table through its view port and keeps the counts.
class Observer final : public engine::TableView {
 public:
  Observer(SimSummary& summary, Digest& digest, std::ostream* log, int game)
      : summary_(summary), digest_(digest), log_(log), game_(game) {}
  // The table owns the state it reports on, so the observer is attached once the table exists.
  void Attach(const TableState& state) { state_ = &state; }

  void HandSettled(int seat) override {
    const TableState& s_ = *state_;
    const auto i = static_cast<std::size_t>(seat);
    if (s_.resultWinMethod != 0) {
      winners_.push_back(seat);
      ++summary_.seats[i].wins;
      summary_.seats[i].winPointsSum += static_cast<double>(s_.pointDeltas[i].WholePoints());
      if (s_.resultWinMethod == 2) {
        ++summary_.ron;
        ++summary_.seats[static_cast<std::size_t>(s_.currentSeat)].dealIns;
      } else {
        ++summary_.tsumo;
      }
    }
    for (int k = 1; k <= kSeats; ++k) handDeltas_[static_cast<std::size_t>(k)] += s_.pointDeltas[static_cast<std::size_t>(k)];
  }

  void HandEnding() override {
    const TableState& s_ = *state_;
    ++summary_.hands;
    bool chombo = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
      const YakuCode code = s_.yakuList[static_cast<std::size_t>(seat)][0];
      chombo = chombo || code == hand::yaku::kChombo || code == hand::yaku::kNotenRiichiChombo;
      SeatTotals& totals = summary_.seats[static_cast<std::size_t>(seat)];
      totals.riichiHands += s_.riichiTurn[static_cast<std::size_t>(seat)] != 0;
      totals.callHands += s_.hasCalled[static_cast<std::size_t>(seat)];
    }
    const YakuCode ending = s_.yakuList[1][0];
    if (chombo) {
      ++summary_.chombo;
    } else if (winners_.empty() && ending >= hand::yaku::kNineTerminals && ending <= 156) {
      ++summary_.aborts;
    } else if (winners_.empty()) {
      ++summary_.draws;
    }
    nlohmann::json line = {{"game", game_},
                           {"hand_number", s_.handNumber},
                           {"honba", s_.honba},
                           {"dealer", s_.dealerSeat},
                           {"deposit_sticks", s_.depositSticks}};
    nlohmann::json endings = nlohmann::json::array(), deltas = nlohmann::json::array(), scores = nlohmann::json::array();
    for (int seat = 1; seat <= kSeats; ++seat) {
      const auto i = static_cast<std::size_t>(seat);
      endings.push_back(s_.yakuList[i][0]);
      deltas.push_back(handDeltas_[i].WholePoints());
      scores.push_back(s_.players[i].score.WholePoints());
    }
    line["endings"] = endings;
    line["winners"] = winners_;
    line["deltas"] = deltas;
    line["scores"] = scores;
    const std::string text = line.dump();
    if (log_ != nullptr) *log_ << text << '\n';
    for (const std::string& entry : s_.recordLines) digest_.Add(entry);
    digest_.Add(text);
    winners_.clear();
    handDeltas_ = {};
  }

 private:
  const TableState* state_ = nullptr;
  SimSummary& summary_;
  Digest& digest_;
  std::ostream* log_;
  int game_;
  std::vector<int> winners_;
  PerSeat<Money> handDeltas_{};
};

// CPU seats by default; the named seats passive.
void AssignSeats(engine::Table& table, const SimOptions& options, engine::SeatController& cpu,
                 engine::SeatController& passive) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    table.SetSeatController(seat, options.tsumogiriSeats[static_cast<std::size_t>(seat)] ? passive : cpu);
  }
}

// One game; false when an invariant broke (the summary says where).
bool PlayGame(const SimOptions& options, int game, SimSummary& summary, Digest& digest, std::ostream* log) {
  const std::uint32_t seed = options.seed + static_cast<std::uint32_t>(game);
  SeededRandom random(seed);
  SystemClock clock;
  engine::ManualTimers timers;
  engine::SilentSounds sounds;
  HeadlessDialogs dialogs;
  MemoryRecords memory;
  std::unique_ptr<store::DataStore> store;
  std::unique_ptr<store::DataStoreRecords> fileRecords;
  if (!options.dataPath.empty()) {
    store = std::make_unique<store::DataStore>(options.dataPath, dialogs);
    fileRecords = std::make_unique<store::DataStoreRecords>(*store);
  }
  Records& records = fileRecords ? static_cast<Records&>(*fileRecords) : memory;
  hand::StandardWinEvaluator evaluator;
  engine::TableOptions tableOptions;
  tableOptions.recordOutput = true;  // the action entries feed the digest
  tableOptions.recordPath = options.record;
  Observer observer(summary, digest, log, game);
  engine::Table table({observer, timers, sounds, dialogs, random, clock, records, evaluator}, tableOptions);
  observer.Attach(table.State());

  TableState& s = table.State();
  s.rules = options.rules;
  engine::CpuSeat cpu(random);
  engine::TsumogiriSeat passive;
  AssignSeats(table, options, cpu, passive);
  for (int seat = 1; seat <= kSeats; ++seat) {
    Player& p = s.players[static_cast<std::size_t>(seat)];
    p.userCode = static_cast<std::int16_t>(1000 + seat);
    p.name = "CPU" + std::to_string(seat);
    p.rating = 1500.0f;
    p.isCpu = true;
  }
  engine::HumanSeat human(sounds);
  HumanBot bot(table, summary.humanBot);
  if (options.humanBot) bot.TakeSeat(human);
  if (game == 0 && options.wall) table.SetNextWall(*options.wall);
  const Money startingTotal = StartingScore(s.rules) * kSeats;

  auto fail = [&](int step, const std::string& what) {
    ++summary.invariantViolations;
    summary.violation = "seed " + std::to_string(seed) + ", game " + std::to_string(game) + ", step " +
                        std::to_string(step) + ": " + what;
    return false;
  };
  table.OpenTable();
  for (int step = 1; !table.IsGameOver(); ++step) {
    if (step > kStepLimit) return fail(step, "the game does not end");
    if (timers.turnIntervalMs > 0) {
      table.OnTurnTimer();
    } else if (timers.responseRunning) {
      table.OnResponseTimer();
    } else {
      return fail(step, "waiting with no timer running");
    }
    if (options.humanBot) bot.Act();
    const std::string broken = engine::CheckTableInvariants(s, startingTotal);
    if (!broken.empty()) return fail(step, broken);
  }
  if (table.IsStopped()) return fail(0, "the game stopped: " + dialogs.lastError);
  const engine::FinalResult& result = table.Result();
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    summary.seats[i].placementSum += result.placement[i];
    summary.seats[i].finalPointsSum += static_cast<double>(result.finalPoints[i].WholePoints());
    digest.Add(std::to_string(result.placement[i]) + ":" + result.finalPoints[i].ToString());
  }
  ++summary.games;
  return true;
}

double Rate(long long part, long long whole) { return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole); }

}  // namespace

SimSummary RunSimulation(const SimOptions& options, std::ostream* handsLog) {
  SimSummary summary;
  Digest digest;
  const auto start = std::chrono::steady_clock::now();
  for (int game = 0; game < options.games; ++game) {
    if (!PlayGame(options, game, summary, digest, handsLog)) break;
  }
  summary.elapsedSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  summary.digest = digest.Value();
  return summary;
}

nlohmann::ordered_json SummaryJson(const SimSummary& r) {
  nlohmann::ordered_json seats = nlohmann::ordered_json::array();
  for (int seat = 1; seat <= kSeats; ++seat) {
    const SeatTotals& t = r.seats[static_cast<std::size_t>(seat)];
    seats.push_back(nlohmann::ordered_json{{"win_rate", Rate(t.wins, r.hands)},
                     {"deal_in_rate", Rate(t.dealIns, r.hands)},
                     {"riichi_rate", Rate(t.riichiHands, r.hands)},
                     {"call_rate", Rate(t.callHands, r.hands)},
                     {"avg_placement", r.games == 0 ? 0.0 : static_cast<double>(t.placementSum) / r.games},
                     {"avg_final_points", r.games == 0 ? 0.0 : t.finalPointsSum / r.games},
                     {"avg_win_value", t.wins == 0 ? 0.0 : t.winPointsSum / t.wins}});
  }
  char digest[17];
  std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(r.digest));
  const double elapsed = r.elapsedSeconds > 0 ? r.elapsedSeconds : 1e-9;
  nlohmann::ordered_json out = {{"games", r.games},
                        {"hands", r.hands},
                        {"ron", r.ron},
                        {"tsumo", r.tsumo},
                        {"draws", r.draws},
                        {"aborts", r.aborts},
                        {"chombo", r.chombo},
                        {"seats", seats},
                        {"invariant_violations", r.invariantViolations},
                        {"elapsed_s", r.elapsedSeconds},
                        {"games_per_s", r.games / elapsed},
                        {"hands_per_s", r.hands / elapsed},
                        {"digest", digest}};
  if (r.humanBot.played) out["human_bot"] = HumanBotJson(r.humanBot);
  if (!r.violation.empty()) out["violation"] = r.violation;
  return out;
}

}  // namespace mj::sim

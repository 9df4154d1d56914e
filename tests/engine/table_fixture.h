#pragma once
// A whole table with headless ports, for tests that drive the engine the way
// the window does: fire the timer ticks, press the buttons.
#include <memory>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/random_source.h"
#include "engine/headless_ports.h"
#include "engine/invariants.h"
#include "engine/state/memory_records.h"
#include "engine/table.h"
#include "engine/tsumogiri_seat.h"
#include "hand/win_evaluation.h"
#include "rules/rule_values.h"
#include "tests/support/fake_dialogs.h"

namespace mj::engine::test {

class RecordingLan final : public LanLink {
 public:
  Status SendLanMessage(std::string_view payload) override {
    if (fail) return Status::Error(70, "locked");
    sent.emplace_back(payload);
    return Status::Ok();
  }
  std::vector<std::string> sent;
  bool fail = false;
};

// Counts what the table asked the window to show.
class CountingView final : public TableView {
 public:
  void HandSettled(int seat) override {
    settled.push_back(seat);
    if (state != nullptr) settledLists.push_back(state->yakuList[static_cast<std::size_t>(seat)]);
  }
  void HandEnding() override {
    ++handsEnded;
    if (state != nullptr) endings.push_back(state->yakuList[1][0]);
  }
  void GameEnded() override { ++gamesEnded; }
  void CallMade(int seat) override { calls.push_back(seat); }
  void RiichiDeclared(int seat) override { riichis.push_back(seat); }
  void RiichiCancelled(int seat) override { riichiCancels.push_back(seat); }
  void MessageShown(std::string_view text) override { messages.emplace_back(text); }
  const TableState* state = nullptr;
  std::vector<int> settled, calls, riichis, riichiCancels;
  std::vector<std::string> messages;
  std::vector<YakuCode> endings;  // seat 1's first code as each hand ended
  std::vector<YakuRow> settledLists;  // each settled winner's yaku list
  int handsEnded = 0;
  int gamesEnded = 0;
};

// Time stands still in tests, so records carry the same dates on every run.
class FixedClock final : public Clock {
 public:
  LocalDateTime Now() override { return now; }
  LocalDateTime now{2026, 12, 10, 9, 0, 0};
};

class RecordingSounds final : public Sounds {
 public:
  void Play(int effect) override { played.push_back(effect); }
  std::vector<int> played;
};

struct TableFixture {
  explicit TableFixture(std::uint32_t seed = 1, TableOptions options = {})
      : random(seed), table({view, timers, sounds, dialogs, random, clock, records, evaluator, &lan}, std::move(options)) {
    view.state = &table.State();
    for (int seat = 1; seat <= kSeats; ++seat) {
      Player& p = table.State().players[static_cast<std::size_t>(seat)];
      p.userCode = static_cast<std::int16_t>(seat == 1 ? 1 : 1000 + seat);
      p.name = "P" + std::to_string(seat);
      p.rating = 1500.0f;
      p.isCpu = true;
      table.SetSeatController(seat, cpu);
    }
  }
  TableState& State() { return table.State(); }

  // Fires whichever timer runs; false when none does.
  bool Tick() {
    if (timers.turnIntervalMs > 0) {
      table.OnTurnTimer();
    } else if (timers.responseRunning) {
      table.OnResponseTimer();
    } else {
      return false;
    }
    return true;
  }

  // Ticks until the game ends or nothing runs; false when the table waits
  // with no timer running. Invariants hold after every tick.
  bool RunToEnd(int maxSteps = 100000) {
    const Money total = StartingScore(State().rules) * kSeats;
    for (int step = 0; step < maxSteps && !table.IsGameOver(); ++step) {
      if (!Tick()) return false;
      const std::string broken = CheckTableInvariants(State(), total);
      if (!broken.empty()) {
        lastViolation = broken;
        return false;
      }
    }
    return table.IsGameOver();
  }

  SeededRandom random;
  FixedClock clock;
  CountingView view;
  ManualTimers timers;
  RecordingSounds sounds;
  mj::test::FakeDialogs dialogs;
  MemoryRecords records;
  hand::StandardWinEvaluator evaluator;
  RecordingLan lan;
  TsumogiriSeat cpu;
  Table table;
  std::string lastViolation;
};

}  // namespace mj::engine::test

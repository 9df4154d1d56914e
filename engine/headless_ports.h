#pragma once
// Ports for a table that runs without a window: tools and tests.
#include "engine/ports.h"

namespace mj::engine {

class NullView final : public TableView {};

class SilentSounds final : public Sounds {
 public:
  void Play(int /*effect*/) override {}
};

// Remembers what the engine asked for; the driver fires the ticks itself.
class ManualTimers final : public TableTimers {
 public:
  void SetTurnTimer(int intervalMs) override { turnIntervalMs = intervalMs; }
  void SetResponseTimer(bool running) override { responseRunning = running; }
  int turnIntervalMs = 0;
  bool responseRunning = false;
};

}  // namespace mj::engine

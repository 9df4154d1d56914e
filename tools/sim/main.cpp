// tsubakiya-sim: plays the table headless from a seed.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "common/random_source.h"
#include "engine/headless_ports.h"
#include "engine/table.h"
#include "engine/table_dump.h"

namespace {

class QuietDialogs final : public mj::Dialogs {
 public:
  void ShowError(std::string_view text) override { std::fprintf(stderr, "error: %.*s\n", int(text.size()), text.data()); }
  void ShowInfo(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return true; }
  bool AskOpenRiichi() override { return false; }
};

int Usage() {
  std::fprintf(stderr, "usage: tsubakiya-sim --seed S --deal\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint32_t seed = 1;
  bool deal = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      const unsigned long value = std::strtoul(argv[++i], &end, 10);
      if (*end != '\0') return Usage();
      seed = static_cast<std::uint32_t>(value);
    } else if (arg == "--deal") {
      deal = true;
    } else {
      return Usage();
    }
  }
  if (!deal) return Usage();

  mj::SeededRandom random(seed);
  mj::SystemClock clock;
  mj::engine::NullView view;
  mj::engine::ManualTimers timers;
  mj::engine::SilentSounds sounds;
  QuietDialogs dialogs;
  mj::engine::Table table({view, timers, sounds, dialogs, random, clock}, {});
  mj::TableState& state = table.State();
  state.dealerSeat = state.firstDealerSeat = static_cast<std::int16_t>(random.RandomBetween(1, 4));
  const mj::Status started = table.StartHand();
  if (!started.ok()) {
    std::fprintf(stderr, "%s\n", started.message().c_str());
    return 1;
  }
  std::printf("seed %u\n%s", seed, mj::engine::DealtTableText(state).c_str());
  return 0;
}

#include "tools/sim/sim_options.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace mj::sim {

const char* const kUsage =
    "usage: tsubakiya-sim --seed S --deal\n"
    "       tsubakiya-sim --games N --seed S [--rules <58 rule digits>] [--data <file>]\n"
    "                     [--wall <wall message>] [--hands-log <file>] [--record <file>]\n"
    "                     [--tsumogiri-seats <seats, e.g. 2,3,4>] [--human-bot]\n";

namespace {

Result<long long> Number(const std::string& flag, const std::string& text, long long low, long long high) {
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high) {
    return Status::Error(2, flag + " wants a whole number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", not '" + text + "'");
  }
  return value;
}

// "2,3,4": the seats that discard what they draw and never call.
Result<PerSeat<bool>> SeatList(const std::string& flag, const std::string& text) {
  PerSeat<bool> seats{};
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    auto seat = Number(flag, text.substr(start, comma - start), 1, kSeats);
    if (!seat.ok()) return seat.status();
    seats[static_cast<std::size_t>(*seat)] = true;
    start = comma + 1;
  }
  return seats;
}

}  // namespace

Result<SimOptions> ParseSimOptions(const std::vector<std::string>& args) {
  SimOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    auto value = [&]() -> Result<std::string> {
      if (i + 1 >= args.size()) return Status::Error(2, flag + " needs a value");
      return args[++i];
    };
    if (flag == "--deal") {
      options.deal = true;
      continue;
    }
    if (flag == "--human-bot") {
      options.humanBot = true;
      continue;
    }
    Result<std::string> text = value();
    if (!text.ok()) return text.status();
    if (flag == "--seed") {
      auto n = Number(flag, *text, 0, 4294967295LL);
      if (!n.ok()) return n.status();
      options.seed = static_cast<std::uint32_t>(*n);
    } else if (flag == "--games") {
      auto n = Number(flag, *text, 1, 100000000);
      if (!n.ok()) return n.status();
      options.games = static_cast<int>(*n);
    } else if (flag == "--rules") {
      auto rules = RuleSet::FromString(*text);
      if (!rules.ok()) return Status::Error(2, "--rules: " + rules.status().message());
      options.rules = *rules;
    } else if (flag == "--data") {
      options.dataPath = *text;
    } else if (flag == "--wall") {
      auto wall = engine::ParseWallMessage(*text);
      if (!wall.ok()) return Status::Error(2, "--wall: " + wall.status().message());
      options.wall = *wall;
    } else if (flag == "--hands-log") {
      options.handsLog = *text;
    } else if (flag == "--tsumogiri-seats") {
      auto seats = SeatList(flag, *text);
      if (!seats.ok()) return seats.status();
      options.tsumogiriSeats = *seats;
    } else if (flag == "--record") {
      options.record = *text;
    } else {
      return Status::Error(2, "unknown argument '" + flag + "'");
    }
  }
  return options;
}

}  // namespace mj::sim

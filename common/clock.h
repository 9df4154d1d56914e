#pragma once
// Wall-clock time goes through this port: record dates, screenshot names and
// the seed of a real game's generator.
#include <cstdint>
#include <string>

namespace mj {

struct LocalDateTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalDateTime Now() = 0;
};

class SystemClock final : public Clock {
 public:
  LocalDateTime Now() override;
};

// "YYYY/MM/DD HH:MM", as the game record writes dates.
std::string FormatRecordDate(const LocalDateTime& t);
// "yymmddhhmmss", as screenshots are named.
std::string FormatStampName(const LocalDateTime& t);
// A seed for a real game's generator, taken once when the table opens.
std::uint32_t SeedFromClock();

}  // namespace mj

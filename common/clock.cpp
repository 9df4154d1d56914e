#include "common/clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace mj {

LocalDateTime SystemClock::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string FormatRecordDate(const LocalDateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
  return buf;
}

std::string FormatStampName(const LocalDateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%02d%02d%02d%02d%02d", t.year % 100, t.month, t.day, t.hour, t.minute,
                t.second);
  return buf;
}

std::uint32_t SeedFromClock() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace mj

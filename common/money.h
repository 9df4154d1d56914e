#pragma once
// Points, payments and prices: a signed 64-bit count of 1/10000 points, so the
// divisions of scoring (by 3, 4, 100) keep four decimals until they are rounded.
#include <compare>
#include <cstdint>
#include <string>

namespace mj {

class Money {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Money() = default;
  static constexpr Money FromPoints(std::int64_t points) { return Money(points * kScale); }
  static constexpr Money FromUnits(std::int64_t units) { return Money(units); }

  constexpr std::int64_t Units() const { return units_; }
  // Whole points, truncated toward zero.
  constexpr std::int64_t WholePoints() const { return units_ / kScale; }
  constexpr bool IsWhole() const { return units_ % kScale == 0; }
  // The nearest whole number of points, a half going to the even one.
  constexpr std::int64_t RoundToWhole() const {
    std::int64_t whole = units_ / kScale;
    const std::int64_t rest = units_ % kScale;  // same sign as units_
    const std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > kScale || (twice == kScale && whole % 2 != 0)) whole += units_ < 0 ? -1 : 1;
    return whole;
  }

  // The one rounding rule of the game: divide by 100, add 0.9, truncate,
  // multiply by 100. "Truncate" is taken downward (the integer part toward
  // minus infinity), so a negative amount also rounds up and an exact
  // multiple of 100 stays itself on both sides of zero.
  constexpr Money RoundUpTo100() const {
    const std::int64_t numerator = units_ + 90 * kScale;
    constexpr std::int64_t kDenominator = 100 * kScale;
    std::int64_t hundreds = numerator / kDenominator;
    if (numerator % kDenominator != 0 && numerator < 0) --hundreds;
    return FromPoints(hundreds * 100);
  }

  constexpr Money operator-() const { return Money(-units_); }
  constexpr Money operator+(Money o) const { return Money(units_ + o.units_); }
  constexpr Money operator-(Money o) const { return Money(units_ - o.units_); }
  constexpr Money operator*(std::int64_t k) const { return Money(units_ * k); }
  // Division keeps four decimals; the rest is truncated toward zero.
  constexpr Money operator/(std::int64_t k) const { return Money(units_ / k); }
  constexpr Money& operator+=(Money o) { units_ += o.units_; return *this; }
  constexpr Money& operator-=(Money o) { units_ -= o.units_; return *this; }
  constexpr Money& operator*=(std::int64_t k) { units_ *= k; return *this; }
  constexpr auto operator<=>(const Money&) const = default;

  // "1234", "-500", "12.5": no trailing zeros, no grouping.
  std::string ToString() const;

 private:
  constexpr explicit Money(std::int64_t units) : units_(units) {}
  std::int64_t units_ = 0;
};

constexpr Money operator*(std::int64_t k, Money m) { return m * k; }

}  // namespace mj

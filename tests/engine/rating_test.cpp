#include "engine/state/rating.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

std::array<Money, 5> Scores(int s1, int s2, int s3, int s4) {
  return {Money(), Money::FromPoints(s1), Money::FromPoints(s2), Money::FromPoints(s3), Money::FromPoints(s4)};
}

TEST(Rating, PlacesShareTheBetterPlaceOnTies) {
  struct Row {
    const char* name;
    std::array<Money, 5> scores;
    int seat, place, tied;
  } rows[] = {
      {"alone first", Scores(40000, 30000, 20000, 10000), 1, 1, 1},
      {"alone last", Scores(40000, 30000, 20000, 10000), 4, 4, 1},
      {"two share first", Scores(35000, 35000, 20000, 10000), 2, 1, 2},
      {"third after a shared first", Scores(35000, 35000, 20000, 10000), 3, 3, 1},
      {"two share third", Scores(50000, 30000, 10000, 10000), 4, 3, 2},
      {"three share second", Scores(40000, 20000, 20000, 20000), 3, 2, 3},
      {"all four equal", Scores(25000, 25000, 25000, 25000), 4, 1, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const SeatPlace p = PlaceAmong(row.scores, row.seat);
    EXPECT_EQ(p.place, row.place);
    EXPECT_EQ(p.tiedCount, row.tied);
  }
}

TEST(Rating, ChangeFollowsPlaceStrengthAndExperience) {
  struct Row {
    const char* name;
    SeatPlace place;
    float othersSum, own;
    std::int32_t games;
    bool cpu;
    float change;
  } rows[] = {
      {"newcomer wins alone: 6 × 5", {1, 1}, 4500, 1500, 0, false, 30.00f},
      {"seasoned player unweighted", {1, 1}, 4500, 1500, 400, false, 6.00f},
      {"first shared by two", {1, 2}, 4500, 1500, 400, false, 4.00f},
      {"first shared by three", {1, 3}, 4500, 1500, 400, false, 2.00f},
      {"first shared by four", {1, 4}, 4500, 1500, 500, false, 0.00f},
      {"second alone", {2, 1}, 4500, 1500, 400, false, 2.00f},
      {"second shared by two", {2, 2}, 4500, 1500, 400, false, 0.00f},
      {"second shared by three", {2, 3}, 4500, 1500, 400, false, -2.00f},
      {"third alone", {3, 1}, 4500, 1500, 400, false, -2.00f},
      {"third shared by two", {3, 2}, 4500, 1500, 400, false, -4.00f},
      {"fourth", {4, 1}, 4500, 1500, 400, false, -6.00f},
      {"stronger table adds", {1, 1}, 5400, 1500, 400, false, 7.00f},
      {"weaker table takes", {4, 1}, 4500, 1800, 1000, false, -7.00f},
      {"399 games weigh 1.01", {1, 1}, 4500, 1500, 399, false, 6.06f},
      {"a CPU never moves", {1, 1}, 4500, 1500, 0, true, 0.00f},
      {"rounded to two decimals", {2, 1}, 4501, 1500, 400, false, 2.00f},  // 2.00111…
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RatingChange(row.place, row.othersSum, row.own, row.games, row.cpu), row.change);
  }
}

TEST(Rating, RoundsHalfToEvenToTwoDecimals) {
  struct Row {
    float value, rounded;
  } rows[] = {{0.125f, 0.12f}, {0.375f, 0.38f}, {-0.125f, -0.12f}, {30.0f, 30.0f}, {1.2345f, 1.23f}, {-6.055f, -6.05f}};  // the float nearest -6.055 lies above it
  for (const Row& row : rows) {
    SCOPED_TRACE(row.value);
    EXPECT_EQ(RoundRating(row.value), row.rounded);
  }
}

}  // namespace
}  // namespace mj

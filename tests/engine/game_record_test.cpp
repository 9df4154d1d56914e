#include "engine/game_record.h"

#include <gtest/gtest.h>

#include "hand/yaku_codes.h"
#include "tests/support/tile_notation.h"

namespace mj::engine {
namespace {

const LocalDateTime kWhen{2026, 12, 10, 9, 5, 0};

TableState Players() {
  TableState s;
  const char* names[] = {"", "PlayerA", "PlayerB", "PlayerC", "PlayerD"};
  const float ratings[] = {0, 1512.7f, 1500.0f, 1487.2f, 1500.0f};
  for (int seat = 1; seat <= 4; ++seat) {
    Player& p = s.players[static_cast<std::size_t>(seat)];
    p.name = names[seat];
    p.rating = ratings[seat];
    p.score = Money::FromPoints(25000);
    p.seatWind = static_cast<std::int16_t>(seat);
    s.scoresAtHandStart[static_cast<std::size_t>(seat)] = p.score;
  }
  return s;
}

TEST(GameRecord, HeaderNamesTheFormatAndPlayers) {
  TableState s = Players();
  const RecordLines lines = FormatRecordHeader(s, kWhen);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "===== 東南戦：ランキング卓 161卓 開始 2026/12/10 09:05 =====");
  EXPECT_EQ(lines[1], "  持点25000 [1]PlayerA R1512 [2]PlayerB R1500 [3]PlayerC R1487 [4]PlayerD R1500");
  s.rules.value[1] = 0;
  EXPECT_EQ(FormatRecordHeader(s, kWhen)[0].substr(0, 18), "===== 東風戦：");
}

TEST(GameRecord, SettlementOfARonShowsOnlyTheChangedScores) {
  TableState s = Players();
  s.players[1].score = Money::FromPoints(28900);
  s.players[2].score = Money::FromPoints(21100);
  s.yakuList[1] = {hand::yaku::kPinfu, hand::yaku::kTanyao, hand::yaku::kDora};
  s.doraCount[1] = 1;
  s.limitLabel = LimitLabel("三飜");
  s.shownFu = 30;
  s.turnStep = 4;  // seat 2's discard was on offer: a ron
  const RecordLines lines = FormatSettlementRecord(s, 1);
  EXPECT_EQ(lines[0], "  東1局 0本場(リーチ0) PlayerA 3900 PlayerB -3900 ");
  EXPECT_EQ(lines[1], "    30符 三飜ロン 平和 断ヤオ ドラ1");
}

TEST(GameRecord, SettlementOfADrawAndOfAChombo) {
  TableState s = Players();
  s.handNumber = 8;
  s.honba = 2;
  s.players[1].score = Money::FromPoints(28000);
  for (int seat = 2; seat <= 4; ++seat) s.players[static_cast<std::size_t>(seat)].score = Money::FromPoints(24000);
  s.yakuList[1] = {hand::yaku::kExhaustiveDraw};
  RecordLines lines = FormatSettlementRecord(s, 1);
  EXPECT_EQ(lines[0], "  南4局 2本場(リーチ0) PlayerA 3000 PlayerB -1000 PlayerC -1000 PlayerD -1000 ");
  EXPECT_EQ(lines[1], "    流局");

  s.yakuList[3] = {hand::yaku::kChombo};
  s.limitLabel = LimitLabel("満貫払い");
  lines = FormatSettlementRecord(s, 3);
  EXPECT_EQ(lines[1], "    満貫払い チョンボ");
}

TEST(GameRecord, HandBlockWrapsActionsAfterFourteen) {
  struct Row {
    int entries;
    std::vector<std::size_t> perLine;
  };
  for (const Row& r : {Row{14, {14}}, Row{15, {14, 1}}, Row{0, {}}}) {
    SCOPED_TRACE(r.entries);
    TableState s = Players();
    for (int i = 0; i < r.entries; ++i) s.recordLines.push_back("1G1m");
    const RecordLines lines = FormatHandRecord(s);
    ASSERT_EQ(lines.size(), 4 + 1 + r.perLine.size() + 1);
    for (std::size_t n = 0; n < r.perLine.size(); ++n) {
      const std::string& line = lines[5 + n];
      EXPECT_EQ(line.substr(0, 5), "    *");
      EXPECT_EQ(static_cast<std::size_t>(std::count(line.begin(), line.end(), ' ')) - 4, r.perLine[n]);
    }
    EXPECT_EQ(lines.back(), "");
  }
}

TEST(GameRecord, HandBlockStartHandsAndDoraLine) {
  TableState s = Players();
  const std::vector<TileCode> start = test::Tiles("123m0m99p11z33z567z");
  for (std::size_t i = 0; i < start.size(); ++i) s.startHands[1][i + 1] = start[i];
  RecordLines lines = FormatHandRecord(s);
  EXPECT_EQ(lines[0], "    [1東]1m2m3m5M9p9p東東西西白発中");
  EXPECT_EQ(lines[4], "    [表ドラ]無 [裏ドラ]無");
  s.doraIndicators[1] = test::Tile("9s");
  s.doraKinds[1] = test::Tile("1s");
  s.doraIndicators[2] = test::Tile("4z");
  s.doraKinds[2] = test::Tile("1z");
  s.uraIndicators[1] = test::Tile("0p");
  s.uraKinds[1] = test::Tile("6p");
  s.recordLines = {"3R", "3d9s", "1G5M", "1D5M"};
  lines = FormatHandRecord(s);
  EXPECT_EQ(lines[4], "    [表ドラ]1s東 [裏ドラ]6p");
  EXPECT_EQ(lines[5], "    * 3R 3d9s 1G5M 1D5M");
}

TEST(GameRecord, ResultBlockWithATieOnTop) {
  TableState s = Players();
  FinalResult result;
  result.placement = {0, 1, 1, 3, 4};
  result.finalPoints = {Money(), Money::FromPoints(30), Money::FromPoints(30), Money::FromPoints(-20),
                        Money::FromPoints(0)};
  const RecordLines lines = FormatResultRecord(s, result, kWhen);
  EXPECT_EQ(lines[0], "  ---- 試合結果 ----");
  EXPECT_EQ(lines[1], "  1位 PlayerA       +30");
  EXPECT_EQ(lines[2], "  1位 PlayerB       +30");
  EXPECT_EQ(lines[3], "  3位 PlayerC       -20");
  EXPECT_EQ(lines[4], "  4位 PlayerD       0");
  EXPECT_EQ(lines[5], "----- 161卓 終了 2026/12/10 09:05 -----");
  EXPECT_EQ(lines[6], "");
}

}  // namespace
}  // namespace mj::engine

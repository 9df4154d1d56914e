// A whole seeded game of four CPU seats, written to the record file and to
// its tenhou.net/6 log, compared with the stored record and with a replay.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "common/sjis_text.h"
#include "engine/cpu_seat.h"
#include "tests/engine/table_fixture.h"

namespace mj::engine {
namespace {

constexpr std::uint32_t kSeed = 3;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct RecordedGame {
  std::string record;  // as written: CP932, CR LF
  std::string json;
  int hands = 0;
  std::vector<std::array<std::int64_t, 4>> settledDeltas;  // per settlement, seats 1-4
  int firstDealer = 1;
};

// Notes every settlement's point changes, to check the log against.
class DeltaWatcher final : public GameEvents {
 public:
  void Settled(const TableState& s, int) override {
    deltas.push_back({s.pointDeltas[1].WholePoints(), s.pointDeltas[2].WholePoints(), s.pointDeltas[3].WholePoints(),
                      s.pointDeltas[4].WholePoints()});
  }
  std::vector<std::array<std::int64_t, 4>> deltas;
};

// Four CPU seats at a table whose record goes to a fresh folder.
struct RecordingTable {
  explicit RecordingTable(const std::string& name)
      : dir(std::filesystem::temp_directory_path() / ("mj_record_" + name)), f(kSeed, Options(dir)), cpu(f.random) {
    for (int seat = 1; seat <= kSeats; ++seat) f.table.SetSeatController(seat, cpu);
  }
  static TableOptions Options(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    TableOptions options;
    options.recordOutput = true;
    options.recordPath = (folder / "Tsubakiya.txt").string();
    return options;
  }
  std::filesystem::path dir;
  test::TableFixture f;
  CpuSeat cpu;
};

RecordedGame PlayRecordedGame(const std::string& name) {
  RecordingTable t(name);
  const std::filesystem::path& dir = t.dir;
  test::TableFixture& f = t.f;
  DeltaWatcher watcher;
  f.table.SetEvents(watcher);
  f.table.OpenTable();
  EXPECT_TRUE(f.RunToEnd()) << f.lastViolation;
  RecordedGame game{ReadFile(dir / "Tsubakiya.txt"), ReadFile(dir / "Tsubakiya.json"), f.view.handsEnded,
                    watcher.deltas, f.State().firstDealerSeat};
  std::filesystem::remove_all(dir);
  return game;
}

TEST(GameRecordGolden, SeededGameWritesTheStoredRecordAgain) {
  const RecordedGame first = PlayRecordedGame("first");
  const RecordedGame second = PlayRecordedGame("second");
  EXPECT_EQ(first.record, second.record);
  EXPECT_EQ(first.json, second.json);
  const std::string goldenPath = std::string(MJ_TEST_DATA_DIR) + "/record_seed3.txt";
  // A deliberate change of play rewrites the stored record: MJ_UPDATE_GOLDEN=1.
  if (std::getenv("MJ_UPDATE_GOLDEN") != nullptr) std::ofstream(goldenPath, std::ios::binary) << *FromShiftJis(first.record);
  const std::string golden = ReadFile(goldenPath);
  ASSERT_FALSE(golden.empty()) << "tests/data/record_seed3.txt is missing";
  EXPECT_EQ(FromShiftJis(first.record).value_or("(not CP932)"), golden);
  EXPECT_NE(first.record.find("\r\n"), std::string::npos);
}

TEST(GameRecordGolden, TenhouLogHasOneEntryPerHandAndTheSettledDeltas) {
  const RecordedGame game = PlayRecordedGame("json");
  std::istringstream lines(game.json);
  std::string line;
  ASSERT_TRUE(std::getline(lines, line));
  const nlohmann::json log = nlohmann::json::parse(line);
  EXPECT_FALSE(std::getline(lines, line));  // one game, one line
  ASSERT_EQ(log["log"].size(), static_cast<std::size_t>(game.hands));
  // Every settlement's changes appear in its hand's result, turned to the log's seat order.
  std::vector<std::array<std::int64_t, 4>> logged;
  for (const nlohmann::json& hand : log["log"]) {
    const nlohmann::json& result = hand.back();
    for (std::size_t i = 1; i < result.size(); ++i) {
      if (!result[i].is_array() || result[i].size() != 4 || !result[i][0].is_number()) continue;
      if (result[0] == "和了" && i % 2 == 0) continue;  // the info block after each delta block
      std::array<std::int64_t, 4> bySeat{};
      for (int n = 0; n < 4; ++n) bySeat[static_cast<std::size_t>((game.firstDealer - 1 + n) % 4)] = result[i][static_cast<std::size_t>(n)];
      logged.push_back(bySeat);
    }
  }
  std::vector<std::array<std::int64_t, 4>> settled;
  for (const auto& d : game.settledDeltas) {
    if (d != std::array<std::int64_t, 4>{}) settled.push_back(d);
  }
  std::vector<std::array<std::int64_t, 4>> nonZeroLogged;
  for (const auto& d : logged) {
    if (d != std::array<std::int64_t, 4>{}) nonZeroLogged.push_back(d);
  }
  EXPECT_EQ(nonZeroLogged, settled);
  EXPECT_EQ(log["name"].size(), 4u);
  EXPECT_EQ(log["sc"].size(), 8u);
}

TEST(GameRecordFile, AFailedWriteIsReportedOnceAndPlayGoesOn) {
  RecordingTable t("vanishing");
  test::TableFixture& f = t.f;
  f.table.OpenTable();
  std::filesystem::remove_all(t.dir);  // the folder goes away under the running table
  EXPECT_TRUE(f.RunToEnd()) << f.lastViolation;
  EXPECT_FALSE(f.table.IsStopped());
  EXPECT_EQ(f.dialogs.errors, std::vector<std::string>{"牌譜ファイルの出力先に問題がある為記録できません"});
}

TEST(GameRecordFile, AnUnusablePathAtOpeningMeansNoRecord) {
  TableOptions options;
  options.recordOutput = true;
  options.recordPath = "/nonexistent-folder/Tsubakiya.txt";
  test::TableFixture f(kSeed, options);
  f.table.OpenTable();
  EXPECT_EQ(f.dialogs.errors, std::vector<std::string>{"牌譜ファイルの出力先に問題がある為記録できません"});
  EXPECT_TRUE(f.State().recordPath.empty());
}

}  // namespace
}  // namespace mj::engine

#include "engine/game_record.h"

#include "common/sjis_text.h"
#include "engine/tile_text.h"
#include "hand/yaku_codes.h"
#include "hand/yaku_tables.h"
#include "rules/rule_values.h"

namespace mj::engine {
namespace {

constexpr const char* kWindNames[] = {"", "東", "南", "西", "北"};
constexpr std::size_t kEntriesPerLine = 14;

std::string Points(Money amount) { return std::to_string(amount.WholePoints()); }

bool IsDrawOrAbort(YakuCode code) { return code >= hand::yaku::kExhaustiveDraw && code <= 156; }

}  // namespace

std::string HandName(int handNumber) {
  return std::string(kWindNames[RoundWind(handNumber)]) + std::to_string(HandInRound(handNumber)) + "局";
}

RecordLines FormatRecordHeader(const TableState& s, const LocalDateTime& now) {
  const int format = s.rules[1];
  const char* kind = format == 1 || format == 3 ? "東南戦：ランキング卓 161卓 開始 "
                     : format == 4              ? "一荘戦：ランキング卓 161卓 開始 "
                                                : "東風戦：ランキング卓 161卓 開始 ";
  std::string players = "  持点" + std::to_string(StartingScore(s.rules).WholePoints()) + " ";
  for (int seat = 1; seat <= kSeats; ++seat) {
    const Player& p = s.players[static_cast<std::size_t>(seat)];
    if (seat > 1) players += " ";
    players += "[" + std::to_string(seat) + "]" + p.name + " R" + std::to_string(static_cast<long long>(p.rating));
  }
  return {"===== " + std::string(kind) + FormatRecordDate(now) + " =====", players};
}

RecordLines FormatSettlementRecord(const TableState& s, int w) {
  std::string result = "  " + HandName(s.handNumber) + " " + std::to_string(s.honba) + "本場(リーチ" +
                       std::to_string(s.depositSticksAtStart) + ") ";
  for (int n = 0, seat = w; n < kSeats; ++n, seat = NextSeat(seat)) {
    const auto i = static_cast<std::size_t>(seat);
    const Money change = s.players[i].score - s.scoresAtHandStart[i];
    if (change != Money()) result += s.players[i].name + " " + Points(change) + " ";
  }

  const YakuRow& list = s.yakuList[static_cast<std::size_t>(w)];
  const YakuCode first = list[0];
  std::string detail;
  if (!IsDrawOrAbort(first)) {
    const std::string label(s.limitLabel.View());
    detail = label.find("飜") != std::string::npos ? "    " + std::to_string(s.shownFu) + "符 " + label : "    " + label;
    const bool chomboOrNagashi =
        first == hand::yaku::kNotenRiichiChombo || first == hand::yaku::kChombo || first == hand::yaku::kNagashi;
    if (!chomboOrNagashi) detail += s.turnStep % 2 == 0 ? "ロン" : "ツモ";
  }
  const auto i = static_cast<std::size_t>(w);
  for (YakuCode code : list) {
    const std::string_view name = hand::YakuName(code);
    if (name.empty()) break;
    detail += detail.empty() ? "    " : " ";
    detail += name;
    if (code == hand::yaku::kYakuhai) detail += std::to_string(s.yakuhaiCount[i]);
    if (code == hand::yaku::kDora) detail += std::to_string(s.doraCount[i]);
    if (code == hand::yaku::kUraDora) detail += std::to_string(s.uraCount[i]);
    if (code == hand::yaku::kRedDora) detail += std::to_string(s.redCount[i]);
  }
  return {result, detail};
}

RecordLines FormatHandRecord(const TableState& s) {
  RecordLines lines;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    std::string line = "    [" + std::to_string(seat) + kWindNames[s.players[i].seatWind] + "]";
    for (int pos = 1; pos <= 13; ++pos) line += TileText(s.startHands[i][static_cast<std::size_t>(pos)]);
    lines.push_back(line);
  }
  auto doraTexts = [](const DoraRow& indicators, const DoraRow& kinds) {
    std::string text;
    for (int k = 1; k <= kDoraSlots && indicators[static_cast<std::size_t>(k)] != 0; ++k) {
      text += TileText(kinds[static_cast<std::size_t>(k)]);
    }
    return indicators[1] == 0 ? std::string("無") : text;
  };
  lines.push_back("    [表ドラ]" + doraTexts(s.doraIndicators, s.doraKinds) + " [裏ドラ]" +
                  doraTexts(s.uraIndicators, s.uraKinds));
  std::string line = "    *";
  std::size_t onLine = 0;
  for (const std::string& entry : s.recordLines) {
    line += " " + entry;
    if (++onLine == kEntriesPerLine) {
      lines.push_back(line);
      line = "    *";
      onLine = 0;
    }
  }
  if (onLine > 0) lines.push_back(line);
  lines.emplace_back();
  return lines;
}

RecordLines FormatResultRecord(const TableState& s, const FinalResult& result, const LocalDateTime& now) {
  RecordLines lines = {"  ---- 試合結果 ----"};
  for (int place = 1; place <= kSeats; ++place) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      const auto i = static_cast<std::size_t>(seat);
      if (result.placement[i] != place) continue;
      const std::string& name = s.players[i].name;
      const int padding = std::max(0, 14 - ByteLength(name));
      const Money points = result.finalPoints[i];
      lines.push_back("  " + std::to_string(place) + "位 " + name + std::string(static_cast<std::size_t>(padding), ' ') +
                      (points > Money() ? "+" : "") + Points(points));
    }
  }
  lines.push_back("----- 161卓 終了 " + FormatRecordDate(now) + " -----");
  lines.emplace_back();
  return lines;
}

}  // namespace mj::engine

#pragma once
// Table and column names of the data file, used literally in every statement.
// One namespace per table; a column name shared by several tables is repeated
// so each statement reads from its own table's names.
#include <string_view>

namespace mj::store {

namespace users {
constexpr std::string_view kTable = "ユーザーマスタ";
constexpr std::string_view kCode = "コード";
constexpr std::string_view kName = "ユーザー名称";
constexpr std::string_view kHumanFlag = "人間フラグ";  // 0 human player, 1 CPU character
constexpr std::string_view kGames = "試合数";
constexpr std::string_view kHands = "局数";
constexpr std::string_view kWins = "和了数";
constexpr std::string_view kDealIns = "放銃数";
constexpr std::string_view kRiichis = "リーチ数";
constexpr std::string_view kCalls = "副露数";
constexpr std::string_view kPoints = "点数";
constexpr std::string_view kFirsts = "一位";
constexpr std::string_view kSeconds = "二位";
constexpr std::string_view kThirds = "三位";
constexpr std::string_view kFourths = "四位";
constexpr std::string_view kExperience = "経験値";
constexpr std::string_view kRating = "総合雀力";
constexpr std::string_view kEnabledFlag = "有効フラグ";
}  // namespace users

namespace rules {
constexpr std::string_view kTable = "ルールマスタ";
constexpr std::string_view kCode = "コード";
constexpr std::string_view kName = "ルール名称";
constexpr std::string_view kDescription = "ルール説明";
constexpr std::string_view kFlag = "ルールフラグ";
constexpr std::string_view kPrice = "価格";
}  // namespace rules

namespace yaku {
constexpr std::string_view kTable = "役マスタ";
constexpr std::string_view kUserCode = "ユーザーコード";
constexpr std::string_view kCode = "コード";
constexpr std::string_view kName = "役名称";
constexpr std::string_view kWinCount = "和了回数";
}  // namespace yaku

namespace options {
constexpr std::string_view kTable = "オプションマスタ";
constexpr std::string_view kUserCode = "ユーザーコード";
constexpr std::string_view kCode = "コード";
constexpr std::string_view kFlag = "オプションフラグ";
constexpr std::string_view kRecordPath = "牌譜パス";
constexpr std::string_view kWallpaperPath = "壁紙パス";
}  // namespace options

namespace sounds {
constexpr std::string_view kTable = "効果音マスタ";
constexpr std::string_view kUserCode = "ユーザーコード";
constexpr std::string_view kCode = "コード";
constexpr std::string_view kPath = "パス";
}  // namespace sounds

namespace wallet {
constexpr std::string_view kTable = "レジストマスタ";
constexpr std::string_view kCode = "コード";  // always 1
constexpr std::string_view kMoney = "所持金";
constexpr std::string_view kCheckDigit = "チェックディジット";
constexpr std::string_view kCheckCalc = "カルキュレート";
}  // namespace wallet

namespace lobby {
constexpr std::string_view kTable = "通信マスタ";
constexpr std::string_view kCode = "コード";
constexpr std::string_view kPassphrase = "合い言葉";
constexpr std::string_view kHumanFlag = "人間フラグ";
constexpr std::string_view kAckFlag = "通信フラグ";
}  // namespace lobby

}  // namespace mj::store

#include "rules/rule_catalog.h"

namespace mj {
namespace {

// Every choice text exactly as the rules screen and the shop show it, in value order.
constexpr std::string_view kChoices1[] = {"東風戦", "東南戦", "東風戦 南入有り", "東南戦 西入有り", "一荘戦"};
constexpr std::string_view kChoices2[] = {"24000点", "25000点", "26000点", "27000点", "28000点", "29000点", "30000点"};
constexpr std::string_view kChoices3[] = {"なし", "全て適用", "５本場以降で適用"};
constexpr std::string_view kChoices4[] = {"なし", "現物", "ネクスト"};
constexpr std::string_view kChoices5[] = {"なし", "3000点", "6000点", "9000点"};
constexpr std::string_view kChoices6[] = {"なし", "300点", "1500点", "3000点", "4500点", "6000点", "9000点", "12000点"};
constexpr std::string_view kChoices7[] = {"全て親流れ", "全て連荘", "南場のみ連荘"};
constexpr std::string_view kChoices8[] = {"先付けあり", "先付けなし（完先）"};
constexpr std::string_view kChoices9[] = {"ハコテン継続", "ハコテン終了"};
constexpr std::string_view kChoices10[] = {"リーチ和了者のみ", "和了者全て"};
constexpr std::string_view kChoices11[] = {"なし", "あり"};
constexpr std::string_view kChoices12[] = {"なし", "収支２倍", "収支４倍"};
constexpr std::string_view kChoices13[] = {"なし", "あり"};
constexpr std::string_view kChoices14[] = {"なし", "あり"};
constexpr std::string_view kChoices15[] = {"できない", "できる"};
constexpr std::string_view kChoices16[] = {"なし", "あり"};
constexpr std::string_view kChoices17[] = {"常に最初の14枚", "1牌加える", "2牌加える"};
constexpr std::string_view kChoices18[] = {"なし", "あり"};
constexpr std::string_view kChoices19[] = {"なし", "あり（全即めくり）", "あり（暗槓即めくり）", "あり（打牌後めくり）"};
constexpr std::string_view kChoices20[] = {"共になし", "ダブロンのみ", "共にあり"};
constexpr std::string_view kChoices21[] = {"なし", "満貫払い", "ハネ満貫払い", "倍満貫払い", "３倍満貫払い", "役満払い", "親子共に4000ALL", "親子共に6000ALL", "親子共に8000ALL", "親子共に12000ALL", "親子共に16000ALL"};
constexpr std::string_view kChoices22[] = {"なし", "あり（確認あり）", "あり（自動終了）"};
constexpr std::string_view kChoices23[] = {"なし", "あり"};
constexpr std::string_view kChoices24[] = {"流れ", "全て連荘", "東場のみ連荘", "南場のみ連荘"};
constexpr std::string_view kChoices25[] = {"なし", "ローカル役以外", "ローカル役も適用"};
constexpr std::string_view kChoices26[] = {"なし", "+2符"};
constexpr std::string_view kChoices27[] = {"暗槓和了なし", "暗槓和了あり"};
constexpr std::string_view kChoices28[] = {"なし（１３面待のみ）", "あり"};
constexpr std::string_view kChoices29[] = {"萬子のみ", "どれでも可"};
constexpr std::string_view kChoices30[] = {"なし", "七対子形全て", "連続した七対子", "2～8の七対子のみ"};
constexpr std::string_view kChoices31[] = {"成立しない", "成立する"};
constexpr std::string_view kChoices32[] = {"成立しない", "成立する"};
constexpr std::string_view kChoices33[] = {"５０符一飜", "２５符二飜"};
constexpr std::string_view kChoices34[] = {"満貫打ち切り", "青天井"};
constexpr std::string_view kChoices35[] = {"符計算通り", "３０符へ切上げ"};
constexpr std::string_view kChoices36[] = {"符計算通り", "満貫へ切上げ"};
constexpr std::string_view kChoices37[] = {"なし", "あり（-30点）", "あり（-60点）", "あり（-90点）"};
constexpr std::string_view kChoices38[] = {"なし", "各１枚", "各２枚", "各３枚", "各４枚"};
constexpr std::string_view kChoices39[] = {"なし", "あり"};
constexpr std::string_view kChoices40[] = {"+2符", "+4符"};
constexpr std::string_view kChoices41[] = {"役満扱い", "Ｗ役満扱い"};
constexpr std::string_view kChoices42[] = {"役満扱い", "Ｗ役満扱い"};
constexpr std::string_view kChoices43[] = {"なし", "満貫扱い", "役満扱い"};
constexpr std::string_view kChoices44[] = {"なし", "満貫扱い", "役満扱い"};
constexpr std::string_view kChoices45[] = {"なし", "あり"};
constexpr std::string_view kChoices46[] = {"役満扱い", "Ｗ役満扱い"};
constexpr std::string_view kChoices47[] = {"役満扱い", "Ｗ役満扱い"};
constexpr std::string_view kChoices48[] = {"なし", "あり"};
constexpr std::string_view kChoices49[] = {"10飜～12飜", "11飜～12飜", "12飜"};
constexpr std::string_view kChoices50[] = {"30000点", "30100点", "31000点", "33000点", "35000点"};
constexpr std::string_view kChoices51[] = {"なし", "+8,+4,-4,-8", "+10,+5,-5,-10", "+20,+10,-10,-20", "+30,+10,-10,-30"};
constexpr std::string_view kChoices52[] = {"なし", "あり"};
constexpr std::string_view kChoices53[] = {"なし", "あり"};
constexpr std::string_view kChoices54[] = {"ダブリー時は続行", "ダブリー時も流局"};
constexpr std::string_view kChoices55[] = {"なし", "あり"};
constexpr std::string_view kChoices56[] = {"なし", "あり"};
constexpr std::string_view kChoices57[] = {"なし", "あり"};
constexpr std::string_view kChoices58[] = {"なし", "あり"};

constexpr RuleInfo kRules[kRuleCount] = {
    {1, "試合形式", kChoices1},
    {2, "持ち点", kChoices2},
    {3, "二飜縛り", kChoices3},
    {4, "ドラ", kChoices4},
    {5, "不聴罰符", kChoices5},
    {6, "１本場点数", kChoices6},
    {7, "不聴連荘", kChoices7},
    {8, "先付け", kChoices8},
    {9, "ハコテン終了", kChoices9},
    {10, "供託立直棒", kChoices10},
    {11, "形式聴牌", kChoices11},
    {12, "ワレメ", kChoices12},
    {13, "平和・自摸", kChoices13},
    {14, "喰いタン", kChoices14},
    {15, "リーチ後暗槓", kChoices15},
    {16, "リーチ一発", kChoices16},
    {17, "槓時の王牌", kChoices17},
    {18, "裏ドラ", kChoices18},
    {19, "槓ドラ・槓裏", kChoices19},
    {20, "ダブロン・トリロン", kChoices20},
    {21, "錯和時罰則点数", kChoices21},
    {22, "オーラス和了止", kChoices22},
    {23, "振り聴片和了", kChoices23},
    {24, "途中流局時の親", kChoices24},
    {25, "包", kChoices25},
    {26, "嶺上開花の自摸符", kChoices26},
    {27, "国士無双の槍槓", kChoices27},
    {28, "国士無双の振り聴", kChoices28},
    {29, "九連宝燈の牌種", kChoices29},
    {30, "大車輪の定義", kChoices30},
    {31, "緑一色発無し和了", kChoices31},
    {32, "七対子の字一色", kChoices32},
    {33, "七対子の得点", kChoices33},
    {34, "点数計算", kChoices34},
    {35, "喰い平和の栄和", kChoices35},
    {36, "３０符四飜", kChoices36},
    {37, "ヤキトリ", kChoices37},
    {38, "赤ドラ", kChoices38},
    {39, "喰い換え", kChoices39},
    {40, "連風牌雀頭の符", kChoices40},
    {41, "国士無双１３面待", kChoices41},
    {42, "九連宝燈９面待", kChoices42},
    {43, "流し満貫", kChoices43},
    {44, "人和", kChoices44},
    {45, "八連荘", kChoices45},
    {46, "四暗刻単騎待", kChoices46},
    {47, "大四喜和", kChoices47},
    {48, "捨て牌喰い直し", kChoices48},
    {49, "３倍満貫", kChoices49},
    {50, "確定点数", kChoices50},
    {51, "順位ウマ", kChoices51},
    {52, "理牌", kChoices52},
    {53, "鳴き", kChoices53},
    {54, "四風連打", kChoices54},
    {55, "ドラ２枚めくり", kChoices55},
    {56, "ＣＰＵ自摸切り", kChoices56},
    {57, "ＣＰＵ手牌公開", kChoices57},
    {58, "山牌公開", kChoices58},
};

}  // namespace

const RuleInfo& RuleInfoOf(int code) { return kRules[code - 1]; }

std::string_view RuleChoiceText(int code, int value) {
  const RuleInfo& info = RuleInfoOf(code);
  if (value < 0 || static_cast<std::size_t>(value) >= info.choices.size()) return {};
  return info.choices[static_cast<std::size_t>(value)];
}

}  // namespace mj

#pragma once
// The codes a yaku list holds. Names follow the yaku they stand for.
#include "engine/state/win_state.h"

namespace mj::hand::yaku {

constexpr YakuCode kMenzenTsumo = 1;      // 門前清摸和
constexpr YakuCode kRiichi = 2;           // リーチ
constexpr YakuCode kIppatsu = 3;          // 一発
constexpr YakuCode kPinfu = 4;            // 平和
constexpr YakuCode kTanyao = 5;           // 断ヤオ
constexpr YakuCode kYakuhai = 6;          // 役牌
constexpr YakuCode kIipeikou = 7;         // 一盃口
constexpr YakuCode kHaitei = 8;           // 海底撈月
constexpr YakuCode kHoutei = 9;           // 河底撈魚
constexpr YakuCode kRinshan = 10;         // 嶺上開花
constexpr YakuCode kChankan = 11;         // 槍槓
constexpr YakuCode kDoubleRiichi = 12;    // ダブルリーチ
constexpr YakuCode kToitoi = 13;          // 対々和
constexpr YakuCode kSanshoku = 14;        // 三色同順
constexpr YakuCode kIttsu = 15;           // 一気通貫
constexpr YakuCode kChiitoitsu = 16;      // 七対子
constexpr YakuCode kChanta = 17;          // 全帯
constexpr YakuCode kSanankou = 18;        // 三暗刻
constexpr YakuCode kShousangen = 19;      // 小三元
constexpr YakuCode kHonroutou = 20;       // 混老頭
constexpr YakuCode kSanshokuDoukou = 21;  // 三色同刻
constexpr YakuCode kSankantsu = 22;       // 三槓子
constexpr YakuCode kJunchan = 23;         // 純全帯
constexpr YakuCode kRyanpeikou = 24;      // 二盃口
constexpr YakuCode kHonitsu = 25;         // 混一色
constexpr YakuCode kNagashi = 26;         // 流し満貫
constexpr YakuCode kRenhou = 27;          // 人和
constexpr YakuCode kChinitsu = 28;        // 清一色
constexpr YakuCode kKokushi = 29;         // 国士無双
constexpr YakuCode kSuuankou = 30;        // 四暗刻
constexpr YakuCode kDaisangen = 31;       // 大三元
constexpr YakuCode kShousuushii = 32;     // 小四喜和
constexpr YakuCode kSuukantsu = 33;       // 四槓子
constexpr YakuCode kTsuuiisou = 34;       // 字一色
constexpr YakuCode kChinroutou = 35;      // 清老頭
constexpr YakuCode kChuuren = 36;         // 九連宝燈
constexpr YakuCode kDaisharin = 37;       // 大車輪
constexpr YakuCode kRyuuiisou = 38;       // 緑一色
constexpr YakuCode kTenhou = 39;          // 天和
constexpr YakuCode kChiihou = 40;         // 地和
constexpr YakuCode kPaarenchan = 41;      // 八連荘
constexpr YakuCode kSuuankouTanki = 42;   // 四暗刻単騎待
constexpr YakuCode kDaisuushii = 43;      // 大四喜和
constexpr YakuCode kKokushi13 = 44;       // 国士無双１３面待
constexpr YakuCode kChuuren9 = 45;        // 九連宝燈９面待
constexpr YakuCode kLastStandard = 45;

constexpr YakuCode kDora = 50;     // ドラ
constexpr YakuCode kUraDora = 51;  // ウラドラ
constexpr YakuCode kRedDora = 52;  // アカドラ

constexpr YakuCode kFirstLocal = 101;
constexpr YakuCode kOpenRiichi = 111;          // オープンリーチ
constexpr YakuCode kFirstManganLocal = 116;    // 116-123 stand for mangan flags 1-8
constexpr YakuCode kOpenRiichiRon = 141;       // won on a non-riichi seat's discard in open riichi
constexpr YakuCode kLastLocal = 141;

constexpr YakuCode kExhaustiveDraw = 151;      // 流局
constexpr YakuCode kNineTerminals = 152;       // 九種公九牌倒牌
constexpr YakuCode kNotenRiichiChombo = 198;   // チョンボ(ノーテンリーチ)
constexpr YakuCode kChombo = 199;              // チョンボ (also furiten)

// Flag 9 of manganYakuFlags: 人和 valued as a mangan.
constexpr int kRenhouManganFlag = 9;
constexpr int kManganFlagCount = 9;
// What each mangan-class flag is worth.
constexpr int kManganFlagHan = 5;

// The code a mangan-class flag stands for when it replaces the yaku list.
constexpr YakuCode ManganFlagCode(int flag) {
  return flag == kRenhouManganFlag ? kRenhou : static_cast<YakuCode>(kFirstManganLocal - 1 + flag);
}

}  // namespace mj::hand::yaku

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
constexpr YakuCode kKinkeiDokuritsu = 101;     // 金鶏独立
constexpr YakuCode kKanburi = 102;             // 槓振り
constexpr YakuCode kZetchou = 103;             // 絶張和
constexpr YakuCode kOddSevenPairs = 104;       // 奇数七対子
constexpr YakuCode kEvenSevenPairs = 105;      // 偶数七対子
constexpr YakuCode kDragonSevenPairs = 106;    // 三元七対子
constexpr YakuCode kWindSevenPairs = 107;      // 四風七対子
constexpr YakuCode kSanrenkou = 108;           // 三連刻
constexpr YakuCode kIsshokuSanjun = 109;       // 一色三順
constexpr YakuCode kSanshokuTsuukan = 110;     // 三色通貫
constexpr YakuCode kOpenRiichi = 111;          // オープンリーチ
constexpr YakuCode kAruchuu = 112;             // アル中
constexpr YakuCode kRenkanKaihou = 113;        // 連槓開花
constexpr YakuCode kAnchuuMosaku = 114;        // 暗中模索
constexpr YakuCode kOpenChuuren = 115;         // 鳴き九連宝燈
constexpr YakuCode kFirstManganLocal = 116;    // 116-123 stand for mangan flags 1-8
constexpr YakuCode kIipinMouyue = 116;         // 一筒摸月
constexpr YakuCode kRyansouChankan = 117;      // 二索槍槓
constexpr YakuCode kUushinTsuukan = 118;       // 五心通貫
constexpr YakuCode kUupinKaihou = 119;         // 五筒開花
constexpr YakuCode kChuupinRaoyui = 120;       // 九筒撈魚
constexpr YakuCode kSouryuuSoushu = 121;       // 双竜争珠
constexpr YakuCode kDokuchouKankousetsu = 122; // 独釣寒江雪
constexpr YakuCode kSeiPeikou = 123;           // 清盃口
constexpr YakuCode kSuurenkou = 124;           // 四連刻
constexpr YakuCode kIsshokuYonjun = 125;       // 一色四順
constexpr YakuCode kShiisanPuutaa = 126;       // 十三不塔
constexpr YakuCode kHyakumangoku = 127;        // 百萬石
constexpr YakuCode kKishuuGojuugo = 128;       // 紀州五十五萬石
constexpr YakuCode kToukanHou = 129;           // 頭槓和
constexpr YakuCode kShiisanUukou = 130;        // 十三無靠
constexpr YakuCode kAoNoDoumon = 131;          // 青の洞門
constexpr YakuCode kFuukaSetsugetsu = 132;     // 風花雪月
constexpr YakuCode kKachouFuugetsu = 133;      // 花鳥風月
constexpr YakuCode kDaisougen = 134;           // 大草原
constexpr YakuCode kDaichikurin = 135;         // 大竹林
constexpr YakuCode kSuuchouPaikou = 136;       // 四跳牌刻
constexpr YakuCode kTounansha = 137;           // 盗難車
constexpr YakuCode kBanryokuIttenKou = 138;    // 萬緑叢中一点紅
constexpr YakuCode kRenjunHou = 139;           // 連順和
constexpr YakuCode kBeniKujaku = 140;          // 紅孔雀
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
// The flag a mangan-class local yaku (116-123) sets.
constexpr int ManganFlagOf(YakuCode code) { return code - kFirstManganLocal + 1; }

}  // namespace mj::hand::yaku

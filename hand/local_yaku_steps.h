#pragma once
// The local yaku of each step of the win evaluation, grouped by what they
// read: the yakuman group, the shapes of the sets, the way the hand was won.
#include "hand/win_context.h"
#include "hand/yaku_codes.h"

namespace mj::hand {

// Code 141 has no switch: it follows open riichi, which its condition reads.
inline bool InForce(const WinContext& ctx, YakuCode code) {
  return code == yaku::kOpenRiichiRon || ctx.rules.LocalYakuOn(code);
}
// A mangan-class local yaku (116-123) enters as its flag, not as a code.
inline void SetManganFlag(WinContext& ctx, YakuCode code) {
  ctx.state.manganYakuFlags[ctx.s][static_cast<std::size_t>(yaku::ManganFlagOf(code))] = true;
}

// The yakuman group.
void AddToukanHou(WinContext& ctx);               // 129, the standard path's opening
void AddLocalStandardYakuman(WinContext& ctx);    // 140, 124, 125, 127, 128, 131-139, 141
void AddLocalSevenPairsYakuman(WinContext& ctx);  // 131, 134, 135, 141
void AddFirstDrawYakuman(WinContext& ctx);        // 126, 130

// The shapes of the sets.
void AddSouryuuSoushu(WinContext& ctx);       // 121
void AddSeiPeikou(WinContext& ctx);           // 123, with 二盃口
void AddOpenChuuren(WinContext& ctx);         // 115
void AddUushinTsuukan(WinContext& ctx);       // 118, with an unmarked 一気通貫
void AddLocalSanshokuGroup(WinContext& ctx);  // 108, 109, 110
void AddAruchuu(WinContext& ctx);             // 112, with 三色同刻

// The way the hand was won.
void AddOpenMeldYaku(WinContext& ctx);        // 101 and 122, then 102, then 103
void AddKanburi(WinContext& ctx);             // 102
void AddAnchuuMosaku(WinContext& ctx);        // 114, before 嶺上開花
void AddRinshanVariants(WinContext& ctx);     // 113 in place of 嶺上開花, 119
void AddRyansouChankan(WinContext& ctx);      // 117
void AddLastTileFlags(WinContext& ctx);       // 116, 120
void AddSevenPairsVariants(WinContext& ctx);  // 104-107 in place of 七対子

}  // namespace mj::hand

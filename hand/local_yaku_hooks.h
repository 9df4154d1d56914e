#pragma once
// The places in the win evaluation where local yaku are tested. Each step is
// called only while some local yaku is in force (WinContext::localYakuOn), so
// with every local yaku off the hooks cost one flag test.
#include <cstdint>

#include "hand/win_context.h"

namespace mj::hand {

enum class LocalYakuStep : std::uint8_t {
  StandardOpening,      // tsumo only: 129
  StandardYakuman,      // 140, 124, 125, 127, 128, 131-139, 141
  StandardRiichi,       // 121
  Ryanpeikou,           // with 二盃口: 123
  TerminalGroups,       // 115, before 混老頭
  Ittsu,                // with an unmarked 一気通貫: 118
  Sanshoku,             // without 三色同刻: 108, 109, 110
  SanshokuDoukou,       // with 三色同刻: 112
  OpenMelds,            // 101 and 122, then 102, then 103
  BeforeRinshan,        // 114, before 嶺上開花
  Rinshan,              // 113 in place of 嶺上開花, 119
  Chankan,              // 117 (seven pairs may rob a kan too)
  LastTile,             // 116, 120
  SevenPairsYakuman,    // 131, 134, 135, 141
  SevenPairsVariants,   // 104-107 in place of 七対子
  SevenPairsKanFuri,    // 102
  SevenPairsLastTile,   // 116, 120
  FirstDraw,            // 126, 130
};

// Adds the local yaku of one step to the list or the mangan-class flags.
void AddLocalYaku(WinContext& ctx, LocalYakuStep step);

// What the evaluation calls at each step.
inline void LocalYakuHook(WinContext& ctx, LocalYakuStep step) {
  if (ctx.localYakuOn) [[unlikely]] AddLocalYaku(ctx, step);
}

}  // namespace mj::hand

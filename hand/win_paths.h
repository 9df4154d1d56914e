#pragma once
// The paths of the win evaluation and the checks they share.
#include "hand/win_context.h"

namespace mj::hand {

// 国士無双 shape: opening checks, 八連荘, 国士無双 (or its thirteen-sided form).
void EvaluateKokushiPath(WinContext& ctx);
// Seven pairs that do not decompose.
void EvaluateSevenPairsPath(WinContext& ctx);
// Four sets and a pair, read from decompSets.
void EvaluateStandardPath(WinContext& ctx);
// The yakuman group of the standard path; a non-empty list ends the evaluation.
void AddStandardYakuman(WinContext& ctx);
// Neither: only a first draw can hold something (the first-draw local yakuman, 九種公九牌倒牌).
void EvaluateFirstDrawPath(WinContext& ctx);

// 天和, 地和, 人和. On the 国士無双 path only 人和 under rule 44 = 2 counts
// and the concealed-kan condition is not looked at.
void AddOpeningYaku(WinContext& ctx, bool kokushiPath);
// 八連荘: rule 45, the dealer's eighth win in a row.
void AddPaarenchan(WinContext& ctx);
// ダブルリーチ, オープンリーチ or リーチ, then 一発.
void AddRiichiYaku(WinContext& ctx);
// 清一色 or 混一色.
void AddFlushYaku(WinContext& ctx);
// Triplets and kans of decompSets that are neither called nor completed by a ron on their kind.
int ConcealedTripletCount(const WinContext& ctx);
// ドラ, ウラドラ, アカドラ with their counts.
void AddDoraYaku(WinContext& ctx);

}  // namespace mj::hand

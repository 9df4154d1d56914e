#include "hand/local_yaku_hooks.h"

#include "hand/local_yaku_steps.h"

namespace mj::hand {

void AddLocalYaku(WinContext& ctx, LocalYakuStep step) {
  switch (step) {
    case LocalYakuStep::StandardOpening: AddToukanHou(ctx); break;
    case LocalYakuStep::StandardYakuman: AddLocalStandardYakuman(ctx); break;
    case LocalYakuStep::StandardRiichi: AddSouryuuSoushu(ctx); break;
    case LocalYakuStep::Ryanpeikou: AddSeiPeikou(ctx); break;
    case LocalYakuStep::TerminalGroups: AddOpenChuuren(ctx); break;
    case LocalYakuStep::Ittsu: AddUushinTsuukan(ctx); break;
    case LocalYakuStep::Sanshoku: AddLocalSanshokuGroup(ctx); break;
    case LocalYakuStep::SanshokuDoukou: AddAruchuu(ctx); break;
    case LocalYakuStep::OpenMelds: AddOpenMeldYaku(ctx); break;
    case LocalYakuStep::BeforeRinshan: AddAnchuuMosaku(ctx); break;
    case LocalYakuStep::Rinshan: AddRinshanVariants(ctx); break;
    case LocalYakuStep::Chankan: AddRyansouChankan(ctx); break;
    case LocalYakuStep::LastTile:
    case LocalYakuStep::SevenPairsLastTile: AddLastTileFlags(ctx); break;
    case LocalYakuStep::SevenPairsYakuman: AddLocalSevenPairsYakuman(ctx); break;
    case LocalYakuStep::SevenPairsVariants: AddSevenPairsVariants(ctx); break;
    case LocalYakuStep::SevenPairsKanFuri: AddKanburi(ctx); break;
    case LocalYakuStep::FirstDraw: AddFirstDrawYakuman(ctx); break;
  }
}

}  // namespace mj::hand

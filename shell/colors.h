#ifndef VIPRATS_SHELL_COLORS_H
#define VIPRATS_SHELL_COLORS_H

#include <SDL.h>

// Text colours and positions. The Windows build draws some texts a few pixels
// higher; each build uses its own set throughout.
extern SDL_Color dzeltena, dzeltena1;
extern SDL_Rect LaiksLoc, ScoreLoc, VardsLoc, cheatloc;

extern SDL_Color zalja, dzelt, sark, balta_;
extern SDL_Rect InfoLoc, InfoLoc2, InfoLoc3, Scoreloc, Laiksloc1, pret_sk_loc, manta_sk_loc;

extern SDL_Color zalj, dzel, sar, bal;
extern SDL_Rect Info2Loc, Info2Loc2, Info2Loc3, Score2loc, Olasloc1, Dialogloc, Dialogloc2,
    malka_sk_loc;

extern SDL_Color zal, dze, sa, balt;
extern SDL_Rect Info3Loc, Info3Loc2, Info3Loc3, Score3loc, DialogLoc3, DialogLoc32, med_info_loc;

#endif

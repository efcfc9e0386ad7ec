#ifndef VIPRATS_LEVEL2_LVL2_H
#define VIPRATS_LEVEL2_LVL2_H

#include "level2/dialog.h"
#include "level2/lvl2_state.h"
#include "world/cached_text.h"
#include "world/collision.h"
#include "world/overworld.h"

struct SquaredReach;

// Level 2: the farmstead. The overworld framework runs the frame; this class
// holds the farmstead's world frame, its dialogs and its mini-games.
class CLvl2 : public COverworld {
public:
    CLvl2();

    void Load(SDL_Surface* screen);
    void Uzsetot();
    void FreeMemory();

    void Draw(SDL_Surface* screen);
    void DrawText(SDL_Surface* screen) override;
    void DrawInfo(SDL_Surface* screen);
    void dialogs(SDL_Surface* screen, int index);
    void mini_olas(SDL_Surface* screen);
    void mini_aka(SDL_Surface* screen);
    void mini_ogas(SDL_Surface* screen);
    void pods(SDL_Surface* screen) { RunPotty(screen); }

    bool dialogOpen = false;
    DialogBox& Dialogs() { return dialogBox; }

private:
    void RunState(SDL_Surface* screen) override;
    void FullScreenState(SDL_Surface* screen, int picture);

    // World frame steps.
    void UseTriggerSpots();
    void UseSpot(int k);
    void MissionThreeRule();
    void PickUpFirewood();
    void DropFirewood();
    void Animate();
    void MoveFlies();
    void CheckRakes();
    void WorldKeys();
    void DrawWorld(SDL_Surface* screen);
    void DrawMarkers(SDL_Surface* screen);
    void DrawFirePlace(SDL_Surface* screen);
    void DrawLyingThings(SDL_Surface* screen);
    void DrawFlies(SDL_Surface* screen);
    void DrawHud(SDL_Surface* screen);
    void RenderWoodCount();

    // Egg yard.
    void SetUpYard();
    void MoveHand();
    void TakeEggs();
    void CheckBasket();
    void SteerHens();
    void MoveHens();
    void DrawYard(SDL_Surface* screen);

    // Berries.
    void BerryIntro(SDL_Surface* screen);
    void BerryBush(SDL_Surface* screen);
    void BerryCatch(SDL_Surface* screen);
    void DrawCatch(SDL_Surface* screen);
    void DealBerries();

    bool FootNear(int x, int y, const SquaredReach& reach) const;

    DialogBox dialogBox;
    CachedText scoreText;
    CachedText woodText;
    // Its own slot: sharing the score's would render both texts every frame.
    CachedText eggText;
};

extern CLvl2 LVL2;

// Level 2's names for the shared collision routines.
void LoadLvl2Col();
inline void rotate2(float x, float y, float a, float* outX, float* outY) { rotate(x, y, a, outX, outY); }
inline bool is_intersecting2(const Rectangle& r, const Circle& c) { return is_intersecting(r, c); }

// The yard's clamps and fence rules, in order, on a top-left corner.
void KeepInYard(float& x, float& y);

#endif

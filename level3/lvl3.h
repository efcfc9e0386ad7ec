#ifndef VIPRATS_LEVEL3_LVL3_H
#define VIPRATS_LEVEL3_LVL3_H

#include "level2/dialog.h"
#include "level3/lvl3_state.h"
#include "world/cached_text.h"
#include "world/overworld.h"

// Level 3: the small town and the end of the demo. The overworld framework
// runs the frame; this class holds the town's world frame, its tasks and
// dialogs, the closing picture and the five mini-games.
class CLvl3 : public COverworld {
public:
    CLvl3();

    void Load(SDL_Surface* screen);
    void Uzsetot();
    void FreeMemory();
    bool DemoBeigts() const { return demoEnded; }

    void Draw(SDL_Surface* screen);
    void DrawText(SDL_Surface* screen) override;
    void beigas(SDL_Surface* screen);
    void dialogs(SDL_Surface* screen, int number);
    void pods(SDL_Surface* screen) { RunPotty(screen); }
    void mini_veikals(SDL_Surface* screen);
    void mini_gonka(SDL_Surface* screen);
    void mini_medibas(SDL_Surface* screen);
    void mini_sitveci(SDL_Surface* screen);
    void mini_tunesana(SDL_Surface* screen);
    void Load_tuning();
    void Free_tuning();

    // The dialog answers' effects reach the level through these.
    void OpenDialog(int number);
    void CloseDialog() { dialogOpen = false; }
    bool DialogOpen() const { return dialogOpen; }
    bool TuningLoaded() const;
    SDL_Surface* TuningPicture(int slot) const;

    // Tuning's pictures: the garage screen, the highlight, the car, then
    // the parts row by row.
    static const int TUNING_PICTURES = 54;

private:
    void RunState(SDL_Surface* screen) override;
    void FullScreenState(SDL_Surface* screen, int picture);
    void LeaveOn(SDLKey key);

    // World frame steps.
    void InfoKey();
    void SpotActions();
    bool Fires(int spot);
    bool AtSpot(int spot) const;
    void UnlockExit();
    void AnimatePiles();
    void MapKey();
    void DrawWorld(SDL_Surface* screen);
    void DrawInfo(SDL_Surface* screen);

    // Mini-game steps.
    void QuitOnQ();
    void ShopIntro(SDL_Surface* screen);
    void ShopFrame(SDL_Surface* screen);
    void DropBottle(Spot& bottle);
    void HuntIntro(SDL_Surface* screen);
    void HuntFrame(SDL_Surface* screen);
    void Shoot();
    void MoveBirds();
    void RenderHuntCounter();
    void DrawHunt(SDL_Surface* screen);
    void RaceIntro(SDL_Surface* screen);
    void RaceFrame(SDL_Surface* screen);
    void Drive();
    void PassCheckpoints();
    void DrawRace(SDL_Surface* screen);
    void FightIntro(SDL_Surface* screen);
    void FightFrame(SDL_Surface* screen);
    void TuningScreen(SDL_Surface* screen);

    CachedText scoreText;
    CachedText huntText;
    DialogBox dialogBox;
    SDL_Surface* tuning[TUNING_PICTURES] = {};
    bool dialogOpen = false;
    bool demoEnded = false;
};

extern CLvl3 LVL3;
extern const DialogEntry LEVEL3_DIALOGS[DIALOGS3];

// Level 3's collision file, read into R3, and its names of the shared tests.
void LoadLvl3Col();
inline void rotate3(float x, float y, float a, float* outX, float* outY) { rotate(x, y, a, outX, outY); }
inline bool is_intersecting3(const Rectangle& r, const Circle& c) { return is_intersecting(r, c); }

#endif

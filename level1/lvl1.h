#ifndef VIPRATS_LEVEL1_LVL1_H
#define VIPRATS_LEVEL1_LVL1_H

#include "level1/lvl1_state.h"
#include "world/cached_text.h"
#include "world/overworld.h"

// Level 1: the house. The overworld framework runs the frame; this class
// holds the house's world frame, its notices and its mini-games.
class CLvl1 : public COverworld {
public:
    CLvl1();

    void Load(SDL_Surface* screen);
    void Uzsetot();
    void FreeMemory();

    void Draw(SDL_Surface* screen);
    void DrawText(SDL_Surface* screen) override;
    void DrawInfo(SDL_Surface* screen);
    void mini_pretsiena(SDL_Surface* screen);
    void mini_burkas(SDL_Surface* screen);
    void mini_krasns(SDL_Surface* screen);
    void mini_masina(SDL_Surface* screen);
    void mini_pods(SDL_Surface* screen);

private:
    void RunState(SDL_Surface* screen) override;
    void TickClock() override;
    void RenderClock();
    void FullScreenState(SDL_Surface* screen, int picture);
    void RestartOn(SDLKey key);

    // World frame steps.
    void WorldKeys();
    void EnterMissionSpots();
    void PickUpItems();
    void CheckExit();
    void DrinkBottles();
    void TakeTurboPickups();
    void RespawnTurboPickups();
    void StartNitro();
    void Deliver();
    void UpdateHazards();
    void SpeedFromNitro();
    void AnimatePiles();
    void TurnHazards();
    void MoveHazards();
    void ReleaseGas();
    void DrawWorld(SDL_Surface* screen);
    void DrawPickups(SDL_Surface* screen);
    void DrawMarkers(SDL_Surface* screen);
    void AnimateGasCloud();
    void DrawHazards(SDL_Surface* screen);
    void DrawHud(SDL_Surface* screen);
    void RenderMissionCounter();

    // Stove.
    void StoveFrame(SDL_Surface* screen);
    void MoveFlames();
    void DropFlies();
    void DrawStove(SDL_Surface* screen);

    // Wall-ball.
    void WallBallFrame(SDL_Surface* screen);
    void RenderWallBallCounter();
    void DrawWallBall(SDL_Surface* screen);

    float PlayerX() const { return offsetX + player.screenX + 100; }
    float PlayerY() const { return offsetY + player.screenY + 100; }
    bool Near(float a, float b, float radius) const;

    CachedText scoreText;
    CachedText clockText;
    CachedText wallBallText;
    CachedText missionText;
};

extern CLvl1 LVL1;

// Level 1's collision file, read into R1.
void LoadLvl1Col();

#endif

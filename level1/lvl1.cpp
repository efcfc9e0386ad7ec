#include "level1/lvl1.h"

#include <cstdio>
#include <cstdlib>

#include "level1/lvl1_content.h"
#include "shell/clock.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "shell/score.h"
#include "world/collision.h"
#include "world/ticks.h"

CLvl1 LVL1;

namespace {

const int CLOCK_MINUTES = 15;
const int STOVE_FLY_RANGE_X = 854, STOVE_FLY_LEFT = 81;
const int STOVE_FLY_RANGE_Y = 600, STOVE_FLY_TOP = -1000;

}  // namespace

void LoadLvl1Col() { LoadCollisionFile(LEVEL1.walls); }

CLvl1::CLvl1() : COverworld(LEVEL1, lvl1World) {}

void CLvl1::Load(SDL_Surface*)
{
    LogPrintf("%s", values.log.loading);
    LoadAssets();
    LoadLvl1Col();
    LogPrintf("%s", values.log.loaded);
}

void CLvl1::Uzsetot()
{
    LogPrintf("%s", values.log.settingUp);
    // A restart takes back everything earned in this level.
    Score.SetScore(Score.GetScore(0));
    SetUpWorld();

    merkis_laiks = merkis_kadrs = 0;
    manta_laiks = manta_kadrs = 0;
    launums_laiks = launums_laiks2 = 0;
    nitro_laiks = 0;
    suds_laiks = suds_kadrs = 0;
    min = CLOCK_MINUTES;
    sec = 0;
    zime_manta_izgaist = false;
    nitro = false;
    turboB = false;

    for (int k = 0; k < MISSION_SPOTS; k++) mini_poz[k] = {MISSION_SPOT_AT[k].x, MISSION_SPOT_AT[k].y};
    for (int k = 0; k < MISSION_ITEMS; k++) Manta[k] = {ITEM_AT[k].x, ITEM_AT[k].y, 0};
    for (int k = 0; k < BOTTLES; k++) pudele[k] = {BOTTLE_AT[k].x, BOTTLE_AT[k].y, 0};
    for (int k = 0; k < TURBO_PICKUPS; k++) pirdiens[k] = {TURBO_AT[k].x, TURBO_AT[k].y, 0, 0};
    // The velocities are left as they are: the first world frame turns
    // every hazard anyway.
    for (int k = 0; k < HAZARDS; k++) launums[k] = {HAZARD_HOME[k].start.x, HAZARD_HOME[k].start.y, 0, 0, 0};

    Pretsienai = true;
    bumbax = -30;
    bumbay = 400;
    bumba_lido = BALL_HELD;
    prusaksy = 517;
    prusaks_speed = 50;

    deglisX = 469;
    deglisY = 662;
    uguns_nr = 0;
    krasns_shauj_laiks = 0;
    Krasnsi = true;
    for (StoveFlame& flame : uguns) flame = {-200, 0, 0, 0, 0};
    for (StoveFly& fly : muha) {
        fly.x = static_cast<float>(rand() % STOVE_FLY_RANGE_X + STOVE_FLY_LEFT);
        fly.y = static_cast<float>(rand() % STOVE_FLY_RANGE_Y + STOVE_FLY_TOP);
    }

    mantu_skaits_int = 0;
    RenderMissionCounter();
    LogPrintf("%s", values.log.setUp);
}

void CLvl1::FreeMemory()
{
    LogPrintf("%s", values.log.freeing);
    FreeAssets();
    scoreText.Free();
    clockText.Free();
    wallBallText.Free();
    missionText.Free();
    LogPrintf("%s", values.log.freed);
}

void CLvl1::RunState(SDL_Surface* screen)
{
    switch (process) {
    case STATE_WALLBALL: mini_pretsiena(screen); break;
    case STATE_JAR: mini_burkas(screen); break;
    case STATE_STOVE: mini_krasns(screen); break;
    case STATE_CAR: mini_masina(screen); break;
    case STATE_POTTY: mini_pods(screen); break;
    case STATE_WORLD: Draw(screen); break;
    case STATE_MAP:
        FullScreenState(screen, PIC_MAP);
        if (Keys[SDLK_k]) {
            Keys[SDLK_k] = 0;
            process = STATE_WORLD;
        }
        break;
    case STATE_HUNGER:
        FullScreenState(screen, PIC_HUNGER_NOTICE);
        RestartOn(SDLK_RETURN);
        break;
    case STATE_TIME_UP:
        FullScreenState(screen, PIC_TIME_UP_NOTICE);
        RestartOn(SDLK_RETURN);
        break;
    case STATE_INFO:
        FullScreenState(screen, PIC_INFO);
        if (Keys[SDLK_i]) {
            Keys[SDLK_i] = 0;
            process = STATE_WORLD;
        }
        if (Keys[SDLK_RETURN]) {
            Keys[SDLK_RETURN] = 0;
            process = STATE_WORLD;
        }
        break;
    }
}

void CLvl1::FullScreenState(SDL_Surface* screen, int picture) { DrawFullScreen(Picture(picture), screen); }

void CLvl1::RestartOn(SDLKey key)
{
    if (!Keys[key]) return;
    Keys[key] = 0;
    process = STATE_WORLD;
    Uzsetot();
}

void CLvl1::DrawText(SDL_Surface* screen)
{
    const int score = Score.GetScore();
    char punkti[16];
    snprintf(punkti, sizeof punkti, "%05d ", score);
    scoreText.Set(Font(FONT_SCORE), punkti, score >= 0 ? dzelt : sark);
    scoreText.Draw(screen, Scoreloc);
    clockText.Draw(screen, Laiksloc1);
}

void CLvl1::TickClock()
{
    if (!Every(Laiks_ieprieksh, NowTicks(), 1000)) return;
    sec -= 1;
    if (sec < 0) {
        sec = 59;
        min -= 1;
    }
    RenderClock();
    if (min == 0 && sec == 0) {
        bool allTaken = true;
        for (const HousePickup& item : Manta) allTaken = allTaken && item.taken;
        if (allTaken)
            levelDone = true;
        else
            process = STATE_TIME_UP;
    }
}

void CLvl1::RenderClock()
{
    snprintf(laiks, sizeof laiks, "%02d:%02d", min, sec);
    clockText.Set(Font(FONT_BIG), laiks, balta_);
}

void CLvl1::RenderMissionCounter()
{
    snprintf(mantu_skaits_char, sizeof mantu_skaits_char, "%d/11", mantu_skaits_int);
    missionText.Set(Font(FONT_BIG), mantu_skaits_char, balta_);
}

void CLvl1::mini_pods(SDL_Surface* screen) { RunPotty(screen); }

// The jar and the car have their spots outside the house: only the needs
// strip on black, until q.
void CLvl1::mini_burkas(SDL_Surface* screen)
{
    if (Keys[SDLK_q]) process = STATE_WORLD;
    FillScreen(screen, 0, 0, 0);
    DrawNeedsStrip(screen);
}

void CLvl1::mini_masina(SDL_Surface* screen)
{
    if (Keys[SDLK_q]) process = STATE_WORLD;
    FillScreen(screen, 0, 0, 0);
    DrawNeedsStrip(screen);
}

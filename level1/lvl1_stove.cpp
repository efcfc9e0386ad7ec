#include <cstdlib>

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const float BURNER_SPEED = 190;  // pixels per second
const float FIRE_INTERVAL_MS = 700;
const float FLAME_SPEED = 80;
const float FLAME_PARKED_BELOW = 113;
const float FLAME_PARKED_X = -100;
const int FLAME_LAST_FRAME = 6;
const float FLY_SPEED = 80;
const float FLY_LOST_BELOW = 768;
const int FLY_SCORE = 2;

// Where a fly starts again after a hit or after the game: above the screen.
void PlaceFly(StoveFly& fly)
{
    fly.x = static_cast<float>(rand() % 854 + 81);
    fly.y = static_cast<float>(rand() % 600 - 1000);
}

void PlaceAllFlies()
{
    for (StoveFly& fly : muha) PlaceFly(fly);
}

bool Hits(const StoveFly& fly, const StoveFlame& flame)
{
    // The fly's centre point inside the flame's burning part.
    return fly.x + 32 > flame.x + 20 && flame.x + 80 > fly.x + 32 && fly.y + 35 > flame.y + 75 &&
           flame.y + 140 > fly.y;
}

void ParkFlame(StoveFlame& flame)
{
    flame.x = FLAME_PARKED_X;
    flame.active = 0;
    flame.frame = 0;
}

}  // namespace

void CLvl1::mini_krasns(SDL_Surface* screen)
{
    if (Krasnsi) {
        DrawTextB = false;
        DrawFullScreen(Picture(PIC_STOVE_INTRO), screen);
        if (Keys[SDLK_RETURN]) {
            Krasnsi = false;
            DrawTextB = true;
        }
        return;
    }
    StoveFrame(screen);
}

void CLvl1::StoveFrame(SDL_Surface* screen)
{
    if (Keys[SDLK_q]) {
        process = STATE_WORLD;
        // Leaving sets the flies a little differently from a hit.
        for (StoveFly& fly : muha) {
            fly.x = static_cast<float>(rand() % 834 + 61);
            fly.y = static_cast<float>(rand() % 500 - 800);
        }
    }
    if (Keys[SDLK_LEFT]) deglisX -= BURNER_SPEED * Timelvl1;
    if (Keys[SDLK_RIGHT]) deglisX += BURNER_SPEED * Timelvl1;

    const float now = NowTicks();
    if (Keys[SDLK_SPACE] == 1 && now - krasns_shauj_laiks > FIRE_INTERVAL_MS) {
        PlaySound(CHANNEL_STOVE_SHOT, Sound(SND_STOVE_SHOT));
        krasns_shauj_laiks = now;
        StoveFlame& flame = uguns[uguns_nr];
        flame.frame = 0;
        flame.x = deglisX - 25;
        flame.y = deglisY - 120;
        flame.active = 1;
        Keys[SDLK_SPACE] = 0;
        uguns_nr = (uguns_nr + 1) % FLAMES;
    }
    MoveFlames();
    DropFlies();
    DrawStove(screen);
}

void CLvl1::MoveFlames()
{
    const float now = NowTicks();
    for (StoveFlame& flame : uguns) {
        if (!flame.active) continue;
        flame.y -= FLAME_SPEED * Timelvl1;
        if (flame.y < FLAME_PARKED_BELOW) ParkFlame(flame);
        if (Every(flame.tStep, now, 100) && flame.frame < FLAME_LAST_FRAME) flame.frame += 1;
    }
}

void CLvl1::DropFlies()
{
    for (StoveFly& fly : muha) {
        fly.y += FLY_SPEED * Timelvl1;
        // Parked flames too: they lie where no fly can reach them.
        for (StoveFlame& flame : uguns) {
            if (!Hits(fly, flame)) continue;
            PlaceFly(fly);
            ParkFlame(flame);
            Score.AddScore(FLY_SCORE);
            PlaySound(CHANNEL_FLY_HIT, Sound(SND_FLY_HIT));
        }
        if (fly.y > FLY_LOST_BELOW) {
            PlaceAllFlies();
            process = STATE_WORLD;
        }
    }
}

void CLvl1::DrawStove(SDL_Surface* screen)
{
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(PIC_STOVE_BACK), screen);
    zimetBildi(Picture(PIC_BURNER), screen, 0, 0, static_cast<int>(deglisX), static_cast<int>(deglisY), 53, 37, -1);
    for (const StoveFly& fly : muha)
        zimetBildi(Picture(PIC_FLY), screen, 0, 0, static_cast<int>(fly.x), static_cast<int>(fly.y), 64, 70, -1);
    for (const StoveFlame& flame : uguns)
        zimetBildi(Picture(PIC_FLAME), screen, flame.frame * 100, 0, static_cast<int>(flame.x),
                   static_cast<int>(flame.y), 100, 150, -1);
    DrawFullScreen(Picture(PIC_STOVE_FRONT), screen);
    DrawNeedsStrip(screen);
}

#include <cstdio>
#include <cstdlib>

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const int FOOD_REFILL = 165;
const int FOOD_PRICE = -1;
const int RAKE_PENALTY = -1;
const float ANIMATION_MS = 90;
const int POOP_FRAMES = 10;
const float FLY_TURN_MS = 5000;
const int FLY_SPEED_X = 60, FLY_SPEED_Y = 50;

bool SpaceDown() { return Keys[SDLK_SPACE] == 1; }
void UseUpSpace() { Keys[SDLK_SPACE] = 0; }

// The order in which the spots are tried; the mission-3 rule and the
// firewood come between the two groups.
const int SPOTS_BEFORE_FIREWOOD[] = {SPOT2_QUEST_GIVER, SPOT2_EGGS, SPOT2_WELL, SPOT2_BERRIES_A, SPOT2_BERRIES_B,
                                     SPOT2_BERRIES_C};
const int SPOTS_AFTER_FIREWOOD[] = {SPOT2_FIREWOOD_DROP, SPOT2_EXIT, SPOT2_POTTY, SPOT2_FOOD};

}  // namespace

bool CLvl2::FootNear(int x, int y, const SquaredReach& reach) const
{
    const double dx = (player10.screenX + reach.footX) - (x + reach.dx - offsetX2);
    const double dy = (player10.screenY + reach.footY) - (y + reach.dy - offsetY2);
    return dx * dx + dy * dy < reach.below;
}

void CLvl2::Draw(SDL_Surface* screen)
{
    MovePlayer();
    UseTriggerSpots();
    Animate();
    MoveFlies();
    CheckRakes();
    WorldKeys();
    DrawWorld(screen);
}

// --- update steps -----------------------------------------------------------

void CLvl2::UseTriggerSpots()
{
    for (int k : SPOTS_BEFORE_FIREWOOD) UseSpot(k);
    MissionThreeRule();
    PickUpFirewood();
    for (int k : SPOTS_AFTER_FIREWOOD) UseSpot(k);
}

void CLvl2::UseSpot(int k)
{
    Spot& spot = mini[k];
    if (!SpaceDown() || !spot.active) return;
    if (!FootNear(spot.x, spot.y, k == SPOT2_FOOD ? FOOD_REACH2 : SPOT_REACH2)) return;
    if (k == SPOT2_FIREWOOD_DROP) {
        if (player10.carrying) DropFirewood();
        return;
    }
    UseUpSpace();
    switch (k) {
    case SPOT2_EGGS: process2 = STATE2_EGGS; break;
    case SPOT2_WELL: process2 = STATE2_WELL; break;
    case SPOT2_BERRIES_A:
    case SPOT2_BERRIES_B:
    case SPOT2_BERRIES_C:
        process2 = STATE2_BERRIES;
        spot.active = false;
        ogas_iet = 0;
        break;
    case SPOT2_QUEST_GIVER:
        dialogOpen = true;
        spot.active = false;
        break;
    case SPOT2_POTTY: process2 = STATE2_POTTY; break;
    case SPOT2_EXIT: levelDone = true; break;
    case SPOT2_FOOD:
        player10.food = FOOD_REFILL;
        Score.AddScore(FOOD_PRICE);
        PlaySound(CHANNEL2_ATE, Sound(SND2_ATE));
        break;
    }
}

void CLvl2::MissionThreeRule()
{
    // The first bush alone brings the quest giver back.
    if (misija == 3 && !mini[SPOT2_BERRIES_A].active) mini[SPOT2_QUEST_GIVER].active = true;
}

void CLvl2::PickUpFirewood()
{
    if (misija != 4) return;
    for (Spot& piece : malka) {
        if (!piece.active || !SpaceDown() || player10.carrying) continue;
        if (!FootNear(piece.x, piece.y, FIREWOOD_REACH)) continue;
        UseUpSpace();
        piece.active = false;
        player10.carrying = 1;
    }
}

void CLvl2::DropFirewood()
{
    UseUpSpace();
    player10.carrying = 0;
    malkas_chupa += 1;
    PlaySound(CHANNEL2_FIREWOOD, Sound(SND2_FIREWOOD));
    RenderWoodCount();
    if (malkas_chupa == FIREWOOD) {
        mini[SPOT2_FIREWOOD_DROP].active = false;
        mini[SPOT2_EXIT].active = true;
    }
}

void CLvl2::Animate()
{
    if (!Every(suds_laiks2, NowTicks(), ANIMATION_MS)) return;
    suds_kadrs2 = (suds_kadrs2 + 1) % POOP_FRAMES;
    musha_kadrs = 1 - musha_kadrs;
}

void CLvl2::MoveFlies()
{
    if (Every(musha_laiks, NowTicks(), FLY_TURN_MS))
        for (Spot& velocity : musha_virz) {
            velocity.x = FLY_SPEED_X * (rand() % 3) - FLY_SPEED_X;
            velocity.y = FLY_SPEED_Y * (rand() % 3) - FLY_SPEED_Y;
        }
    for (int k = 0; k < FLIES2; k++) {
        musha[k].x = static_cast<int>(Timelvl2 * musha_virz[k].x + musha[k].x);
        musha[k].y = static_cast<int>(Timelvl2 * musha_virz[k].y + musha[k].y);
    }
}

void CLvl2::CheckRakes()
{
    const bool onRake = FootNear(RAKE_CONTACT[0].x, RAKE_CONTACT[0].y, RAKE_REACH) ||
                        FootNear(RAKE_CONTACT[1].x, RAKE_CONTACT[1].y, RAKE_REACH);
    if (!onRake) {
        grabeklis_kadrs = 0;
        ir_uz_grab = 0;
        return;
    }
    grabeklis_kadrs = 1;
    if (ir_uz_grab == 0) {
        ir_uz_grab = 1;
        Score.AddScore(RAKE_PENALTY);
        PlaySound(CHANNEL2_RAKE, Sound(SND2_RAKE));
    }
}

void CLvl2::WorldKeys()
{
    if (Keys[SDLK_k]) {
        Keys[SDLK_k] = 0;
        process2 = STATE2_MAP;
    }
    if (Keys[SDLK_i]) {
        Keys[SDLK_i] = 0;
        process2 = STATE2_INFO;
    }
}

// --- drawing ----------------------------------------------------------------

void CLvl2::DrawWorld(SDL_Surface* screen)
{
    DrawWorldPicture(screen, PIC2_WORLD, 5000, 3812);
    DrawMarkers(screen);
    DrawFirePlace(screen);
    DrawLyingThings(screen);
    DrawDepthSorted(screen, FARM_OCCLUDERS, OCCLUDERS2, offsetX2 + player10.screenX + DEPTH_FOOT_X,
                    offsetY2 + player10.screenY + DEPTH_FOOT_Y);
    DrawFlies(screen);
    if (dialogOpen) dialogs(screen, misija);
    DrawHud(screen);
    if (devOverlay) DrawInfo(screen);
}

void CLvl2::DrawMarkers(SDL_Surface* screen)
{
    struct Marker {
        int picture, w, h;
    };
    for (int k = 0; k < TRIGGER_SPOTS; k++) {
        if (!mini[k].active) continue;
        Marker marker = {PIC2_MISSION_MARKER, 76, 46};
        if (k == SPOT2_FIREWOOD_DROP) marker = {PIC2_DROP_MARKER, 76, 42};
        if (k == SPOT2_POTTY) marker = {PIC2_POTTY_MARKER, 76, 42};
        if (k == SPOT2_EXIT) marker = {PIC2_EXIT_MARKER, 76, 42};
        if (k == SPOT2_FOOD) marker = {PIC2_FOOD_MARKER, 60, 63};
        DrawAtWorld(screen, marker.picture, mini[k].x, mini[k].y, 0, 0, marker.w, marker.h);
    }
}

void CLvl2::DrawFirePlace(SDL_Surface* screen)
{
    if (malkas_chupa >= FIREWOOD) {
        DrawAtWorld(screen, PIC2_BONFIRE, BONFIRE_AT.x, BONFIRE_AT.y, 0, 0, 400, 400);
        return;
    }
    for (int k = 0; k < malkas_chupa; k++)
        DrawAtWorld(screen, PIC2_FIREWOOD, FIRE_PILE_AT[k].x, FIRE_PILE_AT[k].y, 0, 0, 90, 59);
}

void CLvl2::DrawLyingThings(SDL_Surface* screen)
{
    for (const Pile& mark : suds2)
        if (mark.active) DrawAtWorld(screen, PIC2_POOP, mark.x, mark.y, 40 * suds_kadrs2, 0, 40, 60);
    for (const Spot& piece : malka)
        if (piece.active) DrawAtWorld(screen, PIC2_FIREWOOD, piece.x, piece.y, 0, 0, 90, 59);
    DrawAtWorld(screen, PIC2_RAKE, RAKE_AT[0].x, RAKE_AT[0].y, 200 * grabeklis_kadrs, 0, 200, 400);
    DrawAtWorld(screen, PIC2_RAKE2, RAKE_AT[1].x, RAKE_AT[1].y, 200 * grabeklis_kadrs, 0, 200, 400);
}

void CLvl2::DrawFlies(SDL_Surface* screen)
{
    for (const Spot& fly : musha) DrawAtWorld(screen, PIC2_FLY, fly.x, fly.y, 20 * musha_kadrs, 0, 20, 20);
}

void CLvl2::DrawHud(SDL_Surface* screen)
{
    DrawNeedsStrip(screen);
    if (!mini[SPOT2_FIREWOOD_DROP].active) return;
    zimetBildi(Picture(PIC2_FIREWOOD_PANEL), screen, 0, 0, 875, 643, 150, 100, -1);
    woodText.Draw(screen, malka_sk_loc);
}

#include <cstdio>
#include <cstdlib>

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/clock.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/movement.h"
#include "world/ticks.h"

namespace {

const int ITEM_SCORE = 1;
const int DELIVERY_SCORE = 1;
const int BITE = 20;
const int KNOCK_OUT_SCORE = 3;
const int BOTTLE_FOOD = 130;
const float TURBO_RESPAWN_MS = 90000;
const float NITRO_MS = 13000;
const int NITRO_SPEED = 140, WALK_SPEED = 80;
const int HAZARD_LAST_FRAME = 19;

bool SpaceDown() { return Keys[SDLK_SPACE] == 1; }

bool AllItemsTaken()
{
    for (const HousePickup& item : Manta)
        if (!item.taken) return false;
    return true;
}

}  // namespace

bool CLvl1::Near(float a, float b, float radius) const { return Within(PlayerX(), PlayerY(), a, b, radius); }

void CLvl1::Draw(SDL_Surface* screen)
{
    MovePlayer();
    WorldKeys();
    EnterMissionSpots();
    PickUpItems();
    CheckExit();
    DrinkBottles();
    TakeTurboPickups();
    RespawnTurboPickups();
    StartNitro();
    Deliver();
    UpdateHazards();
    SpeedFromNitro();
    AnimatePiles();
    TurnHazards();
    MoveHazards();
    ReleaseGas();
    DrawWorld(screen);
}

// --- update steps -----------------------------------------------------------

void CLvl1::WorldKeys()
{
    // Both take effect from the next frame; this one still runs to its end.
    if (Keys[SDLK_k]) {
        Keys[SDLK_k] = 0;
        process = STATE_MAP;
    }
    if (Keys[SDLK_i]) {
        Keys[SDLK_i] = 0;
        process = STATE_INFO;
    }
}

void CLvl1::EnterMissionSpots()
{
    // Space is left down, so a held Space re-enters a spot's game as soon as
    // it hands back to the world.
    for (int k = 0; k < MISSION_SPOTS; k++)
        if (SpaceDown() && Near(mini_poz[k].x + SPOT_REACH.dx, mini_poz[k].y + SPOT_REACH.dy, SPOT_REACH.radius))
            process = k;
}

void CLvl1::PickUpItems()
{
    for (HousePickup& item : Manta) {
        if (SpaceDown() && Near(item.x + ITEM_REACH.dx, item.y + ITEM_REACH.dy, ITEM_REACH.radius) &&
            player.carrying == 0 && !item.taken) {
            PlaySound(CHANNEL_ITEM, Sound(SND_ITEM));
            player.carrying = 1;
            item.taken = 1;
            Score.AddScore(ITEM_SCORE);
            CheckExit();
        }
    }
}

void CLvl1::CheckExit()
{
    if (AllItemsTaken() && SpaceDown() && Near(EXIT_POINT.x, EXIT_POINT.y, EXIT_RADIUS)) levelDone = true;
}

void CLvl1::DrinkBottles()
{
    for (HousePickup& bottle : pudele) {
        if (SpaceDown() && Near(bottle.x + BOTTLE_REACH.dx, bottle.y + BOTTLE_REACH.dy, BOTTLE_REACH.radius) &&
            !bottle.taken) {
            bottle.taken = 1;
            player.food = BOTTLE_FOOD;
            PlaySound(CHANNEL_DRINK, Sound(SND_DRINK));
        }
    }
}

void CLvl1::TakeTurboPickups()
{
    for (TurboPickup& pickup : pirdiens) {
        if (SpaceDown() && Near(pickup.x + TURBO_REACH.dx, pickup.y + TURBO_REACH.dy, TURBO_REACH.radius) &&
            !pickup.taken) {
            turboB = true;
            pickup.taken = 1;
            pickup.takenAt = NowTicks();
        }
    }
}

void CLvl1::RespawnTurboPickups()
{
    const float now = NowTicks();
    for (TurboPickup& pickup : pirdiens)
        if (pickup.taken && now - pickup.takenAt > TURBO_RESPAWN_MS) pickup.taken = 0;
}

void CLvl1::StartNitro()
{
    if (turboB && Keys[SDLK_n]) {
        Keys[SDLK_n] = 0;
        turboB = false;
        nitro = true;
        nitro_laiks = NowTicks();
        PlaySound(CHANNEL_DRINK, Sound(SND_DRINK));
    }
}

void CLvl1::Deliver()
{
    if (SpaceDown() && Near(DROP_POINT.x, DROP_POINT.y, DROP_RADIUS) && player.carrying == 1) {
        player.carrying = 0;
        Score.AddScore(DELIVERY_SCORE);
        zime_manta_izgaist = true;
        PlaySound(CHANNEL_ITEM, Sound(SND_ITEM));
        mantu_skaits_int += 1;
        RenderMissionCounter();
    }
}

void CLvl1::UpdateHazards()
{
    const float now = NowTicks();
    for (HouseHazard& hazard : launums) {
        // One stamp for all hazards: a bite at most every 2 s, however many.
        if (Near(hazard.x, hazard.y, HAZARD_BITE_REACH.radius) && !hazard.knockedOut &&
            Every(launums_laiks2, now, 2000))
            player.food -= BITE;
        if (Near(hazard.x, hazard.y, GAS_REACH) && gaazee) hazard.knockedOut = 1;
        if (hazard.knockedOut && Every(hazard.tStep, now, 90)) hazard.frame += 1;
        // Paid every frame the animation stays on frame 3.
        if (hazard.frame == 3) Score.AddScore(KNOCK_OUT_SCORE);
        if (hazard.frame > HAZARD_LAST_FRAME) hazard.frame = HAZARD_LAST_FRAME;
    }
}

void CLvl1::SpeedFromNitro()
{
    if (nitro && NITRO_MS > NowTicks() - nitro_laiks) {
        player.speed = NITRO_SPEED;
    } else {
        nitro = false;
        player.speed = WALK_SPEED;
    }
}

void CLvl1::AnimatePiles()
{
    if (Every(suds_laiks, NowTicks(), 90)) {
        suds_kadrs += 1;
        if (suds_kadrs > 9) suds_kadrs = 0;
    }
}

void CLvl1::TurnHazards()
{
    if (!Every(launums_laiks, NowTicks(), 2000)) return;
    for (int k = 0; k < HAZARDS; k++) {
        if (launums[k].knockedOut) continue;
        launums_virz[k].vx = static_cast<float>((rand() % 3) * 60 - 60);
        launums_virz[k].vy = static_cast<float>((rand() % 3) * 50 - 50);
    }
}

void CLvl1::MoveHazards()
{
    for (int k = 0; k < HAZARDS; k++) {
        HouseHazard& hazard = launums[k];
        if (!hazard.knockedOut) {
            hazard.x += launums_virz[k].vx * Timelvl1;
            hazard.y += launums_virz[k].vy * Timelvl1;
        }
        const HazardHome& home = HAZARD_HOME[k];
        if (hazard.x > home.xMax) hazard.x = home.xMax;
        if (hazard.x < home.xMin) hazard.x = home.xMin;
        if (hazard.y > home.yMax) hazard.y = home.yMax;
        if (hazard.y < home.yMin) hazard.y = home.yMin;
    }
}

void CLvl1::ReleaseGas()
{
    // o is left down; the meter is empty after a release anyway.
    if (gredy && Keys[SDLK_o]) {
        gaazee = true;
        gredy = false;
        gmeter = 0;
        PlaySound(CHANNEL_GAS, Sound(SND_GAS));
    }
}

// --- drawing ----------------------------------------------------------------

void CLvl1::DrawWorld(SDL_Surface* screen)
{
    DrawWorldPicture(screen, PIC_WORLD, 3700, 3000);
    for (const HouseSpot& spot : mini_poz) DrawAtWorld(screen, PIC_SPOT_MARKER, spot.x, spot.y, 0, 0, 72, 42);
    for (const Pile& pile : suds)
        if (pile.active) DrawAtWorld(screen, PIC_PILE, pile.x, pile.y, static_cast<int>(suds_kadrs) * 40, 0, 40, 60);
    DrawPickups(screen);
    DrawMarkers(screen);
    AnimateGasCloud();
    DrawHazards(screen);
    DrawDepthSorted(screen, HOUSE_OCCLUDERS, OCCLUDERS, PlayerX(), PlayerY());
    if (gaazee)
        zimetBildi(Picture(PIC_GAS_CLOUD), screen, gkadrs * 383, 0, static_cast<int>(player.screenX - 100),
                   static_cast<int>(player.screenY - 100), 383, 371, -1);
    DrawHud(screen);
    if (devOverlay) DrawInfo(screen);
}

void CLvl1::DrawPickups(SDL_Surface* screen)
{
    for (const HousePickup& item : Manta)
        if (!item.taken) DrawAtWorld(screen, PIC_ITEM, item.x, item.y, 0, 0, 72, 52);
    for (const HousePickup& bottle : pudele)
        if (!bottle.taken) DrawAtWorld(screen, PIC_BOTTLE, bottle.x, bottle.y, 0, 0, 22, 52);
    for (const TurboPickup& pickup : pirdiens)
        if (!pickup.taken) DrawAtWorld(screen, PIC_TURBO_PICKUP, pickup.x, pickup.y, 0, 0, 22, 52);
}

void CLvl1::DrawMarkers(SDL_Surface* screen)
{
    // The exit shows once all eleven are picked up, before the last delivery.
    if (AllItemsTaken()) DrawAtWorld(screen, PIC_EXIT_MARKER, EXIT_MARKER_AT.x, EXIT_MARKER_AT.y, 0, 0, 72, 42);

    const float now = NowTicks();
    if (Every(merkis_laiks, now, 90)) {
        merkis_kadrs += 1;
        if (merkis_kadrs > 6) merkis_kadrs = 0;
    }
    DrawAtWorld(screen, PIC_DROP_MARKER, DROP_MARKER_AT.x, DROP_MARKER_AT.y, static_cast<int>(merkis_kadrs) * 70, 0,
                72, 42);

    if (zime_manta_izgaist) {
        DrawAtWorld(screen, PIC_DELIVERY, DELIVERY_AT.x, DELIVERY_AT.y, static_cast<int>(manta_kadrs) * 72, 0, 72,
                    52);
        if (Every(manta_laiks, now, 90)) {
            manta_kadrs += 1;
            if (manta_kadrs > 6) {
                manta_kadrs = 0;
                zime_manta_izgaist = false;
            }
        }
    }
}

void CLvl1::AnimateGasCloud()
{
    if (gaazee && Every(glaiks, NowTicks(), 70)) gkadrs += 1;
    if (gkadrs > 6) {
        gkadrs = 0;
        gaazee = false;
    }
}

void CLvl1::DrawHazards(SDL_Surface* screen)
{
    for (const HouseHazard& hazard : launums) {
        if (hazard.knockedOut)
            DrawAtWorld(screen, PIC_HAZARD_OUT, hazard.x - 45, hazard.y - 65, hazard.frame * 100, 0, 100, 100);
        else
            DrawAtWorld(screen, PIC_HAZARD, hazard.x - 17, hazard.y - 34, 0, 0, 35, 69);
    }
}

void CLvl1::DrawHud(SDL_Surface* screen)
{
    DrawInterface(screen);
    DrawNeedBars(screen);
    zimetBildi(Picture(PIC_MISSION_PANEL), screen, 0, 0, 875, 643, 150, 100, -1);
    missionText.Draw(screen, manta_sk_loc);
    DrawTurboOverlay(screen);
}

void CLvl1::DrawInfo(SDL_Surface* screen)
{
    char lines[3][CachedText::MAX_LENGTH];
    snprintf(lines[0], sizeof lines[0], "%4.2f    %4.2f ", player.screenX, player.screenY);
    snprintf(lines[1], sizeof lines[1], "%4.2f  %4.2f ", offsetX, offsetY);
    snprintf(lines[2], sizeof lines[2], "%4.2f  %4.2f  0=%d 1=%d 2=%d", offsetX + player.screenX,
             offsetY + player.screenY, launums[0].frame, launums[1].frame, launums[2].frame);
    const char* const text[3] = {lines[0], lines[1], lines[2]};
    DrawDevOverlay(screen, text);
}

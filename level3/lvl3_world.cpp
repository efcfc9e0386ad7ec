#include <cstdio>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const int FOOD_AFTER_EATING = 135;
const int EATING_COST = -1;

bool TaskIs(int task, int value) { return uzdevums[task] == value; }

}  // namespace

void CLvl3::Draw(SDL_Surface* screen)
{
    MovePlayer();
    InfoKey();
    SpotActions();
    UnlockExit();
    AnimatePiles();
    MapKey();
    DrawWorld(screen);
}

void CLvl3::InfoKey()
{
    if (!Keys[SDLK_i]) return;
    Keys[SDLK_i] = 0;
    process3 = STATE3_INFO;
}

bool CLvl3::AtSpot(int spot) const
{
    const long double px = static_cast<long double>(player3.screenX) + SPOT_PLAYER_DX + offsetX3;
    const long double py = static_cast<long double>(player3.screenY) + SPOT_PLAYER_DY + offsetY3;
    const long double dx = px - (misi[spot].x + SPOT_REACH_X);
    const long double dy = py - (misi[spot].y + TOWN_SPOTS[spot].reachDy);
    return dx * dx + dy * dy < SPOT_REACH_SQUARED;
}

// Space at an active spot; the press is used up, so one action per press.
bool CLvl3::Fires(int spot)
{
    if (Keys[SDLK_SPACE] != 1 || !misi[spot].active || !AtSpot(spot)) return false;
    Keys[SDLK_SPACE] = 0;
    return true;
}

void CLvl3::SpotActions()
{
    // Each condition is read when its action is tried, after the earlier
    // actions of this frame.
    if (TaskIs(TASK_DRINK, TASK_NOT_GIVEN) && !dialogOpen && Fires(SPOT_DRINKER)) {
        OpenDialog(0);
        misi[SPOT_DRINKER].active = false;
    }
    if (TaskIs(TASK_DRINK, 1) && Fires(SPOT_DRINKER)) {
        misi[SPOT_DRINKER].active = false;
        misi[SPOT_SHOP].active = true;
        uzdevums[TASK_DRINK] = TASK_DONE;
    }
    if (Fires(SPOT_SHOP)) {
        process3 = STATE3_SHOP;
        if (TaskIs(TASK_DRINK, TASK_NOT_GIVEN)) {
            misi[SPOT_DRINKER].active = true;
            uzdevums[TASK_DRINK] = 1;
            misi[SPOT_SHOP].active = false;
        }
    }
    if (TaskIs(TASK_BELASI, TASK_NOT_GIVEN) && !dialogOpen && Fires(SPOT_BELASI_MAN)) {
        OpenDialog(1);
        misi[SPOT_BELASI_MAN].active = false;
        uzdevums[TASK_BELASI] = 4;
    }
    if (TaskIs(TASK_BELASI, 1) && !dialogOpen && Fires(SPOT_BELASI_MAN)) {
        OpenDialog(2);
        misi[SPOT_BELASI_MAN].active = false;
        uzdevums[TASK_BELASI] = TASK_DONE;
    }
    if (Fires(SPOT_FOOD)) {
        player3.food = FOOD_AFTER_EATING;
        Score.AddScore(EATING_COST);
        PlaySound(CHANNEL3_EAT, Sound(SND3_EAT));
        if (TaskIs(TASK_BELASI, 4)) {
            misi[SPOT_BELASI_MAN].active = true;
            uzdevums[TASK_BELASI] = 1;
        }
    }
    if (!dialogOpen && Fires(SPOT_RIKTIS)) {
        OpenDialog(3);
        uzdevums[TASK_RIKTIS] = TASK_DONE;
    }
    if (Fires(SPOT_GARAGE)) process3 = STATE3_TUNING;
    if (TaskIs(TASK_HUNT, TASK_NOT_GIVEN) && !dialogOpen && Fires(SPOT_HUNTER)) {
        misi[SPOT_HUNTER].active = false;
        OpenDialog(4);
        uzdevums[TASK_HUNT] = TASK_DONE;
    }
    if (TaskIs(TASK_HUNT, TASK_DONE) && Fires(SPOT_HUNT)) process3 = STATE3_HUNT;
    if (TaskIs(TASK_FIGHT, TASK_NOT_GIVEN) && !dialogOpen && Fires(SPOT_SLAUGHTERHOUSE)) OpenDialog(5);
    if (TaskIs(TASK_FIGHT, 1) && Fires(SPOT_SLAUGHTERHOUSE)) {
        misi[SPOT_SLAUGHTERHOUSE].active = false;
        misi[SPOT_FIGHT].active = true;
        uzdevums[TASK_FIGHT] = TASK_DONE;
    }
    if (Fires(SPOT_FIGHT)) process3 = STATE3_FIGHT;
    if (Fires(SPOT_BOARD)) process3 = STATE3_BOARD;
    if (Fires(SPOT_POTTY)) process3 = STATE3_POTTY;
    if (Fires(SPOT_EXIT)) {
        process3 = STATE3_CLOSING;
        Mix_PauseMusic();
        demoEnded = true;
    }
}

void CLvl3::UnlockExit()
{
    for (const int task : {TASK_DRINK, TASK_BELASI, TASK_RIKTIS, TASK_HUNT, TASK_FIGHT})
        if (!TaskIs(task, TASK_DONE)) return;
    misi[SPOT_EXIT].active = true;
}

void CLvl3::AnimatePiles()
{
    if (!Every(suds_laiks3, NowTicks(), 90)) return;
    suds_kadrs3 += 1;
    if (suds_kadrs3 > 9) suds_kadrs3 = 0;
}

void CLvl3::MapKey()
{
    // After the spots: k wins over a spot's state change in the same frame.
    if (!Keys[SDLK_k]) return;
    Keys[SDLK_k] = 0;
    process3 = STATE3_MAP;
}

void CLvl3::DrawWorld(SDL_Surface* screen)
{
    DrawWorldPicture(screen, PIC3_WORLD, 4432, 3298);
    for (int k = 0; k < MISSION_SPOTS3; k++) {
        const TownSpot& look = TOWN_SPOTS[k];
        if (misi[k].active)
            DrawAtWorld(screen, look.marker, static_cast<float>(misi[k].x), static_cast<float>(misi[k].y), 0, 0,
                        look.markerW, look.markerH);
    }
    for (const Pile& pile : suds3)
        if (pile.active) DrawAtWorld(screen, PIC3_PILE, pile.x, pile.y, suds_kadrs3 * 40, 0, 40, 60);
    DrawDepthSorted(screen, TOWN_PROPS, PROPS3, player3.screenX + DEPTH_DX + offsetX3,
                    player3.screenY + DEPTH_DY + offsetY3);
    DrawNeedsStrip(screen);
    // Over the strip: here the box covers the HUD.
    if (dialogOpen) dialogs(screen, dnr);
    if (devOverlay) DrawInfo(screen);
}

void CLvl3::DrawInfo(SDL_Surface* screen)
{
    char lines[3][CachedText::MAX_LENGTH];
    snprintf(lines[0], sizeof lines[0], "%4.2f    %4.2f ", player3.screenX, player3.screenY);
    snprintf(lines[1], sizeof lines[1], "%4.2f  %4.2f ", offsetX3, offsetY3);
    snprintf(lines[2], sizeof lines[2], "%4.2f  %4.2f ", player3.screenX + offsetX3, player3.screenY + offsetY3);
    const char* const text[3] = {lines[0], lines[1], lines[2]};
    DrawDevOverlay(screen, text);
}

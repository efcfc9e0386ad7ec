#include "world/overworld.h"

#include <cmath>
#include <cstdlib>

#include "shell/clock.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "shell/score.h"
#include "shell/timer.h"
#include "world/movement.h"
#include "world/ticks.h"

namespace {

const int LOW_MARK = 34;        // bars blink at or below; warnings show down to...
const int WARNING_FLOOR = 30;   // ...but not at or below this
const int FOOD_AFTER_HUNGER = 10;
const int TOILET_AFTER_ACCIDENT = 30;
const int ACCIDENT_PENALTY = -5;
const int HUNGER_CHANNEL = 3;

const float PANEL_SPEED = 450;  // pixels per second
const int PANEL_MUSIC_VOLUME = 64;

// The potty: the point to hold the target on, and how the marker moves.
const float POTTY_BASE_SPEED = 200;
const float POTTY_POINT_X = 219, POTTY_POINT_Y = 309;
const float POTTY_REACH_SQUARED = 4225;  // 65 pixels
const float POTTY_MARKER_SPEED = 20;
const float POTTY_LOST_BELOW = 270, POTTY_WON_ABOVE = 685;
const int POTTY_LOSS_TOILET = 30;
const int POTTY_SCORE = 5;
const int POTTY_CHANNEL = 6;

void WrapTrack(int& track)
{
    if (track > MUSIC_TRACKS) track = 1;
    if (track <= 0) track = MUSIC_TRACKS;
}

}  // namespace

void COverworld::sceena(SDL_Surface* screen)
{
    RunState(screen);
    world.frameTime = Timer.GetLastFrameTime();
    MusicPanelKeys();
    if (world.music.shown && !values.controller.panelHiddenIn.Has(world.process)) plejieris(screen);
    AdvanceTrack();
    if (!values.controller.textHiddenIn.Has(world.process) && world.drawText) DrawText(screen);
    TickNeeds(screen);
    if (Keys[DEV_OVERLAY_KEY]) {
        Keys[DEV_OVERLAY_KEY] = 0;
        devOverlay = !devOverlay;
    }
}

void COverworld::KarteSet(int on)
{
    if (on != 1) return;
    world.process = values.controller.mapState;
    // The map leaves a mini-game's intro behind: the world it closes to shows its score.
    world.drawText = true;
}

// --- music panel ----------------------------------------------------------

void COverworld::MusicPanelKeys()
{
    MusicPanel& panel = world.music;
    if (Keys[SDLK_m] && panel.phase == PANEL_OPENING) {
        Keys[SDLK_m] = 0;
        panel.shown = true;
    }
    if (Keys[SDLK_m] && panel.phase == PANEL_OPEN && panel.shown) {
        Keys[SDLK_m] = 0;
        panel.phase = PANEL_CLOSING;
    }
}

void COverworld::plejieris(SDL_Surface* screen)
{
    MusicPanel& panel = world.music;
    if (panel.phase == PANEL_OPENING) {
        panel.x = static_cast<int>(panel.x + world.frameTime * PANEL_SPEED);
        if (panel.x >= 0) {
            panel.x = 0;
            panel.phase = PANEL_OPEN;
        }
    }
    if (panel.phase == PANEL_OPEN) {
        if (Keys[SDLK_t]) {
            Keys[SDLK_t] = 0;
            panel.track -= 1;
            panel.startAsked = 1;
        }
        if (Keys[SDLK_y]) {
            Keys[SDLK_y] = 0;
            if (!Mix_PlayingMusic()) panel.startAsked = 1;
            if (!Mix_PausedMusic())
                Mix_PauseMusic();
            else
                Mix_ResumeMusic();
        }
        if (Keys[SDLK_u]) {
            Keys[SDLK_u] = 0;
            panel.track += 1;
            panel.startAsked = 1;
        }
        WrapTrack(panel.track);
        if (panel.startAsked == 1) {
            StartTrack();
            panel.startAsked = 0;
        }
    }
    if (panel.phase == PANEL_CLOSING) {
        panel.x = static_cast<int>(panel.x - world.frameTime * PANEL_SPEED);
        if (panel.x < PANEL_HIDDEN_X) {
            panel.x = PANEL_HIDDEN_X;
            panel.phase = PANEL_OPENING;
            panel.shown = false;
        }
    }
    zimetBildi(Picture(values.shared.musicPanel), screen, 0, 0, panel.x, 0, 1024, 768, -1);
}

void COverworld::StartTrack()
{
    Mix_VolumeMusic(PANEL_MUSIC_VOLUME);
    if (Mix_PlayMusic(assets.Track(world.music.track), 1) == -1) LogPrintf("Mix_PlayMusic: %s\n", Mix_GetError());
}

void COverworld::AdvanceTrack()
{
    // Paused music counts as playing, so a pause holds the track.
    if (Mix_PlayingMusic()) return;
    world.music.track += 1;
    WrapTrack(world.music.track);
    StartTrack();
}

// --- needs ----------------------------------------------------------------

void COverworld::TickNeeds(SDL_Surface* screen)
{
    TickClock();
    const NeedsValues& rules = values.needs;
    Needs& needs = world.needs;
    Player& player = world.player;
    const float now = NowTicks();
    const int process = world.process;

    if (!rules.foodStillIn.Has(process) && Every(needs.foodStamp, now, rules.foodInterval)) player.food -= 1;
    if (!rules.toiletStillIn.Has(process) && Every(needs.toiletStamp, now, rules.toiletInterval)) {
        player.toilet -= 1;
        world.gas.level += rules.gasPerToiletTick;
    }
    if (Every(needs.blinkStamp, now, 300)) {
        needs.foodBlink = player.food <= LOW_MARK && needs.foodBlink == 0 ? BLINK_ROW : 0;
        needs.toiletBlink = player.toilet <= LOW_MARK && needs.toiletBlink == 0 ? BLINK_ROW : 0;
    }
    const bool warningsShown = !rules.warningsHiddenIn.Has(world.process);
    if (warningsShown && player.toilet > WARNING_FLOOR && player.toilet <= LOW_MARK)
        DrawFullScreen(Picture(values.shared.toiletWarning), screen);
    if (warningsShown && player.food > WARNING_FLOOR && player.food <= LOW_MARK)
        DrawFullScreen(Picture(values.shared.foodWarning), screen);
    if (player.food <= rules.hungerAt) {
        player.food = FOOD_AFTER_HUNGER;
        world.process = values.controller.hungerState;
        PlaySound(HUNGER_CHANNEL, Sound(values.shared.hungerSound));
    }
    if (player.toilet <= rules.accidentAt) {
        PlaceAccidentPile();
        player.toilet = TOILET_AFTER_ACCIDENT;
        Score.AddScore(ACCIDENT_PENALTY);
    }
    if (rules.gasPerToiletTick > 0 && world.gas.level > GAS_FULL) {
        world.gas.level = GAS_FULL;
        world.gas.ready = true;
    }
}

void COverworld::PlaceAccidentPile()
{
    const NeedsValues& rules = values.needs;
    int& placed = world.needs.pilesPlaced;
    // No pile is written past the table; the penalty still applies.
    if (placed >= 0 && placed < rules.pileCapacity) {
        Pile& pile = rules.piles[placed];
        pile.x = world.player.screenX + rules.pileX + world.offsetX;
        pile.y = world.player.screenY + rules.pileY + world.offsetY;
        if (rules.wholePixelPiles) {
            pile.x = static_cast<float>(static_cast<int>(pile.x));
            pile.y = static_cast<float>(static_cast<int>(pile.y));
        }
        pile.active = 1;
    }
    if (placed < rules.pileCounterLimit) placed += 1;
}

// --- potty ----------------------------------------------------------------

void COverworld::RunPotty(SDL_Surface* screen)
{
    if (!world.potty.started) PottyStart();
    if (Keys[SDLK_q]) {
        world.process = values.controller.worldState;
        world.potty.started = false;
    }
    PottyKeys();
    PottyResult();
    PottyWobble();
    DrawPotty(screen);
}

void COverworld::PottyStart()
{
    PottyGame& potty = world.potty;
    potty.started = true;
    potty.targetX = 10;
    potty.targetY = 200;
    potty.phaseX = 0.035f;
    potty.phaseY = 0.03f;
    potty.markerX = 489;
    potty.baseX = 205;
    potty.baseY = 330;
    potty.rateStamp = 0;
    potty.phaseStamp = 0;
}

void COverworld::PottyKeys()
{
    PottyGame& potty = world.potty;
    const float step = POTTY_BASE_SPEED * world.frameTime;
    if (Keys[SDLK_LEFT]) potty.baseX -= step;
    if (Keys[SDLK_RIGHT]) potty.baseX += step;
    if (Keys[SDLK_UP]) potty.baseY -= step;
    if (Keys[SDLK_DOWN]) potty.baseY += step;

    const float dx = POTTY_POINT_X - (potty.targetX + 55);
    const float dy = POTTY_POINT_Y - (potty.targetY + 51);
    if (dx * dx + dy * dy < POTTY_REACH_SQUARED)
        potty.markerX += POTTY_MARKER_SPEED * world.frameTime;
    else
        potty.markerX -= POTTY_MARKER_SPEED * world.frameTime;
}

void COverworld::PottyResult()
{
    PottyGame& potty = world.potty;
    if (potty.markerX < POTTY_LOST_BELOW) {
        world.player.toilet = POTTY_LOSS_TOILET;
        Score.AddScore(-POTTY_SCORE);
        potty.started = false;
        world.process = values.controller.worldState;
    } else if (potty.markerX > POTTY_WON_ABOVE) {
        world.player.toilet = values.potty.refill;
        Score.AddScore(POTTY_SCORE);
        potty.started = false;
        world.process = values.controller.worldState;
        PlaySound(POTTY_CHANNEL, Sound(values.shared.pottySound));
    }
}

void COverworld::PottyWobble()
{
    PottyGame& potty = world.potty;
    const float now = NowTicks();
    if (Every(potty.rateStamp, now, 100)) {
        potty.rateX = static_cast<float>(rand() % 10);
        potty.rateY = static_cast<float>(rand() % 10);
    }
    if (Every(potty.phaseStamp, now, 50)) {
        potty.phaseX += potty.rateX / 100;
        potty.phaseY += potty.rateY / 100;
    }
    // Truncated to whole 16-bit pixels, as the target is drawn.
    potty.targetX = static_cast<Sint16>(static_cast<int>(sin(potty.phaseX) * 150 + potty.baseX - 7));
    potty.targetY = static_cast<Sint16>(static_cast<int>(cos(potty.phaseY) * 170 + potty.baseY - 113));
}

void COverworld::DrawPotty(SDL_Surface* screen)
{
    const PottyGame& potty = world.potty;
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(values.shared.pottyBackground), screen);
    zimetBildi(Picture(values.shared.pottyTarget), screen, 0, 0, static_cast<int>(potty.targetX),
               static_cast<int>(potty.targetY), 110, 103, -1);
    zimetBildi(Picture(values.shared.pottyMarker), screen, 0, 0, static_cast<int>(potty.markerX), 645, 81, 72, -1);
    DrawNeedsStrip(screen);
}

// --- drawing --------------------------------------------------------------

void COverworld::DrawInterface(SDL_Surface* screen)
{
    DrawFullScreen(Picture(values.shared.interfaceOverlay), screen);
}

void COverworld::DrawNeedBars(SDL_Surface* screen)
{
    const StripValues& strip = values.strip;
    SDL_Surface* bars = Picture(values.shared.needBars);
    // A counter below zero draws an empty bar, not (through the 16-bit
    // width) a full one.
    const int food = world.player.food > 0 ? world.player.food : 0;
    const int toilet = world.player.toilet > 0 ? world.player.toilet : 0;
    zimetBildi(bars, screen, 0, world.needs.foodBlink, strip.foodBarX, strip.foodBarY, food, 22, -1);
    zimetBildi(bars, screen, 0, world.needs.toiletBlink, strip.toiletBarX, strip.toiletBarY, toilet, 22, -1);
    if (values.needs.gasPerToiletTick > 0)
        zimetBildi(Picture(values.shared.gasMeter), screen, world.gas.ready ? GAS_FULL : 0, 0, strip.gasMeterX,
                   strip.gasMeterY, GAS_FULL, world.gas.level, -1);
}

void COverworld::DrawTurboOverlay(SDL_Surface* screen)
{
    if (values.strip.turboHeld && *values.strip.turboHeld)
        DrawFullScreen(Picture(values.shared.turboOverlay), screen);
}

void COverworld::DrawNeedsStrip(SDL_Surface* screen)
{
    DrawInterface(screen);
    DrawNeedBars(screen);
    DrawTurboOverlay(screen);
}

void COverworld::DrawPlayer(SDL_Surface* screen)
{
    const Player& player = world.player;
    const int w = values.walk.spriteW, h = values.walk.spriteH;
    zimetBildi(Picture(values.shared.playerSheet), screen, player.frame * w, player.row * h,
               static_cast<int>(player.screenX), static_cast<int>(player.screenY), w, h, -1);
}

void COverworld::DrawWorldPicture(SDL_Surface* screen, int slot, int w, int h)
{
    const int x = static_cast<int>(0 - world.offsetX), y = static_cast<int>(0 - world.offsetY);
    // Where the picture covers the whole screen the black could never show.
    if (!CoversTarget(Picture(slot), screen, x, y, w, h)) FillScreen(screen, 0, 0, 0);
    DrawAtWorld(screen, slot, 0, 0, 0, 0, w, h);
}

void COverworld::DrawAtWorld(SDL_Surface* screen, int slot, float x, float y, int srcX, int srcY, int w, int h)
{
    zimetBildi(Picture(slot), screen, srcX, srcY, static_cast<int>(x - world.offsetX),
               static_cast<int>(y - world.offsetY), w, h, -1);
}

void COverworld::DrawDepthSorted(SDL_Surface* screen, const Occluder* occluders, int count, float depthX,
                                 float depthY)
{
    for (int k = 0; k < count; k++) {
        const Occluder& occluder = occluders[k];
        const DepthZone* holding = nullptr;
        for (int z = 0; z < occluder.zoneCount && !holding; z++)
            if (ZoneHolds(occluder.zones[z], depthX, depthY)) holding = &occluder.zones[z];
        const bool inFront = holding && depthY > holding->threshold;
        if (holding && !inFront) DrawPlayer(screen);
        DrawAtWorld(screen, occluder.picture, static_cast<float>(occluder.x), static_cast<float>(occluder.y), 0,
                    0, occluder.w, occluder.h);
        if (inFront) DrawPlayer(screen);
    }
}

void COverworld::DrawDevOverlay(SDL_Surface* screen, const char* const lines[3])
{
    overlay.Draw(screen, Font(values.shared.overlayFont), *values.devOverlay.colour, values.devOverlay.lineAt,
                 lines, values.walls, world.circle, world.offsetX, world.offsetY);
}

// --- life cycle -----------------------------------------------------------

void COverworld::LoadAssets() { assets.Load(values.assets); }

void COverworld::FreeAssets()
{
    assets.Free();
    overlay.Free();
    ReturnFreedMemory();
}

void COverworld::SetUpWorld()
{
    const StartValues& start = values.start;
    world.process = start.process;
    world.drawText = true;
    world.offsetX = start.offsetX;
    world.offsetY = start.offsetY;

    Player& player = world.player;
    player.screenX = start.screenX;
    player.screenY = start.screenY;
    player.frame = 0;
    player.row = 0;
    player.frameInterval = start.frameInterval;
    player.speed = start.speed;
    player.carrying = 0;
    player.food = start.food;
    player.toilet = start.toilet;

    world.circle = {start.circleX, start.circleY, values.walk.circleRadius};
    world.needs = Needs{};
    for (int k = 0; k < values.needs.pileCapacity; k++) values.needs.piles[k].active = 0;
    world.gas = GasMeter{start.gasMeter, false, false, 0, 0};
    world.music = MusicPanel{false, PANEL_OPENING, PANEL_HIDDEN_X, 1, 0};
    world.potty.started = false;
    levelDone = false;
    devOverlay = false;
}

void COverworld::MovePlayer() { ::MovePlayer(values.walk, values.walls, world); }

#ifndef VIPRATS_WORLD_OVERWORLD_VALUES_H
#define VIPRATS_WORLD_OVERWORLD_VALUES_H

#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>

#include "world/collision.h"
#include "world/level_assets.h"
#include "world/world_state.h"

// Everything in which the three overworld levels differ, as far as the
// framework is concerned. A level fills one OverworldValues with constants
// and pointers to its own tables.

// Scene states in which some rule is switched off.
class StateSet {
public:
    constexpr StateSet() : bits(0) {}
    constexpr StateSet(std::initializer_list<int> states) : bits(0)
    {
        for (int state : states) bits |= uint32_t(1) << state;
    }
    constexpr bool Has(int state) const { return state >= 0 && state < 32 && ((bits >> state) & 1u); }

private:
    uint32_t bits;
};

struct LogLines {
    const char* loading;
    const char* loaded;
    const char* settingUp;
    const char* setUp;
    const char* freeing;
    const char* freed;
};

// The level's picture and sound slots that the framework draws and plays.
struct SharedAssets {
    int playerSheet;
    int interfaceOverlay;
    int needBars;       // two rows BLINK_ROW apart: normal, blinking
    int gasMeter;       // NO_ASSET: the level has none
    int turboOverlay;   // NO_ASSET: none
    int foodWarning;
    int toiletWarning;
    int musicPanel;
    int pottyBackground;
    int pottyTarget;
    int pottyMarker;
    int hungerSound;
    int pottySound;
    int overlayFont;    // the developer overlay's text
};

struct StartValues {
    int process;
    float offsetX, offsetY;
    float screenX, screenY;
    int frameInterval;
    int speed;
    int food, toilet;
    float circleX, circleY;  // circle centre until the first world frame
    int gasMeter;
};

struct WalkValues {
    int walkFrames;  // columns of the walk cycle
    // Row set by each key test, in test order: Down, Up, Left, Right,
    // Right+Up, Right+Down, Left+Up, Left+Down.
    int facingRows[8];
    float circleX, circleY;  // circle centre relative to the camera
    float circleRadius;
    int spriteW, spriteH;    // one frame of the player sheet
};

struct ControllerValues {
    int worldState;
    int mapState;
    int hungerState;
    StateSet panelHiddenIn;
    StateSet textHiddenIn;
};

struct NeedsValues {
    int foodInterval;  // ms per food point
    StateSet foodStillIn;
    int toiletInterval;
    StateSet toiletStillIn;
    int gasPerToiletTick;  // 0: the level has no gas meter
    StateSet warningsHiddenIn;
    int hungerAt;    // food at or below starves
    int accidentAt;  // toilet at or below is an accident
    float pileX, pileY;    // where a pile lands, from the sprite's top-left
    bool wholePixelPiles;  // pile positions are truncated to whole pixels
    Pile* piles;
    int pileCapacity;
    int pileCounterLimit;  // the pile counter stops rising here
};

struct StripValues {
    int foodBarX, foodBarY;
    int toiletBarX, toiletBarY;
    int gasMeterX, gasMeterY;
    const bool* turboHeld;  // nullptr: the level has no turbo overlay
};

struct PottyValues {
    int refill;  // toilet after a won visit
};

struct DevOverlayValues {
    const SDL_Rect* lineAt[3];
    const SDL_Color* colour;
};

struct OverworldValues {
    LogLines log;
    AssetList assets;
    SharedAssets shared;
    CollisionTable walls;
    StartValues start;
    WalkValues walk;
    ControllerValues controller;
    NeedsValues needs;
    StripValues strip;
    PottyValues potty;
    DevOverlayValues devOverlay;
};

#endif

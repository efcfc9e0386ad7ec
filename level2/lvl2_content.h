#ifndef VIPRATS_LEVEL2_LVL2_CONTENT_H
#define VIPRATS_LEVEL2_LVL2_CONTENT_H

#include "level2/dialog.h"
#include "level2/lvl2_state.h"
#include "world/depth.h"
#include "world/overworld_values.h"

// The farmstead: its pictures and sounds, where everything stands, its
// dialogs, and the values it gives the overworld framework.

enum Lvl2Picture {
    PIC2_WORLD,
    PIC2_INTERFACE,
    PIC2_PLAYER,
    PIC2_MAP,
    PIC2_NEED_BARS,
    PIC2_MUSIC_PANEL,
    PIC2_POOP,
    PIC2_HUNGER,
    PIC2_FLY,
    PIC2_RAKE,
    PIC2_RAKE2,
    PIC2_WELL,
    PIC2_HUT,
    PIC2_BARN,
    PIC2_HOUSE,
    PIC2_SWING,
    PIC2_PRIVY,
    PIC2_GATE,
    PIC2_GROUND_A,
    PIC2_GROUND_B,
    PIC2_GROUND_C,
    PIC2_GROUND_D,
    PIC2_GROUND_I,
    PIC2_GROUND_J,
    PIC2_GROUND_M,
    PIC2_GROUND_N,
    PIC2_GROUND_R,
    PIC2_GROUND_S,
    PIC2_GROUND_V,
    PIC2_MISSION_MARKER,
    PIC2_POTTY_MARKER,
    PIC2_EXIT_MARKER,
    PIC2_FOOD_MARKER,
    PIC2_DIALOG,
    PIC2_FIREWOOD,
    PIC2_BONFIRE,
    PIC2_DROP_MARKER,
    PIC2_FIREWOOD_PANEL,
    PIC2_INFO,
    PIC2_FOOD_WARNING,
    PIC2_TOILET_WARNING,
    PIC2_YARD,
    PIC2_EGG,
    PIC2_HAND,
    PIC2_HEN,
    PIC2_WELL_INSIDE,
    PIC2_BUCKET,
    PIC2_BERRY_INTRO,
    PIC2_BUSH_BACK,
    PIC2_CATCH_BACK,
    PIC2_BUSH,
    PIC2_BUSH_BURST,
    PIC2_BERRY,
    PIC2_CATCHER,
    PIC2_POTTY_BACK,
    PIC2_POTTY_SHIT,
    PIC2_POTTY_TARGET,
    LVL2_PICTURES
};

enum Lvl2Sound {
    SND2_HUNGER,
    SND2_POTTY,
    SND2_RAKE,
    SND2_FIREWOOD,
    SND2_EGG,
    SND2_ATE,
    SND2_HEN,
    SND2_BUSH,
    LVL2_SOUNDS
};

enum Lvl2Font { FONT2_INFO, FONT2_SCORE, FONT2_BIG };

// Mixer channels of the level's sounds.
const int CHANNEL2_ATE = 10;
const int CHANNEL2_FIREWOOD = 10;
const int CHANNEL2_RAKE = 11;
const int CHANNEL2_EGG = 11;
const int CHANNEL2_HEN = 11;
const int CHANNEL2_BUSH = 15;

// Level 2's scene states (process2).
enum Lvl2State {
    STATE2_WORLD = 0,
    STATE2_EGGS = 1,
    STATE2_WELL = 2,
    STATE2_BERRIES = 3,
    STATE2_POTTY = 4,
    STATE2_INFO = 5,
    STATE2_MAP = 6,
    STATE2_HUNGER = 7,
};

// The trigger spots, by record.
enum Lvl2SpotIndex {
    SPOT2_EGGS = 0,
    SPOT2_WELL = 1,
    SPOT2_BERRIES_A = 2,
    SPOT2_BERRIES_B = 3,
    SPOT2_BERRIES_C = 4,
    SPOT2_QUEST_GIVER = 5,
    SPOT2_FIREWOOD_DROP = 6,
    SPOT2_POTTY = 7,
    SPOT2_EXIT = 8,
    SPOT2_FOOD = 9,
};

struct FarmPoint {
    int x, y;
};

extern const FarmPoint TRIGGER_SPOT_AT[TRIGGER_SPOTS];
extern const FarmPoint FIREWOOD_AT[FIREWOOD];
extern const FarmPoint FLY_START[FLIES2];
extern const FarmPoint FIRE_PILE_AT[FIREWOOD - 1];
extern const FarmPoint BONFIRE_AT;
extern const FarmPoint RAKE_AT[2];       // where each rake is drawn
extern const FarmPoint RAKE_CONTACT[2];  // the point the feet touch

// Reach tests compare squared distances between the player's foot point
// (sprite + foot) and the thing's point (position + offset).
struct SquaredReach {
    int footX, footY;
    int dx, dy;
    int below;  // squared pixels
};
extern const SquaredReach SPOT_REACH2, FOOD_REACH2, FIREWOOD_REACH, RAKE_REACH;

// The player's foot point in the world, for depth: camera + sprite + this.
const float DEPTH_FOOT_X = 50, DEPTH_FOOT_Y = 150;

const int OCCLUDERS2 = 19;
extern const Occluder FARM_OCCLUDERS[OCCLUDERS2];

// The egg yard.
extern const FarmPoint EGG_AT[EGGS];
extern const FarmPoint HEN_START[HENS];

// A fence rule: a position strictly inside the box is moved onto one edge.
struct FenceRule {
    float xMin, xMax, yMin, yMax;
    enum Axis { SET_X, SET_Y } axis;
    float to;
};
const int FENCE_RULES = 21;
extern const FenceRule YARD_FENCES[FENCE_RULES];

extern const DialogLook LEVEL2_DIALOG_LOOK;
extern const DialogEntry LEVEL2_DIALOGS[DIALOGS2];

extern const OverworldValues LEVEL2;

#endif

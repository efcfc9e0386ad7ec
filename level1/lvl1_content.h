#ifndef VIPRATS_LEVEL1_LVL1_CONTENT_H
#define VIPRATS_LEVEL1_LVL1_CONTENT_H

#include "level1/lvl1_state.h"
#include "world/depth.h"
#include "world/overworld_values.h"

// The house: its pictures and sounds, where everything stands, and the
// values it gives the overworld framework.

enum Lvl1Picture {
    PIC_WORLD,
    PIC_PLAYER,
    PIC_BALL,
    PIC_SOFA_END,
    PIC_TABLE,
    PIC_BED,
    PIC_CHEST,
    PIC_STOVE,
    PIC_WARDROBE,
    PIC_INTERFACE,
    PIC_SPOT_MARKER,
    PIC_EXIT_MARKER,
    PIC_DROP_MARKER,
    PIC_MAP,
    PIC_ITEM,
    PIC_DELIVERY,
    PIC_NEED_BARS,
    PIC_BOTTLE,
    PIC_TURBO_PICKUP,
    PIC_HAZARD,
    PIC_HAZARD_OUT,
    PIC_HUNGER_NOTICE,
    PIC_TIME_UP_NOTICE,
    PIC_PILE,
    PIC_GAS_METER,
    PIC_GAS_CLOUD,
    PIC_WALLBALL_BACK,
    PIC_WALLBALL_INTRO,
    PIC_WALLBALL_BALL,
    PIC_WALLBALL_CREATURE,
    PIC_WALLBALL_PANEL,
    PIC_STOVE_BACK,
    PIC_STOVE_INTRO,
    PIC_STOVE_FRONT,
    PIC_BURNER,
    PIC_FLY,
    PIC_FLAME,
    PIC_TURBO_OVERLAY,
    PIC_MISSION_PANEL,
    PIC_POTTY_BACK,
    PIC_POTTY_MARKER,
    PIC_POTTY_TARGET,
    PIC_MUSIC_PANEL,
    PIC_INFO,
    PIC_FOOD_WARNING,
    PIC_TOILET_WARNING,
    LVL1_PICTURES
};

enum Lvl1Sound {
    SND_STARVED,
    SND_DRINK,
    SND_GAS,
    SND_POTTY,
    SND_ITEM,
    SND_STOVE_SHOT,
    SND_FLY_HIT,
    SND_BOUNCE,
    LVL1_SOUNDS
};

enum Lvl1Font { FONT_INFO, FONT_SCORE, FONT_BIG };

// Mixer channels of the level's sounds.
const int CHANNEL_DRINK = 4;
const int CHANNEL_GAS = 5;
const int CHANNEL_ITEM = 9;
const int CHANNEL_STOVE_SHOT = 7;
const int CHANNEL_FLY_HIT = 9;
const int CHANNEL_BOUNCE = 16;

// Level 1's scene states (process).
enum Lvl1State {
    STATE_WALLBALL = 0,
    STATE_JAR = 1,
    STATE_STOVE = 2,
    STATE_CAR = 3,
    STATE_POTTY = 4,
    STATE_WORLD = 5,
    STATE_MAP = 6,
    STATE_HUNGER = 7,
    STATE_TIME_UP = 8,
    STATE_INFO = 9,
};

struct HousePoint {
    float x, y;
};

// A hazard's start point and its pen (inclusive clamps).
struct HazardHome {
    HousePoint start;
    float xMin, xMax, yMin, yMax;
};

extern const HousePoint MISSION_SPOT_AT[MISSION_SPOTS];
extern const HousePoint ITEM_AT[MISSION_ITEMS];
extern const HousePoint BOTTLE_AT[BOTTLES];
extern const HousePoint TURBO_AT[TURBO_PICKUPS];
extern const HazardHome HAZARD_HOME[HAZARDS];

// Where the player reaches each thing from: the thing's point plus this
// offset, within the radius.
struct Reach {
    float dx, dy, radius;
};
extern const Reach SPOT_REACH, ITEM_REACH, BOTTLE_REACH, TURBO_REACH, HAZARD_BITE_REACH;
const float GAS_REACH = 190;

extern const HousePoint DROP_POINT;
const float DROP_RADIUS = 55;
extern const HousePoint DROP_MARKER_AT;
extern const HousePoint DELIVERY_AT;
extern const HousePoint EXIT_POINT;
const float EXIT_RADIUS = 35;
extern const HousePoint EXIT_MARKER_AT;

const int OCCLUDERS = 7;
extern const Occluder HOUSE_OCCLUDERS[OCCLUDERS];

// The player's centre, for every proximity test: camera + this.
const float PLAYER_CENTRE_X = 522, PLAYER_CENTRE_Y = 424;

extern const OverworldValues LEVEL1;

#endif

#ifndef VIPRATS_LEVEL3_LVL3_CONTENT_H
#define VIPRATS_LEVEL3_LVL3_CONTENT_H

#include "level3/lvl3_state.h"
#include "world/depth.h"
#include "world/overworld_values.h"

// The small town: its pictures and sounds, where everything stands, and the
// values it gives the overworld framework.

enum Lvl3Picture {
    PIC3_WORLD,
    PIC3_INTERFACE,
    PIC3_PLAYER,
    PIC3_MAP,
    PIC3_MUSIC_PANEL,
    PIC3_NEED_BARS,
    PIC3_PILE,
    PIC3_HUNGER_NOTICE,
    PIC3_BOARD,
    PIC3_INFO,
    PIC3_CLOSING,
    PIC3_TALK_MARKER,
    PIC3_GAME_MARKER,
    PIC3_EXIT_MARKER,
    PIC3_FOOD_MARKER,
    PIC3_BOARD_MARKER,
    PIC3_DIALOG,
    PIC3_CHURCH,
    PIC3_GARAGE,
    PIC3_RUVIS,
    PIC3_SLAUGHTERHOUSE,
    PIC3_KVASS,
    PIC3_PACANS,
    PIC3_SHOP,
    PIC3_SHOP2,
    PIC3_BRUMELS,
    PIC3_FOOD_WARNING,
    PIC3_TOILET_WARNING,
    PIC3_POTTY_BACK,
    PIC3_POTTY_MARKER,
    PIC3_POTTY_TARGET,
    PIC3_SHOP_BACK,
    PIC3_BASKET,
    PIC3_SHOP_INTRO,
    PIC3_BOTTLE,
    PIC3_TRACK,
    PIC3_RACE_INTRO,
    PIC3_CHECKPOINT,
    PIC3_CAR,
    PIC3_HUNT_BACK,
    PIC3_HUNT_INTRO,
    PIC3_SIGHT,
    PIC3_BIRD_RIGHT,
    PIC3_BIRD_LEFT,
    PIC3_HUNT_PANEL,
    PIC3_BIRD_FALLING,
    PIC3_FIGHT_BACK,
    PIC3_FIGHT_INTRO,
    PIC3_LIFE_BAR,
    PIC3_PART_TARGET,  // seven pairs: target, hit, in body-part order
    PIC3_TUNING_LOADING = PIC3_PART_TARGET + 14,
    LVL3_PICTURES
};

enum Lvl3Sound { SND3_STARVED, SND3_POTTY, SND3_EAT, SND3_BOTTLE, SND3_HIT, SND3_SHOT, LVL3_SOUNDS };

enum Lvl3Font { FONT3_INFO, FONT3_SCORE, FONT3_BIG };

// Mixer channels of the level's sounds.
const int CHANNEL3_EAT = 10;
const int CHANNEL3_BOTTLE = 12;
const int CHANNEL3_HIT = 13;
const int CHANNEL3_SHOT = 14;

// Level 3's scene states (process3).
enum Lvl3State {
    STATE3_WORLD = 0,
    STATE3_SHOP = 1,
    STATE3_RACE = 2,
    STATE3_HUNT = 3,
    STATE3_FIGHT = 4,
    STATE3_TUNING = 5,
    STATE3_MAP = 6,
    STATE3_HUNGER = 7,
    STATE3_POTTY = 8,
    STATE3_BOARD = 9,
    STATE3_CLOSING = 10,
    STATE3_INFO = 11,
};

// The mission spots by role.
enum Lvl3SpotRole {
    SPOT_DRINKER,
    SPOT_SHOP,
    SPOT_BELASI_MAN,
    SPOT_FOOD,
    SPOT_RIKTIS,
    SPOT_GARAGE,
    SPOT_HUNTER,
    SPOT_HUNT,
    SPOT_SLAUGHTERHOUSE,
    SPOT_FIGHT,
    SPOT_BOARD,
    SPOT_POTTY,
    SPOT_EXIT,
};

// The tasks that open the exit.
enum Lvl3Task { TASK_DRINK = 0, TASK_BELASI = 1, TASK_RIKTIS = 2, TASK_HUNT = 4, TASK_FIGHT = 5 };
const int TASK_NOT_GIVEN = 3, TASK_DONE = 0;

struct TownSpot {
    int x, y;
    bool active;
    int marker;  // picture slot
    int markerW, markerH;
    int reachDy;  // the spot's point is (x + 56, y + reachDy)
};
extern const TownSpot TOWN_SPOTS[MISSION_SPOTS3];

// The player's reference point for the spots, from the sprite's top-left,
// and the squared distance within which a spot is reached.
const float SPOT_PLAYER_DX = 60, SPOT_PLAYER_DY = 190;
const float SPOT_REACH_X = 56;
const float SPOT_REACH_SQUARED = 700;
// The depth point, from the sprite's top-left.
const float DEPTH_DX = 50, DEPTH_DY = 150;

const int PROPS3 = 9;
extern const Occluder TOWN_PROPS[PROPS3];

extern const Spot CHECKPOINT_AT[CHECKPOINTS];

// Tuning: the parts in menu-row order (rows 8 and 10 have none).
struct TuningPart {
    const char* folder;  // under lvl3/Tuning/Mosis/
    const char* prefix;
    int choices;         // the last choice; 0 is stock
    int* choice;
};
const int TUNING_ROWS = 11;
const int TUNING_PARTS = 9;
extern const TuningPart TUNING_PARTS_BY_ROW[TUNING_ROWS];  // folder nullptr: no part
// Drawing order of the overlays, as row numbers.
extern const int TUNING_DRAW_ORDER[TUNING_PARTS];

extern const OverworldValues LEVEL3;

#endif

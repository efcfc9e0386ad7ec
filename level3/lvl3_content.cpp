#include "level3/lvl3_content.h"

#include <iterator>

#include "shell/colors.h"

namespace {

const char* const PICTURE_FILES[LVL3_PICTURES] = {
    "lvl3/lvl3.png",
    "lvl3/interfc3.png",
    "lvl3/player3.png",
    "lvl3/karte.png",
    "lvl3/mp3.png",
    "lvl3/lifebar.png",
    "lvl3/suds.png",
    "lvl3/bads.png",
    "lvl3/infoBC.png",
    "lvl3/i.png",
    "lvl3/beigas.png",
    "lvl3/misija.png",
    "lvl3/cp.png",
    "lvl3/izeja.png",
    "lvl3/food.png",
    "lvl3/info.png",
    "lvl3/dialog.png",
    "lvl3/mebeles/bazniica.png",
    "lvl3/mebeles/garazja.png",
    "lvl3/mebeles/Ruvis.png",
    "lvl3/mebeles/kautkas.png",
    "lvl3/mebeles/kvass.png",
    "lvl3/mebeles/Pacans.png",
    "lvl3/mebeles/veikals.png",
    "lvl3/mebeles/veikals2.png",
    "lvl3/mebeles/BrumelsUNmarveta.png",
    "lvl1/eest.png",
    "lvl1/tolete.png",
    "lvl3/pods/fons.jpg",
    "lvl3/pods/shit.png",
    "lvl3/pods/target.png",
    "lvl3/Mini/veikals/fons.png",
    "lvl3/Mini/veikals/grozs.png",
    "lvl3/Mini/veikals/intro.png",
    "lvl3/Mini/veikals/pudele.png",
    "lvl3/Mini/gonka/fons.png",
    "lvl3/Mini/gonka/intro.png",
    "lvl3/Mini/gonka/punktvaacis.png",
    "lvl3/Mini/gonka/niva.png",
    "lvl3/Mini/medibas/fons.png",
    "lvl3/Mini/medibas/intro.png",
    "lvl3/Mini/medibas/merkis.png",
    "lvl3/Mini/medibas/putns.png",
    "lvl3/Mini/medibas/putns2.png",
    "lvl3/Mini/medibas/info.png",
    "lvl3/Mini/medibas/putns_kirdik.png",
    "lvl3/Mini/sitveci/fons.png",
    "lvl3/Mini/sitveci/intro.png",
    "lvl3/Mini/sitveci/dziviba.png",
    "lvl3/Mini/sitveci/galva1.png",
    "lvl3/Mini/sitveci/galva2.png",
    "lvl3/Mini/sitveci/KRkaaja1.png",
    "lvl3/Mini/sitveci/KRkaaja2.png",
    "lvl3/Mini/sitveci/KRroka1.png",
    "lvl3/Mini/sitveci/KRroka2.png",
    "lvl3/Mini/sitveci/kungjis1.png",
    "lvl3/Mini/sitveci/kungjis2.png",
    "lvl3/Mini/sitveci/LBkaaja1.png",
    "lvl3/Mini/sitveci/LBkaaja2.png",
    "lvl3/Mini/sitveci/LBroka1.png",
    "lvl3/Mini/sitveci/LBroka2.png",
    "lvl3/Mini/sitveci/olas1.png",
    "lvl3/Mini/sitveci/olas2.png",
    "lvl3/Tuning/loading.png",
};

const int FRAME_SHEETS[] = {PIC3_PLAYER, PIC3_PILE, PIC3_CAR, PIC3_BIRD_FALLING};

const char* const SOUND_FILES[LVL3_SOUNDS] = {
    "Audio/zaudee.wav", "Audio/tualete.wav", "Audio/paeeda.wav",
    "Audio/pudelegrozaa.wav", "Audio/sit.wav", "Audio/shauj.wav",
};

const float NO = NO_LIMIT;

}  // namespace

const TownSpot TOWN_SPOTS[MISSION_SPOTS3] = {
    //  position    active  marker                      size     reach y
    {1101, 2223, true, PIC3_TALK_MARKER, 76, 46, 43},    // drinker: task 0
    {2428, 1822, false, PIC3_GAME_MARKER, 76, 42, 43},   // shop door
    {3135, 2104, true, PIC3_TALK_MARKER, 76, 46, 43},    // belasi man: task 1
    {1938, 2258, true, PIC3_FOOD_MARKER, 60, 63, 63},    // food
    {2355, 1335, false, PIC3_TALK_MARKER, 76, 46, 43},   // Riktis: task 2
    {2475, 1410, false, PIC3_GAME_MARKER, 76, 42, 43},   // garage: tuning
    {1597, 1345, true, PIC3_TALK_MARKER, 76, 46, 43},    // hunter: task 4
    {1597, 1345, false, PIC3_GAME_MARKER, 76, 42, 43},   // hunt
    {2326, 1070, true, PIC3_TALK_MARKER, 76, 46, 43},    // slaughterhouse: task 5
    {2287, 2547, false, PIC3_GAME_MARKER, 76, 42, 43},   // fight
    {2681, 2427, true, PIC3_BOARD_MARKER, 76, 42, 43},   // information board
    {2108, 847, true, PIC3_GAME_MARKER, 76, 42, 43},     // potty
    {2595, 2477, false, PIC3_EXIT_MARKER, 76, 42, 43},   // exit
};

// The first prop covers the player outside its zone, so it draws the player
// itself; the later ones draw the player again only in front of them.
const Occluder TOWN_PROPS[PROPS3] = {
    {PIC3_SLAUGHTERHOUSE, 2298, 630, 214, 480, 2, {Zone(2260, 2585, 1018), EveryX(NO)}},
    {PIC3_GARAGE, 2410, 852, 317, 591, 1, {ZoneBelow(2370, 2750, 1300, -NO)}},
    {PIC3_PACANS, 1602, 1156, 53, 170, 1, {ZoneBelow(1500, 1705, 1310, -NO)}},
    {PIC3_BRUMELS, 2002, 1296, 78, 221, 1, {ZoneBelow(1952, 2129, 1476, -NO)}},
    {PIC3_SHOP, 2381, 1321, 586, 540, 1, {ZoneBelow(2330, 2800, 1746, -NO)}},
    {PIC3_CHURCH, 734, 673, 1062, 1369, 1, {ZoneBelow(680, 1850, 1903, -NO)}},
    {PIC3_SHOP2, 3033, 1566, 358, 396, 1, {ZoneBelow(2980, 3440, 1920, -NO)}},
    {PIC3_KVASS, 1941, 1978, 497, 306, 1, {ZoneBelow(1880, 2480, 2252, -NO)}},
    {PIC3_RUVIS, 2254, 2379, 53, 170, 1, {ZoneBelow(2200, 2360, 2527, -NO)}},
};

const Spot CHECKPOINT_AT[CHECKPOINTS] = {
    {1710, 4501, true}, {1678, 3655, true}, {461, 3222, true},  {684, 1578, true},  {1700, 1280, true},
    {2334, 1761, true}, {2174, 2315, true}, {3854, 2257, true}, {3756, 1280, true}, {3186, 795, true},
    {1306, 508, true},  {4650, 265, true},  {4620, 2969, true}, {2732, 3426, true}, {2595, 4476, true},
};

const TuningPart TUNING_PARTS_BY_ROW[TUNING_ROWS] = {
    {"Wheels", "wh", 5, &m_wh}, {"Roof", "rf", 4, &m_rf},    {"Spoiler", "sp", 8, &m_sp},
    {"Front", "fr", 5, &m_fr},  {"Back", "bk", 5, &m_bk},    {"Exhaust", "ex", 2, &m_ex},
    {"Side", "sd", 4, &m_sd},   {"Neon", "neon", 6, &m_neon}, {nullptr, nullptr, 0, nullptr},
    {"Vinyl", "vin", 12, &m_vin}, {nullptr, nullptr, 0, nullptr},
};

// The neon glow under everything, the vinyl over everything.
const int TUNING_DRAW_ORDER[TUNING_PARTS] = {7, 0, 1, 2, 3, 4, 5, 6, 9};

const OverworldValues LEVEL3 = {
    // log
    {"----Laadeeju lvl 3\n", "----lvl 3 sasalaadeets\n", "----uzsetojam lvl 3\n", "----lvl 3 sasetots\n",
     "----Raveejam lvl3 no atminjas...\n", "----lvl3 izraveets no atminjas\n"},
    // assets: pictures, sounds, fonts 16, 18 and 23 points, frame sheets
    {PICTURE_FILES, LVL3_PICTURES, SOUND_FILES, LVL3_SOUNDS, {16, 18, 23}, FRAME_SHEETS, int(std::size(FRAME_SHEETS))},
    // shared: player, interface, bars, no gas meter, no turbo overlay, food and
    // toilet warnings, music panel, potty background, target and marker,
    // sounds, font
    {PIC3_PLAYER, PIC3_INTERFACE, PIC3_NEED_BARS, NO_ASSET, NO_ASSET, PIC3_FOOD_WARNING, PIC3_TOILET_WARNING,
     PIC3_MUSIC_PANEL, PIC3_POTTY_BACK, PIC3_POTTY_TARGET, PIC3_POTTY_MARKER, SND3_STARVED, SND3_POTTY,
     FONT3_INFO},
    // walls
    {"lvl3/col3.txt", R3, 50},
    // start: state, camera, sprite on screen, walk interval, speed, food, toilet,
    // circle centre, gas meter
    {STATE3_WORLD, 950, 1700, 422, 324, 80, 120, 65, 90, 950 + 475, 1700 + 480, 0},
    // walk: eight columns; rows for Down, Up, Left, Right, R+U, R+D, L+U, L+D;
    // circle at camera + (475, 480), radius 15; 100 x 180 frames
    {8, {5, 1, 3, 7, 0, 6, 2, 4}, 475, 480, 15, 100, 180},
    // controller: world, map, hunger; no panel on the hunger notice and the
    // closing picture; score text only in the world, the shop, the race, the
    // hunt, the fight and on the board
    {STATE3_WORLD, STATE3_MAP, STATE3_HUNGER, {STATE3_HUNGER, STATE3_CLOSING},
     {STATE3_TUNING, STATE3_MAP, STATE3_HUNGER, STATE3_POTTY, STATE3_CLOSING, STATE3_INFO}},
    // needs: food every 2000 ms everywhere; toilet every 3500 ms but not on the
    // potty; no gas; no warnings on the notice and the closing picture; hunger
    // and accident at 3; piles at sprite + (30, 100) in whole pixels, 50 of
    // them, the counter stopping at 50
    {2000, {}, 3500, {STATE3_POTTY}, 0, {STATE3_HUNGER, STATE3_CLOSING}, 3, 3, 30, 100, true, suds3, 50, 50},
    // strip: food bar, toilet bar, no gas meter, no turbo overlay
    {156, 743, 316, 743, 0, 0, nullptr},
    // potty refill
    {135},
    // developer overlay lines
    {{&Info3Loc, &Info3Loc2, &Info3Loc3}, &zal},
};

#include "level2/lvl2_content.h"

#include <iterator>

#include "level2/lvl2.h"
#include "shell/colors.h"

namespace {

const char* const PICTURE_FILES[LVL2_PICTURES] = {
    "lvl2/10gadi.png",
    "lvl2/interfc.png",
    "lvl2/player10z.png",
    "lvl2/karte.png",
    "lvl2/lifebar.png",
    "lvl2/mp3.png",
    "lvl2/suds.png",
    "lvl2/bads.png",
    "lvl2/musha.png",
    "lvl2/grabeklis.png",
    "lvl2/grabeklis2.png",
    "lvl2/mebeles/aka.png",
    "lvl2/mebeles/buda.png",
    "lvl2/mebeles/kuuts.png",
    "lvl2/mebeles/maaja.png",
    "lvl2/mebeles/shuupoles.png",
    "lvl2/mebeles/tolete.png",
    "lvl2/mebeles/vaarti.png",
    "lvl2/Augsne/A.png",
    "lvl2/Augsne/B.png",
    "lvl2/Augsne/C.png",
    "lvl2/Augsne/D.png",
    "lvl2/Augsne/I.png",
    "lvl2/Augsne/J.png",
    "lvl2/Augsne/M.png",
    "lvl2/Augsne/N.png",
    "lvl2/Augsne/R.png",
    "lvl2/Augsne/S.png",
    "lvl2/Augsne/V.png",
    "lvl2/misija.png",
    "lvl2/tolete.png",
    "lvl2/izeja.png",
    "lvl2/food.png",
    "lvl2/dialog.png",
    "lvl2/malka.png",
    "lvl2/ugunskurs.png",
    "lvl2/malkacp.png",
    "lvl2/malka_info.png",
    "lvl2/i.png",
    "lvl1/eest.png",
    "lvl1/tolete.png",
    "lvl2/Mini/vistas/fons.png",
    "lvl2/Mini/vistas/ola.png",
    "lvl2/Mini/vistas/roka.png",
    "lvl2/Mini/vistas/vista.png",
    "lvl2/Mini/aka/fons.png",
    "lvl2/Mini/aka/spainis.png",
    "lvl2/Mini/janogas/intro.png",
    "lvl2/Mini/janogas/fonsA.png",
    "lvl2/Mini/janogas/fonsB.png",
    "lvl2/Mini/janogas/kadrsA.png",
    "lvl2/Mini/janogas/kadrsB.png",
    "lvl2/Mini/janogas/oga.png",
    "lvl2/Mini/janogas/suuklis.png",
    "lvl2/pods/fons.jpg",
    "lvl2/pods/shit.png",
    "lvl2/pods/target.png",
};

const int FRAME_SHEETS[] = {PIC2_PLAYER, PIC2_POOP, PIC2_FLY};

const char* const SOUND_FILES[LVL2_SOUNDS] = {
    "Audio/zaudee.wav", "Audio/tualete.wav", "Audio/grabeklis.wav", "Audio/malku_nomet.wav",
    "Audio/ola.wav",    "Audio/paeeda.wav",  "Audio/vista.wav",     "Audio/spradz.wav",
};

void CloseBox() { LVL2.dialogOpen = false; }
void SpotOn(int k) { mini[k].active = true; }
void SpotOff(int k) { mini[k].active = false; }
void BerrySpots(bool on)
{
    for (int k : {SPOT2_BERRIES_A, SPOT2_BERRIES_B, SPOT2_BERRIES_C}) mini[k].active = on;
}

}  // namespace

const FarmPoint TRIGGER_SPOT_AT[TRIGGER_SPOTS] = {
    {2470, 1919},  // eggs
    {2328, 2393},  // well
    {2734, 1226},  // berries
    {2154, 2553},  // berries
    {2716, 2896},  // berries
    {3444, 1862},  // quest giver
    {3708, 2070},  // firewood drop
    {1208, 2518},  // potty
    {3411, 2488},  // exit
    {2533, 2395},  // food
};

const FarmPoint FIREWOOD_AT[FIREWOOD] = {
    {3158, 1257}, {2653, 1540}, {1977, 2012}, {826, 1980}, {1759, 2650}, {2891, 2645},
};

const FarmPoint FLY_START[FLIES2] = {{2908, 1160}, {932, 2203}, {3674, 2232}};

const FarmPoint FIRE_PILE_AT[FIREWOOD - 1] = {
    {3800, 2000}, {3870, 2000}, {3800, 2050}, {3870, 2050}, {3830, 2020},
};
const FarmPoint BONFIRE_AT = {3650, 1850};

const FarmPoint RAKE_AT[2] = {{1574, 2328}, {3877, 1990}};
const FarmPoint RAKE_CONTACT[2] = {{1748, 2590}, {3901, 2255}};

//                                 foot      offset   squared
const SquaredReach SPOT_REACH2 = {60, 190, 56, 43, 700};
const SquaredReach FOOD_REACH2 = {60, 190, 56, 63, 700};
const SquaredReach FIREWOOD_REACH = {60, 190, 50, 40, 1000};
const SquaredReach RAKE_REACH = {50, 180, 0, 0, 750};

namespace {

// The first overlay hides the player everywhere outside its front zone; every
// later one draws the player again over itself only inside its zone.
constexpr Occluder First(int picture, int x, int y, int w, int h, float x1, float x2, float frontY)
{
    return {picture, x, y, w, h, 2, {Zone(x1, x2, frontY), EveryX(NO_LIMIT)}};
}
constexpr Occluder Over(int picture, int x, int y, int w, int h, float x1, float x2, float frontY)
{
    return {picture, x, y, w, h, 1, {ZoneBelow(x1, x2, frontY, -NO_LIMIT)}};
}

}  // namespace

const Occluder FARM_OCCLUDERS[OCCLUDERS2] = {
    //    picture        position    size        front zone x range, y
    First(PIC2_GROUND_A, 2185, 45, 739, 915, 2100, 2990, 720),
    Over(PIC2_GROUND_I, 2655, 446, 519, 506, 1600, 3200, 882),
    Over(PIC2_GROUND_B, 1887, 480, 550, 528, 1820, 2490, 984),
    Over(PIC2_BARN, 1460, 682, 1272, 1108, 1410, 2745, 1763),
    Over(PIC2_HOUSE, 3167, 927, 890, 941, 3117, 4057, 1679),
    // Only while the sprite's top is above 1247 (foot point 150 lower).
    {PIC2_GROUND_J, 2624, 960, 267, 268, 1, {{2570, 2940, 1166, 1247 + DEPTH_FOOT_Y, -NO_LIMIT}}},
    Over(PIC2_GROUND_C, 436, 1137, 739, 915, 380, 1220, 1818),
    Over(PIC2_GROUND_V, 3962, 1222, 728, 915, 3910, 4740, 1904),
    Over(PIC2_GROUND_D, 509, 1680, 271, 268, 450, 832, 1889),
    Over(PIC2_SWING, 1677, 1869, 197, 272, 1620, 1930, 2077),
    {PIC2_HUT, 1024, 1832, 707, 609, 2,
     {ZoneBelow(1000, 1550, 2246, -NO_LIMIT), ZoneBelow(1550, 1730, 2152, -NO_LIMIT)}},
    Over(PIC2_PRIVY, 1009, 2220, 235, 318, 970, 1270, 2459),
    Over(PIC2_WELL, 2354, 2208, 185, 203, 2300, 2575, 2366),
    Over(PIC2_GROUND_M, 1921, 2407, 271, 268, 1870, 2240, 2620),
    Over(PIC2_GROUND_R, 2523, 2518, 335, 332, 2470, 2900, 2784),
    Over(PIC2_GROUND_N, 1462, 2628, 271, 268, 1410, 1783, 2840),
    Over(PIC2_GROUND_S, 2756, 2751, 247, 240, 2700, 3050, 2936),
    Over(PIC2_GROUND_S, 2022, 2805, 247, 240, 1970, 2330, 3016),
    {PIC2_GATE, 3451, 2340, 458, 395, 0, {}},
};

const FarmPoint EGG_AT[EGGS] = {
    {60, 180},  {260, 180}, {590, 180}, {680, 180}, {750, 180}, {830, 180}, {900, 180}, {370, 110},
    {680, 110}, {900, 110}, {60, 260},  {260, 260}, {370, 260}, {60, 350},  {590, 350}, {900, 350},
    {170, 420}, {260, 420}, {370, 420}, {750, 420}, {60, 505},  {590, 505}, {900, 505}, {60, 570},
    {260, 570}, {590, 570}, {750, 570}, {900, 570}, {370, 630}, {470, 630}, {830, 630},
};

const FarmPoint HEN_START[HENS] = {{510, 108}, {260, 350}, {270, 510}, {600, 630}, {900, 430}};

const float OPEN = NO_LIMIT;
const FenceRule YARD_FENCES[FENCE_RULES] = {
    //  x range     y range     moves    to
    {50, 193, 275, 285, FenceRule::SET_Y, 275},
    {50, 193, 328, 336, FenceRule::SET_Y, 336},
    {-OPEN, 192, 275, 336, FenceRule::SET_X, 192},
    {380, 577, 198, 218, FenceRule::SET_Y, 198},
    {380, 577, 245, 255, FenceRule::SET_Y, 255},
    {380, 430, 198, 257, FenceRule::SET_X, 380},
    {536, 577, 198, 257, FenceRule::SET_X, 577},
    {620, 817, 355, 375, FenceRule::SET_Y, 355},
    {620, 817, 402, 412, FenceRule::SET_Y, 412},
    {620, 670, 355, 412, FenceRule::SET_X, 620},
    {776, 817, 355, 412, FenceRule::SET_X, 817},
    {220, 417, 438, 458, FenceRule::SET_Y, 438},
    {220, 417, 485, 495, FenceRule::SET_Y, 495},
    {220, 270, 438, 495, FenceRule::SET_X, 220},
    {376, 417, 438, 495, FenceRule::SET_X, 417},
    {680, 950, 508, 528, FenceRule::SET_Y, 508},
    {680, 950, 555, 565, FenceRule::SET_Y, 565},
    {680, 700, 508, 565, FenceRule::SET_X, 680},
    {720, 780, 205, 215, FenceRule::SET_Y, 205},
    {720, 740, 205, 380, FenceRule::SET_X, 720},
    {760, 780, 235, 380, FenceRule::SET_X, 780},
};

// The quest giver speaks; Y accepts the mission, N puts the quest giver back.
const DialogLook LEVEL2_DIALOG_LOOK = {Dialogloc, Dialogloc2, bal, false, 1};
const DialogEntry LEVEL2_DIALOGS[DIALOGS2] = {
    {"          Vajadz\xe7tu pank\xfbk\xe2m olas sanest, ak jel var\xe7si?",
     "          We need eggs for pancakes, would you bring it?",
     [] { CloseBox(); SpotOn(SPOT2_EGGS); misija = 1; },
     [] { CloseBox(); SpotOff(SPOT2_EGGS); SpotOn(SPOT2_QUEST_GIVER); }},
    {"Pa\xf2\xe7mu sa\xe7" "dos p\xeer\xe2" "dzi\xf2us un gribas padzerties, aizteci p\xe7" "c \xfb" "dens!",
     " I ate a lot of donuts and now i'am thirsty, please bring some water!",
     [] { CloseBox(); SpotOn(SPOT2_WELL); misija = 2; },
     [] { CloseBox(); SpotOff(SPOT2_WELL); SpotOn(SPOT2_QUEST_GIVER); }},
    {"     Es nezinu k\xe2p\xe7" "c, bet vajag salas\xeet ogas, vai ne?",
     " I don't know why, but we should get some berries, right?",
     [] { CloseBox(); BerrySpots(true); misija = 3; },
     [] { CloseBox(); BerrySpots(false); SpotOn(SPOT2_QUEST_GIVER); }},
    {"\xd0odien tak latvie\xf0u senie sv\xe7tki - j\xe2\xf2i, a nu ka sataisi ugunskuru!",
     "Today is latvian traditional holidays - j\xe2\xf2i, go light up some fire!",
     [] { CloseBox(); SpotOn(SPOT2_FIREWOOD_DROP); misija = 4; SpotOff(SPOT2_QUEST_GIVER); },
     [] {
         CloseBox();
         // After a Y in the same frame the bonfire stays accepted: no later
         // dialog would switch the drop spot back on.
         if (misija == 4) return;
         SpotOff(SPOT2_FIREWOOD_DROP);
         SpotOn(SPOT2_QUEST_GIVER);
     }},
};

const OverworldValues LEVEL2 = {
    // log
    {"---Laadeeju lvl 2\n", "---lvl 2 sasalaadeets\n", "---uzsetojam lvl 2\n", "---lvl 2 sasetots\n",
     "---free lvl2...\n", "---lvl2 is free\n"},
    // assets: pictures, sounds, fonts 16, 18 and 30 points, frame sheets
    {PICTURE_FILES, LVL2_PICTURES, SOUND_FILES, LVL2_SOUNDS, {16, 18, 30}, FRAME_SHEETS, int(std::size(FRAME_SHEETS))},
    // shared: player, interface, bars, no gas meter, no turbo overlay, food and
    // toilet warnings, music panel, potty background, target and marker,
    // sounds, font
    {PIC2_PLAYER, PIC2_INTERFACE, PIC2_NEED_BARS, NO_ASSET, NO_ASSET, PIC2_FOOD_WARNING, PIC2_TOILET_WARNING,
     PIC2_MUSIC_PANEL, PIC2_POTTY_BACK, PIC2_POTTY_TARGET, PIC2_POTTY_SHIT, SND2_HUNGER, SND2_POTTY, FONT2_INFO},
    // walls
    {"lvl2/col2.txt", R2, 54},
    // start: state, camera, sprite on screen, walk interval, speed, food, toilet,
    // circle centre, no gas meter
    {STATE2_WORLD, 2800, 1500, 422, 324, 80, 120, 140, 70, 2380, 1900, 0},
    // walk: ten columns; rows for Down, Up, Left, Right, R+U, R+D, L+U, L+D;
    // circle at camera + (477, 482), radius 15; 100 x 180 frames
    {10, {1, 5, 7, 3, 4, 2, 6, 0}, 477, 482, 15, 100, 180},
    // controller: world, map, hunger; no panel on the hunger screen; no score
    // on the info, map and hunger screens
    {STATE2_WORLD, STATE2_MAP, STATE2_HUNGER, {STATE2_HUNGER}, {STATE2_INFO, STATE2_MAP, STATE2_HUNGER, 8}},
    // needs: food every 2000 ms in every state; toilet every 3210 ms but not on
    // the potty, no gas; no warnings on the hunger screen; hunger and accident
    // below 4; marks at sprite + (30, 100) in whole pixels, 31 of them, the
    // counter stopping at the last
    {2000, {}, 3210, {STATE2_POTTY}, 0, {STATE2_HUNGER}, 3, 3, 30, 100, true, suds2, POOP_MARKS, POOP_MARKS - 1},
    // strip: food bar, toilet bar, no gas meter, no turbo overlay
    {42, 743, 255, 743, 0, 0, nullptr},
    // potty refill
    {165},
    // developer overlay lines
    {{&Info2Loc, &Info2Loc2, &Info2Loc3}, &zalj},
};

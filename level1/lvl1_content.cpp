#include "level1/lvl1_content.h"

#include <climits>
#include <iterator>

#include "shell/colors.h"

namespace {

const char* const PICTURE_FILES[LVL1_PICTURES] = {
    "lvl1/maja.png",
    "lvl1/player1z.png",
    "lvl1/bumba.png",
    "lvl1/divana_gals.png",
    "lvl1/galds.png",
    "lvl1/gulta.png",
    "lvl1/kaut_kas.png",
    "lvl1/pliits.png",
    "lvl1/skapis.png",
    "lvl1/interfc2.png",
    "lvl1/misija.png",
    "lvl1/izeja.png",
    "lvl1/merkis.png",
    "lvl1/karte.png",
    "lvl1/manta.png",
    "lvl1/manta_izgaist.png",
    "lvl1/dzivibas.png",
    "lvl1/rijamais.png",
    "lvl1/pirdiens.png",
    "lvl1/launums.png",
    "lvl1/launums_kirdik.png",
    "lvl1/bads.png",
    "lvl1/laiks_beidzas.png",
    "lvl1/suds.png",
    "lvl1/g.png",
    "lvl1/gaaze.png",
    "lvl1/pretsiena/fons.png",
    "lvl1/pretsiena/intro.png",
    "lvl1/pretsiena/bumba.png",
    "lvl1/pretsiena/kuka.png",
    "lvl1/pretsiena/info.png",
    "lvl1/krasns/kraasnsB.png",
    "lvl1/krasns/intro.png",
    "lvl1/krasns/kraasnsA.png",
    "lvl1/krasns/deglis.png",
    "lvl1/krasns/muha.png",
    "lvl1/krasns/ugunsm.png",
    "lvl1/turbo.png",
    "lvl1/mana_skaits_inf.png",
    "lvl1/pods/fons.jpg",
    "lvl1/pods/shit.png",
    "lvl1/pods/target.png",
    "lvl1/mp3.png",
    "lvl1/i.png",
    "lvl1/eest.png",
    "lvl1/tolete.png",
};

const int FRAME_SHEETS[] = {PIC_PLAYER,   PIC_PILE,  PIC_HAZARD_OUT, PIC_DROP_MARKER,
                            PIC_DELIVERY, PIC_FLAME, PIC_GAS_CLOUD,  PIC_GAS_METER};

const char* const SOUND_FILES[LVL1_SOUNDS] = {
    "Audio/zaudee.wav",     "Audio/padzeera.wav",   "Audio/pirdiens.wav",   "Audio/tualete.wav",
    "Audio/panjemkko.wav",  "Audio/shaujmushu.wav", "Audio/mushaMIRST.wav", "Audio/atsitas.wav",
};

}  // namespace

const HousePoint MISSION_SPOT_AT[MISSION_SPOTS] = {
    {2143, 1875},   // wall-ball
    {-864, -1808},  // jar: outside the world, out of reach
    {1459, 1643},   // stove
    {2451, -1209},  // car: outside the world, out of reach
    {2753, 1511},   // potty
};

const HousePoint ITEM_AT[MISSION_ITEMS] = {
    {2302, 2042}, {3221, 1824}, {2424, 1629}, {2709, 1359}, {1930, 1009}, {1540, 1440},
    {1669, 1668}, {1059, 1434}, {791, 1609},  {604, 1715},  {1225, 2222},
};

const HousePoint BOTTLE_AT[BOTTLES] = {
    {2829, 2021}, {2549, 1284}, {1727, 1364}, {1582, 2029}, {837, 1993}, {915, 1700},
};

const HousePoint TURBO_AT[TURBO_PICKUPS] = {
    {2947, 1679}, {2019, 1772}, {1267, 1933}, {1279, 1513},
};

const HazardHome HAZARD_HOME[HAZARDS] = {
    //  start          x range      y range
    {{2704, 1664}, 2545, 2913, 1559, 1828},
    {{2098, 1256}, 1972, 2327, 1180, 1475},
    {{1357, 1867}, 1288, 1640, 1763, 2072},
    {{755, 1808}, 686, 933, 1746, 1909},
    {{1035, 1505}, 976, 1313, 1470, 1629},
};

const Reach SPOT_REACH = {35, 20, 35};
const Reach ITEM_REACH = {25, 45, 55};
const Reach BOTTLE_REACH = {30, 15, 35};
const Reach TURBO_REACH = {15, 19, 35};
const Reach HAZARD_BITE_REACH = {0, 0, 35};

const HousePoint DROP_POINT = {3070, 1960};
const HousePoint DROP_MARKER_AT = {3036, 1939};
const HousePoint DELIVERY_AT = {3045, 1920};
const HousePoint EXIT_POINT = {1116, 2171};
const HousePoint EXIT_MARKER_AT = {1081, 2151};

const Occluder HOUSE_OCCLUDERS[OCCLUDERS] = {
    {PIC_SOFA_END, 1720, 1025, 172, 201, 1, {EveryX(1212)}},
    {PIC_TABLE, 1138, 1272, 374, 360, 3, {Zone(1136, 1240, 1513), Zone(1280, 1410, 1630), Zone(1410, 1510, 1550)}},
    {PIC_CHEST, 1689, 1374, 345, 306, 2, {ZoneBelow(1690, 1855, 1323, 1624), ZoneBelow(1855, 2100, 1280, 1525)}},
    {PIC_WARDROBE, 2914, 1327, 161, 332, 1, {Zone(2713, 3050, 1612)}},
    {PIC_STOVE, 997, 1589, 237, 332, 2, {Zone(997, 1133, 1820), Zone(1133, 1244, 1892)}},
    {PIC_BALL, 2184, 1930, 77, 77, 1, {Zone(2102, 2343, 2002)}},
    {PIC_BED, 2430, 1832, 416, 473, 0, {}},
};

const OverworldValues LEVEL1 = {
    // log
    {"--Laadeeju lvl 1\n", "--lvl 1 sasalaadeets\n", "--uzsetojam lvl 1\n", "--lvl 1 sasetots\n",
     "--Raveejam lvl1 no atminjas...\n", "--lvl1 izraveets\n"},
    // assets: pictures, sounds, fonts 16, 18 and 30 points, frame sheets
    {PICTURE_FILES, LVL1_PICTURES, SOUND_FILES, LVL1_SOUNDS, {16, 18, 30}, FRAME_SHEETS, int(std::size(FRAME_SHEETS))},
    // shared: player, interface, bars, gas meter, turbo overlay, food and toilet
    // warnings, music panel, potty background, target and marker, sounds, font
    {PIC_PLAYER, PIC_INTERFACE, PIC_NEED_BARS, PIC_GAS_METER, PIC_TURBO_OVERLAY, PIC_FOOD_WARNING,
     PIC_TOILET_WARNING, PIC_MUSIC_PANEL, PIC_POTTY_BACK, PIC_POTTY_TARGET, PIC_POTTY_MARKER, SND_STARVED,
     SND_POTTY, FONT_INFO},
    // walls
    {"lvl1/col1.txt", R1, 46},
    // start: state, camera, sprite on screen, walk interval, speed, food, toilet,
    // circle centre, gas meter
    {STATE_WORLD, 2300, 1400, 422, 324, 50, 90, 80, 60, 2422, 1724, 35},
    // walk: four columns; rows for Down, Up, Left, Right, R+U, R+D, L+U, L+D;
    // circle at camera + (522, 424), radius 40; 200 x 200 frames
    {4, {2, 6, 0, 4, 5, 3, 7, 1}, 522, 424, 40, 200, 200},
    // controller: world, map, hunger; no panel on the notices; no score and
    // clock on the map, the notices and the info screen
    {STATE_WORLD, STATE_MAP, STATE_HUNGER, {STATE_HUNGER, STATE_TIME_UP},
     {STATE_MAP, STATE_HUNGER, STATE_TIME_UP, STATE_INFO}},
    // needs: food every 2000 ms but not in the mini-games; toilet every 2700 ms
    // but not on the potty, 3 gas a tick; no warnings on the notices; hunger and
    // accident at 8; piles at sprite + (60, 60), 20 of them, the counter rising on
    {2000, {STATE_WALLBALL, STATE_JAR, STATE_STOVE, STATE_CAR, STATE_POTTY}, 2700, {STATE_POTTY}, 3,
     {STATE_HUNGER, STATE_TIME_UP}, 8, 8, 60, 60, false, suds, PILES, INT_MAX},
    // strip: food bar, toilet bar, gas meter, turbo overlay while a charge is held
    {153, 743, 312, 743, 487, 706, &turboB},
    // potty refill
    {130},
    // developer overlay lines
    {{&InfoLoc, &InfoLoc2, &InfoLoc3}, &zalja},
};

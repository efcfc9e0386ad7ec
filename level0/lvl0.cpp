#include "level0/lvl0.h"

#include <cstdio>
#include <cstdlib>

#include "shell/clock.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "shell/score.h"
#include "shell/timer.h"

CLvl0 LVL0;

bool spele_iet = false;
bool beigts = false;
float TimeSinceStart = 0;
float spermsx = 0, spermsy = 0;
float spermis_kadrs = 0, spermis_laiks = 0;
ScreenPoint naidnieks1[OBSTACLE_SLOTS];
ScreenPoint cits_sperm[RIVALS];
bool lode_lido = false;
int buletx = 0, bulety = 0;
int bulet_kadrs = 0;
float bulet_laiks = 0;
int dzemde_sliid1 = 0, dzemde_sliid2 = 0;
int LAIKS = 0;
float tagad = 0, kkad = 0;
char Laiks[TEXT_BUFFER], PunktiC[TEXT_BUFFER];
int kkadskadrs = 0;
char vards[NAME_LENGTH + 1];
int burts = 0;

namespace {

// The point of an obstacle that a test compares is its position plus the
// offset; the test hits when the squared distance is strictly below the
// squared radius.
struct HitCircle {
    int dx, dy;
    int radius;
};

struct ObstacleKind {
    const char* picture;
    int width, height;  // the size it is drawn at
    HitCircle player;   // against the player's point
    HitCircle bullet;   // against the bullet's top-left corner
    HitCircle rival;    // against a rival's top-left corner
};

enum ObstacleKindIndex { BLOOD_CELL_1, BLOOD_CELL_2, BLOOD_CELL_3, PILL_1, PILL_2, NO_OBSTACLE };

const ObstacleKind OBSTACLE_KINDS[] = {
    //  picture              drawn       player test     bullet test     rival test
    {"lvl0/asins1.png", 286, 339, {+88, +88, 65}, {+26, +76, 65}, {-54, +63, 65}},
    {"lvl0/asins2.png", 240, 286, {+67, +54, 55}, {+5, +42, 55}, {-75, +29, 55}},
    {"lvl0/asins3.png", 226, 259, {+74, +70, 55}, {+12, +58, 55}, {-68, +45, 55}},
    {"lvl0/tablete1.png", 248, 297, {+63, +53, 55}, {+1, +41, 55}, {-79, +28, 55}},
    {"lvl0/tablete2.png", 213, 261, {+54, +50, 55}, {-8, +38, 55}, {-88, +25, 55}},
};

// Slots 1 and 2 drift with the others but are never drawn or tested.
const ObstacleKindIndex SLOT_KIND[OBSTACLE_SLOTS] = {
    BLOOD_CELL_1, NO_OBSTACLE, NO_OBSTACLE, BLOOD_CELL_2, BLOOD_CELL_2, BLOOD_CELL_3,
    BLOOD_CELL_3, PILL_1,      PILL_2,      PILL_1,       PILL_2,
};

// What a rival's position is compared with: the bullet's top-left corner.
const HitCircle RIVAL_BULLET_HIT = {70, 13, 25};
// The player's compared point, from its top-left corner.
const ScreenPoint PLAYER_POINT = {142, 25};

const char* const ENDING_SLIDE_FILES[ENDING_SLIDES] = {
    "0b1/shot1.jpg", "0b1/shot2.jpg", "0b1/shot3.jpg", "0b1/shot4.jpg",
    "0b1/shot5.jpg", "0b1/shot6.jpg", "0b1/shot7.jpg", "0b1/shot8.jpg",
    "0b1/shot9.jpg", "0b1/shot10.jpg", "0b1/shot11.jpg",
};

// Speeds in pixels per second; the womb slides per frame instead.
const float PLAYER_SPEED = 135;
const float RIVAL_SPEED = 130;
const float OBSTACLE_SPEED = 230;
const float BULLET_SPEED = 370;
const int WOMB_STEP = 2;
const int WOMB_WIDTH = 1024;

const ScreenPoint PLAYER_START = {20, 300};
const int PLAYER_MAX_X = 1000, PLAYER_MAX_Y = 720;
const int OBSTACLE_ENTRY_X = 1024, OBSTACLE_SPACING = 200, OBSTACLE_GONE_X = -300;
const int OBSTACLE_HEIGHTS = 650;
const int RIVAL_SPACING = 250, RIVAL_RESTART_X = -310, RIVAL_GONE_X = 1300;
const int RIVAL_HEIGHTS = 700;
const int RIVAL_ARRIVED_X = 1194;
const int RIVAL_POINTS = 2;
const ScreenPoint MUZZLE = {110, 17};
const int BULLET_GONE_X = 1080, SPENT_BULLET_Y = -100;
const int BULLET_W = 75, BULLET_H = 25, BULLET_FRAMES = 3, BULLET_ALPHA = 210;
const float BULLET_FRAME_MS = 70;
const int SPERM_FRAME_STEP = 320, SPERM_W = 318, SPERM_H = 270;
const float SWIM_FRAME_MS = 90;

const int COUNTER_START = 61;
const float COUNTER_STEP_MS = 1000;
const int MUSIC_FADE_AT = 2;
const int MUSIC_FADE_MS = 2000;
const int FULL_VOLUME = 128;
const int SHOT_CHANNEL = 2, LOSE_CHANNEL = 3;
const int BIG_FONT_POINTS = 55, SMALL_FONT_POINTS = 18;

float Now() { return static_cast<float>(GameTicks()); }

const ObstacleKind* KindInSlot(int slot)
{
    const ObstacleKindIndex kind = SLOT_KIND[slot];
    return kind == NO_OBSTACLE ? nullptr : &OBSTACLE_KINDS[kind];
}

bool WithinCircle(float x, float y, const ScreenPoint& at, const HitCircle& circle)
{
    const float dx = x - static_cast<float>(at.x + circle.dx);
    const float dy = y - static_cast<float>(at.y + circle.dy);
    return dx * dx + dy * dy < static_cast<float>(circle.radius * circle.radius);
}

void RestartRival(ScreenPoint& rival)
{
    rival.x = RIVAL_RESTART_X;
    rival.y = rand() % RIVAL_HEIGHTS;
}

bool TakeKey(int key)
{
    if (!Keys[key]) return false;
    Keys[key] = 0;
    return true;
}

void ScrollWomb()
{
    dzemde_sliid1 -= WOMB_STEP;
    dzemde_sliid2 -= WOMB_STEP;
}

void MoveRivals()
{
    for (ScreenPoint& rival : cits_sperm) {
        rival.x = static_cast<int>(rival.x + RIVAL_SPEED * TimeSinceStart);
        if (rival.x > RIVAL_GONE_X) rival.x = RIVAL_RESTART_X;
    }
}

void MoveObstacles()
{
    for (ScreenPoint& obstacle : naidnieks1) {
        obstacle.x = static_cast<int>(obstacle.x - OBSTACLE_SPEED * TimeSinceStart);
        if (obstacle.x < OBSTACLE_GONE_X) {
            obstacle.x = OBSTACLE_ENTRY_X;
            obstacle.y = rand() % OBSTACLE_HEIGHTS;
        }
    }
}

void BulletAgainstObstacles()
{
    // An absorbed bullet keeps its position, which rivals still run into.
    for (int slot = 0; slot < OBSTACLE_SLOTS; slot++) {
        const ObstacleKind* kind = KindInSlot(slot);
        if (kind && WithinCircle(buletx, bulety, naidnieks1[slot], kind->bullet)) lode_lido = false;
    }
}

void WrapWomb()
{
    // Lands right behind the other copy, which has slid to -2 by now.
    if (dzemde_sliid1 < -WOMB_WIDTH) dzemde_sliid1 = WOMB_WIDTH - WOMB_STEP;
    if (dzemde_sliid2 < -WOMB_WIDTH) dzemde_sliid2 = WOMB_WIDTH - WOMB_STEP;
}

void SteerPlayer()
{
    const float step = PLAYER_SPEED * TimeSinceStart;
    if (Keys[SDLK_DOWN]) spermsy += step;
    if (Keys[SDLK_UP]) spermsy -= step;
    if (Keys[SDLK_RIGHT]) spermsx += step;
    if (Keys[SDLK_LEFT]) spermsx -= step;
}

void ClampPlayer()
{
    if (spermsx < 0) spermsx = 0;
    if (spermsx > PLAYER_MAX_X) spermsx = PLAYER_MAX_X;
    if (spermsy < 0) spermsy = 0;
    if (spermsy > PLAYER_MAX_Y) spermsy = PLAYER_MAX_Y;
}

void AnimateSwimming()
{
    const float now = Now();
    if (now - spermis_laiks > SWIM_FRAME_MS) {
        spermis_laiks = now;
        spermis_kadrs = spermis_kadrs == 0 ? 1 : 0;
    }
}

}  // namespace

SDL_Surface* CLvl0::ObstaclePicture(int kind) const
{
    return kind < BLOOD_CELLS ? bloodCell[kind] : pill[kind - BLOOD_CELLS];
}

void CLvl0::Load(SDL_Surface*)
{
    LogPrintf("-Laadeeju lvl 0\n");
    for (int kind = 0; kind < BLOOD_CELLS; kind++)
        bloodCell[kind] = LoadPicture(OBSTACLE_KINDS[kind].picture);
    for (int kind = 0; kind < PILLS; kind++)
        pill[kind] = LoadPicture(OBSTACLE_KINDS[BLOOD_CELLS + kind].picture);
    spermSheet = LoadPicture("lvl0/sperms.png");
    hudOverlay = LoadPicture("lvl0/interfc.png");
    bulletSheet = LoadPicture("lvl0/bulets.png");
    womb = LoadPicture("lvl0/dzemde.png");
    gameOverPicture = LoadPicture("lvl0/kirdik.png");
    for (int slide = 0; slide < ENDING_SLIDES; slide++)
        endingSlides[slide] = LoadPicture(ENDING_SLIDE_FILES[slide]);
    helpPicture = LoadPicture("lvl0/i.png");
    bigFont = OpenGameFont(BIG_FONT_POINTS);
    smallFont = OpenGameFont(SMALL_FONT_POINTS);
    shotSound = LoadSound("Audio/spermsSHAUJ.wav");
    loseSound = LoadSound("Audio/zaudee.wav");
    levelMusic = LoadMusic("Music/lvl0.ogg", "lvl0.ogg");
    birthMusic = LoadMusic("Music/piedzima.ogg", "piedzima.ogg");
    // A new game always starts level 0 afresh, even when an earlier game in
    // this run finished it or left it through the pause screen.
    spele_iet = false;
    levelDone = goNext = false;
    LogPrintf("-Lvl 0 pielaadeets\n");
}

void CLvl0::Uzsetot()
{
    LogPrintf("-Uzsetojam lvl 0...\n");
    helpShown = spele_iet = beigts = levelDone = goNext = lode_lido = false;
    kkadskadrs = 0;
    TimeSinceStart = tagad = kkad = 0;
    dzemde_sliid1 = 0;
    dzemde_sliid2 = WOMB_WIDTH;
    spermsx = PLAYER_START.x;
    spermsy = PLAYER_START.y;
    spermis_kadrs = 0;
    LAIKS = COUNTER_START;
    Score.Reset();
    burts = 0;
    for (char& letter : vards) letter = 0;
    // The cleared name shows as cleared: a new game's name slide starts empty.
    FreeSurface(nameText);
    for (int slot = 0; slot < OBSTACLE_SLOTS; slot++)
        naidnieks1[slot] = {OBSTACLE_ENTRY_X + OBSTACLE_SPACING * slot, rand() % OBSTACLE_HEIGHTS};
    for (int k = 0; k < RIVALS; k++) cits_sperm[k] = {-RIVAL_SPACING * k, rand() % RIVAL_HEIGHTS};
    RenderScore();
    LogPrintf("-lvl 0 uzsetots\n");
}

void CLvl0::RenderScore()
{
    snprintf(PunktiC, sizeof PunktiC, " %03d ", Score.GetScore());
    RenderText(scoreText, bigFont, PunktiC, dzeltena);
}

void CLvl0::Draw(SDL_Surface* screen)
{
    TimeSinceStart = Timer.GetLastFrameTime();
    if (!spele_iet) StartPlay();
    if (beigts) {
        game_over(screen);
        return;
    }
    if (helpShown) {
        ShowHelp(screen);
        return;
    }
    ScrollWomb();
    MoveRivals();
    MoveObstacles();
    PlayerAgainstObstacles();
    BulletAgainstObstacles();
    RivalsMeetBulletAndObstacles();
    WrapWomb();
    SteerPlayer();
    Fire();
    if (TakeKey(SDLK_i)) helpShown = true;
    ClampPlayer();
    DrawField(screen);
    FlyBullet(screen);
    AnimateSwimming();
    DrawSwimmers(screen);
    DrawFullScreen(hudOverlay, screen);
    DrawText(screen);
}

void CLvl0::StartPlay()
{
    Uzsetot();
    spele_iet = true;
    PlayMusicLooping(levelMusic);
}

void CLvl0::ShowHelp(SDL_Surface* screen)
{
    DrawFullScreen(helpPicture, screen);
    const bool enter = TakeKey(SDLK_RETURN);
    const bool help = TakeKey(SDLK_i);
    if (enter || help) helpShown = false;
}

void CLvl0::PlayerAgainstObstacles()
{
    const float pointX = spermsx + PLAYER_POINT.x, pointY = spermsy + PLAYER_POINT.y;
    for (int slot = 0; slot < OBSTACLE_SLOTS; slot++) {
        const ObstacleKind* kind = KindInSlot(slot);
        if (!kind || !WithinCircle(pointX, pointY, naidnieks1[slot], kind->player)) continue;
        beigts = true;
        Mix_PauseMusic();
        PlaySound(LOSE_CHANNEL, loseSound);
    }
}

void CLvl0::RivalsMeetBulletAndObstacles()
{
    for (ScreenPoint& rival : cits_sperm) {
        // The rival has arrived: lost, though the music plays on.
        if (rival.x > RIVAL_ARRIVED_X) beigts = true;
        // Tested whether or not a bullet flies: a spent bullet's last position still hits.
        if (WithinCircle(buletx, bulety, rival, RIVAL_BULLET_HIT)) {
            RestartRival(rival);
            lode_lido = false;
            bulety = SPENT_BULLET_Y;
            Score.AddScore(RIVAL_POINTS);
            RenderScore();
        }
        for (int slot = 0; slot < OBSTACLE_SLOTS; slot++) {
            const ObstacleKind* kind = KindInSlot(slot);
            if (kind && WithinCircle(rival.x, rival.y, naidnieks1[slot], kind->rival))
                RestartRival(rival);
        }
    }
}

void CLvl0::Fire()
{
    if (!TakeKey(SDLK_SPACE) || lode_lido) return;
    lode_lido = true;
    buletx = static_cast<int>(spermsx + MUZZLE.x);
    bulety = static_cast<int>(spermsy + MUZZLE.y);
    PlaySound(SHOT_CHANNEL, shotSound);
}

void CLvl0::DrawField(SDL_Surface* screen)
{
    FillScreen(screen, 0, 0, 0);
    zimetBildi(womb, screen, 0, 0, dzemde_sliid1, 0, 2 * WOMB_WIDTH, 768, -1);
    zimetBildi(womb, screen, 0, 0, dzemde_sliid2, 0, 2 * WOMB_WIDTH, 768, -1);
    for (int slot = 0; slot < OBSTACLE_SLOTS; slot++) {
        const ObstacleKindIndex kind = SLOT_KIND[slot];
        if (kind == NO_OBSTACLE) continue;
        const ObstacleKind& shape = OBSTACLE_KINDS[kind];
        zimetBildi(ObstaclePicture(kind), screen, 0, 0, naidnieks1[slot].x, naidnieks1[slot].y,
                   shape.width, shape.height, -1);
    }
}

void CLvl0::FlyBullet(SDL_Surface* screen)
{
    if (!lode_lido) return;
    buletx = static_cast<int>(buletx + BULLET_SPEED * TimeSinceStart);
    // Gone past the edge, but still drawn this one frame.
    if (buletx > BULLET_GONE_X) lode_lido = false;
    const float now = Now();
    if (now - bulet_laiks > BULLET_FRAME_MS) {
        bulet_laiks = now;
        bulet_kadrs = (bulet_kadrs + 1) % BULLET_FRAMES;
    }
    zimetBildi(bulletSheet, screen, 0, BULLET_H * bulet_kadrs, buletx, bulety, BULLET_W, BULLET_H,
               BULLET_ALPHA);
}

void CLvl0::DrawSwimmers(SDL_Surface* screen)
{
    const int frameX = SPERM_FRAME_STEP * static_cast<int>(spermis_kadrs);
    zimetBildi(spermSheet, screen, frameX, 0, static_cast<int>(spermsx), static_cast<int>(spermsy),
               SPERM_W, SPERM_H, -1);
    for (const ScreenPoint& rival : cits_sperm)
        zimetBildi(spermSheet, screen, frameX, 0, rival.x, rival.y, SPERM_W, SPERM_H, -1);
}

void CLvl0::DrawText(SDL_Surface* screen)
{
    tagad = Now();
    if (tagad - kkad > COUNTER_STEP_MS) {
        LAIKS -= 1;
        kkad = tagad;
        snprintf(Laiks, sizeof Laiks, " %02d ", LAIKS);
        RenderText(timeText, bigFont, Laiks, dzeltena);
    }
    if (LAIKS == MUSIC_FADE_AT) Mix_FadeOutMusic(MUSIC_FADE_MS);
    if (LAIKS < 0) {
        LAIKS = 0;
        levelDone = true;
        Mix_VolumeMusic(FULL_VOLUME);
        PlayMusicLooping(birthMusic);
    }
    DrawTextSurface(timeText, screen, LaiksLoc);
    DrawTextSurface(scoreText, screen, ScoreLoc);
}

void CLvl0::FreeMemory()
{
    LogPrintf("-Lvl 0 atbrivojam...\n");
    for (SDL_Surface*& picture : bloodCell) FreeSurface(picture);
    for (SDL_Surface*& picture : pill) FreeSurface(picture);
    FreeSurface(spermSheet);
    FreeSurface(womb);
    FreeSurface(hudOverlay);
    FreeSurface(gameOverPicture);
    FreeSurface(bulletSheet);
    for (SDL_Surface*& slide : endingSlides) FreeSurface(slide);
    FreeSurface(helpPicture);
    FreeSound(shotSound);
    FreeSound(loseSound);
    FreeMusic(levelMusic);
    FreeMusic(birthMusic);
    CloseFont(bigFont);
    CloseFont(smallFont);
    ReturnFreedMemory();
    LogPrintf("-Lvl 0 atbrivots\n");
}

#ifndef VIPRATS_LEVEL0_LVL0_H
#define VIPRATS_LEVEL0_LVL0_H

#include "shell/draw.h"

const int OBSTACLE_SLOTS = 11;
const int RIVALS = 4;
const int BLOOD_CELLS = 3;
const int PILLS = 2;
const int ENDING_SLIDES = 11;
const int NAME_LENGTH = 10;
const int TEXT_BUFFER = 50;

// A position on screen in whole pixels.
struct ScreenPoint {
    int x;
    int y;
};

// Play state of level 0, shared by the play frame and the ending sequences.
extern bool spele_iet;
extern bool beigts;
extern float TimeSinceStart;
extern float spermsx, spermsy;
extern float spermis_kadrs, spermis_laiks;
extern ScreenPoint naidnieks1[OBSTACLE_SLOTS];
extern ScreenPoint cits_sperm[RIVALS];
extern bool lode_lido;
extern int buletx, bulety;
extern int bulet_kadrs;
extern float bulet_laiks;
extern int dzemde_sliid1, dzemde_sliid2;
extern int LAIKS;
extern float tagad, kkad;
extern char Laiks[TEXT_BUFFER], PunktiC[TEXT_BUFFER];
extern int kkadskadrs;
// One byte more than the longest name, so the name always ends in a terminator.
extern char vards[NAME_LENGTH + 1];
extern int burts;

// Level 0: a one-minute shooter, then either the game-over picture or the
// birth slides with name entry.
class CLvl0 : public CScene {
public:
    void Load(SDL_Surface* screen);
    void Uzsetot();
    void Draw(SDL_Surface* screen);
    void DrawText(SDL_Surface* screen);
    void game_over(SDL_Surface* screen);
    void Iziets(SDL_Surface* screen);
    bool GetStatus() const { return levelDone; }
    bool UzNakamoLVL() const { return goNext; }
    bool HelpShown() const { return helpShown; }
    void FreeMemory();

private:
    void StartPlay();
    void ShowHelp(SDL_Surface* screen);
    void PlayerAgainstObstacles();
    void RivalsMeetBulletAndObstacles();
    void Fire();
    void DrawField(SDL_Surface* screen);
    void FlyBullet(SDL_Surface* screen);
    void DrawSwimmers(SDL_Surface* screen);
    void RenderScore();
    void TakeNameKeys();
    SDL_Surface* ObstaclePicture(int kind) const;

    SDL_Surface* bloodCell[BLOOD_CELLS] = {};
    SDL_Surface* pill[PILLS] = {};
    SDL_Surface* spermSheet = nullptr;
    SDL_Surface* womb = nullptr;
    SDL_Surface* hudOverlay = nullptr;
    SDL_Surface* gameOverPicture = nullptr;
    SDL_Surface* bulletSheet = nullptr;
    SDL_Surface* endingSlides[ENDING_SLIDES] = {};
    SDL_Surface* timeText = nullptr;
    SDL_Surface* scoreText = nullptr;
    SDL_Surface* nameText = nullptr;
    SDL_Surface* helpPicture = nullptr;
    Mix_Chunk* shotSound = nullptr;
    Mix_Chunk* loseSound = nullptr;
    Mix_Music* levelMusic = nullptr;
    Mix_Music* birthMusic = nullptr;
    TTF_Font* bigFont = nullptr;
    TTF_Font* smallFont = nullptr;
    bool levelDone = false;
    bool goNext = false;
    bool helpShown = false;
};

extern CLvl0 LVL0;

#endif

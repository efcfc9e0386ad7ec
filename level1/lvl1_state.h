#ifndef VIPRATS_LEVEL1_LVL1_STATE_H
#define VIPRATS_LEVEL1_LVL1_STATE_H

#include "world/world_state.h"

// Level 1's play state. The framework's part lives in lvl1World; the names
// the level is known by are references onto it. Everything else here is
// the house's own and is filled by set-up.

extern WorldState lvl1World;

extern int& process;
extern float& Timelvl1;
extern bool& DrawTextB;
extern float& offsetX;
extern float& offsetY;
extern float& xvec;
extern float& yvec;
extern Player& player;
extern Circle& C1;
extern Rectangle R1[47];

extern bool& PlejierisB;
extern int& play;
extern int& playx;
extern int& dziesmasNr;
extern int& palaist;

extern float& food_laiks;
extern float& kaka_laiks;
extern float& mirgo_laiks;
extern int& dziv_mirg;
extern int& kaka_mirg;
extern int& sudu_skaits;
extern Pile suds[20];

extern int& gmeter;
extern bool& gredy;
extern bool& gaazee;
extern int& gkadrs;
extern float& glaiks;

extern bool& pods_iet;
extern float& kx;
extern float& ky;
extern float& Lx;
extern float& Ly;
extern float& lx;
extern float& ly;
extern float& targetx;
extern float& targety;
extern float& shitx;
extern float& target_laiks;
extern float& target_laiks2;

// The level clock, counting down from 15:00.
extern int min, sec;
extern char laiks[16];
extern float Laiks_ieprieksh;

// --- the house ------------------------------------------------------------

struct HouseSpot {
    float x, y;
};

// A mission item or a bottle.
struct HousePickup {
    float x, y;
    unsigned char taken;
};

struct TurboPickup {
    float x, y;
    unsigned char taken;
    float takenAt;
};

struct HouseHazard {
    float x, y;
    unsigned char knockedOut;
    int frame;
    float tStep;
};

struct HazardVelocity {
    float vx, vy;
};

const int MISSION_SPOTS = 5;
const int MISSION_ITEMS = 11;
const int BOTTLES = 6;
const int TURBO_PICKUPS = 4;
const int HAZARDS = 5;
const int PILES = 20;

extern HouseSpot mini_poz[MISSION_SPOTS];
extern HousePickup Manta[MISSION_ITEMS];
extern HousePickup pudele[BOTTLES];
extern TurboPickup pirdiens[TURBO_PICKUPS];
extern HouseHazard launums[HAZARDS];
extern HazardVelocity launums_virz[HAZARDS];

extern int mantu_skaits_int;
extern char mantu_skaits_char[16];
extern bool zime_manta_izgaist;
extern float manta_kadrs, manta_laiks;
extern float merkis_kadrs, merkis_laiks;
extern float suds_kadrs, suds_laiks;
extern float launums_laiks, launums_laiks2;
extern bool turboB, nitro;
extern float nitro_laiks;

// --- stove ----------------------------------------------------------------

struct StoveFlame {
    float x, y;
    int frame;
    unsigned char active;
    float tStep;
};

struct StoveFly {
    float x, y;
};

const int FLAMES = 10;
const int FLIES = 6;

extern bool Krasnsi;
extern float deglisX, deglisY;
extern StoveFlame uguns[FLAMES];
extern int uguns_nr;
extern float krasns_shauj_laiks;
extern StoveFly muha[FLIES];

// --- wall-ball ------------------------------------------------------------

extern bool Pretsienai;
extern float bumbax, bumbay;
extern int bumba_lido;  // BALL_HELD, BALL_OUT or BALL_BACK
extern float prusaksy;
extern int prusaks_speed;
extern int pret_skaits_int;
extern char pret_skaits_char[16];

const int BALL_HELD = 0;
const int BALL_OUT = 1;
const int BALL_BACK = 2;

#endif

#include "level1/lvl1_state.h"

WorldState lvl1World;

int& process = lvl1World.process;
float& Timelvl1 = lvl1World.frameTime;
bool& DrawTextB = lvl1World.drawText;
float& offsetX = lvl1World.offsetX;
float& offsetY = lvl1World.offsetY;
float& xvec = lvl1World.xvec;
float& yvec = lvl1World.yvec;
Player& player = lvl1World.player;
Circle& C1 = lvl1World.circle;
// One spare record: the table is allocated for 47 and 46 are used.
Rectangle R1[47];

bool& PlejierisB = lvl1World.music.shown;
int& play = lvl1World.music.phase;
int& playx = lvl1World.music.x;
int& dziesmasNr = lvl1World.music.track;
int& palaist = lvl1World.music.startAsked;

float& food_laiks = lvl1World.needs.foodStamp;
float& kaka_laiks = lvl1World.needs.toiletStamp;
float& mirgo_laiks = lvl1World.needs.blinkStamp;
int& dziv_mirg = lvl1World.needs.foodBlink;
int& kaka_mirg = lvl1World.needs.toiletBlink;
int& sudu_skaits = lvl1World.needs.pilesPlaced;
Pile suds[20];

int& gmeter = lvl1World.gas.level;
bool& gredy = lvl1World.gas.ready;
bool& gaazee = lvl1World.gas.cloud;
int& gkadrs = lvl1World.gas.cloudFrame;
float& glaiks = lvl1World.gas.cloudStamp;

bool& pods_iet = lvl1World.potty.started;
float& kx = lvl1World.potty.baseX;
float& ky = lvl1World.potty.baseY;
float& Lx = lvl1World.potty.phaseX;
float& Ly = lvl1World.potty.phaseY;
float& lx = lvl1World.potty.rateX;
float& ly = lvl1World.potty.rateY;
float& targetx = lvl1World.potty.targetX;
float& targety = lvl1World.potty.targetY;
float& shitx = lvl1World.potty.markerX;
float& target_laiks = lvl1World.potty.rateStamp;
float& target_laiks2 = lvl1World.potty.phaseStamp;

int min, sec;
char laiks[16];
float Laiks_ieprieksh;

HouseSpot mini_poz[MISSION_SPOTS];
HousePickup Manta[MISSION_ITEMS];
HousePickup pudele[BOTTLES];
TurboPickup pirdiens[TURBO_PICKUPS];
HouseHazard launums[HAZARDS];
HazardVelocity launums_virz[HAZARDS];

int mantu_skaits_int;
char mantu_skaits_char[16];
bool zime_manta_izgaist;
float manta_kadrs, manta_laiks;
float merkis_kadrs, merkis_laiks;
float suds_kadrs, suds_laiks;
float launums_laiks, launums_laiks2;
bool turboB, nitro;
float nitro_laiks;

bool Krasnsi;
float deglisX, deglisY;
StoveFlame uguns[FLAMES];
int uguns_nr;
float krasns_shauj_laiks;
StoveFly muha[FLIES];

bool Pretsienai;
float bumbax, bumbay;
int bumba_lido;
float prusaksy;
int prusaks_speed;
int pret_skaits_int;
char pret_skaits_char[16];

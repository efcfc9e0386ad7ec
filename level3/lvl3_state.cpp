#include "level3/lvl3_state.h"

WorldState lvl3World;

int& process3 = lvl3World.process;
float& Timelvl3 = lvl3World.frameTime;
bool& DrawTextB2 = lvl3World.drawText;
float& offsetX3 = lvl3World.offsetX;
float& offsetY3 = lvl3World.offsetY;
float& xvec3 = lvl3World.xvec;
float& yvec3 = lvl3World.yvec;
Player& player3 = lvl3World.player;
Circle& C3 = lvl3World.circle;
Rectangle R3[50];

bool& PlejierisB3 = lvl3World.music.shown;
int& play3 = lvl3World.music.phase;
int& playx3 = lvl3World.music.x;
int& dziesmasNr3 = lvl3World.music.track;
int& palaist3 = lvl3World.music.startAsked;

float& food_laiks3 = lvl3World.needs.foodStamp;
float& kaka_laiks3 = lvl3World.needs.toiletStamp;
float& mirgo_laiks3 = lvl3World.needs.blinkStamp;
int& dziv_mirg3 = lvl3World.needs.foodBlink;
int& kaka_mirg3 = lvl3World.needs.toiletBlink;
int& sudu_skaits3 = lvl3World.needs.pilesPlaced;
Pile suds3[50];
float suds_laiks3;
int suds_kadrs3;
bool& pods_iet3 = lvl3World.potty.started;

Spot misi[MISSION_SPOTS3];
int uzdevums[TASKS3];
int dnr;
int dialogi_set2[DIALOGS3];
char DialogText3L[160];
char DialogText3A[152];
int beigas_y;

bool sitveci_iet;
int sit_dzivibas;
float sit_dziv_laiks;
int kermdalja;

bool veikals_iet;
float grozsx, grozsy;
Spot pudele2[6];

bool medibas_iet;
float Med_merkisx, Med_merkisy;
Bird putns1[3];
Bird putns2[3];
float putns_laiks, putns2_laiks;
int med_info_int;
char med_info_char[16];

bool gonka_iet;
int niva_x, niva_y;
int niva_kadrs;
float rot_niv;
// Kept from race to race; this is its value when the program starts.
float spids = 0.19f;
float xx, yy;
float Gon_offsetx, Gon_offsety;
Spot gon_CP[CHECKPOINTS];
float nivai_pauze;
float kkas, kkas2;

int tun_proc;
int select_locy;
int m_wh, m_rf, m_sp, m_fr, m_bk, m_ex, m_sd, m_neon, m_vin;

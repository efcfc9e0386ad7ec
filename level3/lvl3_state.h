#ifndef VIPRATS_LEVEL3_LVL3_STATE_H
#define VIPRATS_LEVEL3_LVL3_STATE_H

#include "world/spot.h"
#include "world/world_state.h"

// Level 3's play state. The framework's part lives in lvl3World; the names
// the level is known by are references onto it. Everything else here is
// the town's own and is filled by set-up.

extern WorldState lvl3World;

extern int& process3;
extern float& Timelvl3;
extern bool& DrawTextB2;
extern float& offsetX3;
extern float& offsetY3;
extern float& xvec3;
extern float& yvec3;
extern Player& player3;
extern Circle& C3;
extern Rectangle R3[50];

extern bool& PlejierisB3;
extern int& play3;
extern int& playx3;
extern int& dziesmasNr3;
extern int& palaist3;

extern float& food_laiks3;
extern float& kaka_laiks3;
extern float& mirgo_laiks3;
extern int& dziv_mirg3;
extern int& kaka_mirg3;
extern int& sudu_skaits3;
extern Pile suds3[50];
extern float suds_laiks3;
extern int suds_kadrs3;
extern bool& pods_iet3;

// Tasks, spots and dialogs.
const int MISSION_SPOTS3 = 13;
const int TASKS3 = 14;
const int DIALOGS3 = 7;
extern Spot misi[MISSION_SPOTS3];
extern int uzdevums[TASKS3];
extern int dnr;
extern int dialogi_set2[DIALOGS3];
extern char DialogText3L[160];
extern char DialogText3A[152];
extern int beigas_y;

// Fight.
extern bool sitveci_iet;
extern int sit_dzivibas;
extern float sit_dziv_laiks;
extern int kermdalja;

// Shop.
extern bool veikals_iet;
extern float grozsx, grozsy;
extern Spot pudele2[6];

// Hunting.
struct Bird {
    int x, y;
    bool flying;
    int frame;
};
extern bool medibas_iet;
extern float Med_merkisx, Med_merkisy;
extern Bird putns1[3];
extern Bird putns2[3];
extern float putns_laiks, putns2_laiks;
extern int med_info_int;
extern char med_info_char[16];

// Race.
const int CHECKPOINTS = 15;
extern bool gonka_iet;
extern int niva_x, niva_y;
extern int niva_kadrs;
extern float rot_niv;
extern float spids;
extern float xx, yy;
extern float Gon_offsetx, Gon_offsety;
extern Spot gon_CP[CHECKPOINTS];
extern float nivai_pauze;
extern float kkas, kkas2;

// Tuning.
extern int tun_proc;
extern int select_locy;
extern int m_wh, m_rf, m_sp, m_fr, m_bk, m_ex, m_sd, m_neon, m_vin;

#endif

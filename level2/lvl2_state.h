#ifndef VIPRATS_LEVEL2_LVL2_STATE_H
#define VIPRATS_LEVEL2_LVL2_STATE_H

#include "world/spot.h"
#include "world/world_state.h"

// Level 2's play state. The framework's part lives in lvl2World; the names
// the level is known by are references onto it. The farmstead's own tables
// follow, filled by set-up.

extern WorldState lvl2World;

extern int& process2;
extern float& Timelvl2;
extern bool& showScore;
extern float& offsetX2;
extern float& offsetY2;
extern float& xvec2;
extern float& yvec2;
extern Player& player10;
extern Circle& C2;
extern Rectangle R2[54];

extern bool& PlejierisB2;
extern int& play2;
extern int& playx2;
extern int& dziesmasNr2;
extern int& palaist2;

extern float& food_laiks2;
extern float& kaka_laiks2;
extern float& mirgo_laiks2;
extern int& dziv_mirg2;
extern int& kaka_mirg2;
extern int& sudu_skaits2;
extern Pile suds2[31];

extern bool& pods_iet2;
extern float& kx2;
extern float& ky2;
extern float& Lx2;
extern float& Ly2;
extern float& targetx2;
extern float& targety2;
extern float& shitx2;
extern float& target_laiks12;
extern float& target_laiks22;


const int TRIGGER_SPOTS = 10;
const int FIREWOOD = 6;
const int FLIES2 = 3;
const int POOP_MARKS = 31;
const int DIALOGS2 = 4;

extern int misija;
extern Spot mini[TRIGGER_SPOTS];
extern Spot malka[FIREWOOD];
extern int malkas_chupa;
extern char malka_skaits_char[16];
extern Spot musha[FLIES2];
extern Spot musha_virz[FLIES2];
extern int musha_kadrs;
extern float musha_laiks;
extern int suds_kadrs2;
extern float suds_laiks2;
extern int grabeklis_kadrs;
extern int ir_uz_grab;
extern char punkti2[16];

// Dialog boxes.
extern char DialogTextL[160];
extern char DialogTextA[152];
extern int dialogi_set[DIALOGS2];

// --- eggs -----------------------------------------------------------------

const int EGGS = 31;
const int HENS = 5;

extern bool olas_iet;
extern Spot ola[EGGS];
extern Spot vista[HENS];
extern Spot vista_virz[HENS];
extern float vista_laiks;
extern float rokax, rokay;
extern int savaktas_olas;
extern char OlasText[16];

// --- berries --------------------------------------------------------------

const int BERRIES = 21;

extern int ogas_iet;
extern Spot oga[BERRIES];
extern int detonat;
extern float laiks_detonat;
extern float suklisx, suklisy;

// --- well -----------------------------------------------------------------

extern float spainisy;

#endif

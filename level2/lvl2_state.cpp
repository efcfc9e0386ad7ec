#include "level2/lvl2_state.h"

WorldState lvl2World;

int& process2 = lvl2World.process;
float& Timelvl2 = lvl2World.frameTime;
bool& showScore = lvl2World.drawText;
float& offsetX2 = lvl2World.offsetX;
float& offsetY2 = lvl2World.offsetY;
float& xvec2 = lvl2World.xvec;
float& yvec2 = lvl2World.yvec;
Player& player10 = lvl2World.player;
Circle& C2 = lvl2World.circle;
Rectangle R2[54];

bool& PlejierisB2 = lvl2World.music.shown;
int& play2 = lvl2World.music.phase;
int& playx2 = lvl2World.music.x;
int& dziesmasNr2 = lvl2World.music.track;
int& palaist2 = lvl2World.music.startAsked;

float& food_laiks2 = lvl2World.needs.foodStamp;
float& kaka_laiks2 = lvl2World.needs.toiletStamp;
float& mirgo_laiks2 = lvl2World.needs.blinkStamp;
int& dziv_mirg2 = lvl2World.needs.foodBlink;
int& kaka_mirg2 = lvl2World.needs.toiletBlink;
int& sudu_skaits2 = lvl2World.needs.pilesPlaced;
Pile suds2[31];

bool& pods_iet2 = lvl2World.potty.started;
float& kx2 = lvl2World.potty.baseX;
float& ky2 = lvl2World.potty.baseY;
float& Lx2 = lvl2World.potty.phaseX;
float& Ly2 = lvl2World.potty.phaseY;
float& targetx2 = lvl2World.potty.targetX;
float& targety2 = lvl2World.potty.targetY;
float& shitx2 = lvl2World.potty.markerX;
float& target_laiks12 = lvl2World.potty.rateStamp;
float& target_laiks22 = lvl2World.potty.phaseStamp;

int misija;
Spot mini[TRIGGER_SPOTS];
Spot malka[FIREWOOD];
int malkas_chupa;
char malka_skaits_char[16];
Spot musha[FLIES2];
Spot musha_virz[FLIES2];
int musha_kadrs;
float musha_laiks;
int suds_kadrs2;
float suds_laiks2;
int grabeklis_kadrs;
int ir_uz_grab;
char punkti2[16];

char DialogTextL[160];
char DialogTextA[152];
int dialogi_set[DIALOGS2];

bool olas_iet;
Spot ola[EGGS];
Spot vista[HENS];
Spot vista_virz[HENS];
float vista_laiks;
float rokax, rokay;
int savaktas_olas;
char OlasText[16];

int ogas_iet;
Spot oga[BERRIES];
int detonat;
float laiks_detonat;
float suklisx, suklisy;

float spainisy;

#ifndef VIPRATS_LEVEL3_LVL3_H
#define VIPRATS_LEVEL3_LVL3_H

#include "world/standin.h"

class CLvl3 : public CWorldStandIn {
public:
    CLvl3();
};

extern CLvl3 LVL3;

#endif

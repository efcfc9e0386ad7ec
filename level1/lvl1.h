#ifndef VIPRATS_LEVEL1_LVL1_H
#define VIPRATS_LEVEL1_LVL1_H

#include "world/standin.h"

class CLvl1 : public CWorldStandIn {
public:
    CLvl1();
};

extern CLvl1 LVL1;

#endif

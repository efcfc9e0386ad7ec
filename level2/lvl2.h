#ifndef VIPRATS_LEVEL2_LVL2_H
#define VIPRATS_LEVEL2_LVL2_H

#include "world/standin.h"

class CLvl2 : public CWorldStandIn {
public:
    CLvl2();
};

extern CLvl2 LVL2;

#endif

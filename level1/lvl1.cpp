#include "level1/lvl1.h"

CLvl1 LVL1;

CLvl1::CLvl1()
    : CWorldStandIn({"--Laadeeju lvl 1", "--lvl 1 sasalaadeets", "--uzsetojam lvl 1", "--lvl 1 sasetots",
                     "--Raveejam lvl1 no atminjas...", "--lvl1 izraveets", "Limenis 1 / Level 1"},
                    false)
{
}

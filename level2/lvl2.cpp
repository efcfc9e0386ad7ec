#include "level2/lvl2.h"

CLvl2 LVL2;

CLvl2::CLvl2()
    : CWorldStandIn({"---Laadeeju lvl 2", "---lvl 2 sasalaadeets", "---uzsetojam lvl 2", "---lvl 2 sasetots",
                     "---free lvl2...", "---lvl2 is free", "Limenis 2 / Level 2"},
                    false)
{
}

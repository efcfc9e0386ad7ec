#include "level3/lvl3.h"

CLvl3 LVL3;

CLvl3::CLvl3()
    : CWorldStandIn({"----Laadeeju lvl 3", "----lvl 3 sasalaadeets", "----uzsetojam lvl 3",
                     "----lvl 3 sasetots", "----Raveejam lvl3 no atminjas...",
                     "----lvl3 izraveets no atminjas", "Limenis 3 / Level 3"},
                    true)
{
}

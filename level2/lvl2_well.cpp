#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/keys.h"

namespace {

const float PULL_SPEED = 100, SINK_SPEED = 10;
const float TOP_STOP = 160, BOTTOM_STOP = 635, FETCHED_ABOVE = 165;
const int BUCKET_X = 215;

// Space is used up: each press lifts the bucket by one frame's pull.
void PullBucket()
{
    if (!Keys[SDLK_SPACE] || spainisy <= TOP_STOP) return;
    Keys[SDLK_SPACE] = 0;
    spainisy -= PULL_SPEED * Timelvl2;
}

void SinkBucket()
{
    if (spainisy > TOP_STOP && spainisy < BOTTOM_STOP) spainisy += SINK_SPEED * Timelvl2;
}

void CheckWaterFetched()
{
    if (spainisy >= FETCHED_ABOVE) return;
    process2 = STATE2_WORLD;
    mini[SPOT2_WELL].active = false;
    mini[SPOT2_QUEST_GIVER].active = true;
}

}  // namespace

void CLvl2::mini_aka(SDL_Surface* screen)
{
    PullBucket();
    SinkBucket();
    CheckWaterFetched();
    DrawFullScreen(Picture(PIC2_WELL_INSIDE), screen);
    zimetBildi(Picture(PIC2_BUCKET), screen, 0, 0, BUCKET_X, static_cast<int>(spainisy), 78, 75, -1);
    DrawNeedsStrip(screen);
}

// How level 0 ends: the game-over picture after a loss, or the birth slides
// and the newborn's name once the counter has run out.

#include "level0/lvl0.h"

#include "shell/clock.h"
#include "shell/colors.h"
#include "shell/keys.h"

namespace {

const float SLIDE_MS = 250;
const int NAME_SLIDE = ENDING_SLIDES - 1;
const int SEQUENCE_DONE = ENDING_SLIDES;
const int SHORTEST_NAME = 3;

struct KeyRange {
    int first, last;
};
// Letters before digits: the order in which held keys join the name.
const KeyRange NAME_KEYS[] = {{SDLK_a, SDLK_z}, {SDLK_0, SDLK_9}};

}  // namespace

void CLvl0::game_over(SDL_Surface* screen)
{
    DrawFullScreen(gameOverPicture, screen);
    // Enter stays down; the restart clears beigts, so a held Enter restarts only once.
    if (Keys[SDLK_RETURN]) {
        Uzsetot();
        beigts = false;
    }
}

void CLvl0::Iziets(SDL_Surface* screen)
{
    FillScreen(screen, 0, 0, 0);
    tagad = static_cast<float>(GameTicks());
    if (tagad - kkad > SLIDE_MS) {
        kkad = tagad;
        if (kkadskadrs < NAME_SLIDE) kkadskadrs += 1;
    }
    if (kkadskadrs < ENDING_SLIDES) DrawFullScreen(endingSlides[kkadskadrs], screen);
    if (kkadskadrs == NAME_SLIDE) {
        TakeNameKeys();
        DrawTextSurface(nameText, screen, VardsLoc);
    }
    // Too short a name leaves Enter down, so it counts once the third character is in.
    if (Keys[SDLK_RETURN] && burts >= SHORTEST_NAME) {
        Keys[SDLK_RETURN] = 0;
        goNext = true;
        kkadskadrs = SEQUENCE_DONE;
    }
}

void CLvl0::TakeNameKeys()
{
    for (const KeyRange& range : NAME_KEYS) {
        for (int key = range.first; key <= range.last; key++) {
            // A full name leaves the key down; it joins once Backspace makes room.
            if (!Keys[key] || burts >= NAME_LENGTH) continue;
            Keys[key] = 0;
            // Letter keys are always their lower-case symbol, so the name is lower case.
            vards[burts++] = static_cast<char>(key);
            RenderText(nameText, bigFont, vards, dzeltena);
        }
    }
    if (Keys[SDLK_BACKSPACE]) {
        Keys[SDLK_BACKSPACE] = 0;
        if (burts > 0) vards[--burts] = 0;
        RenderText(nameText, bigFont, vards, dzeltena);
    }
}

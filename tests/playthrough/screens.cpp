#include "tests/playthrough/screens.h"

#include "frontend/load.h"
#include "frontend/menu.h"
#include "level0/lvl0.h"
#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "level1/lvl1_state.h"
#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "level2/lvl2_state.h"
#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "level3/lvl3_state.h"
#include "shell/game.h"

#include <algorithm>
#include <initializer_list>

namespace {

template <size_t N>
std::string Named(const char* const (&names)[N], int index)
{
    return index >= 0 && index < static_cast<int>(N) ? names[index] : "state" + std::to_string(index);
}

const int CHEAT_PAGE = 666;

const char* const INTRO_PAGES[] = {"age-notice", "maker", "version"};
const char* const MENU_PAGE_NAMES[] = {"", "new-game", "load", "authors", "keys", "about", "exit"};
const char* const PAUSE_ITEM_NAMES[] = {"", "resume", "map", "keys", "exit"};
const char* const LEVEL1_STATES[] = {"wallball", "jar", "stove", "car",     "potty",
                                     "world",    "map", "hunger", "time-up", "info"};
const char* const LEVEL2_STATES[] = {"world", "eggs", "well", "berries", "potty", "info", "map", "hunger"};
const char* const LEVEL3_STATES[] = {"world", "shop",   "race",  "hunt",  "fight",  "tuning",
                                     "map",   "hunger", "potty", "board", "closing", "info"};
const char* const TUNING_STEPS[] = {"loading", "loading", "garage", "parts"};

std::string Number(int n) { return std::to_string(n); }

std::string Level0Name()
{
    if (LVL0.GetStatus())
        return kkadskadrs < ENDING_SLIDES - 1 ? "level0-birth-" + Number(kkadskadrs + 1) : "level0-name";
    if (beigts) return "level0-game-over";
    return LVL0.HelpShown() ? "level0-help" : "level0-play";
}

// A world level's screen: its scene state, with the open dialog or music
// panel on the world. The mini-games with an intro page hide the score on it.
std::string WorldName(int level, const char* const* states, int stateCount, const WorldState& world,
                      int worldState, std::initializer_list<int> withIntro, int dialog)
{
    const std::string prefix = "level" + Number(level) + "-";
    const int state = world.process;
    if (state == worldState) {
        if (dialog >= 0) return prefix + "dialog-" + Number(dialog + 1);
        if (world.music.shown && world.music.phase == PANEL_OPEN) return prefix + "music";
        return prefix + "world";
    }
    const std::string name = state >= 0 && state < stateCount ? states[state] : "state" + Number(state);
    const bool intro = !world.drawText && std::find(withIntro.begin(), withIntro.end(), state) != withIntro.end();
    return prefix + name + (intro ? "-intro" : "");
}

template <size_t N>
int Count(const char* const (&)[N])
{
    return static_cast<int>(N);
}

}  // namespace

std::string ScreenName()
{
    switch (kas_notiek) {
    case STATE_INTRO: return "intro-" + Named(INTRO_PAGES, ziim);
    case STATE_MENU: return menu_atels == CHEAT_PAGE ? "menu-cheat" : "menu-" + Named(MENU_PAGE_NAMES, menu_atels);
    case STATE_PAUSE: return "pause-" + Named(PAUSE_ITEM_NAMES, pause_atels);
    case STATE_LOAD0: return "load0";
    case STATE_LOAD1: return lvl1_lad == 3 ? "load1-instructions" : "load1";
    case STATE_LOAD2: return lvl2_lad == 2 ? "load2-instructions" : "load2";
    case STATE_LOAD3: return lvl3_lad == 2 ? "load3-instructions" : "load3";
    case STATE_LEVEL0: return Level0Name();
    case STATE_LEVEL1:
        return WorldName(1, LEVEL1_STATES, Count(LEVEL1_STATES), LVL1.World(), STATE_WORLD,
                         {STATE_WALLBALL, STATE_STOVE}, -1);
    case STATE_LEVEL2:
        return WorldName(2, LEVEL2_STATES, Count(LEVEL2_STATES), LVL2.World(), STATE2_WORLD, {STATE2_BERRIES},
                         LVL2.dialogOpen && misija >= 0 && misija < DIALOGS2 ? misija : -1);
    case STATE_LEVEL3:
        if (process3 == STATE3_TUNING) return "level3-tuning-" + Named(TUNING_STEPS, tun_proc);
        return WorldName(3, LEVEL3_STATES, Count(LEVEL3_STATES), LVL3.World(), STATE3_WORLD,
                         {STATE3_SHOP, STATE3_RACE, STATE3_HUNT, STATE3_FIGHT}, LVL3.DialogOpen() ? dnr : -1);
    }
    return "scene" + Number(kas_notiek);
}


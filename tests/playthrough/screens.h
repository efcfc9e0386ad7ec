#ifndef VIPRATS_TESTS_PLAYTHROUGH_SCREENS_H
#define VIPRATS_TESTS_PLAYTHROUGH_SCREENS_H

#include <string>

// The screen on show, named from the game's state: "intro-maker", "menu-cheat",
// "load2-instructions", "level0-birth-3", "level3-dialog-6", "level2-berries-intro", ...
// The gallery names its pictures so, and the playthrough its findings.
std::string ScreenName();

#endif

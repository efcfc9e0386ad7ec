// `make shots`: every screen of the game, rendered headless by the real game
// code and written to one picture each, for reviewing the art after a change.
//
// The screens a player passes on the way are taken from the whole-game
// playthrough; those off its path (other menu pages, the cheat and pause
// pages, help, game over, maps, information, music panels, notices) are
// reached by short scripts first. A screen is named from the game's state and
// taken on the last frame of its first visit (or after HOLD_FRAMES), so fades
// have finished and the picture is what a player looks at.
//
//   VIPRATS_SHOTS=dir viprats_gallery

#include <SDL.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

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
#include "shell/keys.h"
#include "tests/harness.h"
#include "tests/playthrough/routes.h"
#include "tests/playthrough/screens.h"

namespace {

const int HOLD_FRAMES = 150;

// Takes each named screen once, on the last frame of its first visit. A frame
// counts only when the same screen was on before and after it, so that a
// frame drawn just before a change of state is not named after the next one.
// Shared by every script of the run, so a screen a script shows best is not
// taken again by a later one.
class Camera {
public:
    // Before a frame the test's own changes to the state may have made.
    void BeforeFrame() { previous = ScreenName(); }
    void AfterFrame()
    {
        const std::string name = ScreenName();
        const bool steady = name == previous;
        previous = name;
        if (name != current) {
            Develop();
            current = name;
            framesIn = 0;
        }
        if (!steady || taken.count(current)) return;
        if (held) SDL_FreeSurface(held);
        held = SDL_ConvertSurface(screen, screen->format, SDL_SWSURFACE);
        if (++framesIn >= HOLD_FRAMES) Develop();
    }
    // The last steady frame of the screen on show is written now.
    void Develop()
    {
        if (held && !taken.count(current)) {
            const std::string path = Directory() + "/" + current + ".bmp";
            if (SDL_SaveBMP(held, path.c_str()) == 0)
                taken.insert(current);
            else
                ADD_FAILURE() << "cannot write " << path << ": " << SDL_GetError();
        }
        if (held) SDL_FreeSurface(held);
        held = nullptr;
    }
    static std::string Directory()
    {
        const char* dir = getenv("VIPRATS_SHOTS");
        return dir ? dir : ".";
    }

private:
    std::set<std::string> taken;
    std::string current, previous;
    int framesIn = 0;
    SDL_Surface* held = nullptr;
};

Camera camera;

class Gallery : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        Quit = false;
        srand(20261206);
    }
    void TearDown() override
    {
        camera.Develop();
        for (unsigned char& key : Keys) key = 0;
        GameTest::TearDown();
    }
    void Shoot(int count = 1)
    {
        for (int i = 0; i < count; i++) {
            camera.BeforeFrame();
            Frame();
            camera.AfterFrame();
        }
    }
    void TapShot(SDLKey key, int framesAfter = 1)
    {
        Press(key);
        Shoot();
        Release(key);
        Shoot(framesAfter);
    }
    // Each intro page shown in full before Space.
    void ToMenu()
    {
        while (kas_notiek == STATE_INTRO) {
            const auto shown = [] { return ziim == 2 ? vers_alpha > 249 : _vers; };
            for (int frame = 0; frame < 300 && !shown(); frame++) Shoot();
            Shoot(5);
            TapShot(SDLK_SPACE, 2);
            ASSERT_LT(Now(), 120000u) << "the intro does not give way to the menu";
        }
        Shoot();
    }
    // Waits on a loading screen until its ready picture shows, then goes on
    // through the instructions.
    void ThroughLoading(int loadState)
    {
        ASSERT_EQ(kas_notiek, loadState);
        Shoot(110);
        TapShot(SDLK_RETURN, 30);
        if (loadState != STATE_LOAD0) TapShot(SDLK_SPACE, 2);
        ASSERT_EQ(kas_notiek, loadState + 1);
    }
    // A full-screen state of the level shown for a while, then back to the world.
    void ShowState(int& state, int shown, int back)
    {
        state = shown;
        Shoot(40);
        state = back;
        Shoot(2);
    }
    // A mini-game entered as its spot would, its intro (if any) left with
    // Enter, played a little, then left with its own key.
    void MiniGame(int& state, int game, int world, SDLKey leave = SDLK_q)
    {
        state = game;
        Shoot(40);
        TapShot(SDLK_RETURN, 60);
        TapShot(leave, 3);
        state = world;
        Shoot(2);
    }
    void MusicPanel(WorldState& world)
    {
        TapShot(SDLK_m, 60);
        EXPECT_TRUE(world.music.shown);
        TapShot(SDLK_m, 60);
    }
    void LeaveToMenu()
    {
        TapShot(SDLK_ESCAPE, 2);
        ASSERT_EQ(kas_notiek, STATE_PAUSE);
        pause_atels = 4;
        TapShot(SDLK_RETURN, 3);
        ASSERT_EQ(kas_notiek, STATE_MENU);
    }
};

TEST_F(Gallery, MenuCheatLevel0HelpPauseAndGameOver)
{
    ToMenu();
    for (int page = 2; page <= 6; page++) TapShot(SDLK_DOWN, 10);
    TapShot(SDLK_DOWN, 10);
    OpenCheatScreen();
    for (const SDLKey digit : {SDLK_4, SDLK_8, SDLK_6}) TapShot(digit, 3);
    Shoot(10);
    TapShot(SDLK_ESCAPE, 5);
    ASSERT_EQ(menu_atels, 1);
    TapShot(SDLK_RETURN, 2);
    ThroughLoading(STATE_LOAD0);
    Shoot(120);
    TapShot(SDLK_i, 20);
    TapShot(SDLK_RETURN, 5);
    TapShot(SDLK_ESCAPE, 10);
    ASSERT_EQ(kas_notiek, STATE_PAUSE);
    for (int item = 2; item <= 4; item++) TapShot(SDLK_DOWN, 10);
    pause_atels = 1;
    TapShot(SDLK_RETURN, 3);
    ASSERT_EQ(kas_notiek, STATE_LEVEL0);
    beigts = true;
    Shoot(30);
}

// What a world level shows off the playthrough's path, by its own state values.
struct WorldTour {
    const char* cheat;
    int loadState;
    int& state;
    int world;
    std::vector<int> pages;  // full-screen states: map, information, notices
    std::vector<int> games;
    WorldState& (*level)();
    void (*dialog)(int index, bool open);
    int dialogs;
};

void Level2Dialog(int index, bool open)
{
    misija = index;
    LVL2.dialogOpen = open;
}

void Level3Dialog(int index, bool open)
{
    if (open)
        LVL3.OpenDialog(index);
    else
        LVL3.CloseDialog();
}

const WorldTour TOURS[] = {
    {"5820", STATE_LOAD1, process, STATE_WORLD, {STATE_MAP, STATE_INFO, STATE_HUNGER, STATE_TIME_UP},
     {STATE_WALLBALL, STATE_JAR, STATE_STOVE, STATE_CAR, STATE_POTTY}, [] () -> WorldState& { return LVL1.World(); },
     nullptr, 0},
    {"4861", STATE_LOAD2, process2, STATE2_WORLD, {STATE2_MAP, STATE2_INFO, STATE2_HUNGER},
     {STATE2_EGGS, STATE2_WELL, STATE2_BERRIES, STATE2_POTTY}, [] () -> WorldState& { return LVL2.World(); },
     Level2Dialog, DIALOGS2},
    {"9072", STATE_LOAD3, process3, STATE3_WORLD, {STATE3_MAP, STATE3_INFO, STATE3_HUNGER, STATE3_BOARD},
     {STATE3_SHOP, STATE3_RACE, STATE3_HUNT, STATE3_FIGHT, STATE3_POTTY},
     [] () -> WorldState& { return LVL3.World(); }, Level3Dialog, DIALOGS3},
};

TEST_F(Gallery, WorldsMapsInformationMusicAndNotices)
{
    ToMenu();
    for (const WorldTour& tour : TOURS) {
        CheatTo(tour.cheat);
        ThroughLoading(tour.loadState);
        Shoot(60);
        for (const int page : tour.pages) ShowState(tour.state, page, tour.world);
        for (int k = 0; k < tour.dialogs; k++) {
            tour.dialog(k, true);
            Shoot(20);
            tour.dialog(k, false);
        }
        MusicPanel(tour.level());
        for (const int game : tour.games) MiniGame(tour.state, game, tour.world);
        if (tour.loadState == STATE_LOAD3) {
            // Tuning: its loading picture, the garage, then the parts screen.
            process3 = STATE3_TUNING;
            Shoot(40);
            TapShot(SDLK_2, 40);
            TapShot(SDLK_v, 3);
        }
        LeaveToMenu();
    }
}

// Everything on the way: intro, loading screens, level 0, the birth, every
// world, dialog and mini-game, the closing picture.
TEST_F(Gallery, WholeGame)
{
    Pilot pilot;
    camera.BeforeFrame();
    pilot.afterFrame = [](int) { camera.AfterFrame(); };
    try {
        pilot.Until("intro gives way to the menu", [&] {
            if (kas_notiek == STATE_INTRO) {
                pilot.Frame(40);
                pilot.Tap(SDLK_SPACE);
            }
            return kas_notiek == STATE_MENU;
        });
        pilot.Frame();
        menu_atels = 1;
        pilot.Tap(SDLK_RETURN);
        pilot.Until("new game", [] { return kas_notiek == STATE_LOAD0; }, 5);
        PlayLevel0(pilot, "mara7");
        PlayLevel1(pilot);
        PlayLevel2(pilot);
        PlayLevel3(pilot);
    } catch (const Stuck& stuck) {
        ADD_FAILURE() << stuck.what() << " (the screens up to here are written)";
    }
}

}  // namespace

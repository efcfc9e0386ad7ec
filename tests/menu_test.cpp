// The menu's pages and the cheat screen.

#include <SDL_mixer.h>

#include "frontend/menu.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "tests/harness.h"

class MenuTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        SkipToMenu();
        ASSERT_EQ(kas_notiek, STATE_MENU);
    }
    void Type(const char* digits)
    {
        for (const char* digit = digits; *digit; digit++) Tap(static_cast<SDLKey>(*digit));
        Frame();
    }
};

TEST_F(MenuTest, ArrowsWrapAroundTheSixPagesEachWithItsPictureAndEnterActsOnlyOnNewGameAndExit)
{
    menu_atels = 6;
    Tap(SDLK_DOWN);
    EXPECT_EQ(menu_atels, 1);
    Tap(SDLK_UP);
    EXPECT_EQ(menu_atels, 6);
    Tap(SDLK_UP);
    EXPECT_EQ(menu_atels, 5);
    EXPECT_TRUE(Mix_Playing(1));

    // The highlighted item lies in a different place on each page.
    Uint32 seen[6] = {};
    const auto shown = [&](int page) {
        for (int y = 150; y < 660; y += 6) seen[page - 1] = seen[page - 1] * 31 + Pixel(60, y);
    };
    // Pages 2 to 5 take Enter without a click; Escape quits from none of pages 1 to 5.
    for (int page = 1; page <= 5; page++) {
        menu_atels = page;
        Mix_HaltChannel(1);
        Tap(SDLK_ESCAPE);
        if (page > 1) Tap(SDLK_RETURN);
        shown(page);
        EXPECT_EQ(kas_notiek, STATE_MENU) << page;
        EXPECT_FALSE(Menu.pazust()) << page;
        EXPECT_FALSE(Mix_Playing(1)) << "a click on page " << page;
        Keys[SDLK_RETURN] = 0;
    }
    // On the exit page each of them quits, and the loop ends after one more frame.
    for (const SDLKey key : {SDLK_RETURN, SDLK_ESCAPE, SDLK_y}) {
        menu_atels = 6;
        Tap(key);
        EXPECT_TRUE(Menu.pazust()) << key;
        EXPECT_FALSE(Quit);
        Frame();
        EXPECT_TRUE(Quit);
        Menu.pazust(false);
        Frame();
    }
    shown(6);
    for (int a = 0; a < 6; a++)
        for (int b = a + 1; b < 6; b++) EXPECT_NE(seen[a], seen[b]) << "pages " << a + 1 << " and " << b + 1;
}

TEST_F(MenuTest, CheatCodesMatchOnlyExactly)
{
    const struct {
        const char* typed;
        int cheat;
    } cases[] = {{"5820", 1}, {"4861", 2}, {"9072", 3}, {"58201", 0}, {"582", 0}, {"", 0}, {"1234", 0}};
    for (const auto& c : cases) {
        OpenCheatScreen();
        EXPECT_EQ(burts1, 0);
        Type(c.typed);
        EXPECT_STREQ(cheatsc, c.typed);
        Tap(SDLK_RETURN);
        EXPECT_EQ(menu_atels, 1) << c.typed;
        EXPECT_EQ(kas_notiek, c.cheat ? STATE_LOAD1 + 2 * (c.cheat - 1) : STATE_MENU) << c.typed;
        // The entry stays until the cheat screen opens again.
        EXPECT_STREQ(cheatsc, c.typed);
        kas_notiek = STATE_MENU;
        Frame();
    }
    EXPECT_EQ(CountInLog("-CHEAT "), 3u);
}

TEST_F(MenuTest, CheatEntryHoldsEightDigitsDrawsThemAndClosesOnEscapeOrAnArrow)
{
    OpenCheatScreen();
    ASSERT_EQ(menu_atels, CHEAT_SCREEN);
    Type("123456789");
    EXPECT_STREQ(cheatsc, "12345678");
    // Yellow digits at the cheat position.
    int yellow = 0;
    for (int x = 370; x < 560; x++)
        for (int y = 220; y < 300; y += 2) yellow += Pixel(x, y) == 0xFFFF00u;
    EXPECT_GT(yellow, 100);
    EXPECT_EQ(Keys[SDLK_9], 0);  // released by now; it was never taken
    Press(SDLK_9);
    Frame(2);
    EXPECT_EQ(Keys[SDLK_9], 1) << "a digit that does not fit stays down";
    Release(SDLK_9);
    Tap(SDLK_BACKSPACE);
    EXPECT_STREQ(cheatsc, "1234567");
    EXPECT_EQ(burts1, 7);
    for (int i = 0; i < 9; i++) Tap(SDLK_BACKSPACE);
    EXPECT_EQ(burts1, 0);
    EXPECT_STREQ(cheatsc, "");

    for (const SDLKey key : {SDLK_ESCAPE, SDLK_DOWN, SDLK_UP}) {
        OpenCheatScreen();
        Tap(key);
        EXPECT_EQ(menu_atels, 1) << key;
    }
    // Opening it also drops a cheat the scene machine has not acted on yet.
    cheatNR = 2;
    kas_notiek = STATE_INTRO;
    Keys[SDLK_LSHIFT] = Keys[SDLK_c] = 1;
    Menu.Draw_menu(screen);
    EXPECT_EQ(Menu.GetCheat(), 0);
    EXPECT_EQ(menu_atels, CHEAT_SCREEN);
}

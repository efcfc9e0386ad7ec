// Level 1 from its loading screen: the log of its life cycle, every asset
// found in the pack, and the first frames.

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "frontend/load.h"
#include "tests/harness.h"

TEST_F(GameTest, Level1LoadsFromItsLoadingScreenAndPlaysTrackTwoFirst)
{
    Load.Uzsetot();
    kas_notiek = tekosais_lvl = STATE_LOAD1;
    PassLoadingScreen();
    ASSERT_EQ(kas_notiek, STATE_LEVEL1);
    EXPECT_NE(log.find("--Laadeeju lvl 1\n"), std::string::npos);
    const size_t loaded = log.find("--lvl 1 sasalaadeets\n--uzsetojam lvl 1\n--lvl 1 sasetots\n");
    EXPECT_NE(loaded, std::string::npos) << log;

    // Everything the level names is in the pack.
    for (int slot = 0; slot < LVL1_PICTURES; slot++)
        EXPECT_NE(LVL1.Assets().Picture(slot), nullptr) << "picture slot " << slot;
    for (int slot = 0; slot < LVL1_SOUNDS; slot++) EXPECT_NE(LVL1.Assets().Sound(slot), nullptr) << "sound " << slot;
    for (int number = 1; number <= MUSIC_TRACKS; number++)
        EXPECT_NE(LVL1.Assets().Track(number), nullptr) << "track " << number;
    for (int font = 0; font < LEVEL_FONTS; font++) EXPECT_NE(LVL1.Assets().Font(font), nullptr);
    const std::string levelLog = log.substr(log.find("--Laadeeju lvl 1"));
    EXPECT_EQ(levelLog.find("Mix_Load"), std::string::npos) << levelLog;
    EXPECT_EQ(levelLog.find("adursmju"), std::string::npos) << "the collision map is incomplete";

    Frame();
    EXPECT_EQ(dziesmasNr, 2);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(process, STATE_WORLD);

    LVL1.FreeMemory();
    EXPECT_NE(log.find("--Raveejam lvl1 no atminjas...\n--lvl1 izraveets\n"), std::string::npos);
    EXPECT_EQ(LVL1.Assets().Picture(PIC_WORLD), nullptr);
    EXPECT_EQ(LVL1.Assets().Track(2), nullptr);
    LVL1.FreeMemory();  // twice is harmless
    kas_notiek = STATE_MENU;
}

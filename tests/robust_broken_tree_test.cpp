// Broken data trees: the game started in a copy of its data tree where every
// file is missing, and in one where every file is truncated or garbage. It
// must start, run every scene a few hundred frames under scripted keys
// without a crash or a bad read, and print the failure lines it is meant to.

#include <fstream>
#include <string>
#include <vector>

#include "level0/lvl0.h"
#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "level3/lvl3_state.h"
#include "shell/keys.h"
#include "tests/robust_tree.h"

namespace fs = std::filesystem;

namespace {

// How a broken tree spoils each file. The header-only and truncated kinds
// get past the decoders' first checks and fail (or stop) later inside.
enum class Damage { Truncated, HeaderThenGarbage, Empty, Garbage };

// A whole WAV header and PNG signature with its IHDR chunk. Fewer bytes
// would leave a WAV's first chunk length to the garbage, and SDL allocates
// whatever length it reads (gigabytes, which the sanitizer then fills).
const size_t HEADER_BYTES = 64;

// Stable across runs and machines: FNV-1a of the file's name in the tree.
Damage DamageOf(const fs::path& file)
{
    unsigned hash = 2166136261u;
    for (const char c : file.filename().string()) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return static_cast<Damage>(hash % 4);
}

std::string GarbageBytes(size_t count, unsigned seed)
{
    std::string bytes(count, '\0');
    for (char& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

void NoFile(const fs::path&, const fs::path&, DataKind) {}

std::string FirstBytes(const fs::path& file, size_t count)
{
    std::string bytes(count, '\0');
    std::ifstream(file, std::ios::binary).read(&bytes[0], static_cast<std::streamsize>(count));
    return bytes;
}

void BrokenFile(const fs::path& from, const fs::path& to, DataKind)
{
    const size_t size = static_cast<size_t>(fs::file_size(from));
    const unsigned seed = static_cast<unsigned>(size);
    std::string bytes;
    switch (DamageOf(from)) {
    case Damage::Truncated: bytes = FirstBytes(from, size / 3); break;
    case Damage::HeaderThenGarbage: bytes = FirstBytes(from, HEADER_BYTES) + GarbageBytes(4096, seed); break;
    case Damage::Empty: break;
    case Damage::Garbage: bytes = GarbageBytes(4096, seed); break;
    }
    std::ofstream(to, std::ios::binary) << bytes;
}

// Every key some scene reads, but Escape (the pause is driven on purpose)
// and F8 (a screenshot per press).
const std::vector<SDLKey> PLAY_KEYS = {
    SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_SPACE, SDLK_RETURN, SDLK_i, SDLK_k, SDLK_q,
    SDLK_m,  SDLK_y,    SDLK_u,    SDLK_t,     SDLK_n,     SDLK_v,      SDLK_o, SDLK_b, SDLK_x,
    SDLK_z,  SDLK_w,    SDLK_a,    SDLK_s,     SDLK_d,     SDLK_2,      SDLK_0, SDLK_9, SDLK_BACKSPACE,
    SDLK_F3, SDLK_F7};

// Menu 1, level 0 2, levels 1 and 2 8 each, level 3 6 for each of its two
// loads (its scenes, then its closing picture).
const size_t SOUND_LOADS = 1 + 2 + 8 + 8 + 2 * 6;
const size_t WORLD_LEVEL_LOADS = 4;
struct MapLoads {
    const char* file;
    size_t loads;
};
const MapLoads MAP_LOADS[] = {{"lvl1/col1.txt", 1}, {"lvl2/col2.txt", 1}, {"lvl3/col3.txt", 2}};


class BrokenTree : public TreeTest {
protected:
    // A new key every third frame, each held for five, so that two overlap
    // (the diagonals) and every press is also released.
    void PlayWithKeys(int frames, const std::vector<SDLKey>& keys)
    {
        std::vector<std::pair<int, SDLKey>> held;
        for (int frame = 0; frame < frames; frame++) {
            if (frame % 3 == 0) {
                seed = seed * 1103515245u + 12345u;
                const SDLKey key = keys[(seed >> 16) % keys.size()];
                Press(key);
                held.push_back({frame + 5, key});
            }
            for (const auto& [releaseAt, key] : held)
                if (releaseAt == frame) Release(key);
            Frame();
        }
        for (const auto& [releaseAt, key] : held)
            if (releaseAt >= frames) Release(key);
        Frame();
    }

    void Intro()
    {
        ASSERT_EQ(kas_notiek, STATE_INTRO);
        Frame(150);
        SkipToMenu();
        ASSERT_EQ(kas_notiek, STATE_MENU);
    }

    void MenuAndCheatScreen()
    {
        PlayWithKeys(120, {SDLK_UP, SDLK_DOWN});
        while (menu_atels != 1) Tap(SDLK_DOWN);
        OpenCheatScreen();
        PlayWithKeys(90, {SDLK_1, SDLK_2, SDLK_3, SDLK_7, SDLK_BACKSPACE});
        Tap(SDLK_ESCAPE);
        ASSERT_EQ(menu_atels, 1);
    }

    // The pause screen's items cycled, then the one asked for with Enter.
    void PauseThenItem(int item)
    {
        Tap(SDLK_ESCAPE);
        ASSERT_EQ(kas_notiek, STATE_PAUSE);
        PlayWithKeys(30, {SDLK_UP, SDLK_DOWN});
        while (pause_atels != item) Tap(SDLK_DOWN);
        Tap(SDLK_RETURN);
        Frame();
    }

    void Level0()
    {
        NewGame();
        PassLoadingScreen();
        ASSERT_EQ(kas_notiek, STATE_LEVEL0);
        PlayWithKeys(300, {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_SPACE, SDLK_i, SDLK_RETURN});
        PauseThenItem(1);
        ASSERT_EQ(kas_notiek, STATE_LEVEL0);
        // Lost: the game-over picture, then Enter starts again.
        beigts = true;
        Frame(30);
        Tap(SDLK_RETURN);
        ASSERT_FALSE(beigts);
        Frame();  // play starts afresh here, the counter with it
        // The counter run out: the birth slides and the name.
        LAIKS = 0;
        kkad = 0;
        ASSERT_TRUE(FramesUntil([] { return LVL0.GetStatus(); }, 5));
        ASSERT_TRUE(FramesUntil([] { return kkadskadrs == ENDING_SLIDES - 1; }, 200));
        PlayWithKeys(30, {SDLK_a, SDLK_b, SDLK_7, SDLK_BACKSPACE});
        for (const SDLKey key : {SDLK_a, SDLK_n, SDLK_n}) Tap(key);
        Tap(SDLK_RETURN);
        Frame();
        ASSERT_EQ(kas_notiek, STATE_LOAD1);
    }

    // The world view played, then every scene state of the level in turn,
    // then the level map through the pause screen.
    template <typename Level>
    void WorldLevel(Level& level, int playState, int sceneStates)
    {
        PassLoadingScreen();
        ASSERT_EQ(kas_notiek, playState);
        PlayWithKeys(300, PLAY_KEYS);
        for (int state = 0; state < sceneStates; state++) {
            SCOPED_TRACE(state);
            level.World().process = state;
            PlayWithKeys(40, PLAY_KEYS);
            ASSERT_EQ(kas_notiek, playState);
        }
        PauseThenItem(2);
        ASSERT_EQ(kas_notiek, playState);
        PlayWithKeys(20, {SDLK_UP, SDLK_k});
        ExitThroughPause();
    }

    // Every task done, the player at the open exit, Space: the closing
    // picture, then Space again goes to the menu.
    void ClosingPicture()
    {
        ASSERT_EQ(kas_notiek, STATE_MENU);
        CheatTo("9072");
        PassLoadingScreen();
        for (int& task : uzdevums) task = 0;
        offsetX3 = misi[SPOT_EXIT].x + SPOT_REACH_X - SPOT_PLAYER_DX - player3.screenX;
        offsetY3 = misi[SPOT_EXIT].y + TOWN_SPOTS[SPOT_EXIT].reachDy - SPOT_PLAYER_DY - player3.screenY;
        Frame();
        Tap(SDLK_SPACE);
        Frame(100);
        ASSERT_TRUE(LVL3.DemoBeigts());
        Tap(SDLK_SPACE);
        ASSERT_EQ(kas_notiek, STATE_MENU);
    }

    // The game started in a tree of spoilt files and every scene played. No
    // WAV survives any of the damages: each load prints its line; so does
    // each load of a collision map.
    void EverySceneIn(const char* name, const FileMaker& make, const std::string& mapLine, const char* mapLineEnd)
    {
        const DataTreeCopy tree(name, make);
        ASSERT_NO_FATAL_FAILURE(StartIn(tree.Root()));
        ASSERT_NO_FATAL_FAILURE(Intro());
        ASSERT_NO_FATAL_FAILURE(MenuAndCheatScreen());
        ASSERT_NO_FATAL_FAILURE(Level0());
        ASSERT_NO_FATAL_FAILURE(WorldLevel(LVL1, STATE_LEVEL1, STATE_INFO + 1));
        ASSERT_EQ(kas_notiek, STATE_MENU);
        CheatTo("4861");
        ASSERT_NO_FATAL_FAILURE(WorldLevel(LVL2, STATE_LEVEL2, STATE2_HUNGER + 1));
        ASSERT_EQ(kas_notiek, STATE_MENU);
        CheatTo("9072");
        ASSERT_NO_FATAL_FAILURE(WorldLevel(LVL3, STATE_LEVEL3, STATE3_INFO + 1));
        ASSERT_NO_FATAL_FAILURE(ClosingPicture());
        ASSERT_EQ(menu_atels, 1);
        Tap(SDLK_UP);
        Tap(SDLK_RETURN);
        Frame();
        EXPECT_TRUE(Quit);
        EXPECT_EQ(CountInLog("Mix_LoadWAV: "), SOUND_LOADS);
        for (const MapLoads& map : MAP_LOADS)
            EXPECT_EQ(CountInLog(mapLine + map.file + mapLineEnd), map.loads) << map.file;
    }

    unsigned seed = 12345;
};

}  // namespace

TEST_F(BrokenTree, EveryFileMissing)
{
    EverySceneIn("missing", NoFile, "Nevar atveert sadursmju failu ", "\n");
    // Without its pages the menu still fills the screen with its green.
    EXPECT_EQ(Pixel(512, 384), 0x329632u);
    // The shell's and level 0's tracks load once, each world level's ten at each load.
    std::vector<std::pair<std::string, size_t>> tracks = {{"loading", 1}, {"menu", 1}, {"lvl0", 1}, {"piedzima", 1}};
    for (int number = 1; number <= 10; number++)
        tracks.push_back({"track" + std::to_string(number), WORLD_LEVEL_LOADS});
    for (const auto& [name, loads] : tracks)
        EXPECT_EQ(CountInLog("Mix_LoadMUS(\"" + name + ".ogg\"): "), loads) << name;
    EXPECT_GT(CountInLog("Mix_PlayChannel: "), 0u);
}

TEST_F(BrokenTree, EveryFileTruncatedOrGarbage)
{
    EverySceneIn("garbage", BrokenFile, "Sadursmju failaa ", " ir tikai ");
    // A track without its header cannot be opened; a truncated one may be.
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(VIPRATS_DATA_DIR)) {
        const Damage damage = DamageOf(entry.path());
        if (KindOf(entry.path()) != DataKind::Music || (damage != Damage::Empty && damage != Damage::Garbage)) continue;
        const std::string line = "Mix_LoadMUS(\"" + entry.path().filename().string() + "\"): ";
        EXPECT_GT(CountInLog(line), 0u) << line;
    }
}

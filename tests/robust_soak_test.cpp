// Soak: the menu-to-level-and-back cycle run two hundred times. After the
// first cycle nothing a cycle loads may stay behind: the live pictures,
// texts, sounds, tracks and fonts come back to the same counts, and the heap
// and the resident memory do not grow.
//
// The cycle runs on a copy of the data tree whose pictures are small: the
// real ones take some fifteen seconds a cycle to decode, and what is tested
// here is how the game holds and releases them, not the decoders.

#include <cstdio>
#include <fstream>
#include <string>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "level3/lvl3_state.h"
#include "shell/draw.h"
#include "tests/robust_tree.h"

#if defined(__SANITIZE_ADDRESS__)
#define ROBUST_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ROBUST_UNDER_ASAN 1
#endif
#endif
#ifdef ROBUST_UNDER_ASAN
// The sanitizer's runtime has it; not every compiler ships its header.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

const int CYCLES = 200;

// Bytes the program holds on the heap now. Under AddressSanitizer freed blocks
// wait in its quarantine, so only its own count of live blocks is exact.
long HeapInUse()
{
#ifdef ROBUST_UNDER_ASAN
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>(info.uordblks + info.hblkhd);
#else
    return 0;
#endif
}

// Resident set in KiB, or 0 where /proc is not there.
long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    long kib = 0;
    for (std::string key; status >> key;)
        if (key == "VmRSS:") status >> kib;
    return kib;
}

// Every picture an 8 x 8 grey PNG under its own name (the loaders go by the
// file's first bytes, and the Windows build reads only PNG and JPEG);
// sounds, tracks, the font and the maps as they are.
void SmallPictures(const std::filesystem::path& from, const std::filesystem::path& to, DataKind kind)
{
    if (kind != DataKind::Picture) {
        std::filesystem::copy_file(from, to);
        return;
    }
    static const char SMALL_PNG[] =
        "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x08\0\0\0\x08\x08\x02\0\0\0\x4b\x6d\x29\xdc\0\0\0\x15IDAT"
        "\x78\xda\x63\x6c\x68\x68\x60\xc0\x06\x98\x18\x70\x80\xc1\x29\x01\0\x30\x17\x01\x90\xd4\x7b\x15\xc6"
        "\0\0\0\0IEND\xae\x42\x60\x82";
    std::ofstream(to, std::ios::binary).write(SMALL_PNG, sizeof SMALL_PNG - 1);
}

struct Footprint {
    LiveAssets assets;
    long heap;
    long residentKiB;
};

Footprint Measure() { return {CountLiveAssets(), HeapInUse(), ResidentKiB()}; }

class Soak : public TreeTest {
protected:
    void SetUp() override
    {
        TreeTest::SetUp();
        if (HasFatalFailure()) return;
        StartIn(tree.Root());
    }
    DataTreeCopy tree{"soak", SmallPictures};

    // Into a level from the menu (its first page, or a cheat code) and a few frames of play.
    void EnterLevel(const char* code, int level)
    {
        if (code)
            CheatTo(code);
        else
            NewGame();
        PassLoadingQuickly();
        ASSERT_EQ(kas_notiek, level);
        Frame(2);
    }

    void Cycle()
    {
        const struct {
            const char* code;
            int level;
        } levels[] = {{nullptr, STATE_LEVEL0}, {"5820", STATE_LEVEL1}, {"4861", STATE_LEVEL2}, {"9072", STATE_LEVEL3}};
        for (const auto& level : levels) {
            ASSERT_NO_FATAL_FAILURE(EnterLevel(level.code, level.level));
            ASSERT_NO_FATAL_FAILURE(ExitThroughPause());
        }
        // Space at the garage opens the tuning mini-game: its loading picture,
        // then its pictures; the pause screen leaves it.
        ASSERT_NO_FATAL_FAILURE(EnterLevel("9072", STATE_LEVEL3));
        misi[SPOT_GARAGE].active = true;
        offsetX3 = misi[SPOT_GARAGE].x + SPOT_REACH_X - SPOT_PLAYER_DX - player3.screenX;
        offsetY3 = misi[SPOT_GARAGE].y + TOWN_SPOTS[SPOT_GARAGE].reachDy - SPOT_PLAYER_DY - player3.screenY;
        Tap(SDLK_SPACE);
        ASSERT_EQ(process3, STATE3_TUNING);
        Frame(3);
        ASSERT_TRUE(LVL3.TuningLoaded());
        ASSERT_NO_FATAL_FAILURE(ExitThroughPause());
        ASSERT_FALSE(LVL3.TuningLoaded());
    }
};

}  // namespace

TEST_F(Soak, TwoHundredCyclesThroughEveryLevelLeaveNothingBehind)
{
    SkipToMenu();
    ASSERT_EQ(kas_notiek, STATE_MENU);
    log.clear();
    Cycle();
    ASSERT_FALSE(HasFatalFailure());
    const Footprint first = Measure();

    // Under the sanitizer the heap count stays exact from cycle to cycle, and
    // the resident size grows with its quarantine and is not compared. The C
    // library's own count creeps up by some tens of KiB over the first hundred
    // cycles (its bookkeeping, not the game's blocks) and then levels off.
#ifdef ROBUST_UNDER_ASAN
    const long heapSlack = 64 * 1024;
#else
    const long heapSlack = 256 * 1024;
    const long residentSlackKiB = 8 * 1024;
#endif
    // The log is emptied before each cycle, so that its own growth is not
    // taken for a leak; each cycle must release every level once.
    for (int cycle = 2; cycle <= CYCLES; cycle++) {
        log.clear();
        Cycle();
        ASSERT_FALSE(HasFatalFailure()) << "cycle " << cycle;
        ASSERT_EQ(CountInLog("-Lvl 0 atbrivots\n"), 1u) << "cycle " << cycle;
        ASSERT_EQ(CountInLog("----Tuning izraveets no atminjas\n"), 1u) << "cycle " << cycle;
        const Footprint now = Measure();
        ASSERT_EQ(now.assets.surfaces, first.assets.surfaces) << "cycle " << cycle;
        ASSERT_EQ(now.assets.chunks, first.assets.chunks) << "cycle " << cycle;
        ASSERT_EQ(now.assets.music, first.assets.music) << "cycle " << cycle;
        ASSERT_EQ(now.assets.fonts, first.assets.fonts) << "cycle " << cycle;
        ASSERT_EQ(now.assets.pictureBytes, first.assets.pictureBytes) << "cycle " << cycle;
        ASSERT_LE(now.heap, first.heap + heapSlack) << "cycle " << cycle;
#ifndef ROBUST_UNDER_ASAN
        ASSERT_LE(now.residentKiB, first.residentKiB + residentSlackKiB) << "cycle " << cycle;
#endif
    }
    const Footprint last = Measure();
    printf("soak: heap %ld -> %ld bytes, resident %ld -> %ld KiB\n", first.heap, last.heap, first.residentKiB,
           last.residentKiB);
}

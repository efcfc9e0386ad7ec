// The frame-time benchmark: runs every scene of the game headless on the
// data tree in the working directory, through the real start-up and scene
// machine, and prints how long the frames, the level loads and the memory
// take against the targets. It measures and reports; it never fails a run.
//
//   cd data && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ../build/viprats_bench [frames [scene]]
//
// With a scene, only the scenes whose names contain it run, and neither the
// loads nor the memory are reported.

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "bench/probe.h"
#include "frontend/menu.h"
#include "level0/lvl0.h"
#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/clock.h"
#include "shell/draw.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/timer.h"

namespace {

// --- targets ----------------------------------------------------------------

const double MEDIAN_BLITS = 12;
const double WORST_BLITS = 30;
const double LOAD_PER_DECODE = 1.5;
const double PEAK_PER_PICTURES = 1.25;

const int DEFAULT_FRAMES = 300;
const int REFERENCE_BLITS = 50;  // a burst before every scene
const int LOAD_REPEATS = 3;

// --- the game's clock: it moves only when the game sleeps -------------------

Uint32 drivenNow = 0;
Uint32 DrivenTicks() { return drivenNow; }
void DrivenDelay(Uint32 ms) { drivenNow += ms; }
time_t DrivenCalendar() { return 1772892309; }
const ClockSource drivenClock = {DrivenTicks, DrivenDelay, DrivenCalendar};

// --- frames -----------------------------------------------------------------

long textsInScene = 0;

// One pass of the main loop, in RunFrame's order. Only the scene's own
// update and drawing (DrawSceena) is timed: not the event pump, not the
// flip (a no-op on the dummy driver), not the pacing, which sleeps on the
// driven clock and so costs nothing here.
double TimedFrame()
{
    HandleEvents();
    Timer.Update();
    Quit = Menu.pazust();
    const long textsBefore = TextRenders();
    const WallClock::time_point start = WallClock::now();
    DrawSceena(screen);
    const double micros = MicrosSince(start);
    textsInScene += TextRenders() - textsBefore;
    SDL_Flip(screen);
    while (GameTicks() - looptime < speles_atrums) GameDelay(10);
    looptime = GameTicks();
    return micros;
}

// A frame that sets a scene up and is not counted.
void SetUpFrame() { RunFrame(); }

void HoldForOneFrame(SDLKey key)
{
    Keys[key] = 1;
    SetUpFrame();
    Keys[key] = 0;
}

// The unit of the frame times: one opaque full-screen picture in the
// display format copied to the screen, the median of a burst of such copies
// timed back to back. Each scene is measured against a burst timed just
// before it, so that a machine whose speed drifts during the run (a shared
// one does) moves the unit with the frames.
SDL_Surface* referencePicture = nullptr;

void MakeReferencePicture()
{
    SDL_Surface* plain = SDL_CreateRGBSurface(SDL_SWSURFACE, 1024, 768, 24, 0xFF0000, 0xFF00, 0xFF, 0);
    referencePicture = SDL_DisplayFormat(plain);
    SDL_FreeSurface(plain);
    if (referencePicture) SDL_FillRect(referencePicture, nullptr, SDL_MapRGB(referencePicture->format, 90, 140, 60));
}

double ReferenceBlit()
{
    std::vector<double> samples;
    for (int i = 0; i < REFERENCE_BLITS; i++) {
        const WallClock::time_point start = WallClock::now();
        SDL_BlitSurface(referencePicture, nullptr, screen, nullptr);
        samples.push_back(MicrosSince(start));
    }
    return SpreadOf(samples).median;
}

// --- scenes -----------------------------------------------------------------

struct Scene {
    const char* name;
    void (*enter)();           // into the scene, with any uncounted frames it needs
    bool (*stillIn)();         // the scene has not handed over to another
    void (*before)(int frame); // keys and upkeep before a counted frame, or nullptr
};

struct SceneResult {
    std::string name;
    Spread micros;
    double blit;  // the unit, timed just before the scene
    long texts;
};

long picturePeak = 0;  // the largest CountLiveAssets().pictureBytes seen since the last reset

void NotePictures() { picturePeak = std::max(picturePeak, CountLiveAssets().pictureBytes); }

SceneResult RunScene(const Scene& scene, int frames)
{
    scene.enter();
    const double blit = ReferenceBlit();
    std::vector<double> samples;
    textsInScene = 0;
    for (int frame = 0; frame < frames; frame++) {
        if (!scene.stillIn()) scene.enter();
        if (scene.before) scene.before(frame);
        samples.push_back(TimedFrame());
        NotePictures();
    }
    return {scene.name, SpreadOf(samples), blit, textsInScene};
}

void InScene(int state)
{
    kas_notiek = state;
    tekosais_lvl = state;
}

// The menu, as after the intro.
const Scene MENU = {
    "menu", [] { kas_notiek = STATE_MENU; menu_atels = 1; }, [] { return kas_notiek == STATE_MENU; }, nullptr};

// Level 0 swims and shoots; a loss starts it again, as Enter on the
// game-over picture would.
const Scene LEVEL0_SCENES[] = {
    {"level 0 play",
     [] {
         InScene(STATE_LEVEL0);
         LVL0.Uzsetot();
     },
     [] { return kas_notiek == STATE_LEVEL0 && !beigts && !LVL0.GetStatus(); },
     [](int frame) {
         if (frame % 10 == 0) Keys[SDLK_SPACE] = 1;
     }},
};

// --- the world levels: a busy place ------------------------------------------

struct Box {
    int x, y, w, h;
};

long Overlap(const Box& box, int left, int top)
{
    const int w = std::min(box.x + box.w, left + 1024) - std::max(box.x, left);
    const int h = std::min(box.y + box.h, top + 768) - std::max(box.y, top);
    return w > 0 && h > 0 ? long(w) * h : 0;
}

// Puts the camera where the screen shows the most of the things, by area,
// opens the music panel and drops a row of piles in front of the player.
void GoToBusiestPlace(COverworld& level, const std::vector<Box>& things, int worldW, int worldH)
{
    int bestX = 0, bestY = 0;
    long bestArea = -1;
    for (int top = 0; top + 768 <= worldH; top += 32) {
        for (int left = 0; left + 1024 <= worldW; left += 32) {
            long area = 0;
            for (const Box& box : things) area += Overlap(box, left, top);
            if (area > bestArea) {
                bestArea = area;
                bestX = left;
                bestY = top;
            }
        }
    }
    WorldState& world = level.World();
    world.offsetX = world.xvec = static_cast<float>(bestX);
    world.offsetY = world.yvec = static_cast<float>(bestY);
    world.music = MusicPanel{true, PANEL_OPEN, 0, 1, 0};
    const NeedsValues& needs = level.Values().needs;
    for (int k = 0; k < needs.pileCapacity && k < 8; k++)
        needs.piles[k] = {static_cast<float>(bestX + 120 + 100 * k), static_cast<float>(bestY + 560), 1};
}

// Food and toilet kept where they started, so that no notice takes over.
void KeepNeeds(COverworld& level)
{
    Player& player = level.World().player;
    player.food = level.Values().start.food;
    player.toilet = level.Values().start.toilet;
}

template <typename Table>
void AddOccluders(std::vector<Box>& things, const Table& table)
{
    for (const Occluder& occluder : table) things.push_back({occluder.x, occluder.y, occluder.w, occluder.h});
}

void Level1World()
{
    InScene(STATE_LEVEL1);
    process = STATE_WORLD;
    std::vector<Box> things;
    AddOccluders(things, HOUSE_OCCLUDERS);
    for (const HouseSpot& spot : mini_poz) things.push_back({int(spot.x), int(spot.y), 72, 42});
    for (const HousePickup& item : Manta) things.push_back({int(item.x), int(item.y), 72, 52});
    for (const HousePickup& bottle : pudele) things.push_back({int(bottle.x), int(bottle.y), 22, 52});
    for (const TurboPickup& pickup : pirdiens) things.push_back({int(pickup.x), int(pickup.y), 22, 52});
    GoToBusiestPlace(LVL1, things, 3700, 3000);
}

void Level2World()
{
    InScene(STATE_LEVEL2);
    process2 = STATE2_WORLD;
    for (Spot& spot : mini) spot.active = true;
    std::vector<Box> things;
    AddOccluders(things, FARM_OCCLUDERS);
    for (const Spot& spot : mini) things.push_back({spot.x, spot.y, 76, 46});
    for (const Spot& piece : malka) things.push_back({piece.x, piece.y, 90, 59});
    GoToBusiestPlace(LVL2, things, 5000, 3812);
}

void Level3World()
{
    InScene(STATE_LEVEL3);
    process3 = STATE3_WORLD;
    for (Spot& spot : misi) spot.active = true;
    std::vector<Box> things;
    AddOccluders(things, TOWN_PROPS);
    for (const TownSpot& spot : TOWN_SPOTS) things.push_back({spot.x, spot.y, spot.markerW, spot.markerH});
    GoToBusiestPlace(LVL3, things, 4432, 3298);
}

const Scene LEVEL1_SCENES[] = {
    {"level 1 world", Level1World, [] { return kas_notiek == STATE_LEVEL1 && process == STATE_WORLD; },
     [](int) { KeepNeeds(LVL1); }},
    {"pause (over level 1)",
     [] {
         Level1World();
         SetUpFrame();
         HoldForOneFrame(SDLK_ESCAPE);
     },
     [] { return kas_notiek == STATE_PAUSE; }, nullptr},
    {"level 1 potty",
     [] {
         InScene(STATE_LEVEL1);
         process = STATE_POTTY;
         LVL1.World().potty.started = false;
     },
     [] { return process == STATE_POTTY; }, [](int) { KeepNeeds(LVL1); }},
    {"stove",
     [] {
         InScene(STATE_LEVEL1);
         process = STATE_STOVE;
         Krasnsi = true;
         HoldForOneFrame(SDLK_RETURN);
     },
     [] { return process == STATE_STOVE; },
     [](int frame) {
         KeepNeeds(LVL1);
         if (frame % 25 == 0) Keys[SDLK_SPACE] = 1;
     }},
    {"wall-ball",
     [] {
         InScene(STATE_LEVEL1);
         process = STATE_WALLBALL;
         Pretsienai = true;
         HoldForOneFrame(SDLK_RETURN);
     },
     [] { return process == STATE_WALLBALL; },
     [](int) {
         KeepNeeds(LVL1);
         Keys[SDLK_SPACE] = 1;
     }},
};

const Scene LEVEL2_SCENES[] = {
    {"level 2 world", Level2World, [] { return kas_notiek == STATE_LEVEL2 && process2 == STATE2_WORLD; },
     [](int) { KeepNeeds(LVL2); }},
    {"level 2 potty",
     [] {
         InScene(STATE_LEVEL2);
         process2 = STATE2_POTTY;
         LVL2.World().potty.started = false;
     },
     [] { return process2 == STATE2_POTTY; }, [](int) { KeepNeeds(LVL2); }},
    {"eggs",
     [] {
         InScene(STATE_LEVEL2);
         process2 = STATE2_EGGS;
         olas_iet = false;
     },
     [] { return process2 == STATE2_EGGS; }, [](int) { KeepNeeds(LVL2); }},
    {"berries",
     [] {
         InScene(STATE_LEVEL2);
         process2 = STATE2_BERRIES;
         ogas_iet = 0;
         HoldForOneFrame(SDLK_RETURN);
         HoldForOneFrame(SDLK_b);
         for (int frame = 0; frame < 100 && ogas_iet != 2; frame++) SetUpFrame();
     },
     [] { return process2 == STATE2_BERRIES && ogas_iet == 2; }, [](int) { KeepNeeds(LVL2); }},
    {"well",
     [] {
         InScene(STATE_LEVEL2);
         process2 = STATE2_WELL;
     },
     [] { return process2 == STATE2_WELL; }, [](int) { KeepNeeds(LVL2); }},
};

const SDLKey FIGHT_KEYS[] = {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_z, SDLK_x, SDLK_c};

const Scene LEVEL3_SCENES[] = {
    {"level 3 world", Level3World, [] { return kas_notiek == STATE_LEVEL3 && process3 == STATE3_WORLD; },
     [](int) { KeepNeeds(LVL3); }},
    {"level 3 potty",
     [] {
         InScene(STATE_LEVEL3);
         process3 = STATE3_POTTY;
         LVL3.World().potty.started = false;
     },
     [] { return process3 == STATE3_POTTY; }, [](int) { KeepNeeds(LVL3); }},
    {"fight",
     [] {
         InScene(STATE_LEVEL3);
         process3 = STATE3_FIGHT;
         sitveci_iet = false;
         HoldForOneFrame(SDLK_RETURN);
     },
     [] { return process3 == STATE3_FIGHT; },
     [](int frame) {
         KeepNeeds(LVL3);
         // Every key of the target now and then: the hit picture shows too.
         for (const SDLKey key : FIGHT_KEYS) Keys[key] = frame % 15 == 0;
     }},
    {"shop",
     [] {
         InScene(STATE_LEVEL3);
         process3 = STATE3_SHOP;
         veikals_iet = false;
         HoldForOneFrame(SDLK_RETURN);
     },
     [] { return process3 == STATE3_SHOP; }, [](int) { KeepNeeds(LVL3); }},
    {"hunting",
     [] {
         InScene(STATE_LEVEL3);
         process3 = STATE3_HUNT;
         medibas_iet = false;
         HoldForOneFrame(SDLK_RETURN);
     },
     [] { return process3 == STATE3_HUNT; },
     [](int frame) {
         KeepNeeds(LVL3);
         if (frame % 20 == 0) Keys[SDLK_SPACE] = 1;
     }},
    {"race",
     [] {
         InScene(STATE_LEVEL3);
         process3 = STATE3_RACE;
         gonka_iet = false;
         HoldForOneFrame(SDLK_RETURN);
     },
     [] { return process3 == STATE3_RACE; }, [](int) { KeepNeeds(LVL3); }},
    // The garage with every part fitted: all the overlays at once.
    {"tuning",
     [] {
         InScene(STATE_LEVEL3);
         process3 = STATE3_TUNING;
         tun_proc = 0;
         SetUpFrame();  // the loading picture
         SetUpFrame();  // the tuning pictures load
         HoldForOneFrame(SDLK_2);
         for (const TuningPart& part : TUNING_PARTS_BY_ROW)
             if (part.choice) *part.choice = part.choices;
     },
     [] { return process3 == STATE3_TUNING && tun_proc == 3; }, [](int) { KeepNeeds(LVL3); }},
    {"closing picture",
     [] {
         InScene(STATE_LEVEL3);
         process3 = STATE3_CLOSING;
     },
     [] { return process3 == STATE3_CLOSING; }, [](int) { KeepNeeds(LVL3); }},
};

// --- levels -----------------------------------------------------------------

struct Level {
    const char* name;
    void (*load)();  // what the level's loading screen calls
    void (*free)();
    const Scene* scenes;
    int sceneCount;
};

const Level LEVELS_RUN[] = {
    {"level 0", [] { LVL0.Load(screen); }, [] { LVL0.FreeMemory(); }, LEVEL0_SCENES, int(std::size(LEVEL0_SCENES))},
    {"level 1",
     [] {
         LVL1.Load(screen);
         LVL1.Uzsetot();
     },
     [] { LVL1.FreeMemory(); }, LEVEL1_SCENES, int(std::size(LEVEL1_SCENES))},
    {"level 2",
     [] {
         LVL2.Load(screen);
         LVL2.Uzsetot();
     },
     [] { LVL2.FreeMemory(); }, LEVEL2_SCENES, int(std::size(LEVEL2_SCENES))},
    {"level 3",
     [] {
         LVL3.Load(screen);
         LVL3.Uzsetot();
     },
     [] { LVL3.FreeMemory(); }, LEVEL3_SCENES, int(std::size(LEVEL3_SCENES))},
};

struct LoadResult {
    std::string name;
    double loadMicros;
    double decodeMicros;
    int files;
};

struct MemoryResult {
    std::string name;
    long peak;
    long pictures;
};

double TimedLoad(const Level& level)
{
    const WallClock::time_point start = WallClock::now();
    level.load();
    return MicrosSince(start);
}

// The load against the decoding of the same files, both as medians of a
// few runs after one that fills the file cache and lists the files.
LoadResult MeasureLoad(const Level& level)
{
    OpenedFiles files;
    StartRecording(files);
    level.load();
    StopRecording();
    level.free();
    std::vector<double> loads, decodes;
    for (int run = 0; run < LOAD_REPEATS; run++) {
        decodes.push_back(DecodeAlone(files));
        loads.push_back(TimedLoad(level));
        level.free();
    }
    const int count = static_cast<int>(files.pictures.size() + files.sounds.size() + files.music.size());
    return {level.name, SpreadOf(loads).median, SpreadOf(decodes).median, count};
}

// --- the report -------------------------------------------------------------

FILE* report = stdout;

void Print(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Print(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vfprintf(report, format, args);
    va_end(args);
}

int misses = 0;

const char* Verdict(bool pass)
{
    if (!pass) misses++;
    return pass ? "PASS" : "MISS";
}

double Megabytes(long bytes) { return bytes / (1024.0 * 1024.0); }

// Times in microseconds, then in blits: median, 99th percentile, worst.
void PrintScenes(const std::vector<SceneResult>& scenes)
{
    Print("\n%-22s %9s %9s %7s %7s %7s %7s %6s  %s\n", "scene", "median us", "worst us", "blit us", "median", "p99",
          "worst", "texts", "median <= 12, worst <= 30 blits");
    for (const SceneResult& scene : scenes) {
        const double median = scene.micros.median / scene.blit, worst = scene.micros.worst / scene.blit;
        Print("%-22s %9.0f %9.0f %7.0f %7.2f %7.2f %7.2f %6ld  %s\n", scene.name.c_str(), scene.micros.median,
              scene.micros.worst, scene.blit, median, scene.micros.p99 / scene.blit, worst, scene.texts,
              Verdict(median <= MEDIAN_BLITS && worst <= WORST_BLITS));
    }
}

void PrintLoads(const std::vector<LoadResult>& loads)
{
    Print("\n%-22s %9s %9s %8s %6s  %s\n", "level load", "load ms", "decode ms", "ratio", "files",
          "load <= 1.5 x decode");
    for (const LoadResult& load : loads) {
        const double ratio = load.loadMicros / load.decodeMicros;
        Print("%-22s %9.1f %9.1f %8.2f %6d  %s\n", load.name.c_str(), load.loadMicros / 1000, load.decodeMicros / 1000,
              ratio, load.files, Verdict(ratio <= LOAD_PER_DECODE));
    }
}

void PrintMemory(const std::vector<MemoryResult>& memory)
{
    Print("\n%-22s %9s %9s %8s %6s  %s\n", "memory", "peak MB", "pics MB", "ratio", "", "peak <= 1.25 x pictures");
    for (const MemoryResult& row : memory) {
        const double ratio = double(row.peak) / double(row.pictures);
        Print("%-22s %9.1f %9.1f %8.2f %6s  %s\n", row.name.c_str(), Megabytes(row.peak), Megabytes(row.pictures),
              ratio, "", Verdict(ratio <= PEAK_PER_PICTURES));
    }
    if (!PeakResettable())
        Print("(the peak could not be reset between levels: every row shows the peak of the run so far)\n");
}

// The game logs to standard output; the report keeps the real one and the
// log goes to /dev/null.
void SeparateReportFromLog()
{
    const int kept = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (kept < 0 || null < 0) return;
    fflush(stdout);
    dup2(null, STDOUT_FILENO);
    close(null);
    report = fdopen(kept, "w");
    if (!report) report = stderr;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int frames = argc > 1 ? std::max(1, atoi(argv[1])) : DEFAULT_FRAMES;
    const char* only = argc > 2 ? argv[2] : nullptr;
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SeparateReportFromLog();
    SetClockSource(&drivenClock);

    if (StartUp() != 0) {
        fprintf(stderr, "viprats_bench: the game did not start (is the working directory data/?)\n");
        return 1;
    }
    MakeReferencePicture();

    std::vector<SceneResult> scenes;
    std::vector<LoadResult> loads;
    std::vector<MemoryResult> memory;

    const auto chosen = [only](const Scene& scene) { return !only || strstr(scene.name, only); };
    picturePeak = CountLiveAssets().pictureBytes;
    if (chosen(MENU)) scenes.push_back(RunScene(MENU, frames));
    memory.push_back({"front end", PeakResidentBytes(), picturePeak});

    for (const Level& level : LEVELS_RUN) {
        if (only && std::none_of(level.scenes, level.scenes + level.sceneCount, chosen)) continue;
        if (!only) loads.push_back(MeasureLoad(level));
        ResetPeakResident();
        picturePeak = 0;
        level.load();
        NotePictures();
        for (int k = 0; k < level.sceneCount; k++)
            if (chosen(level.scenes[k])) scenes.push_back(RunScene(level.scenes[k], frames));
        memory.push_back({std::string(level.name) + " + front end", PeakResidentBytes(), picturePeak});
        InScene(STATE_MENU);
        level.free();
    }

    std::vector<double> blits;
    for (const SceneResult& scene : scenes) blits.push_back(scene.blit);
    const Spread blit = SpreadOf(blits);

    Print("viprats benchmark: %d frames a scene, the game's clock moving 30 ms a frame\n", frames);
    Print("1 blit = one opaque 1024x768 copy to the screen, timed before each scene: %.0f us (median), %.0f us"
          " (most)\n",
          blit.median, blit.worst);
    PrintScenes(scenes);
    if (!only) {
        PrintLoads(loads);
        PrintMemory(memory);
    }
    Print("\n%s\n", misses == 0 ? "all targets met" : (std::to_string(misses) + " target(s) missed").c_str());
    fflush(report);

    SDL_FreeSurface(referencePicture);
    ShutDown();
    return 0;
}

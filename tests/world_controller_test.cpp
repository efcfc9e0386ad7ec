// The controller's frame around the states: the music panel and its
// tracks, the score and clock texts, and the map, info and notice states.

#include <cstring>
#include <vector>

#include "frontend/menu.h"
#include "shell/colors.h"
#include "tests/level1_fixture.h"

namespace {

// A silent WAV that SDL_mixer plays as music, long enough to be still
// playing when the test looks. It is made in memory: tests run side by side,
// and one writing a shared file while another streams it from disk killed the
// reader now and then.
const std::vector<Uint8>& SilentTrack()
{
    static const std::vector<Uint8> wav = [] {
        const Uint32 rate = 8000, bytes = rate * 60;
        // A PCM header: mono, 8 bits, 8000 samples a second.
        const Uint32 header[] = {0x46464952, 36 + bytes, 0x45564157, 0x20746d66, 16, 0x00010001, rate, rate, 0x00080001,
                                 0x61746164, bytes};
        std::vector<Uint8> data(sizeof header + bytes, 128);
        std::memcpy(data.data(), header, sizeof header);
        return data;
    }();
    return wav;
}

class ControllerTest : public Level1Test {
protected:
    void SetUp() override
    {
        Level1Test::SetUp();
        if (HasFatalFailure()) return;
        const std::vector<Uint8>& track = SilentTrack();
        for (int number = 1; number <= MUSIC_TRACKS; number++)
            LVL1.Assets().ReplaceTrack(
                number, Mix_LoadMUSType_RW(SDL_RWFromConstMem(track.data(), static_cast<int>(track.size())), MUS_WAV, 1));
        Mix_HaltMusic();  // as the loading screen leaves it
    }
    void TearDown() override
    {
        Mix_HaltMusic();
        Level1Test::TearDown();
    }
    void OpenPanel()
    {
        Frame();
        FrameWith(SDLK_m);
        ASSERT_TRUE(FramesUntil([] { return play == PANEL_OPEN; }, 100));
    }
};

bool AnyPixel(SDL_Surface* screen, const SDL_Rect& area, Uint32 rgb)
{
    for (int y = area.y; y < area.y + area.h; y++)
        for (int x = area.x; x < area.x + area.w; x++)
            if (SurfacePixel(screen, x, y) == rgb) return true;
    return false;
}

}  // namespace

TEST_F(ControllerTest, PanelSlidesAtItsSpeedMIsIgnoredWhileClosingAndOnNoticesItStandsStill)
{
    UsePicture(PIC_MUSIC_PANEL, 0x8000FF);
    Frame();  // after set-up's jump in time, an ordinary frame time
    FrameWith(SDLK_m);
    EXPECT_TRUE(PlejierisB);
    int frames = 1;
    int last = playx;
    while (play == PANEL_OPENING && frames < 200) {
        Frame();
        EXPECT_GT(playx, last);
        EXPECT_LE(playx - last, 15);  // 450 px/s over 30 ms, truncated
        last = playx;
        frames++;
    }
    EXPECT_EQ(playx, 0);
    EXPECT_GT(frames, 818 / 15);
    EXPECT_EQ(Pixel(10, 300), 0x8000FFu);

    FrameWith(SDLK_m);
    EXPECT_EQ(play, PANEL_CLOSING);
    FrameWith(SDLK_m);  // does nothing while closing
    EXPECT_EQ(play, PANEL_CLOSING);
    EXPECT_TRUE(FramesUntil([] { return !PlejierisB; }, 200));
    EXPECT_EQ(play, PANEL_OPENING);
    EXPECT_EQ(playx, PANEL_HIDDEN_X);

    // On a notice the panel stands still, but m still acts.
    OpenPanel();
    process = STATE_HUNGER;
    HoldNeeds();
    FrameWith(SDLK_m);
    Frame(5);
    EXPECT_EQ(playx, 0);
    EXPECT_EQ(play, PANEL_CLOSING);
}

TEST_F(ControllerTest, TracksStartAtTwoFollowInALoopAndThePanelKeysPickAndPause)
{
    Frame();
    EXPECT_EQ(dziesmasNr, 2);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 64);
    dziesmasNr = 10;
    Mix_HaltMusic();  // the track ends
    Frame();
    EXPECT_EQ(dziesmasNr, 1);
    // Paused counts as playing: no advance.
    Mix_PauseMusic();
    Frame(3);
    EXPECT_EQ(dziesmasNr, 1);
    Mix_ResumeMusic();

    OpenPanel();
    const struct { int from; SDLKey key; int to; } cases[] = {{10, SDLK_u, 1}, {1, SDLK_t, 10}, {4, SDLK_u, 5}, {4, SDLK_t, 3}};
    for (const auto& c : cases) {
        dziesmasNr = c.from;
        FrameWith(c.key);
        EXPECT_EQ(dziesmasNr, c.to) << c.from;
        EXPECT_TRUE(Mix_PlayingMusic());
        EXPECT_EQ(Keys[c.key], 0);
    }
    FrameWith(SDLK_y);
    EXPECT_TRUE(Mix_PausedMusic());
    Frame(3);
    EXPECT_EQ(dziesmasNr, 3);
    FrameWith(SDLK_y);
    EXPECT_FALSE(Mix_PausedMusic());
}

TEST_F(ControllerTest, ScoreIsYellowOrRedAndHiddenOffTheWorldAndOnIntros)
{
    const SDL_Rect scoreArea = {Scoreloc.x, Scoreloc.y, 80, static_cast<Uint16>(768 - Scoreloc.y)};
    const Uint32 yellow = 0xFFFF00, red = 0xFF0A00;
    ClearPictures();
    Score.SetScore(12);
    HoldNeeds();
    Frame();
    EXPECT_TRUE(AnyPixel(screen, scoreArea, yellow));
    Score.SetScore(-12);
    Frame();
    EXPECT_TRUE(AnyPixel(screen, scoreArea, red));
    EXPECT_FALSE(AnyPixel(screen, scoreArea, yellow));

    // Not on the map (nor the info screen and notices), and not while a
    // mini-game's intro is up.
    UsePicture(PIC_MAP, 0x000000);
    UsePicture(PIC_WALLBALL_INTRO, 0x000000);
    for (const int state : {STATE_MAP, STATE_WALLBALL}) {
        process = state;
        HoldNeeds();
        Frame();
        EXPECT_FALSE(AnyPixel(screen, scoreArea, red)) << state;
    }
    EXPECT_FALSE(DrawTextB);
    // The pause screen's map leaves the intro; the world it closes to shows the score.
    FrameWith(SDLK_ESCAPE);
    pause_atels = 2;
    FrameWith(SDLK_RETURN);
    Frame();
    FrameWith(SDLK_k);
    HoldNeeds();
    Frame();
    EXPECT_EQ(process, STATE_WORLD);
    EXPECT_TRUE(AnyPixel(screen, scoreArea, red));
}

TEST_F(ControllerTest, MapInfoNoticeAndOverlayKeys)
{
    const struct { int state; SDLKey key; int after; bool restarts; } cases[] = {
        {STATE_WORLD, SDLK_k, STATE_MAP, false},  {STATE_MAP, SDLK_k, STATE_WORLD, false},
        {STATE_MAP, SDLK_RETURN, STATE_MAP, false}, {STATE_WORLD, SDLK_i, STATE_INFO, false},
        {STATE_INFO, SDLK_i, STATE_WORLD, false}, {STATE_INFO, SDLK_RETURN, STATE_WORLD, false},
        {STATE_HUNGER, SDLK_RETURN, STATE_WORLD, true}, {STATE_TIME_UP, SDLK_RETURN, STATE_WORLD, true},
        {STATE_HUNGER, SDLK_k, STATE_HUNGER, false},
    };
    for (const auto& c : cases) {
        process = c.state;
        Manta[0].taken = 1;
        HoldNeeds();
        FrameWith(c.key);
        EXPECT_EQ(process, c.after) << c.state << " " << c.key;
        EXPECT_EQ(Manta[0].taken, c.restarts ? 0 : 1) << c.state << " " << c.key;
    }

    // F3 switches the developer overlay: the player's circle, blue, radius
    // 40 about the sprite's centre.
    ClearPictures();
    process = STATE_WORLD;
    HoldNeeds();
    EXPECT_FALSE(LVL1.DevOverlayOn());
    FrameWith(SDLK_F3);
    EXPECT_TRUE(LVL1.DevOverlayOn());
    Frame();
    EXPECT_EQ(Pixel(522 + 40, 424), 0x0000FFu);
    FrameWith(SDLK_F3);
    EXPECT_FALSE(LVL1.DevOverlayOn());
}

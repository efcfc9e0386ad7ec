#ifndef VIPRATS_TESTS_PLAYTHROUGH_PILOT_H
#define VIPRATS_TESTS_PLAYTHROUGH_PILOT_H

// Plays the game through its keys alone: every key goes into SDL's event
// queue before a frame, exactly as a keyboard would put it there, and every
// change of a key is recorded so that the same game can be replayed.

#include <SDL.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// Before frame `frame` (counted from the first frame the pilot ran), `key`
// went down or up.
struct KeyChange {
    int frame;
    int key;
    bool down;
};

// A step of the playthrough that could not be completed; the message names it.
struct Stuck : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Pilot {
public:
    Pilot();

    // One pass of the real main loop with the keys as held now.
    void Frame(int count = 1);
    void Hold(SDLKey key);
    void Let(SDLKey key);
    void LetAll();
    // Down for one frame; the release is seen with the next frame.
    void Tap(SDLKey key);
    // Taps each character as its key, a frame apart.
    void Type(const char* keys);

    // Frames until done() holds; Stuck naming the step after `limit` frames.
    void Until(const std::string& step, const std::function<bool()>& done, int limit = 3000);
    // A mini-game's frames while going() holds: each frame's keys let go,
    // then held by keys(); at the end they are let go and that is seen.
    void While(const std::string& step, const std::function<bool()>& going, const std::function<void()>& keys,
               int limit = 3000);
    // Holds `more` when `want` lies beyond `at` by more than `slack`, `less`
    // when short of it by as much.
    void Steer(SDLKey less, SDLKey more, float at, float want, float slack);
    [[noreturn]] void Fail(const std::string& step, const std::string& why = "") const;

    int FrameNumber() const { return frame; }
    const std::vector<KeyChange>& Recording() const { return changes; }
    // Runs after every frame, e.g. to take checkpoints.
    std::function<void(int frame)> afterFrame;

private:
    std::vector<KeyChange> changes;
    std::vector<bool> held, wanted;
    int frame = 0;
};

#endif

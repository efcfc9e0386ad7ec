#ifndef VIPRATS_SHELL_SCORE_H
#define VIPRATS_SHELL_SCORE_H

const int SCORE_LEVEL_SLOTS = 7;

// The running total of the whole game and one share per finished level.
class CScore {
public:
    int GetScore() const { return total; }
    int GetScore(int level) const;
    void SetScore(int value) { total = value; }
    void SetScore(int value, int level);
    void AddScore(int delta) { total += delta; }
    // Only the total: the level shares of an earlier game stay.
    void Reset() { total = 0; }

private:
    int total;
    int levelScore[SCORE_LEVEL_SLOTS];
};

extern CScore Score;

#endif

#include "shell/score.h"

CScore Score;

static bool IsLevelSlot(int level) { return level >= 0 && level < SCORE_LEVEL_SLOTS; }

int CScore::GetScore(int level) const { return IsLevelSlot(level) ? levelScore[level] : total; }

void CScore::SetScore(int value, int level)
{
    if (IsLevelSlot(level))
        levelScore[level] = value;
    else
        total = value;
}

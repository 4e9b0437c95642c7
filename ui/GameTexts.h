#pragma once

#include <QString>

// Names the player reads in the status panel and the high-score dialog.

constexpr int DifficultyCount = 4;
constexpr int LevelCount = 9;
// "容易", "普通", "困难", "超级"; empty for any other number.
QString DifficultyName(int difficulty);
// "1  无变化": the level number and the name of its sliding rule.
QString LevelCaption(int level);

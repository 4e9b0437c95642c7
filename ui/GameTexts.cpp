#include "ui/GameTexts.h"

#include <array>

QString DifficultyName(int difficulty)
{
    static const std::array<QString, DifficultyCount> names = {
        QStringLiteral("容易"), QStringLiteral("普通"), QStringLiteral("困难"), QStringLiteral("超级")};
    return difficulty >= 0 && difficulty < DifficultyCount ? names[difficulty] : QString();
}

QString LevelCaption(int level)
{
    static const std::array<QString, 9> names = {
        QStringLiteral("无变化"), QStringLiteral("从上到下"), QStringLiteral("从下到上"),
        QStringLiteral("上下分离"), QStringLiteral("左右分离"), QStringLiteral("从右到左"),
        QStringLiteral("从左到右"), QStringLiteral("上下集中"), QStringLiteral("左右集中")};
    const bool known = level >= 1 && level <= static_cast<int>(names.size());
    return QString::number(level) + QStringLiteral("  ") + (known ? names[level - 1] : QString());
}

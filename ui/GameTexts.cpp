#include "ui/GameTexts.h"

#include <QCoreApplication>

#include <array>

QString DifficultyName(int difficulty)
{
    static constexpr std::array<const char*, DifficultyCount> names = {
        QT_TRANSLATE_NOOP("GameTexts", "容易"), QT_TRANSLATE_NOOP("GameTexts", "普通"),
        QT_TRANSLATE_NOOP("GameTexts", "困难"), QT_TRANSLATE_NOOP("GameTexts", "超级")};
    return difficulty >= 0 && difficulty < DifficultyCount ? QCoreApplication::translate("GameTexts", names[difficulty])
                                                           : QString();
}

QString LevelCaption(int level)
{
    static constexpr std::array<const char*, LevelCount> names = {
        QT_TRANSLATE_NOOP("GameTexts", "无变化"), QT_TRANSLATE_NOOP("GameTexts", "从上到下"),
        QT_TRANSLATE_NOOP("GameTexts", "从下到上"), QT_TRANSLATE_NOOP("GameTexts", "上下分离"),
        QT_TRANSLATE_NOOP("GameTexts", "左右分离"), QT_TRANSLATE_NOOP("GameTexts", "从右到左"),
        QT_TRANSLATE_NOOP("GameTexts", "从左到右"), QT_TRANSLATE_NOOP("GameTexts", "上下集中"),
        QT_TRANSLATE_NOOP("GameTexts", "左右集中")};
    const bool known = level >= 1 && level <= static_cast<int>(names.size());
    return QString::number(level) + QStringLiteral("  ")
         + (known ? QCoreApplication::translate("GameTexts", names[level - 1]) : QString());
}

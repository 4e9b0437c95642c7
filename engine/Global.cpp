#include "Global.h"

#include "platform/IniFile.h"
#include "platform/Resources.h"
#include "platform/System.h"

#include <algorithm>

namespace {

template <typename Value>
void Assign(TGameParams* params, Value& field, Value value, const TNotifyEvent<TGameParams>& onChange)
{
    field = value;
    if (onChange)
        onChange(params);
}

platform::IniFile OpenSettings()
{
    DataDir = platform::DataDir();
    SettingsPath = DataDir + QStringLiteral("Game") + QStringLiteral(".ini");
    return platform::IniFile(SettingsPath);
}

}  // namespace

void TGameParams::SetLevel(std::uint8_t value) { Assign(this, Level, value, OnLevelChange); }
void TGameParams::SetScore(std::int32_t value) { Assign(this, Score, value, OnScoreChange); }
void TGameParams::SetHints(std::uint8_t value) { Assign(this, Hints, value, OnHintsChange); }
void TGameParams::SetResets(std::uint8_t value) { Assign(this, Resets, value, OnResetsChange); }
void TGameParams::SetPaused(bool value) { Assign(this, Paused, value, OnPauseChange); }
void TGameParams::SetDifficulty(std::uint8_t value) { Assign(this, Difficulty, value, OnDifficultyChange); }

std::uint8_t CounterPlus(std::uint8_t value, int amount)
{
    return static_cast<std::uint8_t>(std::clamp(value + amount, 0, 255));
}

bool MusicSetting = false;
bool SoundSetting = false;
std::uint8_t PatternSetting = 0;
QString DataDir;
QString SettingsPath;

void LoadSettings()
{
    const platform::IniText ini = OpenSettings().Read();
    const QString section = platform::LoadResString(platform::StringId::GameIni);
    MusicSetting = ini.ReadBool(section, QStringLiteral("Music"), false);
    SoundSetting = ini.ReadBool(section, QStringLiteral("Sound"), true);
    PatternSetting = static_cast<std::uint8_t>(ini.ReadInteger(section, QStringLiteral("Pattern"), 1));
}

void SaveSettings()
{
    const QString section = platform::LoadResString(platform::StringId::GameIni);
    OpenSettings().Update([&](platform::IniText& ini) {
        ini.WriteBool(section, QStringLiteral("Music"), MusicSetting);
        ini.WriteBool(section, QStringLiteral("Sound"), SoundSetting);
        ini.WriteInteger(section, QStringLiteral("Pattern"), PatternSetting);
    });
}

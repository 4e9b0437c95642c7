#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// A change event: a handler bound to its target, raised only when assigned, with the sender.
template <typename Sender>
using TNotifyEvent = std::function<void(Sender*)>;

// The state of a running game. Six values are properties whose setters store the value and
// then raise the field's change event every time, also when the value did not change; the
// setters neither compare nor clamp, so callers keep counters within range.
class TGameParams {
public:
    std::uint8_t Rows = 0;
    std::uint8_t Cols = 0;
    std::uint8_t Level = 0;
    TNotifyEvent<TGameParams> OnLevelChange;
    std::int32_t Score = 0;
    TNotifyEvent<TGameParams> OnScoreChange;
    std::uint8_t TilesLeft = 0;
    std::uint8_t Hints = 0;
    TNotifyEvent<TGameParams> OnHintsChange;
    std::uint8_t Resets = 0;
    TNotifyEvent<TGameParams> OnResetsChange;
    TNotifyEvent<TGameParams> OnPauseChange;
    bool Playing = false;
    bool Paused = false;
    bool HintRequest = false;
    std::int32_t PairsAvailable = 0;
    std::uint8_t Difficulty = 0;
    TNotifyEvent<TGameParams> OnDifficultyChange;
    bool SoundOn = false;
    bool MusicOn = false;
    std::int32_t BackStyle = 0;

    void SetLevel(std::uint8_t value);
    void SetScore(std::int32_t value);
    void SetHints(std::uint8_t value);
    void SetResets(std::uint8_t value);
    void SetPaused(bool value);
    void SetDifficulty(std::uint8_t value);
};

// Hints and reshuffles are 8-bit counters: a penalty at 0 leaves them at 0 rather than
// wrapping round to 255, and a gift at 255 never wraps them round to a small number.
std::uint8_t CounterPlus(std::uint8_t value, int amount);

// Player options kept between runs in Game.ini in the game's data folder (platform::DataDir).
extern bool MusicSetting;
extern bool SoundSetting;
extern std::uint8_t PatternSetting;

// The folder of the game's files (with its trailing separator) and the settings file's full
// path, as of the last load or save.
extern QString DataDir;
extern QString SettingsPath;

// Missing file, section or key, or a value that is not a number, reads as the key's default.
void LoadSettings();
// Writes the three keys in one replace of the file. Throws platform::IniWriteError ("Unable to
// write to <path>") when it cannot; the file then keeps its previous contents.
void SaveSettings();

#include "engine/Global.h"
#include "platform/IniFile.h"
#include "platform/System.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSwitches.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace {

class SettingsTest : public testing::Test {
protected:
    void WriteSettings(const QByteArray& bytes) { ASSERT_TRUE(WriteFileBytes(GameIniPath(), bytes)); }
    QByteArray ReadSettings() const { return ReadFileBytes(GameIniPath()); }
    QString GameIniPath() const { return dir_.filePath(QStringLiteral("Game.ini")); }

    QTemporaryDir dir_;
    TestSwitches switches_{dir_.path() + QLatin1Char('/')};
};

TEST_F(SettingsTest, MissingFileGivesSoundOnMusicOffFirstSheetAndASaveWritesTheThreeKeysInOrder)
{
    LoadSettings();
    EXPECT_EQ(std::make_tuple(SoundSetting, MusicSetting, int(PatternSetting)), std::make_tuple(true, false, 1));
    EXPECT_EQ(SettingsPath, GameIniPath());
    SaveSettings();
    const QByteArray text = ReadSettings().replace("\r\n", "\n");
    EXPECT_EQ(text, QByteArray("[GameIni]\nMusic=0\nSound=1\nPattern=1\n"));
}

TEST_F(SettingsTest, ReadsValuesAsTheGameWroteThemOrAsEditedByHand)
{
    WriteSettings("[gameini]\r\nmusic=1\r\nSOUND=2\r\nPattern=$3\r\n");
    LoadSettings();
    EXPECT_EQ(std::make_tuple(SoundSetting, MusicSetting, int(PatternSetting)), std::make_tuple(true, true, 3));

    SaveSettings();
    const QByteArray text = ReadSettings();
    EXPECT_TRUE(text.contains("Sound=1") || text.contains("SOUND=1")) << text.constData();
}

TEST_F(SettingsTest, UnknownPatternIsKeptAndWrittenBackWithinItsLowEightBits)
{
    WriteSettings("[GameIni]\nPattern=9\n");
    LoadSettings();
    EXPECT_EQ(PatternSetting, 9);
    SaveSettings();
    EXPECT_TRUE(ReadSettings().contains("Pattern=9"));

    WriteSettings("[GameIni]\nPattern=258\n");
    LoadSettings();
    EXPECT_EQ(PatternSetting, 2);
}

TEST_F(SettingsTest, OtherSectionsSurviveASave)
{
    WriteSettings("[Window]\r\nLeft=10\r\n[GameIni]\r\nSound=0\r\nExtra=keep\r\n[Later]\r\nx=y\r\n");
    LoadSettings();
    EXPECT_FALSE(SoundSetting);
    SaveSettings();
    const QByteArray text = ReadSettings();
    for (const char* kept : {"[Window]", "Left=10", "Extra=keep", "[Later]", "x=y", "Sound=0", "Music=0", "Pattern=1"})
        EXPECT_TRUE(text.contains(kept)) << kept;
}

TEST_F(SettingsTest, GarbageReadsAsDefaults)
{
    QByteArray garbage("[GameIni]\nSound=yes please\nMusic=\xff\xfe\nPattern=one\n");
    garbage.append(QByteArray(1 << 20, 'x'));  // a megabyte without a line end
    WriteSettings(garbage);
    LoadSettings();
    EXPECT_EQ(std::make_tuple(SoundSetting, MusicSetting, int(PatternSetting)), std::make_tuple(true, false, 1));
}

TEST_F(SettingsTest, FailedSaveNamesTheFileAndKeepsItsContents)
{
    const QByteArray before("[GameIni]\r\nSound=0\r\n");
    WriteSettings(before);
    LoadSettings();
    // A directory where the temporary file would go makes the write fail, even for root.
    const QString blocked = dir_.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/Game.ini")));
    platform::SetDataDirForTesting(blocked + QLatin1Char('/'));
    try {
        SaveSettings();
        FAIL() << "the save reported success";
    } catch (const platform::IniWriteError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), QStringLiteral("Unable to write to ") + blocked + QStringLiteral("/Game.ini"));
    }
    EXPECT_EQ(ReadSettings(), before);
}

}  // namespace

#include "platform/Desktop.h"
#include "platform/Jpeg.h"
#include "platform/Resources.h"
#include "platform/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

TEST(System, DataDirEndsInASeparatorAndCanBeRedirected)
{
    EXPECT_EQ(ExecutableDir(), QCoreApplication::applicationDirPath() + "/");
    const QString chosen = DataDir();
    EXPECT_TRUE(chosen.endsWith('/'));
    SetDataDirForTesting("/tmp/somewhere");
    EXPECT_EQ(DataDir(), "/tmp/somewhere/");
    SetDataDirForTesting(QString());
    EXPECT_EQ(DataDir(), chosen);
}

// Root may write into any folder, so the unwritable one here lies under a plain file.
TEST(System, FilesLiveBesideTheExecutableWhereTheyCanElseInTheDataFolder)
{
    QTemporaryDir dir;
    const QString userData = dir.filePath("home/.local/share/zenkara");
    EXPECT_EQ(ChooseDataDir(dir.path(), userData), dir.path() + "/");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());

    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    EXPECT_EQ(ChooseDataDir(dir.filePath("plain/games"), userData), userData + "/");
    EXPECT_TRUE(QFileInfo(userData).isDir());
}

TEST(System, InstructionsAreTheFirstFileFoundInTheFoldersInTurn)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("current"), second = dir.filePath("exe"), third = dir.filePath("data");
    for (const QString& folder : {first, second, third})
        ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir().mkpath(first + "/ReadMe.txt"));  // a folder of that name is no file
    for (const QString& folder : {second, third}) {
        QFile file(folder + "/ReadMe.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(FindFileIn("ReadMe.txt", {first, second, third}), second + "/ReadMe.txt");
    EXPECT_EQ(FindFileIn("ReadMe.txt", {first, third + "/../data"}), third + "/ReadMe.txt");
    EXPECT_EQ(FindFileIn("Other.txt", {first, second, third}), QString());

    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(third));
    const QString found = FindInstructions("ReadMe.txt");
    QDir::setCurrent(before);
    EXPECT_EQ(found, third + "/ReadMe.txt") << "the current directory comes first";
}

TEST(System, ScreenHeightCanBeSetAndRestored)
{
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    const int real = QGuiApplication::primaryScreen()->size().height();
    EXPECT_EQ(ScreenHeight(), real);
    SetScreenHeightForTesting(600);
    EXPECT_EQ(ScreenHeight(), 600);
    SetScreenHeightForTesting(0);
    EXPECT_EQ(ScreenHeight(), real);
}

// Year first, in full, whatever the desktop's language, as the Simplified Chinese desktop writes it.
TEST(System, ShortDateIsTodaysDateYearFirst)
{
    const QString text = CurrentShortDate();
    EXPECT_EQ(QDate::fromString(text, QStringLiteral("yyyy/M/d")), QDate::currentDate()) << text.toStdString();
}

// With the scale at 0 even a quarter of an hour's wait returns at once (were the scale ignored, the test
// would run into its time-out); the observer still sees each wait at its unscaled length.
TEST(System, SleepScaleZeroMakesWaitsInstant)
{
    std::vector<int> seen;
    SetSleepObserverForTesting([&](int milliseconds) { seen.push_back(milliseconds); });
    SetSleepScaleForTesting(0.0);
    Sleep(1000000);
    Sleep(-5);
    SetSleepScaleForTesting(1.0);
    Sleep(0);
    SetSleepObserverForTesting({});
    EXPECT_EQ(seen, (std::vector<int>{1000000, -5, 0}));
}

TEST(Desktop, RecordedRequestsCarryTheUrlOrTheAbsolutePath)
{
    RecordDesktopRequests(true);
    ClearRecordedDesktopRequests();
    OpenUrl("mailto:someone@example.com");
    OpenTextFile("ReadMe.txt");
    EXPECT_EQ(RecordedDesktopRequests(),
              (QStringList{"url:mailto:someone@example.com", "file:" + QDir::current().absoluteFilePath("ReadMe.txt")}));
    ClearRecordedDesktopRequests();
    EXPECT_TRUE(RecordedDesktopRequests().isEmpty());
    RecordDesktopRequests(false);
}

TEST(Resources, StringTableHoldsTheSectionNames)
{
    EXPECT_EQ(LoadResString(StringId::GameIni), "GameIni");
    EXPECT_EQ(LoadResString(StringId::Name), "Name");
    EXPECT_EQ(LoadResString(StringId::Score), "Score");
    EXPECT_EQ(LoadResString(StringId::RecordTime), "RecordTime");
}

TEST(Resources, UnknownNamesGiveNothing)
{
    EXPECT_TRUE(LoadBitmapResource("NOSUCHBITMAP").isNull());
    EXPECT_TRUE(LoadBitmapResource("../sounds/TESTBEEP").isNull());
    EXPECT_FALSE(LoadBitmapResource("TESTTILE").isNull());
    EXPECT_TRUE(LoadResourceData(":/pictures/NoSuch.jpg").isEmpty());
    EXPECT_EQ(LoadResourceData(":/sounds/TESTBEEP.wav").left(4), QByteArray("RIFF"));
}

// The game's artwork lives in a static library's resources; this shows that it reaches an
// executable linked only against the platform layer, in the shapes the game relies on.
TEST(Resources, GameArtworkIsEmbeddedAndDecodes)
{
    EXPECT_EQ(LoadBitmapResource("ANIMAL1").size(), QSize(78, 1755));
    EXPECT_EQ(LoadBitmapResource("ANIMAL4").size(), QSize(78, 1755));
    EXPECT_EQ(LoadBitmapResource("BK").size(), QSize(46, 560));
    EXPECT_EQ(LoadResourceData(":/sounds/SNDCLICK.wav").left(4), QByteArray("RIFF"));
    EXPECT_EQ(DecodeJpeg(LoadResourceData(":/pictures/Start.jpg")).size(), QSize(640, 450));
}

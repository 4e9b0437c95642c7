#include "tests/support/ModalAnswer.h"
#include "tests/ui/ScoreFiles.h"

#include "platform/IniFile.h"
#include "platform/System.h"
#include "ui/LinkRecord.h"
#include "ui/WriteNameBox.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>

#include <tuple>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Entry i (1 to 10) as name, score and date, checked in one comparison.
std::tuple<QString, int, QString> Entry(int i)
{
    return {ScoreTable[i - 1].Name, ScoreTable[i - 1].Score, ScoreTable[i - 1].RecordTime};
}

void ExpectDefaultEntry(int entry)
{
    EXPECT_EQ(Entry(entry), std::make_tuple(QStringLiteral("无名氏"), 11000 - 1000 * entry, QStringLiteral("2008年")))
        << "entry " << entry;
}

// The name box answer that types `name` and records it.
auto Typing(const QString& name)
{
    return [name](TWriteNameBox* box) {
        box->Edit1->setText(name);
        box->btnWrite->click();
    };
}

using ScoreTableTest = ScoreFilesTest;

TEST_F(ScoreTableTest, SortExchangesEntriesTheGamesWay)
{
    // A stable sort would give BIDFGHJACE: where equal scores end up is part of the game.
    const int scores[] = {1, 3, 1, 2, 1, 2, 2, 2, 3, 2};
    for (int i = 0; i < ScoreCount; ++i)
        ScoreTable[i] = {QChar(u'A' + i), scores[i], QString::number(i)};
    SortScores();
    QString names;
    for (const ScoreEntry& entry : ScoreTable)
        names += entry.Name;
    EXPECT_EQ(names, QStringLiteral("IBGHDJFACE"));
    EXPECT_EQ(ScoreTable[0].RecordTime, QStringLiteral("8"));  // dates travel with their names
}

TEST_F(ScoreTableTest, OnlyScoresAboveEntryTenAreRecordedBelowEqualOnes)
{
    {
        ExpectNoDialog<TWriteNameBox> unexpected;
        RecordHighScoreFor(nullptr, 0, QStringLiteral("1000"));
    }
    EXPECT_FALSE(QFile::exists(ScoreFile(0)));
    {
        ModalAnswer<TWriteNameBox> answer(Typing(QStringLiteral("小明")));
        RecordHighScoreFor(nullptr, 1, QStringLiteral("1001"));
    }
    LoadScores(1);
    ExpectDefaultEntry(9);
    EXPECT_EQ(Entry(10), std::make_tuple(QStringLiteral("小明"), 1001, platform::CurrentShortDate()));
    {
        ModalAnswer<TWriteNameBox> answer(Typing(QStringLiteral("Neo")));
        RecordHighScoreFor(nullptr, 3, QStringLiteral("5000"));
    }
    LoadScores(3);
    ExpectDefaultEntry(6);
    EXPECT_EQ(Entry(7), std::make_tuple(QStringLiteral("Neo"), 5000, platform::CurrentShortDate()));
    EXPECT_EQ(ScoreTable[9].Score, 2000);
}

TEST_F(ScoreTableTest, HandEditedFileIsSortedOnLoadButNotRewritten)
{
    const QByteArray file = "[Score]\r\n1=10\r\n2=30000\r\n3=abc\r\n[Name]\r\n1=ten\r\n2=top\r\n";
    ASSERT_TRUE(WriteFileBytes(ScoreFile(0), file));
    LoadScores(0);
    EXPECT_EQ(ScoreTable[0].Name, QStringLiteral("top"));
    EXPECT_EQ(ScoreTable[1].Score, 8000);  // "abc" reads as entry 3's default
    EXPECT_EQ(Entry(10), std::make_tuple(QStringLiteral("ten"), 10, QStringLiteral("2008年")));
    EXPECT_EQ(ReadFileBytes(ScoreFile(0)), file);
}

TEST_F(ScoreTableTest, ReadsAGbkFileWrittenByAnotherProgram)
{
    // 张三, 李四 and 年 in GBK; sections in an unusual order, CRLF line ends.
    ASSERT_TRUE(WriteFileBytes(ScoreFile(2), "[RecordTime]\r\n2=2023\xC4\xEA\r\n1=2024\xC4\xEA\r\n[score]\r\n"
                                             "2=12000\r\n1=$3A98\r\n[Name]\r\n1=\xD5\xC5\xC8\xFD\r\n2=\xC0\xEE\xCB\xC4\r\n"));
    LoadScores(2);
    EXPECT_EQ(Entry(1), std::make_tuple(QStringLiteral("张三"), 15000, QStringLiteral("2024年")));
    EXPECT_EQ(Entry(2), std::make_tuple(QStringLiteral("李四"), 12000, QStringLiteral("2023年")));
    ExpectDefaultEntry(3);
}

TEST_F(ScoreTableTest, AwkwardNamesRoundTripWithoutChangingTheFileLayout)
{
    const QString longAscii(10000, QLatin1Char('w'));
    const QString longChinese = QStringLiteral("ab") + QString(1500, QChar(u'名'));  // 3002 GBK bytes
    const QStringList names{QStringLiteral("line\nbreak\r\n[Name]\n1=evil"), QStringLiteral("a=b"),
                            QStringLiteral("[Score]"), QStringLiteral("  padded  "), QStringLiteral(" "),
                            QStringLiteral("😀𠀀€"), longAscii, longChinese, QStringLiteral("\"quoted\""), QString()};
    QStringList expected = names;
    expected[0] = QStringLiteral("line break  [Name] 1=evil");
    expected[6] = longAscii.left(2047);
    expected[7] = QStringLiteral("ab") + QString(1022, QChar(u'名'));  // cut at a character boundary
    for (int i = 0; i < ScoreCount; ++i)
        ScoreTable[i] = {names[i], 100 - i, QStringLiteral("=[x]\n")};
    SaveScores(1);
    LoadScores(1);
    for (int i = 0; i < ScoreCount; ++i)
        EXPECT_EQ(Entry(i + 1), std::make_tuple(expected[i], 100 - i, QStringLiteral("=[x] "))) << i;
    const QList<QByteArray> lines = ReadFileBytes(ScoreFile(1)).split('\n');
    EXPECT_EQ(lines.size(), 3 * (1 + ScoreCount) + 1);  // three sections of ten keys, a final line end
    EXPECT_EQ(lines.count("[Score]\r"), 1);
}

TEST_F(ScoreTableTest, UnreadableFilesGiveDefaultsForWhatCannotBeRead)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char(i * 7);
    QByteArray garbage(10 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator(42).fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    for (const QByteArray& contents : {QByteArray(), binary, garbage}) {
        ASSERT_TRUE(WriteFileBytes(ScoreFile(0), contents));
        LoadScores(0);
        for (int i = 1; i <= ScoreCount; ++i)
            ExpectDefaultEntry(i);
    }
    ASSERT_TRUE(WriteFileBytes(ScoreFile(0), binary + "\n[Score]\n4=7777\n" + binary));
    LoadScores(0);
    EXPECT_EQ(ScoreTable[3].Score, 7777);
    ExpectDefaultEntry(5);
}

TEST_F(ScoreTableTest, NamesThatAreNoGbkAreWrittenBackByteForByte)
{
    const QByteArray odd = "A\xFF\xD5";  // a byte no GBK character starts with, and a character cut off
    ASSERT_TRUE(WriteFileBytes(ScoreFile(0), "[Name]\r\n1=" + odd + "\r\n[Score]\r\n1=20000\r\n"));
    LoadScores(0);
    EXPECT_EQ(ScoreTable[0].Name, QStringLiteral("A\uFFFD\uFFFD"));
    RecordScore(0, {QStringLiteral("top"), 30000, QStringLiteral("today")});  // moves it to entry 2
    EXPECT_TRUE(ReadFileBytes(ScoreFile(0)).contains("\r\n2=" + odd + "\r\n"));
}

// Each copy of the game records its scores through the real save path, in a process of its own.
TEST_F(ScoreTableTest, TwoCopiesRecordingAtOnceKeepEveryEntry)
{
    constexpr int Copies = 2;
    constexpr int PerCopy = 5;
    const auto nameOf = [](int copy, int i) { return QStringLiteral("copy%1-%2").arg(copy).arg(i); };
    std::array<pid_t, Copies> copies{};
    for (int copy = 0; copy < Copies; ++copy) {
        copies[copy] = fork();
        ASSERT_GE(copies[copy], 0);
        if (copies[copy] == 0) {
            int failures = 0;
            for (int i = 0; i < PerCopy; ++i) {
                try {
                    RecordScore(0, {nameOf(copy, i), 20000 + 10 * i + copy, QStringLiteral("now")});
                } catch (const platform::IniWriteError&) {
                    ++failures;
                }
            }
            _exit(failures);
        }
    }
    for (const pid_t copy : copies) {
        int status = 0;
        ASSERT_EQ(waitpid(copy, &status, 0), copy);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    LoadScores(0);
    QStringList names;
    for (const ScoreEntry& entry : ScoreTable)
        names << entry.Name;
    for (int copy = 0; copy < Copies; ++copy)
        for (int i = 0; i < PerCopy; ++i)
            EXPECT_TRUE(names.contains(nameOf(copy, i))) << names.join(' ').toStdString();
}

TEST_F(ScoreTableTest, FailedWriteIsReportedAndKeepsTheOldFile)
{
    const QByteArray old = "[Score]\r\n10=5\r\n";
    ASSERT_TRUE(WriteFileBytes(ScoreFile(2), old));
    ModalAnswer<TWriteNameBox> name(Typing(QStringLiteral("Ann")));
    ModalAnswer<QMessageBox> error([path = ScoreFile(2)](QMessageBox* box) {
        EXPECT_EQ(box->text(), QStringLiteral("Unable to write to ") + path);
        box->button(QMessageBox::Ok)->click();
    });
    {
        FileSizeLimit limit(old.size());  // root ignores permissions, not this limit
        RecordHighScoreFor(nullptr, 2, QStringLiteral("600"));
    }
    EXPECT_EQ(ReadFileBytes(ScoreFile(2)), old);
}

// Each entry's name grows by a letter: a save that wrote key by key would get past the first
// entries before the size limit stopped it, leaving new names beside old ones.
TEST_F(ScoreTableTest, SaveFailingHalfWayLeavesTheWholeOldTable)
{
    ResetScores();
    SaveScores(0);
    const QByteArray old = ReadFileBytes(ScoreFile(0));
    for (ScoreEntry& entry : ScoreTable)
        entry.Name += QLatin1Char('x');
    {
        FileSizeLimit limit(old.size() + 5);
        EXPECT_THROW(SaveScores(0), platform::IniWriteError);
    }
    EXPECT_EQ(ReadFileBytes(ScoreFile(0)), old);
}

}  // namespace

#include "platform/IniFile.h"

#include "platform/GbkText.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using platform::IniFile;
using platform::IniText;
using platform::IniWriteError;

namespace {

class IniFileTest : public testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("Game.ini")) const { return dir_.filePath(name); }

    void writeBytes(const QByteArray& bytes, const QString& name = QStringLiteral("Game.ini")) const
    {
        ASSERT_TRUE(WriteFileBytes(path(name), bytes));
    }
    QByteArray readBytes(const QString& name = QStringLiteral("Game.ini")) const { return ReadFileBytes(path(name)); }

    QTemporaryDir dir_;
    IniFile ini_{path()};  // Game.ini in the test's folder
};

mode_t PermissionBitsOf(const QString& path)
{
    struct stat info {};
    return stat(qPrintable(path), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    IniFile missing(path(QStringLiteral("none.ini")));
    EXPECT_EQ(missing.Read().ReadString("GameIni", "Music", "d"), "d");
    EXPECT_EQ(missing.Read().ReadInteger("GameIni", "Pattern", 1), 1);
    EXPECT_TRUE(missing.Read().ReadBool("GameIni", "Sound", true));

    writeBytes("[GameIni]\r\nMusic=1\r\n[Other]\r\nPattern=4\r\n");
    EXPECT_EQ(ini_.Read().ReadInteger("GameIni", "Pattern", 1), 1);  // only in another section
    EXPECT_EQ(ini_.Read().ReadInteger("Nope", "Music", 7), 7);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none.ini"))));
}

TEST_F(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase)
{
    const QByteArray chinese = platform::ToGbk(QStringLiteral("[名字Ab]\r\n键Key=值\r\n"));
    writeBytes("[gameini]\r\nMUSIC=1\r\n" + chinese);
    EXPECT_TRUE(ini_.Read().ReadBool("GameIni", "music", false));
    EXPECT_EQ(ini_.Read().ReadString(QStringLiteral("名字aB"), QStringLiteral("键kEY"), ""), QStringLiteral("值"));
    EXPECT_EQ(ini_.Read().ReadString(QStringLiteral("名字"), QStringLiteral("键kEY"), "none"), "none");

    ini_.Update([&](IniText& text) { text.WriteInteger("GAMEINI", "Music", 0); });
    EXPECT_EQ(readBytes(), "[gameini]\r\nMUSIC=0\r\n" + chinese);
}

TEST_F(IniFileTest, ReadsLfCrlfAndLoneCrLinesTrimmingSpacesAndHeadersAsWindowsDoes)
{
    writeBytes("[A]\nx=1\n  y  =  two words  \r\n[B]\r\nz=3");
    EXPECT_EQ(ini_.Read().ReadInteger("A", "x", 0), 1);
    EXPECT_EQ(ini_.Read().ReadString("A", "y", ""), "two words");
    EXPECT_EQ(ini_.Read().ReadInteger("B", "z", 0), 3);

    writeBytes("[GameIni]\rSound=0\rPattern=3\r");
    EXPECT_FALSE(ini_.Read().ReadBool("GameIni", "Sound", true));
    ini_.Update([](IniText& text) {
        text.WriteBool("GameIni", "Sound", true);
        text.WriteInteger("GameIni", "Music", 1);
    });
    EXPECT_EQ(readBytes(), QByteArray("[GameIni]\rSound=1\rPattern=3\rMusic=1\r"));

    // 廬's second byte is ']'; "[Note" is no header, so the keys after it stay in [GameIni].
    const QByteArray lu = "\x8F\x5D";
    writeBytes("[GameIni]\n[Note\r\nPattern=4\n[" + lu + "]\r\nk=" + lu + "\n");
    const IniText text = ini_.Read();
    EXPECT_EQ(text.ReadInteger("GameIni", "Pattern", 1), 4);
    EXPECT_EQ(text.ReadString(QStringLiteral("廬"), "k", ""), QStringLiteral("廬"));
}

TEST_F(IniFileTest, Utf16FileIsReadAndWrittenBackAsUtf16)
{
    const auto utf16 = [](const QString& text) {
        return "\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    writeBytes(utf16(QStringLiteral("[Name]\r\n1=张三\r\n2=😀\r\n")));
    EXPECT_EQ(ini_.Read().ReadString("Name", "1", ""), QStringLiteral("张三"));
    ini_.Update([](IniText& text) { text.WriteString("Name", "3", QStringLiteral("李四")); });
    EXPECT_EQ(readBytes(), utf16(QStringLiteral("[Name]\r\n1=张三\r\n2=😀\r\n3=李四\r\n")));
}

TEST_F(IniFileTest, WriteChangesOnlyItsOwnValue)
{
    const QByteArray before =
        "; settings\r\n[Name]\r\nName1=Old\r\n\r\n[GameIni]\r\n  Sound = 1  \r\nMusic=0\n[Tail]\r\nk=v\r\n";
    writeBytes(before);
    ini_.Update([&](IniText& text) { text.WriteBool("GameIni", "Sound", false); });
    QByteArray expected = before;
    expected.replace("  Sound = 1  ", "  Sound =0");
    EXPECT_EQ(readBytes(), expected);
}

TEST_F(IniFileTest, WritingCreatesFileAndSectionAndANewKeyGoesAfterTheLastLineOfItsSection)
{
    ini_.Update([&](IniText& text) { text.WriteBool("GameIni", "Music", false); });
    ini_.Update([&](IniText& text) { text.WriteBool("GameIni", "Sound", true); });
    ini_.Update([&](IniText& text) { text.WriteInteger("GameIni", "Pattern", 1); });
    EXPECT_EQ(readBytes(), QByteArray("[GameIni]\r\nMusic=0\r\nSound=1\r\nPattern=1\r\n"));

    writeBytes("[GameIni]\r\nMusic=0\r\n\r\n[Other]\r\nk=v\r\n");
    ini_.Update([&](IniText& text) { text.WriteInteger("GameIni", "Pattern", 3); });
    EXPECT_EQ(readBytes(), QByteArray("[GameIni]\r\nMusic=0\r\nPattern=3\r\n\r\n[Other]\r\nk=v\r\n"));

    writeBytes("[A]\nk=v");  // LF file, no line end at the end
    ini_.Update([&](IniText& text) { text.WriteString("A", "n", "w"); });
    ini_.Update([&](IniText& text) { text.WriteString("B", "m", "u"); });
    EXPECT_EQ(readBytes(), QByteArray("[A]\nk=v\nn=w\n[B]\nm=u\n"));
}

TEST_F(IniFileTest, IntegersReadDecimalOrHexAndAnythingElseAsTheDefault)
{
    const std::vector<std::pair<QByteArray, int>> cases = {
        {"10", 10},       {"-7", -7},         {"+5", 5},     {"0x1F", 31},      {"0X1f", 31},
        {"$ff", 255},     {"$FFFFFFFF", -1},  {"2147483647", 2147483647},       {"-2147483648", -2147483647 - 1},
        {"2147483648", 99}, {"$100000000", 99}, {"12abc", 99}, {"abc", 99},      {"", 99},
        {"0x", 99},       {"$", 99},          {"-", 99},     {"1.5", 99},       {"1 2", 99},
        {"0x-1", 99},     {"--1", 99},        {"$G", 99},    {" 42 ", 42},
        {"00000000000000003", 3}, {"-000000000000000000007", -7}, {"$0000000000000000FF", 255},
        {"000000000000000002147483648", 99}, {"99999999999999999999999999", 99},
    };
    for (const auto& [text, expected] : cases) {
        writeBytes("[S]\r\nk=" + text + "\r\n");
        EXPECT_EQ(ini_.Read().ReadInteger("S", "k", 99), expected) << text.constData();
    }
}

TEST_F(IniFileTest, BooleansAreIntegersWrittenAsOneOrZero)
{
    writeBytes("[S]\r\ntwo=2\r\nzero=0\r\nword=yes\r\nhex=$0\r\n");
    EXPECT_TRUE(ini_.Read().ReadBool("S", "two", false));
    EXPECT_FALSE(ini_.Read().ReadBool("S", "zero", true));
    EXPECT_TRUE(ini_.Read().ReadBool("S", "word", true));
    EXPECT_FALSE(ini_.Read().ReadBool("S", "word", false));
    EXPECT_FALSE(ini_.Read().ReadBool("S", "hex", true));
    ini_.Update([&](IniText& text) { text.WriteBool("S", "two", true); });
    EXPECT_EQ(readBytes(), QByteArray("[S]\r\ntwo=1\r\nzero=0\r\nword=yes\r\nhex=$0\r\n"));
}

TEST_F(IniFileTest, ReadsGbkWrittenByAnotherProgramAndWritesChineseAndTheEuroByteAsGbk)
{
    writeBytes("[Name]\r\nName1=\xCE\xDE\xC3\xFB\xCA\xCF\r\n");  // 无名氏 in GBK
    EXPECT_EQ(ini_.Read().ReadString("Name", "Name1", ""), QStringLiteral("无名氏"));

    ini_.Update([&](IniText& text) { text.WriteString("Name", "Name2", QStringLiteral("张三")); });
    EXPECT_EQ(readBytes(), QByteArray("[Name]\r\nName1=\xCE\xDE\xC3\xFB\xCA\xCF\r\nName2=\xD5\xC5\xC8\xFD\r\n"));
    const QString outsideGbk = QString::fromUtf8("\xF0\xA0\x80\x80\xE2\x82\xAC");  // U+20000, euro sign
    ini_.Update([&](IniText& text) { text.WriteString("Name", "Name3", outsideGbk); });
    EXPECT_EQ(ini_.Read().ReadString("Name", "Name2", ""), QStringLiteral("张三"));
    EXPECT_EQ(ini_.Read().ReadString("Name", "Name3", ""), outsideGbk);

    writeBytes("[Name]\r\n1=A\x80\r\n");
    EXPECT_EQ(ini_.Read().ReadString("Name", "1", ""), QStringLiteral("A€"));
    ini_.Update([&](IniText& text) { text.WriteString("Name", "1", QStringLiteral("A€")); });
    EXPECT_EQ(readBytes(), QByteArray("[Name]\r\n1=A\x80\r\n"));
}

TEST_F(IniFileTest, ValueWithLineBreaksCannotAddKeysOrSections)
{
    ini_.Update([&](IniText& text) { text.WriteString("Name", "Name1", "x\r\n[Evil]\r\nScore1=999\nName2=bad\rEnd"); });
    EXPECT_EQ(ini_.Read().ReadString("Name", "Name1", ""), "x  [Evil]  Score1=999 Name2=bad End");
    EXPECT_EQ(ini_.Read().ReadInteger("Evil", "Score1", -1), -1);
    EXPECT_EQ(ini_.Read().ReadString("Name", "Name2", "none"), "none");
    EXPECT_EQ(readBytes().count('\n'), 2);
}

TEST_F(IniFileTest, SurroundingSpacesAndQuotesSurviveARoundTrip)
{
    const QStringList values = {" ", "  padded  ", "\"quoted\"", "'single'", "\"", "say \"hi\"", "", "a=b"};
    for (int i = 0; i < values.size(); ++i)
        ini_.Update([&](IniText& text) { text.WriteString("Name", QStringLiteral("Name%1").arg(i), values[i]); });
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(ini_.Read().ReadString("Name", QStringLiteral("Name%1").arg(i), "default"), values[i]) << i;

    writeBytes("[Name]\r\nName1=\"  from elsewhere \"\r\n");
    EXPECT_EQ(ini_.Read().ReadString("Name", "Name1", ""), "  from elsewhere ");
}

TEST_F(IniFileTest, LongValuesAreCutAt2047BytesOnACharacterBoundary)
{
    ini_.Update([&](IniText& text) { text.WriteString("S", "ascii", QString(3000, QLatin1Char('a'))); });
    EXPECT_EQ(ini_.Read().ReadString("S", "ascii", "").size(), 2047);

    // Two bytes per character: 1023 whole characters fit in 2047 bytes.
    ini_.Update([&](IniText& text) { text.WriteString("S", "odd", QString(1500, QChar(0x65E0))); });
    EXPECT_EQ(ini_.Read().ReadString("S", "odd", ""), QString(1023, QChar(0x65E0)));
    // After one ASCII byte the 2-byte characters end exactly at 2047.
    ini_.Update([&](IniText& text) { text.WriteString("S", "even", "a" + QString(1500, QChar(0x65E0))); });
    EXPECT_EQ(ini_.Read().ReadString("S", "even", ""), "a" + QString(1023, QChar(0x65E0)));
    // Four-byte characters: 1 + 511 * 4 = 2045 bytes; a 512th would end past the limit.
    const QString fourBytes = QString::fromUtf8("\xF0\xA0\x80\x80");
    ini_.Update([&](IniText& text) { text.WriteString("S", "four", "a" + fourBytes.repeated(600)); });
    EXPECT_EQ(ini_.Read().ReadString("S", "four", ""), "a" + fourBytes.repeated(511));
}

TEST_F(IniFileTest, WriteIntoAMissingDirectoryRaisesTheFullPath)
{
    writeBytes("not a directory", QStringLiteral("plain"));
    const QString target = path(QStringLiteral("plain/Game.ini"));
    IniFile ini(target);
    try {
        ini.Update([&](IniText& text) { text.WriteBool("GameIni", "Music", true); });
        FAIL() << "no error raised";
    } catch (const IniWriteError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), "Unable to write to " + target);
        EXPECT_EQ(error.path(), target);
    }
    EXPECT_EQ(readBytes(QStringLiteral("plain")), QByteArray("not a directory"));
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFileByteForByte)
{
    const QByteArray before = "[GameIni]\r\nMusic=1\r\nSound=0\r\nPattern=3\r\n";
    writeBytes(before);
    const QString relative = QDir::current().relativeFilePath(path());
    IniFile ini(relative);
    {
        FileSizeLimit limit(before.size() + 8);  // the new file is cut off half way, whoever runs the test
        try {
            ini.Update([&](IniText& text) { text.WriteString("GameIni", "Music", QString(100, QLatin1Char('x'))); });
            ADD_FAILURE() << "the write reported success";
        } catch (const IniWriteError& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()), "Unable to write to " + path());
        }
    }
    EXPECT_EQ(readBytes(), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"Game.ini"});  // no temporary left
}

TEST_F(IniFileTest, UnreadableBytesOrGarbageNeverStopAReadOrAWriteAndReadAsDefaults)
{
    QByteArray junk;
    for (int i = 0; i < 256; ++i)
        junk += char(i);
    junk += "\x81\r\n\xFE\xFF==\r\n[\xFF\x80\r\n" + QByteArray(1 << 20, 'z') + "\r\n";
    const QByteArray before = junk + "[GameIni]\nMusic=1\n";
    writeBytes(before);
    EXPECT_TRUE(ini_.Read().ReadBool("GameIni", "Music", false));
    EXPECT_EQ(ini_.Read().ReadInteger("GameIni", "Sound", 5), 5);

    ini_.Update([&](IniText& text) { text.WriteInteger("GameIni", "Pattern", 2); });
    EXPECT_EQ(readBytes(), before + "Pattern=2\n");

    QByteArray garbage(10 << 20, '\0');
    QRandomGenerator random(42);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    writeBytes(garbage);
    EXPECT_EQ(ini_.Read().ReadInteger("GameIni", "Pattern", 1), 1);
    EXPECT_EQ(ini_.Read().ReadString("GameIni", "Music", "d"), "d");

    writeBytes("[GameIni]" + QByteArray(1 << 20, '=') + "Music=1");
    EXPECT_FALSE(ini_.Read().ReadBool("GameIni", "Music", false));
    writeBytes("[GameIni]\nMusic=" + QByteArray(1 << 20, '7'));
    EXPECT_EQ(ini_.Read().ReadInteger("GameIni", "Music", -3), -3);
    EXPECT_EQ(ini_.Read().ReadString("GameIni", "Music", "").size(), 2047);
}

TEST_F(IniFileTest, AnythingButARegularFileReadsAsMissingAndIsNeverReplaced)
{
    ASSERT_EQ(mkfifo(qPrintable(path(QStringLiteral("fifo"))), 0644), 0);
    if (mknod(qPrintable(path(QStringLiteral("device"))), S_IFCHR | 0644, makedev(0, 0)) != 0)
        GTEST_SKIP() << "this process may not make a device node";
    ASSERT_TRUE(QFile::link(path(QStringLiteral("device")), path(QStringLiteral("link"))));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
    for (const QString name : {"fifo", "device", "link", "folder"}) {
        SCOPED_TRACE(name.toStdString());
        IniFile ini(path(name));
        EXPECT_EQ(ini.Read().ReadInteger("GameIni", "Pattern", 1), 1);  // at once: a FIFO is never waited on
        try {
            ini.Update([&](IniText& text) { text.WriteInteger("GameIni", "Pattern", 2); });
            ADD_FAILURE() << "the write reported success";
        } catch (const IniWriteError& error) {
            EXPECT_EQ(error.path(), path(name));
        }
    }
    struct stat info {};
    ASSERT_EQ(lstat(qPrintable(path(QStringLiteral("fifo"))), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(lstat(qPrintable(path(QStringLiteral("device"))), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System;
    EXPECT_TRUE(QDir(dir_.path()).entryList({QStringLiteral("*.zenkara-*")}, everything).isEmpty());
}

TEST_F(IniFileTest, ReplaceKeepsPermissionBitsWritesThroughALinkAndLeavesReadOnlyFiles)
{
    writeBytes("[S]\nk=1\n", QStringLiteral("real.ini"));
    ASSERT_EQ(chmod(qPrintable(path(QStringLiteral("real.ini"))), 0640), 0);
    ASSERT_TRUE(QFile::link(path(QStringLiteral("real.ini")), path()));
    ini_.Update([&](IniText& text) { text.WriteInteger("S", "k", 2); });
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(readBytes(QStringLiteral("real.ini")), QByteArray("[S]\nk=2\n"));
    EXPECT_EQ(PermissionBitsOf(path(QStringLiteral("real.ini"))), 0640u);

    // Read-only for its owner: kept, whoever runs the test (root may write anything).
    ASSERT_EQ(chmod(qPrintable(path(QStringLiteral("real.ini"))), 0444), 0);
    EXPECT_THROW(ini_.Update([](IniText& text) { text.WriteInteger("S", "k", 3); }),
                 IniWriteError);
    EXPECT_EQ(readBytes(QStringLiteral("real.ini")), QByteArray("[S]\nk=2\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2);  // no temporary left
}

TEST_F(IniFileTest, LeftoverTemporariesOfTheFileAreRemovedAtItsNextSave)
{
    const QStringList leftovers{"Game.ini.zenkara-Ab12Cd", "Game.ini.zenkara-000000"};
    const QStringList others{"Game.ini.zenkara-Ab12Cd7", "Game.ini.zenkara-Ab12C", "Game.ini.bak",
                             "Score0.ini.zenkara-Ab12Cd", "Game.ini.XYZ123"};
    for (const QString& name : leftovers + others)
        writeBytes("x", name);
    ini_.Update([&](IniText& text) { text.WriteInteger("S", "k", 1); });
    QStringList expected = others + QStringList{"Game.ini"};
    expected.sort();
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files, QDir::Name), expected);
}

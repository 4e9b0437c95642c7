// Feeds any bytes to the INI reader as a settings file, then, as the game saves, writes one key
// in one replace of the file and loads it again, and checks what a write promises: the value
// reads back as written, no other key changes, the same change made to the text in memory
// gives the same bytes and reads, and writing the same value again changes nothing.
#include "FuzzFiles.h"

#include "platform/IniFile.h"

#include <array>

namespace {

struct KeyName {
    const char* section;
    const char* key;
};

// Names the game uses, in other letter cases too, and a Chinese pair for the GBK matcher.
constexpr std::array<KeyName, 6> Keys{{
    {"GameIni", "Music"},
    {"gameini", "PATTERN"},
    {"Name", "1"},
    {"Score", "10"},
    {"RecordTime", "3"},
    {"名字", "分数"},
}};

constexpr size_t MaxValueSource = 48;

QString Section(const KeyName& name) { return QString::fromUtf8(name.section); }
QString Key(const KeyName& name) { return QString::fromUtf8(name.key); }

// Every key's value as text, or a marker that cannot come from a file when it is missing.
std::array<QString, Keys.size()> ReadAll(const platform::IniText& ini)
{
    const QString missing = QStringLiteral("\n(missing)\n");
    std::array<QString, Keys.size()> values;
    for (size_t i = 0; i < Keys.size(); ++i) {
        values[i] = ini.ReadString(Section(Keys[i]), Key(Keys[i]), missing);
        ini.ReadInteger(Section(Keys[i]), Key(Keys[i]), -7);
        ini.ReadBool(Section(Keys[i]), Key(Keys[i]), true);
    }
    return values;
}

// How the value reads back: line breaks become spaces; nothing else changes.
QString OnOneLine(QString value)
{
    return value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QString fileName = fuzz::ScratchDir() + QStringLiteral("fuzz.ini");
    fuzz::WriteInput(fileName, data, size);
    platform::IniFile file(fileName);
    platform::IniText text = file.Read();
    const auto before = ReadAll(text);

    const size_t target = size == 0 ? 0 : data[0] % Keys.size();
    const size_t valueSource = std::min(size, MaxValueSource);
    const QString value = QString::fromUtf8(reinterpret_cast<const char*>(data + size - valueSource),
                                            qsizetype(valueSource));
    const auto write = [&](platform::IniText& ini) {
        ini.WriteString(Section(Keys[target]), Key(Keys[target]), value);
    };
    file.Update(write);
    platform::IniText saved = file.Read();
    const auto after = ReadAll(saved);

    fuzz::Check(after[target] == OnOneLine(value), "the written value reads back",
                [&] { return QStringLiteral("wrote [%1] read [%2]").arg(value, after[target]); });
    for (size_t i = 0; i < Keys.size(); ++i)
        if (i != target)
            fuzz::Check(after[i] == before[i], "another key keeps its value", [&] {
                return QStringLiteral("%1/%2: [%3] became [%4]").arg(Section(Keys[i]), Key(Keys[i]), before[i], after[i]);
            });

    write(text);
    fuzz::Check(text.Bytes() == saved.Bytes() && ReadAll(text) == after,
                "a text changed in memory reads as the file written from it");
    const QByteArray written = saved.Bytes();
    write(saved);
    fuzz::Check(saved.Bytes() == written, "writing the same value again changes nothing");
    return 0;
}

// Feeds any bytes to the INI reader as a settings file, then, as the game saves, writes one key
// in one replace of the file and loads it again, and checks what a write promises: the value
// reads back as written, no other key changes, the same change made to the text in memory
// gives the same bytes and reads, and writing the same value again changes nothing.
#include "FuzzFiles.h"

#include "platform/IniFile.h"

#include <array>

namespace {

struct KeyName {
    QString section;
    QString key;
};

constexpr size_t KeyCount = 6;

// Names the game uses, in other letter cases too, and a Chinese pair for the GBK matcher.
const std::array<KeyName, KeyCount>& Keys()
{
    static const std::array<KeyName, KeyCount> keys{{
        {QStringLiteral("GameIni"), QStringLiteral("Music")},
        {QStringLiteral("gameini"), QStringLiteral("PATTERN")},
        {QStringLiteral("Name"), QStringLiteral("1")},
        {QStringLiteral("Score"), QStringLiteral("10")},
        {QStringLiteral("RecordTime"), QStringLiteral("3")},
        {QStringLiteral("名字"), QStringLiteral("分数")},
    }};
    return keys;
}

constexpr size_t MaxValueSource = 48;

// Every key's value as text, or a marker that cannot come from a file when it is missing.
std::array<QString, KeyCount> ReadAll(const platform::IniText& ini)
{
    const QString missing = QStringLiteral("\n(missing)\n");
    std::array<QString, KeyCount> values;
    for (size_t i = 0; i < KeyCount; ++i)
        values[i] = ini.ReadString(Keys()[i].section, Keys()[i].key, missing);
    return values;
}

// The number readers, on the file as it came: they promise nothing to check, and on the texts
// written from it they would read only what the string reads have shown.
void ReadNumbers(const platform::IniText& ini)
{
    for (const KeyName& name : Keys()) {
        ini.ReadInteger(name.section, name.key, -7);
        ini.ReadBool(name.section, name.key, true);
    }
}

// Whether `read` is how `written` reads back: line breaks become spaces, a private-use
// character may become '?' (the file's encodings have no bytes for a few), nothing else changes.
bool ReadsBackAs(const QString& written, const QString& read)
{
    if (read.size() != written.size())
        return false;
    for (qsizetype i = 0; i < read.size(); ++i) {
        const QChar w = written[i];
        const QChar expected = w == QLatin1Char('\r') || w == QLatin1Char('\n') ? QLatin1Char(' ') : w;
        const bool replaced = w.category() == QChar::Other_PrivateUse && read[i] == QLatin1Char('?');
        if (read[i] != expected && !replaced)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static const QString fileName = fuzz::ScratchDir() + QStringLiteral("fuzz.ini");
    fuzz::WriteInput(fileName, data, size);
    platform::IniFile file(fileName);
    platform::IniText text = file.Read();
    const auto before = ReadAll(text);
    ReadNumbers(text);

    const size_t target = size == 0 ? 0 : data[0] % KeyCount;
    const size_t valueSource = std::min(size, MaxValueSource);
    const QString value = QString::fromUtf8(reinterpret_cast<const char*>(data + size - valueSource),
                                            qsizetype(valueSource));
    const auto write = [&](platform::IniText& ini) {
        ini.WriteString(Keys()[target].section, Keys()[target].key, value);
    };
    file.Update(write);
    platform::IniText saved = file.Read();
    const auto after = ReadAll(saved);

    fuzz::Check(ReadsBackAs(value, after[target]), "the written value reads back",
                [&] { return QStringLiteral("wrote [%1] read [%2]").arg(value, after[target]); });
    for (size_t i = 0; i < KeyCount; ++i)
        if (i != target)
            fuzz::Check(after[i] == before[i], "another key keeps its value", [&] {
                return QStringLiteral("%1/%2: [%3] became [%4]")
                    .arg(Keys()[i].section, Keys()[i].key, before[i], after[i]);
            });

    write(text);
    fuzz::Check(text.Bytes() == saved.Bytes() && ReadAll(text) == after,
                "a text changed in memory reads as the file written from it");
    const QByteArray written = saved.Bytes();
    write(saved);
    fuzz::Check(saved.Bytes() == written, "writing the same value again changes nothing");
    return 0;
}

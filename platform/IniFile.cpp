#include "platform/IniFile.h"

#include "platform/GbkText.h"
#include "platform/RegularFile.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace platform {
namespace {

// The longest value a read returns, in bytes of the file (a 2048-byte buffer with its NUL).
constexpr qsizetype kMaxValueBytes = 2047;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

QByteArrayView Trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// Where the line from `start` to `textEnd` lies, and what it holds.
IniLine ParseLine(const QByteArray& bytes, qsizetype start, qsizetype textEnd, qsizetype next)
{
    IniLine parsed{start, textEnd, next};
    const QByteArrayView line(bytes.constData() + start, textEnd - start);
    const auto offset = [&](QByteArrayView part) { return part.data() - line.data(); };
    const QByteArrayView text = Trimmed(line);
    parsed.blank = text.isEmpty();
    QByteArrayView name;
    if (text.startsWith('[')) {
        const QByteArrayView inside = text.sliced(1);
        const qsizetype close = inside.indexOf(']');
        parsed.kind = IniLine::Kind::Section;
        name = Trimmed(close < 0 ? inside : inside.first(close));
    } else {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            return parsed;
        name = Trimmed(line.first(equals));
        if (name.isEmpty())
            return parsed;
        parsed.kind = IniLine::Kind::Key;
        parsed.valueStart = equals + 1;
    }
    parsed.nameStart = name.isEmpty() ? 0 : offset(name);
    parsed.nameLength = name.size();
    return parsed;
}

// The line that starts at `start`, a line boundary before `to`; lines end in LF or CRLF.
IniLine ParseLineAt(const QByteArray& bytes, qsizetype start, qsizetype to)
{
    const qsizetype lf = bytes.indexOf('\n', start);
    const qsizetype end = lf < 0 || lf >= to ? to : lf;
    qsizetype textEnd = end;
    if (end == lf && lf > start && bytes[lf - 1] == '\r')
        --textEnd;
    const qsizetype next = end == lf ? lf + 1 : to;
    return ParseLine(bytes, start, textEnd, next);
}

// Every line of `bytes`.
std::vector<IniLine> ParseLines(const QByteArray& bytes)
{
    std::vector<IniLine> lines;
    lines.reserve(static_cast<size_t>(bytes.count('\n')) + 1);
    for (qsizetype start = 0; start < bytes.size(); start = lines.back().next)
        lines.push_back(ParseLineAt(bytes, start, bytes.size()));
    return lines;
}

QByteArrayView NameOf(const QByteArray& bytes, const IniLine& line)
{
    return QByteArrayView(bytes.constData() + line.start + line.nameStart, line.nameLength);
}

bool IsAscii(QByteArrayView bytes)
{
    return QtPrivate::isAscii(QLatin1StringView(bytes));
}

bool IsAscii(const QString& text)
{
    return QtPrivate::isAscii(QStringView(text));
}

// A section or key name as written in the file, matched without regard to case.
class NameMatcher {
public:
    explicit NameMatcher(const QString& name) : name_(name), ascii_(IsAscii(name)) {}

    bool matches(QByteArrayView raw) const
    {
        // A plain ASCII name matches plain ASCII only, letter case aside; anything else compares
        // as text, so that the second byte of a Chinese character is never folded like a letter.
        if (ascii_)
            return raw.size() == name_.size() && IsAscii(raw)
                && QtPrivate::compareStrings(QLatin1StringView(raw), QStringView(name_), Qt::CaseInsensitive) == 0;
        if (IsAscii(raw))
            return false;
        return FromGbk(raw).compare(name_, Qt::CaseInsensitive) == 0;
    }

private:
    const QString& name_;
    bool ascii_;
};

// Where a section and one of its keys lie in the file, as indexes of its lines.
struct Location {
    std::optional<size_t> section;     // the section's header line
    std::optional<size_t> key;         // the key's line within it
    std::optional<size_t> lastFilled;  // the section's last non-blank line
};

Location Find(const QByteArray& bytes, const std::vector<IniLine>& lines, const std::vector<size_t>& sections,
              const QString& section, const QString& key)
{
    const NameMatcher sectionName(section);
    // The first section of that name is the one used; it ends where the next section starts.
    const auto header = std::find_if(sections.begin(), sections.end(),
                                     [&](size_t i) { return sectionName.matches(NameOf(bytes, lines[i])); });
    Location found;
    if (header == sections.end())
        return found;
    found.section = *header;
    const size_t end = header + 1 == sections.end() ? lines.size() : header[1];
    const NameMatcher keyName(key);
    for (size_t i = *header + 1; i < end; ++i) {
        const IniLine& line = lines[i];
        if (!line.blank)
            found.lastFilled = i;
        if (line.kind == IniLine::Kind::Key && keyName.matches(NameOf(bytes, line))) {
            found.key = i;
            break;
        }
    }
    return found;
}

// The indexes of the section lines among `lines`.
std::vector<size_t> SectionsOf(const std::vector<IniLine>& lines)
{
    std::vector<size_t> sections;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].kind == IniLine::Kind::Section)
            sections.push_back(i);
    return sections;
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

// A value enclosed in a pair of matching quotes reads without them, so that surrounding
// spaces can be kept.
QByteArrayView Unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// The length of the GB18030 character starting at `bytes[i]`.
qsizetype CharacterLength(QByteArrayView bytes, qsizetype i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x81 || lead == 0xFF || i + 1 >= bytes.size())
        return 1;
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    if (second >= 0x30 && second <= 0x39)
        return 4;
    return 2;
}

// The longest prefix of at most `limit` bytes that does not end inside a character.
QByteArrayView CutAtCharacter(QByteArrayView bytes, qsizetype limit)
{
    if (bytes.size() <= limit)
        return bytes;
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = end + CharacterLength(bytes, end);
        if (next > limit)
            break;
        end = next;
    }
    return bytes.first(end);
}

std::optional<QByteArrayView> ReadRaw(const QByteArray& bytes, const std::vector<IniLine>& lines,
                                      const std::vector<size_t>& sections, const QString& section,
                                      const QString& key)
{
    const Location found = Find(bytes, lines, sections, section, key);
    if (!found.key)
        return std::nullopt;
    const IniLine& line = lines[*found.key];
    const qsizetype valueStart = line.start + line.valueStart;
    const QByteArrayView value =
        Unquoted(Trimmed(QByteArrayView(bytes.constData() + valueStart, line.textEnd - valueStart)));
    return CutAtCharacter(value, kMaxValueBytes);
}

std::optional<int> ParseInteger(QByteArrayView text)
{
    int base = 10;
    bool negative = false;
    if (text.startsWith('-') || text.startsWith('+')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    } else if (text.startsWith('$')) {
        base = 16;
        text = text.sliced(1);
    } else if (text.startsWith("0x") || text.startsWith("0X")) {
        base = 16;
        text = text.sliced(2);
    }
    if (text.isEmpty() || text.size() > 16)
        return std::nullopt;
    qint64 value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    if (base == 16)
        return static_cast<int>(static_cast<quint32>(value));  // $FFFFFFFF is -1
    if (negative)
        value = -value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

// Line breaks would end the line early and let the rest be read as keys or sections.
QString OnOneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// Encloses a value in quotes when reading would otherwise change it: surrounding spaces
// are trimmed on reading, and a surrounding pair of quotes is removed.
QByteArray EncodeValue(const QString& value)
{
    const QByteArray bytes = ToGbk(OnOneLine(value));
    const bool padded = !bytes.isEmpty() && (IsBlank(bytes.front()) || IsBlank(bytes.back()));
    if (padded || Unquoted(bytes).size() != bytes.size())
        return '"' + bytes + '"';
    return bytes;
}

const char* LineEndingOf(const QByteArray& bytes)
{
    const qsizetype lf = bytes.indexOf('\n');
    if (lf > 0 && bytes[lf - 1] != '\r')
        return "\n";
    return "\r\n";
}

// A change of the text: `length` bytes at `position` become `text`.
struct Splice {
    qsizetype position;
    qsizetype length;
    QByteArray text;
};

// The change that sets `key` to `value` in `section`; every other byte stays as it was.
Splice SettingValue(const QByteArray& bytes, const std::vector<IniLine>& lines, const std::vector<size_t>& sections,
                    const QString& section, const QString& key, const QByteArray& encodedValue)
{
    const Location found = Find(bytes, lines, sections, section, key);
    if (found.key) {
        const IniLine& line = lines[*found.key];
        const qsizetype valueStart = line.start + line.valueStart;
        return {valueStart, line.textEnd - valueStart, encodedValue};
    }

    const char* eol = LineEndingOf(bytes);
    const QByteArray keyLine = ToGbk(OnOneLine(key)) + '=' + encodedValue;
    if (found.section) {
        const IniLine& after = lines[found.lastFilled ? *found.lastFilled : *found.section];
        if (after.next == after.textEnd)  // the file's last line has no line ending
            return {after.next, 0, eol + keyLine};
        return {after.next, 0, keyLine + eol};
    }
    QByteArray text;
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        text += eol;
    text += '[' + ToGbk(OnOneLine(section)) + ']' + eol + keyLine + eol;
    return {bytes.size(), 0, text};
}

}  // namespace

IniWriteError::IniWriteError(const QString& path)
    : std::runtime_error("Unable to write to " + path.toStdString()), path_(path)
{
}

IniText::IniText(QByteArray bytes)
    : bytes_(std::move(bytes)), lines_(ParseLines(bytes_)), sections_(SectionsOf(lines_))
{
}

QString IniText::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const std::optional<QByteArrayView> raw = ReadRaw(bytes_, lines_, sections_, section, key);
    return raw ? FromGbk(*raw) : defaultValue;
}

int IniText::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<QByteArrayView> raw = ReadRaw(bytes_, lines_, sections_, section, key);
    if (!raw)
        return defaultValue;
    return ParseInteger(*raw).value_or(defaultValue);
}

bool IniText::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniText::WriteString(const QString& section, const QString& key, const QString& value)
{
    WriteValue(section, key, EncodeValue(value));
}

void IniText::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteValue(section, key, QByteArray::number(value));  // digits need no encoding
}

void IniText::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteValue(section, key, value ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
}

void IniText::WriteValue(const QString& section, const QString& key, const QByteArray& encodedValue)
{
    const Splice change = SettingValue(bytes_, lines_, sections_, section, key, encodedValue);
    if (QByteArrayView(bytes_).sliced(change.position, change.length) == change.text)
        return;  // the value is stored already
    // The lines the change touches are parsed again: the one it starts in (or that ends where
    // it starts) through the last it reaches. The lines after it only move.
    const auto touched = std::partition_point(lines_.begin(), lines_.end(),
                                              [&](const IniLine& line) { return line.next < change.position; });
    const auto after = std::partition_point(touched == lines_.end() ? touched : touched + 1, lines_.end(),
                                            [&](const IniLine& line) { return line.start < change.position + change.length; });
    const qsizetype from = touched == lines_.end() ? change.position : touched->start;
    const qsizetype shift = change.text.size() - change.length;
    const qsizetype to = (after == lines_.end() ? bytes_.size() : after->start) + shift;

    bytes_.replace(change.position, change.length, change.text);
    for (auto line = after; line != lines_.end(); ++line) {
        line->start += shift;
        line->textEnd += shift;
        line->next += shift;
    }
    // The new lines take the places of the old ones first, so that a changed value moves no line.
    const auto first = static_cast<size_t>(touched - lines_.begin());
    const auto oldEnd = static_cast<size_t>(after - lines_.begin());
    size_t slot = first;
    size_t end = oldEnd;
    for (qsizetype start = from; start < to; start = lines_[slot++].next) {
        const IniLine line = ParseLineAt(bytes_, start, to);
        if (slot < end) {
            lines_[slot] = line;
        } else {
            lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(slot), line);
            ++end;
        }
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(slot), lines_.begin() + static_cast<std::ptrdiff_t>(end));
    UpdateSections(first, oldEnd, slot);
}

void IniText::UpdateSections(size_t from, size_t oldTo, size_t newTo)
{
    const auto first = std::lower_bound(sections_.begin(), sections_.end(), from);
    const auto last = std::lower_bound(first, sections_.end(), oldTo);
    for (auto moved = last; moved != sections_.end(); ++moved)
        *moved = *moved - oldTo + newTo;
    auto at = sections_.erase(first, last);
    for (size_t i = from; i < newTo; ++i)
        if (lines_[i].kind == IniLine::Kind::Section)
            at = sections_.insert(at, i) + 1;
}

IniFile::IniFile(QString fileName) : fileName_(std::move(fileName)) {}

IniText IniFile::Read() const
{
    FileContents contents = ReadRegularFile(fileName_);
    return IniText(contents.kind == FileContents::Kind::Read ? std::move(contents.bytes) : QByteArray());
}

void IniFile::Update(const std::function<void(IniText&)>& edit)
{
    const QString fullPath = QFileInfo(fileName_).absoluteFilePath();
    FileContents old = ReadRegularFile(fullPath);
    // Never replace a file whose contents could not be read: they would be lost.
    if (old.kind == FileContents::Kind::Unusable)
        throw IniWriteError(fullPath);
    IniText text(std::move(old.bytes));
    edit(text);
    if (!ReplaceRegularFile(fullPath, text.Bytes()))
        throw IniWriteError(fullPath);
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return Read().ReadString(section, key, defaultValue);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    return Read().ReadInteger(section, key, defaultValue);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return Read().ReadBool(section, key, defaultValue);
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    Update([&](IniText& text) { text.WriteString(section, key, value); });
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    Update([&](IniText& text) { text.WriteInteger(section, key, value); });
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    Update([&](IniText& text) { text.WriteBool(section, key, value); });
}

}  // namespace platform

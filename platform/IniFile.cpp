#include "platform/IniFile.h"

#include "platform/GbkText.h"
#include "platform/RegularFile.h"

#include <QFileInfo>

#include <optional>

namespace platform {
namespace {

// The longest value a read returns, in bytes of the file (a 2048-byte buffer with its NUL).
constexpr qsizetype kMaxValueBytes = 2047;

// One line of the file: the bytes before its line ending, and where it starts and ends.
struct LineSpan {
    qsizetype start;      // first byte of the line
    qsizetype textEnd;    // one past the last byte before the line ending
    qsizetype next;       // first byte of the following line
};

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;   // the section name or the key, trimmed
    QByteArrayView value;  // the value, trimmed (keys only)
    qsizetype valueStart = 0;  // offset in the line just after the '=' (keys only)
};

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

// Calls `visit(span)` for every line; lines end in LF or CRLF. `visit` returns false to stop.
template <typename Visit>
void ForEachLine(const QByteArray& bytes, Visit visit)
{
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        const qsizetype lf = bytes.indexOf('\n', start);
        qsizetype textEnd = lf < 0 ? size : lf;
        if (lf > start && bytes[lf - 1] == '\r')
            --textEnd;
        const qsizetype next = lf < 0 ? size : lf + 1;
        if (!visit(LineSpan{start, textEnd, next}))
            return;
        start = next;
    }
}

ParsedLine Parse(QByteArrayView line)
{
    ParsedLine parsed;
    const QByteArrayView text = Trimmed(line);
    if (text.startsWith('[')) {
        const QByteArrayView inside = text.sliced(1);
        const qsizetype close = inside.indexOf(']');
        parsed.kind = LineKind::Section;
        parsed.name = Trimmed(close < 0 ? inside : inside.first(close));
        return parsed;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.name = Trimmed(line.first(equals));
    if (parsed.name.isEmpty())
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.valueStart = equals + 1;
    parsed.value = Trimmed(line.sliced(equals + 1));
    return parsed;
}

bool IsAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// A section or key name as written in the file, matched without regard to case.
class NameMatcher {
public:
    explicit NameMatcher(const QString& name) : name_(name), gbk_(ToGbk(name)), ascii_(IsAscii(gbk_)) {}

    bool matches(QByteArrayView raw) const
    {
        // Plain ASCII on both sides compares byte by byte; anything else compares as text,
        // so that the second byte of a Chinese character is never folded like a letter.
        if (ascii_ && IsAscii(raw))
            return raw.size() == gbk_.size() && qstrnicmp(raw.data(), raw.size(), gbk_.data(), gbk_.size()) == 0;
        if (ascii_ || IsAscii(raw))
            return false;
        return FromGbk(raw.toByteArray()).compare(name_, Qt::CaseInsensitive) == 0;
    }

private:
    QString name_;
    QByteArray gbk_;
    bool ascii_;
};

// Where a section and one of its keys lie in the file.
struct Location {
    std::optional<LineSpan> section;   // the section's header line
    std::optional<LineSpan> key;       // the key's line within it
    qsizetype keyValueStart = 0;       // offset of the value within the key's line
    std::optional<LineSpan> lastFilled;  // the section's last non-blank line
};

Location Find(const QByteArray& bytes, const QString& section, const QString& key)
{
    const NameMatcher sectionName(section);
    const NameMatcher keyName(key);
    Location found;
    bool inSection = false;
    ForEachLine(bytes, [&](const LineSpan& span) {
        const QByteArrayView line(bytes.constData() + span.start, span.textEnd - span.start);
        const ParsedLine parsed = Parse(line);
        if (parsed.kind == LineKind::Section) {
            if (inSection)
                return false;  // the first section of that name is the one used
            inSection = sectionName.matches(parsed.name);
            if (inSection)
                found.section = span;
            return true;
        }
        if (!inSection)
            return true;
        if (!Trimmed(line).isEmpty())
            found.lastFilled = span;
        if (parsed.kind == LineKind::Key && keyName.matches(parsed.name)) {
            found.key = span;
            found.keyValueStart = parsed.valueStart;
            return false;
        }
        return true;
    });
    return found;
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

std::optional<QByteArray> ReadRaw(const QByteArray& bytes, const QString& section, const QString& key)
{
    const Location found = Find(bytes, section, key);
    if (!found.key)
        return std::nullopt;
    const QByteArrayView line(bytes.constData() + found.key->start, found.key->textEnd - found.key->start);
    const QByteArrayView value = Unquoted(Trimmed(line.sliced(found.keyValueStart)));
    return CutAtCharacter(value, kMaxValueBytes).toByteArray();
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

QByteArray LineEndingOf(const QByteArray& bytes)
{
    const qsizetype lf = bytes.indexOf('\n');
    if (lf > 0 && bytes[lf - 1] != '\r')
        return "\n";
    return "\r\n";
}

// The text with `key` set to `value` in `section`; every other byte stays as it was.
QByteArray WithValue(QByteArray bytes, const QString& section, const QString& key, const QString& value)
{
    const QByteArray eol = LineEndingOf(bytes);
    const QByteArray encodedValue = EncodeValue(value);
    const QByteArray keyLine = ToGbk(OnOneLine(key)) + '=' + encodedValue;
    const Location found = Find(bytes, section, key);

    if (found.key) {
        const qsizetype valueStart = found.key->start + found.keyValueStart;
        return bytes.replace(valueStart, found.key->textEnd - valueStart, encodedValue);
    }
    if (found.section) {
        const LineSpan after = found.lastFilled ? *found.lastFilled : *found.section;
        if (after.next == after.textEnd)  // the file's last line has no line ending
            return bytes.insert(after.next, eol + keyLine);
        return bytes.insert(after.next, keyLine + eol);
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += eol;
    return bytes + '[' + ToGbk(OnOneLine(section)) + ']' + eol + keyLine + eol;
}

}  // namespace

IniWriteError::IniWriteError(const QString& path)
    : std::runtime_error("Unable to write to " + path.toStdString()), path_(path)
{
}

QString IniText::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const std::optional<QByteArray> raw = ReadRaw(bytes_, section, key);
    return raw ? FromGbk(*raw) : defaultValue;
}

int IniText::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<QByteArray> raw = ReadRaw(bytes_, section, key);
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
    bytes_ = WithValue(std::move(bytes_), section, key, value);
}

void IniText::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void IniText::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
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

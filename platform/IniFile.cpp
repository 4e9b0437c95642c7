#include "platform/IniFile.h"

#include "platform/GbkText.h"
#include "platform/RegularFile.h"

#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <limits>
#include <optional>

namespace platform {
namespace {

// The longest value a read returns, in bytes of the file (a 2048-byte buffer with its NUL).
constexpr qsizetype kMaxValueBytes = 2047;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
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

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// The first byte of the line after the one whose line break is at `end`: CRLF is one break.
qsizetype NextLineStart(QByteArrayView bytes, qsizetype end)
{
    if (end >= bytes.size())
        return bytes.size();
    return bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? end + 2 : end + 1;
}

// Finds the line breaks of a text front to back, keeping the next CR and the next LF found, so
// that a text of one kind of line end is not searched to its end for the other at every line.
class LineBreaks {
public:
    explicit LineBreaks(QByteArrayView bytes) : bytes_(bytes) {}

    // The first line break at or after `from`, or the end of the text.
    qsizetype Next(qsizetype from)
    {
        if (lf_ < from)
            lf_ = Find('\n', from);
        if (cr_ < from)
            cr_ = Find('\r', from);
        return std::min(lf_, cr_);
    }

private:
    qsizetype Find(char c, qsizetype from) const
    {
        const qsizetype found = bytes_.sliced(from).indexOf(c);
        return found < 0 ? bytes_.size() : from + found;
    }

    QByteArrayView bytes_;
    qsizetype lf_ = -1;
    qsizetype cr_ = -1;
};

qsizetype LineEnd(QByteArrayView bytes, qsizetype start)
{
    return LineBreaks(bytes).Next(start);
}

qsizetype SkipBlanks(QByteArrayView bytes, qsizetype i)
{
    while (i < bytes.size() && IsBlank(bytes[i]))
        ++i;
    return i;
}

// The ']' that closes a header whose name starts at `from`, stepping over the two bytes of each
// GBK character, whose second byte may be a ']'; -1 when the line has none.
qsizetype HeaderClose(QByteArrayView line, qsizetype from)
{
    for (qsizetype i = from; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == ']')
            return i;
        if (c >= 0x81 && c <= 0xFE)
            ++i;
    }
    return -1;
}

enum class LineKind { Other, Section, Key };

// A section line is a '[' with its ']' on the line: an unclosed header starts no section. A key
// line has a name before its first '='.
LineKind KindOf(QByteArrayView line)
{
    const qsizetype first = SkipBlanks(line, 0);
    if (first < line.size() && line[first] == '[' && HeaderClose(line, first + 1) >= 0)
        return LineKind::Section;
    const qsizetype equals = line.indexOf('=');
    return equals >= 0 && !Trimmed(line.first(equals)).isEmpty() ? LineKind::Key : LineKind::Other;
}

// The name of the section line at `start`; it needs no search for the line's end, which may be
// far off in a file of a line end of the other kind.
QByteArrayView SectionNameAt(QByteArrayView bytes, qsizetype start)
{
    const qsizetype open = SkipBlanks(bytes, start) + 1;
    return Trimmed(bytes.sliced(open, HeaderClose(bytes, open) - open));
}

// The first '=' of the key line at `start`.
qsizetype EqualsAt(QByteArrayView bytes, qsizetype start)
{
    return start + bytes.sliced(start).indexOf('=');
}

QByteArrayView KeyNameAt(QByteArrayView bytes, qsizetype start)
{
    return Trimmed(bytes.sliced(start, EqualsAt(bytes, start) - start));
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
    explicit NameMatcher(const QString& name) : name_(name), ascii_(IsAscii(name))
    {
        if (ascii_ && !name.isEmpty()) {
            lower_ = name[0].toLower().toLatin1();
            upper_ = name[0].toUpper().toLatin1();
        }
    }

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

    // Whether a name whose first byte is `first` can match: a quick test that spares the whole
    // comparison for nearly every line of a file of millions of keys.
    bool mayStartWith(char first) const
    {
        return lower_ == '\0' || first == lower_ || first == upper_;
    }

private:
    const QString& name_;
    bool ascii_;
    char lower_ = '\0';  // the first letter of an ASCII name in both cases
    char upper_ = '\0';
};

// The first byte of a name from `from` on (a key's at its line's start, a section's after '[').
char FirstNameByte(QByteArrayView bytes, qsizetype from)
{
    const qsizetype first = SkipBlanks(bytes, from);
    return first < bytes.size() ? bytes[first] : '\0';
}

// Where a section and one of its keys lie in the file, as indexes of its indexed lines.
struct Location {
    std::optional<size_t> section;  // the section's header line
    std::optional<size_t> key;      // the key's line within it
    size_t end = 0;                 // without the key: the next section's header line, or the number of lines
};

Location Find(QByteArrayView bytes, const std::vector<quint32>& lines, const std::vector<bool>& isSection,
              const QString& section, const QString& key)
{
    const NameMatcher sectionName(section);
    const NameMatcher keyName(key);
    Location found;
    // The first section of that name is the one used; it ends where the next section starts.
    size_t i = 0;
    const auto isTheSection = [&](qsizetype start) {
        return sectionName.mayStartWith(FirstNameByte(bytes, SkipBlanks(bytes, start) + 1))
            && sectionName.matches(SectionNameAt(bytes, start));
    };
    while (i < lines.size() && !(isSection[i] && isTheSection(lines[i])))
        ++i;
    if (i == lines.size())
        return found;
    found.section = i;
    for (++i; i < lines.size() && !isSection[i]; ++i) {
        if (keyName.mayStartWith(FirstNameByte(bytes, lines[i])) && keyName.matches(KeyNameAt(bytes, lines[i]))) {
            found.key = i;
            return found;
        }
    }
    found.end = i;
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

// The longest prefix of at most `limit` bytes that does not end inside a character: a value cut
// at the byte limit alone could end in half a GBK character, which would read back as garbage.
QByteArrayView CutAtCharacter(QByteArrayView bytes, qsizetype limit)
{
    if (bytes.size() <= limit)
        return bytes;
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = end + Gb18030CharacterLength(bytes.sliced(end));
        if (next > limit)
            break;
        end = next;
    }
    return bytes.first(end);
}

std::optional<QByteArrayView> ReadRaw(QByteArrayView bytes, const std::vector<quint32>& lines,
                                      const std::vector<bool>& isSection, const QString& section,
                                      const QString& key)
{
    const Location found = Find(bytes, lines, isSection, section, key);
    if (!found.key)
        return std::nullopt;
    const qsizetype start = lines[*found.key];
    const qsizetype valueStart = EqualsAt(bytes, start) + 1;
    const QByteArrayView value = Unquoted(Trimmed(bytes.sliced(valueStart, LineEnd(bytes, valueStart) - valueStart)));
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
    if (text.isEmpty())
        return std::nullopt;
    // Any number of digits, leading zeros included, as a hand-edited file may hold; the value is
    // checked at each digit, so a long one stops as soon as it is too large, well short of overflow.
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

// Line breaks would end the line early and let the rest be read as keys or sections. In GBK
// text no byte of a two-byte character is a CR or an LF.
QByteArray OnOneLine(QByteArray text)
{
    text.replace('\r', ' ');
    text.replace('\n', ' ');
    return text;
}

// Encloses a value in quotes when reading would otherwise change it: surrounding spaces
// are trimmed on reading, and a surrounding pair of quotes is removed.
QByteArray EncodeValue(const QByteArray& value)
{
    const QByteArray bytes = OnOneLine(value);
    const bool padded = !bytes.isEmpty() && (IsBlank(bytes.front()) || IsBlank(bytes.back()));
    if (padded || Unquoted(bytes).size() != bytes.size())
        return '"' + bytes + '"';
    return bytes;
}

// The line end of the file's first line, for the lines a write adds.
QByteArray LineEndingOf(QByteArrayView bytes)
{
    const qsizetype end = LineEnd(bytes, 0);
    if (end == bytes.size())
        return QByteArrayLiteral("\r\n");
    return bytes.sliced(end, NextLineStart(bytes, end) - end).toByteArray();
}

// A change of the text: `length` bytes at `position` become `text`. The lines from `lineStart`
// on are the ones it can change.
struct Splice {
    qsizetype position;
    qsizetype length;
    QByteArray text;
    qsizetype lineStart;
};

// Where a key added to the section that ends at `sectionEnd` goes: after its last line that is
// not blank, or after its header when it has none.
qsizetype AfterLastFilledLine(QByteArrayView bytes, qsizetype headerStart, qsizetype sectionEnd)
{
    const qsizetype headerEnd = LineEnd(bytes, headerStart);
    qsizetype last = sectionEnd;
    while (last > headerEnd && (IsBlank(bytes[last - 1]) || IsLineBreak(bytes[last - 1])))
        --last;
    return last == headerEnd ? headerEnd : LineEnd(bytes, last - 1);
}

// The change that sets `key` to `value` in `section`; every other byte stays as it was.
Splice SettingValue(QByteArrayView bytes, const std::vector<quint32>& lines, const std::vector<bool>& isSection,
                    const QString& section, const QString& key, const QByteArray& encodedValue)
{
    const Location found = Find(bytes, lines, isSection, section, key);
    if (found.key) {
        const qsizetype start = lines[*found.key];
        const qsizetype valueStart = EqualsAt(bytes, start) + 1;
        return {valueStart, LineEnd(bytes, valueStart) - valueStart, encodedValue, start};
    }

    const QByteArray eol = LineEndingOf(bytes);
    const QByteArray keyLine = OnOneLine(ToGbk(key)) + '=' + encodedValue;
    if (found.section) {
        const qsizetype sectionEnd = found.end < lines.size() ? qsizetype(lines[found.end]) : bytes.size();
        const qsizetype end = AfterLastFilledLine(bytes, lines[*found.section], sectionEnd);
        if (end == bytes.size())  // the file's last line has no line ending
            return {end, 0, eol + keyLine, end};
        const qsizetype next = NextLineStart(bytes, end);
        return {next, 0, keyLine + eol, next};
    }
    QByteArray text;
    if (!bytes.isEmpty() && !IsLineBreak(bytes.back()))
        text += eol;
    text += '[' + OnOneLine(ToGbk(section)) + ']' + eol + keyLine + eol;
    return {bytes.size(), 0, text, bytes.size()};
}

// How many lines of `text` can be section or key lines: no more than it has lines, nor than
// it has '[' and '=' bytes. Room made for that many at once spares a huge file the copies of a
// growing index.
size_t MostIndexedLines(QByteArrayView text)
{
    const qsizetype lines = text.count('\n') + text.count('\r') + 1;
    return static_cast<size_t>(std::min(lines, text.count('[') + text.count('=')));
}

// The files the index can hold: its offsets have 32 bits.
constexpr qsizetype kMaxTextBytes = std::numeric_limits<quint32>::max();

// Notepad's "Unicode": UTF-16LE behind its byte-order mark.
constexpr char kUtf16Mark[] = "\xFF\xFE";

bool IsUtf16(QByteArrayView bytes)
{
    return bytes.startsWith(kUtf16Mark);
}

QByteArray Utf16ToGbk(QByteArrayView bytes)
{
    // The file's own mark is cut off here; a mark after it is text, which a save must keep.
    QStringDecoder decoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom);
    return ToGbk(decoder(bytes.sliced(2)));
}

QByteArray GbkToUtf16(QByteArrayView bytes)
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return kUtf16Mark + QByteArray(encoder(FromGbk(bytes)));
}

}  // namespace

IniWriteError::IniWriteError(const QString& path)
    : std::runtime_error("Unable to write to " + path.toStdString()), path_(path)
{
}

IniText::IniText(QByteArray bytes) : bytes_(std::move(bytes))
{
    Q_ASSERT(bytes_.size() <= kMaxTextBytes);
    IndexLines(0, bytes_.size(), 0);
}

void IniText::IndexLines(qsizetype from, qsizetype to, size_t at)
{
    std::vector<quint32> starts;
    std::vector<bool> sections;
    starts.reserve(MostIndexedLines(QByteArrayView(bytes_).sliced(from, to - from)));
    LineBreaks breaks(bytes_);
    for (qsizetype start = from; start < to;) {
        // Empty lines are skipped at once: a file of millions of them costs no search each.
        while (start < to && IsLineBreak(bytes_[start]))
            ++start;
        if (start == to)
            break;
        const qsizetype end = breaks.Next(start);
        const LineKind kind = KindOf(QByteArrayView(bytes_).sliced(start, end - start));
        if (kind != LineKind::Other) {
            starts.push_back(static_cast<quint32>(start));
            sections.push_back(kind == LineKind::Section);
        }
        start = NextLineStart(bytes_, end);
    }
    if (lines_.empty()) {
        lines_ = std::move(starts);
        isSection_ = std::move(sections);
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), starts.begin(), starts.end());
    isSection_.insert(isSection_.begin() + static_cast<std::ptrdiff_t>(at), sections.begin(), sections.end());
}

std::optional<QByteArray> IniText::ReadBytes(const QString& section, const QString& key) const
{
    const std::optional<QByteArrayView> raw = ReadRaw(bytes_, lines_, isSection_, section, key);
    return raw ? std::optional(raw->toByteArray()) : std::nullopt;
}

QString IniText::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const std::optional<QByteArrayView> raw = ReadRaw(bytes_, lines_, isSection_, section, key);
    return raw ? FromGbk(*raw) : defaultValue;
}

int IniText::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const std::optional<QByteArrayView> raw = ReadRaw(bytes_, lines_, isSection_, section, key);
    if (!raw)
        return defaultValue;
    return ParseInteger(*raw).value_or(defaultValue);
}

bool IniText::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniText::WriteBytes(const QString& section, const QString& key, const QByteArray& value)
{
    WriteValue(section, key, EncodeValue(value));
}

void IniText::WriteString(const QString& section, const QString& key, const QString& value)
{
    WriteBytes(section, key, ToGbk(value));
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
    const Splice change = SettingValue(bytes_, lines_, isSection_, section, key, encodedValue);
    if (QByteArrayView(bytes_).sliced(change.position, change.length) == change.text)
        return;  // the value is stored already
    // The lines the change touches are indexed again; the lines after it only move.
    const qsizetype oldEnd = change.position + change.length;
    const auto first = std::lower_bound(lines_.begin(), lines_.end(), change.lineStart);
    const auto last = std::lower_bound(first, lines_.end(), oldEnd);
    const qsizetype shift = change.text.size() - change.length;
    for (auto line = last; line != lines_.end(); ++line)
        *line = static_cast<quint32>(*line + shift);
    const auto at = first - lines_.begin();
    isSection_.erase(isSection_.begin() + at, isSection_.begin() + (last - lines_.begin()));
    lines_.erase(first, last);
    bytes_.replace(change.position, change.length, change.text);
    IndexLines(change.lineStart, change.position + change.text.size(), static_cast<size_t>(at));
}

IniFile::IniFile(QString fileName) : fileName_(std::move(fileName)) {}

IniText IniFile::Read() const
{
    FileContents contents = ReadRegularFile(fileName_);
    if (contents.kind != FileContents::Kind::Read || contents.bytes.size() > kMaxTextBytes)
        return IniText();
    return IniText(IsUtf16(contents.bytes) ? Utf16ToGbk(contents.bytes) : std::move(contents.bytes));
}

void IniFile::Update(const std::function<void(IniText&)>& edit)
{
    const QString fullPath = QFileInfo(fileName_).absoluteFilePath();
    const bool replaced = UpdateRegularFile(fullPath, [&](QByteArray& bytes) {
        // Never replace a file that cannot be held: its contents would be lost.
        if (bytes.size() > kMaxTextBytes)
            return false;
        const bool utf16 = IsUtf16(bytes);
        IniText text(utf16 ? Utf16ToGbk(bytes) : std::move(bytes));
        edit(text);
        bytes = utf16 ? GbkToUtf16(text.Bytes()) : text.Bytes();
        return true;
    });
    if (!replaced)
        throw IniWriteError(fullPath);
}

}  // namespace platform

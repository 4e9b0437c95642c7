#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>
#include <vector>

namespace platform {

// A write that could not reach the disk. what() is "Unable to write to <full path>".
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& path);
    QString path() const { return path_; }

private:
    QString path_;
};

// Where one line of an INI text lies and what it holds, found once so that neither a read nor
// a write has to parse the whole text again.
struct IniLine {
    enum class Kind { Other, Section, Key };
    qsizetype start = 0;       // the line's first byte
    qsizetype textEnd = 0;     // one past its last byte before the line ending
    qsizetype next = 0;        // the following line's first byte
    Kind kind = Kind::Other;
    bool blank = true;
    qsizetype nameStart = 0;   // the trimmed section name or key, from the line's start
    qsizetype nameLength = 0;
    qsizetype valueStart = 0;  // just after the '=' (keys), from the line's start
};

// The text of a private-profile INI file, held in memory, in the GBK code page. Sections and
// keys match without regard to case; a missing section or key reads as the default.
class IniText {
public:
    IniText() = default;
    explicit IniText(QByteArray bytes);

    const QByteArray& Bytes() const { return bytes_; }

    // At most 2047 bytes of the stored (GBK) value, cut at a character boundary.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Decimal, or hexadecimal with a 0x, 0X or $ prefix; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer; any value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // Sets one key and keeps every other byte of the text; creates the section when missing.
    // Line breaks in a value are stored as spaces, so a value can never add keys or sections.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);  // "1" or "0"

private:
    // Sets one key to a value already encoded for the file (see WriteString).
    void WriteValue(const QString& section, const QString& key, const QByteArray& encodedValue);

    // The lines from `from` to `oldTo` became those from `from` to `newTo`.
    void UpdateSections(size_t from, size_t oldTo, size_t newTo);

    QByteArray bytes_;
    std::vector<IniLine> lines_;   // every line of bytes_, in order
    std::vector<size_t> sections_;  // the indexes of its section lines, in order
};

// A private-profile INI file on disk. Only a regular file (or a link to one) is read or
// replaced: anything else at the path reads as a missing file and cannot be written.
class IniFile {
public:
    explicit IniFile(QString fileName);

    QString FileName() const { return fileName_; }

    // The file read once, for any number of reads; a missing or unusable file is empty.
    IniText Read() const;
    // Makes all the writes of `edit` to the file's current text and puts the result in place
    // with one atomic replace, so a crash leaves all of them or none. Throws IniWriteError
    // when the file cannot be read or written; it then keeps its previous contents.
    void Update(const std::function<void(IniText&)>& edit);

    // One key each: a read reads the file, a write is one Update.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

private:
    QString fileName_;
};

}  // namespace platform

#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
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

// The text of a private-profile INI file, held in memory, in the GBK code page. Lines end in
// CR, LF or CRLF. Sections and keys match without regard to case; a missing section or key
// reads as the default. Only the start of each section and key line is indexed, four bytes a
// line, so that a huge file costs little more than its own size.
class IniText {
public:
    IniText() = default;
    explicit IniText(QByteArray bytes);

    const QByteArray& Bytes() const { return bytes_; }

    // At most 2047 bytes of the stored (GBK) value, cut at a character boundary, as stored.
    std::optional<QByteArray> ReadBytes(const QString& section, const QString& key) const;
    // ReadBytes decoded from GBK.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Decimal, or hexadecimal with a 0x, 0X or $ prefix; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer; any value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // Sets one key to bytes of the file's code page and keeps every other byte of the text;
    // creates the section when missing. Line breaks in a value are stored as spaces, so a value
    // can never add keys or sections.
    void WriteBytes(const QString& section, const QString& key, const QByteArray& value);
    // WriteBytes of the value encoded in GBK.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);  // "1" or "0"

private:
    // Sets one key to a value already encoded for the file (see WriteBytes).
    void WriteValue(const QString& section, const QString& key, const QByteArray& encodedValue);
    // Indexes the lines that start in [from, to) and before the index entry `at`.
    void IndexLines(qsizetype from, qsizetype to, size_t at);

    QByteArray bytes_;
    std::vector<quint32> lines_;  // the first byte of each section and key line, in order
    std::vector<bool> isSection_; // for each of lines_: a section line, not a key line
};

// A private-profile INI file on disk. Only a regular file (or a link to one) is read or
// replaced: anything else at the path reads as a missing file and cannot be written.
class IniFile {
public:
    explicit IniFile(QString fileName);

    // The file read once, for any number of reads; a missing or unusable file is empty. A
    // UTF-16LE file with its byte-order mark reads as the same text in GBK.
    IniText Read() const;
    // Makes all the writes of `edit` to the file's current text and puts the result in place
    // with one atomic replace, so a crash leaves all of them or none; a UTF-16LE file stays
    // UTF-16LE. Other copies of the game updating the same folder wait meanwhile, so `edit`
    // sees the text as the last of them left it. Throws IniWriteError when the file cannot be
    // read or may not be written; it then keeps its previous contents.
    void Update(const std::function<void(IniText&)>& edit);

private:
    QString fileName_;
};

}  // namespace platform

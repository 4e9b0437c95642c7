#pragma once

#include <QString>

#include <stdexcept>

namespace platform {

// A write that could not reach the disk. what() is "Unable to write to <full path>".
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& path);
    QString path() const { return path_; }

private:
    QString path_;
};

// A private-profile INI file in the GBK code page (read and written as GB18030, its superset).
// Sections and keys match without regard to case. Reading a missing file, section or key gives
// the default. Each write goes to the file at once, atomically, keeping every other line.
class IniFile {
public:
    explicit IniFile(QString fileName);

    QString FileName() const { return fileName_; }

    // At most 2047 bytes of the stored (GBK) value, cut at a character boundary.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Decimal, or hexadecimal with a 0x, 0X or $ prefix; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer; any value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // Each throws IniWriteError when the file cannot be written; the file then keeps its
    // previous contents. Line breaks in a value are stored as spaces, so a value can never
    // add keys or sections.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);  // "1" or "0"

private:
    QString fileName_;
};

}  // namespace platform

#pragma once

#include <QByteArray>
#include <QString>

#include <sys/resource.h>

// The bytes of a file, empty when it cannot be read; and a file written whole.
QByteArray ReadFileBytes(const QString& path);
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

// Limits the size of the files this process writes, for root too, while alive: the way to make
// a write fail half way whoever runs the test. The code under test must keep the limit's signal
// from killing the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

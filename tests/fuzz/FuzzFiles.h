#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

// What both fuzz targets share: one scratch directory for the whole run, a way to put the
// input there as a file, and a failed check that stops the run with a report.
namespace fuzz {

inline const QString& ScratchDir()
{
    static QTemporaryDir dir;
    static const QString path = dir.path() + QLatin1Char('/');
    return path;
}

// Plain system calls: a QFile per input would cost more than the reading it is there for.
inline void WriteInput(const QString& fileName, const unsigned char* data, size_t size)
{
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool written = fd >= 0 && write(fd, data, size) == ssize_t(size);
    if (fd < 0 || close(fd) != 0 || !written) {
        std::fprintf(stderr, "cannot write the fuzz input to %s\n", path.constData());
        std::abort();
    }
}

[[noreturn]] inline void Fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "check failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}

inline void Check(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

// `describe` makes the report's detail, only when the check fails: making it for every input
// would cost more than the checks themselves.
template <typename Describe>
void Check(bool condition, const char* what, Describe describe)
{
    if (!condition)
        Fail(what, describe());
}

}  // namespace fuzz

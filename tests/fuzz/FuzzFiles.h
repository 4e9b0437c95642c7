#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// What both fuzz targets share: one scratch directory for the whole run, a way to put the
// input there as a file, and a failed check that stops the run with a report.
namespace fuzz {

inline const QString& ScratchDir()
{
    static QTemporaryDir dir;
    static const QString path = dir.path() + QLatin1Char('/');
    return path;
}

inline void WriteInput(const QString& fileName, const unsigned char* data, size_t size)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "cannot write the fuzz input to %s\n", qPrintable(fileName));
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

#pragma once

#include "platform/System.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Tests whose score files live in a fresh directory standing in for the executable's.
class ScoreFilesTest : public testing::Test {
protected:
    void SetUp() override { platform::SetDataDirForTesting(dir_.path() + QLatin1Char('/')); }
    void TearDown() override { platform::SetDataDirForTesting(QString()); }

    QString ScoreFile(int difficulty) const { return dir_.filePath(QStringLiteral("Score%1.ini").arg(difficulty)); }

    static QByteArray ReadBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QTemporaryDir dir_;
};

#pragma once

#include "platform/System.h"
#include "tests/support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Tests whose score files live in a fresh directory standing in for the executable's.
class ScoreFilesTest : public testing::Test {
protected:
    void SetUp() override { platform::SetDataDirForTesting(dir_.path() + QLatin1Char('/')); }
    void TearDown() override { platform::SetDataDirForTesting(QString()); }

    QString ScoreFile(int difficulty) const { return dir_.filePath(QStringLiteral("Score%1.ini").arg(difficulty)); }

    QTemporaryDir dir_;
};

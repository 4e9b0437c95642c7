#pragma once

#include "tests/support/TestFiles.h"
#include "tests/support/TestSwitches.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Tests whose score files live in a fresh directory standing in for the executable's, with
// every test switch set and restored.
class ScoreFilesTest : public testing::Test {
protected:
    QString ScoreFile(int difficulty) const { return dir_.filePath(QStringLiteral("Score%1.ini").arg(difficulty)); }

    QTemporaryDir dir_;
    TestSwitches switches_{dir_.path() + QLatin1Char('/')};
};

#pragma once

#include "tests/support/BoardText.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestSwitches.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include <QByteArray>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

// A main window on the offscreen platform, with its files in a fresh directory, the blocking
// waits made instant, and the sounds and desktop requests recorded instead of played.
class WindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void WriteFile(const QString& name, const QByteArray& bytes) { ASSERT_TRUE(WriteFileBytes(FilePath(name), bytes)); }
    QByteArray ReadFile(const QString& name) const { return ReadFileBytes(FilePath(name)); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

    TForm1& Open(int screenHeight = 1024);
    void Activate();
    // Starts an easy game and replaces its deal with the given board (see EasyBoard), rendered
    // and shown.
    TLink& StartEasyWith(const BoardRows& rows);
    void ShowBoard(const BoardRows& rows);
    // A left click on the centre of board cell (row, col).
    void ClickCell(int row, int col, Qt::MouseButton button = Qt::LeftButton);
    QRgb WindowPixel(int x, int y) const;

    QTemporaryDir dir_;
    std::optional<TestSwitches> switches_;
    std::unique_ptr<TForm1> form_;
};

// The dead block of EasyBoardDeadBlock and one pair, "cc", that can be linked.
extern const BoardRows EasyBoardOnePair;
// One pair side by side and nothing else: its match clears the level.
extern const BoardRows EasyBoardLastPair;

// Answers the game's own message box and keeps its text.
class MessageAnswer {
public:
    MessageAnswer()
        : answer_([this](TForm2* box) {
              text = box->Label1->text();
              box->close();
          })
    {
    }
    QString text;

private:
    ModalAnswer<TForm2> answer_;
};

#pragma once

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Answers the next modal dialog of type Dialog from inside its exec(): once such a dialog is
// the active modal widget, `answer` runs on it and must close it. A dialog that was expected
// but never came fails the test; an unexpected one is answered and noted.
template <class Dialog>
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Dialog*)> answer, bool expected = true) : expected_(expected)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, answer] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                timer_.stop();
                answered_ = true;
                answer(dialog);
            }
        });
        timer_.start(5);
    }
    ~ModalAnswer() { EXPECT_EQ(answered_, expected_) << "a dialog was expected: " << expected_; }

    bool answered() const { return answered_; }

private:
    QTimer timer_;
    bool answered_ = false;
    bool expected_;
};

#pragma once

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Watches, from inside a modal exec(), for the next dialog of type Dialog to become the active
// modal widget, and hands it to `seen` once.
template <class Dialog>
class ModalWatch {
public:
    explicit ModalWatch(std::function<void(Dialog*)> seen)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, seen] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                timer_.stop();
                came_ = true;
                seen(dialog);
            }
        });
        timer_.start(5);
    }
    bool came() const { return came_; }

private:
    QTimer timer_;
    bool came_ = false;
};

// Answers the next modal dialog of type Dialog: `answer` runs on it and must close it. A
// dialog that never came fails the test.
template <class Dialog>
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Dialog*)> answer) : watch_(std::move(answer)) {}
    ~ModalAnswer() { EXPECT_TRUE(watch_.came()) << "a dialog was expected"; }

private:
    ModalWatch<Dialog> watch_;
};

// Fails the test when a modal dialog of type Dialog comes; it is closed, so the test goes on.
template <class Dialog>
class ExpectNoDialog {
public:
    ExpectNoDialog()
        : watch_([](Dialog* dialog) {
              ADD_FAILURE() << "an unexpected dialog: " << dialog->windowTitle().toStdString();
              dialog->close();
          })
    {
    }

private:
    ModalWatch<Dialog> watch_;
};

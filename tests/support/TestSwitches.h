#pragma once

#include <QString>

// Every switch the platform layer offers tests, set for a quiet and instant run: waits take no
// time, sounds and desktop requests are recorded (the records empty), the files live in
// `dataDir` when one is given. The guard's end restores every switch, whatever the test changed.
class TestSwitches {
public:
    explicit TestSwitches(const QString& dataDir = QString());
    ~TestSwitches();
    TestSwitches(const TestSwitches&) = delete;
    TestSwitches& operator=(const TestSwitches&) = delete;
};

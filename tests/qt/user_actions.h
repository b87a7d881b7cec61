// A user at the Qt window: the action steps of a session (clicks, Tab, typed characters, keys,
// pastes) played through the real widgets, the mouse, the keyboard and the clipboard, and what
// the window then shows.
#pragma once

#include <QString>
#include <string>

#include "qt/main_window.h"
#include "sessions/session.h"
#include "sessions/window_state.h"

namespace qt_test {

// Plays one action step; returns why it could not be played, or nothing. Expectations are no
// actions and are not played.
QString Perform(qt::MainWindow& window, const sessions::Step& step);

// Shows the window and brings it to the front unless it is active (all that an empty script does),
// then plays a script on it, checking its expectations as they come, with the guard's beeps
// counted from the script's start. Returns what went wrong at which step, or nothing.
QString Play(qt::MainWindow& window, const std::string& script);

// What the window shows now, with the guard's beeps counted by the caller.
sessions::WindowState StateOf(const qt::MainWindow& window, int beeps);

// What is wrong with the results the window shows, against the arithmetic worked out afresh from
// its boxes' texts in the locale the window uses; empty when they are right.
std::string WrongResults(const qt::MainWindow& window);

}  // namespace qt_test

// Fails the test with what went wrong where the script cannot be played on the window.
#define QVERIFY_PLAYS(window, script)                           \
    do {                                                        \
        const QString problem_ = qt_test::Play(window, script); \
        QVERIFY2(problem_.isEmpty(), qPrintable(problem_));     \
    } while (false)

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

// What the window shows now, with the guard's beeps counted by the caller.
sessions::WindowState StateOf(const qt::MainWindow& window, int beeps);

// What is wrong with the results the window shows, against the arithmetic worked out afresh from
// its boxes' texts in the locale the window uses; empty when they are right.
std::string WrongResults(const qt::MainWindow& window);

}  // namespace qt_test

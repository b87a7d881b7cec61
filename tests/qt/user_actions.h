// A user at the Qt window: the action steps of a session (clicks, Tab, typed characters, keys,
// pastes) played through the real widgets, the mouse, the keyboard and the clipboard.
#pragma once

#include <QString>

#include "qt/main_window.h"
#include "sessions/session.h"

namespace qt_test {

// Plays one action step; returns why it could not be played, or nothing. Expectations are no
// actions and are not played.
QString Perform(qt::MainWindow& window, const sessions::Step& step);

}  // namespace qt_test

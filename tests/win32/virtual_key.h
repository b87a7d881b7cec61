// The Windows virtual key of a session's key step, for both players of the Win32 window; with
// Key::Ctrl the letter's key, which goes with Ctrl held.
#pragma once

#include <windows.h>

#include "sessions/session.h"

namespace win32_test {

inline WORD VirtualKeyOf(const sessions::Step& step) {
    using sessions::Key;
    switch (step.key) {
        case Key::Enter:
            return VK_RETURN;
        case Key::Escape:
            return VK_ESCAPE;
        case Key::Backspace:
            return VK_BACK;
        case Key::Delete:
            return VK_DELETE;
        case Key::Left:
            return VK_LEFT;
        case Key::Right:
            return VK_RIGHT;
        case Key::Home:
            return VK_HOME;
        case Key::End:
            return VK_END;
        case Key::Ctrl:
            return static_cast<WORD>(step.letter);
    }
    return 0;
}

}  // namespace win32_test

// The Windows virtual key of a session's key step, for both players of the Win32 window; with
// Key::Ctrl the letter's key, which goes with Ctrl held.
#pragma once

#include <windows.h>

#include <iterator>

#include "sessions/session.h"

namespace win32_test {

inline WORD VirtualKeyOf(const sessions::Step& step) {
    if (step.key == sessions::Key::Ctrl) return static_cast<WORD>(step.letter);
    // In the order of sessions::Key.
    constexpr WORD kKeys[] = {VK_RETURN, VK_ESCAPE, VK_BACK, VK_DELETE,
                              VK_LEFT,   VK_RIGHT,  VK_HOME, VK_END};
    static_assert(std::size(kKeys) == static_cast<std::size_t>(sessions::Key::Ctrl));
    return kKeys[static_cast<int>(step.key)];
}

}  // namespace win32_test

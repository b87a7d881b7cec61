#include "state_reader.h"

#include "win32/control_ids.h"
#include "win32/utf16.h"

namespace win32_test {

std::string TextOf(HWND control) {
    wchar_t buffer[256]{};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return win32::ToUtf8(buffer);
}

StateReader::StateReader(HWND window)
    : thread_(GetWindowThreadProcessId(window, nullptr)),
      distance_(GetDlgItem(window, win32::LabelId(form::kDistanceLabel))),
      course_(GetDlgItem(window, win32::LabelId(form::kCourseLabel))) {
    for (int n = 1; n <= form::kBoxCount; ++n) boxes_[n - 1] = GetDlgItem(window, win32::BoxId(n));
}

HWND StateReader::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
}

sessions::WindowState StateReader::State(int beeps) const {
    sessions::WindowState state;
    for (int n = 1; n <= form::kBoxCount; ++n) state.boxes[n - 1] = TextOf(boxes_[n - 1]);
    state.distance = TextOf(distance_);
    state.course = TextOf(course_);
    const HWND focus = Focus();
    for (int n = 1; n <= form::kBoxCount; ++n) {
        if (focus != boxes_[n - 1]) continue;
        state.focus = n;
        const auto range = static_cast<DWORD>(SendMessageW(focus, EM_GETSEL, 0, 0));
        state.selectionStart = LOWORD(range);
        state.selectionEnd = HIWORD(range);
    }
    state.beeps = beeps;
    return state;
}

}  // namespace win32_test

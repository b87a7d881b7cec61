// How tests and accessibility tools find the window and its controls.
#pragma once

namespace win32 {

inline constexpr wchar_t kWindowClass[] = L"Fernbogen";

// Textn has the control ID 100 + n, Labeln 200 + n.
inline constexpr int BoxId(int box) {
    return 100 + box;
}
inline constexpr int LabelId(int label) {
    return 200 + label;
}

// The line that screen readers read out, unseen: the last announcement (win32/live_region.h).
inline constexpr int kAnnouncementId = 300;

}  // namespace win32

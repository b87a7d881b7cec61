// The character codes with a meaning of their own in the boxes' character notifications.
#pragma once

namespace form {

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;

}  // namespace form

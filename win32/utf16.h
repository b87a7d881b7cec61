// The form logic speaks UTF-8, the Win32 API UTF-16: the conversions at the seam between them.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

std::wstring ToUtf16(std::string_view text);
std::string ToUtf8(std::wstring_view text);

}  // namespace win32

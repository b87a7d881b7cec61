// The clipboard, as a program that copies text uses it.
#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// Puts text on the clipboard as Unicode text in place of what was there, for owner; false when
// another program holds the clipboard open.
bool PutTextOnClipboard(HWND owner, std::wstring_view text);

}  // namespace win32

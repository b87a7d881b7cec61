// A result field's own menu, with the one entry "Kopieren": it puts the field's text, as shown,
// on the clipboard. The fields are static controls that take no focus and let the mouse through
// to the window, so the window opens this menu where the right click on a field lands; the
// keyboard's menu key stays with the box that has the focus.
#pragma once

#include <windows.h>

namespace win32 {

// Shows the menu at a point on the screen and returns once it is closed, having copied if the
// entry was picked; the entry is greyed while the field is empty.
void OpenCopyMenu(HWND owner, HWND field, POINT at);

}  // namespace win32

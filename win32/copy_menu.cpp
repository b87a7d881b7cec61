#include "win32/copy_menu.h"

#include <string>

#include "form/texts.h"
#include "win32/clipboard.h"
#include "win32/utf16.h"
#include "win32/window_text.h"

namespace win32 {

namespace {

constexpr UINT kCopyCommand = 1;

}  // namespace

void OpenCopyMenu(HWND owner, HWND field, POINT at) {
    const std::wstring text = WindowText(field);
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | (text.empty() ? MF_GRAYED : 0), kCopyCommand,
                ToUtf16(form::texts::kCopy).c_str());
    // The command comes back here rather than as WM_COMMAND; the field cannot change while the
    // menu is open.
    const UINT picked = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, at.x,
                       at.y, 0, owner, nullptr));
    DestroyMenu(menu);
    if (picked == kCopyCommand) PutTextOnClipboard(owner, text);
}

}  // namespace win32

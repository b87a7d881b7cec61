#include "win32/clipboard.h"

#include <cstring>

namespace win32 {

bool PutTextOnClipboard(HWND owner, std::wstring_view text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory) {
        auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
        std::memcpy(copy, text.data(), text.size() * sizeof(wchar_t));
        copy[text.size()] = L'\0';
        GlobalUnlock(memory);
        // Once placed, the memory is the clipboard's.
        if (!SetClipboardData(CF_UNICODETEXT, memory)) memory = GlobalFree(memory);
    }
    CloseClipboard();
    return memory != nullptr;
}

}  // namespace win32

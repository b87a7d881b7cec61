#include "win32/edit_box.h"

namespace app::win32 {

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;

bool IsEnterOrEscape(const MSG& message) {
    return (message.message == WM_KEYDOWN || message.message == WM_CHAR) &&
           (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
}

}  // namespace

EditBox::EditBox(HWND control, int box, BoxEvents& events)
    : control_(control), box_(box), events_(&events) {
    SetWindowLongPtrW(control_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

EditBox::~EditBox() {
    if (!IsWindow(control_)) return;
    SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrW(control_, GWLP_USERDATA, 0);
}

std::wstring EditBox::text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void EditBox::writeText(std::wstring_view text) {
    SetWindowTextW(control_, std::wstring(text).c_str());
    SendMessageW(control_, EM_SETSEL, 0, 0);
}

LRESULT CALLBACK EditBox::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<EditBox*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (!box) return DefWindowProcW(control, message, wParam, lParam);
    return box->handle(message, wParam, lParam);
}

LRESULT EditBox::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter and Escape are the box's characters, not the dialog manager's default and
            // cancel buttons; Tab and Shift+Tab stay with the dialog manager.
            LRESULT code = CallWindowProcW(original_, control_, message, wParam, lParam);
            const auto* pending = reinterpret_cast<const MSG*>(lParam);
            if (pending && IsEnterOrEscape(*pending)) code |= DLGC_WANTCHARS | DLGC_WANTMESSAGE;
            return code;
        }
        case WM_CHAR: {
            if (!events_) break;
            int KeyAscii = static_cast<int>(wParam);
            events_->keyPress(box_, KeyAscii);
            // The edit control pastes on Ctrl+V's character 22, so a discarded one pastes
            // nothing. A single-line box has no use for Enter and Escape but to beep.
            if (KeyAscii == 0 || KeyAscii == kEnter || KeyAscii == kEscape) return 0;
            wParam = static_cast<WPARAM>(KeyAscii);
            break;
        }
        case WM_SETFOCUS: {
            const LRESULT result = CallWindowProcW(original_, control_, message, wParam, lParam);
            if (events_) events_->focusIn(box_);
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = CallWindowProcW(original_, control_, message, wParam, lParam);
            if (events_) events_->focusOut(box_, reinterpret_cast<HWND>(wParam));
            return result;
        }
        default:
            break;
    }
    return CallWindowProcW(original_, control_, message, wParam, lParam);
}

}  // namespace app::win32

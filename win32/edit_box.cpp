#include "win32/edit_box.h"

#include "form/key_codes.h"
#include "win32/window_text.h"

namespace win32 {

namespace {

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

std::wstring EditBox::Text() const {
    return WindowText(control_);
}

void EditBox::WriteText(std::wstring_view text) {
    SetWindowTextW(control_, std::wstring(text).c_str());
    SendMessageW(control_, EM_SETSEL, 0, 0);
}

LRESULT CALLBACK EditBox::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<EditBox*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (!box) return DefWindowProcW(control, message, wParam, lParam);
    return box->HandleMessage(message, wParam, lParam);
}

LRESULT EditBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
            int keyAscii = static_cast<int>(wParam);
            events_->KeyPress(box_, keyAscii);
            // The edit control pastes on Ctrl+V's character 22, so a discarded one pastes
            // nothing. A single-line box has no use for Enter and Escape but to beep.
            if (keyAscii == 0 || keyAscii == form::kEnter || keyAscii == form::kEscape) return 0;
            wParam = static_cast<WPARAM>(keyAscii);
            break;
        }
        case WM_SETFOCUS: {
            const LRESULT result = CallWindowProcW(original_, control_, message, wParam, lParam);
            if (events_) events_->FocusIn(box_);
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = CallWindowProcW(original_, control_, message, wParam, lParam);
            if (events_) events_->FocusOut(box_, reinterpret_cast<HWND>(wParam));
            return result;
        }
        default:
            break;
    }
    return CallWindowProcW(original_, control_, message, wParam, lParam);
}

}  // namespace win32

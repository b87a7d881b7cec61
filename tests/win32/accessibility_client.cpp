#include "accessibility_client.h"

#include "win32/control_ids.h"
#include "win32/utf16.h"

namespace win32_test {

namespace {

using win32::BoxId;
using win32::LabelId;

std::string Take(BSTR text) {
    if (!text) return {};
    std::string utf8 = win32::ToUtf8(std::wstring_view(text, SysStringLen(text)));
    SysFreeString(text);
    return utf8;
}

std::string RoleName(const VARIANT& role) {
    if (role.vt != VT_I4) return "?";
    switch (role.lVal) {
        case ROLE_SYSTEM_TEXT:
            return "text";
        case ROLE_SYSTEM_STATICTEXT:
            return "static text";
        case ROLE_SYSTEM_CLIENT:
            return "client";
        case ROLE_SYSTEM_WINDOW:
            return "window";
        default:
            return "role " + std::to_string(role.lVal);
    }
}

}  // namespace

std::string Describe(IAccessible* object, long child) {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = child;
    VARIANT role;
    VariantInit(&role);
    object->get_accRole(self, &role);
    BSTR name = nullptr;
    BSTR value = nullptr;
    BSTR description = nullptr;
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->get_accDescription(self, &description);
    std::string line = '"' + Take(name) + '"';
    if (const std::string text = Take(value); !text.empty()) line += ", value \"" + text + '"';
    if (const std::string text = Take(description); !text.empty())
        line += ", description \"" + text + '"';
    line += ", role " + RoleName(role);
    VariantClear(&role);
    return line;
}

std::string ControlName(HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id > BoxId(0) && id < LabelId(0)) return "Text" + std::to_string(id - BoxId(0));
    if (id > LabelId(0) && id < win32::kAnnouncementId)
        return "Label" + std::to_string(id - LabelId(0));
    if (id == win32::kAnnouncementId) return "announcement";
    return "control " + std::to_string(id);
}

}  // namespace win32_test

// Reads the running program's window from another process as a screen reader does, through MSAA
// (oleacc): one line for the window and one for each of its controls, in the order in which they
// lie on the window:
//   window "berechnet Abstand geographischer Punkte auf dem Fernbogen", role client
//   Text1 "von Breite Grad", value "0", description "0 bis 90", role text
// and the same for the controls as a screen reader reaches them from the window's object, one
// line each beginning with "child":
//   child Text1 "von Breite Grad", value "0", description "0 bis 90", role text
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "accessibility_client.h"
#include "win32/control_ids.h"

namespace {

using win32_test::ControlName;
using win32_test::Describe;

void PrintObjectOf(HWND window, LONG id, const std::string& label) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(id), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        std::printf("%s: no accessible object\n", label.c_str());
        return;
    }
    std::printf("%s %s\n", label.c_str(), Describe(object).c_str());
    object->Release();
}

// The window object's children are the controls' window objects; a screen reader goes on from
// each to the control's own (client) object.
void PrintChildren(HWND window) {
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&client)))) {
        std::printf("child: no accessible object of the window\n");
        return;
    }
    LONG count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(client, 0, count, children.data(), &obtained);
    for (LONG i = 0; i < obtained; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        HWND control = nullptr;
        if (child.vt == VT_DISPATCH && child.pdispVal) {
            IAccessible* object = nullptr;
            if (SUCCEEDED(child.pdispVal->QueryInterface(__uuidof(IAccessible),
                                                         reinterpret_cast<void**>(&object)))) {
                WindowFromAccessibleObject(object, &control);
                object->Release();
            }
        }
        if (control)
            PrintObjectOf(control, OBJID_CLIENT, "child " + ControlName(control));
        else
            std::printf("child %s\n", Describe(client, child.vt == VT_I4 ? child.lVal : 0).c_str());
        VariantClear(&child);
    }
    client->Release();
}

}  // namespace

int main() {
    const HWND window = FindWindowW(win32::kWindowClass, nullptr);
    if (!window) {
        std::fprintf(stderr, "no window of the class Fernbogen\n");
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    PrintObjectOf(window, OBJID_CLIENT, "window");
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        PrintObjectOf(control, OBJID_CLIENT, ControlName(control));
    PrintChildren(window);
    CoUninitialize();
    return 0;
}

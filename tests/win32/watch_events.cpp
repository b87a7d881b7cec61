// Listens from another process, as a screen reader does, to what the program's window tells
// assistive technology while the user works in it (SetWinEventHook, out of context), and prints
// each event with what the object it names reads at that moment:
//   focus Text4 "von Länge Grad", value "0", description "0 bis 180", role text
//   name Label17 "503.9 Km", description "Entfernung", role static text
//   live announcement "Entfernung 503.9 Km, Richtung 195.5 Grad", role static text
// It prints "listening" once the hook is set, and ends when the program's window, once seen,
// is gone.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <deque>
#include <string>

#include "accessibility_client.h"
#include "win32/control_ids.h"

namespace {

// EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 on.
constexpr DWORD kLiveRegionChanged = 0x8019;

struct Event {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

// Events are read out after the callback: reading one calls into the program, and while a call
// waits, Windows may deliver the next event.
std::deque<Event> pending;

const char* EventName(DWORD event) {
    switch (event) {
        case EVENT_OBJECT_FOCUS:
            return "focus";
        case EVENT_OBJECT_NAMECHANGE:
            return "name";
        case kLiveRegionChanged:
            return "live";
        default:
            return nullptr;
    }
}

bool OfTheProgram(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(GetAncestor(window, GA_ROOT), name, 64);
    return window && std::wstring(name) == win32::kWindowClass;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                      DWORD) {
    if (EventName(event) && OfTheProgram(window)) pending.push_back({event, window, object, child});
}

void Print(const Event& e) {
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    std::string line = std::string(EventName(e.event)) + ' ' + win32_test::ControlName(e.window);
    if (e.object != OBJID_CLIENT) line += " (object " + std::to_string(e.object) + ')';
    if (SUCCEEDED(AccessibleObjectFromEvent(e.window, static_cast<DWORD>(e.object),
                                            static_cast<DWORD>(e.child), &object, &child))) {
        line += ' ' + win32_test::Describe(object, child.vt == VT_I4 ? child.lVal : 0);
        object->Release();
    }
    VariantClear(&child);
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_FOCUS, kLiveRegionChanged, nullptr, &OnEvent, 0, 0,
                        WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    std::printf("listening\n");
    std::fflush(stdout);
    bool seen = false;
    for (;;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        while (!pending.empty()) {
            const Event e = pending.front();
            pending.pop_front();
            Print(e);
        }
        const bool open = FindWindowW(win32::kWindowClass, nullptr) != nullptr;
        if (seen && !open) break;
        seen = seen || open;
    }
    UnhookWinEvent(hook);
    CoUninitialize();
    return 0;
}

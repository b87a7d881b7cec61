#include "accessibility_client.h"

#include <oleacc.h>

#include <deque>

#include "win32/control_ids.h"
#include "win32/utf16.h"

namespace win32_test {

namespace {

using win32::BoxId;
using win32::LabelId;

// EVENT_OBJECT_LIVEREGIONCHANGED, Windows 8 on.
constexpr DWORD kLiveRegionChanged = 0x8019;

std::string Take(BSTR text) {
    if (!text) return {};
    std::string utf8 = win32::ToUtf8(std::wstring_view(text, SysStringLen(text)));
    SysFreeString(text);
    return utf8;
}

// A name for each value that a table of them knows, in words.
struct Named {
    long value;
    const char* name;
};

template <std::size_t n>
const char* NameOf(long value, const Named (&names)[n]) {
    for (const Named& named : names)
        if (named.value == value) return named.name;
    return nullptr;
}

constexpr Named kRoles[] = {{ROLE_SYSTEM_TEXT, "text"},
                            {ROLE_SYSTEM_STATICTEXT, "static text"},
                            {ROLE_SYSTEM_CLIENT, "client"},
                            {ROLE_SYSTEM_WINDOW, "window"}};
constexpr Named kEvents[] = {
    {EVENT_OBJECT_FOCUS, "focus"}, {EVENT_OBJECT_NAMECHANGE, "name"}, {kLiveRegionChanged, "live"}};

std::string RoleName(const VARIANT& role) {
    if (role.vt != VT_I4) return "?";
    const char* name = NameOf(role.lVal, kRoles);
    return name ? name : "role " + std::to_string(role.lVal);
}

bool IsStatic(HWND control) {
    wchar_t name[16]{};
    return control && GetClassNameW(control, name, 16) && lstrcmpiW(name, L"Static") == 0;
}

// 'Text4 "von Länge Grad", value "0", description "0 bis 180", role text' for the object of what,
// shown in control: the name always, value and description where the object has them. Wine's
// standard object for a static control has the role client where Windows' has static text: the
// role of a label or of the announcement is left out.
std::string Describe(const std::string& what, HWND control, IAccessible* object,
                     long child = CHILDID_SELF) {
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
    std::string line = what + " \"" + Take(name) + '"';
    if (const std::string text = Take(value); !text.empty()) line += ", value \"" + text + '"';
    if (const std::string text = Take(description); !text.empty())
        line += ", description \"" + text + '"';
    const std::string roleName = RoleName(role);
    if (!IsStatic(control) || (roleName != "client" && roleName != "static text"))
        line += ", role " + roleName;
    VariantClear(&role);
    return line;
}

std::string DescribeClientOf(HWND window, const std::string& what) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return what + ": no accessible object";
    std::string line = Describe(what, window, object);
    object->Release();
    return line;
}

// The window object's children are the controls' window objects; a screen reader goes on from
// each to the control's own (client) object.
void ReadChildren(HWND window, std::vector<std::string>& lines) {
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&client)))) {
        lines.push_back("child: no accessible object of the window");
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
        lines.push_back(
            control ? DescribeClientOf(control, "child " + ControlName(control))
                    : Describe("child", nullptr, client, child.vt == VT_I4 ? child.lVal : 0));
        VariantClear(&child);
    }
    client->Release();
}

struct Event {
    DWORD event;
    HWND window;
    LONG object;
    LONG child;
};

// Events are read out after the callback: reading one calls into the program, and while a call
// waits, Windows may deliver the next event.
std::deque<Event> pending;
std::vector<std::string> heard;

bool OfTheProgram(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(GetAncestor(window, GA_ROOT), name, 64);
    return window && std::wstring(name) == win32::kWindowClass;
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                      DWORD) {
    if (NameOf(event, kEvents) && OfTheProgram(window))
        pending.push_back({event, window, object, child});
}

std::string Describe(const Event& e) {
    std::string what = std::string(NameOf(e.event, kEvents)) + ' ' + ControlName(e.window);
    if (e.object != OBJID_CLIENT) what += " (object " + std::to_string(e.object) + ')';
    IAccessible* object = nullptr;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromEvent(e.window, static_cast<DWORD>(e.object),
                                         static_cast<DWORD>(e.child), &object, &child)))
        return what;
    what = Describe(what, e.window, object, child.vt == VT_I4 ? child.lVal : 0);
    object->Release();
    VariantClear(&child);
    return what;
}

}  // namespace

std::string ControlName(HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id > BoxId(0) && id < LabelId(0)) return "Text" + std::to_string(id - BoxId(0));
    if (id > LabelId(0) && id < win32::kAnnouncementId)
        return "Label" + std::to_string(id - LabelId(0));
    if (id == win32::kAnnouncementId) return "announcement";
    return "control " + std::to_string(id);
}

std::vector<std::string> ReadWindow(HWND window) {
    std::vector<std::string> lines{DescribeClientOf(window, "window")};
    for (HWND control = GetWindow(window, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT))
        lines.push_back(DescribeClientOf(control, ControlName(control)));
    ReadChildren(window, lines);
    return lines;
}

Listener::Listener()
    : hook_(SetWinEventHook(EVENT_OBJECT_FOCUS, kLiveRegionChanged, nullptr, &OnEvent, 0, 0,
                            WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS)) {}

Listener::~Listener() {
    UnhookWinEvent(hook_);
}

void Listener::Pump(DWORD ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    for (; !pending.empty(); pending.pop_front()) heard.push_back(Describe(pending.front()));
}

const std::vector<std::string>& Listener::Heard() const {
    return heard;
}

}  // namespace win32_test

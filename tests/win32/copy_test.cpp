// Copying a result: a right click on the distance or the course opens the field's menu, whose
// "Kopieren" puts the text as shown on the clipboard as Unicode text. The focus, the boxes and
// the results stay as they were.
#include <string>

#include "cases.h"
#include "decimal_separator.h"
#include "form/layout.h"
#include "sessions/worked_results.h"
#include "state_reader.h"
#include "test_window.h"
#include "user_input.h"
#include "win32/clipboard.h"
#include "win32/utf16.h"

namespace win32_test {

namespace {

using win32::ToUtf16;
using win32::ToUtf8;

// How long an open menu is given to show its entry and be closed.
constexpr UINT kMenuDeadlineMs = 5000;

// The menu as it popped up, and what became of it.
struct MenuSeen {
    int popups = 0;
    std::string entries;  // each entry's text, "(greyed)" after a greyed one
    bool firstGreyed = false;
    bool picked = false;
    bool timedOut = false;
};

// Set while a right click runs: hook and timer callbacks carry no context.
MenuSeen* seen = nullptr;

void ReadEntries(HMENU menu) {
    ++seen->popups;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64]{};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        const bool greyed = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED;
        if (i == 0) seen->firstGreyed = greyed;
        seen->entries += (i ? ", " : "") + ToUtf8(text) + (greyed ? " (greyed)" : "");
    }
}

// Picks the first entry with the keys a user presses, or closes the menu with Escape where that
// entry is greyed. The keys are only posted: the menu's own loop takes them.
void PickFirstEntry() {
    seen->picked = true;
    const HWND keys = GetFocus();
    if (seen->firstGreyed)
        PostMessageW(keys, WM_KEYDOWN, VK_ESCAPE, 1);
    else
        for (const UINT key : {VK_DOWN, VK_RETURN}) PostMessageW(keys, WM_KEYDOWN, key, 1);
}

// The menu tells its owner window as it pops up, with the menu, and once it waits for the user.
LRESULT CALLBACK WatchMenu(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && seen) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->message == WM_INITMENUPOPUP) ReadEntries(reinterpret_cast<HMENU>(sent->wParam));
        if (sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU && !seen->picked)
            PickFirstEntry();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MenuDeadline(HWND, UINT, UINT_PTR, DWORD) {
    if (seen) seen->timedOut = true;
    EndMenu();
}

// Right-clicks the field and handles the menu that opens, within the deadline.
MenuSeen RightClickAndPick(const UserInput& user, HWND field) {
    MenuSeen menu;
    seen = &menu;
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchMenu, nullptr, GetCurrentThreadId());
    const UINT_PTR deadline = SetTimer(nullptr, 0, kMenuDeadlineMs, MenuDeadline);
    user.rightClick(field);
    KillTimer(nullptr, deadline);
    UnhookWindowsHookEx(hook);
    seen = nullptr;
    return menu;
}

std::string CopyProblem(const sessions::CopiedResult& row) {
    const wchar_t separator[] = {static_cast<wchar_t>(row.decimalSeparator), L'\0'};
    const DecimalSeparator decimal(separator);
    TestWindow window;
    const UserInput user = window.Open();
    if (row.worked) {
        const auto texts = sessions::BoxTexts(sessions::WorkedResultNamed(row.worked).points);
        for (int n = 1; n <= form::kBoxCount; ++n) window.SetBoxText(n, texts[n - 1]);
        // Enter in the first box, where the window put the focus, shows the results and leaves
        // the box no longer fresh.
        user.pressKey(VK_RETURN);
    }
    const std::string shown = sessions::CopiedText(row);
    const HWND field = window.Label(row.field);
    if (TextOf(field) != shown) return "the field shows \"" + TextOf(field) + "\"";
    // Neither a focus change nor a validation may follow: one would make the box fresh, the other
    // write the empty results.
    const bool fresh = window.Logic().FreshFocus(4);
    // The boxes' texts, the results and the focus, which the menu must leave as they are.
    const StateReader reader(window.Handle());
    const std::string contents = sessions::LineOf(reader.State(0));

    const std::wstring before = L"on the clipboard before";
    win32::PutTextOnClipboard(window.Handle(), before);
    const MenuSeen menu = RightClickAndPick(user, field);
    user.settle();
    const std::string entries = shown.empty() ? "Kopieren (greyed)" : "Kopieren";
    if (menu.timedOut)
        return "the menu was still open after " + std::to_string(kMenuDeadlineMs) +
               " ms, reading \"" + menu.entries + "\"";
    if (menu.popups != 1) return std::to_string(menu.popups) + " menus popped up";
    if (menu.entries != entries) return "the menu reads \"" + menu.entries + "\"";
    const std::wstring copied = ClipboardText();
    if (copied != (shown.empty() ? before : ToUtf16(shown)))
        return "the clipboard holds \"" + ToUtf8(copied) + "\"";
    if (window.Logic().FreshFocus(4) != fresh) return "Text4 was entered anew or typed into";
    if (const std::string now = sessions::LineOf(reader.State(0)); now != contents)
        return "the window showed " + contents + " and now shows " + now;
    return {};
}

}  // namespace

void AddCopyTests(std::vector<Case>& cases) {
    for (const sessions::CopiedResult& row : sessions::AllCopiedResults())
        cases.push_back({"copying " + std::string(row.name), [&row] { return CopyProblem(row); }});
}

}  // namespace win32_test
